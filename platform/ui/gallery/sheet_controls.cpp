// The gallery's second dialog: its date pickers, month calendar, licence
// text, tab control and property sheet.
#include "sheet_controls.h"

#include <algorithm>
#include <memory>
#include <string_view>

#include "gallery.h"
#include "platform/ui/calendar_date.h"
#include "platform/ui/controls/date_picker.h"
#include "platform/ui/controls/month_calendar.h"
#include "platform/ui/controls/property_sheet.h"
#include "platform/ui/controls/rich_text.h"
#include "platform/ui/controls/tab_control.h"
#include "platform/ui/dialog.h"
#include "platform/ui/dialog_object.h"
#include "platform/ui/gdi.h"
#include "platform/ui/owner_draw.h"
#include "platform/ui/window_object.h"

namespace platform::ui::gallery {

namespace {

constexpr CalendarDate kShownDate{2026, 3, 5};

// A licence text as a word processor writes it: a bold heading, sizes,
// italics, code-page characters, paragraphs enough to scroll.
constexpr std::string_view kLicenceRtf =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n"
    "{\\*\\generator Riched20 5.50.99.2014;}\\viewkind4\\uc1\\pard\\b\\f0\\fs20 LICENCE AGREEMENT\\b0\\par\r\n"
    "\\fs16 \\'a9 2026 Tarifas de la Rep\\'fablica \\endash  Se\\'f1al\\par\\par\r\n"
    "Read this agreement \\i carefully\\i0  before you use the rating program. By installing it you accept "
    "its terms.\\par\\par\r\n"
    "\\b 1. Grant.\\b0  You may use the program and its tariff data on one workstation.\\par\r\n"
    "\\b 2. Copies.\\b0  You may not copy the data files \\endash  except for a backup \\endash  nor pass them "
    "on.\\par\r\n"
    "\\b 3. Term.\\b0  The licence ends when the data expire.\\par\r\n"
    "}\r\n";

// Draws the sheet's tabs as the settings dialog does: the caption five
// pixels into the tab, blue while the mouse is over it, else dark blue.
class SheetTabs : public Window {
 protected:
  LResult windowProcedure(const Message& message) override {
    if (message.message != msg::DrawItem) return Window::windowProcedure(message);
    const auto& info = *reinterpret_cast<const DrawItemInfo*>(message.lParam);
    tab_control::Item tab;
    SendMessage(info.control, tab_control::GetItem, static_cast<WParam>(info.itemId), reinterpret_cast<LParam>(&tab));
    SetTextColor(info.dc, (info.state & owner_draw_state::HotLight) ? 0xFF0000 : 0x8A4225);
    TextOut(info.dc, info.rect.left + 5, info.rect.top + 5, tab.text);
    return 1;
  }
};

struct Made {
  std::unique_ptr<Dialog> object;  // the class-library dialog: its pre-translation navigates
  std::unique_ptr<SheetTabs> sheetTabs;
};

Made& TheMade() {
  static Made made;
  return made;
}

void FillDates(WindowHandle dialog) {
  for (int id : {item::Date, item::DisabledDate}) {
    SendDialogItemMessage(dialog, id, date_picker::SetFormat, 0, reinterpret_cast<LParam>("MM'/'dd'/'yyy"));
    SendDialogItemMessage(dialog, id, date_picker::SetDate, 0, reinterpret_cast<LParam>(&kShownDate));
  }
  const CalendarDate later = AddDays(kShownDate, 15);
  SendDialogItemMessage(dialog, item::Calendar, month_calendar::SetSelection, 0, reinterpret_cast<LParam>(&later));
}

void FillLicence(WindowHandle dialog) {
  std::size_t at = 0;
  rich_text::Stream stream{[&at](std::span<char> buffer) {
                             const std::size_t count = std::min(buffer.size(), kLicenceRtf.size() - at);
                             std::copy_n(kLicenceRtf.data() + at, count, buffer.data());
                             at += count;
                             return static_cast<std::ptrdiff_t>(count);
                           },
                           false};
  SendDialogItemMessage(dialog, item::Licence, rich_text::StreamIn, rich_text::FormatRtf,
                        reinterpret_cast<LParam>(&stream));
}

void FillTabs(WindowHandle dialog) {
  for (const char* text : {"Rates", "Charges", "Notes"}) {
    const tab_control::Item tab{text, 0};
    SendDialogItemMessage(dialog, item::Tabs, tab_control::InsertItem, 9, reinterpret_cast<LParam>(&tab));
  }
  SendDialogItemMessage(dialog, item::Tabs, tab_control::SetCurrentSelection, 1);
}

// The sheet with owner-drawn, hot-tracking tabs, its second tab under the
// mouse.
void MakeSheet(WindowHandle dialog) {
  property_sheet::Sheet sheet;
  sheet.parent = dialog;
  sheet.id = item::Sheet;
  sheet.caption = "Profile";
  const Rect place = MapDialogRect(dialog, {132, 130, 132, 130});
  sheet.position = {place.left, place.top};
  sheet.tabStyle = tab_control::OwnerDrawFixed | tab_control::HotTrack;
  property_sheet::Page rates;
  rates.templateId = kRatesPage;
  property_sheet::Page notes;
  notes.templateId = kNotesPage;
  sheet.pages = {rates, notes};
  const WindowHandle made = property_sheet::Create(sheet);
  if (made == nullptr) return;
  TheMade().sheetTabs = std::make_unique<SheetTabs>();
  TheMade().sheetTabs->subclass(made);
  const auto tabs = reinterpret_cast<WindowHandle>(SendMessage(made, property_sheet::GetTabControl));
  Rect second;
  SendMessage(tabs, tab_control::GetItemRect, 1, reinterpret_cast<LParam>(&second));
  SendMessage(tabs, msg::MouseMove, 0, PointToParam({second.left + 4, second.top + 4}));
}

}  // namespace

WindowHandle OpenSecondDialog(WindowHandle gallery) {
  Made& made = TheMade();
  made.object = std::make_unique<Dialog>(kSecondDialogId, gallery);
  if (!made.object->createModeless()) {
    made.object.reset();
    return nullptr;
  }
  const WindowHandle dialog = made.object->handle();
  FillDates(dialog);
  FillLicence(dialog);
  FillTabs(dialog);
  MakeSheet(dialog);
  return dialog;
}

void CloseSecondDialog() { TheMade() = Made{}; }

}  // namespace platform::ui::gallery
