// The "Edit" class.
#include "platform/ui/controls/edit.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <string>

#include "platform/ui/backend.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/controls/combo_box.h"
#include "platform/ui/focus.h"
#include "platform/ui/font.h"
#include "platform/ui/gdi.h"
#include "platform/ui/input.h"
#include "platform/ui/keys.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/window.h"
#include "edit_painting.h"
#include "windows/window_system.h"

namespace platform::ui::detail {

namespace {

class EditState : public ControlState {
 public:
  // The selection runs between the anchor and the caret (either may be
  // the larger); the caret is where typing goes.
  int anchor = 0;
  int caret = 0;
  int limit = edit::kNoLimit;
  int firstVisible = 0;  // the first character shown (one line), or the first line (multi-line)
  bool modified = false;
  bool selecting = false;  // the mouse is dragging a selection

  int start() const { return std::min(anchor, caret); }
  int end() const { return std::max(anchor, caret); }
};

class Edit {
 public:
  Edit(WindowHandle window, WindowRecord& record, EditState& state) : window_(window), record_(record), state_(state) {}

  std::string& text() { return record_.text; }
  int length() const { return static_cast<int>(record_.text.size()); }
  bool multiLine() const { return (record_.style & edit::MultiLine) != 0; }
  bool readOnly() const { return (record_.style & edit::ReadOnly) != 0; }
  WindowHandle combo() const {
    const WindowHandle parent = ParentWindow(window_);
    return IsWindowOfClass(parent, combo_box::kClassName) ? parent : nullptr;
  }

  void select(int anchor, int caret) {
    state_.anchor = std::clamp(anchor, 0, length());
    state_.caret = std::clamp(caret, 0, length());
  }

  // Replaces the selection with the text, as far as the limit allows;
  // returns false (nothing changed) when none of it fits.
  bool replaceSelection(std::string insert, bool userTyped) {
    const int room = std::max(0, state_.limit - (length() - (state_.end() - state_.start())));
    if (static_cast<int>(insert.size()) > room) {
      if (userTyped || room == 0) {
        MessageBeep(0);
        NotifyParent(window_, edit::MaxText);
        return false;
      }
      insert.resize(static_cast<std::size_t>(room));
    }
    if (record_.style & edit::UpperCase)
      for (char& c : insert) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (record_.style & edit::LowerCase)
      for (char& c : insert) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const int at = state_.start();
    text().replace(static_cast<std::size_t>(at), static_cast<std::size_t>(state_.end() - at), insert);
    select(at + static_cast<int>(insert.size()), at + static_cast<int>(insert.size()));
    changed();
    return true;
  }

  void changed() {
    state_.modified = true;
    scrollCaretIntoView();
    NotifyParent(window_, edit::Update);
    if (IsWindow(window_)) NotifyParent(window_, edit::Change);
  }

  // Removes the selection, or the character before (after) the caret.
  void erase(bool forward) {
    if (readOnly()) {
      MessageBeep(0);
      return;
    }
    if (state_.start() == state_.end()) {
      if (forward && state_.caret >= length()) return;
      if (!forward && state_.caret == 0) return;
      // A line break of two characters goes as one.
      int from = forward ? state_.caret : state_.caret - 1;
      int to = forward ? state_.caret + 1 : state_.caret;
      if (forward && text().compare(static_cast<std::size_t>(from), 2, "\r\n") == 0) to = from + 2;
      if (!forward && from > 0 && text().compare(static_cast<std::size_t>(from - 1), 2, "\r\n") == 0) from -= 1;
      select(from, to);
    }
    replaceSelection({}, false);
  }

  void type(unsigned character) {
    if (character == '\b') {
      erase(false);
      return;
    }
    if (character == '\r' && multiLine() && (record_.style & edit::WantReturn)) {
      if (readOnly()) {
        MessageBeep(0);
        return;
      }
      replaceSelection("\r\n", true);
      return;
    }
    if (character < 0x20 || character == 0x7F || character > 0xFF) return;  // other control characters do nothing
    if (readOnly() || ((record_.style & edit::Number) && !std::isdigit(static_cast<int>(character)))) {
      MessageBeep(0);
      return;
    }
    replaceSelection(std::string(1, static_cast<char>(character)), true);
  }

