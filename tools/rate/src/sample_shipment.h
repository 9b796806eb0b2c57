// Sample shipments: a small text form of a rating request, read into the
// 2160-byte request record the engine rates in place.
//
//   # comment
//   tariff       NACLASS1             (up to 8 characters; left out: chosen by the engine)
//   date         03-14-2025           (MM-DD-YYYY)
//   origin       10001 NY NEW YORK    (code, then optionally state and city)
//   destination  M5V2T6 ON TORONTO
//   line         100 1200             (class and pounds; up to 20 lines)
//   discount     direct 30 0 0 ...    (or indirect: the percentage on the net,
//                                      then up to nine per-break percentages)
//   discount-kind C                   (C charges, R rates)
//   carrier      NAFX L               (the service guide's carrier, up to 4
//                                      characters, and optionally its mode: A
//                                      any, L LTL, T TL)
#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace rate_tool {

inline constexpr std::size_t kRecordSize = 2160;
using ShipmentBytes = std::array<char, kRecordSize>;

// A line of a sample shipment that cannot be read; line() counts from 1.
class ShipmentError : public std::runtime_error {
 public:
  ShipmentError(int line, const std::string& what) : std::runtime_error(what), line_(line) {}
  int line() const { return line_; }

 private:
  int line_;
};

// The request of a sample shipment, as a caller fills the record: normal
// mode, discounts off unless a discount line is given.
ShipmentBytes ReadSampleShipment(std::string_view text);

// Reads the file; a file that cannot be read is a ShipmentError at line 0.
ShipmentBytes LoadSampleShipment(const std::string& path);

}  // namespace rate_tool
