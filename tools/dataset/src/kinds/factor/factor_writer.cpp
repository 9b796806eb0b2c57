#include "kinds/factor/factor_writer.h"

#include <algorithm>

#include "kinds/factor/factor_vocabulary.h"
#include "kinds/record_tools.h"

namespace dataset::factor {
namespace {

// The items, the fields each takes, and the format it belongs to ('*' both).
struct ItemShape {
  std::string_view keyword;
  char format;  // 'd' digit, 'l' letter, '*' both
  std::string_view fields[3];
};
constexpr ItemShape kShapes[] = {
    {kParameterItem, '*', {"name", "value"}},
    {kLineItem, '*', {"text"}},
    {"sets", 'd', {"numbers"}},
    {"classes", 'd', {"codes"}},
    {"breaks", 'd', {"weights"}},
    {"class-factors", 'd', {"values"}},
    {"break-factors", 'd', {"values"}},
    {"section", 'l', {"kind", "classes", "breaks"}},
    {"factor-line", 'l', {"values"}},
    {"extra-line", 'l', {"values"}},
};

constexpr std::string_view kKeywords[] = {kParameterItem,  kLineItem,       "sets",    "classes",     "breaks",
                                          "class-factors", "break-factors", "section", "factor-line", "extra-line"};

const ItemShape& ShapeOf(std::string_view keyword) {
  return *std::find_if(std::begin(kShapes), std::end(kShapes),
                       [&](const ItemShape& s) { return s.keyword == keyword; });
}

// The value of a field, or the default; unknown fields are refused.
std::optional<std::string> Value(const ItemShape& shape, const FieldList& fields, std::string_view key) {
  std::optional<std::string> value;
  for (const Field& f : fields) {
    const bool known = std::find(std::begin(shape.fields), std::end(shape.fields), f.key) != std::end(shape.fields);
    if (!known) {
      std::string list;
      for (std::string_view k : shape.fields) {
        if (!k.empty()) list += (list.empty() ? "" : ", ") + std::string(k);
      }
      throw FieldError("unknown field '" + f.key + "' (fields: " + list + ")");
    }
    if (f.key == key) value = f.value;
  }
  return value;
}

// The words of a list field, each checked by problem.
template <class Problem>
std::vector<std::string_view> CheckedWords(std::string_view key, std::string_view value, Problem&& problem) {
  std::vector<std::string_view> words = Words(value);
  for (std::string_view w : words) {
    if (std::optional<std::string> why = problem(w)) throw FieldError("field '" + std::string(key) + "': " + *why);
  }
  return words;
}

std::string Joined(const std::vector<std::string_view>& words) {
  std::string out;
  for (std::string_view w : words) out += (out.empty() ? "" : " ") + std::string(w);
  return out;
}

std::string DataLine(std::string_view text) { return " " + std::string(text) + "\n"; }

// A count line and one line per word.
std::string CountedLines(const std::vector<std::string_view>& words) {
  std::string out = DataLine(std::to_string(words.size()));
  for (std::string_view w : words) out += DataLine(w);
  return out;
}

std::string Ones(std::size_t count) {
  std::string out;
  for (std::size_t i = 0; i < count; ++i) out += (i ? " " : "") + std::string(kDefaultFactor);
  return out;
}

}  // namespace

std::span<const std::string_view> FactorWriter::Keywords() { return kKeywords; }

char FactorWriter::formatFor(std::string_view keyword) const {
  const char format = ShapeOf(keyword).format;
  if (format == '*') return format;
  if (!format_)
    throw FieldError(
        "the format of a factor file follows the tariff type: give the block type= or describe the tariff in an efcrec "
        "block");
  const char wanted = IsDigitFormat(format_->type) ? 'd' : 'l';
  if (format != wanted)
    throw FieldError("'" + std::string(keyword) + "' belongs to the " +
                     (format == 'd' ? "digit format (tariff types 0-7)" : "letter format (tariff types A and up)") +
                     "; this is the factor file of a type-" + std::string(1, format_->type) + " tariff");
  return format;
}

FieldList FactorWriter::defaults(std::string_view keyword) const {
  auto ones = [](std::optional<std::size_t> count) {
    return count ? FieldList{{"values", Ones(*count)}} : FieldList{};
  };
  if (keyword == "sets") return {{"numbers", "1"}};
  if (keyword == "classes") return {{"codes", std::string(kDefaultClasses)}};
  if (keyword == "breaks") return {{"weights", std::string(kDefaultBreaksDescending)}};
  if (keyword == "class-factors") return ones(classes_);
  if (keyword == "break-factors" || keyword == "factor-line") return ones(breaks_);
  if (keyword == "extra-line")
    return ones(breaks_ ? std::optional(*breaks_ + (format_ && format_->type == 'H' ? 1 : 0)) : std::nullopt);
  if (keyword == "section")
    return {{"kind", "1"}, {"classes", std::string(kDefaultClasses)}, {"breaks", std::string(kDefaultBreaksAscending)}};
  return {};
}

std::string FactorWriter::write(std::string_view keyword, const FieldList& fields) {
  const ItemShape& shape = ShapeOf(keyword);
  formatFor(keyword);
  const FieldList fallback = defaults(keyword);
  auto value = [&](std::string_view key) -> std::string {
    if (std::optional<std::string> v = Value(shape, fields, key)) return *v;
    for (const Field& f : fallback) {
      if (f.key == key) return f.value;
    }
    throw FieldError("'" + std::string(keyword) + "' needs " + std::string(key) + "=" +
                     (keyword.ends_with("factors") || keyword.ends_with("-line")
                          ? " (its default follows the classes or breaks before it)"
                          : ""));
  };

  if (keyword == kParameterItem) {
    const std::string name = value("name"), text = value("value");
    if (!IsParameterName(name))
      throw FieldError(
          "'" + name +
          "' is not a parameter name (MC_ADDON, SS_MC_ADDON, QIV_MC, LA_PCT, ONE_LA, BRKS, BRK2, HCITY, NCITY, RADJF, "
          "NO_RBN_ADDON); write other lines with a line item");
    const std::vector<std::string_view> values = Words(text);
    if (std::optional<std::string> why = ParameterProblem(name, values)) throw FieldError(*why);
    return "* " + name + " = " + Joined(values) + "\n";
  }
  if (keyword == kLineItem) {
    const std::string text = value("text");
    if (text.find('\n') != std::string::npos)
      throw FieldError("a line item holds one line, without a line feed (raw text= gives bytes as they stand)");
    return text + "\n";
  }
  if (keyword == "sets") {
    const std::string numbers = value("numbers");
    return CountedLines(CheckedWords("numbers", numbers, WholeNumberProblem));
  }
  const char type = format_->type;
  auto classCode = [&](std::string_view w) { return ClassCodeProblem(w, format_->packageCodes); };
  if (keyword == "classes") {
    const std::string text = value("codes");
    const std::vector<std::string_view> codes = CheckedWords("codes", text, classCode);
    classes_ = codes.size();
    return CountedLines(codes);
  }
  if (keyword == "breaks") {
    const std::string text = value("weights");
    const std::vector<std::string_view> weights = CheckedWords("weights", text, WholeNumberProblem);
    breaks_ = weights.size();
    return CountedLines(weights);
  }
  if (keyword == "section") {
    const std::string classes = value("classes"), breaks = value("breaks"), kind = value("kind");
    const std::vector<std::string_view> codes = CheckedWords("classes", classes, classCode);
    const std::vector<std::string_view> weights = CheckedWords("breaks", breaks, WholeNumberProblem);
    if (std::optional<std::string> why = WholeNumberProblem(kind)) throw FieldError("field 'kind': " + *why);
    classes_ = codes.size();
    breaks_ = weights.size();
    return DataLine(Joined(codes)) + DataLine(Joined(weights)) + DataLine(kind);
  }
  if (keyword == "extra-line" && type != 'D' && type != 'H')
    throw FieldError("extra factor lines belong to tariff types D and H; this is the factor file of a type-" +
                     std::string(1, type) + " tariff");
  const std::string values = value("values");
  const std::vector<std::string_view> factors = CheckedWords("values", values, FactorProblem);
  if (keyword == "class-factors" || keyword == "break-factors") {
    std::string out;
    for (std::string_view f : factors) out += DataLine(f);
    return out;
  }
  return DataLine(Joined(factors));  // factor-line, extra-line
}

}  // namespace dataset::factor
