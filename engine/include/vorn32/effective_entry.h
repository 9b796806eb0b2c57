// The 17-byte view of one effective tariff that callers receive:
//   0  8  tariff name; the first 3 characters and 5 blanks for kind 'X';
//         "Bureau" and 2 blanks for the bureau entry
//   8  8  effective date "CCYYMMDD", or 8 blanks for the bureau entry
//   16 1  kind: 'I' intrastate, 'N', 'P', 'X', or blank for the bureau entry
#pragma once

#include <array>

#include "platform/kernel/byte_record.h"

namespace vorn {

inline constexpr std::size_t kEffectiveEntrySize = 17;
using EffectiveEntry = platform::ByteRecord<kEffectiveEntrySize>;

namespace effective_entry {
inline constexpr platform::FieldSpan kName{0, 8};
inline constexpr platform::FieldSpan kDate{8, 8};
inline constexpr platform::FieldSpan kKind{16, 1};
inline constexpr platform::FieldSpan kNameAndDate{0, 16};
// The date's parts.
inline constexpr platform::FieldSpan kYear{8, 4};
inline constexpr platform::FieldSpan kMonth{12, 2};
inline constexpr platform::FieldSpan kDay{14, 2};
static_assert(platform::FieldsAreContiguous(std::array{kName, kYear, kMonth, kDay, kKind}, kEffectiveEntrySize));
inline constexpr std::array kAllFields{kName, kDate, kKind};
static_assert(platform::FieldsAreContiguous(kAllFields, kEffectiveEntrySize));
}  // namespace effective_entry

}  // namespace vorn
