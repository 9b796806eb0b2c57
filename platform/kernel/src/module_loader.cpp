#include "platform/kernel/module_loader.h"

#include <dlfcn.h>
#include <limits.h>
#include <stdlib.h>
#include <strings.h>
#include <utility>

#include "platform/kernel/path.h"

namespace platform {
namespace {

thread_local std::string tLastError;

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() &&
         ::strncasecmp(text.data() + text.size() - suffix.size(), suffix.data(), suffix.size()) == 0;
}

}  // namespace

Module::~Module() { release(); }

Module::Module(Module&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), path_(std::move(other.path_)) {}

Module& Module::operator=(Module&& other) noexcept {
  if (this != &other) {
    release();
    handle_ = std::exchange(other.handle_, nullptr);
    path_ = std::move(other.path_);
  }
  return *this;
}

std::string ModuleFileName(std::string_view name) {
  std::string file(name);
  if (EndsWithIgnoringCase(file, ".DLL")) {
    file.resize(file.size() - 4);
    file += ".so";
  } else if (EndsWithIgnoringCase(file, ".EXE")) {
    file.resize(file.size() - 4);
  }
  return file;
}

std::string LibraryFileName(std::string_view name) {
  std::string file = ModuleFileName(name);
  std::size_t start = file.size();
  while (start > 0 && !IsPathSeparator(file[start - 1])) --start;
  if (start < file.size() && file.find('.', start) == std::string::npos) file += ".so";
  return file;
}

Module Module::Load(std::string_view path) {
  Module module;
  const std::string wanted = LibraryFileName(path);
  std::optional<std::string> existing = FindExistingPath(wanted);
  if (!existing) {
    tLastError = "no such file: " + wanted;
    return module;
  }
  void* handle = ::dlopen(existing->c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* error = ::dlerror();
    tLastError = error != nullptr ? error : "cannot load " + *existing;
    return module;
  }
  module.handle_ = handle;
  module.path_ = std::move(*existing);
  return module;
}

void* Module::symbol(const char* name) const { return SymbolOfModule(handle_, name); }

void* SymbolOfModule(void* nativeHandle, const char* name) {
  if (nativeHandle == nullptr || name == nullptr) return nullptr;
  return ::dlsym(nativeHandle, name);
}

void Module::release() {
  if (handle_ != nullptr) ::dlclose(handle_);
  handle_ = nullptr;
  path_.clear();
}

void* Module::keepLoaded() {
  path_.clear();
  return std::exchange(handle_, nullptr);
}

std::string Module::lastError() { return tLastError; }

std::string ModulePathOf(const void* address) {
  Dl_info info;
  if (::dladdr(address, &info) == 0 || info.dli_fname == nullptr) return {};
  char resolved[PATH_MAX];
  if (::realpath(info.dli_fname, resolved) == nullptr) return info.dli_fname;
  return resolved;
}

}  // namespace platform
