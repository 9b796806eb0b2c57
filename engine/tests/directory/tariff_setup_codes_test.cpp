// The tariff set-up seen through the rating exports: which tariff a request
// on a built data set is answered with (mode 0: no rating, the answer names
// the tariff used and its date) and the code of each way the set-up fails.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <initializer_list>
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

// A bureau lane from 10001 (NY, region 36) to 90001 (CA, region 5): the
// origin has the higher region, so the set-up exchanges the points. Version
// 1 selects kind 100 (BURFRT01), version 2 (from 2024-06-15) kind 200.
constexpr std::string_view kBureauLane = R"(
efcrec
  record kind=100 letter=Y name=BURFRT01
  record kind=200 letter=Y name=BURFRT02 date=2024-06-15
tds
  entry slot=1 a=1 b=1 kind=100 first=1 last=1
  entry slot=1 a=1 b=1 kind=200 first=2 last=99
tda
  state number=5 code=CA
  state number=36 code=NY
  state number=40 code=ON
tdv
  version number=1 date=2024-01-01
  version number=2 date=2024-06-15
tdz
  range low=10000 high=10099 region=36 table=1
  range low=90000 high=90099 region=5 table=1
tdt slots=1
  row region=5 table=1 codes="1"
  row region=36 table=1 codes="1"
)";

// The bureau lane's files other than those named.
std::string BureauLaneWithout(std::initializer_list<std::string_view> blocks) {
  std::string out;
  std::string_view text = kBureauLane;
  bool skipping = false;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end == std::string_view::npos ? text.size() : end + 1);
    text.remove_prefix(line.size());
    if (!line.empty() && line[0] != ' ' && line[0] != '\n') {
      skipping = false;
      for (std::string_view b : blocks)
        if (line.substr(0, line.find_first_of(" \n")) == b) skipping = true;
    }
    if (!skipping) out += line;
  }
  return out;
}

struct Answer {
  std::string code;        // bytes 3-6
  std::string tariffUsed;  // bytes 82-89
  std::string date;        // bytes 151-160
  std::string record;
};

class TariffSetup : public ::testing::Test {
 protected:
  // Initialises an engine on the description; the initialisation's result.
  int start(std::string_view description, bool raw = false) {
    data_.build(description, raw);
    return engine_->InitializeVorn(data_.withSeparator().c_str());
  }
  void startOrFail(std::string_view description, bool raw = false) { ASSERT_EQ(start(description, raw), 0); }
  // Mode 0 by default: set-up and the answer, without the rating proper.
  Answer rate(ShipmentRequest request, void* candidates = nullptr) {
    engine_->RateShipment2(request.data(), candidates);
    return {std::string(request.text(3, 4)), std::string(request.text(82, 8)), std::string(request.text(151, 10)),
            request.bytes()};
  }
  static ShipmentRequest bureau() { return ShipmentRequest{}.tariff("").mode('0'); }

  EngineLibrary engine_;
  DataDirectory data_{""};
};

// --- Versions (TDV.SEQ) ---

TEST_F(TariffSetup, TheNewestVersionOnOrBeforeTheShipDateIsTaken) {
  startOrFail(kBureauLane);
  const Answer onTheDay = rate(bureau().date("06-15-2024"));
  EXPECT_EQ(onTheDay.code, "    ");
  EXPECT_EQ(onTheDay.tariffUsed, "BURFRT02");
  EXPECT_EQ(onTheDay.date, "06-15-2024");
  const Answer dayBefore = rate(bureau().date("06-14-2024"));
  EXPECT_EQ(dayBefore.code, "    ");
  EXPECT_EQ(dayBefore.tariffUsed, "BURFRT01");
  EXPECT_EQ(dayBefore.date, "01-01-2024");
}

