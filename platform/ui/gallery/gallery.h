// The gallery: a dialog holding every control kind of the window model in
// the states worth seeing (focused, checked, indeterminate, disabled,
// selected, a password, a tabbed list, a date with its calendar, a
// licence text, tabs with one under the mouse, a property sheet with
// owner-drawn tabs), with the application's bold dialog font and the other
// faces of the font mapping. A test fixture: the
// painting tests and the gallery viewer open it.
#pragma once

#include "platform/ui/types.h"

namespace platform::ui::gallery {

inline constexpr int kDialogId = 900;

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
inline constexpr int Centred = 953;
inline constexpr int Sunken = 956;
inline constexpr int Mono = 957;
inline constexpr int Fallback = 958;
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int DisabledButton = 960;
inline constexpr int DateLabel = 969;
inline constexpr int Date = 970;
inline constexpr int DisabledDate = 971;
inline constexpr int Calendar = 972;
inline constexpr int Licence = 973;
inline constexpr int Tabs = 974;
inline constexpr int Sheet = 975;
}  // namespace item

// The sheet's pages (templates of their own) and the controls on them.
inline constexpr int kRatesPage = 901;
inline constexpr int kNotesPage = 902;
namespace page_item {
inline constexpr int Discount = 980;
inline constexpr int Floor = 981;
inline constexpr int Prompt = 982;
}  // namespace page_item

// The list's tab stops (quarters of the average character width) and one
// of its lines.
inline constexpr int kLineTabStops[] = {48, 76};
inline constexpr const char* kFirstLine = "Class 50\t1200\t48.00";

// Opens the gallery modeless and shown, filled and with the focus in the
// name field; null when the dialog cannot be made.
WindowHandle OpenGallery(WindowHandle owner = nullptr);
// Destroys the gallery and the fonts it made.
void CloseGallery(WindowHandle gallery);

}  // namespace platform::ui::gallery
