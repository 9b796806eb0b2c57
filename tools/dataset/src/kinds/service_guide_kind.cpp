// DLLData.dat, the service guide's data: fixed-length lines, each ending in
// a line feed and beginning with its record letter, in five groups in this
// order: the header (H: format version "01", the expiry date through which
// the data serves, and the count of each group that follows), carriers (C:
// code, type LTL or TL, name) sorted by code, their terminals (T: carrier,
// 3-character code and the 13 fields of a terminal's details) sorted by
// carrier and code, the ranges of points each terminal serves (R: carrier,
// low and high key, terminal, point letter D direct or I indirect) sorted
// by carrier and low key, and the days between two terminals (D: carrier,
// origin and destination terminal, two digits) sorted by carrier, origin
// and destination. A key is the five digits of a ZIP code or the three
// characters of a postal prefix (letter, digit, letter). The guide reads
// the file whole and refuses it for any line out of place, so the builder
// refuses the same, and says which line.
//
// The header's counts are written from the lines of the block unless the
// header item gives them (to build a file whose counts do not match).
#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string_view>
#include <tuple>

#include "kinds/record_file_kind.h"
#include "kinds/record_tools.h"
#include "layout/record_layout.h"

namespace dataset {
namespace {

using namespace std::string_view_literals;
using F = FieldForm;

constexpr RecordField kHeaderFields[] = {
    {"letter", {0, 1}, F::Exact, "H"sv},         {"version", {1, 2}, F::Exact, "01"sv},
    {"expiry", {3, 8}, F::Date, "20991231"sv},   {"carriers", {11, 4}, F::Number, "0000"sv},
    {"terminals", {15, 4}, F::Number, "0000"sv}, {"ranges", {19, 6}, F::Number, "000000"sv},
    {"days", {25, 6}, F::Number, "000000"sv},
};
static_assert(IsWholeLayout(kHeaderFields, 31));
constexpr RecordField kCarrierFields[] = {
    {"letter", {0, 1}, F::Exact, "C"sv},
    {"code", {1, 5}, F::Text, "CARR1"sv},
    {"type", {6, 3}, F::Text, "LTL"sv},
    {"name", {9, 30}, F::Text, "                              "sv},
};
static_assert(IsWholeLayout(kCarrierFields, 39));
constexpr std::string_view kBlank51 = "                                                   "sv;
constexpr RecordField kTerminalFields[] = {
    {"letter", {0, 1}, F::Exact, "T"sv},
    {"carrier", {1, 5}, F::Text, "CARR1"sv},
    {"code", {6, 3}, F::Text, "T01"sv},
    {"name", {9, 51}, F::Text, kBlank51},
    {"zip", {60, 6}, F::Text, kBlank51.substr(0, 6)},
    {"address1", {66, 51}, F::Text, kBlank51},
    {"address2", {117, 51}, F::Text, kBlank51},
    {"city", {168, 31}, F::Text, kBlank51.substr(0, 31)},
    {"state", {199, 3}, F::Text, kBlank51.substr(0, 3)},
    {"country", {202, 11}, F::Text, kBlank51.substr(0, 11)},
    {"phone", {213, 13}, F::Text, kBlank51.substr(0, 13)},
    {"tollfree", {226, 13}, F::Text, kBlank51.substr(0, 13)},
    {"fax", {239, 13}, F::Text, kBlank51.substr(0, 13)},
    {"email",
     {252, 101},
     F::Text,
     "                                                                                                     "sv},
    {"contact", {353, 51}, F::Text, kBlank51},
    {"hours", {404, 51}, F::Text, kBlank51},
};
static_assert(IsWholeLayout(kTerminalFields, 455));
constexpr RecordField kRangeFields[] = {
    {"letter", {0, 1}, F::Exact, "R"sv},     {"carrier", {1, 5}, F::Text, "CARR1"sv},
    {"low", {6, 5}, F::Text, "00000"sv},     {"high", {11, 5}, F::Text, "99999"sv},
    {"terminal", {16, 3}, F::Text, "T01"sv}, {"service", {19, 1}, F::Exact, "D"sv},
};
static_assert(IsWholeLayout(kRangeFields, 20));
constexpr RecordField kDaysFields[] = {
    {"letter", {0, 1}, F::Exact, "D"sv}, {"carrier", {1, 5}, F::Text, "CARR1"sv}, {"from", {6, 3}, F::Text, "T01"sv},
    {"to", {9, 3}, F::Text, "T01"sv},    {"days", {12, 2}, F::Number, "01"sv},
};
static_assert(IsWholeLayout(kDaysFields, 14));

struct Group {
  std::string_view item;  // the item keyword
  char letter;
  RecordLayout layout;
  std::string_view count;  // the header field that counts it
};
constexpr std::array<Group, 5> kGroups{{
    {"header", 'H', RecordLayout(kHeaderFields, "\n"), ""},
    {"carrier", 'C', RecordLayout(kCarrierFields, "\n"), "carriers"},
    {"terminal", 'T', RecordLayout(kTerminalFields, "\n"), "terminals"},
    {"range", 'R', RecordLayout(kRangeFields, "\n"), "ranges"},
    {"days", 'D', RecordLayout(kDaysFields, "\n"), "days"},
}};
constexpr std::string_view kItems[] = {"header", "carrier", "terminal", "range", "days"};
const RecordLayout& HeaderLayout() { return kGroups[0].layout; }

const Group* GroupOfItem(std::string_view item) {
  for (const Group& g : kGroups)
    if (g.item == item) return &g;
  return nullptr;
}
const Group* GroupOfLine(std::string_view line) {
  for (const Group& g : kGroups)
    if (!line.empty() && line[0] == g.letter) return &g;
  return nullptr;
}

std::string Trim(std::string_view columns) {
  const std::size_t end = columns.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string() : std::string(columns.substr(0, end + 1));
}

// The counts of each group's lines.
std::map<char, std::size_t> CountLines(std::span<const std::string_view> lines) {
  std::map<char, std::size_t> counts;
  for (std::string_view l : lines)
    if (!l.empty()) ++counts[l[0]];
  return counts;
}

std::string CountText(std::size_t count, std::size_t width) {
  std::string text = std::to_string(count);
  return std::string(width > text.size() ? width - text.size() : 0, '0') + text;
}

bool IsRangeKey(std::string_view key) {
  if (IsDigits(key) && key.size() == 5) return true;
  return key.size() == 5 && std::isupper(static_cast<unsigned char>(key[0])) && key[1] >= '0' && key[1] <= '9' &&
         std::isupper(static_cast<unsigned char>(key[2])) && key.substr(3) == "  ";
}

bool IsCode(std::string_view columns, std::size_t least) {
  const std::string code = Trim(columns);
  return code.size() >= least && code.find(' ') == std::string::npos && columns[0] != ' ';
}

class ServiceGuideKind final : public FileKind {
 public:
  std::string_view keyword() const override { return "service-guide"; }
  std::optional<Settings> recognise(std::string_view name) const override {
    if (SameName(name, "DLLData.dat")) return Settings{};
    return std::nullopt;
  }
  std::vector<std::string> fileNames(const Settings&) const override { return {"DLLData.dat"}; }

