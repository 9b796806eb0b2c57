// The point-service files of a level, searched at each check of a point:
//   .ZPS  a 628-byte header {byte 0 'Y': the ranges listed are the direct
//         ones, else the indirect ones; labels at 1 and 11 (9 characters);
//         int at 20 the data's offset (628), int at 24 its length; from 28
//         one int per block of 100 entries: the highest ZIP the block
//         covers}, then 3-byte entries, each a 24-bit number whose low 17
//         bits are a range's first ZIP and high 7 bits a span: the range
//         runs to (ZIP / 100) x 100 + span. Items: `header`, `entry zip=
//         span=`, and `range low= high=` (entries for each hundred it
//         touches). The header's numbers are computed.
//   .BSV  a 60-byte header {four labels of 14 characters at 1, 16, 31, 46,
//         each followed by a flag '*' or blank}, then 15-byte records
//         {lowest postal key 5, blank, the highest key's last two characters
//         at 6..7, blanks}. The header is 75 bytes as the library reads it:
//         its bytes 60..74 are also record 0 of the search (`tail`: the
//         fourth label's flag at 0, the byte that says the .ZPS file is not
//         used at 8), which must sort below every range.
#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <string_view>

#include "description/block_reader.h"
#include "kinds/level/level_kind.h"
#include "kinds/record_tools.h"
#include "layout/record_layout.h"
#include "platform/kernel/byte_record.h"

namespace dataset {
namespace {

using namespace std::string_view_literals;
using F = FieldForm;

// ---- .ZPS ----

constexpr std::size_t kZpsHeaderSize = 628, kEntrySize = 3, kBlockEntries = 100, kBlockKeysAt = 28;
constexpr std::size_t kBlockRoom = (kZpsHeaderSize - kBlockKeysAt) / 4;
constexpr std::uint32_t kZipBits = 17, kLargestZip = (1u << kZipBits) - 1, kLargestSpan = 127;

constexpr RecordField kZpsHeaderFields[] = {{"direct", {0, 1}, F::NulText, "Y"sv},
                                            {"direct-label", {1, 9}, F::Text, "         "sv},
                                            {"byte10", {10, 1}, F::NulText, "\0"sv},
                                            {"indirect-label", {11, 9}, F::Text, "         "sv}};
static_assert(IsWholeLayout(kZpsHeaderFields, 20));
constexpr RecordLayout kZpsHeader(kZpsHeaderFields);

struct Entry {
  std::uint32_t zip, span;
  std::uint32_t last() const { return zip / 100 * 100 + span; }
};

std::string EncodeEntry(const Entry& e) {
  const std::uint32_t value = e.zip | (e.span << kZipBits);
  return std::string{static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF),
                     static_cast<char>((value >> 16) & 0xFF)};
}

Entry DecodeEntry(std::string_view bytes) {
  const std::uint32_t value = static_cast<unsigned char>(bytes[0]) | (static_cast<unsigned char>(bytes[1]) << 8) |
                              (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[2])) << 16);
  return {value & kLargestZip, value >> kZipBits};
}

std::uint32_t Number(const Field& f, std::uint32_t most) {
  return static_cast<std::uint32_t>(ParseInteger(f.key, f.value, 0, most));
}

// The file: the header with its numbers, then the entries.
std::string ServiceFile(std::string headerFields, const std::vector<Entry>& entries) {
  std::string file(kZpsHeaderSize, '\0');
  file.replace(0, headerFields.size(), headerFields);
  auto put = [&](std::size_t at, std::int32_t v) {
    platform::StoreLittleEndian(reinterpret_cast<std::uint8_t*>(file.data() + at), v);
  };
  put(20, static_cast<std::int32_t>(kZpsHeaderSize));
  put(24, static_cast<std::int32_t>(kEntrySize * entries.size()));
  for (std::size_t b = 0; b * kBlockEntries < entries.size() && b < kBlockRoom; ++b) {
    std::uint32_t highest = 0;
    for (std::size_t i = b * kBlockEntries; i < std::min(entries.size(), (b + 1) * kBlockEntries); ++i)
      highest = std::max(highest, entries[i].last());
    put(kBlockKeysAt + 4 * b, static_cast<std::int32_t>(highest));
  }
  for (const Entry& e : entries) file += EncodeEntry(e);
  return file;
}

class ServiceRangesKind final : public level::LevelFileBase {
 public:
  ServiceRangesKind() : LevelFileBase("service-ranges", ".ZPS") {}

  std::vector<std::vector<DataRecord>> build(std::span<const ItemText> items, const Settings&) const override {
    std::string header = kZpsHeader.encode({});
    std::vector<Entry> entries;
    std::vector<DataRecord> raw;
    for (const ItemText& item : items) {
      if (item.keyword == kRawItem) {
        raw.push_back(RawItemRecord(item));
      } else if (item.keyword == "header") {
        header = AtItemLine(item, [&] { return kZpsHeader.encode(item.fields); });
      } else if (item.keyword == "entry" || item.keyword == "range") {
        AtItemLine(item, [&] { addEntries(item, entries); });
      } else {
        RefuseItem(item, keyword(), kItems);
      }
    }
    if (!raw.empty()) return {std::move(raw)};
    return {{DataRecord{ServiceFile(header, entries), items.empty() ? 0 : items.front().line}}};
  }

