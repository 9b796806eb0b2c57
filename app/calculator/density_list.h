// The density calculator's list: one row a piece, "%9.1f\t%3s\t%9.1f\t%9.1f\t%9.1f\t%3s"
// of weight, weight unit ("Lbs", "Kgs"), length, width, height and dimension
// unit ("In.", "Ft.", "M. ", "cm."), 47 characters, followed after each
// recomputation by "\t%9.1f " of the piece's density. Every rounding goes
// through the rating-function library's rndoff.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qiv::density {

using Rounding = double (*)(float value, int decimals);

inline constexpr std::size_t kPieceTextLength = 47;

// The row of a new piece; each value is first rounded to 2 decimals.
std::string DensityRow(Rounding rndoff, double weight, std::string_view weightUnit, double length, double width,
                       double height, std::string_view dimensionUnit);

// Each row's density in the unit ('L' pounds per cubic foot, 'K' kilograms
// per cubic metre) put after its piece, and the shipment's density.
struct Recomputed {
  std::vector<std::string> rows;
  double total = 0;
};
Recomputed Recompute(Rounding rndoff, const std::vector<std::string>& rows, char densityUnit);

// The warning for a dimension above its limit in the unit (by the unit's
// first character: 'F', 'I', 'M', 'c'); nothing within it.
enum class Dimension { Length, Height, Width };
std::optional<std::string> LimitWarning(Dimension dimension, char unit, double value);

// A field's text as a number, as the C library's atof reads it (0 when it
// holds none).
double NumberIn(std::string_view text);

}  // namespace qiv::density
