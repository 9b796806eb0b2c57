// The second page of the settings sheet (dialog 2405): discounts on rates
// or charges, the three Use switches (break and class discounts exclude
// each other), and three views in one page: the overview, the percentages
// by break in one or two columns, and the range entries. The two edit
// views turn the settings dialog's buttons off and hold the sheet on this
// page until Close (which stores the view's values in the working copy)
// or Cancel (which does not).
//
// Percentages are decimal fields with two decimals, range bounds ZIP fields
// taking the shapes of the tariff's ZIP mode.
//
// In the range view a chosen entry is edited in place: Close stores it
// (where it now belongs; an equal entry asks before it is replaced, and
// No puts the edited entry back as it was), Cancel abandons the edit,
// Delete removes it.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "settings/discount_entries.h"
#include "settings/settings_page.h"

namespace qiv {

class CProDiscountPage : public SettingsPage {
 public:
  explicit CProDiscountPage(SettingsDialog& settings);

  void fill() override;  // FillDiscountPage
  void save() override { storeDiscountOptions(); }
  void storeDiscountOptions();

  enum class View { Overview, Percentages, Ranges };
  View view() const { return view_; }
  const std::vector<settings::DiscountEntry>& entries() const { return entries_; }

 protected:
  platform::ui::LResult onKillActive() override;
  void attachFields() override;

 private:
  // Rows 1..11: whether the row is shown (breaks 1-9 by their labels and
  // the break count; rows 10 and 11 always).
  bool rowInUse(int row) const;
  bool secondColumnShown() const;
  bool rangesAllowed() const;
  void showView(View view);
  void openPercentages();
  void openRanges();
  void onCloseView();
  void onCancelView();
  void saveDiscountTable();
  void saveZipDiscounts();
  void onPercentLeft(int id, bool eleventh);
  void onUseSwitch(int clicked, int other);
  void onSideKind(bool origin, bool states);
  void loadStateLists();
  void fillEntryList();
  void onEntryChosen();
  void endEntryEdit();
  void onAddEntry();
  void onDeleteEntry();
  std::optional<settings::DiscountEntry> buildZipDiscountEntry();
  bool buildSide(bool origin, std::string& from, std::string& to);
  // Inserts where the entry belongs; false when the user kept an equal one.
  bool insertZipDiscountEntry(const settings::DiscountEntry& entry);
  float storedFloat(int column, int row) const;

  View view_ = View::Overview;
  std::vector<settings::DiscountEntry> entries_;
  std::optional<std::size_t> editedEntry_;
  // Column 1 then column 2, rows 1..11 each; the four bounds.
  std::vector<std::unique_ptr<CDecimalEdit>> percentFields_;
  std::vector<std::unique_ptr<CZipEdit>> boundFields_;
};

}  // namespace qiv
