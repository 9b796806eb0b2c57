// The "ComboBox" class: an edit (drop-down) or the selected item's text
// (drop-down list) over a pop-up list box.
#include "platform/ui/controls/combo_box.h"

#include <algorithm>
#include <memory>
#include <string>

#include "list_box_internal.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/focus.h"
#include "platform/ui/font.h"
#include "platform/ui/keys.h"
#include "platform/ui/metrics.h"
#include "platform/ui/window.h"
#include "platform/ui/gdi.h"
#include "platform/ui/style_painter.h"
#include "windows/window_system.h"

namespace platform::ui::detail {

namespace {

class ComboState : public ControlState {
 public:
  WindowHandle edit = nullptr;  // drop-down only
  WindowHandle list = nullptr;
  bool dropped = false;
  int selectionAtDrop = -1;
  int fieldHeight = 0;
  int droppedHeight = 0;  // the height it was created or moved with
  bool resizing = false;
  bool settingText = false;  // the combo sets its edit's text: not the user's doing
};

bool HasEdit(const WindowRecord& record) {
  return (record.style & combo_box::TypeMask) != combo_box::DropDownList;
}

// The field's sunken edge and a pixel of margin.
constexpr int kFieldInset = 3;

class Combo {
 public:
  Combo(WindowHandle window, WindowRecord& record, ComboState& state) : window_(window), record_(record), state_(state) {}

