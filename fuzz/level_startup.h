// What the data-file fuzzer asks of the rating-function library over a
// data directory: a level opened as the program starts on it (the level
// list, the defaults, the file set, the profiles, the discount file), its
// tables used by the checks, the profile reading and the discounts, its
// images written back, and everything closed again.
#pragma once

#include <filesystem>
#include <string_view>

namespace ratekit::fuzz {

// The level of the data directory opened and used with a fresh context;
// the start-up directory gets the files written back (and is emptied of
// PROFILE.FIL first, so the data directory's is read).
void OpenAndUseLevel(const std::filesystem::path& data, const std::filesystem::path& startup, std::string_view level,
                     bool engineInUse);

}  // namespace ratekit::fuzz
