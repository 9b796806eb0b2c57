#include "calculator/unit_conversion_table.h"

#include <initializer_list>
#include <utility>

namespace qiv::unit_conversion {
namespace {

struct Target {
  const char* name;
  float factor;
};
struct Unit {
  const char* source;
  std::initializer_list<Target> targets;
};

const Unit kUnits[kRows] = {
    {"Cubic Inches",
     {{"Cubic Feet", 0.0005787f},
      {"Cubic Yards", 0.0000214f},
      {"Cubic Centimeters", 16.38f},
      {"Cubic Meters", 0.0000164f}}},
    {"Cubic Feet",
     {{"Cubic Inches", 1728.0f},
      {"Cubic Yards", 0.037037f},
      {"Cubic Centimeters", 28300.0f},
      {"Cubic Meters", 0.0283f}}},
    {"Cubic Yards",
     {{"Cubic Inches", 46656.0f}, {"Cubic Feet", 27.0f}, {"Cubic Centimeters", 764700.0f}, {"Cubic Meters", 0.7647f}}},
    {"Cubic Centimeters",
     {{"Cubic Inches", 0.061f},
      {"Cubic Feet", 0.0000353f},
      {"Cubic Yards", 0.000001308f},
      {"Cubic Meters", 0.000001f}}},
    {"Cubic Meters",
     {{"Cubic Inches", 61000.0f},
      {"Cubic Feet", 35.3134f},
      {"Cubic Yards", 1.308f},
      {"Cubic Centimeters", 1000000.0f}}},
    {"Inches",
     {{"Feet", 0.0833f},
      {"Yards", 0.0277f},
      {"Miles", 0.0000158f},
      {"Centimeters", 2.54f},
      {"Meters", 0.0254f},
      {"Kilometers", 0.0000254f}}},
    {"Feet",
     {{"Inches", 12.0f},
      {"Yards", 0.3333f},
      {"Miles", 0.0001894f},
      {"Centimeters", 30.48f},
      {"Meters", 0.3048f},
      {"Kilometers", 0.0003048f}}},
    {"Yards",
     {{"Inches", 36.0f},
      {"Feet", 3.0f},
      {"Miles", 0.000568f},
      {"Centimeters", 91.44f},
      {"Meters", 0.9144f},
      {"Kilometers", 0.0009144f}}},
    {"Miles",
     {{"Inches", 63360.0f},
      {"Feet", 5280.0f},
      {"Yards", 1760.0f},
      {"Centimeters", 160900.0f},
      {"Meters", 1609.0f},
      {"Kilometers", 1.609f}}},
    {"Centimeters",
     {{"Inches", 0.3937f},
      {"Feet", 0.0328f},
      {"Yards", 0.0109f},
      {"Miles", 0.0000062f},
      {"Meters", 0.01f},
      {"Kilometers", 0.00001f}}},
    {"Meters",
     {{"Inches", 39.37f},
      {"Feet", 3.2808f},
      {"Yards", 1.094f},
      {"Miles", 0.0006214f},
      {"Centimeters", 100.0f},
      {"Kilometers", 0.001f}}},
    {"Kilometers",
     {{"Inches", 39371.9f},
      {"Feet", 3280.992f},
      {"Yards", 1093.664f},
      {"Miles", 0.6214f},
      {"Centimeters", 100000.0f},
      {"Meters", 1000.0f}}},
    {"Ounces", {{"Pounds", 0.0625f}, {"Grams", 28.35f}, {"Kilograms", 0.02835f}}},
    {"Pounds", {{"Ounces", 16.0f}, {"Grams", 453.6f}, {"Kilograms", 0.4536f}}},
    {"Grams", {{"Ounces", 0.0353f}, {"Pounds", 0.002205f}, {"Kilograms", 0.001f}}},
    {"Kilograms", {{"Ounces", 35.28f}, {"Pounds", 2.205f}, {"Grams", 1000.0f}}},
    {"Square Inches",
     {{"Square Feet", 0.00694f},
      {"Square Yards", 0.00077f},
      {"Square Centimeters", 6.452f},
      {"Square Meters", 0.0006452f}}},
    {"Square Feet",
     {{"Square Inches", 144.0f},
      {"Square Yards", 0.11111f},
      {"Square Centimeters", 929.0f},
      {"Square Meters", 0.0929f}}},
    {"Square Yards",
     {{"Square Inches", 1296.0f}, {"Square Feet", 9.0f}, {"Square Centimeters", 8361.0f}, {"Square Meters", 0.8361f}}},
    {"Square Centimeters",
     {{"Square Inches", 0.155f}, {"Square Feet", 0.001076f}, {"Square Yards", 0.0001196f}, {"Square Meters", 0.0001f}}},
    {"Square Meters",
     {{"Square Inches", 1550.0f}, {"Square Feet", 10.76f}, {"Square Yards", 1.196f}, {"Square Centimeters", 10000.0f}}},
    {"U.S. Quarts", {{"U.S. Gallons", 0.25f}, {"Liters", 0.9464f}}},
    {"U.S. Gallons", {{"U.S. Quarts", 4.0f}, {"Liters", 3.785f}}},
    {"Liters", {{"U.S. Quarts", 1.057f}, {"U.S. Gallons", 0.2642f}}},
    {"Fahrenheit Degrees", {{"Centigrade Degrees", 0.5556f}}},
    {"Centigrade Degrees", {{"Fahrenheit Degrees", 1.8f}}},
    {"Cents per 100 pounds", {{"Cents per Kilogram", 0.02205f}}},
    {"Cents per Mile", {{"Cents per Kilometer", 0.6214f}}},
};

std::string NameIn(const Row& row, platform::FieldSpan field) {
  const std::string_view text = row.text(field);
  return std::string(text.substr(0, text.find('\0')));
}

}  // namespace

Table::Table() {
  for (std::size_t r = 0; r < kRows; ++r) {
    Row& row = rows_[r];
    row.setText(kSource, kUnits[r].source, '\0');
    std::size_t slot = 0;
    for (const Target& target : kUnits[r].targets) {
      row.setText(TargetName(slot), target.name, '\0');
      row.setFloat(TargetFactor(slot).offset, target.factor);
      ++slot;
    }
    for (; slot < kSlots; ++slot) row.setText(TargetName(slot), "", '\0');
  }
}

std::string Table::sourceName(std::size_t row) const { return NameIn(rows_.at(row), kSource); }

std::string Table::targetName(std::size_t row, std::size_t slot) const {
  return NameIn(rows_.at(row), TargetName(slot));
}

float Table::factor(std::size_t row, std::size_t slot) const {
  return rows_.at(row).floatAt(TargetFactor(slot).offset);
}

}  // namespace qiv::unit_conversion
