#include "data/guide_file.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <tuple>

#include "data/statuses.h"
#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"

namespace lanebook {
namespace {

namespace gf = guide_file;
using platform::FieldSpan;

std::string_view Field(std::string_view line, FieldSpan f) { return line.substr(f.offset, f.width); }

bool IsCalendarDate(std::string_view digits) {
  const std::optional<std::uint64_t> value = platform::ParseDigits(digits);
  if (digits.size() != 8 || !value) return false;
  const int year = static_cast<int>(*value / 10000), month = static_cast<int>(*value / 100 % 100),
            day = static_cast<int>(*value % 100);
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (year < 1 || month < 1 || month > 12 || day < 1) return false;
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

bool IsRangeKey(std::string_view key) {
  if (key.size() == 5 && std::all_of(key.begin(), key.end(), platform::IsDecimalDigit)) return true;
  return key.size() == 5 && PointKey(key) == key.substr(0, 3) && key.substr(3) == "  ";
}

// Splits the text into the lines of one group; false when a line has
// another length or letter, or the text ends first.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}
  // The next line of that letter and size (LF included), or the status
  // that refuses the file.
  std::variant<std::string_view, int> next(char letter, std::size_t size) {
    if (at_ >= text_.size()) return code::kGuideCantReadLibraryData;
    const std::size_t end = text_.find('\n', at_);
    if (end == std::string_view::npos) return code::kGuideCantReadLibraryData;
    const std::string_view line = text_.substr(at_, end + 1 - at_);
    at_ = end + 1;
    if (line.size() != size || line[0] != letter) return code::kGuideDataOrVersionError;
    return line;
  }
  bool atEnd() const { return at_ == text_.size(); }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
};

// Reads count lines of a group, each turned into a record by make (which
// answers false for a line it refuses).
template <class Record, class Make>
int ReadGroup(LineReader& reader, std::size_t count, char letter, std::size_t size, std::vector<Record>& out,
              Make&& make) {
  out.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    auto line = reader.next(letter, size);
    if (const int* refused = std::get_if<int>(&line)) return *refused;
    Record record;
    if (!make(std::get<std::string_view>(line), record)) return code::kGuideDataOrVersionError;
    out.push_back(std::move(record));
  }
  return 0;
}

template <class Record, class Key>
bool SortedStrictly(const std::vector<Record>& records, Key&& key) {
  return std::adjacent_find(records.begin(), records.end(),
                            [&](const Record& a, const Record& b) { return !(key(a) < key(b)); }) == records.end();
}

// Every carrier and terminal a record names is listed, the groups sorted,
// ranges apart.
bool Consistent(const GuideData& d) {
  if (!SortedStrictly(d.carriers, [](const Carrier& c) { return c.code; })) return false;
  if (!SortedStrictly(d.terminals, [](const Terminal& t) { return std::tie(t.carrier, t.code); })) return false;
  if (!SortedStrictly(d.ranges, [](const ServedRange& r) { return std::tie(r.carrier, r.low); })) return false;
  if (!SortedStrictly(d.days, [](const TerminalDays& x) { return std::tie(x.carrier, x.origin, x.destination); }))
    return false;
  for (const Terminal& t : d.terminals)
    if (d.carrier(t.carrier) == nullptr) return false;
  for (std::size_t i = 0; i < d.ranges.size(); ++i) {
    const ServedRange& r = d.ranges[i];
    if (d.terminal(r.carrier, r.terminal) == nullptr) return false;
    if ((r.low[0] >= 'A') != (r.high[0] >= 'A') || r.high < r.low) return false;
    if (i > 0 && d.ranges[i - 1].carrier == r.carrier && d.ranges[i - 1].high >= r.low) return false;
  }
  for (const TerminalDays& x : d.days)
    if (d.terminal(x.carrier, x.origin) == nullptr || d.terminal(x.carrier, x.destination) == nullptr) return false;
  return true;
}

}  // namespace

std::string TrimmedCode(std::string_view field) {
  constexpr std::string_view kPadding(" \0", 2);
  const std::size_t first = field.find_first_not_of(kPadding);
  if (first == std::string_view::npos) return {};
  return std::string(field.substr(first, field.find_last_not_of(kPadding) + 1 - first));
}

