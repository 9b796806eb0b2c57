#include "package/package_lane.h"

#include <algorithm>

#include "engine_state/rating_engine.h"
#include "points/point_services.h"
#include "rates/matrix_cell.h"
#include "rates/point_lookup.h"

namespace vorn {
namespace {

std::array<char, 6> CodeOf(std::string_view zip) {
  std::array<char, 6> code;
  code.fill(' ');
  std::copy_n(zip.begin(), std::min(zip.size(), code.size()), code.begin());
  return code;
}

}  // namespace

PackageLane FindPackageLane(RatingEngine& engine, std::string_view origin, std::string_view destination) {
  // The lookups read the lane from the engine's work area; the request
  // gives no point letters of its own.
  engine.work = ShipmentWork{};
  ParsedRequest& r = engine.work.request;
  r.originCode = r.originPointCode = CodeOf(origin);
  r.destinationCode = r.destinationPointCode = CodeOf(destination);
  ShipmentRecord noLetters;
  noLetters.fillAll(' ');
  engine.ratingRecord = &noLetters;
  struct Forget {
    RatingEngine& e;
    ~Forget() { e.ratingRecord = nullptr; }
  } forget{engine};

  PackageLane lane;
  FindPointService(engine);
  lane.originLetter = r.originPointLetter;
  lane.destinationLetter = r.destinationPointLetter;
  lane.zone = MatrixCellValue(engine, PointPairCellIndex(engine));
  return lane;
}

}  // namespace vorn
