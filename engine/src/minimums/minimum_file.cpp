#include "minimums/minimum_file.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "datafiles/record_searches.h"
#include "engine_state/rating_engine.h"
#include "errors/engine_codes.h"
#include "errors/engine_error.h"
#include "rating/rating.h"

namespace vorn {
namespace {

constexpr std::size_t kHeaderRead = 22;  // the header's key and its first four entries
constexpr std::size_t kMaxLayoutFiveItems = MinimumChargeList::kItems / 2;

// Closes the .M file when the read ends, however it ends.
class CloseMinimumFile {
 public:
  explicit CloseMinimumFile(RatingEngine& engine) : engine_(engine) {}
  ~CloseMinimumFile() { engine_.files.close('M'); }
  CloseMinimumFile(const CloseMinimumFile&) = delete;
  CloseMinimumFile& operator=(const CloseMinimumFile&) = delete;

 private:
  RatingEngine& engine_;
};

std::int32_t ToAmount(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

std::int64_t M(const Rating& rating, std::size_t i) { return rating.minimumRecord.entry(i); }

LaneMinimums Fixed(std::int16_t layout, std::array<std::int32_t, 4> amounts, std::int16_t count) {
  LaneMinimums m;
  m.layout = layout;
  m.amounts = amounts;
  m.count = count;
  return m;
}

// A layout listed item by item (5 to 10).
LaneMinimums Listed(std::int16_t layout) {
  LaneMinimums m;
  m.layout = layout;
  m.count = 0;
  m.list.kinds.fill(' ');
  m.list.layout = layout;
  m.list.count = 0;
  return m;
}

void AddItem(MinimumChargeList& list, std::size_t at, char kind, std::int64_t threshold, std::int64_t amount) {
  list.kinds[at] = kind;
  list.thresholds[at] = ToAmount(threshold);
  list.amounts[at] = ToAmount(amount);
}

// Layout 5: weight thresholds with minimum and single-shipment amounts. The
// list holds 30 items, so at most 15 pairs are taken.
LaneMinimums ThresholdPairs(const Rating& rating) {
  LaneMinimums m = Listed(5);
  const std::size_t k = static_cast<std::size_t>(M(rating, 0));
  const std::size_t taken = std::min(k, kMaxLayoutFiveItems);
  bool differ = false;
  for (std::size_t i = 0; i < taken; ++i) {
    AddItem(m.list, i, '1', M(rating, i + 1), M(rating, k + i + 1));
    AddItem(m.list, taken + i, '0', M(rating, i + 1), M(rating, 2 * k + i + 1));
    differ = differ || m.list.amounts[i] != m.list.amounts[taken + i];
  }
  if (!differ)
    for (std::size_t i = 0; i < taken; ++i) AddItem(m.list, taken + i, ' ', 0, 0);
  m.count = static_cast<std::int16_t>(differ ? 2 * taken : taken);
  m.list.count = m.count;
  return m;
}

void ReplaceRateEntry(RateRecord& record, std::size_t i, std::int64_t value) {
  if (i >= record.entryCount()) return;
  const std::uint32_t bits = static_cast<std::uint32_t>(value) & 0xFFFFFF;
  for (std::size_t k = 0; k < 3; ++k)
    record.setByte(RateRecord::kHeadSize + 3 * i + k, static_cast<std::uint8_t>(bits >> (8 * k)));
}

}  // namespace

MinimumFileHeader ReadMinimumRecord(RatingEngine& engine, Rating& rating) {
  if (const std::int16_t c = engine.files.open(engine, 'M'); c != 0) Raise(c);
  const CloseMinimumFile closer(engine);
  const platform::File* file = engine.files.file('M');
  if (file == nullptr) Raise(code::kCantReadMinimums);
  MinimumRecordArea& area = rating.minimumRecord;
  area.clear();
  if (file->readAt(0, area.all().first(kHeaderRead)) != static_cast<std::ptrdiff_t>(kHeaderRead))
    Raise(code::kCantReadMinimums);
  MinimumFileHeader header;
  header.entryCount = area.entry(0);
  header.groupCount = area.entry(1);
  const char mode = static_cast<char>(area.all()[9]);
  header.mode = mode == 'A' || mode == 'B' ? mode : ' ';
  // A record must fit the area: no entries, or more than it holds, is a
  // file that cannot be read.
  if (header.entryCount == 0 || header.entryCount > MinimumRecordArea::kMaxEntries) Raise(code::kCantReadMinimums);

  const std::size_t length = MinimumRecordArea::kKeySize + 3 * header.entryCount;
  const bool fiveByteKey = engine.currentTariff.ratedType() == 'A' && engine.currentTariff.flag45 == 'M';
  const std::size_t keySize = fiveByteKey ? 5 : MinimumRecordArea::kKeySize;
  const std::string_view head = rating.rates.rateRecord.head();
  const RecordCompare notBelowKey = [&](std::span<const std::uint8_t> record) {
    return record.size() >= keySize && std::memcmp(head.data(), record.data(), keySize) <= 0 ? 0 : 1;
  };
  const std::optional<std::int64_t> size = file->size();
  if (!size) Raise(code::kCantReadMinimums);
  const std::optional<std::int64_t> found =
      FileRecordSearch(*file, length, notBelowKey, SearchBounds{BoundMode::Bytes, 0, *size, 0});
  if (!found) Raise(code::kCantReadMinimums);
  area.clear();
  if (file->readAt(*found * static_cast<std::int64_t>(length), area.all().first(length)) !=
      static_cast<std::ptrdiff_t>(length))
    Raise(code::kCantReadMinimums);
  return header;
}

LaneMinimums MinimumsFromMinimumFile(RatingEngine& engine, Rating& rating, int layout) {
  const MinimumFileHeader header = ReadMinimumRecord(engine, rating);
  auto m = [&](std::size_t i) { return ToAmount(M(rating, i)); };
  switch (layout) {
    case 1: engine.fetch.tierSwitchTariff = engine.currentTariff; return Fixed(1, {m(0), m(1), m(2), m(3)}, 4);
    case 2: return Fixed(2, {m(0), m(1), m(2), m(3)}, 4);
    case 3: return Fixed(3, {m(0), m(1), 0, 0}, 2);
    case 4: return Fixed(4, {m(0), m(1), 0, 0}, 2);
    case 5: return ThresholdPairs(rating);
    case 6: return DistanceMinimums(engine, rating, header);
    default: return Listed(static_cast<std::int16_t>(layout));
  }
}

LaneMinimums DistanceMinimums(RatingEngine& engine, Rating& rating, const MinimumFileHeader& header) {
  const bool modeAB = header.mode == 'A' || header.mode == 'B';
  const std::size_t n = header.entryCount;
  const std::uint32_t groups = modeAB ? header.groupCount : 2;
  const std::int64_t base = modeAB ? M(rating, n - 1) : 0;
  const std::int64_t origin = rating.rates.origin.addOn, destination = rating.rates.destination.addOn;
  RateRecord& record = rating.rates.rateRecord;
  std::int64_t x = record.entry(1);
  if (header.mode == 'A') {
    x += (destination * base + 5000) / 10000 + (origin * base + 5000) / 10000;
  } else if (header.mode == 'B') {
    x += ((origin + destination) * base + 5000) / 10000;
  } else {
    x += origin + destination;
  }
  ReplaceRateEntry(record, 1, x);

  LaneMinimums m = Listed(6);
  std::size_t at = 0;  // the next entry of the record
  std::size_t items = 0;
  for (std::uint32_t g = 0; g < groups; ++g) {
    const std::size_t size = g == 0 ? 3 : 4;
    if (at + size > n) break;  // the record ends within the group
    const std::int64_t threshold = g == 0 ? 0 : M(rating, at);
    const std::size_t values = at + (g == 0 ? 0 : 1);
    at += size;
    if (g > 0 && threshold == 0) continue;
    if (items == MinimumChargeList::kItems) continue;
    const std::int64_t factor = M(rating, values), floor = M(rating, values + 1), cap = M(rating, values + 2);
    std::int64_t amount = (factor * x + 5000) / 10000;
    amount = std::max(amount, floor);
    if (cap != 0) amount = std::min(amount, cap);
    AddItem(m.list, items++, '1', threshold, amount);
  }
  m.count = static_cast<std::int16_t>(items);
  m.list.count = m.count;

  ClassBreakWork& core = rating.core;
  const std::size_t classes =
      std::clamp<std::size_t>(static_cast<std::size_t>(std::max<int>(core.classCount, 0)), 0, kMaxClasses);
  const std::size_t breaks =
      std::clamp<std::size_t>(static_cast<std::size_t>(std::max<int>(core.breakCount, 0)), 0, kFactorsPerRow);
  for (std::size_t c = 0; c < classes; ++c)
    for (std::size_t b = 0; b < breaks && at < n; ++b) engine.factors.classPercent[c][b] = ToAmount(M(rating, at++));
  return m;
}

}  // namespace vorn
