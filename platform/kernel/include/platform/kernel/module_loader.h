// Loading libraries by name at run time and binding their functions by name.
// A name ending in ".DLL" (any case) stands for the shared object with the
// same base name and the extension ".so"; one ending in ".EXE" for the file
// without an extension. A library named without an extension is loaded with
// the default library extension (".so"). The file is found in its directory without regard to
// case. Libraries are loaded with local symbol scope, so that two libraries
// that export the same names never bind to each other.
#pragma once

#include <string>
#include <string_view>

namespace platform {

class Module {
 public:
  Module() = default;
  ~Module();
  Module(Module&& other) noexcept;
  Module& operator=(Module&& other) noexcept;
  Module(const Module&) = delete;
  Module& operator=(const Module&) = delete;

  // Loads the library; an empty Module when it cannot be loaded (see
  // lastError()).
  static Module Load(std::string_view path);

  bool isLoaded() const { return handle_ != nullptr; }
  // The address of an exported symbol, or null.
  void* symbol(const char* name) const;
  template <class F>
  F function(const char* name) const {
    return reinterpret_cast<F>(symbol(name));
  }
  // Unloads the library (the loader may keep it mapped while it is in use).
  void release();
  // Gives the library up without unloading it: it stays loaded until the
  // process ends (for a library whose functions may be called while the
  // process's libraries are finalised). Its loader's handle; the Module is
  // empty afterwards.
  void* keepLoaded();

  // The loader's handle of the library, for a library that binds functions
  // from a module another one loaded (see SymbolOfModule); null when not
  // loaded.
  void* nativeHandle() const { return handle_; }

  const std::string& path() const { return path_; }
  // Why the last Load in this thread failed.
  static std::string lastError();

 private:
  void* handle_ = nullptr;
  std::string path_;
};

// The address of an exported symbol of the library with that loader
// handle, or null (also for a null handle or name).
void* SymbolOfModule(void* nativeHandle, const char* name);

// The file a library or program name stands for on this system (".DLL"
// becomes ".so", ".EXE" is dropped), before any case matching.
std::string ModuleFileName(std::string_view name);
// The file a library name stands for: ModuleFileName, with the default
// library extension added to a last component that has no extension.
std::string LibraryFileName(std::string_view name);

// The full path of the loaded module that contains address, or empty.
std::string ModulePathOf(const void* address);

}  // namespace platform
