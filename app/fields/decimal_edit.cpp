#include "fields/decimal_edit.h"

#include <algorithm>

#include "platform/ui/controls/edit.h"
#include "platform/ui/window.h"

namespace qiv {

using namespace platform::ui;

const RuntimeClass CDecimalEdit::kRuntimeClass{"CDecimalEdit", &EditWindow::kRuntimeClass,
                                               &CreateFieldObject<CDecimalEdit>};

CDecimalEdit::~CDecimalEdit() {
  // The control window is left to its dialog.
  detach();
}

bool CDecimalEdit::attachItem(int id, WindowHandle dialog, int maximumLength, int decimals) {
  return attach(id, dialog, [&](WindowHandle item) {
    setMaximumLength(maximumLength);
    setDecimals(decimals);
    if (maximumLength > 0) SendMessage(item, edit::LimitText, static_cast<WParam>(maximumLength));
  });
}

void CDecimalEdit::setLimits(int maximumLength, int decimals) {
  setMaximumLength(maximumLength);
  setDecimals(decimals);
  send(edit::LimitText, static_cast<WParam>(maximumLength));
}

std::string CDecimalEdit::CutToLimits(const std::string& text, int maximumLength, int decimals) {
  const std::size_t point = text.find('.');
  std::string whole = text.substr(0, point);
  std::string fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
  const int room = decimals > 0 ? maximumLength - decimals - 1 : maximumLength;
  if (maximumLength > 0) whole = whole.substr(0, static_cast<std::size_t>(std::max(room, 0)));
  fraction = fraction.substr(0, static_cast<std::size_t>(std::max(decimals, 0)));
  return point == std::string::npos ? whole : whole + "." + fraction;
}

std::string CDecimalEdit::PaddedFraction(const std::string& text, int decimals) {
  const std::size_t point = text.find('.');
  const std::string fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
  if (static_cast<int>(fraction.size()) >= decimals) return text;
  return text.substr(0, point) + "." + fraction +
         std::string(static_cast<std::size_t>(decimals) - fraction.size(), '0');
}

void CDecimalEdit::onChar(const CharEvent& event) {
  if (event.character < 0x20) {
    typeControlCharacter(event);
    return;
  }
  const char c = static_cast<char>(event.character);
  const bool accepted = (c >= '0' && c <= '9') || c == '-' || (c == '.' && decimals() > 0);
  if (!accepted || event.character > 0x7E) {
    Beep();
    return;
  }
  typeNumberCharacter(c);
}

void CDecimalEdit::typeNumberCharacter(char character) {
  sendSpecialChar(static_cast<unsigned char>(character));
  if (!IsWindow(handle())) return;
  const std::string typed = textWith(character);
  if (std::count(typed.begin(), typed.end(), '.') >= 2) {
    Beep();
    return;
  }
  int caret = selection().first + 1;
  if (caret < static_cast<int>(typed.size()) && typed[static_cast<std::size_t>(caret)] == '.') ++caret;
  acceptTyped(CutToLimits(typed, maximumLength(), decimals()), caret);
}

void CDecimalEdit::onKillFocus(const FocusEvent&) {
  if (decimals() > 0) {
    const std::string text = this->text();
    const std::string padded = PaddedFraction(text, decimals());
    if (padded != text) setText(padded);
  }
  leaveField();
}

}  // namespace qiv
