// The program's start-up and shutdown, headless on data sets of the tests'
// own with the stand-in Ratekit32: the screen it opens, each failure of the
// start-up with its message and exit code, and the order of the release.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/ui/controls/combo_box.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/input.h"
#include "platform/ui/keys.h"
#include "platform/ui/menu.h"
#include "platform/ui/message_box.h"
#include "platform/ui/window.h"
#include "qiv_data_set.h"
#include "screen/screen_ids.h"
#include "screen_probe.h"
#include "shell/rating_context_fields.h"

namespace qiv {
namespace {

using namespace platform::ui;
using testing::QivDataSet;
using testing::QivRun;
using testing::ShownBox;
using testing::StandInCalls;

std::vector<std::string> CallsFrom(const std::string& first) {
  const auto& calls = StandInCalls();
  const auto it = std::find(calls.begin(), calls.end(), first);
  return {it, calls.end()};
}

bool Contains(const std::vector<int>& list, int value) {
  return std::find(list.begin(), list.end(), value) != list.end();
}

TEST(Startup, OpensTheScreenOnTheDataSetAndCancelReleasesInOrder) {
  QivDataSet data;
  data.standIn = "effective TSTFRT01 20240101\n";
  QivRun run(data);
  bool checked = false;
  run.driver.onScreen([&](WindowHandle screen) {
    checked = true;
    EXPECT_EQ(WindowText(screen), "QIV Freight Rating");
    EXPECT_EQ(testing::MenuTitles(screen), (std::vector<std::string>{"Run", "Options", "View", "Help"}));
    EXPECT_EQ(testing::MenuItemLabel(screen, command::PrintShipment), "Print Shipment");
    // What the data set has no file or option for is gone from menu and toolbar.
    const std::vector<int> commands = testing::MenuCommands(screen);
    const std::vector<int> buttons = testing::ShownButtons(screen);
    for (int removed :
         {command::English, command::Spanish, command::Maintenance, command::BillOfLading, command::ServiceMap,
          command::Website, command::CarrierWebsite1, command::PriceSheet, command::BorderCrossingPoints,
          command::ShipmentDetail, command::TariffDisplay, command::AccessorialTotals, command::Rules,
          command::DivisionOfRevenue, command::UsCityLookup, command::MexicanCityLookup, command::LicenseAgreement}) {
      EXPECT_FALSE(Contains(commands, removed)) << removed;
      EXPECT_FALSE(Contains(buttons, removed)) << removed;
    }
    // Nor does a pop-up keep a separator at either end or two together.
    EXPECT_EQ(testing::StraySeparators(screen), std::vector<std::string>{});
    // (Settings only with a settings dialog, which this run has not.)
    EXPECT_EQ(buttons,
              (std::vector<int>{command::PrintShipment, command::ExportShipment, command::UseDiscounts,
                                command::Calculator, command::AutoClear, command::DisplayRates, command::Contents}));
    EXPECT_TRUE(testing::ButtonChecked(screen, command::AutoClear));
    EXPECT_TRUE(testing::MenuFlags(screen, command::AutoClear) & menu_flag::Checked);
    EXPECT_FALSE(testing::ButtonEnabled(screen, command::DisplayRates));
    // One tariff: the static shows it, the list is hidden; the profile.
    EXPECT_FALSE(testing::IsShown(screen, screen_id::TariffList));
    EXPECT_EQ(testing::TextOf(screen, screen_id::SingleTariff), "TSTFRT01 2024-01-01");
    EXPECT_EQ(testing::SelectedComboText(screen, screen_id::ProfileCombo), "Default");
    EXPECT_EQ(WindowId(GetFocus()), screen_id::OriginField);
    EXPECT_FALSE(testing::IsShown(screen, screen_id::Pounds));
    EXPECT_FALSE(testing::IsShown(screen, screen_id::Kilograms));
    EXPECT_FALSE(testing::IsShown(screen, screen_id::NetChargeLabel));
    EXPECT_EQ(testing::TextOf(screen, screen_id::OriginLabel), "Origin:");
  });
  run.driver.cancelScreen();
  StandInCalls().clear();
  EXPECT_EQ(run.run(), 0);
  EXPECT_TRUE(checked);
  EXPECT_TRUE(run.driver.boxes().empty());
  EXPECT_EQ(CallsFrom("CloseAllFiles"),
            (std::vector<std::string>{"CloseAllFiles", "EndZQdll", "freed engine", "freed ratekit"}));
  EXPECT_EQ(run.diagnostics.str(), "");
}

struct FailureCase {
  const char* name;
  std::function<void(QivDataSet&, QivRun&)> arrange;
  std::vector<ShownBox> boxes;
  std::string diagnostics;
  std::vector<std::string> release;  // the stand-in's calls from CloseAllFiles on
};

constexpr unsigned kHand = message_box::IconHand;

TEST(Startup, EachFailureShowsItsMessageAndEndsWithCodeTwo) {
  const std::vector<std::string> fullRelease = {"CloseAllFiles", "EndZQdll", "freed engine", "freed ratekit"};
  const std::vector<FailureCase> cases = {
      {"the RatingContext cannot be allocated",
       [](QivDataSet&, QivRun& run) { run.environment.allocateContext = [] { return nullptr; }; },
       {{"FATAL", "Error allocating Ratekitdll.", kHand}},
       "",
       {}},
      {"the language file is missing",
       [](QivDataSet& data, QivRun&) { data.texts.reset(); },
       {{"FATAL ERROR", "Error reading LNG file.", kHand}},
       "",
       {}},
      {"LIBNAME.FIL is missing",
       [](QivDataSet& data, QivRun&) { data.libraryNames.reset(); },
       {{"Error", "FATAL Error opening LIB file.", kHand}, {"Error", "FATAL Error opening Lib file.", kHand}},
       "",
       {}},
      {"the rating-function library does not load",
       [](QivDataSet& data, QivRun&) { data.libraryNames = "YNOSUCH.STANDENG"; },
       {{"Error", "FATAL Error 0 Loading Function Library", kHand}},
       "",
       {"freed engine"}},
      {"the engine does not load",
       [](QivDataSet& data, QivRun&) { data.libraryNames = "YSTANDIN.NOSUCH"; },
       {{"Error", "FATAL Error 0 Loading VORN Library", kHand}},
       "",
       {"freed ratekit"}},
      {"the service guide does not load",
       [](QivDataSet& data, QivRun&) { data.libraryNames = "YSTANDIN.STANDENG.NOSUCH"; },
       {{"Error", "FATAL Error 0 Loading Service Library", kHand}},
       "",
       {"freed engine", "freed ratekit"}},
      {"a library named with a path is not loaded",
       [](QivDataSet& data, QivRun&) { data.libraryNames = "Ysub/STANDIN.STANDENG"; },
       {{"Error", "FATAL Error 0 Loading Function Library", kHand}},
       "",
       {"freed engine"}},
      {"an export is missing",
       [](QivDataSet& data, QivRun&) { data.libraryNames = "YSTANDIN1.STANDENG"; },
       {{"Fatal Error", "The rating library has no OpenLevelFile.", kHand}},
       "",
       {"freed engine", "freed ratekit"}},
      {"the engine's functions cannot be bound",
       [](QivDataSet& data, QivRun&) { data.standIn = "fail GetZQAddresses 404\n"; },
       {{"Fatal Error", "", message_box::IconError}},
       "",
       fullRelease},
      {"the level of rates is not chosen",
       [](QivDataSet& data, QivRun& run) {
         data.write("LEVEL.LVL", "TESTBASE20240115\r\nOTHER   20230301\r\n");
         run.driver.onWindow("Level of Rates",
                             [](WindowHandle level) { SendMessage(level, msg::Command, CommandParam(4761, 0)); });
       },
       {},
       "qiv: no level of rates was chosen\n",
       fullRelease},
      {"the level file cannot be opened",
       [](QivDataSet& data, QivRun&) { data.remove("LEVEL.LVL"); },
       {{"Warning", "The level file cannot be opened.", message_box::IconWarning}},
       "qiv: no level of rates was chosen\n",
       fullRelease},
      {"the settings cannot be read",
       [](QivDataSet& data, QivRun&) { data.standIn = "fail OpenAllFiles 370\n"; },
       {{"Fatal Error", "", message_box::IconError}},
       "",
       fullRelease},
      {"the display file is missing",
       [](QivDataSet& data, QivRun&) { data.remove("TESTBASE.DSP"); },
       {},
       "qiv: the level's display file TESTBASE.DSP cannot be opened\n",
       fullRelease},
      {"the engine does not start",
       [](QivDataSet& data, QivRun&) { data.standIn = "fail InitializeZQdll 113\n"; },
       {{"Fatal Error", "", message_box::IconError}},
       "",
       fullRelease},
      {"the screen's fonts cannot be made",
       [](QivDataSet&, QivRun& run) {
         int made = 0;
         run.environment.createFont = [made](const FontSpec& spec) mutable {
           return ++made == 4 ? nullptr : CreateFont(spec);
         };
       },
       {},
       "qiv: the screen's fonts cannot be made\n",
       {}},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.name);
    QivDataSet data;
    QivRun run(data);
    c.arrange(data, run);
    StandInCalls().clear();
    EXPECT_EQ(run.run(), 2);
    EXPECT_EQ(run.driver.boxes(), c.boxes);
    EXPECT_EQ(run.diagnostics.str(), c.diagnostics);
    const auto& calls = StandInCalls();
    const auto first = std::find_if(calls.begin(), calls.end(), [](const std::string& call) {
      return call == "CloseAllFiles" || call.rfind("freed", 0) == 0;
    });
    EXPECT_EQ(std::vector<std::string>(first, calls.end()), c.release);
  }
}

TEST(Startup, TheTariffListAndTheProfileListFollowTheEffectiveTableAndTheProfiles) {
  struct Case {
    const char* name;
    std::string script;
    bool listShown;
    std::string selected;  // the list's selection, or the single tariff's text
    std::int16_t profileIndex;
    std::string profile;
    std::vector<ShownBox> boxes;
  };
  const std::vector<Case> cases = {
      {"one tariff", "effective TARIFFA1 20240101\n", false, "TARIFFA1 2024-01-01", 0, "Default", {}},
      {"two tariffs",
       "effective TARIFFA1 20240101\neffective TARIFFB2 20230615\n",
       true,
       "TARIFFA1 2024-01-01",
       0,
       "Default",
       {}},
      {"bureau tariffs and one",
       "bureau 2\neffective TARIFFA1 20240101\n",
       true,
       "*Bureau Tariff(s)",
       0,
       "Default",
       {}},
      {"bureau tariffs alone", "bureau 1\n", false, "*Bureau Tariff(s)", 0, "Default", {}},
      {"none", "", false, "", 0, "Default", {}},
      {"the profile the settings name", "profile Acme\nprofile Default\n", false, "", 1, "Default", {}},
      {"no profile file",
       "fail GetProfileSize 125\n",
       false,
       "",
       0,
       "",
       {{"Warning", "Error opening PRO file.", message_box::IconWarning}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QivDataSet data;
    data.standIn = c.script;
    data.setShort(fields::kCurrentProfileIndex, c.profileIndex);
    data.texts->push_back({125, "Error opening PRO file.", "Error al abrir el archivo PRO."});
    QivRun run(data);
    run.driver.onScreen([&](WindowHandle screen) {
      EXPECT_EQ(testing::IsShown(screen, screen_id::TariffList), c.listShown);
      if (c.listShown)
        EXPECT_EQ(testing::SelectedComboText(screen, screen_id::TariffList), c.selected);
      else  // (the single tariff's static is hidden once the tariff is taken)
        EXPECT_EQ(testing::TextOf(screen, screen_id::SingleTariff), c.selected);
      EXPECT_EQ(testing::SelectedComboText(screen, screen_id::ProfileCombo), c.profile);
    });
    run.driver.cancelScreen();
    EXPECT_EQ(run.run(), 0);
    EXPECT_EQ(run.driver.boxes(), c.boxes);
  }
}

TEST(Startup, FixedOriginPointsMakeTheOriginAListWhoseTypedCodeMustBeOneOfThem) {
  QivDataSet data;
  data.standIn = "origin 10001\norigin 60601\n";
  data.texts->push_back({101, "Invalid Origin ZIP Code.",
                         "C\xF3"
                         "digo postal de origen no v\xE1lido."});
  QivRun run(data);
  run.driver.onScreen([](WindowHandle screen) {
    EXPECT_EQ(DialogItem(screen, screen_id::OriginField), nullptr);
    const WindowHandle combo = DialogItem(screen, screen_id::OriginCombo);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(testing::SelectedComboText(screen, screen_id::OriginCombo), "10001 ");
    SetWindowText(combo, "99999 ");
    SetFocus(combo);
    InjectKeyPress(key::Tab);
  });
  run.driver.onScreen([](WindowHandle screen) {
    const WindowHandle combo = DialogItem(screen, screen_id::OriginCombo);
    EXPECT_TRUE(IsDescendant(combo, GetFocus()) || GetFocus() == combo);
    SetWindowText(combo, "60601 ");
    InjectKeyPress(key::Enter);
  });
  run.driver.onScreen([](WindowHandle screen) {
    EXPECT_EQ(testing::SelectedComboText(screen, screen_id::OriginCombo), "60601 ");
    EXPECT_EQ(WindowId(GetFocus()), screen_id::DestinationField);
  });
  run.driver.cancelScreen();
  EXPECT_EQ(run.run(), 0);
  EXPECT_EQ(run.driver.boxes(),
            (std::vector<ShownBox>{{"Warning", "Invalid Origin ZIP Code.", message_box::IconWarning}}));
}

}  // namespace
}  // namespace qiv
