// Test support: Rowpane32 loaded by name as a program loads it, a parent
// window that owns its rows and answers the control's requests, and views
// of what the control shows.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/kernel/module_loader.h"
#include "platform/ui/headless.h"
#include "platform/ui/window.h"
#include "rowpane/rowpane.h"

namespace rowpane::testing {

using platform::ui::LParam;
using platform::ui::LResult;
using platform::ui::MessageId;
using platform::ui::WindowHandle;
using platform::ui::WParam;

// Loads Rowpane32 from the built data directory (the process keeps it).
const platform::Module& LoadRowpaneLibrary();

// Rows the parent owns: sorted texts "ROW000000", "ROW000001", ...; the row
// at index i has the data value i * 10 + 7, so that data and index differ.
struct ParentOptions {
  int rows = 100000;
  bool countKnown = true;  // false: the parent cannot count (data mode)
  bool answers = true;     // false: the parent answers nothing at all
  bool nullTexts = false;  // rows answered with a null text pointer
  int countAnswer = -3;    // other than -3: the count answered instead
};

inline int DataOf(int index) { return index * 10 + 7; }
std::string TextOf(int index);

struct Notice {
  MessageId message;
  WParam wParam;
  LParam lParam;
};

class Parent {
 public:
  explicit Parent(ParentOptions options = {});
  ~Parent();
  Parent(const Parent&) = delete;
  Parent& operator=(const Parent&) = delete;

  // Creates a control of the given own style bits at (10, 10), size
  // width x height (client area; no border), and initialises it unless
  // told not to.
  WindowHandle createControl(platform::ui::StyleBits ownStyle = 0, int height = 130, bool initialize = true,
                             int width = 200);

  WindowHandle window() const { return window_; }
  WindowHandle control() const { return control_; }
  WindowHandle inner() const;
  const ParentOptions& options() const { return options_; }

  // What the control shows, line by line.
  std::vector<std::string> shownTexts() const;
  std::string shownText(int line) const;
  int rows() const;
  int selectedLine() const;
  LResult send(MessageId message, WParam wParam = 0, LParam lParam = 0) const;

  // Notices and requests the parent received, in order.
  std::vector<Notice> notices;
  std::vector<MessageId> requests;
  std::vector<LParam> freedItems() const;
  int freeAllCount() const;
  void clearLog() {
    notices.clear();
    requests.clear();
  }

  LResult answer(MessageId message, WParam wParam, LParam lParam);

 private:
  // The row a request names (by data value in data mode, else by index).
  std::optional<int> named(const ItemRequest& request) const;
  void fill(ItemRequest& request, int index);

  ParentOptions options_;
  std::vector<std::string> texts_;
  WindowHandle window_ = nullptr;
  WindowHandle control_ = nullptr;
};

// A request naming an item (in data and index alike), with a text buffer.
struct CallerRequest {
  char buffer[64] = {};
  ItemRequest request;
  explicit CallerRequest(int item, const char* search = nullptr) {
    request.data = item;
    request.index = item;
    request.text = buffer;
    request.search = search;
  }
  LParam param() { return reinterpret_cast<LParam>(&request); }
};

// The inner box's vertical scroll bar: shown, enabled and position.
struct Thumb {
  bool visible;
  bool enabled;
  int position;
};
Thumb ThumbOf(WindowHandle inner);

}  // namespace rowpane::testing
