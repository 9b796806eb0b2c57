#include "kinds/factor/factor_vocabulary.h"

#include <algorithm>

#include "layout/record_layout.h"

namespace dataset::factor {
namespace {

struct Parameter {
  std::string_view name;
  char type;  // B yes/no, C characters, F float, I 16-bit, L 32-bit
};

constexpr Parameter kParameters[] = {
    {"MC_ADDON", 'F'}, {"SS_MC_ADDON", 'F'}, {"QIV_MC", 'B'}, {"LA_PCT", 'C'}, {"ONE_LA", 'B'},       {"BRKS", 'C'},
    {"BRK2", 'C'},     {"HCITY", 'L'},       {"NCITY", 'C'},  {"RADJF", 'F'},  {"NO_RBN_ADDON", 'B'},
};

std::vector<std::string_view> SplitAt(std::string_view text, std::string_view separators) {
  std::vector<std::string_view> words;
  std::size_t pos = 0;
  while (true) {
    const std::size_t start = text.find_first_not_of(separators, pos);
    if (start == std::string_view::npos) break;
    const std::size_t end = std::min(text.find_first_of(separators, start), text.size());
    words.push_back(text.substr(start, end - start));
    pos = end;
  }
  return words;
}

bool IsInteger(std::string_view text, long long least, long long most) {
  const std::string_view digits = text.starts_with('-') || text.starts_with('+') ? text.substr(1) : text;
  if (!IsDigits(digits) || digits.size() > 11) return false;
  const long long n = (text.starts_with('-') ? -1 : 1) * WholeNumber(digits);
  return n >= least && n <= most;
}

bool IsDecimal(std::string_view text) {
  if (text.starts_with('-') || text.starts_with('+')) text.remove_prefix(1);
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  return (IsDigits(whole) || IsDigits(fraction)) && (whole.empty() || IsDigits(whole)) &&
         (fraction.empty() || IsDigits(fraction));
}

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

}  // namespace

LineKind KindOfLine(std::string_view line) {
  if (line.size() > 1 && line[0] == '*' && line[1] != '\r' && line[1] != '\n') return LineKind::Parameter;
  if (!line.empty() && line[0] == ' ') return LineKind::Data;
  return LineKind::Skipped;
}

std::vector<std::string_view> DataWords(std::string_view line) { return SplitAt(line, " \t\r\n"); }

ParameterLine ReadParameterLine(std::string_view line) {
  while (line.starts_with("* ")) line.remove_prefix(2);
  std::vector<std::string_view> words = SplitAt(line, " =\t\r\n");
  ParameterLine parameter;
  if (words.empty()) return parameter;
  parameter.name = words.front();
  parameter.values.assign(words.begin() + 1, words.end());
  return parameter;
}

bool IsParameterName(std::string_view name) {
  return std::any_of(std::begin(kParameters), std::end(kParameters),
                     [&](const Parameter& p) { return p.name == name; });
}

std::optional<std::string> ParameterProblem(std::string_view name, std::span<const std::string_view> values) {
  const auto* parameter =
      std::find_if(std::begin(kParameters), std::end(kParameters), [&](const Parameter& p) { return p.name == name; });
  if (parameter == std::end(kParameters)) return Quoted(name) + " is not a parameter name, so the line is ignored";
  const std::string what = std::string(name) + " ";
  if (values.empty()) return what + "has no value, so the line is ignored";
  if (name == "BRKS" || name == "BRK2") {
    if (values.size() > 9) return what + "lists " + std::to_string(values.size()) + " breaks; at most 9 are held";
    for (std::string_view v : values) {
      if (v.size() != 4 || std::string_view("*+Xx").find(v[3]) == std::string_view::npos)
        return what + "break " + Quoted(v) + " is not a 3-character label and a flag ('*', '+', 'X' or 'x')";
    }
    return std::nullopt;
  }
  if (name == "HCITY") {
    if (values.size() > 2) return what + "takes one or two values, not " + std::to_string(values.size());
    for (std::string_view v : values) {
      if (!IsInteger(v, -2147483648LL, 2147483647LL))
        return what + "value " + Quoted(v) + " is not a 32-bit whole number";
    }
    return std::nullopt;
  }
  if (values.size() > 1) return what + "takes one value, not " + std::to_string(values.size());
  const std::string_view v = values.front();
  switch (parameter->type) {
    case 'F':
      if (!IsDecimal(v)) return what + "value " + Quoted(v) + " is not a decimal number";
      break;
    case 'I':
      if (!IsInteger(v, -32768, 32767)) return what + "value " + Quoted(v) + " is not a 16-bit whole number";
      break;
    case 'L':
      if (!IsInteger(v, -2147483648LL, 2147483647LL))
        return what + "value " + Quoted(v) + " is not a 32-bit whole number";
      break;
    case 'C':
      if (name == "LA_PCT" && v.size() != 1) return what + "value " + Quoted(v) + " is not one character";
      if (name == "NCITY" && v.size() != 2)
        return what + "value " + Quoted(v) + " is not two characters (a table code)";
      break;
    default: break;  // 'B': any value; "YES..." sets the switch
  }
  return std::nullopt;
}

std::optional<std::string> FactorProblem(std::string_view text) {
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  const bool shaped =
      (IsDigits(whole) && (point == std::string_view::npos || fraction.empty() || IsDigits(fraction))) ||
      (whole.empty() && IsDigits(fraction));
  if (!shaped) return Quoted(text) + " is not a factor (digits with an optional point)";
  if (fraction.size() > 4) return "factor " + Quoted(text) + " has more than 4 decimals (factors are held to 4)";
  // Held as fixed point with 4 decimals in 32 bits.
  const std::string_view digits = whole.substr(std::min(whole.find_first_not_of('0'), whole.size()));
  if (digits.size() > 6 || (digits.size() == 6 && WholeNumber(digits) * 10000 + 9999 > 2147483647LL))
    return "factor " + Quoted(text) + " is too large to be held (at most 214748.3647)";
  return std::nullopt;
}

std::optional<std::string> ClassCodeProblem(std::string_view text, bool packageCodes) {
  if (text == "FAK" || (IsDigits(text) && text.size() <= 5)) return std::nullopt;
  if (packageCodes && text.size() <= 6) return std::nullopt;
  return Quoted(text) + " is not a class code (\"FAK\" or up to 5 digits)";
}

std::optional<std::string> WholeNumberProblem(std::string_view text) {
  if (!IsDigits(text)) return Quoted(text) + " is not an unsigned whole number";
  if (text.size() > 10 || WholeNumber(text) > 2147483647LL) return Quoted(text) + " is too large (at most 2147483647)";
  return std::nullopt;
}

long long WholeNumber(std::string_view text) {
  long long n = 0;
  for (char c : text.substr(0, 18)) n = n * 10 + (c - '0');
  return n;
}

bool IsDigitFormat(char tariffType) { return tariffType >= '0' && tariffType <= '7'; }

bool IsTariffType(char tariffType) { return IsDigitFormat(tariffType) || (tariffType >= 'A' && tariffType <= 'Z'); }

}  // namespace dataset::factor
