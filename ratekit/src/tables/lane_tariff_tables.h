// The tables that pick a lane's tariff, loaded whole into Ratekit32 when
// the file set opens and searched by binary search:
//   .CBS  15-byte records {low postal key 5, high postal key 5, base code 5},
//         sorted, ranges apart: a code's first 5 characters give its base code;
//   .CMT  18-byte records {origin base code 5 + destination base code 5,
//         tariff name 8}, sorted by the 10-byte pair.
// A trailing piece shorter than a record is not read. Byte 52907 of the
// RatingContext says 'Y' when both loaded.
#pragma once

#include "ratekit/rating_context.h"

namespace ratekit {

// Loads .CBS, then .CMT, from the data directory; 52907 := 'Y' when both
// were read whole, else 'N'.
void LoadLaneTariffTables(RatingContextView& record);

// Frees both tables.
void FreeLaneTariffTables();

// GetZQBse: 1 when both points' codes lie in a .CBS range (their base codes
// are kept for LaneTariffName), else 0.
int FindBaseCodes(const RatingContextView& record);

// GetZQTariffName: 1 and TariffName := the tariff of the kept base-code
// pair, else 0.
int FindLaneTariff(RatingContextView& record);

}  // namespace ratekit
