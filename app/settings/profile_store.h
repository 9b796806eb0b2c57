// The profile store: PROFILE.FIL in the start-up directory, an array of
// 17,897-byte profile records without a header, sorted by name (compared
// without regard to case, at most 31 characters), and beside it each
// profile's own range file, NAME.ZP6: 12-byte lines "FROM.TO...\r\n"
// (from-code 5, to-code 5, CR, LF) sorted ascending, then one byte 0x1A; the
// tariff's ZIP-range table with the profile's Canadian ranges merged in.
//
// Both files are replaced whole through the one file-replacement helper. A
// save or a delete that fails anywhere leaves both files as they were (a
// range file that cannot be written puts the profile file back), leaves no
// temporary file, and changes neither the current profile nor its index.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/kernel/replace_file.h"
#include "settings/zip_range_merge.h"
#include "shell/rating_context_fields.h"

namespace qiv::settings {

inline constexpr std::string_view kProfileFileName = "PROFILE.FIL";
inline constexpr std::string_view kProfileRangeExtension = ".ZP6";
inline constexpr std::uint8_t kEndOfFileByte = 0x1A;

// Failures tests inject into the two replacements of a save or a delete.
struct ProfileStoreFaults {
  platform::ReplaceFaults profileFile;
  platform::ReplaceFaults rangeFile;
};

// What the store works on: the RatingContext (its CurrentProfile, the
// profile index, the start-up directory and the .SET flag refusing postal
// codes), the tariff's ranges, and the question asked before a profile
// being added replaces one of the same name.
struct ProfileStore {
  RatingContextView context;
  TariffRanges tariff;
  bool postalTableEmpty = true;  // no postal-prefix table loaded
  // Asked with the stored profile's name; true replaces it.
  std::function<bool(std::string_view storedName)> replaceExisting = [](std::string_view) { return true; };
  ProfileStoreFaults faults = {};
};

enum class SaveOutcome {
  Saved,
  KeptStored,  // adding under a stored name, the user kept the stored one: nothing written, it becomes current
  Failed,
};
// Writes CurrentProfile into PROFILE.FIL in name order (creating the file
// when there is none), then its range file; the profile index becomes the
// record's position.
SaveOutcome SaveProfile(ProfileStore& store, bool adding);

enum class DeleteOutcome {
  Deleted,
  NotFound,     // no record holds CurrentProfile's name exactly
  OnlyProfile,  // the one record left is never deleted
  Failed,
};
// Removes the first record whose 31-byte name equals CurrentProfile's, then
// its range file; the record after it (or the first, when it was the last)
// becomes CurrentProfile, with its index.
DeleteOutcome DeleteProfile(ProfileStore& store);

// The current profile's range file: true when written, or when postal codes
// are refused (then nothing is written). False, with nothing written, when
// the name cannot be a file name, no postal-prefix table is loaded, or the
// file could not be replaced.
bool WriteProfileZipFile(const ProfileStore& store);
// Removes the current profile's range file unless postal codes are refused.
void DeleteProfileZipFile(const ProfileStore& store);

// The lines of the current profile's range file (without the end byte).
std::vector<CodeRange> ProfileZipLines(const ProfileStore& store);

// Names compare like this in the file: without regard to case, at most 31
// characters, stopping at a NUL.
int CompareProfileNames(std::string_view a, std::string_view b);

}  // namespace qiv::settings
