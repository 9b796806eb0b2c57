// The files a level holds for rating without the engine. The
// rating-function library only loads them; their contents beyond what it
// loads are the data publisher's, so most are written as records of bytes.
//
// `engineless-table level=L ext=X`, one kind for the fixed-size tables:
//   MCH any bytes (read whole); BSC 96 bytes, FAC 802, FCC 1352 (read whole
//   or not at all); LA 8-byte records; RBA 16; LMC and LCA 12-byte records
//   {three 32-bit numbers}, or their twins MC and MCA of 10 bytes {two
//   32-bit numbers, a 16-bit one}; ADJ 347-byte records {key 3, data}, at
//   most 400; LAM lines {code 6, value 3, CR LF}, at most 220; LAB text
//   lines of at most 71 characters (CR LF), at most 525 blocks of 20; ZMC
//   40-byte records (counted only); RTC, RCL, RTE, RTL, TRM, SRV any bytes
//   (only whether the file is there counts).
// `zip-index level=L ext=ZF1|ZFM|ZF2`: u16 n; n u16 keys; 4n zero bytes;
//   n entries of 3 bytes (ZF2: 6); then the data; room for 2800 keys
//   (ZF2: 2100). Items `key value= entry=` and `data text=`.
// `base-point-block level=L header=1996|1044`: a header of that size (1996
//   for tariff data of version 22 and later) whose int at 32 is the data
//   block's offset and int at 36 its size, then the block (at most 336
//   bytes). Items `header-bytes at= text=` and `data text=`.
#include <algorithm>
#include <array>
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

constexpr std::string_view kExt = "ext";

constexpr RecordField kWideFields[] = {{"first", {0, 4}, F::Signed, "\0\0\0\0"sv},
                                       {"second", {4, 4}, F::Signed, "\0\0\0\0"sv},
                                       {"third", {8, 4}, F::Signed, "\0\0\0\0"sv}};
constexpr RecordField kTwinFields[] = {{"first", {0, 4}, F::Signed, "\0\0\0\0"sv},
                                       {"second", {4, 4}, F::Signed, "\0\0\0\0"sv},
                                       {"third", {8, 2}, F::Signed, "\0\0"sv}};
constexpr RecordField kLamFields[] = {{"code", {0, 6}, F::Text, "      "sv}, {"value", {6, 3}, F::Text, "   "sv}};
static_assert(IsWholeLayout(kWideFields, 12) && IsWholeLayout(kTwinFields, 10) && IsWholeLayout(kLamFields, 9));
constexpr RecordLayout kWide(kWideFields);
constexpr RecordLayout kTwin(kTwinFields);
constexpr RecordLayout kLam(kLamFields, "\r\n");

const std::string& NulData() {
  static const std::string zeros(344, '\0');
  return zeros;
}
const RecordLayout& AdjLayout() {
  static const RecordField fields[] = {{"key", {0, 3}, F::Text, "   "sv}, {"data", {3, 344}, F::NulText, NulData()}};
  static const RecordLayout layout(fields);
  return layout;
}

enum class Shape {
  Any,    // one record: the whole file
  Exact,  // one record of exactly the size
  Fixed,  // records of the size
  Lines,  // text lines ending CR LF
};

struct Table {
  std::string_view ext;
  Shape shape;
  std::size_t size;  // record size (Exact, Fixed), longest line (Lines)
  std::size_t most;  // records read at most; 0: no limit
  const RecordLayout* (*layout)();
};

constexpr std::size_t kLabLine = 71, kLabBlocks = 525, kLabBlockLines = 20;

constexpr std::array kTables{
    Table{"MCH", Shape::Any, 0, 0, nullptr},
    Table{"BSC", Shape::Exact, 96, 1, nullptr},
    Table{"FAC", Shape::Exact, 802, 1, nullptr},
    Table{"FCC", Shape::Exact, 1352, 1, nullptr},
    Table{"LA", Shape::Fixed, 8, 0, nullptr},
    Table{"RBA", Shape::Fixed, 16, 0, nullptr},
    Table{"LMC", Shape::Fixed, 12, 0, [] { return &kWide; }},
    Table{"MC", Shape::Fixed, 10, 0, [] { return &kTwin; }},
    Table{"LCA", Shape::Fixed, 12, 0, [] { return &kWide; }},
    Table{"MCA", Shape::Fixed, 10, 0, [] { return &kTwin; }},
    Table{"ADJ", Shape::Fixed, 347, 400, [] { return &AdjLayout(); }},
    Table{"LAM", Shape::Fixed, 11, 220, [] { return &kLam; }},
    Table{"LAB", Shape::Lines, kLabLine, kLabBlocks* kLabBlockLines, nullptr},
    Table{"ZMC", Shape::Fixed, 40, 0, nullptr},
    Table{"RTC", Shape::Any, 0, 0, nullptr},
    Table{"RCL", Shape::Any, 0, 0, nullptr},
    Table{"RTE", Shape::Any, 0, 0, nullptr},
    Table{"RTL", Shape::Any, 0, 0, nullptr},
    Table{"TRM", Shape::Any, 0, 0, nullptr},
    Table{"SRV", Shape::Any, 0, 0, nullptr},
};

