#include "context/descriptor_slots.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <string>
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

}  // namespace ratekit
