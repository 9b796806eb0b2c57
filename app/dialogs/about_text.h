// The About box's text: about.fil (English) or aboutsp.fil (Spanish) in the
// data directory, 20 fixed lines of 92 bytes (1840 bytes). Of each line the
// first 91 bytes are the text, up to a NUL, with the white space at its end
// (blanks, a CR) dropped; byte 91 is never text. A shorter file gives the
// lines it holds (a cut last line as far as it goes), the rest empty; a
// missing file, all empty.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "language/language.h"

namespace qiv {

inline constexpr std::size_t kAboutLines = 20;
inline constexpr std::size_t kAboutLineSize = 92;

using AboutText = std::array<std::string, kAboutLines>;

AboutText ParseAboutText(std::span<const std::uint8_t> bytes);
AboutText LoadAboutText(std::string_view dataDirectory, Language language);

}  // namespace qiv