std::string Extension(std::string_view ext) { return "." + std::string(ext); }

// The level and ext= settings of a name ending in one of the extensions.
template <class Names>
std::optional<Settings> RecogniseAny(std::string_view name, const Names& extensions) {
  for (std::string_view ext : extensions)
    if (std::optional<Settings> s = level::RecogniseName(name, Extension(ext))) {
      s->push_back({std::string(kExt), std::string(ext)});
      return s;
    }
  return std::nullopt;
}

std::string ExtOf(const Settings& s) {
  const std::string* ext = FindSetting(s, kExt);
  return ext ? *ext : std::string();
}

class EnginelessTableKind final : public level::LevelRecordKind {
 public:
  EnginelessTableKind() : LevelRecordKind("engineless-table", "") {}
  std::span<const std::string_view> settingKeys() const override {
    static constexpr std::string_view keys[] = {level::kLevel, kExt};
    return keys;
  }
  std::optional<Settings> recognise(std::string_view name) const override {
    std::vector<std::string_view> exts;
    for (const Table& t : kTables) exts.push_back(t.ext);
    return RecogniseAny(name, exts);
  }
  Settings settle(Settings given, const Neighbours& neighbours) const override {
    Settings settled = LevelRecordKind::settle(std::move(given), neighbours);
    if (Find(settled) == nullptr) {
      std::string known;
      for (const Table& t : kTables) known += (known.empty() ? "" : ", ") + std::string(t.ext);
      throw FieldError("an engineless-table block names its file with ext= (" + known + ")");
    }
    return settled;
  }

 private:
  static const Table* Find(const Settings& s) {
    const std::string ext = ExtOf(s);
    const auto t = std::find_if(kTables.begin(), kTables.end(), [&](const Table& k) { return SameName(k.ext, ext); });
    return t == kTables.end() ? nullptr : &*t;
  }
  std::string fileName(const Settings& s) const override { return level::FileName(s, Extension(Find(s)->ext)); }
  std::span<const std::string_view> itemKeywords() const override {
    static constexpr std::string_view items[] = {"record"};
    return items;
  }
  std::string encodeItem(std::string_view, const FieldList& fields, const Settings& s) const override {
    const Table& t = *Find(s);
    if (t.layout != nullptr) return t.layout()->encode(fields);
    if (fields.size() != 1 || fields.front().key != "text")
      throw FieldError("a record of this file takes text=\"...\"");
    std::string text = fields.front().value;
    if (t.shape == Shape::Lines) return text + "\r\n";
    if (t.shape == Shape::Any) return text;
    if (text.size() > t.size)
      throw FieldError("a record of this file is " + std::to_string(t.size) + " bytes; the text is longer");
    text.resize(t.size, '\0');
    return text;
  }
  std::optional<ItemLine> decodeItem(std::string_view record, std::size_t, const Settings& s) const override {
    const Table& t = *Find(s);
    if (t.layout != nullptr) {
      std::optional<FieldList> fields = t.layout()->decode(record);
      if (!fields) return std::nullopt;
      return ItemLine{"record", std::move(*fields)};
    }
    if (t.shape == Shape::Lines) {
      if (!record.ends_with("\r\n")) return std::nullopt;
      record.remove_suffix(2);
    } else if (t.shape != Shape::Any) {
      record = record.substr(0, record.find_last_not_of('\0') + 1);
    }
    return ItemLine{"record", {{"text", std::string(record)}}};
  }
  std::optional<std::vector<std::string_view>> split(std::string_view content, const Settings& s) const override {
    const Table& t = *Find(s);
    switch (t.shape) {
      case Shape::Any:
        if (content.empty()) return std::vector<std::string_view>{};
        return std::vector<std::string_view>{content};
      case Shape::Lines: return SplitAtLineFeeds(content);
      default: return SplitFixedRecords(content, t.size);
    }
  }
  void checkRecords(std::span<const std::string_view> records, const Settings& s,
                    KindProblems& problems) const override {
    const Table& t = *Find(s);
    if (t.shape == Shape::Exact && (records.size() != 1 || records.front().size() != t.size)) {
      problems.push_back(
          {std::nullopt, "is not exactly " + std::to_string(t.size) + " bytes (the file is read whole or not at all)"});
      return;
    }
    if (t.most != 0)
      CheckRecordCount(records.size(), 0, t.most, t.shape == Shape::Lines ? "lines" : "records", problems);
    for (std::size_t i = 0; i < records.size(); ++i) {
      if (t.shape == Shape::Fixed && records[i].size() != t.size)
        problems.push_back({i, "is " + std::to_string(records[i].size()) + " bytes, not " + std::to_string(t.size)});
      if (t.shape == Shape::Lines && records[i].size() > t.size + 2)
        problems.push_back({i, "is longer than " + std::to_string(t.size) + " characters (read in pieces)"});
    }
  }
};

