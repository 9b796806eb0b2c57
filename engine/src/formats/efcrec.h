// EFCREC.TBL, the list of every dated tariff the data set can rate with: fixed
// 76-byte text records read as binary, each ending in CR LF. One record per
// tariff version; a record is addressed by its index in the file.
//
//   0      record format: 'A' (older) or 'B'
//   1-3    tariff kind, three digits
//   4-11   effective date "CCYYMMDD"
//   12-13  rating-version sequence (format 'B'); default file-name suffix
//   14     tariff type            15  base tariff type (for type 'N')
//   16     lane-adjustment letter  17-18 its two digits (format 'A': sequence)
//   19-26  tariff name; a name ending "2A" is never listed
//   27-38  six two-character file-name suffixes of the lettered files
//   39-43  rating version "4.5", left-justified, blank-padded
//   44 45 46  flags (45: point-file flag, 'S' and 'M' occur)
//   47     country flag: 'Y' intrastate, 'N' interstate, 'C' Canadian, 'M' Mexican
//   48     tariff letter: 'N', 'P', 'S', 'X' or 'Y'
//   49-67  blank in format 'B'
//   68     flag                    69  rating-version flag
//   70     substitute tariff type  71-72 substitute name suffix ("00" none)
//   73     'N' or '0'              74-75 CR LF
#pragma once

#include <array>

#include "platform/kernel/byte_record.h"

namespace vorn::efcrec {

inline constexpr std::size_t kRecordSize = 76;
using Record = platform::ByteRecord<kRecordSize>;
using platform::FieldSpan;

inline constexpr FieldSpan kFormat{0, 1};
inline constexpr FieldSpan kKind{1, 3};
inline constexpr FieldSpan kDate{4, 8};
inline constexpr FieldSpan kSequence{12, 2};
inline constexpr FieldSpan kTariffType{14, 1};
inline constexpr FieldSpan kBaseType{15, 1};
inline constexpr FieldSpan kLaneLetter{16, 1};
inline constexpr FieldSpan kLaneDigits{17, 2};
inline constexpr FieldSpan kName{19, 8};
inline constexpr FieldSpan kSuffixes{27, 12};
inline constexpr FieldSpan kVersion{39, 5};
inline constexpr FieldSpan kFlag44{44, 1};
inline constexpr FieldSpan kFlag45{45, 1};
inline constexpr FieldSpan kFlag46{46, 1};
inline constexpr FieldSpan kCountry{47, 1};
inline constexpr FieldSpan kLetter{48, 1};
inline constexpr FieldSpan kFiller{49, 19};
inline constexpr FieldSpan kFlag68{68, 1};
inline constexpr FieldSpan kVersionFlag{69, 1};
inline constexpr FieldSpan kSubstituteType{70, 1};
inline constexpr FieldSpan kSubstituteSuffix{71, 2};
inline constexpr FieldSpan kFlag73{73, 1};
inline constexpr FieldSpan kLineEnd{74, 2};

inline constexpr std::array kAllFields{
    kFormat, kKind,     kDate,        kSequence,       kTariffType,       kBaseType, kLaneLetter, kLaneDigits,
    kName,   kSuffixes, kVersion,     kFlag44,         kFlag45,           kFlag46,   kCountry,    kLetter,
    kFiller, kFlag68,   kVersionFlag, kSubstituteType, kSubstituteSuffix, kFlag73,   kLineEnd};
static_assert(platform::FieldsAreContiguous(kAllFields, kRecordSize));

// Columns read one at a time.
inline constexpr std::size_t kFormatColumn = 0;
inline constexpr std::size_t kTariffTypeColumn = 14;
inline constexpr std::size_t kLaneLetterColumn = 16;
inline constexpr std::size_t kFlag45Column = 45;
inline constexpr std::size_t kLetterColumn = 48;
inline constexpr std::size_t kVersionFlagColumn = 69;
inline constexpr std::size_t kSubstituteTypeColumn = 70;
inline constexpr std::size_t kFlag73Column = 73;

}  // namespace vorn::efcrec
