// Lines, tokens, numbers and ids of the resource text formats.
#include "resources/resource_text.h"

#include <cctype>
#include <charconv>

namespace platform::ui::detail {

bool Tokenize(std::string_view line, std::vector<Token>& tokens, std::string& problem) {
  std::size_t at = 0;
  while (at < line.size()) {
    const char c = line[at];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++at;
      continue;
    }
    if (c != '"') {
      const std::size_t end = line.find_first_of(" \t\r\"", at);
      const std::size_t stop = end == std::string_view::npos ? line.size() : end;
      tokens.push_back({Token::Kind::Word, std::string(line.substr(at, stop - at))});
      at = stop;
      continue;
    }
    std::string text;
    ++at;
    for (;;) {
      if (at >= line.size()) {
        problem = "unterminated text";
        return false;
      }
      const char t = line[at++];
      if (t == '"') break;
      if (t != '\\') {
        text += t;
        continue;
      }
      if (at >= line.size()) {
        problem = "unterminated text";
        return false;
      }
      const char escaped = line[at++];
      switch (escaped) {
        case '"': text += '"'; break;
        case '\\': text += '\\'; break;
        case 'n': text += '\n'; break;
        case 't': text += '\t'; break;
        default: problem = std::string("unknown escape \\") + escaped; return false;
      }
    }
    tokens.push_back({Token::Kind::Text, std::move(text)});
  }
  return true;
}

bool ParseNumber(const Token& token, long long& value) {
  if (token.kind != Token::Kind::Word || token.value.empty()) return false;
  std::string_view text = token.value;
  bool negative = false;
  if (text.front() == '-') {
    negative = true;
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  unsigned long long magnitude = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
  if (error != std::errc() || end != text.data() + text.size() || magnitude > 0xFFFFFFFFull) return false;
  value = negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
  return true;
}

bool LineCursor::next(std::string_view& line, int& number) {
  while (at_ <= text_.size()) {
    const std::size_t end = text_.find('\n', at_);
    std::string_view raw = text_.substr(at_, end == std::string_view::npos ? std::string_view::npos : end - at_);
    at_ = end == std::string_view::npos ? text_.size() + 1 : end + 1;
    ++number_;
    const std::size_t first = raw.find_first_not_of(" \t\r");
    if (first == std::string_view::npos || raw[first] == '#') continue;
    raw.remove_prefix(first);
    raw.remove_suffix(raw.size() - (raw.find_last_not_of(" \t\r") + 1));
    line = raw;
    number = number_;
    return true;
  }
  return false;
}

int FirstLineNumber(std::string_view text) {
  LineCursor lines(text);
  std::string_view line;
  int number = 0;
  return lines.next(line, number) ? number : 0;
}

int LineOfKeyword(std::string_view text, std::string_view keyword) {
  LineCursor lines(text);
  std::string_view line;
  int number = 0;
  while (lines.next(line, number))
    if (line.substr(0, line.find_first_of(" \t")) == keyword) return number;
  return 0;
}

bool ResourceParser::failed(int line, std::string message) {
  error_.line = line;
  error_.message = std::move(message);
  return false;
}

bool ResourceParser::tokenize(std::string_view line, int lineNumber, std::vector<Token>& tokens) {
  tokens.clear();
  std::string problem;
  if (!Tokenize(line, tokens, problem)) return failed(lineNumber, problem);
  if (tokens.empty() || tokens[0].kind != Token::Kind::Word)
    return failed(lineNumber, "a line must start with a keyword");
  return true;
}

bool ResourceParser::number(const Token& token, int line, const char* what, long long low, long long high, int& out) {
  long long value = 0;
  if (!ParseNumber(token, value) || value < low || value > high)
    return failed(line, std::string("bad ") + what + " '" + token.value + "'");
  out = static_cast<int>(value);
  return true;
}

bool ResourceParser::expect(const std::vector<Token>& tokens, std::size_t count, int line, const char* usage) {
  if (tokens.size() < count) return failed(line, std::string("expected: ") + usage);
  return true;
}

bool ResourceParser::noMore(const std::vector<Token>& tokens, std::size_t used, int line) {
  if (tokens.size() > used) return failed(line, "unexpected '" + tokens[used].value + "'");
  return true;
}

bool ResourceParser::quoted(const Token& token, int line, const char* what, std::string& out) {
  if (token.kind != Token::Kind::Text) return failed(line, std::string("the ") + what + " must be a quoted text");
  out = token.value;
  return true;
}

bool ResourceParser::id(const Token& token, int line, std::optional<ResourceId>& out) {
  const std::string& word = token.value;
  if (token.kind == Token::Kind::Word && !word.empty() && std::isalpha(static_cast<unsigned char>(word[0]))) {
    for (const char c : word)
      if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return failed(line, "bad id '" + word + "'");
    out = ResourceId(word);
    return true;
  }
  int value = 0;
  if (!number(token, line, "id", 1, 0xFFFF, value)) return false;
  out = ResourceId(value);
  return true;
}

bool ResourceParser::header(std::string_view keyword, const std::vector<Token>& tokens, int line,
                            std::optional<ResourceId>& out) {
  const std::string usage = std::string(keyword) + " <id>";
  if (tokens[0].value != keyword) return failed(line, "the first line must be '" + usage + "'");
  return expect(tokens, 2, line, usage.c_str()) && id(tokens[1], line, out) && noMore(tokens, 2, line);
}

bool ResourceParser::parseText(std::string_view text, std::string_view keyword, ResourceId& id,
                               const EntryReader& entry) {
  LineCursor lines(text);
  std::string_view line;
  int number = 0;
  std::vector<Token> tokens;
  if (!lines.next(line, number)) return failed(0, "no '" + std::string(keyword) + "' line");
  std::optional<ResourceId> named;
  if (!tokenize(line, number, tokens) || !header(keyword, tokens, number, named)) return false;
  id = *named;
  while (lines.next(line, number))
    if (!tokenize(line, number, tokens) || !entry(tokens, number, lines)) return false;
  return true;
}

}  // namespace platform::ui::detail
