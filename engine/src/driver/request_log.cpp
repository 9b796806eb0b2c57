#include "driver/request_log.h"

#include <algorithm>

#include "platform/kernel/fixed_format.h"

namespace vorn {
namespace {

constexpr std::size_t kLoggedHeader = 262;
constexpr std::size_t kLoggedDetail = 27;

std::string_view Bytes(const ShipmentRecord& record, std::size_t offset, std::size_t length) {
  return std::string_view(record.chars() + offset, length);
}

// The detail lines the count at byte 80 names; never more than the record holds.
std::size_t LoggedDetailLines(const ShipmentRecord& record) {
  platform::FieldScanner scanner(record.text(shipment::kDetailCount));
  const std::int32_t count = scanner.number(2).value_or(0);
  return static_cast<std::size_t>(std::clamp<std::int32_t>(count, 0, shipment::kDetailLineCount));
}

void LogHeaderAndLines(TextDebugLog& log, const ShipmentRecord& record, std::string_view headerTag,
                       std::string_view detailTag) {
  log.tag(headerTag) << Bytes(record, shipment::kHeader.offset, kLoggedHeader);
  const std::size_t lines = LoggedDetailLines(record);
  for (std::size_t n = 0; n < lines; ++n)
    log.tag(detailTag) << Bytes(record, shipment::DetailLine(n).offset, kLoggedDetail);
}

}  // namespace

void LogRequest(TextDebugLog& log, const ShipmentRecord& record) {
  LogHeaderAndLines(log, record, "BeforeHeader", "BeforeDetail");
  log.tag("wDiscnt") << record.text(shipment::kDiscountRecord1);
  log.tag("iDiscnt") << record.text(shipment::kDiscountRecord2);
  log.tag("Enddll") << Bytes(record, shipment::kTail.offset + 3, 1);
}

void LogAnswer(TextDebugLog& log, const ShipmentRecord& record) {
  LogHeaderAndLines(log, record, "AfterHeader", "AfterDetail");
}

}  // namespace vorn
