// Lookups in the tariff-directory files of the effective-data folder: the
// tariff version in effect (TDV.SEQ), a point's ZIP range (TDZ.BIN) and its
// row of tariff codes (TDT.BIN).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "common/date_key.h"
#include "formats/tdv.h"
#include "formats/tdz.h"
#include "logs/binary_log.h"

namespace vorn {

// The newest version of TDV.SEQ dated on or before the ship date: 0, 130
// (no file), 131 (no line, or more than the 47 versions the table holds) or
// 122 (none on or before the date).
std::int16_t ReadTariffVersions(std::string_view folder, const BinaryDebugLog& log, const DateKey& shipDate,
                                TariffVersion& out);

// The TDZ.BIN record whose range holds the code at the version (any version
// when version is empty): 0, 104 (no file) or 114 (no record, or a code that
// does not pack). The lowest matching record is used.
std::int16_t GetZipRangeRecord(std::string_view folder, const BinaryDebugLog& log, std::string_view code,
                               std::optional<std::int8_t> version, ZipRangeRecord& out);

// Whether a code lies in a TDZ record's range: five digits compared over 5
// characters, a letter-digit-letter code over 3; any other code is outside.
bool ZipInRange(std::string_view code, const ZipRangeRecord& record);

// The TDT.BIN row of (region, table), slotCount + 2 words: 0, 105 (no file)
// or 115 (no row).
std::int16_t GetTariffTableRow(std::string_view folder, const BinaryDebugLog& log, std::int16_t slotCount,
                               std::int16_t region, std::int16_t table, std::vector<std::int16_t>& row);

}  // namespace vorn
