// The message numbers of the printouts and the export (language texts of
// the same numbers, shown as warnings through ShowMessage).
#pragma once

#include <cstdint>

namespace qiv::output_message {

inline constexpr std::int32_t kNothingToExport = 111;       // no weight on the first line
inline constexpr std::int32_t kNothingToPrint = 116;        // no weight on the first line
inline constexpr std::int32_t kPrinterFontsNotMade = 117;   // a printer font or pen could not be made
inline constexpr std::int32_t kExportFileNotOpened = 417;   // the export file could not be opened or made
inline constexpr std::int32_t kExportFileNotWritten = 418;  // nor written whole, or a value too long for its field
inline constexpr std::int32_t kPrintFileNotOpened = 419;    // the print file could not be opened or made
inline constexpr std::int32_t kPrintFileNotWritten = 420;   // nor written whole, or not deleted for Replace
inline constexpr std::int32_t kPrinterFailed = 503;         // the printer refused the document

}  // namespace qiv::output_message
