// The tariff list (combo 1081, or static 4361 for a single tariff) and the
// profile combo (4731) of the rating screen.
#include <cstdio>
#include <vector>

#include "dialogs/list_items.h"
#include "language/show_message.h"
#include "platform/ui/controls/combo_box.h"
#include "platform/ui/dialog.h"
#include "platform/ui/window.h"
#include "screen/rating_dialog.h"
#include "settings/profile_combo.h"

namespace qiv {

using namespace platform::ui;

namespace {

constexpr const char* kBureauTariffs = "*Bureau Tariff(s)";
constexpr std::size_t kEffectiveEntrySize = 17;

// "NAME     YYYY-MM-DD" of a 17-byte effective-table entry: the name (8), a
// blank, the year (entry bytes 8-11), the month (12-13) and the day (14-15).
std::string TariffEntryText(const std::uint8_t* entry) {
  auto piece = [entry](std::size_t at, std::size_t width) {
    std::string text(reinterpret_cast<const char*>(entry) + at, width);
    return text.substr(0, text.find('\0'));
  };
  std::string name = piece(0, 8);
  name.resize(8, ' ');
  return name + " " + piece(8, 4) + "-" + piece(12, 2) + "-" + piece(14, 2);
}

}  // namespace

void RatingDialog::fillTariffList() {
  const RatingContext& context = *session().context;
  const WindowHandle list = item(screen_id::TariffList);
  const WindowHandle single = item(screen_id::SingleTariff);
  SendMessage(list, combo_box::ResetContent);
  const int bureaus = context.intAt(fields::kBureauCount);
  const int effective = context.intAt(fields::kEffectiveCount);
  const std::span<const std::uint8_t> table = session().slotBuffer(fields::kEffectiveTableCopy);
  const int entries = std::min<int>(std::max(effective, 0), static_cast<int>(table.size() / kEffectiveEntrySize));
  if (bureaus > 0) {
    SendMessage(list, combo_box::InitStorage, static_cast<WParam>(bureaus + entries));
    AddComboLine(list, kBureauTariffs);
  }
  auto showList = [&] {
    ShowWindow(list, ShowCommand::Show);
    ShowWindow(single, ShowCommand::Hide);
    SendMessage(list, combo_box::SetCurrentSelection, 0);
  };
  if (entries > 1 || (bureaus > 0 && entries == 1)) {
    for (int i = 0; i < entries; ++i) AddComboLine(list, TariffEntryText(table.data() + i * kEffectiveEntrySize));
    showList();
  } else if (entries == 1) {
    ShowWindow(list, ShowCommand::Hide);
    SetWindowText(single, TariffEntryText(table.data()));
    ShowWindow(single, ShowCommand::Show);
  } else if (bureaus > 0) {
    ShowWindow(list, ShowCommand::Hide);
    SetWindowText(single, kBureauTariffs);
    ShowWindow(single, ShowCommand::Show);
  } else {
    ShowWindow(list, ShowCommand::Hide);
    ShowWindow(single, ShowCommand::Hide);
  }
}

bool RatingDialog::fillProfileCombo(int index) {
  return FillProfileCombo(session(), handle(), item(screen_id::ProfileCombo), index);
}

}  // namespace qiv
