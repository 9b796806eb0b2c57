// A record of the tariff's rate file (.R) as the engine holds it while a
// shipment is rated. Its length is the tariff type's rate-record length. The
// first 10 bytes are its head, read several ways by the rating steps:
//   0-2  group code (the key of the file's index)
//   3    a character; bytes 3-8 " 00000" mean the record has no sub-records
//   4-8  the 5-digit rate-basis number; byte 4 alone is the variant digit
//   5-8  a four-digit number: the sub-record or rate-basis key, also read
//        as a distance (and its last digit as the package zone)
//   9    the record's kind letter (4-9 the rate key of the ZIP-pair records)
// then 24-bit little-endian entries, entry i at byte 10 + 3i. A length that
// is not 10 + 3n (types '5' and '6') ends in one byte that no entry holds.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "platform/kernel/byte_record.h"

namespace vorn {

class RateRecord {
 public:
  static constexpr std::size_t kMaxLength = 640;  // the longest type's record is 631 bytes
  static constexpr std::size_t kHeadSize = 10;
  static constexpr platform::FieldSpan kGroupCode{0, 3};
  static constexpr platform::FieldSpan kSubRecordField{3, 6};
  static constexpr platform::FieldSpan kRateBasisNumber{4, 5};
  static constexpr platform::FieldSpan kFourDigitNumber{5, 4};
  static constexpr platform::FieldSpan kRateKey{4, 6};  // rate-basis number and kind letter, as ZIP pairs key on it
  static constexpr std::size_t kVariantDigit = 4;
  static constexpr std::size_t kKindLetter = 9;
  static constexpr std::string_view kNoSubRecords = " 00000";
  static_assert(kKindLetter < kHeadSize && kRateBasisNumber.end() == kKindLetter &&
                kSubRecordField.end() == kKindLetter && kRateKey.end() == kHeadSize);

  // Takes the bytes of one record (at most kMaxLength are kept).
  void assign(std::span<const std::uint8_t> bytes);
  void clear() { length_ = 0; }

  std::size_t length() const { return length_; }
  std::span<const std::uint8_t> bytes() const { return std::span<const std::uint8_t>(bytes_.data(), length_); }
  // Changes one byte of the record (and of its head).
  void setByte(std::size_t offset, std::uint8_t value);

  // The 10-byte head as text (blank-padded when the record is shorter).
  std::string_view head() const { return std::string_view(reinterpret_cast<const char*>(head_.data()), kHeadSize); }
  std::string_view field(platform::FieldSpan f) const { return head().substr(f.offset, f.width); }
  char kind() const { return head()[kKindLetter]; }
  char variantDigit() const { return head()[kVariantDigit]; }
  bool hasSubRecords() const { return field(kSubRecordField) != kNoSubRecords; }
  // The four-digit number of bytes 5-8; nothing when they are not digits.
  std::optional<std::uint32_t> fourDigitNumber() const;

  // Entries the record holds; entry(i) beyond them is 0.
  std::size_t entryCount() const { return length_ > kHeadSize ? (length_ - kHeadSize) / 3 : 0; }
  std::uint32_t entry(std::size_t i) const;

 private:
  void refreshHead();
  std::array<std::uint8_t, kMaxLength> bytes_{};
  std::array<std::uint8_t, kHeadSize> head_{};
  std::size_t length_ = 0;
};

}  // namespace vorn
