// The lane-adjustment files of a tariff whose lane-adjustment letter is 'Y'
// (point-number pairs):
// - point-pair-lanes (NAME.L<lane-digits>): 8-byte records {u16 origin
//   point; u16 low and u16 high destination point; u16 adjustment record
//   number}, sorted by origin point, then by range (the engine's binary
//   search finds the first record holding a lane and reads on);
// - point-adjustments (NAME.A<lane-digits>): 32-byte records {u16 record
//   number; the whole shipment's operator; one operator per weight break
//   (9); u16 whole-shipment value; u16 value per break (9)}. Operators: '0'
//   none, '1' a factor in hundredths of a percent, '2' an amount to add;
// and of a tariff whose letter is 'C' (ZIP slots):
// - zip-slot-lanes (NAME.L<lane-digits>): a 7-byte header whose u32 is the
//   offset where the ZIP part ends (the builder writes it); ZIP records of 7
//   bytes {packed ZIP 3; slot 1 to 10; 3-character code} sorted by ZIP; then
//   range records of 23 bytes {low key 10; high key 10; suffix 3}, the first
//   padded with zeros to a multiple of 23 bytes from the start of the file,
//   sorted by range and matched with the head of the lane's rate record.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "codecs/packed_zip.h"
#include "kinds/rates/tariff_record_kind.h"
#include "kinds/record_tools.h"
#include "kinds/tariff_files.h"

namespace dataset {
namespace {

constexpr std::size_t kLaneSize = 8;
constexpr std::size_t kBreaks = 9;
constexpr std::string_view kKeys[] = {tariff::kTariff, tariff::kLetter, tariff::kSuffix};
constexpr std::string_view kLaneItems[] = {"lane"};
constexpr std::string_view kAdjustmentItems[] = {"adjustment"};
constexpr std::string_view kLaneFields[] = {"origin", "low", "high", "record"};
constexpr std::string_view kAdjustmentFields[] = {"number", "shipment-op", "shipment-value", "break-ops",
                                                  "break-values"};
constexpr std::string_view kPairAdjustmentFields[] = {"pair", "shipment-op", "shipment-value", "break-ops",
                                                      "break-values"};
constexpr std::string_view kPairKeys[] = {tariff::kTariff, tariff::kLetter, tariff::kSuffix, "pair-form"};

std::string U16(std::int64_t v) { return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)}; }
std::uint16_t LoadU16(std::string_view r, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(r[at]) | static_cast<unsigned char>(r[at + 1]) << 8);
}
bool IsOperator(char c) { return c == '0' || c == '1' || c == '2'; }

class PointPairLanesKind final : public TariffRecordKind {
 public:
  PointPairLanesKind() : TariffRecordKind("point-pair-lanes", "L", kKeys) {}

 protected:
  std::span<const std::string_view> itemKeywords() const override { return kLaneItems; }

  std::string encode(std::string_view, const FieldList& fields, const Settings&,
                     const std::vector<DataRecord>&) const override {
    OnlyFields(fields, kLaneFields, "lane");
    const std::int64_t low = IntegerField(fields, "low", 0, 65535, 0);
    const std::int64_t high = IntegerField(fields, "high", 0, 65535, low);
    if (high < low)
      throw FieldError("field 'high': " + std::to_string(high) + " is below the low point " + std::to_string(low));
    return U16(IntegerField(fields, "origin", 0, 65535, 0)) + U16(low) + U16(high) +
           U16(IntegerField(fields, "record", 0, 65535, 0));
  }

  std::optional<ItemLine> decode(std::span<const std::string_view> records, std::size_t index,
                                 const Settings&) const override {
    const std::string_view r = records[index];
    if (r.size() != kLaneSize || LoadU16(r, 4) < LoadU16(r, 2)) return std::nullopt;
    return ItemLine{"lane",
                    {{"origin", std::to_string(LoadU16(r, 0))},
                     {"low", std::to_string(LoadU16(r, 2))},
                     {"high", std::to_string(LoadU16(r, 4))},
                     {"record", std::to_string(LoadU16(r, 6))}}};
  }

