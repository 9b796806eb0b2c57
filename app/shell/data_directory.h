// Where the program finds its data: the directory of its own path with the
// path component "RELEASE" (after a separator, in any case) made "ZQDATA",
// so that build/RELEASE/qiv reads build/ZQDATA/. Nothing else of the path
// changes case: this file system tells cases apart.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qiv {

// The data directory of a program path, ending in a separator; nothing
// when the program path has no directory.
std::optional<std::string> DataDirectoryOf(std::string_view programPath);

}  // namespace qiv
