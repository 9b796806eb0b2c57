#include "package/package_log.h"

#include <string>
#include <string_view>

#include "vorn32/package_records.h"

namespace vorn {
namespace {

std::string_view At(const char* record, platform::FieldSpan f) { return std::string_view(record + f.offset, f.width); }

}  // namespace

void LogPackageRequest(TextDebugLog& log, const char* request, int count) {
  namespace rq = package_request;
  const auto packages = static_cast<std::size_t>(count);
  log.tag("BeforePackageRequest") << std::string_view(request, rq::kHeadSize + rq::kWeightSize * packages);
  log.tag("BeforePackage_Residential") << At(request, rq::kResidential);
  log.tag("BeforePackage_DropoffCode") << At(request, rq::kDropoffCode);
  log.tag("BeforePackage_PackagingCode") << At(request, rq::kPackagingCode);
  log.tag("BeforePackage_SurchargeType") << At(request, rq::kSurchargeType);
  log.tag("BeforePackage_Surcharge") << At(request, rq::kSurcharge);
  log.tag("BeforePackage_ServiceCode") << At(request, rq::kServiceCode);
  log.tag("BeforePackage_Tier") << At(request, rq::kTier);
  log.tag("BeforePackage_NumberPackages") << At(request, rq::kNumberPackages);
  for (std::size_t n = 0; n < packages; ++n)
    log.tag("BeforePackage" + std::to_string(n + 1) + "_Weight") << At(request, rq::Weight(n));
  log << "\r\nBeforePackage_End\n";
}

void LogPackageResult(TextDebugLog& log, const char* result, int count) {
  namespace rs = package_result;
  const auto packages = static_cast<std::size_t>(count);
  log.tag("AfterPackageResults") << std::string_view(result, rs::kHeadSize + rs::kChargeSize * packages);
  log.tag("AfterPackage_SegmentCode") << At(result, rs::kSegmentCode);
  log.tag("AfterPackage_Status") << At(result, rs::kStatus);
  log.tag("AfterPackage_TierUsed") << At(result, rs::kTierUsed);
  log.tag("AfterPackage_Zone") << At(result, rs::kZone);
  log.tag("AfterPackage_CwtCharges") << At(result, rs::kCwtCharges);
  log.tag("AfterPackage_NoPackages") << At(result, rs::kNoPackages);
  for (std::size_t n = 0; n < packages; ++n)
    log.tag("AfterPackage" + std::to_string(n + 1) + "_Charge") << At(result, rs::Charge(n));
  log << "\r\nAfterPackage_End\n";
}

}  // namespace vorn
