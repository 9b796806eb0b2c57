#include "results/accessorial_charges.h"

#include <algorithm>
#include <cstdio>

#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"

namespace qiv {

namespace {

namespace entry = ratekit::accessorial_entry;
constexpr char kChosen = '*', kMexicanPart = 'm';

std::size_t EntryCount(const RatingContext& context) {
  return static_cast<std::size_t>(std::clamp<std::int32_t>(context.intAt(ratekit::context::kAccessorialCount), 0,
                                                           static_cast<std::int32_t>(entry::kTableEntries)));
}

float EntryFloat(const RatingContext& context, std::size_t i, platform::FieldSpan field) {
  return context.view().floatAt(entry::Entry(i).offset + field.offset);
}

// At least low and, when high is above 0, at most high.
double Bounded(double value, double low, double high) {
  value = std::max(value, low);
  return high > 0 ? std::min(value, high) : value;
}

}  // namespace

double AccessorialCharge(const AccessorialPrices& e, double base) {
  const double q = e.quantity, r = e.rate, u = e.unitAmount, mn = e.minimum, mx = e.maximum, r2 = e.secondRate,
               r3 = e.thirdRate;
  const double percentOfBase = r * base * 0.01;
  double charge = 0;
  switch (e.type) {
    case '$': charge = q; break;
    case '%': charge = r * 0.01 * q; break;
    case '+': charge = r; break;
    case '3': charge = q > 3 ? r * 3 + (q - 3) * r2 : r * q; break;
    case '4': {
      // The first unit, the second and each further one, each bounded.
      const double first = Bounded(percentOfBase, u, mx);
      const double second = q > 1 ? Bounded(percentOfBase, u, r2) : 0;
      const double further = q > 2 ? Bounded(percentOfBase, u, r3) : 0;
      return std::max(further + further * (q > 3 ? q - 3 : 0) + second + first, mn);
    }
    case '5': charge = q > 2 ? u + r2 * (q - 2) : u; break;
    case '6':
      if (q == 0)
        charge = u;
      else if (q <= 2)
        charge = q * u;
      else if (q <= 4)
        charge = r2 * (q - 2) + 2 * u;
      else
        charge = (q - 4) * r3 + 2 * r2 + 2 * u;
      break;
    case '7': {
      charge = std::max(percentOfBase, mn);
      if (q > 1) charge += (q - 1) * std::max(base * 0.01 * r2, r3);
      break;
    }
    case 'c': charge = percentOfBase; break;
    case 'f': return std::max(u * base * 0.01, mn) * q;
    case 'g': charge = std::max(q * u, percentOfBase); break;
    case 'h': {
      const double amount = q * u;
      if (amount <= 0) return amount;
      if (amount < mn) return mn;
      return q > 24 ? q / 24 * mx : std::min(amount, mx);
    }
    case 'p': charge = q * u; break;
    case 'w': charge = base >= 5000 ? base * 0.01 * u : percentOfBase; break;
    default: return 0;
  }
  if (charge > 0) {
    if (charge < mn) charge = mn;
    if (mx > 0 && charge > mx) charge = mx;
  }
  return charge;
}

void ComputeAccessorialCharges(RatingContext& context) {
  const double base = platform::LeadingDecimalValue(context.textAt(fields::kAccessorialBaseText));
  double sum = 0;
  for (std::size_t i = 0; i < EntryCount(context); ++i) {
    const std::size_t at = entry::Entry(i).offset;
    if (context.view().charAt(at + entry::kSelection.offset) != kChosen) continue;
    const AccessorialPrices prices{context.view().charAt(at + entry::kKind.offset),
                                   EntryFloat(context, i, entry::kEnteredValue),
                                   EntryFloat(context, i, entry::kRate),
                                   EntryFloat(context, i, entry::kUnitAmount),
                                   EntryFloat(context, i, entry::kMinimumCharge),
                                   EntryFloat(context, i, entry::kMaximumCharge),
                                   EntryFloat(context, i, entry::kSecondRate),
                                   EntryFloat(context, i, entry::kThirdRate)};
    const double charge = AccessorialCharge(prices, base);
    context.view().setFloat(at + entry::kComputedCharge.offset, static_cast<float>(charge));
    sum += charge;
  }
  context.setTerminatedText(fields::kAccessorialTotalText, platform::DecimalText(sum, 6, 2));
}

AccessorialParts SplitAccessorialCharges(const RatingContext& context) {
  AccessorialParts parts;
  for (std::size_t i = 0; i < EntryCount(context); ++i) {
    const std::size_t at = entry::Entry(i).offset;
    if (context.view().charAt(at + entry::kSelection.offset) != kChosen) continue;
    const double charge = EntryFloat(context, i, entry::kComputedCharge);
    if (charge <= 0) continue;
    (context.view().charAt(at + entry::kGroupFlag.offset) == kMexicanPart ? parts.mexican : parts.us) += charge;
  }
  return parts;
}

}  // namespace qiv
