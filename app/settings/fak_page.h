// The third page of the settings sheet (dialog 2406), made only when the
// tariff allows FAK class tiers: the switch, and for each of the 18 classes
// of the tariff's class table the class it is rated as. A class is checked
// as the focus leaves it; Reset Standard Classes maps every class to
// itself.
#pragma once

#include "settings/settings_page.h"

namespace qiv {

class FakPage : public SettingsPage {
 public:
  explicit FakPage(SettingsDialog& settings);

  void fill() override;  // FillFakPage
  void save() override;  // SaveFakPage

 private:
  std::string tariffClass(std::size_t k) const;
  void onClassLeft(int id);
  void onResetStandardClasses();
};

}  // namespace qiv
