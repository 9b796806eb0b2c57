// The keyed form of a tariff's minimum-charge file (.M): the header record,
// the keyed records of 10 + 3n bytes, their decoding and the checks.
#include <gtest/gtest.h>

#include "test_support.h"

namespace dataset {
namespace {

using testing::Built;
using testing::Bytes;
using testing::DescriptionProblems;
using testing::ErrorOf;
using testing::Messages;
using testing::Rebuilt;

std::string LE24(std::uint32_t v) {
  return Bytes({static_cast<int>(v & 0xFF), static_cast<int>(v >> 8 & 0xFF), static_cast<int>(v >> 16 & 0xFF)});
}

TEST(MinimumFiles, AHeaderThenKeyedRecordsOfItsEntryCount) {
  const std::string m = Built(
      "minimums tariff=T suffix=01\n  header entries=3 groups=2 mode=B\n  minimum key=\"001 00001A\" values=\"5000 "
      "16777215\"\n",
      "T.M01");
  EXPECT_EQ(m, "         B" + LE24(3) + LE24(2) + LE24(0) + "001 00001A" + LE24(5000) + LE24(16777215) + LE24(0));
  EXPECT_EQ(Rebuilt("minimums tariff=T suffix=01", m), m);
  EXPECT_EQ(
      DecodeContent("minimums tariff=T suffix=01", m).find("  header entries=3 groups=2 mode=B\n") != std::string::npos,
      true);
}

TEST(MinimumFiles, TheDescriptionIsRefusedWhereTheEngineCouldNotReadIt) {
  EXPECT_EQ(ErrorOf("minimums tariff=T suffix=01\n  minimum key=\"001 00001A\"\n"),
            "line 2: a minimum item needs the header item before it (it gives the entry count)");
  EXPECT_EQ(ErrorOf("minimums tariff=T suffix=01\n  header entries=129\n"),
            "line 2: field 'entries': '129' is not a whole number from 1 to 128");
  EXPECT_EQ(ErrorOf("minimums tariff=T suffix=01\n  header entries=2\n  minimum key=\"001 00001A\" values=\"1 2 3\"\n"),
            "line 3: field 'values': 3 entries; the header gives 2");
  EXPECT_EQ(ErrorOf("minimums tariff=T suffix=01\n  header\n  minimum key=short\n"),
            "line 3: field 'key': \"short\" is not 10 characters");
  EXPECT_EQ(ErrorOf("minimums tariff=T suffix=01\n  header\n  header\n"),
            "line 3: the header item must be the block's first");
}

TEST(MinimumFiles, ChecksWantAscendingKeysAndRecordsOfTheHeadersLength) {
  EXPECT_EQ(DescriptionProblems(
                "minimums tariff=T suffix=01\n  header\n  minimum key=\"002 00001A\"\n  minimum key=\"001 00001A\"\n"),
            (std::vector<std::string>{
                "T.M01 record 2 (line 4): does not sort above the record before it (keys ascend after the header)"}));
  // A key at or below the header's blanks is never reached by the scan.
  EXPECT_EQ(DescriptionProblems("minimums tariff=T suffix=01\n  header\n  minimum key=\"          \"\n").size(), 1u);
  EXPECT_EQ(Messages("minimums tariff=T suffix=01", "         A" + LE24(2) + LE24(0) + "001 00001A" + LE24(1)),
            (std::vector<std::string>{"1: is 13 bytes, not the 16 of 2 entries"}));
  EXPECT_EQ(Messages("minimums tariff=T suffix=01", "         A" + LE24(0) + LE24(0)),
            (std::vector<std::string>{"0: is not a header whose first entry counts 2 to 128 entries a record"}));
}

}  // namespace
}  // namespace dataset
