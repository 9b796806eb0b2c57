#include "route/base_point_files.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <unistd.h>
#include <vector>

#include "platform/kernel/byte_record.h"
#include "platform/kernel/digits.h"
#include "platform/kernel/file.h"

namespace qiv::base_points {
namespace {

using platform::FieldSpan;

// Zone records.
struct us_zone {  // .BSU and .BUU
  static constexpr FieldSpan kLowest{0, 3}, kHighest{3, 3}, kZone{6, 4};
  static constexpr std::size_t kSize = 10;
};
static_assert(platform::FieldsAreContiguous(std::array{us_zone::kLowest, us_zone::kHighest, us_zone::kZone},
                                            us_zone::kSize));
struct canadian_zone {  // .BUC
  static constexpr FieldSpan kLowest{0, 3}, kHighest{3, 3}, kZone{6, 3};
  static constexpr std::size_t kSize = 9;
};
static_assert(platform::FieldsAreContiguous(std::array{canadian_zone::kLowest, canadian_zone::kHighest,
                                                       canadian_zone::kZone},
                                            canadian_zone::kSize));
struct us_pair {  // .UST
  static constexpr FieldSpan kZones{0, 8}, kKind{8, 1};
  static constexpr std::size_t kSize = 9;
};
static_assert(platform::FieldsAreContiguous(std::array{us_pair::kZones, us_pair::kKind}, us_pair::kSize));
struct border_pair {  // .CNT
  static constexpr FieldSpan kZones{0, 7}, kKind{7, 1};
  static constexpr std::size_t kSize = 8;
};
static_assert(platform::FieldsAreContiguous(std::array{border_pair::kZones, border_pair::kKind}, border_pair::kSize));

// The .BSE header.
namespace header {
inline constexpr FieldSpan kUsOffset{0, 4}, kUsSize{4, 4}, kCanadianOffset{8, 4}, kCanadianSize{12, 4};
inline constexpr std::size_t kUsEntries = 310, kCanadianEntries = 19, kEntrySize = 6;
inline constexpr FieldSpan kUsIndex{16, kUsEntries* kEntrySize};
inline constexpr FieldSpan kUnread{1876, 1};
inline constexpr FieldSpan kCanadianIndex{1877, kCanadianEntries* kEntrySize};
inline constexpr FieldSpan kUnused{1991, 5};
inline constexpr std::size_t kSize = 1996;
static_assert(platform::FieldsAreContiguous(std::array{kUsOffset, kUsSize, kCanadianOffset, kCanadianSize, kUsIndex,
                                                       kUnread, kCanadianIndex, kUnused},
                                            kSize));
}  // namespace header
namespace us_record {
inline constexpr FieldSpan kKind{0, 1}, kRange{1, 3}, kBasePoint{4, 2}, kFurther{6, 4}, kPoBox{10, 1};
inline constexpr std::size_t kSize = 11, kBlock = 1100;
static_assert(platform::FieldsAreContiguous(std::array{kKind, kRange, kBasePoint, kFurther, kPoBox}, kSize));
}  // namespace us_record
namespace canadian_record {
inline constexpr FieldSpan kFirst{0, 1}, kLowest{1, 5}, kHighest{6, 5}, kBasePoint{11, 2}, kFurther{13, 4};
inline constexpr std::size_t kSize = 17, kBlock = 1700;
static_assert(platform::FieldsAreContiguous(std::array{kFirst, kLowest, kHighest, kBasePoint, kFurther}, kSize));
}  // namespace canadian_record
namespace name_record {  // .DSP
inline constexpr FieldSpan kKey{0, 4}, kKind{4, 1}, kLabel{5, 8}, kDescription{13, 30};
inline constexpr std::size_t kSize = 43;
static_assert(platform::FieldsAreContiguous(std::array{kKey, kKind, kLabel, kDescription}, kSize));
}  // namespace name_record

std::string_view Text(const std::uint8_t* record, FieldSpan field) {
  return std::string_view(reinterpret_cast<const char*>(record) + field.offset, field.width);
}

// The zone of the first record whose prefix range holds the prefix.
template <class Layout>
std::optional<std::string> FindZone(const std::vector<std::uint8_t>& file, std::string_view code) {
  const std::string_view prefix = code.substr(0, 3);
  for (std::size_t at = 0; at + Layout::kSize <= file.size(); at += Layout::kSize) {
    const std::uint8_t* record = file.data() + at;
    if (Text(record, Layout::kLowest) <= prefix && prefix <= Text(record, Layout::kHighest))
      return std::string(Text(record, Layout::kZone));
  }
  return std::nullopt;
}

// The kind of the first pair record with the key.
template <class Layout>
DataSetKind FindKind(const std::vector<std::uint8_t>& file, std::string_view key) {
  for (std::size_t at = 0; at + Layout::kSize <= file.size(); at += Layout::kSize) {
    const std::uint8_t* record = file.data() + at;
    if (Text(record, Layout::kZones) == key) return {Lookup::Found, Text(record, Layout::kKind)[0]};
  }
  return {Lookup::NotFound, ' '};
}

std::int32_t IntAt(const std::vector<std::uint8_t>& bytes, FieldSpan field) {
  return platform::LoadLittleEndian<std::int32_t>(bytes.data() + field.offset);
}

// The header, and the records of one part: its offset and size when both
// lie within the file and the size is above 0.
struct Part {
  std::int64_t offset = 0, size = 0;
};
std::optional<Part> RecordPart(const platform::File& file, const std::vector<std::uint8_t>& head, FieldSpan offset,
                               FieldSpan size) {
  const Part part{IntAt(head, offset), IntAt(head, size)};
  const std::int64_t fileSize = file.size().value_or(0);
  if (part.size <= 0 || part.offset < 0 || part.offset > fileSize || part.size > fileSize - part.offset)
    return std::nullopt;
  return part;
}

// The block the index entry names: a full block, or the rest after the last.
std::vector<std::uint8_t> ReadBlock(const platform::File& file, const Part& part, std::size_t block,
                                    std::size_t blockSize) {
  const std::int64_t full = std::min<std::int64_t>(part.size, static_cast<std::int64_t>(blockSize));
  const std::int64_t blocks = part.size / full;
  const std::int64_t length =
      static_cast<std::int64_t>(block) == blocks ? part.size % static_cast<std::int64_t>(blockSize) : full;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
  const std::ptrdiff_t read = file.readAt(part.offset + static_cast<std::int64_t>(block * blockSize), bytes);
  bytes.resize(static_cast<std::size_t>(std::max<std::ptrdiff_t>(read, 0)));
  return bytes;
}

// The number of index entries the part's size calls for, within the index.
std::size_t LastEntry(const Part& part, std::size_t blockSize, std::size_t entries) {
  const std::int64_t full = std::min<std::int64_t>(part.size, static_cast<std::int64_t>(blockSize));
  return std::min<std::size_t>(static_cast<std::size_t>(part.size / full), entries - 1);
}

std::string BasePointText(const std::uint8_t* record, FieldSpan field) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d", platform::LoadLittleEndian<std::int16_t>(record + field.offset));
  return text;
}

BasePoint ReadUsBasePoint(const platform::File& file, const std::vector<std::uint8_t>& head, char kind,
                          std::string_view code) {
  const std::optional<Part> part = RecordPart(file, head, header::kUsOffset, header::kUsSize);
  const std::string_view zip = code.substr(0, 5);
  if (!part || zip.size() < 5) return {};
  const std::uint64_t number = platform::LeadingDigits(zip).value;
  const std::size_t last = LastEntry(*part, us_record::kBlock, header::kUsEntries);
  for (std::size_t i = 0; i <= last; ++i) {
    const std::uint8_t* entry = head.data() + header::kUsIndex.offset + i * header::kEntrySize;
    const char entryKind = static_cast<char>(entry[0]);
    if (entryKind < kind || (entryKind == kind && Text(entry, {1, 5}) < zip)) continue;
    const std::vector<std::uint8_t> block = ReadBlock(file, *part, i, us_record::kBlock);
    for (std::size_t at = 0; at + us_record::kSize <= block.size(); at += us_record::kSize) {
      const std::uint8_t* record = block.data() + at;
      if (static_cast<char>(record[us_record::kKind.offset]) != kind) continue;
      const std::uint32_t range = record[1] | (record[2] << 8) | (static_cast<std::uint32_t>(record[3]) << 16);
      const std::uint32_t first = range & 0x1FFFF, end = first / 100 * 100 + (range >> 17);
      if (number < first || number > end) continue;
      return {Lookup::Found, BasePointText(record, us_record::kBasePoint),
              static_cast<char>(record[us_record::kPoBox.offset])};
    }
    return {};
  }
  return {};
}

BasePoint ReadCanadianBasePoint(const platform::File& file, const std::vector<std::uint8_t>& head,
                                std::string_view code) {
  const std::optional<Part> part = RecordPart(file, head, header::kCanadianOffset, header::kCanadianSize);
  const std::string wanted = CanadianIndexCode(code);
  if (!part || wanted.size() < 5) return {};
  const std::string_view key = std::string_view(wanted).substr(0, 5), prefix = key.substr(0, 3);
  const std::size_t last = LastEntry(*part, canadian_record::kBlock, header::kCanadianEntries);
  for (std::size_t i = 0; i <= last; ++i) {
    const std::uint8_t* entry = head.data() + header::kCanadianIndex.offset + i * header::kEntrySize;
    if (Text(entry, {0, 5}) < key) continue;
    const std::vector<std::uint8_t> block = ReadBlock(file, *part, i, canadian_record::kBlock);
    for (std::size_t at = 0; at + canadian_record::kSize <= block.size(); at += canadian_record::kSize) {
      const std::uint8_t* record = block.data() + at;
      const std::string_view low = Text(record, canadian_record::kLowest),
                             high = Text(record, canadian_record::kHighest);
      if (prefix < low.substr(0, 3) || prefix > high.substr(0, 3)) continue;
      const bool wholePrefixes = low.substr(3) == "0A" && high.substr(3) == "9Z";
      if (!wholePrefixes && (key < low || key > high)) continue;
      return {Lookup::Found, BasePointText(record, canadian_record::kBasePoint), ' '};
    }
    return {};
  }
  return {};
}

}  // namespace

