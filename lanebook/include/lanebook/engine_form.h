// How the rating engine calls the service-guide library Lanebook32: the
// functions it binds by name, each with a status and a record, answering a
// one-byte boolean (non-zero: done), and the records they exchange.
// Statuses are four decimal digits without a terminator ("1001": done).
// The library clears the out fields of a record before it answers and
// writes nothing past a record.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/kernel/byte_record.h"

namespace lanebook::engine_form {

using platform::FieldSpan;

// The functions, in the order the engine binds them.
using GetCarrierTypesFunction = std::uint8_t (*)(char* status, char* record);
using GetServGuideDataFunction = std::uint8_t (*)(char* control, char* data);
using GetTerminalsFunction = std::uint8_t (*)(char* status, char* record);
using GetTermToTermDaysFunction = std::uint8_t (*)(char* status, char* record);
using GetCarriersFunction = std::uint8_t (*)(char* status, char* record);
using InitializeFunction = std::uint8_t (*)(char* statusArea, char* record);
using TerminateFunction = std::uint8_t (*)();
using SetCarrierDataPathFunction = std::uint8_t (*)(char* status, char* record);

inline constexpr std::size_t kStatusSize = 4;

// Lanebook_Initialize: a 22-byte status area (the status in its first four
// bytes) and a 537-byte record carrying the folder of DLLData.dat (blank
// or NUL-padded; empty: the library's own folder).
inline constexpr std::size_t kStatusAreaSize = 22;
inline constexpr std::size_t kInitialiseRecordSize = 537;
inline constexpr FieldSpan kInitialiseFolder{17, 260};
static_assert(kInitialiseFolder.end() <= kInitialiseRecordSize);

// Lanebook_GetServGuideData: the 12-byte control record and the 80-byte
// data record. The mode is 'A' (any carrier type), 'L' (LTL) or 'T' (TL).
namespace control {
inline constexpr std::size_t kSize = 12;
inline constexpr FieldSpan kStatus{0, 4};
inline constexpr FieldSpan kRequestCode{4, 3};  // "UNQ"
inline constexpr FieldSpan kCarrier{7, 4};
inline constexpr FieldSpan kMode{11, 1};
static_assert(platform::FieldsAreContiguous(std::array{kStatus, kRequestCode, kCarrier, kMode}, kSize));
}  // namespace control

namespace data {
inline constexpr std::size_t kSize = 80;
inline constexpr FieldSpan kOrigin{0, 6};
inline constexpr FieldSpan kDestination{6, 6};
inline constexpr FieldSpan kUnused12{12, 60};
inline constexpr FieldSpan kOriginLetter{72, 1};  // 'D' direct, 'I' indirect, NUL none
inline constexpr FieldSpan kDestinationLetter{73, 1};
inline constexpr FieldSpan kUnused74{74, 1};
inline constexpr FieldSpan kDays{75, 2};  // "%02d"; two NULs: none
inline constexpr FieldSpan kUnused77{77, 3};
static_assert(platform::FieldsAreContiguous(std::array{kOrigin, kDestination, kUnused12, kOriginLetter,
                                                       kDestinationLetter, kUnused74, kDays, kUnused77},
                                            kSize));
// What the library writes (and clears first).
inline constexpr FieldSpan kAnswer{72, 5};
static_assert(kAnswer.offset == kOriginLetter.offset && kAnswer.end() == kDays.end());
}  // namespace data

// The records of the other calls open with the caller's capacity: the
// record's size in bytes, a little-endian 32-bit number. A capacity below
// the record's fixed part is refused with status "0702". A list record goes
// on with the count of entries written and the count the guide holds (both
// 32-bit), then the entries, as many as the capacity holds.
namespace list {
inline constexpr FieldSpan kCapacity{0, 4};
inline constexpr FieldSpan kCount{4, 4};
inline constexpr FieldSpan kTotal{8, 4};
inline constexpr std::size_t kHeadSize = 12;
}  // namespace list

// Lanebook_GetCarrierTypes: entries of 3 characters, "LTL" and "TL ".
namespace carrier_types {
inline constexpr std::size_t kEntriesAt = list::kHeadSize;
inline constexpr std::size_t kEntrySize = 3;
}  // namespace carrier_types

// Lanebook_GetCarriers: the carriers of one type (blanks: every type),
// each {code 5, type 3, name 30}.
namespace carriers {
inline constexpr FieldSpan kTypeWanted{12, 3};
inline constexpr std::size_t kEntriesAt = 16;
inline constexpr FieldSpan kCode{0, 5};
inline constexpr FieldSpan kType{5, 3};
inline constexpr FieldSpan kName{8, 30};
inline constexpr std::size_t kEntrySize = 38;
static_assert(platform::FieldsAreContiguous(std::array{kCode, kType, kName}, kEntrySize));
static_assert(kTypeWanted.offset == list::kHeadSize && kTypeWanted.end() < kEntriesAt);
}  // namespace carriers

// Lanebook_GetTerminals: the terminals of one carrier, each {code 3, the
// 446 bytes of its details in the order terminal_details gives}.
namespace terminals {
inline constexpr FieldSpan kCarrier{12, 5};
inline constexpr std::size_t kEntriesAt = 20;
inline constexpr FieldSpan kCode{0, 3};
inline constexpr FieldSpan kDetails{3, 446};
inline constexpr std::size_t kEntrySize = 449;
static_assert(kDetails.end() == kEntrySize);
static_assert(kCarrier.offset == list::kHeadSize && kCarrier.end() < kEntriesAt);
}  // namespace terminals

// Lanebook_GetTermToTermDays: the days between two terminals of a carrier.
namespace term_to_term {
inline constexpr FieldSpan kCapacity{0, 4};
inline constexpr FieldSpan kCarrier{4, 5};
inline constexpr FieldSpan kOriginTerminal{9, 3};
inline constexpr FieldSpan kDestinationTerminal{12, 3};
inline constexpr FieldSpan kDays{15, 2};  // out, "%02d"
inline constexpr std::size_t kSize = 17;
static_assert(platform::FieldsAreContiguous(std::array{kCapacity, kCarrier, kOriginTerminal, kDestinationTerminal,
                                                       kDays},
                                            kSize));
}  // namespace term_to_term

// Lanebook_SetCarrierDataPath: the folder whose DLLData.dat the calling
// thread reads from now on (blank or NUL-padded).
namespace data_path {
inline constexpr FieldSpan kCapacity{0, 4};
inline constexpr FieldSpan kFolder{4, 260};
inline constexpr std::size_t kSize = 264;
static_assert(platform::FieldsAreContiguous(std::array{kCapacity, kFolder}, kSize));
}  // namespace data_path

}  // namespace lanebook::engine_form
