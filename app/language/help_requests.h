// Help in the screen's language: the help file the settings name for it
// (the English one at .SET byte 176, the Spanish one at .MET byte 18, each
// in the data directory), shown at a context or at its contents by the
// desktop's help service. A help the desktop cannot show is reported in a
// box: nothing is shown silently wrong.
#pragma once

#include <cstdint>
#include <string>

#include "platform/ui/types.h"

namespace qiv {

struct QivSession;

// The current language's help file: the data directory and the file name
// the settings give (empty when they give none).
std::string CurrentHelpFile(const QivSession& session);

// Shows the help file at the context; false (after a box) when it cannot.
bool ShowHelpContext(const QivSession& session, const std::string& helpFile, std::uint32_t context,
                     platform::ui::WindowHandle owner);
// Shows the current language's help file at its contents.
bool ShowHelpContents(const QivSession& session, platform::ui::WindowHandle owner);

// WM_HELP of a dialog: the context the help-topic table gives the control
// or command id, in the current language's help file; the contents when the
// id is 0 or has no context (the default help). Answers 1.
int ShowHelpForId(const QivSession& session, int id, platform::ui::WindowHandle owner);

inline constexpr const char* kHelpNotShownText = "The help cannot be shown.";

}  // namespace qiv
