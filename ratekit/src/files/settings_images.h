// The settings images of the RatingContext: byte images of the tariff's
// settings files, read whole (a short file leaves its image as it was):
//   .SET  283 bytes at 52909 (TariffSettingsImage), read when the file set opens;
//   .DEF  346 bytes at 53192 (RatingDefaultsImage), read and written back;
//   .DIS  605 bytes at 53538 (DiscountFileImage);
//   .MEF  350 bytes at 90607 and .MET 283 bytes at 90957 (the Mexico
//         images), optional; .MEF is written back.
// Bytes no field names are carried through unchanged.
#pragma once

#include <cstdint>
#include <optional>

#include "ratekit/rating_context.h"

namespace ratekit {

// .SET into its image (370 missing, 374 short); the version number
// (12558) := the digits of image bytes 4..8 read as one number; the
// yes/no flags that are not 'Y' become 'N'.
std::optional<std::int32_t> ReadTariffSettings(RatingContextView& record);

// .MEF (StartupDirectory, then DataDirectory) and .MET into their images;
// 52772 := 1 when both were read whole, else 0.
void ReadMexicoImages(RatingContextView& record);

// ReadDefFile: .DEF from StartupDirectory, else DataDirectory (240
// missing, 244 short). An image never written by the program (short 260
// is 0) is marked written: 260 := 1, the LTL percentage (41) copied to the
// TL one (256), and the TL break text (262) := '6'.
std::optional<std::int32_t> ReadRatingDefaults(RatingContextView& record);

// WriteDefFile: the .DEF image written back (241, 245); then, when the
// Mexico files are in use (52772), the .MEF image too.
std::optional<std::int32_t> WriteRatingDefaults(const RatingContextView& record);

// WriteMexicoDefFile (160, 161).
std::optional<std::int32_t> WriteMexicoDefaults(const RatingContextView& record);

// ReadDiscFile: .DIS by the open routine (250 missing, 254 short); the
// discount-entry count (242) := the entries before the first whose first
// byte is a blank or NUL (at most 9).
std::optional<std::int32_t> ReadDiscountFile(RatingContextView& record);

}  // namespace ratekit
