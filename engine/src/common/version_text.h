// The engine's version text: 105 bytes of ten NUL-padded pieces taken from
// the library's version block.
//   0  20 product name    20  3 major    23  5 minor and release letter
//   28 20 product name    48  3 major    51  5 minor and release letter
//   56 20 product name    76  3 major    79  5 minor and release letter
//   84 21 build number; byte 104 is always NUL
#pragma once

#include <array>
#include <span>

#include "platform/kernel/byte_record.h"

namespace vorn {

inline constexpr std::size_t kVersionTextSize = 105;
using VersionText = platform::ByteRecord<kVersionTextSize>;

namespace version_text {
inline constexpr platform::FieldSpan kName1{0, 20}, kMajor1{20, 3}, kMinor1{23, 5};
inline constexpr platform::FieldSpan kName2{28, 20}, kMajor2{48, 3}, kMinor2{51, 5};
inline constexpr platform::FieldSpan kName3{56, 20}, kMajor3{76, 3}, kMinor3{79, 5};
inline constexpr platform::FieldSpan kBuild{84, 21};
inline constexpr std::array kAllFields{kName1,  kMajor1, kMinor1, kName2,  kMajor2,
                                       kMinor2, kName3,  kMajor3, kMinor3, kBuild};
static_assert(platform::FieldsAreContiguous(kAllFields, kVersionTextSize));
}  // namespace version_text

// The version text of this library.
VersionText EngineVersionText();

// A piece of the text up to its first NUL.
std::string_view VersionPiece(const VersionText& text, platform::FieldSpan piece);

}  // namespace vorn
