// Accelerator tables: keys (a virtual key with exactly the modifiers held)
// that stand for commands. A window's pre-translation tries its table on
// each key-down before anything else sees the key.
//
// When the key matches an entry, the key is taken: the window gets
// msg::Command with MakeLong(command, 1). When the window has a menu bar
// and the command's item is not on it (it was removed) or is grayed or
// disabled, the key is taken all the same and nothing is sent: an
// accelerator never runs a command the menu does not offer.
#pragma once

#include <vector>

#include "platform/ui/keys.h"
#include "platform/ui/message_loop.h"
#include "platform/ui/types.h"

namespace platform::ui {

struct Accelerator {
  VirtualKey key = 0;
  unsigned modifiers = 0;  // modifier::Shift, Control, Alt (input.h)
  int command = 0;
};

AcceleratorHandle CreateAcceleratorTable(const std::vector<Accelerator>& entries);
bool DestroyAcceleratorTable(AcceleratorHandle table);
// The entries, empty for an invalid table.
std::vector<Accelerator> AcceleratorEntries(AcceleratorHandle table);

// True when the message is a key-down (or system key-down) of an entry: the
// key has been taken (see above).
bool TranslateAccelerator(WindowHandle window, AcceleratorHandle table, const Message& message);

}  // namespace platform::ui
