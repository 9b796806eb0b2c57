#include "package/package_info.h"

#include <cstring>
#include <span>
#include <string_view>

#include "package/package_codes.h"
#include "package/package_status.h"
#include "package/package_tariff.h"
#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"
#include "vorn32/package_records.h"

namespace vorn {
namespace {

namespace qy = package_info_query;
namespace ls = package_info_list;

std::int16_t FillList(RatingEngine& engine, const char* query, char* list) {
  const std::string_view q(query, qy::kSize);
  const std::size_t room = platform::ParseDigits(q.substr(qy::kRoom.offset, qy::kRoom.width)).value_or(0);
  if (const std::int16_t failed =
          MakePackageTariffCurrent(engine, q.substr(qy::kTariffName.offset, qy::kTariffName.width),
                                   q.substr(qy::kShipDate.offset, qy::kShipDate.width), false))
    return failed;
  auto read = ReadPackageCodes(engine, room);
  if (const std::int16_t* failed = std::get_if<std::int16_t>(&read)) return *failed;
  const auto& entries = std::get<std::vector<PackageCodeEntry>>(read);
  for (std::size_t n = 0; n < entries.size(); ++n) {
    char* entry = list + ls::EntryAt(n);
    entry[ls::kKind.offset] = entries[n].kind;
    std::memcpy(entry + ls::kCode.offset, entries[n].code.data(), ls::kCode.width);
    std::memcpy(entry + ls::kDetail.offset, entries[n].detail.data(), ls::kDetail.width);
  }
  platform::FormatZeroPadded(std::span<char>(list + ls::kCount.offset, ls::kCount.width),
                             static_cast<std::int64_t>(entries.size()));
  return 0;
}

}  // namespace

std::int16_t AnswerPackageInfo(RatingEngine& engine, const char* query, char* list) {
  std::memcpy(list + ls::kSegmentCode.offset, "13", 2);
  return AnswerPackageCall(list + ls::kStatus.offset, [&] { return FillList(engine, query, list); });
}

}  // namespace vorn
