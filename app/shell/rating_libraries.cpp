#include "shell/rating_libraries.h"

namespace qiv {
namespace {

platform::Module LoadFromDataDirectory(const std::optional<std::string>& name, std::string_view dataDirectory) {
  if (!name || !IsPlainLibraryName(*name)) return {};
  return platform::Module::Load(std::string(dataDirectory) + *name);
}

}  // namespace

RatingLibraries::Failure RatingLibraries::load(const LibraryNames& names, std::string_view dataDirectory) {
  if (names.engineInUse) engine = LoadFromDataDirectory(names.engine, dataDirectory);
  functionLibrary = LoadFromDataDirectory(names.functionLibrary, dataDirectory);
  if (names.serviceGuide) serviceGuide = LoadFromDataDirectory(names.serviceGuide, dataDirectory);
  if (names.engineInUse && !engine.isLoaded()) return Failure::Engine;
  if (!functionLibrary.isLoaded()) return Failure::FunctionLibrary;
  if (names.serviceGuide && !serviceGuide.isLoaded()) return Failure::ServiceGuide;
  return Failure::None;
}

std::string RatingLibraries::FailureText(Failure failure) {
  // The box names the handle that failed, which is then always 0.
  switch (failure) {
    case Failure::Engine: return "FATAL Error 0 Loading VORN Library";
    case Failure::FunctionLibrary: return "FATAL Error 0 Loading Function Library";
    case Failure::ServiceGuide: return "FATAL Error 0 Loading Service Library";
    case Failure::None: break;
  }
  return {};
}

}  // namespace qiv
