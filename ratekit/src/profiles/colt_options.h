// ReadColtOpt: a file of 1792-byte option records looked up by name. Each
// record's text (up to its first NUL, within the record) has its trailing
// white space cut in place; the first whose text equals the name is left
// in the caller's buffer. The file is only read.
#pragma once

#include <string_view>

namespace ratekit {

inline constexpr std::size_t kOptionRecordSize = 1792;

// 1 found (the record in record1792), 0 not found or no file.
int FindOptionRecord(const char* path, char* record1792, std::string_view name);

}  // namespace ratekit
