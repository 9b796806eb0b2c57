// The state of a code and the classes and breaks of a dated tariff, asked
// through the exports outside a rating.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>

#include "support/data_directory.h"
#include "support/engine_library.h"

namespace vorn {
namespace {

using testing::DataDirectory;
using testing::EngineLibrary;

class StateOfCode : public ::testing::Test {
 protected:
  void SetUp() override {
    data_.build(R"(
efcrec
  record
tds
  entry
tda
  state number=36 code=NY
  state number=40 code=ON
tdz
  range low=10000 high=10099 region=36 table=1 first=5 end=6
  range low=20000 high=20099 region=77 table=1
  range low=K1A high=K1Z region=40 table=1
)");
    ASSERT_EQ(engine_->InitializeVorn(data_.withSeparator().c_str()), 0);
  }
  // The answer, or "null" (the output then unchanged).
  std::string state(const char* code) {
    std::array<char, 3> out{'#', '#', '\0'};
    char* answer = engine_->GetStateEx(nullptr, out.data(), code);
    if (answer == nullptr) return out[0] == '#' && out[1] == '#' ? "null" : "null, output changed";
    return answer == out.data() ? std::string(out.data(), 2) : "another pointer";
  }
  EngineLibrary engine_;
  DataDirectory data_{""};
};

TEST_F(StateOfCode, ZipsAndPostalCodesAnswerTheirRangesState) {
  EXPECT_EQ(state("10001"), "NY");  // a range of any version counts outside a rating
  EXPECT_EQ(state("10099"), "NY");
  EXPECT_EQ(state("10001-1234"), "NY");
  EXPECT_EQ(state("K1A0B1"), "ON");
  EXPECT_EQ(state("k1a0b1"), "ON");
  EXPECT_EQ(state("K1Z"), "ON");
  std::array<char, 2> plain{};
  EXPECT_EQ(engine_->GetState(plain.data(), "10050"), plain.data());
  EXPECT_EQ(std::string(plain.data(), 2), "NY");
}

TEST_F(StateOfCode, AMexicanCodeIsMXWithoutAnyFile) {
  EXPECT_EQ(state("12345M"), "MX");
  EXPECT_EQ(state("12345m"), "MX");
  std::filesystem::remove(data_ / "TDZ.BIN");
  std::filesystem::remove(data_ / "TDA.SEQ");
  EXPECT_EQ(state("64000M"), "MX");
  EXPECT_EQ(state("10001"), "null");
}

TEST_F(StateOfCode, CodesOutsideEveryRangeOrOfNoShapeAreNull) {
  for (const char* code : {"55555", "10100", "20001", "K2A0B1", "KAA", "", "      ", "1000", "1O001", "-1234", "ABCDEF",
                           "A1B2CM", "K1", "\xff\xff\xff\xff\xff\xff", "*****"})
    EXPECT_EQ(state(code), "null") << code;  // 20001: a region no state has
  std::array<char, 2> out{};
  EXPECT_EQ(engine_->GetStateEx(nullptr, nullptr, "10001"), nullptr);
  EXPECT_EQ(engine_->GetStateEx(nullptr, out.data(), nullptr), nullptr);
}

TEST_F(StateOfCode, AMissingOrBrokenRangeFileGivesNull) {
  std::filesystem::resize_file(data_ / "TDZ.BIN", 12 + 5);  // the first record and part of the second
  EXPECT_EQ(state("10001"), "NY");
  EXPECT_EQ(state("20001"), "null");
  std::filesystem::resize_file(data_ / "TDZ.BIN", 5);
  EXPECT_EQ(state("10001"), "null");
  std::filesystem::remove(data_ / "TDZ.BIN");
  EXPECT_EQ(state("K1A0B1"), "null");
}

// --- Classes and weight breaks ---

struct TariffTables {
  std::array<char, 222> bytes{};

