#include "points/candidates.h"

#include <algorithm>
#include <cstring>

#include "engine_state/rating_engine.h"
#include "errors/engine_error.h"
#include "platform/kernel/byte_record.h"

namespace vorn {
namespace {

// Writes entries into the caller's buffer; raises 129 without a buffer or
// without room (the count then says -1).
void WriteCandidates(RatingEngine& engine, std::int16_t kind, std::string_view key,
                     const std::vector<std::string>& entries, std::size_t entrySize) {
  auto* buffer = static_cast<std::uint8_t*>(engine.cityCandidates);
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

std::array<char, kStateCitySize>& CityField(RatingEngine& engine, LaneSide side) {
  ParsedRequest& r = engine.work.request;
  return side == LaneSide::Origin ? r.originStateCity : r.destinationStateCity;
}

}  // namespace

std::string_view RequestCity(const RatingEngine& engine, LaneSide side) {
  const ParsedRequest& r = engine.work.request;
  const std::array<char, kStateCitySize>& city = side == LaneSide::Origin ? r.originStateCity : r.destinationStateCity;
  return std::string_view(city.data(), city.size());
}

void SetRequestCity(RatingEngine& engine, LaneSide side, std::string_view stateCity) {
  std::array<char, kStateCitySize>& city = CityField(engine, side);
  city.fill(' ');
  std::memcpy(city.data(), stateCity.data(), std::min(stateCity.size(), city.size()));
  if (engine.ratingRecord != nullptr)
    engine.ratingRecord->setText(
        side == LaneSide::Origin ? shipment::kOriginStateCity : shipment::kDestinationStateCity,
        std::string_view(city.data(), city.size()));
}

bool AcceptsAnyCity(const RatingEngine& engine, LaneSide side) {
  return RequestCity(engine, side).substr(0, 2) == "**";
}

// The end whose city is chosen is the caller's: a lane whose two ends share
// a code is matched end by end, each on its own city.
std::size_t ChooseCity(RatingEngine& engine, const std::vector<std::string>& list, std::string_view code, LaneSide side,
                       CityMode mode) {
  ShipmentRecord& record = *engine.ratingRecord;
  const ParsedRequest& r = engine.work.request;
  const std::size_t n = list.size();
  if (mode == CityMode::Found) record.setChar(shipment::kFlags.offset, 'B');
  if (AcceptsAnyCity(engine, side)) return n;
  const std::string_view code5 = code.substr(0, std::min<std::size_t>(code.size(), 5));
  auto returnCandidates = [&] {
    WriteCandidates(engine, candidates::kCityList, code5, list, kCityEntrySize);
    if (engine.currentTariff.letter == 'N' || mode == CityMode::NotFound) {
      record.setText(shipment::kReturnCode, "0124");
      Raise(code::kCityFileBuilt);
    }
  };
  if (mode == CityMode::NotFound) {
    if (r.candidateRequest == 'E') Raise(code::kCityMustBeSpecified);
    returnCandidates();
  }
  std::string target(RequestCity(engine, side));
  if (r.candidateRequest == 'F') returnCandidates();
  if (target[0] == ' ') target.replace(0, 2, "**");
  for (std::size_t i = 0; i < n; ++i)
    if (list[i].substr(0, kStateCitySize) == target) return i;
  return n;
}

std::size_t ChooseTariffCandidate(RatingEngine& engine, const std::vector<std::string>& candidates) {
  const std::array<char, 8>& field = engine.work.request.tariffNameField;
  const std::string_view requested(field.data(), field.size());
  for (std::size_t i = 0; i < candidates.size(); ++i)
    if (candidates[i].substr(0, 6) == requested.substr(0, 6) && candidates[i].substr(6, 2) == requested.substr(6, 2))
      return i;
  if (engine.work.request.candidateRequest == 'E') Raise(code::kTariffMustBeSpecified);
  WriteCandidates(engine, candidates::kTariffList, "      ", candidates, kTariffEntrySize);
  Raise(code::kTariffFileBuilt);
}

}  // namespace vorn