  LResult toList(MessageId message, WParam wParam = 0, LParam lParam = 0) {
    return SendMessage(state_.list, message, wParam, lParam);
  }
  int selection() { return static_cast<int>(toList(list_box::GetCurrentSelection)); }
  std::string itemText(int index) {
    const LResult length = toList(list_box::GetTextLength, static_cast<WParam>(index));
    if (length < 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    toList(list_box::GetText, static_cast<WParam>(index), reinterpret_cast<LParam>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
  }

  // The text shown follows the selection.
  void showSelection() {
    if (state_.edit == nullptr) return;
    const int index = selection();
    setEditText(index >= 0 ? itemText(index) : std::string());
    SendMessage(state_.edit, edit::SetSelection, 0, -1);
  }

  // Text set by the combo or the program, not typed: no edit notifications.
  bool setEditText(std::string_view text) {
    state_.settingText = true;
    const bool done = SetWindowText(state_.edit, text);
    state_.settingText = false;
    return done;
  }

  void notify(unsigned code) { NotifyParent(window_, code); }

  void placeField() {
    const int arrow = GetSystemMetric(SystemMetric::VerticalScrollWidth);
    state_.fieldHeight = MeasureFont(state_.font).height + 8;
    const Rect rect = WindowRectInParent(window_);
    if (rect.height() != state_.fieldHeight) {
      state_.resizing = true;
      SetWindowPosition(window_, nullptr, Rect::FromSize(rect.left, rect.top, rect.width(), state_.fieldHeight),
                        position::NoMove | position::NoZOrder | position::NoActivate);
      state_.resizing = false;
    }
    // The edit lies inside the field's sunken edge, left of the button.
    if (state_.edit != nullptr)
      MoveWindow(state_.edit, Rect::FromSize(kFieldInset, kFieldInset, std::max(0, rect.width() - arrow - 2 * kFieldInset),
                                             std::max(0, state_.fieldHeight - 2 * kFieldInset)));
  }

  void drop() {
    if (state_.dropped || !IsWindow(state_.list)) return;
    notify(combo_box::DropDownNotify);
    if (!IsWindow(window_)) return;
    state_.selectionAtDrop = selection();
    const Rect field = WindowRect(window_);
    const int height = std::max(state_.droppedHeight - state_.fieldHeight,
                                static_cast<int>(toList(list_box::GetItemHeight)) + 2);
    SetWindowPosition(state_.list, InsertAtTop, Rect::FromSize(field.left, field.bottom, field.width(), height),
                      position::NoActivate);
    ShowWindow(state_.list, ShowCommand::ShowNoActivate);
    state_.dropped = true;
    SetCapture(state_.list);
  }

  void closeUp(bool choose) {
    if (!state_.dropped) return;
    state_.dropped = false;
    if (GetCapture() == state_.list) ReleaseCapture();
    ShowWindow(state_.list, ShowCommand::Hide);
    if (choose) {
      notify(combo_box::SelectionEndOk);
    } else {
      if (selection() != state_.selectionAtDrop) {
        toList(list_box::SetCurrentSelection, static_cast<WParam>(state_.selectionAtDrop));
        showSelection();
        notify(combo_box::SelectionChange);
      }
      if (!IsWindow(window_)) return;
      notify(combo_box::SelectionEndCancel);
    }
    if (IsWindow(window_)) notify(combo_box::CloseUp);
  }

  bool keyDown(WParam code) {
    const bool alt = IsKeyDown(key::Alt);
    if (code == key::F4 || (alt && (code == key::Down || code == key::Up))) {
      if (state_.dropped)
        closeUp(true);
      else
        drop();
      return true;
    }
    if (state_.dropped && code == key::Enter) {
      closeUp(true);
      return true;
    }
    if (state_.dropped && code == key::Escape) {
      closeUp(false);
      return true;
    }
    switch (code) {
      case key::Up:
      case key::Down:
      case key::PageUp:
      case key::PageDown:
        toList(msg::KeyDown, code);
        return true;
      case key::Home:
      case key::End:
        if (state_.edit != nullptr && !state_.dropped) return false;
        toList(msg::KeyDown, code);
        return true;
      default:
        return false;
    }
  }

  // What the list and the edit report.
  LResult childCommand(WindowHandle child, unsigned code) {
    if (child == state_.list) {
      switch (code) {
        case list_box::SelectionChange:
          showSelection();
          notify(combo_box::SelectionChange);
          break;
        case kComboListChosen: closeUp(true); break;
        case kComboListCancelled: closeUp(false); break;
        case list_box::DoubleClick: notify(combo_box::DoubleClick); break;
        default: break;
      }
      return 0;
    }
    if (child == state_.edit) {
      switch (code) {
        case edit::Change:
          if (!state_.settingText) notify(combo_box::EditChange);
          break;
        case edit::Update:
          if (!state_.settingText) notify(combo_box::EditUpdate);
          break;
        case edit::SetFocusNotify: notify(combo_box::SetFocusNotify); break;
        case edit::KillFocusNotify: lostFocus(); break;
        default: break;
      }
    }
    return 0;
  }

  void lostFocus() {
    const WindowHandle focus = GetFocus();
    if (focus == window_ || focus == state_.edit || focus == state_.list) return;
    closeUp(false);
    if (IsWindow(window_)) notify(combo_box::KillFocusNotify);
  }

  WindowHandle window_;
  WindowRecord& record_;
  ComboState& state_;
};

void CreateParts(WindowHandle window, WindowRecord& record, ComboState& state) {
  state.droppedHeight = record.rect.height();
  // The vertical scroll bar a combo is made with belongs to its list.
  record.style &= ~style::VScroll;
  if (HasEdit(record)) {
    WindowCreation edit;
    edit.className = edit::kClassName;
    edit.style = style::Child | style::Visible | edit::AutoHScroll |
                 ((record.style & combo_box::UpperCase) ? edit::UpperCase : 0);
    edit.parent = window;
    edit.id = combo_box::kEditId;
    state.edit = CreateWindow(edit);
  }
  WindowCreation list;
  list.className = list_box::kClassName;
  list.style = style::Popup | style::Border | style::VScroll | ((record.style & combo_box::Sort) ? list_box::Sort : 0);
  list.parent = window;
  list.id = WindowId(window);
  state.list = CreateWindow(list);
  AttachListToCombo(state.list, window);
}

// ---- painting

// The field: a sunken edge, the drop button at the right, and for a
// drop-down list the selected item's text (highlighted while the combo
// has the focus); a drop-down's edit child paints its own text.
void PaintCombo(WindowHandle window, WindowRecord& record, ComboState& state) {
  ControlPaint paint = BeginControlPaint(window, state.font);
  const Rect inside = StylePainter::PaintEdge(paint.dc, paint.client, StylePainter::Edge::Sunken);
  FillRect(paint.dc, inside, paint.background);
  const int arrow = GetSystemMetric(SystemMetric::VerticalScrollWidth);
  const Rect button{inside.right - arrow, inside.top, inside.right, inside.bottom};
  StylePainter::PaintArrowButton(paint.dc, button, StylePainter::Arrow::Down, state.dropped, paint.enabled);
  if (!HasEdit(record)) {
    const Rect field{inside.left, inside.top, button.left, inside.bottom};
    const bool focused = GetFocus() == window && !state.dropped;
    const Rect text = field.inflatedBy(-1, -1);
    if (focused) FillSolidRect(paint.dc, text, GetSystemColor(SystemColor::Highlight));
    SetBackgroundMode(paint.dc, BackgroundMode::Transparent);
    SetTextColor(paint.dc, !paint.enabled ? GetSystemColor(SystemColor::GrayText)
                           : focused      ? GetSystemColor(SystemColor::HighlightText)
                                          : TextColorOf(paint.dc));
    Rect place = text.inflatedBy(-1, 0);
    DrawText(paint.dc, WindowText(window), place, draw_text::SingleLine | draw_text::VerticalCenter | draw_text::NoPrefix);
    if (focused) {
      SetTextColor(paint.dc, GetSystemColor(SystemColor::HighlightText));
      StylePainter::PaintFocusRect(paint.dc, text);
    }
  }
  EndControlPaint(window, paint);
}

bool ChangesComboLook(MessageId message) {
  switch (message) {
    case combo_box::AddString:
    case combo_box::DeleteString:
    case combo_box::InsertString:
    case combo_box::ResetContent:
    case combo_box::SelectString:
    case combo_box::SetCurrentSelection:
    case combo_box::ShowDropDown:
    case msg::Command:
      return true;
    default:
      return false;
  }
}

LResult ComboBehaviour(WindowHandle window, MessageId message, WParam wParam, LParam lParam);

LResult ComboProcedure(WindowHandle window, MessageId message, WParam wParam, LParam lParam) {
  if (message == msg::Paint) {
    if (ComboState* state = StateOf<ComboState>(window)) {
      PaintCombo(window, *Find(window), *state);
      return 0;
    }
  }
  const LResult result = ComboBehaviour(window, message, wParam, lParam);
  if (IsWindow(window) && (ChangesLook(window, message) || ChangesComboLook(message))) InvalidateRect(window, nullptr, true);
  return result;
}

LResult ComboBehaviour(WindowHandle window, MessageId message, WParam wParam, LParam lParam) {
  ComboState* state = ControlStateFor<ComboState>(window, message);
  if (state == nullptr) return DefaultWindowProcedure(window, message, wParam, lParam);
  WindowRecord* record = Find(window);
  Combo combo(window, *record, *state);
  switch (message) {
    case msg::Create:
      CreateParts(window, *record, *state);
      if (state->list == nullptr || (HasEdit(*record) && state->edit == nullptr)) return -1;
      combo.placeField();
      return 0;
    case msg::Destroy:
      if (IsWindow(state->list)) DestroyWindow(state->list);
      return 0;
    case msg::Size:
      if (!state->resizing && state->fieldHeight != 0) {
        const int height = WindowRectInParent(window).height();
        if (height != state->fieldHeight) state->droppedHeight = height;
        combo.placeField();
      }
      return 0;
    case msg::SetFont:
      state->font = reinterpret_cast<FontHandle>(wParam);
      if (state->edit) SendMessage(state->edit, msg::SetFont, wParam, lParam);
      SendMessage(state->list, msg::SetFont, wParam, lParam);
      combo.placeField();
      return 0;
    case msg::GetFont:
      return HandleToParam(state->font);
    case msg::Enable:
      if (state->edit) EnableWindow(state->edit, wParam != 0);
      if (wParam == 0) combo.closeUp(false);
      return 0;
    case msg::GetDialogCode:
      return state->dropped ? dialog_code::WantMessage : (dialog_code::WantArrows | dialog_code::WantChars);
    case msg::SetText:
      if (state->edit) return combo.setEditText(lParam ? reinterpret_cast<const char*>(lParam) : "") ? 1 : 0;
      {
        const LResult found = combo.toList(list_box::FindStringExact, static_cast<WParam>(-1), lParam);
        if (found < 0) return combo_box::Error;
        combo.toList(list_box::SetCurrentSelection, static_cast<WParam>(found));
        return 1;
      }
    case msg::GetText:
    case msg::GetTextLength: {
      if (state->edit) return SendMessage(state->edit, message, wParam, lParam);
      const int index = combo.selection();
      const std::string text = index >= 0 ? combo.itemText(index) : std::string();
      if (message == msg::GetTextLength) return static_cast<LResult>(text.size());
      if (lParam == 0 || wParam == 0) return 0;
      const std::size_t count = std::min<std::size_t>(text.size(), wParam - 1);
      text.copy(reinterpret_cast<char*>(lParam), count);
      reinterpret_cast<char*>(lParam)[count] = '\0';
      return static_cast<LResult>(count);
    }
    case msg::SetFocus:
      if (state->edit) {
        SetFocus(state->edit);
        if (GetFocus() == state->edit) SendMessage(state->edit, edit::SetSelection, 0, -1);
        return 0;
      }
      combo.notify(combo_box::SetFocusNotify);
      return 0;
    case msg::KillFocus:
      if (state->edit == nullptr) combo.lostFocus();
      return 0;
    case msg::KeyDown:
      if (combo.keyDown(wParam)) return 0;
      return DefaultWindowProcedure(window, message, wParam, lParam);
    case msg::SysKeyDown:
      // Alt with Down or Up opens and closes the list.
      if ((wParam == key::Down || wParam == key::Up) && combo.keyDown(wParam)) return 0;
      return DefaultWindowProcedure(window, message, wParam, lParam);
    case msg::Char:
      if (state->edit == nullptr) combo.toList(msg::Char, wParam, lParam);
      return 0;
    case msg::LeftButtonDown:
    case msg::LeftButtonDoubleClick:
      if (state->edit == nullptr || PointFromParam(lParam).x >= WindowRectInParent(state->edit).right) {
        if (GetFocus() != window && GetFocus() != state->edit) SetFocus(window);
        if (!IsWindow(window)) return 0;
        if (state->dropped)
          combo.closeUp(true);
        else
          combo.drop();
      }
      return 0;
    case msg::Command:
      return combo.childCommand(HandleFromParam<WindowHandle>(lParam), HighWord(wParam));
    case combo_box::GetEditSelection:
      return state->edit ? SendMessage(state->edit, edit::GetSelection, wParam, lParam) : combo_box::Error;
    case combo_box::SetEditSelection:
      if (state->edit == nullptr) return combo_box::Error;
      SendMessage(state->edit, edit::SetSelection, static_cast<WParam>(static_cast<std::int16_t>(LowWord(static_cast<WParam>(lParam)))),
                  static_cast<std::int16_t>(HighWord(static_cast<WParam>(lParam))));
      return 1;
    case combo_box::LimitText:
      if (state->edit == nullptr) return combo_box::Error;
      SendMessage(state->edit, edit::LimitText, wParam);
      return 1;
    case combo_box::AddString: return combo.toList(list_box::AddString, wParam, lParam);
    case combo_box::InsertString: return combo.toList(list_box::InsertString, wParam, lParam);
    case combo_box::DeleteString: return combo.toList(list_box::DeleteString, wParam, lParam);
    case combo_box::GetCount: return combo.toList(list_box::GetCount);
    case combo_box::GetCurrentSelection: return combo.selection();
    case combo_box::GetItemText: return combo.toList(list_box::GetText, wParam, lParam);
    case combo_box::GetItemTextLength: return combo.toList(list_box::GetTextLength, wParam, lParam);
    case combo_box::FindString: return combo.toList(list_box::FindString, wParam, lParam);
    case combo_box::FindStringExact: return combo.toList(list_box::FindStringExact, wParam, lParam);
    case combo_box::GetItemData: return combo.toList(list_box::GetItemData, wParam, lParam);
    case combo_box::SetItemData: return combo.toList(list_box::SetItemData, wParam, lParam);
    case combo_box::InitStorage: return combo.toList(list_box::InitStorage, wParam, lParam);
    case combo_box::ResetContent:
      combo.toList(list_box::ResetContent);
      if (state->edit) combo.setEditText("");
      return 0;
    case combo_box::SetCurrentSelection: {
      const LResult result = combo.toList(list_box::SetCurrentSelection, wParam);
      combo.showSelection();
      return result;
    }
    case combo_box::SelectString: {
      const LResult found = combo.toList(list_box::FindString, wParam, lParam);
      if (found < 0) return combo_box::Error;
      combo.toList(list_box::SetCurrentSelection, static_cast<WParam>(found));
      combo.showSelection();
      return found;
    }
    case combo_box::ShowDropDown:
      if (wParam)
        combo.drop();
      else
        combo.closeUp(true);
      return 1;
    case combo_box::GetDroppedState:
      return state->dropped ? 1 : 0;
    case combo_box::SetItemHeight:
      if (static_cast<LParam>(wParam) == -1) return combo_box::Error;  // the field follows the font
      return combo.toList(list_box::SetItemHeight, wParam, lParam);
    case combo_box::GetItemHeight:
      if (static_cast<LParam>(wParam) == -1) return state->fieldHeight;
      return combo.toList(list_box::GetItemHeight, wParam, lParam);
    default:
      return DefaultWindowProcedure(window, message, wParam, lParam);
  }
}

}  // namespace

}  // namespace platform::ui::detail

namespace platform::ui::combo_box {

const ControlDescriptor kDescriptor{kClassName, &detail::ComboProcedure, class_style::DoubleClicks | class_style::ParentDc,
                                    kTemplateKinds, kStyleWords, &FixedControlColor<msg::CtlColorListBox>};

WindowHandle DropListOf(WindowHandle combo) {
  const auto* state = detail::StateOf<detail::ComboState>(combo);
  return state ? state->list : nullptr;
}

}  // namespace platform::ui::combo_box
