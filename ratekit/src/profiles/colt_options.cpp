#include "profiles/colt_options.h"

#include <cstring>
#include <optional>

#include "platform/kernel/file.h"

namespace ratekit {
namespace {

bool IsCSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

int FindOptionRecord(const char* path, char* record1792, std::string_view name) {
  if (path == nullptr || record1792 == nullptr) return 0;
  std::optional<platform::File> file = platform::File::OpenReadOnly(path);
  if (!file) return 0;
  const std::span<std::uint8_t> buffer(reinterpret_cast<std::uint8_t*>(record1792), kOptionRecordSize);
  for (std::int64_t offset = 0;; offset += static_cast<std::int64_t>(kOptionRecordSize)) {
    if (file->readAt(offset, buffer) != static_cast<std::ptrdiff_t>(kOptionRecordSize)) return 0;
    std::size_t length = strnlen(record1792, kOptionRecordSize);
    while (length > 0 && IsCSpace(record1792[length - 1])) record1792[--length] = '\0';
    if (std::string_view(record1792, length) == name) return 1;
  }
}

}  // namespace ratekit
