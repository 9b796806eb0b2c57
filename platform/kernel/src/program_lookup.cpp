#include "program_lookup.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/kernel/environment.h"
#include "platform/kernel/module_loader.h"
#include "platform/kernel/path.h"

namespace platform {
namespace detail {
namespace {

// 0 when the file is a regular file this process may execute, else why not.
int RunnableError(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return errno;
  if (!S_ISREG(st.st_mode)) return EACCES;
  return ::access(path.c_str(), X_OK) == 0 ? 0 : errno;
}

LocatedProgram AtPath(std::string_view program) {
  std::optional<std::string> existing = FindExistingPath(ModuleFileName(program));
  if (!existing) return {.error = ENOENT};
  const int error = RunnableError(*existing);
  if (error != 0) return {.error = error};
  return {.path = std::move(*existing)};
}

// The first runnable file of that name in the directories of the search
// path. When none is runnable but one exists, the error says it may not be
// run, as exec's own search does.
LocatedProgram OnSearchPath(std::string_view name, std::string_view searchPath) {
  int error = ENOENT;
  if (searchPath.empty()) return {.error = error};
  std::size_t start = 0;
  while (start <= searchPath.size()) {
    std::size_t end = searchPath.find(':', start);
    if (end == std::string_view::npos) end = searchPath.size();
    const std::string_view directory = searchPath.substr(start, end - start);
    const std::string candidate =
        (directory.empty() ? std::string(".") : std::string(directory)) + "/" + std::string(name);
    const int candidateError = RunnableError(candidate);
    if (candidateError == 0) return {.path = candidate};
    if (candidateError != ENOENT && candidateError != ENOTDIR) error = candidateError;
    start = end + 1;
  }
  return {.error = error};
}

// The search path when PATH is not set: the system's standard one.
std::string SystemSearchPath() {
  const std::size_t size = ::confstr(_CS_PATH, nullptr, 0);
  if (size == 0) return "/usr/bin:/bin";
  std::string path(size, '\0');
  ::confstr(_CS_PATH, path.data(), size);
  path.resize(size - 1);
  return path;
}

}  // namespace

LocatedProgram LocateProgram(std::string_view program, ProgramLookup lookup,
                             const std::optional<std::string>& searchPath) {
  if (program.empty() || program.find('\0') != std::string_view::npos) return {.error = ENOENT};
  if (lookup == ProgramLookup::Path || program.find('/') != std::string_view::npos) return AtPath(program);
  if (searchPath) return OnSearchPath(program, *searchPath);
  if (std::optional<std::string> path = EnvironmentVariable("PATH")) return OnSearchPath(program, *path);
  return OnSearchPath(program, SystemSearchPath());
}

}  // namespace detail

std::optional<std::string> FindProgram(std::string_view program, ProgramLookup lookup,
                                       const std::optional<std::string>& searchPath) {
  detail::LocatedProgram located = detail::LocateProgram(program, lookup, searchPath);
  if (located.error != 0) return std::nullopt;
  return std::move(located.path);
}

}  // namespace platform