TEST_F(TariffSetup, ModeZeroAnswersTheTariffAndDateWithoutCharges) {
  startOrFail(kBureauLane);
  const Answer a = rate(bureau().date("07-01-2024"));
  EXPECT_EQ(a.code, "    ");
  EXPECT_EQ(a.tariffUsed, "BURFRT02");
  EXPECT_EQ(a.date, "06-15-2024");
  EXPECT_EQ(a.record.substr(113, 7), "0000.00");
  EXPECT_EQ(a.record.substr(142, 9), "000000.00");
  EXPECT_EQ(a.record.substr(265 + 11, 16), "0000.00000000.00");  // the line: no rate, no charge
  EXPECT_EQ(a.record.substr(976, 700), std::string(700, '\0'));  // no rate table
  EXPECT_EQ(a.record.substr(196, 2), "  ");                      // no point-service file: no point letters
  // With the tariff's point-service file the answer carries the letters.
  data_.build(R"(
points-service tariff=BURFRT02 suffix=01
  header letter=I
  range low=10000 high=10099 letter=D
)");
  const Answer lettered = rate(bureau().date("07-01-2024"));
  EXPECT_EQ(lettered.code, "    ");
  EXPECT_EQ(lettered.record.substr(196, 2), "DI");
  EXPECT_EQ(rate(bureau().date("07-01-2024").at(197, "D")).record.substr(196, 2), "DD");  // a letter given wins
}

TEST_F(TariffSetup, AVersionListWithOnlyLaterVersionsIs122) {
  startOrFail(BureauLaneWithout({"tdv"}) + "tdv\n  version number=1 date=2024-07-01\n");
  EXPECT_EQ(rate(bureau()).code, "0122");
}

TEST_F(TariffSetup, AMissingEmptyOrUnreadableVersionListIs130Or131) {
  startOrFail(BureauLaneWithout({"tdv"}));
  EXPECT_EQ(rate(bureau()).code, "0130");
  data_.write("TDV.SEQ", "");
  EXPECT_EQ(rate(bureau()).code, "0131");
  data_.write("TDV.SEQ", "v1 2024\n\n");
  EXPECT_EQ(rate(bureau()).code, "0131");
  std::string tooMany;
  for (int v = 1; v <= 48; ++v)
    tooMany += (v < 10 ? "0" : "") + std::to_string(v) + "2024010" + std::to_string(1 + v % 9) + "\n";
  data_.write("TDV.SEQ", tooMany);
  EXPECT_EQ(rate(bureau()).code, "0131");  // more versions than the table holds
}

TEST_F(TariffSetup, VersionLinesMayStandInAnyOrder) {
  startOrFail(BureauLaneWithout({"tdv"}));
  data_.write("TDV.SEQ", "0220240615\n0120240101\n");
  EXPECT_EQ(rate(bureau().date("06-20-2024")).tariffUsed, "BURFRT02");
  EXPECT_EQ(rate(bureau().date("02-01-2024")).tariffUsed, "BURFRT01");
}

// --- ZIP ranges (TDZ.BIN) and tariff rows (TDT.BIN) ---

TEST_F(TariffSetup, TheFirstAndLastCodeOfARangeAreInIt) {
  startOrFail(kBureauLane);
  for (const char* origin : {"10000", "10099"}) EXPECT_EQ(rate(bureau().origin(origin)).code, "    ") << origin;
  for (const char* destination : {"90000", "90099"})
    EXPECT_EQ(rate(bureau().destination(destination)).code, "    ") << destination;
  for (const char* outside : {"09999", "10100", "89999", "90100"})
    EXPECT_EQ(rate(bureau().origin(outside)).code, "0114") << outside;
}

TEST_F(TariffSetup, ARecordsEndVersionIsNotInIt) {
  startOrFail(BureauLaneWithout({"tdz"}) + R"(
tdz
  range low=10000 high=10099 region=36 table=1 first=1 end=2
  range low=90000 high=90099 region=5 table=1
)");
  EXPECT_EQ(rate(bureau().date("06-14-2024")).code, "    ");  // version 1
  EXPECT_EQ(rate(bureau().date("06-15-2024")).code, "0114");  // version 2 = the end version
}

TEST_F(TariffSetup, OfSeveralMatchingRangesTheLowestRecordIsUsed) {
  // Three records hold 10001 at version 1; the search's first probe lands on
  // the second. Each points at a row whose code selects another tariff.
  startOrFail(R"(
efcrec
  record kind=100 letter=Y name=BURFRT01
  record kind=200 letter=Y name=BURFRT02
  record kind=300 letter=Y name=BURFRT03
tds
  entry slot=1 a=1 b=9 kind=100 first=1 last=99
  entry slot=1 a=2 b=9 kind=200 first=1 last=99
  entry slot=1 a=3 b=9 kind=300 first=1 last=99
tda
  state number=5 code=CA
  state number=36 code=NY
tdv
  version
tdz raw
  range low=10000 high=10099 region=36 table=1
  range low=10000 high=10099 region=36 table=2
  range low=10000 high=10099 region=36 table=3
  range low=90000 high=90099 region=5 table=1
tdt
  row region=5 table=1 codes="9"
  row region=36 table=1 codes="1"
  row region=36 table=2 codes="2"
  row region=36 table=3 codes="3"
)",
              true);
  EXPECT_EQ(rate(bureau()).tariffUsed, "BURFRT01");
}

