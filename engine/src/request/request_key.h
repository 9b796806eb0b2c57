// A summary of a request that decides whether the class-and-break work of
// the last rating can be used again: the current tariff's date and name, the
// codes, states and cities of both points, the point letters, the discount
// kind, the factor field, the flags at 7 to 10 and the byte at 177.
#pragma once

#include <array>
#include <cstdint>

#include "effective/current_tariff.h"
#include "rating/parsed_request.h"
#include "vorn32/shipment_record.h"

namespace vorn {

struct RequestKey {
  static constexpr std::size_t kSize = 76;
  std::array<std::uint8_t, kSize> bytes{};
  friend bool operator==(const RequestKey&, const RequestKey&) = default;
};

RequestKey MakeRequestKey(const CurrentTariff& tariff, const ParsedRequest& request, const ShipmentRecord& record);

}  // namespace vorn
