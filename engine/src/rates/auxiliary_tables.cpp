#include "rates/auxiliary_tables.h"

#include <array>
#include <cstring>
#include <optional>
#include <string_view>

#include "datafiles/record_searches.h"
#include "engine_state/rating_engine.h"
#include "errors/engine_codes.h"
#include "errors/engine_error.h"
#include "formats/auxiliary_tables.h"
#include "formats/packed_codes.h"
#include "rating/rating.h"

namespace vorn {
namespace {

namespace add_on = rate_basis_add_on;

std::optional<PackedZip> PackedCode(const std::array<char, 6>& code) {
  return PackZip(std::string_view(code.data(), code.size()));
}

int Compare3(const std::uint8_t* a, const std::uint8_t* b) { return std::memcmp(a, b, 3); }

// -1 below the range [low, high], 1 above it, 0 inside (3-byte keys).
int AgainstRange(const std::uint8_t* key, const std::uint8_t* low, const std::uint8_t* high) {
  if (Compare3(key, low) < 0) return -1;
  if (Compare3(key, high) > 0) return 1;
  return 0;
}

// A key of the ZIP-pair record's form (direction, origin and destination in
// the first-ZIP fields, rate key in the first-key field) against a record.
int CompareZipPair(const std::array<std::uint8_t, zip_pair::kSize>& key, std::span<const std::uint8_t> r) {
  using namespace zip_pair;
  if (key[kDirection.offset] != r[kDirection.offset]) return key[kDirection.offset] < r[kDirection.offset] ? -1 : 1;
  if (const int c = AgainstRange(&key[kFirstOriginZip.offset], &r[kFirstOriginZip.offset], &r[kLastOriginZip.offset]);
      c != 0)
    return c;
  if (const int c = AgainstRange(&key[kFirstDestinationZip.offset], &r[kFirstDestinationZip.offset],
                                 &r[kLastDestinationZip.offset]);
      c != 0)
    return c;
  const auto text = [](const std::uint8_t* bytes, platform::FieldSpan f) {
    return std::string_view(reinterpret_cast<const char*>(bytes) + f.offset, f.width);
  };
  const std::string_view k = text(key.data(), kFirstRateKey);
  return k < text(r.data(), kFirstRateKey) ? -1 : k > text(r.data(), kLastRateKey) ? 1 : 0;
}

std::optional<std::int32_t> AddOnOf(const platform::File& file, char letter, const PackedZip& origin,
                                    const PackedZip& destination) {
  auto compare = [&](std::span<const std::uint8_t> r) {
    const std::uint8_t recordLetter = r[add_on::kLetter.offset];
    if (static_cast<std::uint8_t>(letter) != recordLetter)
      return static_cast<std::uint8_t>(letter) < recordLetter ? -1 : 1;
    // The origin range ends at the first ZIP's prefix with the packed last two digits.
    const std::size_t first = add_on::kFirstOriginZip.offset;
    const std::array<std::uint8_t, 3> originEnd{r[first], r[first + 1], r[add_on::kOriginRangeEnd.offset]};
    if (const int c = AgainstRange(origin.data(), &r[first], originEnd.data()); c != 0) return c;
    return AgainstRange(destination.data(), &r[add_on::kFirstDestinationZip.offset],
                        &r[add_on::kLastDestinationZip.offset]);
  };
  const std::optional<std::int64_t> hit = FileBinarySearch(file, add_on::kSize, compare);
  std::array<std::uint8_t, add_on::kSize> r{};
  if (!hit || !ReadFileRecord(file, *hit, r)) return std::nullopt;
  const std::int32_t amount = static_cast<std::int32_t>(
      PackedDigitsValue(std::span(r).subspan(add_on::kAmount.offset, add_on::kAmount.width), 5).value_or(0));
  const char sign = static_cast<char>(r[add_on::kSign.offset]);
  if (sign == '+') return amount;
  if (sign == '-') return -amount;
  return 0;
}

}  // namespace

std::int32_t FindOriginRange(RatingEngine& engine, Rating& rating) {
  if (const std::int16_t c = engine.files.open(engine, 'C'); c != 0) return c;
  const platform::File* file = engine.files.file('C');
  if (file == nullptr) return code::kCantOpenClassFactors;
  TariffTableWork& t = rating.tables;
  t.originRangeCount = 0;
  for (std::size_t i = 0; i < kMaxOriginRanges; ++i) {
    if (!ReadFileRecord(*file, static_cast<std::int64_t>(i), t.originRanges[i].bytes())) break;
    t.originRangeCount = i + 1;
  }
  for (const std::array<char, 6>* code : {&rating.request.originCode, &rating.request.destinationCode}) {
    const std::optional<PackedZip> zip = PackedCode(*code);
    if (!zip) continue;
    for (std::size_t i = 0; i < t.originRangeCount; ++i) {
      const std::uint8_t* r = t.originRanges[i].data();
      if (AgainstRange(zip->data(), r + origin_range::kFirstZip.offset, r + origin_range::kLastZip.offset) == 0)
        return static_cast<std::int32_t>(i);
    }
  }
  return kNoOriginRange;
}

std::int16_t ReadZipPair(RatingEngine& engine, Rating& rating) {
  TariffTableWork& t = rating.tables;
  t.hasZipPair = false;
  if (const std::int16_t c = engine.files.open(engine, 'Z'); c != 0) return c;
  const platform::File* file = engine.files.file('Z');
  if (file == nullptr) return code::kCantOpenZipPairs;
  const std::optional<PackedZip> origin = PackedCode(rating.request.originCode);
  const std::optional<PackedZip> destination = PackedCode(rating.request.destinationCode);
  std::optional<std::int64_t> hit;
  if (origin && destination) {
    using namespace zip_pair;
    std::array<std::uint8_t, kSize> key;
    key.fill(' ');
    key[kDirection.offset] = 'F';
    std::memcpy(&key[kFirstOriginZip.offset], origin->data(), 3);
    std::memcpy(&key[kFirstDestinationZip.offset], destination->data(), 3);
    static_assert(RateRecord::kRateKey.width == kFirstRateKey.width);
    std::memcpy(&key[kFirstRateKey.offset], rating.rates.rateRecord.field(RateRecord::kRateKey).data(),
                kFirstRateKey.width);
    auto compare = [&](std::span<const std::uint8_t> r) { return CompareZipPair(key, r); };
    hit = FileBinarySearch(*file, kSize, compare);
    if (!hit) {
      key[kDirection.offset] = 'B';
      if (Compare3(origin->data(), destination->data()) >= 0) {
        std::memcpy(&key[kFirstOriginZip.offset], destination->data(), 3);
        std::memcpy(&key[kFirstDestinationZip.offset], origin->data(), 3);
      }
      hit = FileBinarySearch(*file, kSize, compare);
    }
  }
  if (hit && ReadFileRecord(*file, *hit, t.zipPair.bytes())) t.hasZipPair = true;
  engine.files.close('Z');
  return t.hasZipPair ? 0 : -1;
}

std::int32_t SumRateBasisAddons(RatingEngine& engine, Rating& rating) {
  if (const std::int16_t c = engine.files.open(engine, 'H'); c != 0) Raise(c);
  const platform::File* file = engine.files.file('H');
  if (file == nullptr) Raise(code::kCantOpenRateBasisAddOns);
  const std::optional<PackedZip> origin = PackedCode(rating.request.originCode);
  const std::optional<PackedZip> destination = PackedCode(rating.request.destinationCode);
  if (!origin || !destination) return 0;
  const char letter = rating.tables.key.letter();
  return AddOnOf(*file, letter, *origin, *destination).value_or(0) +
         AddOnOf(*file, letter, *destination, *origin).value_or(0);
}

}  // namespace vorn
