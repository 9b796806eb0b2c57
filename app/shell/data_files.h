// The files of the data directory as this system names them: found without
// regard to case, a name ending in ".EXE" standing for the program file
// without the extension. The presence tests of the start-up and the
// programs the commands start find their files by this one function.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qiv {

struct QivSession;

// The path of the data directory's file of that name (as written, in the
// file system's form, when no file matches).
std::string DataFileOnDisk(const QivSession& session, std::string_view name);
// The file can be opened for reading.
bool DataFilePresent(const QivSession& session, std::string_view name);
// The first line of a text file without its line end (LF, or CR LF), cut
// to `limit`; nothing when the file cannot be read.
std::optional<std::string> FirstLine(const std::string& path, std::size_t limit);

}  // namespace qiv
