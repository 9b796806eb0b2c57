// The shipment printout: the shipment just rated on the rating screen, with
// its route, profile, discounts, one line per detail line and the totals
// column as the result display keeps it.
#pragma once

#include <string>

#include "platform/ui/types.h"
#include "screen/result_tables.h"
#include "shell/rating_context_fields.h"

namespace qiv {

class PrintWriter;

// What the printout reads of the rating screen besides the RatingContext.
struct ShipmentScreen {
  // The rating screen: a label is the current window text of its control
  // (empty without a screen), so the printout shows the screen's captions
  // in the screen's language.
  platform::ui::WindowHandle window = nullptr;
  std::string originCity;  // the city texts the screen shows
  std::string destinationCity;
  const ResultTables* tables = nullptr;  // none: no totals
};

// PrintShipment, for the Print command and automatic printing: nothing in
// print mode 'O'; message 116 without weight on the first line; otherwise
// the printout through the writer's common frame. Messages are owned by
// owner. True when a printout was made.
bool PrintShipment(PrintWriter& writer, const ShipmentScreen& screen, platform::ui::WindowHandle owner);

// Prints the printout's detail line i (0..7), a 79-column line (the file's
// text after the writer's two blanks).
void PrintClassLine(PrintWriter& writer, int line);

}  // namespace qiv
