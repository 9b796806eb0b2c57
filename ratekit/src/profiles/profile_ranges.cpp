#include "profiles/profile_ranges.h"

#include <algorithm>
#include <string>

#include "context/context_fields.h"
#include "context/token_table.h"
#include "files/data_set_files.h"
#include "messages/message_numbers.h"
#include "platform/kernel/file.h"
#include "platform/kernel/fixed_format.h"
#include "platform/kernel/path.h"
#include "tables/record_tables.h"
#include "tables/state_tables.h"

namespace ratekit {
namespace {

namespace pr = profile_record;

std::optional<std::int32_t> LoadProfileRanges(RatingContextView& record) {
  const std::string_view name = platform::UntilNul(record.text(pr::Current(pr::kName)));
  if (!platform::IsPlainFileName(name)) return message::kZipRangeFile.open;
  const std::string fileName = std::string(name) + ".ZP6";
  std::optional<std::string> path = StartupDirectory(record) + fileName;
  if (!platform::File::OpenReadOnly(*path)) path = DataDirectory(record) + fileName;
  return LoadRecordTable(record, path, kZipRangeTable, message::kZipRangeFile);
}

}  // namespace

std::optional<std::int32_t> LoadZipRangesInForce(RatingContextView& record) {
  if (record.charAt(tariff_settings::kNoPostalCodes.offset) == 'Y') return std::nullopt;
  ClearSlot(record, context::kZipRangeTable);
  SetIntField(record, context::kZipRangeCount, 0);
  const bool ownRanges = ShortField(record, pr::Current(pr::kZipPairDiscountsInUse)) != 0 &&
                         ShortField(record, rating_defaults::kDiscountsInUse) != 0;
  if (ownRanges) {
    if (auto failure = LoadProfileRanges(record)) {
      SetLastError(record, *failure);
    } else {
      return std::nullopt;
    }
  }
  return LoadTariffZipRanges(record);
}

}  // namespace ratekit
