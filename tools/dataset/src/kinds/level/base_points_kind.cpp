// LEVEL.BSE as the rating screen reads it (with the engine): the base point
// of each ZIP range and postal range, by data-set kind.
//   header, 1996 bytes:
//     0   int   file offset of the U.S. records (1996)
//     4   int   their size in bytes (11 a record)
//     8   int   file offset of the Canadian records (after the U.S. ones)
//     12  int   their size in bytes (17 a record)
//     16  6 x 310  U.S. block index: per block of 100 records, the kind
//                  of its last record and the last ZIP of that record's
//                  range, five digits
//     1876 1    not read (zero)
//     1877 6 x 19  Canadian block index: per block of 100 records, the
//                  highest code of its last record (5), then a zero byte
//     1991 5    zeros
//   U.S. record, 11 bytes: kind 1; a 24-bit little-endian number whose low
//     17 bits are the range's first ZIP and high 7 bits the last two digits
//     of its last ZIP (the range stays within its hundred); base point,
//     16-bit; 4 zero bytes; P.O.-box flag (' ', or '*' for a P.O. box or
//     an unassigned ZIP).
//   Canadian record, 17 bytes: a blank; lowest code 5; highest code 5;
//     base point, 16-bit; 4 zero bytes.
// The screen picks the first block whose index entry is not below the code
// wanted and searches that block alone, so the records are sorted (U.S.
// by kind, then ZIP; Canadian by lowest code) without overlapping, and the
// header is computed from them.
// Items: `us kind= low= high= base= pobox=` (one record per hundred the
// range touches) and `canadian low= high= base=`.
#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <string_view>

#include "description/block_reader.h"
#include "kinds/level/level_kind.h"
#include "kinds/record_tools.h"
#include "platform/kernel/byte_record.h"

namespace dataset {
namespace {

using namespace std::string_view_literals;

constexpr std::size_t kHeaderSize = 1996, kUsRecord = 11, kCanadianRecord = 17, kBlockRecords = 100;
constexpr std::size_t kUsIndexAt = 16, kUsBlocks = 310, kCanadianIndexAt = 1877, kCanadianBlocks = 19, kIndexEntry = 6;
constexpr std::size_t kTailAt = 1991;
static_assert(kUsIndexAt + kIndexEntry * kUsBlocks == 1876 &&
              kCanadianIndexAt + kIndexEntry * kCanadianBlocks == kTailAt);
constexpr std::uint32_t kZipBits = 17, kZipMask = (1u << kZipBits) - 1;

struct UsRecord {
  char kind = 'A';
  std::uint32_t first = 0;
  std::uint32_t lastDigits = 0;  // the last ZIP's last two digits
  std::int16_t base = 0;
  char pobox = ' ';
  std::uint32_t last() const { return first / 100 * 100 + lastDigits; }
};

struct CanadianRecord {
  std::string low = "A0A0A", high = "Z9Z9Z";
  std::int16_t base = 0;
};

std::int32_t GetInt(std::string_view bytes, std::size_t at) {
  return platform::LoadLittleEndian<std::int32_t>(reinterpret_cast<const std::uint8_t*>(bytes.data() + at));
}
void PutInt(std::string& bytes, std::size_t at, std::int32_t value) {
  platform::StoreLittleEndian(reinterpret_cast<std::uint8_t*>(bytes.data() + at), value);
}
std::int16_t GetShort(std::string_view bytes, std::size_t at) {
  return platform::LoadLittleEndian<std::int16_t>(reinterpret_cast<const std::uint8_t*>(bytes.data() + at));
}

std::string Encode(const UsRecord& r) {
  std::string bytes(kUsRecord, '\0');
  bytes[0] = r.kind;
  const std::uint32_t packed = r.first | (r.lastDigits << kZipBits);
  for (int i = 0; i < 3; ++i) bytes[1 + i] = static_cast<char>((packed >> (8 * i)) & 0xFF);
  platform::StoreLittleEndian(reinterpret_cast<std::uint8_t*>(bytes.data() + 4), r.base);
  bytes[10] = r.pobox;
  return bytes;
}

UsRecord DecodeUs(std::string_view bytes) {
  const std::uint32_t packed = static_cast<unsigned char>(bytes[1]) | (static_cast<unsigned char>(bytes[2]) << 8) |
                               (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[3])) << 16);
  return {bytes[0], packed & kZipMask, packed >> kZipBits, GetShort(bytes, 4), bytes[10]};
}

