// The "ComboBox" class: an edit (drop-down) or the selected item's text
// (drop-down list) over a pop-up list box.
#include "platform/ui/controls/combo_box.h"

#include <algorithm>
#include <string>
#include <type_traits>

#include "control.h"
#include "list_box_internal.h"
#include "owner_drawn_items.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/focus.h"
#include "platform/ui/font.h"
#include "platform/ui/gdi.h"
#include "platform/ui/keys.h"
#include "platform/ui/metrics.h"
#include "platform/ui/style_painter.h"
#include "platform/ui/window.h"

namespace platform::ui::detail {

namespace {

// The field's sunken edge and a pixel of margin.
constexpr int kFieldInset = 3;

class Combo final : public Control {
 public:
  WindowHandle list() const { return list_; }

 protected:
  // ---- creation and destruction: the edit and the list are made with
  // the combo and go with it
  LResult onCreate() override;
  void onDestroy() override {
    // The parent hears of the owner-drawn items that go, unless it is
    // going itself.
    const WindowRecord* parent = Find(ParentWindow(window()));
    if (ownerDrawn() && parent != nullptr && !parent->destroying) toList(list_box::ResetContent);
    if (IsWindow(list_)) DestroyWindow(list_);
  }
  void onSize(Size) override;
  void onSetFont(FontHandle font) override;
  void onEnable(bool enabled) override {
    if (edit_) EnableWindow(edit_, enabled);
    if (!enabled) closeUp(false);
  }

  // ---- text: the edit's, or the selected item's
  LResult onSetText(const char* text) override;
  LResult onGetText(std::size_t capacity, char* buffer) override;
  LResult onGetTextLength() override;

  // ---- the dialog manager: the open list takes every key
  LResult onGetDialogCode(const Message*) override {
    return dropped_ ? dialog_code::WantMessage : (dialog_code::WantArrows | dialog_code::WantChars);
  }

  // ---- focus, keys, the mouse
  void onSetFocus(const FocusEvent&) override;
  void onKillFocus(const FocusEvent&) override {
    if (edit_ == nullptr) lostFocus();
  }
  void onKeyDown(const KeyEvent& event) override {
    if (!keyDown(event.key)) defaultProcedure();
  }
  // Alt with Down or Up opens and closes the list.
  void onSysKeyDown(const KeyEvent& event) override {
    if (!((event.key == key::Down || event.key == key::Up) && keyDown(event.key))) defaultProcedure();
  }
  void onChar(const CharEvent&) override {
    if (edit_ == nullptr) toList(msg::Char, message().wParam, message().lParam);
  }
  void onLeftButtonDown(const MouseEvent& event) override;

  // ---- what the list and the edit report
  LResult onCommand(WindowHandle child, unsigned code) override;

  // ---- its messages, most passed on to the list
  std::optional<LResult> onControlMessage(MessageId message, WParam wParam, LParam lParam) override;

  // ---- its look
  void paint(const ControlPaint& paint) override;
  bool changesLook(MessageId message) const override;

 private:
  bool hasEdit() const { return (style() & combo_box::TypeMask) != combo_box::DropDownList; }
  bool ownerDrawn() const { return (style() & (combo_box::OwnerDrawFixed | combo_box::OwnerDrawVariable)) != 0; }
  // What the list asks of its owner goes to the parent, in the combo's
  // name.
  template <class Info>
  LResult forwardOwnerDrawn(MessageId message, LParam lParam) {
    Info info = *reinterpret_cast<const Info*>(lParam);
    info.type = OwnerDrawType::ComboBox;
    info.controlId = WindowId(window());
    if constexpr (!std::is_same_v<Info, MeasureItemInfo>) info.control = window();
    const LResult answer = SendMessage(ParentWindow(window()), message, static_cast<WParam>(info.controlId),
                                       reinterpret_cast<LParam>(&info));
    if constexpr (std::is_same_v<Info, MeasureItemInfo>)
      reinterpret_cast<MeasureItemInfo*>(lParam)->itemHeight = info.itemHeight;
    return answer;
  }
  void paintOwnerDrawnField(const ControlPaint& paint, const Rect& field, bool focused);
  LResult toList(MessageId message, WParam wParam = 0, LParam lParam = 0) {
    return SendMessage(list_, message, wParam, lParam);
  }
  int selection() { return static_cast<int>(toList(list_box::GetCurrentSelection)); }
  std::string itemText(int index);
  void showSelection();
  bool setEditText(std::string_view text);
  void placeField();
  void drop();
  void closeUp(bool choose);
  bool keyDown(VirtualKey code);
  void lostFocus();
  LResult selectString(WParam start, LParam prefix);

