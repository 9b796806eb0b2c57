// The questions both callers ask of the guide's data: the service of a lane
// for a carrier (point letters, terminals, days), and the terminal that
// serves a point.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "data/guide_file.h"

namespace lanebook {

// The kind of carrier asked for: any, less-than-truckload or truckload.
enum class CarrierMode { Any, Ltl, Tl };

struct LaneService {
  char originLetter = 'D';  // 'D' direct, 'I' indirect
  char destinationLetter = 'D';
  std::string originTerminal, destinationTerminal;
  int days = 0;
};

// The service of the lane from origin to destination (point codes as the
// callers hold them), or the status that refuses it: 1013 for a carrier the
// guide does not list, 1102 for one of another type than the mode, 1103
// when neither end is served, 1104 or 1105 when one end is not, 1101 when
// the guide has no days between the two terminals.
std::variant<LaneService, int> AskLaneService(const GuideData& data, std::string_view carrier, CarrierMode mode,
                                              std::string_view origin, std::string_view destination);

// The carrier's terminal that serves a point code, or the terminal of that
// code (three characters); 1013 for an unknown carrier, 1100 for a point no
// terminal of the carrier serves.
std::variant<const Terminal*, int> TerminalServing(const GuideData& data, std::string_view carrier,
                                                   std::string_view code);

}  // namespace lanebook
