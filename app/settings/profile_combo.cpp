#include "settings/profile_combo.h"

#include <array>
#include <string>
#include <vector>

#include "dialogs/list_items.h"
#include "language/show_message.h"
#include "platform/ui/controls/combo_box.h"
#include "platform/ui/window.h"
#include "shell/qiv_session.h"

namespace qiv {

using namespace platform::ui;

namespace {
constexpr std::size_t kProfileNameRoom = 35;
}  // namespace

bool FillProfileCombo(QivSession& session, WindowHandle owner, WindowHandle combo, int index) {
  RatingContext& context = *session.context;
  const RatekitBindings& bind = session.bindings;
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
    ShowMessage(session, owner, MessageType::Warning);
    return false;
  }
  for (const std::string& name : names) AddComboLine(combo, name);
  context.setShort(fields::kCurrentProfileIndex, static_cast<std::int16_t>(index));
  SendMessage(combo, combo_box::SetCurrentSelection, static_cast<WParam>(index));
  return true;
}

}  // namespace qiv
