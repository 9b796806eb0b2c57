// The rate data of a tariff: rate files with their index, matrices of every
// cell width, point files and zone lists, the auxiliary tables and the light
// edition's files; their bytes, their decoding and the builder's checks.
#include <gtest/gtest.h>

#include "dataset/data_set.h"
#include "dataset/read_back.h"
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
std::string LE32(std::uint32_t v) { return LE24(v) + Bytes({static_cast<int>(v >> 24)}); }

TEST(RateFiles, RecordsAreAHeadAndTwentyFourBitEntries) {
  const std::string r = Built(
      "rates tariff=T suffix=01 type=7\n  record group=002 char=X number=01234 letter=B entries=\"5000 16777215\"\n",
      "T.R01");
  EXPECT_EQ(r, "002X01234B" + LE24(5000) + LE24(16777215));
  // Type '5' records are 257 bytes: 82 entries and one blank.
  const std::string five = Built("rates tariff=T suffix=01 type=5\n  record\n", "T.R01");
  ASSERT_EQ(five.size(), 257u);
  EXPECT_EQ(five.substr(0, 10), "001 00000A");
  EXPECT_EQ(five.back(), ' ');
  EXPECT_EQ(five.substr(10, 246), std::string(246, '\0'));
}

TEST(RateFiles, TheRecordLengthComesFromTheTariffsType) {
  const std::string set = "efcrec\n  record name=T type=N base=4\nrates tariff=T\n  record\n";
  EXPECT_EQ(Built(set, "T.R01").size(), 631u);
  EXPECT_EQ(ErrorOf("rates tariff=T suffix=01 type=W\n"),
            "line 1: field 'type': \"W\" is not a tariff type of the type table: give record-size=");
  EXPECT_EQ(ErrorOf("rates tariff=T suffix=01 type=7\n  record entries=\"1 2 3\"\n"),
            "line 2: field 'entries': 3 entries; a record holds 2");
  EXPECT_EQ(ErrorOf("rates tariff=T suffix=01 type=7\n  record entries=16777216\n"),
            "line 2: field 'entries': '16777216' is not a whole number from 0 to 16777215");
}

TEST(RateFiles, TheIndexListsEachGroupsFirstOffsetAndTheEnd) {
  const std::string set =
      "rates tariff=T suffix=01 type=7\n  record group=001\n  record group=001 number=00002\n  record group=005\n  "
      "index\n";
  const std::string content = Built(set, "T.R01");
  ASSERT_EQ(content.size(), 3 * 16 + 700u);
  const std::string index = content.substr(48);
  EXPECT_EQ(index.substr(0, 21), "***" + LE32(0) + "001" + LE32(0) + "005" + LE32(32));
  EXPECT_EQ(index.substr(21, 7), "***" + LE32(48));
  EXPECT_EQ(index.substr(693), "***" + LE32(48));
  EXPECT_EQ(Rebuilt("rates tariff=T suffix=01 type=7", content), content);
  const std::string head = "rates tariff=T letter=R suffix=01 type=7 record-size=16\n  record\n";
  EXPECT_EQ(DecodeContent("rates tariff=T suffix=01 type=7", content).substr(0, head.size()), head);
}

TEST(RateFiles, ChecksWantRecordsOfTheLengthAndAnIndexedFileInOrder) {
  EXPECT_EQ(DescriptionProblems("rates tariff=T suffix=01 type=7\n  record group=002\n  record group=001\n  index\n"),
            (std::vector<std::string>{"T.R01 record 1 (line 3): is out of order after record 0 (an indexed rate file "
                                      "is sorted by its 10-byte heads)"}));
  EXPECT_EQ(Messages("rates tariff=T suffix=01 type=7", "001 00000A" + LE24(1)),
            (std::vector<std::string>{"0: is 13 bytes, not the record length 16"}));
  EXPECT_TRUE(DescriptionProblems("rates tariff=T suffix=01 type=7\n  record group=002\n  record group=001\n")
                  .empty());  // by number: any order
}