TEST_F(TariffSetup, MissingRangeOrRowFilesAndMissingRowsHaveTheirCodes) {
  startOrFail(kBureauLane);
  data_.build("tdt slots=1\n  row region=36 table=1 codes=\"1\"\n");  // no row for the destination
  EXPECT_EQ(rate(bureau()).code, "0115");
  std::filesystem::remove(data_ / "TDT.BIN");
  EXPECT_EQ(rate(bureau()).code, "0105");
  std::filesystem::remove(data_ / "TDZ.BIN");
  EXPECT_EQ(rate(bureau()).code, "0104");
}

TEST_F(TariffSetup, APointTheRangeHoldsButTheStateCheckRefusesIs117Or118) {
  // A range of postal prefixes A0A to Z9Z also holds "KAA" when compared as
  // text; the range test wants letter, digit, letter.
  startOrFail(BureauLaneWithout({"tdz", "tdt"}) + R"(
tdz raw
  range low=10000 high=10099 region=36 table=1
  range low=90000 high=90099 region=5 table=1
  range low=A0A high=Z9Z region=40 table=1
tdt
  row region=5 table=1 codes="1"
  row region=36 table=1 codes="1"
  row region=40 table=1 codes="1"
)",
              true);
  EXPECT_EQ(rate(bureau().origin("K1A0B1")).code, "    ");
  EXPECT_EQ(rate(bureau().origin("k1a0b1")).code, "    ");  // lower case is upper-cased
  EXPECT_EQ(rate(bureau().origin("KAA0B1")).code, "0117");
  EXPECT_EQ(rate(bureau().destination("KAA0B1")).code, "0118");
}

// --- Slots (TDS.SEQ) ---

TEST_F(TariffSetup, ASelectionLineMatchesItsCodesInEitherOrder) {
  // The origin's row gives code 1, the destination's code 2.
  const std::string rows = "tdt\n  row region=5 table=1 codes=\"2\"\n  row region=36 table=1 codes=\"1\"\n";
  for (const char* line :
       {"entry slot=1 a=2 b=1 kind=100 first=1 last=99", "entry slot=1 a=1 b=2 kind=100 first=1 last=99"}) {
    EngineLibrary engine;
    DataDirectory data(BureauLaneWithout({"tdt", "tds"}) + rows + "tds\n  " + line + "\n");
    ASSERT_EQ(engine->InitializeVorn(data.withSeparator().c_str()), 0);
    ShipmentRequest request = bureau();
    engine->RateShipment(request.data());
    EXPECT_EQ(request.text(3, 4), "    ") << line;
    EXPECT_EQ(request.text(82, 8), "BURFRT01") << line;
  }
}

TEST_F(TariffSetup, CodesNoSelectionLineServesAre119) {
  startOrFail(BureauLaneWithout({"tdt"}) +
              "tdt\n  row region=5 table=1 codes=\"7\"\n  row region=36 table=1 codes=\"1\"\n");
  EXPECT_EQ(rate(bureau()).code, "0119");
}

// Both tariffs below are of kind 100, which version 1 (before 2024-06-15)
// selects.
TEST_F(TariffSetup, TwoTariffsWithDifferentSuffixesAreHandedToTheCaller) {
  startOrFail(BureauLaneWithout({"efcrec"}) + R"(
efcrec
  record kind=100 letter=Y name=BURFRT01
  record kind=100 letter=Y name=BURFRT02
)");
  std::vector<std::uint8_t> buffer(16 + 24 * 4, 0xEE);
  const std::int32_t capacity = 24 * 4;
  std::memcpy(buffer.data(), &capacity, 4);
  const auto bureau = [] { return TariffSetup::bureau().date("06-14-2024"); };
  const Answer a = rate(bureau(), buffer.data());
  EXPECT_EQ(a.code, "0126");
  std::int32_t count;
  std::int16_t kind;
  std::memcpy(&count, buffer.data() + 4, 4);
  std::memcpy(&kind, buffer.data() + 8, 2);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(kind, 1);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer.data()) + 10, 6), "      ");
  EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer.data()) + 16, 14), "BURFRT01010124");
  EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer.data()) + 40, 14), "BURFRT02010124");
  // Without room for both: count -1 and 129; without a buffer, 129.
  const std::int32_t small = 24;
  std::memcpy(buffer.data(), &small, 4);
  EXPECT_EQ(rate(bureau(), buffer.data()).code, "0129");
  std::memcpy(&count, buffer.data() + 4, 4);
  EXPECT_EQ(count, -1);
  EXPECT_EQ(rate(bureau()).code, "0129");
  // A request that asks for an error instead of a list: 125.
  EXPECT_EQ(rate(bureau().at(9, "E"), buffer.data()).code, "0125");
}

