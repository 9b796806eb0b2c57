// The lane-adjustment files of a tariff whose lane-adjustment letter is 'G'
// (the global list):
// - global-lanes (NAME.L<lane-digits>): a 54-byte header {3 'B' base keys
//   through .V and .U; 4 membership mode Y, J or N; 5 'I' members kept; 6
//   the adjustment mode; 7 'Y' sorted; eleven u32 from 8: destination
//   index, origin index, destination ranges, origin ranges, lane start,
//   lane end, the four sections' record sizes, the .A record size}, then
//   the sections in that order: index records numbered by the key of digits
//   (the builder fills the records no item names with blanks), range
//   records {low 5; high 5; 1 byte; zone codes of 5}, lane records of 15
//   bytes sorted by zone pair {blank; origin zone 5; destination zone 5;
//   u32 .A record number} and membership records of 19 bytes {low key 6;
//   blank; high key 6; blank; adjustment number 5}. The builder writes the
//   offsets; items may come in any order within their section.
// - base-keys (NAME.V and NAME.U): 36-byte records {2 blanks; low ZIP 5;
//   high ZIP 5; 5 blanks; base key 5; 14 blanks};
// - list-adjustments (NAME.A): records of the header's .A size {adjustment
//   number 5; operation for minimums; operation for rates; a letter; i32
//   value for minimums at 8; from 12 an i32 per rate-table position}.
// The files are described raw when dumped.
#include <algorithm>
#include <map>
#include <string>

#include "kinds/rates/tariff_record_kind.h"
#include "kinds/record_tools.h"
#include "kinds/tariff_files.h"

namespace dataset {
namespace {

constexpr std::string_view kKeys[] = {tariff::kTariff, tariff::kLetter, tariff::kSuffix};
constexpr std::string_view kListItems[] = {"header", "index", "range", "lane", "member"};
constexpr std::string_view kHeaderFields[] = {"base-keys", "membership", "keep",       "mode",
                                              "sorted",    "index-size", "range-size", "adjustment-size"};
constexpr std::string_view kIndexFields[] = {"end", "key", "codes"};
constexpr std::string_view kRangeFields[] = {"end", "low", "high", "codes"};
constexpr std::string_view kLaneFields[] = {"origin", "destination", "record"};
constexpr std::string_view kMemberFields[] = {"low", "high", "number"};
constexpr std::string_view kBaseItems[] = {"key"};
constexpr std::string_view kBaseFields[] = {"low", "high", "base"};
constexpr std::string_view kAdjustmentItems[] = {"adjustment"};
constexpr std::string_view kAdjustmentFields[] = {"number",        "minimum-op",  "rate-op", "letter",
                                                  "minimum-value", "rate-values", "size"};
constexpr std::size_t kHeaderSize = 54;

std::string U32(std::int64_t v) {
  return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF), static_cast<char>((v >> 16) & 0xFF),
          static_cast<char>((v >> 24) & 0xFF)};
}

std::string Exact(const FieldList& fields, std::string_view key, std::size_t width, std::string_view fallback) {
  const std::string value = TextField(fields, key, fallback);
  if (value.size() != width)
    throw FieldError("field '" + std::string(key) + "': " + Shown(value) + " is not " + std::to_string(width) +
                     " characters");
  return value;
}

std::string Codes(const FieldList& fields, std::size_t room) {
  const std::string text = TextField(fields, "codes", "");
  std::string codes;
  for (std::string_view code : Words(text)) {
    if (code.size() != 5) throw FieldError("field 'codes': " + Shown(code) + " is not 5 characters");
    codes += code;
  }
  if (codes.size() > room) throw FieldError("field 'codes': more codes than the record holds");
  return codes + std::string(room - codes.size(), ' ');
}

bool IsOrigin(const FieldList& fields) {
  const std::string end = TextField(fields, "end", "origin");
  if (end != "origin" && end != "destination")
    throw FieldError("field 'end': " + Shown(end) + " is not origin or destination");
  return end == "origin";
}

class GlobalLanesKind final : public TariffRecordKind {
 public:
  GlobalLanesKind() : TariffRecordKind("global-lanes", "L", kKeys) {}

