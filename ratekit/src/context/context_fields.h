// Reading and writing the RatingContext fields that every family of
// Ratekit32 uses: the failure channel, switches, directories and the names
// of the tariff's data files.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ratekit/rating_context.h"

namespace ratekit {

// The view of the record a caller lent (never null).
inline RatingContextView ContextOf(void* record) { return RatingContextView(record); }

inline void SetLastError(RatingContextView& record, std::int32_t number) {
  record.setInteger<std::int32_t>(context::kLastErrorCode.offset, number);
}
inline std::int32_t LastError(const RatingContextView& record) {
  return record.integerAt<std::int32_t>(context::kLastErrorCode.offset);
}

// A 32-bit switch or count of the record.
inline std::int32_t IntField(const RatingContextView& record, platform::FieldSpan field) {
  return record.integerAt<std::int32_t>(field.offset);
}
inline void SetIntField(RatingContextView& record, platform::FieldSpan field, std::int32_t value) {
  record.setInteger<std::int32_t>(field.offset, value);
}
// A 16-bit switch of a settings image.
inline std::int16_t ShortField(const RatingContextView& record, platform::FieldSpan field) {
  return record.integerAt<std::int16_t>(field.offset);
}

// The data directory as written (up to its first NUL, at most its 260
// bytes), ending in a separator when the program set it so.
std::string DataDirectory(const RatingContextView& record);

// The path of one of the tariff's data files in the data directory: the
// directory, the tariff's base name (without trailing blanks) and the
// extension (".APP").
std::string DataSetFilePath(const RatingContextView& record, std::string_view extension);

}  // namespace ratekit
