// The process environment.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The value of the variable, or nothing when it is not set.
std::optional<std::string> EnvironmentVariable(std::string_view name);

}  // namespace platform
