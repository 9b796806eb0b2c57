#include "screen_driver.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/ui/backend.h"
#include "platform/ui/cairo/image_surface.h"
#include "platform/ui/controls/static_control.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/input.h"
#include "platform/ui/keys.h"
#include "platform/ui/message_box.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/window.h"

extern "C" __attribute__((visibility("default"))) void QivStandInRecord(const char* event) {
  qiv::testing::StandInCalls().push_back(event);
}

namespace qiv::testing {

using namespace platform::ui;

namespace {
constexpr std::uint64_t kGiveUpAfter = 10 * 60 * 1000;
constexpr int kQuestionText = 4924;
constexpr int kLevelList = 4764;
constexpr int kLevelSelect = 4762;
constexpr int kQuestionYes = 4921;
constexpr int kQuestionNo = 4922;
}  // namespace

std::string SeenWindows(const ScreenDriver& driver) {
  std::string seen = "\nwindows seen:";
  for (const ScreenDriver::Seen& window : driver.seen())
    seen += "\n  \"" + window.caption + "\" at " + std::to_string(window.time);
  for (const ShownBox& box : driver.boxes()) seen += "\n  box \"" + box.caption + "\": " + box.text;
  return seen;
}

std::vector<std::string>& StandInCalls() {
  static std::vector<std::string> calls;
  return calls;
}

ScreenDriver::ScreenDriver(bool rendering) : rendering_(rendering), previous_(InstallBackend(this)) {}

FontMetrics ScreenDriver::measureFont(const FontSpec& spec) {
  return rendering_ ? cairo::MeasureFontWithPango(spec) : HeadlessBackend::measureFont(spec);
}

int ScreenDriver::measureTextWidth(const FontSpec& spec, std::string_view text) {
  return rendering_ ? cairo::MeasureTextWithPango(spec, text) : HeadlessBackend::measureTextWidth(spec, text);
}

ScreenDriver::~ScreenDriver() { InstallBackend(previous_); }

bool ScreenDriver::answerOpenBox() {
  const WindowHandle active = GetActiveWindow();
  if (active == nullptr || IsDialogEnded(active) || active == ApplicationMainWindow()) return false;
  if (const WindowHandle text = DialogItem(active, message_box::kTextId)) {
    const auto icon =
        static_cast<unsigned>(SendDialogItemMessage(active, message_box::kIconId, static_control::GetImage));
    boxes_.push_back({WindowText(active), WindowText(text), icon, false});
    InjectKeyPress(key::Enter);
    return true;
  }
  if (DialogItem(active, kQuestionText) != nullptr && DialogItem(active, kQuestionYes) != nullptr) {
    boxes_.push_back({WindowText(active), DialogItemText(active, kQuestionText), 0, true,
                      DialogItemText(active, kQuestionYes), DialogItemText(active, kQuestionNo)});
    const bool yes = answers_.empty() ? true : answers_.front();
    if (!answers_.empty()) answers_.pop_front();
    SendMessage(active, msg::Command, CommandParam(yes ? kQuestionYes : kQuestionNo, 0),
                HandleToParam(DialogItem(active, yes ? kQuestionYes : kQuestionNo)));
    return true;
  }
  return false;
}

bool ScreenDriver::waitForInput(std::optional<std::uint64_t> deadline) {
  const WindowHandle active = GetActiveWindow();
  if (active != lastActive_ && active != nullptr) seen_.push_back({WindowText(active), now()});
  lastActive_ = active;
  if (answerOpenBox()) return true;
  if (chooseLevels_ && active != nullptr && !IsDialogEnded(active) && DialogItem(active, kLevelList) != nullptr) {
    SendMessage(active, msg::Command, CommandParam(kLevelSelect, 0));
    return true;
  }
  if (!steps_.empty()) {
    const Scheduled& next = steps_.front();
    const WindowHandle screen = ApplicationMainWindow();
    const WindowHandle target = next.ready ? active : screen;
    const bool ready = next.ready
                           ? active != nullptr && !IsDialogEnded(active) && next.ready(active)
                           : screen != nullptr && active == screen && IsWindowEnabled(screen) && !IsDialogEnded(screen);
    if (ready) {
      Step step = std::move(steps_.front().step);
      steps_.pop_front();
      step(target);
      return true;
    }
  }
  if (cancelOthers_ && active != nullptr && active != ApplicationMainWindow() && !IsDialogEnded(active) &&
      IsWindowEnabled(active)) {
    SendMessage(active, msg::Command, CommandParam(command_id::Cancel, 0));
    return true;
  }
  // A run that waits on and on (ten virtual minutes) for its next step is
  // stopped and reported rather than left to spin.
  if (!steps_.empty() && now() > kGiveUpAfter) {
    ADD_FAILURE() << "the program waited in \"" << WindowText(active) << "\" and never came to the next step";
    steps_.clear();
    return false;
  }
  return HeadlessBackend::waitForInput(deadline);
}

void ScreenDriver::onWindow(std::string caption, Step step) {
  steps_.push_back({[caption](WindowHandle active) { return WindowText(active) == caption; }, std::move(step)});
}

void ScreenDriver::onWindowCaptionStarting(std::string prefix, Step step) {
  steps_.push_back({[prefix](WindowHandle active) { return WindowText(active).starts_with(prefix); }, std::move(step)});
}

void ScreenDriver::cancelScreen() {
  onScreen([](WindowHandle screen) { SendMessage(screen, msg::Command, CommandParam(command_id::Cancel, 0)); });
}

void ScreenDriver::exitScreen() {
  onScreen([](WindowHandle screen) { PostMessage(screen, msg::Command, CommandParam(32775, 0)); });
}

}  // namespace qiv::testing
