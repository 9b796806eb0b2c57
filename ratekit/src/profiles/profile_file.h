// PROFILE.FIL: the settings profiles, a sequence of 17,897-byte
// ProfileRecords sorted by name (its first 31 bytes, NUL-padded), nothing
// else. It lives in StartupDirectory; opened for reading and writing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ratekit/rating_context.h"

namespace ratekit {

inline constexpr std::string_view kProfileFileName = "PROFILE.FIL";

// StartupDirectory + "PROFILE.FIL".
std::string ProfileFilePath(const RatingContextView& record);

// ReadProfileFile: 1 when the file holds a profile; otherwise the data
// directory's copied there (never over a file that appeared meanwhile); or,
// with none to copy (or an empty file in place), the default profile made
// into CurrentProfile and written as the file's one record. 121 when
// neither can be done.
std::optional<std::int32_t> EnsureProfileFile(RatingContextView& record);

// GetProfileSize: the whole records in the file; nothing when it cannot be
// opened (125).
std::optional<std::int32_t> ProfileCount(const RatingContextView& record);

// GetProfileKey: record i's 31-byte name into name31 (125 open, 126 no
// whole record i, -1 and the count included).
std::optional<std::int32_t> ProfileName(const RatingContextView& record, std::int32_t i, char* name31);

// GetProfileRecord: the first record named as CurrentProfile (names
// compared as texts, up to their NUL) copied over it, its index into .DEF
// short 266. 125 open, 126 when the file ends inside a record first, 127
// not there; CurrentProfile is unchanged by a failure.
std::optional<std::int32_t> LoadCurrentProfile(RatingContextView& record);

}  // namespace ratekit
