// The shipment export: records equal to hand-written files, the field
// rules, the heading of a file started anew, and what is refused.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>

#include "output/export_record.h"
#include "output/export_writer.h"
#include "output/output_fields.h"
#include "output_fixture.h"

namespace qiv::testing {
namespace {

namespace fs = std::filesystem;
namespace of = output_fields;
namespace totals = ratekit::rating_totals;

class ShipmentExport : public OutputTest {
 protected:
  ShipmentExport() { FillUsShipment(context()); }
  void setText(platform::FieldSpan field, std::string_view text) { context().view().setText(field, text, '\0'); }
  std::string heading() { return WriteExportHeading(session()); }
  std::vector<std::string> boxTexts() const {
    std::vector<std::string> texts;
    for (const ShownBox& box : driver_.boxes()) texts.push_back(box.text);
    return texts;
  }
};

TEST_F(ShipmentExport, RecordsEqualTheHandWrittenFiles) {
  setExportFile("US.PRN", false);
  ASSERT_TRUE(WriteExportRecord(session(), nullptr));
  EXPECT_EQ(workFile("US.PRN"), Expected("us_fixed.PRN"));
  EXPECT_EQ(context().charAt(of::kExportFileAnswer), 'A');

  setExportFile("US.CSV", true);
  ASSERT_TRUE(WriteExportRecord(session(), nullptr));
  EXPECT_EQ(workFile("US.CSV"), Expected("us_comma.PRN"));
  const std::vector<std::string> lines = FileLines(workFile("US.CSV"));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].size() + 2, kCommaHeadingSize);
  EXPECT_EQ(lines[1].size() + 2, kCommaRecordSize);
  EXPECT_EQ(lines[1].substr(lines[1].size() - 5 * 21), std::string(5 * 21, ' '));
  EXPECT_TRUE(driver_.boxes().empty());
}