TEST_F(TariffSetup, TwoTariffsWithTheSameSuffixAreNeverHandedToTheCaller) {
  startOrFail(BureauLaneWithout({"efcrec"}) + R"(
efcrec
  record kind=100 letter=Y name=BURAAA01
  record kind=100 letter=Y name=BURBBB01
)");
  const Answer a = rate(bureau().date("06-14-2024"));
  EXPECT_EQ(a.code, "    ");
  EXPECT_TRUE(a.tariffUsed == "BURAAA01" || a.tariffUsed == "BURBBB01") << a.tariffUsed;
}

TEST_F(TariffSetup, TwoActiveSlotsWithoutTheExceptionTableAre103) {
  startOrFail(BureauLaneWithout({"efcrec", "tds", "tdt"}) + R"(
efcrec
  record kind=100 letter=Y name=BURFRT01
  record kind=200 letter=Y name=BURFRT02
tds
  entry slot=1 a=1 b=1 kind=100 first=1 last=99
  entry slot=2 a=1 b=1 kind=200 first=1 last=99
tdt
  row region=5 table=1 codes="1 1"
  row region=36 table=1 codes="1 1"
)");
  EXPECT_EQ(rate(bureau()).code, "0103");
  // With the table (no exception of these kinds in it) the lane goes on.
  data_.build("tdx\n  exception kind=900 origin=1 destination=1 other-kind=0 first=0 end=99\n");
  EXPECT_EQ(rate(bureau()).code, "0129");  // two tariffs of different suffixes, and no buffer to list them in
}

TEST_F(TariffSetup, AnExceptionThatDropsASlotLeavesTheOtherTariff) {
  startOrFail(BureauLaneWithout({"efcrec", "tds", "tdt"}) + R"(
efcrec
  record kind=100 letter=Y name=BURFRT01
  record kind=200 letter=Y name=BURFRT02
tds
  entry slot=1 a=1 b=1 kind=100 first=1 last=99
  entry slot=2 a=1 b=1 kind=200 first=1 last=99
tdt
  row region=5 table=1 codes="1 1"
  row region=36 table=1 codes="1 1"
tdx
  exception kind=200 origin=98 destination=98 other-kind=0 first=0 end=99
)");
  const Answer a = rate(bureau());
  EXPECT_EQ(a.code, "    ");
  EXPECT_EQ(a.tariffUsed, "BURFRT01");
}

TEST_F(TariffSetup, WithSeveralSlotsAPointsExceptionNamesAreOfferedAsItsCities) {
  startOrFail(BureauLaneWithout({"efcrec", "tds", "tdt"}) + R"(
efcrec
  record kind=100 letter=Y name=BURAAA01
  record kind=200 letter=Y name=BURBBB01
tds
  entry slot=1 a=1 b=1 kind=100 first=1 last=99
  entry slot=2 a=1 b=1 kind=200 first=1 last=99
tdt
  row region=5 table=1 codes="1 1"
  row region=36 table=1 codes="1 1"
tdx
  exception kind=900 origin=1 destination=1 first=0 end=99
tdn
  entry zip=10001 kind=100 name="NYWEST SIDE"
  entry zip=10001 kind=200 name="NYEAST SIDE"
)");
  std::vector<std::uint8_t> buffer(16 + 20 * 8, 0);
  const std::int32_t capacity = 20 * 8;
  std::memcpy(buffer.data(), &capacity, 4);
  const Answer listed = rate(bureau(), buffer.data());
  EXPECT_EQ(listed.code, "0124");
  std::int32_t count;
  std::memcpy(&count, buffer.data() + 4, 4);
  ASSERT_EQ(count, 3);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer.data()) + 10, 5), "10001");
  EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer.data()) + 16, 19), "NYEAST SIDE        ");  // sorted
  EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer.data()) + 36, 19), "NYWEST SIDE        ");
  EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer.data()) + 56, 19), "  None of the above");
  // A request that names one of them is rated on.
  const Answer chosen = rate(bureau().at(36, ShipmentRequest::pad("NYWEST SIDE", 19)), buffer.data());
  EXPECT_EQ(chosen.code, "    ");
  EXPECT_EQ(rate(bureau().at(36, "**"), buffer.data()).code, "    ");  // any city of the code
  EXPECT_EQ(rate(bureau().at(9, "E"), buffer.data()).code, "0123");
}

