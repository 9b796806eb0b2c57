#include "methods/method_services.h"

#include "lanes/lane_adjustments.h"
#include "points/city_points.h"
#include "rating/rating.h"

namespace vorn {
namespace {

// The engine's services: city points from the tariff's city file and the
// lane adjustments of the tariff's lookup files.
class EngineServices final : public MethodServices {
 public:
  void prepareCityPoints(RatingEngine& engine, Rating& rating, bool alternative) override {
    PrepareCityPoints(engine, rating, alternative);
  }
  std::int16_t loadLaneAdjustments(RatingEngine& engine, Rating& rating) override {
    return LoadLaneAdjustments(engine, rating);
  }
};

}  // namespace

MethodServices& EngineMethodServices() {
  static EngineServices services;
  return services;
}

}  // namespace vorn
