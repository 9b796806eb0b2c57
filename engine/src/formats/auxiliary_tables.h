// The auxiliary tables of a tariff that the rating methods consult:
// - .C origin-ZIP class-factor ranges, 11 bytes, at most 20 read:
//     0-2 packed first ZIP, 3-5 packed last ZIP, 6-10 class-factor data
//     (bytes 9-10 a 16-bit percentage for the rating core);
// - .Z ZIP-pair records, 40 bytes, sorted by their key fields:
//     0 direction 'F' or 'B', 1-3/4-6 packed first and last origin ZIP,
//     7-9/10-12 packed first and last destination ZIP, 13-18/19-24 first
//     and last rate key (6 characters), 25-39 minimum data for the core:
//     25 minimum layout digit, 26 item count digit, 27 amount flag ('*' its
//     own amounts, 'M' the .M file, 'R' the rate record), 28-39 four 24-bit
//     amounts;
// - .H rate-basis add-ons, 15 bytes, sorted by letter and ZIP fields:
//     0 rate-basis letter, 1-3 packed first origin ZIP, 4 the last two
//     digits of the origin range's end (packed; the range keeps the first
//     ZIP's 3-digit prefix), 5-7/8-10 packed first and last destination
//     ZIP, 11 sign '+' or '-', 12-14 amount, five packed digits.
// (Packed ZIPs: formats/packed_codes.h.)
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "formats/packed_codes.h"
#include "platform/kernel/byte_record.h"

namespace vorn {

namespace origin_range {
using platform::FieldSpan;
inline constexpr std::size_t kSize = 11;
inline constexpr std::size_t kMaxRead = 20;
inline constexpr FieldSpan kFirstZip{0, 3};
inline constexpr FieldSpan kLastZip{3, 3};
inline constexpr FieldSpan kClassFactorData{6, 5};
inline constexpr FieldSpan kPercent{9, 2};  // u16, within the class-factor data
inline constexpr std::array kAllFields{kFirstZip, kLastZip, kClassFactorData};
static_assert(platform::FieldsAreContiguous(kAllFields, kSize) && kPercent.end() == kSize);
}  // namespace origin_range

namespace zip_pair {
using platform::FieldSpan;
inline constexpr std::size_t kSize = 40;
inline constexpr FieldSpan kDirection{0, 1};
inline constexpr FieldSpan kFirstOriginZip{1, 3};
inline constexpr FieldSpan kLastOriginZip{4, 3};
inline constexpr FieldSpan kFirstDestinationZip{7, 3};
inline constexpr FieldSpan kLastDestinationZip{10, 3};
inline constexpr FieldSpan kFirstRateKey{13, 6};
inline constexpr FieldSpan kLastRateKey{19, 6};
inline constexpr FieldSpan kMinimumLayout{25, 1};
inline constexpr FieldSpan kItemCount{26, 1};
inline constexpr FieldSpan kAmountFlag{27, 1};
inline constexpr FieldSpan kAmounts{28, 12};  // four 24-bit little-endian amounts
inline constexpr std::array kAllFields{kDirection,          kFirstOriginZip, kLastOriginZip, kFirstDestinationZip,
                                       kLastDestinationZip, kFirstRateKey,   kLastRateKey,   kMinimumLayout,
                                       kItemCount,          kAmountFlag,     kAmounts};
static_assert(platform::FieldsAreContiguous(kAllFields, kSize));
inline constexpr std::size_t kAmountCount = kAmounts.width / 3;

// Amount k (0-3) of a record's minimum data.
inline std::uint32_t Amount(const platform::ByteRecord<kSize>& record, std::size_t k) {
  return Load24(std::span<const std::uint8_t, 3>(record.data() + kAmounts.offset + 3 * k, 3));
}
}  // namespace zip_pair

namespace rate_basis_add_on {
using platform::FieldSpan;
inline constexpr std::size_t kSize = 15;
inline constexpr FieldSpan kLetter{0, 1};
inline constexpr FieldSpan kFirstOriginZip{1, 3};
inline constexpr FieldSpan kOriginRangeEnd{4, 1};
inline constexpr FieldSpan kFirstDestinationZip{5, 3};
inline constexpr FieldSpan kLastDestinationZip{8, 3};
inline constexpr FieldSpan kSign{11, 1};
inline constexpr FieldSpan kAmount{12, 3};  // five packed digits
inline constexpr std::array kAllFields{
    kLetter, kFirstOriginZip, kOriginRangeEnd, kFirstDestinationZip, kLastDestinationZip, kSign, kAmount};
static_assert(platform::FieldsAreContiguous(kAllFields, kSize));
}  // namespace rate_basis_add_on

}  // namespace vorn
