// The auxiliary tables of a tariff, one fixed-size record per item:
// - class-factors (NAME.Css, 11 bytes, at most 20 read): packed first and
//   last ZIP, 3 bytes of class-factor data, a 16-bit percentage at 9;
// - zip-pairs (NAME.Zss, 40 bytes, binary-searched): direction 'F' or 'B',
//   packed first and last origin ZIP (1-6) and destination ZIP (7-12),
//   first and last rate key of 6 characters (13-24), the minimum layout
//   digit (25), the item count digit (26), the amount flag (27: '*' its own
//   amounts, 'M' the .M file, 'R' the rate record) and four 24-bit amounts
//   (28-39);
// - rbno-addons (NAME.Hss, 15 bytes, binary-searched): rate-basis letter,
//   packed first origin ZIP, the last two digits of the origin range's end
//   (packed, written from origin-high, which keeps the first ZIP's 3-digit
//   prefix), packed first and last destination ZIP, sign '+' or '-', and an
//   amount of five packed digits.
#include <algorithm>

#include "codecs/packed_zip.h"
#include "kinds/rates/tariff_record_kind.h"
#include "kinds/record_tools.h"
#include "kinds/tariff_files.h"
#include "kinds/zip_keys.h"
#include "layout/record_layout.h"

namespace dataset {
namespace {

using namespace std::string_view_literals;
using F = FieldForm;

constexpr std::string_view kSettingKeys[] = {tariff::kTariff, tariff::kLetter, tariff::kSuffix};

constexpr RecordField kClassFactorFields[] = {
    {"low", {0, 3}, F::PackedZip, "\x00\x00\x01"sv},
    {"high", {3, 3}, F::PackedZip, "\x09\x99\x99"sv},
    {"data", {6, 3}, F::Exact, "   "sv},
    {"percent", {9, 2}, F::Unsigned, "\x00\x00"sv},
};
constexpr RecordField kZipPairFields[] = {
    {"direction", {0, 1}, F::Character, "F"sv},
    {"origin-low", {1, 3}, F::PackedZip, "\x00\x00\x01"sv},
    {"origin-high", {4, 3}, F::PackedZip, "\x09\x99\x99"sv},
    {"destination-low", {7, 3}, F::PackedZip, "\x00\x00\x01"sv},
    {"destination-high", {10, 3}, F::PackedZip, "\x09\x99\x99"sv},
    {"key-low", {13, 6}, F::Exact, "000000"sv},
    {"key-high", {19, 6}, F::Exact, "99999Z"sv},
    {"layout", {25, 1}, F::Character, "0"sv},
    {"count", {26, 1}, F::Character, "1"sv},
    {"flag", {27, 1}, F::Character, "R"sv},
    {"amount-bytes", {28, 12}, F::Exact, "\0\0\0\0\0\0\0\0\0\0\0\0"sv},
};
constexpr RecordField kAddOnFields[] = {
    {"letter", {0, 1}, F::Character, "A"sv},
    {"origin-low", {1, 3}, F::PackedZip, "\x00\x00\x00"sv},
    {"origin-end-byte", {4, 1}, F::Unsigned, "\x99"sv},
    {"destination-low", {5, 3}, F::PackedZip, "\x00\x00\x00"sv},
    {"destination-high", {8, 3}, F::PackedZip, "\x09\x99\x99"sv},
    {"sign", {11, 1}, F::Character, "+"sv},
    {"amount", {12, 3}, F::PackedZip, "\x00\x00\x00"sv},
};
static_assert(IsWholeLayout(kClassFactorFields, 11) && IsWholeLayout(kZipPairFields, 40) &&
              IsWholeLayout(kAddOnFields, 15));
constexpr RecordLayout kClassFactor(kClassFactorFields);
constexpr RecordLayout kZipPair(kZipPairFields);
constexpr RecordLayout kAddOn(kAddOnFields);
constexpr std::string_view kAmounts[] = {"amount0", "amount1", "amount2", "amount3"};

// Fields taken out of a list: those whose key is one of keys.
FieldList Take(FieldList& fields, std::span<const std::string_view> keys) {
  FieldList taken;
  std::erase_if(fields, [&](const Field& f) {
    if (std::find(keys.begin(), keys.end(), f.key) == keys.end()) return false;
    taken.push_back(f);
    return true;
  });
  return taken;
}

std::string_view Value(const FieldList& fields, std::string_view key) {
  for (const Field& f : fields)
    if (f.key == key) return f.value;
  return {};
}

void Remove(FieldList& fields, std::string_view key) {
  std::erase_if(fields, [&](const Field& f) { return f.key == key; });
}

class LayoutKind : public TariffRecordKind {
 public:
  LayoutKind(std::string_view keyword, std::string_view letter, std::string_view item, const RecordLayout& layout)
      : TariffRecordKind(keyword, letter, kSettingKeys), item_{item}, layout_(layout) {}

