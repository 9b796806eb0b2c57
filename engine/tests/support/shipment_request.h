// Test support: ShipmentRecord requests written field by field, as a caller
// fills them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorn::testing {

class ShipmentRequest {
 public:
  // A one-line request: tariff TSTFRT01, ship date 06-15-2024, 10001 to
  // 90001, class 100 at 1000 pounds, discounts off.
  ShipmentRequest();

  ShipmentRequest& at(std::size_t offset, std::string_view text);
  ShipmentRequest& tariff(std::string_view name) { return at(11, pad(name, 8)); }
  ShipmentRequest& date(std::string_view text) { return at(20, pad(text, 10)); }
  ShipmentRequest& origin(std::string_view code) { return at(30, pad(code, 6)); }
  ShipmentRequest& destination(std::string_view code) { return at(55, pad(code, 6)); }
  ShipmentRequest& mode(char m) { return at(10, std::string(1, m)); }
  ShipmentRequest& detailCount(std::string_view twoCharacters) { return at(80, twoCharacters); }
  // Line n (from 0): "02", class, weight "%06d", the answer fields zero.
  ShipmentRequest& line(std::size_t n, std::string_view cls, std::string_view weight6, std::string_view code = "02");
  // Discount record 1 or 2: tag and ten 5-character fields.
  ShipmentRequest& discounts(int record, std::string_view tag, const std::array<std::string_view, 10>& fields);

  char* data() { return bytes_.data(); }
  const char* data() const { return bytes_.data(); }
  std::string_view text(std::size_t offset, std::size_t width) const {
    return std::string_view(bytes_.data() + offset, width);
  }
  std::string bytes() const { return std::string(bytes_.data(), bytes_.size()); }

  static std::string pad(std::string_view text, std::size_t width);

 private:
  std::array<char, 2160> bytes_;
};

}  // namespace vorn::testing
