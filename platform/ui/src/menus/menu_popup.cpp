// The pop-up menu's window: its items painted by the style painter.
#include "menu_popup.h"

#include <algorithm>
#include <string>

#include "controls/control.h"
#include "platform/ui/font.h"
#include "platform/ui/gdi.h"
#include "platform/ui/menu.h"
#include "platform/ui/style_painter.h"

namespace platform::ui::detail {

namespace {

constexpr const char* kMenuPopupClass = "MenuPopup";
// The frame's raised edge.
constexpr int kFrame = 2;
// Between a label and its accelerator text.
constexpr int kAcceleratorGap = 16;

constexpr MessageId kSetHighlight = msg::User + 1;

bool IsSeparator(MenuHandle menu, int position) {
  return (MenuItemFlags(menu, position, MenuLookup::ByPosition) & menu_flag::Separator) != 0;
}

// The width an item's text needs: its label and, after a tab, its
// accelerator text.
int TextWidth(const std::string& text) {
  const std::size_t tab = text.find('\t');
  const int label = MeasureTextWidth(DefaultGuiFont(), StripPrefixes(text.substr(0, tab)));
  if (tab == std::string::npos) return label;
  return label + kAcceleratorGap + MeasureTextWidth(DefaultGuiFont(), text.substr(tab + 1));
}

class MenuPopup final : public Control {
 protected:
  LResult onNcCreate(const WindowCreation* creation) override {
    if (creation != nullptr) menu_ = static_cast<MenuHandle>(creation->createParam);
    return defaultProcedure();
  }
  LResult onMouseActivate(const MouseActivateEvent&) override { return mouse_activate::NoActivate; }

  std::optional<LResult> onControlMessage(MessageId message, WParam wParam, LParam) override {
    if (message != kSetHighlight) return std::nullopt;
    highlighted_ = static_cast<int>(static_cast<LParam>(wParam));
    return 0;
  }
  bool changesLook(MessageId message) const override { return message == kSetHighlight; }

  void paint(const ControlPaint& paint) override {
    StylePainter::PaintMenuFrame(paint.dc, paint.client);
    const Point corner = ClientToScreen(window(), {0, 0});
    const std::vector<Rect> items = LayOutPopupItems(menu_, corner);
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
      const unsigned flags = MenuItemFlags(menu_, i, MenuLookup::ByPosition);
      StylePainter::MenuItemLook look;
      look.separator = (flags & menu_flag::Separator) != 0;
      look.checked = (flags & menu_flag::Checked) != 0;
      look.grayed = (flags & (menu_flag::Grayed | menu_flag::Disabled)) != 0;
      look.highlighted = i == highlighted_;
      StylePainter::PaintMenuItem(paint.dc, items[static_cast<std::size_t>(i)].offsetBy(-corner.x, -corner.y),
                                  MenuItemText(menu_, i, MenuLookup::ByPosition), look);
    }
  }

 private:
  MenuHandle menu_ = nullptr;
  int highlighted_ = -1;
};

void RegisterMenuPopupClass() {
  if (FindWindowClass(kMenuPopupClass) == nullptr)
    RegisterWindowClass({kMenuPopupClass, &Control::ProcedureOf<MenuPopup>, class_style::SaveBits, 0});
}

}  // namespace

std::vector<Rect> LayOutPopupItems(MenuHandle popup, Point topLeft) {
  const int count = std::max(0, MenuItemCount(popup));
  int width = 0;
  for (int i = 0; i < count; ++i) width = std::max(width, TextWidth(MenuItemText(popup, i, MenuLookup::ByPosition)));
  width += StylePainter::kMenuTextIndent + 22;
  std::vector<Rect> items;
  int top = topLeft.y + kFrame;
  for (int i = 0; i < count; ++i) {
    const int height = IsSeparator(popup, i) ? kMenuSeparatorHeight : kMenuItemHeight;
    items.push_back(Rect::FromSize(topLeft.x + kFrame, top, width, height));
    top += height;
  }
  return items;
}

Rect PopupWindowRect(MenuHandle popup, Point topLeft) {
  const std::vector<Rect> items = LayOutPopupItems(popup, topLeft);
  if (items.empty()) return Rect::FromSize(topLeft.x, topLeft.y, 2 * kFrame, 2 * kFrame);
  return {topLeft.x, topLeft.y, items.back().right + kFrame, items.back().bottom + kFrame};
}

WindowHandle ShowMenuPopup(WindowHandle owner, MenuHandle popup, Point topLeft, int highlighted) {
  RegisterMenuPopupClass();
  WindowCreation creation;
  creation.className = kMenuPopupClass;
  creation.style = style::Popup;
  creation.exStyle = exstyle::TopMost | exstyle::ToolWindow;
  creation.rect = PopupWindowRect(popup, topLeft);
  creation.parent = owner;
  creation.createParam = popup;
  const WindowHandle window = CreateWindow(creation);
  if (window == nullptr) return nullptr;
  HighlightMenuPopupItem(window, highlighted);
  ShowWindow(window, ShowCommand::ShowNoActivate);
  return window;
}

void HighlightMenuPopupItem(WindowHandle window, int highlighted) {
  SendMessage(window, kSetHighlight, static_cast<WParam>(static_cast<LParam>(highlighted)));
}

}  // namespace platform::ui::detail
