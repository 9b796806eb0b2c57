#include "rating_dialogs/accessorials_dialog.h"

#include "language/help_requests.h"
#include "language/show_message.h"
#include "platform/kernel/digits.h"
#include "platform/ui/controls/button.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/window.h"
#include "rating_dialogs/rating_dialog_ids.h"

namespace qiv {

using namespace platform::ui;
namespace id = accessorials_id;
using accessorials::kRows;

namespace {

constexpr std::int32_t kValueRequired = 110;
constexpr std::int32_t kCappedValueExceeded = 109;
constexpr const char* kCappedValueText = "80000.00";
constexpr int kAttachLength = 7;
constexpr int kAttachDecimals = 2;

int RowOf(int control, int base) {
  return control >= base && control < base + static_cast<int>(kRows) ? control - base : -1;
}

}  // namespace

AccessorialsDialog::AccessorialsDialog(QivSession& session, WindowHandle parent)
    : QivDialog(session, rating_dialog_id::Accessorials, parent) {
  for (std::size_t row = 0; row < kRows; ++row) values_.push_back(std::make_unique<CDecimalEdit>(session));
  MessageMap& map = messageMap();
  map.onCommand(id::Ok, [this] { store(); });
  map.onCommand(id::Cancel, [this] { onCancel(); });
  map.onCommand(id::Next, [this] { turnPage(1); });
  map.onCommand(id::Previous, [this] { turnPage(-1); });
  for (std::size_t row = 0; row < kRows; ++row) {
    map.onNotification(id::Value + static_cast<int>(row), edit::KillFocusNotify, [this, row] { onValueLeft(row); });
    map.onNotification(id::Check + static_cast<int>(row), button::Clicked, [this, row] { onCheckClicked(row); });
  }
}

bool AccessorialsDialog::onInitDialog() {
  Dialog::onInitDialog();
  applyLanguage();
  setDialogFont();
  for (std::size_t row = 0; row < kRows; ++row)
    values_[row]->attachItem(id::Value + static_cast<int>(row), handle(), kAttachLength, kAttachDecimals);
  model_ = accessorials::Model(accessorials::Model::ReadTable(*session().context));
  SetDialogItemText(handle(), id::PageCount, std::to_string(model_.pageCount()));
  showPage(0);
  CenterWindow(handle(), parent());
  SetFocus(item(id::Ok));
  SendUpdateStatus(session());
  return false;
}

bool AccessorialsDialog::rowChecked(std::size_t row) const {
  return DialogButtonCheck(handle(), id::Check + static_cast<int>(row)) == button::Checked;
}

void AccessorialsDialog::showPage(std::size_t page) {
  page_ = page;
  for (std::size_t row = 0; row < kRows; ++row) {
    const int r = static_cast<int>(row);
    for (int control : {id::Check + r, id::Description + r, id::Unit + r, id::Value + r})
      ShowWindow(item(control), ShowCommand::Hide);
    CheckDialogButton(handle(), id::Check + r, button::Unchecked);
    valueEntry_[row].reset();
  }
  const bool last = page + 1 >= model_.pageCount();
  EnableWindow(item(id::Previous), page > 0);
  EnableWindow(item(id::Next), !last);
  if (page == 0 && !last) SetFocus(item(id::Next));
  if (last && page > 0) SetFocus(item(id::Previous));
  SetDialogItemText(handle(), id::PageNumber, model_.pageCount() == 0 ? "0" : std::to_string(page + 1));

  rows_ = model_.rowsOf(page);
  for (const accessorials::EntryRows& at : rows_) {
    const accessorials::Entry& e = model_.entries()[at.entry];
    const int row = static_cast<int>(at.row);
    SetDialogItemText(handle(), id::Description + row, e.description);
    ShowWindow(item(id::Description + row), ShowCommand::Show);
    if (at.check) {
      const int check = id::Check + static_cast<int>(*at.check);
      SetDialogItemText(handle(), check, e.code);
      const std::size_t chosen = e.kind == '<' && at.entry + 1 < model_.entries().size() ? at.entry + 1 : at.entry;
      CheckDialogButton(handle(), check, model_.workSelection(chosen) == '*' ? button::Checked : button::Unchecked);
      ShowWindow(item(check), ShowCommand::Show);
    }
    if (at.valueRow && *at.valueRow < kRows) {
      const std::size_t valueRow = *at.valueRow;
      const accessorials::ValueLimits limits = accessorials::LimitsFor(e.kind);
      CDecimalEdit& field = *values_[valueRow];
      field.setLimits(limits.length, limits.decimals);
      field.setText(model_.workText(at.entry));
      SetDialogItemText(handle(), id::Unit + static_cast<int>(valueRow), e.unitLabel);
      ShowWindow(item(id::Unit + static_cast<int>(valueRow)), ShowCommand::Show);
      ShowWindow(field.handle(), ShowCommand::Show);
      valueEntry_[valueRow] = at.entry;
      valueCheck_[valueRow] = at.checkOfValue.value_or(valueRow);
    }
  }
}

void AccessorialsDialog::readPage() {
  for (const accessorials::EntryRows& at : rows_) {
    if (at.check) model_.readCheck(at.entry, rowChecked(*at.check));
    if (at.valueRow && *at.valueRow < kRows) model_.readValue(at.entry, values_[*at.valueRow]->text());
  }
}

void AccessorialsDialog::turnPage(int step) {
  const long target = static_cast<long>(page_) + step;
  if (target < 0 || target >= static_cast<long>(model_.pageCount())) return;
  readPage();
  showPage(static_cast<std::size_t>(target));
}

void AccessorialsDialog::onValueLeft(std::size_t row) {
  // One check per leaving: the box it may show takes the focus too.
  if (!valueEntry_[row] || checking_ || !rowChecked(valueCheck_[row])) return;
  checking_ = true;
  checkValue(row);
  checking_ = false;
}

void AccessorialsDialog::checkValue(std::size_t row) {
  CDecimalEdit& field = *values_[row];
  const double value = platform::LeadingDecimalValue(field.text());
  if (!(value > 0)) {
    session().context->setLastErrorCode(kValueRequired);
    ShowMessage(session(), handle(), MessageType::Warning);
    SetFocus(item(id::Check + static_cast<int>(valueCheck_[row])));
    SendMessage(field.handle(), edit::SetSelection, 0, -1);
    return;
  }
  const accessorials::Entry& e = model_.entries()[*valueEntry_[row]];
  if ((e.kind == '%' || e.kind == 'f') && accessorials::CodeNumber(e) == accessorials::kCappedCode &&
      value > accessorials::kCappedValue) {
    session().context->setLastErrorCode(kCappedValueExceeded);
    ShowMessage(session(), handle(), MessageType::Warning);
    field.setText(kCappedValueText);
    SetFocus(field.handle());
    SendMessage(field.handle(), edit::SetSelection, 0, -1);
  }
}

void AccessorialsDialog::onCheckClicked(std::size_t row) {
  if (!rowChecked(row)) return;
  if (const WindowHandle next = NextDialogTabItem(handle(), item(id::Check + static_cast<int>(row)), false))
    SetFocus(next);
}

void AccessorialsDialog::store() {
  readPage();
  model_.store(*session().context);
  endDialog(command_id::Ok);
}

LResult AccessorialsDialog::onHelp(const HelpInfo& info) {
  for (int base : {id::Check, id::Description, id::Unit, id::Value}) {
    const int row = RowOf(info.controlId, base);
    if (row >= 0 && IsWindowVisible(item(info.controlId))) {
      ShowHelpContext(session(), CurrentHelpFile(session()), id::HelpContext, handle());
      return 1;
    }
  }
  return QivDialog::onHelp(info);
}

}  // namespace qiv
