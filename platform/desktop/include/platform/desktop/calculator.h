// The desktop's calculator, started for the user and left running.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/desktop/desktop_result.h"

namespace platform::desktop {

class Calculator {
 public:
  virtual ~Calculator() = default;
  // Starts the calculator; NoProgram when none is installed.
  virtual DesktopResult start() = 0;
};

// The calculators looked for, the desktops' own first.
std::vector<std::string> KnownCalculators();

struct DesktopCalculatorOptions {
  // Where the calculators are looked up (as PATH); nothing: the environment's PATH.
  std::optional<std::string> searchPath = std::nullopt;
  std::vector<std::string> programs = KnownCalculators();
};

// Starts the first of the programs found on the search path, without
// arguments, and forgets it.
class DesktopCalculator final : public Calculator {
 public:
  explicit DesktopCalculator(DesktopCalculatorOptions options = {});
  DesktopResult start() override;

 private:
  DesktopCalculatorOptions options_;
};

}  // namespace platform::desktop
