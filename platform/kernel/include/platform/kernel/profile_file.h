// Private-profile ("ini") settings files: [section] headers and key=value
// lines. Section and key names match without regard to case and the first
// match wins; values lose surrounding blanks and one pair of enclosing
// quotes; CR LF line ends are accepted. A file named without a directory is
// looked up in SystemSettingsDirectory().
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The value of key in section, or defaultValue (without its trailing
// blanks) when the file, the section or the key is missing. The result is
// cut to capacity - 1 characters, as a caller's buffer of capacity bytes
// would hold it.
std::string ReadProfileString(std::string_view file, std::string_view section, std::string_view key,
                              std::string_view defaultValue, std::size_t capacity);

// The leading integer of the value (decimal, or hexadecimal after "0x"; "55zz"
// gives 55), or defaultValue when the key is missing or holds no number.
int ReadProfileInt(std::string_view file, std::string_view section, std::string_view key, int defaultValue);

// The path a profile file name stands for: the name itself when it holds a
// directory, else the name in SystemSettingsDirectory().
std::string ProfileFilePath(std::string_view file);

}  // namespace platform
