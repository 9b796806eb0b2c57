// The first page of the settings sheet (dialog 2404): the rate factors
// (prompted or constant, one excluding the other), the constant class and
// its description, the constant origin and destination ZIPs (one excluding
// the other; the group hidden when the settings images fix them) and the
// Mexico prompts (shown with the Mexico option, each unless its .MET flag
// fixes it; moved up into the ZIP group's place when that is hidden).
// The factors and the class are decimal fields, the ZIPs ZIP fields taking
// the shapes of the tariff's ZIP mode; each is checked as the focus leaves
// it.
#pragma once

#include <array>
#include <optional>

#include "settings/settings_page.h"

namespace qiv {

class CProOptionPage : public SettingsPage {
 public:
  explicit CProOptionPage(SettingsDialog& settings);

  void fill() override;  // FillOptionPage
  void save() override;  // SaveOptionPage

 protected:
  void attachFields() override;

 private:
  void onSurchargeSwitch(int clicked, int other);
  void onConstantClassSwitch();
  void onZipSwitch(int clicked, int other);
  void showSurchargeFields();
  void showClassFields();
  void showZipFields();
  void placeMexicoPrompts();
  void onFactorLeft(int id);
  void onClassLeft();
  void onZipLeft(int id, int switchId);

  // Where the template put the prompt group and its two boxes, and the
  // ZIP group's top, taken when the page is first filled.
  std::optional<std::array<platform::ui::Rect, 3>> promptPlaces_;
  int zipGroupTop_ = 0;
  CDecimalEdit ltlFactor_, tlFactor_, constantClass_;
  CZipEdit originZip_, destinationZip_;
};

}  // namespace qiv
