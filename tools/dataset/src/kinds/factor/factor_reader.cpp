#include "kinds/factor/factor_reader.h"

#include <algorithm>

#include "kinds/factor/factor_vocabulary.h"
#include "kinds/record_tools.h"

namespace dataset::factor {
namespace {

std::string Joined(const std::vector<std::string_view>& words) {
  std::string out;
  for (std::string_view w : words) out += (out.empty() ? "" : " ") + std::string(w);
  return out;
}

// "1 break", "2 breaks", "2 classes".
std::string Plural(std::size_t n, std::string_view what) {
  return std::to_string(n) + " " + std::string(what) + (n == 1 ? "" : what.ends_with('s') ? "es" : "s");
}

// The data lines in order, with a cursor; what is read is recorded as groups.
class StructureReader {
 public:
  StructureReader(std::span<const std::string_view> lines, FactorFormat format, FactorReading& out)
      : lines_(lines), type_(format.type), packageCodes_(format.packageCodes), out_(out) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (KindOfLine(lines[i]) == LineKind::Data) data_.push_back(i);
    }
  }

  // One section; a package tariff's file three: the services of the
  // shipment (as classes), then the 'E' and the 'G' services, each with its
  // tiers (as set numbers) and the weight breaks of its hundredweight rates.
  void readDigitFormat() {
    const std::size_t sections = packageCodes_ ? kPackageSections : 1;
    for (std::size_t s = 0; s < sections; ++s)
      if (!readDigitSection()) return;
    for (; next_ < data_.size(); ++next_)
      problem(data_[next_], packageCodes_ ? "is never read (a package tariff's factor file ends with its third section)"
                                          : "is never read (the digit format ends with the break table)");
  }

  void readLetterFormat() {
    while (next_ < data_.size()) {
      if (!readSection()) return;
    }
  }

  // The last data line of each section read (one section in the digit format).
  const std::vector<std::size_t>& sectionEnds() const { return sectionEnds_; }

 private:
  bool readDigitSection() {
    std::vector<std::size_t> setLines;
    const std::optional<std::vector<std::string_view>> sets =
        counted("set", 1, kMostRowFactors, setLines, [](std::string_view w) { return WholeNumberProblem(w); });
    if (!sets) return false;
    group("sets", setLines, {{"numbers", Joined(*sets)}});
    std::vector<std::size_t> classLines;
    const auto classes = counted("class", 1, kMostClasses, classLines,
                                 [&](std::string_view w) { return ClassCodeProblem(w, packageCodes_); });
    if (!classes) return false;
    group("classes", classLines, {{"codes", Joined(*classes)}});
    std::vector<std::size_t> breakLines;
    const auto breaks =
        counted("break", 1, kMostBreaks, breakLines, [](std::string_view w) { return WholeNumberProblem(w); });
    if (!breaks) return false;
    group("breaks", breakLines, {{"weights", Joined(*breaks)}});
    checkDescending(*breaks, breakLines);
    for (std::size_t s = 0; s < sets->size(); ++s) {
      if (!factorColumn("class-factors", "class factor", classes->size(), s, sets->size())) return false;
    }
    for (std::size_t s = 0; s < sets->size(); ++s) {
      if (!factorColumn("break-factors", "break factor", breaks->size(), s, sets->size())) return false;
    }
    return true;
  }

