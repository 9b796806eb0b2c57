// The files of a package tariff (EFCREC tariff letter 'P'): its .T codes,
// its factor file of three sections and its matrix of even zones, each
// built, read back and checked for what package rating would misread.
#include <gtest/gtest.h>

#include <algorithm>

#include "dataset/data_set.h"
#include "dataset/read_back.h"
#include "test_support.h"

namespace dataset {
namespace {

using testing::Built;
using testing::DescriptionProblems;
using testing::Messages;
using testing::Rebuilt;

constexpr std::string_view kTariff = "efcrec\n  record type=0 letter=P name=PKG1\n";

// A digit-format section: its sets (tiers), classes (services) and breaks,
// every factor 1.
std::string Section(std::string_view tiers, std::string_view services, std::string_view breaks) {
  auto ones = [](std::size_t n) {
    std::string text;
    for (std::size_t i = 0; i < n; ++i) text += i ? " 1.0" : "1.0";
    return text;
  };
  auto count = [](std::string_view words) {
    return static_cast<std::size_t>(std::count(words.begin(), words.end(), ' ') + 1);
  };
  std::string text = "  sets numbers=\"" + std::string(tiers) + "\"\n  classes codes=\"" + std::string(services) +
                     "\"\n  breaks weights=\"" + std::string(breaks) + "\"\n";
  for (std::size_t s = 0; s < count(tiers); ++s) text += "  class-factors values=\"" + ones(count(services)) + "\"\n";
  for (std::size_t s = 0; s < count(tiers); ++s) text += "  break-factors values=\"" + ones(count(breaks)) + "\"\n";
  return text;
}

TEST(PackageTariffFiles, CodesBuiltByFieldAndChecked) {
  const std::string bytes =
      Built("package-codes tariff=PKG1 suffix=01\n  code kind=3 code=GND detail=\"12 GROUND\"\n  code\n", "PKG1.T01");
  EXPECT_EQ(bytes, "3GND 12 GROUND" + std::string(21, ' ') + " \r\n" + "1OUR " + std::string(30, ' ') + " \r\n");
  EXPECT_EQ(Rebuilt("PKG1.T01", bytes), bytes);
  const std::string record = "1OUR " + std::string(30, ' ') + " \r\n";
  std::string many;
  for (int i = 0; i < 32; ++i) many += "1B" + std::to_string(10 + i) + " " + std::string(30, ' ') + " \r\n";
  const struct {
    std::string content;
    std::vector<std::string> messages;
  } cases[] = {
      {"4OUR " + std::string(30, ' ') + " \r\n",
       {"0: column 0 (kind): \"4\" is not 1 (packaging), 2 (drop-off) or 3 (service)"}},
      {"1O R " + std::string(30, ' ') + " \r\n",
       {"0: columns 1-3 (code): \"O R\" is not three characters without blanks"}},
      {record + record, {"1: repeats the kind and code of a record above"}},
      {"3GND GROUND" + std::string(24, ' ') + " \r\n",
       {"0: a service's detail begins with the tiers it allows (digits 1-9); \"GROUN\" lists none"}},
      {many, {"31: is record 32; the engine reads 31 at most"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Messages("PKG1.T01", c.content), c.messages) << c.content.substr(0, 40);
}

TEST(PackageTariffFiles, AFactorFileOfThreeSections) {
  const std::string three =
      Section("1", "GND E1A", "0") + Section("1 2", "E1A", "500 100") + Section("1", "GND", "200 0");
  EXPECT_TRUE(DescriptionProblems(std::string(kTariff) + "factor tariff=PKG1\n" + three).empty());
  EXPECT_EQ(DescriptionProblems(std::string(kTariff) + "factor tariff=PKG1\n" + Section("1", "GND", "0")),
            (std::vector<std::string>{"PKG1.F01 (line 3): the file ends before the set count"}));
  const std::vector<std::string> four =
      DescriptionProblems(std::string(kTariff) + "factor tariff=PKG1\n" + three + Section("1", "GND", "0"));
  ASSERT_FALSE(four.empty());
  EXPECT_NE(four.front().find("is never read (a package tariff's factor file ends with its third section)"),
            std::string::npos);
  // Another tariff of type 0 reads one section.
  const std::string digits = Section("1", "100 50", "0") + Section("1", "100", "0");
  EXPECT_TRUE(DescriptionProblems(std::string(kTariff) + "factor tariff=PKG1\n" + digits).size() == 1);
  EXPECT_FALSE(DescriptionProblems("efcrec\n  record type=0 name=FRT1\nfactor tariff=FRT1\n" + digits).empty());
}

TEST(PackageTariffFiles, AMatrixOfEvenZones) {
  const std::string points = "matrix tariff=PKG1\n  pair a=1 b=1 value=0\n  pair a=1 b=2 value=12\n";
  EXPECT_TRUE(DescriptionProblems(std::string(kTariff) + points).empty());
  for (std::string_view zone : {"3", "14"}) {
    const std::vector<std::string> problems = DescriptionProblems(
        std::string(kTariff) + "matrix tariff=PKG1\n  pair a=1 b=2 value=" + std::string(zone) + "\n");
    ASSERT_EQ(problems.size(), 1u) << zone;
    EXPECT_NE(
        problems.front().find("cell 4 holds " + std::string(zone) + ": a package tariff's zones are 0, 2, ... 12"),
        std::string::npos);
  }
}

}  // namespace
}  // namespace dataset
