/* The exported functions of the rating-function library Ratekit32, for the
   program that loads it by name and binds them. Functions that take a
   context work on the 91,240-byte RatingContext the program lends them
   (ratekit/rating_context.h); a failure stores its number in the context's
   LastErrorCode. Owner windows are the program's, passed through to its
   message boxes (ratekit/host_interface.h). */
#ifndef RATEKIT_RATEKIT32_H
#define RATEKIT_RATEKIT32_H

#include "ratekit/host_interface.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Rating call. */
int RateShipment(void* context, int detailCount, void* owner);
void SetClassesAndWeights(void* context, int mode, int fakAllowed);
int CheckQIVCAN(void* context);

/* Engine connection. */
int GetZQAddresses(void* context, void* owner);
int InitializeZQdll(void* context);
int EndZQdll(void* context);
char* GetCurrentEfcRec(void* context, const char* key);
int VornGetStateCode(const char* zip, char* stateOut);

/* Data-file set and settings images. */
int OpenAllFiles(void* context, int* stateTablesLoaded);
int CloseAllFiles(void* context);
int ReadDefFile(void* context);
int WriteDefFile(void* context);
int WriteMexicoDefFile(void* context);
int ReadDiscFile(void* context);
int WriteAccFile(void* context);
int OpenLevelFile(void* context, const char* fileName);
int ReadCOZFile(void* context);

/* Tariff tables: the tariff of a lane, the weight breaks. */
int GetZQBse(void* context);
int GetZQTariffName(void* context);
int ReadWgtFile(void* context);

/* Shipment checks. */
int VerOrigZip(void* context);
int VerDestZip(void* context);
int GetStateCode(void* context, const char* code, char* state2, char* flag1, char* flag2);
int VerTerritory(void* context);
int VerClass(void* context, const char* cls, int line, int fakAllowed);
int VerWeight(void* context, const char* weight, int line);
int ValidWeight(void* context, int i);
int GetZipcIndex(void* context, const char* prefix3);

/* Discounts. block: the program's 1792-byte discount buffer (mode 0 does
   not use it). */
void ClearDiscList(void* context);
short LoadDiscounts(void* context, void* block, int mode);

/* Settings profiles. */
int ReadProfileFile(void* context);
int GetProfileSize(void* context);
int GetProfileKey(void* context, int i, char* name31);
int GetProfileRecord(void* context);
int LoadProfileSettings(void* context);
int LoadProfileZP6(void* context);
int ReadColtOpt(const char* path, char* record1792, const char* name);

/* Service-guide bridge. */
int GetJYAddresses(void* context, void* owner);
int InitializeJYdll(void* context);
int GetService(void* context);
int GetTerminals(void* context);
int EndJYdll(void* context);

/* Messages and small utilities. */
void fatal(const char* text, const char* caption, int code);
int warning(const char* text, const char* caption, int code, void* owner);
int question(const char* text, const char* caption, int code, void* owner);
double rndoff(float x, int n);
char* strtrim(char* s);
char* strltrim(char* s);
char* ForceFileNameExtension(char* name, const char* ext);
const char* SplitPath(const char* path);

#ifdef __cplusplus
}
#endif

#endif