// Each width, with the first and last of five cells set.
struct MatrixCase {
  int bits;
  std::string bytes;
};

class MatrixWidths : public ::testing::TestWithParam<MatrixCase> {};

TEST_P(MatrixWidths, CellsAreWrittenAndReadBack) {
  const MatrixCase& c = GetParam();
  const std::string kind = "matrix tariff=T suffix=01 cells=" + std::to_string(c.bits);
  const std::string set = kind + "\n  size count=5\n  cell index=0 value=1\n  cell index=4 value=2\n";
  const std::string content = Built(set, "T.I01");
  EXPECT_EQ(content, c.bytes);
  EXPECT_EQ(DecodeContent(kind, content), "matrix tariff=T letter=I suffix=01 cells=" + std::to_string(c.bits) +
                                              "\n  size count=5\n  cell index=0 value=1\n  cell index=4 value=2\n");
  EXPECT_EQ(Rebuilt(kind, content), content);
}

INSTANTIATE_TEST_SUITE_P(EveryWidth, MatrixWidths,
                         ::testing::Values(
                             // 8 bits: cells 0-4 in bytes 0-4, the last cell's 4-byte read padded with ones.
                             MatrixCase{8, Bytes({0x01, 0xFF, 0xFF, 0xFF, 0x02, 0xFF, 0xFF, 0xFF})},
                             // 10 bits: 0000000001, 1111111111 three times, 0000000010, then ones to byte 5 + 4.
                             MatrixCase{10, Bytes({0x00, 0x7F, 0xFF, 0xFF, 0xFF, 0x00, 0xBF, 0xFF, 0xFF})},
                             // 11 bits: cell 4 at bit 44, read from byte 5.
                             MatrixCase{11, Bytes({0x00, 0x3F, 0xFF, 0xFF, 0xFF, 0xF0, 0x05, 0xFF, 0xFF})},
                             MatrixCase{16, Bytes({0x01, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x00})},
                             MatrixCase{24, Bytes({0x01, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                                   0x02, 0, 0})}),
                         [](const auto& info) { return "Bits" + std::to_string(info.param.bits); });

TEST(Matrices, TheWidthComesFromTheTypeAndAllOnesIsReserved) {
  EXPECT_EQ(Built("efcrec\n  record name=T type=1\nmatrix tariff=T\n  cell index=1 value=5\n", "T.I01"),
            Bytes({0xFF, 0xC0, 0x5F, 0xFF, 0xFF}));
  EXPECT_EQ(Built("efcrec\n  record name=T type=0 flag45=P\nmatrix tariff=T\n  cell index=0 value=7\n", "T.I01"),
            Bytes({7, 0, 0}));
  // The pair item takes the triangular index: (1, 3) is cell 7.
  EXPECT_EQ(Built("matrix tariff=T suffix=01 cells=16\n  pair a=3 b=1 value=9\n", "T.I01").substr(14), Bytes({9, 0}));
  EXPECT_EQ(ErrorOf("efcrec\n  record name=T type=6\nmatrix tariff=T cells=10\n"),
            "line 3: field 'cells': 10 is not the width the engine reads for the tariff's type (8)");
  EXPECT_EQ(ErrorOf("matrix tariff=T suffix=01 cells=8\n  cell index=0 value=255\n"),
            "line 2: field 'value': '255' is not a whole number from 0 to 254");
  EXPECT_EQ(ErrorOf("matrix tariff=T suffix=01 cells=8\n  size count=2\n  cell index=2 value=1\n"),
            "line 2: cell 2 lies past the size of 2 cells");
  EXPECT_EQ(
      Messages("matrix tariff=T suffix=01 cells=16", "abc"),
      (std::vector<std::string>{
          "is 3 bytes, which no number of 16-bit cells fills (the engine's read of the last cell would fall short)"}));
}

