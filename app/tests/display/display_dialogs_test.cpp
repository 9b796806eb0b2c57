// The display dialogs: the rates and alternation lines read from the rate
// tables (inside them only), the tariff text in pieces, the rates dialog's
// choices and its discount basis set back, the terminals of the lane.
#include "display/display_dialogs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <tuple>

#include "display/display_ids.h"
#include "display/rate_results_dialog.h"
#include "output/print_writer.h"
#include "platform/ui/cairo/rendering.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/dialog.h"
#include "platform/ui/window.h"
#include "qiv_data_set.h"
#include "screen_driver.h"
#include "screen_probe.h"
#include "test_session.h"

namespace qiv {
namespace {

using namespace platform::ui;
namespace rc = ratekit::context;
namespace id = display_id;

std::vector<std::string> ListLines(WindowHandle dialog, int list) {
  std::vector<std::string> lines;
  const WindowHandle box = DialogItem(dialog, list);
  for (int i = 0; i < static_cast<int>(SendMessage(box, list_box::GetCount)); ++i) {
    char line[256] = {};
    SendMessage(box, list_box::GetText, static_cast<WParam>(i), reinterpret_cast<LParam>(line));
    lines.emplace_back(line);
  }
  return lines;
}

// A lane's tables as the engine leaves them: classes, breaks with their
// labels and lower bounds, and rates of the U.S. table (cents).
struct Lane {
  std::vector<std::string> classes;
  std::vector<std::pair<std::string, std::int32_t>> breaks;  // label, lower bound
  std::vector<std::vector<std::int32_t>> rates;              // by class, then break
  std::int32_t stride = 0;                                   // 0: the break count
  std::optional<std::int32_t> classCount = std::nullopt;     // nothing: the classes' count
};

void Fill(RatingContext& context, const Lane& lane) {
  context.setInt(rc::kClassCount, lane.classCount.value_or(static_cast<std::int32_t>(lane.classes.size())));
  for (std::size_t c = 0; c < lane.classes.size(); ++c) context.setTerminatedText(rc::ClassCode(c), lane.classes[c]);
  context.setInt(rc::kBreakCount, static_cast<std::int32_t>(lane.breaks.size()));
  for (std::size_t b = 0; b < lane.breaks.size(); ++b) {
    context.setTerminatedText({rc::kBreakLabels.offset + 11 * b, 11}, lane.breaks[b].first);
    context.setInt({rc::kBreakLowerBounds.offset + 4 * b, 4}, lane.breaks[b].second);
  }
  const std::int32_t stride = lane.stride != 0 ? lane.stride : static_cast<std::int32_t>(lane.breaks.size());
  context.setInt(rc::kRateTableStride, stride);
  for (std::size_t c = 0; c < lane.rates.size(); ++c)
    for (std::size_t b = 0; b < lane.rates[c].size(); ++b)
      context.setInt({12709 + 4 * (stride * c + b), 4}, lane.rates[c][b]);
}

TEST(RateTableLines, RatesAndAlternationWeightsOfEachClass) {
  struct Case {
    const char* name;
    Lane lane;
    std::vector<std::string> rates;
    std::vector<std::string> alternation;
  };
  const std::vector<Case> cases = {
      {"rates 2000 and 1500 over 1000 lbs. alternate at 750; a zero rate at 0",
       {{"50", "X55", "60"},
        {{"MIN", 0}, {"1000", 1000}, {"2000", 2000}},
        {{2000, 1500, 1200}, {9, 9, 9}, {0, 700, 650}}},
       {"50\t  20.00\t  15.00\t  12.00", "60\t   0.00\t   7.00\t   6.50"},
       {"50\t  750\t 1600", "60\t    0\t 1857"}},
      {"one class FAK",
       {{"FAK01"}, {{"MIN", 0}, {"500", 500}}, {{1000, 800}}},
       {"FAK\t  10.00\t   8.00"},
       {"FAK\t  400"}},
      {"a product past 32 bits",
       {{"70"}, {{"A", 0}, {"B", 2000000}}, {{1, 2000000}}},
       {"70\t   0.01\t20000.00"},
       {"70\t4000000000000"}},
      {"a negative weight leaves its cell empty",
       {{"80"}, {{"A", 0}, {"B", -5}}, {{1, 3}}},
       {"80\t   0.01\t   0.03"},
       {"80\t"}},
      {"a stride that would read past the table leaves the cells empty",
       {{"50", "60"}, {{"A", 0}, {"B", 100}}, {{100, 200}}, 200},
       {"50\t   1.00\t   2.00", "60\t\t"},
       {"50\t  200", "60\t"}},
      {"a class count below 0 lists no class", {{"50"}, {{"A", 0}}, {{100}}, 0, -3}, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::unique_ptr<RatingContext> context = RatingContext::Allocate();
    Fill(*context, c.lane);
    EXPECT_EQ(RateLines(*context, RateTableChoice::Combined, false), c.rates);
    EXPECT_EQ(RateLines(*context, RateTableChoice::Combined, true), c.alternation);
  }
}

TEST(TariffText, PiecesOfFortyFiveCharactersNoneDropped) {
  const std::string long91(91, 'a');
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
      {"", {}},
      {"short\r\n\r\nlast", {"short", "", "last"}},
      {std::string(46, 'b') + "\n", {std::string(45, 'b'), "b"}},
      {long91 + "\r\nx\n", {std::string(45, 'a'), std::string(45, 'a'), "a", "x"}},
  };
  for (const auto& [text, lines] : cases) EXPECT_EQ(TariffTextLines(text), lines) << text.size();
}

class DisplayDialogs : public ::testing::Test {
 protected:
  testing::QivDataSet data;
  testing::ScreenDriver driver{true};
  std::unique_ptr<testing::TestSession> test;
  void SetUp() override {
    data.setMexicoOption(true);
    test = std::make_unique<testing::TestSession>(data);
  }
  RatingContext& context() { return *test->session.context; }
};

TEST_F(DisplayDialogs, RatesDialogAsksBeforeDiscountsOnMexicoOnlyAndSetsTheBasisBack) {
  Fill(context(), {{"50", "55"}, {{"MIN", 0}, {"500", 500}, {"1000", 1000}}, {{2000, 1500, 1200}, {2500, 2100, 1800}}});
  context().setInt(rc::kMexicoFlag, 1);
  const std::int32_t mexico[2][3] = {{100, 90, 80}, {110, 100, 90}};
  for (std::size_t c = 0; c < 2; ++c)
    for (std::size_t b = 0; b < 3; ++b)
      context().setInt({rc::kMexicoRateTable.offset + 4 * (3 * c + b), 4}, mexico[c][b]);
  context().setChar({90967, 1}, 'Y');
  context().setChar({90971, 1}, 'Y');
  context().setShort(fields::kDiscountsInUse, 1);
  context().setChar(fields::kDiscountMode, 'C');
  context().setLastErrorCode(0);
  driver.answerQuestions({false});
  int ratings = 0;
  std::vector<std::string> table;
  bool discountsYes = true;
  const std::string artifacts = QIV_ARTIFACT_DIR;
  std::filesystem::create_directories(artifacts);
  driver.onWindow("Rates/Alternation", [&](WindowHandle dialog) {
    EXPECT_FALSE(testing::IsShown(dialog, id::UsOnly));
    EXPECT_TRUE(testing::IsShown(dialog, id::MexicoOnly));
    CheckDialogButton(dialog, id::Combined, 0);
    CheckDialogButton(dialog, id::MexicoOnly, 1);
    SendMessage(dialog, msg::Command, CommandParam(id::MexicoOnly, 0));
    CheckDialogButton(dialog, id::DiscountsYes, 1);
    SendMessage(dialog, msg::Command, CommandParam(id::DiscountsYes, 0));
    discountsYes = DialogButtonCheck(dialog, id::DiscountsYes) != 0;
    table = ListLines(dialog, id::RatesList);
    EXPECT_TRUE(cairo::RenderWindowToPng(dialog, artifacts + "/rates-dialog.png"));
    SendMessage(dialog, msg::Command, CommandParam(id::RatesOk, 0));
  });
  PrintWriter writer(test->session);
  RateResultsDialog dialog(
      test->session, {"75201", "64101", "DALLAS TX", "KANSAS CITY MO"}, [&] { ++ratings; }, writer, nullptr);
  EXPECT_EQ(dialog.doModal(), 1);
  ASSERT_EQ(driver.boxes().size(), 1u);
  EXPECT_TRUE(driver.boxes()[0].question);
  EXPECT_EQ(context().lastErrorCode(), 255);
  EXPECT_FALSE(discountsYes);
  // The Mexico table, without discounts.
  EXPECT_EQ(table, (std::vector<std::string>{"50\t   1.00\t   0.90\t   0.80", "55\t   1.10\t   1.00\t   0.90"}));
  // Opening fills charges and table, the Mexico Only choice both again.
  EXPECT_EQ(ratings, 4);
  EXPECT_EQ(context().charAt(fields::kDiscountMode), 'C');
}

TEST_F(DisplayDialogs, ShipmentDetailListsEachCountrysLinesWithTheirTotals) {
  ResultTables tables;
  const std::tuple<char, const char*, const char*> lines[] = {{'U', "U.S. Freight", "100.50"},
                                                              {'M', "Mexican Freight", "80.25"},
                                                              {'U', "U.S. Fuel", "9.50"},
                                                              {'C', "Combined Freight", "190.25"},
                                                              {'X', "Skipped", "5.00"}};
  for (const auto& [country, label, amount] : lines) {
    DetailLine& line = tables.details[static_cast<std::size_t>(tables.detailCount++)];
    line.country = country;
    std::snprintf(line.label.data(), line.label.size(), "%24s", label);
    std::snprintf(line.amount.data(), line.amount.size(), "%8s", amount);
  }
  std::map<int, std::vector<std::string>> shown;
  driver.onWindow("Shipment Detail", [&](WindowHandle dialog) {
    for (int list : {id::UsTotals, id::MexicanTotals, id::CombinedTotals}) {
      shown[list] = ListLines(dialog, list);
      // Amounts, rule and total in one column.
      const std::vector<int> starts = testing::LastPieceStarts(DialogItem(dialog, list));
      EXPECT_EQ(std::count(starts.begin(), starts.end(), starts.front()), std::ssize(starts)) << list;
    }
    SendMessage(dialog, msg::Command, CommandParam(id::DetailOk, 0));
  });
  ShipmentDetailDialog dialog(test->session, tables, nullptr);
  EXPECT_EQ(dialog.doModal(), 1);
  const std::string total = test->session.text(4570);
  auto line = [](const std::string& text, const std::string& amount) {
    char out[96];
    std::snprintf(out, sizeof out, "%24s\t%8s", text.c_str(), amount.c_str());
    return std::string(out);
  };
  EXPECT_EQ(shown[id::UsTotals], (std::vector<std::string>{line("U.S. Freight", "100.50"), line("U.S. Fuel", "9.50"),
                                                           "\t\t--------", line(total, "110.00")}));
  EXPECT_EQ(shown[id::MexicanTotals],
            (std::vector<std::string>{line("Mexican Freight", "80.25"), "\t\t--------", line(total, "80.25")}));
  EXPECT_EQ(shown[id::CombinedTotals],
            (std::vector<std::string>{line("Combined Freight", "190.25"), "\t\t========", line(total, "190.25")}));
}

TEST_F(DisplayDialogs, WithoutATariffTextTheTariffDisplayIsEmpty) {
  std::size_t lines = 1;
  driver.onWindow("Tariff Display", [&](WindowHandle dialog) {
    lines = ListLines(dialog, id::TariffText).size();
    SendMessage(dialog, msg::Command, CommandParam(id::TariffOk, 0));
  });
  TariffDisplayDialog dialog(test->session, nullptr);
  EXPECT_EQ(dialog.doModal(), 1);
  EXPECT_EQ(lines, 0u);
}

TEST_F(DisplayDialogs, TerminalsShowTheirFieldsAndHideWhatIsEmpty) {
  namespace td = ratekit::terminal_details;
  auto set = [&](bool destination, std::size_t index, std::string_view text) {
    const std::size_t record = destination ? rc::kDestinationTerminal.offset : rc::kOriginTerminal.offset;
    // Fields are filled to their width, without a NUL.
    context().view().setText({record + td::kFields[index].offset, td::kFields[index].width}, text, ' ');
  };
  for (bool side : {false, true})
    for (std::size_t i = 0; i < td::kFields.size(); ++i) set(side, i, "");
  set(false, 0, "DALLAS TERMINAL");
  set(false, 1, "DAL");
  set(false, 2, "100 MAIN ST");
  set(false, 4, "DALLAS");
  set(false, 5, "TX");
  set(false, 6, "75201");
  set(false, 7, "214-555-0100");
  set(true, 2, "9 ELM AVE");
  set(true, 3, "SUITE 4");
  set(true, 4, "KANSAS CITY");
  set(true, 5, "MO");
  set(true, 6, "64101");
  set(true, 11, "PAT");
  std::map<int, std::string> shown;
  const std::string artifacts = QIV_ARTIFACT_DIR;
  driver.onWindow("Terminal Information", [&](WindowHandle dialog) {
    for (int control : {4817, 4818, 4819, 4820, 4810, 4811, 4813, 4855, 4857, 4858, 4848, 4892, 4853})
      shown[control] = testing::IsShown(dialog, control) ? DialogItemText(dialog, control) : "(hidden)";
    EXPECT_TRUE(cairo::RenderWindowToPng(dialog, artifacts + "/terminal-information.png"));
    SendMessage(dialog, msg::Command, CommandParam(id::TerminalOk, 0));
  });
  TerminalInfoDialog dialog(test->session, nullptr);
  EXPECT_EQ(dialog.doModal(), 1);
  const std::map<int, std::string> expected = {{4817, "DALLAS TERMINAL - DAL"},
                                               {4818, "100 MAIN ST"},
                                               {4819, "DALLAS, TX 75201"},
                                               {4820, "(hidden)"},
                                               {4810, "214-555-0100"},
                                               {4811, "(hidden)"},
                                               {4813, "(hidden)"},
                                               {4855, "Not Available"},
                                               {4857, "SUITE 4"},
                                               {4858, "KANSAS CITY, MO 64101"},
                                               {4848, "(hidden)"},
                                               {4892, "Contact:"},
                                               {4853, "PAT"}};
  EXPECT_EQ(shown, expected);
}

}  // namespace
}  // namespace qiv