  std::optional<std::vector<std::string_view>> splitRecords(std::size_t, std::string_view content,
                                                            const Settings&) const override {
    std::vector<std::string_view> records{content.substr(0, std::min(content.size(), kZpsHeaderSize))};
    for (std::size_t at = kZpsHeaderSize; at < content.size(); at += kEntrySize)
      records.push_back(content.substr(at, kEntrySize));
    return records;
  }

  void check(std::span<const FileRecords> files, const Settings&, KindProblems& problems) const override {
    const std::string_view content = files.front().content;
    if (content.size() < kZpsHeaderSize) {
      problems.push_back({std::nullopt, "is shorter than its 628-byte header"});
      return;
    }
    if ((content.size() - kZpsHeaderSize) % kEntrySize != 0) problems.push_back({std::nullopt, "ends inside an entry"});
    const std::vector<Entry> entries = Entries(content);
    if (entries.size() > kBlockRoom * kBlockEntries)
      problems.push_back(
          {std::nullopt, "holds " + std::to_string(entries.size()) + " entries; the header lists 150 blocks of 100"});
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (entries[i].last() < entries[i].zip)
        problems.push_back({i + 1, "entry " + std::to_string(entries[i].zip) + " span " +
                                       std::to_string(entries[i].span) + " covers no ZIP"});
      if (i > 0 && entries[i].zip <= entries[i - 1].last())
        problems.push_back(
            {i + 1, "does not begin above the entry before it (the entries ascend without overlapping)"});
    }
    if (ServiceFile(std::string(content.substr(0, 20)), entries) !=
        content.substr(0, kZpsHeaderSize + kEntrySize * entries.size()))
      problems.push_back({0, "the header's data offset, length or block keys do not match its entries"});
  }

  std::string describe(std::span<const std::string_view> contents, const Settings&) const override {
    const std::string_view content = contents.front();
    if (content.size() < kZpsHeaderSize || (content.size() - kZpsHeaderSize) % kEntrySize != 0)
      return content.empty() ? "" : RawItemLine(content) + "\n";
    const std::vector<Entry> entries = Entries(content);
    const std::optional<FieldList> header = kZpsHeader.decode(content.substr(0, 20));
    if (!header || ServiceFile(kZpsHeader.encode(*header), entries) != content) return RawItemLine(content) + "\n";
    std::string out = FormatItem("header", *header) + "\n";
    for (const Entry& e : entries)
      out += FormatItem("entry", {{"zip", std::to_string(e.zip)}, {"span", std::to_string(e.span)}}) + "\n";
    return out;
  }

 private:
  static constexpr std::string_view kItems[] = {"header", "entry", "range"};

  static std::vector<Entry> Entries(std::string_view content) {
    std::vector<Entry> entries;
    for (std::size_t at = kZpsHeaderSize; at + kEntrySize <= content.size(); at += kEntrySize)
      entries.push_back(DecodeEntry(content.substr(at, kEntrySize)));
    return entries;
  }

  static void addEntries(const ItemText& item, std::vector<Entry>& entries) {
    if (item.keyword == "entry") {
      Entry e{0, 0};
      for (const Field& f : item.fields) {
        if (f.key == "zip")
          e.zip = Number(f, kLargestZip);
        else if (f.key == "span")
          e.span = Number(f, kLargestSpan);
        else
          throw FieldError("an entry takes zip= and span=, not '" + f.key + "'");
      }
      entries.push_back(e);
      return;
    }
    std::uint32_t low = 0, high = 0;
    for (const Field& f : item.fields) {
      if (f.key == "low")
        low = Number(f, 99999);
      else if (f.key == "high")
        high = Number(f, 99999);
      else
        throw FieldError("a range takes low= and high=, not '" + f.key + "'");
    }
    if (high < low) throw FieldError("a range's high= lies below its low=");
    for (std::uint32_t zip = low; zip <= high; zip = zip / 100 * 100 + 100)
      entries.push_back({zip, std::min(high, zip / 100 * 100 + 99) % 100});
  }
};

// ---- .BSV ----

constexpr std::size_t kBsvHeaderSize = 60, kBsvRecordSize = 15;

constexpr RecordField kBsvHeaderFields[] = {
    {"byte0", {0, 1}, F::Character, " "sv},  {"label1", {1, 14}, F::Text, "              "sv},
    {"flag1", {15, 1}, F::Character, " "sv}, {"label2", {16, 14}, F::Text, "              "sv},
    {"flag2", {30, 1}, F::Character, " "sv}, {"label3", {31, 14}, F::Text, "              "sv},
    {"flag3", {45, 1}, F::Character, " "sv}, {"label4", {46, 14}, F::Text, "              "sv}};
