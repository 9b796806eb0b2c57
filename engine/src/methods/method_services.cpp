#include "methods/method_services.h"

#include "points/city_points.h"

namespace vorn {
namespace {

// The engine's services: city points from the tariff's city file; the lane
// adjustments are not loaded yet, so none apply.
class EngineServices final : public MethodServices {
 public:
  void prepareCityPoints(RatingEngine& engine, bool alternative) override { PrepareCityPoints(engine, alternative); }
  std::int16_t loadLaneAdjustments(RatingEngine&) override { return 0; }
};

}  // namespace

MethodServices& EngineMethodServices() {
  static EngineServices services;
  return services;
}

}  // namespace vorn
