// The lane-adjustment files of a tariff whose lane-adjustment letter is 'L',
// 'A' or 'T' (zone-code pairs):
// - zone-pair-lanes (NAME.L<lane-digits>): text, lines ending with LF: up to
//   two parameter lines ("* BRKS = 000* 500+ 999X"), ZIP-range lines sorted
//   ascending {low key 5; high key 5; up to 20 zone codes of 3}, the "*"
//   line that ends the range part, the pair part's parameter lines, pair
//   records of 11 bytes sorted by pair {origin zone 3; destination zone 3;
//   value 4; LF} and optionally the trailer {"999"; i32 offset of the "*"
//   line; 4 blanks} (the builder writes the offset);
// - cell-adjustments (NAME.A<lane-digits>, letters 'L' and 'A'): 347-byte
//   records {3-character adjustment number; u16 whole-shipment value; u16
//   per rate cell, row-major by class then break};
// - operator-adjustments (NAME.A<lane-digits>, letter 'T'): 350-byte
//   records {u16 record number; whole-shipment operator; rate operator; u16
//   whole-shipment value; u16 alternative for minimum charges of kind '1';
//   u16 values from byte 8 (one per break column, or the percentages of a
//   percentage table's record)}. Operators: '0' none, '*' factor, '+' add,
//   '-' subtract, 'F' floor.
#include <algorithm>
#include <cstring>
#include <string>

#include "kinds/rates/tariff_record_kind.h"
#include "kinds/record_tools.h"
#include "kinds/tariff_files.h"

namespace dataset {
namespace {

constexpr std::string_view kKeys[] = {tariff::kTariff, tariff::kLetter, tariff::kSuffix};
constexpr std::size_t kMaxLine = 80;
constexpr std::size_t kPairSize = 11;
constexpr std::size_t kMaxCodes = 20;
constexpr std::string_view kLaneItems[] = {"parameters", "range", "end", "pair", "trailer"};
constexpr std::string_view kParameterFields[] = {"text"};
constexpr std::string_view kRangeFields[] = {"low", "high", "codes"};
constexpr std::string_view kPairFields[] = {"pair", "value"};

std::string U16(std::int64_t v) { return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)}; }
std::uint16_t LoadU16(std::string_view r, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(r[at]) | static_cast<unsigned char>(r[at + 1]) << 8);
}

std::string Fixed(const FieldList& fields, std::string_view key, std::size_t width) {
  const std::string value = TextField(fields, key, "");
  if (value.size() != width)
    throw FieldError("field '" + std::string(key) + "': " + Shown(value) + " is not " + std::to_string(width) +
                     " characters");
  return value;
}

bool IsStarLine(std::string_view r) { return !r.empty() && r[0] == '*'; }

// Where the parts of a zone-pair list begin: the "*" line ending the range
// part (as the engine finds it: after at most two parameter lines at the top
// and the range lines) and the first pair record.
struct ListParts {
  std::size_t endLine = 0;    // record index of the "*" line
  std::size_t firstPair = 0;  // record index of the first pair record
};

class ZonePairLanesKind final : public TariffRecordKind {
 public:
  ZonePairLanesKind() : TariffRecordKind("zone-pair-lanes", "L", kKeys) {}

  // The trailer holds the offset of the "*" line that ends the range part.
  std::vector<std::vector<DataRecord>> build(std::span<const ItemText> items, const Settings& settings) const override {
    std::vector<std::vector<DataRecord>> files = TariffRecordKind::build(items, settings);
    std::vector<DataRecord>& records = files.front();
    if (records.empty() || records.back().bytes.size() != kPairSize || !records.back().bytes.starts_with("999"))
      return files;
    std::vector<std::string_view> views;
    for (const DataRecord& r : records) views.push_back(r.bytes);
    const std::optional<ListParts> parts = PartsOf(views);
    std::size_t offset = 0;
    for (std::size_t i = 0; parts && i < parts->endLine; ++i) offset += records[i].bytes.size();
    records.back().bytes.replace(
        3, 4, U16(static_cast<std::int64_t>(offset & 0xFFFF)) + U16(static_cast<std::int64_t>(offset >> 16)));
    return files;
  }

