// How the rating-function library Ratekit32 calls the service-guide
// library (built for it as LanebookApp): six functions bound by name, one
// 1209-byte exchange block shared by every call, and a handle, a small
// positive number (0: none) that Lanebook_Initialize gives out.
//
// Statuses in the block are decimal digits from byte 4, NUL-padded to 15
// characters: the service answers "1001" when done (1010 to 1099 are
// failures of the guide, 1101 to 1105 lanes it does not serve), the
// terminal detail "1".
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/kernel/byte_record.h"

namespace lanebook::app_form {

using platform::FieldSpan;

using GetTermToTermDaysFunction = std::uint8_t (*)(char* block, std::int32_t handle);
using InitializeFunction = std::int32_t (*)(char* block);
using SetDataPathFunction = std::uint8_t (*)(char* block, const char* folder, std::int32_t handle);
using GetServGuideDataFunction = std::uint8_t (*)(char* block, std::int32_t handle);
using GetTerminalDetailFunction = std::uint8_t (*)(char* block, std::int32_t handle);
using TerminateFunction = std::uint8_t (*)(std::int32_t handle);

inline constexpr std::size_t kBlockSize = 1209;
using BlockView = platform::ByteRecordView<kBlockSize>;

inline constexpr FieldSpan kStatus{4, 15};
inline constexpr FieldSpan kProduct{19, 8};  // "KTQ_Prod"
inline constexpr FieldSpan kCarrier{558, 5};
inline constexpr FieldSpan kServiceType{563, 21};  // "LTL" or "TL", NUL-padded
// The service of a lane (out).
inline constexpr FieldSpan kDays{635, 5};
inline constexpr FieldSpan kCarrierAnswered{641, 5};
inline constexpr FieldSpan kOriginLetter{647, 1};  // 'D' or 'I'; NUL: none
inline constexpr FieldSpan kDestinationLetter{649, 1};
inline constexpr FieldSpan kDaysText{653, 3};
inline constexpr FieldSpan kOriginTerminal{656, 3};
inline constexpr FieldSpan kDestinationTerminal{659, 3};
inline constexpr FieldSpan kServiceAnswer{635, 27};  // cleared before each answer
static_assert(kServiceAnswer.offset == kDays.offset && kServiceAnswer.end() == kDestinationTerminal.end());
// The lane (in).
inline constexpr FieldSpan kOriginCode{662, 7};
inline constexpr FieldSpan kDestinationCode{669, 7};
static_assert(kOriginCode.offset == kServiceAnswer.end());
// A terminal's details: the point code (or terminal code) asked for, and
// the 13 fields of terminal_details, each at its place in the block.
inline constexpr FieldSpan kTerminalAsked{1127, 7};
inline constexpr std::array kTerminalFields{
    FieldSpan{1134, 51}, FieldSpan{1185, 6}, FieldSpan{676, 51}, FieldSpan{727, 51}, FieldSpan{778, 31},
    FieldSpan{809, 3},   FieldSpan{812, 11}, FieldSpan{823, 13}, FieldSpan{836, 13}, FieldSpan{849, 13},
    FieldSpan{862, 101}, FieldSpan{963, 51}, FieldSpan{1014, 51}};
static_assert(kTerminalFields[0].end() == kTerminalFields[1].offset && kTerminalFields[1].end() <= kBlockSize);
static_assert(kTerminalFields[2].offset == kDestinationCode.end());
static_assert(kTerminalFields[12].end() == 1065 && kTerminalAsked.end() == kTerminalFields[0].offset);

}  // namespace lanebook::app_form
