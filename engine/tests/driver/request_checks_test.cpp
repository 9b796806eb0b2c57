// The checks of a request through the rating exports, and the answer of a
// failed rating. A request that passes every check goes on to the tariff
// data (and fails there on this small data set with another code).
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "support/data_directory.h"
#include "support/engine_library.h"
#include "support/shipment_request.h"

namespace vorn {
namespace {

using testing::DataDirectory;
using testing::EngineLibrary;
using testing::ShipmentRequest;

class RequestChecks : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(engine_->InitializeVorn(data_.withSeparator().c_str()), 0); }
  std::string rate(ShipmentRequest request) {
    engine_->RateShipment(request.data());
    return std::string(request.text(3, 4));
  }
  // Any answer but the request checks' codes.
  static std::string passed(const std::string& code) {
    const bool check = code == "0382" || code == "0384" || code == "0395" || code == "0396" || code.starts_with("05");
    return check ? code : "passed";
  }
  EngineLibrary engine_;
  DataDirectory data_;
};

TEST_F(RequestChecks, ARequestThatPassesEveryCheckGoesOnToTheTariffData) {
  EXPECT_EQ(passed(rate(ShipmentRequest{})), "passed");
}

TEST_F(RequestChecks, TariffNamesOfOneOrTwoCharactersAreRefused) {
  EXPECT_EQ(rate(ShipmentRequest{}.tariff("AB")), "0395");
  EXPECT_EQ(rate(ShipmentRequest{}.tariff("A")), "0395");
  EXPECT_EQ(passed(rate(ShipmentRequest{}.tariff(""))), "passed");  // blank: any tariff
  EXPECT_EQ(passed(rate(ShipmentRequest{}.tariff("ABC"))), "passed");
}

TEST_F(RequestChecks, ShipDatesMustBeRealDatesUnlessAPartIsZero) {
  EXPECT_EQ(rate(ShipmentRequest{}.date("02-29-2001")), "0396");
  EXPECT_EQ(passed(rate(ShipmentRequest{}.date("02-29-2000"))), "passed");
  EXPECT_EQ(rate(ShipmentRequest{}.date("02-29-2100")), "0396");
  EXPECT_EQ(passed(rate(ShipmentRequest{}.date("          "))), "passed");
  EXPECT_EQ(passed(rate(ShipmentRequest{}.date("02/29/2024"))), "passed");
  EXPECT_EQ(rate(ShipmentRequest{}.date("13-01-2024")), "0396");
  EXPECT_EQ(passed(rate(ShipmentRequest{}.date("00-15-2024"))), "passed");  // a zero part is not tested
  EXPECT_EQ(rate(ShipmentRequest{}.date("04-31-2024")), "0396");
  EXPECT_EQ(passed(rate(ShipmentRequest{}.date("ab-cd-efgh"))), "passed");
  EXPECT_EQ(rate(ShipmentRequest{}.date("-1-05-2024")), "0396");
}

TEST_F(RequestChecks, TwoMexicanPointsAreRefused) {
  EXPECT_EQ(rate(ShipmentRequest{}.origin("12345M").destination("54321m")), "0384");
  EXPECT_EQ(passed(rate(ShipmentRequest{}.origin("12345M"))), "passed");
  EXPECT_EQ(passed(rate(ShipmentRequest{}.origin("A2345M").destination("54321M"))), "passed");  // a letter: Canadian
}

TEST_F(RequestChecks, DetailLinesMustBeCodedAndWeighed) {
  EXPECT_EQ(rate(ShipmentRequest{}.line(0, "100", "001000", "01")), "0382");
  EXPECT_EQ(rate(ShipmentRequest{}.line(0, "100", "000000")), "0501");
  EXPECT_EQ(rate(ShipmentRequest{}.detailCount("03").line(1, "50", "000200").line(2, "85", "      ")), "0503");
  EXPECT_EQ(rate(ShipmentRequest{}.detailCount("02").line(1, "50", "-00010")), "0502");
  EXPECT_EQ(rate(ShipmentRequest{}.detailCount("21")), "0382");
  EXPECT_EQ(passed(rate(ShipmentRequest{}.detailCount("00"))), "passed");
}

