// A data set of a test's own for the program: <root>/RELEASE/ (where the
// program is said to be), <root>/ZQDATA/ (its data directory, with the
// stand-in libraries, the language file, LIBNAME.FIL, the level file and
// the level TESTBASE's settings images) and <root>/WORK/ (the current
// directory while it runs). Settings are set by the RatingContext field
// they become, so tests name them as the program reads them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/desktop/recording_services.h"
#include "platform/kernel/byte_record.h"
#include "platform/testing/temp_directory.h"
#include "screen_driver.h"
#include "shell/qiv_environment.h"

namespace qiv::testing {

inline constexpr const char* kBase = "TESTBASE";

struct LanguageText {
  int key;
  std::string english;
  std::string spanish;
};

// The texts the tests read: menus, captions, buttons, a few labels and
// status texts, the binding and start-up message numbers.
std::vector<LanguageText> DefaultLanguageTexts();
// A QIV32.LNG of the texts (four lines a text).
std::string LanguageFile(const std::vector<LanguageText>& texts);

class QivDataSet {
 public:
  QivDataSet();

  std::filesystem::path data() const { return root_ / "ZQDATA"; }
  std::filesystem::path work() const { return root_ / "WORK"; }
  std::string programPath() const { return (root_ / "RELEASE" / "qiv").string(); }

  void write(std::string_view name, std::string_view content) const;
  void remove(std::string_view name) const;
  bool exists(std::string_view name) const;
  std::string read(std::string_view name) const;

  // The settings images of TESTBASE (.SET, .DEF, .DIS always; .MEF and .MET
  // with the Mexico option); a field by its place in the RatingContext.
  void setText(platform::FieldSpan field, std::string_view text);
  void setShort(platform::FieldSpan field, std::int16_t value);
  void setMexicoOption(bool on) { mexico_ = on; }
  // Writes the images (called by the run).
  void writeSettings() const;
  // Writes every file a run reads: the language file, LIBNAME.FIL, the
  // stand-in's script and the settings images.
  void writeFiles() const;

  // Written by each run; nothing (the file left out) when not set.
  std::optional<std::vector<LanguageText>> texts = DefaultLanguageTexts();
  std::optional<std::string> languageFile;  // written as it stands in place of the texts' file
  std::optional<std::string> libraryNames = "YSTANDIN.STANDENG";
  std::string standIn;  // STANDIN.TXT

 private:
  std::vector<std::uint8_t>* imageOf(platform::FieldSpan field, std::size_t& offset);
  platform::testing::TempDirectory dir_;
  std::filesystem::path root_;
  std::vector<std::uint8_t> set_, def_, dis_, mef_, met_;
  bool mexico_ = false;
};

// One run of the program on a data set, driven headless.
class QivRun {
 public:
  // rendering: fonts measured as the cairo backend draws them.
  explicit QivRun(QivDataSet& data, bool rendering = false) : driver(rendering), data_(data) {}
  // Writes the data set's files and runs the program with its current
  // directory in WORK; the exit code.
  int run(std::string commandLine = "");

  ScreenDriver driver;
  platform::desktop::RecordingHelp help;
  platform::desktop::RecordingOpener opener;
  platform::desktop::RecordingCalculator calculator;
  platform::desktop::RecordingPrograms programs;
  std::ostringstream diagnostics;
  // Its services and paths are filled in by run(); the programs only when
  // the test gave none of its own.
  QivEnvironment environment;

 private:
  QivDataSet& data_;
};

}  // namespace qiv::testing
