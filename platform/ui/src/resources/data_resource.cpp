// The raw data format (".data"), with the rules of every resource text
// (resource.h): a block of bytes the program reads as it likes.
//
//   data <id>                               first, once
//   u8 <value>...                           bytes
//   u16 <value>...                          16-bit values, little-endian
//   u32 <value>...                          32-bit values, little-endian
//
// The values are unsigned and must fit their width; the lines' values
// follow each other without padding. A block holds at least one value.
// A table of pairs is written one pair a line, e.g. the help topics:
//
//   data HELPTRAN
//   # id    context
//   u16 32789 1
//   u16 0 0
#include "resources/resource_formats.h"
#include "resources/resource_text.h"

namespace platform::ui::detail {

namespace {

struct Width {
  const char* word;
  int bytes;
};
constexpr Width kWidths[] = {{"u8", 1}, {"u16", 2}, {"u32", 4}};

class DataParser : public ResourceParser {
 public:
  using ResourceParser::ResourceParser;

  std::optional<DataResource> parse(std::string_view text) {
    if (!parseText(text, "data", result_.id, [this](const std::vector<Token>& tokens, int line, LineCursor&) {
          return parseValues(tokens, line);
        }))
      return std::nullopt;
    if (result_.bytes.empty()) return fail(0, "no data");
    return std::move(result_);
  }

 private:
  bool parseValues(const std::vector<Token>& tokens, int line) {
    const Width* width = FindWordIn(kWidths, tokens[0].value);
    if (width == nullptr) return failed(line, "unknown keyword '" + tokens[0].value + "'");
    if (!expect(tokens, 2, line, "u8|u16|u32 <value>...")) return false;
    const long long most = (1ll << (8 * width->bytes)) - 1;
    for (std::size_t i = 1; i < tokens.size(); ++i) {
      long long value = 0;
      if (!ParseNumber(tokens[i], value) || value < 0 || value > most)
        return failed(line, "bad " + tokens[0].value + " value '" + tokens[i].value + "'");
      for (int b = 0; b < width->bytes; ++b) result_.bytes.push_back(static_cast<std::uint8_t>(value >> (8 * b)));
    }
    return true;
  }

  DataResource result_;
};

}  // namespace

std::optional<DataResource> ParseDataResource(std::string_view text, ResourceError& error) {
  error = {};
  return DataParser(error).parse(text);
}

}  // namespace platform::ui::detail