TEST_F(RequestChecks, EveryDetailCountFromMinus99To99GetsACode) {
  for (int count = -99; count <= 99; ++count) {
    const std::string text = count < 0 ? "-" + std::to_string(-count) : (count < 10 ? "0" : "") + std::to_string(count);
    ShipmentRequest request;
    request.detailCount(text.substr(0, 2));
    for (std::size_t n = 0; n < 20; ++n) request.line(n, "100", "000100");
    const std::string code = rate(request);
    EXPECT_EQ(passed(code), count > 20 ? "0382" : "passed") << text;
  }
}

TEST_F(RequestChecks, AFailedRatingAnswersTheRequestAsSentWithItsCode) {
  ShipmentRequest request = ShipmentRequest{}.date("02-29-2001").at(178, "XY").at(7, "\0\0");
  request.at(976, std::string(100, 'r')).at(1880, std::string(30, 'k')).at(1910, "uu");
  const std::string sent = request.bytes();
  engine_->RateShipmentEx(nullptr, request.data());
  const std::string answer = request.bytes();
  EXPECT_EQ(answer.substr(3, 4), "0396");
  EXPECT_EQ(answer.substr(178, 2), "  ");
  EXPECT_EQ(answer.substr(0, 3), sent.substr(0, 3));
  EXPECT_EQ(answer.substr(7, 178 - 7), sent.substr(7, 178 - 7));             // NULs and the date as sent
  EXPECT_EQ(answer.substr(180, 976 - 180), sent.substr(180, 976 - 180));     // header, lines and discounts
  EXPECT_EQ(answer.substr(976, 1910 - 976), std::string(1910 - 976, '\0'));  // results cleared
  EXPECT_EQ(answer.substr(1910, 2), "uu");
  EXPECT_EQ(answer.substr(1912, 2156 - 1912), std::string(2156 - 1912, '\0'));
  // The engine rates again afterwards.
  EXPECT_EQ(passed(rate(ShipmentRequest{})), "passed");
}

TEST_F(RequestChecks, GarbageAndNulsInEveryFieldGetACode) {
  for (char fill : {'\0', '\xff', '9', ' ', 'Z'}) {
    std::string record(2160, fill);
    engine_->RateShipment2(record.data(), nullptr);
    const std::string code = record.substr(3, 4);
    EXPECT_TRUE(code.find_first_not_of("0123456789") == std::string::npos && code != "0000")
        << int(fill) << " " << code;
  }
  engine_->RateShipment(nullptr);
  engine_->RateShipment2Ex(nullptr, nullptr, nullptr);
}

TEST(RatingExports, WithoutAnEngineTheRecordIsUntouched) {
  EngineLibrary engine;
  EXPECT_EQ(engine->EndVorn(), 0);
  ShipmentRequest request;
  const std::string sent = request.bytes();
  engine->RateShipment(request.data());
  EXPECT_EQ(request.bytes(), sent);
}

// Many threads rating at once give the answers one thread gives, with the
// rating lock and without it.
void RateFromThreads(std::string_view settings) {
  EngineLibrary engine(settings);
  DataDirectory data;
  const std::vector<ShipmentRequest> requests = {
      ShipmentRequest{}, ShipmentRequest{}.tariff("AB"), ShipmentRequest{}.date("02-30-2024"),
      ShipmentRequest{}.origin("11111M").destination("22222M"), ShipmentRequest{}.line(0, "70", "000000")};
  std::vector<std::string> expected;
  ASSERT_EQ(engine->InitializeVorn(data.withSeparator().c_str()), 0);
  for (ShipmentRequest r : requests) {
    engine->RateShipment(r.data());
    expected.push_back(r.bytes());
  }
  std::vector<std::thread> threads;
  std::atomic<int> mismatches{0};
  for (int t = 0; t < 8; ++t) {
    threads.emplace_back([&] {
      if (engine->InitializeVorn(data.withSeparator().c_str()) != 0) ++mismatches;
      for (int round = 0; round < 50; ++round)
        for (std::size_t i = 0; i < requests.size(); ++i) {
          ShipmentRequest r = requests[i];
          engine->RateShipment(r.data());
          if (r.bytes() != expected[i]) ++mismatches;
        }
    });
  }
  for (std::thread& t : threads) t.join();
  EXPECT_EQ(mismatches.load(), 0);
}

TEST(RatingThreads, GiveTheSameAnswersWithTheRatingLock) { RateFromThreads("[Options]\nUseCriticalSection=1\n"); }
TEST(RatingThreads, GiveTheSameAnswersWithoutTheRatingLock) { RateFromThreads("[Options]\nUseCriticalSection=0\n"); }

}  // namespace
}  // namespace vorn
