// Lines both printouts print the same way: a label and its value, the
// profile line, the discounts of the weight breaks, and the route codes
// as the three-digit-ZIP option shows them.
#pragma once

#include <string>
#include <string_view>

#include "platform/ui/types.h"
#include "shell/rating_context_fields.h"

namespace qiv {

class PrintWriter;

// The current window text of the screen's control (empty without a screen).
std::string ScreenLabel(platform::ui::WindowHandle screen, int controlId);

// Bold "%16s" of the label, then the value in the regular font.
void PrintValueLine(PrintWriter& writer, std::string_view label, std::string_view value);
// The profile line: the label of the screen's profile field and the
// current profile's name.
void PrintProfileLine(PrintWriter& writer, platform::ui::WindowHandle screen);
// The title and ":" in bold, the breaks' heading "  MC " and "%8.8s" of
// each break's label, then in the regular font "%5.2f" of the MC discount
// and "%8.2f" of each break's discount (at most nine breaks, the discounts
// the record holds).
void PrintBreakDiscounts(PrintWriter& writer, std::string_view title);

// With the three-digit-ZIP option ('Y' at .SET byte 209) the 4th and 5th
// characters of both route codes become c (a blank while a printout shows
// them, then '0'). Nothing without the option.
void SetShortCodeTails(RatingContext& context, char c);

// A detail line's weight as atol reads its text.
std::int64_t LineWeight(const RatingContext& context, int line);

}  // namespace qiv
