// Accessorial Totals (dialog 554): the chosen accessorials with their
// charges as the result display priced them, each group's heading before
// its first line, the headings paired with a charged entry, and the total.
#pragma once

#include <string>
#include <vector>

#include "dialogs/qiv_dialog.h"

namespace qiv {

// The list's lines; totalLabel is the last line's label (language text 257).
std::vector<std::string> AccessorialTotalLines(const RatingContext& context, const std::string& totalLabel);

class AccessorialTotalsDialog : public QivDialog {
 public:
  AccessorialTotalsDialog(QivSession& session, platform::ui::WindowHandle parent);

 protected:
  bool onInitDialog() override;
};

}  // namespace qiv
