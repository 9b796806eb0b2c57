// The "Edit" class.
#include "platform/ui/controls/edit.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "control.h"
#include "edit_painting.h"
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

namespace platform::ui::detail {

namespace {

bool IsComboKey(VirtualKey code, WindowHandle combo) {
  switch (code) {
    case key::Up:
    case key::Down:
    case key::PageUp:
    case key::PageDown:
    case key::F4: return true;
    case key::Enter:
    case key::Escape: return SendMessage(combo, combo_box::GetDroppedState) != 0;
    default: return false;
  }
}

class Edit final : public Control {
 protected:
  // ---- creation, text
  LResult onNcCreate(const WindowCreation*) override {
    const LResult result = defaultProcedure();
    if (style() & edit::UpperCase)
      for (char& c : text()) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
  }
  LResult onSetText(const char* value) override {
    setText(value);
    return 1;
  }

  // ---- the dialog manager
  LResult onGetDialogCode(const Message* message) override;

  // ---- focus: the caret comes and goes with it
  void onSetFocus(const FocusEvent&) override;
  void onKillFocus(const FocusEvent&) override;

  // ---- keys: the clipboard keys, the keys that work a combo's list,
  // caret moves; typed characters
  void onKeyDown(const KeyEvent& event) override;
  void onSysKeyDown(const KeyEvent& event) override;
  void onChar(const CharEvent& event) override { type(event.character); }

  // ---- the mouse: a press places the caret (with Shift it extends the
  // selection), a drag selects, a double click selects the word
  void onLeftButtonDown(const MouseEvent& event) override { press(event, false); }
  void onLeftButtonDoubleClick(const MouseEvent& event) override { press(event, true); }
  void onMouseMove(const MouseEvent& event) override {
    if (selecting_ && GetCapture() == window()) moveCaret(positionAt(event.point), true);
  }
  void onLeftButtonUp(const MouseEvent&) override;
  void onCaptureChanged() override { selecting_ = false; }

  // ---- its messages, and the clipboard commands
  std::optional<LResult> onControlMessage(MessageId message, WParam wParam, LParam lParam) override;

  // ---- its look
  void paint(const ControlPaint& paint) override { PaintEditField(paint, window(), view()); }
  bool changesLook(MessageId message) const override;
  // Moves the caret along with the painting.
  void invalidate() override {
    Control::invalidate();
    if (CurrentCaret().owner == window()) SetCaretPosition(EditCaretPoint(window(), view()));
  }

 private:
  std::string& text() const { return record().text; }
  int length() const { return static_cast<int>(text().size()); }
  bool multiLine() const { return (style() & edit::MultiLine) != 0; }
  bool readOnly() const { return (style() & edit::ReadOnly) != 0; }
  int start() const { return std::min(anchor_, caret_); }
  int end() const { return std::max(anchor_, caret_); }
  // The combo box whose edit this is, or null.
  WindowHandle combo() const {
    const WindowHandle parent = ParentWindow(window());
    return IsWindowOfClass(parent, combo_box::kClassName) ? parent : nullptr;
  }
  EditView view() const;

  void select(int anchor, int caret) {
    anchor_ = std::clamp(anchor, 0, length());
    caret_ = std::clamp(caret, 0, length());
  }
  bool replaceSelection(std::string insert, bool userTyped);
  void changed();
  void erase(bool forward);
  void type(unsigned character);
  void moveCaret(int to, bool extend);
  bool moveOrDelete(VirtualKey code);
  bool clipboardKey(VirtualKey code);
  void copy();
  void cut();
  void paste();
  void press(const MouseEvent& event, bool doubleClick);
  void setText(const char* value);

  // ---- lines (multi-line)
  std::vector<int> lineStarts() const;
  int lineStart(int at) const;
  int lineEnd(int at) const;
  int lineHeight() const { return std::max(1, MeasureFont(font()).height); }
  int visibleLines() const { return ClientRect(window()).height() / lineHeight(); }
  void scrollLines(int lines) {
    const int count = static_cast<int>(lineStarts().size());
    firstVisible_ = std::clamp(firstVisible_ + lines, 0, std::max(0, count - 1));
  }
  int stepBefore() const {
    return caret_ >= 2 && text().compare(static_cast<std::size_t>(caret_ - 2), 2, "\r\n") == 0 ? 2 : 1;
  }
  int stepAfter() const { return text().compare(static_cast<std::size_t>(caret_), 2, "\r\n") == 0 ? 2 : 1; }

  // ---- the visible part
  int widthOf(int from, int to) const {
    return MeasureTextWidth(
        font(), std::string_view(text()).substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from)));
  }
  void scrollCaretIntoView();
  // The character position nearest to the client point.
  int positionAt(Point point) const;

