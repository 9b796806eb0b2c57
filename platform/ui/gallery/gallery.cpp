// Filling the gallery dialog.
#include "gallery.h"

#include <memory>
#include <vector>

#include "platform/ui/controls/button.h"
#include "platform/ui/controls/combo_box.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/controls/static_control.h"
#include "platform/ui/dialog.h"
#include "platform/ui/dialog_object.h"
#include "platform/ui/dialog_template.h"
#include "platform/ui/focus.h"
#include "platform/ui/font.h"
#include "platform/ui/gdi.h"
#include "platform/ui/image.h"
#include "platform/ui/window.h"
#include "sheet_controls.h"

namespace platform::ui::gallery {

namespace {

struct Fonts {
  std::unique_ptr<Dialog> object;  // the class-library dialog: its pre-translation navigates
  FontHandle dialog = nullptr;
  FontHandle mono = nullptr;
  FontHandle fallback = nullptr;
  BitmapHandle icon = nullptr;
};

Fonts& Made() {
  static Fonts fonts;
  return fonts;
}

// A 16 by 16 image: a blue square with a white cross and a transparent
// corner, standing in for an icon file.
Image SampleIcon() {
  Image image;
  image.width = image.height = 16;
  image.pixels.assign(256, 0xFF000080u);
  for (int i = 0; i < 16; ++i) {
    image.pixels[static_cast<std::size_t>(7 * 16 + i)] = 0xFFFFFFFFu;
    image.pixels[static_cast<std::size_t>(i * 16 + 7)] = 0xFFFFFFFFu;
  }
  for (int y = 0; y < 4; ++y)
    for (int x = 12; x < 16; ++x) image.pixels[static_cast<std::size_t>(y * 16 + x)] = 0;
  return image;
}

}  // namespace

WindowHandle OpenGallery(WindowHandle owner) {
  Fonts& fonts = Made();
  fonts.object = std::make_unique<Dialog>(kDialogId, owner);
  if (!fonts.object->createModeless()) {
    fonts.object.reset();
    return nullptr;
  }
  const WindowHandle dialog = fonts.object->handle();
  OpenSheetControls(dialog);
  // The application's dialog font: bold 8-point, Swiss family, given to
  // every edit, static and button.
  fonts.dialog = CreateFont({"MS Sans Serif", FontHeightForPoints(8), 700, false, false, 0x21, 0});
  fonts.mono = CreateFont({"Courier New", FontHeightForPoints(8), 400, false, false, 0x31, 0});
  fonts.fallback = CreateFont({"MSSansSerif", FontHeightForPoints(9), 400, false, false, 0x31, 0});
  for (WindowHandle child : ChildWindows(dialog))
    if (!IsWindowOfClass(child, list_box::kClassName) && !IsWindowOfClass(child, combo_box::kClassName))
      SendMessage(child, msg::SetFont, reinterpret_cast<WParam>(fonts.dialog), 1);
  SendDialogItemMessage(dialog, item::Mono, msg::SetFont, reinterpret_cast<WParam>(fonts.mono), 1);
  SendDialogItemMessage(dialog, item::Fallback, msg::SetFont, reinterpret_cast<WParam>(fonts.fallback), 1);

  CheckDialogButton(dialog, item::Checked, button::Checked);
  CheckDialogButton(dialog, item::Partly, button::Indeterminate);
  CheckRadioButton(dialog, item::FirstRadio, item::SecondRadio, item::FirstRadio);
  for (const char* city : {"Montreal", "Toronto", "Winnipeg"})
    SendDialogItemMessage(dialog, item::City, combo_box::AddString, 0, reinterpret_cast<LParam>(city));
  for (const char* province : {"Alberta", "Ontario", "Quebec"})
    SendDialogItemMessage(dialog, item::Province, combo_box::AddString, 0, reinterpret_cast<LParam>(province));
  SendDialogItemMessage(dialog, item::City, combo_box::SetCurrentSelection, 0);
  SendDialogItemMessage(dialog, item::Province, combo_box::SetCurrentSelection, 1);
  SendDialogItemMessage(dialog, item::Lines, list_box::SetTabStops, std::size(kLineTabStops),
                        reinterpret_cast<LParam>(kLineTabStops));
  for (const char* line : {kFirstLine, "Class 70\t800\t31.50", "Class 85\t450\t22.75", "Class 100\t90\t9.10"})
    SendDialogItemMessage(dialog, item::Lines, list_box::AddString, 0, reinterpret_cast<LParam>(line));
  SendDialogItemMessage(dialog, item::Lines, list_box::SetCurrentSelection, 1);
  fonts.icon = CreateBitmap(SampleIcon());
  SendDialogItemMessage(dialog, item::Icon, static_control::SetImage, 1, HandleToParam(fonts.icon));

  ShowWindow(dialog, ShowCommand::Show);
  SetDialogFocus(DialogItem(dialog, item::Name));
  return dialog;
}

void CloseGallery(WindowHandle gallery) {
  DestroyWindow(gallery);
  CloseSheetControls();
  Fonts& fonts = Made();
  fonts.object.reset();
  DeleteFont(fonts.dialog);
  DeleteFont(fonts.mono);
  DeleteFont(fonts.fallback);
  DeleteBitmap(fonts.icon);
  fonts = Fonts{};
}

}  // namespace platform::ui::gallery
