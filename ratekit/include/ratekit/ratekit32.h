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

/* Tariff of a lane. */
int GetZQBse(void* context);
int GetZQTariffName(void* context);

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
