// The engine connection's exports and the lane-tariff lookups.
#include "context/context_fields.h"
#include "engine/effective_copy.h"
#include "engine/engine_connection.h"
#include "exports/export.h"
#include "ratekit/ratekit32.h"
#include "tables/lane_tariff_tables.h"

using namespace ratekit;

RATEKIT_EXPORT int GetZQAddresses(void* context, void*) {
  if (context == nullptr) return 0;
  RatingContextView record = ContextOf(context);
  const std::int32_t missing = BindEngine(record);
  if (missing == 0) return 1;
  SetLastError(record, missing);
  return 0;
}

RATEKIT_EXPORT int InitializeZQdll(void* context) {
  if (context == nullptr) return 0;
  RatingContextView record = ContextOf(context);
  return OpenEngineConnection(record);
}

RATEKIT_EXPORT int EndZQdll(void* context) {
  if (context == nullptr) return 0;
  RatingContextView record = ContextOf(context);
  return CloseEngineConnection(record);
}

RATEKIT_EXPORT char* GetCurrentEfcRec(void* context, const char* key) {
  if (context == nullptr) return nullptr;
  RatingContextView record = ContextOf(context);
  return FindEffectiveEntry(record, key);
}

RATEKIT_EXPORT int VornGetStateCode(const char* zip, char* stateOut) { return EngineStateOfCode(zip, stateOut); }

RATEKIT_EXPORT int GetZQBse(void* context) {
  if (context == nullptr) return 0;
  return FindBaseCodes(ContextOf(context));
}

RATEKIT_EXPORT int GetZQTariffName(void* context) {
  if (context == nullptr) return 0;
  RatingContextView record = ContextOf(context);
  return FindLaneTariff(record);
}
