// The rating screen's own commands: Exit with its question and the saved
// settings images, help on a field and the contents, the status text of a
// highlighted menu item, the language switch with its tips, and About.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

#include "dialogs/dialog_ids.h"
#include "image_files.h"
#include "platform/ui/controls/tool_tip.h"
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

void Command(WindowHandle screen, int command) { SendMessage(screen, msg::Command, CommandParam(command, 0)); }

std::string Tip(WindowHandle screen, int command) {
  tool_tip::ToolTipText ask;
  ask.header.id = command;
  ask.header.code = tool_tip::NeedText;
  SendMessage(screen, msg::Notify, static_cast<WParam>(command), reinterpret_cast<LParam>(&ask));
  return ask.text != nullptr ? ask.text : ask.buffer;
}

struct ExitCase {
  const char* name;
  bool mexico;
  bool spanishAtStart;
  bool switchLanguage;
  char savedSpanish;  // .MEF byte 2 as written, 0: no .MEF written
  std::string question;
};

TEST(ExitCommand, YesSavesTheSettingsImagesWithTheLanguageAndEndsWithCodeOne) {
  const std::vector<ExitCase> cases = {
      {"no Mexico option", false, false, false, 0, "Exit the rating program?"},
      {"Spanish kept", true, true, false, 'Y', "\xBFSalir del programa?"},
      {"switched to English", true, true, true, 'N', "Exit the rating program?"},
  };
  for (const ExitCase& c : cases) {
    SCOPED_TRACE(c.name);
    QivDataSet data;
    data.setMexicoOption(c.mexico);
    data.setText(fields::kSpanishAtStart, c.spanishAtStart ? "Y" : "N");
    data.setShort(fields::kCurrentProfileIndex, 0);
    QivRun run(data);
    if (c.switchLanguage) run.driver.onScreen([](WindowHandle screen) { Command(screen, command::Spanish); });
    run.driver.exitScreen();
    EXPECT_EQ(run.run(), 0);
    ASSERT_EQ(run.driver.boxes().size(), 1u);
    EXPECT_EQ(run.driver.boxes()[0].text, c.question);
    const std::string def = platform::testing::ReadFileText(data.work() / "TESTBASE.DEF");
    EXPECT_EQ(def.size(), 346u);
    const std::string mef = platform::testing::ReadFileText(data.work() / "TESTBASE.MEF");
    if (c.savedSpanish == 0) {
      EXPECT_TRUE(mef.empty());
    } else {
      ASSERT_EQ(mef.size(), 350u);
      EXPECT_EQ(mef[2], c.savedSpanish);
    }
  }
}

TEST(ExitCommand, NoKeepsTheScreenAndAFailedWriteIsReportedWhileClosingGoesOn) {
  QivDataSet data;
  data.texts->push_back({241, "Error creating DEF file.", "Error al crear el archivo DEF."});
  const std::string oldDef(346, 'x');
  std::ofstream(data.work() / "TESTBASE.DEF", std::ios::binary) << oldDef;
  QivRun run(data);
  run.driver.answerQuestions({false, true});
  run.driver.exitScreen();
  run.driver.onScreen([&](WindowHandle screen) {
    EXPECT_FALSE(IsDialogEnded(screen));  // No: still open
    ::chmod(data.work().c_str(), 0555);
    PostMessage(screen, msg::Command, CommandParam(command::Exit, 0));
  });
  const int code = run.run();
  ::chmod(data.work().c_str(), 0755);
  EXPECT_EQ(code, 0);
  ASSERT_EQ(run.driver.boxes().size(), 3u);
  EXPECT_EQ(run.driver.boxes()[2], (ShownBox{"Warning", "Error creating DEF file.", message_box::IconWarning}));
  EXPECT_EQ(platform::testing::ReadFileText(data.work() / "TESTBASE.DEF"), oldDef);
}

