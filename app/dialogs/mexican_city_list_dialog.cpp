#include "dialogs/mexican_city_list_dialog.h"

#include "dialogs/city_files.h"
#include "dialogs/dialog_ids.h"
#include "dialogs/list_items.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/dialog.h"
#include "platform/ui/window.h"

namespace qiv {

using namespace platform::ui;

MexicanCityListDialog::MexicanCityListDialog(QivSession& session, WindowHandle parent, std::string code,
                                             Point screenPosition, Mode mode)
    : QivDialog(session, dialog_id::MexicanCityList, parent),
      code_(code.substr(0, kCodeLimit)),
      position_(screenPosition),
      mode_(mode) {
  messageMap().onNotification(control_id::CityList, list_box::SelectionChange,
                              [this] { take(ListSelection(item(control_id::CityList))); });
  messageMap().onNotification(control_id::CityList, list_box::DoubleClick, [this] {
    take(ListSelection(item(control_id::CityList)));
    endDialog(command_id::Ok);
  });
}

void MexicanCityListDialog::take(int index) {
  if (index < 0) return;
  result_ = ListLine(item(control_id::CityList), index).substr(0, kResultLimit);
}

bool MexicanCityListDialog::onInitDialog() {
  Dialog::onInitDialog();
  const std::string basePath = session().tariffBasePath();
  const std::vector<std::string> cities =
      mode_ == Mode::MexicanPoint ? MexicanPointCities(basePath, code_) : UsZipCities(basePath, code_);
  const WindowHandle list = item(control_id::CityList);
  SendMessage(list, list_box::ResetContent);
  for (const std::string& city : cities) AddListLine(list, city);
  if (cities.empty()) {
    if (mode_ == Mode::MexicanPoint) {
      noCityFound_ = true;
      result_ = text(15, kResultLimit);
    } else {
      result_ = "City not available";
    }
    endDialog(command_id::Ok);
    return true;
  }
  result_ = cities.front().substr(0, kResultLimit);
  if (cities.size() == 1) {
    endDialog(command_id::Ok);
    return true;
  }
  noCityFound_ = false;
  SelectListLine(list, 0);
  const Rect listRect = WindowRect(list);
  MoveWindow(handle(), Rect::FromSize(position_.x - 1, position_.y - 1, listRect.width() + 2, listRect.height() + 2));
  MoveWindow(list, Rect::FromSize(0, 0, listRect.width(), listRect.height()));
  SetDialogFocus(list);
  return false;
}

}  // namespace qiv
