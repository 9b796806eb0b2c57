#include "platform/kernel/version_block.h"

#include "platform/kernel/fixed_format.h"
#include "platform/kernel/module_loader.h"

namespace platform {
namespace {

std::string FixedVersionText(std::string_view text) {
  std::optional<VersionNumbers> n = ParseVersionNumbers(text);
  if (!n) return {};
  auto part = [](int v) { return std::to_string(static_cast<unsigned>(v) & 0xFFFFu); };
  return part(n->major) + "," + part(n->minor) + "," + part(n->release) + "," + part(n->build);
}

}  // namespace

std::optional<VersionNumbers> ParseVersionNumbers(std::string_view text) {
  FieldScanner scanner(text);
  int parts[4];
  for (int i = 0; i < 4; ++i) {
    if (i > 0) {
      std::string_view rest = scanner.rest();
      // scanf skips white space before the literal ',' only through "%d".
      std::size_t p = 0;
      while (p < rest.size() && rest[p] == ' ') ++p;
      if (p >= rest.size() || rest[p] != ',') return std::nullopt;
      scanner = FieldScanner(rest.substr(p + 1));
    }
    std::optional<std::int32_t> v = scanner.number(32);
    if (!v) return std::nullopt;
    parts[i] = *v;
  }
  return VersionNumbers{parts[0], parts[1], parts[2], parts[3]};
}

const VersionBlock* ModuleVersionBlock(void* nativeHandle) {
  const auto function = reinterpret_cast<ModuleVersionBlockFunction>(SymbolOfModule(nativeHandle, kVersionBlockExport));
  return function != nullptr ? function() : nullptr;
}

FileVersionInfo::FileVersionInfo(const VersionBlock* block, std::string_view languageBlock,
                                 std::string_view valueName) {
  if (block == nullptr) return;
  fileVersion_ = FixedVersionText(block->fileVersion);
  productVersion_ = FixedVersionText(block->productVersion);
  if (languageBlock != block->languageBlock) return;
  if (valueName == "ProductName")
    value_ = block->productName;
  else if (valueName == "ProductVersion")
    value_ = block->productVersion;
  else if (valueName == "FileVersion")
    value_ = block->fileVersion;
}

}  // namespace platform
