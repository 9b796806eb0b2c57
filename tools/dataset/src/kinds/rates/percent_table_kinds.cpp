// The lane percentage tables of a tariff whose lane-adjustment letter is 'T':
// - percent-bases (NAME.Q<suffix>) and percent-matrix (NAME.J<suffix>): a
//   12-byte header {"A "; u32 the first record; "Z "; u32 the end} that the
//   builder writes, then 12-byte records sorted ascending:
//   .Q {'A'; blank; packed low ZIP 3; the high ZIP's last two digits packed
//   in 1 byte; 6 blanks}, the high ZIP sharing the low ZIP's first three
//   digits; .J {"A "; the origin's and the destination's .Q low ZIPs packed
//   3 + 3; the adjustment record number, 5 packed digits; blank};
// - percent-exceptions (NAME.X<suffix>): a 26-byte header {'0'; blank;
//   "T1"; byte 11 the record size (23); u32 at 16 and 20 the records'
//   range} that the builder completes, then records {"T1"; origin ZIP range
//   3 + 3 packed; destination ZIP range 3 + 3; letter ('A' any); u16 range
//   of record numbers; u16 flag words 2}.
// These letters name other files too (the point file, the matrix, the
// tariff-directory exceptions): the kinds are not known by file name; dump
// with --as percent-bases and so on.
#include <string>

#include "codecs/packed_zip.h"
#include "kinds/rates/tariff_record_kind.h"
#include "kinds/record_tools.h"
#include "kinds/tariff_files.h"

namespace dataset {
namespace {

constexpr std::string_view kKeys[] = {tariff::kTariff, tariff::kLetter, tariff::kSuffix};
constexpr std::size_t kRecordSize = 12;
constexpr std::size_t kExceptionHeaderSize = 26;
constexpr std::size_t kExceptionSize = 23;
constexpr std::string_view kBaseItems[] = {"header", "zip-range"};
constexpr std::string_view kMatrixItems[] = {"header", "pair"};
constexpr std::string_view kExceptionItems[] = {"header", "exception"};
constexpr std::string_view kBaseFields[] = {"low", "high"};
constexpr std::string_view kMatrixFields[] = {"origin", "destination", "record"};
constexpr std::string_view kExceptionFields[] = {
    "origin-low", "origin-high", "destination-low", "destination-high", "letter", "low", "high", "flags"};

std::string U16(std::int64_t v) { return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)}; }
std::string U32(std::size_t v) {
  return U16(static_cast<std::int64_t>(v & 0xFFFF)) + U16(static_cast<std::int64_t>(v >> 16));
}
std::size_t LoadU32(std::string_view r, std::size_t at) {
  std::size_t v = 0;
  for (std::size_t k = 0; k < 4; ++k) v |= static_cast<std::size_t>(static_cast<unsigned char>(r[at + k])) << (8 * k);
  return v;
}

std::string Packed(const FieldList& fields, std::string_view key) {
  const std::string zip = TextField(fields, key, "00000");
  const std::optional<PackedZip> packed = zip.size() == 5 ? PackZip(zip) : std::nullopt;
  if (!packed || zip[0] < '0' || zip[0] > '9')
    throw FieldError("field '" + std::string(key) + "': " + Shown(zip) + " is not a 5-digit ZIP code");
  return std::string(packed->begin(), packed->end());
}
std::string Unpacked(std::string_view bytes) {
  PackedZip packed{};
  for (std::size_t k = 0; k < 3; ++k) packed[k] = static_cast<std::uint8_t>(bytes[k]);
  return UnpackZip(packed).value_or("");
}
char PackedTwo(int v) { return static_cast<char>((v / 10) << 4 | (v % 10)); }

enum class Table { kBases, kMatrix, kExceptions };

class PercentTableKind final : public TariffRecordKind {
 public:
  PercentTableKind(std::string_view keyword, std::string_view letter, Table table)
      : TariffRecordKind(keyword, letter, kKeys), table_(table) {}