// ---- .ZF1, .ZFM, .ZF2 ----

struct IndexShape {
  std::string_view ext;
  std::size_t entrySize, room;
};
constexpr std::array kIndexShapes{IndexShape{"ZF1", 3, 2800}, IndexShape{"ZFM", 3, 2800}, IndexShape{"ZF2", 6, 2100}};

class ZipIndexKind final : public FileKind {
 public:
  std::string_view keyword() const override { return "zip-index"; }
  std::span<const std::string_view> settingKeys() const override {
    static constexpr std::string_view keys[] = {level::kLevel, kExt};
    return keys;
  }
  std::optional<Settings> recognise(std::string_view name) const override {
    return RecogniseAny(name, std::array{"ZF1"sv, "ZFM"sv, "ZF2"sv});
  }
  Settings settle(Settings given, const Neighbours& neighbours) const override {
    Settings settled = FileKind::settle(std::move(given), neighbours);
    level::CheckLevel(settled, keyword());
    if (Shape(settled) == nullptr) throw FieldError("a zip-index block names its file with ext= (ZF1, ZFM or ZF2)");
    return settled;
  }
  std::vector<std::string> fileNames(const Settings& s) const override {
    return {level::FileName(s, Extension(Shape(s)->ext))};
  }

  std::vector<std::vector<DataRecord>> build(std::span<const ItemText> items, const Settings& s) const override {
    const IndexShape& shape = *Shape(s);
    std::string keys, entries, data;
    std::vector<DataRecord> raw;
    for (const ItemText& item : items) {
      if (item.keyword == kRawItem) {
        raw.push_back(RawItemRecord(item));
      } else if (item.keyword == "key") {
        AtItemLine(item, [&] {
          std::int64_t key = 0, entry = 0;
          for (const Field& f : item.fields) {
            if (f.key == "value")
              key = ParseInteger("value", f.value, 0, 0xFFFF);
            else if (f.key == "entry")
              entry = ParseInteger("entry", f.value, 0, shape.entrySize == 3 ? 0xFFFFFF : 0xFFFFFFFFFFFF);
            else
              throw FieldError("a key takes value= and entry=, not '" + f.key + "'");
          }
          keys += Little(static_cast<std::uint64_t>(key), 2);
          entries += Little(static_cast<std::uint64_t>(entry), shape.entrySize);
        });
      } else if (item.keyword == "data") {
        data += AtItemLine(item, [&] { return RawItemRecord({item.line, std::string(kRawItem), item.fields}).bytes; });
      } else {
        RefuseItem(item, keyword(), kItems);
      }
    }
    if (!raw.empty()) return {std::move(raw)};
    const std::size_t n = keys.size() / 2;
    std::string file = Little(n, 2) + keys + std::string(4 * n, '\0') + entries + data;
    return {{DataRecord{std::move(file), items.empty() ? 0 : items.front().line}}};
  }

  std::optional<std::vector<std::string_view>> splitRecords(std::size_t, std::string_view content,
                                                            const Settings&) const override {
    if (content.empty()) return std::vector<std::string_view>{};
    return std::vector<std::string_view>{content};
  }