  WindowHandle edit_ = nullptr;  // drop-down only
  WindowHandle list_ = nullptr;
  bool dropped_ = false;
  int selectionAtDrop_ = -1;
  int fieldHeight_ = 0;
  int fieldItemHeight_ = 0;  // owner-drawn: the height the parent gave the field
  int droppedHeight_ = 0;    // the height it was created or moved with
  bool resizing_ = false;
  bool settingText_ = false;  // the combo sets its edit's text: not the user's doing
};

// ---- creation and placement

LResult Combo::onCreate() {
  WindowRecord& record = this->record();
  droppedHeight_ = record.rect.height();
  // The vertical scroll bar a combo is made with belongs to its list.
  record.style &= ~style::VScroll;
  if (hasEdit()) {
    WindowCreation edit;
    edit.className = edit::kClassName;
    edit.style = style::Child | style::Visible | edit::AutoHScroll |
                 ((record.style & combo_box::UpperCase) ? edit::UpperCase : 0);
    edit.parent = window();
    edit.id = combo_box::kEditId;
    edit_ = CreateWindow(edit);
  }
  WindowCreation list;
  list.className = list_box::kClassName;
  list.style = style::Popup | style::Border | style::VScroll | ((style() & combo_box::Sort) ? list_box::Sort : 0);
  if (style() & combo_box::OwnerDrawFixed) list.style |= list_box::OwnerDrawFixed;
  if (style() & combo_box::OwnerDrawVariable) list.style |= list_box::OwnerDrawVariable;
  if (style() & combo_box::HasStrings) list.style |= list_box::HasStrings;
  list.parent = window();
  list.id = WindowId(window());
  list_ = CreateWindow(list);
  AttachListToCombo(list_, window());
  if (list_ == nullptr || (hasEdit() && edit_ == nullptr)) return -1;
  if (ownerDrawn()) {
    // The parent measures the field and, for a fixed list, every item.
    const int fallback = std::max(1, MeasureFont(font()).height);
    const int id = WindowId(window());
    fieldItemHeight_ = MeasureOwnerDrawnItem(ParentWindow(window()), {OwnerDrawType::ComboBox, id, -1, 0, 0}, fallback);
    if (!(style() & combo_box::OwnerDrawVariable))
      toList(list_box::SetItemHeight, 0,
             MeasureOwnerDrawnItem(ParentWindow(window()), {OwnerDrawType::ComboBox, id, 0, 0, 0}, fallback));
  }
  placeField();
  return 0;
}

void Combo::placeField() {
  const int arrow = GetSystemMetric(SystemMetric::VerticalScrollWidth);
  fieldHeight_ = (fieldItemHeight_ > 0 ? fieldItemHeight_ : MeasureFont(font()).height) + 8;
  const Rect rect = WindowRectInParent(window());
  if (rect.height() != fieldHeight_) {
    resizing_ = true;
    SetWindowPosition(window(), nullptr, Rect::FromSize(rect.left, rect.top, rect.width(), fieldHeight_),
                      position::NoMove | position::NoZOrder | position::NoActivate);
    resizing_ = false;
  }
  // The edit lies inside the field's sunken edge, left of the button.
  if (edit_ != nullptr)
    MoveWindow(edit_, Rect::FromSize(kFieldInset, kFieldInset, std::max(0, rect.width() - arrow - 2 * kFieldInset),
                                     std::max(0, fieldHeight_ - 2 * kFieldInset)));
}

void Combo::onSize(Size) {
  if (resizing_ || fieldHeight_ == 0) return;
  const int height = WindowRectInParent(window()).height();
  if (height != fieldHeight_) droppedHeight_ = height;
  placeField();
}

void Combo::onSetFont(FontHandle font) {
  Control::onSetFont(font);
  if (edit_) SendMessage(edit_, msg::SetFont, message().wParam, message().lParam);
  SendMessage(list_, msg::SetFont, message().wParam, message().lParam);
  placeField();
}

// ---- the text shown

std::string Combo::itemText(int index) {
  const LResult length = toList(list_box::GetTextLength, static_cast<WParam>(index));
  if (length < 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  toList(list_box::GetText, static_cast<WParam>(index), reinterpret_cast<LParam>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

// The text shown follows the selection.
void Combo::showSelection() {
  if (edit_ == nullptr) return;
  const int index = selection();
  setEditText(index >= 0 ? itemText(index) : std::string());
  SendMessage(edit_, edit::SetSelection, 0, -1);
}

// Text set by the combo or the program, not typed: no edit notifications.
bool Combo::setEditText(std::string_view text) {
  settingText_ = true;
  const bool done = SetWindowText(edit_, text);
  settingText_ = false;
  return done;
}

LResult Combo::onSetText(const char* text) {
  if (edit_) return setEditText(text ? text : "") ? 1 : 0;
  const LResult found = toList(list_box::FindStringExact, static_cast<WParam>(-1), reinterpret_cast<LParam>(text));
  if (found < 0) return combo_box::Error;
  toList(list_box::SetCurrentSelection, static_cast<WParam>(found));
  return 1;
}

LResult Combo::onGetText(std::size_t capacity, char* buffer) {
  if (edit_) return forwardTo(edit_);
  const int index = selection();
  const std::string text = index >= 0 ? itemText(index) : std::string();
  if (buffer == nullptr || capacity == 0) return 0;
  const std::size_t count = std::min<std::size_t>(text.size(), capacity - 1);
  text.copy(buffer, count);
  buffer[count] = '\0';
  return static_cast<LResult>(count);
}

LResult Combo::onGetTextLength() {
  if (edit_) return forwardTo(edit_);
  const int index = selection();
  return static_cast<LResult>(index >= 0 ? itemText(index).size() : 0);
}

// ---- the list opened and closed

void Combo::drop() {
  if (dropped_ || !IsWindow(list_)) return;
  notifyParent(combo_box::DropDownNotify);
  if (!alive()) return;
  selectionAtDrop_ = selection();
  const Rect field = WindowRect(window());
  const int height = std::max(droppedHeight_ - fieldHeight_, static_cast<int>(toList(list_box::GetItemHeight)) + 2);
  SetWindowPosition(list_, InsertAtTop, Rect::FromSize(field.left, field.bottom, field.width(), height),
                    position::NoActivate);
  ShowWindow(list_, ShowCommand::ShowNoActivate);
  dropped_ = true;
  SetCapture(list_);
}

void Combo::closeUp(bool choose) {
  if (!dropped_) return;
  dropped_ = false;
  if (GetCapture() == list_) ReleaseCapture();
  ShowWindow(list_, ShowCommand::Hide);
  if (choose) {
    notifyParent(combo_box::SelectionEndOk);
  } else {
    if (selection() != selectionAtDrop_) {
      toList(list_box::SetCurrentSelection, static_cast<WParam>(selectionAtDrop_));
      showSelection();
      notifyParent(combo_box::SelectionChange);
    }
    if (!alive()) return;
    notifyParent(combo_box::SelectionEndCancel);
  }
  if (alive()) notifyParent(combo_box::CloseUp);
}

// ---- focus, keys and the mouse

void Combo::onSetFocus(const FocusEvent&) {
  if (edit_) {
    SetFocus(edit_);
    if (GetFocus() == edit_) SendMessage(edit_, edit::SetSelection, 0, -1);
    return;
  }
  notifyParent(combo_box::SetFocusNotify);
}

void Combo::lostFocus() {
  const WindowHandle focus = GetFocus();
  if (focus == window() || focus == edit_ || focus == list_) return;
  closeUp(false);
  if (alive()) notifyParent(combo_box::KillFocusNotify);
}

bool Combo::keyDown(VirtualKey code) {
  const bool alt = IsKeyDown(key::Alt);
  if (code == key::F4 || (alt && (code == key::Down || code == key::Up))) {
    if (dropped_)
      closeUp(true);
    else
      drop();
    return true;
  }
  if (dropped_ && code == key::Enter) {
    closeUp(true);
    return true;
  }
  if (dropped_ && code == key::Escape) {
    closeUp(false);
    return true;
  }
  switch (code) {
    case key::Up:
    case key::Down:
    case key::PageUp:
    case key::PageDown: toList(msg::KeyDown, code); return true;
    case key::Home:
    case key::End:
      if (edit_ != nullptr && !dropped_) return false;
      toList(msg::KeyDown, code);
      return true;
    default: return false;
  }
}

// A click on the button (anywhere on a drop-down list) opens or closes
// the list.
void Combo::onLeftButtonDown(const MouseEvent& event) {
  if (edit_ != nullptr && event.point.x < WindowRectInParent(edit_).right) return;
  if (GetFocus() != window() && GetFocus() != edit_) SetFocus(window());
  if (!alive()) return;
  if (dropped_)
    closeUp(true);
  else
    drop();
}

LResult Combo::onCommand(WindowHandle child, unsigned code) {
  if (child == list_) {
    switch (code) {
      case list_box::SelectionChange:
        showSelection();
        notifyParent(combo_box::SelectionChange);
        break;
      case kComboListChosen: closeUp(true); break;
      case kComboListCancelled: closeUp(false); break;
      case list_box::DoubleClick: notifyParent(combo_box::DoubleClick); break;
      default: break;
    }
    return 0;
  }
  if (child == edit_) {
    switch (code) {
      case edit::Change:
        if (!settingText_) notifyParent(combo_box::EditChange);
        break;
      case edit::Update:
        if (!settingText_) notifyParent(combo_box::EditUpdate);
        break;
      case edit::SetFocusNotify: notifyParent(combo_box::SetFocusNotify); break;
      case edit::KillFocusNotify: lostFocus(); break;
      default: break;
    }
  }
  return 0;
}

// ---- the messages

LResult Combo::selectString(WParam start, LParam prefix) {
  const LResult found = toList(list_box::FindString, start, prefix);
  if (found < 0) return combo_box::Error;
  toList(list_box::SetCurrentSelection, static_cast<WParam>(found));
  showSelection();
  return found;
}

std::optional<LResult> Combo::onControlMessage(MessageId message, WParam wParam, LParam lParam) {
  switch (message) {
    case combo_box::GetEditSelection:
      return edit_ ? SendMessage(edit_, edit::GetSelection, wParam, lParam) : combo_box::Error;
    case combo_box::SetEditSelection:
      if (edit_ == nullptr) return combo_box::Error;
      SendMessage(edit_, edit::SetSelection,
                  static_cast<WParam>(static_cast<std::int16_t>(LowWord(static_cast<WParam>(lParam)))),
                  static_cast<std::int16_t>(HighWord(static_cast<WParam>(lParam))));
      return 1;
    case combo_box::LimitText:
      if (edit_ == nullptr) return combo_box::Error;
      SendMessage(edit_, edit::LimitText, wParam);
      return 1;
    case combo_box::AddString: return toList(list_box::AddString, wParam, lParam);
    case combo_box::InsertString: return toList(list_box::InsertString, wParam, lParam);
    case combo_box::DeleteString: return toList(list_box::DeleteString, wParam, lParam);
    case combo_box::GetCount: return toList(list_box::GetCount);
    case combo_box::GetCurrentSelection: return selection();
    case combo_box::GetItemText: return toList(list_box::GetText, wParam, lParam);
    case combo_box::GetItemTextLength: return toList(list_box::GetTextLength, wParam, lParam);
    case combo_box::FindString: return toList(list_box::FindString, wParam, lParam);
    case combo_box::FindStringExact: return toList(list_box::FindStringExact, wParam, lParam);
    case combo_box::GetItemData: return toList(list_box::GetItemData, wParam, lParam);
    case combo_box::SetItemData: return toList(list_box::SetItemData, wParam, lParam);
    case combo_box::InitStorage: return toList(list_box::InitStorage, wParam, lParam);
    case combo_box::ResetContent:
      toList(list_box::ResetContent);
      if (edit_) setEditText("");
      return 0;
    case combo_box::SetCurrentSelection: {
      const LResult result = toList(list_box::SetCurrentSelection, wParam);
      showSelection();
      return result;
    }
    case combo_box::SelectString: return selectString(wParam, lParam);
    case combo_box::ShowDropDown:
      if (wParam)
        drop();
      else
        closeUp(true);
      return 1;
    case combo_box::GetDroppedState: return dropped_ ? 1 : 0;
    case combo_box::SetItemHeight:
      if (static_cast<LParam>(wParam) == -1) return combo_box::Error;  // the field follows the font
      return toList(list_box::SetItemHeight, wParam, lParam);
    case combo_box::GetItemHeight:
      if (static_cast<LParam>(wParam) == -1) return fieldHeight_;
      return toList(list_box::GetItemHeight, wParam, lParam);
    case msg::MeasureItem: return forwardOwnerDrawn<MeasureItemInfo>(message, lParam);
    case msg::DrawItem: return forwardOwnerDrawn<DrawItemInfo>(message, lParam);
    case msg::DeleteItem: return forwardOwnerDrawn<DeleteItemInfo>(message, lParam);
    default: return std::nullopt;
  }
}

// ---- painting

// The field: a sunken edge, the drop button at the right, and for a
// drop-down list the selected item's text (highlighted while the combo
// has the focus); a drop-down's edit child paints its own text.
void Combo::paint(const ControlPaint& paint) {
  const Rect inside = StylePainter::PaintEdge(paint.dc, paint.client, StylePainter::Edge::Sunken);
  FillRect(paint.dc, inside, paint.background);
  const int arrow = GetSystemMetric(SystemMetric::VerticalScrollWidth);
  const Rect button{inside.right - arrow, inside.top, inside.right, inside.bottom};
  StylePainter::PaintArrowButton(paint.dc, button, StylePainter::Arrow::Down, dropped_, paint.enabled);
  if (hasEdit()) return;
  const Rect field{inside.left, inside.top, button.left, inside.bottom};
  const bool focused = GetFocus() == window() && !dropped_;
  if (ownerDrawn()) {
    paintOwnerDrawnField(paint, field, focused);
    return;
  }
  const Rect text = field.inflatedBy(-1, -1);
  if (focused) FillSolidRect(paint.dc, text, GetSystemColor(SystemColor::Highlight));
  SetBackgroundMode(paint.dc, BackgroundMode::Transparent);
  SetTextColor(paint.dc, !paint.enabled ? GetSystemColor(SystemColor::GrayText)
                         : focused      ? GetSystemColor(SystemColor::HighlightText)
                                        : TextColorOf(paint.dc));
  Rect place = text.inflatedBy(-1, 0);
  DrawText(paint.dc, WindowText(window()), place,
           draw_text::SingleLine | draw_text::VerticalCenter | draw_text::NoPrefix);
  if (focused) {
    SetTextColor(paint.dc, GetSystemColor(SystemColor::HighlightText));
    StylePainter::PaintFocusRect(paint.dc, text);
  }
}

// The selected item, drawn by the parent, with the focus rectangle over
// it while the combo has the focus.
void Combo::paintOwnerDrawnField(const ControlPaint& paint, const Rect& field, bool focused) {
  const int index = selection();
  DrawItemInfo info{OwnerDrawType::ComboBox,
                    WindowId(window()),
                    index,
                    owner_draw_state::ComboBoxField,
                    window(),
                    paint.dc,
                    field.inflatedBy(-1, -1),
                    index >= 0 ? toList(list_box::GetItemData, index) : 0};
  if (focused) info.state |= owner_draw_state::Selected | owner_draw_state::Focus;
  if (!paint.enabled) info.state |= owner_draw_state::Disabled;
  DrawOwnerDrawnItem(ParentWindow(window()), info);
  if (alive() && focused) StylePainter::PaintItemFocusRect(paint.dc, info.rect);
}

bool Combo::changesLook(MessageId message) const {
  switch (message) {
    case combo_box::AddString:
    case combo_box::DeleteString:
    case combo_box::InsertString:
    case combo_box::ResetContent:
    case combo_box::SelectString:
    case combo_box::SetCurrentSelection:
    case combo_box::ShowDropDown:
    case msg::Command: return true;
    default: return false;
  }
}

}  // namespace

}  // namespace platform::ui::detail

namespace platform::ui::combo_box {

const ControlDescriptor kDescriptor{
    .className = kClassName,
    .procedure = &detail::Control::ProcedureOf<detail::Combo>,
    .classStyle = class_style::DoubleClicks | class_style::ParentDc,
    .templateKinds = kTemplateKinds,
    .styleWords = kStyleWords,
    .controlColor = &FixedControlColor<msg::CtlColorListBox>,
};

WindowHandle DropListOf(WindowHandle combo) {
  const auto* box = detail::StateOf<detail::Combo>(combo);
  return box ? box->list() : nullptr;
}

}  // namespace platform::ui::combo_box
