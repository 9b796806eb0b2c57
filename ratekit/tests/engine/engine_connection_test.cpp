// The engine connection: binding by name from the module token, opening on
// the data directory with the effective-table copy and version texts,
// closing, and the failures of each step.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "context/token_table.h"
#include "engine/effective_copy.h"
#include "ratekit/ratekit32.h"
#include "support/test_context.h"

namespace ratekit {
namespace {

using testing::FakeEngineLibrary;
using testing::LoadedModule;
using testing::TestContext;

std::string Entry(std::string_view name, std::string_view date, char kind = 'N') {
  return std::string(name) + std::string(date) + kind;
}

TEST(EngineConnection, OpensOnTheSampleSetAndCopiesItsTariffs) {
  TestContext context;
  context.useData(testing::SampleData());
  LoadedModule engine(context, testing::EngineLibrary());
  ASSERT_EQ(GetZQAddresses(context.data(), nullptr), 1);
  ASSERT_EQ(InitializeZQdll(context.data()), 1);
  EXPECT_EQ(context.integer(context::kEffectiveEntriesKept), 5);  // four freight versions and a package tariff
  EXPECT_EQ(context.integer(context::kEffectiveEntriesSkipped), 0);
  const std::array<std::string, 6> versions{"Vorn Dll", "4", "18", "4", "18", "104"};
  for (std::size_t i = 0; i < versions.size(); ++i)
    EXPECT_EQ(context.text(context::kVersionStrings[i]), versions[i]) << i;

  const struct {
    const char* key;
    bool found;
  } keys[] = {{"SEREGN01-2025-07-01", true}, {"SEREGN01/2025/07/01", true}, {"SEREGN01-2025-07-02", false},
              {"SEREGN01-2025-07-0", false}, {"NACLASS1 2025 01 01", true}, {"", false}};
  for (const auto& k : keys) {
    const char* entry = GetCurrentEfcRec(context.data(), k.key);
    EXPECT_EQ(entry != nullptr, k.found) << k.key;
    if (entry != nullptr) {
      const std::string nameAndDate =
          std::string(k.key, 8) + std::string(k.key + 9, 4) + std::string(k.key + 14, 2) + std::string(k.key + 17, 2);
      EXPECT_EQ(std::string_view(entry, 16), nameAndDate);
    }
  }
  EXPECT_EQ(GetCurrentEfcRec(context.data(), nullptr), nullptr);
  EXPECT_EQ(GetCurrentEfcRec(nullptr, "SEREGN01-2025-07-01"), nullptr);

  // The sample set has no ZIP-range file: no state through the engine.
  char state[3] = "??";
  EXPECT_EQ(VornGetStateCode("10001", state), 0);
  EXPECT_STREQ(state, "??");

  EXPECT_EQ(EndZQdll(context.data()), 1);
  EXPECT_EQ(RateShipment(context.data(), 1, nullptr), 9999);
  EXPECT_EQ(context.lastError(), 407);
}

TEST(EngineConnection, BindsTheTenNamesInOrderAndStopsAtTheFirstMissing) {
  const struct {
    int omitted;
    int result, number;
  } cases[] = {{0, 1, 0}, {1, 0, 400}, {5, 0, 404}, {8, 0, 407}, {10, 0, 409}};
  for (const auto& c : cases) {
    TestContext context;
    context.useData("/nowhere");
    LoadedModule engine(context, FakeEngineLibrary(c.omitted));
    EXPECT_EQ(GetZQAddresses(context.data(), nullptr), c.result) << c.omitted;
    EXPECT_EQ(context.lastError(), c.number) << c.omitted;
    // Nothing unbound is called: an incomplete binding opens no connection.
    EXPECT_EQ(InitializeZQdll(context.data()), c.result) << c.omitted;
    if (c.result == 0) {
      EXPECT_EQ(context.lastError(), c.number);
      EXPECT_EQ(engine.fake().initializeCalls, 0);
      EXPECT_EQ(RateShipment(context.data(), 1, nullptr), 9999);
      EXPECT_EQ(context.lastError(), 407);
      EXPECT_TRUE(engine.fake().requests.empty());
    }
    EXPECT_EQ(EndZQdll(context.data()), 1);
  }
}

TEST(EngineConnection, AnEmptyOrGarbageEngineSlotBindsNothing) {
  for (std::uint32_t slot : {0u, 1u, 0xDEADBEEFu, 0x80000000u}) {
    TestContext context;
    context.setInt(context::kEngineModule, static_cast<std::int32_t>(slot));
    context.setInt(context::kEffectiveTableCopy, static_cast<std::int32_t>(slot));
    context.setInt(context::kEffectiveEntriesKept, 1000);
    EXPECT_EQ(GetZQAddresses(context.data(), nullptr), 0);
    EXPECT_EQ(context.lastError(), 400);
    EXPECT_EQ(GetCurrentEfcRec(context.data(), "NACLASS1-2025-01-01"), nullptr);
  }
  EXPECT_EQ(GetZQAddresses(nullptr, nullptr), 0);
  EXPECT_EQ(InitializeZQdll(nullptr), 0);
}

TEST(EngineConnection, AnEngineThatDoesNotStartLeavesNoConnection) {
  for (const bool nullHandle : {true, false}) {
    TestContext context;
    context.useData("/nowhere");
    LoadedModule engine(context, FakeEngineLibrary());
    if (nullHandle) engine.fake().handle = nullptr;
    engine.fake().tableSize = -1;
    ASSERT_EQ(GetZQAddresses(context.data(), nullptr), 1);
    EXPECT_EQ(InitializeZQdll(context.data()), 0);
    EXPECT_EQ(context.lastError(), 140);
    EXPECT_EQ(engine.fake().endCalls, nullHandle ? 0 : 1);
    EXPECT_EQ(RateShipment(context.data(), 1, nullptr), 9999);
    EXPECT_EQ(context.lastError(), 407);
    EXPECT_TRUE(engine.fake().requests.empty());
    EXPECT_EQ(EndZQdll(context.data()), 1);
  }
}

TEST(EngineConnection, CopiesTheTableWithoutBureauEntries) {
  const std::string bureau = Entry("Bureau  ", "        ", ' ');
  const struct {
    std::vector<std::string> entries;
    int missing;
    char stateLookup, laneTables;
    int kept, skipped, lastError;
    bool findsAaa;
  } cases[] = {
      {{bureau, Entry("AAA00001", "20250101"), bureau, Entry("BBB00001", "20250101")}, -1, 'N', 'N', 2, 2, 0, true},
      {{bureau, bureau, bureau}, -1, 'N', 'N', 0, 3, 0, false},
      {{bureau, bureau, bureau}, -1, '2', 'N', 1, 0, 0, false},
      {{bureau, Entry("AAA00001", "20250101")}, -1, 'N', 'Y', 1, 0, 0, true},
      // The engine stops giving entries at the third: 140, the connection stays.
      {{Entry("AAA00001", "20250101"), bureau, Entry("BBB00001", "20250101"), Entry("CCC00001", "20250101")},
       2,
       'N',
       'N',
       4,
       1,
       140,
       true},
      {{}, -1, 'N', 'N', 0, 0, 0, false},
  };
  for (const auto& c : cases) {
    TestContext context;
    context.useData("/nowhere");
    context.setText(tariff_settings::kStateLookup, std::string(1, c.stateLookup));
    context.setText(context::kLaneTariffTablesLoaded, std::string(1, c.laneTables));
    LoadedModule engine(context, FakeEngineLibrary());
    engine.fake().entries = c.entries;
    engine.fake().tableSize = static_cast<std::int16_t>(c.entries.size());
    engine.fake().missingEntry = c.missing;
    ASSERT_EQ(GetZQAddresses(context.data(), nullptr), 1);
    EXPECT_EQ(InitializeZQdll(context.data()), 1);
    EXPECT_EQ(context.integer(context::kEffectiveEntriesKept), c.kept);
    EXPECT_EQ(context.integer(context::kEffectiveEntriesSkipped), c.skipped);
    EXPECT_EQ(context.lastError(), c.lastError);
    EXPECT_EQ(GetCurrentEfcRec(context.data(), "AAA00001-2025-01-01") != nullptr, c.findsAaa);
    // A kept count beyond the entries copied finds nothing there.
    EXPECT_EQ(GetCurrentEfcRec(context.data(), "CCC00001-2025-01-01"), nullptr);
  }
}

TEST(EngineConnection, OpensOnceOnTheWholeDataDirectoryAndClosesWithTheEnginesAnswer) {
  TestContext context;
  const std::string directory(260, 'd');  // no NUL in its 260 bytes
  context.setText(context::kDataDirectory, directory);
  context.setInt(context::kEngineInUse, 1);
  LoadedModule engine(context, FakeEngineLibrary());
  ASSERT_EQ(GetZQAddresses(context.data(), nullptr), 1);
  EXPECT_EQ(InitializeZQdll(context.data()), 1);
  EXPECT_EQ(InitializeZQdll(context.data()), 1);
  EXPECT_EQ(engine.fake().initializeCalls, 1);
  EXPECT_EQ(engine.fake().dataPaths, (std::vector<std::string>{directory, directory}));
  // The version texts each in its room, without a terminator.
  EXPECT_EQ(context.text(context::kVersionStrings[0]), "Fake Engine");
  EXPECT_EQ(context.text(context::kVersionStrings[2]), "3b");
  EXPECT_EQ(context.text(context::kVersionStrings[5]), "123456789012345678901");
  char state[3] = "??";
  EXPECT_EQ(VornGetStateCode("10001", state), 1);
  EXPECT_STREQ(state, "NY");
  EXPECT_EQ(VornGetStateCode("00000", state), 0);
  EXPECT_EQ(VornGetStateCode(nullptr, state), 0);
  EXPECT_EQ(VornGetStateCode("10001", nullptr), 0);
  EXPECT_EQ(engine.fake().stateCalls, 2);
  engine.fake().endResult = -1;
  EXPECT_EQ(EndZQdll(context.data()), 0);
  EXPECT_EQ(EndZQdll(context.data()), 1);  // no connection any more
  EXPECT_EQ(engine.fake().endCalls, 1);
}

TEST(EngineConnection, DoesNothingWhenTheEngineIsNotUsed) {
  TestContext context;
  LoadedModule engine(context, FakeEngineLibrary());
  ASSERT_EQ(GetZQAddresses(context.data(), nullptr), 1);
  const std::string before = context.bytes({0, kRatingContextSize});
  EXPECT_EQ(InitializeZQdll(context.data()), 1);
  EXPECT_EQ(EndZQdll(context.data()), 1);
  EXPECT_EQ(RateShipment(context.data(), 1, nullptr), 1);
  EXPECT_EQ(engine.fake().initializeCalls, 0);
  EXPECT_EQ(engine.fake().endCalls, 0);
  EXPECT_TRUE(engine.fake().requests.empty());
  EXPECT_EQ(context.bytes({0, kRatingContextSize}), before);
}

TEST(EngineConnection, ANewCopyRetiresTheOldOneAndTheCurrentEntry) {
  TestContext context;
  context.useData("/nowhere");
  LoadedModule engine(context, FakeEngineLibrary());
  engine.fake().entries = {Entry("AAA00001", "20250101")};
  engine.fake().tableSize = 1;
  ASSERT_EQ(GetZQAddresses(context.data(), nullptr), 1);
  ASSERT_EQ(InitializeZQdll(context.data()), 1);
  char* entry = GetCurrentEfcRec(context.data(), "AAA00001-2025-01-01");
  ASSERT_NE(entry, nullptr);
  const RatekitHost& host = *RatekitHostInterface();
  const std::uint32_t position = host.makeToken(context.data(), RATEKIT_TOKEN_POSITION, entry, 0);
  context.setInt(context::kCurrentEffectiveEntry, static_cast<std::int32_t>(position));
  EXPECT_EQ(host.resolveToken(context.data(), position, RATEKIT_TOKEN_POSITION, nullptr), entry);
  const std::uint32_t oldCopy = static_cast<std::uint32_t>(context.integer(context::kEffectiveTableCopy));

  RatingContextView record = context.view();
  EXPECT_FALSE(CopyEffectiveTable(record, Engine().entry, Engine().handle, 1));
  EXPECT_EQ(context.integer(context::kCurrentEffectiveEntry), 0);
  EXPECT_EQ(host.resolveToken(context.data(), position, RATEKIT_TOKEN_POSITION, nullptr), nullptr);
  EXPECT_EQ(host.resolveToken(context.data(), oldCopy, RATEKIT_TOKEN_BUFFER, nullptr), nullptr);
  EXPECT_NE(GetCurrentEfcRec(context.data(), "AAA00001-2025-01-01"), nullptr);
}

}  // namespace
}  // namespace ratekit
