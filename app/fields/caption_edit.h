// CCaptionEdit: the base of the input fields, a single-line edit control
// that filters what is typed, keeps a valid flag, reports typed characters
// and navigation keys to the screen ("SpecialChar") and moves the focus
// itself on Tab, Shift+Tab, Enter, Up and Down once its Validate has
// accepted the content. Its descendants: CDecimalEdit, CZipEdit,
// CClassEdit, CWeightEdit (each a file of this folder).
//
// Its run-time class record names the edit-control object as its base;
// CDecimalEdit's names the edit-control object too, so that the type test
// for CCaptionEdit is false for the decimal, class and weight fields.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/ui/messages.h"
#include "platform/ui/window_object.h"

namespace qiv {

// The next-field question the fields ask their parent (the rating screen
// answers it): wParam 0 forward, 1 backward, lParam the field's window; the
// answer is the window to take the focus, or 0.
inline constexpr platform::ui::MessageId kNextFieldMessage = platform::ui::msg::User + 101;

struct QivSession;
class FieldScreen;

class CCaptionEdit : public platform::ui::EditWindow {
 public:
  static const platform::ui::RuntimeClass kRuntimeClass;
  const platform::ui::RuntimeClass& runtimeClass() const override { return kRuntimeClass; }

  explicit CCaptionEdit(QivSession& session);
  ~CCaptionEdit() override;

  // The slots a field overrides, in the family's order.
  // Checks the content before the focus leaves by Tab, Shift+Tab, Enter,
  // Up or Down; true lets it go. The base accepts and sets the valid flag.
  virtual bool validate();
  virtual void onLeaveForward() {}
  virtual void onLeaveBackward() {}
  // Creates the edit window itself.
  virtual bool createField(platform::ui::StyleBits style, const platform::ui::Rect& rect,
                           platform::ui::WindowHandle parent, int id);
  // Subclasses the dialog's item: clears the valid flag; true at once when
  // attached already; false when the dialog has no such item.
  virtual bool attachItem(int id, platform::ui::WindowHandle dialog);

  bool isValid() const { return valid_; }
  // Returns the previous flag.
  bool setValid(bool valid);
  int maximumLength() const { return maximumLength_; }
  int decimals() const { return decimals_; }
  const platform::ui::Rect& itemRect() const { return itemRect_; }

  // A caption static left of the field, one "m" away, vertically centred,
  // shown and hidden with it; an empty text removes it.
  void setCaption(const std::string& text);

  // The City Lookup commands follow the screen's recorded field.
  void updateCityLookup();

  // Paints its own text in the screen's field font (the class field and
  // the route fields of the rating screen).
  void setSelfPainting(bool selfPainting) { selfPainting_ = selfPainting; }

  // The field's own pre-translation: the parent dialog's first; keys it
  // leaves are translated and dispatched at once, so the dialog manager
  // never sees a field's Tab or Enter.
  bool preTranslateMessage(platform::ui::Message& message) override;

 protected:
  platform::ui::LResult windowProcedure(const platform::ui::Message& message) override;
  void onKeyDown(const platform::ui::KeyEvent& event) override;
  void onKeyUp(const platform::ui::KeyEvent&) override {}
  void onChar(const platform::ui::CharEvent& event) override;
  void onSetFocus(const platform::ui::FocusEvent& event) override;
  void onKillFocus(const platform::ui::FocusEvent& event) override;
  platform::ui::LResult onMouseActivate(const platform::ui::MouseActivateEvent& event) override;
  void onShowWindow(bool shown) override;

  // The window "SpecialChar" goes to: the parent (the main window for the
  // ZIP fields).
  virtual platform::ui::WindowHandle specialCharTarget() const;
  void sendSpecialChar(unsigned code) const;
  // Control characters: the default handling, Tab and Enter swallowed.
  void typeControlCharacter(const platform::ui::CharEvent& event);
  // The typed letter or digit (letters upper-cased); a control character
  // gets its handling, anything else a beep, and both give nothing.
  std::optional<char> typedAlphanumeric(const platform::ui::CharEvent& event);
  // The text with the selection replaced by the character.
  std::string textWith(char character) const;
  // Sets the text the typing made, clears the valid flag and puts the caret.
  void acceptTyped(const std::string& text, int caret);
  static void Beep();

  QivSession& session() const { return session_; }
  FieldScreen* screen() const;
  void setMaximumLength(int length) { maximumLength_ = length; }
  void setDecimals(int decimals) { decimals_ = decimals; }
  // Attaching shared by the family's forms: before is run before subclassing.
  template <class Before>
  bool attach(int id, platform::ui::WindowHandle dialog, Before before);
  // The WM_KILLFOCUS of the family: default, then the text set again.
  void leaveField();

 private:
  // The forward (backward) move: the parent's next-field answer, else its next tab item.
  void moveFocus(bool backward);
  // Down and Up: the next (previous) sibling when it takes the focus.
  void moveToSibling(bool backward);
  platform::ui::LResult paintSelf();
  bool alive() const;

  QivSession& session_;
  int maximumLength_ = 0;
  int decimals_ = 0;
  std::unique_ptr<platform::ui::Window> captionStatic_;
  std::string captionText_;
  platform::ui::Rect itemRect_;
  bool valid_ = false;
  bool selfPainting_ = false;
};

// Dynamic creation from a run-time class record: a field of the program's
// session (the one its main window shares), none before the screen is up.
QivSession* ProgramSession();
template <class Field>
platform::ui::Window* CreateFieldObject() {
  QivSession* session = ProgramSession();
  return session != nullptr ? new Field(*session) : nullptr;
}

template <class Before>
bool CCaptionEdit::attach(int id, platform::ui::WindowHandle dialog, Before before) {
  valid_ = false;
  if (handle() != nullptr) return true;
  const platform::ui::WindowHandle item = platform::ui::ChildWithId(dialog, id);
  if (item == nullptr) return false;
  itemRect_ = platform::ui::ClientRect(item);
  before(item);
  return subclass(item);
}

}  // namespace qiv
