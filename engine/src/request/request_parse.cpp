#include "request/request_parse.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "errors/engine_error.h"
#include "platform/kernel/fixed_format.h"

namespace vorn {
namespace {

// The discount field that ends the discounted breaks, and the field value of
// a discount of the whole amount (100.00 percent).
constexpr std::string_view kEndOfBreaksMark = " 9999";
constexpr std::int32_t kWholeAmount = 10000;

bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

template <std::size_t N>
void CopyField(std::array<char, N>& out, const ShipmentRecord& record, platform::FieldSpan field) {
  std::memcpy(out.data(), record.chars() + field.offset, N);
}

void NulsToBlanks(ShipmentRecord& record, platform::FieldSpan field) {
  char* p = record.chars() + field.offset;
  std::replace(p, p + field.width, '\0', ' ');
}

// The ship date: a date with a zero month, day or year is not tested;
// otherwise it must be a real date, and is rewritten "MM-DD-CCYY".
std::int16_t ParseShipDate(ShipmentRecord& record, ParsedRequest& request) {
  platform::FieldScanner scanner(record.text(shipment::kShipDate));
  const std::int32_t month = scanner.number(2).value_or(0);
  scanner.skipChar();
  const std::int32_t day = scanner.number(2).value_or(0);
  scanner.skipChar();
  const std::int32_t century = scanner.number(2).value_or(0);
  const std::int32_t year = scanner.number(2).value_or(0);
  if (month == 0 || day == 0 || century * 100 + year == 0) return 0;
  std::span<char, 10> text(record.chars() + shipment::kShipDate.offset, 10);
  const std::string normal = platform::ZeroPadded(month, 2) + "-" + platform::ZeroPadded(day, 2) + "-" +
                             platform::ZeroPadded(century * 100 + year, 4);
  if (normal.size() != 10) return code::kInvalidShipDate;
  std::copy(normal.begin(), normal.end(), text.begin());
  if (ParseDateText(request.shipDate, text) != 0) return code::kInvalidShipDate;
  return 0;
}

}  // namespace

bool IsMexicanCode(std::span<const char, 6> code) {
  return !IsLetter(code[0]) && std::toupper(static_cast<unsigned char>(code[5])) == 'M';
}

std::int16_t ParseRequestHeader(ShipmentRecord& record, ParsedRequest& request) {
  NulsToBlanks(record, shipment::kHeader);
  CopyField(request.originCode, record, shipment::kOriginCode);
  CopyField(request.originStateCity, record, shipment::kOriginStateCity);
  CopyField(request.destinationCode, record, shipment::kDestinationCode);
  CopyField(request.destinationStateCity, record, shipment::kDestinationStateCity);
  request.originPointCode = request.originCode;
  request.destinationPointCode = request.destinationCode;
  request.originPointLetter = ' ';
  request.destinationPointLetter = ' ';
  CopyField(request.carrierCode, record, shipment::kCarrierCode);
  request.serviceGuideMode = record.charAt(shipment::kServiceGuideMode.offset);

  if (std::int16_t result = ParseShipDate(record, request); result != 0) return result;

  // The tariff name ends at its first blank.
  std::string_view name = record.text(shipment::kTariffName);
  name = name.substr(0, std::min(name.find(' '), name.size()));
  if (name.size() == 1 || name.size() == 2) return code::kInvalidTariff;
  CopyField(request.tariffNameField, record, shipment::kTariffName);
  request.tariffName = std::string(name);
  request.requestedTariffName = request.tariffName;
  request.tariffPrefix = std::string(name.substr(0, 3));
  request.intrastate = record.charAt(shipment::kIntrastate.offset) == 'Y';
  request.alphabeticCodes =
      !request.tariffPrefix.empty() && (IsLetter(request.originCode[0]) || IsLetter(request.destinationCode[0]));
  request.mode = record.charAt(shipment::kMode.offset);
  request.candidateRequest = record.charAt(shipment::kCandidateRequest.offset);
  request.methodFlag = record.charAt(shipment::kMethodFlag.offset);
  ParseStepFlags(record, request);

  request.mexicanOrigin = IsMexicanCode(request.originCode);
  request.mexicanDestination = IsMexicanCode(request.destinationCode);
  if (request.mexicanOrigin && request.mexicanDestination) return code::kIntraMexico;
  return 0;
}

void ParseStepFlags(const ShipmentRecord& record, ParsedRequest& request) {
  request.givenOriginPointLetter = record.charAt(shipment::kOriginPointLetter.offset);
  request.givenDestinationPointLetter = record.charAt(shipment::kDestinationPointLetter.offset);
  request.rateBasisStep.reset();
  if (record.charAt(shipment::kRateBasisStepSign.offset) == '+')
    request.rateBasisStep = platform::FieldToInteger(record.text(shipment::kRateBasisStep));
}

std::int16_t ParseDetailLines(ShipmentRecord& record, ParsedRequest& request) {
  platform::FieldScanner scanner(record.text(shipment::kDetailCount));
  const std::int32_t count = scanner.number(2).value_or(0);
  // Only 20 lines fit the record.
  if (count > static_cast<std::int32_t>(kMaxDetailLines)) return code::kBadDetailCount;
  request.detailCount = static_cast<std::int16_t>(std::max(count, 0));
  for (std::int16_t n = 0; n < request.detailCount; ++n) {
    const platform::FieldSpan line = shipment::DetailLine(static_cast<std::size_t>(n));
    NulsToBlanks(record, line);
    const std::string_view text = record.text(line);
    if (text.substr(shipment::detail::kCode.offset, 2) != "02") return code::kBadDetailCount;
    DetailEntry& entry = request.details[static_cast<std::size_t>(n)];
    entry = DetailEntry{};
    // The class is read within its own three characters.
    std::string_view cls = text.substr(shipment::detail::kClass.offset, shipment::detail::kClass.width);
    platform::FieldScanner classScanner(cls);
    const std::string_view classWord = classScanner.word(3).value_or("");
    std::copy(classWord.begin(), classWord.end(), entry.classText.begin());
    entry.weight =
        platform::FieldToInteger(text.substr(shipment::detail::kWeight.offset, shipment::detail::kWeight.width));
    if (entry.weight <= 0) return static_cast<std::int16_t>(code::kInvalidWeightBase + n + 1);
  }
  return 0;
}

int DiscountBreakCount(const ShipmentRecord& record) {
  const std::string_view discount = record.text(shipment::kDiscountRecord1);
  for (std::size_t k = 1; k <= 9; ++k) {
    const platform::FieldSpan f = shipment::DiscountField(k);
    if (discount.substr(f.offset, f.width) == kEndOfBreaksMark) return static_cast<int>(k) - 1;
  }
  return kEveryBreakDiscounted;
}

void ParseDiscountRecords(const ShipmentRecord& record, DiscountState& d) {
  const char discountSwitch = record.charAt(shipment::kDiscountSwitch.offset);
  d.on = discountSwitch == 'D' || discountSwitch == 'Y';
  d.kind = record.charAt(shipment::kDiscountKind.offset) == 'R' ? 'R' : 'C';
  d.direct = DiscountBlock{};
  d.indirect = DiscountBlock{};

  // Each field is a percentage times 100, "10000" a discount of the whole
  // amount; a larger number is held at 100 percent, as no discount can take
  // more than the amount. The end-of-breaks mark is known by its text, so
  // that no written percentage is mistaken for it: under kind 'R' it is no
  // discount at all; under kind 'C' its 99.99 stays for the net (field 0)
  // and the break fields carry the mark.
  auto readBlock = [&](std::string_view rec, DiscountBlock& block) {
    for (std::size_t k = 0; k < shipment::kDiscountFields; ++k) {
      const platform::FieldSpan f = shipment::DiscountField(k);
      std::string_view field = rec.substr(f.offset, f.width);
      const bool mark = field == kEndOfBreaksMark;
      if (d.kind == 'R' && mark) field = " 0000";
      block.endOfBreaks[k] = mark && k > 0;
      block.percent[k] = static_cast<float>(std::min(platform::FieldToInteger(field), kWholeAmount)) * 0.01f;
    }
  };
  const std::string_view first = record.text(shipment::kDiscountRecord1);
  const std::string_view second = record.text(shipment::kDiscountRecord2);
  if (first.substr(0, 2) == "D%") {
    d.direct.tag = {'D', '%'};
    readBlock(first, d.direct);
  }
  d.indirectGiven = second.substr(0, 2) == "I%";
  if (d.indirectGiven) {
    d.indirect.tag = {'I', '%'};
    readBlock(second, d.indirect);
  } else {
    d.indirect.tag = {'I', '%'};
    readBlock(first, d.indirect);
  }
}

}  // namespace vorn
