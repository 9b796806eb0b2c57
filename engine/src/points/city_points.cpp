#include "points/city_points.h"

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "datafiles/record_searches.h"
#include "engine_state/rating_engine.h"
#include "errors/engine_error.h"
#include "formats/city_points.h"
#include "formats/packed_codes.h"
#include "platform/kernel/fixed_format.h"
#include "platform/kernel/path.h"
#include "points/candidates.h"
#include "rating/rating.h"

namespace vorn {
namespace {

constexpr std::size_t kMaxCityRecords = 100;

using CityCompare = std::function<int(std::span<const std::uint8_t>)>;

std::string_view Chars(std::span<const std::uint8_t> bytes, platform::FieldSpan f) {
  return std::string_view(reinterpret_cast<const char*>(bytes.data()) + f.offset, f.width);
}

// The tariff's city file, or null when the tariff has none.
const platform::File* OpenCityFile(RatingEngine& engine) {
  if (engine.files.open(engine, 'E') == 0) return engine.files.file('E');
  const std::string name(platform::TrimTrailingBlanks(engine.currentTariff.name()).substr(0, 8));
  if (engine.folders.at(engine.dataPath).find(name + ".E" + TariffFileSuffix(engine.currentTariff, 'E')))
    Raise(code::kCantOpenCityFile);
  return nullptr;
}

// The key of a packed record compared with a code as both read: five
// characters for a code beginning with a digit, three for a postal code.
CityCompare PackedKeyCompare(std::string_view code) {
  return [key = ComparableCode(code)](std::span<const std::uint8_t> r) {
    const std::string recordKey = UnpackZip(std::span<const std::uint8_t, 3>(r.data(), 3)).substr(0, key.size());
    return key < recordKey ? -1 : key > recordKey ? 1 : 0;
  };
}

CityCompare CodeKeyCompare(std::string_view code) {
  return [key = std::string(code.substr(0, 6))](std::span<const std::uint8_t> r) {
    const int c = std::memcmp(key.data(), r.data(), 6);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
  };
}

// The city's code of a record, over the end's code.
void TakeCityCode(std::array<char, 6>& code, std::span<const std::uint8_t> record, const CityRecordLayout& layout) {
  const std::string city = layout.packed
                               ? UnpackZip(std::span<const std::uint8_t, 3>(record.data() + layout.cityCode.offset, 3))
                               : std::string(Chars(record, layout.cityCode));
  std::memcpy(code.data(), city.data(), std::min(city.size(), code.size()));
}

bool LookUpCity(RatingEngine& engine, Rating& rating, LaneSide side, std::array<char, 6>& code,
                const CityRecordLayout& layout) {
  const std::string_view codeText(code.data(), code.size());
  if (layout.packed && !PackZip(codeText)) return false;
  const platform::File* file = OpenCityFile(engine);
  if (file == nullptr) return false;
  const CityCompare compare = layout.packed ? PackedKeyCompare(codeText) : CodeKeyCompare(codeText);
  const std::optional<std::int64_t> hit = FileBinarySearch(*file, layout.size, compare);
  if (!hit) return false;

  // The records of the key, in file order; a short record ends them.
  std::vector<std::vector<std::uint8_t>> records;
  for (std::int64_t index = *hit; records.size() < kMaxCityRecords; ++index) {
    std::vector<std::uint8_t> record(layout.size);
    if (!ReadFileRecord(*file, index, record) || compare(record) != 0) break;
    records.push_back(std::move(record));
  }
  if (records.empty()) return false;

  const std::string_view requested = RequestCity(rating, side);
  for (const std::vector<std::uint8_t>& record : records) {
    const std::string_view stateCity = Chars(record, layout.stateCity);
    if (stateCity.substr(0, 2) == "**" || stateCity == requested) {
      TakeCityCode(code, record, layout);
      return true;
    }
  }
  std::vector<std::string> list;
  for (const std::vector<std::uint8_t>& record : records) list.emplace_back(Chars(record, layout.stateCity));
  list.emplace_back(kNoneOfTheAbove);
  const std::size_t index = ChooseCity(engine, rating, list, codeText, side, CityMode::Found);
  if (index < records.size()) {
    TakeCityCode(code, records[index], layout);
    SetRequestCity(rating, side, list[index]);
    return true;
  }
  // A request that takes any city of the code is rated with its first.
  if (AcceptsAnyCity(rating, side)) {
    TakeCityCode(code, records.front(), layout);
    return true;
  }
  return false;
}

}  // namespace

bool CityByPackedZip(RatingEngine& engine, Rating& rating, LaneSide side, std::array<char, 6>& code) {
  return LookUpCity(engine, rating, side, code, kPackedCityLayout);
}

bool CityByCode(RatingEngine& engine, Rating& rating, LaneSide side, std::array<char, 6>& code) {
  return LookUpCity(engine, rating, side, code, kCodeCityLayout);
}

void PrepareCityPoints(RatingEngine& engine, Rating& rating, bool alternative) {
  ParsedRequest& r = rating.request;
  const auto lookUp = alternative ? CityByCode : CityByPackedZip;
  lookUp(engine, rating, LaneSide::Origin, r.originCode);
  lookUp(engine, rating, LaneSide::Destination, r.destinationCode);
}

}  // namespace vorn
