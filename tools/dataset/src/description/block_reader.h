// The structure of a description: blocks, each a header line in the first
// column and the indented item lines under it. Only the syntax is read here;
// what the keywords mean is the data set's business.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "description/field_list.h"

namespace dataset {

// One indented line: an item keyword and its fields.
struct ItemText {
  int line = 0;
  std::string keyword;
  FieldList fields;
};

// A block: its keyword, the bare words after it (e.g. "raw"), the
// key=value fields of its header (its settings), and its items.
struct BlockText {
  int line = 0;
  std::string keyword;
  std::vector<std::string> words;
  FieldList fields;
  std::vector<ItemText> items;
};

// Throws DescriptionError with the line at fault.
std::vector<BlockText> ReadBlocks(std::string_view description);

// One block header ("tdt slots=3"), as a kind is named on the command line.
// Throws DescriptionError.
BlockText ReadBlockHeader(std::string_view header);

// A header or item line's fields as key=value tokens (values quoted where needed).
std::string FormatFields(const FieldList& fields);

// One item line as the reader reads it back: two blanks of indentation, the
// keyword, then key=value fields (values quoted where needed).
std::string FormatItem(std::string_view keyword, const FieldList& fields);

}  // namespace dataset
