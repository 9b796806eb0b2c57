// The tariff's border-crossing file (letter N): 37-byte text records, each
// a U.S. ZIP range, a Mexican code range and the crossing that serves them.
//   0-4   first U.S. ZIP           6-10  last U.S. ZIP
//   12-16 first Mexican code       18-22 last Mexican code
//   24-28 U.S. crossing code       29-34 Mexican crossing code
//   5, 11, 17, 23 and 35-36 are not read.
#pragma once

#include <array>
#include <string_view>

#include "platform/kernel/byte_record.h"

namespace vorn::border_crossing {

inline constexpr std::size_t kRecordSize = 37;
using Record = platform::ByteRecord<kRecordSize>;
using platform::FieldSpan;

inline constexpr FieldSpan kFirstUsZip{0, 5};
inline constexpr FieldSpan kLastUsZip{6, 5};
inline constexpr FieldSpan kFirstMexicanCode{12, 5};
inline constexpr FieldSpan kLastMexicanCode{18, 5};
inline constexpr FieldSpan kUsCrossing{24, 5};
inline constexpr FieldSpan kMexicanCrossing{29, 6};
static_assert(kMexicanCrossing.end() <= kRecordSize && kUsCrossing.end() == kMexicanCrossing.offset);

// Whether the record's ranges hold both five-character codes.
inline bool Serves(const Record& r, std::string_view us, std::string_view mexican) {
  return r.text(kFirstUsZip) <= us && us <= r.text(kLastUsZip) && r.text(kFirstMexicanCode) <= mexican &&
         mexican <= r.text(kLastMexicanCode);
}

}  // namespace vorn::border_crossing
