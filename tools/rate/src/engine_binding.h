// The rating engine loaded by name, as a program loads it, with the exports
// the rating tool and the benchmark call.
#pragma once

#include <string>
#include <string_view>

#include "platform/kernel/module_loader.h"
#include "sample_shipment.h"
#include "vorn32/vorn32.h"

namespace rate_tool {

class RatingEngineLibrary {
 public:
  // Loads VORN32 from the directory (with or without a trailing separator);
  // throws std::runtime_error when it cannot be loaded or misses an export.
  explicit RatingEngineLibrary(const std::string& directory);

  // An engine of the calling thread on the data directory; throws when it
  // does not initialise. End it with end().
  VornHandle start(const std::string& dataDirectory) const;
  void end(VornHandle handle) const { endVorn_(handle); }

  // Rates the record in place (no city-candidate buffer).
  void rate(VornHandle handle, ShipmentBytes& record) const { rateShipment_(handle, record.data(), nullptr); }
  // The engine's text of a return code ("0394").
  std::string errorText(VornHandle handle, std::string_view code) const;

 private:
  platform::Module module_;
  decltype(&Vorn_InitializeVornEx) initialize_ = nullptr;
  decltype(&Vorn_RateShipment2Ex) rateShipment_ = nullptr;
  decltype(&Vorn_EndVornEx) endVorn_ = nullptr;
  decltype(&Vorn_GetErrorStringEx) errorString_ = nullptr;
};

// The directory with a trailing separator.
std::string WithSeparator(std::string directory);

}  // namespace rate_tool