 protected:
  std::span<const std::string_view> itemKeywords() const override { return kLaneItems; }

  std::string encode(std::string_view keyword, const FieldList& fields, const Settings&,
                     const std::vector<DataRecord>&) const override {
    if (keyword == "parameters") {
      OnlyFields(fields, kParameterFields, "parameters");
      const std::string text = TextField(fields, "text", "*");
      if (!IsStarLine(text) || text.size() > kMaxLine || text.find('\n') != std::string::npos)
        throw FieldError("field 'text': " + Shown(text) + " is not a line of at most 80 characters beginning \"*\"");
      return text + "\n";
    }
    if (keyword == "end") {
      OnlyFields(fields, {}, "end");
      return "*\n";
    }
    if (keyword == "range") {
      OnlyFields(fields, kRangeFields, "range");
      const std::string codeText = TextField(fields, "codes", "");
      const std::vector<std::string_view> codes = Words(codeText);
      if (codes.size() > kMaxCodes) throw FieldError("field 'codes': more than 20 zone codes");
      std::string line = Fixed(fields, "low", 5);
      line += Fixed(fields, "high", 5);
      for (std::string_view code : codes) {
        if (code.size() != 3) throw FieldError("field 'codes': " + Shown(code) + " is not 3 characters");
        line += code;
      }
      return line + "\n";
    }
    if (keyword == "pair") {
      OnlyFields(fields, kPairFields, "pair");
      const std::string pair = Fixed(fields, "pair", 6);
      return pair + Fixed(fields, "value", 4) + "\n";
    }
    OnlyFields(fields, {}, "trailer");
    return std::string("999") + std::string(4, '\0') + "   \n";
  }

  std::optional<ItemLine> decode(std::span<const std::string_view> records, std::size_t index,
                                 const Settings&) const override {
    const std::optional<ListParts> parts = PartsOf(records);
    const std::string_view r = records[index];
    if (!parts || r.empty() || r.back() != '\n') return std::nullopt;
    const std::string_view text = r.substr(0, r.size() - 1);
    if (index == parts->endLine) return text == "*" ? std::optional(ItemLine{"end", {}}) : std::nullopt;
    if (index >= parts->firstPair) {
      if (r.size() != kPairSize) return std::nullopt;
      if (index + 1 == records.size() && r.starts_with("999"))
        return r.substr(7) == "   \n" ? std::optional(ItemLine{"trailer", {}}) : std::nullopt;
      return ItemLine{"pair", {{"pair", std::string(r.substr(0, 6))}, {"value", std::string(r.substr(6, 4))}}};
    }
    if (IsStarLine(text)) return ItemLine{"parameters", {{"text", std::string(text)}}};
    if (text.size() < 10 || (text.size() - 10) % 3 != 0) return std::nullopt;
    std::string codes;
    for (std::size_t at = 10; at < text.size(); at += 3) {
      const std::string_view code = text.substr(at, 3);
      if (code.find(' ') != std::string_view::npos) return std::nullopt;  // given raw
      codes += (at > 10 ? " " : "") + std::string(code);
    }
    FieldList fields{{"low", std::string(text.substr(0, 5))}, {"high", std::string(text.substr(5, 5))}};
    if (!codes.empty()) fields.push_back({"codes", codes});
    return ItemLine{"range", std::move(fields)};
  }

