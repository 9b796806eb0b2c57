// Path rules for files named the way the data sets and settings name them:
// both '\' and '/' separate components, a leading "X:" is a drive, trailing
// blanks of a component are not part of the name, and names are matched in
// their directory without regard to case.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

inline constexpr char kPathSeparator = '/';

bool IsPathSeparator(char c);
bool EndsWithPathSeparator(std::string_view path);

struct PathParts {
  std::string drive;      // "X:" or empty
  std::string directory;  // up to and including the last separator
  std::string name;       // last component without its extension
  std::string extension;  // from the last '.' of the last component, or empty
};

// Splits a path into drive, directory, name and extension.
PathParts SplitPath(std::string_view path);

// The drive and directory of a path, after trailing blanks, tabs and NULs are
// removed, with a separator appended when the result is not empty and does
// not already end with one. "data/zq" gives "data/"; "data/zq/" gives itself.
std::string DriveAndDirectory(std::string_view path);

// Appends a separator unless the path is empty or already ends with one.
std::string WithTrailingSeparator(std::string path);

// The path in the form the file system takes: separators become '/', a drive
// prefix is dropped, trailing blanks of every component are removed.
std::string NativePath(std::string_view path);

// The path of an existing file or directory that matches path component by
// component without regard to case (an exact match is preferred). Nothing
// when no such file exists. A directory searched this way is read once and
// its listing kept while its device, inode, modification and change times
// stay the same (and only once they are a few seconds old), so a name
// created, removed or renamed in it is seen at the next lookup.
std::optional<std::string> FindExistingPath(std::string_view path);

// The same for a path already in native form that does not exist as
// written: its components are matched without regard to case.
std::optional<std::string> FindUnderAnotherCase(const std::string& native);

// The path to open for a file that may exist under another case; when it does
// not exist, the native form of path itself (so that it can be created).
std::string ResolvePath(std::string_view path);

// The directory that stands in for the Windows directory: where settings
// files named without a directory are looked up. ZQ_SYSTEM_DIR when set,
// else /etc/zq.
std::string SystemSettingsDirectory();

}  // namespace platform