TEST(HelpCommands, FieldHelpOpensItsContextInTheScreensLanguageAndContentsTheContents) {
  QivDataSet data;
  data.setMexicoOption(true);
  data.setText(fields::kEnglishHelpFile, "QIVHELP.HLP");
  data.setText(fields::kSpanishHelpFile, "QIVAYUDA.HLP");
  QivRun run(data);
  run.driver.onScreen([](WindowHandle) { InjectKeyPress(key::F1); });
  run.driver.onScreen([](WindowHandle screen) {
    Command(screen, command::Spanish);
    SetFocus(DialogItem(screen, screen_id::OriginField));
    InjectKeyPress(key::F1);
  });
  run.driver.onScreen([](WindowHandle screen) {
    Command(screen, command::Contents);
    HelpInfo info;
    info.controlId = screen_id::Pounds;  // no context: the contents
    SendMessage(screen, msg::Help, 0, reinterpret_cast<LParam>(&info));
  });
  run.driver.cancelScreen();
  EXPECT_EQ(run.run(), 0);
  const std::string english = (data.data() / "QIVHELP.HLP").string();
  const std::string spanish = (data.data() / "QIVAYUDA.HLP").string();
  using Request = platform::desktop::RecordingHelp::Request;
  EXPECT_EQ(run.help.requests, (std::vector<Request>{{english, 50}, {spanish, 50}, {spanish, {}}, {spanish, {}}}));
}

TEST(StatusBar, TheHighlightedMenuItemsTextAndTheFocusedFieldsText) {
  QivDataSet data;
  QivRun run(data);
  std::vector<std::string> panes;
  run.driver.onScreen([&](WindowHandle) { InjectKeyPress(key::F10); });
  run.driver.onScreen([&](WindowHandle screen) {
    panes.push_back(testing::StatusPane(screen, 0));  // the Run menu highlighted
    InjectKeyPress(key::Enter);
  });
  run.driver.onScreen([&](WindowHandle screen) {
    panes.push_back(testing::StatusPane(screen, 0));  // Print Shipment highlighted
    InjectKeyPress(key::Escape);
    InjectKeyPress(key::Escape);
  });
  run.driver.onScreen([&](WindowHandle screen) { panes.push_back(testing::StatusPane(screen, 0)); });
  run.driver.cancelScreen();
  EXPECT_EQ(run.run(), 0);
  // A menu's own label is its status text; after the menu the focused
  // field's text comes back.
  EXPECT_EQ(panes, (std::vector<std::string>{"Run", "Print the rated shipment", "The origin's ZIP or postal code"}));
}

TEST(LanguageCommand, EitherCommandSwitchesAndRelabelsMenusTipsAndStatus) {
  QivDataSet data;
  data.setMexicoOption(true);
  QivRun run(data);
  run.driver.onScreen([](WindowHandle screen) {
    EXPECT_EQ(Tip(screen, command::English), "Spanish");
    EXPECT_EQ(Tip(screen, command::PrintShipment), "Print Shipment");
    EXPECT_TRUE(testing::MenuFlags(screen, command::English) & menu_flag::Checked);
    Command(screen, command::English);  // English while English: Spanish
    EXPECT_EQ(testing::MenuTitles(screen)[0], "Ejecutar");
    EXPECT_EQ(testing::MenuItemLabel(screen, command::PrintShipment), "Imprimir Env\xEDo");
    EXPECT_EQ(Tip(screen, command::English), "Ingl\xE9s");
    EXPECT_TRUE(testing::MenuFlags(screen, command::Spanish) & menu_flag::Checked);
    EXPECT_FALSE(testing::MenuFlags(screen, command::English) & menu_flag::Checked);
    EXPECT_FALSE(testing::ButtonChecked(screen, command::English));
    EXPECT_EQ(testing::TextOf(screen, screen_id::OriginLabel), "Origen:");
    EXPECT_EQ(testing::StatusPane(screen, 0),
              "El c\xF3"
              "digo postal de origen");
    Command(screen, command::Spanish);
    EXPECT_EQ(WindowText(screen), "QIV Freight Rating");
    EXPECT_TRUE(testing::ButtonChecked(screen, command::English));
  });
  run.driver.cancelScreen();
  EXPECT_EQ(run.run(), 0);
}

