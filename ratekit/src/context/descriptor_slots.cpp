#include "context/descriptor_slots.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "platform/kernel/path.h"

namespace ratekit {
namespace {

constexpr int kFirstSlotDescriptor = 3;

// The descriptors opened through slots, with the context each belongs to.
std::vector<std::pair<const void*, int>>& Opened() {
  static std::vector<std::pair<const void*, int>> opened;
  return opened;
}

int OpenAboveStandardStreams(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0 || fd >= kFirstSlotDescriptor) return fd;
  const int moved = ::fcntl(fd, F_DUPFD_CLOEXEC, kFirstSlotDescriptor);
  ::close(fd);
  return moved;
}

}  // namespace

int OpenDescriptorSlot(RatingContextView& record, platform::FieldSpan slot, std::string_view path) {
  CloseDescriptorSlot(record, slot);
  const int fd = OpenAboveStandardStreams(platform::ResolvePath(path));
  if (fd >= 0) Opened().emplace_back(record.data(), fd);
  record.setInteger<std::int32_t>(slot.offset, fd);
  return fd;
}

void CloseDescriptorSlot(RatingContextView& record, platform::FieldSpan slot) {
  const std::pair<const void*, int> entry{record.data(), record.integerAt<std::int32_t>(slot.offset)};
  auto& opened = Opened();
  const auto it = std::find(opened.begin(), opened.end(), entry);
  if (it != opened.end()) {
    ::close(entry.second);
    opened.erase(it);
  }
  record.setInteger<std::int32_t>(slot.offset, -1);
}

std::optional<int> SlotDescriptor(const RatingContextView& record, platform::FieldSpan slot) {
  const std::pair<const void*, int> entry{record.data(), record.integerAt<std::int32_t>(slot.offset)};
  const auto& opened = Opened();
  if (std::find(opened.begin(), opened.end(), entry) == opened.end()) return std::nullopt;
  return entry.second;
}

std::ptrdiff_t ReadSlotAt(const RatingContextView& record, platform::FieldSpan slot, std::int64_t offset,
                          std::span<std::uint8_t> buffer) {
  const std::optional<int> fd = SlotDescriptor(record, slot);
  if (!fd || offset < 0) return -1;
  std::size_t filled = 0;
  while (filled < buffer.size()) {
    const ssize_t n = ::pread(*fd, buffer.data() + filled, buffer.size() - filled,
                              static_cast<off_t>(offset) + static_cast<off_t>(filled));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    if (n == 0) break;
    filled += static_cast<std::size_t>(n);
  }
  return static_cast<std::ptrdiff_t>(filled);
}

std::optional<std::int64_t> SlotFileSize(const RatingContextView& record, platform::FieldSpan slot) {
  const std::optional<int> fd = SlotDescriptor(record, slot);
  struct stat st;
  if (!fd || ::fstat(*fd, &st) != 0) return std::nullopt;
  return static_cast<std::int64_t>(st.st_size);
}

void CloseProgramDescriptor(RatingContextView& record, platform::FieldSpan slot, std::int32_t closed) {
  const std::int32_t fd = record.integerAt<std::int32_t>(slot.offset);
  if (fd >= kFirstSlotDescriptor) {
    auto& opened = Opened();
    opened.erase(std::remove_if(opened.begin(), opened.end(), [fd](const auto& e) { return e.second == fd; }),
                 opened.end());
    ::close(fd);
  }
  record.setInteger<std::int32_t>(slot.offset, closed);
}

}  // namespace ratekit
