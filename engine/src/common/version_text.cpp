#include "common/version_text.h"

#include <string>

#include "engine_version.h"
#include "platform/kernel/fixed_format.h"

namespace vorn {
namespace {

void PutPiece(VersionText& text, platform::FieldSpan piece, std::string_view value) {
  // Each piece keeps at least one NUL unless its value fills it exactly.
  text.setText(piece, value.substr(0, piece.width), '\0');
}

}  // namespace

VersionText EngineVersionText() {
  VersionText text;  // cleared
  const platform::FileVersionInfo name(&kEngineVersionBlock, "040904b0", "ProductName");
  const platform::FileVersionInfo version(&kEngineVersionBlock, "040904b0", "ProductVersion");
  std::string major, minor, build;
  if (std::optional<platform::VersionNumbers> n = platform::ParseVersionNumbers(version.value())) {
    major = std::to_string(n->major);
    minor = std::to_string(n->minor);
    if (n->release > 0) minor.push_back(static_cast<char>(96 + n->release));
    build = std::to_string(n->build);
  }
  using namespace version_text;
  for (auto [namePiece, majorPiece, minorPiece] :
       {std::array{kName1, kMajor1, kMinor1}, std::array{kName2, kMajor2, kMinor2},
        std::array{kName3, kMajor3, kMinor3}}) {
    PutPiece(text, namePiece, name.value());
    PutPiece(text, majorPiece, major);
    PutPiece(text, minorPiece, minor);
  }
  PutPiece(text, kBuild, build.substr(0, kBuild.width - 1));
  return text;
}

std::string_view VersionPiece(const VersionText& text, platform::FieldSpan piece) {
  return platform::UntilNul(text.text(piece));
}

}  // namespace vorn
