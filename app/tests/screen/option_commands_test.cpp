// The rating screen's toggles and option commands: Use Discounts in its
// three branches with the button's picture, Division of Revenue, Settings
// refused while a program runs and applied after OK, Terminal Information
// without terminals, the engine started again after Maintenance, and a
// price sheet not started when the settings could not be saved first.
#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

#include "dialogs/qiv_dialog.h"
#include "platform/ui/controls/combo_box.h"
#include "platform/ui/controls/toolbar.h"
#include "platform/ui/dialog.h"
#include "platform/ui/gdi.h"
#include "platform/ui/image_list.h"
#include "platform/ui/menu.h"
#include "platform/ui/resource.h"
#include "platform/ui/window.h"
#include "qiv_data_set.h"
#include "screen/screen_ids.h"
#include "screen_probe.h"
#include "shell/qiv_session.h"
#include "shell/rating_context_fields.h"

namespace qiv {
namespace {

using namespace platform::ui;
using testing::QivDataSet;
using testing::QivRun;

void Command(WindowHandle screen, int command) { SendMessage(screen, msg::Command, CommandParam(command, 0)); }
RatingContext& ContextOf(WindowHandle screen) { return *QivDialog::SessionOf(screen)->context; }

// The toolbar's image shows the icon resource.
bool ImageIsIcon(WindowHandle screen, int index, int iconId) {
  const auto list =
      reinterpret_cast<ImageListHandle>(SendMessage(DialogItem(screen, screen_id::Toolbar), toolbar::GetImageList));
  const BitmapHandle icon = LoadIconResource(iconId, {16, 16});
  const Image* wanted = BitmapImage(icon);
  const Image* shown = ListImage(list, index);
  const bool same = wanted != nullptr && shown != nullptr && wanted->pixels == shown->pixels;
  if (icon != nullptr) DeleteBitmap(icon);
  return same;
}

std::vector<std::string> BoxTexts(const QivRun& run) {
  std::vector<std::string> texts;
  for (const auto& box : run.driver.boxes()) texts.push_back(box.text);
  return texts;
}

struct DiscountState {
  bool checked;
  bool enabled;
  int icon;
  bool discountShown;
  std::int16_t inUse;
  friend bool operator==(const DiscountState&, const DiscountState&) = default;
};

DiscountState Discounts(WindowHandle screen) {
  const unsigned flags = testing::MenuFlags(screen, command::UseDiscounts);
  int icon = 0;
  for (int candidate : {3061, 3062, 3115})
    if (ImageIsIcon(screen, 7, candidate)) icon = candidate;
  return {(flags & menu_flag::Checked) != 0,
          (flags & menu_flag::Grayed) == 0 && testing::ButtonEnabled(screen, command::UseDiscounts), icon,
          testing::IsShown(screen, screen_id::Discount), ContextOf(screen).shortAt(fields::kDiscountsInUse)};
}

TEST(UseDiscountsCommand, OnOffWithdrawnAndNoneToUse) {
  struct Case {
    const char* name;
    bool discountPrompt;
    bool withdrawAfterFirst;            // the profile withdraws discounts before the second press
    std::vector<DiscountState> states;  // after each press
    std::vector<std::string> boxes;
  };
  const std::vector<Case> cases = {
      {"on, then off", true, false, {{true, true, 3061, true, 1}, {false, true, 3062, false, 0}}, {}},
      {"on, then withdrawn by the profile",
       true,
       true,
       {{true, true, 3061, true, 1}, {false, false, 3115, false, 0}},
       {"147 discounts withdrawn"}},
      {"no discount to use", false, false, {{false, false, 3115, false, 0}}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QivDataSet data;
    data.setShort(fields::kDiscountPrompt, c.discountPrompt ? 1 : 0);
    QivRun run(data);
    std::vector<DiscountState> states;
    run.driver.onScreen([&](WindowHandle screen) {
      Command(screen, command::UseDiscounts);
      states.push_back(Discounts(screen));
      if (c.states.size() < 2) return;
      if (c.withdrawAfterFirst) ContextOf(screen).setInt(fields::kDiscountsWithdrawn, 1);
      Command(screen, command::UseDiscounts);
      states.push_back(Discounts(screen));
    });
    run.driver.cancelScreen();
    EXPECT_EQ(run.run(), 0);
    EXPECT_EQ(states, c.states);
    EXPECT_EQ(BoxTexts(run), c.boxes);
  }
}

TEST(DivisionOfRevenueCommand, FlipsItsCheckAndPicture) {
  QivDataSet data;
  data.setText(fields::kDivisionOfRevenueOption, "Y");
  QivRun run(data);
  std::vector<std::pair<bool, bool>> states;  // checked, picture "on"
  run.driver.onScreen([&](WindowHandle screen) {
    for (int press = 0; press < 2; ++press) {
      Command(screen, command::DivisionOfRevenue);
      states.push_back({testing::ButtonChecked(screen, command::DivisionOfRevenue) &&
                            (testing::MenuFlags(screen, command::DivisionOfRevenue) & menu_flag::Checked),
                        ImageIsIcon(screen, 11, 3064)});
      EXPECT_TRUE(ImageIsIcon(screen, 11, press == 0 ? 3064 : 3063));
    }
  });
  run.driver.cancelScreen();
  EXPECT_EQ(run.run(), 0);
  EXPECT_EQ(states, (std::vector<std::pair<bool, bool>>{{true, true}, {false, false}}));
}

TEST(SettingsCommand, OkAppliesTheConstantPointsAndEveryCaseRefillsTheProfiles) {
  for (int end : {1, 2}) {
    SCOPED_TRACE(end);
    QivDataSet data;
    QivRun run(data);
    int shown = 0;
    run.environment.settingsDialog = [&](QivSession& session, WindowHandle) {
      ++shown;
      session.context->setShort(fields::kConstantOriginInUse, 1);
      session.context->setTerminatedText(fields::kConstantOriginZip, "75201");
      return LResult{end};
    };
    bool originEnabled = true;
    std::string origin;
    run.driver.onScreen([&](WindowHandle screen) {
      testing::StandInCalls().clear();
      Command(screen, command::Settings);
      originEnabled = IsWindowEnabled(DialogItem(screen, screen_id::OriginField));
      origin = DialogItemText(screen, screen_id::OriginField);
    });
    run.driver.cancelScreen();
    EXPECT_EQ(run.run(), 0);
    EXPECT_EQ(shown, 1);
    // The profile chosen again either way reads the constant origin too.
    EXPECT_FALSE(originEnabled);
    EXPECT_EQ(origin, "75201");
    EXPECT_NE(std::find(testing::StandInCalls().begin(), testing::StandInCalls().end(), "LoadProfileSettings"),
              testing::StandInCalls().end());
  }
}

TEST(TerminalInformationCommand, NoTerminalsIsMessage533) {
  QivDataSet data;
  data.standIn = "fail GetTerminals 1\n";
  QivRun run(data);
  run.driver.onScreen([&](WindowHandle screen) { Command(screen, command::TerminalInformation); });
  run.driver.cancelScreen();
  EXPECT_EQ(run.run(), 0);
  EXPECT_EQ(BoxTexts(run), std::vector<std::string>{"533 no terminal information"});
}

TEST(MaintenanceCommand, TheEngineStartsAgainAndTheChosenTariffStaysChosen) {
  QivDataSet data;
  data.write("VornMaintenance", "");
  data.standIn = "effective TSTFRT01 20240101\neffective TSTFRT02 20240601\n";
  QivRun run(data);
  std::vector<std::string> calls;
  std::string chosen;
  run.driver.onScreen([&](WindowHandle screen) {
    SendDialogItemMessage(screen, screen_id::TariffList, combo_box::SetCurrentSelection, 1);
    testing::StandInCalls().clear();
    Command(screen, command::Maintenance);
    for (const std::string& call : testing::StandInCalls())
      if (call == "EndZQdll" || call == "InitializeZQdll") calls.push_back(call);
    chosen = testing::SelectedComboText(screen, screen_id::TariffList);
  });
  run.driver.cancelScreen();
  EXPECT_EQ(run.run(), 0);
  EXPECT_EQ(calls, (std::vector<std::string>{"EndZQdll", "InitializeZQdll"}));
  EXPECT_EQ(chosen, "TSTFRT02 2024-06-01");
  ASSERT_EQ(run.programs.requests.size(), 1u);
}

TEST(PriceSheetCommand, SettingsThatCannotBeSavedStartNothing) {
  QivDataSet data;
  data.texts->push_back({241, "Error creating DEF file.", "Error creating DEF file."});
  data.write("PSHEET", "");
  data.write("PSNAME.FIL", "PSHEET.EXE\r\n");
  data.setText(fields::kPriceSheetOption, "Y");
  QivRun run(data);
  run.driver.onScreen([&](WindowHandle screen) {
    ::chmod(data.work().c_str(), 0555);
    Command(screen, command::PriceSheet);
    ::chmod(data.work().c_str(), 0755);
  });
  run.driver.cancelScreen();
  EXPECT_EQ(run.run(), 0);
  EXPECT_EQ(BoxTexts(run), std::vector<std::string>{"Error creating DEF file."});
  EXPECT_TRUE(run.programs.requests.empty());
}

}  // namespace
}  // namespace qiv
