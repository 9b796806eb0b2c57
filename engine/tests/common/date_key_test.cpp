#include "common/date_key.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace vorn {
namespace {

struct Parsed {
  int result;
  DateKey key;
  std::string text;
};

Parsed Parse(std::string_view input) {
  std::array<char, 10> text{};
  std::copy_n(input.begin(), std::min<std::size_t>(10, input.size()), text.begin());
  DateKey key{9, 9, 9, 9};
  int result = ParseDateText(key, text);
  return {result, key, std::string(text.data(), 10)};
}

TEST(ParseDateText, AcceptsAnySeparatorAndRewritesTheText) {
  Parsed p = Parse("3/5.2026  ");
  ASSERT_EQ(p.result, 0);
  EXPECT_EQ(p.key, (DateKey{20, 26, 3, 5}));
  EXPECT_EQ(p.text, "03-05-2026");
  EXPECT_EQ(Parse("12-31-1999").key, (DateKey{19, 99, 12, 31}));
}

TEST(ParseDateText, LeapDaysFollowTheGregorianRule) {
  EXPECT_EQ(Parse("02-29-2001").result, -1);
  EXPECT_EQ(Parse("02-29-2000").result, 0);
  EXPECT_EQ(Parse("02-29-1900").result, -1);
  EXPECT_EQ(Parse("02-29-2024").result, 0);
  EXPECT_EQ(Parse("02-28-2001").result, 0);
}

TEST(ParseDateText, RefusesImpossibleDatesAndLeavesKeyAndTextAlone) {
  for (const char* bad :
       {"13-01-2026", "00-10-2026", "04-31-2026", "04-00-2026", "04-10-0000", "ab-cd-efgh", "          "}) {
    Parsed p = Parse(bad);
    EXPECT_EQ(p.result, -1) << bad;
    EXPECT_EQ(p.key, (DateKey{9, 9, 9, 9})) << bad;
    EXPECT_EQ(p.text, std::string(bad).substr(0, 10)) << bad;
  }
}

TEST(DateKey, DigitsAndOrder) {
  EXPECT_EQ(DateKeyFromDigits("20240101"), (DateKey{20, 24, 1, 1}));
  EXPECT_EQ(DateKeyFromDigits("2024010x"), std::nullopt);
  EXPECT_EQ(DateKeyDigits(DateKey{20, 5, 3, 9}), "20050309");
  EXPECT_EQ(DateKeyText(DateKey{20, 5, 3, 9}), "03-09-2005");
  EXPECT_LT((DateKey{19, 99, 12, 31}), (DateKey{20, 0, 1, 1}));
  EXPECT_LT((DateKey{20, 24, 1, 31}), (DateKey{20, 24, 2, 1}));
}

}  // namespace
}  // namespace vorn
