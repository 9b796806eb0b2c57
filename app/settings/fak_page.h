// The third page of the settings sheet (dialog 2406), made only when the
// tariff allows FAK class tiers: the switch, and for each of the 18 classes
// of the tariff's class table the class it is rated as, a decimal field of
// up to 3 digits. A class is checked as the focus leaves it; Reset
// Standard Classes maps every class to itself.
#pragma once

#include <memory>
#include <vector>

#include "settings/settings_page.h"

namespace qiv {

class CProFAKPage : public SettingsPage {
 public:
  explicit CProFAKPage(SettingsDialog& settings);

  void fill() override;  // FillFakPage
  void save() override;  // SaveFakPage

 protected:
  void attachFields() override;

 private:
  std::string tariffClass(std::size_t k) const;
  void onClassLeft(int id);
  void onResetStandardClasses();

  std::vector<std::unique_ptr<CDecimalEdit>> classFields_;
};

}  // namespace qiv
