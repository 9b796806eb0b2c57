// The request of one rating as the parser takes it from the ShipmentRecord:
// the lane's codes, states and cities, the tariff asked for, the flags the
// steps act on, the detail lines, and the weights and charges the rating
// works out for the answer.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "common/date_key.h"

namespace vorn {

inline constexpr std::size_t kMaxDetailLines = 20;

struct DetailEntry {
  std::array<char, 4> classText{};  // NUL-terminated
  std::int32_t weight = 0;          // pounds
  std::int32_t rate = 0;            // cents per hundredweight
  std::int32_t charge = 0;          // cents
};

struct ParsedRequest {
  // Codes for the rate lookup and, separately, for the point lookup.
  std::array<char, 6> originCode{};
  std::array<char, 6> destinationCode{};
  std::array<char, 6> originPointCode{};
  std::array<char, 6> destinationPointCode{};
  // The ends' states and cities; the city choice may replace them, and the
  // answer echoes them.
  std::array<char, 19> originStateCity{};
  std::array<char, 19> destinationStateCity{};
  char originPointLetter = ' ';
  char destinationPointLetter = ' ';
  // The point letters the request gives (bytes 196 and 197): a 'D' or 'I'
  // decides its end's letter.
  char givenOriginPointLetter = ' ';
  char givenDestinationPointLetter = ' ';
  // The service guide's carrier (bytes 215-218) and its mode (byte 219).
  std::array<char, 4> carrierCode{};
  char serviceGuideMode = ' ';

  std::string tariffPrefix;               // first 3 characters of the tariff name
  std::string tariffName;                 // up to 8 characters; the set-up may replace it
  std::string requestedTariffName;        // as the request gave it, for the answer
  std::array<char, 8> tariffNameField{};  // the request's 8 characters as sent
  DateKey shipDate;
  bool intrastate = false;
  char candidateRequest = ' ';   // byte 9: 'F' fill the candidates buffer, 'E' report 123
  bool alphabeticCodes = false;  // a code begins with a letter and a tariff is named
  bool mexicanOrigin = false;
  bool mexicanDestination = false;
  char legFlag = 0;  // 'Z' while the Mexican leg is rated
  // The border crossing of a lane with a Mexican point: the U.S. side's code
  // and the Mexican side's code.
  std::array<char, 5> usCrossingCode{};
  std::array<char, 6> mexicanCrossingCode{};
  char mode = '1';
  char methodFlag = ' ';  // byte 177
  // The records the tariff method steps the rate record forward by: a '+'
  // at byte 161 and the four characters after it.
  std::optional<std::int32_t> rateBasisStep;
  float factor = 1.0f;

  std::int16_t detailCount = 0;
  std::array<DetailEntry, kMaxDetailLines> details{};

  std::int32_t actualWeight = 0;
  std::int32_t deficitWeight = 0;
  std::int32_t deficitRate = 0;
  std::int32_t billedWeight = 0;
  std::int32_t lineChargeSum = 0;
  std::int32_t grossCharge = 0;
  std::int32_t deficitCharge = 0;
  std::int32_t chargeAfterMinimums = 0;
  std::int32_t absoluteMinimum = 0;
};

}  // namespace vorn
