// The after-entry chain on the sample set: tabbing past the last line asks
// for the accessorials once, prints and exports the shipment when the
// settings say so, and leaves the focus on the origin; and the commands
// that open the rating dialogs.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "dialogs/list_items.h"
#include "dialogs/qiv_dialog.h"
#include "output/export_writer.h"
#include "output/print_writer.h"
#include "output/shipment_printout.h"
#include "platform/testing/temp_directory.h"
#include "platform/ui/controls/button.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/input.h"
#include "platform/ui/menu.h"
#include "platform/ui/window.h"
#include "qiv_data_set.h"
#include "rating_dialogs/rating_dialog_ids.h"
#include "sample_copy.h"
#include "screen/rating_dialog.h"
#include "screen/screen_ids.h"
#include "screen_driver.h"
#include "screen_probe.h"
#include "shell/qiv_session.h"

namespace qiv {
namespace {

using namespace platform::ui;

void Command(WindowHandle window, int id) { SendMessage(window, msg::Command, CommandParam(id, 0)); }

// The level's .DEF in the sample copy with a byte changed.
void SetDefaultsByte(const testing::SampleCopy& sample, std::size_t offset, char value) {
  std::fstream def(sample.data() / "SAMPLE01.DEF", std::ios::in | std::ios::out | std::ios::binary);
  def.seekp(static_cast<std::streamoff>(offset));
  def.put(value);
}

int Seen(const testing::ScreenDriver& driver, const std::string& caption) {
  return static_cast<int>(
      std::count_if(driver.seen().begin(), driver.seen().end(),
                    [&](const testing::ScreenDriver::Seen& seen) { return seen.caption == caption; }));
}

TEST(AfterEntryChain, AccessorialsOnceThenThePrintoutAndTheExportAndTheFocusOnTheOrigin) {
  testing::SampleCopy sample;
  constexpr std::size_t kPrintMode = 111, kExportMode = 148;  // bytes of the .DEF image
  SetDefaultsByte(sample, kPrintMode, 'A');
  SetDefaultsByte(sample, kExportMode, 'A');
  testing::ScreenDriver driver;
  driver.chooseLevels();
  driver.onScreen([](WindowHandle screen) {
    ASSERT_TRUE(testing::ChooseProfile(screen, "Default"));
    SetFocus(DialogItem(screen, screen_id::OriginField));
    InjectText("10001\t60601\t85\t1200\t");
  });
  driver.onScreen([](WindowHandle) { InjectText("\t"); });  // past the last line
  driver.onWindow("Accessorials", [](WindowHandle dialog) {
    SendMessage(DialogItem(dialog, accessorials_id::Check + 1), button::Click);  // liftgate, one stop
    SetDialogItemText(dialog, accessorials_id::Value + 1, "1");
    Command(dialog, accessorials_id::Ok);
  });
  std::string printout, record;
  driver.onScreen([&](WindowHandle screen) {
    EXPECT_EQ(GetFocus(), DialogItem(screen, screen_id::OriginField));
    EXPECT_EQ(testing::TextOf(screen, screen_id::AccessorialChargesValue), "75.00");
    printout = platform::testing::ReadFileText(sample.work() / "SHIPMENT.PRT");
    record = platform::testing::ReadFileText(sample.work() / "SHIPMENT.PRN");
    EXPECT_NE(printout.find("Accessorial:    75.00"), std::string::npos) << printout;
    // What the chain added is what printing and exporting the shipment add.
    QivSession& session = *QivDialog::SessionOf(screen);
    const auto* dialog = dynamic_cast<const RatingDialog*>(Window::FromHandle(screen));
    PrintWriter writer(session);
    ASSERT_TRUE(PrintShipment(writer,
                              {screen, DialogItemText(screen, screen_id::OriginCity),
                               DialogItemText(screen, screen_id::DestinationCity), &dialog->resultTables()},
                              screen));
    ASSERT_TRUE(WriteExportRecord(session, screen));
  });
  // The commands of the rating dialogs.
  driver.onScreen(
      [](WindowHandle screen) { PostMessage(screen, msg::Command, CommandParam(command::RatingPrompts, 0)); });
  driver.onWindow("Rating Prompts", [](WindowHandle dialog) { Command(dialog, prompts_id::Cancel); });
  driver.onScreen(
      [](WindowHandle screen) { PostMessage(screen, msg::Command, CommandParam(command::AccessorialTotals, 0)); });
  std::vector<std::string> totals;
  driver.onWindow("Accessorial Totals", [&](WindowHandle dialog) {
    const WindowHandle list = DialogItem(dialog, totals_id::List);
    for (int i = 0; i < ListCount(list); ++i) totals.push_back(ListLine(list, i));
    Command(dialog, totals_id::Close);
  });
  driver.onScreen(
      [](WindowHandle screen) { PostMessage(screen, msg::Command, CommandParam(command::Accessorials, 0)); });
  driver.onWindow("Accessorials", [](WindowHandle dialog) { Command(dialog, accessorials_id::Cancel); });
  driver.onScreen([](WindowHandle screen) { EXPECT_EQ(GetFocus(), DialogItem(screen, screen_id::OriginField)); });
  driver.cancelScreen();
  EXPECT_EQ(sample.run(driver), 0) << sample.diagnostics.str() << testing::SeenWindows(driver);
  EXPECT_EQ(driver.boxes(), std::vector<testing::ShownBox>{});
  EXPECT_EQ(Seen(driver, "Accessorials"), 2);  // once for the shipment, once by the command
  EXPECT_EQ(Seen(driver, "Printing"), 0);      // (shown without waiting for input)
  ASSERT_FALSE(printout.empty());
  ASSERT_FALSE(record.empty());
  EXPECT_EQ(platform::testing::ReadFileText(sample.work() / "SHIPMENT.PRT"), printout + printout);
  EXPECT_EQ(platform::testing::ReadFileText(sample.work() / "SHIPMENT.PRN"), record + record);
  ASSERT_EQ(totals.size(), 4u);
  EXPECT_EQ(totals[0].substr(0, 17), "DELIVERY SERVICES");
  EXPECT_EQ(totals[1].substr(0, 17), "LIFTGATE DELIVERY");
  EXPECT_EQ(totals[3].substr(totals[3].size() - 6), " 75.00");
}

// The Mexican prompts come with the Mexico option, a Mexican end, a line
// and one of the profile's two switches; they are asked once per arrival.
TEST(AfterEntryChain, MexicanPromptsOnlyForAMexicanShipmentWhoseProfileAsks) {
  struct Case {
    const char* name;
    const char* destination;
    std::int16_t taxSwitch, insuranceSwitch;
    int asked;
  };
  for (const Case& c : {Case{"the tax asked", "64000M", 1, 0, 1}, Case{"the insurance asked", "64000M", 0, 1, 1},
                        Case{"neither asked", "64000M", 0, 0, 0}, Case{"no Mexican end", "60601", 1, 1, 0}}) {
    SCOPED_TRACE(c.name);
    testing::QivDataSet data;
    // A tariff rated without base points.
    data.standIn = "effective TQVM0001 20240101\n";
    data.write("TESTBASE.TBL", std::string("TITLE", 5) + std::string(11, '\0'));
    data.setMexicoOption(true);
    data.setText(fields::kZipMode, "5");
    data.setText(fields::kCanadianCodesFlag, "Y");
    testing::QivRun run(data);
    run.driver.onScreen([&c](WindowHandle screen) {
      RatingContext& context = *QivDialog::SessionOf(screen)->context;
      context.setShort(fields::kIvaTaxPrompt, c.taxSwitch);
      context.setShort(fields::kInsurancePrompt, c.insuranceSwitch);
      SetFocus(DialogItem(screen, screen_id::OriginField));
      InjectText(std::string("10001\t") + c.destination + "\t85\t1200\t\t");
    });
    if (c.asked != 0)
      run.driver.onWindow("Mexican Prompts", [](WindowHandle dialog) {
        SetDialogItemText(dialog, mexican_id::IvaTax, "16");
        Command(dialog, mexican_id::Ok);
      });
    run.driver.onScreen([](WindowHandle screen) { EXPECT_EQ(GetFocus(), DialogItem(screen, screen_id::OriginField)); });
    run.driver.cancelScreen();
    EXPECT_EQ(run.run(), 0) << run.diagnostics.str() << testing::SeenWindows(run.driver);
    EXPECT_EQ(Seen(run.driver, "Mexican Prompts"), c.asked) << testing::SeenWindows(run.driver);
  }
}

// Division of Revenue turned on by its command: arriving on the sentinel
// asks for the division once, after the accessorials, its closing does not start the chain again,
// and the focus ends on the origin.
TEST(AfterEntryChain, DivisionOfRevenueOnceWhenTurnedOn) {
  testing::SampleCopy sample;
  testing::ScreenDriver driver;
  driver.chooseLevels();
  driver.onScreen([](WindowHandle screen) {
    ASSERT_TRUE(testing::ChooseProfile(screen, "Default"));
    Command(screen, command::DivisionOfRevenue);
    EXPECT_EQ(testing::MenuFlags(screen, command::DivisionOfRevenue) & menu_flag::Checked, menu_flag::Checked);
    SetFocus(DialogItem(screen, screen_id::OriginField));
    InjectText("10001\t60601\t85\t1200\t");
  });
  driver.onScreen([](WindowHandle) { InjectText("\t"); });  // past the last line
  driver.onWindow("Accessorials", [](WindowHandle dialog) { Command(dialog, accessorials_id::Cancel); });
  driver.onWindow("Division of Revenue", [](WindowHandle dialog) { Command(dialog, division_id::Close); });
  driver.onScreen([](WindowHandle screen) { EXPECT_EQ(GetFocus(), DialogItem(screen, screen_id::OriginField)); });
  driver.cancelScreen();
  EXPECT_EQ(sample.run(driver), 0) << sample.diagnostics.str() << testing::SeenWindows(driver);
  EXPECT_EQ(driver.boxes(), std::vector<testing::ShownBox>{});
  EXPECT_EQ(Seen(driver, "Division of Revenue"), 1) << testing::SeenWindows(driver);
}

}  // namespace
}  // namespace qiv
