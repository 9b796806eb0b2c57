/* The exported functions of the rating engine library VORN32, for programs
   that load it by name and bind its functions. Every function works on the
   engine of the calling thread; the handle argument of the Ex forms is not
   used to find it. Records are fixed-layout byte buffers:
     EffectiveEntry 17 bytes, VersionText 105 bytes, TariffTables 222 bytes,
     EFCREC.TBL record 76 bytes, the error-text buffer at least 80 bytes. */
#ifndef VORN32_VORN32_H
#define VORN32_VORN32_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef void* VornHandle;
/* Called as function(context, 512-byte notify record). */
typedef void (*VornNotifyFunction)(void* context, void* notifyRecord);

#define VORN_EFFECTIVE_ENTRY_SIZE 17
#define VORN_VERSION_TEXT_SIZE 105
#define VORN_TARIFF_TABLES_SIZE 222
#define VORN_EFCREC_RECORD_SIZE 76
#define VORN_ERROR_STRING_SIZE 80
#define VORN_SHIPMENT_RECORD_SIZE 2160

int Vorn_InitializeVorn(const char* dataPath);
VornHandle Vorn_InitializeVornEx(const char* dataPath);
int Vorn_Set_Vorndata(const char* path);
int Vorn_Set_VorndataEx(VornHandle handle, const char* path);
int Vorn_disp_ver(char* versionText);
int Vorn_disp_verEx(VornHandle handle, char* versionText);
int Vorn_EndVorn(void);
int Vorn_EndVornEx(VornHandle handle);
char* Vorn_GetErrorString(char* buffer);
char* Vorn_GetErrorStringEx(VornHandle handle, char* buffer);
/* Rate a 2160-byte ShipmentRecord in place; the 2 forms keep the caller's
   CityCandidates buffer for the rating. */
void Vorn_RateShipment(char* shipmentRecord);
void Vorn_RateShipmentEx(VornHandle handle, char* shipmentRecord);
void Vorn_RateShipment2(char* shipmentRecord, void* cityCandidates);
void Vorn_RateShipment2Ex(VornHandle handle, char* shipmentRecord, void* cityCandidates);
int Vorn_GetTables(char* tariffTables);
/* The 2-character state of a ZIP or postal code into state; null when none. */
char* Vorn_GetState(char* state, const char* code);
char* Vorn_GetStateEx(VornHandle handle, char* state, const char* code);
int Vorn_GetTablesEx(VornHandle handle, char* tariffTables);

int16_t Vorn_GetEffectiveTableSize(void);
int16_t Vorn_GetEffectiveTableSizeEx(VornHandle handle);
char* Vorn_GetEffectiveTable(char* entry, int index);
char* Vorn_GetEffectiveTableEx(VornHandle handle, char* entry, int index);
int Vorn_LockEffective(void);
int Vorn_LockEffectiveEx(VornHandle handle);
int Vorn_UnlockEffective(void);
int Vorn_UnlockEffectiveEx(VornHandle handle);
void Vorn_SetNotifyCallback(void* context, VornNotifyFunction function);
void Vorn_SetNotifyCallbackEx(VornHandle handle, void* context, VornNotifyFunction function);
void Vorn_DetermineRatingVersion(char* efcrecRecord);

/* Package rating (vorn32/package_records.h): the package codes of a tariff
   (PackageInfoQuery in, PackageInfoList out) and the charges of a request
   (PackageRequest in, PackageResult out, at least 17 + 7 bytes for each
   package asked for, 710 for any request). */
void Vorn_PackageInfo(const char* query, char* list);
void Vorn_PackageInfoEx(VornHandle handle, const char* query, char* list);
void Vorn_RatePackage(const char* request, char* result);
void Vorn_RatePackageEx(VornHandle handle, const char* request, char* result);

/* The service guide the engine loaded (ktq_qkdll.ini's [Product] Path),
   passed through: each answers non-zero when done; its status is four
   digits, "0700" when the guide is not usable. Lanebook_Initialize takes a
   22-byte status area and a 537-byte record, Lanebook_GetServGuideData a
   12-byte control record and an 80-byte data record; the other records are
   the guide's (lanebook/engine_form.h). */
uint8_t Lanebook_Initialize(char* statusArea, char* record);
uint8_t Lanebook_Terminate(void);
uint8_t Lanebook_GetServGuideData(char* control, char* data);
uint8_t Lanebook_GetCarrierTypes(char* status, char* record);
uint8_t Lanebook_GetCarriers(char* status, char* record);
uint8_t Lanebook_GetTerminals(char* status, char* record);
uint8_t Lanebook_GetTermToTermDays(char* status, char* record);
uint8_t Lanebook_SetCarrierDataPath(char* status, char* record);

#ifdef __cplusplus
}
#endif

#endif
