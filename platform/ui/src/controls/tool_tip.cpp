// The "ToolTip" class.
#include "platform/ui/controls/tool_tip.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "control.h"
#include "platform/ui/focus.h"
#include "platform/ui/font.h"
#include "platform/ui/gdi.h"
#include "platform/ui/metrics.h"
#include "platform/ui/style_painter.h"
#include "platform/ui/window.h"

namespace platform::ui::detail {

namespace {

constexpr unsigned kShowTimer = 1;
// Inside the one-pixel frame: the text's margin left and right, above and
// below.
constexpr int kMarginX = 3;
constexpr int kMarginY = 1;

struct ToolRecord {
  WindowHandle window = nullptr;
  int id = 0;
  Rect rect;
  std::optional<std::string> text;  // nothing: asked of the window
};

class ToolTip final : public Control {
 protected:
  // ---- never activated, the mouse passes through
  LResult onHitTest(Point) override { return hit::Transparent; }
  LResult onMouseActivate(const MouseActivateEvent&) override { return mouse_activate::NoActivate; }

  void onSystemTimer(const TimerEvent& event) override {
    if (event.id != kShowTimer) return;
    KillSystemTimer(window(), kShowTimer);
    show();
  }

  std::optional<LResult> onControlMessage(MessageId message, WParam, LParam lParam) override;

  void paint(const ControlPaint& paint) override {
    const Rect inside = StylePainter::PaintToolTipFrame(paint.dc, paint.client);
    SetBackgroundMode(paint.dc, BackgroundMode::Transparent);
    SetTextColor(paint.dc, StylePainter::kToolTipText);
    Rect place = inside.inflatedBy(-kMarginX, -kMarginY);
    DrawText(paint.dc, WindowText(window()), place, draw_text::SingleLine | draw_text::NoPrefix);
  }

 private:
  ToolRecord* find(WindowHandle window, int id) {
    for (ToolRecord& tool : tools_)
      if (tool.window == window && tool.id == id) return &tool;
    return nullptr;
  }
  ToolRecord* current() { return hasCurrent_ ? find(current_.window, current_.id) : nullptr; }
  bool addTool(const tool_tip::Tool& tool);
  void relay(const Message& message);
  void enter(const ToolRecord* tool);
  void hide();
  void show();
  std::string textOf(const ToolRecord& tool);

