#include "package/package_request.h"

#include "platform/kernel/digits.h"
#include "vorn32/package_records.h"

namespace vorn {
namespace {

namespace rq = package_request;

constexpr std::int64_t kTenThousandths = 10000;

std::string_view Field(std::string_view head, platform::FieldSpan f) { return head.substr(f.offset, f.width); }

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

std::string CodeOrDefault(std::string_view code, std::string_view fallback) {
  return std::string(Trimmed(code).empty() ? fallback : code);
}

std::int64_t RoundedUpPounds(std::int64_t tenThousandths) {
  return (tenThousandths + kTenThousandths - 1) / kTenThousandths;
}

}  // namespace

PackageRequestFields ReadPackageRequestHead(std::string_view head) {
  PackageRequestFields f;
  f.tariffName = std::string(Field(head, rq::kTariffName));
  f.shipDate = std::string(Field(head, rq::kShipDate));
  f.origin = std::string(Field(head, rq::kOriginZip).substr(0, 5));
  f.destination = std::string(Field(head, rq::kDestinationZip).substr(0, 5));
  f.residential = head[rq::kResidential.offset] == 'Y';
  f.dropoff = CodeOrDefault(Field(head, rq::kDropoffCode), kDefaultDropoff);
  f.packaging = CodeOrDefault(Field(head, rq::kPackagingCode), kDefaultPackaging);
  f.service = CodeOrDefault(Field(head, rq::kServiceCode), kDefaultService);
  f.surchargeType = head[rq::kSurchargeType.offset];
  f.surcharge = static_cast<std::int64_t>(platform::ParseDigits(Trimmed(Field(head, rq::kSurcharge))).value_or(0));
  f.tier = head[rq::kTier.offset];
  f.packageCountText = std::string(Field(head, rq::kNumberPackages));
  return f;
}

std::optional<int> ReadPackageCount(std::string_view text) {
  const std::optional<std::uint64_t> count = platform::ParseDigits(Trimmed(text));
  if (!count || *count < 1 || *count > rq::kMostPackages) return std::nullopt;
  return static_cast<int>(*count);
}

std::optional<PackageWeight> ReadPackageWeight(std::string_view field) {
  const std::string_view text = Trimmed(field);
  const platform::DecimalPrefix number = platform::LeadingDecimal(text, 4);
  if (number.length == 0 || number.length != text.size() || number.value == 0) return std::nullopt;
  const auto tenThousandths = static_cast<std::int64_t>(number.value);
  return PackageWeight{tenThousandths, RoundedUpPounds(tenThousandths)};
}

std::int64_t TotalWholePounds(const std::vector<PackageWeight>& weights) {
  std::int64_t total = 0;
  for (const PackageWeight& w : weights) total += w.tenThousandths;
  return RoundedUpPounds(total);
}

}  // namespace vorn
