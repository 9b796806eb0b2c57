// The shipment checks over the main sample level's tables (with the
// engine): point codes and the point-service searches, states, the
// territory, classes and weights; and bad codes, offsets and counts.
#include <gtest/gtest.h>

#include <string>

#include "ratekit/ratekit32.h"
#include "support/test_context.h"

namespace ratekit {
namespace {

using testing::LevelDirectories;

// The main level opened with the engine, the default classes and breaks
// in place.
class OpenLevel : public LevelDirectories {
 public:
  explicit OpenLevel(std::string_view description = "") {
    context.setInt(context::kEngineInUse, 1);
    if (!description.empty()) build(description);
    if (openAll() != 1) throw std::runtime_error("the level does not open: " + std::to_string(context.lastError()));
    SetClassesAndWeights(context.data(), 0, 0);
  }
  int verify(std::size_t point, std::string_view code) {
    context.setText(shipment_point::Of(point, shipment_point::kCode), code);
    return point == 0 ? VerOrigZip(context.data()) : VerDestZip(context.data());
  }
  std::string service(std::size_t point) {
    return context.bytes(shipment_point::Of(point, shipment_point::kServiceLetter));
  }
};

TEST(Checks, PointCodesAreCheckedAndTheirServiceFound) {
  const struct {
    const char* code;
    int result;
    const char* letter;  // "" unchanged
  } cases[] = {
      {"30303", 1, "D"},
      {"28202", 1, "D"},
      {"31401", 1, "I"},
      {"10001", 1, "I"},
      {"1234A", 0, ""},
      {"K1A", 1, "D"},
      {"k1a0b1", 1, "I"},
      {"M5V2T6", 1, "D"},
      {"L4W", 1, "I"},
      {"K", 0, ""},
      {"", 0, ""},
      {"-2345", 0, ""},
      {"1234567", 1, "I"},
      {"12\0"
       "45",
       0, ""},
  };
  for (const auto& k : cases) {
    OpenLevel level;
    for (std::size_t point = 0; point < 2; ++point) {
      level.context.setText(shipment_point::Of(point, shipment_point::kServiceLetter), "?");
      level.context.setInt(context::kLastErrorCode, 0);
      EXPECT_EQ(level.verify(point, k.code), k.result) << k.code;
      EXPECT_EQ(level.context.lastError(), k.result == 1 ? 0 : 101 + static_cast<int>(point)) << k.code;
      EXPECT_EQ(level.service(point), *k.letter ? k.letter : "?") << k.code;
    }
  }
  OpenLevel level;
  EXPECT_EQ(level.verify(0, "30303"), 1);
  EXPECT_EQ(level.context.text(context::kOriginServiceLabel), "DIRECT         ");
  // Postal codes refused; a ZIP-mode digit above the code's 7 bytes never reads past them.
  level.context.setText(tariff_settings::kNoPostalCodes, "Y");
  EXPECT_EQ(level.verify(0, "K1A"), 0);
  EXPECT_EQ(level.context.lastError(), 101);
  level.context.setText(tariff_settings::kZipMode, "9");
  level.context.setText(shipment_point::Of(0, shipment_point::kState), "12");
  EXPECT_EQ(level.verify(0, "1234567"), 0);
  level.context.setText(tariff_settings::kZipMode, "3");
  EXPECT_EQ(level.verify(0, "123AB"), 1);
}

TEST(Checks, TheRangeSearchReadsOnlyTheBlocksItsHeaderHasRoomFor) {
  const struct {
    const char* description;
    const char* code;
    const char* letter;
  } cases[] = {
      // First ZIP 10010 with span 19 covers 10010..10019; with span 5, nothing above 10005.
      {"service-ranges level=SAMPLE01\n  entry zip=10010 span=19\n", "10015", "D"},
      {"service-ranges level=SAMPLE01\n  entry zip=10010 span=19\n", "10020", "I"},
      {"service-ranges level=SAMPLE01 raw\n  entry zip=10010 span=5\n", "10010", "I"},
      {"service-ranges level=SAMPLE01\n  header direct=N\n  entry zip=10010 span=19\n", "10015", "I"},
  };
  for (const auto& k : cases) {
    OpenLevel level(k.description);
    EXPECT_EQ(level.verify(0, k.code), 1) << k.description;
    EXPECT_EQ(level.service(0), k.letter) << k.description << k.code;
  }
  // A header claiming 60,000 bytes of data (201 blocks) whose 150 block
  // keys all lie below the key, and data offsets outside the file: the
  // search stops at the header's last block and finds nothing.
  for (const std::string& offset :
       {std::string("\x74\x02\x00\x00", 4), std::string("\xFF\xFF\xFF\x7F", 4), std::string("\x00\x00\x00\x80", 4)}) {
    std::string header(628, '\0');
    header[0] = 'Y';
    header.replace(20, 8, offset + std::string("\x60\xEA\x00\x00", 4));
    OpenLevel level;
    level.data.write("SAMPLE01.ZPS", header);
    ASSERT_EQ(level.openAll(), 1);
    EXPECT_EQ(level.verify(0, "99999"), 1);
    EXPECT_EQ(level.service(0), "I");
    header.replace(28, 4, std::string("\xFF\xFF\x01\x00", 4));
    level.data.write("SAMPLE01.ZPS", header);
    ASSERT_EQ(level.openAll(), 1);
    EXPECT_EQ(level.verify(0, "99999"), 1);
    EXPECT_EQ(level.service(0), "I");
  }
}

TEST(Checks, StatesComeFromTheTablesOrTheEngine) {
  OpenLevel level;
  char state[3] = "??", flag1 = '?', flag2 = '?';
  auto ask = [&](const char* code) {
    state[0] = state[1] = flag1 = flag2 = '?';
    return GetStateCode(level.context.data(), code, state, &flag1, &flag2);
  };
  EXPECT_EQ(ask("30303"), 1);
  EXPECT_EQ(std::string(state, 2) + flag1 + flag2, "GAYB");
  EXPECT_EQ(ask("K1A0B1"), 1);
  EXPECT_EQ(std::string(state, 2) + flag1 + flag2, "ON??");
  EXPECT_EQ(ask("12345M"), 1);  // Mexican, without any table
  EXPECT_EQ(std::string(state, 2), "MX");
  for (const char* unknown : {"000", "00001", "99999", "A0A", "", "\x01"}) {
    level.context.setInt(context::kLastErrorCode, 7);
    EXPECT_EQ(ask(unknown), 0) << unknown;
    EXPECT_EQ(level.context.lastError(), 0) << unknown;
  }
  level.context.setText(context::ZipStateEntry(999), "YY");
  EXPECT_EQ(ask("99901"), 0);
  EXPECT_EQ(level.context.lastError(), 103);
  EXPECT_EQ(GetZipcIndex(level.context.data(), "M5V"), 0);
  EXPECT_EQ(GetZipcIndex(level.context.data(), "A0A"), -1);
  EXPECT_EQ(GetZipcIndex(level.context.data(), ""), -1);
  // Counts read from the record are held to the table it holds.
  level.context.setInt(context::kSccRecordCount, 1000000);
  EXPECT_EQ(GetZipcIndex(level.context.data(), "Z9Z"), -1);
}

TEST(Checks, WithoutAStateTableTheEngineNamesTheState) {
  testing::FakeEngineShipment shipment;
  testing::TestContext& c = shipment.context;
  char state[2] = {'?', '?'};
  for (const auto& [lookup, calls] : {std::pair{"Y", 1}, std::pair{"N", 0}}) {
    c.setText(tariff_settings::kStateLookup, lookup);
    const int before = shipment.fake().stateCalls;
    const int found = GetStateCode(c.data(), "10001", state, nullptr, nullptr);
    EXPECT_EQ(shipment.fake().stateCalls - before, calls) << lookup;
    EXPECT_EQ(found, calls) << lookup;
    EXPECT_EQ(std::string(state, 2), calls == 1 ? "NY" : std::string(2, '\0'))
        << lookup;  // the table's empty entry otherwise
  }
}

TEST(Checks, TheTerritoryOfALane) {
  const struct {
    const char *origin, *destination, *originStates, *destinationState;  // states: state, flag, letter
    int result, canada, mexico;
  } cases[] = {
      {"30303", "28202", "GAYB", "NCYB", 1, 0, 0},  {"30303", "28202", "GAYX", "NCYX", 0, 0, 0},
      {"30303", "28202", "GAYF", "NCYT", 1, 0, 0},  {"30303", "28202", "GAYT", "NCYF", 0, 0, 0},
      {"75201", "77001", "TXNB", "TXNB", 0, 0, 0},  {"75201", "10001", "TXNB", "NYYB", 1, 0, 0},
      {"M5V2T6", "75201", "ON  ", "TXNB", 1, 1, 0}, {"12345M", "75201", "MX  ", "TXNB", 1, 0, 1},
  };
  for (const auto& k : cases) {
    testing::TestContext c;
    for (std::size_t p = 0; p < 2; ++p) {
      const std::string s = p == 0 ? k.originStates : k.destinationState;
      c.setText(shipment_point::Of(p, shipment_point::kCode), p == 0 ? k.origin : k.destination);
      c.setText(shipment_point::Of(p, shipment_point::kState), s.substr(0, 2));
      c.setText(shipment_point::Of(p, shipment_point::kStateFlag), s.substr(2, 1));
      c.setText(shipment_point::Of(p, shipment_point::kTerritoryLetter), s.substr(3, 1));
    }
    EXPECT_EQ(VerTerritory(c.data()), k.result) << k.origin << k.originStates << k.destinationState;
    EXPECT_EQ(c.lastError(), k.result == 1 ? 0 : 103);
    EXPECT_EQ(c.integer(context::kCanadaFlag), k.canada);
    EXPECT_EQ(c.integer(context::kMexicoFlag), k.mexico);
  }
}

TEST(Checks, ClassesThroughTheProfileMapAndWeightsWithinABreak) {
  OpenLevel level;
  testing::TestContext& c = level.context;
  const platform::FieldSpan mapInUse = profile_record::Current(profile_record::kClassMapInUse);
  auto mapSlot = [](std::size_t i) { return profile_record::Current({profile_record::kClassMap.offset + 4 * i, 4}); };
  // Without the map.
  EXPECT_EQ(VerClass(c.data(), "85", 2, 0), 1);
  EXPECT_EQ(c.integer(shipment_lines::ClassIndex(2)), 11);
  EXPECT_EQ(c.text(shipment_lines::ClassCode(2)), "85");
  EXPECT_EQ(VerClass(c.data(), "FAK", 0, 0), 0);
  EXPECT_EQ(c.lastError(), 105);
  EXPECT_EQ(VerClass(c.data(), "FAK", 0, 1), 1);
  EXPECT_EQ(VerClass(c.data(), "85", 8, 0), 0);  // no line 8
  EXPECT_EQ(VerClass(c.data(), "85", -1, 0), 0);
  // With the map: 85 rated as 70 ('*'), 70 as itself; a slot naming no class refuses.
  c.setInt(mapInUse, 1);
  for (std::size_t i = 0; i < 18; ++i) c.setText(mapSlot(i), c.text(context::ClassCode(i)));
  c.setText(mapSlot(11), "70");
  EXPECT_EQ(VerClass(c.data(), "85", 3, 0), 1);
  EXPECT_EQ(c.integer(shipment_lines::ClassIndex(3)), 13);
  EXPECT_EQ(c.text(shipment_lines::ClassFlag(3)), "*");
  EXPECT_EQ(VerClass(c.data(), "70", 3, 0), 1);
  EXPECT_EQ(c.text(shipment_lines::ClassFlag(3)), "");
  c.setText(mapSlot(11), "999");
  EXPECT_EQ(VerClass(c.data(), "85", 3, 0), 0);
  // Slots 18 and 19 have no map entry: they rate as themselves (not as the profile's surcharge bytes).
  c.setText(context::ClassCode(18), "X18");
  c.setText(context::ClassCode(19), "X19");
  c.setInt(context::kClassCount, 20);
  c.setShort(profile_record::Current(profile_record::kConstantSurchargeInUse), 1);
  EXPECT_EQ(VerClass(c.data(), "X19", 4, 0), 1);
  EXPECT_EQ(c.integer(shipment_lines::ClassIndex(4)), 19);
  // An empty class table refuses every class, FAK too.
  c.setInt(context::kClassCount, 0);
  EXPECT_EQ(VerClass(c.data(), "FAK", 0, 1), 0);

  const struct {
    const char* weight;
    int result, breakIndex;
  } weights[] = {{"500", 1, 1},     {"0", 1, 0},         {"1550", 1, 2}, {"40000", 1, 8},
                 {"9999999", 1, 8}, {"10000000", 0, -1}, {"-5", 0, -1},  {"99999999999999999999", 0, -1},
                 {"", 1, 0},        {"abc", 1, 0}};
  for (const auto& w : weights) {
    c.setInt(shipment_lines::BreakIndex(1), -1);
    EXPECT_EQ(VerWeight(c.data(), w.weight, 1), w.result) << w.weight;
    EXPECT_EQ(c.integer(shipment_lines::BreakIndex(1)), w.breakIndex) << w.weight;
  }
  EXPECT_EQ(c.text(shipment_lines::WeightText(1)), "abc");
  EXPECT_EQ(VerWeight(c.data(), "500", 9), 0);
  EXPECT_EQ(c.lastError(), 106);
  c.setInt(context::kBreakCount, -3);
  EXPECT_EQ(VerWeight(c.data(), "500", 0), 0);
  EXPECT_EQ(ValidWeight(c.data(), 20), 0);
  EXPECT_EQ(ValidWeight(c.data(), -1), 0);
  EXPECT_EQ(ValidWeight(c.data(), 3), 1);
}

}  // namespace
}  // namespace ratekit
