// The two switches the program's command line carries.
#pragma once

#include <string_view>

namespace qiv {

// The line begins with "RBNO" in any case: the price-sheet program is
// told so when it starts.
bool HasPriceSheetSwitch(std::string_view commandLine);
// The line holds "FACTOR" anywhere, in any case: the rating prompts show
// their increase-factor field.
bool HasIncreaseFactorSwitch(std::string_view commandLine);

}  // namespace qiv
