#include "package/package_lane.h"

#include <algorithm>

#include "engine_state/rating_engine.h"
#include "points/point_services.h"
#include "rates/matrix_cell.h"
#include "rates/point_lookup.h"
#include "rating/rating.h"

namespace vorn {
namespace {

std::array<char, 6> CodeOf(std::string_view zip) {
  std::array<char, 6> code;
  code.fill(' ');
  std::copy_n(zip.begin(), std::min(zip.size(), code.size()), code.begin());
  return code;
}

}  // namespace

PackageLane FindPackageLane(RatingEngine& engine, Rating& rating, std::string_view origin,
                            std::string_view destination) {
  // The request gives no point letters of its own.
  ParsedRequest& r = rating.request;
  r.originCode = r.originPointCode = CodeOf(origin);
  r.destinationCode = r.destinationPointCode = CodeOf(destination);
  PackageLane lane;
  FindPointService(engine, rating);
  lane.originLetter = r.originPointLetter;
  lane.destinationLetter = r.destinationPointLetter;
  lane.zone = MatrixCellValue(engine, rating, PointPairCellIndex(engine, rating));
  return lane;
}

}  // namespace vorn
