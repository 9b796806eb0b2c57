// The "StatusBar" class.
#include "platform/ui/controls/status_bar.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "control.h"
#include "platform/ui/font.h"
#include "platform/ui/gdi.h"
#include "platform/ui/style_painter.h"
#include "platform/ui/window.h"

namespace platform::ui::detail {

namespace {

// The text's margin inside a pane's border.
constexpr int kTextMargin = 2;

class StatusBar final : public Control {
 protected:
  // ---- its place: the bottom of its parent
  LResult onCreate() override {
    texts_.assign(1, record().text);
    place();
    return 0;
  }
  void onSize(Size) override { place(); }
  void onSetFont(FontHandle font) override {
    Control::onSetFont(font);
    place();
  }

  // ---- the window text is the first pane's
  LResult onSetText(const char* text) override {
    texts_[0] = text ? text : "";
    return defaultProcedure();
  }

  std::optional<LResult> onControlMessage(MessageId message, WParam wParam, LParam lParam) override;

  void paint(const ControlPaint& paint) override;
  bool changesLook(MessageId message) const override {
    return message == status_bar::SetText || message == status_bar::SetParts || message == msg::Size;
  }

 private:
  int count() const { return static_cast<int>(edges_.size()); }
  bool valid(WParam pane) const { return static_cast<LParam>(pane) >= 0 && static_cast<LParam>(pane) < count(); }
  Rect paneRect(int pane) const;
  void place();

  std::vector<int> edges_{-1};
  std::vector<std::string> texts_{std::string()};
  bool placing_ = false;
};

void StatusBar::place() {
  const WindowHandle parent = ParentWindow(window());
  if (parent == nullptr || placing_) return;
  const Rect area = ClientRect(parent);
  const Rect outer = WindowRectInParent(window());
  const FrameInsets frame = ComputeFrameInsets(record());
  const int height =
      MeasureFont(font() ? font() : DefaultGuiFont()).height + status_bar::kExtraHeight + frame.top + frame.bottom;
  const Rect wanted{0, area.bottom - height, area.right, area.bottom};
  if (wanted == outer) return;
  placing_ = true;
  SetWindowPosition(window(), nullptr, wanted, position::NoZOrder | position::NoActivate);
  placing_ = false;
}

Rect StatusBar::paneRect(int pane) const {
  const Rect client = ClientRect(window());
  const int end = (style() & status_bar::SizeGrip) ? client.right - StylePainter::kSizeGripSize : client.right;
  const auto rightOf = [&](int i) {
    const int edge = edges_[static_cast<std::size_t>(i)];
    return edge < 0 || edge > end ? end : edge;
  };
  const int left = pane == 0 ? 0 : rightOf(pane - 1) + status_bar::kPaneGap;
  return {left, status_bar::kTopGap, std::max(left, rightOf(pane)), client.bottom};
}

std::optional<LResult> StatusBar::onControlMessage(MessageId message, WParam wParam, LParam lParam) {
  switch (message) {
    case status_bar::SetText:
      if (!valid(wParam)) return 0;
      if (wParam == 0) return SetWindowText(window(), lParam ? reinterpret_cast<const char*>(lParam) : "") ? 1 : 0;
      texts_[wParam] = lParam ? reinterpret_cast<const char*>(lParam) : "";
      return 1;
    case status_bar::GetText:
      if (!valid(wParam)) return -1;
      if (lParam != 0) std::memcpy(reinterpret_cast<char*>(lParam), texts_[wParam].c_str(), texts_[wParam].size() + 1);
      return static_cast<LResult>(texts_[wParam].size());
    case status_bar::GetTextLength: return valid(wParam) ? static_cast<LResult>(texts_[wParam].size()) : -1;
    case status_bar::SetParts: {
      if (wParam < 1 || wParam > static_cast<WParam>(status_bar::kMaxParts) || lParam == 0) return 0;
      const int* first = reinterpret_cast<const int*>(lParam);
      edges_.assign(first, first + wParam);
      texts_.resize(wParam);
      return 1;
    }
    case status_bar::GetParts:
      if (lParam != 0)
        std::copy_n(edges_.begin(), std::min<std::size_t>(wParam, edges_.size()), reinterpret_cast<int*>(lParam));
      return count();
    case status_bar::GetRect:
      if (!valid(wParam) || lParam == 0) return 0;
      *reinterpret_cast<Rect*>(lParam) = paneRect(static_cast<int>(wParam));
      return 1;
    default: return std::nullopt;
  }
}

void StatusBar::paint(const ControlPaint& paint) {
  FillSolidRect(paint.dc, paint.client, GetSystemColor(SystemColor::ButtonFace));
  SetBackgroundMode(paint.dc, BackgroundMode::Transparent);
  SetTextColor(paint.dc, GetSystemColor(SystemColor::ButtonText));
  for (int i = 0; i < count(); ++i) {
    const Rect pane = paneRect(i);
    if (pane.isEmpty()) continue;
    Rect text = StylePainter::PaintStatusPane(paint.dc, pane).inflatedBy(-kTextMargin, 0);
    DrawText(paint.dc, texts_[static_cast<std::size_t>(i)], text,
             draw_text::SingleLine | draw_text::VerticalCenter | draw_text::NoPrefix);
  }
  if (style() & status_bar::SizeGrip) StylePainter::PaintSizeGrip(paint.dc, paint.client);
}

}  // namespace

}  // namespace platform::ui::detail

namespace platform::ui::status_bar {

const ControlDescriptor kDescriptor{
    .className = kClassName,
    .procedure = &detail::Control::ProcedureOf<detail::StatusBar>,
    .templateKinds = kTemplateKinds,
    .styleWords = kStyleWords,
};

WindowHandle CreateStatusBar(StyleBits style, std::string_view text, WindowHandle parent, int id) {
  WindowCreation creation;
  creation.className = kClassName;
  creation.text = text;
  creation.style = style | style::Child | style::Visible;
  creation.parent = parent;
  creation.id = id;
  return CreateWindow(creation);
}

}  // namespace platform::ui::status_bar
