// Rounding of money held as floating point: floor(value x 10^n + 0.51) / 10^n,
// with the bias 0.51 that the rates were published with (12.4921875 rounds
// to 13 at no decimals).
#pragma once

#include <cmath>

namespace vorn {

inline double RoundMoney(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return std::floor(value * scale + 0.51) / scale;
}

}  // namespace vorn
