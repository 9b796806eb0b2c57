// Tables read whole into a buffer of Ratekit32's, its token in a slot of
// the RatingContext and its record count (file size / record size; a
// trailing piece shorter than a record is not counted) in a count field;
// and the records of such a table as the searches see them, the count read
// back from the record held to what the buffer holds.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "files/data_set_files.h"
#include "messages/message_numbers.h"
#include "ratekit/rating_context.h"

namespace ratekit {

struct RecordTableSlots {
  platform::FieldSpan token, count;
  std::size_t recordSize;
};

// Reads the file into the slots: the open number when it is missing, the
// allocation number (the read number for a file that has none) when no
// buffer can be had, the read number when it cannot be read. A failure
// leaves the slot empty and the count 0.
std::optional<std::int32_t> LoadRecordTable(RatingContextView& record, const std::optional<std::string>& path,
                                            const RecordTableSlots& slots, const message::FileNumbers& numbers);

// The bytes of the table's records: the count held to 0 and to the records
// the buffer holds.
std::string_view TableRecords(const RatingContextView& record, const RecordTableSlots& slots);

// The number of a FileContent's outcome (nothing when it was read).
std::optional<std::int32_t> ReadFailure(ReadOutcome outcome, const message::FileNumbers& numbers);

// The tables kept this way.
inline constexpr RecordTableSlots kProvinceTable{context::kSccTable, context::kSccRecordCount, 8};       // .SCC
inline constexpr RecordTableSlots kZipRangeTable{context::kZipRangeTable, context::kZipRangeCount, 12};  // .ZP6
inline constexpr RecordTableSlots kLaTable{context::kLaTable, context::kLaRecordCount, 8};
inline constexpr RecordTableSlots kRbaTable{context::kRbaTable, context::kRbaRecordCount, 16};
inline constexpr RecordTableSlots kLmcTable{context::kLmcTable, context::kLmcRecordCount, 12};
inline constexpr RecordTableSlots kLcaTable{context::kLcaTable, context::kLcaRecordCount, 12};

}  // namespace ratekit
