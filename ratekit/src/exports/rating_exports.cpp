// The rating call's exports.
#include "context/context_fields.h"
#include "engine/engine_connection.h"
#include "exports/export.h"
#include "ratekit/ratekit32.h"
#include "rating/default_tables.h"
#include "rating/lane_files.h"
#include "rating/rate_shipment.h"

using namespace ratekit;

RATEKIT_EXPORT int RateShipment(void* context, int detailCount, void*) {
  if (context == nullptr) return kRatingFailed;
  RatingContextView record = ContextOf(context);
  return RateContextShipment(record, detailCount);
}

RATEKIT_EXPORT void SetClassesAndWeights(void* context, int, int) {
  if (context == nullptr) return;
  RatingContextView record = ContextOf(context);
  SetDefaultClassesAndWeights(record, Engine().request);
}

RATEKIT_EXPORT int CheckQIVCAN(void* context) {
  if (context == nullptr) return 0;
  return CheckCanadianLane(ContextOf(context));
}
