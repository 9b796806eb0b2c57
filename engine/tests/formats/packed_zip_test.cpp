#include <gtest/gtest.h>

#include "formats/packed_codes.h"

namespace vorn {
namespace {

TEST(PackedZip, DigitsPackAsBinaryCodedDecimal) {
  EXPECT_EQ(PackZip("12345"), (PackedZip{0x01, 0x23, 0x45}));
  EXPECT_EQ(PackZip("90001-1234"), (PackedZip{0x09, 0x00, 0x01}));
  EXPECT_EQ(UnpackZip(PackedZip{0x01, 0x23, 0x45}), "12345");
  EXPECT_EQ(PackZip("64000M"), (PackedZip{0x06, 0x40, 0x00}));  // a Mexican code packs its digits
}

TEST(PackedZip, PostalCodesKeepThreeCharactersUpperCased) {
  EXPECT_EQ(PackZip("k1a0b1"), (PackedZip{'K', '1', 'A'}));
  EXPECT_EQ(UnpackZip(PackedZip{'k', '1', 'a'}), "K1A");
  EXPECT_EQ(ComparableCode("m5v"), "M5V");
  EXPECT_EQ(ComparableCode("10001 "), "10001");
}

TEST(PackedZip, CodesOfOtherShapesDoNotPack) {
  for (const char* bad : {"", "1234", "12a45", "K1", " 10001", "-1234", "#AB"})
    EXPECT_EQ(PackZip(bad), std::nullopt) << bad;
  EXPECT_EQ(ComparableCode(" 10001"), "");
}

}  // namespace
}  // namespace vorn
