#include "tables/state_tables.h"

#include "files/data_set_files.h"
#include "messages/message_numbers.h"
#include "tables/record_tables.h"

namespace ratekit {

std::optional<std::int32_t> LoadProvinceTable(RatingContextView& record) {
  return LoadRecordTable(record, FindDataSetFile(record, ".SCC"), kProvinceTable, message::kProvinceFile);
}

std::optional<std::int32_t> LoadZipStates(RatingContextView& record) {
  return ReadFailure(ReadImage(record, FindDataSetFile(record, ".SC "), context::kZipStateEntries),
                     message::kZipStateFile);
}

std::optional<std::int32_t> LoadTariffZipRanges(RatingContextView& record) {
  return LoadRecordTable(record, FindDataSetFile(record, ".ZP6"), kZipRangeTable, message::kZipRangeFile);
}

}  // namespace ratekit
