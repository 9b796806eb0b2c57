// What the tests of the printouts and the export share: a session on a data
// set of its own with the sample language texts, its current directory
// where the print and export files go, a print writer, a stand-in for the
// rating screen's labels, and shipments as the rating screen leaves them
// in the RatingContext, with their totals.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "output/print_writer.h"
#include "output/shipment_printout.h"
#include "qiv_data_set.h"
#include "screen/result_tables.h"
#include "test_session.h"

namespace qiv::testing {

// The three-line U.S. shipment: New York to Chicago for a profile with a
// typed discount, the second line's class through the class map ('*'),
// an accessorial total, a deficit line, and ruled net and total charges.
void FillUsShipment(RatingContext& context);
ResultTables UsShipmentTotals();
// A Mexican lane printed in Spanish: the Spanish/Mexico option, kilograms,
// the service guide's terminals, base points, ZIP-pair discounts over
// three breaks, a constant class and a line without weight.
void FillMexicanShipment(RatingContext& context);
ResultTables MexicanShipmentTotals();
// The rate block of a U.S. lane with one class, FAK, at nine breaks, with
// typed discounts on rates, and the rate block of a Mexican lane with
// several classes (FAK among them, one that begins with 'X') at two
// breaks, with class discounts.
void FillSingleFakRateBlock(RatingContext& context);
void FillSeveralClassesRateBlock(RatingContext& context);

class OutputTest : public ::testing::Test {
 protected:
  explicit OutputTest(Language language = Language::English);
  ~OutputTest() override;

  // A new session (and print writer) in the language.
  void useLanguage(Language language);
  // The system's title (language text 537) in both languages.
  void setTitle(std::string_view title);
  // The rating screen of the shipments above: its labels, the cities it
  // shows and the totals.
  ShipmentScreen shipmentScreen(const ResultTables* tables);

  QivSession& session() { return test_->session; }
  RatingContext& context() { return *test_->session.context; }
  // The folder the files go to (the current directory meanwhile).
  const std::filesystem::path& work() const { return work_; }
  std::string workFile(std::string_view name) const;
  void setPrintFile(std::string_view name, char answer = 'N');
  void setExportFile(std::string_view name, bool commaSeparated, char answer = 'N');
  // A window whose controls have the rating screen's label ids and the
  // language's texts of those ids.
  platform::ui::WindowHandle screenLabels();
  // A file of expected/ (bytes as they stand).
  static std::string Expected(std::string_view name);

  QivDataSet data_;
  ScreenDriver driver_;
  std::optional<TestSession> test_;
  std::optional<PrintWriter> writer_;

 private:
  std::filesystem::path work_;
  std::filesystem::path before_;
  platform::ui::WindowHandle labels_ = nullptr;
  std::string languageFile_;
};

// The lines of a file's text, each without its CR LF.
std::vector<std::string> FileLines(std::string_view text);

}  // namespace qiv::testing