  // The selection runs between the anchor and the caret (either may be
  // the larger); the caret is where typing goes.
  int anchor_ = 0;
  int caret_ = 0;
  int limit_ = edit::kNoLimit;
  int firstVisible_ = 0;  // the first character shown (one line), or the first line (multi-line)
  bool modified_ = false;
  bool selecting_ = false;  // the mouse is dragging a selection
};

// ---- changing the text

// Replaces the selection with the text, as far as the limit allows;
// returns false (nothing changed) when none of it fits.
bool Edit::replaceSelection(std::string insert, bool userTyped) {
  const int room = std::max(0, limit_ - (length() - (end() - start())));
  if (static_cast<int>(insert.size()) > room) {
    if (userTyped || room == 0) {
      MessageBeep(0);
      notifyParent(edit::MaxText);
      return false;
    }
    insert.resize(static_cast<std::size_t>(room));
  }
  if (style() & edit::UpperCase)
    for (char& c : insert) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (style() & edit::LowerCase)
    for (char& c : insert) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const int at = start();
  text().replace(static_cast<std::size_t>(at), static_cast<std::size_t>(end() - at), insert);
  select(at + static_cast<int>(insert.size()), at + static_cast<int>(insert.size()));
  changed();
  return true;
}

void Edit::changed() {
  modified_ = true;
  scrollCaretIntoView();
  notifyParent(edit::Update);
  if (alive()) notifyParent(edit::Change);
}

// Removes the selection, or the character before (after) the caret.
void Edit::erase(bool forward) {
  if (readOnly()) {
    MessageBeep(0);
    return;
  }
  if (start() == end()) {
    if (forward && caret_ >= length()) return;
    if (!forward && caret_ == 0) return;
    // A line break of two characters goes as one.
    int from = forward ? caret_ : caret_ - 1;
    int to = forward ? caret_ + 1 : caret_;
    if (forward && text().compare(static_cast<std::size_t>(from), 2, "\r\n") == 0) to = from + 2;
    if (!forward && from > 0 && text().compare(static_cast<std::size_t>(from - 1), 2, "\r\n") == 0) from -= 1;
    select(from, to);
  }
  replaceSelection({}, false);
}

void Edit::type(unsigned character) {
  if (character == '\b') {
    erase(false);
    return;
  }
  if (character == '\r' && multiLine() && (style() & edit::WantReturn)) {
    if (readOnly()) {
      MessageBeep(0);
      return;
    }
    replaceSelection("\r\n", true);
    return;
  }
  if (character < 0x20 || character == 0x7F || character > 0xFF) return;  // other control characters do nothing
  if (readOnly() || ((style() & edit::Number) && !std::isdigit(static_cast<int>(character)))) {
    MessageBeep(0);
    return;
  }
  replaceSelection(std::string(1, static_cast<char>(character)), true);
}

void Edit::setText(const char* value) {
  text() = value ? value : "";
  anchor_ = caret_ = 0;
  firstVisible_ = 0;
  modified_ = false;
  if (!multiLine()) {
    notifyParent(edit::Update);
    if (alive()) notifyParent(edit::Change);
  }
}

// ---- the caret and the keys

void Edit::moveCaret(int to, bool extend) {
  to = std::clamp(to, 0, length());
  if (extend)
    caret_ = to;
  else
    anchor_ = caret_ = to;
  scrollCaretIntoView();
}

// Caret moves; a collapsing move without Shift goes to the selection's
// edge first.
bool Edit::moveOrDelete(VirtualKey code) {
  const bool shift = IsKeyDown(key::Shift);
  const bool collapsed = start() == end();
  switch (code) {
    case key::Left: moveCaret(!shift && !collapsed ? start() : caret_ - stepBefore(), shift); return true;
    case key::Right: moveCaret(!shift && !collapsed ? end() : caret_ + stepAfter(), shift); return true;
    case key::Home: moveCaret(multiLine() ? lineStart(caret_) : 0, shift); return true;
    case key::End: moveCaret(multiLine() ? lineEnd(caret_) : length(), shift); return true;
    case key::Delete: erase(true); return true;
    case key::Up:
    case key::Down:
      if (multiLine()) {
        scrollLines(code == key::Up ? -1 : 1);
        return true;
      }
      moveCaret(code == key::Up ? caret_ - stepBefore() : caret_ + stepAfter(), shift);
      return true;
    case key::PageUp:
    case key::PageDown:
      if (multiLine()) scrollLines((code == key::PageUp ? -1 : 1) * std::max(1, visibleLines()));
      return multiLine();
    default: return false;
  }
}

