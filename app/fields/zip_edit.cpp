#include "fields/zip_edit.h"

#include <optional>

#include "platform/ui/dialog.h"
#include "platform/ui/message_loop.h"
#include "screen/screen_ids.h"
#include "shell/qiv_session.h"

namespace qiv {

using namespace platform::ui;

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return c >= 'A' && c <= 'Z'; }

// The statics of a route end that typing blanks.
struct EndStatics {
  int field;
  int statics[3];
};
constexpr EndStatics kEndStatics[] = {
    {screen_id::OriginField, {screen_id::OriginService, screen_id::OriginState, screen_id::OriginCity}},
    {screen_id::DestinationField,
     {screen_id::DestinationService, screen_id::DestinationState, screen_id::DestinationCity}},
};

}  // namespace

bool FitsCountryMask(std::string_view code, int mask, bool mexicoOption) {
  using namespace country_mask;
  if (code.empty()) return true;
  const bool digits = IsDigit(code[0]);
  const int us = UsPrefix | UsZip, canadian = CanadianPrefix | CanadianCode | CanadianFive,
            postal = CanadianCode | CanadianFive;
  for (std::size_t i = 0; i < code.size(); ++i) {
    const char c = code[i];
    bool fits = false;
    if (digits) {
      switch (i) {
        case 0: fits = (mask & us) != 0; break;
        case 1:
        case 2: fits = IsDigit(c) && (mask & us) != 0; break;
        case 3:
        case 4: fits = IsDigit(c) && (mask & UsZip) != 0; break;
        case 5: fits = c == 'M' && (mask & UsZip) != 0 && mexicoOption; break;
        default: break;
      }
    } else {
      switch (i) {
        case 0: fits = IsLetter(c) && (mask & canadian) != 0; break;
        case 1: fits = IsDigit(c) && (mask & canadian) != 0; break;
        case 2: fits = IsLetter(c) && (mask & canadian) != 0; break;
        case 3: fits = IsDigit(c) && (mask & postal) != 0; break;
        case 4: fits = IsLetter(c) && (mask & postal) != 0; break;
        case 5: fits = IsDigit(c) && (mask & CanadianCode) != 0; break;
        default: break;
      }
    }
    if (!fits) return false;
  }
  return true;
}

std::optional<int> ZipModeCountryMask(const RatingContext& context) {
  using namespace country_mask;
  const bool usOnly = context.charAt(fields::kCanadianCodesFlag) == 'Y';
  switch (context.charAt(fields::kZipMode)) {
    case '5': return usOnly ? UsZip : UsZip | CanadianFive;
    case '6': return usOnly ? UsZip : UsZip | CanadianCode;
    case '3': return usOnly ? UsPrefix : UsPrefix | CanadianPrefix;
    default: return std::nullopt;
  }
}

const RuntimeClass CZipEdit::kRuntimeClass{"CZipEdit", &CCaptionEdit::kRuntimeClass, &CreateFieldObject<CZipEdit>};

bool CZipEdit::attachItem(int id, WindowHandle dialog, int countryMask) {
  return attach(id, dialog, [&](WindowHandle) { countryMask_ = countryMask; });
}

WindowHandle CZipEdit::specialCharTarget() const { return session().mainWindow; }

void CZipEdit::onChar(const CharEvent& event) {
  const std::optional<char> typed = typedAlphanumeric(event);
  if (!typed) return;
  sendSpecialChar(event.character);
  if (!IsWindow(handle())) return;
  const WindowHandle parent = ParentWindow(handle());
  for (const EndStatics& end : kEndStatics)
    if (id() == end.field)
      for (int staticId : end.statics) SetDialogItemText(parent, staticId, " ");
  const std::string code = textWith(*typed);
  const bool mexico = session().context && session().context->intAt(fields::kMexicoOption) != 0;
  if (!FitsCountryMask(code, countryMask_, mexico)) {
    Beep();
    return;
  }
  acceptTyped(code, selection().first + 1);
}

}  // namespace qiv
