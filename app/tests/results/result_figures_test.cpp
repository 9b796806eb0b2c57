// The result display's figures from a rated RatingContext: which of
// minimum, net charge and floor applies with the surcharge on it, the
// conversion, the accessorial prices by type, the rate-base titles; and
// the base-point files of the sample set, good and damaged.
#include <gtest/gtest.h>

#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <unistd.h>

#include "platform/kernel/money_rounding.h"
#include "platform/testing/temp_directory.h"
#include "results/accessorial_charges.h"
#include "results/result_totals.h"
#include "results/tariff_files.h"
#include "route/base_point_files.h"
#include "screen/screen_ids.h"

namespace qiv {
namespace {

namespace totals = ratekit::rating_totals;
namespace id = screen_id;

// A rated context as the engine leaves it, amounts by name.
struct Rated {
  const char* gross = "100.00";
  const char* discount = "0.00";
  const char* net = "100.00";
  const char* minimum = "50.00";
  bool discounts = false;
  float mcPercent = 0, profileFloor = 0, singleFloor = 0, ltlPercent = 0, exchange = 0;
  char singleLetter = ' ';
};

std::unique_ptr<RatingContext> ContextOf(const Rated& r) {
  auto context = RatingContext::Allocate();
  RatingContext& c = *context;
  c.setTerminatedText(totals::kTotalCharge, r.gross);
  c.setTerminatedText(totals::kDiscountAmount, r.discount);
  c.setTerminatedText(totals::kNetCharge, r.net);
  c.setTerminatedText(totals::kHeaderAmountsSum, r.minimum);
  c.setTerminatedText(totals::kTotalWeight, "   500");
  c.setTerminatedText(fields::kTlFromBreak, "5");
  c.setChar(fields::kDiscountMode, 'C');
  c.setFloat(fields::kMcDiscountPercent, r.mcPercent);
  c.setFloat(fields::kProfileFloor, r.profileFloor);
  c.setFloat(fields::kSingleShipmentFloor, r.singleFloor);
  c.setChar(fields::kSingleShipmentLetter, r.singleLetter);
  if (r.ltlPercent > 0) {
    c.setShort(fields::kSurchargeInUse, 1);
    c.setFloat(fields::kLtlSurchargePercent, r.ltlPercent);
  }
  if (r.exchange > 0) {
    c.setShort(fields::kCurrencyExchangeInUse, 1);
    c.setFloat(fields::kExchangeRate, r.exchange);
  }
  return context;
}

ResultDisplay Display(RatingContext& context, bool discounts) {
  ResultInputs inputs;
  inputs.discountsInUse = discounts;
  inputs.round = [](float x, int n) { return platform::RoundMoney(x, n); };
  inputs.labelText = [](int label) { return "label " + std::to_string(label); };
  return ComputeResultDisplay(context, inputs);
}

// label id -> (label text when replaced, first value) of the shown rows.
using ShownRows = std::map<int, std::pair<std::string, std::string>>;
ShownRows RowsOf(const ResultDisplay& display) {
  ShownRows rows;
  for (const ResultRow& row : display.rows) rows[row.label] = {row.labelText, row.values.at(0).second};
  return rows;
}

TEST(ResultTotals, MinimumNetChargeOrFloorAppliesWithTheSurchargeOnIt) {
  struct Case {
    const char* name;
    Rated rated;
    ShownRows rows;
    const char* sign;
  };
  const Case cases[] = {
      {"a plain shipment: the engine's net is the total",
       {},
       {{id::TotalWeightLabel, {"", "500"}},
        {id::GrossChargeLabel, {"", "100.00"}},
        {id::TotalChargesLabel, {"", "$100.00"}}},
       "LH"},
      {"the discounted minimum above the net: the minimum, its discount, the surcharge on it",
       {.gross = "60.00", .net = "60.00", .minimum = "100.00", .discounts = true, .mcPercent = 10, .ltlPercent = 20},
       {{id::TotalWeightLabel, {"", "500"}},
        {id::MinimumChargeLabel, {"", "100.00"}},
        {id::PercentDiscountLabel, {" 10.00% label 4574", "-10.00"}},
        {id::NetChargeLabel, {"", "$90.00"}},
        {id::FuelSurchargeLabel, {"", "18.00"}},
        {id::TotalChargesLabel, {"", "$108.00"}}},
       "MC"},
      {"a floor above net and minimum",
       {.discounts = true, .profileFloor = 150},
       {{id::TotalWeightLabel, {"", "500"}},
        {id::GrossChargeLabel, {"", "100.00"}},
        {id::PercentDiscountLabel, {"  0.00% label 4574", "-0.00"}},
        {id::FloorResultLabel, {"Floor", "$150.00"}},
        {id::TotalChargesLabel, {"", "$150.00"}}},
       "LH"},
      {"a single shipment's floor",
       {.discounts = true, .profileFloor = 150, .singleFloor = 200, .singleLetter = 'Y'},
       {{id::TotalWeightLabel, {"", "500"}},
        {id::GrossChargeLabel, {"", "100.00"}},
        {id::PercentDiscountLabel, {"  0.00% label 4574", "-0.00"}},
        {id::FloorResultLabel, {"Single Shipment Floor", "$200.00"}},
        {id::TotalChargesLabel, {"", "$200.00"}}},
       "LH"},
      {"the conversion at four decimals of the rate",
       {.exchange = 1.23456f},
       {{id::TotalWeightLabel, {"", "500"}},
        {id::GrossChargeLabel, {"", "100.00"}},
        {id::TotalChargesLabel, {"", "$100.00"}},
        {id::CurrencyExchangeLabel, {"", "$123.46"}}},
       "LH"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto context = ContextOf(c.rated);
    const ResultDisplay display = Display(*context, c.rated.discounts);
    EXPECT_EQ(RowsOf(display), c.rows);
    EXPECT_EQ(display.ratingSign, c.sign);
    // The totals table mirrors the rows; the total's row has the double rule.
    ASSERT_EQ(display.tables.totalsCount, static_cast<int>(c.rows.size()));
    const auto total = std::find_if(display.tables.totalsRows.begin(), display.tables.totalsRows.end(),
                                    [](const TotalsRow& r) { return r.rule == TotalsRule::Double; });
    ASSERT_NE(total, display.tables.totalsRows.end());
    EXPECT_EQ(FieldText(total->label), std::string(14, ' ') + "label 4570");
  }
}

TEST(AccessorialCharges, EachTypePricesItsQuantity) {
  struct Case {
    AccessorialPrices prices;
    double base, charge;
  };
  const Case cases[] = {
      {{'3', 5, 10, 0, 0, 0, 4, 0}, 0, 38},  // three at the rate, two at the second
      {{'3', 2, 10, 0, 0, 0, 4, 0}, 0, 20},
      {{'h', 48, 0, 10, 100, 30, 0, 0}, 0, 60},  // past 24: a maximum per 24
      {{'h', 5, 0, 10, 100, 30, 0, 0}, 0, 100},  // below the minimum
      {{'h', 20, 0, 10, 100, 300, 0, 0}, 0, 200},
      {{'5', 2, 0, 7, 0, 0, 3, 0}, 0, 7},  // the unit amount
      {{'5', 4, 0, 7, 0, 0, 3, 0}, 0, 13},
      {{'6', 3, 0, 5, 0, 0, 4, 0}, 0, 14},
      {{'6', 6, 0, 5, 0, 0, 4, 3}, 0, 24},
      {{'%', 2, 50, 0, 0, 0, 0, 0}, 0, 1},
      {{'$', 12.5, 0, 0, 20, 0, 0, 0}, 0, 20},  // raised to the minimum
      {{'+', 0, 80, 0, 0, 50, 0, 0}, 0, 50},    // cut to the maximum
      {{'c', 0, 10, 0, 0, 0, 0, 0}, 300, 30},
      {{'w', 0, 10, 2, 0, 0, 0, 0}, 6000, 120},  // heavy: the unit amount's percent
      {{'w', 0, 10, 2, 0, 0, 0, 0}, 300, 30},
      {{'f', 2, 0, 10, 50, 0, 0, 0}, 300, 100},
      {{'4', 4, 10, 5, 0, 100, 20, 15}, 100, 40},    // the first, the second, two further
      {{'4', 4, 10, 12, 50, 100, 20, 15}, 100, 50},  // each at least the unit amount (48), the whole the minimum
      {{'x', 4, 10, 5, 0, 0, 0, 0}, 100, 0},
  };
  for (const Case& c : cases)
    EXPECT_DOUBLE_EQ(AccessorialCharge(c.prices, c.base), c.charge) << c.prices.type << " x " << c.prices.quantity;
}

TEST(TariffBasis, TitlesByTheRateBaseLetterAndAt25NamesTheSlotsAfterThemStayUntouched) {
  platform::testing::TempDirectory dir;
  std::string names;
  for (int i = 1; i <= 26; ++i) {
    std::string name = "NAME" + std::to_string(i);
    name.resize(16, '\0');
    names += name;
  }
  dir.write("BASE.TBL", names);
  struct Case {
    const char* number;
    const char* formatted;
    const char* title;
  };
  const Case cases[] = {{"01234A", "  1234", "NAME1          "},
                        {"01234B", "01234B", "NAME2          "},
                        {"00077E", "    77", "KTQ519 NAME5   "},
                        {"01234X", "01234X", "               "}};
  for (const Case& c : cases) {
    auto context = RatingContext::Allocate();
    context->view().fill({15954, 11}, 'z');
    context->setTerminatedText(fields::kRateBaseNumber, c.number);
    ASSERT_TRUE(ReadTariffBasisTable(*context, (dir / "BASE").string()));
    EXPECT_EQ(context->textAt(fields::kRateBaseNumber), c.formatted);
    EXPECT_EQ(std::string(context->view().text(fields::kRateBaseTitle)), c.title);
    EXPECT_EQ(context->view().text({15954, 11}), std::string(11, 'z'));
  }
  auto context = RatingContext::Allocate();
  EXPECT_FALSE(ReadTariffBasisTable(*context, (dir / "NONE").string()));
}

// ---- the base-point files

std::string SampleBase() { return std::string(QIV_DATA_DIR) + "/SAMPLE01"; }

TEST(BasePointFiles, TheSampleSetsKindsBasePointsAndNames) {
  using base_points::Lookup;
  struct Kind {
    const char* origin;
    const char* destination;
    bool canadian;
    Lookup status;
    char kind;
  };
  const Kind kinds[] = {
      {"10001", "60601", false, Lookup::Found, 'A'},    {"43215", "17101", false, Lookup::Found, 'A'},
      {"30301", "28202", false, Lookup::Found, 'B'},    {"10001", "30301", false, Lookup::NotFound, ' '},
      {"99999", "60601", false, Lookup::NotFound, ' '}, {"75201", "M5V2T6", true, Lookup::Found, 'D'},
      {"60601", "M5V2T6", true, Lookup::NotFound, ' '}};
  for (const Kind& k : kinds) {
    const base_points::DataSetKind found =
        k.canadian ? base_points::FindCanadianDataSetKind(SampleBase(), k.origin, k.destination)
                   : base_points::FindUsDataSetKind(SampleBase(), k.origin, k.destination);
    EXPECT_EQ(found.status, k.status) << k.origin << "-" << k.destination;
    EXPECT_EQ(found.kind, k.kind) << k.origin << "-" << k.destination;
  }
  struct Point {
    char kind;
    const char* code;
    Lookup status;
    const char* base;
    char poBox;
  };
  const Point points[] = {{'A', "10001", Lookup::Found, "1001", ' '}, {'A', "10008", Lookup::Found, "1001", '*'},
                          {'A', "60601", Lookup::Found, "4001", ' '}, {'C', "10001", Lookup::Found, "9003", ' '},
                          {'B', "60601", Lookup::NotFound, "", ' '},  {'A', "M5V2T6", Lookup::Found, "6003", ' '},
                          {'A', "M5V", Lookup::Found, "6003", ' '},   {'A', "M5V ", Lookup::Found, "6003", ' '},
                          {'A', "X1A1A1", Lookup::NotFound, "", ' '}, {'A', "", Lookup::NotFound, "", ' '}};
  for (const Point& p : points) {
    const base_points::BasePoint found = base_points::ReadBaseIndex(SampleBase(), p.kind, p.code);
    EXPECT_EQ(found.status, p.status) << p.kind << p.code;
    EXPECT_EQ(found.text, p.base) << p.kind << p.code;
    EXPECT_EQ(found.poBox, p.poBox) << p.kind << p.code;
  }
  const int dsp = ::open((SampleBase() + ".DSP").c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(dsp, 0);
  const auto nyc = base_points::ReadBasePointName(dsp, 'A', "1001");
  ASSERT_TRUE(nyc.has_value());
  EXPECT_EQ(nyc->label.substr(0, 3), "NYC");
  EXPECT_EQ(nyc->description.substr(0, 13), "NEW YORK CITY");
  EXPECT_FALSE(base_points::ReadBasePointName(dsp, 'B', "1001").has_value());
  ::close(dsp);
  EXPECT_EQ(base_points::FindUsDataSetKind("/nonexistent/BASE", "10001", "60601").status, Lookup::FileMissing);
  EXPECT_EQ(base_points::ReadBaseIndex("/nonexistent/BASE", 'A', "10001").status, Lookup::FileMissing);
}

TEST(BasePointFiles, ADamagedIndexFindsNothing) {
  const std::filesystem::path sample = SampleBase() + ".BSE";
  const std::string good = platform::testing::ReadFileText(sample);
  ASSERT_GT(good.size(), 1996u);
  auto patched = [&](std::size_t at, std::int32_t value) {
    std::string bytes = good;
    std::memcpy(bytes.data() + at, &value, sizeof value);
    return bytes;
  };
  struct Case {
    const char* name;
    std::string bytes;
    const char* code;
  };
  const Case cases[] = {
      {"empty", "", "10001"},
      {"a header cut short", good.substr(0, 1000), "10001"},
      {"records cut short", good.substr(0, 2000), "10001"},
      {"a U.S. size of 0", patched(4, 0), "10001"},
      {"a Canadian size of 0", patched(12, 0), "M5V2T6"},
      {"U.S. records past the end", patched(0, 1 << 30), "10001"},
      {"a negative size", patched(4, -11), "10001"},
      {"a size past the end", patched(4, 1 << 30), "10001"},
      {"an index that names no block", std::string(good).replace(16, 1860, 1860, '\0'), "10001"},
  };
  platform::testing::TempDirectory dir;
  for (const Case& c : cases) {
    dir.write("BASE.BSE", c.bytes);
    EXPECT_EQ(base_points::ReadBaseIndex((dir / "BASE").string(), 'A', c.code).status, base_points::Lookup::NotFound)
        << c.name;
  }
}

}  // namespace
}  // namespace qiv
