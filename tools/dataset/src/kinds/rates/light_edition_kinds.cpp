// The light edition's files of a tariff. Both begin with a code table of 20
// entries of 6 bytes {2-character table code, u32 first record}, written
// from the block's code items: record r is the 12-byte record at byte
// 120 + 12r, a code's records run up to the next entry's first record, and
// the entries after the last code have a blank code and the record count.
// - light-base (NAME.Bss): base records {code character, blank, packed
//   first ZIP, the last two digits of the range's end packed (the end keeps
//   the first ZIP's 3-digit prefix), packed matrix key, packed add value
//   (2020: none)}, then optionally the lettered-code block: 10-byte entries
//   {letter, prefix 5, group code 3, flag} between an opening and a closing
//   entry {'X', blanks, "000", 'X'};
// - light-matrix (NAME.Kss): matrix records {table code 2, two packed
//   matrix keys (the lower first), packed rate-basis number, letter},
//   sorted within each code.
// With form=text the records are the text variant's 17 bytes: base {table
// code 2, first ZIP 5, the last two digits of the end 2, matrix key 5,
// packed add value 3}, matrix {table code 2, two matrix keys of 5, packed
// number 3, letter, blank}.
#include <algorithm>

#include "description/block_reader.h"
#include "kinds/rates/tariff_record_kind.h"
#include "kinds/record_tools.h"
#include "kinds/tariff_files.h"

namespace dataset {
namespace {

constexpr std::string_view kForm = "form";
constexpr std::string_view kSettingKeys[] = {tariff::kTariff, tariff::kLetter, tariff::kSuffix, kForm};
constexpr std::string_view kBaseItems[] = {"code", "base", "letters-begin", "letter-entry", "letters-end"};
constexpr std::string_view kMatrixItems[] = {"code", "matrix"};
constexpr std::string_view kCodeFields[] = {"code"};
constexpr std::string_view kBaseFields[] = {"char", "low", "high", "key", "add"};
constexpr std::string_view kMatrixFields[] = {"a", "b", "number", "letter"};
constexpr std::string_view kEntryFields[] = {"letter", "prefix", "group", "flag"};
constexpr std::size_t kEntries = 20;
constexpr std::size_t kTableSize = 120;
constexpr std::size_t kBinarySize = 12;
constexpr std::size_t kTextSize = 17;

// form=text: the text variant's 17-byte records.
bool IsText(const Settings& settings) {
  const std::string* form = FindSetting(settings, kForm);
  return form && *form == "text";
}
std::size_t RecordSizeOf(const Settings& settings) { return IsText(settings) ? kTextSize : kBinarySize; }
constexpr std::size_t kLetterEntrySize = 10;
constexpr std::size_t kMaxLetterEntries = 250;
constexpr std::string_view kBlockMark = "X     000X";

std::string Packed5(std::string_view key, const std::string& digits) {
  if (digits.size() != 5 || !IsDigits(digits))
    throw FieldError("field '" + std::string(key) + "': " + Shown(digits) + " is not five digits");
  return {static_cast<char>(digits[0] - '0'), static_cast<char>((digits[1] - '0') << 4 | (digits[2] - '0')),
          static_cast<char>((digits[3] - '0') << 4 | (digits[4] - '0'))};
}

std::optional<std::string> Unpacked5(std::string_view b) {
  const int d[5] = {static_cast<unsigned char>(b[0]), static_cast<unsigned char>(b[1]) >> 4, b[1] & 15,
                    static_cast<unsigned char>(b[2]) >> 4, b[2] & 15};
  std::string out;
  for (int v : d) {
    if (v > 9) return std::nullopt;
    out.push_back(static_cast<char>('0' + v));
  }
  return out;
}

std::string OneChar(std::string_view key, const std::string& value, char fallback) {
  if (value.empty()) return std::string(1, fallback);
  if (value.size() != 1)
    throw FieldError("field '" + std::string(key) + "': " + Shown(value) + " is not one character");
  return value;
}

std::string CodeTable(const std::vector<std::pair<std::string, std::uint32_t>>& sections, std::uint32_t count) {
  if (sections.size() > kEntries) throw FieldError("the code table holds at most 20 codes");
  std::string table;
  for (std::size_t i = 0; i < kEntries; ++i) {
    const bool used = i < sections.size();
    const std::uint32_t start = used ? sections[i].second : count;
    table += used ? sections[i].first : "  ";
    for (int k = 0; k < 4; ++k) table.push_back(static_cast<char>((start >> (8 * k)) & 0xFF));
  }
  return table;
}

class LightKind final : public TariffRecordKind {
 public:
  LightKind(std::string_view keyword, std::string_view letter, bool base)
      : TariffRecordKind(keyword, letter, kSettingKeys), base_(base) {}

