#include "dialogs/city_files.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "platform/kernel/file.h"

namespace qiv {
namespace {

std::string_view FieldOf(const std::vector<std::uint8_t>& bytes, std::size_t record, std::size_t size,
                         platform::FieldSpan field) {
  return std::string_view(reinterpret_cast<const char*>(bytes.data()) + record * size + field.offset, field.width);
}

std::string CityText(std::string_view city) {
  std::string text(city.substr(0, city.find('\0')));
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

std::vector<std::uint8_t> ReadOrEmpty(const std::string& path) {
  return platform::ReadWholeFile(path).value_or(std::vector<std::uint8_t>{});
}

}  // namespace

std::vector<std::string> MexicanPointCities(const std::string& basePath, std::string_view code) {
  using namespace mexican_range_record;
  std::vector<std::string> cities;
  const std::vector<std::uint8_t> ranges = ReadOrEmpty(basePath + ".MXR");
  const std::vector<std::uint8_t> places = ReadOrEmpty(basePath + ".CMX");
  const std::size_t compared = std::min<std::size_t>(code.empty() ? 0 : code.size() - 1, kLowest.width);
  const std::string key(code.substr(0, compared));
  std::size_t contributions = 0;
  for (std::size_t r = 0; r < ranges.size() / kSize && contributions < kMostRanges; ++r) {
    const std::string_view lowest = FieldOf(ranges, r, kSize, kLowest);
    const std::string_view highest = FieldOf(ranges, r, kSize, kHighest);
    if (lowest.substr(0, compared).compare(key) > 0 || key.compare(highest.substr(0, compared)) > 0) continue;
    ++contributions;
    if (r >= places.size() / city_record::kSize) continue;
    if (FieldOf(places, r, city_record::kSize, city_record::kCode).substr(0, 4) != lowest.substr(0, 4)) continue;
    cities.push_back(CityText(FieldOf(places, r, city_record::kSize, city_record::kCity)));
  }
  return cities;
}

std::vector<std::string> UsZipCities(const std::string& basePath, std::string_view zip) {
  std::vector<std::string> cities;
  const std::vector<std::uint8_t> records = ReadOrEmpty(basePath + ".CTU");
  if (zip.empty()) return cities;
  for (std::size_t r = 0; r < records.size() / city_record::kSize; ++r) {
    const std::string_view recordCode = FieldOf(records, r, city_record::kSize, city_record::kCode);
    if (zip.size() <= recordCode.size() && recordCode.substr(0, zip.size()) == zip)
      cities.push_back(CityText(FieldOf(records, r, city_record::kSize, city_record::kCity)));
  }
  return cities;
}

}  // namespace qiv
