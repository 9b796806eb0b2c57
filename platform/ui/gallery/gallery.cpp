// Making and filling the gallery's first dialog, and placing the two side
// by side.
#include "gallery.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "gallery_images.h"
#include "platform/ui/controls/button.h"
#include "platform/ui/controls/combo_box.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/controls/static_control.h"
#include "platform/ui/controls/status_bar.h"
#include "platform/ui/controls/tool_tip.h"
#include "platform/ui/controls/toolbar.h"
#include "platform/ui/dialog.h"
#include "platform/ui/dialog_object.h"
#include "platform/ui/dialog_template.h"
#include "platform/ui/focus.h"
#include "platform/ui/font.h"
#include "platform/ui/gdi.h"
#include "platform/ui/image.h"
#include "platform/ui/image_list.h"
#include "platform/ui/metrics.h"
#include "platform/ui/owner_draw.h"
#include "platform/ui/resource.h"
#include "platform/ui/window.h"
#include "sheet_controls.h"

namespace platform::ui::gallery {

namespace {

struct Swatch {
  const char* name;
  ColorRef color;
};
constexpr Swatch kSwatches[] = {
    {"Brick red", Rgb(178, 34, 34)},  {"Forest green", Rgb(34, 139, 34)}, {"Navy blue", Rgb(0, 0, 128)},
    {"Goldenrod", Rgb(218, 165, 32)}, {"Slate grey", Rgb(112, 128, 144)},
};

struct Tool {
  int command;
  char letter;
  std::uint32_t tile;
  std::uint8_t style;
  const char* tip;
};
using namespace toolbar;
constexpr Tool kTools[] = {
    {command::Print, 'P', 0x000080, button_style::AutoSize, "Print Shipment"},
    {command::Export, 'E', 0x008080, button_style::AutoSize, "Export Shipment"},
    {command::PriceSheet, '$', 0x006400, button_style::AutoSize, "PriceSheet"},
    {command::Lading, 'B', 0x8B4513, button_style::AutoSize, "BOL"},
    {command::Rules, 'L', 0x000080, button_style::AutoSize, "Rules"},
    {command::Maintenance, 'M', 0x800000, button_style::AutoSize, "Maintenance of Data Modules"},
    {command::Website, 'W', 0x008080, button_style::AutoSize, "Visit Our Website"},
    {command::Settings, 'S', 0x800080, button_style::AutoSize, "Settings"},
    {command::Discounts, 'D', 0x006400, button_style::Check | button_style::AutoSize, "Use Discounts"},
    {command::AutoClear, 'A', 0x800000, button_style::Check | button_style::AutoSize, "Auto Clear"},
    {command::Rates, 'R', 0x00008B, button_style::AutoSize, "Display Rates"},
    {command::Totals, 'T', 0x8B4513, button_style::AutoSize, "Accessorial Totals"},
    {command::Calculator, 'C', 0x808000, button_style::AutoSize, "Calculator"},
    {command::Help, '?', 0x000080, button_style::AutoSize, "Contents"},
};
// The gap between the gallery's two dialogs, in pixels.
constexpr int kDialogGap = 8;

// The disabled list has images up to Rates only: Totals falls back on the
// disabled look of its normal image.
constexpr int kDisabledImages = 11;

// The gallery's dialog: it draws its owner-drawn items, names its toolbar
// buttons for their tips and keeps its bars along its edges.
class GalleryDialog : public Dialog {
 public:
  GalleryDialog(WindowHandle owner) : Dialog(kDialogId, owner) {
    messageMap().onMessage(msg::MeasureItem, [](const Message& m) {
      reinterpret_cast<MeasureItemInfo*>(m.lParam)->itemHeight = SwatchHeight();
      return LResult{1};
    });
    messageMap().onMessage(msg::DrawItem, [](const Message& m) {
      DrawSwatch(*reinterpret_cast<const DrawItemInfo*>(m.lParam));
      return LResult{1};
    });
    messageMap().onMessage(msg::Notify, [](const Message& m) {
      auto* ask = reinterpret_cast<tool_tip::ToolTipText*>(m.lParam);
      if (ask->header.code == tool_tip::NeedText) ask->text = TipOf(ask->header.id);
      return LResult{0};
    });
    messageMap().onMessage(msg::Size, [this](const Message& m) {
      SendMessage(item(item::StatusBar), msg::Size, m.wParam, m.lParam);
      SendMessage(item(item::Toolbar), toolbar::AutoSize);
      return LResult{0};
    });
  }

