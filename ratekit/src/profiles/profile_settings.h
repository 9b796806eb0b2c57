// How a settings profile becomes the rating screen's settings: the default
// profile made from the settings images, and the current profile spread
// over the .DEF and .DIS images.
#pragma once

#include "ratekit/rating_context.h"

namespace ratekit {

// The default profile "Default" into CurrentProfile: zeroed, its class map
// the ClassTable's first 18 codes (the engine's default classes when the
// engine is in use), its surcharges, constant class and ZIPs and discount
// kind taken from the .DEF image; .DEF short 266 := 0.
void MakeDefaultProfile(RatingContextView& record);

// LoadProfileSettings: the prompted, then the constant surcharge (the
// constant one wins); constant class and ZIPs and the discount kind; the
// discount switches; the profile's two bands as .DIS band texts ("%5.2f"
// break and MC texts, "%6.2f" floors, each written in its field's width:
// a value whose text does not fit leaves its field empty), bands 2 and 3
// emptied; discounts in use unless all three discount switches are off
// (52752 := 1 when that switched them off).
void ApplyProfileSettings(RatingContextView& record);

}  // namespace ratekit
