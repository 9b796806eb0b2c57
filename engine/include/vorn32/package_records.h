// The records of package rating: fixed-width text that crosses the library
// boundary, filled by the caller (blank-padded) or written by the engine.
//
// PackageRequest, 52 bytes and 10 for each package (at most 99, 1042
// bytes): the tariff and the ship date, the ZIPs of the ends, the codes of
// the packaging, the drop-off and the service (blank: "OUR", "DPS", "GND"),
// a surcharge, the tier and the packages' weights. PackageResult, 17 bytes
// and 7 for each package of the request: the caller's buffer holds 710
// bytes for any request. PackageInfoQuery, 22 bytes, asks for the package
// codes of a tariff; PackageInfoList, 8 bytes and 34 for each entry the
// caller has room for.
#pragma once

#include <array>
#include <cstddef>

#include "platform/kernel/byte_record.h"

namespace vorn {

namespace package_request {
using platform::FieldSpan;
inline constexpr FieldSpan kUnread{0, 2};
inline constexpr FieldSpan kTariffName{2, 8};
inline constexpr FieldSpan kShipDate{10, 10};  // MM?DD?CCYY
inline constexpr FieldSpan kOriginZip{20, 6};  // the first 5 characters are used
inline constexpr FieldSpan kDestinationZip{26, 6};
inline constexpr FieldSpan kResidential{32, 1};  // 'Y': a residential delivery
inline constexpr FieldSpan kDropoffCode{33, 3};
inline constexpr FieldSpan kPackagingCode{36, 3};
inline constexpr FieldSpan kSurchargeType{39, 1};  // '1' an amount, else a percentage
inline constexpr FieldSpan kSurcharge{40, 6};      // cents, or hundredths of a percent
inline constexpr FieldSpan kServiceCode{46, 3};
inline constexpr FieldSpan kTier{49, 1};            // a digit, or 'N' for the tariff's default
inline constexpr FieldSpan kNumberPackages{50, 2};  // 1 to 99
inline constexpr std::size_t kHeadSize = 52;
inline constexpr std::size_t kWeightSize = 10;  // a decimal number of pounds
inline constexpr std::size_t kMostPackages = 99;
inline constexpr std::size_t kMostSize = kHeadSize + kWeightSize * kMostPackages;
inline constexpr FieldSpan Weight(std::size_t n) { return {kHeadSize + kWeightSize * n, kWeightSize}; }
static_assert(platform::FieldsAreContiguous(std::array{kUnread, kTariffName, kShipDate, kOriginZip, kDestinationZip,
                                                       kResidential, kDropoffCode, kPackagingCode, kSurchargeType,
                                                       kSurcharge, kServiceCode, kTier, kNumberPackages},
                                            kHeadSize));
}  // namespace package_request

namespace package_result {
using platform::FieldSpan;
inline constexpr FieldSpan kSegmentCode{0, 2};  // "15"
inline constexpr FieldSpan kStatus{2, 4};       // blanks, or the code "%04d"
inline constexpr FieldSpan kTierUsed{6, 1};     // the tier of a hundredweight charge, else 'N'
inline constexpr FieldSpan kZone{7, 1};
inline constexpr FieldSpan kCwtCharges{8, 7};  // cents, "%07d"
inline constexpr FieldSpan kNoPackages{15, 2};
inline constexpr std::size_t kHeadSize = 17;
inline constexpr std::size_t kChargeSize = 7;  // cents, "%07d"
inline constexpr FieldSpan Charge(std::size_t n) { return {kHeadSize + kChargeSize * n, kChargeSize}; }
inline constexpr std::size_t kMostSize = kHeadSize + kChargeSize * package_request::kMostPackages;
static_assert(kMostSize == 710);
static_assert(platform::FieldsAreContiguous(std::array{kSegmentCode, kStatus, kTierUsed, kZone, kCwtCharges,
                                                       kNoPackages},
                                            kHeadSize));
}  // namespace package_result

namespace package_info_query {
using platform::FieldSpan;
inline constexpr FieldSpan kUnread{0, 2};
inline constexpr FieldSpan kTariffName{2, 8};
inline constexpr FieldSpan kShipDate{10, 10};
inline constexpr FieldSpan kRoom{20, 2};  // the entries the caller's list has room for
inline constexpr std::size_t kSize = 22;
static_assert(platform::FieldsAreContiguous(std::array{kUnread, kTariffName, kShipDate, kRoom}, kSize));
}  // namespace package_info_query

namespace package_info_list {
using platform::FieldSpan;
inline constexpr FieldSpan kSegmentCode{0, 2};  // "13"
inline constexpr FieldSpan kStatus{2, 4};
inline constexpr FieldSpan kCount{6, 2};  // "%02d"
inline constexpr std::size_t kHeadSize = 8;
// An entry: the kind digit ('1' packaging, '2' drop-off, '3' a service
// whose detail begins with the tiers it allows), the code, the detail.
inline constexpr FieldSpan kKind{0, 1};
inline constexpr FieldSpan kCode{1, 3};
inline constexpr FieldSpan kDetail{4, 30};
inline constexpr std::size_t kEntrySize = 34;
inline constexpr std::size_t EntryAt(std::size_t n) { return kHeadSize + kEntrySize * n; }
static_assert(platform::FieldsAreContiguous(std::array{kSegmentCode, kStatus, kCount}, kHeadSize));
static_assert(platform::FieldsAreContiguous(std::array{kKind, kCode, kDetail}, kEntrySize));
}  // namespace package_info_list

}  // namespace vorn