  std::vector<ToolRecord> tools_;
  struct {
    WindowHandle window = nullptr;
    int id = 0;
  } current_;
  bool hasCurrent_ = false;
  bool pressed_ = false;  // a button was pressed on the current tool: no tip until another
};

bool ToolTip::addTool(const tool_tip::Tool& tool) {
  if (!IsWindow(tool.window) || find(tool.window, tool.id) != nullptr) return false;
  ToolRecord record{tool.window, tool.id, tool.rect, std::nullopt};
  if (tool.text != tool_tip::kTextCallback) record.text = tool.text ? tool.text : "";
  tools_.push_back(std::move(record));
  return true;
}

// The mouse came onto the tool (or onto none).
void ToolTip::enter(const ToolRecord* tool) {
  hide();
  hasCurrent_ = tool != nullptr;
  pressed_ = false;
  if (tool == nullptr) return;
  current_.window = tool->window;
  current_.id = tool->id;
  SetSystemTimer(window(), kShowTimer, tool_tip::kInitialDelay);
}

void ToolTip::relay(const Message& message) {
  switch (message.message) {
    case msg::MouseMove: {
      const Point point = PointFromParam(message.lParam);
      const ToolRecord* over = nullptr;
      for (const ToolRecord& tool : tools_)
        if (tool.window == message.window && tool.rect.contains(point)) over = &tool;
      if (over != current()) {
        enter(over);
      } else if (over != nullptr && !pressed_ && !IsWindowVisible(window())) {
        // Still moving: the delay counts from where the mouse rests.
        SetSystemTimer(window(), kShowTimer, tool_tip::kInitialDelay);
      }
      break;
    }
    case msg::MouseLeave: enter(nullptr); break;
    case msg::LeftButtonDown:
    case msg::RightButtonDown:
    case msg::MiddleButtonDown:
    case msg::LeftButtonDoubleClick:
      hide();
      pressed_ = true;
      break;
    default: break;
  }
}

void ToolTip::hide() {
  KillSystemTimer(window(), kShowTimer);
  if (IsWindowVisible(window())) ShowWindow(window(), ShowCommand::Hide);
}

std::string ToolTip::textOf(const ToolRecord& tool) {
  if (tool.text) return *tool.text;
  tool_tip::ToolTipText ask;
  ask.header = {window(), tool.id, tool_tip::NeedText};
  SendMessage(tool.window, msg::Notify, static_cast<WParam>(tool.id), reinterpret_cast<LParam>(&ask));
  ask.buffer[sizeof(ask.buffer) - 1] = '\0';
  return ask.text != nullptr ? std::string(ask.text) : std::string(ask.buffer);
}

// Sized to the text, below the cursor, kept on the screen.
void ToolTip::show() {
  const ToolRecord* tool = current();
  if (tool == nullptr || pressed_) return;
  std::string text = textOf(*tool);
  if (!alive() || current() == nullptr) return;
  if (!(style() & tool_tip::NoPrefix)) text = StripPrefixes(text);
  if (text.empty()) return;
  SetWindowText(window(), text);
  const FontHandle font = this->font() ? this->font() : DefaultGuiFont();
  const Size size{MeasureTextWidth(font, text) + 2 * (kMarginX + 1), MeasureFont(font).height + 2 * (kMarginY + 1)};
  const Point cursor = CursorPosition();
  const int screenWidth = GetSystemMetric(SystemMetric::ScreenWidth);
  const int screenHeight = GetSystemMetric(SystemMetric::ScreenHeight);
  int left = std::max(0, std::min(cursor.x, screenWidth - size.width));
  int top = cursor.y + tool_tip::kCursorHeight;
  if (top + size.height > screenHeight) top = std::max(0, cursor.y - size.height);
  SetWindowPosition(window(), InsertAtTop, Rect::FromSize(left, top, size.width, size.height), position::NoActivate);
  ShowWindow(window(), ShowCommand::ShowNoActivate);
  InvalidateRect(window());
}

std::optional<LResult> ToolTip::onControlMessage(MessageId message, WParam, LParam lParam) {
  const auto* tool = reinterpret_cast<const tool_tip::Tool*>(lParam);
  switch (message) {
    case tool_tip::AddTool: return tool != nullptr && addTool(*tool) ? 1 : 0;
    case tool_tip::DeleteTool:
      if (tool == nullptr) return 0;
      if (const ToolRecord* current = this->current();
          current && current->window == tool->window && current->id == tool->id)
        enter(nullptr);
      std::erase_if(tools_, [&](const ToolRecord& t) { return t.window == tool->window && t.id == tool->id; });
      return 0;
    case tool_tip::NewToolRect:
      if (tool == nullptr) return 0;
      if (ToolRecord* record = find(tool->window, tool->id)) {
        record->rect = tool->rect;
        return 1;
      }
      return 0;
    case tool_tip::RelayEvent:
      if (lParam != 0) relay(*reinterpret_cast<const Message*>(lParam));
      return 0;
    case tool_tip::GetToolCount: return static_cast<LResult>(tools_.size());
    case tool_tip::Pop: hide(); return 0;
    default: return std::nullopt;
  }
}

}  // namespace

}  // namespace platform::ui::detail

namespace platform::ui::tool_tip {

const ControlDescriptor kDescriptor{
    .className = kClassName,
    .procedure = &detail::Control::ProcedureOf<detail::ToolTip>,
    .classStyle = class_style::SaveBits,
    .templateKinds = kTemplateKinds,
    .styleWords = kStyleWords,
};

}  // namespace platform::ui::tool_tip