  // Letters Q, J and X have other roles too (the point file, the matrix, the
  // tariff-directory exceptions): a file is read as a percentage table only
  // when asked (--as).
  std::optional<Settings> recognise(std::string_view) const override { return std::nullopt; }

  // The header's offsets: the records after it, to the end of the file.
  std::vector<std::vector<DataRecord>> build(std::span<const ItemText> items, const Settings& settings) const override {
    std::vector<std::vector<DataRecord>> files = TariffRecordKind::build(items, settings);
    std::vector<DataRecord>& records = files.front();
    if (records.empty() || items.empty() || items[0].keyword != "header") return files;
    std::size_t end = 0;
    for (const DataRecord& r : records) end += r.bytes.size();
    std::string& header = records[0].bytes;
    if (table_ == Table::kExceptions)
      header.replace(16, 8, U32(kExceptionHeaderSize) + U32(end));
    else
      header = "A " + U32(kRecordSize) + "Z " + U32(end);
    return files;
  }

 protected:
  std::span<const std::string_view> itemKeywords() const override {
    return table_ == Table::kBases ? kBaseItems : table_ == Table::kMatrix ? kMatrixItems : kExceptionItems;
  }

  std::string encode(std::string_view keyword, const FieldList& fields, const Settings&,
                     const std::vector<DataRecord>& before) const override {
    if (keyword == "header") {
      OnlyFields(fields, {}, "header");
      if (!before.empty()) throw FieldError("the header is the file's first record");
      if (table_ != Table::kExceptions) return std::string(kRecordSize, '\0');
      std::string h = "0 T1";
      h.resize(kExceptionHeaderSize, ' ');
      h[11] = static_cast<char>(kExceptionSize);
      return h;
    }
    if (table_ == Table::kBases) {
      OnlyFields(fields, kBaseFields, "zip-range");
      const std::string low = TextField(fields, "low", "00000");
      const std::string high = TextField(fields, "high", low);
      if (high.size() != 5 || high.substr(0, 3) != low.substr(0, 3) || high < low)
        throw FieldError("field 'high': " + Shown(high) +
                         " does not share the low ZIP's first three digits or lies below it");
      const std::string packedLow = Packed(fields, "low");
      return "A " + packedLow + PackedTwo(std::stoi(high.substr(3))) + std::string(6, ' ');
    }
    if (table_ == Table::kMatrix) {
      OnlyFields(fields, kMatrixFields, "pair");
      std::string r = "A " + Packed(fields, "origin");
      r += Packed(fields, "destination");
      const std::int64_t n = IntegerField(fields, "record", 1, 65535, 1);
      return r + static_cast<char>(n / 10000) + PackedTwo(static_cast<int>(n / 100 % 100)) +
             PackedTwo(static_cast<int>(n % 100)) + " ";
    }
    OnlyFields(fields, kExceptionFields, "exception");
    std::string r = "T1";
    for (std::string_view key : {"origin-low", "origin-high", "destination-low", "destination-high"})
      r += Packed(fields, key);
    const std::string letter = TextField(fields, "letter", "A");
    if (letter.size() != 1) throw FieldError("field 'letter': " + Shown(letter) + " is not one character");
    r += letter;
    r += U16(IntegerField(fields, "low", 0, 65535, 0));
    r += U16(IntegerField(fields, "high", 0, 65535, 65535));
    const std::string flagText = TextField(fields, "flags", "0 0");
    const std::vector<std::string_view> flags = Words(flagText);
    if (flags.size() != 2) throw FieldError("field 'flags': " + Shown(flagText) + " is not two flag words");
    for (std::string_view f : flags) r += U16(ParseInteger("flags", f, 0, 9999));
    return r;
  }

