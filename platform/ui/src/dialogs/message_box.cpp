// Message boxes, built as dialogs of the model.
#include "platform/ui/message_box.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/ui/controls/button.h"
#include "platform/ui/controls/static_control.h"
#include "platform/ui/dialog.h"
#include "platform/ui/dialog_object.h"
#include "platform/ui/focus.h"
#include "platform/ui/font.h"
#include "platform/ui/metrics.h"
#include "platform/ui/window.h"

namespace platform::ui {

namespace {

struct BoxButton {
  int id;
  const char* label;
};

std::vector<BoxButton> ButtonsFor(unsigned style) {
  switch (style & message_box::ButtonsMask) {
    case message_box::OkCancel: return {{command_id::Ok, "OK"}, {command_id::Cancel, "Cancel"}};
    case message_box::AbortRetryIgnore:
      return {{command_id::Abort, "Abort"}, {command_id::Retry, "Retry"}, {command_id::Ignore, "Ignore"}};
    case message_box::YesNoCancel:
      return {{command_id::Yes, "Yes"}, {command_id::No, "No"}, {command_id::Cancel, "Cancel"}};
    case message_box::YesNo: return {{command_id::Yes, "Yes"}, {command_id::No, "No"}};
    case message_box::RetryCancel: return {{command_id::Retry, "Retry"}, {command_id::Cancel, "Cancel"}};
    default: return {{command_id::Ok, "OK"}};
  }
}

// The text in lines no wider than the width: broken at '\n', then between
// words (a word wider than a line stands alone on its line).
std::vector<std::string> WrapText(std::string_view text, FontHandle font, int width) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find('\n', start);
    std::string_view paragraph =
        text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (!paragraph.empty() && paragraph.back() == '\r') paragraph.remove_suffix(1);
    std::string line;
    std::size_t at = 0;
    while (at <= paragraph.size()) {
      std::size_t next = paragraph.find(' ', at);
      if (next == std::string_view::npos) next = paragraph.size();
      const std::string_view word = paragraph.substr(at, next - at);
      const std::string candidate = line.empty() ? std::string(word) : line + " " + std::string(word);
      if (!line.empty() && MeasureTextWidth(font, candidate) > width) {
        lines.push_back(line);
        line = std::string(word);
      } else {
        line = candidate;
      }
      at = next + 1;
    }
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return lines;
}

int ToDialogUnitsX(int pixels, Size base) { return (pixels * 4 + base.width - 1) / base.width; }
int ToDialogUnitsY(int pixels, Size base) { return (pixels * 8 + base.height - 1) / base.height; }

DialogTemplate BuildTemplate(std::string_view text, std::string_view caption, unsigned style) {
  constexpr int kMargin = 7;
  constexpr int kButtonWidth = 50;
  constexpr int kButtonHeight = 14;
  constexpr int kButtonGap = 6;
  constexpr int kIconSize = 32;  // pixels
  DialogTemplate box;
  box.caption = caption.empty() ? "Error" : std::string(caption);
  box.style = style::Popup | style::Caption | style::SystemMenu | dialog_style::ModalFrame;
  const FontHandle font = DefaultGuiFont();
  const Size base = SystemDialogBaseUnits();

  const std::vector<std::string> lines = WrapText(text, font, GetSystemMetric(SystemMetric::ScreenWidth) * 5 / 8);
  int textWidth = 0;
  for (const std::string& line : lines) textWidth = std::max(textWidth, MeasureTextWidth(font, line));
  std::string wrapped;
  for (std::size_t i = 0; i < lines.size(); ++i) wrapped += (i ? "\n" : "") + lines[i];

  const bool icon = (style & message_box::IconMask) != 0;
  const int iconWidth = icon ? ToDialogUnitsX(kIconSize, base) + kMargin : 0;
  const int iconHeight = icon ? ToDialogUnitsY(kIconSize, base) : 0;
  const int textUnitsWidth = ToDialogUnitsX(textWidth, base);
  const int textUnitsHeight = ToDialogUnitsY(MeasureFont(font).height * static_cast<int>(lines.size()), base);
  const std::vector<BoxButton> buttons = ButtonsFor(style);
  const int buttonsWidth =
      static_cast<int>(buttons.size()) * kButtonWidth + (static_cast<int>(buttons.size()) - 1) * kButtonGap;
  const int width = std::max(iconWidth + textUnitsWidth, buttonsWidth) + 2 * kMargin;
  const int bodyHeight = std::max(iconHeight, textUnitsHeight);
  const int buttonsTop = kMargin + bodyHeight + kMargin;
  box.rect = Rect::FromSize(0, 0, width, buttonsTop + kButtonHeight + kMargin);

  constexpr StyleBits kVisibleChild = style::Child | style::Visible;
  if (icon)
    box.controls.push_back({static_control::kClassName, message_box::kIconId, "", kVisibleChild | static_control::Icon,
                            0, Rect::FromSize(kMargin, kMargin, iconWidth - kMargin, iconHeight)});
  box.controls.push_back({static_control::kClassName, message_box::kTextId, wrapped,
                          kVisibleChild | static_control::Left | static_control::NoPrefix, 0,
                          Rect::FromSize(kMargin + iconWidth, kMargin + std::max(0, (bodyHeight - textUnitsHeight) / 2),
                                         textUnitsWidth, textUnitsHeight)});
  const std::size_t defaultIndex =
      std::min<std::size_t>((style & message_box::DefaultButtonMask) >> 8, buttons.size() - 1);
  int x = (width - buttonsWidth) / 2;
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const StyleBits type = i == defaultIndex ? button::DefPushButton : button::PushButton;
    box.controls.push_back({button::kClassName, buttons[i].id, buttons[i].label,
                            kVisibleChild | style::TabStop | (i == 0 ? style::Group : 0) | type, 0,
                            Rect::FromSize(x, buttonsTop, kButtonWidth, kButtonHeight)});
    x += kButtonWidth + kButtonGap;
  }
  return box;
}