  // Lays the sections out in their order and writes the header's offsets.
  std::vector<std::vector<DataRecord>> build(std::span<const ItemText> items, const Settings&) const override {
    if (items.empty() || items[0].keyword != "header")
      throw DescriptionError(items.empty() ? 0 : items[0].line, "a global-lanes block begins with its header");
    const ItemText& head = items[0];
    std::string header(kHeaderSize, '\0');
    std::size_t indexSize = 0, rangeSize = 0;
    AtItemLine(head, [&] {
      OnlyFields(head.fields, kHeaderFields, "header");
      header[3] = TextField(head.fields, "base-keys", "N") == "Y" ? 'B' : ' ';
      const std::string membership = TextField(head.fields, "membership", "N");
      if (membership != "Y" && membership != "J" && membership != "N")
        throw FieldError("field 'membership': " + Shown(membership) + " is not Y, J or N");
      header[4] = membership[0];
      header[5] = TextField(head.fields, "keep", "Y") == "Y" ? 'I' : 'E';
      header[6] = static_cast<char>('0' + IntegerField(head.fields, "mode", 0, 9, 0));
      header[7] = TextField(head.fields, "sorted", "Y") == "Y" ? 'Y' : 'N';
      indexSize = static_cast<std::size_t>(IntegerField(head.fields, "index-size", 5, 255, 10));
      rangeSize = static_cast<std::size_t>(IntegerField(head.fields, "range-size", 16, 255, 21));
      if (indexSize % 5 != 0 || (rangeSize - 11) % 5 != 0)
        throw FieldError("field 'index-size' or 'range-size': codes of 5 characters do not fill the record");
      header.replace(32, 20,
                     U32(static_cast<std::int64_t>(indexSize)) + U32(static_cast<std::int64_t>(indexSize)) +
                         U32(static_cast<std::int64_t>(rangeSize)) + U32(static_cast<std::int64_t>(rangeSize)) +
                         U32(IntegerField(head.fields, "adjustment-size", 12, 4096, 48)));
      return 0;
    });
    std::map<std::int64_t, std::string> index[2];
    std::string ranges[2], lanes, members;
    for (const ItemText& item : items.subspan(1)) {
      AtItemLine(item, [&] {
        if (item.keyword == "index") {
          OnlyFields(item.fields, kIndexFields, "index");
          index[IsOrigin(item.fields) ? 1 : 0][IntegerField(item.fields, "key", 0, 99999, 0)] =
              Codes(item.fields, indexSize);
        } else if (item.keyword == "range") {
          OnlyFields(item.fields, kRangeFields, "range");
          ranges[IsOrigin(item.fields) ? 1 : 0] += Exact(item.fields, "low", 5, "") +
                                                   Exact(item.fields, "high", 5, "") + " " +
                                                   Codes(item.fields, rangeSize - 11);
        } else if (item.keyword == "lane") {
          OnlyFields(item.fields, kLaneFields, "lane");
          lanes += " " + Exact(item.fields, "origin", 5, "") + Exact(item.fields, "destination", 5, "") +
                   U32(IntegerField(item.fields, "record", 0, 1 << 30, 0));
        } else if (item.keyword == "member") {
          OnlyFields(item.fields, kMemberFields, "member");
          members += Exact(item.fields, "low", 6, "") + " " + Exact(item.fields, "high", 6, "") + " " +
                     Exact(item.fields, "number", 5, "");
        } else {
          throw FieldError("a global-lanes block has one header, then index, range, lane and member items");
        }
        return 0;
      });
    }
    std::string body;
    std::int64_t at = kHeaderSize;
    const auto place = [&](std::size_t field, const std::string& section) {
      header.replace(field, 4, U32(section.empty() ? 0 : at));
      body += section;
      at += static_cast<std::int64_t>(section.size());
    };
    for (int end = 0; end < 2; ++end) {
      std::string section;
      if (!index[end].empty())
        section.assign((static_cast<std::size_t>(index[end].rbegin()->first) + 1) * indexSize, ' ');
      for (const auto& [key, codes] : index[end])
        section.replace(static_cast<std::size_t>(key) * indexSize, indexSize, codes);
      place(end == 0 ? 8 : 12, section);
    }
    place(16, ranges[0]);
    place(20, ranges[1]);
    header.replace(24, 4, U32(at));
    body += lanes;
    at += static_cast<std::int64_t>(lanes.size());
    header.replace(28, 4, U32(at));
    body += members;
    return {{DataRecord{header + body, head.line}}};
  }