  std::optional<std::vector<std::string_view>> split(std::string_view content, const Settings&) const override {
    return SplitFixedRecords(content, kLaneSize);
  }

  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    for (std::size_t i = 0; i < records.size(); ++i) {
      const std::string_view r = records[i];
      if (r.size() != kLaneSize) {
        problems.push_back({i, "is " + std::to_string(r.size()) + " bytes, not 8"});
        continue;
      }
      if (LoadU16(r, 4) < LoadU16(r, 2)) problems.push_back({i, "ends below its start"});
      if (i == 0 || records[i - 1].size() != kLaneSize) continue;
      const std::string_view p = records[i - 1];
      const auto key = [](std::string_view x) { return std::make_pair(LoadU16(x, 0), LoadU16(x, 2)); };
      if (key(r) < key(p))
        problems.push_back(
            {i, "is out of order after record " + std::to_string(i - 1) + " (sorted by origin point, then range)"});
    }
  }
};

// The adjustment records of point pairs (keyed by a u16 record number,
// 32 bytes) and of lane pairs (keyed by the packed pair, 33 bytes).
class AdjustmentRecordsKind final : public TariffRecordKind {
 public:
  AdjustmentRecordsKind(std::string_view keyword, std::size_t keySize, std::span<const std::string_view> keys)
      : TariffRecordKind(keyword, "A", keys), keySize_(keySize) {}

 protected:
  std::span<const std::string_view> itemKeywords() const override { return kAdjustmentItems; }

  void settleExtra(Settings& settings, const Neighbours&) const override {
    if (keySize_ == 2) return;
    const std::string* form = FindSetting(settings, kPairForm);
    if (!form)
      PutSetting(settings, kPairForm, "postal");
    else if (*form != "postal" && *form != "digits")
      throw FieldError("field 'pair-form': " + Shown(*form) + " is not postal or digits");
  }

  std::string encode(std::string_view, const FieldList& fields, const Settings& settings,
                     const std::vector<DataRecord>&) const override {
    OnlyFields(fields, keySize_ == 2 ? kAdjustmentFields : kPairAdjustmentFields, "adjustment");
    const std::string shipmentOp = TextField(fields, "shipment-op", "0");
    std::string ops = TextField(fields, "break-ops", "");
    if (shipmentOp.size() != 1 || !IsOperator(shipmentOp[0]))
      throw FieldError("field 'shipment-op': " + Shown(shipmentOp) + " is not an operator (0, 1 or 2)");
    if (ops.size() > kBreaks) throw FieldError("field 'break-ops': more than 9 breaks");
    for (char c : ops)
      if (!IsOperator(c))
        throw FieldError("field 'break-ops': " + Shown(ops) + " holds an operator other than 0, 1 or 2");
    ops.resize(kBreaks, '0');
    const std::string valueText = TextField(fields, "break-values", "");
    const std::vector<std::string_view> values = Words(valueText);
    if (values.size() > kBreaks) throw FieldError("field 'break-values': more than 9 values");
    std::string r = keySize_ == 2 ? U16(IntegerField(fields, "number", 0, 65535, 0))
                                  : PackedPair(TextField(fields, "pair", "000000"), settings);
    r += shipmentOp + ops + U16(IntegerField(fields, "shipment-value", 0, 65535, 0));
    for (std::size_t j = 0; j < kBreaks; ++j)
      r += U16(j < values.size() ? ParseInteger("break-values", values[j], 0, 65535) : 0);
    return r;
  }

