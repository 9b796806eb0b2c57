#include "settings/settings_dialog.h"

#include <cstring>

#include "dialogs/question_dialog.h"
#include "language/help_requests.h"
#include "language/show_message.h"
#include "platform/kernel/path.h"
#include "platform/ui/controls/combo_box.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/controls/property_sheet.h"
#include "platform/ui/controls/tab_control.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/keys.h"
#include "platform/ui/paint.h"
#include "platform/ui/window.h"
#include "settings/discount_page.h"
#include "settings/fak_page.h"
#include "settings/option_page.h"
#include "settings/profile_combo.h"
#include "settings/session_profile_store.h"
#include "settings/settings_ids.h"
#include "settings/sheet_tabs.h"

namespace qiv {

using namespace platform::ui;
namespace id = settings_id;
namespace st = settings_text;
namespace pr = ratekit::profile_record;

namespace {

constexpr int kNewNameLimit = 30;
constexpr FieldSpan kFakPageFlag = ratekit::tariff_settings::kFakPage;
constexpr Rect kSheetPlace{6, 24, 6, 24};  // dialog units
constexpr std::string_view kDefaultProfile = "Default";
constexpr StyleBits kSheetExStyle = 0x2000;

std::string Trimmed(std::string text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void SetCurrentName(RatingContext& context, std::string_view name) {
  context.view().setText(pr::Current(pr::kName), name.substr(0, pr::kName.width - 1), '\0');
}

std::span<const std::uint8_t> CurrentProfile(RatingContext& context) {
  return std::span(static_cast<const std::uint8_t*>(context.data()) + ratekit::context::kCurrentProfile.offset,
                   pr::kSize);
}

}  // namespace

SettingsDialog::SettingsDialog(QivSession& session, WindowHandle parent) : QivDialog(session, id::Dialog, parent) {
  messageMap().onCommand(id::AddSetting, [this] { onAddSetting(); });
  messageMap().onCommand(id::DeleteSetting, [this] { onDeleteSetting(); });
  messageMap().onCommand(id::Save, [this] { onSaveSetting(); });
  messageMap().onCommand(id::Cancel, [this] { onCancel(); });
  messageMap().onNotification(id::ProfileCombo, combo_box::SelectionChange, [this] { onSettingSelected(); });
}

SettingsDialog::~SettingsDialog() = default;

bool SettingsDialog::fakPageShown() const { return session().context->charAt(kFakPageFlag) == 'Y'; }

bool SettingsDialog::onInitDialog() {
  Dialog::onInitDialog();
  applyLanguage();
  setDialogFont();
  editingPercentages_ = editingRanges_ = adding_ = false;
  RatingContext& context = *session().context;
  if (session().bindings.GetProfileRecord(context.data()) == 0) {
    ShowMessage(session(), handle(), MessageType::Warning);
    endDialog(command_id::Cancel);
    return false;
  }
  working_.assign(CurrentProfile(context));
  for (int control : {id::AddingLabel, id::NewNameLabel, id::NewName, id::CopyFromLabel})
    ShowWindow(item(control), ShowCommand::Hide);
  SendDialogItemMessage(handle(), id::NewName, edit::LimitText, kNewNameLimit);
  ShowWindow(item(id::SettingsLabel), ShowCommand::Show);
  fillCombo();
  createSettingsSheet();
  SetFocus(item(id::ProfileCombo));
  SendUpdateStatus(session());
  return false;
}

bool SettingsDialog::fillCombo() {
  return FillProfileCombo(session(), handle(), item(id::ProfileCombo),
                          session().context->shortAt(fields::kCurrentProfileIndex));
}

void SettingsDialog::createSettingsSheet() {
  optionPage_ = std::make_unique<CProOptionPage>(*this);
  discountPage_ = std::make_unique<CProDiscountPage>(*this);
  if (fakPageShown()) fakPage_ = std::make_unique<CProFAKPage>(*this);
  property_sheet::Sheet definition;
  definition.parent = handle();
  definition.id = id::Sheet;
  definition.caption = text(id::SheetCaption);
  const Rect place = MapDialogRect(handle(), kSheetPlace);
  definition.position = {place.left, place.top};
  definition.style = style::Child | style::Visible | dialog_style::Control;
  definition.exStyle = kSheetExStyle;
  definition.tabStyle = tab_control::OwnerDrawFixed | tab_control::HotTrack;
  definition.pages = {{id::OptionPage, nullptr, optionPage_.get(), text(id::OptionPage)},
                      {id::DiscountPage, nullptr, discountPage_.get(), text(id::DiscountPage)}};
  if (fakPage_) definition.pages.push_back({id::FakPage, nullptr, fakPage_.get(), text(id::FakPage)});
  sheet_ = property_sheet::Create(definition);
  if (sheet_ == nullptr) return;
  const WindowHandle tabControl = reinterpret_cast<WindowHandle>(SendMessage(sheet_, property_sheet::GetTabControl));
  SendMessage(tabControl, msg::SetFont, reinterpret_cast<WParam>(session().applicationFont), 1);
  tabs_ = std::make_unique<CProPropertySheet>(*this);
  tabs_->subclass(sheet_);
  setSettingsZOrder();
  // Centred across the dialog, where the template leaves room for it.
  Rect r = WindowRectInParent(sheet_);
  const int width = r.right - r.left;
  r.left = (ClientRect(handle()).right - width) / 2;
  r.right = r.left + width;
  MoveWindow(sheet_, r);
}

void SettingsDialog::setSettingsZOrder() {
  const unsigned keep = position::NoMove | position::NoSize | position::NoActivate;
  SetWindowPosition(item(id::ProfileCombo), InsertAtTop, {}, keep);
  if (sheet_ != nullptr) SetWindowPosition(sheet_, InsertAtBottom, {}, keep);
  for (int button : {id::DeleteSetting, id::AddSetting, id::Save, id::Cancel})
    SetWindowPosition(item(button), InsertAtBottom, {}, keep);
}

void SettingsDialog::enableButtons(bool enabled) {
  for (int control : {id::DeleteSetting, id::AddSetting, id::Cancel, id::Save, id::ProfileCombo, id::SettingsLabel})
    EnableWindow(item(control), enabled);
}

void SettingsDialog::setEditing(bool percentages, bool ranges) {
  editingPercentages_ = percentages;
  editingRanges_ = ranges;
  enableButtons(!percentages && !ranges);
  if (sheet_ != nullptr) InvalidateRect(sheet_, nullptr, true);
}

int SettingsDialog::focusedTabPage() const {
  if (sheet_ == nullptr) return -1;
  const WindowHandle tabControl = reinterpret_cast<WindowHandle>(SendMessage(sheet_, property_sheet::GetTabControl));
  if (GetFocus() != tabControl) return -1;
  return static_cast<int>(SendMessage(sheet_, property_sheet::GetCurrentPage));
}

bool SettingsDialog::preTranslateMessage(Message& message) {
  const int page = focusedTabPage();
  if (page < 0 || page >= static_cast<int>(st::kTabHelpKeys.size())) return QivDialog::preTranslateMessage(message);
  if (message.message == msg::LeftButtonUp || message.message == msg::KeyUp || message.wParam == key::Tab ||
      message.wParam == key::Up || message.wParam == key::Down)
    SendUpdateStatus(session(), 4, st::kTabHelpKeys[static_cast<std::size_t>(page)]);
  return Dialog::preTranslateMessage(message);
}

LResult SettingsDialog::onHelp(const HelpInfo& info) {
  if (info.controlId == id::TabControl && sheet_ != nullptr) {
    const int page = static_cast<int>(SendMessage(sheet_, property_sheet::GetCurrentPage));
    if (page >= 0 && page < static_cast<int>(st::kTabHelpKeys.size()))
      return ShowHelpForId(session(), st::kTabHelpKeys[static_cast<std::size_t>(page)], handle());
  }
  return QivDialog::onHelp(info);
}

void SettingsDialog::refillPages() {
  for (SettingsPage* page :
       {static_cast<SettingsPage*>(optionPage_.get()), static_cast<SettingsPage*>(discountPage_.get()),
        static_cast<SettingsPage*>(fakPage_.get())})
    if (page != nullptr && page->made()) page->fill();
}

void SettingsDialog::onSettingSelected() {
  RatingContext& context = *session().context;
  const WindowHandle combo = item(id::ProfileCombo);
  const int chosen = static_cast<int>(SendMessage(combo, combo_box::GetCurrentSelection));
  context.setShort(fields::kCurrentProfileIndex, static_cast<std::int16_t>(chosen));
  SetCurrentName(context, WindowText(combo));
  if (session().bindings.GetProfileRecord(context.data()) == 0) {
    ShowMessage(session(), handle(), MessageType::Warning);
    return;
  }
  working_.assign(CurrentProfile(context));
  refillPages();
  if (!adding_) return;
  EnableWindow(item(id::DeleteSetting), false);
  EnableWindow(item(id::AddSetting), false);
  SetFocus(item(DialogItemText(handle(), id::NewName).empty() ? id::NewName : id::Save));
}

void SettingsDialog::onAddSetting() {
  disableSettingsButtons();
  adding_ = true;
  for (int control : {id::AddingLabel, id::NewNameLabel, id::NewName, id::CopyFromLabel})
    ShowWindow(item(control), ShowCommand::Show);
  ShowWindow(item(id::SettingsLabel), ShowCommand::Hide);
  SetDialogItemText(handle(), id::NewName, "");
  EnableWindow(item(id::ProfileCombo), true);
  if (sheet_ != nullptr) ShowWindow(sheet_, ShowCommand::Hide);
  EnableWindow(item(id::Save), true);
  EnableWindow(item(id::Cancel), true);
  SetFocus(item(id::NewName));
}

void SettingsDialog::leaveAddingMode() {
  for (int control : {id::AddingLabel, id::NewNameLabel, id::NewName, id::CopyFromLabel})
    ShowWindow(item(control), ShowCommand::Hide);
  ShowWindow(item(id::SettingsLabel), ShowCommand::Show);
  if (sheet_ != nullptr) ShowWindow(sheet_, ShowCommand::Show);
  enableSettingsButtons();
  adding_ = false;
}

bool SettingsDialog::saveNewProfile() {
  RatingContext& context = *session().context;
  const std::string name = Trimmed(DialogItemText(handle(), id::NewName));
  // A name that cannot name the profile's range file is refused like an empty one.
  if (name.empty() || !platform::IsPlainFileName(name)) {
    context.setLastErrorCode(st::kEmptyNewName);
    ShowMessage(session(), handle(), MessageType::Warning);
    SetDialogItemText(handle(), id::NewName, "");
    SetFocus(item(id::NewName));
    return false;
  }
  const std::string source = WindowText(item(id::ProfileCombo));
  SetCurrentName(context, source);
  if (session().bindings.GetProfileRecord(context.data()) == 0) {
    ShowMessage(session(), handle(), MessageType::Warning);
    return false;
  }
  SetCurrentName(context, name);
  settings::ProfileStore store = settings::SessionProfileStore(session(), handle());
  store.faults = storeFaults;
  if (settings::SaveProfile(store, true) == settings::SaveOutcome::Failed) {
    // Nothing was written: the source stays current and adding goes on.
    context.setLastErrorCode(st::kSaveFailed);
    ShowMessage(session(), handle(), MessageType::Warning);
    SetCurrentName(context, source);
    session().bindings.GetProfileRecord(context.data());
    return false;
  }
  working_.assign(CurrentProfile(context));
  leaveAddingMode();
  if (session().bindings.GetProfileRecord(context.data()) == 0) ShowMessage(session(), handle(), MessageType::Warning);
  fillCombo();
  refillPages();
  return true;
}

void SettingsDialog::collectSettingsPages() {
  RatingContext& context = *session().context;
  const WindowHandle combo = item(id::ProfileCombo);
  context.setShort(fields::kCurrentProfileIndex,
                   static_cast<std::int16_t>(SendMessage(combo, combo_box::GetCurrentSelection)));
  SetCurrentName(context, WindowText(combo));
  working_.setText(pr::kName, WindowText(combo).substr(0, pr::kName.width - 1), '\0');
  if (optionPage_ && optionPage_->made()) optionPage_->save();
  if (discountPage_ && discountPage_->made()) discountPage_->storeDiscountOptions();
  if (fakPage_ && fakPage_->made()) fakPage_->save();
}

void SettingsDialog::onSaveSetting() {
  if (adding_) {
    saveNewProfile();
    return;
  }
  RatingContext& context = *session().context;
  collectSettingsPages();
  std::memcpy(static_cast<std::uint8_t*>(context.data()) + ratekit::context::kCurrentProfile.offset, working_.data(),
              pr::kSize);
  settings::ProfileStore store = settings::SessionProfileStore(session(), handle());
  store.faults = storeFaults;
  if (settings::SaveProfile(store, false) == settings::SaveOutcome::Failed) {
    context.setLastErrorCode(st::kSaveFailed);
    ShowMessage(session(), handle(), MessageType::Warning);
    return;
  }
  context.setLastErrorCode(st::kSavedClose);
  if (ShowMessage(session(), handle(), MessageType::Question) != 0) {
    endDialog(command_id::Ok);
    return;
  }
  fillCombo();
}

void SettingsDialog::onCancel() {
  if (adding_) {
    leaveAddingMode();
    return;
  }
  endDialog(command_id::Cancel);
}

void SettingsDialog::onDeleteSetting() {
  RatingContext& context = *session().context;
  const WindowHandle combo = item(id::ProfileCombo);
  const int chosen = static_cast<int>(SendMessage(combo, combo_box::GetCurrentSelection));
  const std::string name = WindowText(combo);
  auto refuse = [&](std::int32_t number) {
    context.setLastErrorCode(number);
    ShowMessage(session(), handle(), MessageType::Warning);
  };
  if (name.empty()) return refuse(st::kNoProfileChosen);
  if (name == kDefaultProfile) return refuse(st::kDefaultNotDeleted);
  QuestionDialog question(session(), handle(), text(st::kDeleteQuestion) + " " + name + "?", std::string(),
                          st::kDeleteQuestion);
  if (question.doModal() == command_id::Cancel) return;
  context.setShort(fields::kCurrentProfileIndex, static_cast<std::int16_t>(chosen));
  SetCurrentName(context, name);
  settings::ProfileStore store = settings::SessionProfileStore(session(), handle());
  store.faults = storeFaults;
  switch (settings::DeleteProfile(store)) {
    case settings::DeleteOutcome::Deleted: break;
    case settings::DeleteOutcome::OnlyProfile: return refuse(st::kDefaultNotDeleted);
    default: return refuse(st::kSaveFailed);
  }
  fillCombo();
  working_.assign(CurrentProfile(context));
  refillPages();
}

void SettingsDialog::onDestroy() {
  if (tabs_) tabs_->detach();
  QivDialog::onDestroy();
}

LResult RunSettings(QivSession& session, WindowHandle owner) {
  SettingsDialog dialog(session, owner);
  return dialog.doModal();
}

}  // namespace qiv
