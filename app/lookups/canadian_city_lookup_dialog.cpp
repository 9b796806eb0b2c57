#include "lookups/canadian_city_lookup_dialog.h"

#include <cctype>

#include "dialogs/list_items.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/dialog.h"
#include "platform/ui/font.h"
#include "platform/ui/gdi.h"
#include "platform/ui/metrics.h"
#include "platform/ui/window.h"

namespace qiv {

using namespace platform::ui;

namespace {

constexpr int kStateEdit = 4351;
constexpr int kCityEdit = 4352;
constexpr int kList = 4353;
constexpr std::size_t kStateLength = 2;
constexpr std::size_t kCityLength = 28;
constexpr std::size_t kRowCityLength = 30;
constexpr int kListPoints = 8;
constexpr int kBold = 700;

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

}  // namespace

std::string CanadianCityRow(const CityRecord& record) {
  const std::string_view code = record.code();
  // A full postal code (K1A0B1) reads K1A-0B1; a prefix (K1A) as it stands.
  const std::string shown =
      IsLetter(code[4]) ? std::string(code.substr(0, 3)) + "-" + std::string(code.substr(3)) : std::string(code);
  return shown + "\t" + std::string(record.state()) + "\t" + std::string(record.city());
}

std::string CanadianRowCode(std::string_view row) {
  const std::size_t length = row.size() > 3 && IsDigit(row[3]) ? 6 : 3;
  return std::string(row.substr(0, length));
}

std::string CanadianRowCity(std::string_view row) {
  const std::size_t first = row.find('\t');
  const std::size_t second = first == std::string_view::npos ? first : row.find('\t', first + 1);
  if (second == std::string_view::npos) return {};
  return std::string(row.substr(second + 1, kRowCityLength));
}

CanadianCityLookupDialog::CanadianCityLookupDialog(QivSession& session, WindowHandle parent)
    : QivDialog(session, 556, parent) {
  messageMap().onNotification(kStateEdit, edit::Change, [this] { onStateChange(); });
  messageMap().onNotification(kCityEdit, edit::Change, [this] { onCityChange(); });
}

CanadianCityLookupDialog::~CanadianCityLookupDialog() {
  file_.close();
  if (listFont_ != nullptr) DeleteFont(listFont_);
}

bool CanadianCityLookupDialog::onInitDialog() {
  Dialog::onInitDialog();
  applyLanguage();
  SendDialogItemMessage(handle(), kStateEdit, edit::LimitText, kStateLength);
  SendDialogItemMessage(handle(), kCityEdit, edit::LimitText, kCityLength);
  const WindowHandle list = item(kList);
  FontSpec spec;
  spec.face = "Courier";
  spec.height = -MulDiv(kListPoints, GetSystemMetric(SystemMetric::ScreenDpi), 72);
  spec.weight = kBold;
  listFont_ = CreateFont(spec);
  SendMessage(list, msg::SetFont, reinterpret_cast<WParam>(listFont_), 0);
  // The stops are given as the dialog's base width in quarters, times 28 and 16.
  const int quarter = DialogBaseUnits(handle()).width / 4;
  const int stops[] = {quarter * 28, quarter * 16};
  SendMessage(list, list_box::SetTabStops, 2, reinterpret_cast<LParam>(stops));
  setDialogFont();
  fillList();
  CenterWindow(handle(), parent());
  SetDialogFocus(item(kStateEdit));
  return false;
}

void CanadianCityLookupDialog::fillList() {
  const WindowHandle list = item(kList);
  file_.open(session().tariffBasePath() + ".CTC");
  const DcHandle dc = GetDC(list);
  const FontHandle previous = SelectFont(dc, listFont_);
  const std::int32_t count = file_.count();
  for (std::int32_t i = 0; i < count; ++i) {
    const std::optional<CityRecord> record = file_.read(i);
    if (!record) break;
    const std::string row = CanadianCityRow(*record);
    const LResult line = AddListLine(list, row);
    if (line >= 0) SendMessage(list, list_box::SetItemHeight, static_cast<WParam>(line), GetTextExtent(dc, row).height);
  }
  SelectFont(dc, previous);
  ReleaseDC(list, dc);
}

void CanadianCityLookupDialog::selectKey() {
  const std::string key = state_.empty() ? std::string("A") : state_ + city_;
  const std::int32_t found = file_.search(key);
  if (found >= 0) SendDialogItemMessage(handle(), kList, list_box::SetCurrentSelection, static_cast<WParam>(found));
}

void CanadianCityLookupDialog::onStateChange() {
  state_ = DialogItemText(handle(), kStateEdit).substr(0, kStateLength);
  selectKey();
  if (state_.size() == kStateLength) SetDialogFocus(item(kCityEdit));
}

void CanadianCityLookupDialog::onCityChange() {
  city_ = DialogItemText(handle(), kCityEdit).substr(0, kCityLength);
  selectKey();
  if (state_.size() != kStateLength) SetDialogFocus(item(kStateEdit));
}

void CanadianCityLookupDialog::onOK() {
  result_.code.clear();
  result_.city.clear();
  const WindowHandle list = item(kList);
  const int selected = ListSelection(list);
  if (selected >= 0) {
    const std::string row = ListLine(list, selected);
    result_.code = CanadianRowCode(row);
    result_.city = CanadianRowCity(row);
  }
  file_.close();
  endDialog(command_id::Ok);
}

void CanadianCityLookupDialog::onCancel() {
  file_.close();
  endDialog(command_id::Cancel);
}

CityLookupResult RunCanadianCityLookup(QivSession& session, WindowHandle parent) {
  CanadianCityLookupDialog dialog(session, parent);
  const LResult end = dialog.doModal();
  CityLookupResult result = dialog.result();
  result.end = end;
  return result;
}

}  // namespace qiv
