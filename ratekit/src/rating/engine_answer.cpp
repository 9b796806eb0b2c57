#include "rating/engine_answer.h"

#include <array>
#include <cstring>
#include <string>
#include <string_view>

#include "context/context_fields.h"
#include "messages/message_boxes.h"
#include "messages/message_numbers.h"
#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"
#include "rating/default_tables.h"
#include "vorn32/city_candidates.h"

namespace ratekit {
namespace {

namespace sr = vorn::shipment;

constexpr std::string_view kWarningCaption = "VORN Warning";
constexpr std::int32_t kShownAlone = 11;  // a code whose text is shown, the points kept
constexpr std::int32_t kFirstCityCode = 123, kLastCityCode = 126;
constexpr std::int32_t kFirstClassCode = 400, kLastClassCode = 420;
constexpr std::size_t kCodeWidth = 4;
constexpr std::size_t kErrorTextBuffer = 84;

bool IsRated(std::string_view code) { return code == "    " || code[0] == '\0' || code == "9999"; }

// Four characters that atoi reads as a number above 0.
bool IsPositiveNumber(std::string_view four) { return platform::LeadingInteger(four).value > 0; }

// The engine's text of the code, as the box shows it ("0217 Destin Not in
// Tariff"). The engine writes the text behind the code; a number there
// (a service-guide status before its text) takes the code's place.
std::string EngineMessage(const EngineConnection& engine, std::string_view code) {
  std::array<char, kErrorTextBuffer> raw{};
  std::memcpy(raw.data(), code.data(), kCodeWidth);
  engine.entry.getErrorString(engine.handle, raw.data());
  std::string_view buffer(raw.data(), raw.size() - 1);
  if (IsPositiveNumber(buffer.substr(kCodeWidth, kCodeWidth))) buffer.remove_prefix(kCodeWidth);
  const std::string_view first = platform::UntilNul(buffer.substr(0, kCodeWidth));
  if (IsPositiveNumber(first))
    return std::string(first) + " " + std::string(platform::UntilNul(buffer.substr(kCodeWidth)));
  return std::string(platform::UntilNul(buffer));
}

bool PointCodeEmpty(const RatingContextView& record, std::size_t point) {
  return platform::TrimTrailingBlanks(platform::UntilNul(record.text(shipment_point::Of(point, shipment_point::kCode))))
      .empty();
}

void Rate(RatingContextView& record, EngineConnection& engine, CandidateBlock& block) {
  block.clearAnswer();
  engine.entry.rateShipment(engine.handle, engine.request.chars(), block.data());
  SetDefaultClassesAndWeights(record, engine.request);
}

EngineAnswer Refused(std::int32_t failure, bool blankPoints = false) {
  EngineAnswer a;
  a.failure = failure;
  a.blankPoints = blankPoints;
  return a;
}

}  // namespace

EngineAnswer RateOnEngine(RatingContextView& record, EngineConnection& engine) {
  engine.request.fill(sr::kReturnCode, ' ');
  Rate(record, engine, *engine.firstBlock);
  if (engine.firstBlock->count() == vorn::candidates::kNoRoom) {
    EngineAnswer a = Refused(message::kCandidatesTooManyFirst);
    a.copyResults = false;
    return a;
  }
  bool retried = false;
  for (;;) {
    const std::string code(engine.request.text(sr::kReturnCode));
    if (IsRated(code)) {
      EngineAnswer a;
      a.rated = true;
      return a;
    }
    // Silent failures: the rating fails without a box.
    if (IntField(record, context::kEngineMessagesOff) != 0 || PointCodeEmpty(record, 0) || PointCodeEmpty(record, 1))
      return Refused(message::kAlreadyShown);
    std::int32_t number = static_cast<std::int32_t>(platform::LeadingInteger(code).value);
    if (number >= kFirstClassCode && number <= kLastClassCode) number = kFirstClassCode;
    const bool cityToChoose = number >= kFirstCityCode && number <= kLastCityCode;
    if (cityToChoose && !retried && engine.firstBlock->listKind() == vorn::candidates::kCityList) {
      retried = true;
      Rate(record, engine, *engine.secondBlock);
      if (engine.secondBlock->count() == vorn::candidates::kNoRoom) return Refused(message::kCandidatesTooManySecond);
      continue;
    }
    ShowBox(RATEKIT_BOX_WARNING, kWarningCaption, BoxText(EngineMessage(engine, code).c_str(), 0), nullptr);
    // Code 11 and a city still to be chosen keep the points; every other
    // code blanks their states and cities.
    return Refused(message::kAlreadyShown, !(number == kShownAlone || cityToChoose));
  }
}

}  // namespace ratekit
