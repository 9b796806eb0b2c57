// The numbers Ratekit32 stores in LastErrorCode, each defined once. Their
// texts are in error_text.cpp (or the program's language file).
#pragma once

#include <cstdint>

namespace ratekit::message {

inline constexpr std::int32_t kNone = 0;
inline constexpr std::int32_t kAlreadyShown = -1;  // a message was shown already

// Checks of the shipment.
inline constexpr std::int32_t kOutOfScope = 103;
inline constexpr std::int32_t kInvalidClass = 105;
inline constexpr std::int32_t kInvalidWeight = 106;
inline constexpr std::int32_t kInvalidSurcharge = 108;
inline constexpr std::int32_t kDiscountTooLarge = 118;
inline constexpr std::int32_t kInvalidZipCombination = 501;
inline constexpr std::int32_t kInvalidFactor = 513;

// Engine connection.
inline constexpr std::int32_t kSecondCandidateBlock = 113;  // not allocated
inline constexpr std::int32_t kFirstCandidateBlock = 114;   // not allocated
inline constexpr std::int32_t kCandidatesTooManyFirst = 133;
inline constexpr std::int32_t kCandidatesTooManySecond = 134;
inline constexpr std::int32_t kEffectiveTableRead = 140;
inline constexpr std::int32_t kEffectiveTableAllocation = 141;
inline constexpr std::int32_t kEngineEntryPointMissing = 400;  // 400..409 by binding order
inline constexpr std::int32_t kRatingEntryPointMissing = 407;

// Service guide.
inline constexpr std::int32_t kGuideEntryPointMissing = 525;  // 525..529
inline constexpr std::int32_t kServiceGuideFailed = 533;

}  // namespace ratekit::message
