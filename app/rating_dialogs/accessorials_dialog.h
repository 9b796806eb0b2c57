// Accessorials (dialog 549): the accessorial table a page of 13 entries at
// a time, each entry a row of its code (a check box), description, unit
// and value; Next and Previous page through it. The choices and values are
// kept in a work area; only OK stores them in the AccessorialTable, Cancel
// and Esc store nothing, Enter does nothing.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "dialogs/qiv_dialog.h"
#include "fields/decimal_edit.h"
#include "rating_dialogs/accessorial_pages.h"

namespace qiv {

class AccessorialsDialog : public QivDialog {
 public:
  AccessorialsDialog(QivSession& session, platform::ui::WindowHandle parent);

  const accessorials::Model& model() const { return model_; }
  std::size_t currentPage() const { return page_; }

 protected:
  bool onInitDialog() override;
  void onOK() override {}
  platform::ui::LResult onHelp(const platform::ui::HelpInfo& info) override;

 private:
  void showPage(std::size_t page);
  void readPage();
  void turnPage(int step);
  void onValueLeft(std::size_t row);
  void checkValue(std::size_t row);
  void onCheckClicked(std::size_t row);
  void store();
  bool rowChecked(std::size_t row) const;

  accessorials::Model model_;
  std::size_t page_ = 0;
  bool checking_ = false;
  std::vector<accessorials::EntryRows> rows_;  // of the page shown
  // The entry of each value row, and the row of the check box that chooses it.
  std::array<std::optional<std::size_t>, accessorials::kRows> valueEntry_{};
  std::array<std::size_t, accessorials::kRows> valueCheck_{};
  std::vector<std::unique_ptr<CDecimalEdit>> values_;
};

}  // namespace qiv
