// The columns of an EFCREC.TBL record that other kinds read: a tariff's
// files take their names from its record, and its factor file its format.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "platform/kernel/byte_record.h"

namespace dataset::efcrec {

inline constexpr std::size_t kRecordSize = 76;
inline constexpr platform::FieldSpan kSequence{12, 2};  // also the suffix of a letter whose field begins with a letter
inline constexpr platform::FieldSpan kType{14, 1};
inline constexpr platform::FieldSpan kName{19, 8};
inline constexpr platform::FieldSpan kLetter{48, 1};

// The first column of the two-character suffix field of a tariff file's
// letter, or nothing for a letter that has none.
constexpr std::optional<std::size_t> SuffixColumn(char letter) {
  switch (letter) {
    case 'A':
    case 'L': return 17;
    case 'I':
    case 'J': return 27;
    case 'M':
    case 'R':
    case 'Z': return 29;
    case 'T': return 31;
    case 'B':
    case 'K':
    case 'P':
    case 'Q':
    case 'Y':
    case 'O':
    case 'H':
    case 'D':
    case 'X':
    case 'N': return 33;
    case 'E': return 35;
    case 'C':
    case 'F': return 37;
    // U and V have no field of their own; the sequence columns stand in.
    case 'U':
    case 'V': return kSequence.offset;
    default: return std::nullopt;
  }
}

// True for a tariff name as the record holds it: 1-8 upper-case letters and
// digits, left-justified and blank-padded (or the name alone, unpadded).
bool IsTariffName(std::string_view columns);

// True for a file-name suffix: upper-case letters and digits only.
bool IsSuffix(std::string_view columns);

}  // namespace dataset::efcrec
