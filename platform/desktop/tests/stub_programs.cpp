#include "stub_programs.h"

#include <filesystem>

namespace platform::desktop {

namespace fs = std::filesystem;

void StubPrograms::add(std::string_view name, std::string_view rest) const {
  const std::string record = (dir_ / (std::string(name) + ".args")).string();
  const std::string script = "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\0' \"$a\"; done > '" + record + ".part'\n" +
                             "mv '" + record + ".part' '" + record + "'\n" + std::string(rest) + "\nexit 0\n";
  const fs::path stub = dir_.write("bin/" + std::string(name), script);
  fs::permissions(stub, fs::perms(0755));
}

void StubPrograms::addUnrunnable(std::string_view name) const {
  fs::permissions(dir_.write("bin/" + std::string(name), "\x7f" "ELF in name only"), fs::perms(0755));
}

std::vector<std::string> StubPrograms::arguments(std::string_view name) const {
  const std::string text = platform::testing::ReadFileText(dir_ / (std::string(name) + ".args"));
  std::vector<std::string> arguments;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\0', start)) != std::string::npos; start = end + 1)
    arguments.push_back(text.substr(start, end - start));
  return arguments;
}

bool StubPrograms::ran(std::string_view name) const { return fs::exists(dir_ / (std::string(name) + ".args")); }

}  // namespace platform::desktop
