// The icon file the settings name (.SET byte 240, at most 19 characters):
// the window's icon and the About box's. The name is looked up in the data
// directory, where the program's files are; a name not found there is taken
// as it stands (from the current directory).
#pragma once

#include <optional>
#include <string>

#include "platform/ui/types.h"

namespace qiv {

struct QivSession;

// The name as the settings give it, trailing blanks dropped.
std::string IconFileName(const QivSession& session);
// The file to load; nothing when the settings name none.
std::optional<std::string> IconFilePath(const QivSession& session);
// The icon at the size, or null when there is none.
platform::ui::BitmapHandle LoadSettingsIcon(const QivSession& session, platform::ui::Size size);

}  // namespace qiv
