// The About box (dialog 535): the twenty lines of the language's about file
// in statics 4220-4239 (an empty line's static hidden), the first in the
// 14-point heading font, and the settings' icon at 32 x 32 in a static made
// at (32, 22).
#pragma once

#include "dialogs/qiv_dialog.h"

namespace qiv {

class AboutDialog : public QivDialog {
 public:
  AboutDialog(QivSession& session, platform::ui::WindowHandle parent);
  ~AboutDialog() override;

 protected:
  bool onInitDialog() override;

 private:
  platform::ui::BitmapHandle icon_ = nullptr;
};

}  // namespace qiv
