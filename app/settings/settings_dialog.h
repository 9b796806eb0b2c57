// Settings (dialog 3109): the user chooses, adds, deletes and saves
// profiles. The dialog holds a working copy of one profile record, which
// its sheet's pages edit: the option page, the discount page and, when the
// tariff allows it (.SET flag 236 'Y'), the FAK page. The sheet is a child
// window below the profile list; its tabs are drawn here in three colours:
// grey while the discount page edits or a profile is being added, blue
// under the mouse, else dark blue.
//
// States: browsing (sheet shown, buttons on), adding (the sheet hidden,
// the new name's controls shown, Delete and Add off), and page editing
// (every button of the dialog off while the discount page shows one of its
// edit views; the sheet refuses to change pages meanwhile).
#pragma once

#include <memory>
#include <string>

#include "dialogs/qiv_dialog.h"
#include "platform/kernel/byte_record.h"
#include "settings/profile_store.h"

namespace qiv {

class CProOptionPage;
class CProDiscountPage;
class CProFAKPage;
class CProPropertySheet;

using ProfileRecord = platform::ByteRecord<ratekit::profile_record::kSize>;

class SettingsDialog : public QivDialog {
 public:
  SettingsDialog(QivSession& session, platform::ui::WindowHandle parent);
  ~SettingsDialog() override;
  using QivDialog::session;

  ProfileRecord& workingCopy() { return working_; }
  bool editingPercentages() const { return editingPercentages_; }
  bool editingRanges() const { return editingRanges_; }
  bool adding() const { return adding_; }
  // Grey tabs, refused page changes and the dialog's buttons off while set.
  void setEditing(bool percentages, bool ranges);
  void setSettingsZOrder();
  void enableSettingsButtons() { enableButtons(true); }
  void disableSettingsButtons() { enableButtons(false); }
  platform::ui::WindowHandle sheet() const { return sheet_; }
  bool fakPageShown() const;
  // Failures injected into the store (tests).
  settings::ProfileStoreFaults storeFaults;

 protected:
  bool onInitDialog() override;
  void onCancel() override;
  bool preTranslateMessage(platform::ui::Message& message) override;
  platform::ui::LResult onHelp(const platform::ui::HelpInfo& info) override;
  void onDestroy() override;

 private:
  void onAddSetting();
  void onDeleteSetting();
  void onSaveSetting();
  void onSettingSelected();
  bool saveNewProfile();
  void collectSettingsPages();
  void createSettingsSheet();
  void leaveAddingMode();
  void refillPages();
  void enableButtons(bool enabled);
  bool fillCombo();
  // The page index of the focused tab control, or -1.
  int focusedTabPage() const;

  ProfileRecord working_;
  bool editingPercentages_ = false;
  bool editingRanges_ = false;
  bool adding_ = false;
  platform::ui::WindowHandle sheet_ = nullptr;
  std::unique_ptr<CProOptionPage> optionPage_;
  std::unique_ptr<CProDiscountPage> discountPage_;
  std::unique_ptr<CProFAKPage> fakPage_;
  std::unique_ptr<CProPropertySheet> tabs_;
};

// The Settings command: the dialog, modal; its end code.
platform::ui::LResult RunSettings(QivSession& session, platform::ui::WindowHandle owner);

}  // namespace qiv
