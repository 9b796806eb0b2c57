#include "output_fixture.h"

#include <fstream>
#include <sstream>

#include "output/output_fields.h"
#include "platform/kernel/fixed_format.h"
#include "platform/ui/dialog.h"
#include "platform/ui/window.h"
#include "screen/screen_ids.h"

namespace qiv::testing {

namespace {

namespace of = output_fields;
namespace lines = ratekit::shipment_lines;
namespace totals = ratekit::rating_totals;
namespace charges = ratekit::charge_list;
using platform::FieldSpan;

// A text NUL-padded to its field.
void Set(RatingContext& context, FieldSpan field, std::string_view text) { context.view().setText(field, text, '\0'); }

struct Line {
  const char* code;
  const char* flag;
  const char* weight;
  const char* rate;
  const char* charge;
};
void SetLines(RatingContext& context, std::initializer_list<Line> shipmentLines) {
  std::size_t i = 0;
  for (const Line& line : shipmentLines) {
    Set(context, lines::ClassCode(i), line.code);
    Set(context, lines::ClassFlag(i), line.flag);
    Set(context, lines::WeightText(i), line.weight);
    Set(context, lines::RateText(i), line.rate);
    Set(context, lines::ChargeText(i), line.charge);
    ++i;
  }
}

void SetRoute(RatingContext& context, std::array<const char*, 3> origin, std::array<const char*, 3> destination) {
  for (int end = 0; end < 2; ++end) {
    const auto& point = end == 0 ? origin : destination;
    Set(context, of::Code(end), point[0]);
    Set(context, of::State(end), point[1]);
    Set(context, of::City(end), point[2]);
  }
}

// A totals row as the result display keeps it ("%24s" and "%8s").
TotalsRow Row(TotalsRowKind kind, TotalsRule rule, std::string_view label, std::string_view value) {
  TotalsRow row{kind, rule};
  const std::string l = platform::PaddedText(label, 24);
  const std::string v = platform::PaddedText(value, 8);
  std::copy_n(l.begin(), std::min(l.size(), row.label.size() - 1), row.label.begin());
  std::copy_n(v.begin(), std::min(v.size(), row.value.size() - 1), row.value.begin());
  return row;
}

ResultTables Totals(std::initializer_list<TotalsRow> rows) {
  ResultTables tables;
  for (const TotalsRow& row : rows) tables.totalsRows[static_cast<std::size_t>(tables.totalsCount++)] = row;
  return tables;
}

void SetBreaks(RatingContext& context, std::initializer_list<const char*> labels) {
  std::size_t i = 0;
  for (const char* label : labels) Set(context, ratekit::context::BreakLabel(i++), label);
  context.setInt(of::kBreakCount, static_cast<std::int32_t>(i));
  context.setInt(of::kRateStride, static_cast<std::int32_t>(i));
}

void SetClasses(RatingContext& context, std::initializer_list<const char*> codes) {
  std::size_t i = 0;
  for (const char* code : codes) Set(context, ratekit::context::ClassCode(i++), code);
  context.setInt(of::kClassCount, static_cast<std::int32_t>(i));
}

void SetRates(RatingContext& context, FieldSpan table, std::initializer_list<std::int32_t> cents) {
  std::size_t i = 0;
  for (std::int32_t rate : cents) context.setInt({table.offset + 4 * i++, 4}, rate);
}

struct Charge {
  const char* label;
  std::int32_t cents;
  const char* sign;
};
void SetChargeList(RatingContext& context, std::size_t list, std::initializer_list<Charge> entries) {
  std::size_t i = 0;
  for (const Charge& entry : entries) {
    Set(context, charges::Label(list, i), entry.label);
    context.setInt(charges::Charge(list, i), entry.cents);
    Set(context, charges::Flag(list, i), entry.sign);
    ++i;
  }
  context.setInt(charges::Count(list), static_cast<std::int32_t>(i));
}

void SetFloat(RatingContext& context, FieldSpan field, float value) { context.view().setFloat(field.offset, value); }

}  // namespace

void FillUsShipment(RatingContext& context) {
  context.setShort(of::kShipmentIdPrompt, 1);
  Set(context, of::kShipmentId, "PO-4471");
  SetRoute(context, {"10001", "NY", "NEW YORK"}, {"60601", "IL", "CHICAGO"});
  context.setInt(of::kZpsLoaded, 1);
  Set(context, of::kPointServiceLabels[0], "Direct Service");
  Set(context, of::kPointServiceLabels[1], "Interline Service");
  context.setChar(of::kPostOfficeBoxFlags[1], '*');
  Set(context, of::kProfileName, "Acme Freight");
  Set(context, of::kRateBaseNumber, "00124J");
  Set(context, of::kRateBaseTitle, "NACLASS1 RATES");
  context.setChar(of::kDiscountSource, 'P');
  context.setShort(of::kDiscountsInUse, 1);
  context.setShort(of::kDiscountPrompt, 1);
  Set(context, of::kTypedDiscountText, "10.00");
  SetFloat(context, of::DiscountFloat(0), 35.0f);
  context.setShort(of::kAccessorialPrompt, 1);
  Set(context, of::kAccessorialTotal, " 25.00");
  context.setChar(of::kSingleShipmentLetter, 'N');
  SetLines(context, {{"85", "", "  1200", "  44.72", "   536.64"},
                     {"125", "* ", "   350", "  60.62", "   212.17"},
                     {"70", "", "    40", "  38.10", "    15.24"}});
  Set(context, totals::kDeficitWeight, "   410");
  Set(context, totals::kActualWeight, "  1590");
  Set(context, totals::kTotalWeight, "  2000");
  Set(context, totals::kDiscountPercent, "10.00");
  Set(context, totals::kTotalCharge, "     947.40");
  Set(context, totals::kHeaderAmountsSum, "0108.03");
  Set(context, totals::kDiscountAmount, "    94.74");
  Set(context, totals::kNetCharge, "   852.66");
}

ResultTables UsShipmentTotals() {
  using K = TotalsRowKind;
  using R = TotalsRule;
  return Totals({Row(K::DeficitLine, R::None, "Deficit Weight:", "410"),
                 Row(K::DeficitLine, R::None, "44.72", "183.35"), Row(K::Plain, R::None, "Billed Weight:", "2000"),
                 Row(K::IndentedAmount, R::None, "Gross Charge:", "947.40"),
                 Row(K::IndentedAmount, R::None, " 10.00% Discount:", "-94.74"),
                 Row(K::IndentedAmount, R::Single, "Net Charge:", "$852.66"),
                 Row(K::IndentedAmount, R::None, "Accessorial Charges:", "25.00"),
                 Row(K::IndentedAmount, R::Double, "Total Charges:", "$877.66")});
}

void FillMexicanShipment(RatingContext& context) {
  SetRoute(context, {"64000M", "NL", "MONTERREY"}, {"78041", "TX", "LAREDO"});
  context.setInt(of::kMexicoFlag, 1);
  context.setInt(of::kSpanishMexicoOption, 1);
  context.setChar(of::kWeightsInKilograms, 'Y');
  context.setInt(of::kServiceGuideInUse, 1);
  Set(context, of::kTerminalCodes[0], "MTY01X");
  Set(context, of::kTerminalCodes[1], "LRD02Y");
  Set(context, of::kServiceDays, "3");
  context.setShort(of::kBasePointDisplay, 1);
  Set(context, of::kBasePointRecords[0], "MTY-00001");
  Set(context, of::kBasePointRecords[1], "LRD-00002");
  Set(context, of::kProfileName, "Peach State Mills");
  context.setShort(of::kProfileZipDiscounts, 1);
  context.setChar(of::kDiscountSource, 'Z');
  SetBreaks(context, {"L5C", "M5C", "M1M"});
  for (const auto& [i, value] : {std::pair{1, 5.0f}, {2, 12.5f}, {3, 12.5f}, {4, 15.0f}})
    SetFloat(context, of::DiscountFloat(static_cast<std::size_t>(i)), value);
  Set(context, of::kRateBaseNumber, "00310C");
  context.setChar(of::kSingleShipmentOnClassBases, 'Y');
  context.setChar(of::kSingleShipmentLetter, 'Y');
  context.setInt(of::kIntrastatePrompt, 1);  // the states differ: no line
  context.setShort(of::kConstantClassInUse, 1);
  Set(context, of::kConstantClass, " 100 ");
  SetLines(context, {{"77", "", "   500", "  80.10", "   400.50"},
                     {"77", "", "     0", "   0.00", "     0.00"},
                     {"77", "", "   250", " 120.00", "   300.00"}});
}

ResultTables MexicanShipmentTotals() {
  return Totals({Row(TotalsRowKind::Plain, TotalsRule::None, "Peso total:", "750"),
                 Row(TotalsRowKind::IndentedAmount, TotalsRule::Double, "Cargos totales:", "$700.50")});
}

void FillSingleFakRateBlock(RatingContext& context) {
  SetRoute(context, {"10001", "NY", "NEW YORK"}, {"60601", "IL", "CHICAGO"});
  context.setChar(of::kThreeDigitZip, 'Y');
  Set(context, of::kProfileName, "Acme Freight");
  Set(context, of::kRateBaseNumber, "00124J");
  Set(context, of::kRateBaseTitle, "NACLASS1 RATES");
  context.setChar(of::kDiscountKind, 'R');
  context.setChar(of::kDiscountSource, 'P');
  Set(context, of::kTypedDiscountText, "10.00");
  Set(context, of::kTypedMcDiscountText, "5.00");
  Set(context, of::kTypedFloorText, "95.00");
  SetChargeList(context, 1, {{"FUEL SURCHARGE", 4520, ""}});
  SetChargeList(context, 0, {{"MINIMUM CHARGE ", 10803, "*"}});
  SetBreaks(context, {"L5C", "M5C", "M1M", "M2M", "M5M", "M10M", "M20M", "M30M", "M40M"});
  SetClasses(context, {"FAK"});
  SetRates(context, of::kUsRates, {15240, 12192, 9855, 8510, 7000, 5525, 4800, 4275, 3990});
}

void FillSeveralClassesRateBlock(RatingContext& context) {
  SetRoute(context, {"64000M", "NL", "MONTERREY"}, {"78041", "TX", "LAREDO"});
  context.setInt(of::kMexicoFlag, 1);
  Set(context, of::kProfileName, "Peach State Mills");
  context.setChar(of::kDiscountKind, 'R');
  context.setChar(of::kDiscountSource, 'C');
  SetBreaks(context, {"L5C", "M5C"});
  for (const auto& [i, value] : {std::pair{1, 10.0f}, {2, 30.0f}, {3, 25.0f}})
    SetFloat(context, of::DiscountFloat(static_cast<std::size_t>(i)), value);
  SetChargeList(context, 3, {{"IVA TAX", 1600, ""}});
  SetChargeList(context, 1, {{"NOT SHOWN", 100, "*"}});
  SetClasses(context, {"FAK", "X50", "85", "125"});
  SetRates(context, of::kMexicoRates, {21000, 18050, 99999, 99999, 9525, 8000, 13075, 11010});
  SetRates(context, of::kUsRates, {1, 2, 3, 4, 5, 6, 7, 8});
}

OutputTest::OutputTest(Language language) : work_(data_.work()), before_(std::filesystem::current_path()) {
  std::ifstream samples(std::string(QIV_DATA_DIR) + "/QIV32.LNG", std::ios::binary);
  std::ostringstream texts;
  texts << samples.rdbuf();
  languageFile_ = texts.str();
  data_.texts.reset();
  data_.write("QIV32.LNG", languageFile_);
  useLanguage(language);
  std::filesystem::create_directories(work_);
  std::filesystem::current_path(work_);
}

OutputTest::~OutputTest() {
  std::filesystem::current_path(before_);
  writer_.reset();
  if (labels_ != nullptr) platform::ui::DestroyWindow(labels_);
}

void OutputTest::useLanguage(Language language) {
  writer_.reset();
  if (labels_ != nullptr) platform::ui::DestroyWindow(labels_);
  labels_ = nullptr;
  test_.reset();
  test_.emplace(data_, language);
  writer_.emplace(test_->session);
}

void OutputTest::setTitle(std::string_view title) {
  // The first text of a key wins.
  const std::string file = "537\r\n\r\n" + std::string(title) + "\r\n" + std::string(title) + "\r\n" + languageFile_;
  session().languageTable = LanguageTable::Parse({reinterpret_cast<const std::uint8_t*>(file.data()), file.size()});
}

ShipmentScreen OutputTest::shipmentScreen(const ResultTables* tables) {
  const bool spanish = session().language == Language::Spanish;
  return {screenLabels(), spanish ? "Monterrey" : "New York", spanish ? "Laredo" : "Chicago", tables};
}

std::string OutputTest::workFile(std::string_view name) const {
  std::ifstream file(work_ / name, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

void OutputTest::setPrintFile(std::string_view name, char answer) {
  context().setTerminatedText(of::kPrintOutput, "FILE");
  context().setTerminatedText(of::kPrintFileName, name);
  context().setChar(of::kPrintMode, 'S');
  context().setChar(of::kPrintFileAnswer, answer);
}

void OutputTest::setExportFile(std::string_view name, bool commaSeparated, char answer) {
  context().setTerminatedText(of::kExportFileName, name);
  context().setShort(of::kCommaSeparated, commaSeparated ? 1 : 0);
  context().setChar(of::kExportMode, 'S');
  context().setChar(of::kExportFileAnswer, answer);
}

platform::ui::WindowHandle OutputTest::screenLabels() {
  using namespace platform::ui;
  if (labels_ != nullptr) return labels_;
  DialogTemplate labels{.id = 0,
                        .caption = "Rating screen",
                        .style = style::Popup,
                        .rect = {0, 0, 200, 200},
                        .menu = std::nullopt,
                        .controls = {}};
  int row = 0;
  for (int id :
       {screen_id::ShipmentIdLabel, screen_id::OriginLabel, screen_id::DestinationLabel, screen_id::OriginTerminalLabel,
        screen_id::DestinationTerminalLabel, screen_id::ProfileLabel, screen_id::DiscountLabel,
        screen_id::McDiscountLabel, screen_id::FloorLabel, screen_id::AccessorialLabel, screen_id::SingleShipmentLabel})
    labels.controls.push_back(
        {"Static", id, session().text(id), style::Child | style::Visible, 0, {4, 4 + 10 * row++, 150, 9}});
  labels_ = CreateDialogWindow(labels, nullptr);
  return labels_;
}

std::string OutputTest::Expected(std::string_view name) {
  std::ifstream file(std::string(QIV_OUTPUT_EXPECTED_DIR) + "/" + std::string(name), std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

std::vector<std::string> FileLines(std::string_view text) {
  std::vector<std::string> found;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = text.find("\r\n", at);
    found.emplace_back(text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
    if (end == std::string_view::npos) break;
    at = end + 2;
  }
  return found;
}

}  // namespace qiv::testing
