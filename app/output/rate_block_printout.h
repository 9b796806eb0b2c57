// The rate-block printout of the rates dialog: the rates of every class at
// every weight break of the lane, with the discounts and the accessorial
// charge lists.
#pragma once

#include "platform/ui/types.h"

namespace qiv {

class PrintWriter;

// PrintRateBlock, for the rates dialog's Print button, of the table of the
// type (1 combined, 2 U.S. only, 3 Mexico only): the printout through the
// writer's common frame. screen is the rating screen, whose profile
// label the printout shows; messages are owned by owner. True when a
// printout was made.
bool PrintRateBlock(PrintWriter& writer, int type, platform::ui::WindowHandle screen, platform::ui::WindowHandle owner);

}  // namespace qiv
