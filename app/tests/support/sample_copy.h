// A copy of the sample data set (ZQDATA with the libraries LIBNAME.FIL
// names) beside RELEASE/ and WORK/, and the whole program run on it with
// the current directory in WORK/, driven by a screen driver.
#pragma once

#include <filesystem>
#include <sstream>

#include "platform/desktop/recording_services.h"
#include "platform/testing/temp_directory.h"
#include "screen_driver.h"

namespace qiv::testing {

class SampleCopy {
 public:
  SampleCopy();
  std::filesystem::path work() const { return dir_ / "WORK"; }
  std::filesystem::path data() const { return dir_ / "ZQDATA"; }

  // Runs the program driven by the driver (installed as the backend).
  int run(ScreenDriver& driver);

  platform::desktop::RecordingHelp help;
  platform::desktop::RecordingOpener opener;
  std::ostringstream diagnostics;

 private:
  platform::testing::TempDirectory dir_;
};

}  // namespace qiv::testing
