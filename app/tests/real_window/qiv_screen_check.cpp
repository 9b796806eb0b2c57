// The program in a real window on a desktop (a desktop session under
// xvfb-run): a shipment typed through the desktop's key events and rated
// (New York to Chicago, two lines), the rating screen shown in English, the
// Conversion/Density
// Calculator opened over it with two pieces in its list, the language button
// clicked through the desktop's pointer, the screen then in Spanish, its
// View menu opened with the pointer (Display Rates/Alternation offered); a
// screenshot of each kept in the artifacts folder, and each window's face in
// the button-face grey of the classic look.
//
//   qiv_screen_check <artifacts>      exit code 0 when all holds
//
// The program runs on a copy of the sample data set with its libraries.
#include <array>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>

#include "checking_backend.h"
#include "platform/desktop/recording_services.h"
#include "platform/testing/temp_directory.h"
#include "platform/ui/color.h"
#include "platform/ui/controls/combo_box.h"
#include "platform/ui/controls/toolbar.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/keys.h"
#include "platform/ui/menu.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/sdl/sdl_backend.h"
#include "platform/ui/window.h"
#include "real_window_check.h"
#include "screen/screen_ids.h"
#include "shell/qiv_program.h"

using namespace platform::ui;
using namespace platform::ui::real_window;
using namespace qiv::real_window;

int main(int argc, char** argv) {
  DesktopCheck check(argc, argv);
  if (check.startFailure() != 0) return check.startFailure();
  CheckingBackend& backend = check.backend();
  const std::string& artifacts = check.artifacts();
  const platform::testing::TempDirectory& root = check.root();

  std::filesystem::create_directories(root / "RELEASE");
  std::filesystem::create_directories(root / "WORK");

  // The shipment, key by key: origin, destination, two lines.
  backend.then([&](WindowHandle screen) {
    // The "Default" profile: no discounts, the rating tool's figures.
    const WindowHandle profiles = DialogItem(screen, qiv::screen_id::ProfileCombo);
    SendMessage(profiles, combo_box::SetCurrentSelection,
                static_cast<WParam>(SendMessage(profiles, combo_box::FindStringExact, static_cast<WParam>(-1),
                                                reinterpret_cast<LParam>("Default"))));
    SendMessage(screen, msg::Command, CommandParam(qiv::screen_id::ProfileCombo, combo_box::SelectionChange),
                HandleToParam(profiles));
    SetFocus(DialogItem(screen, qiv::screen_id::OriginField));
    for (const char* entry : {"10001", "60601", "85", "1200", "125", "350"}) {
      for (const char* c = entry; *c != '\0'; ++c) {
        backend.queueKeyEvent(screen, static_cast<VirtualKey>(*c), true);
        backend.queueTextEvent(screen, std::string(1, *c));
        backend.queueKeyEvent(screen, static_cast<VirtualKey>(*c), false);
      }
      backend.queueKeyEvent(screen, key::Tab, true);
      backend.queueKeyEvent(screen, key::Tab, false);
    }
    return Await(
        backend, [&] { return DialogItemText(screen, qiv::screen_id::TotalChargesValue) == "$748.81"; },
        "the total of the typed shipment");
  });
  std::string english;
  backend.then([&](WindowHandle screen) {
    english = WindowText(screen);
    if (!Photograph(backend, screen, artifacts, "qiv-screen-english")) return false;
    PostMessage(screen, msg::Command, CommandParam(qiv::command::ConversionCalculator, 0));
    return true;
  });
  backend.then(
      [&](WindowHandle calculator) {
        // Two pieces, 100 Lbs. of 48 x 40 x 40 In. and 10 Lbs. of 30 x 20 x 20 In.
        for (const auto& piece : {std::array<const char*, 4>{"100", "48", "40", "40"},
                                  std::array<const char*, 4>{"10", "30", "20", "20"}}) {
          int field = 0;
          for (int id : {2212, 2214, 2216, 2215}) SetDialogItemText(calculator, id, piece[field++]);
          SendMessage(calculator, msg::Command, CommandParam(2224, 0));
        }
        if (!Photograph(backend, calculator, artifacts, "qiv-density-calculator", {4, 4})) return false;
        PostMessage(calculator, msg::Command, CommandParam(command_id::Cancel, 0));
        return true;
      },
      "Conversion/Density Calculator");
  backend.then([&](WindowHandle screen) {
    // The language button, clicked where the desktop shows it.
    const WindowHandle toolbar = DialogItem(screen, qiv::screen_id::Toolbar);
    const auto index = SendMessage(toolbar, toolbar::CommandToIndex, qiv::command::English);
    Rect button;
    if (index < 0 ||
        !SendMessage(toolbar, toolbar::GetItemRect, static_cast<WParam>(index), reinterpret_cast<LParam>(&button)))
      return Failed("the language button is not on the toolbar");
    const Point center = ClientToScreen(toolbar, {(button.left + button.right) / 2, (button.top + button.bottom) / 2});
    if (!backend.queueClick(screen, center)) return Failed("the click could not be sent");
    return Await(
        backend, [&] { return WindowText(screen) != english; }, "the screen's Spanish title");
  });
  backend.then([&](WindowHandle screen) {
    if (!Photograph(backend, screen, artifacts, "qiv-screen-spanish")) return false;
    // The figures stay as they were.
    if (DialogItemText(screen, qiv::screen_id::TotalChargesValue) != "$748.81")
      return Failed("the total changed in Spanish");
    // The View menu, opened with the desktop's pointer: the next step runs
    // inside the menu's own loop once the pop-up is open.
    const Rect view = MenuBarItemRect(screen, 2);
    return backend.queueClick(screen, {(view.left + view.right) / 2, (view.top + view.bottom) / 2}) ||
           Failed("the click could not be sent");
  });
  backend.thenWhen(
      [] { return CurrentMenuTracking().popupOpen; },
      [&](WindowHandle screen) {
        if (!Photograph(backend, screen, artifacts, "qiv-view-menu")) return false;
        // The rated route offers its rates.
        if (MenuItemFlags(GetMenu(screen), qiv::command::DisplayRates, MenuLookup::ByCommand) & menu_flag::Grayed)
          return Failed("Display Rates/Alternation is grayed over a rated route");
        // Esc twice closes the pop-up, then the menu, once this step returns.
        for (int press = 0; press < 2; ++press) {
          backend.queueKeyEvent(screen, key::Escape, true);
          backend.queueKeyEvent(screen, key::Escape, false);
        }
        return true;
      });
  backend.then([&](WindowHandle screen) {
    PostMessage(screen, msg::Command, CommandParam(command_id::Cancel, 0));
    return true;
  });

  platform::desktop::RecordingHelp help;
  platform::desktop::RecordingOpener opener;
  qiv::QivEnvironment environment;
  environment.programPath = (root / "RELEASE" / "qiv").string();
  environment.help = &help;
  environment.opener = &opener;
  std::filesystem::current_path(root / "WORK");
  const int code = qiv::RunQiv(environment);
  if (backend.failed()) return 1;
  if (code != 0) return Fail("the program ended with " + std::to_string(code));
  std::printf("qiv screen check: the screen shown as \"%s\", then in Spanish\n", english.c_str());
  return 0;
}
