#include "rating/lane_files.h"

#include <cstring>
#include <string_view>
#include <vector>

#include "context/context_fields.h"
#include "platform/kernel/digits.h"
#include "platform/kernel/kept_file.h"

namespace ratekit {
namespace {

using shipment_point::Of;

constexpr std::size_t kStateSize = 2;
constexpr std::size_t kApprovalRecordSize = 12;
constexpr std::size_t kPrefixSize = 3;

// The two files' contents, kept between ratings while they stay as they
// were read (each use looks at the file once).
platform::KeptFile& NoDiscountStates() {
  static platform::KeptFile file;
  return file;
}
platform::KeptFile& CanadianLanes() {
  static platform::KeptFile file;
  return file;
}

std::string_view Bytes(const std::vector<std::uint8_t>& file, std::size_t offset, std::size_t width) {
  return std::string_view(reinterpret_cast<const char*>(file.data()) + offset, width);
}

bool Within(std::string_view value, std::string_view low, std::string_view high) {
  return std::memcmp(low.data(), value.data(), kPrefixSize) <= 0 &&
         std::memcmp(value.data(), high.data(), kPrefixSize) <= 0;
}

}  // namespace

bool IsNoDiscountLane(const RatingContextView& record) {
  const std::string_view origin = record.text(Of(0, shipment_point::kState));
  if (origin != record.text(Of(1, shipment_point::kState))) return false;
  const std::vector<std::uint8_t>* states = NoDiscountStates().contents(DataSetFilePath(record, ".NDS"));
  if (states == nullptr) return false;
  for (std::size_t at = 0; at + kStateSize <= states->size(); at += kStateSize)
    if (Bytes(*states, at, kStateSize) == origin) return true;
  return false;
}

int CheckCanadianLane(const RatingContextView& record) {
  const std::vector<std::uint8_t>* approvals = CanadianLanes().contents(DataSetFilePath(record, ".APP"));
  if (approvals == nullptr) return 1;
  const std::string_view origin = record.text(Of(0, shipment_point::kCode));
  const std::string_view destination = record.text(Of(1, shipment_point::kCode));
  const bool originIsUs = platform::IsDecimalDigit(origin[0]);
  const std::string_view us = (originIsUs ? origin : destination).substr(0, kPrefixSize);
  const std::string_view other = (originIsUs ? destination : origin).substr(0, kPrefixSize);
  for (std::size_t at = 0; at + kApprovalRecordSize <= approvals->size(); at += kApprovalRecordSize) {
    const std::string_view r = Bytes(*approvals, at, kApprovalRecordSize);
    if (Within(us, r.substr(0, 3), r.substr(3, 3)) && Within(other, r.substr(6, 3), r.substr(9, 3))) return 1;
  }
  return 0;
}

}  // namespace ratekit
