#include "checks/point_checks.h"

#include <cctype>

#include "checks/service_search.h"
#include "context/context_fields.h"
#include "messages/message_numbers.h"
#include "platform/kernel/digits.h"

namespace ratekit {
namespace {

using shipment_point::Of;

constexpr std::size_t kMexicanMark = 5;  // the sixth character

bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
bool OneOf(char c, std::string_view letters) { return letters.find(c) != std::string_view::npos && c != '\0'; }

std::string_view Code(const RatingContextView& record, std::size_t point) {
  return record.text(Of(point, shipment_point::kCode));
}

bool CodeIsValid(const RatingContextView& record, std::string_view code) {
  const char first = code[0];
  if (IsLetter(first))
    return code[2] != ' ' && code[2] != '\0' && record.charAt(tariff_settings::kNoPostalCodes.offset) != 'Y';
  if (!platform::IsDecimalDigit(first)) return false;
  const char mode = record.charAt(tariff_settings::kZipMode.offset);
  const std::size_t digits = platform::IsDecimalDigit(mode) ? static_cast<std::size_t>(mode - '0') : 0;
  if (digits > code.size()) return false;
  for (std::size_t i = 0; i < digits; ++i)
    if (!platform::IsDecimalDigit(code[i])) return false;
  return true;
}

void PutService(RatingContextView& record, std::size_t point, bool direct) {
  record.setChar(Of(point, shipment_point::kServiceLetter).offset, direct ? 'D' : 'I');
  const platform::FieldSpan label = context::kPointServiceLabels[point];
  record.setText(label, record.text(direct ? context::kDirectServiceLabel : context::kIndirectServiceLabel));
}

}  // namespace

int VerifyPointCode(RatingContextView& record, std::size_t point) {
  const std::string_view code = Code(record, point);
  if (!CodeIsValid(record, code)) {
    SetLastError(record, point == 0 ? message::kInvalidOrigin : message::kInvalidDestination);
    return 0;
  }
  if (IntField(record, context::kZpsLoaded) != 0)
    if (const std::optional<bool> direct = ServedDirectlyByRanges(record, code)) PutService(record, point, *direct);
  if (IsLetter(code[0]) && IntField(record, context::kBsvLoaded) != 0)
    if (const std::optional<bool> direct = InPostalRange(record, code)) PutService(record, point, *direct);
  return 1;
}

int VerifyTerritory(RatingContextView& record) {
  const std::string_view origin = Code(record, 0), destination = Code(record, 1);
  if (!platform::IsDecimalDigit(origin[0]) || !platform::IsDecimalDigit(destination[0])) {
    SetIntField(record, context::kCanadaFlag, 1);
    return 1;
  }
  SetIntField(record, context::kCanadaFlag, 0);
  if (origin[kMexicanMark] == 'M' || destination[kMexicanMark] == 'M') {
    SetIntField(record, context::kMexicoFlag, 1);
    return 1;
  }
  SetIntField(record, context::kMexicoFlag, 0);
  const bool sameState = record.text(Of(0, shipment_point::kState)) == record.text(Of(1, shipment_point::kState));
  const char originFlag = record.charAt(Of(0, shipment_point::kStateFlag).offset);
  const char from = record.charAt(Of(0, shipment_point::kTerritoryLetter).offset);
  const char to = record.charAt(Of(1, shipment_point::kTerritoryLetter).offset);
  const bool inTerritory =
      !(originFlag == 'N' && sameState) && OneOf(from, "FBXY") && OneOf(to, "TBXY") && !(from == 'X' && to == 'X');
  if (inTerritory) return 1;
  SetLastError(record, message::kOutOfScope);
  return 0;
}

}  // namespace ratekit