  std::vector<std::vector<DataRecord>> build(std::span<const ItemText> items, const Settings&) const override {
    std::vector<DataRecord> records;
    std::vector<std::pair<std::size_t, const ItemText*>> headers;
    for (const ItemText& item : items) {
      if (item.keyword == kRawItem) {
        records.push_back(RawItemRecord(item));
        continue;
      }
      const Group* group = GroupOfItem(item.keyword);
      if (group == nullptr) RefuseItem(item, keyword(), kItems);
      if (group->letter == 'H') headers.push_back({records.size(), &item});
      records.push_back({AtItemLine(item, [&] { return group->layout.encode(item.fields); }), item.line});
    }
    // The counts a header leaves out are those of the lines written.
    std::vector<std::string_view> lines;
    for (const DataRecord& r : records) lines.push_back(r.bytes);
    const std::map<char, std::size_t> counts = CountLines(lines);
    for (const auto& [at, item] : headers) {
      for (const Group& g : kGroups) {
        if (g.count.empty() ||
            std::any_of(item->fields.begin(), item->fields.end(), [&](const Field& f) { return f.key == g.count; }))
          continue;
        const RecordField& f = *HeaderLayout().find(g.count);
        const auto n = counts.find(g.letter);
        const std::string text = CountText(n == counts.end() ? 0 : n->second, f.span.width);
        if (text.size() > f.span.width)
          throw DescriptionError(item->line, "too many " + std::string(g.item) + " lines for the header's count");
        records[at].bytes.replace(f.span.offset, f.span.width, text);
      }
    }
    return {std::move(records)};
  }