class MessageBoxDialog : public Dialog {
 public:
  MessageBoxDialog(DialogTemplate box, WindowHandle owner, unsigned style)
      : Dialog(std::move(box), owner), style_(style) {
    setLoopFilterCode(filter_code::MessageBox);
    messageMap().onCommandRange(command_id::Abort, command_id::No, [this](int id) { endDialog(id); });
  }

 protected:
  bool onInitDialog() override {
    Dialog::onInitDialog();
    SendMessage(item(message_box::kIconId), static_control::SetImage, 0,
                static_cast<LParam>(style_ & message_box::IconMask));
    CenterWindow(handle(), parent() ? TopLevelWindow(parent()) : nullptr);
    // The default button has the focus.
    const auto answer = static_cast<std::uintptr_t>(SendMessage(handle(), msg::DialogGetDefaultId));
    if (const WindowHandle button = item(static_cast<int>(LowWord(answer)))) SetDialogFocus(button);
    // Task-modal without an owner: every other top-level window is
    // disabled (now that the focus is in the box, so that no window loses
    // it on the way).
    if (parent() == nullptr && (style_ & message_box::TaskModal)) {
      for (WindowHandle top : ChildWindows(nullptr))
        if (top != handle() && IsWindowEnabled(top)) disabledWindows.push_back(top);
      for (WindowHandle top : disabledWindows) EnableWindow(top, false);
    }
    return false;
  }
  void onCancel() override {
    const unsigned buttons = style_ & message_box::ButtonsMask;
    if (item(command_id::Cancel) != nullptr)
      endDialog(command_id::Cancel);
    else if (buttons == message_box::Ok)
      endDialog(command_id::Ok);
  }

 public:
  std::vector<WindowHandle> disabledWindows;

 private:
  unsigned style_;
};

}  // namespace

int MessageBox(WindowHandle owner, std::string_view text, std::string_view caption, unsigned style) {
  if (owner != nullptr && !IsWindow(owner)) owner = nullptr;
  const WindowHandle activeBefore = GetActiveWindow();
  MessageBoxDialog box(BuildTemplate(text, caption, style), owner, style);
  const LResult result = box.doModal();
  for (WindowHandle top : box.disabledWindows)
    if (IsWindow(top)) EnableWindow(top, true);
  if (!box.disabledWindows.empty() && GetActiveWindow() == nullptr && IsWindow(activeBefore))
    SetActiveWindow(activeBefore);
  return result > 0 ? static_cast<int>(result) : 0;
}

}  // namespace platform::ui
