// What the three pages of the settings sheet share: the settings dialog
// they edit for, their relabelling and font when made, their input fields
// (attached to the template's edits when made), filling themselves from
// the working copy when made (so a page first shown after a profile was
// chosen shows that profile), and the sheet's notices: a page may not
// be entered while the discount page shows an edit view, entering one
// puts the dialog's windows in order, and leaving one stores it.
#pragma once

#include "dialogs/qiv_dialog.h"
#include "fields/decimal_edit.h"
#include "fields/zip_edit.h"
#include "settings/settings_dialog.h"

namespace qiv {

class SettingsPage : public QivDialog {
 public:
  SettingsPage(SettingsDialog& settings, int pageId);

  virtual void fill() = 0;
  virtual void save() = 0;
  bool made() const { return handle() != nullptr; }

 protected:
  bool onInitDialog() override;
  // Answers the sheet's notices: non-zero refuses.
  virtual platform::ui::LResult onSetActive();
  virtual platform::ui::LResult onKillActive();
  // Subclasses the page's edits with their input fields (before the first fill).
  virtual void attachFields() {}
  // A decimal field attached with its length and decimals; the text limit
  // the page sends it afterwards is kept by the field as the length typing
  // may reach.
  void attachDecimal(CDecimalEdit& field, int id, int length, int decimals, int textLimit);
  // A ZIP field attached with the shapes of the tariff's ZIP mode (which
  // bound its length too: 6 characters in mode '6', 5 in '5', 3 in '3').
  void attachZip(CZipEdit& field, int id);

  SettingsDialog& settings() { return settings_; }
  ProfileRecord& profile() { return settings_.workingCopy(); }
  bool checked(int id) const;
  void check(int id, bool on);
  void show(int id, bool shown);
  void enable(int id, bool enabled);
  std::string itemText(int id) const;
  void setItemText(int id, std::string_view text);
  // A warning with the message number, owned by the page; then the field
  // cleared and focused when one is given.
  void warn(std::int32_t number, int clearedField = 0);

 private:
  SettingsDialog& settings_;
};

}  // namespace qiv