std::string CanadianIndexCode(std::string_view code) {
  const std::string_view trimmed = code.substr(0, code.find_last_not_of(' ') + 1);
  if (trimmed.size() == 3 && (code.size() == 3 || code[3] == ' ')) return std::string(trimmed) + "0A";
  return std::string(code);
}

DataSetKind FindUsDataSetKind(const std::string& basePath, std::string_view origin, std::string_view destination) {
  const auto zones = platform::ReadWholeFile(basePath + ".BSU");
  const auto pairs = platform::ReadWholeFile(basePath + ".UST");
  if (!zones || !pairs) return {Lookup::FileMissing, ' '};
  const std::optional<std::string> from = FindZone<us_zone>(*zones, origin);
  if (!from) return {};
  const std::optional<std::string> to = FindZone<us_zone>(*zones, destination);
  if (!to) return {};
  return FindKind<us_pair>(*pairs, std::min(*from, *to) + std::max(*from, *to));
}

DataSetKind FindCanadianDataSetKind(const std::string& basePath, std::string_view usCode,
                                    std::string_view canadianCode) {
  const auto usZones = platform::ReadWholeFile(basePath + ".BUU");
  const auto canadianZones = platform::ReadWholeFile(basePath + ".BUC");
  const auto pairs = platform::ReadWholeFile(basePath + ".CNT");
  if (!usZones || !canadianZones || !pairs) return {Lookup::FileMissing, ' '};
  const std::optional<std::string> us = FindZone<us_zone>(*usZones, usCode);
  const std::optional<std::string> canadian = FindZone<canadian_zone>(*canadianZones, canadianCode);
  if (!us || !canadian) return {};
  return FindKind<border_pair>(*pairs, *canadian + *us);
}

