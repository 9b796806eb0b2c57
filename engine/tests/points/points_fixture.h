// Test support: an engine in the middle of a rating of a built tariff, with
// the request's ends, the record being rated and the caller's candidates
// buffer, for the point steps that run inside a rating.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "driver/format_result.h"
#include "platform/kernel/byte_record.h"
#include "platform/kernel/fixed_format.h"
#include "rates/point_lookup.h"
#include "rates/tariff_data_fixture.h"
#include "vorn32/shipment_record.h"

namespace vorn::testing {

class PointsTest : public TariffData {
 protected:
  PointsTest() {
    record_.fillAll(' ');
    setCapacity(960);
    rating_.cityCandidates = buffer_.data();
  }

  // Builds the description and makes its tariff current, with none of the
  // tariff's files left open from before.
  void reload(std::string_view description) {
    engine_.currentTariff = CurrentTariff{};
    load(description);
    engine_.files.closeAll();
  }

  // One end's code and state and city (19 characters, blank-padded).
  void end(LaneSide side, std::string_view code, std::string_view stateCity = "") {
    ParsedRequest& r = rating_.request;
    std::array<char, 6>& c = side == LaneSide::Origin ? r.originCode : r.destinationCode;
    std::array<char, 19>& city = side == LaneSide::Origin ? r.originStateCity : r.destinationStateCity;
    c.fill(' ');
    city.fill(' ');
    std::memcpy(c.data(), code.data(), std::min(code.size(), c.size()));
    std::memcpy(city.data(), stateCity.data(), std::min(stateCity.size(), city.size()));
    record_.setText(side == LaneSide::Origin ? shipment::kOriginStateCity : shipment::kDestinationStateCity,
                    std::string_view(city.data(), 19));
    (side == LaneSide::Origin ? r.originPointCode : r.destinationPointCode) = c;
  }
  // Byte 9 of the request: 'F' list the candidates, 'E' an error instead.
  void candidateRequest(char c) { rating_.request.candidateRequest = c; }

  void setCapacity(std::int32_t capacity) {
    buffer_.assign(16 + static_cast<std::size_t>(std::max(capacity, 0)) + 64, 0xEE);
    std::memcpy(buffer_.data(), &capacity, 4);
    rating_.cityCandidates = buffer_.data();
  }
  std::int32_t count() const {
    std::int32_t n;
    std::memcpy(&n, buffer_.data() + 4, 4);
    return n;
  }
  std::int16_t listKind() const {
    std::int16_t k;
    std::memcpy(&k, buffer_.data() + 8, 2);
    return k;
  }
  std::string key() const { return std::string(reinterpret_cast<const char*>(buffer_.data()) + 10, 6); }
  // City entry i (19 characters) and its 20th byte.
  std::string entry(std::size_t i) const {
    return std::string(reinterpret_cast<const char*>(buffer_.data()) + 16 + 20 * i, 19);
  }
  std::uint8_t entryEnd(std::size_t i) const { return buffer_[16 + 20 * i + 19]; }

  std::string answerCity(LaneSide side) const {
    ShipmentRecord answer = record_;
    WriteRequestChoices(rating_, answer);
    return std::string(
        answer.text(side == LaneSide::Origin ? shipment::kOriginStateCity : shipment::kDestinationStateCity));
  }
  // Runs a step and writes what the rating then answers into record_: the
  // request's choices and, when the step raises a code, the return code.
  template <class Step>
  auto answered(Step&& step) {
    try {
      auto result = step();
      WriteRequestChoices(rating_, record_);
      return result;
    } catch (const EngineError& e) {
      WriteRequestChoices(rating_, record_);
      platform::FormatZeroPadded(std::span<char>(record_.chars() + shipment::kReturnCode.offset, 4), e.code);
      throw;
    }
  }
  std::string requestCity(LaneSide side) const {
    const ParsedRequest& r = rating_.request;
    const std::array<char, 19>& city = side == LaneSide::Origin ? r.originStateCity : r.destinationStateCity;
    return std::string(city.data(), city.size());
  }

  ShipmentRecord record_;
  std::vector<std::uint8_t> buffer_;
};

inline std::string Code(const std::array<char, 6>& code) { return std::string(code.data(), code.size()); }

}  // namespace vorn::testing
