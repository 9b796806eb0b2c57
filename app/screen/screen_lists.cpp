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

namespace qiv {

using namespace platform::ui;

namespace {

constexpr const char* kBureauTariffs = "*Bureau Tariff(s)";
constexpr std::size_t kEffectiveEntrySize = 17;
constexpr std::size_t kProfileNameRoom = 35;

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
  RatingContext& context = *session().context;
  const RatekitBindings& bind = session().bindings;
  const WindowHandle combo = item(screen_id::ProfileCombo);
  SendMessage(combo, combo_box::ResetContent);
  const int count = bind.GetProfileSize(context.data());
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) {
    std::array<char, kProfileNameRoom> name{};
    if (bind.GetProfileKey(context.data(), i, name.data()) == 0) {
      names.clear();
      break;
    }
    name.back() = '\0';
    names.emplace_back(name.data());
  }
  if (count <= 0 || names.empty()) {
    ShowMessage(session(), handle(), MessageType::Warning);
    return false;
  }
  for (const std::string& name : names) AddComboLine(combo, name);
  context.setShort(fields::kCurrentProfileIndex, static_cast<std::int16_t>(index));
  SendMessage(combo, combo_box::SetCurrentSelection, static_cast<WParam>(index));
  return true;
}

}  // namespace qiv
