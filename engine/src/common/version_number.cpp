#include "common/version_number.h"

#include <optional>

#include "engine_version.h"

namespace vorn {

int EngineVersionNumber() {
  static const int number = [] {
    std::optional<platform::VersionNumbers> n = platform::ParseVersionNumbers(kEngineVersionBlock.productVersion);
    return n ? n->major * 100 + n->minor : 0;
  }();
  return number;
}

}  // namespace vorn