  std::optional<std::vector<std::string_view>> splitRecords(std::size_t, std::string_view content,
                                                            const Settings&) const override {
    return SplitAtLineFeeds(content);
  }

  void check(std::span<const FileRecords> files, const Settings&, KindProblems& problems) const override {
    const std::vector<std::string_view>& lines = files.front().records;
    if (lines.empty() || GroupOfLine(lines[0]) != &kGroups[0]) {
      problems.push_back({std::nullopt, "does not begin with a header line (H): the guide refuses the file"});
      return;
    }
    std::size_t lastGroup = 0;
    std::set<std::string> carriers;
    std::set<std::pair<std::string, std::string>> terminals;
    std::vector<std::pair<std::size_t, SortKey>> keys[5];
    std::map<std::string, std::pair<std::string, std::size_t>> lastHigh;  // carrier: last range's high key and line
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::string_view l = lines[i];
      const Group* group = GroupOfLine(l);
      if (group == nullptr) {
        problems.push_back({i, "begins with " + Shown(l.substr(0, 1)) + ", which is no record letter (H, C, T, R, D)"});
        continue;
      }
      const std::size_t g = static_cast<std::size_t>(group - kGroups.data());
      if (g < lastGroup || (g == 0 && i > 0))
        problems.push_back({i, "is a " + std::string(group->item) + " line after the " +
                                   std::string(kGroups[lastGroup].item) +
                                   " lines: the groups stand in the order header, carrier, terminal, range, days"});
      lastGroup = std::max(lastGroup, g);
      if (!CheckRecordShape(l, i, group->layout, problems)) continue;
      const RecordLayout& layout = group->layout;
      auto key = [&](std::initializer_list<std::string_view> fields) {
        std::string joined;
        for (std::string_view f : fields) joined += std::string(layout.columns(l, f)) + '\x01';
        keys[g].push_back({i, BytesKey(joined)});
      };
      auto needCode = [&](std::string_view field, std::size_t least) {
        if (!IsCode(layout.columns(l, field), least))
          problems.push_back({i, layout.describe(field) + ": " + Shown(layout.columns(l, field)) + " is no code of " +
                                     std::to_string(least) + (least == 1 ? " to 5" : "") +
                                     " characters without blanks"});
      };
      auto needTerminal = [&](std::string_view field) {
        needCode(field, 3);
        if (!terminals.contains({Trim(layout.columns(l, "carrier")), Trim(layout.columns(l, field))}))
          problems.push_back({i, layout.describe(field) + ": terminal " + Shown(layout.columns(l, field)) +
                                     " of carrier " + Shown(layout.columns(l, "carrier")) + " is not listed above"});
      };
      switch (group->letter) {
        case 'H': checkHeader(l, lines, problems); break;
        case 'C': {
          needCode("code", 1);
          const std::string_view type = layout.columns(l, "type");
          if (type != "LTL" && type != "TL ")
            problems.push_back({i, layout.describe("type") + ": " + Shown(type) + " is neither LTL nor TL"});
          carriers.insert(Trim(layout.columns(l, "code")));
          key({"code"});
          break;
        }
        case 'T':
          needCode("code", 3);
          if (!carriers.contains(Trim(layout.columns(l, "carrier"))))
            problems.push_back({i, "carrier " + Shown(layout.columns(l, "carrier")) + " is not listed above"});
          terminals.insert({Trim(layout.columns(l, "carrier")), Trim(layout.columns(l, "code"))});
          key({"carrier", "code"});
          break;
        case 'R': {
          needTerminal("terminal");
          const std::string_view low = layout.columns(l, "low"), high = layout.columns(l, "high");
          for (std::string_view k : {low, high})
            if (!IsRangeKey(k))
              problems.push_back(
                  {i, Shown(k) + " is neither five digits of a ZIP code nor a postal prefix (letter, digit, letter)"});
          if (IsRangeKey(low) && IsRangeKey(high) && (IsDigits(low) != IsDigits(high) || high < low))
            problems.push_back({i, "the range " + Shown(low) + " to " + Shown(high) + " holds no key"});
          const std::string carrier = Trim(layout.columns(l, "carrier"));
          if (auto before = lastHigh.find(carrier); before != lastHigh.end() && before->second.first >= low)
            problems.push_back({i, "the range from " + Shown(low) + " overlaps the range of record " +
                                       std::to_string(before->second.second) + ", which ends at " +
                                       Shown(before->second.first)});
          lastHigh[carrier] = {std::string(high), i};
          if (!IsOneOf(layout.columns(l, "service"), "DI"))
            problems.push_back(
                {i, layout.describe("service") + ": " + Shown(layout.columns(l, "service")) + " is neither D nor I"});
          key({"carrier", "low"});
          break;
        }
        case 'D':
          needTerminal("from");
          needTerminal("to");
          key({"carrier", "from", "to"});
          break;
      }
    }
    static constexpr std::string_view kOrders[] = {"", "code", "carrier, code", "carrier, low key",
                                                   "carrier, origin, destination"};
    for (std::size_t g = 1; g < kGroups.size(); ++g) CheckSortOrder(keys[g], false, kOrders[g], problems);
  }

