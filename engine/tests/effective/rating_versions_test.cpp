#include "effective/rating_versions.h"

#include <gtest/gtest.h>

#include <string>

namespace vorn {
namespace {

// A 76-byte record from its 74 text columns (CR LF appended).
efcrec::Record RecordOf(std::string columns) {
  columns.resize(74, ' ');
  columns += "\r\n";
  return efcrec::Record(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(columns.data()), 76));
}

// Builds a record column by column over a blank line.
struct Columns {
  std::string text = std::string(74, ' ');
  Columns& at(std::size_t column, std::string_view value) {
    for (std::size_t i = 0; i < value.size(); ++i) text[column + i] = value[i];
    return *this;
  }
  efcrec::Record record() const { return RecordOf(text); }
};

Columns OlderFormat() {
  return Columns{}
      .at(0, "A001")
      .at(4, "20240101")
      .at(14, "0")
      .at(17, "01")
      .at(19, "TESTTRF1")
      .at(47, "N")
      .at(48, "N")
      .at(70, "0");
}

std::string VersionOf(efcrec::Record r) {
  DetermineRatingVersion(r);
  return std::string(r.text(efcrec::kVersion));
}

TEST(RatingVersion, NumberCountsHundredsBeforeThePoint) {
  EXPECT_EQ(RatingVersionNumber("4.5"), 405);
  EXPECT_EQ(RatingVersionNumber("4.18"), 418);
  EXPECT_EQ(RatingVersionNumber("0.0"), 0);
  EXPECT_EQ(RatingVersionNumber("4"), 0);  // no point: no version
  EXPECT_EQ(RatingVersionNumber(""), 0);
}

TEST(RatingVersion, OlderFormatRecordsGetTheVersionTheirColumnsCallFor) {
  EXPECT_EQ(VersionOf(OlderFormat().record()), "4.0  ");
  EXPECT_EQ(VersionOf(OlderFormat().at(48, "P").record()), "4.8  ");
  EXPECT_EQ(VersionOf(OlderFormat().at(45, "S").record()), "4.7  ");
  EXPECT_EQ(VersionOf(OlderFormat().at(14, "Y").at(17, "G1").record()), "4.5  ");
  EXPECT_EQ(VersionOf(OlderFormat().at(14, "Y").record()), "4.4  ");
  EXPECT_EQ(VersionOf(OlderFormat().at(14, "Y").at(19, "ZZZTRF01").record()), "4.0  ");
  EXPECT_EQ(VersionOf(OlderFormat().at(48, "Q").record()), "0.0  ");
  EXPECT_EQ(VersionOf(OlderFormat().at(14, "Z").record()), "0.0  ");
  EXPECT_EQ(VersionOf(OlderFormat().at(70, "Q").record()), "0.0  ");
  EXPECT_EQ(VersionOf(OlderFormat().at(70, ".").record()), "4.0  ");
}

TEST(RatingVersion, NormalisingRewritesTheRecordInTheNewerFormat) {
  efcrec::Record r = OlderFormat().at(16, "Q").at(49, "garbage-in-filler").at(69, "x").at(70, ".").at(73, "Z").record();
  DetermineRatingVersion(r);
  EXPECT_EQ(r.charAt(0), 'B');
  EXPECT_EQ(r.text({16, 3}), " 00");  // unknown lane-adjustment letter
  EXPECT_EQ(r.text(efcrec::kFiller), std::string(19, ' '));
  EXPECT_EQ(r.charAt(69), ' ');
  EXPECT_EQ(r.charAt(70), ' ');
  EXPECT_EQ(r.charAt(73), 'N');
  EXPECT_EQ(r.text(efcrec::kLineEnd), "\r\n");

  efcrec::Record kept = OlderFormat().at(16, "L").at(17, "07").at(73, "0").record();
  DetermineRatingVersion(kept);
  EXPECT_EQ(kept.text({16, 3}), "L07");
  EXPECT_EQ(kept.charAt(73), '0');
}

TEST(RatingVersion, TableRowsFixTheVersionOfNamedTariffs) {
  // The row matches on name, date, sequence (columns 12-13 in the newer
  // format, 17-18 in the older) and the version flag; '0' counts as blank.
  const RatingVersionRow& row = RatingVersionTable()[1];
  Columns newer = Columns{}
                      .at(0, "B001")
                      .at(4, std::string(row.year) + std::string(row.month) + std::string(row.day))
                      .at(12, row.sequence)
                      .at(14, "0")
                      .at(19, row.name)
                      .at(39, "9.9")
                      .at(69, "0");
  EXPECT_EQ(VersionOf(newer.record()), std::string(row.version) + "  ");
  EXPECT_EQ(VersionOf(newer.at(12, "99").record()), "9.9  ");  // no row: left as it was

  Columns older = OlderFormat()
                      .at(4, std::string(row.year) + std::string(row.month) + std::string(row.day))
                      .at(17, row.sequence)
                      .at(19, row.name);
  EXPECT_EQ(VersionOf(older.record()), std::string(row.version) + "  ");
}

TEST(RatingVersion, NewerFormatRecordWithoutARowKeepsEverything) {
  efcrec::Record r =
      Columns{}.at(0, "B001").at(4, "20240101").at(14, "0").at(19, "OTHER001").at(39, "4.5").at(49, "x").record();
  const efcrec::Record before = r;
  DetermineRatingVersion(r);
  EXPECT_EQ(r, before);
}

}  // namespace
}  // namespace vorn
