// Five-character range codes of the ZIP-range tables and how they step.
//
// A Canadian code is a three-character prefix (letter, digit, letter) and
// two characters (digit, letter). The pair "0A" at the end of a from-code
// and "9Z" at the end of a to-code stand for the whole prefix. Codes step
// within the alphabet of each position (letters A-Z, digits 0-9) with
// carries towards the first character; the letters D, F, I, O, Q and U are
// never used in the third or fifth position and are stepped over. Every
// step moves the code strictly up or down in byte order and stops at the
// end of the code space, so no walk over codes can loop.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string_view>

namespace qiv::settings {

using RangeCode = std::array<char, 5>;

inline constexpr std::string_view kWholePrefixFrom = "0A";
inline constexpr std::string_view kWholePrefixTo = "9Z";

RangeCode MakeRangeCode(std::string_view text);  // the first 5 characters, blank-padded
std::string_view PrefixOf(const RangeCode& code);
std::string_view SuffixOf(const RangeCode& code);
// The code's two last characters are "0A" or "9Z".
bool SpansWholePrefix(const RangeCode& code);

// Whether a three-character prefix may begin a range: the tariff's postal
// table holds it and its state there is neither "YY" nor "XX".
using UsablePrefix = std::function<bool(std::string_view prefix)>;

// The next (or previous) prefix, stepping the third character with carries
// into the second and first; nothing past the end of the code space.
std::optional<RangeCode> StepPrefix(RangeCode code, bool up);
// The next (or previous) prefix that is usable, the code's last two
// characters kept; nothing when none is left.
std::optional<RangeCode> StepToUsablePrefix(RangeCode code, bool up, const UsablePrefix& usable);

// The code right after (or before) a code: a whole-prefix code steps its
// prefix and takes "0A" (after) or "9Z" (before); any other code steps its
// fifth character with carries. Repeated until the prefix is usable.
// Nothing when the code space ends first.
std::optional<RangeCode> CodeAfter(const RangeCode& code, const UsablePrefix& usable);
std::optional<RangeCode> CodeBefore(const RangeCode& code, const UsablePrefix& usable);

}  // namespace qiv::settings