  std::optional<ItemLine> decode(std::span<const std::string_view> records, std::size_t index,
                                 const Settings&) const override {
    const std::string_view r = records[index];
    if (index == 0) return ItemLine{"header", {}};
    if (table_ == Table::kBases) {
      if (r.size() != kRecordSize || r.substr(0, 2) != "A " || r.substr(6) != "      ") return std::nullopt;
      const std::string low = Unpacked(r.substr(2, 3));
      const int two = (static_cast<unsigned char>(r[5]) >> 4) * 10 + (static_cast<unsigned char>(r[5]) & 15);
      return ItemLine{"zip-range",
                      {{"low", low}, {"high", low.substr(0, 3) + (two < 10 ? "0" : "") + std::to_string(two)}}};
    }
    if (table_ == Table::kMatrix) {
      if (r.size() != kRecordSize || r.substr(0, 2) != "A " || r[11] != ' ') return std::nullopt;
      const auto two = [&](std::size_t at) {
        return (static_cast<unsigned char>(r[at]) >> 4) * 10 + (static_cast<unsigned char>(r[at]) & 15);
      };
      const int n = static_cast<unsigned char>(r[8]) * 10000 + two(9) * 100 + two(10);
      return ItemLine{"pair",
                      {{"origin", Unpacked(r.substr(2, 3))},
                       {"destination", Unpacked(r.substr(5, 3))},
                       {"record", std::to_string(n)}}};
    }
    if (r.size() != kExceptionSize || r.substr(0, 2) != "T1") return std::nullopt;
    const auto u16 = [&](std::size_t at) {
      return std::to_string(static_cast<unsigned char>(r[at]) | static_cast<unsigned char>(r[at + 1]) << 8);
    };
    return ItemLine{"exception",
                    {{"origin-low", Unpacked(r.substr(2, 3))},
                     {"origin-high", Unpacked(r.substr(5, 3))},
                     {"destination-low", Unpacked(r.substr(8, 3))},
                     {"destination-high", Unpacked(r.substr(11, 3))},
                     {"letter", std::string(1, r[14])},
                     {"low", u16(15)},
                     {"high", u16(17)},
                     {"flags", u16(19) + " " + u16(21)}}};
  }

  std::optional<std::vector<std::string_view>> split(std::string_view content, const Settings&) const override {
    const std::size_t header = table_ == Table::kExceptions ? kExceptionHeaderSize : kRecordSize;
    if (content.size() < header) return std::nullopt;
    std::vector<std::string_view> records{content.substr(0, header)};
    for (const std::string_view r :
         SplitFixedRecords(content.substr(header), table_ == Table::kExceptions ? kExceptionSize : kRecordSize))
      records.push_back(r);
    return records;
  }

  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    const std::size_t size = table_ == Table::kExceptions ? kExceptionSize : kRecordSize;
    if (!records.empty() && table_ != Table::kExceptions && records[0].size() == kRecordSize &&
        records[0].substr(0, 2) != "A " && records[0].substr(6, 2) != "A ")
      problems.push_back({0, "has no \"A \" entry: the engine finds no percentages"});
    for (std::size_t i = 1; i < records.size(); ++i) {
      if (!CheckRecordSize(records[i], i, size, problems)) continue;
      if (table_ != Table::kExceptions && i > 1 && records[i - 1].size() == size &&
          records[i].substr(0, 8) < records[i - 1].substr(0, 8))
        problems.push_back({i, "is out of order (records are sorted)"});
    }
    if (table_ == Table::kExceptions && !records.empty() && records[0].size() == kExceptionHeaderSize &&
        LoadU32(records[0], 20) > kExceptionHeaderSize + (records.size() - 1) * kExceptionSize)
      problems.push_back({0, "gives a range past the end of the file (the engine answers 276)"});
  }

 private:
  Table table_;
};

}  // namespace

const FileKind& PercentBasesFileKind() {
  static const PercentTableKind kind("percent-bases", "Q", Table::kBases);
  return kind;
}
const FileKind& PercentMatrixFileKind() {
  static const PercentTableKind kind("percent-matrix", "J", Table::kMatrix);
  return kind;
}
const FileKind& PercentExceptionsFileKind() {
  static const PercentTableKind kind("percent-exceptions", "X", Table::kExceptions);
  return kind;
}

}  // namespace dataset