  void moveCaret(int to, bool extend) {
    to = std::clamp(to, 0, length());
    if (extend)
      state_.caret = to;
    else
      state_.anchor = state_.caret = to;
    scrollCaretIntoView();
  }

  // Caret moves; a collapsing move without Shift goes to the selection's
  // edge first.
  bool keyDown(WParam code) {
    const bool shift = IsKeyDown(key::Shift);
    const bool collapsed = state_.start() == state_.end();
    switch (code) {
      case key::Left:
        moveCaret(!shift && !collapsed ? state_.start() : state_.caret - stepBefore(), shift);
        return true;
      case key::Right:
        moveCaret(!shift && !collapsed ? state_.end() : state_.caret + stepAfter(), shift);
        return true;
      case key::Home:
        moveCaret(multiLine() ? lineStart(state_.caret) : 0, shift);
        return true;
      case key::End:
        moveCaret(multiLine() ? lineEnd(state_.caret) : length(), shift);
        return true;
      case key::Delete:
        erase(true);
        return true;
      case key::Up:
      case key::Down:
        if (multiLine()) {
          scrollLines(code == key::Up ? -1 : 1);
          return true;
        }
        moveCaret(code == key::Up ? state_.caret - stepBefore() : state_.caret + stepAfter(), shift);
        return true;
      case key::PageUp:
      case key::PageDown:
        if (multiLine()) scrollLines((code == key::PageUp ? -1 : 1) * std::max(1, visibleLines()));
        return multiLine();
      default:
        return false;
    }
  }

  int stepBefore() const {
    return state_.caret >= 2 && record_.text.compare(static_cast<std::size_t>(state_.caret - 2), 2, "\r\n") == 0 ? 2 : 1;
  }
  int stepAfter() const { return record_.text.compare(static_cast<std::size_t>(state_.caret), 2, "\r\n") == 0 ? 2 : 1; }

  // ---- lines (multi-line)

  std::vector<int> lineStarts() const {
    std::vector<int> starts{0};
    for (int i = 0; i < length(); ++i)
      if (record_.text[static_cast<std::size_t>(i)] == '\n') starts.push_back(i + 1);
    return starts;
  }
  int lineStart(int at) const {
    while (at > 0 && record_.text[static_cast<std::size_t>(at - 1)] != '\n') --at;
    return at;
  }
  int lineEnd(int at) const {
    while (at < length() && record_.text[static_cast<std::size_t>(at)] != '\n' && record_.text[static_cast<std::size_t>(at)] != '\r')
      ++at;
    return at;
  }
  int lineHeight() const { return std::max(1, MeasureFont(state_.font).height); }
  int visibleLines() const { return ClientRect(window_).height() / lineHeight(); }
  void scrollLines(int lines) {
    const int count = static_cast<int>(lineStarts().size());
    state_.firstVisible = std::clamp(state_.firstVisible + lines, 0, std::max(0, count - 1));
  }

  // ---- the visible part (one line)

