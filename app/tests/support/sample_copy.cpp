#include "sample_copy.h"

#include "settings/settings_dialog.h"
#include "shell/qiv_program.h"

namespace qiv::testing {

SampleCopy::SampleCopy() {
  std::filesystem::copy(QIV_DATA_DIR, dir_ / "ZQDATA", std::filesystem::copy_options::recursive);
  std::filesystem::create_directories(dir_ / "RELEASE");
  std::filesystem::create_directories(dir_ / "WORK");
}

int SampleCopy::run(ScreenDriver&) {
  QivEnvironment environment;
  environment.programPath = (dir_ / "RELEASE" / "qiv").string();
  environment.help = &help;
  environment.opener = &opener;
  environment.diagnostics = &diagnostics;
  environment.settingsDialog = RunSettings;  // as the program gives it
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(work());
  const int code = RunQiv(environment);
  std::filesystem::current_path(before);
  return code;
}

}  // namespace qiv::testing