  std::string describe(std::span<const std::string_view> contents, const Settings&) const override {
    const std::vector<std::string_view> lines = SplitAtLineFeeds(contents.front());
    const std::map<char, std::size_t> counts = CountLines(lines);
    std::string out;
    for (std::string_view l : lines) {
      std::string line = RawItemLine(l);
      const Group* group = GroupOfLine(l);
      std::optional<FieldList> fields = group ? group->layout.decode(l) : std::nullopt;
      if (fields) {
        // The counts the lines give are left for the builder to write.
        std::erase_if(*fields, [&](const Field& f) {
          for (const Group& g : kGroups)
            if (!g.count.empty() && f.key == g.count)
              return f.value == std::to_string(counts.contains(g.letter) ? counts.at(g.letter) : 0);
          return f.key == "letter";
        });
        std::vector<DataRecord> rebuilt;
        try {
          std::vector<ItemText> item{{0, std::string(group->item), *fields}};
          std::vector<DataRecord> all = build(item, {}).front();
          if (group->letter != 'H' && all.front().bytes == l) line = FormatItem(group->item, *fields);
          if (group->letter == 'H' && HeaderMatches(all.front().bytes, l, counts))
            line = FormatItem(group->item, *fields);
        } catch (const Error&) {
          // described raw
        }
      }
      out += line + "\n";
    }
    return out;
  }

 private:
  // A header rebuilt alone counts nothing; it matches when it differs only
  // in counts that equal the lines'.
  static bool HeaderMatches(std::string rebuilt, std::string_view line, const std::map<char, std::size_t>& counts) {
    if (rebuilt.size() != line.size()) return false;
    for (const Group& g : kGroups) {
      if (g.count.empty()) continue;
      const RecordField& f = *HeaderLayout().find(g.count);
      if (HeaderLayout().columns(rebuilt, g.count) == std::string(f.span.width, '0'))
        rebuilt.replace(f.span.offset, f.span.width,
                        CountText(counts.contains(g.letter) ? counts.at(g.letter) : 0, f.span.width));
    }
    return rebuilt == line;
  }

  static void checkHeader(std::string_view l, std::span<const std::string_view> lines, KindProblems& problems) {
    const RecordLayout& h = HeaderLayout();
    if (h.columns(l, "version") != "01")
      problems.push_back(
          {0, h.describe("version") + ": " + Shown(h.columns(l, "version")) + " is not the format version 01"});
    if (!IsCalendarDate(h.columns(l, "expiry")))
      problems.push_back({0, h.describe("expiry") + ": " + Shown(h.columns(l, "expiry")) + " is no date"});
    const std::map<char, std::size_t> counts = CountLines(lines);
    for (const Group& g : kGroups) {
      if (g.count.empty()) continue;
      const std::string_view given = h.columns(l, g.count);
      const std::size_t actual = counts.contains(g.letter) ? counts.at(g.letter) : 0;
      if (!IsDigits(given) || given != CountText(actual, given.size()))
        problems.push_back({0, h.describe(g.count) + ": " + Shown(given) + " but " + std::to_string(actual) + " " +
                                   std::string(g.item) + " lines follow"});
    }
  }
};

}  // namespace

const FileKind& ServiceGuideFileKind() {
  static const ServiceGuideKind kind;
  return kind;
}

}  // namespace dataset
