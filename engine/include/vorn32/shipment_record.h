// The ShipmentRecord: the 2160-byte request and answer record of one rating.
// Texts are fixed width without terminators and numbers decimal digits,
// except the binary result areas from byte 976 (little-endian integers).
// The header line is bytes 1 to 264 (ending CR LF at 263), followed by 20
// detail lines of 30 bytes and two 54-byte discount records.
#pragma once

#include <array>

#include "platform/kernel/byte_record.h"

namespace vorn {

inline constexpr std::size_t kShipmentRecordSize = 2160;
using ShipmentRecord = platform::ByteRecord<kShipmentRecordSize>;

namespace shipment {
using platform::FieldSpan;

inline constexpr FieldSpan kRecordType{0, 1};
inline constexpr FieldSpan kRecordCode{1, 2};
inline constexpr FieldSpan kReturnCode{3, 4};
inline constexpr FieldSpan kFlags{7, 2};
inline constexpr FieldSpan kCandidateRequest{9, 1};  // 'F' fill candidates, 'E' report 123
inline constexpr FieldSpan kMode{10, 1};             // '0', '1', 'P', '2', 'S'
inline constexpr FieldSpan kTariffName{11, 8};
inline constexpr FieldSpan kIntrastate{19, 1};
inline constexpr FieldSpan kShipDate{20, 10};
inline constexpr FieldSpan kOriginCode{30, 6};
inline constexpr FieldSpan kOriginStateCity{36, 19};
inline constexpr FieldSpan kDestinationCode{55, 6};
inline constexpr FieldSpan kDestinationStateCity{61, 19};
inline constexpr FieldSpan kDetailCount{80, 2};
inline constexpr FieldSpan kTariffUsed{82, 8};
inline constexpr FieldSpan kMethodText{90, 11};
inline constexpr FieldSpan kActualWeight{101, 6};
inline constexpr FieldSpan kBilledWeight{107, 6};
inline constexpr FieldSpan kNetCharge{113, 7};
inline constexpr FieldSpan kDeficitRate{120, 7};
inline constexpr FieldSpan kDeficitWeight{127, 6};
inline constexpr FieldSpan kDeficitCharge{133, 9};
inline constexpr FieldSpan kGrossCharge{142, 9};
inline constexpr FieldSpan kEffectiveDate{151, 10};
inline constexpr FieldSpan kEchoed161{161, 16};  // begins with the rate-basis step below
inline constexpr FieldSpan kMethodFlag{177, 1};
inline constexpr FieldSpan kServiceGuideAnswer{178, 2};
inline constexpr FieldSpan kEchoed180{180, 14};
inline constexpr FieldSpan kDiscountSwitch{194, 1};
inline constexpr FieldSpan kEchoed195{195, 1};
inline constexpr FieldSpan kOriginPointLetter{196, 1};
inline constexpr FieldSpan kDestinationPointLetter{197, 1};
inline constexpr FieldSpan kEchoed198{198, 9};
inline constexpr FieldSpan kEchoed207{207, 6};
inline constexpr FieldSpan kEchoed213{213, 1};
inline constexpr FieldSpan kDiscountKind{214, 1};
inline constexpr FieldSpan kCarrierCode{215, 4};
inline constexpr FieldSpan kServiceGuideMode{219, 1};
inline constexpr FieldSpan kBreakDiscountAmount{220, 9};
inline constexpr FieldSpan kPercentDiscountAmount{229, 7};
inline constexpr FieldSpan kFactor{236, 5};
inline constexpr FieldSpan kDiscountPercent{241, 5};
inline constexpr FieldSpan kEchoed246{246, 17};
inline constexpr FieldSpan kHeaderLineEnd{263, 2};
inline constexpr FieldSpan kDetailLines{265, 600};
inline constexpr FieldSpan kDiscountRecord1{865, 54};
inline constexpr FieldSpan kDiscountRecord2{919, 54};
inline constexpr FieldSpan kBlanks973{973, 3};
inline constexpr FieldSpan kRateTable{976, 700};
inline constexpr FieldSpan kClassCodes{1676, 120};
inline constexpr FieldSpan kBreakWeights{1796, 80};
inline constexpr FieldSpan kClassCount{1876, 2};
inline constexpr FieldSpan kBreakCount{1878, 2};
inline constexpr FieldSpan kItemKinds{1880, 30};
inline constexpr FieldSpan kUnchanged1910{1910, 2};
inline constexpr FieldSpan kItemNumbers{1912, 120};
inline constexpr FieldSpan kItemCharges{2032, 120};
inline constexpr FieldSpan kListValue{2152, 2};
inline constexpr FieldSpan kItemCount{2154, 2};
inline constexpr FieldSpan kTail{2156, 4};

inline constexpr std::array kAllFields{kRecordType,
                                       kRecordCode,
                                       kReturnCode,
                                       kFlags,
                                       kCandidateRequest,
                                       kMode,
                                       kTariffName,
                                       kIntrastate,
                                       kShipDate,
                                       kOriginCode,
                                       kOriginStateCity,
                                       kDestinationCode,
                                       kDestinationStateCity,
                                       kDetailCount,
                                       kTariffUsed,
                                       kMethodText,
                                       kActualWeight,
                                       kBilledWeight,
                                       kNetCharge,
                                       kDeficitRate,
                                       kDeficitWeight,
                                       kDeficitCharge,
                                       kGrossCharge,
                                       kEffectiveDate,
                                       kEchoed161,
                                       kMethodFlag,
                                       kServiceGuideAnswer,
                                       kEchoed180,
                                       kDiscountSwitch,
                                       kEchoed195,
                                       kOriginPointLetter,
                                       kDestinationPointLetter,
                                       kEchoed198,
                                       kEchoed207,
                                       kEchoed213,
                                       kDiscountKind,
                                       kCarrierCode,
                                       kServiceGuideMode,
                                       kBreakDiscountAmount,
                                       kPercentDiscountAmount,
                                       kFactor,
                                       kDiscountPercent,
                                       kEchoed246,
                                       kHeaderLineEnd,
                                       kDetailLines,
                                       kDiscountRecord1,
                                       kDiscountRecord2,
                                       kBlanks973,
                                       kRateTable,
                                       kClassCodes,
                                       kBreakWeights,
                                       kClassCount,
                                       kBreakCount,
                                       kItemKinds,
                                       kUnchanged1910,
                                       kItemNumbers,
                                       kItemCharges,
                                       kListValue,
                                       kItemCount,
                                       kTail};
static_assert(platform::FieldsAreContiguous(kAllFields, kShipmentRecordSize));

// Within the echoed bytes from 161: a '+' asks the tariff method to step the
// rate record forward by the four digits after it.
inline constexpr FieldSpan kRateBasisStepSign{161, 1};
inline constexpr FieldSpan kRateBasisStep{162, 4};
static_assert(kRateBasisStepSign.offset == kEchoed161.offset && kRateBasisStep.end() <= kEchoed161.end());

// The header copy the engine works on: record bytes 1 to 264.
inline constexpr FieldSpan kHeader{1, 264};

// Detail line n (0 to 19) at 265 + 30n.
inline constexpr std::size_t kDetailLineCount = 20;
inline constexpr std::size_t kDetailLineSize = 30;
inline constexpr FieldSpan DetailLine(std::size_t n) { return {265 + kDetailLineSize * n, kDetailLineSize}; }
namespace detail {
inline constexpr FieldSpan kCode{0, 2};  // "02"
inline constexpr FieldSpan kClass{2, 3};
inline constexpr FieldSpan kWeight{5, 6};
inline constexpr FieldSpan kRate{11, 7};    // "%04ld.%02lu"
inline constexpr FieldSpan kCharge{18, 9};  // "%06lu.%02lu"
inline constexpr FieldSpan kLineEnd{27, 2};
inline constexpr FieldSpan kLast{29, 1};
inline constexpr std::array kAllFields{kCode, kClass, kWeight, kRate, kCharge, kLineEnd, kLast};
static_assert(platform::FieldsAreContiguous(kAllFields, kDetailLineSize));
}  // namespace detail
static_assert(DetailLine(kDetailLineCount - 1).end() == kDiscountRecord1.offset);

// A discount record: a tag ("D%" or "I%") and ten 5-character percentages
// times 100, one per weight break.
inline constexpr std::size_t kDiscountFields = 10;
inline constexpr FieldSpan kDiscountTag{0, 2};
inline constexpr FieldSpan DiscountField(std::size_t k) { return {2 + 5 * k, 5}; }
static_assert(DiscountField(kDiscountFields - 1).end() == 52);

}  // namespace shipment
}  // namespace vorn
