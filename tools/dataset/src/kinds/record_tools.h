// Pieces the kinds share: splitting a file into records, item lines that
// every block takes, and the checks that recur from kind to kind.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dataset/errors.h"
#include "kinds/file_kind.h"
#include "layout/record_layout.h"

namespace dataset {

// Records of size bytes each; a short last piece is a record too.
std::vector<std::string_view> SplitFixedRecords(std::string_view content, std::size_t size);

// Lines, each with its line feed; a last line without one is a record too.
std::vector<std::string_view> SplitAtLineFeeds(std::string_view content);

// The keyword of the item every block takes: raw text="..." (bytes verbatim).
inline constexpr std::string_view kRawItem = "raw";

// The bytes of a raw item; throws DescriptionError when it is not one text field.
DataRecord RawItemRecord(const ItemText& item);

// Throws DescriptionError for an item keyword the block does not take.
[[noreturn]] void RefuseItem(const ItemText& item, std::string_view blockKeyword,
                             std::span<const std::string_view> keywords);

// Runs encode for one item; a FieldError becomes a DescriptionError at the item's line.
template <class Encode>
auto AtItemLine(const ItemText& item, Encode&& encode) {
  try {
    return encode();
  } catch (const FieldError& e) {
    throw DescriptionError(item.line, e.what());
  }
}

// The raw item line that builds exactly these bytes.
std::string RawItemLine(std::string_view bytes);

// True when the record has the layout's size and terminator; otherwise
// reports why and returns false.
bool CheckRecordShape(std::string_view record, std::size_t index, const RecordLayout& layout, KindProblems& problems);

// True when the record is size bytes; otherwise reports "is N bytes, not
// size" and returns false.
bool CheckRecordSize(std::string_view record, std::size_t index, std::size_t size, KindProblems& problems);

// Reports a record count outside [least, most]; what names the records ("records", "lines").
void CheckRecordCount(std::size_t count, std::size_t least, std::size_t most, std::string_view what,
                      KindProblems& problems);

// A record's sort key, compared element by element.
using SortKey = std::vector<std::int64_t>;

// The key of bytes compared one by one, unsigned.
SortKey BytesKey(std::string_view bytes);

// Reports each record whose key sorts below the key of the record before it
// (or equals it, when repeats is false). keys holds one entry per record
// that has a key (its index and key); order names the order for messages
// ("kind, origin code, destination code").
void CheckSortOrder(std::span<const std::pair<std::size_t, SortKey>> keys, bool repeats, std::string_view order,
                    KindProblems& problems);

// A decimal integer (optionally negative) within [least, most]; throws
// FieldError naming the field otherwise.
std::int64_t ParseInteger(std::string_view key, std::string_view value, std::int64_t least, std::int64_t most);

// The blank-separated words of a value ("5 0 7").
std::vector<std::string_view> Words(std::string_view value);

// True when the one-character columns hold one of the allowed characters.
bool IsOneOf(std::string_view columns, std::string_view allowed);

// True for "CCYYMMDD" digits naming a day of the Gregorian calendar.
bool IsCalendarDate(std::string_view digits);

// Columns as messages show them: quoted, with escapes.
std::string Shown(std::string_view columns);

}  // namespace dataset
