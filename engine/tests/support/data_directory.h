// Test support: a temporary data directory built from a data-set description.
#pragma once

#include <string>
#include <string_view>

#include "platform/testing/temp_directory.h"

namespace vorn::testing {

// The smallest set an engine initialises on: one tariff, one selection line,
// one state.
inline constexpr std::string_view kMinimalDataSet = R"(
efcrec
  record
tds
  entry
tda
  state
)";

class DataDirectory : public platform::testing::TempDirectory {
 public:
  explicit DataDirectory(std::string_view description = kMinimalDataSet);
  // Builds (more) files into the directory; raw skips the builder's checks.
  void build(std::string_view description, bool raw = false) const;
};

}  // namespace vorn::testing