  // Lines up to the pair records, then records of 11 bytes.
  std::optional<std::vector<std::string_view>> split(std::string_view content, const Settings&) const override {
    std::vector<std::string_view> records;
    std::size_t at = 0;
    int top = 0;
    bool ranges = false, ended = false;
    while (at < content.size()) {
      const std::size_t end = content.find('\n', at);
      const std::size_t next = end == std::string_view::npos ? content.size() : end + 1;
      const std::string_view line = content.substr(at, next - at);
      if (ended && !IsStarLine(line)) break;
      records.push_back(line);
      at = next;
      if (!IsStarLine(line))
        ranges = true;
      else if (!ranges && top < 2 && !ended)
        ++top;
      else
        ended = true;
    }
    for (; at < content.size(); at += kPairSize) records.push_back(content.substr(at, kPairSize));
    return records;
  }

  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    const std::optional<ListParts> parts = PartsOf(records);
    if (!parts) {
      problems.push_back({0, "has no \"*\" line ending the ZIP ranges (the engine answers 232)"});
      return;
    }
    std::string_view lastHigh, lastPair;
    for (std::size_t i = 0; i < records.size(); ++i) {
      const std::string_view r = records[i];
      if (i < parts->firstPair) {
        if (r.size() > kMaxLine + 1) problems.push_back({i, "is longer than 80 characters (the engine answers 232)"});
        if (i >= parts->endLine || IsStarLine(r) || r.size() < 11) continue;
        if (r.substr(5, 5) < r.substr(0, 5)) problems.push_back({i, "ends below its start"});
        if (!lastHigh.empty() && r.substr(0, 5) <= lastHigh)
          problems.push_back({i, "is out of order or overlaps the range before (ranges ascend)"});
        lastHigh = r.substr(5, 5);
        continue;
      }
      if (r.size() != kPairSize || r.back() != '\n') {
        problems.push_back(
            {i, "is not an 11-byte pair record ending in a line feed (the engine answers 232 for the first)"});
        continue;
      }
      if (i + 1 == records.size() && r.starts_with("999")) continue;
      if (r.substr(0, 6) < lastPair) problems.push_back({i, "is out of order (pair records are sorted by pair)"});
      lastPair = r.substr(0, 6);
    }
  }

 private:
  static std::optional<ListParts> PartsOf(std::span<const std::string_view> records) {
    int top = 0;
    bool ranges = false;
    for (std::size_t i = 0; i < records.size(); ++i) {
      if (!IsStarLine(records[i])) {
        ranges = true;
        continue;
      }
      if (!ranges && top < 2) {
        ++top;
        continue;
      }
      std::size_t first = i + 1;
      while (first < records.size() && IsStarLine(records[first])) ++first;
      return ListParts{i, first};
    }
    return std::nullopt;
  }
};

// The 347- and 350-byte adjustment records.
constexpr std::size_t kCellSize = 347;
constexpr std::size_t kCells = 171;
constexpr std::size_t kOperatorSize = 350;
constexpr std::size_t kOperatorValues = 171;
constexpr std::string_view kAdjustmentItems[] = {"adjustment"};
constexpr std::string_view kCellFields[] = {"number", "shipment-value", "cells"};
constexpr std::string_view kOperatorFields[] = {"number",         "shipment-op",       "rate-op",
                                                "shipment-value", "alternative-value", "values"};

bool IsOperator(char c) { return c == '0' || c == '*' || c == '+' || c == '-' || c == 'F'; }

std::string Values(const FieldList& fields, std::string_view key, std::size_t most) {
  const std::string text = TextField(fields, key, "");
  const std::vector<std::string_view> words = Words(text);
  if (words.size() > most)
    throw FieldError("field '" + std::string(key) + "': more than " + std::to_string(most) + " values");
  std::string bytes;
  for (std::size_t j = 0; j < most; ++j) bytes += U16(j < words.size() ? ParseInteger(key, words[j], 0, 65535) : 0);
  return bytes;
}

std::string ValuesText(std::string_view r, std::size_t from, std::size_t count) {
  std::size_t last = 0;
  for (std::size_t j = 0; j < count; ++j)
    if (LoadU16(r, from + 2 * j) != 0) last = j + 1;
  std::string text;
  for (std::size_t j = 0; j < last; ++j) text += (j ? " " : "") + std::to_string(LoadU16(r, from + 2 * j));
  return text;
}