  std::vector<std::vector<DataRecord>> build(std::span<const ItemText> items, const Settings& settings) const override {
    std::vector<std::pair<std::string, std::uint32_t>> sections;
    std::vector<DataRecord> records, entries;
    bool inBlock = false, blockDone = false;
    const std::span<const std::string_view> keywords = itemKeywords();
    for (const ItemText& item : items) {
      if (item.keyword == kRawItem) {
        (inBlock || blockDone ? entries : records).push_back(RawItemRecord(item));
        continue;
      }
      if (std::find(keywords.begin(), keywords.end(), item.keyword) == keywords.end())
        RefuseItem(item, keyword(), keywords);
      AtItemLine(item, [&] {
        if (item.keyword == "code") {
          OnlyFields(item.fields, kCodeFields, "code");
          const std::string code = TextField(item.fields, "code", "");
          if (code.empty() || code.size() > 2)
            throw FieldError("field 'code': " + Shown(code) + " is not a table code of 1 or 2 characters");
          sections.emplace_back((code + " ").substr(0, 2), static_cast<std::uint32_t>(records.size()));
        } else if (item.keyword == "base" || item.keyword == "matrix") {
          if (inBlock || blockDone) throw FieldError("records come before the lettered-code block");
          if (sections.empty()) throw FieldError("a record comes after the code item of its table code");
          records.push_back({item.keyword == "base"
                                 ? baseRecord(item.fields, sections.back().first, IsText(settings))
                                 : matrixRecord(item.fields, sections.back().first, IsText(settings)),
                             item.line});
        } else if (item.keyword == "letters-begin" || item.keyword == "letters-end") {
          OnlyFields(item.fields, {}, item.keyword);
          if ((item.keyword == "letters-begin") == inBlock || blockDone)
            throw FieldError("one lettered-code block: letters-begin, its entries, letters-end");
          entries.push_back({std::string(kBlockMark), item.line});
          inBlock = item.keyword == "letters-begin";
          blockDone = !inBlock;
        } else {
          if (!inBlock) throw FieldError("a letter-entry stands between letters-begin and letters-end");
          OnlyFields(item.fields, kEntryFields, "letter-entry");
          const std::string prefix = TextField(item.fields, "prefix", ""),
                            group = TextField(item.fields, "group", "001");
          if (prefix.size() > 5) throw FieldError("field 'prefix': " + Shown(prefix) + " is longer than 5 characters");
          if (group.size() != 3 || group == "000")
            throw FieldError("field 'group': " + Shown(group) +
                             " is not a group code of 3 characters (000 ends the block)");
          entries.push_back({OneChar("letter", TextField(item.fields, "letter", ""), 'A') +
                                 (prefix + "     ").substr(0, 5) + group +
                                 OneChar("flag", TextField(item.fields, "flag", ""), 'N'),
                             item.line});
        }
        return 0;
      });
    }
    if (inBlock) throw DescriptionError(items.back().line, "the lettered-code block is not closed: letters-end");
    std::vector<DataRecord> out{
        {CodeTable(sections, static_cast<std::uint32_t>(records.size())), items.empty() ? 0 : items.front().line}};
    out.insert(out.end(), records.begin(), records.end());
    out.insert(out.end(), entries.begin(), entries.end());
    return {std::move(out)};
  }