std::string Encode(const CanadianRecord& r) {
  std::string bytes(kCanadianRecord, '\0');
  bytes[0] = ' ';
  bytes.replace(1, 5, r.low);
  bytes.replace(6, 5, r.high);
  platform::StoreLittleEndian(reinterpret_cast<std::uint8_t*>(bytes.data() + 11), r.base);
  return bytes;
}

CanadianRecord DecodeCanadian(std::string_view bytes) {
  return {std::string(bytes.substr(1, 5)), std::string(bytes.substr(6, 5)), GetShort(bytes, 11)};
}

std::string FiveDigits(std::uint32_t zip) {
  std::array<char, 8> text{};
  std::snprintf(text.data(), text.size(), "%05u", zip % 100000);
  return text.data();
}

// The whole file: the computed header, then the records.
std::string BaseFile(const std::vector<UsRecord>& us, const std::vector<CanadianRecord>& canadian) {
  std::string file(kHeaderSize, '\0');
  const std::size_t usSize = kUsRecord * us.size(), canadianSize = kCanadianRecord * canadian.size();
  PutInt(file, 0, static_cast<std::int32_t>(kHeaderSize));
  PutInt(file, 4, static_cast<std::int32_t>(usSize));
  PutInt(file, 8, static_cast<std::int32_t>(kHeaderSize + usSize));
  PutInt(file, 12, static_cast<std::int32_t>(canadianSize));
  for (std::size_t b = 0; b * kBlockRecords < us.size() && b < kUsBlocks; ++b) {
    const UsRecord& last = us[std::min(us.size(), (b + 1) * kBlockRecords) - 1];
    file[kUsIndexAt + kIndexEntry * b] = last.kind;
    file.replace(kUsIndexAt + kIndexEntry * b + 1, 5, FiveDigits(last.last()));
  }
  for (std::size_t b = 0; b * kBlockRecords < canadian.size() && b < kCanadianBlocks; ++b)
    file.replace(kCanadianIndexAt + kIndexEntry * b, 5,
                 canadian[std::min(canadian.size(), (b + 1) * kBlockRecords) - 1].high);
  for (const UsRecord& r : us) file += Encode(r);
  for (const CanadianRecord& r : canadian) file += Encode(r);
  return file;
}

std::uint32_t Number(const Field& f, std::int64_t most) {
  return static_cast<std::uint32_t>(ParseInteger(f.key, f.value, 0, most));
}

std::string PostalCode(const Field& f) {
  std::string code = f.value;
  for (char& c : code) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (code.size() != 5) throw FieldError(f.key + "= is five characters of a postal code (K1A0A)");
  return code;
}

class BasePointsKind final : public level::LevelFileBase {
 public:
  BasePointsKind() : LevelFileBase("base-points", ".BSE") {}

  std::vector<std::vector<DataRecord>> build(std::span<const ItemText> items, const Settings&) const override {
    std::vector<UsRecord> us;
    std::vector<CanadianRecord> canadian;
    std::vector<DataRecord> raw;
    for (const ItemText& item : items) {
      if (item.keyword == kRawItem)
        raw.push_back(RawItemRecord(item));
      else if (item.keyword == "us")
        AtItemLine(item, [&] { AddUs(item, us); });
      else if (item.keyword == "canadian")
        AtItemLine(item, [&] { canadian.push_back(Canadian(item)); });
      else
        RefuseItem(item, keyword(), kItems);
    }
    if (!raw.empty()) return {std::move(raw)};
    return {{DataRecord{BaseFile(us, canadian), items.empty() ? 0 : items.front().line}}};
  }

