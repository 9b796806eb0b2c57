// The levels of rates the Level of Rates dialog offers: LEVEL.LVL, read by
// Ratekit32 into the RatingContext's LevelTable, 18-byte records
//   0  8  the level's name (a TariffBaseName)
//   8  8  its effective date, "YYYYMMDD"
//  16  2  CR LF
// shown one a line as "%8.8s\t%2.2s/%2.2s/%4.4s" (name, month, day, year).
// Deleting a level writes the remaining lines back into the file they were
// read from, whole or not at all, and only then removes that level's files.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/kernel/byte_record.h"

namespace qiv {

inline constexpr const char* kLevelFileName = "LEVEL.LVL";

namespace level_record {
inline constexpr std::size_t kSize = 18;
inline constexpr platform::FieldSpan kName{0, 8};
inline constexpr platform::FieldSpan kYear{8, 4};
inline constexpr platform::FieldSpan kMonth{12, 2};
inline constexpr platform::FieldSpan kDay{14, 2};
inline constexpr platform::FieldSpan kLineEnd{16, 2};
static_assert(platform::FieldsAreContiguous(std::array{kName, kYear, kMonth, kDay, kLineEnd}, kSize));
}  // namespace level_record

// The list line of a level record (18 bytes).
std::string LevelListLine(std::span<const std::uint8_t, level_record::kSize> record);
// The list lines of a LevelTable of `count` records (a shorter table gives
// the records it holds).
std::vector<std::string> LevelListLines(std::span<const std::uint8_t> table, std::size_t count);
// The level file record of a list line: name (its first 8 characters), the
// year (its last 4), the month (the 2 after the tab) and the day (the 2
// after the first '/'), CR LF.
std::string LevelRecordOfLine(std::string_view line);
// The level name of a list line: its first 8 characters.
std::string LevelNameOfLine(std::string_view line);

// Writes the lines' records as the level file at path; false when it
// cannot be replaced (the old file stays as it was).
bool RewriteLevelFile(const std::string& path, const std::vector<std::string>& lines);

// Removes the data directory's files named after the level ("NAME.*",
// without regard to case, trailing blanks of the name dropped), never the
// level file itself; a name with a path separator, a wildcard or a point
// removes nothing. Returns the files removed.
std::vector<std::string> DeleteLevelFiles(const std::string& dataDirectory, std::string_view levelName,
                                          std::string_view levelFile);

}  // namespace qiv
