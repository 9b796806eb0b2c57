// The Conversion/Density Calculator (dialog 557): the unit converter over
// the built-in table, and the density list of pieces with the shipment's
// density. The list lives as long as the dialog; Enter does nothing and Esc
// closes it. Its limit boxes are its only messages.
#pragma once

#include "calculator/density_list.h"
#include "calculator/unit_conversion_table.h"
#include "dialogs/qiv_dialog.h"
#include "fields/decimal_edit.h"

namespace qiv {

class ConversionDensityDialog : public QivDialog {
 public:
  ConversionDensityDialog(QivSession& session, platform::ui::WindowHandle parent);

 protected:
  bool onInitDialog() override;
  void onOK() override {}

 private:
  // The converter.
  void onFromUnitChosen();
  void takeToUnit();
  void onConvert();
  void showResult(bool shown);
  // The density list.
  void onAdd();
  void recompute();
  void placeListColumns();
  void showTotal(bool shown);
  void onDimensionUnitChosen();
  void onDimensionLeft(int id);
  bool withinLimit(int id, char unit);
  char dimensionUnit() const;
  double fieldValue(int id) const;
  density::Rounding rounding() const;

  unit_conversion::Table table_;
  // The value, weight and dimension fields: numbers with one decimal.
  CDecimalEdit valueField_;
  CDecimalEdit weightField_;
  CDecimalEdit lengthField_;
  CDecimalEdit heightField_;
  CDecimalEdit widthField_;
  int fromRow_ = -1;
  int toSlot_ = -1;
  bool warningShown_ = false;
};

// Opens the calculator modally; its end code.
platform::ui::LResult RunConversionDensityCalculator(QivSession& session, platform::ui::WindowHandle parent);

}  // namespace qiv
