#include "calculator/conversion_density_dialog.h"

#include <algorithm>
#include <array>

#include "dialogs/list_items.h"
#include "platform/kernel/fixed_format.h"
#include "platform/kernel/money_rounding.h"
#include "platform/ui/controls/combo_box.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/font.h"
#include "platform/ui/message_box.h"
#include "platform/ui/metrics.h"
#include "platform/ui/window.h"

namespace qiv {

using namespace platform::ui;

namespace {

namespace id {
constexpr int Value = 2209, FromUnit = 2210, ToUnit = 2221, Convert = 2223, Result = 2219;
constexpr int Weight = 2212, Length = 2214, Height = 2215, Width = 2216;
constexpr int WeightUnit = 2211, DimensionUnit = 2213, DensityUnit = 2217;
constexpr int Add = 2224, Clear = 2225, Total = 2220, TotalLabel = 4938, TotalNote = 4923, CubicLabel = 4950;
constexpr int List = 4900;
}  // namespace id

constexpr int kValueLength = 9;
constexpr int kPieceLength = 6;
constexpr int kDecimals = 1;
constexpr std::size_t kValueTextLimit = 14;
constexpr std::size_t kToUnitTextLimit = 20;
// The controls under which the list's columns after the weight start: the
// weight unit, length, width, height, dimension unit and density.
constexpr int kColumnControls[] = {id::WeightUnit, id::Length, id::Width, id::Height, id::DimensionUnit, id::Add};
constexpr const char* kWeightUnits[] = {"Lbs.", "Kgs."};
constexpr const char* kDimensionUnits[] = {"In.", "Ft.", "M.", "cm."};
// (in the screen's code page: \xB3 is the superscript three)
constexpr const char* kDensityUnits[] = {"Lbs/Ft\xB3", "Kgs/M\xB3"};
constexpr const char* kWarningCaption = "Warning";

std::string ComboText(WindowHandle dialog, int combo) { return DialogItemText(dialog, combo); }

}  // namespace

ConversionDensityDialog::ConversionDensityDialog(QivSession& session, WindowHandle parent)
    : QivDialog(session, 557, parent),
      valueField_(session),
      weightField_(session),
      lengthField_(session),
      heightField_(session),
      widthField_(session) {
  MessageMap& map = messageMap();
  map.onNotification(id::FromUnit, combo_box::SelectionChange, [this] { onFromUnitChosen(); });
  map.onNotification(id::ToUnit, combo_box::KillFocusNotify, [this] { takeToUnit(); });
  map.onNotification(id::ToUnit, combo_box::SelectionChange, [this] { showResult(false); });
  map.onNotification(id::Value, edit::SetFocusNotify, [this] { showResult(false); });
  map.onCommand(id::Convert, [this] { onConvert(); });
  map.onCommand(id::Add, [this] { onAdd(); });
  map.onCommand(id::Clear, [this] {
    SendDialogItemMessage(handle(), id::List, list_box::ResetContent);
    recompute();
  });
  map.onNotification(id::List, list_box::DoubleClick, [this] {
    const int row = ListSelection(item(id::List));
    if (row >= 0) DeleteListLine(item(id::List), row);
    recompute();
  });
  map.onNotification(id::DensityUnit, combo_box::CloseUp, [this] { recompute(); });
  map.onNotification(id::DimensionUnit, combo_box::SelectionChange, [this] { onDimensionUnitChosen(); });
  map.onNotification(id::WeightUnit, combo_box::SelectionChange, [this] {
    showTotal(false);
    SetDialogFocus(item(id::Weight));
  });
  for (int field : {id::Weight, id::Length, id::Height, id::Width})
    map.onNotification(field, edit::SetFocusNotify, [this] { showTotal(false); });
  for (int field : {id::Length, id::Height, id::Width})
    map.onNotification(field, edit::KillFocusNotify, [this, field] { onDimensionLeft(field); });
}

bool ConversionDensityDialog::onInitDialog() {
  Dialog::onInitDialog();
  applyLanguage();
  setDialogFont();
  // The list in the application font: its fixed-width numbers then fit the
  // list's tab stops, as they do not in the screen's fixed-pitch list font.
  if (session().applicationFont != nullptr)
    SendDialogItemMessage(handle(), id::List, msg::SetFont, reinterpret_cast<WParam>(session().applicationFont), 0);
  valueField_.attachItem(id::Value, handle(), kValueLength, kDecimals);
  const std::pair<CDecimalEdit*, int> pieces[] = {
      {&weightField_, id::Weight}, {&lengthField_, id::Length}, {&heightField_, id::Height}, {&widthField_, id::Width}};
  for (const auto& [field, itemId] : pieces) field->attachItem(itemId, handle(), kPieceLength, kDecimals);
  for (std::size_t row = 0; row < unit_conversion::kRows; ++row)
    AddComboLine(item(id::FromUnit), table_.sourceName(row));
  for (const char* unit : kWeightUnits) AddComboLine(item(id::WeightUnit), unit);
  for (const char* unit : kDimensionUnits) AddComboLine(item(id::DimensionUnit), unit);
  for (const char* unit : kDensityUnits) AddComboLine(item(id::DensityUnit), unit);
  for (int combo : {id::WeightUnit, id::DimensionUnit, id::DensityUnit})
    SendDialogItemMessage(handle(), combo, combo_box::SetCurrentSelection, 0);
  placeListColumns();
  showResult(false);
  showTotal(false);
  ShowWindow(item(id::CubicLabel), ShowCommand::Hide);
  return true;
}

void ConversionDensityDialog::placeListColumns() {
  // Each column of a piece's row starts under the field or list it was
  // typed in (the density under Add), so that a row's figures stand under
  // their headings: the list's tab stops are quarters of its font's average
  // character width from its client edge.
  const WindowHandle list = item(id::List);
  const auto font = reinterpret_cast<FontHandle>(SendMessage(list, msg::GetFont));
  const int charWidth = std::max(1, MeasureFont(font != nullptr ? font : DefaultGuiFont()).averageCharWidth);
  const int left = WindowRectInParent(list).left + GetSystemMetric(SystemMetric::ClientEdgeWidth);
  std::array<int, std::size(kColumnControls)> stops{};
  for (std::size_t i = 0; i < stops.size(); ++i)
    stops[i] = (WindowRectInParent(item(kColumnControls[i])).left - left) * 4 / charWidth;
  SendMessage(list, list_box::SetTabStops, stops.size(), reinterpret_cast<LParam>(stops.data()));
}

density::Rounding ConversionDensityDialog::rounding() const {
  // The library's rndoff; its rule itself while no library is bound.
  if (session().bindings.rndoff != nullptr) return session().bindings.rndoff;
  return [](float value, int decimals) { return platform::RoundMoney(value, decimals); };
}

// ---- the converter

void ConversionDensityDialog::showResult(bool shown) {
  ShowWindow(item(id::Result), shown ? ShowCommand::Show : ShowCommand::Hide);
}

void ConversionDensityDialog::onFromUnitChosen() {
  const WindowHandle to = item(id::ToUnit);
  SendMessage(to, combo_box::ResetContent);
  toSlot_ = -1;
  const WindowHandle from = item(id::FromUnit);
  int row = ComboSelection(from);
  if (row < 0) {
    const std::string typed = ComboText(handle(), id::FromUnit);
    row = static_cast<int>(
        SendMessage(from, combo_box::SelectString, static_cast<WParam>(-1), reinterpret_cast<LParam>(typed.c_str())));
  }
  fromRow_ = row;
  if (row >= 0)
    for (std::size_t slot = 0; slot < unit_conversion::kSlots; ++slot)
      AddComboLine(to, table_.targetName(static_cast<std::size_t>(row), slot));
  showResult(false);
}

void ConversionDensityDialog::takeToUnit() {
  const WindowHandle to = item(id::ToUnit);
  int slot = ComboSelection(to);
  if (slot < 0) {
    const std::string typed = ComboText(handle(), id::ToUnit).substr(0, kToUnitTextLimit);
    slot = typed.empty() ? -1
                         : static_cast<int>(SendMessage(to, combo_box::FindString, static_cast<WParam>(-1),
                                                        reinterpret_cast<LParam>(typed.c_str())));
  }
  // An unused slot is no unit to convert into.
  if (slot >= 0 && fromRow_ >= 0 &&
      table_.targetName(static_cast<std::size_t>(fromRow_), static_cast<std::size_t>(slot)).empty())
    slot = -1;
  toSlot_ = slot;
}

void ConversionDensityDialog::onConvert() {
  if (fromRow_ < 0) {
    SetDialogFocus(item(id::FromUnit));
    return;
  }
  if (toSlot_ < 0) {
    SetDialogFocus(item(id::ToUnit));
    return;
  }
  double v = density::NumberIn(DialogItemText(handle(), id::Value).substr(0, kValueTextLimit));
  const std::size_t row = static_cast<std::size_t>(fromRow_);
  if (row == unit_conversion::kFahrenheitRow) v -= 32;
  double result = rounding()(table_.factor(row, static_cast<std::size_t>(toSlot_)) * v, 1);
  if (row == unit_conversion::kCentigradeRow) result += 32;
  SetDialogItemText(handle(), id::Result, platform::DecimalText(result, 0, 1));
  showResult(true);
}

// ---- the density list

void ConversionDensityDialog::showTotal(bool shown) {
  for (int control : {id::Total, id::TotalLabel, id::TotalNote})
    ShowWindow(item(control), shown ? ShowCommand::Show : ShowCommand::Hide);
}

char ConversionDensityDialog::dimensionUnit() const {
  const std::string unit = ComboText(handle(), id::DimensionUnit);
  return unit.empty() ? ' ' : unit[0];
}

double ConversionDensityDialog::fieldValue(int field) const {
  return density::NumberIn(DialogItemText(handle(), field));
}

void ConversionDensityDialog::onAdd() {
  const std::string weightUnit = ComboText(handle(), id::WeightUnit).substr(0, 3);
  std::string dimension = ComboText(handle(), id::DimensionUnit).substr(0, 3);
  dimension.resize(3, ' ');
  AddListLine(item(id::List),
              density::DensityRow(rounding(), fieldValue(id::Weight), weightUnit, fieldValue(id::Length),
                                  fieldValue(id::Width), fieldValue(id::Height), dimension));
  for (int field : {id::Weight, id::Length, id::Height, id::Width}) SetDialogItemText(handle(), field, "");
  recompute();
}

void ConversionDensityDialog::recompute() {
  const WindowHandle list = item(id::List);
  std::vector<std::string> rows;
  for (int i = 0; i < ListCount(list); ++i) rows.push_back(ListLine(list, i));
  const std::string densityUnit = ComboText(handle(), id::DensityUnit);
  const density::Recomputed result = density::Recompute(rounding(), rows, densityUnit.empty() ? 'L' : densityUnit[0]);
  const int selected = ListSelection(list);
  for (std::size_t i = 0; i < result.rows.size(); ++i) {
    DeleteListLine(list, static_cast<int>(i));
    SendMessage(list, list_box::InsertString, i, reinterpret_cast<LParam>(result.rows[i].c_str()));
  }
  if (selected >= 0) SelectListLine(list, selected);
  if (result.rows.empty()) {
    showTotal(false);
    return;
  }
  SetDialogItemText(handle(), id::Total, platform::DecimalText(result.total, 9, 1));
  showTotal(true);
}

bool ConversionDensityDialog::withinLimit(int field, char unit) {
  const density::Dimension dimension = field == id::Length   ? density::Dimension::Length
                                       : field == id::Height ? density::Dimension::Height
                                                             : density::Dimension::Width;
  const std::optional<std::string> warning = density::LimitWarning(dimension, unit, fieldValue(field));
  if (!warning) return true;
  // The box takes the focus from the field: leaving it then checks nothing,
  // or the same warning would be shown again under the first.
  warningShown_ = true;
  MessageBox(handle(), *warning, kWarningCaption, message_box::Ok | message_box::IconWarning);
  warningShown_ = false;
  SetDialogItemText(handle(), field, "");
  SetDialogFocus(item(field));
  return false;
}

void ConversionDensityDialog::onDimensionLeft(int field) {
  // Leaving a field as the dialog closes checks nothing.
  if (IsDialogEnded(handle()) || warningShown_) return;
  if (withinLimit(field, dimensionUnit())) recompute();
}

void ConversionDensityDialog::onDimensionUnitChosen() {
  const char unit = dimensionUnit();
  bool pass = true;
  for (int field : {id::Length, id::Width, id::Height}) pass = withinLimit(field, unit) && pass;
  if (pass) recompute();
}

LResult RunConversionDensityCalculator(QivSession& session, WindowHandle parent) {
  ConversionDensityDialog dialog(session, parent);
  return dialog.doModal();
}

}  // namespace qiv