  std::optional<ItemLine> decode(std::span<const std::string_view> records, std::size_t index,
                                 const Settings& settings) const override {
    const std::string_view r = records[index];
    if (r.size() != size()) return std::nullopt;
    std::string ops(r.substr(keySize_ + 1, kBreaks));
    std::string values;
    std::size_t last = 0;
    const std::size_t valuesAt = keySize_ + 1 + kBreaks + 2;
    for (std::size_t j = 0; j < kBreaks; ++j)
      if (LoadU16(r, valuesAt + 2 * j) != 0 || ops[j] != '0') last = j + 1;
    for (std::size_t j = 0; j < last; ++j) values += (j ? " " : "") + std::to_string(LoadU16(r, valuesAt + 2 * j));
    ops.resize(last);
    FieldList fields;
    if (keySize_ == 2) {
      fields.push_back({"number", std::to_string(LoadU16(r, 0))});
    } else {
      const std::optional<std::string> pair = UnpackedPair(r.substr(0, 3), settings);
      if (!pair) return std::nullopt;
      fields.push_back({"pair", *pair});
    }
    fields.push_back({"shipment-op", std::string(1, r[keySize_])});
    fields.push_back({"shipment-value", std::to_string(LoadU16(r, keySize_ + 1 + kBreaks))});
    if (!ops.empty()) fields.push_back({"break-ops", ops});
    if (!values.empty()) fields.push_back({"break-values", values});
    return ItemLine{"adjustment", std::move(fields)};
  }

  std::optional<std::vector<std::string_view>> split(std::string_view content, const Settings&) const override {
    return SplitFixedRecords(content, size());
  }

  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    for (std::size_t i = 0; i < records.size(); ++i) {
      const std::string_view r = records[i];
      if (!CheckRecordSize(r, i, size(), problems)) continue;
      for (std::size_t k = keySize_; k < keySize_ + 1 + kBreaks; ++k)
        if (!IsOperator(r[k])) {
          problems.push_back({i, "has an operator other than 0, 1 or 2 at byte " + std::to_string(k)});
          break;
        }
      // Lane-pair records are binary-searched by their packed pair.
      if (keySize_ == 3 && i > 0 && records[i - 1].size() == size() && r.substr(0, 3) < records[i - 1].substr(0, 3))
        problems.push_back(
            {i, "is out of order after record " + std::to_string(i - 1) + " (sorted by the packed pair)"});
    }
  }

 private:
  static constexpr std::string_view kPairForm = "pair-form";

  std::size_t size() const { return keySize_ + 1 + kBreaks + 2 + 2 * kBreaks; }

  // Six characters: packed as 6 decimal digits, or as a postal code (the
  // first character a base-36 digit, then 5 decimal digits, in 24 bits).
  static std::string PackedPair(const std::string& pair, const Settings& settings) {
    const bool digits = *FindSetting(settings, kPairForm) == "digits";
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (pair.size() != 6 || !std::all_of(pair.begin() + 1, pair.end(), isDigit) ||
        !(isDigit(pair[0]) || (!digits && pair[0] >= 'A' && pair[0] <= 'Z')))
      throw FieldError("field 'pair': " + Shown(pair) +
                       (digits ? " is not 6 digits" : " is not a digit or capital letter and 5 digits"));
    std::uint32_t v = 0;
    if (digits) {
      for (char c : pair) v = v << 4 | static_cast<std::uint32_t>(c - '0');
    } else {
      v = static_cast<std::uint32_t>(isDigit(pair[0]) ? pair[0] - '0' : pair[0] - 'A' + 10) * 100000 +
          static_cast<std::uint32_t>(std::stoul(pair.substr(1)));
    }
    return {static_cast<char>(v >> 16), static_cast<char>((v >> 8) & 0xFF), static_cast<char>(v & 0xFF)};
  }
  static std::optional<std::string> UnpackedPair(std::string_view key, const Settings& settings) {
    const std::uint32_t v = static_cast<std::uint32_t>(static_cast<unsigned char>(key[0])) << 16 |
                            static_cast<std::uint32_t>(static_cast<unsigned char>(key[1])) << 8 |
                            static_cast<unsigned char>(key[2]);
    char text[8];
    if (*FindSetting(settings, kPairForm) == "digits") {
      std::snprintf(text, sizeof text, "%06x", v);
      return std::all_of(text, text + 6, [](char c) { return c >= '0' && c <= '9'; }) ? std::optional<std::string>(text)
                                                                                      : std::nullopt;
    }
    const std::uint32_t first = v / 100000;
    if (first >= 36) return std::nullopt;
    std::snprintf(text, sizeof text, "%c%05u",
                  first < 10 ? static_cast<char>('0' + first) : static_cast<char>('A' + first - 10), v % 100000);
    return std::string(text);
  }

  std::size_t keySize_;
};

