#include "description/line_tokens.h"

#include "description/field_list.h"

namespace dataset {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads a quoted value starting at the opening quote; pos ends past the closing one.
std::string ReadQuoted(std::string_view line, std::size_t& pos) {
  std::string value;
  ++pos;
  while (pos < line.size() && line[pos] != '"') {
    char c = line[pos++];
    if (c != '\\') {
      value.push_back(c);
      continue;
    }
    if (pos >= line.size()) break;
    char e = line[pos++];
    switch (e) {
      case '"': value.push_back('"'); break;
      case '\\': value.push_back('\\'); break;
      case 'r': value.push_back('\r'); break;
      case 'n': value.push_back('\n'); break;
      case 't': value.push_back('\t'); break;
      case '0': value.push_back('\0'); break;
      case 'x': {
        int high = pos < line.size() ? HexDigit(line[pos]) : -1;
        int low = pos + 1 < line.size() ? HexDigit(line[pos + 1]) : -1;
        if (high < 0 || low < 0) throw FieldError("\\x must be followed by two hexadecimal digits");
        value.push_back(static_cast<char>(high * 16 + low));
        pos += 2;
        break;
      }
      default: throw FieldError(std::string("unknown escape \\") + e + " in a quoted value");
    }
  }
  if (pos >= line.size()) throw FieldError("quoted value is not closed");
  ++pos;
  return value;
}

}  // namespace

std::vector<Token> SplitTokens(std::string_view line) {
  std::vector<Token> tokens;
  std::size_t pos = 0;
  while (true) {
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
    if (pos >= line.size() || line[pos] == '#') break;
    Token token;
    while (pos < line.size() && !IsBlank(line[pos]) && line[pos] != '=') {
      if (line[pos] == '"') throw FieldError("a quote may only open a value (key=\"...\")");
      token.key.push_back(line[pos++]);
    }
    if (pos < line.size() && line[pos] == '=') {
      if (token.key.empty()) throw FieldError("'=' without a field name before it");
      ++pos;
      if (pos < line.size() && line[pos] == '"') {
        token.value = ReadQuoted(line, pos);
        if (pos < line.size() && !IsBlank(line[pos]))
          throw FieldError("field '" + token.key + "': text after the closing quote");
      } else {
        std::string value;
        while (pos < line.size() && !IsBlank(line[pos])) {
          if (line[pos] == '"') throw FieldError("field '" + token.key + "': a quote inside a bare value");
          value.push_back(line[pos++]);
        }
        token.value = std::move(value);
      }
    }
    tokens.push_back(std::move(token));
  }
  return tokens;
}

std::string QuoteValue(std::string_view value) {
  bool bare = !value.empty();
  for (char c : value) {
    const auto u = static_cast<unsigned char>(c);
    if (u <= 0x20 || u >= 0x7F || c == '"' || c == '\\') bare = false;
  }
  return bare ? std::string(value) : QuotedText(value);
}

std::string QuotedText(std::string_view value) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out = "\"";
  for (char c : value) {
    const auto u = static_cast<unsigned char>(c);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      default:
        if (u < 0x20 || u >= 0x7F) {
          out += "\\x";
          out.push_back(kHex[u >> 4]);
          out.push_back(kHex[u & 0xF]);
        } else {
          out.push_back(c);
        }
    }
  }
  out += '"';
  return out;
}

}  // namespace dataset
