// TDT.BIN: the tariff codes of each (region, table) pair of TDZ.BIN, rows of
// 16-bit little-endian words: region code, table code, then one tariff code
// per tariff slot. A row is as wide as the data set has slots: the highest
// slot number in TDS.SEQ (at most 50), plus the two key words. The engine
// binary-searches the rows by (region, table) compared as signed numbers,
// so the rows ascend by that key without repeats.
//
// The row width comes from the block's slots= setting, else from the TDS.SEQ
// of the same description (or, for a file read back, beside it).
#include <algorithm>

#include "kinds/record_file_kind.h"
#include "kinds/record_tools.h"
#include "platform/kernel/byte_record.h"
#include "platform/kernel/fixed_format.h"

namespace dataset {
namespace {

constexpr int kMostSlots = 50;
constexpr std::string_view kSettingKeys[] = {"slots"};
constexpr std::string_view kItems[] = {"row"};
constexpr std::int64_t kLeast = -32768, kMost = 32767;
constexpr std::string_view kDefaultRegion = "36", kDefaultTable = "1";

// The slot count the engine takes from TDS.SEQ: its highest slot number,
// from every line whose first field scans, at most 50.
int SlotCountOf(std::string_view tds) {
  int highest = 0;
  for (std::string_view line : SplitAtLineFeeds(tds)) {
    if (std::optional<std::int32_t> slot = platform::FieldScanner(line).number(2)) highest = std::max(highest, *slot);
  }
  return std::min(highest, kMostSlots);
}

std::optional<std::size_t> SlotCount(const Settings& settings) {
  const std::string* slots = FindSetting(settings, "slots");
  if (!slots) return std::nullopt;
  return static_cast<std::size_t>(std::stoi(*slots));
}

std::size_t RowSize(std::size_t slots) { return 2 * (slots + 2); }

std::int16_t Word(std::string_view row, std::size_t index) {
  return platform::LoadLittleEndian<std::int16_t>(reinterpret_cast<const std::uint8_t*>(row.data()) + 2 * index);
}

void PutWord(std::string& row, std::size_t index, std::int64_t value) {
  platform::StoreLittleEndian<std::int16_t>(reinterpret_cast<std::uint8_t*>(row.data()) + 2 * index,
                                            static_cast<std::int16_t>(value));
}

// The codes of a row left out: code 1 for slot 1, 0 for the others.
std::vector<std::int64_t> DefaultCodes(std::size_t slots) {
  std::vector<std::int64_t> codes(slots, 0);
  if (slots > 0) codes[0] = 1;
  return codes;
}

class TdtKind final : public FixedNameKind {
 public:
  std::string_view keyword() const override { return "tdt"; }
  std::span<const std::string_view> settingKeys() const override { return kSettingKeys; }
  bool readsNeighbours() const override { return true; }

  Settings settle(Settings given, const Neighbours& neighbours) const override {
    given = FileKind::settle(std::move(given), neighbours);
    if (const std::string* slots = FindSetting(given, "slots")) {
      PutSetting(given, "slots", std::to_string(ParseInteger("slots", *slots, 0, kMostSlots)));
    } else if (std::optional<std::string> tds = neighbours.content("TDS.SEQ")) {
      PutSetting(given, "slots", std::to_string(SlotCountOf(*tds)));
    }
    return given;
  }

 private:
  std::string_view fixedName() const override { return "TDT.BIN"; }
  std::span<const std::string_view> itemKeywords() const override { return kItems; }

  std::string encodeItem(std::string_view, const FieldList& fields, const Settings& settings) const override {
    const std::optional<std::size_t> slots = SlotCount(settings);
    if (!slots) throw FieldError("a TDT row holds a code per tariff slot: give the block slots= or describe TDS.SEQ");
    std::string row(RowSize(*slots), '\0');
    PutWord(row, 0, ParseInteger("region", kDefaultRegion, kLeast, kMost));
    PutWord(row, 1, ParseInteger("table", kDefaultTable, kLeast, kMost));
    std::vector<std::int64_t> codes = DefaultCodes(*slots);
    for (const Field& f : fields) {
      if (f.key == "region") {
        PutWord(row, 0, ParseInteger(f.key, f.value, kLeast, kMost));
      } else if (f.key == "table") {
        PutWord(row, 1, ParseInteger(f.key, f.value, kLeast, kMost));
      } else if (f.key == "codes") {
        const std::vector<std::string_view> words = Words(f.value);
        if (words.size() > *slots)
          throw FieldError("field 'codes': " + std::to_string(words.size()) + " codes for " + std::to_string(*slots) +
                           " slots");
        codes.assign(*slots, 0);
        for (std::size_t i = 0; i < words.size(); ++i) codes[i] = ParseInteger("codes", words[i], kLeast, kMost);
      } else {
        throw FieldError("unknown field '" + f.key + "' (fields: region, table, codes)");
      }
    }
    for (std::size_t i = 0; i < codes.size(); ++i) PutWord(row, 2 + i, codes[i]);
    return row;
  }

  std::optional<ItemLine> decodeItem(std::string_view record, std::size_t, const Settings& settings) const override {
    const std::optional<std::size_t> slots = SlotCount(settings);
    if (!slots || record.size() != RowSize(*slots)) return std::nullopt;
    ItemLine item{"row", {}};
    if (std::to_string(Word(record, 0)) != kDefaultRegion)
      item.fields.push_back({"region", std::to_string(Word(record, 0))});
    if (std::to_string(Word(record, 1)) != kDefaultTable)
      item.fields.push_back({"table", std::to_string(Word(record, 1))});
    std::vector<std::int64_t> codes;
    for (std::size_t i = 0; i < *slots; ++i) codes.push_back(Word(record, 2 + i));
    if (codes != DefaultCodes(*slots)) {
      std::size_t shown = codes.size();
      while (shown > 1 && codes[shown - 1] == 0) --shown;
      std::string text;
      for (std::size_t i = 0; i < shown; ++i) text += (i ? " " : "") + std::to_string(codes[i]);
      item.fields.push_back({"codes", text});
    }
    return item;
  }

  std::optional<std::vector<std::string_view>> split(std::string_view content,
                                                     const Settings& settings) const override {
    const std::optional<std::size_t> slots = SlotCount(settings);
    if (!slots) return std::nullopt;
    return SplitFixedRecords(content, RowSize(*slots));
  }

  void checkRecords(std::span<const std::string_view> records, const Settings& settings,
                    KindProblems& problems) const override {
    const std::optional<std::size_t> slots = SlotCount(settings);
    if (!slots) {
      if (!records.empty() && !records.front().empty())
        problems.push_back({std::nullopt, "the row width is not known: give slots= or have TDS.SEQ beside the file"});
      return;
    }
    std::vector<std::pair<std::size_t, SortKey>> keys;
    for (std::size_t i = 0; i < records.size(); ++i) {
      if (records[i].size() != RowSize(*slots)) {
        problems.push_back({i, "is " + std::to_string(records[i].size()) + " bytes, not " +
                                   std::to_string(RowSize(*slots)) + " (" + std::to_string(*slots) +
                                   " slots and the two key words)"});
        continue;
      }
      keys.push_back({i, {Word(records[i], 0), Word(records[i], 1)}});
    }
    CheckSortOrder(keys, false, "region code, then table code", problems);
  }
};

}  // namespace

const FileKind& TdtFileKind() {
  static const TdtKind kind;
  return kind;
}

}  // namespace dataset
