// The discounts' exports.
#include "discounts/discount_sources.h"
#include "discounts/load_discounts.h"
#include "exports/export.h"
#include "ratekit/ratekit32.h"

using namespace ratekit;

RATEKIT_EXPORT void ClearDiscList(void* context) {
  if (context == nullptr) return;
  RatingContextView record = ContextOf(context);
  ClearDiscounts(record);
}

RATEKIT_EXPORT short LoadDiscounts(void* context, void* block, int mode) {
  if (context == nullptr) return 0;
  RatingContextView record = ContextOf(context);
  return LoadLaneDiscounts(record, static_cast<std::uint8_t*>(block), mode);
}