  void check(std::span<const FileRecords> files, const Settings& s, KindProblems& problems) const override {
    const IndexShape& shape = *Shape(s);
    const std::string_view content = files.front().content;
    if (content.size() < 2) {
      problems.push_back({std::nullopt, "has no key count"});
      return;
    }
    const std::size_t n = Count(content);
    if (n > shape.room)
      problems.push_back({std::nullopt, "lists " + std::to_string(n) + " keys; the rating context has room for " +
                                            std::to_string(shape.room)});
    if (content.size() < DataOffset(n, shape))
      problems.push_back({std::nullopt, "ends before its " + std::to_string(n) +
                                            " keys and entries (the data begins at " +
                                            std::to_string(DataOffset(n, shape)) + ")"});
  }

  std::string describe(std::span<const std::string_view> contents, const Settings& s) const override {
    const IndexShape& shape = *Shape(s);
    const std::string_view content = contents.front();
    const std::size_t n = content.size() >= 2 ? Count(content) : 0;
    if (content.size() < DataOffset(n, shape) ||
        content.substr(2 + 2 * n, 4 * n).find_first_not_of('\0') != std::string_view::npos)
      return content.empty() ? "" : RawItemLine(content) + "\n";
    std::string out;
    for (std::size_t i = 0; i < n; ++i) {
      const std::uint64_t key = Load(content.substr(2 + 2 * i, 2));
      const std::uint64_t entry = Load(content.substr(6 * n + 2 + shape.entrySize * i, shape.entrySize));
      out += FormatItem("key", {{"value", std::to_string(key)}, {"entry", std::to_string(entry)}}) + "\n";
    }
    if (content.size() > DataOffset(n, shape))
      out += FormatItem("data", {{"text", std::string(content.substr(DataOffset(n, shape)))}}) + "\n";
    return out;
  }

 private:
  static constexpr std::string_view kItems[] = {"key", "data"};
  static const IndexShape* Shape(const Settings& s) {
    const std::string ext = ExtOf(s);
    const auto t = std::find_if(kIndexShapes.begin(), kIndexShapes.end(),
                                [&](const IndexShape& k) { return SameName(k.ext, ext); });
    return t == kIndexShapes.end() ? nullptr : &*t;
  }
  static std::size_t Count(std::string_view content) { return static_cast<std::size_t>(Load(content.substr(0, 2))); }
  static std::size_t DataOffset(std::size_t n, const IndexShape& shape) { return (6 + shape.entrySize) * n + 2; }
  static std::string Little(std::uint64_t value, std::size_t width) {
    std::string bytes(width, '\0');
    for (std::size_t i = 0; i < width; ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
  }
  static std::uint64_t Load(std::string_view bytes) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i)
      value |= std::uint64_t{static_cast<unsigned char>(bytes[i])} << (8 * i);
    return value;
  }
};

// ---- .BSE read without the engine ----

constexpr std::size_t kDataOffsetAt = 32, kDataSizeAt = 36, kDataRoom = 336;

class BasePointBlockKind final : public FileKind {
 public:
  std::string_view keyword() const override { return "base-point-block"; }
  std::span<const std::string_view> settingKeys() const override {
    static constexpr std::string_view keys[] = {level::kLevel, "header"};
    return keys;
  }
  std::optional<Settings> recognise(std::string_view name) const override {
    std::optional<Settings> s = level::RecogniseName(name, ".BSE");
    if (s) s->push_back({"header", "1996"});
    return s;
  }
  Settings settle(Settings given, const Neighbours& neighbours) const override {
    Settings settled = FileKind::settle(std::move(given), neighbours);
    level::CheckLevel(settled, keyword());
    const std::string* header = FindSetting(settled, "header");
    if (header != nullptr && *header != "1996" && *header != "1044") throw FieldError("header= is 1996 or 1044");
    return settled;
  }
  std::vector<std::string> fileNames(const Settings& s) const override { return {level::FileName(s, ".BSE")}; }

