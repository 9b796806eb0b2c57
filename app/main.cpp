// QIV: the freight-rating program, in real windows on the desktop.
#include <filesystem>
#include <iostream>
#include <string>

#include "platform/desktop/calculator.h"
#include "platform/desktop/help.h"
#include "platform/desktop/opener.h"
#include "platform/desktop/programs.h"
#include "platform/ui/cups/print_queues.h"
#include "platform/ui/cups/system_print_service.h"
#include "platform/ui/print_service.h"
#include "platform/ui/sdl/sdl_backend.h"
#include "settings/settings_dialog.h"
#include "shell/qiv_program.h"

int main(int argc, char** argv) {
  platform::ui::sdl::ScopedSdlBackend backend;
  if (!backend.ok()) {
    std::cerr << "qiv: no display: " << backend.error() << '\n';
    return qiv::kExitFailed;
  }
  platform::desktop::DesktopOpener opener;
  platform::desktop::HtmlHelp help(opener);
  platform::desktop::DesktopCalculator calculator;
  platform::desktop::DesktopPrograms programs;
  // The print dialog offers the PDF printer and the system's print queues.
  platform::ui::cups::CupsQueues queues;
  platform::ui::cups::SystemPrintService printService(queues);
  platform::ui::ScopedPrintService installedPrintService(printService);

  qiv::QivEnvironment environment;
  std::error_code error;
  environment.programPath = std::filesystem::read_symlink("/proc/self/exe", error).string();
  if (environment.programPath.empty()) environment.programPath = std::filesystem::absolute(argv[0], error).string();
  for (int i = 1; i < argc; ++i) environment.commandLine += (i > 1 ? " " : "") + std::string(argv[i]);
  environment.help = &help;
  environment.opener = &opener;
  environment.calculator = &calculator;
  environment.programs = &programs;
  environment.settingsDialog = qiv::RunSettings;
  return qiv::RunQiv(std::move(environment));
}
