// The print dialog, the platform's own, a modal dialog built in code like
// the message box. It lists the printers of the installed print service
// (print_service.h): the PDF printer first ("PDF file"), then the print
// queues; the folder the PDF printer writes to (a field only it uses) and
// the copies of each document (1 to kMaxCopies, a field only queues use).
// There is no choice of a selection, pages or printing to a file.
//
// The list has the focus at first; the arrow keys choose a printer, Tab
// goes on to the fields that the chosen printer uses and the buttons.
// OK (Enter) with a folder that is not an existing directory, or copies out
// of range, beeps and puts the focus on the field with its text selected; a
// printer the service cannot make beeps; the dialog stays open then. OK
// otherwise keeps the choice in `choice` and gives a context on the chosen
// printer (printing.h); Cancel (Esc) gives none and leaves `choice` as it
// was. Without an installed print service there is nothing to choose: null
// at once.
#pragma once

#include "platform/ui/print_service.h"
#include "platform/ui/types.h"

namespace platform::ui {

namespace print_dialog {
inline constexpr int kPrinterListId = 1120;
inline constexpr int kFolderEditId = 1121;
inline constexpr int kCopiesEditId = 1122;
inline constexpr const char* kPdfPrinterName = "PDF file";
inline constexpr int kMaxCopies = 999;
}  // namespace print_dialog

// The folder shows choice.pdfFolder, or when that is empty the home folder
// (HOME), else the current one.
DcHandle PrintDialog(WindowHandle owner, PrinterChoice& choice);

}  // namespace platform::ui
