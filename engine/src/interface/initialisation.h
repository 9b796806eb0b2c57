// Engine initialisation and the change of its data path.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine_state/rating_engine.h"

namespace vorn {

inline constexpr const char* kEngineSettingsFile = "kqDll.ini";
inline constexpr const char* kDataPathVariable = "VORNDATA";

// Initialises the engine on a data path (null or empty: the library's own
// directory): reads kqDll.ini and VORNDATA, loads the effective table and
// the tariff-directory tables, and logs the result. 0 or the first error.
std::int16_t InitialiseEngine(RatingEngine& engine, const char* dataPath);

// The directory part of path becomes the data path (the effective path
// stays). False for a null or empty path.
bool ChangeDataPath(RatingEngine& engine, const char* path);

}  // namespace vorn