TEST(PointFiles, PointsZipRangesNumbersAndTheWidth) {
  const std::string set =
      "points tariff=T suffix=01\n  point low=10001 high=10099 number=1 addon=-2\n  point low=K1A high=K2Z "
      "number=300\n  width value=70000\n";
  const std::string content = Built(set, "T.P01");
  EXPECT_EQ(content, "1000110099" + Bytes({1, 0, 0xFE, 0xFF}) + "K1A  K2Z  " + Bytes({0x2C, 0x01, 0, 0}) + LE32(70000));
  EXPECT_EQ(Rebuilt("points tariff=T suffix=01", content), content);
  EXPECT_EQ(Built("efcrec\n  record name=T flag45=Y\npoints tariff=T\n  point low=10001 addon2=5\n", "T.P01").size(),
            16u);
}

TEST(PointFiles, RangesAscendWithoutOverlappingAndPointsAreNotNegative) {
  EXPECT_EQ(
      DescriptionProblems("points tariff=T suffix=01\n  point low=20000 high=20099\n  point low=10000 high=10099\n"
                          "  point low=10050 high=10060 number=-1\n"),
      (std::vector<std::string>{
          "T.P01 record 2 (line 4): has a negative point number",
          "T.P01 record 1 (line 3): is out of order after record 0 (ranges ascend for the engine's search)",
          "T.P01 record 2 (line 4): overlaps record 1 (ranges ascend without overlapping)"}));
  EXPECT_EQ(ErrorOf("points tariff=T suffix=01\n  point low=1000\n"),
            "line 2: field 'low': \"1000\" is not a ZIP code (5 digits) or a postal prefix (3 characters)");
}

TEST(ZoneLists, ASpanAndTenBitsOfPointWithSixOfAddOn) {
  const std::string set = "zones tariff=T suffix=01\n  zone low=10010 high=10029 number=1023 addon=63\n";
  const std::string content = Built(set, "T.P01");
  EXPECT_EQ(content, LE24(10010 << 7 | 19) + Bytes({0xFF, 0xFF}));
  EXPECT_EQ(Rebuilt("zones tariff=T suffix=01", content), content);
  EXPECT_EQ(ErrorOf("zones tariff=T suffix=01\n  zone low=10000 high=10128\n"),
            "line 2: a zone spans at most 128 ZIPs from its low ZIP: 10000-10128");
  EXPECT_EQ(ErrorOf("zones tariff=T suffix=01\n  zone number=1024\n"),
            "line 2: field 'number': '1024' is not a whole number from 0 to 1023");
}

TEST(AuxiliaryTables, ClassFactorsZipPairsAndAddOns) {
  EXPECT_EQ(Built("class-factors tariff=T suffix=01\n  range low=10000 high=10099 data=abc percent=9000\n", "T.C01"),
            Bytes({0x01, 0, 0, 0x01, 0x00, 0x99}) + "abc" + Bytes({0x28, 0x23}));
  const std::string pair = Built(
      "zip-pairs tariff=T suffix=01\n  pair direction=B key-low=00001B key-high=00009B layout=2 count=4 flag=* "
      "amount3=70000\n",
      "T.Z01");
  EXPECT_EQ(pair.size(), 40u);
  EXPECT_EQ(pair.substr(0, 1) + pair.substr(13, 15), "B00001B00009B24*");
  EXPECT_EQ(pair.substr(37), LE24(70000));
  EXPECT_EQ(Rebuilt("zip-pairs tariff=T suffix=01", pair), pair);
  const std::string addOn =
      Built("rbno-addons tariff=T suffix=01\n  addon letter=H origin-low=10020 origin-high=10049 sign=- amount=12345\n",
            "T.H01");
  EXPECT_EQ(addOn, "H" + Bytes({0x01, 0x00, 0x20, 0x49, 0, 0, 0, 0x09, 0x99, 0x99}) + "-" + Bytes({0x01, 0x23, 0x45}));
  EXPECT_EQ(Rebuilt("rbno-addons tariff=T suffix=01", addOn), addOn);
  EXPECT_EQ(ErrorOf("rbno-addons tariff=T suffix=01\n  addon origin-low=10020 origin-high=10150\n"),
            "line 2: field 'origin-high': \"10150\" is not a ZIP of the first ZIP's 3-digit prefix at or above it");
}

