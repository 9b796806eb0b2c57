// The lane list of a tariff whose lane-adjustment letter is 'U' (range
// lanes), range-lanes (NAME.L<lane-digits>), items in file order:
// - header: 54 bytes {1 parameter records; 2 'B' keys from the request's
//   codes; 3 'Y' exclusion check, 4 its letter; 5 the adjustment mode
//   digit; 6 'Y' sorted hits; 37 the record size; u32 at 38 the index, 42
//   the first lane record, 46 the exclusion part} (the builder writes the
//   count and the offsets);
// - parameters: 54-byte parameter lines, NUL-padded (at most 2);
// - index: records of the record size {'2', or '4' for the last; 'F' when
//   ordered by origin; lowest origin 5; u32 at 21 the offset of its block,
//   given as the number of its first lane record, lanes=N};
// - lane: records of the record size {'4'; 'B' both ways; origin range 5 +
//   5; destination range 5 + 5; slot; the adjustment field: 3 characters in
//   modes 0 and 2, a u16 in modes 1 and 3, else 4 characters}, sorted by
//   origin;
// - exclusion: 23 bytes and the field {'6'; a range of rate-record heads
//   (bytes 3 to 9) 7 + 7; the field at 23}.
#include <algorithm>
#include <string>

#include "kinds/rates/tariff_record_kind.h"
#include "kinds/record_tools.h"
#include "kinds/tariff_files.h"

namespace dataset {
namespace {

constexpr std::string_view kKeys[] = {tariff::kTariff, tariff::kLetter, tariff::kSuffix};
constexpr std::string_view kItems[] = {"header", "parameters", "index", "lane", "exclusion"};
constexpr std::string_view kHeaderFields[] = {"keys", "exclude", "mode", "sorted", "record-size"};
constexpr std::string_view kIndexFields[] = {"last", "ordered", "lowest", "lanes"};
constexpr std::string_view kLaneFields[] = {"both", "origin-low", "origin-high", "destination-low", "destination-high",
                                            "slot", "field"};
constexpr std::string_view kExclusionFields[] = {"low", "high", "field"};
constexpr std::string_view kParameterFields[] = {"text"};
constexpr std::size_t kHeaderSize = 54;
constexpr std::size_t kFieldAt = 23;

std::string U32(std::size_t v) {
  return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF), static_cast<char>((v >> 16) & 0xFF),
          static_cast<char>((v >> 24) & 0xFF)};
}
std::size_t LoadU32(std::string_view r, std::size_t at) {
  std::size_t v = 0;
  for (std::size_t k = 0; k < 4; ++k) v |= static_cast<std::size_t>(static_cast<unsigned char>(r[at + k])) << (8 * k);
  return v;
}
std::size_t FieldWidth(int mode) { return mode == 0 || mode == 2 ? 3 : mode == 1 || mode == 3 ? 2 : 4; }
int ModeOf(std::string_view header) {
  return header[5] >= '0' && header[5] <= '9' ? header[5] - '0' : static_cast<unsigned char>(header[5]);
}

std::string Padded(const FieldList& fields, std::string_view key, std::size_t width) {
  const std::string value = TextField(fields, key, "");
  if (value.size() > width)
    throw FieldError("field '" + std::string(key) + "': " + Shown(value) + " is longer than " + std::to_string(width));
  return value + std::string(width - value.size(), ' ');
}

// The adjustment field of a mode: a number in modes 1 and 3, else text.
std::string AdjustmentField(const FieldList& fields, int mode) {
  if (mode == 1 || mode == 3) {
    const std::int64_t v = IntegerField(fields, "field", 0, 65535, 0);
    return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
  }
  return Padded(fields, "field", FieldWidth(mode));
}

class RangeLanesKind final : public TariffRecordKind {
 public:
  RangeLanesKind() : TariffRecordKind("range-lanes", "L", kKeys) {}