  int widthOf(int from, int to) const {
    return MeasureTextWidth(state_.font, std::string_view(record_.text).substr(static_cast<std::size_t>(from),
                                                                                static_cast<std::size_t>(to - from)));
  }
  void scrollCaretIntoView() {
    if (multiLine()) {
      const std::vector<int> starts = lineStarts();
      const int line = static_cast<int>(std::upper_bound(starts.begin(), starts.end(), state_.caret) - starts.begin()) - 1;
      const int shown = std::max(1, visibleLines());
      if (line < state_.firstVisible) state_.firstVisible = line;
      if (line >= state_.firstVisible + shown) state_.firstVisible = line - shown + 1;
      return;
    }
    const int width = ClientRect(window_).width();
    state_.firstVisible = std::min(state_.firstVisible, state_.caret);
    while (state_.firstVisible < state_.caret && widthOf(state_.firstVisible, state_.caret) > width) ++state_.firstVisible;
  }
  // The character position nearest to the client point.
  int positionAt(Point point) const {
    int from = 0;
    int to = length();
    if (multiLine()) {
      const std::vector<int> starts = lineStarts();
      const int line = std::clamp(state_.firstVisible + point.y / lineHeight(), 0, static_cast<int>(starts.size()) - 1);
      from = starts[static_cast<std::size_t>(line)];
      to = lineEnd(from);
    } else {
      from = state_.firstVisible;
    }
    int best = from;
    for (int i = from; i <= to; ++i) {
      if (std::abs(widthOf(from, i) - point.x) < std::abs(widthOf(from, best) - point.x)) best = i;
    }
    return best;
  }

  void setText(const char* value) {
    text() = value ? value : "";
    state_.anchor = state_.caret = 0;
    state_.firstVisible = 0;
    state_.modified = false;
    if (!multiLine()) {
      NotifyParent(window_, edit::Update);
      if (IsWindow(window_)) NotifyParent(window_, edit::Change);
    }
  }

