// The versions of the program and of the libraries it loads, read from
// their version blocks: one string value with the fixed file and product
// versions ("%u,%u,%u,%u"), and the version text
//   offset  0  the product name ("%s")
//          64  the first number of ProductVersion ("%d")
//          67  the second ("%d")
//          70  a letter for the third: 'a' for 1, 'b' for 2, ...; nothing
//              for 0 or less
//          72  the fourth ("%d")
// whose answer is the first number in the high 16 bits and the second in
// the low 16. A ProductVersion that is not four numbers separated by
// commas leaves the numbers out and answers 0.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/kernel/module_loader.h"
#include "platform/kernel/version_block.h"

namespace qiv {

struct VersionInfo {
  std::string value;  // one StringFileInfo value, at most 80 characters
  std::string fileVersion;
  std::string productVersion;
};

using VersionText = std::array<char, 80>;

// The value of the "040904b0" block; empty texts for no block.
VersionInfo QueryVersionInfo(const platform::VersionBlock* block, std::string_view valueName);
// The version text of a block (see above) and its number.
std::uint32_t FormatVersionText(const platform::VersionBlock* block, VersionText& text);
// A loaded library's version.
std::uint32_t ReadModuleVersion(const platform::Module& module, VersionText& text);
// A file's: the program's own path reads the program's block, a library
// is loaded for its block and let go.
std::uint32_t ReadFileVersion(std::string_view path, VersionText& text);

// The program's own block.
const platform::VersionBlock& ProgramVersionBlock();

}  // namespace qiv
