#include "points/candidates.h"

#include <algorithm>
#include <cstring>

#include "engine_state/rating_engine.h"
#include "errors/engine_error.h"
#include "platform/kernel/byte_record.h"
#include "rating/rating.h"

namespace vorn {
namespace {

// Writes entries into the caller's buffer; raises 129 without a buffer or
// without room (the count then says -1).
void WriteCandidates(Rating& rating, std::int16_t kind, std::string_view key, const std::vector<std::string>& entries,
                     std::size_t entrySize) {
  auto* buffer = static_cast<std::uint8_t*>(rating.cityCandidates);
  if (buffer == nullptr) Raise(code::kCandidatesNotWritten);
  const std::int32_t capacity = platform::LoadLittleEndian<std::int32_t>(buffer + candidates::kCapacity.offset);
  platform::StoreLittleEndian<std::int16_t>(buffer + candidates::kListKind.offset, kind);
  std::memcpy(buffer + candidates::kKey.offset, key.data(), std::min(key.size(), candidates::kKey.width));
  if (capacity < 0 || static_cast<std::size_t>(capacity) < entrySize * entries.size()) {
    platform::StoreLittleEndian<std::int32_t>(buffer + candidates::kCount.offset, candidates::kNoRoom);
    Raise(code::kCandidatesNotWritten);
  }
  platform::StoreLittleEndian<std::int32_t>(buffer + candidates::kCount.offset,
                                            static_cast<std::int32_t>(entries.size()));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    std::uint8_t* entry = buffer + candidates::kHeadSize + entrySize * i;
    std::memset(entry, 0, entrySize);
    std::memcpy(entry, entries[i].data(), std::min(entries[i].size(), entrySize));
  }
}

std::array<char, kStateCitySize>& CityField(Rating& rating, LaneSide side) {
  ParsedRequest& r = rating.request;
  return side == LaneSide::Origin ? r.originStateCity : r.destinationStateCity;
}

}  // namespace

std::string_view RequestCity(const Rating& rating, LaneSide side) {
  const ParsedRequest& r = rating.request;
  const std::array<char, kStateCitySize>& city = side == LaneSide::Origin ? r.originStateCity : r.destinationStateCity;
  return std::string_view(city.data(), city.size());
}

void SetRequestCity(Rating& rating, LaneSide side, std::string_view stateCity) {
  std::array<char, kStateCitySize>& city = CityField(rating, side);
  city.fill(' ');
  std::memcpy(city.data(), stateCity.data(), std::min(stateCity.size(), city.size()));
}

bool AcceptsAnyCity(const Rating& rating, LaneSide side) { return RequestCity(rating, side).substr(0, 2) == "**"; }

// The end whose city is chosen is the caller's: a lane whose two ends share
// a code is matched end by end, each on its own city.
std::size_t ChooseCity(RatingEngine& engine, Rating& rating, const std::vector<std::string>& list,
                       std::string_view code, LaneSide side, CityMode mode) {
  const ParsedRequest& r = rating.request;
  const std::size_t n = list.size();
  if (mode == CityMode::Found) rating.answer.cityChoiceRan = true;
  if (AcceptsAnyCity(rating, side)) return n;
  const std::string_view code5 = code.substr(0, std::min<std::size_t>(code.size(), 5));
  auto returnCandidates = [&] {
    WriteCandidates(rating, candidates::kCityList, code5, list, kCityEntrySize);
    // The driver answers the code: the return code reads "0124".
    if (engine.currentTariff.letter == 'N' || mode == CityMode::NotFound) Raise(code::kCityFileBuilt);
  };
  if (mode == CityMode::NotFound) {
    if (r.candidateRequest == 'E') Raise(code::kCityMustBeSpecified);
    returnCandidates();
  }
  std::string target(RequestCity(rating, side));
  if (r.candidateRequest == 'F') returnCandidates();
  if (target[0] == ' ') target.replace(0, 2, "**");
  for (std::size_t i = 0; i < n; ++i)
    if (list[i].substr(0, kStateCitySize) == target) return i;
  return n;
}

std::size_t ChooseTariffCandidate(Rating& rating, const std::vector<std::string>& candidates) {
  const std::array<char, 8>& field = rating.request.tariffNameField;
  const std::string_view requested(field.data(), field.size());
  for (std::size_t i = 0; i < candidates.size(); ++i)
    if (candidates[i].substr(0, 6) == requested.substr(0, 6) && candidates[i].substr(6, 2) == requested.substr(6, 2))
      return i;
  if (rating.request.candidateRequest == 'E') Raise(code::kTariffMustBeSpecified);
  WriteCandidates(rating, candidates::kTariffList, "      ", candidates, kTariffEntrySize);
  Raise(code::kTariffFileBuilt);
}

}  // namespace vorn
