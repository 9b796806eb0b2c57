// Pieces the kinds share: splitting a file into records, and the checks
// that recur from kind to kind.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "kinds/file_kind.h"
#include "layout/text_layout.h"

namespace dataset {

// Records of size bytes each; a short last piece is a record too.
std::vector<std::string_view> SplitFixedRecords(std::string_view content, std::size_t size);

// Lines, each with its line feed; a last line without one is a record too.
std::vector<std::string_view> SplitAtLineFeeds(std::string_view content);

// True when the record has the layout's size and terminator; otherwise
// reports why and returns false.
bool CheckRecordShape(std::string_view record, std::size_t index, const TextRecordLayout& layout, KindProblems& problems);

// Reports a record count outside [least, most]; what names the records ("records", "lines").
void CheckRecordCount(std::size_t count, std::size_t least, std::size_t most, std::string_view what, KindProblems& problems);

// True when the one-character columns hold one of the allowed characters.
bool IsOneOf(std::string_view columns, std::string_view allowed);

// True for "CCYYMMDD" digits naming a day of the Gregorian calendar.
bool IsCalendarDate(std::string_view digits);

// Columns as messages show them: quoted, with escapes.
std::string Shown(std::string_view columns);

}  // namespace dataset
