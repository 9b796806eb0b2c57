#include "files/accessorial_file.h"

#include <algorithm>

#include "context/context_fields.h"
#include "files/data_set_files.h"
#include "files/written_files.h"
#include "messages/message_numbers.h"

namespace ratekit {

std::optional<std::int32_t> ReadAccessorials(RatingContextView& record) {
  const FileContent file = ReadWholeFile(FindDataSetFile(record, ".ACC"));
  if (file.outcome == ReadOutcome::Missing) return message::kAccessorialFile.open;
  const std::size_t entries = file.outcome == ReadOutcome::Read ? std::min(file.bytes.size() / accessorial_entry::kSize,
                                                                           accessorial_entry::kTableEntries)
                                                                : 0;
  std::copy_n(file.bytes.begin(), entries * accessorial_entry::kSize,
              record.data() + context::kAccessorialTable.offset);
  SetIntField(record, context::kAccessorialCount, static_cast<std::int32_t>(entries));
  if (entries == 0) return message::kAccessorialFile.read;
  return std::nullopt;
}

std::size_t AccessorialCount(const RatingContextView& record) {
  return static_cast<std::size_t>(std::clamp<std::int32_t>(
      IntField(record, context::kAccessorialCount), 0, static_cast<std::int32_t>(accessorial_entry::kTableEntries)));
}

std::optional<std::int32_t> WriteAccessorials(const RatingContextView& record) {
  const std::span<const std::uint8_t> entries(record.data() + context::kAccessorialTable.offset,
                                              AccessorialCount(record) * accessorial_entry::kSize);
  return WriteStartupFile(record, ".ACC", entries, message::kAccessorialFileWrite);
}

}  // namespace ratekit
