// The columns of the printouts' lines: a line of 79 blanks with texts put
// at a column or ending at one (columns from 0, before the print writer adds
// its two blanks), centring in 60 columns, and the decimal texts the
// printouts show.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qiv {

inline constexpr std::size_t kLineColumns = 79;
inline constexpr std::size_t kCentringColumns = 60;

// 79 blanks.
std::string BlankLine();
// The text from the column on; what passes the line's end is cut.
void PlaceAt(std::string& line, std::size_t column, std::string_view text);
// The text right-aligned to end at the column; what would fall before
// column 0 is cut.
void PlaceEndingAt(std::string& line, std::size_t lastColumn, std::string_view text);
// The text after (columns - length) / 2 blanks; none for a longer text.
std::string Centred(std::string_view text, std::size_t columns = kCentringColumns);
// Without the blanks at either end.
std::string_view TrimBlanks(std::string_view text);
// "%<width>.2f" of the value of a text read as atof reads it.
std::string AmountText(std::string_view text, int width);

}  // namespace qiv
