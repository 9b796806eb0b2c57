// The rate-file lookups: packed numbers, bounded searches, matrix cells of
// every width, point files and zone lists, rate records by number with the
// rate-basis adjustment, and the minimum table. Files are written by the
// data-set builder, so each reader is checked against an encoder written
// apart from it.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>

#include "datafiles/record_searches.h"
#include "effective/tariff_types.h"
#include "formats/packed_codes.h"
#include "minimums/minimum_table.h"
#include "rates/matrix_cell.h"
#include "rates/point_lookup.h"
#include "rates/rate_file.h"
#include "rates/tariff_data_fixture.h"

namespace vorn {
namespace {

using testing::TariffData;

std::array<std::uint8_t, 3> Packed(std::string_view digits, std::size_t n) {
  std::array<std::uint8_t, 3> out{0xEE, 0xEE, 0xEE};
  EXPECT_TRUE(PackDigits(out, digits, n));
  return out;
}

TEST(PackedNumbers, DigitsPackTwoPerByteMostSignificantFirst) {
  EXPECT_EQ(Packed("12345", 5), (std::array<std::uint8_t, 3>{0x01, 0x23, 0x45}));
  EXPECT_EQ(Packed("123456", 6), (std::array<std::uint8_t, 3>{0x12, 0x34, 0x56}));
  EXPECT_EQ(UnpackDigits(std::array<std::uint8_t, 3>{0x01, 0x23, 0x45}, 5), "12345");
  EXPECT_EQ(UnpackDigits(std::array<std::uint8_t, 3>{0x01, 0x2A, 0x45}, 5), std::nullopt);  // a half-byte above 9
  std::array<std::uint8_t, 2> small{};
  EXPECT_FALSE(PackDigits(small, "12345", 5));  // no room
  EXPECT_FALSE(PackDigits(std::span(small), "1x", 2));
}

TEST(PackedNumbers, PostalCodesPackTheirFirstCharacterInBaseThirtySix) {
  // A12345: 10 x 100000 + 12345 = 1012345 = 0x0F7279.
  EXPECT_EQ(PackPostalCode("A12345"), (std::array<std::uint8_t, 3>{0x0F, 0x72, 0x79}));
  EXPECT_EQ(PackPostalCode("z99999"), (std::array<std::uint8_t, 3>{0x36, 0xEE, 0x7F}));  // 3599999
  EXPECT_EQ(PackPostalCode("912345"), (std::array<std::uint8_t, 3>{0x0D, 0xEB, 0xD9}));  // 912345
  EXPECT_EQ(PackPostalCode("A1B2C3"), std::nullopt);
  EXPECT_EQ(PackPostalCode("A1234"), std::nullopt);
}

TEST(PackedNumbers, TriangularIndexAndSpans) {
  EXPECT_EQ(TriangularIndex(1, 3), 7);
  EXPECT_EQ(TriangularIndex(3, 1), 7);
  EXPECT_EQ(TriangularIndex(4, 4), 14);  // n(n+1)/2 + n
  EXPECT_EQ(TriangularIndex(0, 0), 0);
  const ZipSpan span = UnpackZipSpan(std::array<std::uint8_t, 3>{
      static_cast<std::uint8_t>((10010 << 7 | 19) & 0xFF), static_cast<std::uint8_t>((10010 << 7 | 19) >> 8 & 0xFF),
      static_cast<std::uint8_t>((10010 << 7 | 19) >> 16)});
  EXPECT_EQ(span.first, 10010u);
  EXPECT_EQ(span.last(), 10029u);
}

class BoundedSearches : public TariffData {
 protected:
  void SetUp() override {
    load(
        "efcrec\n  record\nlettered tariff=TSTFRT01 letter=X record-size=4\n  raw text=AAA1\n  raw text=AAA2\n  raw "
        "text=BBB1\n  raw text=BBB2\n"
        "  raw text=BBB3\n");
    file_ = platform::File::OpenReadOnly(data_.withSeparator() + "TSTFRT01.X01");
    ASSERT_TRUE(file_);
  }
  static RecordCompare Exact(std::string key) {
    return [key](std::span<const std::uint8_t> r) {
      const std::string_view record(reinterpret_cast<const char*>(r.data()), r.size());
      return key < record ? -1 : key > record ? 1 : 0;
    };
  }
  static RecordCompare FirstNotBelow(std::string key) {
    return [key](std::span<const std::uint8_t> r) {
      return key <= std::string_view(reinterpret_cast<const char*>(r.data()), r.size()) ? 0 : 1;
    };
  }
  static std::span<const std::uint8_t> Prefix(const char* p) {
    return std::span(reinterpret_cast<const std::uint8_t*>(p), 3);
  }
  std::optional<platform::File> file_;
};

TEST_F(BoundedSearches, IndexSearchKeepsToItsBoundsAndTheKeysPrefix) {
  const SearchBounds all{BoundMode::Records, 0, 100};
  EXPECT_EQ(FileRecordIndexSearch(Prefix("BBB"), *file_, 4, Exact("BBB2"), all), 3);
  EXPECT_EQ(FileRecordIndexSearch(Prefix("BBB"), *file_, 4, Exact("BBB2"), SearchBounds{BoundMode::Records, 0, 2}),
            std::nullopt);
  // Byte bounds [4, 12) are the records 1 and 2.
  EXPECT_EQ(
      FileRecordIndexSearch(Prefix("BBB"), *file_, 4, FirstNotBelow("BBB0"), SearchBounds{BoundMode::Bytes, 4, 12}), 2);
  EXPECT_EQ(
      FileRecordIndexSearch(Prefix("BBB"), *file_, 4, FirstNotBelow("BBB0"), SearchBounds{BoundMode::Bytes, 4, 8}),
      std::nullopt);
  // The first record not below AAA9 is BBB1, of another group.
  EXPECT_EQ(FileRecordIndexSearch(Prefix("AAA"), *file_, 4, FirstNotBelow("AAA9"), all), std::nullopt);
  EXPECT_EQ(FileRecordIndexSearch({}, *file_, 4, FirstNotBelow("AAA9"), all), 2);
  EXPECT_EQ(FileRecordIndexSearch(Prefix("AAA"), *file_, 0, Exact("AAA1"), all), std::nullopt);
}

TEST_F(BoundedSearches, TheGroupSearchWalksBackToTheKeysPlace) {
  const SearchBounds all{BoundMode::Records, 0, 100};
  auto key = [](const char* k) { return std::span(reinterpret_cast<const std::uint8_t*>(k), 4); };
  // A record equal to the key is its own answer.
  EXPECT_EQ(FileRecordGroupSearch(key("BBB2"), *file_, 4, Exact("BBB2"), all), 3);
  // A hit on the group: back from BBB3 to the first record the key sorts after, then one on.
  EXPECT_EQ(
      FileRecordGroupSearch(key("BBB0"), *file_, 4, FirstNotBelow("BBB0"), SearchBounds{BoundMode::Records, 2, 100}),
      2);
  EXPECT_EQ(FileRecordGroupSearch(key("AAA0"), *file_, 4, FirstNotBelow("AAA0"), all),
            0);  // the start bound: its first 3 bytes agree
  EXPECT_EQ(FileRecordGroupSearch(key("AA00"), *file_, 4, FirstNotBelow("AA00"), all), std::nullopt);
  EXPECT_EQ(FileRecordGroupSearch(key("CCC1"), *file_, 4, Exact("CCC1"), all), std::nullopt);  // no hit
}

TEST_F(BoundedSearches, LinearSearchCountsTheRecordsPassed) {
  EXPECT_EQ(FileRecordSearch(*file_, 4, FirstNotBelow("BBB1"), SearchBounds{BoundMode::Records, 0, 100}), 2);
  EXPECT_EQ(FileRecordSearch(*file_, 4, FirstNotBelow("BBB1"), SearchBounds{BoundMode::Records, 1, 100}), 1);
  EXPECT_EQ(FileRecordSearch(*file_, 4, FirstNotBelow("CCC1"), SearchBounds{BoundMode::Records, 0, 100}), std::nullopt);
  EXPECT_EQ(FileRecordSearch(*file_, 4, FirstNotBelow("BBB3"), SearchBounds{BoundMode::Bytes, 0, 12}), std::nullopt);
}

// Every cell width, read at the first and the last cell of a matrix the
// builder wrote, with a cell left out (all ones) in between.
struct WidthCase {
  std::string settings;  // the matrix block's cells= setting, or nothing to take the type's
  std::string efcrec;    // fields of the tariff's record
  MatrixCellWidth width;
  std::uint32_t first;
  std::uint32_t last;
};

class MatrixWidths : public TariffData, public ::testing::WithParamInterface<WidthCase> {};

TEST_P(MatrixWidths, FirstAndLastCellsReadAsWritten) {
  const WidthCase& c = GetParam();
  constexpr int kCount = 41;
  load("efcrec\n  record " + c.efcrec + "\nmatrix tariff=TSTFRT01 " + c.settings +
       "\n  size count=41\n  cell index=0 value=" + std::to_string(c.first) +
       "\n  cell index=40 value=" + std::to_string(c.last) + "\n  cell index=3 value=1\n");
  const std::optional<platform::File> file = platform::File::OpenReadOnly(data_.withSeparator() + "TSTFRT01.I01");
  ASSERT_TRUE(file);
  EXPECT_EQ(ReadMatrixCell(*file, c.width, 0), c.first);
  EXPECT_EQ(ReadMatrixCell(*file, c.width, kCount - 1), c.last);
  EXPECT_EQ(ReadMatrixCell(*file, c.width, 3), 1u);
  EXPECT_EQ(ReadMatrixCell(*file, c.width, 20), std::nullopt);      // left out: no rate
  EXPECT_EQ(ReadMatrixCell(*file, c.width, kCount), std::nullopt);  // past the end
  EXPECT_EQ(ReadMatrixCell(*file, c.width, -1), std::nullopt);
  // The engine's own choice of width for the tariff agrees.
  const auto row = FindTariffType(engine_.currentTariff.tariffType);
  ASSERT_TRUE(row);
  const MatrixCellWidth chosen = CellWidthOf(row->matrixBits, engine_.currentTariff.flag45);
  EXPECT_EQ(chosen.form, c.width.form);
  EXPECT_EQ(chosen.bits, c.width.bits);
  route("10001 ", "20001 ");
  EXPECT_EQ(MatrixCellValue(engine_, rating_, kCount - 1), c.last);
  EXPECT_EQ(Raised([&] { MatrixCellValue(engine_, rating_, 20); }), 218);
}

INSTANTIATE_TEST_SUITE_P(EveryWidth, MatrixWidths,
                         ::testing::Values(WidthCase{"cells=8", "type=6", {CellForm::Bits, 8}, 254, 0x5A},
                                           WidthCase{"", "type=1", {CellForm::Bits, 10}, 1022, 0x2AB},
                                           WidthCase{"", "type=2", {CellForm::Bits, 11}, 2046, 0x555},
                                           WidthCase{"", "type=0", {CellForm::Word16, 16}, 65534, 0x1234},
                                           WidthCase{
                                               "", "type=0 flag45=P", {CellForm::Bytes3, 24}, 0xFFFFFE, 0x123456}),
                         [](const auto& info) { return "Bits" + std::to_string(info.param.width.bits); });

TEST(MatrixCells, ATenBitCellAtIndexThreeIsReadFromBytesThreeToSix) {
  // Bits 30 to 39: the word of bytes 3-6 shifted right by 32 - 10 - 6 = 16.
  platform::testing::TempDirectory dir;
  const std::string bytes = std::string(3, '\0') + std::string("\x02\xAB\xCD\xEF", 4);
  {
    std::FILE* f = std::fopen((dir.withSeparator() + "M.I01").c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  const std::optional<platform::File> file = platform::File::OpenReadOnly(dir.withSeparator() + "M.I01");
  ASSERT_TRUE(file);
  EXPECT_EQ(ReadMatrixCell(*file, {CellForm::Bits, 10}, 3), (0x02ABCDEFu >> 16) & 0x3FF);
  EXPECT_EQ(ReadMatrixCell(*file, {CellForm::Bits, 26}, 0), std::nullopt);  // wider than one read
}

class PointPairs : public TariffData {};

TEST_F(PointPairs, TheTriangularCellOfTheTwoPoints) {
  load(R"(
efcrec
  record
points tariff=TSTFRT01
  point low=10001 high=10099 number=1
  point low=20000 high=20099 number=3 addon=7
  point low=K1A high=K2Z number=4
)");
  route("10050 ", "20010 ");
  EXPECT_EQ(PointPairCellIndex(engine_, rating_), 7);
  EXPECT_EQ(rating_.rates.origin.number, 1);
  EXPECT_EQ(rating_.rates.destination.addOn, 7);
  route("K1B2C3", "10001 ");
  EXPECT_EQ(PointPairCellIndex(engine_, rating_), TriangularIndex(4, 1));
  route("30000 ", "10001 ");
  EXPECT_EQ(Raised([&] { PointPairCellIndex(engine_, rating_); }), 216);
  route("10001 ", "20100 ");
  EXPECT_EQ(Raised([&] { PointPairCellIndex(engine_, rating_); }), 217);
}

TEST_F(PointPairs, ARectangularMatrixTakesTheDestinationFilesWidth) {
  load(R"(
efcrec
  record flag45=S
points tariff=TSTFRT01 letter=P
  point low=10001 high=10099 number=2
points tariff=TSTFRT01 letter=Q
  point low=20000 high=20099 number=3
  width value=5
)");
  route("10050 ", "20010 ");
  EXPECT_EQ(PointPairCellIndex(engine_, rating_), 2 * 5 + 3);
  EXPECT_EQ(rating_.rates.matrixWidth, 5);
}

TEST_F(PointPairs, ADestinationBeyondTheWidthHasNoCell) {
  load(
      "efcrec\n  record flag45=S\npoints tariff=TSTFRT01 letter=P\n  point low=10001 high=10099 number=2\n"
      "points tariff=TSTFRT01 letter=Q\n  point low=20000 high=20099 number=5\n  width value=5\n");
  route("10050 ", "20010 ");
  EXPECT_EQ(Raised([&] { PointPairCellIndex(engine_, rating_); }), 218);
}

TEST_F(PointPairs, SixteenByteRecordsGiveTheDestinationItsSecondAddOn) {
  load(R"(
efcrec
  record flag45=Y
points tariff=TSTFRT01
  point low=10001 high=10099 number=1 addon=4 addon2=40
  point low=20000 high=20099 number=3 addon=7 addon2=70
)");
  route("10050 ", "20010 ");  // the destination sorts above the origin: the P file serves both
  EXPECT_EQ(PointPairCellIndex(engine_, rating_), 7);
  EXPECT_EQ(rating_.rates.origin.addOn, 4);
  EXPECT_EQ(rating_.rates.destination.addOn, 70);
}

TEST_F(PointPairs, TheFirstOfSeveralRecordsOfAZipIsTakenAndNegativePointsHaveNoRow) {
  // Written raw: the builder refuses overlapping ranges and negative points.
  load(
      "efcrec\n  record\npoints raw tariff=TSTFRT01\n  point low=10001 high=10099 number=1\n  point low=10001 "
      "high=10099 number=2\n"
      "  point low=10001 high=10099 number=3\n  point low=20000 high=20099 number=-1\n",
      "TSTFRT01", true);
  route("10050 ", "10060 ");
  EXPECT_EQ(PointPairCellIndex(engine_, rating_), TriangularIndex(1, 1));
  route("20050 ", "10060 ");
  EXPECT_EQ(Raised([&] { PointPairCellIndex(engine_, rating_); }), 216);
  route("10050 ", "20060 ");
  EXPECT_EQ(Raised([&] { PointPairCellIndex(engine_, rating_); }), 217);
}

TEST_F(PointPairs, AMissingPointFileIsItsOpenError) {
  load("efcrec\n  record\n");
  route("10050 ", "20010 ");
  EXPECT_EQ(Raised([&] { PointPairCellIndex(engine_, rating_); }), 206);
}

TEST_F(PointPairs, ZoneListsGiveTenBitPointsAndSixBitAddOns) {
  load(R"(
efcrec
  record type=1
zones tariff=TSTFRT01
  zone low=10000 high=10099 number=5 addon=3
  zone low=20000 high=20127 number=700 addon=63
)");
  route("10050 ", "20127 ");
  EXPECT_EQ(ZoneListCellIndex(engine_, rating_), TriangularIndex(5, 700));
  EXPECT_EQ(rating_.rates.origin.addOn, 3);
  EXPECT_EQ(rating_.rates.destination.number, 700);
  EXPECT_EQ(rating_.rates.destination.addOn, 63);
  route("20128 ", "10000 ");
  EXPECT_EQ(Raised([&] { ZoneListCellIndex(engine_, rating_); }), 216);
  route("10000 ", "K1A1A1");
  EXPECT_EQ(Raised([&] { ZoneListCellIndex(engine_, rating_); }), 217);
}

TEST_F(PointPairs, ZoneListsHaveNoRectangularForm) {
  load("efcrec\n  record type=1 flag45=S\nzones tariff=TSTFRT01\n  zone low=10000 high=10099 number=5\n");
  route("10050 ", "10050 ");
  EXPECT_EQ(Raised([&] { ZoneListCellIndex(engine_, rating_); }), 202);
}

class RateRecords : public TariffData {
 protected:
  // Type '7' records: 16 bytes, a head and two entries.
  static std::string Rates() {
    std::string text = "rates tariff=TSTFRT01\n";
    for (int k = 1; k <= 7; ++k)
      text += "  record number=0000" + std::to_string(k) + " letter=B entries=\"" + std::to_string(100 * k) + " 9\"\n";
    return text;
  }
  std::string keyOfRecord() const { return std::string(rating_.rates.rateRecord.field(RateRecord::kFourDigitNumber)); }
};

TEST_F(RateRecords, ARecordIsReadByItsNumberWithItsHeadAndEntries) {
  load("efcrec\n  record type=7\n" + Rates());
  ASSERT_EQ(CurrentRateRecordLength(engine_), 16u);
  ReadRateRecordByNumber(engine_, rating_, 2, 16);
  const RateRecord& r = rating_.rates.rateRecord;
  EXPECT_EQ(r.head(), "001 00003B");
  EXPECT_EQ(r.kind(), 'B');
  EXPECT_EQ(r.variantDigit(), '0');
  EXPECT_EQ(r.fourDigitNumber(), 3u);
  EXPECT_TRUE(r.hasSubRecords());
  EXPECT_EQ(r.entryCount(), 2u);
  EXPECT_EQ(r.entry(0), 300u);
  EXPECT_EQ(r.entry(1), 9u);
  EXPECT_EQ(r.entry(2), 0u);  // past the record
}

TEST_F(RateRecords, ShortReadsAndBadNumbersAre214) {
  load("efcrec\n  record type=7\n" + Rates());
  EXPECT_EQ(Raised([&] { ReadRateRecordByNumber(engine_, rating_, 7, 16); }), 214);
  EXPECT_EQ(Raised([&] { ReadRateRecordByNumber(engine_, rating_, -1, 16); }), 214);
  EXPECT_EQ(Raised([&] { ReadRateRecordByNumber(engine_, rating_, 0, 631); }),
            214);  // the file is shorter than one such record
  EXPECT_EQ(Raised([&] { ReadRateRecordByNumber(engine_, rating_, 0, 0); }), 202);
}

TEST_F(RateRecords, AMissingRateFileIsItsOpenError) {
  load("efcrec\n  record type=7\n");
  EXPECT_EQ(Raised([&] { ReadRateRecordByNumber(engine_, rating_, 0, 16); }), 208);
}

TEST_F(RateRecords, TheRateBasisAdjustmentStepsToTheKeyPlusTheLanesAddOns) {
  load("efcrec\n  record type=7\n" + Rates() + R"(
lettered tariff=TSTFRT01 letter=O record-size=18
  raw text="001000100050009   "
  raw text="*                 "
lettered tariff=TSTFRT01 letter=H record-size=9
  raw text="10050002 "
  raw text="10050009T"
  raw text="20010001F"
  raw text="20010003 "
)");
  // Range 0001-0005 of group 001, at most 9 added: 2 for the origin (its
  // 'T' record does not count) and 3 for the destination (nor its 'F' one).
  route("10050 ", "20010 ");
  ReadRateRecordByNumber(engine_, rating_, 0, 16);
  EXPECT_EQ(keyOfRecord(), "0006");
  EXPECT_EQ(rating_.rates.rateRecordIndex, 5);
  // Keys outside the range are not adjusted.
  ReadRateRecordByNumber(engine_, rating_, 5, 16);
  EXPECT_EQ(keyOfRecord(), "0006");
  // The other way every record counts: 1 + min(15, 9) = 10, past the last record.
  route("20010 ", "10050 ");
  EXPECT_EQ(Raised([&] { ReadRateRecordByNumber(engine_, rating_, 0, 16); }), 214);
}

TEST_F(RateRecords, TheAdjustmentIsCappedAndAMissingKeyIs214) {
  load("efcrec\n  record type=7\n" + Rates() + R"(
lettered tariff=TSTFRT01 letter=O record-size=18
  raw text="001000100050003   "
  raw text="001000600990009   "
  raw text="*                 "
lettered tariff=TSTFRT01 letter=H record-size=9
  raw text="10050005 "
)");
  route("10050 ", "20010 ");
  ReadRateRecordByNumber(engine_, rating_, 0, 16);
  EXPECT_EQ(keyOfRecord(), "0004");                                                  // 1 + min(5, 3)
  EXPECT_EQ(Raised([&] { ReadRateRecordByNumber(engine_, rating_, 5, 16); }), 214);  // 6 + 5 = 11: past the last record
}

TEST_F(RateRecords, TypeIRecordsAreNotAdjusted) {
  load(
      "efcrec\n  record type=I\nrates tariff=TSTFRT01\n  record number=00001\n  record number=00002\n"
      "lettered tariff=TSTFRT01 letter=O record-size=18\n  raw text=\"001000100050003   \"\n"
      "lettered tariff=TSTFRT01 letter=H record-size=9\n  raw text=\"10050005 \"\n");
  route("10050 ", "20010 ");
  ReadRateRecordByNumber(engine_, rating_, 0, 52);
  EXPECT_EQ(keyOfRecord(), "0001");
}

TEST_F(RateRecords, TheMinimumTableIsTheFirst384Bytes) {
  load("efcrec\n  record\nlettered tariff=TSTFRT01 letter=M\n  raw text=\"" + std::string(384, 'm') + "x\"\n");
  std::array<std::uint8_t, kMinimumTableSize> entries{};
  ReadMinimumTable(engine_, entries);
  EXPECT_EQ(entries[383], 'm');
}

TEST_F(RateRecords, AShortMinimumTableIs226) {
  load("efcrec\n  record\nlettered tariff=TSTFRT01 letter=M\n  raw text=\"" + std::string(383, 'm') + "\"\n");
  std::array<std::uint8_t, kMinimumTableSize> entries{};
  EXPECT_EQ(Raised([&] { ReadMinimumTable(engine_, entries); }), 226);
  engine_.files.closeAll();
  std::filesystem::remove(data_.path() / "TSTFRT01.M01");
  EXPECT_EQ(Raised([&] { ReadMinimumTable(engine_, entries); }), 225);
}

}  // namespace
}  // namespace vorn
