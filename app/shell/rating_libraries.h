// The libraries LIBNAME.FIL names, loaded from the data directory by the
// kernel's module loader (".DLL" names are this system's shared objects),
// and Rowpane32 once a city lookup has loaded it. Each is freed when its
// Module goes, or by release().
#pragma once

#include <string>
#include <string_view>

#include "platform/kernel/module_loader.h"
#include "shell/library_names.h"

namespace qiv {

class RatingLibraries {
 public:
  // The first library, in the order engine, rating-function library,
  // service guide, that did not load.
  enum class Failure { None, Engine, FunctionLibrary, ServiceGuide };

  // Loads the engine (when used), the rating-function library and the
  // service guide (when named), each from the data directory.
  Failure load(const LibraryNames& names, std::string_view dataDirectory);

  // The box a failure shows: "FATAL Error 0 Loading ... Library".
  static std::string FailureText(Failure failure);

  platform::Module engine;
  platform::Module functionLibrary;
  platform::Module serviceGuide;
  platform::Module rowpane;
};

}  // namespace qiv
