// The program in a real window on a desktop (a desktop session under
// xvfb-run): a shipment typed through the desktop's key events and rated
// (New York to Chicago, two lines), the rating screen shown in English, the
// language button
// clicked through the desktop's pointer, the screen then in Spanish; a
// screenshot of each kept in the artifacts folder, and the screen's face in
// the button-face grey of the classic look.
//
//   qiv_screen_check <artifacts>      exit code 0 when all holds
//
// The program runs on a copy of the sample data set with its libraries.
#include <cstdio>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/desktop/recording_services.h"
#include "platform/testing/temp_directory.h"
#include "platform/ui/color.h"
#include "platform/ui/controls/combo_box.h"
#include "platform/ui/controls/toolbar.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/keys.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/sdl/sdl_backend.h"
#include "platform/ui/window.h"
#include "real_window_check.h"
#include "screen/screen_ids.h"
#include "shell/qiv_program.h"

namespace {

using namespace platform::ui;
using namespace platform::ui::real_window;

// Runs the program's loop as the SDL backend does, and the check's steps
// whenever the rating screen is shown, active and waiting.
class CheckingBackend : public sdl::SdlBackend {
 public:
  using Step = std::function<bool(WindowHandle screen)>;  // false: the check failed
  void then(Step step) { steps_.push_back(std::move(step)); }
  bool failed() const { return failed_; }

  bool waitForInput(std::optional<std::uint64_t> deadline) override {
    const bool answered = SdlBackend::waitForInput(deadline ? std::min(*deadline, now() + 50) : now() + 50);
    const WindowHandle screen = ApplicationMainWindow();
    if (inStep_ || steps_.empty() || screen == nullptr || !isShown(screen) || GetActiveWindow() != screen)
      return answered;
    inStep_ = true;
    Step step = std::move(steps_.front());
    steps_.pop_front();
    if (!step(screen)) {
      failed_ = true;
      steps_.clear();
      PostMessage(screen, msg::Command, CommandParam(command_id::Cancel, 0));
    }
    inStep_ = false;
    return true;
  }

 private:
  std::deque<Step> steps_;
  bool inStep_ = false;
  bool failed_ = false;
};

bool Failed(const std::string& what) {
  Fail(what);
  return false;
}

// The screen's picture on the desktop, kept as a PNG; its face grey.
bool Photograph(CheckingBackend& backend, WindowHandle screen, const std::string& artifacts, const std::string& name) {
  Settle(backend, 300);
  const std::optional<Screenshot> shot = Screenshot::Take(backend, artifacts + "/" + name + ".xwd");
  if (!shot) return false;
  if (!shot->savePng(artifacts + "/" + name + ".png", WindowRect(screen)))
    return Failed("the screenshot was not saved");
  const Rect client = ClientRect(screen);
  const Point face = ClientToScreen(screen, {client.right - 20, client.bottom - 60});
  if (shot->pixel(face.x, face.y) != GetSystemColor(SystemColor::ButtonFace))
    return Failed(name + ": the face is not grey");
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <artifacts>\n", argv[0]);
    return 2;
  }
  const std::string artifacts = argv[1];
  std::filesystem::create_directories(artifacts);
  CheckingBackend backend;
  if (!backend.ok()) return Fail("no display: " + backend.error());
  InstallBackend(&backend);

  platform::testing::TempDirectory root;
  std::filesystem::copy(QIV_DATA_DIR, root / "ZQDATA", std::filesystem::copy_options::recursive);
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
  InstallBackend(nullptr);
  if (backend.failed()) return 1;
  if (code != 0) return Fail("the program ended with " + std::to_string(code));
  std::printf("qiv screen check: the screen shown as \"%s\", then in Spanish\n", english.c_str());
  return 0;
}