std::optional<std::string> PointKey(std::string_view code) {
  const std::string trimmed = TrimmedCode(code);
  if (trimmed.size() >= 5 && std::all_of(trimmed.begin(), trimmed.begin() + 5, platform::IsDecimalDigit)) {
    if (trimmed.size() > 5 && (trimmed[5] == 'M' || trimmed[5] == 'm')) return std::nullopt;
    if (trimmed.size() > 5 && platform::IsDecimalDigit(trimmed[5])) return std::nullopt;
    return trimmed.substr(0, 5);
  }
  if (trimmed.size() >= 3 && std::isalpha(static_cast<unsigned char>(trimmed[0])) &&
      platform::IsDecimalDigit(trimmed[1]) && std::isalpha(static_cast<unsigned char>(trimmed[2]))) {
    std::string key = trimmed.substr(0, 3);
    for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return key;
  }
  return std::nullopt;
}

const Carrier* GuideData::carrier(std::string_view code) const {
  const auto it = std::lower_bound(carriers.begin(), carriers.end(), code,
                                   [](const Carrier& c, std::string_view k) { return c.code < k; });
  return it != carriers.end() && it->code == code ? &*it : nullptr;
}

const Terminal* GuideData::terminal(std::string_view carrierCode, std::string_view code) const {
  const auto key = std::make_tuple(carrierCode, code);
  const auto it = std::lower_bound(terminals.begin(), terminals.end(), key, [](const Terminal& t, const auto& k) {
    return std::make_tuple(std::string_view(t.carrier), std::string_view(t.code)) < k;
  });
  return it != terminals.end() && it->carrier == carrierCode && it->code == code ? &*it : nullptr;
}

std::vector<const Terminal*> GuideData::terminalsOf(std::string_view carrierCode) const {
  std::vector<const Terminal*> found;
  for (const Terminal& t : terminals)
    if (t.carrier == carrierCode) found.push_back(&t);
  return found;
}

const ServedRange* GuideData::rangeHolding(std::string_view carrierCode, std::string_view key) const {
  // The last range of the carrier whose low key does not sort after the
  // point's (compared on the key's width) is the only one that can hold it.
  auto sortsAfter = [&](const ServedRange& r) {
    return std::make_tuple(std::string_view(r.carrier), std::string_view(r.low).substr(0, key.size())) >
           std::make_tuple(carrierCode, key);
  };
  const auto it =
      std::partition_point(ranges.begin(), ranges.end(), [&](const ServedRange& r) { return !sortsAfter(r); });
  if (it == ranges.begin()) return nullptr;
  const ServedRange& r = *std::prev(it);
  if (r.carrier != carrierCode || r.low.size() < key.size() || (key.size() == 5) != (r.low[0] <= '9')) return nullptr;
  return std::string_view(r.high).substr(0, key.size()) >= key ? &r : nullptr;
}

std::optional<int> GuideData::daysBetween(std::string_view carrierCode, std::string_view origin,
                                          std::string_view destination) const {
  auto find = [&](std::string_view from, std::string_view to) -> const TerminalDays* {
    const auto key = std::make_tuple(carrierCode, from, to);
    const auto it = std::lower_bound(days.begin(), days.end(), key, [](const TerminalDays& x, const auto& k) {
      return std::make_tuple(std::string_view(x.carrier), std::string_view(x.origin), std::string_view(x.destination)) <
             k;
    });
    return it != days.end() && it->carrier == carrierCode && it->origin == from && it->destination == to ? &*it
                                                                                                         : nullptr;
  };
  if (const TerminalDays* there = find(origin, destination)) return there->days;
  if (const TerminalDays* back = find(destination, origin)) return back->days;
  return std::nullopt;
}

