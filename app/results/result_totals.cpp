#include "results/result_totals.h"

#include <algorithm>
#include <cstring>

#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"
#include "results/accessorial_charges.h"
#include "screen/screen_ids.h"

namespace qiv {

namespace {

namespace totals = ratekit::rating_totals;
namespace id = screen_id;

constexpr double kSmallestDeficit = 0.0049;
constexpr const char* kFloorLabel = "Floor";
constexpr const char* kSingleShipmentFloorLabel = "Single Shipment Floor";

double TextValue(const RatingContext& context, FieldSpan field) {
  return platform::LeadingDecimalValue(context.textAt(field));
}
std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : std::string(platform::TrimTrailingBlanks(text.substr(first)));
}
std::string Money(double value) { return platform::DecimalText(value, 0, 2); }
std::string Dollars(double value) { return "$" + Money(value); }

// "%<width>s" into a NUL-terminated field.
template <std::size_t N>
void RightAligned(std::array<char, N>& field, std::string_view text, std::size_t width) {
  std::string aligned =
      text.size() < width ? std::string(width - text.size(), ' ') + std::string(text) : std::string(text);
  aligned.resize(std::min(aligned.size(), N - 1));
  field.fill('\0');
  std::memcpy(field.data(), aligned.data(), aligned.size());
}

class Builder {
 public:
  Builder(ResultDisplay& display, const ResultInputs& inputs) : display_(display), inputs_(inputs) {}

  // A shown row mirrored by a totals row.
  void row(int label, std::string value, int valueId, TotalsRowKind kind, TotalsRule rule = TotalsRule::None,
           std::string labelText = {}, int ruleId = 0) {
    const std::string shownLabel = labelText.empty() ? inputs_.labelText(label) : labelText;
    display_.rows.push_back({label, std::move(labelText), {{valueId, value}}, ruleId});
    ResultTables& t = display_.tables;
    if (t.totalsCount >= kResultRows) return;
    TotalsRow& r = t.totalsRows[static_cast<std::size_t>(t.totalsCount++)];
    r.kind = kind;
    r.rule = rule;
    RightAligned(r.label, shownLabel, 24);
    RightAligned(r.value, value, 8);
  }
  void detail(char country, int label, const std::string& labelText, double amount) {
    ResultTables& t = display_.tables;
    if (t.detailCount >= kResultRows) return;
    DetailLine& d = t.details[static_cast<std::size_t>(t.detailCount++)];
    d.country = country;
    RightAligned(d.label, labelText.empty() ? inputs_.labelText(label) : labelText, 24);
    RightAligned(d.amount, Money(amount), 8);
  }

 private:
  ResultDisplay& display_;
  const ResultInputs& inputs_;
};

}  // namespace

