// Dialog windows: the dialog class and its default procedure, building a
// dialog from its template, and the modal run.
#include <memory>

#include "dialog_state.h"
#include "platform/ui/controls/button.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/gdi.h"
#include "platform/ui/menu.h"
#include "platform/ui/resource.h"
#include "platform/ui/window.h"
#include "windows/window_system.h"

namespace platform::ui {

using detail::DialogCreation;
using detail::DialogState;
using detail::StateOf;

namespace {

FontSpec TemplateFontSpec(const DialogTemplate& dialogTemplate) {
  FontSpec spec;
  spec.face = dialogTemplate.fontFace;
  spec.height = FontHeightForPoints(dialogTemplate.fontPoints);
  return spec;
}

Size BaseUnitsOf(FontHandle font) {
  const FontMetrics metrics = MeasureFont(font);
  return {metrics.averageCharWidth, metrics.height};
}

// Where an activated dialog puts the focus: back on the control that had
// it last, else on the first tab stop, else on the dialog itself.
void RestoreDialogFocus(WindowHandle dialog) {
  const WindowHandle focus = GetFocus();
  if (focus == dialog || IsDescendant(dialog, focus)) return;
  detail::WindowRecord* record = detail::Find(dialog);
  const WindowHandle last = record ? record->lastFocus : nullptr;
  if (last != nullptr && IsDescendant(dialog, last) && IsWindowUsable(last) && IsWindowVisible(last)) {
    SetFocus(last);
    return;
  }
  if (const WindowHandle first = NextDialogTabItem(dialog, nullptr, false)) {
    SetDialogFocus(first);
    return;
  }
  SetFocus(dialog);
}

// The default push button's style follows the dialog's default id.
void ChangeDefaultButton(WindowHandle dialog, DialogState& state, int id) {
  const WindowHandle old = state.defaultId ? DialogItem(dialog, state.defaultId) : nullptr;
  if (old != nullptr && button::TypeOf(WindowStyle(old)) == button::DefPushButton)
    SendMessage(old, button::SetStyle, (WindowStyle(old) & ~button::TypeMask) | button::PushButton, 1);
  state.defaultId = id;
  const WindowHandle now = id ? DialogItem(dialog, id) : nullptr;
  if (now != nullptr && button::TypeOf(WindowStyle(now)) == button::PushButton)
    SendMessage(now, button::SetStyle, (WindowStyle(now) & ~button::TypeMask) | button::DefPushButton, 1);
}

LResult DefaultDialogProcedure(WindowHandle window, MessageId message, WParam wParam, LParam lParam) {
  detail::WindowRecord* record = detail::Find(window);
  if (record == nullptr) return 0;
  switch (message) {
    case msg::NcCreate: {
      const auto* creation = reinterpret_cast<const WindowCreation*>(lParam);
      auto* dialog = creation ? static_cast<DialogCreation*>(creation->createParam) : nullptr;
      if (dialog != nullptr && dialog->font != nullptr) {
        record->classState = std::make_unique<DialogState>(dialog->font, true, dialog->baseUnits);
        dialog->fontTaken = true;
      } else {
        const FontHandle font = DefaultGuiFont();
        record->classState = std::make_unique<DialogState>(font, false, BaseUnitsOf(font));
      }
      return DefaultWindowProcedure(window, message, wParam, lParam);
    }
    case msg::InitDialog: return 1;
    case msg::GetFont: {
      DialogState* state = StateOf<DialogState>(window);
      return state ? HandleToParam(state->font) : 0;
    }
    case msg::SetFont:
      if (DialogState* state = StateOf<DialogState>(window)) {
        if (state->ownsFont && state->font != HandleFromParam<FontHandle>(static_cast<LParam>(wParam)))
          DeleteFont(state->font);
        state->font = HandleFromParam<FontHandle>(static_cast<LParam>(wParam));
        state->ownsFont = false;
      }
      return 0;
    case msg::DialogGetDefaultId: {
      DialogState* state = StateOf<DialogState>(window);
      return state && state->defaultId
                 ? static_cast<LResult>(MakeLong(static_cast<unsigned>(state->defaultId), kHasDefaultId))
                 : 0;
    }
    case msg::DialogSetDefaultId:
      if (DialogState* state = StateOf<DialogState>(window))
        ChangeDefaultButton(window, *state, static_cast<int>(wParam));
      return 1;
    case msg::NextDialogControl:
      if (lParam != 0) {
        SetDialogFocus(reinterpret_cast<WindowHandle>(wParam));
      } else {
        const WindowHandle focus = GetFocus();
        const WindowHandle from = IsDescendant(window, focus) ? focus : nullptr;
        if (const WindowHandle next = NextDialogTabItem(window, from, wParam != 0)) SetDialogFocus(next);
      }
      return 0;
    case msg::Activate:
      if (LowWord(wParam) != activation::Inactive && !IsMinimized(window)) RestoreDialogFocus(window);
      return 0;
    case msg::EraseBackground: {
      // The dialog's background is the brush it answers itself for
      // msg::CtlColorDialog (the button face by default).
      const auto dc = reinterpret_cast<DcHandle>(wParam);
      auto brush =
          HandleFromParam<BrushHandle>(SendMessage(window, msg::CtlColorDialog, wParam, HandleToParam(window)));
      if (!BrushColor(brush)) brush = GetSystemColorBrush(SystemColor::ButtonFace);
      FillRect(dc, ClientRect(window), brush);
      return 1;
    }
    case msg::Close:
      SendMessage(window, msg::Command, CommandParam(command_id::Cancel, button::Clicked),
                  HandleToParam(DialogItem(window, command_id::Cancel)));
      return 0;
    default: return DefaultWindowProcedure(window, message, wParam, lParam);
  }
}

// Everything of a dialog but its modal run.
WindowHandle BuildDialog(const DialogTemplate& dialogTemplate, WindowHandle owner, Window* object, LParam initParam,
                         bool modal) {
  if (owner != nullptr && !IsWindow(owner)) return nullptr;
  DialogCreation creation;
  creation.font = CreateFont(TemplateFontSpec(dialogTemplate));
  creation.baseUnits = BaseUnitsOf(creation.font);

  StyleBits style = dialogTemplate.style;
  StyleBits exStyle = dialogTemplate.exStyle;
  if (style & dialog_style::ModalFrame) exStyle |= exstyle::DialogModalFrame;
  const bool child = (style & style::Child) != 0;
  // A top-level dialog's menu bar comes from its menu resource; the
  // window grows by it, so that the client area keeps the template's size.
  MenuHandle menu = nullptr;
  if (dialogTemplate.menu && !child) {
    menu = LoadMenuResource(*dialogTemplate.menu);
    if (menu == nullptr) {
      DeleteFont(creation.font);
      return nullptr;
    }
  }
  detail::WindowRecord probe;
  probe.style = style;
  probe.exStyle = exStyle;
  probe.menu = menu;
  const detail::FrameInsets insets = detail::ComputeFrameInsets(probe);
  const Rect client = DialogUnitsToPixels(creation.baseUnits, dialogTemplate.rect);
  const Point origin = (child || owner == nullptr) ? Point{} : ClientToScreen(owner, {0, 0});

  WindowCreation window;
  window.className = kDialogClassName;
  window.text = dialogTemplate.caption;
  window.style = style & ~style::Visible;
  window.exStyle = exStyle;
  window.rect =
      Rect::FromSize(origin.x + client.left, origin.y + client.top, client.width() + insets.left + insets.right,
                     client.height() + insets.top + insets.bottom);
  window.parent = owner;
  window.id = child ? dialogTemplate.id : 0;
  window.menu = menu;
  window.createParam = &creation;
  detail::WindowSystem::Get().objectForNextWindow = object;
  const WindowHandle dialog = CreateWindow(window);
  detail::WindowSystem::Get().objectForNextWindow = nullptr;
  if (!creation.fontTaken) DeleteFont(creation.font);
  if (dialog == nullptr && menu != nullptr) DestroyMenu(menu);  // (a window made and refused has freed it)
  DialogState* state = StateOf<DialogState>(dialog);
  if (state == nullptr) {
    if (IsWindow(dialog)) DestroyWindow(dialog);
    return nullptr;
  }
  state->modal = modal;
  if (style & dialog_style::Center) CenterWindow(dialog, nullptr);

  for (const ControlTemplate& control : dialogTemplate.controls) {
    WindowCreation item;
    item.className = control.className;
    item.text = control.text;
    item.style = control.style | style::Child;
    item.exStyle = control.exStyle;
    item.rect = DialogUnitsToPixels(state->baseUnits, control.rect);
    item.parent = dialog;
    item.id = control.id;
    const WindowHandle created = CreateWindow(item);
    if (created == nullptr || !IsWindow(dialog)) {
      if (IsWindow(dialog)) DestroyWindow(dialog);
      return nullptr;
    }
    SendMessage(created, msg::SetFont, reinterpret_cast<WParam>(StateOf<DialogState>(dialog)->font), 0);
    state = StateOf<DialogState>(dialog);
    if (state && state->defaultId == 0 && IsWindowOfClass(created, button::kClassName) &&
        button::TypeOf(WindowStyle(created)) == button::DefPushButton)
      state->defaultId = control.id;
  }
  if (!IsWindow(dialog)) return nullptr;

  const WindowHandle first = NextDialogTabItem(dialog, nullptr, false);
  if (SendMessage(dialog, msg::InitDialog, reinterpret_cast<WParam>(first), initParam) != 0 && IsWindow(dialog)) {
    state = StateOf<DialogState>(dialog);
    if (state && !state->ended)
      if (const WindowHandle target = NextDialogTabItem(dialog, nullptr, false)) SetDialogFocus(target);
  }
  if (!IsWindow(dialog)) return nullptr;
  state = StateOf<DialogState>(dialog);
  if (!modal && !state->ended && (dialogTemplate.style & style::Visible)) ShowWindow(dialog, ShowCommand::Show);
  return IsWindow(dialog) ? dialog : nullptr;
}

}  // namespace

WindowHandle CreateDialogWindow(const DialogTemplate& dialogTemplate, WindowHandle owner, Window* object,
                                LParam initParam) {
  return BuildDialog(dialogTemplate, owner, object, initParam, false);
}

LResult DialogBox(const DialogTemplate& dialogTemplate, WindowHandle owner, Window* object, LParam initParam,
                  int filterCode) {
  const detail::FocusState focusBefore = detail::SaveFocusState();
  const WindowHandle dialog = BuildDialog(dialogTemplate, owner, object, initParam, true);
  if (dialog == nullptr) return -1;
  const WindowHandle ownerTop = OwnerWindow(dialog);
  bool disabledOwner = false;
  auto ended = [dialog] {
    DialogState* state = StateOf<DialogState>(dialog);
    return state == nullptr || state->ended;
  };
  if (!ended()) {
    if (ownerTop != nullptr && IsWindowEnabled(ownerTop)) {
      EnableWindow(ownerTop, false);
      disabledOwner = true;
    }
    if (!ended()) ShowWindow(dialog, ShowCommand::Show);
    detail::RunLoopFor(ended, filterCode, dialog);
  }
  DialogState* state = StateOf<DialogState>(dialog);
  const LResult result = state && state->ended ? state->result : -1;
  if (disabledOwner && IsWindow(ownerTop)) EnableWindow(ownerTop, true);
  detail::RestoreFocusState(focusBefore);
  if (IsWindow(dialog)) DestroyWindow(dialog);
  return result;
}

Size TemplateBaseUnits(const DialogTemplate& dialogTemplate) {
  const FontHandle font = CreateFont(TemplateFontSpec(dialogTemplate));
  const Size units = BaseUnitsOf(font);
  DeleteFont(font);
  return units;
}

bool EndDialog(WindowHandle dialog, LResult result) {
  DialogState* state = StateOf<DialogState>(dialog);
  if (state == nullptr) return false;
  state->ended = true;
  state->result = result;
  if (state->modal)
    PostMessage(dialog, msg::Null);  // wakes the loop, which then sees the end
  else
    ShowWindow(dialog, ShowCommand::Hide);
  return true;
}

bool IsDialogEnded(WindowHandle dialog) {
  DialogState* state = StateOf<DialogState>(dialog);
  return state != nullptr && state->ended;
}

bool IsDialog(WindowHandle window) { return StateOf<DialogState>(window) != nullptr; }

}  // namespace platform::ui

namespace platform::ui::detail {

void RegisterDialogClass() {
  RegisterWindowClass({kDialogClassName, &DefaultDialogProcedure, class_style::SaveBits, 0});
}

}  // namespace platform::ui::detail