TEST(AuxiliaryTables, SearchedTablesAreSortedByTheirKeys) {
  EXPECT_EQ(
      DescriptionProblems(
          "zip-pairs tariff=T suffix=01\n  pair direction=F origin-low=20000\n  pair direction=F origin-low=10000\n"),
      (std::vector<std::string>{"T.Z01 record 1 (line 3): is out of order after record 0 (the records must be sorted "
                                "by direction, origin range, "
                                "destination range, rate key)"}));
  EXPECT_EQ(DescriptionProblems("rbno-addons tariff=T suffix=01\n  addon letter=B\n  addon letter=A\n").size(), 1u);
  std::string many = "class-factors tariff=T suffix=01\n";
  for (int i = 0; i < 21; ++i) many += "  range\n";
  EXPECT_EQ(DescriptionProblems(many),
            (std::vector<std::string>{"T.C01 (line 1): holds 21 ranges; at most 20 are read"}));
}

TEST(LightEdition, TheCodeTableRecordsAndTheLetteredCodeBlock) {
  const std::string set =
      "light-base tariff=T suffix=01\n  code code=A1\n  base low=10000 high=10099 key=00010\n  code code=E\n  base "
      "char=E low=20000 add=00005\n"
      "  letters-begin\n  letter-entry letter=E prefix=1 group=005 flag=N\n  letters-end\n";
  const std::string content = Built(set, "T.B01");
  ASSERT_EQ(content.size(), 120 + 2 * 12 + 3 * 10u);
  EXPECT_EQ(content.substr(0, 12), "A1" + LE32(0) + "E " + LE32(1));
  EXPECT_EQ(content.substr(12, 6), "  " + LE32(2));
  EXPECT_EQ(content.substr(120, 12),
            " " + std::string(" ") + Bytes({0x01, 0x00, 0x00, 0x99, 0x00, 0x00, 0x10, 0x00, 0x20, 0x20}));
  EXPECT_EQ(content.substr(144), "X     000XE1    005NX     000X");
  EXPECT_EQ(Rebuilt("light-base tariff=T suffix=01", content), content);
  const std::string matrix = Built(
      "light-matrix tariff=T suffix=01\n  code code=A1\n  matrix a=00010 b=00020 number=00123 letter=E\n", "T.K01");
  EXPECT_EQ(matrix.substr(120), "A1" + Bytes({0, 0, 0x10, 0, 0, 0x20, 0, 0x01, 0x23}) + "E");
  EXPECT_EQ(Rebuilt("light-matrix tariff=T suffix=01", matrix), matrix);
  EXPECT_EQ(ErrorOf("light-base tariff=T suffix=01\n  base\n"),
            "line 2: a record comes after the code item of its table code");
  EXPECT_EQ(DescriptionProblems("light-matrix tariff=T suffix=01\n  code code=A1\n  matrix a=00020\n  matrix a=00010\n")
                .size(),
            1u);
}

TEST(LightEdition, TheTextVariantHasSeventeenByteRecords) {
  const std::string base = Built(
      "light-base tariff=T suffix=01 form=text\n  code code=A1\n  base low=10020 high=10049 key=00010 add=00007\n",
      "T.B01");
  EXPECT_EQ(base.substr(120), "A1100204900010" + Bytes({0x00, 0x00, 0x07}));
  EXPECT_EQ(Rebuilt("light-base tariff=T suffix=01 form=text", base), base);
  const std::string matrix = Built(
      "light-matrix tariff=T suffix=01 form=text\n  code code=A1\n  matrix a=00010 b=00020 number=00123 letter=E\n",
      "T.K01");
  EXPECT_EQ(matrix.substr(120), "A10001000020" + Bytes({0x00, 0x01, 0x23}) + "E ");
  EXPECT_EQ(Rebuilt("light-matrix tariff=T suffix=01 form=text", matrix), matrix);
  EXPECT_EQ(ErrorOf("light-base tariff=T suffix=01 form=wide\n"),
            "line 1: field 'form': \"wide\" is not binary or text");
}

}  // namespace
}  // namespace dataset