  std::string describe(std::span<const std::string_view> contents, const Settings& settings) const override {
    const std::string_view content = contents.front();
    const std::optional<std::vector<std::string_view>> records = split(content, settings);
    std::string out;
    std::vector<ItemText> items;
    auto add = [&](std::string keyword, FieldList fields) {
      out += FormatItem(keyword, fields) + "\n";
      items.push_back({static_cast<int>(items.size() + 1), std::move(keyword), std::move(fields)});
    };
    if (records && !records->empty() && records->front().size() == kTableSize) {
      const std::string_view table = records->front();
      std::vector<std::pair<std::size_t, std::string>> starts;
      for (std::size_t i = 0; i < kEntries; ++i) {
        const std::string_view code = table.substr(i * 6, 2);
        if (code == "  ") break;
        starts.emplace_back(
            Load24(table, i * 6 + 2) | static_cast<std::uint32_t>(static_cast<unsigned char>(table[i * 6 + 5])) << 24,
            std::string(code));
      }
      std::size_t next = 0;
      bool begun = false;
      auto codesUpTo = [&](std::size_t record) {
        while (next < starts.size() && starts[next].first <= record) {
          std::string code = starts[next++].second;
          if (code.back() == ' ') code.pop_back();
          add("code", {{"code", code}});
        }
      };
      for (std::size_t r = 1; r < records->size(); ++r) {
        const std::string_view rec = (*records)[r];
        codesUpTo(rec.size() == RecordSizeOf(settings) ? r - 1 : SIZE_MAX);
        if (rec == kBlockMark) {
          add(begun ? "letters-end" : "letters-begin", {});
          begun = true;
        } else if (std::optional<ItemLine> line = decodeRecord(rec, IsText(settings))) {
          add(line->keyword, std::move(line->fields));
        } else {
          add(std::string(kRawItem), {{"text", std::string(rec)}});
        }
      }
      codesUpTo(SIZE_MAX);
    }
    try {
      std::string rebuilt;
      const std::vector<std::vector<DataRecord>> files = build(items, settings);
      for (const DataRecord& r : files.front()) rebuilt += r.bytes;
      if (rebuilt == content) return out;
    } catch (const Error&) {
    } catch (const FieldError&) {}
    return content.empty() ? std::string() : RawItemLine(content) + "\n";
  }

 protected:
  void settleExtra(Settings& settings, const Neighbours&) const override {
    if (const std::string* form = FindSetting(settings, kForm); form && *form != "text" && *form != "binary")
      throw FieldError("field 'form': " + Shown(*form) + " is not binary or text");
  }
  std::span<const std::string_view> itemKeywords() const override {
    return base_ ? std::span<const std::string_view>(kBaseItems) : std::span<const std::string_view>(kMatrixItems);
  }
  std::string encode(std::string_view, const FieldList&, const Settings&,
                     const std::vector<DataRecord>&) const override {
    return {};
  }
  std::optional<ItemLine> decode(std::span<const std::string_view>, std::size_t, const Settings&) const override {
    return std::nullopt;
  }

  std::optional<std::vector<std::string_view>> split(std::string_view content,
                                                     const Settings& settings) const override {
    if (content.size() < kTableSize) return SplitFixedRecords(content, kTableSize);
    const std::size_t recordSize = RecordSizeOf(settings);
    const std::size_t tail = base_ ? TailSize(content, recordSize) : 0;
    std::vector<std::string_view> records{content.substr(0, kTableSize)};
    for (std::string_view r :
         SplitFixedRecords(content.substr(kTableSize, content.size() - kTableSize - tail), recordSize))
      records.push_back(r);
    for (std::string_view r : SplitFixedRecords(content.substr(content.size() - tail), kLetterEntrySize))
      records.push_back(r);
    return records;
  }

