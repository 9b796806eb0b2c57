// Test support: whole ratings through the exports. A data set holding one
// tariff (with the tables every engine needs) is built into a temporary
// directory, a private copy of the engine is initialised on it, and each
// request is rated in place by Vorn_RateShipment2Ex; the answer's fields are
// read back by name.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "support/data_directory.h"
#include "support/engine_library.h"
#include "support/shipment_request.h"

namespace vorn::testing {

// The answer of one rating, field by field.
class RatedShipment {
 public:
  explicit RatedShipment(std::string record) : record_(std::move(record)) {}

  std::string returnCode() const { return field(3, 4); }
  std::string tariffUsed() const { return field(82, 8); }
  std::string rateBasis() const { return field(90, 11); }
  std::string actualWeight() const { return field(101, 6); }
  std::string billedWeight() const { return field(107, 6); }
  std::string netCharge() const { return field(113, 7); }
  std::string deficitRate() const { return field(120, 7); }
  std::string deficitWeight() const { return field(127, 6); }
  std::string deficitCharge() const { return field(133, 9); }
  std::string grossCharge() const { return field(142, 9); }
  std::string effectiveDate() const { return field(151, 10); }
  std::string pointLetters() const { return field(196, 2); }
  std::string breakDiscount() const { return field(220, 9); }
  std::string percentDiscount() const { return field(229, 7); }
  std::string discountPercent() const { return field(241, 5); }
  // Line n (from 0): rate per hundredweight and charge.
  std::string lineRate(std::size_t n) const { return field(265 + 30 * n + 11, 7); }
  std::string lineCharge(std::size_t n) const { return field(265 + 30 * n + 18, 9); }
  // The applied minimum charge: item 0 of the rate table, in cents.
  std::int32_t appliedMinimum() const { return integer(976); }
  std::int16_t minimumLayout() const { return static_cast<std::int16_t>(integer(2152) & 0xFFFF); }

  std::string field(std::size_t offset, std::size_t width) const { return record_.substr(offset, width); }
  std::int32_t integer(std::size_t offset) const {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(record_[offset + static_cast<std::size_t>(i)]);
    return static_cast<std::int32_t>(v);
  }

 private:
  std::string record_;
};

class RatingThroughExports : public ::testing::Test {
 protected:
  // Builds the tariff's files with the selection and state tables and
  // initialises the engine on them.
  void start(std::string_view tariffFiles) {
    data_.build(std::string(tariffFiles) + "\ntds\n  entry\ntda\n  state\n");
    handle_ = engine_->InitializeVornEx(data_.withSeparator().c_str());
    ASSERT_NE(handle_, nullptr);
  }
  RatedShipment rate(ShipmentRequest request) {
    engine_->RateShipment2Ex(handle_, request.data(), nullptr);
    return RatedShipment(request.bytes());
  }
  void TearDown() override {
    if (handle_ != nullptr) engine_->EndVornEx(handle_);
  }

  EngineLibrary engine_;
  DataDirectory data_{""};
  VornHandle handle_ = nullptr;
};

}  // namespace vorn::testing
