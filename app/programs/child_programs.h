// The programs the rating screen started and keeps track of (the price
// sheets): 100 slots, a slot free when it holds none. A slot is freed only
// once its program is seen to have ended.
#pragma once

#include <array>
#include <memory>
#include <optional>

#include "platform/desktop/programs.h"

namespace qiv {

class ChildPrograms {
 public:
  static constexpr std::size_t kSlots = 100;

  // Any kept program still runs.
  bool anyRunning();
  // Frees the slots of the programs that have ended, then answers the
  // first free slot; nothing when all hold running programs.
  std::optional<std::size_t> freeSlot();
  // The slot receives the program (null for one that did not start).
  void keep(std::size_t slot, std::unique_ptr<platform::desktop::StartedProgram> program);
  std::size_t kept() const;

 private:
  std::array<std::unique_ptr<platform::desktop::StartedProgram>, kSlots> slots_;
};

}  // namespace qiv
