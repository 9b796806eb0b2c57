// The Settings dialog on a copy of the sample data set, opened by the
// Settings command of the running program with the real Ratekit32: its
// sheet and tabs (colours read from the drawn tabs), the discount page's
// views holding the sheet, the range entries, the FAK page, adding mode,
// and the save and delete flows with their messages. Screenshots go to
// artifacts/.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>

#include "dialogs/list_items.h"
#include "platform/testing/temp_directory.h"
#include "platform/ui/cairo/rendering.h"
#include "platform/ui/controls/combo_box.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/controls/property_sheet.h"
#include "platform/ui/controls/tab_control.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/input.h"
#include "platform/ui/paint.h"
#include "platform/ui/recording_surface.h"
#include "platform/ui/window.h"
#include "sample_copy.h"
#include "screen/screen_ids.h"
#include "screen_driver.h"
#include "settings/settings_ids.h"
#include "settings/sheet_tabs.h"
#include "settings_fixtures.h"

namespace qiv {
namespace {

using namespace platform::ui;
namespace id = settings_id;
namespace fs = std::filesystem;

void Click(WindowHandle dialog, int control) { SendMessage(dialog, msg::Command, CommandParam(control, 0)); }
void Notify(WindowHandle dialog, int control, unsigned code) {
  SendMessage(dialog, msg::Command, CommandParam(control, code), reinterpret_cast<LParam>(DialogItem(dialog, control)));
}
WindowHandle Sheet(WindowHandle settings) { return DialogItem(settings, id::Sheet); }
WindowHandle Tabs(WindowHandle settings) {
  return reinterpret_cast<WindowHandle>(SendMessage(Sheet(settings), property_sheet::GetTabControl));
}
WindowHandle Page(WindowHandle settings, int index) {
  return reinterpret_cast<WindowHandle>(
      SendMessage(Sheet(settings), property_sheet::GetPageWindow, static_cast<WParam>(index)));
}
bool ShowPage(WindowHandle settings, int index) {
  return SendMessage(Sheet(settings), property_sheet::SetCurrentPage, static_cast<WParam>(index)) != 0;
}
void Choose(WindowHandle settings, std::string_view profile) {
  const WindowHandle combo = DialogItem(settings, id::ProfileCombo);
  const std::string name(profile);
  SendMessage(combo, combo_box::SetCurrentSelection,
              static_cast<WParam>(SendMessage(combo, combo_box::FindStringExact, static_cast<WParam>(-1),
                                              reinterpret_cast<LParam>(name.c_str()))));
  Notify(settings, id::ProfileCombo, combo_box::SelectionChange);
}
// Each tab's text with the colour it was drawn in.
std::map<std::string, ColorRef> TabColours(WindowHandle settings) {
  RecordingSurface surface({900, 700});
  PaintWindowTree(Sheet(settings), surface);
  std::map<std::string, ColorRef> colours;
  for (const DrawCall& call : surface.texts()) colours[call.text] = call.color;
  return colours;
}
void Shoot(WindowHandle window, const std::string& name) {
  fs::create_directories(QIV_ARTIFACT_DIR);
  EXPECT_TRUE(cairo::RenderWindowToPng(window, std::string(QIV_ARTIFACT_DIR) + "/" + name + ".png")) << name;
}

class SettingsDialogTest : public ::testing::Test {
 protected:
  SettingsDialogTest() : driver_(true) { driver_.chooseLevels(); }
  // Opens Settings from the screen, runs the steps in it (each once the
  // dialog is active again), and closes the program.
  void run(std::vector<testing::ScreenDriver::Step> steps, const std::string& caption = "Settings") {
    driver_.onScreen(
        [](WindowHandle screen) { SendMessage(screen, msg::Command, CommandParam(command::Settings, 0)); });
    for (auto& step : steps) driver_.onWindow(caption, std::move(step));
    driver_.exitScreen();
    ASSERT_EQ(sample_.run(driver_), 0) << sample_.diagnostics.str() << testing::SeenWindows(driver_);
  }
  std::vector<std::string> boxTexts() const {
    std::vector<std::string> texts;
    for (const auto& box : driver_.boxes()) texts.push_back(box.text);
    return texts;
  }
  fs::path profileFile() const {
    for (const auto& entry : fs::recursive_directory_iterator(sample_.work().parent_path()))
      if (entry.path().filename() == "PROFILE.FIL" && entry.path().parent_path() != sample_.data()) return entry.path();
    return {};
  }