void Edit::onKeyDown(const KeyEvent& event) {
  if (clipboardKey(event.key)) return;
  if (const WindowHandle combo = this->combo(); combo != nullptr && IsComboKey(event.key, combo)) {
    forwardTo(combo);
    return;
  }
  if (!moveOrDelete(event.key)) defaultProcedure();
}

void Edit::onSysKeyDown(const KeyEvent& event) {
  const WindowHandle combo = this->combo();
  if (combo != nullptr && (event.key == key::Up || event.key == key::Down))
    forwardTo(combo);
  else
    defaultProcedure();
}

// ---- the clipboard: the commands, and Ctrl+C, Ctrl+X and Ctrl+V for them

bool Edit::clipboardKey(VirtualKey code) {
  if (!IsKeyDown(key::Control) || IsKeyDown(key::Alt)) return false;
  switch (code) {
    case 'C': copy(); return true;
    case 'X': cut(); return true;
    case 'V': paste(); return true;
    default: return false;
  }
}

void Edit::copy() {
  const std::string selected =
      text().substr(static_cast<std::size_t>(start()), static_cast<std::size_t>(end() - start()));
  // A password is never copied out.
  if (!selected.empty() && !(style() & edit::Password)) SetClipboardText(selected);
}

void Edit::cut() {
  const std::string selected =
      text().substr(static_cast<std::size_t>(start()), static_cast<std::size_t>(end() - start()));
  if (selected.empty() || (style() & edit::Password)) return;
  if (readOnly()) {
    MessageBeep(0);
    return;
  }
  SetClipboardText(selected);
  replaceSelection({}, false);
}

void Edit::paste() {
  const auto pasted = ClipboardText();
  if (!pasted) return;
  if (readOnly()) {
    MessageBeep(0);
    return;
  }
  std::string insert = *pasted;
  // One line only in a single-line field: the first.
  if (!multiLine()) insert = insert.substr(0, insert.find_first_of("\r\n"));
  replaceSelection(insert, true);
}

// ---- focus and the mouse

void Edit::onSetFocus(const FocusEvent&) {
  notifyParent(edit::SetFocusNotify);
  if (!alive()) return;
  CreateCaret(window(), 1, std::max(1, MeasureFont(font()).height));
  ShowCaret(window());
}

void Edit::onKillFocus(const FocusEvent&) {
  selecting_ = false;
  notifyParent(edit::KillFocusNotify);
  if (alive() && CurrentCaret().owner == window()) DestroyCaret();
}

void Edit::press(const MouseEvent& event, bool doubleClick) {
  if (GetFocus() != window()) SetFocus(window());
  if (!alive() || GetFocus() != window()) return;
  const int at = positionAt(event.point);
  if (doubleClick) {
    // The word under the mouse.
    auto isWord = [&](int i) {
      return std::isalnum(static_cast<unsigned char>(text()[static_cast<std::size_t>(i)])) != 0;
    };
    int from = at;
    int to = at;
    while (from > 0 && isWord(from - 1)) --from;
    while (to < length() && isWord(to)) ++to;
    select(from, to);
    return;
  }
  select((event.keys & mouse_key::Shift) ? anchor_ : at, at);
  selecting_ = true;
  SetCapture(window());
}

void Edit::onLeftButtonUp(const MouseEvent&) {
  if (!selecting_) return;
  selecting_ = false;
  if (GetCapture() == window()) ReleaseCapture();
}

// ---- the dialog manager and the messages

LResult Edit::onGetDialogCode(const Message* message) {
  LResult code = dialog_code::WantChars | dialog_code::HasSetSelection | dialog_code::WantArrows;
  if (multiLine() && (style() & edit::WantReturn) && message && message->message == msg::KeyDown &&
      message->wParam == key::Enter)
    code |= dialog_code::WantMessage;
  const WindowHandle parent = ParentWindow(window());
  if (IsWindowOfClass(parent, combo_box::kClassName)) code |= forwardTo(parent);
  return code;
}