  std::optional<std::vector<std::string_view>> splitRecords(std::size_t, std::string_view content,
                                                            const Settings&) const override {
    std::vector<std::string_view> records{content.substr(0, std::min(content.size(), kHeaderSize))};
    const std::optional<Parts> parts = Split(content);
    if (!parts) return records;
    for (std::size_t at = 0; at < parts->us.size(); at += kUsRecord) records.push_back(parts->us.substr(at, kUsRecord));
    for (std::size_t at = 0; at < parts->canadian.size(); at += kCanadianRecord)
      records.push_back(parts->canadian.substr(at, kCanadianRecord));
    return records;
  }

  void check(std::span<const FileRecords> files, const Settings&, KindProblems& problems) const override {
    const std::string_view content = files.front().content;
    if (content.size() < kHeaderSize) {
      problems.push_back({std::nullopt, "is shorter than its 1996-byte header"});
      return;
    }
    const std::optional<Parts> parts = Split(content);
    if (!parts) {
      problems.push_back({std::nullopt, "its header's offsets and sizes do not lie inside the file in whole records"});
      return;
    }
    const std::vector<UsRecord> us = UsRecords(parts->us);
    const std::vector<CanadianRecord> canadian = CanadianRecords(parts->canadian);
    if (us.size() > kUsBlocks * kBlockRecords)
      problems.push_back({std::nullopt, "holds more U.S. records than its 310 index entries cover"});
    if (canadian.size() > kCanadianBlocks * kBlockRecords)
      problems.push_back({std::nullopt, "holds more Canadian records than its 19 index entries cover"});
    for (std::size_t i = 0; i < us.size(); ++i) {
      const UsRecord& r = us[i];
      if (r.lastDigits > 99 || r.last() < r.first)
        problems.push_back({i + 1, "U.S. range from " + FiveDigits(r.first) + " does not end within its hundred"});
      if (r.pobox != ' ' && r.pobox != '*') problems.push_back({i + 1, "its P.O.-box flag is neither blank nor '*'"});
      if (i > 0 && (r.kind < us[i - 1].kind || (r.kind == us[i - 1].kind && r.first <= us[i - 1].last())))
        problems.push_back(
            {i + 1, "does not sort above the U.S. record before it (by kind, then ZIP, without overlapping)"});
    }
    for (std::size_t i = 0; i < canadian.size(); ++i) {
      const CanadianRecord& r = canadian[i];
      if (r.low > r.high)
        problems.push_back(
            {1 + us.size() + i, "its highest code " + Shown(r.high) + " lies below its lowest " + Shown(r.low)});
      if (i > 0 && r.low <= canadian[i - 1].high)
        problems.push_back(
            {1 + us.size() + i, "does not sort above the Canadian record before it (without overlapping)"});
    }
    if (BaseFile(us, canadian).substr(0, kHeaderSize) != content.substr(0, kHeaderSize))
      problems.push_back({0, "its header (offsets, sizes, block indexes, zero bytes) does not match its records"});
  }

  std::string describe(std::span<const std::string_view> contents, const Settings&) const override {
    const std::string_view content = contents.front();
    const std::optional<Parts> parts = content.size() >= kHeaderSize ? Split(content) : std::nullopt;
    if (!parts) return content.empty() ? "" : RawItemLine(content) + "\n";
    const std::vector<UsRecord> us = UsRecords(parts->us);
    const std::vector<CanadianRecord> canadian = CanadianRecords(parts->canadian);
    if (BaseFile(us, canadian) != content) return RawItemLine(content) + "\n";
    std::string out;
    for (const UsRecord& r : us) {
      FieldList fields{{"kind", std::string(1, r.kind)},
                       {"low", FiveDigits(r.first)},
                       {"high", FiveDigits(r.last())},
                       {"base", std::to_string(r.base)}};
      if (r.pobox != ' ') fields.push_back({"pobox", std::string(1, r.pobox)});
      out += FormatItem("us", fields) + "\n";
    }
    for (const CanadianRecord& r : canadian)
      out += FormatItem("canadian", {{"low", r.low}, {"high", r.high}, {"base", std::to_string(r.base)}}) + "\n";
    return out;
  }

