// The "Rowpane" class: creation and destruction of the control and its
// inner list box, the rows it keeps there, the requests it sends its
// parent, and the window procedure that routes every message.
#include <algorithm>
#include <new>

#include "draw3d.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/focus.h"
#include "platform/ui/gdi.h"
#include "platform/ui/metrics.h"
#include "platform/ui/paint.h"
#include "platform/ui/scroll_bar.h"
#include "rowpane_state.h"

namespace rowpane::detail {

namespace ui = platform::ui;
namespace lb = platform::ui::list_box;

namespace {

// The value stored in the window once its state is freed.
constexpr LParam kFreedState = -1;

// The control's style bits the inner box keeps: everything but the border,
// both scroll bars, the sizing frame, sorting, multiple selection,
// variable owner-draw, multiple columns and the combo-box bits.
constexpr StyleBits kInnerStyleMask = 0xFF4B7DD5;

LResult Inner(const State& s, MessageId message, WParam wParam = 0, LParam lParam = 0) {
  return ui::SendMessage(s.inner, message, wParam, lParam);
}

}  // namespace

State* StateOf(WindowHandle window) {
  const LParam stored = ui::WindowExtra(window, 0);
  if (stored == 0 || stored == kFreedState) return nullptr;
  return reinterpret_cast<State*>(stored);
}

// ---- the inner list box

int Rows(const State& s) { return static_cast<int>(Inner(s, lb::GetCount)); }

int ItemAtLine(const State& s, int line) {
  if (s.dataMode()) return static_cast<int>(Inner(s, lb::GetItemData, static_cast<WParam>(line)));
  return s.top + line;
}

int LineOfItem(const State& s, int item) {
  const int rows = Rows(s);
  if (!s.dataMode()) {
    const long long line = static_cast<long long>(item) - s.top;
    return line >= 0 && line < rows ? static_cast<int>(line) : -1;
  }
  for (int line = 0; line < rows; ++line)
    if (ItemAtLine(s, line) == item) return line;
  return -1;
}

int SelectedLine(const State& s) { return static_cast<int>(Inner(s, lb::GetCurrentSelection)); }

void SelectLine(State& s, int line) {
  Inner(s, lb::SetCurrentSelection, static_cast<WParam>(static_cast<LParam>(line)));
  if (line >= 0 && line < Rows(s)) {
    s.selection = ItemAtLine(s, line);
    s.flags &= static_cast<std::uint16_t>(~flag::SelectionOutOfView);
  }
}

void RecordSelection(State& s) {
  const int line = SelectedLine(s);
  if (line >= 0) s.selection = ItemAtLine(s, line);
}

// ---- the parent

bool Ask(State& s, MessageId code, bool keepText) {
  s.request.controlId = s.id;
  // A parent that does not answer leaves this, and the row is not there.
  s.request.status = 1;
  if (!keepText) s.request.text = nullptr;
  ui::SendMessage(s.parent, code, 0, reinterpret_cast<LParam>(&s.request));
  return s.request.status == 0;
}

bool AskItem(State& s, MessageId code, int item) {
  s.request.data = item;
  s.request.index = item;
  return Ask(s, code);
}

int AnsweredItem(const State& s) { return s.dataMode() ? s.request.data : s.request.index; }

void AnnounceFreeItem(State& s, int item) { ui::SendMessage(s.parent, RPBN_FREEITEM, static_cast<WParam>(s.id), item); }

void AnnounceFreeAll(State& s) { ui::SendMessage(s.parent, RPBN_FREEALL, static_cast<WParam>(s.id), 0); }

void AskCount(State& s) {
  s.request.data = 0;
  s.request.index = 0;
  const bool answered = Ask(s, RPBN_GETCOUNT);
  s.count = answered && s.request.index >= 0 ? s.request.index : kCountUnknown;
  if (s.count == kCountUnknown || (s.style & style::DataMode)) s.flags |= flag::DataMode;
}

// ---- rows

namespace {

void SetRow(State& s, int line) { Inner(s, lb::SetItemData, static_cast<WParam>(line), s.request.data); }

const char* AnsweredText(const State& s) {
  if (!(s.flags & flag::Strings) || s.request.text == nullptr) return "";
  return s.request.text;
}

}  // namespace

void AppendAnswer(State& s) {
  const LResult line = Inner(s, lb::AddString, 0, reinterpret_cast<LParam>(AnsweredText(s)));
  if (line >= 0) SetRow(s, static_cast<int>(line));
}

void InsertAnswerAtTop(State& s) {
  if (Inner(s, lb::InsertString, 0, reinterpret_cast<LParam>(AnsweredText(s))) >= 0) SetRow(s, 0);
}

void DropLine(State& s, int line) {
  const int item = ItemAtLine(s, line);
  Inner(s, lb::DeleteString, static_cast<WParam>(line));
  AnnounceFreeItem(s, item);
}

void DropAll(State& s) {
  AnnounceFreeAll(s);
  Inner(s, lb::ResetContent);
}

// ---- the window procedure

namespace {

LResult LBSubclassProc(WindowHandle window, MessageId message, WParam wParam, LParam lParam);

LResult OnNcCreate(WindowHandle window, WParam wParam, LParam lParam) {
  State* s = new (std::nothrow) State;
  if (s == nullptr) return 0;
  ui::SetWindowExtra(window, 0, reinterpret_cast<LParam>(s));
  s->style = ui::WindowStyle(window);
  ui::SetWindowStyle(window, s->style & ~(ui::style::VScroll | ui::style::HScroll));
  draw3d::Draw3dRegister();
  return ui::DefaultWindowProcedure(window, ui::msg::NcCreate, wParam, lParam);
}

LResult OnCreate(State& s) {
  s.parent = ui::ParentWindow(s.window);
  s.id = ui::WindowId(s.window);
  s.redraw = 1;
  s.count = kCountNotAsked;
  s.selection = -1;
  if (s.style & style::DataMode) s.flags |= flag::DataMode;
  if (!((s.style & style::OwnerDrawFixed) && !(s.style & style::HasStrings))) s.flags |= flag::Strings;
  s.itemHeight = std::max(1, ui::MeasureFont(s.font).height);
  s.lines = ui::ClientRect(s.window).height() / s.itemHeight;
  const int border = ui::GetSystemMetric(ui::SystemMetric::BorderWidth);
  ui::WindowCreation inner;
  inner.className = lb::kClassName;
  inner.style = (s.style & kInnerStyleMask) | lb::Notify | lb::NoIntegralHeight | lb::WantKeyboardInput |
                ui::style::Child | ui::style::Visible;
  inner.rect = ui::ClientRect(s.window).inflatedBy(border, border);
  inner.parent = s.window;
  inner.id = kInnerListId;
  s.inner = ui::CreateWindow(inner);
  if (s.inner == nullptr) return -1;
  if (s.style & style::DisableNoScroll) {
    ui::ShowScrollBar(s.inner, ui::ScrollBar::Vertical, true);
    ui::EnableScrollBar(s.inner, ui::ScrollBar::Vertical, false);
    if (s.style & ui::style::HScroll) {
      ui::ShowScrollBar(s.inner, ui::ScrollBar::Horizontal, true);
      ui::EnableScrollBar(s.inner, ui::ScrollBar::Horizontal, false);
    }
  }
  s.innerPrevious = ui::SubclassWindow(s.inner, &LBSubclassProc);
  return 0;
}

void OnNcDestroy(WindowHandle window, State* s) {
  delete s;
  draw3d::Draw3dUnregister();
  ui::SetWindowExtra(window, 0, kFreedState);
}

void OnSetFocus(State& s) {
  s.flags |= flag::Focus;
  if (s.selection != -1 && LineOfItem(s, s.selection) < 0) {
    s.flags |= flag::SelectionOutOfView;
    return;
  }
  ui::SetFocus(s.inner);
}

// Mouse and key input that reaches the control itself goes to the inner
// box, with the mouse position in the inner box's coordinates.
LResult PassToInner(State& s, MessageId message, WParam wParam, LParam lParam) {
  ui::SetFocus(s.inner);
  if (message != ui::msg::KeyDown) {
    const ui::Point at = ui::ScreenToClient(s.inner, ui::ClientToScreen(s.window, ui::PointFromParam(lParam)));
    lParam = ui::PointToParam(at);
  }
  Inner(s, message, wParam, lParam);
  return 1;
}

void OnPaint(State& s) {
  ui::PaintInfo info;
  ui::BeginPaint(s.window, info);
  ui::EndPaint(s.window, info);
  // The inner box reaches a border beyond the client area on every side,
  // so a repaint of the control never covers it whole: it is repainted
  // whole, scroll bars included, after the control.
  ui::InvalidateRect(s.inner);
  if (!(s.style & style::Frame3d) || s.parent == nullptr) return;
  ui::DcHandle dc = ui::GetDC(s.parent);
  if (dc == nullptr) return;
  draw3d::Draw3dInsetRect(dc, ui::WindowRectInParent(s.window).inflatedBy(1, 1), draw3d::edge::All);
  ui::ReleaseDC(s.parent, dc);
}

// The inner box's notices: the selection recorded, and passed on to the
// parent as the control's own when asked.
LResult OnInnerCommand(State& s, WParam wParam) {
  const unsigned code = ui::HighWord(wParam);
  if (code == lb::SelectionChange) RecordSelection(s);
  if (code == lb::SelectionCancel) s.selection = -1;
  if (!(s.style & style::ForwardCommands)) return 1;
  return ui::SendMessage(s.parent, ui::msg::Command, ui::CommandParam(s.id, code), ui::HandleToParam(s.window));
}

LResult OnVKeyToItem(State& s, WParam wParam) {
  if (s.style & style::ParentKeysFirst) {
    const LResult answer = ui::SendMessage(s.parent, ui::msg::VKeyToItem, wParam, ui::HandleToParam(s.window));
    if (answer != -1) return answer;
  }
  const LResult handled = VirtualKey(s, ui::LowWord(wParam));
  if (handled == -1) return -1;
  ui::SendMessage(s.parent, ui::msg::Command, ui::CommandParam(s.id, lb::SelectionChange), ui::HandleToParam(s.window));
  return -2;
}

bool IsControlColor(MessageId message) {
  return message >= ui::msg::CtlColorEdit && message <= ui::msg::CtlColorStatic;
}

LResult LBSubclassProc(WindowHandle window, MessageId message, WParam wParam, LParam lParam) {
  const WindowHandle control = ui::ParentWindow(window);
  State* s = StateOf(control);
  if (s == nullptr || s->innerPrevious == nullptr) return ui::DefaultWindowProcedure(window, message, wParam, lParam);
  const ui::WindowProcedure previous = s->innerPrevious;
  if (message == ui::msg::VScroll) return ui::SendMessage(control, message, wParam, lParam);
  if (message == ui::msg::SystemTimer) ui::SendMessage(control, message, wParam, lParam);
  if (message == ui::msg::SetFocus) s->flags |= flag::Focus;
  return ui::CallWindowProcedure(previous, window, message, wParam, lParam);
}

LResult Dispatch(State& s, MessageId message, WParam wParam, LParam lParam) {
  WindowHandle window = s.window;
  switch (message) {
    case ui::msg::Create: return OnCreate(s);
    case ui::msg::SetFont:
      s.font = ui::HandleFromParam<ui::FontHandle>(static_cast<LParam>(wParam));
      Inner(s, ui::msg::SetFont, wParam, 0);
      RPBSizeHandler(s, 0);
      if (lParam) ui::InvalidateRect(window);
      return 0;
    case ui::msg::GetFont: return ui::HandleToParam(s.font);
    case ui::msg::Size:
      if (ui::LowWord(static_cast<std::uintptr_t>(lParam)) != 0 &&
          ui::HighWord(static_cast<std::uintptr_t>(lParam)) != 0)
        RPBSizeHandler(s, 0);
      return 0;
    case ui::msg::SetFocus: OnSetFocus(s); return 0;
    case ui::msg::KillFocus:
      if (ui::HandleFromParam<WindowHandle>(static_cast<LParam>(wParam)) != s.inner)
        s.flags &= static_cast<std::uint16_t>(~flag::Focus);
      return 0;
    case ui::msg::Enable:
      ui::InvalidateRect(window);
      ui::EnableWindow(s.inner, wParam != 0);
      return 0;
    case ui::msg::SetRedraw:
      if (wParam)
        RedrawOn(s);
      else
        RedrawOff(s);
      return 0;
    case ui::msg::EraseBackground: return 1;
    case ui::msg::GetDialogCode: return ui::dialog_code::WantArrows | ui::dialog_code::WantChars;
    case ui::msg::LeftButtonDown:
    case ui::msg::RightButtonDown:
    case ui::msg::MiddleButtonDown:
    case ui::msg::KeyDown: return PassToInner(s, message, wParam, lParam);
    case ui::msg::Paint: OnPaint(s); return 0;
    case ui::msg::Command:
      if (ui::HandleFromParam<WindowHandle>(lParam) == s.inner) return OnInnerCommand(s, wParam);
      break;
    case ui::msg::VScroll: {
      const LResult result = VerticalScroll(s, ui::LowWord(wParam), static_cast<int>(ui::HighWord(wParam)));
      RecordSelection(s);
      return result;
    }
    case ui::msg::SystemTimer: AutoScroll(s); return 0;
    case ui::msg::CharToItem:
      if (!(s.style & style::ParentKeysFirst)) return -1;
      return ui::SendMessage(s.parent, message, wParam, ui::HandleToParam(window));
    case ui::msg::VKeyToItem: return OnVKeyToItem(s, wParam);
    case RPB_SETCURSEL: return SetCurrentSelection(s, wParam, lParam);
    case RPB_INITIALIZE: return Initialize(s);
    case RPB_PAGEDOWN: RPBScrollDownPage(s, static_cast<int>(static_cast<LParam>(wParam))); return 1;
    case RPB_PAGEUP: RPBScrollUpPage(s, static_cast<int>(static_cast<LParam>(wParam))); return 1;
    default: break;
  }
  if (IsControlColor(message) && (s.style & style::Frame3d)) {
    if (ui::BrushHandle brush = draw3d::Draw3dCtlColor(ui::HandleFromParam<ui::DcHandle>(static_cast<LParam>(wParam))))
      return ui::HandleToParam(brush);
  }
  if (message >= lb::AddString && message <= 0x01A7) return Inner(s, message, wParam, lParam);
  bool handled = true;
  const LResult result = RareMessage(s, message, wParam, lParam, handled);
  if (handled) return result;
  return ui::DefaultWindowProcedure(window, message, wParam, lParam);
}

}  // namespace

LResult RowpaneBoxWndProc(WindowHandle window, MessageId message, WParam wParam, LParam lParam) {
  if (message == ui::msg::NcCreate) return OnNcCreate(window, wParam, lParam);
  if (ui::WindowExtra(window, 0) == kFreedState) return 0;
  State* s = StateOf(window);
  if (s == nullptr) return ui::DefaultWindowProcedure(window, message, wParam, lParam);
  if (message == ui::msg::NcDestroy) {
    const LResult result = ui::DefaultWindowProcedure(window, message, wParam, lParam);
    OnNcDestroy(window, s);
    return result;
  }
  if (message == ui::msg::Create) s->window = window;
  return Dispatch(*s, message, wParam, lParam);
}

bool RegisterRowpaneClass() {
  if (ui::FindWindowClass(kClassName) != nullptr) return true;
  return ui::RegisterWindowClass(
      {kClassName, &RowpaneBoxWndProc,
       ui::class_style::GlobalClass | ui::class_style::ParentDc | ui::class_style::DoubleClicks,
       static_cast<int>(sizeof(LParam))});
}

void UnregisterRowpaneClass() {
  const ui::WindowClass* registered = ui::FindWindowClass(kClassName);
  if (registered != nullptr && registered->procedure == &RowpaneBoxWndProc) ui::UnregisterWindowClass(kClassName);
}

}  // namespace rowpane::detail