TEST(ConversionCalculatorCommand, OpensTheCalculatorOverTheScreen) {
  QivDataSet data;
  data.setText(fields::kConversionCalculatorOption, "Y");
  QivRun run(data);
  bool disabledBehind = false;
  run.driver.onScreen([](WindowHandle screen) { Command(screen, command::ConversionCalculator); });
  run.driver.onWindow("Conversion/Density Calculator", [&](WindowHandle calculator) {
    disabledBehind = OwnerWindow(calculator) != nullptr && !IsWindowEnabled(OwnerWindow(calculator));
    InjectKeyPress(key::Escape);
  });
  run.driver.cancelScreen();
  EXPECT_EQ(run.run(), 0);
  EXPECT_TRUE(disabledBehind);
  EXPECT_EQ(run.driver.seen().size(), 3u) << testing::SeenWindows(run.driver);
}

TEST(AboutCommand, ShowsTheLanguagesAboutLinesAndTheSettingsIcon) {
  QivDataSet data;
  data.setMexicoOption(true);
  data.setText(fields::kSpanishAtStart, "Y");
  data.setText(fields::kIconFileRoom, "qiv.ico");
  data.write("QIV.ICO", testing::IconFile(32, 0x2040A0));
  std::string about(92 * 3, ' ');
  about.replace(0, 10, "QIV 2.0   ");
  about.replace(92 * 2, 14, "Carrier Inc.\r\n");
  data.write("aboutsp.fil", about.substr(0, 92 * 2 + 20));  // a short file
  QivRun run(data);
  run.driver.onScreen([](WindowHandle screen) { PostMessage(screen, msg::Command, CommandParam(command::About, 0)); });
  run.driver.onWindow("About", [](WindowHandle box) {
    EXPECT_EQ(DialogItemText(box, 4220), "QIV 2.0");
    EXPECT_FALSE(IsWindowVisible(DialogItem(box, 4221)));
    EXPECT_EQ(DialogItemText(box, 4222), "Carrier Inc.");
    EXPECT_FALSE(IsWindowVisible(DialogItem(box, 4239)));
    const WindowHandle icon = DialogItem(box, control_id::AboutIcon);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(WindowRectInParent(icon), (Rect{32, 22, 64, 54}));
    SendMessage(box, msg::Command, CommandParam(control_id::AboutOk, 0));
  });
  run.driver.cancelScreen();
  EXPECT_EQ(run.run(), 0);
}

TEST(LicenseCommand, ShowsTheLanguagesLicenceOrTheEnglishOneAndIsGoneWithoutEither) {
  struct Case {
    const char* name;
    bool english, spanish, spanishScreen;
    bool offered;
    std::string shown;
  };
  const std::vector<Case> cases = {
      {"English screen", true, true, false, true, "The licence."},
      {"Spanish screen", true, true, true, true, "La licencia."},
      {"Spanish screen without the Spanish text", true, false, true, true, "The licence."},
      {"no licence", false, true, false, false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QivDataSet data;
    data.setMexicoOption(true);
    data.setText(fields::kSpanishAtStart, c.spanishScreen ? "Y" : "N");
    // An unbalanced group is read as far as it goes.
    if (c.english) data.write("LICENSE.RTF", "{\\rtf1\\ansi The {\\b licence}.");
    if (c.spanish) data.write("SLICENSE.RTF", "{\\rtf1\\ansi La licencia.}");
    QivRun run(data);
    std::string shown;
    run.driver.onScreen([&](WindowHandle screen) {
      EXPECT_EQ(testing::MenuFlags(screen, command::LicenseAgreement) != ~0u, c.offered);
      if (c.offered) PostMessage(screen, msg::Command, CommandParam(command::LicenseAgreement, 0));
    });
    if (c.offered)
      run.driver.onWindow("License Agreement", [&](WindowHandle licence) {
        shown = DialogItemText(licence, control_id::LicenseText);
        SendMessage(licence, msg::Command, CommandParam(command_id::Ok, 0));
      });
    run.driver.cancelScreen();
    EXPECT_EQ(run.run(), 0);
    EXPECT_EQ(shown, c.shown);
  }
}

}  // namespace
}  // namespace qiv
