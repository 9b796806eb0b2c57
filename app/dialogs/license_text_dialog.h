// The licence agreement (dialog 3125): SLICENSE.RTF (a Spanish screen) or
// LICENSE.RTF of the data directory, read as RTF into a read-only view on
// the button face. A Spanish screen without the Spanish text shows the
// English one.
#pragma once

#include <string>

#include "dialogs/qiv_dialog.h"

namespace qiv {

class LicenseTextDialog : public QivDialog {
 public:
  LicenseTextDialog(QivSession& session, platform::ui::WindowHandle parent);

  // The document the dialog shows: its path, empty when neither exists.
  static std::string DocumentPath(const QivSession& session);

 protected:
  bool onInitDialog() override;
};

}  // namespace qiv
