// Opening a PDF document for the user with the desktop's program for PDF
// files. No program for them: a box says that a PDF reader is needed; a
// reader that fails: a box with its code and name.
#pragma once

#include <string_view>

#include "platform/ui/types.h"

namespace qiv {

struct QivSession;

inline constexpr const char* kNoPdfReaderText =
    "You must have Adobe Acrobat Reader 5.0 or newer\ninstalled in order to read this information.";
inline constexpr const char* kNoPdfReaderCaption = "QIV";

// True when the document was handed to the reader.
bool OpenPdfDocument(const QivSession& session, std::string_view path, platform::ui::WindowHandle owner);

}  // namespace qiv
