// Drives the program headless as a user would: a backend that, whenever the
// program waits for input, answers the message box or question that is
// open (recording what it said), or else, once the rating screen is the
// active window, runs the test's next step; with nothing to do it lets the
// virtual clock run to the next timer, as the headless backend does.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/ui/headless.h"
#include "platform/ui/types.h"

namespace qiv::testing {

struct ShownBox {
  std::string caption;
  std::string text;
  unsigned icon = 0;      // message_box icon bits; 0 for the question dialog
  bool question = false;  // the program's own Yes/No question (dialog 3143)
  std::string yes = {};   // the question's button labels
  std::string no = {};
  friend bool operator==(const ShownBox&, const ShownBox&) = default;
  friend std::ostream& operator<<(std::ostream& out, const ShownBox& box) {
    return out << (box.question ? "question " : "box ") << '"' << box.caption << "\": \"" << box.text << "\" icon "
               << box.icon << ' ' << box.yes << '/' << box.no;
  }
};

class ScreenDriver : public platform::ui::HeadlessBackend {
 public:
  // Rendering: fonts measure as the cairo backend draws them (for images
  // and layout checks), else the headless backend's fixed metrics.
  explicit ScreenDriver(bool rendering = false);
  ~ScreenDriver() override;
  ScreenDriver(const ScreenDriver&) = delete;
  ScreenDriver& operator=(const ScreenDriver&) = delete;

  bool waitForInput(std::optional<std::uint64_t> deadline) override;
  platform::ui::FontMetrics measureFont(const platform::ui::FontSpec& spec) override;
  int measureTextWidth(const platform::ui::FontSpec& spec, std::string_view text) override;

  // The answers to questions, in order (true: Yes); a question with no
  // answer left is answered Yes. Message boxes are answered with Enter.
  void answerQuestions(std::vector<bool> answers) { answers_.assign(answers.begin(), answers.end()); }
  using Step = std::function<void(platform::ui::WindowHandle window)>;
  // Whenever the Level of Rates dialog opens, its selected level is chosen.
  void chooseLevels() { chooseLevels_ = true; }
  // A step to run on the ready screen (the main window active and enabled).
  void onScreen(Step step) { steps_.push_back({nullptr, std::move(step)}); }
  // A step to run once the active window has the caption (or one that
  // begins with the prefix).
  void onWindow(std::string caption, Step step);
  void onWindowCaptionStarting(std::string prefix, Step step);
  // Any other window that opens while no step waits for it is closed with
  // Cancel (the windows seen still list it).
  void cancelOtherWindows() { cancelOthers_ = true; }
  // Steps that close the screen: Cancel, or the Exit command.
  void cancelScreen();
  void exitScreen();

  const std::vector<ShownBox>& boxes() const { return boxes_; }
  // The active windows the program waited in, by caption, with the
  // clock's time when each was first seen (a window seen again is not
  // listed again while it stays active).
  struct Seen {
    std::string caption;
    std::uint64_t time;
  };
  const std::vector<Seen>& seen() const { return seen_; }

 private:
  bool answerOpenBox();
  std::deque<bool> answers_;
  bool chooseLevels_ = false;
  bool cancelOthers_ = false;
  struct Scheduled {
    std::function<bool(platform::ui::WindowHandle active)> ready;  // null: the ready screen
    Step step;
  };
  std::deque<Scheduled> steps_;
  std::vector<ShownBox> boxes_;
  std::vector<Seen> seen_;
  platform::ui::WindowHandle lastActive_ = nullptr;
  bool rendering_;
  platform::ui::Backend* previous_;
};

// The windows the driver saw, one a line, for failure messages.
std::string SeenWindows(const ScreenDriver& driver);

// The program's stand-in Ratekit32 and its engine and service guide report
// here: one line per call, "freed <library>" when a library is unloaded.
std::vector<std::string>& StandInCalls();

}  // namespace qiv::testing
