#include "calculator/density_list.h"

#include <array>
#include <cstdlib>

#include "platform/kernel/fixed_format.h"

namespace qiv::density {
namespace {

std::string Decimal(double value) { return platform::DecimalText(value, 9, 1); }

std::string Unit(std::string_view unit) {
  std::string text(unit.substr(0, 3));
  if (text.size() < 3) text.insert(0, 3 - text.size(), ' ');
  return text;
}

// The row's tab-separated fields.
std::vector<std::string_view> Fields(std::string_view row) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = row.find('\t', start);
    fields.push_back(row.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

char FirstNonBlank(std::string_view text) {
  const std::size_t at = text.find_first_not_of(' ');
  return at == std::string_view::npos ? ' ' : text[at];
}

// Cubic units of the row's dimension unit in the density's cubic unit.
double CubeFactor(char dimensionUnit, bool pounds) {
  switch (dimensionUnit) {
    case 'F': return pounds ? 1.0 : 0.0283;
    case 'I': return pounds ? 0.0005787 : 0.0000164;
    case 'M': return pounds ? 35.3134 : 1.0;
    case 'c': return pounds ? 0.0000353 : 0.000001;
    default: return 0;
  }
}

struct Limit {
  char unit;
  double length, height, width;
  const char* lengthText;
  const char* heightText;
  const char* widthText;
};
constexpr std::array<Limit, 4> kLimits{{
    {'F', 48, 8, 8, "Length exceeds 48 feet.", "Height exceeds 8 feet.", "Width exceeds 8 feet."},
    {'I', 576, 96, 96, "Length exceeds 576 inches.", "Height exceeds 96 inches.", "Width exceeds 96 inches."},
    {'M', 14.6, 2.4, 2.4, "Length exceeds 14.6 meters.", "Height exceeds 2.4 meters.", "Width exceeds 2.4 meters."},
    {'c', 1463, 243.8, 243.8, "Length exceeds 1463 centimeters.", "Height exceeds 243.8 centimeters.",
     "Width exceeds 243.8 centimeters."},
}};

}  // namespace

double NumberIn(std::string_view text) {
  const std::string copy(text);
  return std::strtod(copy.c_str(), nullptr);
}

std::string DensityRow(Rounding rndoff, double weight, std::string_view weightUnit, double length, double width,
                       double height, std::string_view dimensionUnit) {
  const auto r2 = [&](double v) { return rndoff(static_cast<float>(v), 2); };
  return Decimal(r2(weight)) + "\t" + Unit(weightUnit) + "\t" + Decimal(r2(length)) + "\t" + Decimal(r2(width)) + "\t" +
         Decimal(r2(height)) + "\t" + Unit(dimensionUnit);
}

Recomputed Recompute(Rounding rndoff, const std::vector<std::string>& rows, char densityUnit) {
  const auto r1 = [&](double v) { return rndoff(static_cast<float>(v), 1); };
  const bool pounds = densityUnit == 'L';
  Recomputed out;
  double totalWeight = 0;
  double totalCube = 0;
  for (const std::string& row : rows) {
    const std::vector<std::string_view> f = Fields(row);
    const auto field = [&](std::size_t i) { return i < f.size() ? f[i] : std::string_view(); };
    double w = r1(NumberIn(field(0)));
    const double l = r1(NumberIn(field(2)));
    const double b = r1(NumberIn(field(3)));
    const double h = r1(NumberIn(field(4)));
    const char weightUnit = FirstNonBlank(field(1));
    if (weightUnit == 'K' && pounds) w *= 2.205;
    if (weightUnit == 'L' && !pounds) w *= 0.4536;
    const double c = r1(l * b * h) * CubeFactor(FirstNonBlank(field(5)), pounds);
    double d = 0;
    if (c != 0) {
      d = r1(w / c);
      if (d < 0.1) d = 0.1;
    }
    out.rows.push_back(row.substr(0, kPieceTextLength) + "\t" + Decimal(r1(d)) + " ");
    totalWeight += w;
    totalCube += c;
  }
  double total = totalWeight > 0 && totalCube > 0 ? totalWeight / totalCube : 0;
  if (total < 0.1) total = 0.1;
  out.total = r1(total);
  return out;
}

std::optional<std::string> LimitWarning(Dimension dimension, char unit, double value) {
  for (const Limit& limit : kLimits) {
    if (limit.unit != unit) continue;
    switch (dimension) {
      case Dimension::Length: return value > limit.length ? std::optional<std::string>(limit.lengthText) : std::nullopt;
      case Dimension::Height: return value > limit.height ? std::optional<std::string>(limit.heightText) : std::nullopt;
      case Dimension::Width: return value > limit.width ? std::optional<std::string>(limit.widthText) : std::nullopt;
    }
  }
  return std::nullopt;
}

}  // namespace qiv::density
