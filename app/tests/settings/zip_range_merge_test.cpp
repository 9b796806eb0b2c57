// The merge of a profile's Canadian ranges into the tariff's range table:
// the code steps it stands on, the worked example, and random items that
// must always give sorted, non-overlapping lines covering every master
// range.
#include "settings/zip_range_merge.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "settings_fixtures.h"

namespace qiv::settings {
namespace {

using testing::Code;
using testing::Lines;
using testing::PostalTable;

TEST(RangeCodes, StepOverUnusedLettersAndUnusablePrefixesAndStopAtTheEnds) {
  const PostalTable table = PostalTable::Sample();
  struct Case {
    const char* code;
    bool up;
    std::optional<std::string> expected;
  } cases[] = {
      {"K1C9Z", true, "K1E0A"},   // whole prefix: D skipped, "0A" after a whole-prefix code
      {"K1A0A", false, "K0Z9Z"},  // borrows into the digit
      {"K9Z9Z", true, "L0A0A"},   // carries into the first letter
      {"K1A5C", true, "K1A5E"},   // fifth character: D skipped
      {"K1A5Z", true, "K1A6A"},   // carries into the fourth
      {"P9Z9Z", true, "R0A0A"},   // Q is in no province, S-U neither
      {"R9Z9Z", true, "V0A0A"},       {"V9Z9Z", true, std::nullopt},  // nothing usable above V (X is "YY", Y is "XX")
      {"G0A0A", false, std::nullopt},                                 // nothing usable below G
      {"Z9Z9Z", true, std::nullopt},                                  // end of the code space
  };
  for (const Case& c : cases) {
    const std::optional<RangeCode> got =
        c.up ? CodeAfter(Code(c.code), table.usable()) : CodeBefore(Code(c.code), table.usable());
    const std::optional<std::string> text = got ? std::optional(std::string(got->begin(), got->end())) : std::nullopt;
    EXPECT_EQ(text, c.expected) << c.code << (c.up ? " up" : " down");
  }
}

TEST(ZipRangeMerge, WorkedExample) {
  TariffRanges tariff{{{Code("K0A0A"), Code("K2Z9Z")}, {Code("M1B1A"), Code("M1B9Z")}},
                      PostalTable::Ontario().usable()};
  EXPECT_EQ(Lines(MergeZipRanges({{Code("K1A0A"), Code("K1C9Z")}}, tariff)),
            "K0A0AK0Z9Z K1A0AK1C9Z K1E0AK2Z9Z M1B1AM1B9Z");
}

TEST(ZipRangeMerge, ItemsAtTheEdgesOfTheMasterTable) {
  const PostalTable table = PostalTable::Sample();
  const TariffRanges tariff{
      {{Code("00100"), Code("99999")}, {Code("K0A0A"), Code("K2Z9Z")}, {Code("M1B1A"), Code("M1B9Z")}}, table.usable()};
  struct Case {
    std::vector<CodeRange> items;
    const char* expected;
  } cases[] = {
      {{}, "0010099999 K0A0AK2Z9Z M1B1AM1B9Z"},
      // duplicates kept once; an item over two master ranges split at their ends, kept whole
      {{{Code("K2A0A"), Code("M1B9Z")}, {Code("K2A0A"), Code("M1B9Z")}}, "0010099999 K0A0AK1Z9Z K2A0AK2Z9Z K3A0AM1B9Z"},
      // after the last master range: kept; a from-bound on an unusable prefix moves up
      {{{Code("N1A0A"), Code("N2B9Z")}, {Code("X1A0A"), Code("Z9Z9Z")}}, "0010099999 K0A0AK2Z9Z M1B1AM1B9Z N1A0AN2B9Z"},
      // overlapping items cut where the earlier one ends
      {{{Code("K1A0A"), Code("K1C9Z")}, {Code("K1B0A"), Code("K1H9Z")}},
       "0010099999 K0A0AK0Z9Z K1A0AK1C9Z K1E0AK1H9Z K1J0AK2Z9Z M1B1AM1B9Z"},
      // whole master range replaced, from-bound fitted to the master's start
      {{{Code("M1B0A"), Code("M1B9Z")}}, "0010099999 K0A0AK2Z9Z M1B0AM1B9Z"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Lines(MergeZipRanges(c.items, tariff)), c.expected);
  }
}

// Every code a master range holds on a usable prefix, with its third and
// fifth letters in use, lies in exactly one line; the lines ascend.
void ExpectSortedAndCovering(const std::vector<CodeRange>& lines, const TariffRanges& tariff,
                             const PostalTable& table) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    ASSERT_LE(lines[i].from, lines[i].to) << Lines(lines);
    if (i > 0) {
      ASSERT_LT(lines[i - 1].to, lines[i].from) << Lines(lines);
    }
  }
  for (const CodeRange& m : tariff.master) {
    for (char a = 'A'; a <= 'Z'; ++a) {
      for (char d = '0'; d <= '9'; ++d) {
        for (char b : std::string("ABCEGHJKLMNPRSTVWXYZ")) {
          for (const char* suffix : {"0A", "5K", "9Z"}) {
            const RangeCode code{a, d, b, suffix[0], suffix[1]};
            if (code < m.from || code > m.to || !table.usable()(std::string_view(code.data(), 3))) continue;
            const auto holding = std::count_if(lines.begin(), lines.end(),
                                               [&](const CodeRange& r) { return r.from <= code && code <= r.to; });
            ASSERT_EQ(holding, 1) << std::string(code.begin(), code.end()) << " in " << Lines(lines);
          }
        }
      }
    }
  }
}

TEST(ZipRangeMerge, RandomItemsAlwaysGiveSortedLinesCoveringEveryMasterRange) {
  const PostalTable table = PostalTable::Sample();
  std::mt19937 random(21);
  const std::string letters = "ABCEGHJKLMNPRSTVWXYZ";
  auto prefix = [&] {
    return std::string{static_cast<char>('G' + random() % 17), static_cast<char>('0' + random() % 10),
                       letters[random() % letters.size()]};
  };
  for (int round = 0; round < 300; ++round) {
    // Master: ascending, disjoint ranges of whole prefixes or parts of one.
    std::vector<std::string> starts;
    for (int i = 0; i < 6; ++i) starts.push_back(prefix());
    std::sort(starts.begin(), starts.end());
    starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
    TariffRanges tariff{{}, table.usable()};
    for (std::size_t i = 0; i + 1 < starts.size(); i += 2) {
      if (random() % 3 == 0) {
        tariff.master.push_back({Code(starts[i] + "1A"), Code(starts[i] + "7Z")});
      } else {
        tariff.master.push_back({Code(starts[i] + "0A"), Code(starts[i + 1] + "9Z")});
      }
    }
    std::vector<CodeRange> items;
    for (int i = 0, n = static_cast<int>(random() % 12); i < n; ++i) {
      std::string f = prefix(), t = prefix();
      if (t < f && random() % 4 != 0) std::swap(f, t);
      items.push_back({Code(f + (random() % 2 ? "0A" : "3B")), Code(t + (random() % 2 ? "9Z" : "6C"))});
    }
    ExpectSortedAndCovering(MergeZipRanges(items, tariff), tariff, table);
    if (HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace qiv::settings
