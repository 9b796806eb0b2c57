// Rating step 13: the service guide asked about the carrier the request
// names (the driver asks only when the engine's guide letter is 'Y' and
// the carrier code at byte 215 is not blanks, NULs or "0000").
#pragma once

namespace vorn {

class RatingEngine;
struct Rating;

// With the guide still usable for the process:
// - a status other than "1001" blanks bytes 178-179 and becomes the
//   rating's service-guide status (its return code; its results stand);
// - "1001": the two-character answer (unless two NULs) goes to 178-179,
//   each end's point letter is the request's 'D' or 'I', else the guide's
//   when it gives one; unless both ends are direct, the applied discount
//   becomes the indirect block's percentages under the tag "D%".
void ConsultServiceGuide(RatingEngine& engine, Rating& rating);

}  // namespace vorn