ResultDisplay ComputeResultDisplay(RatingContext& context, const ResultInputs& in) {
  ResultDisplay display;
  Builder out(display, in);
  display.ratingSign = in.engineUsed ? "LH" : "  ";

  // The amounts.
  const bool counted = in.discountsInUse && context.intAt(fields::kNoDiscountLane) == 0;
  const bool surcharge = context.shortAt(fields::kSurchargeInUse) != 0;
  const bool truckload =
      context.intAt(totals::kSurchargeBreak) >= platform::LeadingDecimalValue(context.textAt(fields::kTlFromBreak));
  const double surchargeRate = context.floatAt(truckload ? fields::kTlSurchargePercent : fields::kLtlSurchargePercent);
  double p = counted ? TextValue(context, totals::kDiscountPercent) * 0.01 : 0;
  double d = counted ? TextValue(context, totals::kDiscountAmount) : 0;
  const double m =
      counted && context.charAt(fields::kDiscountMode) == 'C' ? context.floatAt(fields::kMcDiscountPercent) * 0.01 : 0;
  const float minimumCents = context.floatAt(fields::kMinimumCents);
  const double M = minimumCents != 0 ? minimumCents * 0.01 : TextValue(context, totals::kHeaderAmountsSum);
  const double md = in.round(static_cast<float>(M * m), 2);
  const double DM = M - md;
  bool singleShipmentFloor = false;
  const float singleFloor = context.floatAt(fields::kSingleShipmentFloor);
  if (context.charAt(fields::kSingleShipmentLetter) == 'Y' && singleFloor > 0) {
    context.setFloat(fields::kFloorApplied, std::max(singleFloor, context.floatAt(fields::kProfileFloor)));
    singleShipmentFloor = true;
  }
  const float floorApplying = context.floatAt(fields::kFloorApplied);
  const double F = floorApplying != 0 ? floorApplying : (counted ? context.floatAt(fields::kProfileFloor) : 0.0f);
  const double G = TextValue(context, totals::kTotalCharge);
  // The engine's net charge (after the discount): the net of a plain
  // shipment, and the U.S. part of the detail lines.
  const double engineNet = TextValue(context, totals::kNetCharge);
  double N = G - d;
  double T = engineNet;
  double S = TextValue(context, totals::kSurchargeAmount);
  const double A = TextValue(context, fields::kAccessorialTotalText);

  // The deficit and the weight.
  const double deficitCharge = TextValue(context, totals::kDeficitCharge);
  if (deficitCharge >= kSmallestDeficit && TextValue(context, totals::kDeficitWeight) > 0) {
    display.rows.push_back({id::DeficitWeightLabel,
                            {},
                            {{id::DeficitWeightValue, context.textAt(totals::kDeficitWeight)},
                             {id::DeficitRateValue, context.textAt(totals::kDeficitRate)},
                             {id::DeficitChargeValue, context.textAt(totals::kDeficitCharge)}}});
    ResultTables& t = display.tables;
    TotalsRow& r = t.totalsRows[static_cast<std::size_t>(t.totalsCount++)];
    r.kind = TotalsRowKind::DeficitLine;
    RightAligned(r.label, in.labelText(id::DeficitWeightLabel), 24);
    RightAligned(r.value, Trimmed(context.textAt(totals::kDeficitCharge)), 8);
    out.row(id::BilledWeightLabel, Trimmed(context.textAt(totals::kTotalWeight)), id::WeightValue,
            TotalsRowKind::Plain);
  } else {
    out.row(id::TotalWeightLabel, Trimmed(context.textAt(totals::kTotalWeight)), id::WeightValue, TotalsRowKind::Plain);
  }

  // Minimum, then floor.
  if (DM > N) {
    display.minimumApplied = true;
    if (surcharge && DM > F)
      S = in.round(
          static_cast<float>(surchargeRate * (context.charAt(fields::kSurchargeOnMinimum) == 'Y' ? M : DM) * 0.01), 2);
    p = m;
    d = md;
    N = T = DM;
  }
  if (F > N && F > DM) {
    display.floorApplied = true;
    T = N = F;
    if (surcharge) S = in.round(static_cast<float>(F * surchargeRate * 0.01), 2);
  }
  if (display.minimumApplied) {
    if (in.engineUsed) display.ratingSign = "MC";
    out.row(id::MinimumChargeLabel, Money(M), id::ChargeValue, TotalsRowKind::Plain);
  } else {
    out.row(id::GrossChargeLabel, Money(G), id::ChargeValue, TotalsRowKind::Plain);
  }

  // The discount.
  const char mode = context.charAt(fields::kDiscountMode);
  if (counted && mode == 'C') {
    context.setTerminatedText(totals::kDiscountPercent, platform::DecimalText(p * 100, 2, 2));
    context.setTerminatedText(totals::kDiscountAmount, platform::DecimalText(d, 9, 2));
    const std::string label = platform::DecimalText(p * 100, 6, 2) + "% " + in.labelText(id::DiscountResultLabel);
    out.row(id::PercentDiscountLabel, "-" + Money(d), id::DiscountValue, TotalsRowKind::Plain, TotalsRule::None, label);
  }

  // The net: charge, floor or none.
  const bool accessorialPrompt = context.shortAt(fields::kAccessorialPrompt) != 0;
  const bool netRow = counted || display.floorApplied || surcharge || accessorialPrompt;
  TotalsRowKind after = TotalsRowKind::Plain;
  if (netRow && display.floorApplied) {
    const std::string label = singleShipmentFloor ? kSingleShipmentFloorLabel : kFloorLabel;
    out.row(id::FloorResultLabel, Dollars(F), id::NetChargeValue, TotalsRowKind::Plain, TotalsRule::Single, label,
            id::NetRule);
    out.detail('C', id::FloorResultLabel, label, F);
  } else if (netRow) {
    out.row(id::NetChargeLabel, Dollars(N), id::NetChargeValue, TotalsRowKind::Plain, TotalsRule::Single, {},
            id::NetRule);
    out.detail('C', id::NetChargeLabel, {}, N);
    if (display.minimumApplied) {
      const double mexicanMinimum = context.floatAt(fields::kMinimumMexicanAmount);
      const double X = mexicanMinimum - mexicanMinimum * TextValue(context, totals::kMcDiscountText) * 0.01;
      out.detail('U', id::NetChargeLabel, {}, N - X);
      out.detail('M', id::NetChargeLabel, {}, X);
    } else {
      out.detail('U', id::NetChargeLabel, {}, engineNet);
      out.detail('M', id::NetChargeLabel, {}, engineNet - engineNet);
    }
  } else if (display.minimumApplied) {
    const double mexicanMinimum = context.floatAt(fields::kMinimumMexicanAmount);
    out.detail('C', id::MinimumChargeLabel, {}, M);
    out.detail('U', id::MinimumChargeLabel, {}, context.floatAt(fields::kMinimumUsAmount) - mexicanMinimum);
    out.detail('M', id::MinimumChargeLabel, {}, mexicanMinimum);
  } else {
    out.detail('C', id::GrossChargeLabel, {}, G);
    out.detail('U', id::GrossChargeLabel, {}, engineNet);
    out.detail('M', id::GrossChargeLabel, {}, G - engineNet);
  }
  if (netRow) after = TotalsRowKind::IndentedAmount;

  // What is added to the net.
  if (surcharge) {
    context.setTerminatedText(totals::kSurchargeAmount, platform::DecimalText(S, 9, 2));
    out.row(id::FuelSurchargeLabel, Money(S), id::FuelSurchargeValue, after);
    out.detail('C', id::FuelSurchargeLabel, {}, S);
    T += S;
  }
  const std::int32_t fee = context.charAt(fields::kRateBaseKindLetter) == 'N' && in.coastalFee ? in.coastalFee() : 0;
  context.setInt(fields::kCoastalFee, fee);
  if (fee != 0) {
    out.row(id::CoastalFeeLabel, Money(fee * 0.01), id::CoastalFeeValue, after);
    out.detail('C', id::CoastalFeeLabel, {}, fee * 0.01);
    T += fee * 0.01;
  }
  if (context.intAt(fields::kMexicoOption) != 0 && in.mexicanEnd) {
    const std::pair<FieldSpan, std::pair<const std::string*, std::pair<int, int>>> mexican[] = {
        {fields::kIvaTaxPrompt, {&in.ivaTaxText, {id::IvaTaxLabel, id::IvaTaxValue}}},
        {fields::kInsurancePrompt, {&in.insuranceText, {id::InsuranceLabel, id::InsuranceValue}}}};
    for (const auto& [prompt, amount] : mexican) {
      const double value = platform::LeadingDecimalValue(*amount.first);
      if (context.shortAt(prompt) == 0 || value <= 0) continue;
      out.row(amount.second.first, Money(value), amount.second.second, after);
      out.detail('C', amount.second.first, {}, value);
      out.detail('M', amount.second.first, {}, value);
      T += value;
    }
  }
  if (accessorialPrompt && A > 0) {
    out.row(id::AccessorialChargesLabel, Money(A), id::AccessorialChargesValue, after);
    out.detail('C', id::AccessorialChargesLabel, {}, A);
    const AccessorialParts parts = SplitAccessorialCharges(context);
    if (parts.us > 0) out.detail('U', id::AccessorialChargesLabel, {}, parts.us);
    if (parts.mexican > 0) out.detail('M', id::AccessorialChargesLabel, {}, parts.mexican);
    T += A;
  }

  // The total, read back at cents, and its conversion.
  // (A total too long for its text leaves the text as it was: a cut text
  // would be a wrong amount.)
  const std::string total = Money(T);
  if (total.size() < totals::kNetCharge.width) context.setTerminatedText(totals::kNetCharge, total);
  T = platform::LeadingDecimalValue(total);
  out.row(id::TotalChargesLabel, Dollars(T), id::TotalChargesValue, after, TotalsRule::Double, {}, id::TotalRule);
  display.rows.back().values.push_back({id::TotalDoubleRule, {}});
  if (context.shortAt(fields::kCurrencyExchangeInUse) != 0) {
    const double rate = in.round(context.floatAt(fields::kExchangeRate), 4);
    out.row(id::CurrencyExchangeLabel, Dollars(rate * T), id::CurrencyExchangeValue, after);
  }
  display.finalTotal = T;
  return display;
}

}  // namespace qiv
