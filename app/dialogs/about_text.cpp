#include "dialogs/about_text.h"

#include <algorithm>

#include "platform/kernel/file.h"

namespace qiv {

AboutText ParseAboutText(std::span<const std::uint8_t> bytes) {
  AboutText lines;
  for (std::size_t i = 0; i < kAboutLines && i * kAboutLineSize < bytes.size(); ++i) {
    const std::span<const std::uint8_t> line =
        bytes.subspan(i * kAboutLineSize, std::min(kAboutLineSize - 1, bytes.size() - i * kAboutLineSize));
    std::string text(reinterpret_cast<const char*>(line.data()), line.size());
    text = text.substr(0, text.find('\0'));
    while (!text.empty() && (text.back() == ' ' || text.back() == '\r' || text.back() == '\n' || text.back() == '\t'))
      text.pop_back();
    lines[i] = std::move(text);
  }
  return lines;
}

AboutText LoadAboutText(std::string_view dataDirectory, Language language) {
  const char* name = language == Language::Spanish ? "aboutsp.fil" : "about.fil";
  const auto bytes = platform::ReadWholeFile(std::string(dataDirectory) + name);
  return bytes ? ParseAboutText(*bytes) : AboutText{};
}

}  // namespace qiv
