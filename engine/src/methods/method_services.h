// What the tariff methods ask of the city points and the lane adjustments.
#pragma once

#include <cstdint>

namespace vorn {

class RatingEngine;
struct Rating;

class MethodServices {
 public:
  virtual ~MethodServices() = default;
  // Prepares the request's origin and destination codes for the point
  // search (alternative: the tariff's point-file flag is 'A').
  virtual void prepareCityPoints(RatingEngine& engine, Rating& rating, bool alternative) = 0;
  // Loads the lane's adjustments of the current tariff: 0 or a code.
  virtual std::int16_t loadLaneAdjustments(RatingEngine& engine, Rating& rating) = 0;
};

MethodServices& EngineMethodServices();

}  // namespace vorn
