// What the tariff tables give the tariff methods and the rating core while
// one shipment is rated: the key of the rate record wanted, the light
// edition's substitution flag and base records, the origin-ZIP class-factor
// ranges and the lane's ZIP-pair record.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "formats/auxiliary_tables.h"
#include "formats/light_edition_files.h"
#include "platform/kernel/byte_record.h"

namespace vorn {

// The key of the rate record wanted (10 characters):
//   0-2 group code (the rate file's index key), 3 a character,
//   4-8 the 5-digit rate-basis number, 9 the rate-basis letter.
struct RateRecordKey {
  static constexpr platform::FieldSpan kGroupCode{0, 3};
  static constexpr platform::FieldSpan kRateBasisNumber{4, 5};
  static constexpr std::size_t kRateBasisLetter = 9;
  static constexpr std::size_t kSize = 10;
  std::array<char, kSize> text{' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};

  std::string_view view() const { return std::string_view(text.data(), text.size()); }
  char letter() const { return text[kRateBasisLetter]; }
};

// The light edition's substitution flag of the rate-basis table entry used.
namespace substitution {
inline constexpr std::uint8_t kNo = 0;
inline constexpr std::uint8_t kYes = 1;
inline constexpr std::uint8_t kNoEntry = 255;  // no light-edition entry applied
}  // namespace substitution

inline constexpr std::size_t kOriginRangeRecordSize = origin_range::kSize;
inline constexpr std::size_t kMaxOriginRanges = origin_range::kMaxRead;
inline constexpr std::size_t kZipPairRecordSize = zip_pair::kSize;
inline constexpr std::size_t kLightRecordSize = light::kRecordSize;          // the light edition's binary records
inline constexpr std::size_t kLightTextRecordSize = light::kTextRecordSize;  // their text variant
inline constexpr std::int32_t kNoOriginRange = 65535;

struct TariffTableWork {
  RateRecordKey key;
  std::uint8_t substitutionFlag = substitution::kNoEntry;
  // The first rate-basis digit a fetch of letter 'H' kept apart (its records
  // are filed under '0' there); 0 when none was kept.
  char savedKeyCharacter = 0;

  // The .C ranges read (up to 20 records of 11 bytes).
  std::array<platform::ByteRecord<kOriginRangeRecordSize>, kMaxOriginRanges> originRanges{};
  std::size_t originRangeCount = 0;

  // The .Z record of the lane, when one was found.
  platform::ByteRecord<kZipPairRecordSize> zipPair;
  bool hasZipPair = false;

  // The light-edition base records of the two ends (empty: not found), of
  // the binary form or the text variant.
  platform::ByteRecord<kLightTextRecordSize> originBase;
  platform::ByteRecord<kLightTextRecordSize> destinationBase;
  bool hasOriginBase = false;
  bool hasDestinationBase = false;

  void clear() { *this = TariffTableWork{}; }
};

}  // namespace vorn
