#include "fields/caption_edit.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "dialogs/qiv_dialog.h"
#include "fields/field_screen.h"
#include "platform/ui/backend.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/controls/static_control.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/font.h"
#include "platform/ui/gdi.h"
#include "platform/ui/keys.h"
#include "platform/ui/paint.h"
#include "shell/qiv_session.h"

namespace qiv {

using namespace platform::ui;

namespace {

// Down and Up move to a sibling whose style has any of these bits.
constexpr StyleBits kSiblingStyleBits = 0x0001 | 0x0004 | 0x0008;
constexpr char kTab = '\t', kEnter = '\r';

bool IsPrintable(unsigned character) { return character >= 0x20 && character != 0x7F; }

}  // namespace

QivSession* ProgramSession() { return QivDialog::SessionOf(ApplicationMainWindow()); }

const RuntimeClass CCaptionEdit::kRuntimeClass{"CCaptionEdit", &EditWindow::kRuntimeClass,
                                               &CreateFieldObject<CCaptionEdit>};

CCaptionEdit::CCaptionEdit(QivSession& session) : session_(session) {}

CCaptionEdit::~CCaptionEdit() = default;

FieldScreen* CCaptionEdit::screen() const { return session_.fieldScreen; }

bool CCaptionEdit::alive() const { return IsWindow(handle()); }

bool CCaptionEdit::validate() {
  valid_ = true;
  return true;
}

bool CCaptionEdit::setValid(bool valid) { return std::exchange(valid_, valid); }

bool CCaptionEdit::createField(StyleBits style, const Rect& rect, WindowHandle parent, int id) {
  WindowCreation creation;
  creation.className = edit::kClassName;
  creation.style = style;
  creation.rect = rect;
  creation.parent = parent;
  creation.id = id;
  return create(creation);
}

bool CCaptionEdit::attachItem(int id, WindowHandle dialog) {
  return attach(id, dialog, [](WindowHandle) {});
}

void CCaptionEdit::setCaption(const std::string& text) {
  captionText_ = text;
  if (text.empty()) {
    captionStatic_.reset();
    return;
  }
  const WindowHandle parent = ParentWindow(handle());
  const auto font = reinterpret_cast<FontHandle>(SendMessage(parent, msg::GetFont));
  const Rect field = WindowRectInParent(handle());
  const int width = MeasureTextWidth(font, text), gap = MeasureTextWidth(font, "m");
  const int height = MeasureFont(font).height;
  const Rect place = Rect::FromSize(field.left - gap - width, field.top + (field.height() - height) / 2, width, height);
  if (captionStatic_ == nullptr) {
    captionStatic_ = std::make_unique<Window>();
    WindowCreation creation;
    creation.className = static_control::kClassName;
    creation.style = style::Child | (IsWindowVisible(handle()) ? style::Visible : 0);
    creation.rect = place;
    creation.parent = parent;
    captionStatic_->create(creation);
  } else {
    MoveWindow(captionStatic_->handle(), place);
  }
  captionStatic_->setText(text);
  captionStatic_->send(msg::SetFont, reinterpret_cast<WParam>(font), 1);
}

void CCaptionEdit::onShowWindow(bool shown) {
  defaultProcedure();
  if (captionStatic_ != nullptr) ShowWindow(captionStatic_->handle(), shown ? ShowCommand::Show : ShowCommand::Hide);
}

void CCaptionEdit::updateCityLookup() {
  if (FieldScreen* s = screen()) s->updateCityLookup();
}

WindowHandle CCaptionEdit::specialCharTarget() const { return ParentWindow(handle()); }

void CCaptionEdit::sendSpecialChar(unsigned code) const {
  SendMessage(specialCharTarget(), session_.specialCharMessage, code, 0);
}

void CCaptionEdit::Beep() { MessageBeep(-1); }

bool CCaptionEdit::preTranslateMessage(Message& message) {
  const bool key = message.message == msg::KeyDown || message.message == msg::KeyUp || message.message == msg::Char;
  if (!key) return false;  // the chain offers it to the parent next
  if (Window* parent = Window::FromHandle(ParentWindow(handle()));
      parent != nullptr && parent->preTranslateMessage(message))
    return true;
  TranslateMessage(message);
  DispatchMessage(message);
  return true;
}

LResult CCaptionEdit::windowProcedure(const Message& message) {
  switch (message.message) {
    case edit::LimitText:
      // Kept by the field alone: the control keeps the limit it had.
      maximumLength_ = static_cast<int>(message.wParam);
      return 0;
    case msg::Paint:
      if (selfPainting_) return paintSelf();
      break;
    case msg::GetDialogCode: {
      // The field moves the focus itself: the dialog manager leaves it Tab
      // and Enter (Esc stays the dialog's).
      LResult code = EditWindow::windowProcedure(message) | dialog_code::WantTab;
      const auto* asked = reinterpret_cast<const Message*>(message.lParam);
      if (asked != nullptr && asked->message == msg::KeyDown && asked->wParam == key::Enter)
        code |= dialog_code::WantMessage;
      return code;
    }
    default: break;
  }
  return EditWindow::windowProcedure(message);
}

void CCaptionEdit::onKeyDown(const KeyEvent& event) {
  if (FieldScreen* s = screen()) s->recordFocusedField(handle());
  updateCityLookup();
  const bool shift = IsKeyDown(key::Shift);
  switch (event.key) {
    case key::Tab:
      if (!shift && IsKeyDown(key::Control)) {
        defaultProcedure();
        return;
      }
      if (!validate() || !alive()) return;
      sendSpecialChar(kTab);
      if (!alive()) return;
      shift ? onLeaveBackward() : onLeaveForward();
      if (alive()) moveFocus(shift);
      return;
    case key::Enter:
      if (!validate() || !alive()) return;
      sendSpecialChar(kEnter);
      if (!alive()) return;
      onLeaveForward();
      if (alive()) moveFocus(false);
      return;
    case key::Down:
    case key::Up: {
      const bool up = event.key == key::Up;
      if (!validate() || !alive()) return;
      sendSpecialChar(static_cast<unsigned>(event.key));
      if (!alive()) return;
      up ? onLeaveBackward() : onLeaveForward();
      if (alive()) moveToSibling(up);
      return;
    }
    default: defaultProcedure();
  }
}

void CCaptionEdit::moveFocus(bool backward) {
  const WindowHandle parent = ParentWindow(handle());
  const auto answer = reinterpret_cast<WindowHandle>(
      SendMessage(parent, kNextFieldMessage, backward ? 1 : 0, reinterpret_cast<LParam>(handle())));
  if (answer != nullptr && IsWindow(answer)) {
    SetFocus(answer);
    return;
  }
  if (const WindowHandle next = NextDialogTabItem(parent, handle(), backward)) SetFocus(next);
}

void CCaptionEdit::moveToSibling(bool backward) {
  const WindowHandle sibling = RelatedWindow(handle(), backward ? Relation::Previous : Relation::Next);
  if (sibling != nullptr && IsWindowEnabled(sibling) && IsWindowVisible(sibling) &&
      (WindowStyle(sibling) & kSiblingStyleBits) != 0) {
    SetFocus(sibling);
    return;
  }
  moveFocus(backward);
}

void CCaptionEdit::typeControlCharacter(const CharEvent& event) {
  if (event.character == static_cast<unsigned>(kTab) || event.character == static_cast<unsigned>(kEnter)) return;
  defaultProcedure();
}

std::optional<char> CCaptionEdit::typedAlphanumeric(const CharEvent& event) {
  if (event.character < 0x20) {
    typeControlCharacter(event);
    return std::nullopt;
  }
  const auto c = static_cast<unsigned char>(event.character);
  if (event.character > 0x7E || !std::isalnum(c)) {
    Beep();
    return std::nullopt;
  }
  return static_cast<char>(std::toupper(c));
}

std::string CCaptionEdit::textWith(char character) const {
  const std::string text = this->text();
  const auto [start, end] = selection();
  const std::size_t from = std::min(static_cast<std::size_t>(std::max(start, 0)), text.size());
  const std::size_t to = std::clamp(static_cast<std::size_t>(std::max(end, 0)), from, text.size());
  return text.substr(0, from) + character + text.substr(to);
}

void CCaptionEdit::acceptTyped(const std::string& text, int caret) {
  valid_ = false;
  setText(text);
  caret = std::clamp(caret, 0, static_cast<int>(text.size()));
  setSelection(caret, caret);
  scrollCaret();
}

void CCaptionEdit::onChar(const CharEvent& event) {
  if (event.character < 0x20) {
    typeControlCharacter(event);
    return;
  }
  if (!IsPrintable(event.character) || event.character > 0x7E) return;
  sendSpecialChar(event.character);
  if (!alive()) return;
  const char typed = static_cast<char>(event.character & 0x7F);
  const std::string text = textWith(typed);
  // A text over the length is dropped without a sound.
  if (maximumLength_ > 0 && static_cast<int>(text.size()) > maximumLength_) return;
  acceptTyped(text, selection().first + 1);
}

void CCaptionEdit::onSetFocus(const FocusEvent&) {
  if (FieldScreen* s = screen()) s->recordFocusedField(handle());
  updateCityLookup();
  defaultProcedure();
  if (!alive()) return;
  SendUpdateStatus(session_);
  InvalidateRect(handle());
  selectAll();
}

void CCaptionEdit::leaveField() {
  defaultProcedure();
  if (alive()) setText(text());
}

void CCaptionEdit::onKillFocus(const FocusEvent&) { leaveField(); }

LResult CCaptionEdit::onMouseActivate(const MouseActivateEvent&) {
  if (FieldScreen* s = screen()) s->recordMouseActivation(GetFocus(), handle());
  updateCityLookup();
  return defaultProcedure();
}

LResult CCaptionEdit::paintSelf() {
  PaintInfo paint;
  const DcHandle dc = BeginPaint(handle(), paint);
  const FieldScreen* s = screen();
  const Rect client = ClientRect(handle());
  const bool enabled = IsWindowEnabled(handle());
  const ColorRef background = s != nullptr ? (enabled ? s->fieldBackground() : s->dialogBackground())
                                           : GetSystemColor(enabled ? SystemColor::Window : SystemColor::ButtonFace);
  const BrushHandle brush = CreateSolidBrush(background);
  FillRect(dc, client, brush);
  DeleteBrush(brush);
  const FontHandle font = s != nullptr ? s->fieldFont() : DefaultGuiFont();
  const FontHandle before = SelectFont(dc, font);
  SetBackgroundMode(dc, BackgroundMode::Transparent);
  SetTextColor(dc, GetSystemColor(enabled ? SystemColor::WindowText : SystemColor::GrayText));
  const std::string text = this->text();
  const int height = MeasureFont(font).height;
  TextOut(dc, 0, (client.height() - height) / 2, text);
  SelectFont(dc, before);
  if (GetFocus() == handle()) SetCaretPosition({MeasureTextWidth(font, text), client.top + 2});
  EndPaint(handle(), paint);
  return 0;
}

}  // namespace qiv
