// The city list (dialog 3136) that resolves a Mexican point (mode 0) or a
// U.S. ZIP (mode 1) with several cities. One city is the answer at once;
// none gives language text 15 (a Mexican point, with the no-city flag set)
// or "City not available" (a ZIP); two or more open the list at the
// position given (one pixel up and left, the list's size and 2 pixels
// more), the first chosen, and the line the user picks (a change of
// selection, or a double click, which closes the list) is the answer.
#pragma once

#include <string>
#include <vector>

#include "dialogs/qiv_dialog.h"

namespace qiv {

class MexicanCityListDialog : public QivDialog {
 public:
  enum class Mode { MexicanPoint = 0, UsZip = 1 };
  static constexpr std::size_t kResultLimit = 29;
  static constexpr std::size_t kCodeLimit = 9;

  MexicanCityListDialog(QivSession& session, platform::ui::WindowHandle parent, std::string code,
                        platform::ui::Point screenPosition, Mode mode);

  const std::string& result() const { return result_; }
  // Set after the run: the point had no city (mode 0); cleared for two or more.
  bool noCityFound() const { return noCityFound_; }

 protected:
  bool onInitDialog() override;

 private:
  void take(int index);
  std::string code_;
  platform::ui::Point position_;
  Mode mode_;
  std::string result_;
  bool noCityFound_ = false;
};

}  // namespace qiv
