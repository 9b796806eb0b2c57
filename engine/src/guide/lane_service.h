// The rating's question to the service guide, when the request names a
// carrier: the lane's service (a two-character answer for bytes 178-179 of
// the record) and the point letters of its ends. Answered by the library on
// the rating's thread; see ConsultServiceGuide for what the rating takes
// from it.
#pragma once

#include <array>
#include <string_view>

namespace vorn {

class RatingEngine;

struct ServiceGuideQuestion {
  std::string_view carrier;              // record bytes 215-218
  char mode = 'A';                       // record byte 219; blank or NUL asks for 'A'
  std::string_view origin, destination;  // the codes at bytes 30 and 55, 6 characters each
};

struct ServiceGuideAnswer {
  // Four digits; a status the library writes in another shape is "0703".
  std::array<char, 4> status{};
  std::array<char, 2> service{};  // two NULs: none
  char originLetter = '\0';       // 'D', 'I', or NUL: none
  char destinationLetter = '\0';
  bool done() const { return status == std::array<char, 4>{'1', '0', '0', '1'}; }
};

// Asks the library (the process's guide must be usable).
ServiceGuideAnswer AskServiceGuide(const ServiceGuideQuestion& question);

}  // namespace vorn
