// The steps of a rating that the driver runs in order and that the tariff
// set-up, the point services, the service guide, the tariff methods and the
// rating core carry out. The driver reaches them only through this
// interface; each takes the engine and the rating in progress and answers 0
// or an engine code (or raises one).
#pragma once

#include <cstdint>

namespace vorn {

class RatingEngine;
struct Rating;

class RatingSteps {
 public:
  virtual ~RatingSteps() = default;

  // Chooses the tariff and the current effective record for the lane
  // (pass 1, or 2 for a bureau tariff's or the Mexican leg's second set-up).
  virtual std::int16_t setupShipmentTariff(RatingEngine& engine, Rating& rating, int pass) = 0;
  // The bureau preparation of a type-'Y' tariff.
  virtual std::int16_t prepareBureauTariff(RatingEngine& engine, Rating& rating) = 0;
  // The combined-point handling of a type-'N' tariff.
  virtual std::int16_t handleCombinedPoints(RatingEngine& engine, Rating& rating) = 0;
  // The point letters of both ends and the discount block that applies.
  virtual std::int16_t findPointServices(RatingEngine& engine, Rating& rating) = 0;
  // Asks the service guide about the carrier the request names (its status
  // and the point letters may change).
  virtual void consultServiceGuide(RatingEngine& engine, Rating& rating) = 0;
  // The border crossing of a lane with a Mexican point.
  virtual std::int16_t readBorderCrossing(RatingEngine& engine, Rating& rating) = 0;
  // Closes the tariff's files when the current tariff has changed.
  virtual void closeTariffFilesOnChange(RatingEngine& engine) = 0;
  virtual std::int16_t prepareWorkTables(RatingEngine& engine, Rating& rating) = 0;
  virtual std::int16_t runTariffMethod(RatingEngine& engine, Rating& rating) = 0;
  virtual std::int16_t rateClassesAndBreaks(RatingEngine& engine, Rating& rating) = 0;
  virtual void closeRateFiles(RatingEngine& engine) = 0;
  // Every line's class must have a rate (401 + line index otherwise).
  virtual std::int16_t checkLineRates(RatingEngine& engine, Rating& rating) = 0;

  // The line-pricing operations of the charge computation.
  virtual std::int16_t priceLinesAtActualWeight(RatingEngine& engine, Rating& rating) = 0;
  // Applies the charge discount at break b to the line-charge total.
  virtual void discountLineTotalAtBreak(RatingEngine& engine, Rating& rating, int b) = 0;
  // Searches the breaks from b for a cheaper total with a deficit weight;
  // answers the break chosen.
  virtual int searchDeficitFrom(RatingEngine& engine, Rating& rating, int b) = 0;
  virtual std::int16_t priceAtBreak(RatingEngine& engine, Rating& rating, int b) = 0;
  // An amount after the per-break discount at break b.
  virtual std::int32_t applyBreakDiscount(RatingEngine& engine, Rating& rating, std::int32_t amount, int b) = 0;
};

// The engine's own steps.
RatingSteps& EngineRatingSteps();

}  // namespace vorn
