#include "stub_programs.h"

#include <filesystem>

namespace platform::desktop {

namespace fs = std::filesystem;

void StubPrograms::add(const std::string& name, const std::string& rest) const {
  const std::string record = (dir_ / (name + ".args")).string();
  const std::string script = "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\0' \"$a\"; done > '" + record + "'\n" + rest;
  fs::permissions(dir_.write("bin/" + name, script + "\nexit 0\n"), fs::perms(0755));
}

std::optional<std::vector<std::string>> StubPrograms::arguments(const std::string& name) const {
  if (!fs::exists(dir_ / (name + ".args"))) return std::nullopt;
  const std::string text = platform::testing::ReadFileText(dir_ / (name + ".args"));
  std::vector<std::string> arguments;
  for (std::size_t start = 0, end; (end = text.find('\0', start)) != std::string::npos; start = end + 1)
    arguments.push_back(text.substr(start, end - start));
  return arguments;
}

}  // namespace platform::desktop
