#include "shell/version_info.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "platform/kernel/path.h"

namespace qiv {

namespace {
constexpr const char* kLanguageBlock = "040904b0";
constexpr std::size_t kValueLimit = 80;
}  // namespace

const platform::VersionBlock& ProgramVersionBlock() {
  static constexpr platform::VersionBlock kBlock{kLanguageBlock, "QIV Freight Rating", "2,0,0,1", "2,0,0,1"};
  return kBlock;
}

VersionInfo QueryVersionInfo(const platform::VersionBlock* block, std::string_view valueName) {
  const platform::FileVersionInfo info(block, kLanguageBlock, valueName);
  return {info.value().substr(0, kValueLimit), info.fileVersion(), info.productVersion()};
}

std::uint32_t FormatVersionText(const platform::VersionBlock* block, VersionText& text) {
  text.fill('\0');
  const std::string name = QueryVersionInfo(block, "ProductName").value;
  std::memcpy(text.data(), name.data(), std::min<std::size_t>(name.size(), 63));
  const std::optional<platform::VersionNumbers> numbers =
      platform::ParseVersionNumbers(QueryVersionInfo(block, "ProductVersion").value);
  if (!numbers) return 0;
  std::snprintf(text.data() + 64, 3, "%d", numbers->major);
  std::snprintf(text.data() + 67, 3, "%d", numbers->minor);
  if (numbers->release > 0) text[70] = static_cast<char>('a' + std::min(numbers->release, 26) - 1);
  std::snprintf(text.data() + 72, text.size() - 72, "%d", numbers->build);
  return (static_cast<std::uint32_t>(numbers->major & 0xFFFF) << 16) |
         static_cast<std::uint32_t>(numbers->minor & 0xFFFF);
}

std::uint32_t ReadModuleVersion(const platform::Module& module, VersionText& text) {
  return FormatVersionText(platform::ModuleVersionBlock(module.nativeHandle()), text);
}

std::uint32_t ReadFileVersion(std::string_view path, VersionText& text) {
  const std::string program = platform::ModulePathOf(reinterpret_cast<const void*>(&ProgramVersionBlock));
  std::error_code error;
  const std::optional<std::string> found = platform::FindExistingPath(path);
  if (found && !program.empty() && std::filesystem::equivalent(*found, program, error))
    return FormatVersionText(&ProgramVersionBlock(), text);
  const platform::Module module = platform::Module::Load(path);
  return ReadModuleVersion(module, text);
}

}  // namespace qiv
