#include "directory/directory_lookups.h"

#include <algorithm>
#include <cctype>

#include "datafiles/record_searches.h"
#include "datafiles/table_file.h"
#include "errors/engine_error.h"
#include "formats/packed_codes.h"

namespace vorn {
namespace {

int CompareText(std::string_view a, std::string_view b) { return a < b ? -1 : a > b ? 1 : 0; }

}  // namespace

std::int16_t ReadTariffVersions(std::string_view folder, const BinaryDebugLog& log, const DateKey& shipDate,
                                TariffVersion& out) {
  VersionList list;
  if (const std::int16_t c = list.load(folder, log); c != code::kSuccess) return c;
  std::vector<TariffVersion> versions = list.versions();
  std::stable_sort(versions.begin(), versions.end(),
                   [](const TariffVersion& a, const TariffVersion& b) { return a.date > b.date; });
  for (const TariffVersion& v : versions) {
    if (v.date <= shipDate) {
      out = v;
      return 0;
    }
  }
  return code::kNoVersionForShipDate;
}

bool ZipInRange(std::string_view code, const ZipRangeRecord& record) {
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  const auto isAlpha = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; };
  std::size_t width;
  if (code.size() >= 5 && std::all_of(code.begin(), code.begin() + 5, isDigit))
    width = 5;
  else if (code.size() >= 3 && isAlpha(code[0]) && isDigit(code[1]) && isAlpha(code[2]))
    width = 3;
  else
    return false;
  const std::string key = ComparableCode(code).substr(0, width);
  const std::string low = UnpackZip(record.firstCode()).substr(0, width);
  const std::string high = UnpackZip(record.lastCode()).substr(0, width);
  return low <= key && key <= high;
}

std::int16_t GetZipRangeRecord(std::string_view folder, const BinaryDebugLog& log, std::string_view code,
                               std::optional<std::int8_t> version, ZipRangeRecord& out) {
  std::optional<platform::File> file = OpenTableFile(folder, "TDZ.BIN", log);
  if (!file) return code::kCantOpenZipRanges;
  if (!PackZip(code)) return code::kZipNotInRanges;
  const std::string key = ComparableCode(code);
  const std::optional<std::int64_t> hit =
      FileBinarySearch(*file, ZipRangeRecord::kSize, [&](std::span<const std::uint8_t> bytes) {
        ZipRangeRecord r;
        r.bytes.assign(bytes);
        if (const int c = CompareText(key, UnpackZip(r.firstCode()).substr(0, key.size())); c < 0) return -1;
        if (const int c = CompareText(key, UnpackZip(r.lastCode()).substr(0, key.size())); c > 0) return 1;
        if (!version) return 0;
        if (*version < r.firstVersion()) return -1;
        if (*version >= r.endVersion()) return 1;
        return 0;
      });
  if (!hit || !ReadFileRecord(*file, *hit, out.bytes.bytes())) return code::kZipNotInRanges;
  return 0;
}

std::int16_t GetTariffTableRow(std::string_view folder, const BinaryDebugLog& log, std::int16_t slotCount,
                               std::int16_t region, std::int16_t table, std::vector<std::int16_t>& row) {
  std::optional<platform::File> file = OpenTableFile(folder, "TDT.BIN", log);
  if (!file) return code::kCantOpenTariffTable;
  const std::size_t words = static_cast<std::size_t>(std::max<std::int16_t>(slotCount, 0)) + 2;
  const std::optional<std::int64_t> hit = FileBinarySearch(*file, 2 * words, [&](std::span<const std::uint8_t> bytes) {
    const std::int16_t r = platform::LoadLittleEndian<std::int16_t>(bytes.data());
    const std::int16_t t = platform::LoadLittleEndian<std::int16_t>(bytes.data() + 2);
    if (region != r) return region < r ? -1 : 1;
    if (table != t) return table < t ? -1 : 1;
    return 0;
  });
  if (!hit) return code::kTariffTableRowNotFound;
  std::vector<std::uint8_t> bytes(2 * words);
  if (!ReadFileRecord(*file, *hit, bytes)) return code::kTariffTableRowNotFound;
  row.resize(words);
  for (std::size_t i = 0; i < words; ++i) row[i] = platform::LoadLittleEndian<std::int16_t>(bytes.data() + 2 * i);
  return 0;
}

}  // namespace vorn
