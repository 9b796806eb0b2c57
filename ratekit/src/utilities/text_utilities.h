// The small text, number and file-name helpers Ratekit32 exports for the
// program: money rounding, trimming in place, forcing a file name's
// extension and the file name of a path.
#pragma once

#include <string>
#include <string_view>

namespace ratekit {

// floor(x x 10^n + 0.51) / 10^n, with x widened from single precision.
double RoundHalfUp51(float x, int n);

// Trailing (TrimTrailingSpace) or leading (TrimLeadingSpace) white space of
// the C locale (blank, tab, CR, LF, VT, FF) removed in place.
void TrimTrailingSpace(char* s);
void TrimLeadingSpace(char* s);

// The longest name a file-name helper works on (its 260-byte buffer).
inline constexpr std::size_t kMaxFileName = 259;

// The name with the extension put on: the name's first '.' within its last
// path component, when that is not the component's first character, starts
// what the extension replaces; otherwise the extension is appended. The
// name is taken up to 259 characters, the extension up to 4, the result
// cut to 259.
std::string WithForcedExtension(std::string_view name, std::string_view ext);

// "name.ext" of a path when it has both a file name and an extension, else
// the path unchanged; both separators split, a leading "X:" is a drive.
std::string FileNameOfPath(std::string_view path);

}  // namespace ratekit