  bool readSection() {
    const std::size_t classLine = data_[next_++];
    const std::vector<std::string_view> classes = DataWords(lines_[classLine]);
    if (classes.empty() || classes.size() > kMostClasses)
      problem(classLine, "the class line holds " + Plural(classes.size(), "class") + "; 1 to " +
                             std::to_string(kMostClasses) + " are read");
    for (std::string_view c : classes) report(classLine, "class ", ClassCodeProblem(c, packageCodes_));
    const std::optional<std::size_t> breakLine =
        nextData("the break line of the section at record " + std::to_string(classLine));
    if (!breakLine) return false;
    const std::vector<std::string_view> breaks = DataWords(lines_[*breakLine]);
    const std::size_t extra = type_ == 'H' ? 1 : 0;
    if (breaks.empty() || breaks.size() + extra > std::min(kMostBreaks, kMostRowFactors))
      problem(*breakLine, "the break line holds " + Plural(breaks.size(), "break") + "; 1 to " +
                              std::to_string(kMostBreaks) + " are read");
    for (std::string_view b : breaks) report(*breakLine, "break ", WholeNumberProblem(b));
    checkAscending(breaks, *breakLine);
    const std::optional<std::size_t> kindLine =
        nextData("the kind line of the section at record " + std::to_string(classLine));
    if (!kindLine) return false;
    const std::string_view kind = single(*kindLine, "the kind line");
    report(*kindLine, "kind ", WholeNumberProblem(kind));
    group("section", {classLine, *breakLine, *kindLine},
          {{"kind", std::string(kind)}, {"classes", Joined(classes)}, {"breaks", Joined(breaks)}});
    for (std::size_t c = 0; c < classes.size(); ++c) {
      const std::optional<std::size_t> line =
          nextData("factor line " + std::to_string(c + 1) + " of " + std::to_string(classes.size()) +
                   " of the section at record " + std::to_string(classLine));
      if (!line) return false;
      const std::vector<std::string_view> factors = DataWords(lines_[*line]);
      if (factors.size() != breaks.size())
        problem(*line, "the factor line holds " + Plural(factors.size(), "factor") + ", not one per break (" +
                           std::to_string(breaks.size()) + ")");
      checkFactors(factors, *line);
      group("factor-line", {*line}, {{"values", Joined(factors)}});
    }
    if (type_ == 'D' || type_ == 'H') {
      const std::size_t wanted = breaks.size() + extra;
      std::size_t have = 0;
      while (have < wanted) {
        const std::optional<std::size_t> line =
            nextData("the extra factor lines of the section at record " + std::to_string(classLine) + " (" +
                     std::to_string(wanted - have) + " more factors)");
        if (!line) return false;
        const std::vector<std::string_view> factors = DataWords(lines_[*line]);
        if (factors.empty()) problem(*line, "an extra factor line holds no factor");
        checkFactors(factors, *line);
        have += factors.size();
        if (have > wanted)
          problem(*line, "the extra factor lines hold " + std::to_string(have) + " factors; the section's " +
                             std::to_string(wanted) + " fill them");
        group("extra-line", {*line}, {{"values", Joined(factors)}});
        if (factors.empty()) break;
      }
    }
    sectionEnds_.push_back(data_[next_ - 1]);
    return true;
  }

  // A count line and one line per item; nothing when the count is unusable or the file ends.
  template <class Problem>
  std::optional<std::vector<std::string_view>> counted(std::string_view what, std::size_t least, std::size_t most,
                                                       std::vector<std::size_t>& lines, Problem&& check) {
    const std::string thing(what);
    const std::optional<std::size_t> countLine = nextData("the " + thing + " count");
    if (!countLine) return std::nullopt;
    const std::string_view text = single(*countLine, "the " + thing + " count");
    if (std::optional<std::string> why = WholeNumberProblem(text)) {
      problem(*countLine, "the " + thing + " count: " + *why);
      return std::nullopt;
    }
    const std::size_t count = static_cast<std::size_t>(WholeNumber(text));
    if (count < least || count > most) {
      problem(*countLine, "the " + thing + " count is " + std::to_string(count) + "; " + std::to_string(least) +
                              " to " + std::to_string(most) + " are read");
      return std::nullopt;
    }
    lines.push_back(*countLine);
    std::vector<std::string_view> values;
    for (std::size_t i = 0; i < count; ++i) {
      const std::optional<std::size_t> line =
          nextData(thing + " " + std::to_string(i + 1) + " of " + std::to_string(count));
      if (!line) return std::nullopt;
      values.push_back(single(*line, "a " + thing + " line"));
      report(*line, thing + " ", check(values.back()));
      lines.push_back(*line);
    }
    return values;
  }

  // One set's factor per class or per break, one per line.
  bool factorColumn(std::string_view keyword, std::string_view what, std::size_t count, std::size_t set,
                    std::size_t sets) {
    std::vector<std::size_t> lines;
    std::vector<std::string_view> values;
    for (std::size_t i = 0; i < count; ++i) {
      const std::optional<std::size_t> line =
          nextData(std::string(what) + " " + std::to_string(i + 1) + " of " + std::to_string(count) + " of set " +
                   std::to_string(set + 1) + " of " + std::to_string(sets));
      if (!line) return false;
      values.push_back(single(*line, "a factor line"));
      report(*line, "", FactorProblem(values.back()));
      lines.push_back(*line);
    }
    group(std::string(keyword), lines, {{"values", Joined(values)}});
    return true;
  }

  std::optional<std::size_t> nextData(const std::string& what) {
    if (next_ < data_.size()) return data_[next_++];
    out_.problems.push_back({std::nullopt, "the file ends before " + what});
    return std::nullopt;
  }

  std::string_view single(std::size_t line, std::string_view what) {
    const std::vector<std::string_view> words = DataWords(lines_[line]);
    if (words.size() != 1)
      problem(line,
              std::string(what) + " holds " + Plural(words.size(), "value") + "; the reader takes one per line here");
    return words.empty() ? std::string_view() : words.front();
  }

  void checkFactors(const std::vector<std::string_view>& factors, std::size_t line) {
    for (std::string_view f : factors) report(line, "", FactorProblem(f));
  }

