// The program: the application object's start (InitInstance). It makes the
// application font, runs the rating screen modally with the menu hook that
// shows each highlighted menu item's help in the status bar, and answers
// the program's exit code:
//   0  the screen closed by Exit (1), OK or Cancel;
//   2  the start-up failed (even when a fatal message posted a quit with
//      its own number), the application font could not be made, or the
//      screen ended any other way.
#pragma once

#include "shell/qiv_environment.h"

namespace qiv {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 2;

int RunQiv(QivEnvironment environment);

}  // namespace qiv
