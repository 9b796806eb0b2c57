// QIV: the freight-rating program, in real windows on the desktop.
#include <filesystem>
#include <iostream>
#include <string>

#include "platform/desktop/calculator.h"
#include "platform/desktop/help.h"
#include "platform/desktop/opener.h"
#include "platform/ui/sdl/sdl_backend.h"
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

  qiv::QivEnvironment environment;
  std::error_code error;
  environment.programPath = std::filesystem::read_symlink("/proc/self/exe", error).string();
  if (environment.programPath.empty()) environment.programPath = std::filesystem::absolute(argv[0], error).string();
  for (int i = 1; i < argc; ++i) environment.commandLine += (i > 1 ? " " : "") + std::string(argv[i]);
  environment.help = &help;
  environment.opener = &opener;
  environment.calculator = &calculator;
  return qiv::RunQiv(std::move(environment));
}
