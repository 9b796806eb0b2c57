#include "points/city_addons.h"

#include <string>
#include <utility>
#include <vector>

#include "engine_state/rating_engine.h"
#include "errors/engine_error.h"
#include "formats/city_addons_file.h"
#include "points/candidates.h"
#include "rating/rating.h"

namespace vorn {
namespace {

using namespace city_add_on;
constexpr std::size_t kMaxCandidates = 100;
static_assert(kStateCityAt + kStateCitySize == kRecordSize);

// The order of the file: the code, then the character at 6, then the one at 5.
int CompareAddOnKey(std::string_view key, std::string_view record) {
  auto byteAt = [](std::string_view s, std::size_t i) { return static_cast<unsigned char>(s[i]); };
  for (std::size_t i : {0u, 1u, 2u, 3u, 4u, 6u, 5u}) {
    if (byteAt(key, i) != byteAt(record, i)) return byteAt(key, i) < byteAt(record, i) ? -1 : 1;
  }
  return 0;
}

bool ReadAt(const platform::File& file, std::int64_t offset, std::string& buffer) {
  return file.readAt(offset, std::span(reinterpret_cast<std::uint8_t*>(buffer.data()), buffer.size())) ==
         static_cast<std::ptrdiff_t>(buffer.size());
}

}  // namespace

std::int32_t CityAddOnValue(RatingEngine& engine, Rating& rating, LaneSide side, std::string_view key, char direction) {
  if (const std::int16_t c = engine.files.open(engine, 'O'); c != 0) Raise(c);
  const platform::File& file = *engine.files.file('O');
  std::string fullKey(key.substr(0, kKeySize));
  fullKey.resize(kKeySize, ' ');

  std::int64_t at = 0;
  for (std::string heading(kHeadingSize, ' ');;) {
    if (!ReadAt(file, at, heading)) return 0;
    at += static_cast<std::int64_t>(kHeadingSize);
    if (heading[0] == kHeadingsEnd) break;
  }

  const std::string_view requested = RequestCity(rating, side);
  std::int32_t sum = 0;
  std::vector<std::pair<std::string, std::uint8_t>> candidates;
  for (std::string record(kRecordSize, ' '); ReadAt(file, at, record); at += static_cast<std::int64_t>(kRecordSize)) {
    const int c = CompareAddOnKey(fullKey, record);
    if (c > 0) continue;
    if (c < 0) break;
    const std::string_view city = std::string_view(record).substr(kStateCityAt, kStateCitySize);
    const auto value = static_cast<std::uint8_t>(record[kValueAt]);
    if (city != requested) {
      if (candidates.size() < kMaxCandidates) candidates.emplace_back(city, value);
    } else if (record[kDirectionAt] == direction || record[kDirectionAt] == 'B') {
      sum += value;
    }
  }
  if (sum != 0 || candidates.empty()) return sum;

  std::vector<std::string> list;
  for (const auto& candidate : candidates) list.push_back(candidate.first);
  list.emplace_back(kNoneOfTheAbove);
  const std::size_t index = ChooseCity(engine, rating, list, fullKey, side, CityMode::Found);
  if (index >= candidates.size()) return 0;
  SetRequestCity(rating, side, candidates[index].first);
  return candidates[index].second;
}

}  // namespace vorn