constexpr std::size_t kHeaderSize = 7;
constexpr std::size_t kZipSize = 7;
constexpr std::size_t kRangeSize = 23;
constexpr std::string_view kSlotItems[] = {"header", "zip", "range"};
constexpr std::string_view kZipFields[] = {"zip", "slot", "code"};
constexpr std::string_view kRangeFields[] = {"low", "high", "suffix"};

std::string FixedText(const FieldList& fields, std::string_view key, std::size_t width) {
  const std::string value = TextField(fields, key, std::string(width, ' '));
  if (value.size() != width)
    throw FieldError("field '" + std::string(key) + "': " + Shown(value) + " is not " + std::to_string(width) +
                     " characters");
  return value;
}

std::uint32_t LoadU32(std::string_view r) {
  return static_cast<std::uint32_t>(LoadU16(r, 0)) | static_cast<std::uint32_t>(LoadU16(r, 2)) << 16;
}

class ZipSlotLanesKind final : public TariffRecordKind {
 public:
  ZipSlotLanesKind() : TariffRecordKind("zip-slot-lanes", "L", kKeys) {}

  // The header holds the end of the ZIP records that follow it.
  std::vector<std::vector<DataRecord>> build(std::span<const ItemText> items, const Settings& settings) const override {
    std::vector<std::vector<DataRecord>> files = TariffRecordKind::build(items, settings);
    std::vector<DataRecord>& records = files.front();
    if (records.empty() || records.front().bytes.size() != kHeaderSize) return files;
    std::size_t end = kHeaderSize;
    for (std::size_t i = 1; i < records.size() && records[i].bytes.size() == kZipSize; ++i) end += kZipSize;
    records.front().bytes.replace(0, 4,
                                  U16(static_cast<std::int64_t>(end)) + U16(static_cast<std::int64_t>(end >> 16)));
    return files;
  }

 protected:
  std::span<const std::string_view> itemKeywords() const override { return kSlotItems; }

  std::string encode(std::string_view keyword, const FieldList& fields, const Settings&,
                     const std::vector<DataRecord>& before) const override {
    if (keyword == "header") {
      OnlyFields(fields, {}, "header");
      if (!before.empty()) throw FieldError("the header is the file's first record");
      return std::string(kHeaderSize, '\0');
    }
    if (keyword == "zip") {
      OnlyFields(fields, kZipFields, "zip");
      const std::string zip = TextField(fields, "zip", "00000");
      const std::optional<PackedZip> packed = PackZip(zip);
      if (!packed) throw FieldError("field 'zip': " + Shown(zip) + " is not a ZIP code or postal prefix");
      return std::string(packed->begin(), packed->end()) +
             static_cast<char>(IntegerField(fields, "slot", -128, 127, 1)) + FixedText(fields, "code", 3);
    }
    OnlyFields(fields, kRangeFields, "range");
    std::size_t offset = 0;
    for (const DataRecord& r : before) offset += r.bytes.size();
    return std::string((kRangeSize - offset % kRangeSize) % kRangeSize, '\0') + FixedText(fields, "low", 10) +
           FixedText(fields, "high", 10) + FixedText(fields, "suffix", 3);
  }

