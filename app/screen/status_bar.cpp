// The rating screen's status bar (id 502, three panes) and what it shows:
// the help text of the focused field or the highlighted menu item in pane
// 0, the discount status in pane 1, the tariff basis in pane 2; and the
// toolbar's tips.
#include "platform/ui/controls/status_bar.h"

#include <cstring>

#include "platform/ui/controls/tool_tip.h"
#include "platform/ui/focus.h"
#include "platform/ui/message_box.h"
#include "platform/ui/window.h"
#include "screen/rating_dialog.h"

namespace qiv {

using namespace platform::ui;

namespace {

constexpr std::size_t kStatusTextLimit = 126;
constexpr std::size_t kTipLimit = 79;

// The status bar's panes end at a, b and c times a fifth (or ninth) of the
// client width.
void SetParts(WindowHandle bar, int width, int divisions, std::array<int, 3> multiples) {
  const int w = width / divisions;
  const int edges[3] = {multiples[0] * w, multiples[1] * w, multiples[2] * w};
  SendMessage(bar, status_bar::SetParts, 3, reinterpret_cast<LParam>(edges));
}

}  // namespace

void RatingDialog::createStatusBar() {
  // The same face, size and weight as the application font.
  statusFont_ = session().environment.createFont(ApplicationFontSpec());
  if (statusFont_ == nullptr) return;
  statusBar_ = status_bar::CreateStatusBar(0x0800, "First Pane Text", handle(), screen_id::StatusBar);
  if (statusBar_ == nullptr) {
    MessageBox(handle(), "Failed to create Status bar.", "Error", message_box::Ok);
    return;
  }
  SetParts(statusBar_, ClientRect(handle()).width(), 5, {2, 3, 5});
  for (int pane = 0; pane < 3; ++pane) setStatusText(pane, " ");
  SendMessage(statusBar_, msg::SetFont, reinterpret_cast<WParam>(statusFont_), 1);
}

void RatingDialog::onSize(Size size) {
  if (statusBar_ != nullptr) {
    SendMessage(statusBar_, msg::Size, 0, static_cast<LParam>(MakeLong(size.width, size.height)));
    SetParts(statusBar_, ClientRect(handle()).width(), 9, {3, 6, 9});
  }
  defaultProcedure();
}

void RatingDialog::setStatusText(int pane, const std::string& text) {
  if (statusBar_ != nullptr)
    SendMessage(statusBar_, status_bar::SetText, static_cast<WParam>(pane), reinterpret_cast<LParam>(text.c_str()));
}

int RatingDialog::focusedControlId() const { return controlIdOf(GetFocus()); }

LResult RatingDialog::onUpdateStatus(WParam pane, LParam item) {
  if (pane == 4) {
    const int key = item > 3 ? static_cast<int>(item) + kStatusTextBase : static_cast<int>(item) + 30;
    setStatusText(0, session().text(key, kStatusTextLimit));
  } else if (item != 0) {
    setStatusText(static_cast<int>(pane), std::string(reinterpret_cast<const char*>(item)).substr(0, kStatusTextLimit));
  } else if (GetFocus() != nullptr) {
    setStatusText(static_cast<int>(pane), session().text(focusedControlId() + kStatusTextBase, kStatusTextLimit));
  }
  return 0;
}

void RatingDialog::showDiscountStatus() {
  if (!session().context) return;
  const RatingContext& context = *session().context;
  const bool mcFloor = context.shortAt(fields::kMcFloorPrompt) != 0;
  int key = 0;
  if (context.shortAt(fields::kDiscountsInUse) == 0)
    key = 40;
  else if (context.shortAt(fields::kDiscountPrompt) != 0 || context.shortAt(fields::kFloorPrompt) != 0 ||
           context.shortAt(fields::kMcDiscountPrompt) != 0)
    key = mcFloor ? 42 : 41;
  else if (context.charAt(fields::kDiscountKindLetter) == 'M')
    key = mcFloor ? 44 : 43;
  else if (mcFloor)
    key = 45;
  if (key == 0) return;
  statusText_ = session().text(key, kStatusTextLimit);
  SendUpdateStatus(session(), 1, reinterpret_cast<LParam>(statusText_.c_str()));
}

LResult RatingDialog::onNotify(const Message& message) {
  if (const auto* header = reinterpret_cast<const NotifyHeader*>(message.lParam);
      header != nullptr && session().context && onEntryNotice(*header))
    return 0;
  auto* ask = reinterpret_cast<tool_tip::ToolTipText*>(message.lParam);
  if (ask == nullptr || ask->header.code != tool_tip::NeedText) return defaultProcedure();
  // The language button names the language it switches to.
  const int command = ask->header.id;
  const std::string tip = command == command::English && session().language == Language::English
                              ? std::string("Spanish")
                              : session().text(command, kTipLimit);
  std::strncpy(ask->buffer, tip.c_str(), sizeof(ask->buffer) - 1);
  ask->text = nullptr;
  return 0;
}

}  // namespace qiv