  std::vector<std::vector<DataRecord>> build(std::span<const ItemText> items, const Settings& s) const override {
    std::string header(HeaderSize(s), '\0'), data;
    std::vector<DataRecord> raw;
    for (const ItemText& item : items) {
      if (item.keyword == kRawItem) {
        raw.push_back(RawItemRecord(item));
      } else if (item.keyword == "data") {
        data += AtItemLine(item, [&] { return RawItemRecord({item.line, std::string(kRawItem), item.fields}).bytes; });
      } else if (item.keyword == "header-bytes") {
        AtItemLine(item, [&] {
          const std::string* at = nullptr;
          const std::string* text = nullptr;
          for (const Field& f : item.fields) {
            if (f.key == "at")
              at = &f.value;
            else if (f.key == "text")
              text = &f.value;
            else
              throw FieldError("header-bytes takes at= and text=, not '" + f.key + "'");
          }
          if (at == nullptr || text == nullptr) throw FieldError("header-bytes takes at= and text=");
          const auto offset =
              static_cast<std::size_t>(ParseInteger("at", *at, 0, static_cast<std::int64_t>(header.size())));
          if (offset + text->size() > header.size()) throw FieldError("header-bytes run past the header");
          header.replace(offset, text->size(), *text);
        });
      } else {
        RefuseItem(item, keyword(), kItems);
      }
    }
    if (!raw.empty()) return {std::move(raw)};
    PutInt(header, kDataOffsetAt, header.size());
    PutInt(header, kDataSizeAt, data.size());
    return {{DataRecord{header + data, items.empty() ? 0 : items.front().line}}};
  }

  std::optional<std::vector<std::string_view>> splitRecords(std::size_t, std::string_view content,
                                                            const Settings&) const override {
    if (content.empty()) return std::vector<std::string_view>{};
    return std::vector<std::string_view>{content};
  }

  void check(std::span<const FileRecords> files, const Settings& s, KindProblems& problems) const override {
    const std::string_view content = files.front().content;
    const std::size_t size = HeaderSize(s);
    if (content.size() < size) {
      problems.push_back({std::nullopt, "is shorter than its " + std::to_string(size) + "-byte header"});
      return;
    }
    const std::int64_t offset = GetInt(content, kDataOffsetAt), length = GetInt(content, kDataSizeAt);
    if (length < 0 || length > static_cast<std::int64_t>(kDataRoom))
      problems.push_back({std::nullopt, "its data block of " + std::to_string(length) +
                                            " bytes does not fit the rating context's 336"});
    if (offset < 0 || length < 0 || offset + length > static_cast<std::int64_t>(content.size()))
      problems.push_back({std::nullopt, "its data block (offset " + std::to_string(offset) + ", " +
                                            std::to_string(length) + " bytes) lies outside the file"});
  }

  std::string describe(std::span<const std::string_view> contents, const Settings& s) const override {
    const std::string_view content = contents.front();
    const std::size_t size = HeaderSize(s);
    if (content.size() < size || GetInt(content, kDataOffsetAt) != static_cast<std::int64_t>(size) ||
        GetInt(content, kDataSizeAt) != static_cast<std::int64_t>(content.size() - size))
      return content.empty() ? "" : RawItemLine(content) + "\n";
    std::string header(content.substr(0, size));
    PutInt(header, kDataOffsetAt, 0);
    PutInt(header, kDataSizeAt, 0);
    std::string out;
    for (std::size_t at = 0; at < header.size();) {
      if (header[at] == '\0') {
        ++at;
        continue;
      }
      std::size_t end = at;
      while (end < header.size() && header[end] != '\0') ++end;
      out += FormatItem("header-bytes", {{"at", std::to_string(at)}, {"text", header.substr(at, end - at)}}) + "\n";
      at = end;
    }
    if (content.size() > size) out += FormatItem("data", {{"text", std::string(content.substr(size))}}) + "\n";
    return out;
  }

 private:
  static constexpr std::string_view kItems[] = {"data", "header-bytes"};
  static std::size_t HeaderSize(const Settings& s) {
    const std::string* header = FindSetting(s, "header");
    return header != nullptr && *header == "1044" ? 1044 : 1996;
  }
  static void PutInt(std::string& bytes, std::size_t at, std::size_t value) {
    platform::StoreLittleEndian(reinterpret_cast<std::uint8_t*>(bytes.data() + at), static_cast<std::int32_t>(value));
  }
  static std::int64_t GetInt(std::string_view bytes, std::size_t at) {
    return platform::LoadLittleEndian<std::int32_t>(reinterpret_cast<const std::uint8_t*>(bytes.data() + at));
  }
};

}  // namespace

const FileKind& EnginelessTableFileKind() {
  static const EnginelessTableKind kind;
  return kind;
}
const FileKind& ZipIndexFileKind() {
  static const ZipIndexKind kind;
  return kind;
}
const FileKind& BasePointBlockFileKind() {
  static const BasePointBlockKind kind;
  return kind;
}

}  // namespace dataset