  testing::SampleCopy sample_;
  testing::ScreenDriver driver_;
};

TEST_F(SettingsDialogTest, SheetTabsViewsAndEntries) {
  driver_.answerQuestions({false});
  run({[](WindowHandle settings) {
    ASSERT_NE(Sheet(settings), nullptr);
    EXPECT_EQ(SendMessage(Tabs(settings), tab_control::GetItemCount), 3);  // the FAK page: .SET 236 'Y'
    Shoot(settings, "settings-option-page");
    // Tabs: dark blue, blue under the mouse.
    std::map<std::string, ColorRef> colours = TabColours(settings);
    EXPECT_EQ(colours["Options"], tab_colour::kNormal);
    EXPECT_EQ(colours["Discounts"], tab_colour::kNormal);
    Rect second;
    SendMessage(Tabs(settings), tab_control::GetItemRect, 1, reinterpret_cast<LParam>(&second));
    SendMessage(Tabs(settings), msg::MouseMove, 0, PointToParam({second.left + 8, second.top + 6}));
    colours = TabColours(settings);
    EXPECT_EQ(colours["Discounts"], tab_colour::kHot);
    EXPECT_EQ(colours["Options"], tab_colour::kNormal);

    Choose(settings, "Peach State Mills");
    ASSERT_TRUE(ShowPage(settings, 1));
    const WindowHandle discounts = Page(settings, 1);
    Shoot(settings, "settings-discount-overview");
    // The percentage view holds the sheet, greys the tabs and turns the dialog's buttons off.
    Click(discounts, id::EditPercentages);
    EXPECT_FALSE(ShowPage(settings, 0));
    EXPECT_EQ(SendMessage(Sheet(settings), property_sheet::GetCurrentPage), 1);
    EXPECT_FALSE(IsWindowEnabled(DialogItem(settings, id::Save)));
    EXPECT_EQ(TabColours(settings)["Options"], tab_colour::kGrey);
    SetDialogItemText(discounts, id::kFirstColumn[0], "99.99");
    Notify(discounts, id::kFirstColumn[0], edit::KillFocusNotify);
    EXPECT_EQ(DialogItemText(discounts, id::kFirstColumn[0]), "0.00");
    SetDialogItemText(discounts, id::kFirstColumn[1], "12.5");
    Notify(discounts, id::kFirstColumn[1], edit::KillFocusNotify);
    EXPECT_EQ(DialogItemText(discounts, id::kFirstColumn[1]), "12.50");
    Shoot(settings, "settings-discount-percentages");
    Click(discounts, id::Close);
    EXPECT_TRUE(IsWindowEnabled(DialogItem(settings, id::Save)));
    EXPECT_TRUE(ShowPage(settings, 0));
    ASSERT_TRUE(ShowPage(settings, 1));

    // The range view: the profile's six entries, then a Canadian one added.
    Click(discounts, id::EditRanges);
    const WindowHandle list = DialogItem(discounts, id::EntryList);
    EXPECT_EQ(ListCount(list), 6);
    SetDialogItemText(discounts, id::OriginFrom, "k1a");
    SetDialogItemText(discounts, id::OriginTo, "K1C");
    Click(discounts, id::DestinationIsState);
    CheckRadioButton(discounts, id::DestinationZips, id::DestinationIsState, id::DestinationIsState);
    Notify(discounts, id::DestinationIsState, 0);
    const WindowHandle states = DialogItem(discounts, id::DestinationStates);
    SendMessage(states, combo_box::SetCurrentSelection, 0);  // GA, the first state
    SetDialogItemText(discounts, id::kFirstColumn[0], "5.25");
    Click(discounts, id::AddEntry);
    ASSERT_EQ(ListCount(list), 7);
    EXPECT_EQ(ListLine(list, 2), "02100\t02299\t     \tTX");
    EXPECT_EQ(ListLine(list, 3), "K1A  \tK1C  \t     \tGA");  // among the ZIP-to-state entries, by its bounds
    Shoot(settings, "settings-discount-ranges");
    // A Canadian range is edited as the prefixes it was built from, so
    // that Update stores it again as it was.
    SendMessage(list, list_box::SetCurrentSelection, 3);
    Notify(discounts, id::EntryList, list_box::SelectionChange);
    EXPECT_EQ(DialogItemText(discounts, id::Close), "Update");
    EXPECT_EQ(DialogItemText(discounts, id::OriginFrom), "K1A");
    EXPECT_EQ(DialogItemText(discounts, id::OriginTo), "K1C");
    Click(discounts, id::Close);
    EXPECT_EQ(DialogItemText(discounts, id::Close), "Close");
    EXPECT_EQ(ListLine(list, 3), "K1A  \tK1C  \t     \tGA");
    // Editing an entry into one that exists, answered No (154), keeps both as they were.
    SendMessage(list, list_box::SetCurrentSelection, 3);
    Notify(discounts, id::EntryList, list_box::SelectionChange);
    SendMessage(states, combo_box::SetCurrentSelection,
                static_cast<WParam>(SendMessage(states, combo_box::FindString, static_cast<WParam>(-1),
                                                reinterpret_cast<LParam>("TX"))));
    SetDialogItemText(discounts, id::OriginFrom, "02100");
    SetDialogItemText(discounts, id::OriginTo, "02299");
    Click(discounts, id::Close);
    EXPECT_EQ(ListCount(list), 7);
    EXPECT_EQ(ListLine(list, 2), "02100\t02299\t     \tTX");
    EXPECT_EQ(ListLine(list, 3), "K1A  \tK1C  \t     \tGA");
    EXPECT_EQ(DialogItemText(discounts, id::Close), "Close");
    Click(discounts, id::Close);
    EXPECT_EQ(Sheet(settings) != nullptr, true);

    ASSERT_TRUE(ShowPage(settings, 2));
    EXPECT_EQ(DialogItemText(Page(settings, 2), id::kFakEdits[0]), "500");  // the profile's class map
    Shoot(settings, "settings-fak-page");
    Click(settings, id::AddSetting);
    EXPECT_FALSE(IsWindowVisible(Sheet(settings)));
    EXPECT_TRUE(IsWindowVisible(DialogItem(settings, id::NewName)));
    Shoot(settings, "settings-adding");
    Click(settings, id::Cancel);  // leaves adding mode
    EXPECT_TRUE(IsWindowVisible(Sheet(settings)));
    Click(settings, id::Cancel);  // closes
  }});
  const std::vector<std::string> texts = boxTexts();
  ASSERT_GE(texts.size(), 1u);
  EXPECT_EQ(texts[0], "Discount Cannot Exceed 99.99");
}

TEST_F(SettingsDialogTest, InSpanishEveryCaptionIsRelabelledAndFits) {
  driver_.onScreen([](WindowHandle screen) { SendMessage(screen, msg::Command, CommandParam(command::Spanish, 0)); });
  run({[](WindowHandle settings) {
        EXPECT_EQ(DialogItemText(settings, id::AddSetting),
                  "Agregar configuraci\xF3n");  // Windows-1252, as the language file holds it
        EXPECT_EQ(TabColours(settings).count("Opciones"), 1u);
        EXPECT_EQ(DialogItemText(Page(settings, 0), 4656), "Recargo constante");
        Shoot(settings, "settings-spanish-options");
        Choose(settings, "Peach State Mills");
        ASSERT_TRUE(ShowPage(settings, 1));
        EXPECT_EQ(DialogItemText(Page(settings, 1), 4782), "Descuentos aplicados a");
        Shoot(settings, "settings-spanish-discounts");
        Click(Page(settings, 1), id::EditRanges);
        Shoot(settings, "settings-spanish-ranges");
        Click(Page(settings, 1), id::CancelView);
        ASSERT_TRUE(ShowPage(settings, 2));
        Shoot(settings, "settings-spanish-fak");
        Click(settings, id::Cancel);
      }},
      "Configuraciones");
}

TEST_F(SettingsDialogTest, OptionFieldsAreCheckedAsTheyAreLeft) {
  run({[](WindowHandle settings) {
    const WindowHandle options = Page(settings, 0);
    auto leave = [&](int field, std::string_view typed) {
      SetDialogItemText(options, field, typed);
      Notify(options, field, edit::KillFocusNotify);
      return DialogItemText(options, field);
    };
    Click(options, id::ConstantSurcharge);
    CheckDialogButton(options, id::ConstantSurcharge, 1);
    EXPECT_EQ(leave(id::LtlFactor, "99.99"), "99.99");
    EXPECT_EQ(leave(id::TlFactor, "-99.99"), "-99.99");
    EXPECT_EQ(leave(id::LtlFactor, "100"), "");  // 108
    CheckDialogButton(options, id::UseConstantClass, 1);
    leave(id::ConstantClass, "  ");
    EXPECT_EQ(DialogButtonCheck(options, id::UseConstantClass), 0u);
    CheckDialogButton(options, id::UseOriginZip, 1);
    Notify(options, id::UseOriginZip, 0);
    CheckDialogButton(options, id::UseDestinationZip, 1);
    Notify(options, id::UseDestinationZip, 0);
    EXPECT_EQ(DialogButtonCheck(options, id::UseOriginZip), 0u);
    EXPECT_EQ(leave(id::DestinationZip, "10001"), "10001");
    EXPECT_EQ(leave(id::DestinationZip, "1000A"), "");  // 112: five digits in ZIP mode 5
    EXPECT_EQ(leave(id::DestinationZip, "K1A"), "");    // 112: no range of the tariff holds it
    Click(settings, id::Cancel);
  }});
  std::vector<std::string> shown = boxTexts();
  ASSERT_GE(shown.size(), 3u);
  EXPECT_EQ(shown[1], "Invalid Zip Code.");
  EXPECT_EQ(shown[2], "Invalid Zip Code.");
}

// Typing into each kind of field of the pages as a user types (a Tab at
// the end leaves the field): the characters each takes, the text it keeps,
// the beeps, and what the page says and does as a bad value leaves.
TEST_F(SettingsDialogTest, PageFieldsFilterWhatIsTypedAndThePagesRefuseBadValuesAsTheyAreLeft) {
  struct Typing {
    int field;
    const char* keys;
    const char* text;
    int beeps;            // -1: not counted (a message box was shown)
    const char* message;  // shown as the field was left, or null
    bool focusStays;      // the focus is still in the field afterwards
  };
  struct PageTypings {
    int index;
    std::function<void(WindowHandle settings, WindowHandle page)> open;
    const char* picture;
    std::vector<Typing> typings;
  };
  // A field's cases end with a value it may be left with: moving to the
  // next field leaves it.
  const PageTypings pages[] = {
      {0,
       [](WindowHandle, WindowHandle options) {
         SetDialogItemText(options, id::ConstantClass, "50");
         SetDialogItemText(options, id::OriginZip, "10001");
         for (int on : {id::ConstantSurcharge, id::UseConstantClass, id::UseOriginZip}) {
           CheckDialogButton(options, on, 1);
           Notify(options, on, 0);
         }
       },
       "settings-typed-options",
       {
           {id::LtlFactor, "12.345", "12.34", 0, nullptr, true},  // two decimals
           {id::LtlFactor, "1a2b3%", "123", 3, nullptr, true},
           {id::LtlFactor, "1.2.", "1.2", 1, nullptr, true},  // a second point
           {id::LtlFactor, "99.99\t", "99.99", 0, nullptr, false},
           {id::TlFactor, "100\t", "", -1, "Invalid Surcharge.", true},
           {id::TlFactor, "-7\t", "-7.00", 0, nullptr, false},      // padded as it leaves
           {id::ConstantClass, "5x0.05", "500", 2, nullptr, true},  // three digits, no point
           {id::ConstantClass, "999\t", "", -1, "Invalid Class.", true},
           {id::ConstantClass, "50\t", "50", 0, nullptr, false},
           {id::OriginZip, "k1a0a1", "K1A0A", 1, nullptr, true},  // ZIP mode 5: five characters of a postal code
           {id::OriginZip, "1234567", "12345", 2, nullptr, true},
           {id::OriginZip, "1a", "1", 1, nullptr, true},
           {id::OriginZip, "k1a\t", "", -1, "Invalid Zip Code.", true},  // no range of the tariff holds it
           {id::OriginZip, "10001\t", "10001", 0, nullptr, false},
       }},
      {2,
       nullptr,
       "settings-typed-fak",
       {
           {id::kFakEdits[0], "1234", "123", 0, nullptr, true},  // cut to three digits silently
           {id::kFakEdits[0], "7.5x", "75", 2, nullptr, true},
           {id::kFakEdits[0], "999\t", "", -1, "Invalid Class.", true},
           {id::kFakEdits[0], "85\t", "85", 0, nullptr, false},
       }},
      {1,
       [](WindowHandle settings, WindowHandle discounts) {
         Choose(settings, "Peach State Mills");
         Click(discounts, id::EditPercentages);
       },
       "settings-typed-percentages",
       {
           {id::kFirstColumn[0], "1234.5", "123.5", 0, nullptr, true},  // three digits before the point
           {id::kFirstColumn[0], "5.255", "5.25", 0, nullptr, true},
           {id::kFirstColumn[0], "12.5\t", "12.50", 0, nullptr, false},
           {id::kFirstColumn[3], "99.99\t", "0.00", -1, "Discount Cannot Exceed 99.99", false},
           {id::kFirstColumn[10], "1000.00\t", "0.00", -1, "Floor Cannot Exceed 999.99", false},
           {id::kFirstColumn[10], "999.99\t", "999.99", 0, nullptr, false},
           {id::kSecondColumn[0], "a7%", "7", 2, nullptr, true},
       }},
      {1,
       [](WindowHandle, WindowHandle discounts) {
         Click(discounts, id::Close);
         Click(discounts, id::EditRanges);
       },
       "settings-typed-ranges",
       {
           {id::OriginFrom, "k1a0a1", "K1A0A", 1, nullptr, true},
           {id::OriginTo, "1234567", "12345", 2, nullptr, true},
           {id::DestinationFrom, "%1a", "1", 2, nullptr, true},
           {id::DestinationTo, "m5v", "M5V", 0, nullptr, true},
       }},
  };
  std::vector<testing::ScreenDriver::Step> steps;
  std::size_t boxes = 0;
  for (const PageTypings& page : pages) {
    steps.push_back([&page](WindowHandle settings) {
      ASSERT_TRUE(ShowPage(settings, page.index));
      if (page.open) page.open(settings, Page(settings, page.index));
    });
    for (const Typing& typing : page.typings) {
      steps.push_back([&, typing, index = page.index](WindowHandle settings) {
        const WindowHandle field = DialogItem(Page(settings, index), typing.field);
        SetWindowText(field, "");
        SetFocus(field);
        boxes = driver_.boxes().size();
        driver_.clearBeeps();
        InjectText(typing.keys);
      });
      steps.push_back([&, typing, index = page.index](WindowHandle settings) {
        const WindowHandle field = DialogItem(Page(settings, index), typing.field);
        const std::string what = std::to_string(typing.field) + " typed " + typing.keys;
        EXPECT_EQ(WindowText(field), typing.text) << what;
        if (typing.beeps >= 0) {
          EXPECT_EQ(static_cast<int>(driver_.beeps().size()), typing.beeps) << what;
        }
        EXPECT_EQ(GetFocus() == field, typing.focusStays) << what;
        std::vector<std::string> shown;
        for (std::size_t i = boxes; i < driver_.boxes().size(); ++i) shown.push_back(driver_.boxes()[i].text);
        EXPECT_EQ(shown, typing.message ? std::vector<std::string>{typing.message} : std::vector<std::string>{})
            << what;
      });
    }
    steps.push_back([&page](WindowHandle settings) { Shoot(settings, page.picture); });
  }
  steps.push_back([](WindowHandle settings) {
    Click(Page(settings, 1), id::CancelView);
    Click(settings, id::Cancel);
  });
  run(std::move(steps));
}

TEST_F(SettingsDialogTest, TheHundredAndFiftyFirstEntryIsRefused) {
  run({[](WindowHandle settings) {
    Choose(settings, "Peach State Mills");
    ASSERT_TRUE(ShowPage(settings, 1));
    const WindowHandle discounts = Page(settings, 1);
    Click(discounts, id::EditRanges);
    const WindowHandle list = DialogItem(discounts, id::EntryList);
    for (int i = ListCount(list); i < 151; ++i) {
      SetDialogItemText(discounts, id::OriginFrom, std::to_string(20000 + i));
      SetDialogItemText(discounts, id::OriginTo, std::to_string(20000 + i));
      SetDialogItemText(discounts, id::DestinationFrom, "60000");
      SetDialogItemText(discounts, id::DestinationTo, "62999");
      Click(discounts, id::AddEntry);
    }
    EXPECT_EQ(ListCount(list), 150);
    Click(discounts, id::CancelView);
    Click(settings, id::Cancel);
  }});
  std::vector<std::string> shown = boxTexts();
  ASSERT_GE(shown.size(), 1u);
  EXPECT_EQ(shown[0].substr(0, 44), "The maximum number of entries has been reach");
}

std::string NamesOf(WindowHandle settings) {
  std::string names;
  const WindowHandle combo = DialogItem(settings, id::ProfileCombo);
  for (int i = 0; i < ComboCount(combo); ++i) names += (i ? "|" : "") + ComboLine(combo, i);
  return names;
}

TEST_F(SettingsDialogTest, AddingSavingAndDeletingProfiles) {
  // 217 No (keep the stored profile), 153 No (stay open), 218 Yes (delete).
  driver_.answerQuestions({false, false, true});
  std::string storedBefore;
  run({[&](WindowHandle settings) {
    const fs::path file = profileFile();
    ASSERT_FALSE(file.empty());
    const fs::path startup = file.parent_path();
    auto add = [&](std::string_view name) {
      Click(settings, id::AddSetting);
      SetDialogItemText(settings, id::NewName, name);
      Click(settings, id::Save);
    };
    Choose(settings, "Peach State Mills");
    add("  a/b ");  // refused like an empty name: no range file outside the start-up directory
    EXPECT_TRUE(IsWindowVisible(DialogItem(settings, id::NewName)));
    Click(settings, id::Cancel);
    add(" Zeta ");
    EXPECT_EQ(NamesOf(settings), "Acme Freight|Default|Peach State Mills|Tijuana Traders|Zeta");
    EXPECT_EQ(WindowText(DialogItem(settings, id::ProfileCombo)), "Zeta");
    EXPECT_TRUE(IsWindowVisible(Sheet(settings)));
    // The profile's range file: the tariff's ranges with its Canadian ones merged in.
    const std::string ranges = platform::testing::ReadFileText(startup / "Zeta.ZP6");
    EXPECT_NE(ranges.find("K1A0AK1C9Z\r\n"), std::string::npos) << ranges;
    EXPECT_EQ(ranges.back(), '\x1A');
    storedBefore = platform::testing::ReadFileText(file);
    add("acme freight");  // asks 217; No keeps the stored one and writes nothing
    EXPECT_EQ(platform::testing::ReadFileText(file), storedBefore);
    EXPECT_EQ(WindowText(DialogItem(settings, id::ProfileCombo)), "Acme Freight");
    Choose(settings, "Zeta");
    Click(settings, id::Save);  // asks 153; No stays open
    EXPECT_EQ(NamesOf(settings), "Acme Freight|Default|Peach State Mills|Tijuana Traders|Zeta");
    // A file that may not be written: 129, nothing changed.
    storedBefore = platform::testing::ReadFileText(file);
    fs::permissions(file, fs::perms::owner_read);
    Click(settings, id::Save);
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(platform::testing::ReadFileText(file), storedBefore);
    Choose(settings, "Default");
    Click(settings, id::DeleteSetting);  // 139
    Choose(settings, "Zeta");
    Click(settings, id::DeleteSetting);  // asks 218; Yes
    EXPECT_EQ(NamesOf(settings), "Acme Freight|Default|Peach State Mills|Tijuana Traders");
    EXPECT_FALSE(fs::exists(startup / "Zeta.ZP6"));
    Click(settings, id::Cancel);
  }});
  std::vector<std::string> expected = {"Invalid Settings Name.",
                                       "Acme Freight exists already. Replace it?",
                                       "The setting is saved. Close the Settings window?",
                                       "Error Writing PRO file.",
                                       "The Default setting cannot be deleted.",
                                       "Delete setting Zeta?"};
  std::vector<std::string> shown = boxTexts();
  shown.resize(expected.size());  // then the question of Exit
  EXPECT_EQ(shown, expected);
}

}  // namespace
}  // namespace qiv