std::variant<GuideData, int> ParseGuideFile(std::string_view text, std::string_view today) {
  LineReader reader(text);
  auto headerLine = reader.next('H', gf::header::kSize);
  if (const int* refused = std::get_if<int>(&headerLine)) return *refused;
  const std::string_view header = std::get<std::string_view>(headerLine);
  if (Field(header, gf::header::kVersion) != gf::kFormatVersion) return code::kGuideDataOrVersionError;
  const std::optional<std::uint64_t> counts[] = {platform::ParseDigits(Field(header, gf::header::kCarriers)),
                                                 platform::ParseDigits(Field(header, gf::header::kTerminals)),
                                                 platform::ParseDigits(Field(header, gf::header::kRanges)),
                                                 platform::ParseDigits(Field(header, gf::header::kDays))};
  GuideData data;
  data.expiry = std::string(Field(header, gf::header::kExpiry));
  if (!IsCalendarDate(data.expiry) || std::any_of(std::begin(counts), std::end(counts), [](auto c) { return !c; }))
    return code::kGuideDataOrVersionError;
  // Counts the text cannot hold: the file was cut short.
  const std::uint64_t needed = gf::header::kSize + *counts[0] * gf::carrier::kSize + *counts[1] * gf::terminal::kSize +
                               *counts[2] * gf::range::kSize + *counts[3] * gf::days::kSize;
  if (needed > text.size()) return code::kGuideCantReadLibraryData;

  auto code = [](std::string_view line, FieldSpan f, std::size_t least, std::string& out) {
    out = TrimmedCode(Field(line, f));
    return out.size() >= least && out.find_first_of(std::string_view(" \0", 2)) == std::string::npos;
  };
  int refused =
      ReadGroup(reader, *counts[0], 'C', gf::carrier::kSize, data.carriers, [&](std::string_view l, Carrier& c) {
        const std::string_view type = Field(l, gf::carrier::kType);
        c.type = type == "LTL" ? "LTL" : type == "TL " ? "TL" : "";
        c.name = TrimmedCode(Field(l, gf::carrier::kName));
        return code(l, gf::carrier::kCode, 1, c.code) && !c.type.empty();
      });
  if (refused == 0)
    refused =
        ReadGroup(reader, *counts[1], 'T', gf::terminal::kSize, data.terminals, [&](std::string_view l, Terminal& t) {
          Field(l, gf::terminal::kDetails).copy(t.details.data(), t.details.size());
          return code(l, gf::terminal::kCarrier, 1, t.carrier) && code(l, gf::terminal::kCode, 3, t.code);
        });
  if (refused == 0)
    refused =
        ReadGroup(reader, *counts[2], 'R', gf::range::kSize, data.ranges, [&](std::string_view l, ServedRange& r) {
          r.low = std::string(Field(l, gf::range::kLow));
          r.high = std::string(Field(l, gf::range::kHigh));
          r.letter = l[gf::range::kPointLetter.offset];
          const bool keys = IsRangeKey(r.low) && IsRangeKey(r.high);
          if (keys && r.low[0] >= 'A') {
            r.low.resize(3);
            r.high.resize(3);
          }
          return code(l, gf::range::kCarrier, 1, r.carrier) && code(l, gf::range::kTerminal, 3, r.terminal) && keys &&
                 (r.letter == 'D' || r.letter == 'I');
        });
  if (refused == 0)
    refused = ReadGroup(reader, *counts[3], 'D', gf::days::kSize, data.days, [&](std::string_view l, TerminalDays& x) {
      const std::optional<std::uint64_t> days = platform::ParseDigits(Field(l, gf::days::kDays));
      x.days = static_cast<int>(days.value_or(0));
      return code(l, gf::days::kCarrier, 1, x.carrier) && code(l, gf::days::kOrigin, 3, x.origin) &&
             code(l, gf::days::kDestination, 3, x.destination) && days.has_value();
    });
  if (refused != 0) return refused;
  if (!reader.atEnd() || !Consistent(data)) return code::kGuideDataOrVersionError;
  if (today > std::string_view(data.expiry)) return code::kGuideDataExpired;
  return data;
}

std::string Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (localtime_r(&now, &local) == nullptr) return "00000000";
  std::string text(8, '0');
  platform::FormatZeroPadded(std::span<char>(text.data(), 4), local.tm_year + 1900);
  platform::FormatZeroPadded(std::span<char>(text.data() + 4, 2), local.tm_mon + 1);
  platform::FormatZeroPadded(std::span<char>(text.data() + 6, 2), local.tm_mday);
  return text;
}

}  // namespace lanebook
