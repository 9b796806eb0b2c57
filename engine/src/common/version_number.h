// The engine's own version as rating versions count it: major x 100 +
// minor, from the version block the build supplies.
#pragma once

namespace vorn {

int EngineVersionNumber();

}  // namespace vorn
