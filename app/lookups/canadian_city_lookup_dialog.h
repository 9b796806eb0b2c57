// "Canadian City Lookup" (dialog 556): the whole .CTC file in list box 4353
// ("Courier" bold, 8 points), a row code, tab, province, tab, city; a full
// postal code (its fifth character a letter) is shown XXX-YYY. Typing a
// province or a city selects the row of the key as the other lookups find
// it. OK answers the chosen row's code (the first 6 characters when the
// row's fourth is a digit, else its first 3, the forward sortation area)
// and city.
#pragma once

#include <string>

#include "dialogs/qiv_dialog.h"
#include "lookups/city_file.h"
#include "lookups/city_lookup_result.h"

namespace qiv {

// The row the list shows for a record, and the code and city OK takes back
// from a row.
std::string CanadianCityRow(const CityRecord& record);
std::string CanadianRowCode(std::string_view row);
std::string CanadianRowCity(std::string_view row);

class CanadianCityLookupDialog : public QivDialog {
 public:
  CanadianCityLookupDialog(QivSession& session, platform::ui::WindowHandle parent);
  ~CanadianCityLookupDialog() override;

  const CityLookupResult& result() const { return result_; }

 protected:
  bool onInitDialog() override;
  void onOK() override;
  void onCancel() override;

 private:
  void fillList();
  void onStateChange();
  void onCityChange();
  void selectKey();

  CityFile file_;
  std::string state_;
  std::string city_;
  platform::ui::FontHandle listFont_ = nullptr;
  CityLookupResult result_;
};

CityLookupResult RunCanadianCityLookup(QivSession& session, platform::ui::WindowHandle parent);

}  // namespace qiv