 protected:
  std::span<const std::string_view> itemKeywords() const override { return kListItems; }
  std::string encode(std::string_view, const FieldList&, const Settings&,
                     const std::vector<DataRecord>&) const override {
    return {};
  }
  std::optional<ItemLine> decode(std::span<const std::string_view>, std::size_t, const Settings&) const override {
    return std::nullopt;
  }
  std::optional<std::vector<std::string_view>> split(std::string_view content, const Settings&) const override {
    return std::vector<std::string_view>{content};
  }

  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    const std::string_view file = records.empty() ? std::string_view() : records[0];
    if (file.size() < kHeaderSize) {
      problems.push_back({0, "has no 54-byte header (the engine answers 232)"});
      return;
    }
    const auto u32 = [&](std::size_t at) {
      std::size_t v = 0;
      for (std::size_t k = 0; k < 4; ++k)
        v |= static_cast<std::size_t>(static_cast<unsigned char>(file[at + k])) << (8 * k);
      return v;
    };
    const std::size_t start = u32(24), end = u32(28);
    if (start < kHeaderSize || end < start || end > file.size()) {
      problems.push_back({0, "gives a lane section outside the file (the engine answers 232)"});
      return;
    }
    for (std::size_t at = start + 15; at + 15 <= end; at += 15)
      if (file.substr(at + 1, 10) < file.substr(at - 14, 10))
        problems.push_back(
            {0, "has lane records out of order at byte " + std::to_string(at) + " (sorted by zone pair)"});
    if ((file.size() - end) % 19 != 0) problems.push_back({0, "has membership records that are not 19 bytes each"});
  }
};

class BaseKeysKind final : public TariffRecordKind {
 public:
  BaseKeysKind() : TariffRecordKind("base-keys", "VU", kKeys) {}
  std::optional<Settings> recognise(std::string_view) const override { return std::nullopt; }

 protected:
  std::span<const std::string_view> itemKeywords() const override { return kBaseItems; }
  std::string encode(std::string_view, const FieldList& fields, const Settings&,
                     const std::vector<DataRecord>&) const override {
    OnlyFields(fields, kBaseFields, "key");
    std::string r = "  " + Exact(fields, "low", 5, "") + Exact(fields, "high", 5, "");
    r += std::string(5, ' ') + Exact(fields, "base", 5, "");
    return r + std::string(14, ' ');
  }
  std::optional<ItemLine> decode(std::span<const std::string_view> records, std::size_t index,
                                 const Settings&) const override {
    const std::string_view r = records[index];
    if (r.size() != 36) return std::nullopt;
    return ItemLine{"key",
                    {{"low", std::string(r.substr(2, 5))},
                     {"high", std::string(r.substr(7, 5))},
                     {"base", std::string(r.substr(17, 5))}}};
  }
  std::optional<std::vector<std::string_view>> split(std::string_view content, const Settings&) const override {
    return SplitFixedRecords(content, 36);
  }
  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    for (std::size_t i = 0; i < records.size(); ++i)
      if (CheckRecordSize(records[i], i, 36, problems) && records[i].substr(7, 5) < records[i].substr(2, 5))
        problems.push_back({i, "ends below its start"});
  }
};

class ListAdjustmentsKind final : public TariffRecordKind {
 public:
  ListAdjustmentsKind() : TariffRecordKind("list-adjustments", "A", kKeys) {}

 protected:
  std::span<const std::string_view> itemKeywords() const override { return kAdjustmentItems; }
  std::string encode(std::string_view, const FieldList& fields, const Settings&,
                     const std::vector<DataRecord>&) const override {
    OnlyFields(fields, kAdjustmentFields, "adjustment");
    const std::size_t size = static_cast<std::size_t>(IntegerField(fields, "size", 12, 4096, 48));
    std::string r = Exact(fields, "number", 5, "00000");
    for (std::string_view key : {"minimum-op", "rate-op", "letter"}) r += Exact(fields, key, 1, "0");
    r += U32(IntegerField(fields, "minimum-value", -2147483647, 2147483647, 0));
    const std::string text = TextField(fields, "rate-values", "");
    for (std::string_view v : Words(text)) r += U32(ParseInteger("rate-values", v, -2147483647, 2147483647));
    if (r.size() > size)
      throw FieldError("field 'rate-values': more values than a record of " + std::to_string(size) + " bytes holds");
    return r + std::string(size - r.size(), '\0');
  }
  std::optional<ItemLine> decode(std::span<const std::string_view>, std::size_t, const Settings&) const override {
    return std::nullopt;
  }
  std::optional<std::vector<std::string_view>> split(std::string_view content, const Settings&) const override {
    return std::vector<std::string_view>{content};
  }
  void checkRecords(std::span<const std::string_view>, const Settings&, KindProblems&) const override {}
};

}  // namespace

const FileKind& GlobalLanesFileKind() {
  static const GlobalLanesKind kind;
  return kind;
}
const FileKind& BaseKeysFileKind() {
  static const BaseKeysKind kind;
  return kind;
}
const FileKind& ListAdjustmentsFileKind() {
  static const ListAdjustmentsKind kind;
  return kind;
}

}  // namespace dataset