TEST_F(TariffSetup, AnIntrastateLaneTakesTheIntrastateTariff) {
  startOrFail(BureauLaneWithout({"efcrec"}) + R"(
efcrec
  record kind=100 letter=Y name=BURINT01 country=Y
  record kind=100 letter=Y name=BURFRT01
)");
  const auto lane = [] { return bureau().date("06-14-2024").destination("10050"); };  // NY to NY
  EXPECT_EQ(rate(lane().at(19, "Y")).tariffUsed, "BURINT01");
  EXPECT_EQ(rate(lane()).tariffUsed, "BURFRT01");
  EXPECT_EQ(rate(bureau().date("06-14-2024").at(19, "Y")).tariffUsed, "BURFRT01");  // NY to CA
}

// --- Named tariffs ---

TEST_F(TariffSetup, NamedTariffsWithoutAnEntryInScopeHaveTheirCodes) {
  startOrFail(BureauLaneWithout({"efcrec"}) + R"(
efcrec
  record kind=100 letter=Y name=BURFRT01
  record kind=500 letter=Y name=OUTFRT01
  record kind=100 letter=Y name=LATFRT01 date=2025-01-01
  record kind=1 letter=P name=PKGFRT01
)");
  const auto named = [](std::string_view name) {
    return bureau().tariff(name).date("06-14-2024");
  };                                           // version 1: kind 100
  EXPECT_EQ(rate(named("ZZZ")).code, "0395");  // no entry of the name
  EXPECT_EQ(rate(named("LAT")).code, "0394");  // only later-dated entries
  EXPECT_EQ(rate(named("OUT")).code, "0121");  // a kind the lane's selection never gives
  EXPECT_EQ(rate(named("BUR")).tariffUsed, "BURFRT01");
  EXPECT_EQ(rate(named("BURFRT01")).tariffUsed, "BURFRT01");           // a full name of no kind-1 entry: by selection
  EXPECT_EQ(rate(named("BURFRT01").date("06-20-2024")).code, "0121");  // version 2 selects another kind
  EXPECT_EQ(rate(named("PKGFRT01")).code, "0370");                     // letter 'P' cannot be rated here
}

TEST_F(TariffSetup, MexicanAndCanadianLanesWithANamedTariffNeedItsEntry) {
  startOrFail(BureauLaneWithout({"efcrec"}) + R"(
efcrec
  record kind=1 name=USAFRT01
  record kind=1 name=CANFRT01 country=C
)");
  EXPECT_EQ(rate(bureau().tariff("BUR").origin("12345M")).code, "0388");
  EXPECT_EQ(rate(bureau().origin("12345M")).code, "0388");  // a blank name is not 8 characters
  EXPECT_EQ(rate(bureau().tariff("NONFRT01").destination("12345M")).code, "0121");
  EXPECT_EQ(rate(bureau().tariff("USAFRT01").origin("K1A0B1")).code, "0216");
  EXPECT_EQ(rate(bureau().tariff("USAFRT01").destination("K1A0B1")).code, "0217");
  const Answer canadian = rate(bureau().tariff("CANFRT01").destination("K1A0B1"));
  EXPECT_EQ(canadian.code, "    ");
  EXPECT_EQ(canadian.tariffUsed, "CANFRT01");
}

// --- The tables loaded at initialisation ---

TEST_F(TariffSetup, InitialisationNeedsTheStateAndSelectionTables) {
  EXPECT_EQ(start(BureauLaneWithout({"tda"})), 101);
  EngineLibrary second;
  DataDirectory noSelection{""};
  noSelection.build(BureauLaneWithout({"tds"}));
  EXPECT_EQ(second->InitializeVorn(noSelection.withSeparator().c_str()), 102);
}

}  // namespace
}  // namespace vorn
