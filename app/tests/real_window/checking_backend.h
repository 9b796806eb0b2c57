// The desktop checks of the program: a backend that runs the program's loop
// as the SDL backend does and the check's steps whenever the window a step
// waits for (the rating screen, or a window named by its caption) is shown,
// active and waiting; and the photograph of a window, kept as a PNG, with
// its face in the button-face grey of the classic look.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <utility>

#include "platform/testing/temp_directory.h"
#include "platform/ui/sdl/sdl_backend.h"
#include "platform/ui/types.h"

namespace qiv::real_window {

class CheckingBackend : public platform::ui::sdl::SdlBackend {
 public:
  using Step = std::function<bool(platform::ui::WindowHandle window)>;  // false: the check failed
  // A step for the rating screen (no caption) or for the active window
  // with the caption.
  void then(Step step, std::string caption = {}) { steps_.push_back({std::move(caption), std::move(step), {}}); }
  // A step for the rating screen once the condition holds too (a menu the
  // program has opened in its own loop, say).
  void thenWhen(std::function<bool()> ready, Step step) { steps_.push_back({{}, std::move(step), std::move(ready)}); }
  bool failed() const { return failed_; }

  bool waitForInput(std::optional<std::uint64_t> deadline) override;

 private:
  struct Scheduled {
    std::string caption;
    Step step;
    std::function<bool()> ready;  // none: as soon as the window waits
  };
  std::deque<Scheduled> steps_;
  bool inStep_ = false;
  bool failed_ = false;
};

// What a check starts with: the artifacts folder its one argument names,
// the backend installed (until the check goes), and a copy of the sample
// data set in root()/ZQDATA.
class DesktopCheck {
 public:
  DesktopCheck(int argc, char** argv);
  ~DesktopCheck();
  DesktopCheck(const DesktopCheck&) = delete;
  DesktopCheck& operator=(const DesktopCheck&) = delete;
  // 0 when the check can run, else its exit code (after a message).
  int startFailure() const { return startFailure_; }
  CheckingBackend& backend() { return backend_; }
  const std::string& artifacts() const { return artifacts_; }
  const platform::testing::TempDirectory& root() const { return root_; }

 private:
  CheckingBackend backend_;
  std::string artifacts_;
  platform::testing::TempDirectory root_;
  int startFailure_ = 0;
};

// Reports the failure; false.
bool Failed(const std::string& what);

// The window's picture on the desktop, kept as <artifacts>/<name>.png; its
// face grey at the point that far from its client area's bottom right.
bool Photograph(CheckingBackend& backend, platform::ui::WindowHandle window, const std::string& artifacts,
                const std::string& name, platform::ui::Point faceFromCorner = {20, 60});

}  // namespace qiv::real_window
