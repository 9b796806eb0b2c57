// Version blocks. Modules here carry no version resource; each module's
// block is a set of constants its build supplies, read through the same
// queries a version resource answers. A library offers its block to others
// by exporting the function kVersionBlockExport (ModuleVersionBlockFunction).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

struct VersionBlock {
  std::string_view languageBlock;   // e.g. "040904b0"
  std::string_view productName;     // the "ProductName" string
  std::string_view productVersion;  // the "ProductVersion" string, "a,b,c,d"
  std::string_view fileVersion;     // the "FileVersion" string, "a,b,c,d"
};

struct VersionNumbers {
  int major = 0;
  int minor = 0;
  int release = 0;
  int build = 0;
};

// Reads "%d,%d,%d,%d"; nothing when fewer than four numbers are present.
std::optional<VersionNumbers> ParseVersionNumbers(std::string_view text);

// The three texts a version query gives for one string value: the value
// itself and the fixed file and product versions as "%u,%u,%u,%u". A missing
// block leaves all three empty; a missing value or another language block
// leaves the first empty.
// The name and type of the function a library exports its block with.
inline constexpr const char* kVersionBlockExport = "ModuleVersionBlock";
using ModuleVersionBlockFunction = const VersionBlock* (*)();

// The block a loaded library exports (by the loader's handle); null when
// it exports none.
const VersionBlock* ModuleVersionBlock(void* nativeHandle);

class FileVersionInfo {
 public:
  FileVersionInfo(const VersionBlock* block, std::string_view languageBlock, std::string_view valueName);

  const std::string& value() const { return value_; }
  const std::string& fileVersion() const { return fileVersion_; }
  const std::string& productVersion() const { return productVersion_; }

 private:
  std::string value_;
  std::string fileVersion_;
  std::string productVersion_;
};

}  // namespace platform
