// Rounding of money held as floating point: floor(value x 10^n + 0.51) / 10^n,
// with the bias 0.51 that the rates were published with (12.4921875 rounds
// to 13 at no decimals, 2.49 to 3 and 2.48 to 2; -1.2 gives -1).
#pragma once

#include <cmath>

namespace platform {

inline double RoundMoney(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return std::floor(value * scale + 0.51) / scale;
}

}  // namespace platform
