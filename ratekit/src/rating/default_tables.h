// The class and weight-break tables every engine rating leaves behind: the
// 18 default classes (in the RatingContext and in the request record) and
// the 9 default weight breaks.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "ratekit/rating_context.h"
#include "vorn32/shipment_record.h"

namespace ratekit {

inline constexpr std::array<std::string_view, 18> kDefaultClasses{"500", "400", "300", "250", "200", "175",
                                                                  "150", "125", "110", "100", "92",  "85",
                                                                  "77",  "70",  "65",  "60",  "55",  "50"};

struct DefaultBreak {
  std::string_view label;
  std::int32_t lower, upper;  // pounds
};
inline constexpr std::array<DefaultBreak, 9> kDefaultBreaks{{{"L5C", 0, 499},
                                                             {"M5C", 500, 999},
                                                             {"M1M", 1000, 1999},
                                                             {"M2M", 2000, 4999},
                                                             {"M5M", 5000, 9999},
                                                             {"M10M", 10000, 19999},
                                                             {"M20M", 20000, 29999},
                                                             {"M30M", 30000, 39999},
                                                             {"M40M", 40000, 9999999}}};

// SetClassesAndWeights: the rate tables' row stride := the break count in
// use (the defaults' 9 when no break table was filled yet); then the defaults into the request's class codes and the
// record's class and break tables, and the tables marked filled.
void SetDefaultClassesAndWeights(RatingContextView& record, vorn::ShipmentRecord& request);

}  // namespace ratekit
