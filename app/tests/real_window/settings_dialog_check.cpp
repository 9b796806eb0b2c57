// The Settings dialog in a real window on a desktop (a desktop session
// under xvfb-run), opened by the Settings command of the program on a copy
// of the sample data set: the option page, the discount overview, the
// percentage and range views of a profile with range entries, the FAK page
// and adding mode, each photographed into the artifacts folder.
//
//   settings_dialog_check <artifacts>      exit code 0 when all holds
#include <cstdio>
#include <filesystem>
#include <string>

#include "checking_backend.h"
#include "platform/desktop/recording_services.h"
#include "platform/testing/temp_directory.h"
#include "platform/ui/controls/combo_box.h"
#include "platform/ui/controls/property_sheet.h"
#include "platform/ui/dialog.h"
#include "platform/ui/window.h"
#include "real_window_check.h"
#include "screen/screen_ids.h"
#include "settings/settings_dialog.h"
#include "settings/settings_ids.h"
#include "shell/qiv_program.h"

using namespace platform::ui;
using namespace platform::ui::real_window;
using namespace qiv::real_window;
namespace id = qiv::settings_id;

namespace {

WindowHandle Page(WindowHandle settings, int index) {
  const WindowHandle sheet = DialogItem(settings, id::Sheet);
  SendMessage(sheet, property_sheet::SetCurrentPage, static_cast<WParam>(index));
  return reinterpret_cast<WindowHandle>(SendMessage(sheet, property_sheet::GetPageWindow, static_cast<WParam>(index)));
}

void Click(WindowHandle dialog, int control) { SendMessage(dialog, msg::Command, CommandParam(control, 0)); }

}  // namespace

int main(int argc, char** argv) {
  DesktopCheck check(argc, argv);
  if (check.startFailure() != 0) return check.startFailure();
  CheckingBackend& backend = check.backend();
  const std::string& artifacts = check.artifacts();
  const platform::testing::TempDirectory& root = check.root();
  std::filesystem::create_directories(root / "RELEASE");
  std::filesystem::create_directories(root / "WORK");

  backend.then([&](WindowHandle screen) {
    PostMessage(screen, msg::Command, CommandParam(qiv::command::Settings, 0));
    return true;
  });
  backend.then(
      [&](WindowHandle settings) {
        if (DialogItem(settings, id::Sheet) == nullptr) return Failed("the sheet is missing");
        if (!Photograph(backend, settings, artifacts, "settings-desktop-options")) return false;
        const WindowHandle combo = DialogItem(settings, id::ProfileCombo);
        SendMessage(combo, combo_box::SetCurrentSelection,
                    static_cast<WParam>(SendMessage(combo, combo_box::FindStringExact, static_cast<WParam>(-1),
                                                    reinterpret_cast<LParam>("Peach State Mills"))));
        SendMessage(settings, msg::Command, CommandParam(id::ProfileCombo, combo_box::SelectionChange),
                    reinterpret_cast<LParam>(combo));
        const WindowHandle discounts = Page(settings, 1);
        if (!Photograph(backend, settings, artifacts, "settings-desktop-discounts")) return false;
        Click(discounts, id::EditPercentages);
        if (!Photograph(backend, settings, artifacts, "settings-desktop-percentages")) return false;
        Click(discounts, id::Close);
        Click(discounts, id::EditRanges);
        if (!Photograph(backend, settings, artifacts, "settings-desktop-ranges")) return false;
        Click(discounts, id::CancelView);
        Page(settings, 2);
        if (!Photograph(backend, settings, artifacts, "settings-desktop-fak")) return false;
        Click(settings, id::AddSetting);
        if (!Photograph(backend, settings, artifacts, "settings-desktop-adding")) return false;
        Click(settings, id::Cancel);
        PostMessage(settings, msg::Command, CommandParam(id::Cancel, 0));
        return true;
      },
      "Settings");
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
  environment.settingsDialog = qiv::RunSettings;
  std::filesystem::current_path(root / "WORK");
  const int code = qiv::RunQiv(environment);
  if (backend.failed()) return 1;
  if (code != 0) return Fail("the program ended with " + std::to_string(code));
  std::printf("settings dialog check: six views photographed\n");
  return 0;
}
