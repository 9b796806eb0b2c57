#include "package/package_rating.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "engine_state/rating_engine.h"
#include "errors/engine_codes.h"
#include "errors/engine_error.h"
#include "formats/factor_file.h"
#include "package/package_charges.h"
#include "package/package_codes.h"
#include "package/package_lane.h"
#include "package/package_request.h"
#include "package/package_status.h"
#include "package/package_tariff.h"
#include "platform/kernel/fixed_format.h"
#include "rates/rate_file.h"
#include "rating/rating.h"
#include "vorn32/package_records.h"

namespace vorn {
namespace {

namespace rs = package_result;

#define STEP(expression)                                          \
  do {                                                            \
    if (const std::int16_t c_ = (expression); c_ != 0) return c_; \
  } while (0)

constexpr std::int64_t kRecordsPerService = 14;
constexpr std::int64_t kZones = 7;

// The classes and tiers of one section of the tariff's factor file.
struct FactorSection {
  TariffClassesAndBreaks lists;
  std::vector<int> tiers;
};

std::int16_t ReadFactorSection(RatingEngine& engine, int section, FactorSection& out) {
  if (const std::int16_t failed = engine.files.open(engine, 'F'); failed != 0) return failed;
  FactorFileContext context;
  context.tariffType = engine.currentTariff.ratedType();
  context.tariffLetter = engine.currentTariff.letter;
  context.kind = engine.currentTariff.kind;
  context.digitSection = section;
  ReadFactorFile(engine.files.factorText(), context, out.lists, engine.factors, engine.parameters);
  out.tiers.assign(engine.factors.setNumbers.begin(),
                   engine.factors.setNumbers.begin() + std::max<int>(engine.factors.setCount, 0));
  return 0;
}

// The position (from 1) of a service among a section's codes, or nothing.
std::optional<int> ServicePosition(const TariffClassesAndBreaks& lists, std::string_view service) {
  for (int c = 0; c < lists.classCount; ++c)
    if (std::string_view(lists.classCodes[static_cast<std::size_t>(c)].data(), 3) == service) return c + 1;
  return std::nullopt;
}

const PackageCodeEntry* Listed(const std::vector<PackageCodeEntry>& codes, char kind, std::string_view code) {
  const auto it = std::find_if(codes.begin(), codes.end(),
                               [&](const PackageCodeEntry& e) { return e.kind == kind && e.codeView() == code; });
  return it == codes.end() ? nullptr : &*it;
}

class PackageRating {
 public:
  PackageRating(RatingEngine& engine, const char* request)
      : engine_(engine), rating_(std::make_unique<Rating>()), request_(request) {}

