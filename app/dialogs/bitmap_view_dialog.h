// The bitmap viewer (dialog 536): a Windows bitmap file shown whole, the
// window the bitmap's size, centred on the desktop, on white. A file that
// cannot be read or is no bitmap closes the viewer at once (IDOK). OK or a
// click closes it with IDOK, Cancel with IDCANCEL.
#pragma once

#include <string>

#include "dialogs/qiv_dialog.h"

namespace qiv {

class BitmapViewDialog : public QivDialog {
 public:
  BitmapViewDialog(QivSession& session, std::string path, platform::ui::WindowHandle parent);
  ~BitmapViewDialog() override;

 protected:
  bool onInitDialog() override;
  void onLeftButtonUp(const platform::ui::MouseEvent& event) override;

 private:
  platform::ui::LResult onPaint();
  std::string path_;
  platform::ui::BitmapHandle bitmap_ = nullptr;
};

}  // namespace qiv
