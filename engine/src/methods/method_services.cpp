#include "methods/method_services.h"

#include "lanes/lane_adjustments.h"
#include "points/city_points.h"

namespace vorn {
namespace {

// The engine's services: city points from the tariff's city file and the
// lane adjustments of the tariff's lookup files.
class EngineServices final : public MethodServices {
 public:
  void prepareCityPoints(RatingEngine& engine, bool alternative) override { PrepareCityPoints(engine, alternative); }
  std::int16_t loadLaneAdjustments(RatingEngine& engine) override { return LoadLaneAdjustments(engine); }
};

}  // namespace

MethodServices& EngineMethodServices() {
  static EngineServices services;
  return services;
}

}  // namespace vorn
