#include "package/package_charges.h"

#include <algorithm>
#include <optional>

#include "errors/engine_codes.h"

namespace vorn {
namespace {

constexpr std::int64_t kTenThousandths = 10000;
constexpr std::int64_t kLetterLimitUnit = 625;  // 0.0625 pound in ten-thousandths

std::int64_t At(const RateRecord& r, std::int64_t i) { return i < 0 ? 0 : r.entry(static_cast<std::size_t>(i)); }

// The index of the break of the weight: 0 when it is not above the first
// break, else the last break not above it; -1 without breaks.
int BreakOf(std::span<const std::int32_t> breaks, std::int64_t weight) {
  if (breaks.empty()) return -1;
  int k = 0;
  for (std::size_t i = 1; i < breaks.size(); ++i)
    if (breaks[i] <= weight) k = static_cast<int>(i);
  return k;
}

// x raised by the surcharge: an amount, or hundredths of a percent.
std::int64_t WithSurcharge(const PackageQuote& q, std::int64_t x) {
  if (q.surchargeType == '1') return x + q.surcharge;
  return ((q.surcharge + kTenThousandths) * x + 5000) / kTenThousandths;
}

class Pricing {
 public:
  Pricing(const PackageQuote& q, const RateRecord& service, const std::function<const RateRecord&()>& cwt)
      : q_(q), service_(service), readCwt_(cwt) {}

  std::variant<PackageCharges, std::int16_t> run() {
    for (const PackageWeight& w : q_.weights) {
      std::optional<std::int64_t> charge = packageCharge(w);
      if (!charge) return code::kWeightLimitExceeded;
      out_.packages.push_back(*charge);
    }
    const std::int64_t packages = static_cast<std::int64_t>(q_.weights.size());
    const bool express = q_.serviceClass == 'E';
    const bool reachesMinimumWeight = q_.totalWeight >= At(service_, 5);
    std::int64_t provisionalMinimum = 0;
    if (q_.kind == 2 && express && reachesMinimumWeight) {
      provisionalMinimum = At(service_, At(service_, 9) + At(service_, 0)) * packages;
      if (At(service_, 8) != 0) provisionalMinimum = std::max(provisionalMinimum, At(service_, 8));
    }
    out_.hundredweightMade = (q_.dropoff == "DPS" || q_.kind != 1) && reachesMinimumWeight;
    if (out_.hundredweightMade) {
      if (const std::int16_t failed = priceHundredweight(provisionalMinimum, packages)) return failed;
    }
    addOns(packages);
    return out_;
  }

 private:
  // The letter rate, the rate at the whole-pound weight, or no charge for a
  // package above 150 pounds; nothing for a letter above its limit.
  std::optional<std::int64_t> packageCharge(const PackageWeight& w) const {
    if (q_.packaging == "ELT") {
      const std::int64_t limit = At(service_, 10);
      if (limit > 0 && w.tenThousandths > limit / 100 * kLetterLimitUnit) return std::nullopt;
      if (q_.kind == 1) return At(service_, At(service_, 0));
      const bool halfPoundLetter =
          (q_.service == "E1A" || q_.service == "E1P") && w.tenThousandths <= kTenThousandths / 2;
      return At(service_, At(service_, 0) + (halfPoundLetter ? 0 : w.wholePounds));
    }
    if (w.wholePounds > kLargestChargedPackage) return 0;
    return At(service_, At(service_, 0) + w.wholePounds);
  }