 private:
  static constexpr std::string_view kItems[] = {"us", "canadian"};

  struct Parts {
    std::string_view us, canadian;
  };

  static std::optional<Parts> Split(std::string_view content) {
    const std::int64_t usAt = GetInt(content, 0), usSize = GetInt(content, 4), caAt = GetInt(content, 8),
                       caSize = GetInt(content, 12);
    const auto inside = [&](std::int64_t at, std::int64_t size, std::size_t record) {
      return at >= static_cast<std::int64_t>(kHeaderSize) && size >= 0 &&
             size % static_cast<std::int64_t>(record) == 0 && at + size <= static_cast<std::int64_t>(content.size());
    };
    if (!inside(usAt, usSize, kUsRecord) || !inside(caAt, caSize, kCanadianRecord)) return std::nullopt;
    return Parts{content.substr(static_cast<std::size_t>(usAt), static_cast<std::size_t>(usSize)),
                 content.substr(static_cast<std::size_t>(caAt), static_cast<std::size_t>(caSize))};
  }

  static std::vector<UsRecord> UsRecords(std::string_view bytes) {
    std::vector<UsRecord> records;
    for (std::size_t at = 0; at + kUsRecord <= bytes.size(); at += kUsRecord)
      records.push_back(DecodeUs(bytes.substr(at, kUsRecord)));
    return records;
  }

  static std::vector<CanadianRecord> CanadianRecords(std::string_view bytes) {
    std::vector<CanadianRecord> records;
    for (std::size_t at = 0; at + kCanadianRecord <= bytes.size(); at += kCanadianRecord)
      records.push_back(DecodeCanadian(bytes.substr(at, kCanadianRecord)));
    return records;
  }

  static void AddUs(const ItemText& item, std::vector<UsRecord>& records) {
    UsRecord r;
    std::uint32_t low = 0, high = 0;
    for (const Field& f : item.fields) {
      if (f.key == "kind") {
        if (f.value.size() != 1) throw FieldError("kind= is one character");
        r.kind = f.value[0];
      } else if (f.key == "low") {
        low = Number(f, 99999);
      } else if (f.key == "high") {
        high = Number(f, 99999);
      } else if (f.key == "base") {
        r.base = static_cast<std::int16_t>(ParseInteger(f.key, f.value, -32768, 32767));
      } else if (f.key == "pobox") {
        if (f.value != "*" && !f.value.empty()) throw FieldError("pobox= is '*' or empty");
        r.pobox = f.value.empty() ? ' ' : '*';
      } else {
        throw FieldError("a U.S. range takes kind=, low=, high=, base= and pobox=, not '" + f.key + "'");
      }
    }
    if (high < low) throw FieldError("a range's high= lies below its low=");
    for (std::uint32_t zip = low; zip <= high; zip = zip / 100 * 100 + 100) {
      r.first = zip;
      r.lastDigits = std::min(high, zip / 100 * 100 + 99) % 100;
      records.push_back(r);
    }
  }

  static CanadianRecord Canadian(const ItemText& item) {
    CanadianRecord r;
    for (const Field& f : item.fields) {
      if (f.key == "low")
        r.low = PostalCode(f);
      else if (f.key == "high")
        r.high = PostalCode(f);
      else if (f.key == "base")
        r.base = static_cast<std::int16_t>(ParseInteger(f.key, f.value, -32768, 32767));
      else
        throw FieldError("a Canadian range takes low=, high= and base=, not '" + f.key + "'");
    }
    return r;
  }
};

}  // namespace

const FileKind& BasePointsFileKind() {
  static const BasePointsKind kind;
  return kind;
}

}  // namespace dataset