  std::optional<ItemLine> decode(std::span<const std::string_view> records, std::size_t index,
                                 const Settings&) const override {
    const std::string_view r = records[index];
    if (index == 0) return r.size() == kHeaderSize ? std::optional(ItemLine{"header", {}}) : std::nullopt;
    if (r.size() == kZipSize) {
      PackedZip packed{};
      std::memcpy(packed.data(), r.data(), 3);
      const std::optional<std::string> zip = UnpackZip(packed);
      if (!zip) return std::nullopt;
      return ItemLine{"zip",
                      {{"zip", *zip},
                       {"slot", std::to_string(static_cast<signed char>(r[3]))},
                       {"code", std::string(r.substr(4, 3))}}};
    }
    if (r.size() < kRangeSize) return std::nullopt;
    const std::string_view range = r.substr(r.size() - kRangeSize);
    return ItemLine{"range",
                    {{"low", std::string(range.substr(0, 10))},
                     {"high", std::string(range.substr(10, 10))},
                     {"suffix", std::string(range.substr(20, 3))}}};
  }

  std::optional<std::vector<std::string_view>> split(std::string_view content, const Settings&) const override {
    if (content.size() < kHeaderSize) return std::nullopt;
    const std::size_t end = LoadU32(content);
    if (end < kHeaderSize || end > content.size() || (end - kHeaderSize) % kZipSize != 0) return std::nullopt;
    std::vector<std::string_view> records{content.substr(0, kHeaderSize)};
    for (std::size_t at = kHeaderSize; at < end; at += kZipSize) records.push_back(content.substr(at, kZipSize));
    std::size_t at = end;
    const std::size_t firstEnd = (end + kRangeSize - 1) / kRangeSize * kRangeSize + kRangeSize;
    if (at < content.size()) {
      records.push_back(content.substr(at, firstEnd - at));
      at = firstEnd;
    }
    for (; at < content.size(); at += kRangeSize) records.push_back(content.substr(at, kRangeSize));
    return records;
  }

  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    std::optional<std::string_view> lastZip, lastRange;
    for (std::size_t i = 1; i < records.size(); ++i) {
      const std::string_view r = records[i];
      if (r.size() == kZipSize) {
        const int slot = static_cast<signed char>(r[3]);
        if (slot < 1 || slot > 10)
          problems.push_back({i, "has slot " + std::to_string(slot) + ", not 1 to 10 (the engine leaves it out)"});
        if (lastZip && r.substr(0, 3) < lastZip->substr(0, 3))
          problems.push_back({i, "is out of order (ZIP records are sorted by ZIP)"});
        lastZip = r;
        continue;
      }
      if (r.size() < kRangeSize || (i + 1 < records.size() && r.size() != kRangeSize && lastRange)) {
        problems.push_back({i, "is " + std::to_string(r.size()) + " bytes, not a 23-byte range record"});
        continue;
      }
      const std::string_view range = r.substr(r.size() - kRangeSize);
      if (range.substr(10, 10) < range.substr(0, 10)) problems.push_back({i, "ends below its start"});
      if (lastRange && range.substr(0, 10) <= lastRange->substr(10, 10))
        problems.push_back({i, "is out of order or overlaps the range before (ranges ascend)"});
      lastRange = range;
    }
  }
};

}  // namespace

const FileKind& ZipSlotLanesFileKind() {
  static const ZipSlotLanesKind kind;
  return kind;
}

const FileKind& PointPairLanesFileKind() {
  static const PointPairLanesKind kind;
  return kind;
}

const FileKind& PointAdjustmentsFileKind() {
  static const AdjustmentRecordsKind kind("point-adjustments", 2, kKeys);
  return kind;
}

const FileKind& LanePairAdjustmentsFileKind() {
  static const AdjustmentRecordsKind kind("lane-pair-adjustments", 3, kPairKeys);
  return kind;
}

}  // namespace dataset
