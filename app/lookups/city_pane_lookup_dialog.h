// "U.S. City Lookup" (dialog 555, the .CTU file) and the Mexican city lookup
// (dialog 3103, the .CMX file): a state edit, a city edit and a "Rowpane"
// list that pages through the whole city file, put where the template's
// placeholder stands. Typing a state or a city selects the first city of the
// key (the state edit empty: the search string "A"); OK answers the chosen
// record's code (a Mexican code's sixth character made 'M') and city.
// Without Rowpane32, or when the list cannot be made ready, the dialog ends
// at once with Cancel.
#pragma once

#include <string>

#include "dialogs/qiv_dialog.h"
#include "lookups/city_file.h"
#include "lookups/city_lookup_result.h"
#include "lookups/city_pane_rows.h"

namespace qiv {

class CityPaneLookupDialog : public QivDialog {
 public:
  enum class Country { Us, Mexico };

  CityPaneLookupDialog(QivSession& session, platform::ui::WindowHandle parent, Country country);
  ~CityPaneLookupDialog() override;

  const CityLookupResult& result() const { return result_; }

 protected:
  bool onInitDialog() override;
  void onOK() override;
  void onCancel() override;
  platform::ui::LResult onHelp(const platform::ui::HelpInfo& info) override;

 private:
  struct Ids {
    int dialog, stateEdit, cityEdit, placeholder, pane;
    const char* extension;
  };
  static const Ids& IdsOf(Country country);

  bool createPane();
  void onStateChange();
  void onCityChange();
  void selectKey();

  Country country_;
  const Ids& ids_;
  CityFile file_;
  CityPaneRows rows_{file_};
  std::string state_;
  std::string city_;
  platform::ui::WindowHandle pane_ = nullptr;
  CityLookupResult result_;
};

// Opens the lookup modally; its end code and choice.
CityLookupResult RunUsCityLookup(QivSession& session, platform::ui::WindowHandle parent);
CityLookupResult RunMexicanCityLookup(QivSession& session, platform::ui::WindowHandle parent);

}  // namespace qiv
