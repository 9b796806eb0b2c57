#include "shell/command_line.h"

#include <strings.h>

namespace qiv {

bool HasPriceSheetSwitch(std::string_view commandLine) {
  return commandLine.size() >= 4 && ::strncasecmp(commandLine.data(), "RBNO", 4) == 0;
}

bool HasIncreaseFactorSwitch(std::string_view commandLine) {
  static constexpr std::string_view kFactor = "FACTOR";
  for (std::size_t at = 0; at + kFactor.size() <= commandLine.size(); ++at)
    if (::strncasecmp(commandLine.data() + at, kFactor.data(), kFactor.size()) == 0) return true;
  return false;
}

}  // namespace qiv
