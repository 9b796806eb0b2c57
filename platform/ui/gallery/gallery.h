// The gallery: two dialogs holding every control kind of the window model
// in the states worth seeing, with the application's bold dialog font and
// the other faces of the font mapping. A test fixture: the painting tests
// and the gallery viewer open it.
//
// The first (kDialogId) holds the standard controls (focused, checked,
// indeterminate, disabled, selected, a password, a tabbed list); a flat
// toolbar with check, pressed, disabled and hidden buttons and their tips;
// a status bar with three panes and the size grip; owner-drawn list and
// combo items; a menu bar whose pop-up shows checks, a grayed item and a
// separator; the window's icon in its caption. Its menu bar, an icon and a
// bitmap come from its resources.
//
// The second (kSecondDialogId), owned by the first and standing right of
// it (CenterGallery moves the two together), holds date pickers and a
// month calendar, a licence text, tabs, and a property sheet with
// owner-drawn tabs, one under the mouse until the mouse moves.
#pragma once

#include "platform/ui/types.h"

namespace platform::ui::gallery {

inline constexpr int kDialogId = 900;
inline constexpr int kSecondDialogId = 903;
// The property sheet's pages (templates of their own).
inline constexpr int kRatesPage = 901;
inline constexpr int kNotesPage = 902;

namespace item {
inline constexpr int NameLabel = 910;
inline constexpr int Name = 911;
inline constexpr int Password = 913;
inline constexpr int DisabledLabel = 914;
inline constexpr int DisabledEdit = 915;
inline constexpr int Notes = 916;
inline constexpr int Options = 920;
inline constexpr int Checked = 921;
inline constexpr int Unchecked = 922;
inline constexpr int DisabledCheck = 923;
inline constexpr int FirstRadio = 924;
inline constexpr int SecondRadio = 925;
inline constexpr int Partly = 927;
inline constexpr int City = 930;
inline constexpr int Province = 931;
inline constexpr int Lines = 940;
inline constexpr int Icon = 950;
inline constexpr int Bitmap = 959;  // the bitmap resource of the same id
inline constexpr int Centred = 953;
inline constexpr int Sunken = 956;
inline constexpr int Mono = 957;
inline constexpr int Fallback = 958;
inline constexpr int Toolbar = 970;
inline constexpr int StatusBar = 971;
inline constexpr int Swatches = 972;
inline constexpr int SwatchCombo = 973;
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int DisabledButton = 960;
// On the second dialog.
inline constexpr int DateLabel = 1001;
inline constexpr int Date = 1002;
inline constexpr int DisabledDate = 1003;
inline constexpr int Calendar = 1004;
inline constexpr int Licence = 1005;
inline constexpr int Tabs = 1006;
inline constexpr int Sheet = 1007;
}  // namespace item

// The controls on the sheet's pages.
namespace page_item {
inline constexpr int Discount = 1011;
inline constexpr int Floor = 1012;
inline constexpr int Prompt = 1013;
}  // namespace page_item

// The toolbar's commands, in button order (separators after Export,
// Website and Auto Clear): Settings is shown pressed, Discounts is a
// checked check button whose image was replaced after the list was made,
// Auto Clear an unchecked one, Rates disabled with an image of the
// disabled list, Totals disabled in the disabled look of its normal
// image, Calculator hidden. The buttons whose states are worth seeing
// stand right of where the Options menu drops.
namespace command {
inline constexpr int Print = 981;
inline constexpr int Export = 982;
inline constexpr int PriceSheet = 992;
inline constexpr int Lading = 993;
inline constexpr int Rules = 994;
inline constexpr int Maintenance = 995;
inline constexpr int Website = 996;
inline constexpr int Settings = 983;
inline constexpr int Discounts = 984;
inline constexpr int AutoClear = 985;
inline constexpr int Rates = 986;
inline constexpr int Totals = 987;
inline constexpr int Calculator = 988;
inline constexpr int Help = 989;
// The Options pop-up's items besides Discounts and Auto Clear (checked):
// Revenue (grayed, after a separator) and Spanish.
inline constexpr int Revenue = 990;
inline constexpr int Spanish = 991;
}  // namespace command

// The tip of a toolbar command ("" for none).
const char* TipOf(int command);

// The list's tab stops (quarters of the average character width) and one
// of its lines.
inline constexpr int kLineTabStops[] = {48, 76};
inline constexpr const char* kFirstLine = "Class 50\t1200\t48.00";
// The height the gallery gives its owner-drawn items: the lists' font with
// a margin of two pixels above and below, 18 pixels at the least (the
// room of the colour square).
int SwatchHeight();

// Opens the gallery's two dialogs modeless and shown, filled, the first
// active with the focus in the name field; returns the first, or null when
// a dialog cannot be made.
WindowHandle OpenGallery(WindowHandle owner = nullptr);
// The second dialog of the open gallery (null when none is open).
WindowHandle SecondDialog();
// Moves the two dialogs, side by side, to the middle of the screen.
void CenterGallery(WindowHandle gallery);
// Destroys the gallery (with its second dialog) and the fonts, images and
// menus it made.
void CloseGallery(WindowHandle gallery);

}  // namespace platform::ui::gallery