 protected:
  std::span<const std::string_view> itemKeywords() const override { return item_; }
  std::string encode(std::string_view, const FieldList& fields, const Settings&,
                     const std::vector<DataRecord>&) const override {
    FieldList rest = fields;
    return encodeFields(rest);
  }
  std::optional<ItemLine> decode(std::span<const std::string_view> records, std::size_t index,
                                 const Settings&) const override {
    std::optional<FieldList> fields = layout_.decode(records[index]);
    if (!fields || !decodeFields(records[index], *fields)) return std::nullopt;
    return ItemLine{std::string(item_[0]), std::move(*fields)};
  }
  std::optional<std::vector<std::string_view>> split(std::string_view content, const Settings&) const override {
    return SplitFixedRecords(content, layout_.recordSize());
  }

  // The record of these fields (the kind's own fields taken out first).
  virtual std::string encodeFields(FieldList& fields) const { return layout_.encode(fields); }
  // Turns the layout's fields into the kind's own; false when they cannot be.
  virtual bool decodeFields(std::string_view, FieldList&) const { return true; }

  const RecordLayout& layout() const { return layout_; }
  std::string_view item_[1];

 private:
  const RecordLayout& layout_;
};

class ClassFactorsKind final : public LayoutKind {
 public:
  ClassFactorsKind() : LayoutKind("class-factors", "C", "range", kClassFactor) {}

 protected:
  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    CheckRecordCount(records.size(), 0, 20, "ranges", problems);
    for (std::size_t i = 0; i < records.size(); ++i)
      if (CheckRecordShape(records[i], i, layout(), problems)) ReadZipRange(records[i], i, layout(), problems);
  }
};

// The range of two packed fields, or nothing after reporting it.
std::optional<ZipRange> RangeOf(std::string_view r, std::size_t i, const RecordLayout& layout, std::string_view low,
                                std::string_view high, KindProblems& problems) {
  const std::optional<SortKey> l = ReadZipKey(r, i, layout, low, problems),
                               h = ReadZipKey(r, i, layout, high, problems);
  if (!l || !h) return std::nullopt;
  if (*h < *l) {
    problems.push_back({i, layout.describe(high) + " lies below " + layout.describe(low)});
    return std::nullopt;
  }
  return ZipRange{*l, *h};
}

class ZipPairsKind final : public LayoutKind {
 public:
  ZipPairsKind() : LayoutKind("zip-pairs", "Z", "pair", kZipPair) {}

 protected:
  std::string encodeFields(FieldList& fields) const override {
    const FieldList amounts = Take(fields, kAmounts);
    std::string r = layout().encode(fields);
    for (std::size_t k = 0; k < 4; ++k) {
      const std::string_view v = Value(amounts, kAmounts[k]);
      if (!v.empty()) Store24(r, 28 + 3 * k, static_cast<std::uint32_t>(ParseInteger(kAmounts[k], v, 0, 0xFFFFFF)));
    }
    return r;
  }
  bool decodeFields(std::string_view record, FieldList& fields) const override {
    Remove(fields, "amount-bytes");
    for (std::size_t k = 0; k < 4; ++k)
      if (const std::uint32_t v = Load24(record, 28 + 3 * k))
        fields.push_back({std::string(kAmounts[k]), std::to_string(v)});
    return true;
  }
  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    std::vector<std::pair<std::size_t, SortKey>> keys;
    for (std::size_t i = 0; i < records.size(); ++i) {
      const std::string_view r = records[i];
      if (!CheckRecordShape(r, i, layout(), problems)) continue;
      if (r[0] != 'F' && r[0] != 'B')
        problems.push_back({i, layout().describe("direction") + ": " + Shown(r.substr(0, 1)) + " is not 'F' or 'B'"});
      const std::optional<ZipRange> origin = RangeOf(r, i, layout(), "origin-low", "origin-high", problems);
      const std::optional<ZipRange> destination =
          RangeOf(r, i, layout(), "destination-low", "destination-high", problems);
      if (r.substr(19, 6) < r.substr(13, 6)) problems.push_back({i, "its last rate key sorts below its first"});
      if (!origin || !destination) continue;
      SortKey key{static_cast<unsigned char>(r[0])};
      key.insert(key.end(), origin->low.begin(), origin->low.end());
      key.insert(key.end(), destination->low.begin(), destination->low.end());
      for (char c : r.substr(13, 6)) key.push_back(static_cast<unsigned char>(c));
      keys.emplace_back(i, key);
    }
    CheckSortOrder(keys, false, "direction, origin range, destination range, rate key", problems);
  }
};

