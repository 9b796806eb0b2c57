// The conversion and density calculator: the unit table, the density list's
// figures (each rounding the library's rndoff, bias 0.51), its limits, and
// the dialog driven headless through the moments it recomputes.
#include <gtest/gtest.h>

#include <filesystem>

#include "calculator/conversion_density_dialog.h"
#include "calculator/density_list.h"
#include "calculator/unit_conversion_table.h"
#include "dialogs/list_items.h"
#include "platform/kernel/money_rounding.h"
#include "platform/ui/cairo/rendering.h"
#include "platform/ui/controls/combo_box.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/font.h"
#include "platform/ui/input.h"
#include "platform/ui/metrics.h"
#include "platform/ui/window.h"
#include "qiv_data_set.h"
#include "screen_probe.h"
#include "test_session.h"

namespace qiv {
namespace {

using namespace platform::ui;

double Rndoff(float value, int decimals) { return platform::RoundMoney(value, decimals); }

TEST(UnitConversionTable, RowsNamesAndSingleFactors) {
  const unit_conversion::Table table;
  EXPECT_EQ(table.sourceName(0), "Cubic Inches");
  EXPECT_EQ(table.sourceName(24), "Fahrenheit Degrees");
  EXPECT_EQ(table.sourceName(27), "Cents per Mile");
  EXPECT_EQ(table.targetName(11, 0), "Inches");
  EXPECT_EQ(table.factor(11, 0), 39371.9f);
  EXPECT_EQ(table.targetName(26, 0), "Cents per Kilogram");
  // Ounces: three targets, three unused slots.
  EXPECT_EQ(table.targetName(12, 2), "Kilograms");
  for (std::size_t slot = 3; slot < 6; ++slot) {
    EXPECT_EQ(table.targetName(12, slot), "");
    EXPECT_EQ(table.factor(12, slot), 0.0f);
  }
}

TEST(DensityList, RowsDensitiesAndTheShipmentsDensity) {
  const std::string piece = density::DensityRow(Rndoff, 100, "Lbs", 48, 40, 40, "In.");
  EXPECT_EQ(piece, "    100.0\tLbs\t     48.0\t     40.0\t     40.0\tIn.");
  EXPECT_EQ(piece.size(), density::kPieceTextLength);
  density::Recomputed one = density::Recompute(Rndoff, {piece}, 'L');
  EXPECT_EQ(one.rows, std::vector<std::string>{piece + "\t      2.3 "});
  struct Case {
    std::vector<std::string> pieces;
    char unit;
    std::vector<std::string> densities;
    double total;
  };
  const std::string kgs = density::DensityRow(Rndoff, 200, "Kgs", 120, 100, 150, "cm.");
  for (const Case& c : std::vector<Case>{
           {{density::DensityRow(Rndoff, 10, "Lbs", 1, 1, 1, "Ft.")}, 'L', {"     10.0"}, 10.0},
           {{density::DensityRow(Rndoff, 0, "Lbs", 1, 1, 1, "Ft.")}, 'L', {"      0.1"}, 0.1},  // the least density
           {{density::DensityRow(Rndoff, 5, "Lbs", 0, 1, 1, "Ft.")}, 'L', {"      0.0"}, 0.1},  // no cube: 0
           {{piece, kgs}, 'L', {"      2.3", "      6.9"}, 5.0},
           {{piece, kgs}, 'K', {"     36.0", "    111.1"}, 80.2},
           {{density::DensityRow(Rndoff, 1000, "Kgs", 1, 1, 1, "M. ")}, 'K', {"   1000.0"}, 1000.0},
       }) {
    const density::Recomputed r = density::Recompute(Rndoff, c.pieces, c.unit);
    ASSERT_EQ(r.rows.size(), c.densities.size());
    for (std::size_t i = 0; i < r.rows.size(); ++i)
      EXPECT_EQ(r.rows[i].substr(48), c.densities[i] + " ") << c.pieces[i];
    EXPECT_DOUBLE_EQ(r.total, c.total);
  }
  // Recomputing a recomputed row replaces its density.
  EXPECT_EQ(density::Recompute(Rndoff, one.rows, 'K').rows[0].substr(48), "     36.0 ");
}

TEST(DensityList, LimitsByDimensionAndUnit) {
  struct Case {
    density::Dimension dimension;
    char unit;
    double value;
    const char* warning;
  };
  for (const Case& c : std::vector<Case>{
           {density::Dimension::Length, 'F', 49, "Length exceeds 48 feet."},
           {density::Dimension::Length, 'F', 48, nullptr},
           {density::Dimension::Length, 'M', 14.6, nullptr},
           {density::Dimension::Length, 'M', 14.7, "Length exceeds 14.6 meters."},
           {density::Dimension::Height, 'c', 243.8, nullptr},
           {density::Dimension::Height, 'c', 243.9, "Height exceeds 243.8 centimeters."},
           {density::Dimension::Width, 'I', 97, "Width exceeds 96 inches."},
           {density::Dimension::Length, 'I', 577, "Length exceeds 576 inches."},
           {density::Dimension::Width, 'M', 2.5, "Width exceeds 2.4 meters."},
       }) {
    const std::optional<std::string> warning = density::LimitWarning(c.dimension, c.unit, c.value);
    EXPECT_EQ(warning.value_or(""), c.warning ? c.warning : "") << c.value;
  }
}

class CalculatorDialog : public ::testing::Test {
 protected:
  testing::QivDataSet data;
  testing::ScreenDriver driver{true};
  testing::TestSession test{data};
};

void Choose(WindowHandle dialog, int combo, int index) {
  SendDialogItemMessage(dialog, combo, combo_box::SetCurrentSelection, static_cast<WParam>(index));
  SendMessage(dialog, msg::Command, CommandParam(combo, combo_box::SelectionChange),
              HandleToParam(DialogItem(dialog, combo)));
}

// The combo box has the focus (its edit, for one that takes typing).
bool FocusIn(WindowHandle dialog, int id) {
  const WindowHandle control = DialogItem(dialog, id);
  return GetFocus() == control || ParentWindow(GetFocus()) == control;
}

std::string Convert(WindowHandle dialog, int from, int to, const char* value) {
  Choose(dialog, 2210, from);
  Choose(dialog, 2221, to);
  SendMessage(dialog, msg::Command, CommandParam(2221, combo_box::KillFocusNotify),
              HandleToParam(DialogItem(dialog, 2221)));
  SetDialogItemText(dialog, 2209, value);
  SendMessage(dialog, msg::Command, CommandParam(2223, 0));
  return IsWindowVisible(DialogItem(dialog, 2219)) ? DialogItemText(dialog, 2219) : "(hidden)";
}

TEST_F(CalculatorDialog, ConverterRoundsWithTheLibrarysBias) {
  driver.onWindow("Conversion/Density Calculator", [](WindowHandle dialog) {
    EXPECT_FALSE(IsWindowVisible(DialogItem(dialog, 2219)));
    EXPECT_EQ(ComboCount(DialogItem(dialog, 2210)), 28);
    EXPECT_EQ(Convert(dialog, 24, 0, "212"), "100.0");
    EXPECT_EQ(Convert(dialog, 25, 0, "100"), "212.0");
    EXPECT_EQ(Convert(dialog, 13, 2, "5.4"), "2.5");
    EXPECT_EQ(Convert(dialog, 8, 5, "5.5"), "8.9");
    EXPECT_EQ(Convert(dialog, 13, 0, ""), "0.0");  // an empty value reads as 0
    // Ounces: three targets and three empty items; an empty item is no unit.
    Choose(dialog, 2210, 12);
    EXPECT_EQ(ComboCount(DialogItem(dialog, 2221)), 6);
    EXPECT_EQ(ComboLine(DialogItem(dialog, 2221), 3), "");
    EXPECT_EQ(Convert(dialog, 12, 4, "3"), "(hidden)");
    EXPECT_TRUE(FocusIn(dialog, 2221));
    // Choosing another from-unit forgets the to-unit.
    Choose(dialog, 2210, 0);
    SendMessage(dialog, msg::Command, CommandParam(2223, 0));
    EXPECT_TRUE(FocusIn(dialog, 2221));
    SendMessage(dialog, msg::Command, CommandParam(command_id::Ok, 0));  // Enter does nothing
    EXPECT_TRUE(IsWindow(dialog));
    SendMessage(dialog, msg::Command, CommandParam(command_id::Cancel, 0));
  });
  EXPECT_EQ(RunConversionDensityCalculator(test.session, nullptr), command_id::Cancel);
}

void Piece(WindowHandle dialog, const char* weight, const char* length, const char* width, const char* height) {
  SetDialogItemText(dialog, 2212, weight);
  SetDialogItemText(dialog, 2214, length);
  SetDialogItemText(dialog, 2216, width);
  SetDialogItemText(dialog, 2215, height);
  SendMessage(dialog, msg::Command, CommandParam(2224, 0));
}

std::string Total(WindowHandle dialog) {
  return IsWindowVisible(DialogItem(dialog, 2220)) ? DialogItemText(dialog, 2220) : "(hidden)";
}

TEST_F(CalculatorDialog, DensityListRecomputesAtEachMoment) {
  const std::string artifacts = QIV_ARTIFACT_DIR;
  std::filesystem::create_directories(artifacts);
  driver.onWindow("Conversion/Density Calculator", [&](WindowHandle dialog) {
    const WindowHandle list = DialogItem(dialog, 4900);
    EXPECT_EQ(Total(dialog), "(hidden)");
    EXPECT_FALSE(IsWindowVisible(DialogItem(dialog, 4950)));
    Piece(dialog, "100", "48", "40", "40");
    EXPECT_EQ(ListLine(list, 0), "    100.0\tLbs\t     48.0\t     40.0\t     40.0\tIn.\t      2.3 ");
    EXPECT_EQ(DialogItemText(dialog, 2212), "");
    Choose(dialog, 2211, 1);  // Kgs.
    EXPECT_EQ(Total(dialog), "(hidden)");
    EXPECT_EQ(GetFocus(), DialogItem(dialog, 2212));
    Choose(dialog, 2213, 3);  // cm.
    Piece(dialog, "200", "120", "100", "150");
    EXPECT_EQ(ListLine(list, 1).substr(47), "\t      6.9 ");
    // Each column within its stops, the unit, the dimensions, their unit and
    // the density starting under the controls they were typed in and Add.
    EXPECT_EQ(testing::MisalignedColumns(list, false), std::vector<std::string>{});
    const std::vector<int> stops = list_box::TabStopPixels(list);
    const int charWidth = MeasureFont(reinterpret_cast<FontHandle>(SendMessage(list, msg::GetFont))).averageCharWidth;
    const int listLeft = WindowRectInParent(list).left + GetSystemMetric(SystemMetric::ClientEdgeWidth);
    const int under[] = {2211, 2214, 2216, 2215, 2213, 2224};
    ASSERT_EQ(stops.size(), std::size(under));
    for (std::size_t i = 0; i < stops.size(); ++i)
      EXPECT_NEAR(listLeft + stops[i], WindowRectInParent(DialogItem(dialog, under[i])).left, charWidth / 4 + 1) << i;
    EXPECT_EQ(Total(dialog), "      5.0");
    EXPECT_TRUE(IsWindowVisible(DialogItem(dialog, 4938)));
    Choose(dialog, 2217, 1);  // Kgs/M3, taken when the list closes up
    SendMessage(dialog, msg::Command, CommandParam(2217, combo_box::CloseUp), HandleToParam(DialogItem(dialog, 2217)));
    EXPECT_EQ(ListLine(list, 0).substr(47), "\t     36.0 ");
    EXPECT_EQ(ListLine(list, 1).substr(47), "\t    111.1 ");
    EXPECT_EQ(Total(dialog), "     80.2");
    EXPECT_EQ(Convert(dialog, 13, 2, "5.4"), "2.5");
    EXPECT_TRUE(cairo::RenderWindowToPng(dialog, artifacts + "/conversion-density-calculator.png"));
    // A double click deletes the chosen row.
    SelectListLine(list, 0);
    SendMessage(dialog, msg::Command, CommandParam(4900, list_box::DoubleClick), HandleToParam(list));
    EXPECT_EQ(ListCount(list), 1);
    EXPECT_EQ(Total(dialog), "    111.1");
    SendMessage(dialog, msg::Command, CommandParam(2225, 0));
    EXPECT_EQ(ListCount(list), 0);
    EXPECT_EQ(Total(dialog), "(hidden)");
    SendMessage(dialog, msg::Command, CommandParam(command_id::Cancel, 0));
  });
  EXPECT_EQ(RunConversionDensityCalculator(test.session, nullptr), command_id::Cancel);
}

// The value, weight and dimension fields take numbers of one decimal, cut
// to their lengths (9 and 6 characters), the fraction padded when left.
TEST_F(CalculatorDialog, FieldsTakeNumbersOfOneDecimal) {
  constexpr const char* kCaption = "Conversion/Density Calculator";
  const std::pair<int, const char*> typed[] = {{2209, "12345678.25x\t"}, {2212, "123456\t"}, {2214, "7\t"}};
  const char* const left[] = {"1234567.2", "1234.0", "7.0"};
  for (const auto& [field, keys] : typed)
    driver.onWindow(kCaption, [field = field, keys = keys](WindowHandle dialog) {
      SetFocus(DialogItem(dialog, field));
      InjectText(keys);
    });
  driver.onWindow(kCaption, [&](WindowHandle dialog) {
    for (std::size_t i = 0; i < std::size(typed); ++i) EXPECT_EQ(DialogItemText(dialog, typed[i].first), left[i]);
    SendMessage(dialog, msg::Command, CommandParam(command_id::Cancel, 0));
  });
  EXPECT_EQ(RunConversionDensityCalculator(test.session, nullptr), command_id::Cancel);
  EXPECT_EQ(driver.boxes(), std::vector<testing::ShownBox>{});
}

TEST_F(CalculatorDialog, LimitsWarnAndEmptyTheField) {
  driver.onWindow("Conversion/Density Calculator", [&](WindowHandle dialog) {
    Choose(dialog, 2213, 1);  // Ft.
    SetDialogItemText(dialog, 2214, "49");
    SendMessage(dialog, msg::Command, CommandParam(2214, 0x0200), HandleToParam(DialogItem(dialog, 2214)));
    EXPECT_EQ(DialogItemText(dialog, 2214), "");
    EXPECT_EQ(GetFocus(), DialogItem(dialog, 2214));
    Choose(dialog, 2213, 2);  // M.
    SetDialogItemText(dialog, 2214, "14.6");
    SetDialogItemText(dialog, 2215, "2.4");
    Choose(dialog, 2213, 3);  // cm.: 14.6 and 2.4 pass
    SetDialogItemText(dialog, 2215, "243.8");
    SendMessage(dialog, msg::Command, CommandParam(2215, 0x0200), HandleToParam(DialogItem(dialog, 2215)));
    EXPECT_EQ(DialogItemText(dialog, 2215), "243.8");
    Piece(dialog, "10", "1", "1", "1");
    const std::string before = ListLine(DialogItem(dialog, 4900), 0);
    // Ft. with a length of 100 empties it and leaves the list as it was: a
    // recomputation would now give kilograms per cubic metre.
    SendDialogItemMessage(dialog, 2217, combo_box::SetCurrentSelection, 1);
    SetDialogItemText(dialog, 2214, "100");
    Choose(dialog, 2213, 1);
    EXPECT_EQ(DialogItemText(dialog, 2214), "");
    EXPECT_EQ(ListLine(DialogItem(dialog, 4900), 0), before);
    SendMessage(dialog, msg::Command, CommandParam(command_id::Cancel, 0));
  });
  EXPECT_EQ(RunConversionDensityCalculator(test.session, nullptr), command_id::Cancel);
  const std::vector<testing::ShownBox> boxes = driver.boxes();
  // One box each time: the field the box takes the focus from is not checked again.
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0], (testing::ShownBox{"Warning", "Length exceeds 48 feet.", 0x30}));
  EXPECT_EQ(boxes[1], (testing::ShownBox{"Warning", "Length exceeds 48 feet.", 0x30}));
}

}  // namespace
}  // namespace qiv
