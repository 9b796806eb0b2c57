// What every resource text format shares (resource.h describes the
// common rules): its lines, words and quoted texts, numbers and ids, and a
// parser base that records the first fault with its line.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/resource.h"

namespace platform::ui::detail {

struct Token {
  enum class Kind { Word, Text } kind = Kind::Word;
  std::string value;
};

// Splits a line into words and quoted texts; false with a message for an
// unterminated text or an unknown escape.
bool Tokenize(std::string_view line, std::vector<Token>& tokens, std::string& problem);

// A word read as a decimal or 0x hexadecimal number, optionally negative,
// of at most 32 bits.
bool ParseNumber(const Token& token, long long& value);

// The entry of a table of words (entries with a `word` member) that is
// the word, or null.
template <class Entry, std::size_t N>
const Entry* FindWordIn(const Entry (&table)[N], std::string_view word) {
  for (const Entry& entry : table)
    if (word == entry.word) return &entry;
  return nullptr;
}

// The lines of a text that are neither blank nor comments, numbered from 1.
class LineCursor {
 public:
  explicit LineCursor(std::string_view text) : text_(text) {}
  // The next such line, its blanks and line end trimmed; false at the end.
  bool next(std::string_view& line, int& number);

 private:
  std::string_view text_;
  std::size_t at_ = 0;
  int number_ = 0;
};

// The number of the first line that is neither blank nor a comment, and
// of the first line that starts with the keyword; 0 for none.
int FirstLineNumber(std::string_view text);
int LineOfKeyword(std::string_view text, std::string_view keyword);

// A parser of one resource text: the fault it stops at, and the checks
// every format makes. The checks return false after recording the fault.
class ResourceParser {
 public:
  explicit ResourceParser(ResourceError& error) : error_(error) {}

 protected:
  bool failed(int line, std::string message);
  std::nullopt_t fail(int line, std::string message) {
    failed(line, std::move(message));
    return std::nullopt;
  }
  // The line's tokens; false for a line that does not split.
  bool tokenize(std::string_view line, int lineNumber, std::vector<Token>& tokens);
  bool number(const Token& token, int line, const char* what, long long low, long long high, int& out);
  bool expect(const std::vector<Token>& tokens, std::size_t count, int line, const char* usage);
  bool noMore(const std::vector<Token>& tokens, std::size_t used, int line);
  bool quoted(const Token& token, int line, const char* what, std::string& out);
  // A resource id: a number 1-65535 or a name.
  bool id(const Token& token, int line, std::optional<ResourceId>& out);
  // The first line: "<keyword> <id>" and nothing more.
  bool header(std::string_view keyword, const std::vector<Token>& tokens, int line, std::optional<ResourceId>& out);

  // Reads a text whose first line names the resource ("<keyword> <id>")
  // and gives each further line to `entry` with its tokens (and the cursor,
  // for a format that reads lines of its own); false at the first fault.
  using EntryReader = std::function<bool(const std::vector<Token>& tokens, int line, LineCursor& lines)>;
  bool parseText(std::string_view text, std::string_view keyword, ResourceId& id, const EntryReader& entry);

 private:
  ResourceError& error_;
};

}  // namespace platform::ui::detail
