// Rating through the rating-function library Ratekit32, as the program
// does it: Ratekit32 and the engine loaded by name, the engine's module
// token put in a RatingContext, the connection opened on the data
// directory, the shipment rated and the context's texts printed.
#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "sample_shipment.h"

namespace rate_tool {

class RatekitRating {
 public:
  // Loads Ratekit32 and the engine from libraryDirectory and connects on
  // dataDirectory at the level; throws std::runtime_error when they do not
  // load or connect.
  RatekitRating(const std::string& libraryDirectory, const std::string& dataDirectory, const std::string& level);
  ~RatekitRating();

  // Rates the shipment: RateShipment's result (0 rated, 9999 failed), with
  // the failure's number in lastError().
  int rate(const ShipmentBytes& shipment);
  int lastError() const;

  // The RatingContext's answer texts as a person reads them.
  void writeAnswer(std::ostream& out) const;

 private:
  struct Loaded;
  std::unique_ptr<Loaded> loaded_;
};

}  // namespace rate_tool
