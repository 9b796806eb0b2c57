// The totals column of the result display, computed from a rated
// RatingContext: which of minimum charge, net charge and floor applies,
// the fuel surcharge on the amount that applies, the coastal fee, the
// Mexican amounts, the accessorials, the total and its conversion. The
// screen shows the rows; the printouts and the shipment-detail dialog read
// the tables.
//
// The engine's texts read here: gross charge 54644 (before the discount),
// discount percent and amount, total 54716 (the engine's net charge, after
// the discount), minimum 54746, surcharge 54690, accessorials 54680.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "screen/result_tables.h"
#include "shell/rating_context_fields.h"

namespace qiv {

// One shown row: a label static (with a new text, or empty to keep its
// own) and its value statics with their texts.
struct ResultRow {
  int label = 0;
  std::string labelText;
  std::vector<std::pair<int, std::string>> values;
  int rule = 0;  // a rule static shown with the row, or 0
};

struct ResultInputs {
  bool discountsInUse = false;
  bool engineUsed = true;
  bool mexicanEnd = false;
  std::string ivaTaxText, insuranceText;
  // The coastal fee in cents (0: none), asked only on lanes rated from a
  // rate base of kind 'N'.
  std::function<std::int32_t()> coastalFee;
  // Ratekit32's rounding (rndoff).
  std::function<double(float, int)> round;
  // The screen text of a label static.
  std::function<std::string(int)> labelText;
};

struct ResultDisplay {
  std::vector<ResultRow> rows;
  ResultTables tables;
  std::string ratingSign;  // "LH", "MC", or two blanks without the engine
  bool minimumApplied = false;
  bool floorApplied = false;
  double finalTotal = 0;
};

// Steps from the amounts to the conversion; writes back what the display
// writes (the floor that applies, the discount texts, the total text).
ResultDisplay ComputeResultDisplay(RatingContext& context, const ResultInputs& inputs);

}  // namespace qiv
