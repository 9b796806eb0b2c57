// LIBNAME.FIL: which libraries the program loads. Only the first line is
// read, cut to 29 characters, its line end removed:
//   character 1            'Y': the rating engine is used, anything else: not;
//   up to the first point  the rating-function library's base name (".DLL"
//                          added);
//   engine used: up to the next point, or the end of the line, the engine's
//                          base name (".DLL" added only when no point
//                          follows);
//   the rest               the service-guide library's name, as it stands
//                          (none when the rest is empty).
// A line without a point names the rating-function library alone.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qiv {

inline constexpr const char* kLibraryNamesFile = "LIBNAME.FIL";
inline constexpr std::size_t kLibraryNamesLineLimit = 29;

struct LibraryNames {
  bool engineInUse = false;
  std::string functionLibrary;
  std::optional<std::string> engine;        // named only when the engine is used
  std::optional<std::string> serviceGuide;  // named when the line has one
  friend bool operator==(const LibraryNames&, const LibraryNames&) = default;
};

// The names of a first line (its line end already removed).
LibraryNames ParseLibraryNames(std::string_view line);
// The names of <dataDirectory>LIBNAME.FIL; nothing when the file cannot be
// opened or has no line.
std::optional<LibraryNames> ReadLibNameFile(std::string_view dataDirectory);

// A library name is loaded from the data directory only when it names a
// file there: a name with a path separator in it, or one without a base
// name (".DLL"), is never loaded.
bool IsPlainLibraryName(std::string_view name);

}  // namespace qiv
