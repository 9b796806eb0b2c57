#include "rating/rate_shipment.h"

#include <array>
#include <optional>
#include <string>

#include "context/context_fields.h"
#include "engine/engine_connection.h"
#include "messages/message_numbers.h"
#include "rating/engine_answer.h"
#include "rating/lane_files.h"
#include "rating/rating_results.h"
#include "rating/shipment_request.h"

namespace ratekit {
namespace {

using shipment_point::Of;

// A three-character forward sortation area is sent as a six-character code
// ending "0A"; the points' codes are given back before the engine rates.
class CanadianCodes {
 public:
  explicit CanadianCodes(RatingContextView& record) : record_(record) {
    if (IntField(record, context::kCanadaFlag) == 0) return;
    for (std::size_t point = 0; point < 2; ++point) {
      const platform::FieldSpan code = Of(point, shipment_point::kCode);
      if (!IsLetter(record.charAt(code.offset))) continue;
      saved_[point] = std::string(record.text(code));
      const char fourth = record.charAt(code.offset + 3);
      if (fourth == ' ' || fourth == '\0') record.setText({code.offset + 3, 2}, "0A");
    }
  }
  void restore() {
    for (std::size_t point = 0; point < 2; ++point)
      if (saved_[point]) record_.setText(Of(point, shipment_point::kCode), *saved_[point]);
  }

 private:
  static bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
  RatingContextView& record_;
  std::array<std::optional<std::string>, 2> saved_;
};

int Failed(RatingContextView& record, std::int32_t number) {
  SetLastError(record, number);
  return kRatingFailed;
}

void BlankPoints(RatingContextView& record) {
  for (std::size_t point = 0; point < 2; ++point) {
    record.fill(Of(point, shipment_point::kStateBlanked), ' ');
    record.fill(Of(point, shipment_point::kCity), ' ');
  }
}

}  // namespace

int RateContextShipment(RatingContextView& record, int detailCount) {
  CanadianCodes codes(record);
  if (IntField(record, context::kEngineInUse) == 0) return kNotRated;

  const bool discountsInUse = ShortField(record, rating_defaults::kDiscountsInUse) != 0;
  const bool noDiscountLane = discountsInUse && IsNoDiscountLane(record);
  SetIntField(record, context::kNoDiscountLane, noDiscountLane ? 1 : 0);

  EngineConnection& engine = Engine();
  const std::optional<std::int32_t> unbuilt = BuildShipmentRequest(record, detailCount, noDiscountLane, engine.request);
  codes.restore();
  if (unbuilt) return Failed(record, *unbuilt);
  if (!engine.canRate()) return Failed(record, message::kRatingEntryPointMissing);

  const EngineAnswer answer = RateOnEngine(record, engine);
  std::optional<std::int32_t> failure;
  if (!answer.rated) failure = answer.failure;
  if (answer.copyResults) {
    const std::optional<std::int32_t> copyFailure = CopyRatingResults(record, engine.request);
    if (!failure) failure = copyFailure;
  }
  if (answer.blankPoints) BlankPoints(record);
  return failure ? Failed(record, *failure) : kRated;
}

}  // namespace ratekit
