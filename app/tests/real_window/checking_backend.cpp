#include "checking_backend.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "platform/ui/color.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/window.h"
#include "real_window_check.h"

namespace qiv::real_window {

using namespace platform::ui;
using namespace platform::ui::real_window;

bool CheckingBackend::waitForInput(std::optional<std::uint64_t> deadline) {
  const bool answered = SdlBackend::waitForInput(deadline ? std::min(*deadline, now() + 50) : now() + 50);
  if (inStep_ || steps_.empty()) return answered;
  const WindowHandle screen = ApplicationMainWindow();
  const WindowHandle active = GetActiveWindow();
  const std::string& caption = steps_.front().caption;
  const WindowHandle awaited = caption.empty() ? screen : active;
  if (awaited == nullptr || active != awaited || !isShown(awaited) ||
      (!caption.empty() && WindowText(active) != caption))
    return answered;
  if (steps_.front().ready && !steps_.front().ready()) return answered;
  inStep_ = true;
  Step step = std::move(steps_.front().step);
  steps_.pop_front();
  if (!step(active)) {
    failed_ = true;
    steps_.clear();
    PostMessage(active, msg::Command, CommandParam(command_id::Cancel, 0));
    if (screen != nullptr && screen != active) PostMessage(screen, msg::Command, CommandParam(command_id::Cancel, 0));
  }
  inStep_ = false;
  return true;
}

DesktopCheck::DesktopCheck(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <artifacts>\n", argv[0]);
    startFailure_ = 2;
    return;
  }
  artifacts_ = argv[1];
  std::filesystem::create_directories(artifacts_);
  if (!backend_.ok()) {
    startFailure_ = Fail("no display: " + backend_.error());
    return;
  }
  InstallBackend(&backend_);
  std::filesystem::copy(QIV_DATA_DIR, root_ / "ZQDATA", std::filesystem::copy_options::recursive);
}

DesktopCheck::~DesktopCheck() {
  if (startFailure_ == 0) InstallBackend(nullptr);
}

bool Failed(const std::string& what) {
  Fail(what);
  return false;
}

bool Photograph(CheckingBackend& backend, WindowHandle window, const std::string& artifacts, const std::string& name,
                Point faceFromCorner) {
  Settle(backend, 300);
  const std::optional<Screenshot> shot = Screenshot::Take(backend, artifacts + "/" + name + ".xwd");
  if (!shot) return false;
  if (!shot->savePng(artifacts + "/" + name + ".png", WindowRect(window)))
    return Failed(name + ": the screenshot was not saved");
  const Rect client = ClientRect(window);
  const Point face = ClientToScreen(window, {client.right - faceFromCorner.x, client.bottom - faceFromCorner.y});
  if (shot->pixel(face.x, face.y) != GetSystemColor(SystemColor::ButtonFace))
    return Failed(name + ": the face is not grey");
  return true;
}

}  // namespace qiv::real_window
