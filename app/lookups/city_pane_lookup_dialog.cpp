#include "lookups/city_pane_lookup_dialog.h"

#include "language/help_requests.h"
#include "lookups/rowpane_library.h"
#include "platform/kernel/fixed_format.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/dialog.h"
#include "platform/ui/window.h"
#include "rowpane/rowpane.h"

namespace qiv {

using namespace platform::ui;

namespace {

constexpr std::size_t kStateLength = 2;
constexpr std::size_t kCityLength = 28;
// The list's window: a bordered tab stop that keeps the height it is given.
constexpr StyleBits kPaneStyle =
    style::Child | style::Visible | style::Border | style::TabStop | rowpane::style::KeepHeight;
static_assert(kPaneStyle == 0x50810100);
constexpr const char* kMexicanState = "MX";
constexpr char kMexicanCodeMark = 'M';

}  // namespace

const CityPaneLookupDialog::Ids& CityPaneLookupDialog::IdsOf(Country country) {
  static constexpr Ids kUs{555, 4348, 4349, 4350, 0x10FE, ".CTU"};
  static constexpr Ids kMexico{3103, 4556, 4555, 4554, 0x11CA, ".CMX"};
  return country == Country::Us ? kUs : kMexico;
}

CityPaneLookupDialog::CityPaneLookupDialog(QivSession& session, WindowHandle parent, Country country)
    : QivDialog(session, IdsOf(country).dialog, parent), country_(country), ids_(IdsOf(country)) {
  messageMap().onNotification(ids_.stateEdit, edit::Change, [this] { onStateChange(); });
  messageMap().onNotification(ids_.cityEdit, edit::Change, [this] { onCityChange(); });
  for (MessageId request = rowpane::RPBN_FINDSTRING; request <= rowpane::RPBN_THUMBPOS; ++request)
    messageMap().onMessage(request, [this](const Message& message) -> LResult {
      if (message.lParam != 0) rows_.answer(message.message, *reinterpret_cast<rowpane::ItemRequest*>(message.lParam));
      return 0;
    });
}

CityPaneLookupDialog::~CityPaneLookupDialog() { file_.close(); }

bool CityPaneLookupDialog::onInitDialog() {
  Dialog::onInitDialog();
  applyLanguage();
  setDialogFont();
  SendDialogItemMessage(handle(), ids_.stateEdit, edit::LimitText, kStateLength);
  SendDialogItemMessage(handle(), ids_.cityEdit, edit::LimitText, kCityLength);
  state_.clear();
  city_.clear();
  file_.open(session().tariffBasePath() + ids_.extension);
  if (!createPane() || SendMessage(pane_, rowpane::RPB_INITIALIZE) != 0) {
    file_.close();
    endDialog(command_id::Cancel);
    return false;
  }
  if (country_ == Country::Mexico) {
    SetDialogItemText(handle(), ids_.stateEdit, kMexicanState);
    SetDialogFocus(item(ids_.cityEdit));
  } else {
    SetDialogFocus(item(ids_.stateEdit));
  }
  SendUpdateStatus(session());
  return false;
}

bool CityPaneLookupDialog::createPane() {
  const WindowHandle placeholder = item(ids_.placeholder);
  if (placeholder == nullptr || !LoadRowpaneOnce(session())) return false;
  const Rect place = WindowRectInParent(placeholder);
  DestroyWindow(placeholder);
  pane_ = CreateWindow({.className = rowpane::kClassName,
                        .text = "Rowpane",
                        .style = kPaneStyle,
                        .rect = place,
                        .parent = handle(),
                        .id = ids_.pane});
  if (pane_ == nullptr) return false;
  SetWindowPosition(pane_, item(ids_.cityEdit), {}, position::NoMove | position::NoSize | position::NoActivate);
  return true;
}

void CityPaneLookupDialog::selectKey() {
  // The key is the state and the city as typed; with no state, "A".
  const std::string key = state_.empty() ? std::string("A") : state_ + city_;
  rowpane::ItemRequest request;
  request.search = key.c_str();
  SendMessage(pane_, rowpane::RPB_SELECTSTRING, 0, reinterpret_cast<LParam>(&request));
}

void CityPaneLookupDialog::onStateChange() {
  if (pane_ == nullptr) return;
  state_ = DialogItemText(handle(), ids_.stateEdit).substr(0, kStateLength);
  selectKey();
  if (state_.size() == kStateLength) SetDialogFocus(item(ids_.cityEdit));
}

void CityPaneLookupDialog::onCityChange() {
  if (pane_ == nullptr) return;
  city_ = DialogItemText(handle(), ids_.cityEdit).substr(0, kCityLength);
  selectKey();
  if (state_.size() != kStateLength) SetDialogFocus(item(ids_.stateEdit));
}

void CityPaneLookupDialog::onOK() {
  result_.code.clear();
  result_.city.clear();
  const LResult selected = pane_ != nullptr ? SendMessage(pane_, rowpane::RPB_GETCURSEL) : -1;
  if (selected >= 0) {
    if (const std::optional<CityRecord> record = file_.read(selected)) {
      std::string code(record->code());
      if (country_ == Country::Mexico) code[5] = kMexicanCodeMark;
      // A ZIP fills five of the code's six places: the route field gets it
      // as a clerk types it, without the blank that pads it.
      result_.code = std::string(platform::TrimTrailingBlanks(code));
      result_.city = std::string(record->city());
    }
  }
  file_.close();
  result_.end = command_id::Ok;
  endDialog(command_id::Ok);
}

void CityPaneLookupDialog::onCancel() {
  file_.close();
  result_.end = command_id::Cancel;
  endDialog(command_id::Cancel);
}

LResult CityPaneLookupDialog::onHelp(const HelpInfo& info) {
  // The list's own list box answers for the list.
  return ShowHelpForId(session(), info.controlId == rowpane::kInnerListId ? ids_.pane : info.controlId, handle());
}

namespace {

CityLookupResult Run(QivSession& session, WindowHandle parent, CityPaneLookupDialog::Country country) {
  CityPaneLookupDialog dialog(session, parent, country);
  const LResult end = dialog.doModal();
  CityLookupResult result = dialog.result();
  result.end = end;
  return result;
}

}  // namespace

CityLookupResult RunUsCityLookup(QivSession& session, WindowHandle parent) {
  return Run(session, parent, CityPaneLookupDialog::Country::Us);
}

CityLookupResult RunMexicanCityLookup(QivSession& session, WindowHandle parent) {
  return Run(session, parent, CityPaneLookupDialog::Country::Mexico);
}

}  // namespace qiv