constexpr RecordField kBsvTailFields[] = {{"flag4", {0, 1}, F::Character, " "sv},
                                          {"blank", {1, 7}, F::Text, "       "sv},
                                          {"zps-not-used", {8, 1}, F::Character, " "sv},
                                          {"rest", {9, 6}, F::Text, "      "sv}};
constexpr RecordField kBsvRangeFields[] = {{"low", {0, 5}, F::Exact, "A0A0A"sv},
                                           {"blank", {5, 1}, F::Text, " "sv},
                                           {"high-end", {6, 2}, F::Exact, "9Z"sv},
                                           {"rest", {8, 7}, F::Text, "       "sv}};
static_assert(IsWholeLayout(kBsvHeaderFields, kBsvHeaderSize) && IsWholeLayout(kBsvTailFields, kBsvRecordSize) &&
              IsWholeLayout(kBsvRangeFields, kBsvRecordSize));
constexpr RecordLayout kBsvHeader(kBsvHeaderFields);
constexpr RecordLayout kBsvTail(kBsvTailFields);
constexpr RecordLayout kBsvRange(kBsvRangeFields);

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

class PostalServicesKind final : public level::LevelRecordKind {
 public:
  PostalServicesKind() : LevelRecordKind("postal-services", ".BSV") {}

 private:
  static const RecordLayout& LayoutOf(std::size_t index) {
    return index == 0 ? kBsvHeader : index == 1 ? kBsvTail : kBsvRange;
  }
  std::span<const std::string_view> itemKeywords() const override {
    static constexpr std::string_view items[] = {"header", "tail", "range"};
    return items;
  }
  std::string encodeItem(std::string_view keyword, const FieldList& fields, const Settings&) const override {
    if (keyword == "header") return kBsvHeader.encode(fields);
    if (keyword == "tail") return kBsvTail.encode(fields);
    FieldList given;
    std::optional<std::string> high;
    for (const Field& f : fields) {
      if (f.key == "high")
        high = f.value;
      else
        given.push_back(f);
    }
    std::string record = kBsvRange.encode(given);
    if (high) {
      if (high->size() != 5 || high->substr(0, 3) != record.substr(0, 3))
        throw FieldError("field 'high': '" + *high + "' is not five characters beginning with the low key's three");
      record.replace(6, 2, high->substr(3));
    }
    return record;
  }
  std::optional<ItemLine> decodeItem(std::string_view record, std::size_t index, const Settings&) const override {
    std::optional<FieldList> fields = LayoutOf(index).decode(record);
    if (!fields) return std::nullopt;
    if (index < 2) return ItemLine{index == 0 ? "header" : "tail", std::move(*fields)};
    FieldList out;
    for (Field& f : *fields)
      if (f.key != "high-end") out.push_back(std::move(f));
    out.push_back({"high", std::string(record.substr(0, 3)) + std::string(record.substr(6, 2))});
    return ItemLine{"range", std::move(out)};
  }
  std::optional<std::vector<std::string_view>> split(std::string_view content, const Settings&) const override {
    std::vector<std::string_view> records{content.substr(0, std::min(content.size(), kBsvHeaderSize))};
    for (std::size_t at = kBsvHeaderSize; at < content.size(); at += kBsvRecordSize)
      records.push_back(content.substr(at, kBsvRecordSize));
    return records;
  }
  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    if (records.size() < 2) {
      problems.push_back({std::nullopt, "is shorter than its 75-byte header (a header and a tail)"});
      return;
    }
    for (std::size_t i = 0; i < records.size(); ++i) CheckRecordShape(records[i], i, LayoutOf(i), problems);
    // The search compares first keys without regard to case, high keys as bytes.
    std::optional<std::size_t> previous;
    for (std::size_t i = 1; i < records.size(); ++i) {
      const std::string_view r = records[i];
      if (r.size() != kBsvRecordSize) continue;
      const std::string high = std::string(r.substr(0, 3)) + std::string(r.substr(6, 2));
      if (i > 1 && std::string(r.substr(0, 5)) > high)
        problems.push_back({i, "its highest key " + Shown(high) + " lies below its lowest " + Shown(r.substr(0, 5))});
      if (previous) {
        const std::string_view p = records[*previous];
        const std::string previousHigh = std::string(p.substr(0, 3)) + std::string(p.substr(6, 2));
        if (Upper(r.substr(0, 5)) <= Upper(p.substr(0, 5)) || std::string(r.substr(0, 5)) <= previousHigh)
          problems.push_back(
              {i, (*previous == 1 ? std::string("does not sort above the header's tail (record 0 of the search)")
                                  : "does not begin above record " + std::to_string(*previous)) +
                      " (the ranges ascend without overlapping)"});
      }
      previous = i;
    }
  }
};

}  // namespace

const FileKind& ServiceRangesFileKind() {
  static const ServiceRangesKind kind;
  return kind;
}
const FileKind& PostalServicesFileKind() {
  static const PostalServicesKind kind;
  return kind;
}

}  // namespace dataset
