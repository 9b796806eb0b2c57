// The tariff factor file (letter F): text lines of at most 256 bytes.
// Parameter lines begin with '*' ("* RADJF = 1.05"); data lines begin with a
// blank; other lines are not read. Two formats, by tariff type:
// - types '0' to '7': one section: set count, a set number per line, class
//   count and a class per line, break count and a break weight per line
//   (descending), then per set a factor per class and a factor per break (a
//   package tariff's file holds three such sections: the services of the
//   shipment, then the 'E' and the 'G' services with their tiers as set
//   numbers and the weight breaks of their hundredweight rates);
// - types 'A' and up: sections of a class line, a break line, a kind line,
//   a factor line per class (one factor per break) and, for types 'D' and
//   'H', further factors, one per break (and one more for 'H'), on as many
//   lines as they take; read up to the section whose kind is the tariff's.
// Factors are fixed point with 4 decimals (1.5 is 15000).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "formats/parameter_line.h"
#include "formats/parameter_table.h"
#include "formats/tariff_classes.h"

namespace vorn {

inline constexpr std::size_t kFactorsPerRow = 25;
inline constexpr std::size_t kFactorRows = 25;
inline constexpr std::size_t kMaxSets = 25;
inline constexpr std::size_t kMaxCityAddOns = 80;

// Percentages in hundredths, a row per class: letter types by class and
// break (0: the nearest non-zero break to the left); digit types by set and
// class.
using ClassPercentMatrix = std::array<std::array<std::int32_t, kFactorsPerRow>, kMaxClasses>;

struct TariffFactors {
  ClassPercentMatrix classPercent{};
  // Factor rows: digit types by set and break; types 'D' and 'H' one row
  // per break.
  std::array<std::array<std::int32_t, kFactorsPerRow>, kFactorRows> factorRows{};
  std::int16_t setCount = 0;
  std::array<std::int16_t, kMaxSets> setNumbers{};
  std::int16_t sectionKind = 0;
  std::vector<BreakListEntry> breakList;                // BRKS
  std::vector<BreakListEntry> breakList2;               // BRK2
  std::vector<std::array<std::int32_t, 2>> cityAddOns;  // HCITY
  std::array<char, 2> cityAddOnCode{};                  // the NCITY selected
};

struct FactorFileContext {
  char tariffType = '0';
  char tariffLetter = 'N';
  std::uint16_t kind = 0;
  std::array<char, 2> lightEditionCode{};  // the table code NCITY lines are matched with
  int digitSection = 1;                    // types '0' to '7': the section read (from 1)
};

// Reads the factor file's text into the tariff's classes and breaks (in
// core), its factors and the named parameters. Answers the last parameter
// error of a letter-type file (224 for an 81st HCITY line), else 0.
std::int16_t ReadFactorFile(std::string_view text, const FactorFileContext& context, TariffClassesAndBreaks& core,
                            TariffFactors& factors, ParameterTable& parameters);

// A factor in fixed point with 4 decimals; a number written with 4 or more
// decimals is taken as its digits.
std::int32_t ParseFactor(std::string_view token);

}  // namespace vorn