  std::int16_t priceHundredweight(std::int64_t provisionalMinimum, std::int64_t packages) {
    cwt_ = &readCwt_();
    const RateRecord& h = *cwt_;
    const int k = BreakOf(q_.breaks, q_.totalWeight);
    if (k < 0) return code::kInvalidInternalWeight;
    const auto breaks = static_cast<std::int64_t>(q_.breaks.size());
    const std::int64_t t = q_.tier - 1;
    const bool express = q_.serviceClass == 'E';
    // 'E' rows hold a rate per break; 'G' rows a leading minimum, then them.
    const std::int64_t rowStart = (express ? breaks : breaks + 1) * t + At(h, 0);
    const std::int64_t at = rowStart + (express ? 0 : 1) + k;
    const std::int64_t r = At(h, at);
    const bool nextBreak = k + 1 < breaks;
    const std::int64_t w2 = nextBreak ? q_.breaks[static_cast<std::size_t>(k + 1)] : 0;
    const std::int64_t r2 = nextBreak ? At(h, at + 1) : 0;
    std::int64_t charge, alternative;
    if (express) {
      charge = q_.totalWeight * r;
      alternative = w2 * r2;
    } else {
      charge = (q_.totalWeight * r + 50) / 100;
      alternative = (w2 * r2 + 50) / 100;
    }
    std::int64_t cwt = alternative == 0 ? charge : std::min(charge, alternative);
    std::int64_t minimum;
    if (express && q_.kind == 1) {
      minimum = At(h, 7) * packages * r;
      if (At(h, 8) != 0) minimum = std::max(minimum, At(h, 8));
    } else if (express) {
      minimum = provisionalMinimum;
    } else {
      minimum = (At(h, 7) * packages * r + 50) / 100;
      if (At(h, rowStart) != 0) minimum = std::max(minimum, At(h, rowStart));
    }
    out_.hundredweight = std::max(cwt, minimum);
    return 0;
  }

  void toPackages(std::int64_t amount) {
    for (std::int64_t& c : out_.packages)
      if (c != 0) c += amount;
  }
  void toHundredweight(std::int64_t amount) {
    if (out_.hundredweight != 0) out_.hundredweight += amount;
  }
  std::int64_t cwtEntry(std::int64_t i) const { return cwt_ != nullptr ? At(*cwt_, i) : 0; }

  void surcharge() {
    if (q_.surcharge == 0) return;
    for (std::int64_t& c : out_.packages) c = WithSurcharge(q_, c);
    if (out_.hundredweight != 0) out_.hundredweight = WithSurcharge(q_, out_.hundredweight);
  }

  void addOns(std::int64_t packages) {
    const bool express = q_.serviceClass == 'E';
    const char d = q_.destinationLetter;
    if (q_.kind == 2) surcharge();
    if (q_.version == 1) {
      if (q_.residential && q_.kind == 1) {
        toPackages(At(service_, 1));
        if (d == 'D') toPackages(At(service_, 3));
      }
      if (q_.kind == 2 && (d == 'D' || d == 'B')) {
        toPackages(At(service_, 3));
        toHundredweight(cwtEntry(4));
      }
      if (q_.residential && q_.kind == 2) {
        toPackages(At(service_, 1));
        toHundredweight(packages * cwtEntry(1));
      }
    } else {
      if (q_.residential) {
        toPackages(At(service_, 1));
        const bool perPackage = q_.kind == 2 && q_.serviceClass != 'G';
        toHundredweight((perPackage ? packages : 1) * cwtEntry(13));
      }
      if ((q_.kind == 2 && (d == 'D' || d == 'B')) || (q_.kind == 1 && d == 'D')) {
        toPackages(At(service_, q_.residential ? 3 : 11));
        toHundredweight(cwtEntry(q_.residential ? 4 : 12));
      }
    }
    if (((q_.dropoff == "OTP" || q_.dropoff == "OCA") && q_.kind == 1) || (q_.kind == 2 && express)) {
      const std::int64_t addOn = cwt_ != nullptr ? cwtEntry(2) : At(service_, 2);
      toPackages(addOn);
      if (q_.kind == 2 && out_.hundredweight > 0) out_.hundredweight += addOn;
    }
    if (q_.kind == 1) surcharge();
  }

  const PackageQuote& q_;
  const RateRecord& service_;
  const std::function<const RateRecord&()>& readCwt_;
  const RateRecord* cwt_ = nullptr;
  PackageCharges out_;
};

}  // namespace

std::variant<PackageCharges, std::int16_t> PricePackages(
    const PackageQuote& quote, const RateRecord& service,
    const std::function<const RateRecord&()>& hundredweightRecord) {
  return Pricing(quote, service, hundredweightRecord).run();
}

}  // namespace vorn
