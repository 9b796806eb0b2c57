// What the print and export setup dialogs share: a copy of their settings
// put back on Cancel, their file-name field (limited to 30 characters, and
// given the stored name back when it is left empty or beginning with a
// blank), and their check boxes and radio buttons.
#pragma once

#include "dialogs/qiv_dialog.h"
#include "output/output_settings.h"

namespace qiv {

class OutputSetupDialog : public QivDialog {
 protected:
  OutputSetupDialog(QivSession& session, int dialogId, platform::ui::WindowHandle parent, platform::FieldSpan settings,
                    int nameFieldId, platform::FieldSpan storedName);

  // Relabelled, the font set, the settings saved and the name field limited.
  void prepare();
  bool checked(int id) const;
  void check(int id, bool on);
  // The name field's text, cut to 30 characters.
  std::string typedName() const;
  void showName(const std::string& name);
  void restoreSettings();

 private:
  void onNameLeft();

  SettingsCopy saved_;
  int nameFieldId_;
  platform::FieldSpan storedName_;
};

}  // namespace qiv