class RateBasisAddOnsKind final : public LayoutKind {
 public:
  RateBasisAddOnsKind() : LayoutKind("rbno-addons", "H", "addon", kAddOn) {}

 protected:
  std::string encodeFields(FieldList& fields) const override {
    const std::string low(Value(fields, "origin-low"));
    const FieldList high = Take(fields, std::array<std::string_view, 1>{"origin-high"});
    if (!Value(fields, "origin-end-byte").empty()) throw FieldError("give the origin range's end as origin-high=");
    std::string r = layout().encode(fields);
    const std::string end =
        high.empty() ? (low.size() == 5 ? low.substr(0, 3) + "99" : std::string("00099")) : high.front().value;
    const std::string start = low.empty() ? "00000" : low;
    if (end.size() != 5 || !IsDigits(end) || !IsDigits(start) || end.substr(0, 3) != start.substr(0, 3) || end < start)
      throw FieldError("field 'origin-high': " + Shown(end) +
                       " is not a ZIP of the first ZIP's 3-digit prefix at or above it");
    r[4] = static_cast<char>((end[3] - '0') << 4 | (end[4] - '0'));
    return r;
  }
  bool decodeFields(std::string_view record, FieldList& fields) const override {
    const std::optional<std::string> low = UnpackZip(PackedZipAt(record, 1));
    const unsigned char end = static_cast<unsigned char>(record[4]);
    if (!low || low->size() != 5 || (end >> 4) > 9 || (end & 15) > 9) return false;
    Remove(fields, "origin-end-byte");
    const std::string high =
        low->substr(0, 3) + static_cast<char>('0' + (end >> 4)) + static_cast<char>('0' + (end & 15));
    if (high != low->substr(0, 3) + "99") fields.push_back({"origin-high", high});
    return true;
  }
  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    std::vector<std::pair<std::size_t, SortKey>> keys;
    for (std::size_t i = 0; i < records.size(); ++i) {
      const std::string_view r = records[i];
      if (!CheckRecordShape(r, i, layout(), problems)) continue;
      if (r[11] != '+' && r[11] != '-')
        problems.push_back({i, layout().describe("sign") + ": " + Shown(r.substr(11, 1)) + " is not '+' or '-'"});
      const std::optional<SortKey> origin = ReadZipKey(r, i, layout(), "origin-low", problems);
      const std::optional<ZipRange> destination =
          RangeOf(r, i, layout(), "destination-low", "destination-high", problems);
      if (!UnpackZip(PackedZipAt(r, 12)))
        problems.push_back({i, layout().describe("amount") + " is not five packed digits"});
      if (!origin || !destination) continue;
      SortKey key{static_cast<unsigned char>(r[0])};
      key.insert(key.end(), origin->begin(), origin->end());
      key.insert(key.end(), destination->low.begin(), destination->low.end());
      keys.emplace_back(i, key);
    }
    CheckSortOrder(keys, false, "letter, origin ZIP, destination ZIP", problems);
  }
};

}  // namespace

const FileKind& ClassFactorsFileKind() {
  static const ClassFactorsKind kind;
  return kind;
}

const FileKind& ZipPairsFileKind() {
  static const ZipPairsKind kind;
  return kind;
}

const FileKind& RateBasisAddOnsFileKind() {
  static const RateBasisAddOnsKind kind;
  return kind;
}

}  // namespace dataset
