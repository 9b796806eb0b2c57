// The charges of package rating from rate records built in the test: the
// hundredweight charges of 'E' and 'G' services checked by hand, the
// surcharges and add-ons, and the request's fields read as rating reads
// them. Amounts are cents.
#include "package/package_charges.h"

#include <gtest/gtest.h>

#include <map>
#include <variant>

#include "errors/engine_codes.h"
#include "package/package_request.h"

namespace vorn {
namespace {

RateRecord Record(const std::map<int, std::uint32_t>& entries) {
  std::vector<std::uint8_t> bytes(526, 0);
  for (const auto& [i, v] : entries)
    for (int b = 0; b < 3; ++b)
      bytes[10 + 3 * static_cast<std::size_t>(i) + static_cast<std::size_t>(b)] = (v >> (8 * b)) & 0xFF;
  RateRecord r;
  r.assign(bytes);
  return r;
}

std::vector<PackageWeight> Pounds(std::initializer_list<int> pounds) {
  std::vector<PackageWeight> out;
  for (int p : pounds) out.push_back({p * 10000LL, p});
  return out;
}

PackageCharges Price(PackageQuote q, const RateRecord& service, const RateRecord& cwt) {
  q.totalWeight = TotalWholePounds(q.weights);
  const std::function<const RateRecord&()> read = [&]() -> const RateRecord& { return cwt; };
  auto priced = PricePackages(q, service, read);
  EXPECT_TRUE(std::holds_alternative<PackageCharges>(priced)) << std::get<std::int16_t>(priced);
  return std::holds_alternative<PackageCharges>(priced) ? std::get<PackageCharges>(priced) : PackageCharges{};
}

const std::int32_t kExpressBreaks[] = {100, 200, 500};
const std::int32_t kGroundBreaks[] = {0, 100, 200};

// Three packages of 60 pounds (180 in all), kind 1, dropped off daily: a
// hundredweight charge is made from 100 pounds (service entry 5). Each
// package's charge is the rate at entry 0 (20) + 60 = entry 80.
PackageQuote ThreeOf60(char serviceClass) {
  PackageQuote q;
  q.serviceClass = serviceClass;
  q.service = serviceClass == 'E' ? "E1A" : "GND";
  q.packaging = "OUR";
  q.dropoff = "DPS";
  q.weights = Pounds({60, 60, 60});
  q.breaks = serviceClass == 'E' ? std::span<const std::int32_t>(kExpressBreaks)
                                 : std::span<const std::int32_t>(kGroundBreaks);
  return q;
}
const RateRecord kService = Record({{0, 20}, {5, 100}, {80, 1700}});

TEST(PackageCharges, HundredweightOfTheNextBreakOrRaisedToTheMinimum) {
  const struct {
    const char* what;
    char serviceClass;
    RateRecord cwt;
    std::int64_t charge;
  } cases[] = {
      // 'E': 180 pounds is break 0 (100): r = entry 30 + 0 = 60 a pound,
      // 180 x 60 = 10800; the next break, 200 pounds at 40, is 8000, cheaper.
      // Minimum 20 pounds a package: 20 x 3 x 60 = 3600. Charge 8000.
      {"E, the next break", 'E', Record({{0, 30}, {7, 20}, {30, 60}, {31, 40}, {32, 30}}), 8000},
      // The same with a minimum charge of 9500 (entry 8): raised to 9500.
      {"E, the minimum", 'E', Record({{0, 30}, {7, 20}, {8, 9500}, {30, 60}, {31, 40}, {32, 30}}), 9500},
      // 'E' at tier 2: the row of tier 2 begins 3 entries on: 55 and 35;
      // 180 x 55 = 9900 against 200 x 35 = 7000. Charge 7000.
      {"E, tier 2", 'E', Record({{0, 30}, {30, 60}, {31, 40}, {32, 30}, {33, 55}, {34, 35}, {35, 25}}), 7000},
      // 'G': 180 pounds is break 1 (100): the row {minimum, 900, 800, 600}
      // from entry 30 gives r = 800 a hundredweight, (180 x 800 + 50) / 100
      // = 1440; the next break, (200 x 600 + 50) / 100 = 1200, is cheaper.
      {"G, the next break", 'G', Record({{0, 30}, {31, 900}, {32, 800}, {33, 600}}), 1200},
      // The row's minimum (its leading entry) of 2500 raises it.
      {"G, the minimum", 'G', Record({{0, 30}, {30, 2500}, {31, 900}, {32, 800}, {33, 600}}), 2500},
      // 250 pounds: the last break, no next one: (250 x 600 + 50) / 100 = 1500.
      {"G, the last break", 'G', Record({{0, 30}, {31, 900}, {32, 800}, {33, 600}}), 1500},
  };
  for (const auto& c : cases) {
    PackageQuote q = ThreeOf60(c.serviceClass);
    if (std::string_view(c.what) == "E, tier 2") q.tier = 2;
    if (std::string_view(c.what) == "G, the last break") q.weights = Pounds({100, 150});
    const PackageCharges charges = Price(q, kService, c.cwt);
    EXPECT_TRUE(charges.hundredweightMade) << c.what;
    EXPECT_EQ(charges.hundredweight, c.charge) << c.what;
  }
  // Under 100 pounds, or dropped off other than daily with kind 1: none.
  PackageQuote light = ThreeOf60('G');
  light.weights = Pounds({30, 30});
  EXPECT_FALSE(Price(light, kService, Record({})).hundredweightMade);
  PackageQuote counter = ThreeOf60('G');
  counter.dropoff = "OCA";
  EXPECT_FALSE(Price(counter, kService, Record({})).hundredweightMade);
}

TEST(PackageCharges, PackagesByWeightLettersAndSurcharges) {
  const RateRecord service = Record({{0, 20}, {5, 1000}, {10, 800}, {20, 900}, {21, 1000}, {25, 1400}, {170, 9000}});
  PackageQuote q = ThreeOf60('G');
  q.weights = {{50000, 5}, {1510000, 151}, {10000, 1}};
  // 5 pounds: entry 25; over 150 pounds: no charge; 1 pound: entry 21.
  EXPECT_EQ(Price(q, service, Record({})).packages, (std::vector<std::int64_t>{1400, 0, 1000}));
  // A surcharge goes to every package: 2.50, or 2.5 percent (rounded).
  q.surchargeType = '1';
  q.surcharge = 250;
  EXPECT_EQ(Price(q, service, Record({})).packages, (std::vector<std::int64_t>{1650, 250, 1250}));
  q.surchargeType = ' ';
  EXPECT_EQ(Price(q, service, Record({})).packages, (std::vector<std::int64_t>{1435, 0, 1025}));

  // Letters: within the limit of 800 (8 x 0.0625 = 0.5 pound) at entry 0's
  // rate (kind 1), or at the whole pounds' (kind 2; E1A at half a pound:
  // entry 0 alone); above it, 373.
  PackageQuote letters = ThreeOf60('E');
  letters.packaging = "ELT";
  letters.weights = {{5000, 1}};
  EXPECT_EQ(Price(letters, service, Record({})).packages, std::vector<std::int64_t>{900});
  letters.kind = 2;
  EXPECT_EQ(Price(letters, service, Record({})).packages, std::vector<std::int64_t>{900});
  letters.service = "E2D";
  EXPECT_EQ(Price(letters, service, Record({})).packages, std::vector<std::int64_t>{1000});
  letters.weights = {{5001, 1}};
  letters.totalWeight = 1;
  const std::function<const RateRecord&()> none = [&]() -> const RateRecord& { return service; };
  EXPECT_EQ(std::get<std::int16_t>(PricePackages(letters, service, none)), code::kWeightLimitExceeded);
}

TEST(PackageCharges, AddOnsByVersionKindAndDestination) {
  // Service record: residential 100, drop-off 20, delivery area 30 (with
  // residential delivery) and 11 (without, version 2); hundredweight record:
  // residential 7 (version 1) or 13 (version 2), drop-off 5, delivery area
  // 9 (with residential) and 12 (without).
  const RateRecord service = Record({{0, 20}, {1, 100}, {2, 20}, {3, 30}, {5, 100}, {11, 40}, {80, 1000}});
  const RateRecord cwt =
      Record({{0, 30}, {1, 7}, {2, 5}, {4, 9}, {12, 12}, {13, 13}, {31, 1000}, {32, 1000}, {33, 1000}});
  const struct {
    int version, kind;
    bool residential;
    char destination;
    std::int64_t package, hundredweight;
  } cases[] = {
      // Version 1, kind 1, residential to a direct point: 1000 + 100 + 30.
      // (The hundredweight: 180 pounds, break 1 at 1000 a hundredweight,
      // (180 x 1000 + 50) / 100 = 1800.)
      {1, 1, true, 'D', 1130, 1800},
      // Version 1, kind 2 to a direct point: + 30 a package, + 9 to the
      // hundredweight; residential: + 100 a package, + 3 x 7.
      {1, 2, false, 'D', 1030, 1809},
      {1, 2, true, 'I', 1100, 1821},
      // Version 2: residential + 100 (the hundredweight + 13 once for a 'G'
      // service), the delivery area of its kind: 30 and 9, or 40 and 12.
      {2, 1, true, 'D', 1130, 1822},
      {2, 2, false, 'B', 1040, 1812},
  };
  for (const auto& c : cases) {
    PackageQuote q = ThreeOf60('G');
    q.version = c.version;
    q.kind = c.kind;
    q.residential = c.residential;
    q.destinationLetter = c.destination;
    const PackageCharges charges = Price(q, service, cwt);
    EXPECT_EQ(charges.packages[0], c.package) << c.version << c.kind << c.residential << c.destination;
    EXPECT_EQ(charges.hundredweight, c.hundredweight) << c.version << c.kind << c.residential << c.destination;
  }
  // Kind 2 'E': the hundredweight record's drop-off add-on, a package and
  // to the hundredweight charge.
  PackageQuote express = ThreeOf60('E');
  express.kind = 2;
  const PackageCharges charges = Price(express, service, cwt);
  EXPECT_EQ(charges.packages[0], 1005);
}

TEST(PackageRequestFields, WeightsRoundedUpToWholePounds) {
  // (Counts and weights that are refused: package_rating_test.cpp.)
  const struct {
    std::string_view text;
    std::optional<std::int64_t> whole;
  } weights[] = {{"150.2     ", 151},         {"  150     ", 150},          {"0.0625    ", 1},
                 {"12.       ", 12},          {"0.0       ", std::nullopt}, {"12x       ", std::nullopt},
                 {"-5        ", std::nullopt}};
  for (const auto& w : weights) {
    const std::optional<PackageWeight> read = ReadPackageWeight(w.text);
    EXPECT_EQ(read ? std::optional<std::int64_t>(read->wholePounds) : std::nullopt, w.whole) << w.text;
  }
  // The total is the sum as written, rounded up once: 0.5 + 0.5 is 1 pound.
  EXPECT_EQ(TotalWholePounds({{5000, 1}, {5000, 1}}), 1);
}

}  // namespace
}  // namespace vorn
