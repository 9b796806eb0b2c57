// DLLData.dat built by field (the header counting the lines), decoded back,
// and checked for every line the service guide would refuse the file for.
#include <gtest/gtest.h>

#include "dataset/data_set.h"
#include "dataset/read_back.h"
#include "test_support.h"

namespace dataset {
namespace {

using testing::Built;
using testing::Messages;
using testing::Rebuilt;

constexpr std::string_view kGuide = R"(service-guide
  header expiry=2030-06-30
  carrier code=AAA name="A LINES"
  terminal carrier=AAA code=NYC name=NEWYORK phone=2125550100
  range carrier=AAA low=10000 high=10299 terminal=NYC
  range carrier=AAA low=K0A high=P9Z terminal=NYC service=I
  days carrier=AAA from=NYC to=NYC days=1
)";

// The lines of the guide above, and a line of each group for the checks.
const std::string kHeader =
    "H01203006300001000100000200000"
    "1\n";
const std::string kCarrier = "CAAA  LTLA LINES" + std::string(23, ' ') + "\n";
const std::string kTerminal =
    "TAAA  NYCNEWYORK" + std::string(44, ' ') + std::string(153, ' ') + "2125550100" + std::string(232, ' ') + "\n";
const std::string kRange1 = "RAAA  1000010299NYCD\n", kRange2 = "RAAA  K0A  P9Z  NYCI\n";
const std::string kDays = "DAAA  NYCNYC01\n";

TEST(ServiceGuideFile, BuiltByFieldWithTheHeaderCountingTheLines) {
  const std::string bytes = Built(kGuide, "DLLData.dat");
  EXPECT_EQ(bytes, kHeader + kCarrier + kTerminal + kRange1 + kRange2 + kDays);
  EXPECT_EQ(Rebuilt("DLLData.dat", bytes), bytes);
  EXPECT_EQ(DecodeContent("DLLData.dat", bytes).substr(0, 51), "service-guide\n  header expiry=2030-06-30\n  carrier ");
  EXPECT_EQ(Messages("DLLData.dat", bytes), std::vector<std::string>{});
}

TEST(ServiceGuideFile, ChecksRefuseWhatTheGuideRefuses) {
  const std::string counted2 =
      "H01209912310002000100000200000"
      "1\n";
  const struct {
    std::string content;
    std::vector<std::string> messages;
  } cases[] = {
      {"", {"does not begin with a header line (H): the guide refuses the file"}},
      {"H02203006300001000100000200000"
       "1\n" +
           kCarrier + kTerminal + kRange1 + kRange2 + kDays,
       {"0: columns 1-2 (version): \"02\" is not the format version 01"}},
      {kHeader + kCarrier + kTerminal + kRange1 + kRange2,
       {"0: columns 25-30 (days): \"000001\" but 0 days lines follow"}},
      {counted2 + "CBBB  TL B" + std::string(29, ' ') + "\n" + kCarrier + kTerminal + kRange1 + kRange2 + kDays,
       {"2: is out of order after record 1 (the records must be sorted by code)"}},
      {kHeader + kCarrier + kTerminal + kRange2 + kRange1 + kDays,
       {"4: the range from \"10000\" overlaps the range of record 3, which ends at \"P9Z  \"",
        "4: is out of order after record 3 (the records must be sorted by carrier, low key)"}},
      {kHeader + kCarrier + kTerminal + kRange1 + "RAAA  10200K0A  NYCB\n" + kDays,
       {"4: the range \"10200\" to \"K0A  \" holds no key",
        "4: the range from \"10200\" overlaps the range of record 3, which ends at \"10299\"",
        "4: column 19 (service): \"B\" is neither D nor I"}},
      {kHeader + kCarrier + kTerminal + kRange1 + kRange2 + "DAAA  NYCBOS01\n",
       {"5: columns 9-11 (to): terminal \"BOS\" of carrier \"AAA  \" is not listed above"}},
      {kHeader + kCarrier + kDays + kTerminal + kRange1 + kRange2,
       {"2: columns 6-8 (from): terminal \"NYC\" of carrier \"AAA  \" is not listed above",
        "2: columns 9-11 (to): terminal \"NYC\" of carrier \"AAA  \" is not listed above",
        "3: is a terminal line after the days lines: the groups stand in the order header, carrier, terminal, range, "
        "days",
        "4: is a range line after the days lines: the groups stand in the order header, carrier, terminal, range, days",
        "5: is a range line after the days lines: the groups stand in the order header, carrier, terminal, range, "
        "days"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Messages("DLLData.dat", c.content), c.messages) << c.content.substr(0, 40);
}

}  // namespace
}  // namespace dataset
