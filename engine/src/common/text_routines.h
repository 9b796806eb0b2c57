// Small text routines of the engine, over fixed-width fields and the text
// lines of its data files.
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace vorn {

// Every blank of the field becomes NUL, so a padded field reads as a
// terminated text.
void BlanksToNuls(std::span<char> field);

// Every NUL of the field becomes a blank.
void NulsToBlanks(std::span<char> field);

// The next token of a text split at any of the delimiter characters. The
// cursor holds the text still to split (which ends at its first NUL) and is
// null once the text is used up. Leading blanks, tabs, CR and LF are
// skipped; the token runs to the first delimiter, and the cursor moves behind
// that delimiter. With no delimiter left the token is the rest of the text
// and the cursor becomes null. When nothing but blanks is left, or the
// cursor is already null, there is no token and the cursor becomes null.
// Two delimiters in a row give an empty token.
std::optional<std::string_view> NextToken(std::optional<std::string_view>& cursor, std::string_view delimiters);

// The tokens of a text split at runs of the delimiter characters (no empty
// tokens).
std::vector<std::string_view> SplitTokens(std::string_view text, std::string_view delimiters);

}  // namespace vorn
