// The headless backend: a virtual clock (and a fixed today, 5 March 2026,
// until a test sets another) and scripted idle steps. When a
// message loop runs out of work it runs the next scripted step (which
// usually injects input through input.h); with no step left it moves the
// clock to the next timer; with no timer either it reports that nothing can
// happen any more, which ends the loop as a quit would (and is recorded, so
// that a test can fail on it instead of hanging).
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include "platform/ui/backend.h"

namespace platform::ui {

class HeadlessBackend : public Backend {
 public:
  std::uint64_t now() override { return clock_; }
  CalendarDate today() override { return today_; }
  bool waitForInput(std::optional<std::uint64_t> deadline) override;
  void beep(int type) override { beeps_.push_back(type); }
  int systemMetric(SystemMetric metric) override { return HeadlessSystemMetricAtDpi(metric, dpi_); }
  bool typesCharacters() override { return typesCharacters_; }

  void advanceClock(std::uint64_t milliseconds) { clock_ += milliseconds; }
  void setToday(const CalendarDate& date) { today_ = date; }
  // The screen's logical pixels per inch: 96 unless a test sets another.
  // Fonts made after the change follow it (the default font at once).
  void setScreenDpi(int dpi) { dpi_ = dpi; }
  // Characters come as a desktop's keyboard layout gives them
  // (InjectCharacter), as with a real-window backend.
  void setTypesCharacters(bool on) { typesCharacters_ = on; }
  // Adds a step to run the next time a loop is idle.
  void whenIdle(std::function<void()> step) { steps_.push_back(std::move(step)); }
  std::size_t pendingSteps() const { return steps_.size(); }

  const std::vector<int>& beeps() const { return beeps_; }
  void clearBeeps() { beeps_.clear(); }
  // A loop waited with nothing scripted and no timer set.
  bool starved() const { return starved_; }

 private:
  std::uint64_t clock_ = 1000;
  CalendarDate today_{2026, 3, 5};
  int dpi_ = 96;
  bool typesCharacters_ = false;
  std::deque<std::function<void()>> steps_;
  std::vector<int> beeps_;
  bool starved_ = false;
};

// Installs a headless backend for the life of the object (tests).
class ScopedHeadlessBackend : public HeadlessBackend {
 public:
  ScopedHeadlessBackend() : previous_(InstallBackend(this)) {}
  ~ScopedHeadlessBackend() override { InstallBackend(previous_); }
  ScopedHeadlessBackend(const ScopedHeadlessBackend&) = delete;
  ScopedHeadlessBackend& operator=(const ScopedHeadlessBackend&) = delete;

 private:
  Backend* previous_;
};

}  // namespace platform::ui
