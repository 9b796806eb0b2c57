// The tariff's point-service file (.D):
//   record 0: a 7-byte header whose byte 6 is the default letter
//   then 7-byte records sorted by range: packed low key, packed high key
//   (formats/packed_codes.h), letter ('D' direct, 'I' indirect); keys are
//   compared unpacked (5 digits, or 3 characters of a postal code)
#pragma once

#include <array>

#include "platform/kernel/byte_record.h"

namespace vorn {

namespace point_service {
using platform::FieldSpan;
inline constexpr std::size_t kRecordSize = 7;
inline constexpr FieldSpan kLowKey{0, 3};
inline constexpr FieldSpan kHighKey{3, 3};
inline constexpr FieldSpan kLetter{6, 1};  // in the header: the default letter
inline constexpr std::array kFields{kLowKey, kHighKey, kLetter};
static_assert(platform::FieldsAreContiguous(kFields, kRecordSize));
}  // namespace point_service

}  // namespace vorn
