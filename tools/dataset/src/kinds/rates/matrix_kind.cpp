// NAME.Iss (or .Jss): a tariff's origin-destination matrix, one cell per
// pair of points, each holding the number of the pair's rate record. The
// cell width comes from the block's cells= setting, else from the tariff's
// EFCREC.TBL record (the type's width; 0 is 16-bit cells, and the
// point-file flag 'P' in column 45 makes 3-byte cells):
//   cells=16   16-bit little-endian words
//   cells=24   3 bytes, little-endian
//   cells=N    N bits (1 to 25), most significant bit first, read by the
//              engine as big-endian 32-bit words
// A cell of all ones means no rate; cells not given are all ones. The file
// is as long as the engine's read of its last cell (4 bytes for packed
// bits), the bits after the last cell set.
#include <algorithm>
#include <map>

#include "kinds/efcrec_columns.h"
#include "kinds/rates/tariff_record_kind.h"
#include "kinds/record_tools.h"
#include "kinds/tariff_files.h"

namespace dataset {
namespace {

constexpr std::string_view kCells = "cells";
// "zones=package": the matrix of a package tariff (EFCREC column 48 'P'),
// whose cells are zones 0, 2, ... 12: each names a pair of records (a
// service record and its hundredweight record) of the service's 14.
constexpr std::string_view kZones = "zones";
constexpr std::string_view kPackageZones = "package";
constexpr std::uint32_t kLastPackageZone = 12;
constexpr std::string_view kSettingKeys[] = {tariff::kTariff, tariff::kLetter, tariff::kSuffix, kCells, kZones};
constexpr std::string_view kItems[] = {"size", "cell", "pair"};
constexpr std::string_view kSizeFields[] = {"count"};
constexpr std::string_view kCellFields[] = {"index", "value"};
constexpr std::string_view kPairFields[] = {"a", "b", "value"};
constexpr std::int64_t kMaxCells = 1 << 22;
constexpr platform::FieldSpan kBaseTypeColumn{15, 1};
constexpr platform::FieldSpan kPointFlagColumn{45, 1};

int CellBits(const Settings& settings) {
  const std::string* cells = FindSetting(settings, kCells);
  return cells ? std::stoi(*cells) : 16;
}

std::uint32_t AllOnes(int bits) { return bits >= 32 ? 0xFFFFFFFFu : (std::uint32_t{1} << bits) - 1; }

// Bytes of a matrix of count cells.
std::size_t MatrixBytes(int bits, std::int64_t count) {
  if (count <= 0) return 0;
  if (bits == 16) return static_cast<std::size_t>(2 * count);
  if (bits == 24) return static_cast<std::size_t>(3 * count);
  return static_cast<std::size_t>((static_cast<std::int64_t>(bits) * (count - 1)) / 8 + 4);
}

std::string Encode(int bits, std::int64_t count, const std::map<std::int64_t, std::uint32_t>& cells) {
  std::string out(MatrixBytes(bits, count), '\xFF');
  for (std::int64_t i = 0; i < count; ++i) {
    const auto found = cells.find(i);
    const std::uint32_t v = found == cells.end() ? AllOnes(bits) : found->second;
    if (bits == 16) {
      out[2 * i] = static_cast<char>(v & 0xFF);
      out[2 * i + 1] = static_cast<char>(v >> 8);
    } else if (bits == 24) {
      Store24(out, static_cast<std::size_t>(3 * i), v);
    } else {
      for (int k = 0; k < bits; ++k) {
        const std::int64_t bit = static_cast<std::int64_t>(bits) * i + k;
        const unsigned char mask = static_cast<unsigned char>(0x80 >> (bit % 8));
        char& byte = out[static_cast<std::size_t>(bit / 8)];
        if ((v >> (bits - 1 - k)) & 1)
          byte = static_cast<char>(byte | mask);
        else
          byte = static_cast<char>(byte & ~mask);
      }
    }
  }
  return out;
}

std::uint32_t CellAt(std::string_view content, int bits, std::int64_t i) {
  if (bits == 16)
    return static_cast<unsigned char>(content[2 * i]) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(content[2 * i + 1])) << 8;
  if (bits == 24) return Load24(content, static_cast<std::size_t>(3 * i));
  std::uint32_t v = 0;
  for (int k = 0; k < bits; ++k) {
    const std::int64_t bit = static_cast<std::int64_t>(bits) * i + k;
    v = v << 1 | ((static_cast<unsigned char>(content[static_cast<std::size_t>(bit / 8)]) >> (7 - bit % 8)) & 1);
  }
  return v;
}

// The most cells that a file of this size holds; nothing for a size that no count gives.
std::optional<std::int64_t> CellCount(int bits, std::size_t size) {
  if (size == 0) return 0;
  if (bits == 16) return size % 2 == 0 ? std::optional<std::int64_t>(size / 2) : std::nullopt;
  if (bits == 24) return size % 3 == 0 ? std::optional<std::int64_t>(size / 3) : std::nullopt;
  if (size < 4) return std::nullopt;
  const std::int64_t most = (8 * (static_cast<std::int64_t>(size) - 4) + 7) / bits + 1;
  if (MatrixBytes(bits, most) != size) return std::nullopt;
  return most;
}

std::int64_t Triangular(std::int64_t a, std::int64_t b) { return b > a ? b * (b + 1) / 2 + a : a * (a + 1) / 2 + b; }

class MatrixKind final : public TariffRecordKind {
 public:
  MatrixKind() : TariffRecordKind("matrix", "IJ", kSettingKeys) {}

