// Path rules for files named the way the data sets and settings name them:
// both '\' and '/' separate components, a leading "X:" is a drive, trailing
// blanks of a component are not part of the name, and names are matched in
// their directory without regard to case.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/kernel/file.h"

namespace platform {

inline constexpr char kPathSeparator = '/';

bool IsPathSeparator(char c);
bool EndsWithPathSeparator(std::string_view path);
// A name that can stand as a file name in a directory: not empty, not "."
// or "..", without separators or control characters.
bool IsPlainFileName(std::string_view name);

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

// What identifies one state of a directory's entries: its device and inode
// and its modification and change times. Creating, removing or renaming an
// entry sets both times to the time of the change, at the granularity of
// the file system's time stamps.
struct FolderStamp {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t modifiedSeconds = 0;
  std::int64_t modifiedNanoseconds = 0;
  std::int64_t changedSeconds = 0;
  std::int64_t changedNanoseconds = 0;
  friend bool operator==(const FolderStamp&, const FolderStamp&) = default;
};

// The stamp of a directory (native path, "" for the current one); nothing
// when it is not a directory.
std::optional<FolderStamp> StampFolder(const std::string& directory);

// Whether a directory stamp is old enough that no later change can leave
// it as it is: a change after now sets a time at least the stamp's
// granularity later, and no file system here has time stamps coarser than
// two seconds, so a stamp more than two seconds before now is settled.
bool IsSettled(const FolderStamp& stamp);
// The same for a file's stamp: an equal stamp shows an unchanged file only
// when it is settled.
bool IsSettled(const FileStamp& stamp);

// The names of a directory by their case-folded spelling (the first entry
// read wins for names that differ only in case); nothing when it cannot be
// read.
std::optional<std::unordered_map<std::string, std::string>> ReadFolderNames(const std::string& directory);

// A name with 'A'-'Z' folded to 'a'-'z', as names are matched.
std::string FoldCase(std::string_view name);

// The directory that stands in for the Windows directory: where settings
// files named without a directory are looked up. ZQ_SYSTEM_DIR when set,
// else /etc/zq.
std::string SystemSettingsDirectory();

}  // namespace platform
