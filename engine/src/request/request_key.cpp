#include "request/request_key.h"

#include <cstring>

namespace vorn {

RequestKey MakeRequestKey(const CurrentTariff& tariff, const ParsedRequest& request, const ShipmentRecord& record) {
  RequestKey key;
  std::size_t at = 0;
  auto put = [&](const void* data, std::size_t n) {
    std::memcpy(key.bytes.data() + at, data, n);
    at += n;
  };
  const std::uint8_t date[4] = {tariff.date.century, tariff.date.year, tariff.date.month, tariff.date.day};
  put(date, 4);
  put(tariff.name().data(), 8);
  put(request.originCode.data(), 6);
  put(request.originStateCity.data(), 19);
  put(request.destinationCode.data(), 6);
  put(request.destinationStateCity.data(), 19);
  put(&request.originPointLetter, 1);
  put(&request.destinationPointLetter, 1);
  put(record.chars() + shipment::kDiscountKind.offset, 1);
  put(record.chars() + shipment::kFactor.offset, shipment::kFactor.width);
  put(record.chars() + shipment::kFlags.offset, 4);  // bytes 7 to 10
  put(record.chars() + shipment::kMethodFlag.offset, 1);
  static_assert(4 + 8 + 6 + 19 + 6 + 19 + 1 + 1 + 1 + 5 + 4 + 1 == RequestKey::kSize - 1);
  return key;
}

}  // namespace vorn
