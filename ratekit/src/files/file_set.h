// The tariff's data-file set, opened in one fixed order when the program
// starts (OpenAllFiles) and released when it ends (CloseAllFiles).
#pragma once

#include <cstdint>
#include <optional>

#include "ratekit/rating_context.h"

namespace ratekit {

// OpenAllFiles: the settings image, the Mexico images, the accessorials,
// the state tables and ZIP ranges, then the files of the road taken (with
// the engine: the point-service files; without it: every engine-less
// table), then the lane tariff tables. Stops at the first required file
// that fails, with its number, leaving what it loaded in place.
// *stateTablesLoaded (when given) := 1 when .SCC or ".SC " loaded.
std::optional<std::int32_t> OpenFileSet(RatingContextView& record, std::int32_t* stateTablesLoaded);

// CloseAllFiles: every table freed (its token retired, the slot 0), every
// file Ratekit32 opened closed (its slot -1), the .LAB stream closed, and
// the program's .DSP descriptor (68) closed and set to 0. Safe on a record
// whose set was never opened, or opened in part, and twice.
void CloseFileSet(RatingContextView& record);

}  // namespace ratekit
