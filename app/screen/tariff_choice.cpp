// The tariff the screen rates with: the tariff combo's entry (or the single
// tariff's text) taken into the RatingContext, with the date and SCAC
// fields the choice calls for.
#include <cstdio>

#include "dialogs/list_items.h"
#include "platform/ui/calendar_date.h"
#include "platform/ui/controls/combo_box.h"
#include "platform/ui/controls/date_picker.h"
#include "platform/ui/cursor.h"
#include "platform/ui/dialog.h"
#include "platform/ui/window.h"
#include "screen/rating_dialog.h"

namespace qiv {

using namespace platform::ui;

namespace {

constexpr const char* kBureauTariffs = "*Bureau Tariff(s)";
constexpr std::size_t kNameLength = 8;
constexpr FieldSpan kIntrastatePrompt = ratekit::context::kIntrastateQuestionInUse;
constexpr std::size_t kEntryKindByte = 16;

void ShowAndEnable(WindowHandle window, bool on) {
  ShowWindow(window, on ? ShowCommand::Show : ShowCommand::Hide);
  EnableWindow(window, on);
}

}  // namespace

void RatingDialog::applySelectedTariff() {
  RatingContext& context = *session().context;
  const RatekitBindings& bind = session().bindings;
  context.setInt(kIntrastatePrompt, 0);
  context.setInt(fields::kTariffChoiceSwitch, 0);
  context.setInt(ratekit::context::kCurrentEffectiveEntry, 0);
  const int entries = context.intAt(fields::kEffectiveCount) + context.intAt(fields::kBureauCount);
  std::string entry;
  if (entries < 2) {
    entry = WindowText(item(screen_id::SingleTariff));
    if (entry.empty()) {
      ShowWindow(item(screen_id::DateLabel), ShowCommand::Hide);
      ShowWindow(item(screen_id::DatePicker), ShowCommand::Hide);
      return;
    }
    if (entry != kBureauTariffs) context.setInt(fields::kBureauTariffChosen, 0);
    if (context.charAt(fields::kStateLookupOption) != 'Y') ShowWindow(item(screen_id::SingleTariff), ShowCommand::Hide);
  } else {
    const WindowHandle combo = item(screen_id::TariffList);
    const int selected = static_cast<int>(SendMessage(combo, combo_box::GetCurrentSelection));
    if (selected < 0) return;
    entry = ComboLine(combo, selected);
  }
  const int fak = context.intAt(fields::kFakAllowed);
  {
    WaitCursor wait;
    if (entry == kBureauTariffs) {
      context.setInt(kIntrastatePrompt, 1);
      context.setInt(fields::kBureauTariffChosen, 1);
      context.view().setText(fields::kTariffName, std::string(kNameLength, ' '));
      ShowAndEnable(item(screen_id::DateLabel), true);
      ShowAndEnable(item(screen_id::DatePicker), true);
      CalendarDate date;
      SendDialogItemMessage(handle(), screen_id::DatePicker, date_picker::GetDate, 0, reinterpret_cast<LParam>(&date));
      char text[16];
      std::snprintf(text, sizeof text, "%02d-%02d-%04d", date.month, date.day, date.year);
      context.view().setText(fields::kShipmentDate, text, '\0');
      ShowWindow(item(screen_id::Scac), ShowCommand::Hide);
      setFocusToOrigin();
      bind.SetClassesAndWeights(context.data(), 0, fak);
    } else {
      // "NAME     YYYY-MM-DD"
      std::string name = entry.substr(0, kNameLength);
      name = name.substr(0, name.find_last_not_of(' ') + 1);
      const std::string year = entry.substr(kNameLength + 1, 4), month = entry.substr(kNameLength + 6, 2),
                        day = entry.substr(kNameLength + 9, 2);
      context.view().setText(fields::kTariffName, name);
      const bool fullName = name.size() == kNameLength;
      if (!fullName || context.charAt(fields::kLaneTariffTablesLoaded) != 'Y')
        context.view().setText(fields::kShipmentDate, month + "-" + day + "-" + year, '\0');
      if (!fullName) {
        if (context.charAt(fields::kStateLookupOption) != 'Y')
          SetDialogItemText(handle(), screen_id::Scac, session().tariffBaseName().substr(0, 4));
        ShowAndEnable(item(screen_id::DateLabel), false);
        ShowAndEnable(item(screen_id::DatePicker), false);
        ShowAndEnable(item(screen_id::Scac), false);
        ShowAndEnable(item(screen_id::ScacLabel), false);
        bind.SetClassesAndWeights(context.data(), 0, fak);
        setFocusToOrigin();
      } else {
        const char* found = bind.GetCurrentEfcRec(context.data(), entry.c_str());
        ShowWindow(item(screen_id::IntrastateNotice), ShowCommand::Hide);
        classTariff_ = found != nullptr && found[kEntryKindByte] == 'C';
        if (found == nullptr || found[kEntryKindByte] != 'P') bind.SetClassesAndWeights(context.data(), 1, fak);
      }
    }
  }
  const int effective = context.intAt(fields::kEffectiveCount);
  if (effective >= 2 || (effective == 1 && context.intAt(fields::kBureauCount) > 0))
    SendDialogItemMessage(handle(), screen_id::TariffList, combo_box::SetCurrentSelection,
                          static_cast<WParam>(tariffIndex_));
}

}  // namespace qiv