 private:
  // A square of the item's colour and its name.
  static void DrawSwatch(const DrawItemInfo& info) {
    const bool selected = (info.state & owner_draw_state::Selected) != 0;
    FillSolidRect(info.dc, info.rect, GetSystemColor(selected ? SystemColor::Highlight : SystemColor::Window));
    if (info.itemId < 0) return;
    const Rect square{info.rect.left + 2, info.rect.top + 2, info.rect.left + 22, info.rect.bottom - 2};
    FillSolidRect(info.dc, square, static_cast<ColorRef>(info.itemData));
    FrameRect(info.dc, square, GetSystemColorBrush(SystemColor::WindowFrame));
    const bool combo = info.type == OwnerDrawType::ComboBox;
    char name[64] = {};
    SendMessage(info.control, combo ? combo_box::GetItemText : list_box::GetText, static_cast<WParam>(info.itemId),
                reinterpret_cast<LParam>(name));
    SetBackgroundMode(info.dc, BackgroundMode::Transparent);
    SetTextColor(info.dc, GetSystemColor((info.state & owner_draw_state::Disabled) ? SystemColor::GrayText
                                         : selected                                ? SystemColor::HighlightText
                                                                                   : SystemColor::WindowText));
    Rect text{square.right + 4, info.rect.top, info.rect.right, info.rect.bottom};
    DrawText(info.dc, name, text, draw_text::SingleLine | draw_text::VerticalCenter | draw_text::NoPrefix);
  }
};

struct Made {
  std::unique_ptr<GalleryDialog> object;  // the class-library dialog: its pre-translation navigates
  FontHandle dialog = nullptr;
  FontHandle mono = nullptr;
  FontHandle fallback = nullptr;
  BitmapHandle icon = nullptr;
  BitmapHandle bitmap = nullptr;
  BitmapHandle windowIcon = nullptr;
  ImageListHandle images = nullptr;
  ImageListHandle disabledImages = nullptr;
  WindowHandle second = nullptr;
};

Made& Things() {
  static Made made;
  return made;
}

// The second dialog right of the first, their tops level, the first's
// top-left corner at the point.
void PlaceDialogs(WindowHandle first, WindowHandle second, Point at) {
  const Rect firstRect = WindowRect(first);
  const Rect secondRect = WindowRect(second);
  MoveWindow(first, Rect::FromSize(at.x, at.y, firstRect.width(), firstRect.height()));
  MoveWindow(second,
             Rect::FromSize(at.x + firstRect.width() + kDialogGap, at.y, secondRect.width(), secondRect.height()));
}

// The application's dialog font given to every control but the lists and
// combo boxes, which keep the system font.
void GiveDialogFont(WindowHandle dialog, FontHandle font) {
  for (WindowHandle child : ChildWindows(dialog))
    if (!IsWindowOfClass(child, list_box::kClassName) && !IsWindowOfClass(child, combo_box::kClassName))
      SendMessage(child, msg::SetFont, reinterpret_cast<WParam>(font), 1);
}

void FillToolbar(WindowHandle dialog, Made& made) {
  made.images = CreateImageList({16, 16}, static_cast<int>(std::size(kTools)), static_cast<int>(std::size(kTools)));
  made.disabledImages = CreateImageList({16, 16}, kDisabledImages, kDisabledImages);
  std::vector<Button> buttons;
  for (const Tool& tool : kTools) {
    const int image = AddImage(made.images, LetterTile(tool.letter, tool.tile));
    if (image < kDisabledImages) AddImage(made.disabledImages, LetterTile(tool.letter, 0xA0A0A0, 0xE0E0E0));
    buttons.push_back({image, tool.command, state::Enabled, tool.style});
    if (tool.command == command::Export || tool.command == command::Website || tool.command == command::AutoClear)
      buttons.push_back({0, 0, state::Enabled, button_style::Separator});
    // Discounts on: its image replaced, as a toggle does.
    if (tool.command == command::Discounts) ReplaceImage(made.images, image, LetterTile('D', 0x32CD32));
  }
  const WindowHandle bar = DialogItem(dialog, item::Toolbar);
  SendMessage(bar, AddButtons, buttons.size(), reinterpret_cast<LParam>(buttons.data()));
  SendMessage(bar, SetImageList, 0, HandleToParam(made.images));
  SendMessage(bar, SetDisabledImageList, 0, HandleToParam(made.disabledImages));
  SendMessage(bar, CheckButton, command::Discounts, 1);
  SendMessage(bar, PressButton, command::Settings, 1);
  SendMessage(bar, EnableButton, command::Rates, 0);
  SendMessage(bar, EnableButton, command::Totals, 0);
  SendMessage(bar, HideButton, command::Calculator, 1);
}

void FillStatusBar(WindowHandle dialog) {
  const WindowHandle bar = DialogItem(dialog, item::StatusBar);
  const int width = ClientRect(dialog).width();
  const int edges[] = {width * 2 / 5, width * 3 / 5, -1};
  SendMessage(bar, status_bar::SetParts, std::size(edges), reinterpret_cast<LParam>(edges));
  SendMessage(bar, status_bar::SetText, 1, reinterpret_cast<LParam>("Discounts in use"));
  SendMessage(bar, status_bar::SetText, 2, reinterpret_cast<LParam>("Bureau Rbno: 10 12345"));
}

void FillSwatches(WindowHandle dialog) {
  for (const Swatch& swatch : kSwatches) {
    const auto listIndex =
        SendDialogItemMessage(dialog, item::Swatches, list_box::AddString, 0, reinterpret_cast<LParam>(swatch.name));
    SendDialogItemMessage(dialog, item::Swatches, list_box::SetItemData, static_cast<WParam>(listIndex),
                          static_cast<LParam>(swatch.color));
    const auto comboIndex = SendDialogItemMessage(dialog, item::SwatchCombo, combo_box::AddString, 0,
                                                  reinterpret_cast<LParam>(swatch.name));
    SendDialogItemMessage(dialog, item::SwatchCombo, combo_box::SetItemData, static_cast<WParam>(comboIndex),
                          static_cast<LParam>(swatch.color));
  }
  SendDialogItemMessage(dialog, item::Swatches, list_box::SetCurrentSelection, 1);
  // Whole items only: four of them.
  const WindowHandle list = DialogItem(dialog, item::Swatches);
  const Rect rect = WindowRectInParent(list);
  MoveWindow(list, Rect::FromSize(rect.left, rect.top, rect.width(),
                                  4 * SwatchHeight() + rect.height() - ClientRect(list).height()));
  SendDialogItemMessage(dialog, item::SwatchCombo, combo_box::SetCurrentSelection, 2);
}

}  // namespace

int SwatchHeight() { return std::max(18, MeasureFont(DefaultGuiFont()).height + 4); }

const char* TipOf(int command) {
  for (const Tool& tool : kTools)
    if (tool.command == command) return tool.tip;
  return "";
}

WindowHandle OpenGallery(WindowHandle owner) {
  Made& made = Things();
  made.object = std::make_unique<GalleryDialog>(owner);
  if (!made.object->createModeless()) {
    made.object.reset();
    return nullptr;
  }
  const WindowHandle dialog = made.object->handle();
  made.second = OpenSecondDialog(dialog);
  if (made.second == nullptr) {
    CloseGallery(dialog);
    return nullptr;
  }
  const Rect first = WindowRect(dialog);
  PlaceDialogs(dialog, made.second, {first.left, first.top});
  // The application's dialog font: bold 8-point, Swiss family.
  made.dialog = CreateFont({"MS Sans Serif", FontHeightForPoints(8), 700, false, false, 0x21, 0});
  made.mono = CreateFont({"Courier New", FontHeightForPoints(8), 400, false, false, 0x31, 0});
  made.fallback = CreateFont({"MSSansSerif", FontHeightForPoints(9), 400, false, false, 0x31, 0});
  GiveDialogFont(dialog, made.dialog);
  GiveDialogFont(made.second, made.dialog);
  SendDialogItemMessage(dialog, item::Mono, msg::SetFont, reinterpret_cast<WParam>(made.mono), 1);
  SendDialogItemMessage(dialog, item::Fallback, msg::SetFont, reinterpret_cast<WParam>(made.fallback), 1);

  made.windowIcon = CreateBitmap(LetterTile('R', 0xDAA520, 0x000080));
  SendMessage(dialog, msg::SetIcon, icon_size::Small, HandleToParam(made.windowIcon));
  SendMessage(dialog, msg::SetIcon, icon_size::Big, HandleToParam(made.windowIcon));

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
  made.icon = LoadIconResource(item::Icon, {16, 16});
  SendDialogItemMessage(dialog, item::Icon, static_control::SetImage, 1, HandleToParam(made.icon));
  made.bitmap = LoadBitmapResource(item::Bitmap);
  SendDialogItemMessage(dialog, item::Bitmap, static_control::SetImage, 0, HandleToParam(made.bitmap));
  FillToolbar(dialog, made);
  FillStatusBar(dialog);
  FillSwatches(dialog);

  ShowWindow(dialog, ShowCommand::Show);
  ShowWindow(made.second, ShowCommand::ShowNoActivate);
  SetDialogFocus(DialogItem(dialog, item::Name));
  return dialog;
}

WindowHandle SecondDialog() { return Things().second; }

void CenterGallery(WindowHandle gallery) {
  const WindowHandle second = SecondDialog();
  if (!IsWindow(gallery) || !IsWindow(second)) return;
  const Rect first = WindowRect(gallery);
  const Rect other = WindowRect(second);
  const Size both{first.width() + kDialogGap + other.width(), std::max(first.height(), other.height())};
  const Size screen{GetSystemMetric(SystemMetric::ScreenWidth), GetSystemMetric(SystemMetric::ScreenHeight)};
  PlaceDialogs(gallery, second,
               {std::max(0, (screen.width - both.width) / 2), std::max(0, (screen.height - both.height) / 2)});
}

void CloseGallery(WindowHandle gallery) {
  DestroyWindow(gallery);
  CloseSecondDialog();
  Made& made = Things();
  made.object.reset();
  DeleteFont(made.dialog);
  DeleteFont(made.mono);
  DeleteFont(made.fallback);
  DeleteBitmap(made.icon);
  DeleteBitmap(made.bitmap);
  DeleteBitmap(made.windowIcon);
  DestroyImageList(made.images);
  DestroyImageList(made.disabledImages);
  made = Made{};
}

}  // namespace platform::ui::gallery
