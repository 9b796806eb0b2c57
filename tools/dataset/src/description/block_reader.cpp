#include "description/block_reader.h"

#include <algorithm>

#include "dataset/errors.h"
#include "description/line_tokens.h"

namespace dataset {
namespace {

std::vector<Token> LineTokens(std::string_view text, int line) {
  try {
    return SplitTokens(text);
  } catch (const FieldError& e) {
    throw DescriptionError(line, e.what());
  }
}

void AddField(FieldList& fields, Token& t, int line) {
  const bool repeated = std::any_of(fields.begin(), fields.end(), [&](const Field& f) { return f.key == t.key; });
  if (repeated) throw DescriptionError(line, "field '" + t.key + "' is given twice");
  fields.push_back({t.key, std::move(*t.value)});
}

ItemText ReadItem(std::vector<Token>& tokens, int line) {
  ItemText item;
  item.line = line;
  if (tokens.front().value)
    throw DescriptionError(line,
                           "an item line starts with its keyword, not with a field ('" + tokens.front().key + "=')");
  item.keyword = tokens.front().key;
  for (std::size_t i = 1; i < tokens.size(); ++i) {
    if (!tokens[i].value) throw DescriptionError(line, "expected key=value, found '" + tokens[i].key + "'");
    AddField(item.fields, tokens[i], line);
  }
  return item;
}

// A header: the keyword, then bare words (e.g. "raw") and key=value settings.
BlockText ReadHeader(std::vector<Token>& tokens, int line) {
  BlockText block;
  block.line = line;
  if (tokens.front().value)
    throw DescriptionError(line,
                           "a block header starts with its keyword, not with a field ('" + tokens.front().key + "=')");
  block.keyword = tokens.front().key;
  for (std::size_t i = 1; i < tokens.size(); ++i) {
    if (tokens[i].value) {
      AddField(block.fields, tokens[i], line);
    } else {
      block.words.push_back(tokens[i].key);
    }
  }
  return block;
}

}  // namespace

std::vector<BlockText> ReadBlocks(std::string_view description) {
  std::vector<BlockText> blocks;
  int line = 0;
  std::size_t start = 0;
  while (start < description.size()) {
    std::size_t end = description.find('\n', start);
    if (end == std::string_view::npos) end = description.size();
    std::string_view text = description.substr(start, end - start);
    start = end + 1;
    ++line;
    std::vector<Token> tokens = LineTokens(text, line);
    if (tokens.empty()) continue;
    const bool indented = text.front() == ' ' || text.front() == '\t';
    if (!indented) {
      blocks.push_back(ReadHeader(tokens, line));
      continue;
    }
    if (blocks.empty())
      throw DescriptionError(line,
                             "an indented line outside any block (start a block with its keyword in the first column)");
    blocks.back().items.push_back(ReadItem(tokens, line));
  }
  return blocks;
}

BlockText ReadBlockHeader(std::string_view header) {
  std::vector<Token> tokens = LineTokens(header, 1);
  if (tokens.empty()) throw DescriptionError(1, "no kind given");
  return ReadHeader(tokens, 1);
}

std::string FormatFields(const FieldList& fields) {
  std::string out;
  for (const Field& f : fields) {
    out += ' ';
    out += f.key;
    out += '=';
    out += QuoteValue(f.value);
  }
  return out;
}

std::string FormatItem(std::string_view keyword, const FieldList& fields) {
  return "  " + std::string(keyword) + FormatFields(fields);
}

}  // namespace dataset
