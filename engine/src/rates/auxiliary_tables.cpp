#include "rates/auxiliary_tables.h"

#include <array>
#include <cstring>
#include <optional>
#include <string_view>

#include "errors/engine_error.h"
#include "engine_state/rating_engine.h"
#include "errors/engine_codes.h"
#include "datafiles/record_searches.h"
#include "formats/packed_codes.h"

namespace vorn {
namespace {

constexpr std::size_t kAddOnRecordSize = 15;

std::optional<PackedZip> PackedCode(const std::array<char, 6>& code) { return PackZip(std::string_view(code.data(), code.size())); }

int Compare3(const std::uint8_t* a, const std::uint8_t* b) { return std::memcmp(a, b, 3); }

// -1 below the range [low, high], 1 above it, 0 inside (3-byte keys).
int AgainstRange(const std::uint8_t* key, const std::uint8_t* low, const std::uint8_t* high) {
  if (Compare3(key, low) < 0) return -1;
  if (Compare3(key, high) > 0) return 1;
  return 0;
}

int CompareZipPair(const std::array<std::uint8_t, kZipPairRecordSize>& key, std::span<const std::uint8_t> r) {
  if (key[0] != r[0]) return key[0] < r[0] ? -1 : 1;
  if (const int c = AgainstRange(&key[1], &r[1], &r[4]); c != 0) return c;
  if (const int c = AgainstRange(&key[7], &r[7], &r[10]); c != 0) return c;
  const std::string_view k(reinterpret_cast<const char*>(&key[13]), 6);
  const std::string_view low(reinterpret_cast<const char*>(&r[13]), 6), high(reinterpret_cast<const char*>(&r[19]), 6);
  return k < low ? -1 : k > high ? 1 : 0;
}

std::optional<std::int32_t> AddOnOf(const platform::File& file, char letter, const PackedZip& origin, const PackedZip& destination) {
  auto compare = [&](std::span<const std::uint8_t> r) {
    if (static_cast<std::uint8_t>(letter) != r[0]) return static_cast<std::uint8_t>(letter) < r[0] ? -1 : 1;
    const std::array<std::uint8_t, 3> originEnd{r[1], r[2], r[4]};
    if (const int c = AgainstRange(origin.data(), &r[1], originEnd.data()); c != 0) return c;
    return AgainstRange(destination.data(), &r[5], &r[8]);
  };
  const std::optional<std::int64_t> hit = SearchFileRecords(file, kAddOnRecordSize, compare);
  std::array<std::uint8_t, kAddOnRecordSize> r{};
  if (!hit || !ReadFileRecord(file, *hit, r)) return std::nullopt;
  const std::int32_t amount = static_cast<std::int32_t>(PackedDigitsValue(std::span(r).subspan(12, 3), 5).value_or(0));
  if (r[11] == '+') return amount;
  if (r[11] == '-') return -amount;
  return 0;
}

}  // namespace

std::int32_t FindOriginRange(RatingEngine& engine) {
  if (const std::int16_t c = engine.files.open(engine, 'C'); c != 0) return c;
  const platform::File* file = engine.files.file('C');
  if (file == nullptr) return code::kCantOpenClassFactors;
  TariffTableWork& t = engine.tables;
  t.originRangeCount = 0;
  for (std::size_t i = 0; i < kMaxOriginRanges; ++i) {
    if (!ReadFileRecord(*file, static_cast<std::int64_t>(i), t.originRanges[i].bytes())) break;
    t.originRangeCount = i + 1;
  }
  for (const std::array<char, 6>* code : {&engine.work.request.originCode, &engine.work.request.destinationCode}) {
    const std::optional<PackedZip> zip = PackedCode(*code);
    if (!zip) continue;
    for (std::size_t i = 0; i < t.originRangeCount; ++i) {
      const std::uint8_t* r = t.originRanges[i].data();
      if (AgainstRange(zip->data(), r, r + 3) == 0) return static_cast<std::int32_t>(i);
    }
  }
  return kNoOriginRange;
}

std::int16_t ReadZipPair(RatingEngine& engine) {
  TariffTableWork& t = engine.tables;
  t.hasZipPair = false;
  if (const std::int16_t c = engine.files.open(engine, 'Z'); c != 0) return c;
  const platform::File* file = engine.files.file('Z');
  if (file == nullptr) return code::kCantOpenZipPairs;
  const std::optional<PackedZip> origin = PackedCode(engine.work.request.originCode);
  const std::optional<PackedZip> destination = PackedCode(engine.work.request.destinationCode);
  std::optional<std::int64_t> hit;
  if (origin && destination) {
    std::array<std::uint8_t, kZipPairRecordSize> key;
    key.fill(' ');
    key[0] = 'F';
    std::memcpy(&key[1], origin->data(), 3);
    std::memcpy(&key[7], destination->data(), 3);
    std::memcpy(&key[13], engine.rates.rateRecord.head().data() + 4, 6);
    auto compare = [&](std::span<const std::uint8_t> r) { return CompareZipPair(key, r); };
    hit = SearchFileRecords(*file, kZipPairRecordSize, compare);
    if (!hit) {
      key[0] = 'B';
      if (Compare3(origin->data(), destination->data()) >= 0) {
        std::memcpy(&key[1], destination->data(), 3);
        std::memcpy(&key[7], origin->data(), 3);
      }
      hit = SearchFileRecords(*file, kZipPairRecordSize, compare);
    }
  }
  if (hit && ReadFileRecord(*file, *hit, t.zipPair.bytes())) t.hasZipPair = true;
  engine.files.close('Z');
  return t.hasZipPair ? 0 : -1;
}

std::int32_t SumRateBasisAddons(RatingEngine& engine) {
  if (const std::int16_t c = engine.files.open(engine, 'H'); c != 0) Raise(c);
  const platform::File* file = engine.files.file('H');
  if (file == nullptr) Raise(code::kCantOpenRateBasisAddOns);
  const std::optional<PackedZip> origin = PackedCode(engine.work.request.originCode);
  const std::optional<PackedZip> destination = PackedCode(engine.work.request.destinationCode);
  if (!origin || !destination) return 0;
  const char letter = engine.tables.key.letter();
  return AddOnOf(*file, letter, *origin, *destination).value_or(0) + AddOnOf(*file, letter, *destination, *origin).value_or(0);
}

}  // namespace vorn