 private:
  WindowHandle window_;
  WindowRecord& record_;
  EditState& state_;
};

LResult DialogCodeOf(WindowHandle window, const WindowRecord& record, WParam wParam, LParam lParam) {
  LResult code = dialog_code::WantChars | dialog_code::HasSetSelection | dialog_code::WantArrows;
  const auto* message = reinterpret_cast<const Message*>(lParam);
  if ((record.style & edit::MultiLine) && (record.style & edit::WantReturn) && message &&
      message->message == msg::KeyDown && message->wParam == key::Enter)
    code |= dialog_code::WantMessage;
  const WindowHandle parent = ParentWindow(window);
  if (IsWindowOfClass(parent, combo_box::kClassName)) code |= SendMessage(parent, msg::GetDialogCode, wParam, lParam);
  return code;
}

bool IsComboKey(WParam code, WindowHandle combo) {
  switch (code) {
    case key::Up:
    case key::Down:
    case key::PageUp:
    case key::PageDown:
    case key::F4:
      return true;
    case key::Enter:
    case key::Escape:
      return SendMessage(combo, combo_box::GetDroppedState) != 0;
    default:
      return false;
  }
}

// ---- painting

EditView ViewOf(const WindowRecord& record, const EditState& state) {
  EditView view;
  view.text = &record.text;
  view.password = (record.style & edit::Password) != 0;
  view.multiLine = (record.style & edit::MultiLine) != 0;
  view.keepSelection = (record.style & edit::NoHideSelection) != 0;
  view.firstVisible = state.firstVisible;
  view.selectionStart = state.start();
  view.selectionEnd = state.end();
  view.caret = state.caret;
  view.font = state.font;
  return view;
}

bool ChangesEditLook(MessageId message) {
  switch (message) {
    case edit::SetSelection:
    case edit::ReplaceSelection:
    case edit::ScrollCaret:
    case edit::LineScroll:
    case msg::Cut:
    case msg::Paste:
      return true;
    default:
      return false;
  }
}

// The clipboard commands, and Ctrl+C, Ctrl+X and Ctrl+V for them.
bool HandleClipboard(WindowHandle window, WindowRecord& record, EditState& state, MessageId message, WParam wParam) {
  if (message == msg::KeyDown && IsKeyDown(key::Control) && !IsKeyDown(key::Alt)) {
    if (wParam == 'C') message = msg::Copy;
    else if (wParam == 'X') message = msg::Cut;
    else if (wParam == 'V') message = msg::Paste;
    else return false;
  }
  Edit edit(window, record, state);
  const std::string selected = record.text.substr(static_cast<std::size_t>(state.start()),
                                                  static_cast<std::size_t>(state.end() - state.start()));
  switch (message) {
    case msg::Copy:
      // A password is never copied out.
      if (!selected.empty() && !(record.style & edit::Password)) SetClipboardText(selected);
      return true;
    case msg::Cut:
      if (selected.empty() || (record.style & edit::Password)) return true;
      if (edit.readOnly()) {
        MessageBeep(0);
        return true;
      }
      SetClipboardText(selected);
      edit.replaceSelection({}, false);
      return true;
    case msg::Paste: {
      const auto text = ClipboardText();
      if (!text) return true;
      if (edit.readOnly()) {
        MessageBeep(0);
        return true;
      }
      std::string insert = *text;
      // One line only in a single-line field: the first.
      if (!edit.multiLine()) insert = insert.substr(0, insert.find_first_of("\r\n"));
      edit.replaceSelection(insert, true);
      return true;
    }
    default:
      return false;
  }
}

LResult EditBehaviour(WindowHandle window, MessageId message, WParam wParam, LParam lParam);

LResult EditProcedure(WindowHandle window, MessageId message, WParam wParam, LParam lParam) {
  EditState* state = StateOf<EditState>(window);
  WindowRecord* record = Find(window);
  if (state != nullptr && message == msg::Paint) {
    PaintEditField(window, ViewOf(*record, *state));
    return 0;
  }
  LResult result = 0;
  if (state == nullptr || !HandleClipboard(window, *record, *state, message, wParam))
    result = EditBehaviour(window, message, wParam, lParam);
  state = StateOf<EditState>(window);
  if (state == nullptr) return result;
  record = Find(window);
  if (message == msg::SetFocus) {
    CreateCaret(window, 1, std::max(1, MeasureFont(state->font).height));
    ShowCaret(window);
  } else if (message == msg::KillFocus && CurrentCaret().owner == window) {
    DestroyCaret();
  }
  if (ChangesLook(window, message) || ChangesEditLook(message)) {
    InvalidateRect(window);
    if (CurrentCaret().owner == window) SetCaretPosition(EditCaretPoint(window, ViewOf(*record, *state)));
  }
  return result;
}

LResult EditBehaviour(WindowHandle window, MessageId message, WParam wParam, LParam lParam) {
  EditState* state = ControlStateFor<EditState>(window, message);
  if (state == nullptr) return DefaultWindowProcedure(window, message, wParam, lParam);
  WindowRecord* record = Find(window);
  Edit edit(window, *record, *state);
  if (LResult result = 0; HandleFontMessage(*state, message, wParam, result)) return result;
  switch (message) {
    case msg::NcCreate: {
      const LResult result = DefaultWindowProcedure(window, message, wParam, lParam);
      if (record->style & edit::UpperCase)
        for (char& c : record->text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      return result;
    }
    case msg::GetDialogCode:
      return DialogCodeOf(window, *record, wParam, lParam);
    case msg::SetText:
      edit.setText(reinterpret_cast<const char*>(lParam));
      return 1;
    case edit::GetSelection: {
      if (wParam) *reinterpret_cast<int*>(wParam) = state->start();
      if (lParam) *reinterpret_cast<int*>(lParam) = state->end();
      return static_cast<LResult>(MakeLong(static_cast<unsigned>(std::min(state->start(), 0xFFFF)),
                                           static_cast<unsigned>(std::min(state->end(), 0xFFFF))));
    }
    case edit::SetSelection: {
      const auto start = static_cast<int>(static_cast<LParam>(wParam));
      const auto end = static_cast<int>(lParam);
      if (start < 0) {
        edit.select(state->caret, state->caret);
      } else {
        edit.select(start, end < 0 ? edit.length() : end);
      }
      return 0;
    }
    case edit::ReplaceSelection:
      edit.replaceSelection(lParam ? reinterpret_cast<const char*>(lParam) : "", false);
      return 0;
    case edit::ScrollCaret:
      edit.scrollCaretIntoView();
      return 1;
    case edit::LimitText:
      state->limit = wParam == 0 || wParam > static_cast<WParam>(edit::kNoLimit) ? edit::kNoLimit : static_cast<int>(wParam);
      return 0;
    case edit::GetLimitText:
      return state->limit;
    case edit::GetModify:
      return state->modified ? 1 : 0;
    case edit::SetModify:
      state->modified = wParam != 0;
      return 0;
    case edit::SetReadOnly:
      record->style = wParam ? (record->style | edit::ReadOnly) : (record->style & ~edit::ReadOnly);
      return 1;
    case edit::GetLineCount:
      return edit.multiLine() ? static_cast<LResult>(edit.lineStarts().size()) : 1;
    case edit::GetFirstVisibleLine:
      return edit.multiLine() ? state->firstVisible : 0;
    case edit::LineScroll:
      if (!edit.multiLine()) return 0;
      edit.scrollLines(static_cast<int>(lParam));
      return 1;
    case msg::SetFocus:
      NotifyParent(window, edit::SetFocusNotify);
      return 0;
    case msg::KillFocus:
      state->selecting = false;
      NotifyParent(window, edit::KillFocusNotify);
      return 0;
    case msg::KeyDown: {
      const WindowHandle combo = edit.combo();
      if (combo != nullptr && IsComboKey(wParam, combo)) return SendMessage(combo, message, wParam, lParam);
      if (edit.keyDown(wParam)) return 0;
      return DefaultWindowProcedure(window, message, wParam, lParam);
    }
    case msg::SysKeyDown: {
      const WindowHandle combo = edit.combo();
      if (combo != nullptr && (wParam == key::Up || wParam == key::Down)) return SendMessage(combo, message, wParam, lParam);
      return DefaultWindowProcedure(window, message, wParam, lParam);
    }
    case msg::Char:
      edit.type(static_cast<unsigned>(wParam));
      return 0;
    case msg::LeftButtonDown:
    case msg::LeftButtonDoubleClick: {
      if (GetFocus() != window) SetFocus(window);
      state = StateOf<EditState>(window);
      if (state == nullptr || GetFocus() != window) return 0;
      Edit focused(window, *Find(window), *state);
      const int at = focused.positionAt(PointFromParam(lParam));
      if (message == msg::LeftButtonDoubleClick) {
        // The word under the mouse.
        auto isWord = [&](int i) { return std::isalnum(static_cast<unsigned char>(focused.text()[static_cast<std::size_t>(i)])) != 0; };
        int from = at;
        int to = at;
        while (from > 0 && isWord(from - 1)) --from;
        while (to < focused.length() && isWord(to)) ++to;
        focused.select(from, to);
        return 0;
      }
      focused.select((wParam & mouse_key::Shift) ? state->anchor : at, at);
      state->selecting = true;
      SetCapture(window);
      return 0;
    }
    case msg::MouseMove:
      if (state->selecting && GetCapture() == window) edit.moveCaret(edit.positionAt(PointFromParam(lParam)), true);
      return 0;
    case msg::LeftButtonUp:
      if (state->selecting) {
        state->selecting = false;
        if (GetCapture() == window) ReleaseCapture();
      }
      return 0;
    case msg::CaptureChanged:
      state->selecting = false;
      return 0;
    default:
      return DefaultWindowProcedure(window, message, wParam, lParam);
  }
}

MessageId EditControlColor(StyleBits style, bool enabled) {
  return (style & edit::ReadOnly) || !enabled ? msg::CtlColorStatic : msg::CtlColorEdit;
}

}  // namespace

}  // namespace platform::ui::detail

namespace platform::ui::edit {

const ControlDescriptor kDescriptor{kClassName, &detail::EditProcedure, class_style::DoubleClicks, kTemplateKinds,
                                    kStyleWords, &detail::EditControlColor};

}  // namespace platform::ui::edit