  void checkDescending(const std::vector<std::string_view>& weights, const std::vector<std::size_t>& lines) {
    for (std::size_t i = 1; i < weights.size(); ++i) {
      if (!WholeNumberProblem(weights[i]) && !WholeNumberProblem(weights[i - 1]) &&
          WholeNumber(weights[i]) >= WholeNumber(weights[i - 1]))
        problem(lines[i + 1], "break " + std::string(weights[i]) + " does not descend from " +
                                  std::string(weights[i - 1]) +
                                  " (the digit format lists the breaks in descending order)");
    }
  }

  void checkAscending(const std::vector<std::string_view>& weights, std::size_t line) {
    for (std::size_t i = 1; i < weights.size(); ++i) {
      if (!WholeNumberProblem(weights[i]) && !WholeNumberProblem(weights[i - 1]) &&
          WholeNumber(weights[i]) <= WholeNumber(weights[i - 1]))
        problem(line, "break " + std::string(weights[i]) + " does not ascend from " + std::string(weights[i - 1]) +
                          " (the rating core takes the breaks as lower bounds in ascending order)");
    }
  }

  void group(std::string keyword, std::vector<std::size_t> lines, FieldList fields) {
    out_.groups.push_back({std::move(keyword), std::move(lines), std::move(fields)});
  }

  void report(std::size_t line, std::string_view what, const std::optional<std::string>& why) {
    if (why) problem(line, std::string(what) + *why);
  }

  void problem(std::size_t line, std::string message) { out_.problems.push_back({line, std::move(message)}); }

  std::span<const std::string_view> lines_;
  char type_;
  bool packageCodes_;
  FactorReading& out_;
  std::vector<std::size_t> data_;
  std::size_t next_ = 0;
  std::vector<std::size_t> sectionEnds_;
};

// Line by line: long lines, skipped lines, the values of known parameters,
// and a group for each parameter line of a known name.
void ReadLines(std::span<const std::string_view> lines, FactorReading& out) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (line.size() > kLongestLine)
      out.problems.push_back({i, "is " + std::to_string(line.size()) + " bytes; the reader takes lines of at most " +
                                     std::to_string(kLongestLine)});
    switch (KindOfLine(line)) {
      case LineKind::Skipped:
        out.problems.push_back({i, Shown(line) + " is skipped: it is neither a parameter line ('*' and a character) "
                                                 "nor a data line (a leading blank)"});
        break;
      case LineKind::Parameter: {
        const ParameterLine parameter = ReadParameterLine(line);
        if (!IsParameterName(parameter.name)) break;  // the engine ignores it, as the author may mean
        if (std::optional<std::string> why = ParameterProblem(parameter.name, parameter.values))
          out.problems.push_back({i, *why});
        out.groups.push_back({std::string(kParameterItem),
                              {i},
                              {{"name", std::string(parameter.name)}, {"value", Joined(parameter.values)}}});
        break;
      }
      case LineKind::Data: break;
    }
  }
}

// An HCITY line past the 80th of its section.
void CheckCityAddOns(std::span<const std::string_view> lines, const std::vector<std::size_t>& sectionEnds,
                     FactorReading& out) {
  std::size_t section = 0, count = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    while (section < sectionEnds.size() && i > sectionEnds[section]) {
      ++section;
      count = 0;
    }
    if (KindOfLine(lines[i]) != LineKind::Parameter || ReadParameterLine(lines[i]).name != "HCITY") continue;
    if (++count == kMostCityAddOns + 1)
      out.problems.push_back({i, "is HCITY line " + std::to_string(count) + " of its section; the engine holds " +
                                     std::to_string(kMostCityAddOns) + " and refuses the file (224)"});
  }
}

}  // namespace

FactorReading ReadFactorLines(std::span<const std::string_view> lines, std::optional<FactorFormat> format) {
  FactorReading out;
  ReadLines(lines, out);
  if (!format) {
    if (std::any_of(lines.begin(), lines.end(), [](std::string_view l) { return KindOfLine(l) == LineKind::Data; }))
      out.problems.push_back({std::nullopt,
                              "the data lines cannot be read without the tariff type: give type= (or have the tariff's "
                              "EFCREC.TBL beside the file)"});
    return out;
  }
  StructureReader reader(lines, *format, out);
  if (IsDigitFormat(format->type)) {
    reader.readDigitFormat();
    CheckCityAddOns(lines, {}, out);
  } else {
    reader.readLetterFormat();
    CheckCityAddOns(lines, reader.sectionEnds(), out);
  }
  std::stable_sort(out.groups.begin(), out.groups.end(),
                   [](const LineGroup& a, const LineGroup& b) { return a.lines.front() < b.lines.front(); });
  std::stable_sort(out.problems.begin(), out.problems.end(), [](const KindProblem& a, const KindProblem& b) {
    return a.record.value_or(SIZE_MAX) < b.record.value_or(SIZE_MAX);
  });
  return out;
}

}  // namespace dataset::factor