  std::vector<std::vector<DataRecord>> build(std::span<const ItemText> items, const Settings& settings) const override {
    const int bits = CellBits(settings);
    std::map<std::int64_t, std::uint32_t> cells;
    std::optional<std::int64_t> count;
    std::string raw;
    bool rawOnly = false;
    for (const ItemText& item : items) {
      if (item.keyword == kRawItem) {
        raw += RawItemRecord(item).bytes;
        rawOnly = true;
        continue;
      }
      if (std::find(std::begin(kItems), std::end(kItems), item.keyword) == std::end(kItems))
        RefuseItem(item, keyword(), kItems);
      AtItemLine(item, [&] {
        if (item.keyword == "size") {
          OnlyFields(item.fields, kSizeFields, "size");
          count = IntegerField(item.fields, "count", 0, kMaxCells, 0);
          return 0;
        }
        const bool pair = item.keyword == "pair";
        OnlyFields(
            item.fields,
            pair ? std::span<const std::string_view>(kPairFields) : std::span<const std::string_view>(kCellFields),
            item.keyword);
        const std::int64_t index =
            pair ? Triangular(IntegerField(item.fields, "a", 0, 2047, 0), IntegerField(item.fields, "b", 0, 2047, 0))
                 : IntegerField(item.fields, "index", 0, kMaxCells - 1, 0);
        const std::int64_t value = IntegerField(item.fields, "value", 0, AllOnes(bits) - 1, 0);
        cells[index] = static_cast<std::uint32_t>(value);
        return 0;
      });
    }
    if (rawOnly && cells.empty() && !count) return {{DataRecord{raw, items.empty() ? 0 : items.front().line}}};
    const std::int64_t n = count.value_or(cells.empty() ? 0 : cells.rbegin()->first + 1);
    if (!cells.empty() && cells.rbegin()->first >= n)
      throw DescriptionError(items.front().line, "cell " + std::to_string(cells.rbegin()->first) +
                                                     " lies past the size of " + std::to_string(n) + " cells");
    return {{DataRecord{Encode(bits, n, cells) + raw, items.empty() ? 0 : items.front().line}}};
  }

  std::optional<std::vector<std::string_view>> splitRecords(std::size_t, std::string_view content,
                                                            const Settings&) const override {
    return std::vector<std::string_view>{content};
  }