  // The header's parameter count and offsets, and each index record's block offset.
  std::vector<std::vector<DataRecord>> build(std::span<const ItemText> items, const Settings& settings) const override {
    std::vector<std::vector<DataRecord>> files = TariffRecordKind::build(items, settings);
    std::vector<DataRecord>& records = files.front();
    if (records.size() != items.size() || records.empty() || items[0].keyword != "header") return files;
    std::vector<std::size_t> offsets, lanes;
    std::size_t at = 0, parameters = 0, index = 0, exclusions = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
      offsets.push_back(at);
      const std::string& keyword = items[i].keyword;
      if (keyword == "parameters") ++parameters;
      if (keyword == "index" && index == 0) index = at;
      if (keyword == "lane") lanes.push_back(at);
      if (keyword == "exclusion" && exclusions == 0) exclusions = at;
      at += records[i].bytes.size();
    }
    std::string& header = records[0].bytes;
    header[1] = static_cast<char>(parameters);
    header.replace(38, 12,
                   U32(index) + U32(lanes.empty() ? (exclusions ? exclusions : at) : lanes.front()) + U32(exclusions));
    for (std::size_t i = 0; i < records.size(); ++i)
      if (items[i].keyword == "index") {
        const std::size_t k = LoadU32(records[i].bytes, 21);
        if (k >= lanes.size())
          throw DescriptionError(items[i].line, "field 'lanes': there is no lane record " + std::to_string(k));
        records[i].bytes.replace(21, 4, U32(lanes[k]));
      }
    return files;
  }

 protected:
  std::span<const std::string_view> itemKeywords() const override { return kItems; }

  std::string encode(std::string_view keyword, const FieldList& fields, const Settings&,
                     const std::vector<DataRecord>& before) const override {
    if (keyword == "header") {
      OnlyFields(fields, kHeaderFields, "header");
      if (!before.empty()) throw FieldError("the header is the file's first record");
      std::string h(kHeaderSize, '\0');
      h[2] = TextField(fields, "keys", "") == "request" ? 'B' : ' ';
      const std::string exclude = TextField(fields, "exclude", "");
      if (!exclude.empty() && exclude.size() != 1)
        throw FieldError("field 'exclude': " + Shown(exclude) + " is not one letter");
      h[3] = exclude.empty() ? 'N' : 'Y';
      h[4] = exclude.empty() ? ' ' : exclude[0];
      h[5] = static_cast<char>('0' + IntegerField(fields, "mode", 0, 9, 0));
      h[6] = TextField(fields, "sorted", "N") == "Y" ? 'Y' : 'N';
      const std::int64_t size = IntegerField(fields, "record-size", 25, 255, 27);
      if (static_cast<std::size_t>(size) < kFieldAt + FieldWidth(h[5] - '0'))
        throw FieldError("field 'record-size': " + std::to_string(size) + " leaves no room for the adjustment field");
      h[37] = static_cast<char>(size);
      return h;
    }
    if (before.empty() || before.front().bytes.size() != kHeaderSize) throw FieldError("the header comes first");
    const std::string_view header = before.front().bytes;
    const std::size_t size = static_cast<unsigned char>(header[37]);
    const int mode = ModeOf(header);
    if (keyword == "parameters") {
      OnlyFields(fields, kParameterFields, "parameters");
      const std::string text = TextField(fields, "text", "*");
      if (text.size() > kHeaderSize || text.find('\0') != std::string::npos)
        throw FieldError("field 'text': " + Shown(text) + " is not a parameter line of at most 54 characters");
      return text + std::string(kHeaderSize - text.size(), '\0');
    }
    std::string r;
    if (keyword == "index") {
      OnlyFields(fields, kIndexFields, "index");
      r = std::string(1, TextField(fields, "last", "N") == "Y" ? '4' : '2') +
          (TextField(fields, "ordered", "N") == "Y" ? "F" : " ") + Padded(fields, "lowest", 5);
      r.resize(21, ' ');
      r += U32(static_cast<std::size_t>(IntegerField(fields, "lanes", 0, 1 << 20, 0)));
    } else if (keyword == "lane") {
      OnlyFields(fields, kLaneFields, "lane");
      r = std::string("4") + (TextField(fields, "both", "N") == "Y" ? "B" : " ");
      for (std::string_view key : {"origin-low", "origin-high", "destination-low", "destination-high"})
        r += Padded(fields, key, 5);
      r += static_cast<char>(IntegerField(fields, "slot", 0, 255, 0));
      r += AdjustmentField(fields, mode);
    } else {
      OnlyFields(fields, kExclusionFields, "exclusion");
      r = "6" + Padded(fields, "low", 7) + Padded(fields, "high", 7) + std::string(8, '.') +
          AdjustmentField(fields, mode);
      return r;
    }
    r.resize(std::max(r.size(), size), ' ');
    return r;
  }

  std::optional<ItemLine> decode(std::span<const std::string_view> records, std::size_t index,
                                 const Settings&) const override {
    const std::string_view r = records[index];
    if (records[0].size() != kHeaderSize) return std::nullopt;
    const std::string_view header = records[0];
    const int mode = ModeOf(header);
    if (index == 0) {
      if (header.substr(7, 30) != std::string(30, '\0') || header.substr(50) != std::string(4, '\0'))
        return std::nullopt;
      FieldList fields;
      if (header[2] == 'B') fields.push_back({"keys", "request"});
      if (header[3] == 'Y') fields.push_back({"exclude", std::string(1, header[4])});
      fields.push_back({"mode", std::to_string(mode)});
      if (header[6] == 'Y') fields.push_back({"sorted", "Y"});
      fields.push_back({"record-size", std::to_string(static_cast<unsigned char>(header[37]))});
      return ItemLine{"header", std::move(fields)};
    }
    const auto field = [&](std::string_view f) -> Field {
      if (mode == 1 || mode == 3)
        return {"field", std::to_string(static_cast<unsigned char>(f[0]) | static_cast<unsigned char>(f[1]) << 8)};
      return {"field", std::string(f.substr(0, f.find_last_not_of(' ') + 1))};
    };
    if (index <= static_cast<unsigned char>(header[1])) {
      const std::string_view text = r.substr(0, r.find('\0'));
      if (r.size() != kHeaderSize || r.find_first_not_of('\0', text.size()) != std::string_view::npos)
        return std::nullopt;
      return ItemLine{"parameters", {{"text", std::string(text)}}};
    }
    const std::size_t size = static_cast<unsigned char>(header[37]);
    std::size_t at = 0;
    for (std::size_t i = 0; i < index; ++i) at += records[i].size();
    const bool inIndex = LoadU32(header, 38) != 0 && at >= LoadU32(header, 38) && at < LoadU32(header, 42);
    const auto trimmed = [](std::string_view t) { return std::string(t.substr(0, t.find_last_not_of(' ') + 1)); };
    if (!inIndex && r.size() == size && r[0] == '4' &&
        r.find_first_not_of(' ', kFieldAt + FieldWidth(mode)) == std::string_view::npos) {
      FieldList fields;
      if (r[1] == 'B') fields.push_back({"both", "Y"});
      fields.push_back({"origin-low", trimmed(r.substr(2, 5))});
      fields.push_back({"origin-high", trimmed(r.substr(7, 5))});
      fields.push_back({"destination-low", trimmed(r.substr(12, 5))});
      fields.push_back({"destination-high", trimmed(r.substr(17, 5))});
      fields.push_back({"slot", std::to_string(static_cast<unsigned char>(r[22]))});
      fields.push_back(field(r.substr(kFieldAt, FieldWidth(mode))));
      return ItemLine{"lane", std::move(fields)};
    }
    if (r.size() == kFieldAt + FieldWidth(mode) && r[0] == '6' && r.substr(15, 8) == "........")
      return ItemLine{"exclusion",
                      {{"low", trimmed(r.substr(1, 7))}, {"high", trimmed(r.substr(8, 7))}, field(r.substr(kFieldAt))}};
    return std::nullopt;
  }

  std::optional<std::vector<std::string_view>> split(std::string_view content, const Settings&) const override {
    if (content.size() < kHeaderSize) return std::nullopt;
    std::vector<std::string_view> records{content.substr(0, kHeaderSize)};
    const std::size_t size = static_cast<unsigned char>(content[37]);
    const std::size_t exclusions = LoadU32(content, 46);
    const std::size_t lanesEnd = exclusions ? std::min(exclusions, content.size()) : content.size();
    std::size_t at = kHeaderSize;
    for (std::size_t k = 0; k < static_cast<unsigned char>(content[1]) && at < lanesEnd; ++k, at += kHeaderSize)
      records.push_back(content.substr(at, kHeaderSize));
    if (size == 0) return std::nullopt;
    for (; at < lanesEnd; at += size) records.push_back(content.substr(at, std::min(size, lanesEnd - at)));
    const std::size_t exclusionSize = kFieldAt + FieldWidth(ModeOf(content));
    for (; at < content.size(); at += exclusionSize) records.push_back(content.substr(at, exclusionSize));
    return records;
  }

  void checkRecords(std::span<const std::string_view> records, const Settings&, KindProblems& problems) const override {
    if (records.empty() || records[0].size() != kHeaderSize) {
      problems.push_back({0, "has no 54-byte header"});
      return;
    }
    const std::string_view header = records[0];
    const std::size_t size = static_cast<unsigned char>(header[37]);
    if (size < kFieldAt + FieldWidth(ModeOf(header)))
      problems.push_back({0, "gives a record size with no room for the adjustment field (the engine answers 232)"});
    std::string_view lastOrigin;
    for (std::size_t i = 1; i < records.size(); ++i) {
      const std::string_view r = records[i];
      if (r.size() != size || r[0] != '4' || r.substr(0, 2) == "4F") continue;
      if (r.substr(2, 5) < lastOrigin)
        problems.push_back({i, "is out of order (lane records are sorted by origin; the engine answers 232)"});
      if (r.substr(7, 5) < r.substr(2, 5) || r.substr(17, 5) < r.substr(12, 5))
        problems.push_back({i, "has a range ending below its start"});
      lastOrigin = r.substr(2, 5);
    }
  }
};

}  // namespace

const FileKind& RangeLanesFileKind() {
  static const RangeLanesKind kind;
  return kind;
}

}  // namespace dataset