  explicit TariffTables(std::string_view name, std::string_view date) {
    bytes.fill('#');
    std::memcpy(bytes.data() + 204, name.data(), std::min<std::size_t>(name.size(), 8));
    std::memcpy(bytes.data() + 212, date.data(), std::min<std::size_t>(date.size(), 10));
  }
  std::string classCode(std::size_t c) const {
    return std::string(bytes.data() + 6 * c, strnlen(bytes.data() + 6 * c, 6));
  }
  std::int32_t breakWeight(std::size_t b) const {
    std::int32_t v;
    std::memcpy(&v, bytes.data() + 120 + 4 * b, 4);
    return v;
  }
  std::int16_t count(std::size_t offset) const {
    std::int16_t v;
    std::memcpy(&v, bytes.data() + offset, 2);
    return v;
  }
  std::int16_t classCount() const { return count(200); }
  std::int16_t breakCount() const { return count(202); }
};

class Tables : public ::testing::Test {
 protected:
  void SetUp() override {
    data_.build(R"(
efcrec
  record kind=1 name=TSTFRT01 suffix.F=03
  record kind=2 name=TSTFRT01 date=2024-03-01 suffix.F=04
  record kind=2 name=TSTBASE1 suffix.F=05
  record kind=1 name=TSTLATE1 date=2025-01-01
tds
  entry
tda
  state
factor tariff=TSTFRT01 suffix=03
  sets numbers=1
  classes codes="500 400 300"
  breaks weights="40000 500 0"
  class-factors
  break-factors
factor tariff=TSTFRT01 suffix=04
  sets numbers=1
  classes codes="77"
  breaks weights="0"
  class-factors
  break-factors
factor tariff=TSTBASE1 suffix=05
  sets numbers=1
  classes codes="FAK"
  breaks weights="1000 0"
  class-factors
  break-factors
)");
    ASSERT_EQ(engine_->InitializeVorn(data_.withSeparator().c_str()), 0);
  }
  int get(TariffTables& t) { return engine_->GetTablesEx(nullptr, t.bytes.data()); }
  EngineLibrary engine_;
  DataDirectory data_{""};
};

TEST_F(Tables, AnswerTheClassesAndBreaksOfTheTariffInEffect) {
  TariffTables t("TSTFRT01", "06-01-2024");
  ASSERT_EQ(get(t), 1);
  ASSERT_EQ(t.classCount(), 3);  // the kind-1 record: kind 2 is looked at only when no other serves
  EXPECT_EQ(t.classCode(0), "500");
  EXPECT_EQ(t.classCode(2), "300");
  EXPECT_EQ(t.classCode(3), "");
  ASSERT_EQ(t.breakCount(), 3);
  EXPECT_EQ(t.breakWeight(0), 0);
  EXPECT_EQ(t.breakWeight(1), 500);
  EXPECT_EQ(t.breakWeight(2), 40000);
  EXPECT_EQ(t.breakWeight(3), 0);
  EXPECT_EQ(std::string(t.bytes.data() + 204, 18), "TSTFRT0106-01-2024");  // the request bytes stay
  // Asked again, the factor file is read again with the same answer.
  TariffTables again("TSTFRT01", "06/01/2024");
  ASSERT_EQ(get(again), 1);
  EXPECT_EQ(std::memcmp(again.bytes.data(), t.bytes.data(), 204), 0);
  EXPECT_EQ(engine_->GetTables(again.bytes.data()), 1);
}

TEST_F(Tables, AKindTwoRecordServesWhenItIsTheOnlyOne) {
  TariffTables t("TSTBASE1", "06-01-2024");
  ASSERT_EQ(get(t), 1);
  EXPECT_EQ(t.classCount(), 1);
  EXPECT_EQ(t.classCode(0), "FAK");
  EXPECT_EQ(t.breakWeight(1), 1000);
}

TEST_F(Tables, NoRecordNoDateOrNoFactorFileIsZero) {
  for (auto [name, date] : {std::pair{"TSTFRT01", "12-31-2023"},
                            {"NOSUCH01", "06-01-2024"},
                            {"TSTLATE1", "06-01-2024"},
                            {"TSTFRT01", "13-01-2024"},
                            {"TSTFRT01", "02-30-2024"},
                            {"TSTFRT01", "          "},
                            {"TSTFRT0", "06-01-2024"}}) {
    TariffTables t(name, date);
    EXPECT_EQ(get(t), 0) << name << " " << date;
  }
  std::filesystem::remove(data_ / "TSTFRT01.F03");
  TariffTables t("TSTFRT01", "06-01-2024");
  EXPECT_EQ(get(t), 0);
  EXPECT_EQ(engine_->GetTablesEx(nullptr, nullptr), 0);
}

TEST_F(Tables, BadFactorFilesGiveAnAnswerWithinTheTables) {
  const std::string huge = " 99999999999999999999\n";
  std::string manyClasses = " 1\n 1\n 999\n";
  for (int i = 0; i < 999; ++i) manyClasses += " " + std::to_string(i) + "\n";
  std::string binary;
  for (int i = 0; i < 2048; ++i) binary += static_cast<char>(i * 37 % 256);
  const std::string cases[] = {
      "",                                                     // empty
      "* UNKNOWN_KEYWORD 12\n* RADJF\n*\n* BRKS\n* NCITY\n",  // parameters only, some without values
      " 1\n 1\n 3\n 500\n",                                   // truncated in the classes
      huge + huge + huge + huge + huge + huge,                // counts out of range
      " -5\n -1\n -3\n 100\n -2\n 0\n",                       // negative counts
      " 1\n 1\n 1\n 12345678\n 3\n 99999999999\n -500\n 1e309\n 1.0\n 1.0\n 1.0\n 1.0\n",  // numbers out of range
      manyClasses,
      std::string(300, ' ') + "1\n" + std::string(5000, 'x'),  // lines longer than the reader's buffer
      binary,
      std::string("\0\0\0 1\n", 7),
  };
  for (const std::string& text : cases) {
    data_.write("TSTFRT01.F03", text);
    TariffTables t("TSTFRT01", "06-01-2024");
    const int found = get(t);
    EXPECT_TRUE(found == 0 || found == 1);
    if (found == 1) {
      EXPECT_GE(t.classCount(), 0);
      EXPECT_LE(t.classCount(), 20);
      EXPECT_GE(t.breakCount(), 0);
      EXPECT_LE(t.breakCount(), 20);
    }
  }
}

}  // namespace
}  // namespace vorn
