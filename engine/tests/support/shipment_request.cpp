#include "support/shipment_request.h"

#include <algorithm>
#include <cstring>

namespace vorn::testing {

std::string ShipmentRequest::pad(std::string_view text, std::size_t width) {
  std::string out(text.substr(0, width));
  out.resize(width, ' ');
  return out;
}

ShipmentRequest::ShipmentRequest() {
  bytes_.fill(' ');
  std::memset(bytes_.data() + 976, 0, 2160 - 976);
  at(0, "F01").mode('1').tariff("TSTFRT01").at(19, "N").date("06-15-2024").origin("10001").destination("90001");
  at(194, "N").at(214, "C").at(215, "0000").at(236, "10000").at(263, "\r\n");
  for (std::size_t n = 0; n < 20; ++n) at(265 + 30 * n + 27, "\r\n");
  detailCount("01").line(0, "100", "001000");
}

ShipmentRequest& ShipmentRequest::at(std::size_t offset, std::string_view text) {
  std::copy(text.begin(), text.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(offset));
  return *this;
}

ShipmentRequest& ShipmentRequest::line(std::size_t n, std::string_view cls, std::string_view weight6,
                                       std::string_view code) {
  const std::size_t base = 265 + 30 * n;
  return at(base, pad(code, 2))
      .at(base + 2, pad(cls, 3))
      .at(base + 5, pad(weight6, 6))
      .at(base + 11, "0000.00000000.00");
}

ShipmentRequest& ShipmentRequest::discounts(int record, std::string_view tag,
                                            const std::array<std::string_view, 10>& fields) {
  const std::size_t base = record == 1 ? 865 : 919;
  at(base, pad(tag, 2));
  for (std::size_t k = 0; k < 10; ++k) at(base + 2 + 5 * k, pad(fields[k], 5));
  return *this;
}

}  // namespace vorn::testing