TEST_F(ShipmentExport, NumberAndTextFieldsFollowTheirRules) {
  struct Case {
    std::string text;
    std::size_t width;
    bool number;
    std::string field;  // empty: refused
  } const cases[] = {
      {"  125.40", 14, true, "00000000125.40"},
      {"1 2", 5, true, "00102"},         // a blank keeps its '0'
      {"   125.40", 6, true, "125.40"},  // blanks before the field are no loss
      {"12 ", 4, true, "0120"},          // a trailing blank takes a place too
      {"1234567", 6, true, ""},          // a digit would be lost
      {"", 4, true, "0000"},
      {"PO-4471", 9, false, "PO-4471  "},
      {"LONGER TEXT", 5, false, "LONGE"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::string field(c.width, '?');
    if (c.number) {
      EXPECT_EQ(PutNumberField(field, c.text), !c.field.empty());
      if (!c.field.empty()) {
        EXPECT_EQ(field, c.field);
      }
    } else {
      PutTextField(field, c.text);
      EXPECT_EQ(field, c.field);
    }
  }
}

TEST_F(ShipmentExport, FieldsOfTheRecordFollowTheSettingsAndTheShipment) {
  // The exported discount and the discount amount, both none.
  const std::string kNoDiscount = std::string("000000.00") + "00000000000.00";
  struct Case {
    const char* what;
    void (*change)(RatingContext&);
    std::size_t offset;
    std::string field;
  } const cases[] = {
      {"three-digit ZIPs", [](RatingContext& c) { c.setChar(of::kThreeDigitZip, 'Y'); }, 9, "100  NY606  IL"},
      {"no shipment id prompt", [](RatingContext& c) { c.setShort(of::kShipmentIdPrompt, 0); }, 0, "         "},
      // The percent is its 5 characters: a sixth is no part of it.
      {"discount percent",
       [](RatingContext& c) {
         c.view().setText({totals::kDiscountPercent.offset, 6}, "12.509", '\0');
       },
       41, "12.50"},
      {"no discounts", [](RatingContext& c) { c.setShort(of::kDiscountsInUse, 0); }, 69, kNoDiscount},
      {"a lane without discount", [](RatingContext& c) { c.setInt(of::kNoDiscountLane, 1); }, 69, kNoDiscount},
      {"single-shipment floor above the discount",
       [](RatingContext& c) {
         c.setChar(of::kSingleShipmentLetter, 'Y');
         c.view().setFloat(of::kSingleShipmentFloor.offset, 40.0f);
       },
       69, "000040.00"},
      {"no accessorial prompt", [](RatingContext& c) { c.setShort(of::kAccessorialPrompt, 0); }, 92, "000000.00"},
      {"a line without class",
       [](RatingContext& c) { c.view().setText(ratekit::shipment_lines::ClassCode(1), "", '\0'); }, 131,
       std::string(16, ' ')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FillUsShipment(context());
    c.change(context());
    SetExportedDiscount(context());
    const std::optional<std::string> record = FixedRecord(context());
    ASSERT_TRUE(record);
    ASSERT_EQ(record->size(), kFixedRecordSize);
    EXPECT_EQ(record->substr(c.offset, c.field.size()), c.field);
  }
}

TEST_F(ShipmentExport, ACommaSeparatedTextHoldsNoQuoteAndEveryRecordIsOneLine) {
  setText(of::kShipmentId, "A\"B\r\nC");
  const std::optional<std::string> comma = WriteExportCsvRecord(context());
  ASSERT_TRUE(comma);
  EXPECT_EQ(comma->substr(0, 12), "\"A B  C   \",");
  const std::optional<std::string> fixed = FixedRecord(context());
  ASSERT_TRUE(fixed);
  EXPECT_EQ(fixed->substr(0, 9), "A\"B  C   ");
  EXPECT_EQ(fixed->find('\n'), kFixedRecordSize - 1);
}

TEST_F(ShipmentExport, TheHeadingStartsANewOrReplacedFileOnly) {
  // A fixed-width file appended to as comma-separated gets no heading.
  setExportFile("SHIP.PRN", false);
  ASSERT_TRUE(WriteExportRecord(session(), nullptr));
  context().setShort(of::kCommaSeparated, 1);
  ASSERT_TRUE(WriteExportRecord(session(), nullptr));
  EXPECT_EQ(workFile("SHIP.PRN"), *FixedRecord(context()) + *WriteExportCsvRecord(context()));

  // Answered 'R' (the setup deleted it) or 'N': started with the heading;
  // answered 'A' but gone since: started anew too.
  for (const char answer : {'R', 'N', 'A'}) {
    SCOPED_TRACE(answer);
    fs::remove(work() / "SHIP.PRN");
    setExportFile("SHIP.PRN", true, answer);
    ASSERT_TRUE(WriteExportRecord(session(), nullptr));
    ASSERT_TRUE(WriteExportRecord(session(), nullptr));
    EXPECT_EQ(workFile("SHIP.PRN"), heading() + *WriteExportCsvRecord(context()) + *WriteExportCsvRecord(context()));
  }
  EXPECT_TRUE(driver_.boxes().empty());
}

TEST_F(ShipmentExport, WhatCannotBeWrittenIsAWarningAndNothingHalfWritten) {
  std::ofstream(work() / "NOTADIR") << "a file";
  struct Case {
    const char* what;
    const char* name;
    void (*change)(RatingContext&);
    const char* message;  // none: nothing at all
  } const cases[] = {
      {"mode O", "OFF.PRN", [](RatingContext& c) { c.setChar(of::kExportMode, 'O'); }, nullptr},
      {"no weight", "EMPTY.PRN",
       [](RatingContext& c) { c.view().setText(ratekit::shipment_lines::WeightText(0), "     0", '\0'); },
       "Nothing to Export"},
      {"not made", "NOTADIR/X.PRN", [](RatingContext&) {}, "Error opening EXP file."},
      {"not written", "/dev/full", [](RatingContext&) {}, "Error writing EXP file."},
      {"too long a value", "LONG.PRN",
       [](RatingContext& c) { c.view().setText(totals::kTotalCharge, "123456789012345", '\0'); },
       "Error writing EXP file."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::size_t before = driver_.boxes().size();
    FillUsShipment(context());
    setExportFile(c.name, true, 'N');
    c.change(context());
    EXPECT_FALSE(WriteExportRecord(session(), nullptr));
    std::vector<std::string> shown = boxTexts();
    shown.erase(shown.begin(), shown.begin() + static_cast<std::ptrdiff_t>(before));
    EXPECT_EQ(shown, c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    EXPECT_EQ(context().charAt(of::kExportFileAnswer), 'N');
    if (c.name[0] != '/') {
      EXPECT_FALSE(fs::exists(work() / c.name));
    }
  }
}

}  // namespace
}  // namespace qiv::testing
