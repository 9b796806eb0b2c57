// Reading the current tariff's factor file into the engine.
#pragma once

#include <cstdint>

namespace vorn {

class RatingEngine;
struct ClassBreakWork;

// Opens (or rewinds) the factor file and reads it into core's classes and
// breaks, the engine's factors and parameters: 0, 204 when it does not
// open, 224 for too many HCITY lines of a letter-type tariff.
std::int16_t LoadFactorFile(RatingEngine& engine, ClassBreakWork& core);

}  // namespace vorn