  void checkRecords(std::span<const std::string_view> records, const Settings& settings,
                    KindProblems& problems) const override {
    const std::size_t recordSize = RecordSizeOf(settings);
    const bool text = IsText(settings);
    if (records.empty() || records.front().size() != kTableSize) {
      problems.push_back({std::nullopt, "does not begin with the 120-byte code table"});
      return;
    }
    const std::string_view table = records.front();
    std::vector<std::uint32_t> starts;
    for (std::size_t i = 0; i < kEntries; ++i)
      starts.push_back(Load24(table, i * 6 + 2) |
                       static_cast<std::uint32_t>(static_cast<unsigned char>(table[i * 6 + 5])) << 24);
    for (std::size_t i = 1; i < kEntries; ++i)
      if (starts[i] < starts[i - 1])
        problems.push_back({0, "code table entry " + std::to_string(i) + " starts below the entry before it"});
    std::size_t entry = 0;
    std::string_view previous;
    for (std::size_t r = 1; r < records.size(); ++r) {
      const std::string_view rec = records[r];
      if (rec.size() == kLetterEntrySize) continue;
      if (rec.size() != recordSize) {
        problems.push_back({r, "is " + std::to_string(rec.size()) + " bytes, not " + std::to_string(recordSize)});
        continue;
      }
      bool newCode = false;
      while (entry + 1 < kEntries && starts[entry + 1] <= r - 1) ++entry, newCode = true;
      if (!decodeRecord(rec, text)) problems.push_back({r, "holds bytes that are not packed digits"});
      const std::string_view key = base_ ? rec.substr(2, text ? 5 : 3) : rec.substr(0, text ? 12 : 8);
      if (!newCode && !previous.empty() && key <= previous)
        problems.push_back({r, "is out of order after record " + std::to_string(r - 1) +
                                   " (records are sorted within their table code)"});
      if (base_ && (text ? rec.substr(7, 2) < rec.substr(5, 2)
                         : static_cast<unsigned char>(rec[5]) < static_cast<unsigned char>(rec[4])))
        problems.push_back({r, "its range ends below its start"});
      previous = key;
    }
  }

 private:
  static std::size_t TailSize(std::string_view content, std::size_t recordSize) {
    const std::size_t size = content.size();
    if (size < kTableSize + 2 * kLetterEntrySize || content.substr(size - kLetterEntrySize) != kBlockMark) return 0;
    for (std::size_t k = 1; k < kMaxLetterEntries + 2 && (k + 1) * kLetterEntrySize <= size - kTableSize; ++k) {
      if (content.substr(size - (k + 1) * kLetterEntrySize, kLetterEntrySize) != kBlockMark) continue;
      const std::size_t tail = (k + 1) * kLetterEntrySize;
      return (size - kTableSize - tail) % recordSize == 0 ? tail : 0;
    }
    return 0;
  }

  std::string baseRecord(const FieldList& fields, const std::string& code, bool text) const {
    OnlyFields(fields, kBaseFields, "base");
    const std::string low = TextField(fields, "low", "00000"),
                      high = TextField(fields, "high", low.substr(0, 3) + "99");
    if (high.size() != 5 || !IsDigits(high) || high.substr(0, 3) != low.substr(0, 3) || high < low)
      throw FieldError("field 'high': " + Shown(high) + " is not a ZIP of the low ZIP's 3-digit prefix at or above it");
    const std::string key = TextField(fields, "key", "00000"), add = Packed5("add", TextField(fields, "add", "02020"));
    if (text) {
      if (!TextField(fields, "char", "").empty())
        throw FieldError("field 'char': text records begin with their table code");
      Packed5("low", low);
      Packed5("key", key);
      return code + low + high.substr(3) + key + add;
    }
    const std::string packedHigh = Packed5("high", high);
    return OneChar("char", TextField(fields, "char", ""), ' ') + " " + Packed5("low", low) + packedHigh.substr(2, 1) +
           Packed5("key", key) + add;
  }

