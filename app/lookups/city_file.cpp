#include "lookups/city_file.h"

#include <cctype>

#include "platform/ui/cursor.h"

namespace qiv {

int CompareCityKey(std::string_view key, const CityRecord& record) {
  const std::string_view stored = record.field(city_record::kStateAndCity);
  for (std::size_t i = 0; i < key.size(); ++i) {
    // A key longer than state and city compares as if the record ended there.
    if (i >= stored.size()) return 1;
    const int a = std::toupper(static_cast<unsigned char>(key[i]));
    const int b = std::toupper(static_cast<unsigned char>(stored[i]));
    if (a != b) return a < b ? -1 : 1;
  }
  return 0;
}

void CityFile::open(const std::string& path) {
  close();
  if (std::optional<platform::File> opened = platform::File::OpenReadOnly(path)) file_ = std::move(*opened);
}

void CityFile::close() {
  file_.close();
  position_ = 0;
}

std::int32_t CityFile::count() const {
  if (!file_.isOpen()) return 0;
  const std::int64_t size = file_.size().value_or(0);
  const std::int64_t records = size / static_cast<std::int64_t>(city_record::kSize);
  return records > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(records);
}

std::optional<CityRecord> CityFile::read(std::int64_t index) {
  if (!file_.isOpen() || index < 0 || index >= count()) return std::nullopt;
  CityRecord::Bytes bytes{};
  const std::ptrdiff_t got = file_.readAt(index * static_cast<std::int64_t>(city_record::kSize),
                                          std::span(reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size()));
  if (got != static_cast<std::ptrdiff_t>(bytes.size())) return std::nullopt;
  position_ = static_cast<std::int32_t>(index);
  return CityRecord(bytes);
}

int CityFile::compareAt(std::int32_t index, std::string_view key) {
  const std::optional<CityRecord> record = read(index);
  // A record that cannot be read ends the search as if the key lay below it.
  return record ? CompareCityKey(key, *record) : -1;
}

std::int32_t CityFile::search(std::string_view key) {
  const std::int32_t records = count();
  if (records == 0) return -1;
  platform::ui::WaitCursor wait;
  const std::int32_t before = position_;
  std::int32_t low = 0;
  std::int32_t high = records - 1;
  std::int32_t probe = (low + high) / 2;
  std::int32_t found = -1;
  while (low <= high) {
    const int order = compareAt(probe, key);
    if (order == 0) {
      found = probe;
      while (found > 0 && compareAt(found - 1, key) == 0) --found;
      break;
    }
    if (low == high) {
      found = probe;
      break;
    }
    if (order < 0)
      high = probe - 1;
    else
      low = probe + 1;
    probe = (high - low) / 2 + low;
  }
  if (found < 0) found = before;
  // The file stays on the record answered.
  if (!read(found)) position_ = before;
  return found;
}

}  // namespace qiv