  std::int16_t run(char* result) {
    const PackageRequestFields f = ReadPackageRequestHead(std::string_view(request_, package_request::kHeadSize));
    STEP(MakePackageTariffCurrent(engine_, f.tariffName, f.shipDate, true));
    PackageTariffHeader header;
    STEP(ReadPackageTariffHeader(engine_, *rating_, header));

    // The codes against the tariff's list (room for every record it can hold).
    auto codes = ReadPackageCodes(engine_, kMostPackageCodes);
    if (const std::int16_t* failed = std::get_if<std::int16_t>(&codes)) return *failed;
    const auto& entries = std::get<std::vector<PackageCodeEntry>>(codes);
    if (!Listed(entries, '1', f.packaging)) return code::kInvalidPackageCode;
    if (!Listed(entries, '2', f.dropoff)) return code::kInvalidDropCode;
    const PackageCodeEntry* service = Listed(entries, '3', f.service);
    if (f.tier != 'N' && (service == nullptr || !service->allowsTier(f.tier))) return code::kInvalidTier;

    FactorSection services;
    STEP(ReadFactorSection(engine_, 1, services));
    const std::optional<int> position = ServicePosition(services.lists, f.service);
    if (!position) return code::kInvalidServiceCode;
    const char serviceClass = f.service[0];
    if (serviceClass == 'G' && f.packaging == "ELT") return code::kInvalidPackageService;
    if (serviceClass == 'G' && f.dropoff == "OCA") return code::kInvalidServiceDropoff;
    if (serviceClass != 'E' && serviceClass != 'G') return code::kInvalidServiceCode;
    FactorSection classSection;
    STEP(ReadFactorSection(engine_, serviceClass == 'E' ? 2 : 3, classSection));
    const int wanted = f.tier == 'N' ? 0 : f.tier - '0';
    const bool listed =
        std::find(classSection.tiers.begin(), classSection.tiers.end(), wanted) != classSection.tiers.end();
    const int tier = listed ? wanted : header.defaultTier;
    if (tier < 1 || tier > 9) return code::kInvalidTier;

    const std::optional<int> count = ReadPackageCount(f.packageCountText);
    if (!count) return code::kBadPackageCount;
    PackageQuote quote{header.kind,     header.version, serviceClass, f.service, f.packaging, f.dropoff, f.residential,
                       f.surchargeType, f.surcharge,    ' ',          tier,      {},          0,         {}};
    for (int n = 0; n < *count; ++n) {
      const std::optional<PackageWeight> weight = ReadPackageWeight(std::string_view(
          request_ + package_request::Weight(static_cast<std::size_t>(n)).offset, package_request::kWeightSize));
      if (!weight) return code::kPackageWeightZero;
      if (weight->wholePounds > header.largestWeight) return code::kPackageOver150Pounds;
      quote.weights.push_back(*weight);
    }
    quote.totalWeight = TotalWholePounds(quote.weights);

    const PackageLane lane = FindPackageLane(engine_, *rating_, f.origin, f.destination);
    // A zone names one of the service's 7 pairs of records.
    if (lane.zone % 2 != 0 || lane.zone >= 2 * kZones) return code::kCombinationNotInTariff;
    quote.destinationLetter = lane.destinationLetter;
    const std::size_t length = PackageRecordLength(engine_);
    const std::int64_t serviceRecord = kRecordsPerService * *position + lane.zone;
    ReadRateRecordAt(engine_, *rating_, serviceRecord, length);
    const RateRecord serviceRates = rating_->rates.rateRecord;
    const std::function<const RateRecord&()> hundredweight = [&]() -> const RateRecord& {
      ReadRateRecordAt(engine_, *rating_, serviceRecord + 1, length);
      return rating_->rates.rateRecord;
    };
    quote.breaks =
        std::span<const std::int32_t>(classSection.lists.breakWeights.data(),
                                      static_cast<std::size_t>(std::max<int>(classSection.lists.breakCount, 0)));
    auto priced = PricePackages(quote, serviceRates, hundredweight);
    if (const std::int16_t* failed = std::get_if<std::int16_t>(&priced)) return *failed;
    return write(std::get<PackageCharges>(priced), serviceRates.head()[8], tier, f.packageCountText, result);
  }

 private:
  // The answer, every charge in its seven digits (145 when one does not fit;
  // nothing is written then).
  static std::int16_t write(const PackageCharges& charges, char zone, int tier, std::string_view count, char* result) {
    std::string fields(rs::kChargeSize * (charges.packages.size() + 1), '0');
    std::span<char> all(fields);
    if (!platform::FormatZeroPadded(all.first(rs::kChargeSize), charges.hundredweight))
      return code::kPricingExceedsLimits;
    for (std::size_t n = 0; n < charges.packages.size(); ++n)
      if (charges.packages[n] < 0 ||
          !platform::FormatZeroPadded(all.subspan(rs::kChargeSize * (n + 1), rs::kChargeSize), charges.packages[n]))
        return code::kPricingExceedsLimits;
    if (charges.hundredweight < 0) return code::kPricingExceedsLimits;
    result[rs::kTierUsed.offset] = charges.hundredweightMade ? static_cast<char>('0' + tier) : 'N';
    result[rs::kZone.offset] = zone;
    std::memcpy(result + rs::kCwtCharges.offset, fields.data(), rs::kChargeSize);
    std::memcpy(result + rs::kNoPackages.offset, count.data(), rs::kNoPackages.width);
    std::memcpy(result + rs::Charge(0).offset, fields.data() + rs::kChargeSize, fields.size() - rs::kChargeSize);
    return 0;
  }

  RatingEngine& engine_;
  // The lookups' work: the lane's codes and points, the rate record read.
  std::unique_ptr<Rating> rating_;
  const char* request_;
};

}  // namespace

int PackageCountOf(const char* request) {
  return ReadPackageCount(std::string_view(request + package_request::kNumberPackages.offset, 2)).value_or(0);
}

std::int16_t RatePackageRequest(RatingEngine& engine, const char* request, char* result) {
  std::memcpy(result + rs::kSegmentCode.offset, "15", 2);
  return AnswerPackageCall(result + rs::kStatus.offset, [&] { return PackageRating(engine, request).run(result); });
}

}  // namespace vorn
