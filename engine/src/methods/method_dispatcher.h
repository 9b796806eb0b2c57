// The method dispatcher: once per tariff pass, after the tariff version is
// set up and before the rating core, the tariff type's method finds the
// lane's rate record and the rate-basis text the answer shows.
#pragma once

#include <cstdint>
#include <string>

namespace vorn {

class RatingEngine;
struct Rating;
class MethodServices;

// Runs the current tariff's method (type 'N' by its base type's table row):
// the rate record is left in rating.rates, the rate-basis number and the
// add-on and adjustment records in rating.methods, the text in text. Raises
// 202 for a type not in the tariff-type table or without a method, and the
// method's own codes.
void RateByTariffMethod(RatingEngine& engine, Rating& rating, std::string& text, MethodServices& services);

// The driver's step: the method with the engine's services, its text kept
// for the answer; 0 or the engine code raised.
std::int16_t RunTariffMethod(RatingEngine& engine, Rating& rating);

// The first step of a combined tariff (type 'N'): whether the lane has a
// record in it; 0, or 216, 217, 218 or a file's open error.
std::int16_t HandleCombinedPoints(RatingEngine& engine, Rating& rating);

// The preparation of a bureau tariff (type 'Y', current after the first
// set-up): its rate record of the lane by the matrix with the points'
// add-ons, whose entries 0 to 2 are the percentages for the minimums, for
// breaks 0 to 5 and for the breaks from 6 (raises the method's codes).
std::int16_t PrepareBureauTariff(RatingEngine& engine, Rating& rating);

}  // namespace vorn
