// The tokens of one description line: words and key=value pairs separated by
// white space. A value is bare (no white space, no '"') or quoted with the
// escapes \" \\ \r \n \t \0 \xHH. A '#' at the start of a token begins a
// comment that runs to the end of the line.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dataset {

struct Token {
  std::string key;
  std::optional<std::string> value;  // nothing for a bare word
};

// Throws FieldError for an unterminated quote or an unknown escape.
std::vector<Token> SplitTokens(std::string_view line);

// The value as a token would hold it: bare when that reads back the same,
// otherwise quoted with escapes.
std::string QuoteValue(std::string_view value);

// The value always quoted, with escapes (for messages).
std::string QuotedText(std::string_view value);

}  // namespace dataset