BasePoint ReadBaseIndex(const std::string& basePath, char kind, std::string_view code) {
  const std::optional<platform::File> file = platform::File::OpenReadOnly(basePath + ".BSE");
  if (!file) return {Lookup::FileMissing, {}, ' '};
  std::vector<std::uint8_t> head(header::kSize);
  if (file->readAt(0, head) != static_cast<std::ptrdiff_t>(head.size()) || code.empty()) return {};
  return platform::IsDecimalDigit(code[0]) ? ReadUsBasePoint(*file, head, kind, code)
                                           : ReadCanadianBasePoint(*file, head, code);
}

std::optional<BasePointName> ReadBasePointName(int dspDescriptor, char kind, std::string_view basePoint) {
  const std::string_view key = basePoint.substr(0, 4);
  std::array<std::uint8_t, name_record::kSize> record{};
  for (off_t at = 0;; at += static_cast<off_t>(name_record::kSize)) {
    if (::pread(dspDescriptor, record.data(), record.size(), at) != static_cast<ssize_t>(record.size()))
      return std::nullopt;
    const char recordKind = static_cast<char>(record[name_record::kKind.offset]);
    const std::string_view recordKey = Text(record.data(), name_record::kKey);
    if (recordKind > kind || (recordKind == kind && recordKey > key)) return std::nullopt;
    if (recordKind == kind && recordKey == key)
      return BasePointName{std::string(Text(record.data(), name_record::kLabel)),
                           std::string(Text(record.data(), name_record::kDescription))};
  }
}

}  // namespace qiv::base_points
