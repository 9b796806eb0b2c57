#include "package/package_codes.h"

#include <cstring>

#include "engine_state/rating_engine.h"
#include "errors/engine_codes.h"
#include "platform/kernel/digits.h"

namespace vorn {

bool PackageCodeEntry::allowsTier(char tier) const {
  for (char c : detail) {
    if (!platform::IsDecimalDigit(c)) return false;
    if (c == tier) return true;
  }
  return false;
}

std::variant<std::vector<PackageCodeEntry>, std::int16_t> ReadPackageCodes(RatingEngine& engine, std::size_t room) {
  engine.files.close('T');
  if (const std::int16_t failed = engine.files.open(engine, 'T'); failed != 0) return failed;
  const platform::File* file = engine.files.file('T');
  if (file == nullptr) return code::kCantOpenWeightTypes;
  std::vector<PackageCodeEntry> entries;
  std::int16_t failed = 0;
  std::array<std::uint8_t, kPackageCodeRecordSize> record{};
  for (std::size_t i = 0; i < kMostPackageCodes; ++i) {
    const auto at = static_cast<std::int64_t>(i * kPackageCodeRecordSize);
    if (file->readAt(at, record) != static_cast<std::ptrdiff_t>(record.size())) break;
    if (entries.size() == room) {
      failed = code::kDimensionalServiceError;
      break;
    }
    PackageCodeEntry& e = entries.emplace_back();
    e.kind = static_cast<char>(record[0]);
    std::memcpy(e.code.data(), record.data() + 1, e.code.size());
    std::memcpy(e.detail.data(), record.data() + 5, e.detail.size());
  }
  engine.files.close('T');
  if (failed != 0) return failed;
  return entries;
}

}  // namespace vorn
