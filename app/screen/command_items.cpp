#include "screen/command_items.h"

#include <vector>

#include "platform/ui/controls/toolbar.h"
#include "platform/ui/gdi.h"
#include "platform/ui/menu.h"
#include "platform/ui/resource.h"
#include "platform/ui/window.h"
#include "screen/screen_ids.h"
#include "screen/toolbar_buttons.h"

namespace qiv {

using namespace platform::ui;

namespace {

constexpr Size kImageSize{16, 16};

// The icon resource as an image of the list's size (an empty image when
// the program has no such icon: the button then shows none).
Image IconImage(int iconId) {
  const BitmapHandle icon = LoadIconResource(iconId, kImageSize);
  Image image;
  if (const Image* loaded = BitmapImage(icon)) image = *loaded;
  if (icon != nullptr) DeleteBitmap(icon);
  if (image.pixels.empty()) image = Image{kImageSize.width, kImageSize.height, std::vector<std::uint32_t>(256, 0)};
  return image;
}

bool IsSeparator(MenuHandle popup, int position) {
  return (MenuItemFlags(popup, position, MenuLookup::ByPosition) & menu_flag::Separator) != 0;
}

// The separators that removed items leave at either end of a pop-up, or
// next to one another, go too.
void DropStraySeparators(MenuHandle bar) {
  for (int p = 0; p < MenuItemCount(bar); ++p) {
    const MenuHandle popup = SubMenu(bar, p);
    if (popup == nullptr) continue;
    for (int i = 0; i < MenuItemCount(popup);) {
      if (IsSeparator(popup, i) && (i == 0 || IsSeparator(popup, i - 1)))
        DeleteMenuItem(popup, i, MenuLookup::ByPosition);
      else
        ++i;
    }
    if (const int last = MenuItemCount(popup) - 1; last >= 0 && IsSeparator(popup, last))
      DeleteMenuItem(popup, last, MenuLookup::ByPosition);
  }
}

}  // namespace

CommandItems::~CommandItems() { destroy(); }

void CommandItems::buildImageLists() {
  normal_ =
      CreateImageList(kImageSize, static_cast<int>(kToolbarButtons.size()), static_cast<int>(kToolbarButtons.size()));
  disabled_ =
      CreateImageList(kImageSize, static_cast<int>(kToolbarButtons.size()), static_cast<int>(kToolbarButtons.size()));
  for (const ToolbarButton& button : kToolbarButtons) {
    AddImage(normal_, IconImage(button.normalIcon));
    AddImage(disabled_, IconImage(button.disabledIcon));
  }
}

bool CommandItems::createToolbar(WindowHandle parent) {
  WindowCreation creation;
  creation.className = toolbar::kClassName;
  creation.style = style::Child | style::Visible | style::Border | style::DialogFrame | toolbar::CustomErase |
                   toolbar::Flat | toolbar::ToolTips | toolbar::Adjustable;
  creation.parent = parent;
  creation.id = screen_id::Toolbar;
  toolbar_ = CreateWindow(creation);
  if (toolbar_ == nullptr) return false;
  std::vector<toolbar::Button> buttons;
  for (std::size_t i = 0; i < kToolbarButtons.size(); ++i) {
    toolbar::Button button;
    button.image = static_cast<int>(i);
    button.command = kToolbarButtons[i].command;
    button.state = toolbar::state::Enabled;
    button.style = kToolbarButtons[i].check ? (toolbar::button_style::Check | toolbar::button_style::AutoSize)
                                            : toolbar::button_style::AutoSize;
    buttons.push_back(button);
  }
  SendMessage(toolbar_, toolbar::AddButtons, buttons.size(), reinterpret_cast<LParam>(buttons.data()));
  SendMessage(toolbar_, toolbar::SetImageList, 0, reinterpret_cast<LParam>(normal_));
  SendMessage(toolbar_, toolbar::SetDisabledImageList, 0, reinterpret_cast<LParam>(disabled_));
  return true;
}

void CommandItems::remove(int command) {
  if (menu_ != nullptr && DeleteMenuItem(menu_, command, MenuLookup::ByCommand)) DropStraySeparators(menu_);
  showButton(command, false);
}

void CommandItems::enable(int command, bool enabled) {
  if (menu_ != nullptr)
    EnableMenuItem(menu_, command, MenuLookup::ByCommand, enabled ? MenuItemState::Enabled : MenuItemState::Grayed);
  if (toolbar_ != nullptr) SendMessage(toolbar_, toolbar::EnableButton, static_cast<WParam>(command), enabled);
}

void CommandItems::check(int command, bool checked) {
  if (menu_ != nullptr) CheckMenuItem(menu_, command, MenuLookup::ByCommand, checked);
  if (toolbar_ != nullptr) SendMessage(toolbar_, toolbar::CheckButton, static_cast<WParam>(command), checked);
}

void CommandItems::showButton(int command, bool shown) {
  if (toolbar_ != nullptr) SendMessage(toolbar_, toolbar::HideButton, static_cast<WParam>(command), !shown);
}

void CommandItems::setImage(int index, int iconId) {
  ReplaceImage(normal_, index, IconImage(iconId));
  if (toolbar_ != nullptr) SendMessage(toolbar_, toolbar::SetImageList, 0, reinterpret_cast<LParam>(normal_));
}

bool CommandItems::exists(int command) const {
  return menu_ != nullptr && MenuItemExists(menu_, command, MenuLookup::ByCommand);
}

bool CommandItems::isEnabled(int command) const {
  return exists(command) &&
         (MenuItemFlags(menu_, command, MenuLookup::ByCommand) & (menu_flag::Grayed | menu_flag::Disabled)) == 0;
}

bool CommandItems::isChecked(int command) const {
  return exists(command) && (MenuItemFlags(menu_, command, MenuLookup::ByCommand) & menu_flag::Checked) != 0;
}

void CommandItems::destroy() {
  if (normal_ != nullptr) DestroyImageList(normal_);
  if (disabled_ != nullptr) DestroyImageList(disabled_);
  normal_ = disabled_ = nullptr;
  toolbar_ = nullptr;
}

}  // namespace qiv
