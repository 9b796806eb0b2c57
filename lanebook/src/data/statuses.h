// The statuses the service guide answers (four decimal digits in the
// engine's records, digits NUL-padded in the exchange block), numbered as
// the engine's return codes number them.
#pragma once

namespace lanebook::status {

inline constexpr int kDone = 1001;
inline constexpr int kInvalidCall = 702;         // a request code other than "UNQ", a record too small
inline constexpr int kNotInitialised = 1010;     // no data open for the caller (or no handle left)
inline constexpr int kDataExpired = 1011;
inline constexpr int kDataOrVersionError = 1012;
inline constexpr int kUnknownCarrier = 1013;
inline constexpr int kUnknownMode = 1015;
inline constexpr int kCantOpenData = 1045;
inline constexpr int kCantReadData = 1046;       // cut short
inline constexpr int kPointNotServed = 1100;     // a terminal asked for by a point no terminal serves
inline constexpr int kNoTerminalDays = 1101;
inline constexpr int kCarrierOfOtherType = 1102;
inline constexpr int kLaneNotServed = 1103;      // neither end
inline constexpr int kOriginNotServed = 1104;
inline constexpr int kDestinationNotServed = 1105;
inline constexpr int kTerminalFound = 1;         // the terminal detail's success

}  // namespace lanebook::status