  void check(std::span<const FileRecords> files, const Settings& settings, KindProblems& problems) const override {
    const std::string_view content = files.front().content;
    const int bits = CellBits(settings);
    const std::optional<std::int64_t> count = CellCount(bits, content.size());
    if (!count) {
      problems.push_back({std::nullopt, "is " + std::to_string(content.size()) + " bytes, which no number of " +
                                            std::to_string(bits) +
                                            "-bit cells fills (the engine's read of the last cell would fall short)"});
      return;
    }
    const std::string* zones = FindSetting(settings, kZones);
    if (!zones || *zones != kPackageZones) return;
    for (std::int64_t i = 0; i < *count; ++i) {
      const std::uint32_t v = CellAt(content, bits, i);
      if (v != AllOnes(bits) && (v % 2 != 0 || v > kLastPackageZone))
        problems.push_back(
            {std::nullopt,
             "cell " + std::to_string(i) + " holds " + std::to_string(v) +
                 ": a package tariff's zones are 0, 2, ... 12, each the first of a pair of a service's records"});
    }
  }

  std::string describe(std::span<const std::string_view> contents, const Settings& settings) const override {
    const std::string_view content = contents.front();
    const int bits = CellBits(settings);
    const std::optional<std::int64_t> count = CellCount(bits, content.size());
    if (!count) return content.empty() ? std::string() : RawItemLine(content) + "\n";
    std::string out = FormatItem("size", {{"count", std::to_string(*count)}}) + "\n";
    std::map<std::int64_t, std::uint32_t> cells;
    for (std::int64_t i = 0; i < *count; ++i) {
      const std::uint32_t v = CellAt(content, bits, i);
      if (v == AllOnes(bits)) continue;
      cells[i] = v;
      out += FormatItem("cell", {{"index", std::to_string(i)}, {"value", std::to_string(v)}}) + "\n";
    }
    // Bits after the last cell that are not set cannot be described.
    if (Encode(bits, *count, cells) != content) return RawItemLine(content) + "\n";
    return out;
  }

 protected:
  void settleExtra(Settings& settings, const Neighbours& neighbours) const override {
    // Records of one name that disagree (a bureau tariff and the tariff it
    // overlays) leave the width to cells=.
    std::optional<std::string> type, base, flag;
    try {
      type = TariffRecordColumn(settings, neighbours, efcrec::kType, "tariff types");
      base = TariffRecordColumn(settings, neighbours, kBaseTypeColumn, "base tariff types");
      flag = TariffRecordColumn(settings, neighbours, kPointFlagColumn, "point-file flags");
    } catch (const FieldError&) {
      if (!FindSetting(settings, kCells)) throw;
    }
    std::optional<std::string> typeCells;
    if (type) {
      const char t = type->front() == 'N' && base ? base->front() : type->front();
      if (const std::optional<TariffTypeSizes> sizes = TariffTypeSizesOf(t))
        typeCells = flag && *flag == "P" ? "24" : std::to_string(sizes->matrixBits == 0 ? 16 : sizes->matrixBits);
    }
    if (const std::string* cells = FindSetting(settings, kCells)) {
      const std::string given = std::to_string(ParseInteger(kCells, *cells, 1, 25));
      if (typeCells && given != *typeCells)
        throw FieldError("field 'cells': " + given + " is not the width the engine reads for the tariff's type (" +
                         *typeCells + ")");
      PutSetting(settings, kCells, given);
    } else if (typeCells) {
      PutSetting(settings, kCells, *typeCells);
    } else if (type) {
      throw FieldError("tariff type " + Shown(*type) + " has no matrix width: give cells=");
    }
    const std::optional<std::string> letter =
        TariffRecordColumn(settings, neighbours, efcrec::kLetter, "tariff letters");
    if (!FindSetting(settings, kZones) && letter && *letter == "P")
      PutSetting(settings, kZones, std::string(kPackageZones));
  }
  std::span<const std::string_view> itemKeywords() const override { return kItems; }
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
  void checkRecords(std::span<const std::string_view>, const Settings&, KindProblems&) const override {}
};

}  // namespace

const FileKind& MatrixFileKind() {
  static const MatrixKind kind;
  return kind;
}

}  // namespace dataset
