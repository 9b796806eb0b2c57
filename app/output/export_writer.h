// The shipment export: one record per shipment added to the export file
// the export settings name, a comma-separated file started with its heading.
#pragma once

#include "platform/ui/types.h"

namespace qiv {

struct QivSession;

// WriteExportRecord, for the Export command and automatic export: nothing
// in export mode 'O'; message 111 without weight on the first line.
// Otherwise the record (fixed-width or comma-separated by the export
// settings), after the heading when the file is started (its answer not
// 'A', or the file not there), is added to the file at once; the answer
// then becomes 'A'. A file that cannot be opened or made gives message
// 417, one not written whole (or a value too long for its field) 418, and
// the answer stays. Messages are owned by owner. True when a record was
// written.
bool WriteExportRecord(QivSession& session, platform::ui::WindowHandle owner);

}  // namespace qiv
