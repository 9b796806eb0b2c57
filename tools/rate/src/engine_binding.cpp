#include "engine_binding.h"

#include <cstring>
#include <stdexcept>

namespace rate_tool {

std::string WithSeparator(std::string directory) {
  if (directory.empty() || directory.back() != '/') directory += '/';
  return directory;
}

RatingEngineLibrary::RatingEngineLibrary(const std::string& directory) {
  module_ = platform::Module::Load(WithSeparator(directory) + "VORN32.DLL");
  if (!module_.isLoaded()) throw std::runtime_error("cannot load the engine: " + platform::Module::lastError());
  auto bind = [&](auto& slot, const char* name) {
    slot = module_.function<std::remove_reference_t<decltype(slot)>>(name);
    if (slot == nullptr) throw std::runtime_error(std::string("the engine has no export ") + name);
  };
  bind(initialize_, "Vorn_InitializeVornEx");
  bind(rateShipment_, "Vorn_RateShipment2Ex");
  bind(endVorn_, "Vorn_EndVornEx");
  bind(errorString_, "Vorn_GetErrorStringEx");
}

VornHandle RatingEngineLibrary::start(const std::string& dataDirectory) const {
  VornHandle handle = initialize_(WithSeparator(dataDirectory).c_str());
  if (handle == nullptr) throw std::runtime_error("the engine does not initialise on " + dataDirectory);
  return handle;
}

std::string RatingEngineLibrary::errorText(VornHandle handle, std::string_view code) const {
  // The buffer holds the code in its first 4 bytes and receives the text
  // after them, 76 bytes with NULs at the end.
  char buffer[80] = {};
  code.copy(buffer, 4);
  errorString_(handle, buffer);
  std::string text(buffer + 4, strnlen(buffer + 4, sizeof buffer - 4));
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

}  // namespace rate_tool
