// The words of a factor file (NAME.Fss): its kinds of lines, the parameter
// table, and the forms of the values on data lines.
//
// A line that begins with '*' followed by a character other than CR or LF
// is a parameter line ("* RADJF = 1.05"); a line that begins with a blank
// is a data line; the reader skips any other line. Lines are read with a
// 256-byte buffer, so a line (its line feed included) holds at most 255
// bytes.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace dataset::factor {

inline constexpr std::size_t kLongestLine = 255;
inline constexpr std::size_t kMostClasses = 20;
inline constexpr std::size_t kMostBreaks = 20;
inline constexpr std::size_t kMostRowFactors = 25;  // per factor-table row
inline constexpr std::size_t kMostCityAddOns = 80;  // HCITY lines per section
inline constexpr std::size_t kPackageSections = 3;  // of a package tariff's digit-format file

enum class LineKind { Parameter, Data, Skipped };

LineKind KindOfLine(std::string_view line);

// The words of a data line (split at blanks, tabs, CR and LF).
std::vector<std::string_view> DataWords(std::string_view line);

// A parameter line as the engine reads it: leading "* " pairs skipped, the
// rest split at blanks, '=', tabs, CR and LF; the name and its values.
struct ParameterLine {
  std::string_view name;
  std::vector<std::string_view> values;
};
ParameterLine ReadParameterLine(std::string_view line);

// True for a name of the engine's parameter table (MC_ADDON, RADJF, ...).
bool IsParameterName(std::string_view name);

// What is wrong with a parameter's values, or nothing.
std::optional<std::string> ParameterProblem(std::string_view name, std::span<const std::string_view> values);

// What is wrong with a value of each form, or nothing.
std::optional<std::string> FactorProblem(std::string_view text);                        // "1.0", "1.5", "2"
std::optional<std::string> ClassCodeProblem(std::string_view text, bool packageCodes);  // "FAK", "100"
std::optional<std::string> WholeNumberProblem(std::string_view text);                   // counts, weights, kinds

// The whole number of a text WholeNumberProblem accepts.
long long WholeNumber(std::string_view text);

// True for the tariff types of the digit format ('0'-'7'); letters 'A' and
// up read the letter format.
bool IsDigitFormat(char tariffType);
bool IsTariffType(char tariffType);

// What of the tariff shapes its factor file: the tariff type (the format),
// and whether the class codes are a package tariff's (type '0' with tariff
// letter 'P'), which the engine keeps as they stand.
struct FactorFormat {
  char type;
  bool packageCodes = false;
};

// The defaults of the builder: the 18 classes of the rating screen and the
// nine breaks of 0 to 40000 pounds.
inline constexpr std::string_view kDefaultClasses = "500 400 300 250 200 175 150 125 110 100 92 85 77 70 65 60 55 50";
inline constexpr std::string_view kDefaultBreaksAscending = "0 500 1000 2000 5000 10000 20000 30000 40000";
inline constexpr std::string_view kDefaultBreaksDescending = "40000 30000 20000 10000 5000 2000 1000 500 0";
inline constexpr std::string_view kDefaultFactor = "1.0";

// The items that both formats take: a parameter line, and a line as it stands.
inline constexpr std::string_view kParameterItem = "parameter";
inline constexpr std::string_view kLineItem = "line";

}  // namespace dataset::factor
