#include "logs/binary_log.h"

#include <algorithm>
#include <array>
#include <fcntl.h>
#include <sys/uio.h>
#include <unistd.h>

#include "platform/kernel/byte_record.h"
#include "platform/kernel/critical_section.h"

namespace vorn {
namespace {

platform::CriticalSection& BinaryLogLock() {
  static platform::CriticalSection lock;
  return lock;
}

}  // namespace

void AppendBinaryLogRecord(std::uint32_t kind, std::span<const std::uint8_t> data) {
  std::uint8_t header[12];
  platform::StoreLittleEndian<std::uint32_t>(header, static_cast<std::uint32_t>(data.size()));
  platform::StoreLittleEndian<std::uint32_t>(header + 4, kind);
  platform::StoreLittleEndian<std::uint32_t>(header + 8, static_cast<std::uint32_t>(::gettid()));

  platform::CriticalSectionGuard guard(&BinaryLogLock());
  const int fd = ::open("kqdebug.dbr", O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
  if (fd < 0) return;
  iovec parts[2] = {{header, sizeof header}, {const_cast<std::uint8_t*>(data.data()), data.size()}};
  [[maybe_unused]] ssize_t written = ::writev(fd, parts, 2);
  ::close(fd);
}

void BinaryDebugLog::fileOpened(std::string_view fullName) const {
  if (!isOn()) return;
  std::array<std::uint8_t, binary_log::kFileNameLength> name{};
  std::copy_n(fullName.begin(), std::min(fullName.size(), name.size() - 1), name.begin());
  AppendBinaryLogRecord(binary_log::kFileOpened, name);
}

}  // namespace vorn