class ZoneAdjustmentsKind final : public TariffRecordKind {
 public:
  ZoneAdjustmentsKind(std::string_view keyword, bool operators)
      : TariffRecordKind(keyword, "A", kKeys), operators_(operators) {}

 protected:
  std::span<const std::string_view> itemKeywords() const override { return kAdjustmentItems; }

  std::string encode(std::string_view, const FieldList& fields, const Settings&,
                     const std::vector<DataRecord>&) const override {
    if (!operators_) {
      OnlyFields(fields, kCellFields, "adjustment");
      std::string r = Fixed(fields, "number", 3);
      r += U16(IntegerField(fields, "shipment-value", 0, 65535, 0));
      return r + Values(fields, "cells", kCells);
    }
    OnlyFields(fields, kOperatorFields, "adjustment");
    std::string r = U16(IntegerField(fields, "number", 1, 65535, 1));
    for (std::string_view key : {"shipment-op", "rate-op"}) {
      const std::string op = TextField(fields, key, "0");
      if (op.size() != 1 || !IsOperator(op[0]))
        throw FieldError("field '" + std::string(key) + "': " + Shown(op) + " is not an operator (0, *, +, - or F)");
      r += op;
    }
    r += U16(IntegerField(fields, "shipment-value", 0, 65535, 0));
    r += U16(IntegerField(fields, "alternative-value", 0, 65535, 0));
    return r + Values(fields, "values", kOperatorValues);
  }

  std::optional<ItemLine> decode(std::span<const std::string_view> records, std::size_t index,
                                 const Settings&) const override {
    const std::string_view r = records[index];
    if (r.size() != size()) return std::nullopt;
    FieldList fields;
    if (!operators_) {
      fields = {{"number", std::string(r.substr(0, 3))}, {"shipment-value", std::to_string(LoadU16(r, 3))}};
      if (const std::string cells = ValuesText(r, 5, kCells); !cells.empty()) fields.push_back({"cells", cells});
      return ItemLine{"adjustment", std::move(fields)};
    }
    fields = {{"number", std::to_string(LoadU16(r, 0))},
              {"shipment-op", std::string(1, r[2])},
              {"rate-op", std::string(1, r[3])},
              {"shipment-value", std::to_string(LoadU16(r, 4))},
              {"alternative-value", std::to_string(LoadU16(r, 6))}};
    if (const std::string values = ValuesText(r, 8, kOperatorValues); !values.empty())
      fields.push_back({"values", values});
    return ItemLine{"adjustment", std::move(fields)};
  }

  std::optional<std::vector<std::string_view>> split(std::string_view content, const Settings&) const override {
    return SplitFixedRecords(content, size());
  }

  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    for (std::size_t i = 0; i < records.size(); ++i) {
      const std::string_view r = records[i];
      if (!CheckRecordSize(r, i, size(), problems)) continue;
      if (operators_ && (!IsOperator(r[2]) || !IsOperator(r[3])))
        problems.push_back({i, "has an operator other than 0, *, +, - or F"});
      if (operators_ && LoadU16(r, 0) == 0) problems.push_back({i, "is numbered 0, which no hit finds"});
    }
  }

 private:
  std::size_t size() const { return operators_ ? kOperatorSize : kCellSize; }
  bool operators_;
};

static_assert(3 + 2 + 2 * kCells == kCellSize && 8 + 2 * kOperatorValues == kOperatorSize);

}  // namespace

const FileKind& ZonePairLanesFileKind() {
  static const ZonePairLanesKind kind;
  return kind;
}

const FileKind& CellAdjustmentsFileKind() {
  static const ZoneAdjustmentsKind kind("cell-adjustments", false);
  return kind;
}

const FileKind& OperatorAdjustmentsFileKind() {
  static const ZoneAdjustmentsKind kind("operator-adjustments", true);
  return kind;
}

}  // namespace dataset
