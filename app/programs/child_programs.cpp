#include "programs/child_programs.h"

#include <algorithm>

namespace qiv {

bool ChildPrograms::anyRunning() {
  return std::any_of(slots_.begin(), slots_.end(), [](auto& slot) { return slot != nullptr && slot->running(); });
}

std::optional<std::size_t> ChildPrograms::freeSlot() {
  for (auto& slot : slots_)
    if (slot != nullptr && !slot->running()) slot.reset();
  const auto free = std::find(slots_.begin(), slots_.end(), nullptr);
  if (free == slots_.end()) return std::nullopt;
  return static_cast<std::size_t>(free - slots_.begin());
}

void ChildPrograms::keep(std::size_t slot, std::unique_ptr<platform::desktop::StartedProgram> program) {
  slots_.at(slot) = std::move(program);
}

std::size_t ChildPrograms::kept() const {
  return static_cast<std::size_t>(
      std::count_if(slots_.begin(), slots_.end(), [](auto& slot) { return slot != nullptr; }));
}

}  // namespace qiv
