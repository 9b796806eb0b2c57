#include "rates/rate_basis_adjustment.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string>
#include <string_view>

#include "datafiles/record_searches.h"
#include "engine_state/rating_engine.h"
#include "formats/packed_codes.h"
#include "formats/rate_record.h"
#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"
#include "platform/kernel/path.h"
#include "rating/rating.h"

namespace vorn {
namespace {

using rate_basis::kAddOnRecordSize;
using rate_basis::kRangeRecordSize;

std::optional<std::uint32_t> Digits(std::string_view text) {
  const std::optional<std::uint64_t> n = platform::ParseDigits(text, std::numeric_limits<std::uint32_t>::max());
  if (!n) return std::nullopt;
  return static_cast<std::uint32_t>(*n);
}

struct Range {
  std::uint32_t maximum = 0;
};

std::optional<Range> FindRange(const platform::File& file, const RateRecord& record, std::uint32_t key) {
  std::array<std::uint8_t, kRangeRecordSize> bytes{};
  for (std::size_t i = 0; i < rate_basis::kMaxRangeRecords; ++i) {
    if (file.readAt(static_cast<std::int64_t>(i * kRangeRecordSize), bytes) !=
        static_cast<std::ptrdiff_t>(kRangeRecordSize))
      break;
    const std::string_view r(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    using namespace rate_basis;
    if (r[0] == kRangesEnd) break;
    const auto field = [&](platform::FieldSpan f) { return r.substr(f.offset, f.width); };
    const std::optional<std::uint32_t> low = Digits(field(kRangeLow)), high = Digits(field(kRangeHigh)),
                                       maximum = Digits(field(kRangeMaximum));
    if (field(kRangeGroup) == record.field(RateRecord::kGroupCode) && low && high && maximum && *low <= key &&
        key <= *high)
      return Range{*maximum};
  }
  return std::nullopt;
}

// The sum of the add-ons of the code whose direction letter is not the one excluded.
std::uint32_t AddOnsOf(const platform::File& file, std::string_view code, char excluded) {
  const std::string key = ComparableCode(code);
  if (key.empty()) return 0;
  auto compare = [&](std::span<const std::uint8_t> r) {
    const std::string_view zip =
        std::string_view(reinterpret_cast<const char*>(r.data()), r.size()).substr(0, key.size());
    return key < zip ? -1 : key > zip ? 1 : 0;
  };
  const std::optional<std::int64_t> first = FileBinarySearch(file, kAddOnRecordSize, compare);
  std::uint32_t sum = 0;
  std::array<std::uint8_t, kAddOnRecordSize> bytes{};
  for (std::int64_t i = first.value_or(-1); i >= 0 && ReadFileRecord(file, i, bytes) && compare(bytes) == 0; ++i) {
    const std::string_view r(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (r[rate_basis::kAddOnDirection.offset] == excluded) continue;
    sum += Digits(r.substr(rate_basis::kAddOnAmount.offset, rate_basis::kAddOnAmount.width)).value_or(0);
  }
  return sum;
}

std::shared_ptr<platform::File> OpenSecondAddOnFile(RatingEngine& engine) {
  const std::string name(platform::TrimTrailingBlanks(engine.currentTariff.name()).substr(0, 8));
  std::shared_ptr<platform::File> file =
      engine.folders.at(engine.dataPath).open(name + ".H" + TariffFileSuffix(engine.currentTariff, 'H'));
  if (file) engine.binaryLog.fileOpened(file->path());
  return file;
}

}  // namespace

std::optional<std::uint32_t> AdjustedRateBasisKey(RatingEngine& engine, Rating& rating, const RateRecord& record) {
  const std::optional<std::uint32_t> key = record.fourDigitNumber();
  if (!key || engine.files.open(engine, 'O') != 0 || engine.files.file('O') == nullptr) return std::nullopt;
  const std::optional<Range> range = FindRange(*engine.files.file('O'), record, *key);
  if (!range) return std::nullopt;
  std::uint32_t sum = 0;
  if (std::shared_ptr<platform::File> addOns = OpenSecondAddOnFile(engine)) {
    const ParsedRequest& r = rating.request;
    sum = AddOnsOf(*addOns, std::string_view(r.originCode.data(), r.originCode.size()), 'T') +
          AddOnsOf(*addOns, std::string_view(r.destinationCode.data(), r.destinationCode.size()), 'F');
  }
  return *key + std::min(sum, range->maximum);
}

}  // namespace vorn