  std::string matrixRecord(const FieldList& fields, const std::string& code, bool text) const {
    OnlyFields(fields, kMatrixFields, "matrix");
    const std::string a = TextField(fields, "a", "00000"), b = TextField(fields, "b", a);
    const std::string number = Packed5("number", TextField(fields, "number", "00000")),
                      letter = OneChar("letter", TextField(fields, "letter", ""), 'A');
    if (text) {
      Packed5("a", a);
      Packed5("b", b);
      return code + a + b + number + letter + " ";
    }
    return code + Packed5("a", a) + Packed5("b", b) + number + letter;
  }

  std::optional<ItemLine> decodeRecord(std::string_view r, bool text) const {
    if (r.size() == kLetterEntrySize) {
      if (r == kBlockMark) return std::nullopt;
      std::string prefix(r.substr(1, 5));
      prefix.erase(prefix.find_last_not_of(' ') + 1);
      FieldList f{{"letter", std::string(1, r[0])}};
      if (!prefix.empty()) f.push_back({"prefix", prefix});
      f.push_back({"group", std::string(r.substr(6, 3))});
      f.push_back({"flag", std::string(1, r[9])});
      return ItemLine{"letter-entry", std::move(f)};
    }
    if (text) return decodeText(r);
    if (base_) {
      const std::optional<std::string> low = Unpacked5(r.substr(2, 3)), key = Unpacked5(r.substr(6, 3)),
                                       add = Unpacked5(r.substr(9, 3));
      const unsigned char end = static_cast<unsigned char>(r[5]);
      if (!low || !key || !add || (end >> 4) > 9 || (end & 15) > 9) return std::nullopt;
      FieldList f;
      if (r[0] != ' ') f.push_back({"char", std::string(1, r[0])});
      f.push_back({"low", *low});
      f.push_back(
          {"high", low->substr(0, 3) + static_cast<char>('0' + (end >> 4)) + static_cast<char>('0' + (end & 15))});
      f.push_back({"key", *key});
      if (*add != "02020") f.push_back({"add", *add});
      return ItemLine{"base", std::move(f)};
    }
    const std::optional<std::string> a = Unpacked5(r.substr(2, 3)), b = Unpacked5(r.substr(5, 3)),
                                     n = Unpacked5(r.substr(8, 3));
    if (!a || !b || !n) return std::nullopt;
    return ItemLine{"matrix", {{"a", *a}, {"b", *b}, {"number", *n}, {"letter", std::string(1, r[11])}}};
  }

  std::optional<ItemLine> decodeText(std::string_view r) const {
    if (r.size() != kTextSize) return std::nullopt;
    if (base_) {
      const std::optional<std::string> add = Unpacked5(r.substr(14, 3));
      if (!add || !IsDigits(r.substr(2, 5)) || !IsDigits(r.substr(7, 2)) || !IsDigits(r.substr(9, 5)))
        return std::nullopt;
      FieldList f{{"low", std::string(r.substr(2, 5))},
                  {"high", std::string(r.substr(2, 3)) + std::string(r.substr(7, 2))},
                  {"key", std::string(r.substr(9, 5))}};
      if (*add != "02020") f.push_back({"add", *add});
      return ItemLine{"base", std::move(f)};
    }
    const std::optional<std::string> n = Unpacked5(r.substr(12, 3));
    if (!n || !IsDigits(r.substr(2, 5)) || !IsDigits(r.substr(7, 5))) return std::nullopt;
    return ItemLine{"matrix",
                    {{"a", std::string(r.substr(2, 5))},
                     {"b", std::string(r.substr(7, 5))},
                     {"number", *n},
                     {"letter", std::string(1, r[15])}}};
  }

  bool base_;
};

}  // namespace

const FileKind& LightBaseFileKind() {
  static const LightKind kind("light-base", "B", true);
  return kind;
}

const FileKind& LightMatrixFileKind() {
  static const LightKind kind("light-matrix", "K", false);
  return kind;
}

}  // namespace dataset
