// The rating screen's commands as the user sees them: the items of the menu
// bar and the buttons of the toolbar, kept in step. Removing a command
// deletes its item and hides its button; enabling, graying and checking
// an item do the same to its button. The toolbar's two image lists (normal
// and disabled) belong here.
#pragma once

#include <string>

#include "platform/ui/image_list.h"
#include "platform/ui/types.h"

namespace qiv {

class CommandItems {
 public:
  CommandItems() = default;
  ~CommandItems();
  CommandItems(const CommandItems&) = delete;
  CommandItems& operator=(const CommandItems&) = delete;

  // The menu bar the items are on.
  void setMenu(platform::ui::MenuHandle menu) { menu_ = menu; }
  platform::ui::MenuHandle menu() const { return menu_; }

  // Builds the two image lists from the icon resources (16 x 16, room for
  // 29, growing by 29).
  void buildImageLists();
  // Makes the toolbar (id 3024) on the parent with the 29 buttons and the
  // image lists; false when it cannot be made.
  bool createToolbar(platform::ui::WindowHandle parent);
  platform::ui::WindowHandle toolbar() const { return toolbar_; }
  platform::ui::ImageListHandle normalImages() const { return normal_; }
  platform::ui::ImageListHandle disabledImages() const { return disabled_; }

  void remove(int command);
  void enable(int command, bool enabled);
  void check(int command, bool checked);
  // Hides or shows only the button.
  void showButton(int command, bool shown);
  // Puts the icon resource in place of image `index` of the normal list
  // and gives the toolbar the list again.
  void setImage(int index, int iconId);

  bool exists(int command) const;
  bool isEnabled(int command) const;
  bool isChecked(int command) const;

  void destroy();

 private:
  platform::ui::MenuHandle menu_ = nullptr;
  platform::ui::WindowHandle toolbar_ = nullptr;
  platform::ui::ImageListHandle normal_ = nullptr;
  platform::ui::ImageListHandle disabled_ = nullptr;
};

}  // namespace qiv