std::optional<LResult> Edit::onControlMessage(MessageId message, WParam wParam, LParam lParam) {
  switch (message) {
    case edit::GetSelection:
      if (wParam) *reinterpret_cast<int*>(wParam) = start();
      if (lParam) *reinterpret_cast<int*>(lParam) = end();
      return static_cast<LResult>(
          MakeLong(static_cast<unsigned>(std::min(start(), 0xFFFF)), static_cast<unsigned>(std::min(end(), 0xFFFF))));
    case edit::SetSelection: {
      const auto from = static_cast<int>(static_cast<LParam>(wParam));
      const auto to = static_cast<int>(lParam);
      if (from < 0)
        select(caret_, caret_);
      else
        select(from, to < 0 ? length() : to);
      return 0;
    }
    case edit::ReplaceSelection: replaceSelection(lParam ? reinterpret_cast<const char*>(lParam) : "", false); return 0;
    case edit::ScrollCaret: scrollCaretIntoView(); return 1;
    case edit::LimitText:
      limit_ = wParam == 0 || wParam > static_cast<WParam>(edit::kNoLimit) ? edit::kNoLimit : static_cast<int>(wParam);
      return 0;
    case edit::GetLimitText: return limit_;
    case edit::GetModify: return modified_ ? 1 : 0;
    case edit::SetModify: modified_ = wParam != 0; return 0;
    case edit::SetReadOnly:
      record().style = wParam ? (record().style | edit::ReadOnly) : (record().style & ~edit::ReadOnly);
      return 1;
    case edit::GetLineCount: return multiLine() ? static_cast<LResult>(lineStarts().size()) : 1;
    case edit::GetFirstVisibleLine: return multiLine() ? firstVisible_ : 0;
    case edit::LineScroll:
      if (!multiLine()) return 0;
      scrollLines(static_cast<int>(lParam));
      return 1;
    case msg::Copy: copy(); return 0;
    case msg::Cut: cut(); return 0;
    case msg::Paste: paste(); return 0;
    default: return std::nullopt;
  }
}

bool Edit::changesLook(MessageId message) const {
  switch (message) {
    case edit::SetSelection:
    case edit::ReplaceSelection:
    case edit::ScrollCaret:
    case edit::LineScroll:
    case msg::Cut:
    case msg::Paste: return true;
    default: return false;
  }
}

// ---- lines and the visible part

std::vector<int> Edit::lineStarts() const {
  std::vector<int> starts{0};
  for (int i = 0; i < length(); ++i)
    if (text()[static_cast<std::size_t>(i)] == '\n') starts.push_back(i + 1);
  return starts;
}

int Edit::lineStart(int at) const {
  while (at > 0 && text()[static_cast<std::size_t>(at - 1)] != '\n') --at;
  return at;
}

int Edit::lineEnd(int at) const {
  while (at < length() && text()[static_cast<std::size_t>(at)] != '\n' && text()[static_cast<std::size_t>(at)] != '\r')
    ++at;
  return at;
}

void Edit::scrollCaretIntoView() {
  if (multiLine()) {
    const std::vector<int> starts = lineStarts();
    const int line = static_cast<int>(std::upper_bound(starts.begin(), starts.end(), caret_) - starts.begin()) - 1;
    const int shown = std::max(1, visibleLines());
    if (line < firstVisible_) firstVisible_ = line;
    if (line >= firstVisible_ + shown) firstVisible_ = line - shown + 1;
    return;
  }
  const int width = ClientRect(window()).width();
  firstVisible_ = std::min(firstVisible_, caret_);
  while (firstVisible_ < caret_ && widthOf(firstVisible_, caret_) > width) ++firstVisible_;
}

int Edit::positionAt(Point point) const {
  int from = 0;
  int to = length();
  if (multiLine()) {
    const std::vector<int> starts = lineStarts();
    const int line = std::clamp(firstVisible_ + point.y / lineHeight(), 0, static_cast<int>(starts.size()) - 1);
    from = starts[static_cast<std::size_t>(line)];
    to = lineEnd(from);
  } else {
    from = firstVisible_;
  }
  int best = from;
  for (int i = from; i <= to; ++i) {
    if (std::abs(widthOf(from, i) - point.x) < std::abs(widthOf(from, best) - point.x)) best = i;
  }
  return best;
}

EditView Edit::view() const {
  EditView view;
  view.text = &text();
  view.password = (style() & edit::Password) != 0;
  view.multiLine = multiLine();
  view.keepSelection = (style() & edit::NoHideSelection) != 0;
  view.firstVisible = firstVisible_;
  view.selectionStart = start();
  view.selectionEnd = end();
  view.caret = caret_;
  view.font = font();
  return view;
}

MessageId EditControlColor(StyleBits style, bool enabled) {
  return (style & edit::ReadOnly) || !enabled ? msg::CtlColorStatic : msg::CtlColorEdit;
}

}  // namespace

}  // namespace platform::ui::detail

namespace platform::ui::edit {

const ControlDescriptor kDescriptor{
    .className = kClassName,
    .procedure = &detail::Control::ProcedureOf<detail::Edit>,
    .classStyle = class_style::DoubleClicks,
    .templateKinds = kTemplateKinds,
    .styleWords = kStyleWords,
    .controlColor = &detail::EditControlColor,
};

}  // namespace platform::ui::edit
