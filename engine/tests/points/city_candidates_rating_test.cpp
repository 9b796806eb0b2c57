// The city candidates of a rating seen through the rating export: a lane
// whose tariff slots name a point's cities hands them to the caller in its
// buffer, as far as the buffer's capacity goes, and the answer's code says
// which.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/data_directory.h"
#include "support/engine_library.h"
#include "support/shipment_request.h"

namespace vorn {
namespace {

using testing::DataDirectory;
using testing::EngineLibrary;
using testing::ShipmentRequest;

// Two slots serve the lane 10001 (NY) to 90001 (CA); 10001 has cities
// "NYTOWN100" onwards in the exception names.
std::string LaneWithCities(int cities) {
  std::string text = R"(
efcrec
  record kind=100 letter=Y name=BURAAA01
  record kind=200 letter=Y name=BURBBB01
tds
  entry slot=1 a=1 b=1 kind=100 first=1 last=99
  entry slot=2 a=1 b=1 kind=200 first=1 last=99
tda
  state number=5 code=CA
  state number=36 code=NY
tdv
  version number=1 date=2024-01-01
tdz
  range low=10000 high=10099 region=36 table=1
  range low=90000 high=90099 region=5 table=1
tdt slots=2
  row region=5 table=1 codes="1 1"
  row region=36 table=1 codes="1 1"
tdx
  exception kind=900 origin=1 destination=1 first=0 end=99
tdn
)";
  for (int i = 0; i < cities; ++i) text += "  entry zip=10001 kind=100 name=NYTOWN" + std::to_string(100 + i) + "\n";
  return text;
}

class CityCandidatesRating : public ::testing::Test {
 protected:
  void start(int cities) {
    data_.build(LaneWithCities(cities));
    ASSERT_EQ(engine_->InitializeVorn(data_.withSeparator().c_str()), 0);
  }
  // The answer's return code for the request with a buffer of that capacity.
  std::string rate(std::int32_t capacity, std::string_view originCity = "NYELSEWHERE") {
    buffer_.assign(16 + static_cast<std::size_t>(capacity), 0);
    std::memcpy(buffer_.data(), &capacity, 4);
    ShipmentRequest request = ShipmentRequest{}.tariff("").mode('0').at(36, ShipmentRequest::pad(originCity, 19));
    engine_->RateShipment2(request.data(), buffer_.data());
    return std::string(request.text(3, 4));
  }
  std::int32_t count() const {
    std::int32_t n;
    std::memcpy(&n, buffer_.data() + 4, 4);
    return n;
  }
  std::string entry(std::size_t i) const {
    return std::string(reinterpret_cast<const char*>(buffer_.data()) + 16 + 20 * i, 19);
  }

  EngineLibrary engine_;
  DataDirectory data_{""};
  std::vector<std::uint8_t> buffer_;
};

TEST_F(CityCandidatesRating, ACapacityOf960HoldsFortyEightEntries) {
  start(47);
  EXPECT_EQ(rate(960), "0124");
  EXPECT_EQ(count(), 48);
  EXPECT_EQ(entry(0), "NYTOWN100          ");
  EXPECT_EQ(entry(47), "  None of the above");
  // A city the list gave is rated; "None of the above" is no city of the
  // code and is listed again.
  EXPECT_EQ(rate(960, "NYTOWN120"), "    ");
  EXPECT_EQ(rate(960, "  None of the above"), "0124");
}

TEST_F(CityCandidatesRating, FortyNineEntriesDoNotFitAndSay129) {
  start(48);
  EXPECT_EQ(rate(960), "0129");
  EXPECT_EQ(count(), -1);
  EXPECT_EQ(rate(980), "0124");
  EXPECT_EQ(count(), 49);
  EXPECT_EQ(rate(960, "**"), "    ");  // any city of the code: no list
}

}  // namespace
}  // namespace vorn
