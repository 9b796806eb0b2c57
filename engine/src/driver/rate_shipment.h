// The rating of one ShipmentRecord: copy in, the rating steps in order, the
// answer or the failure's code, copy back.
#pragma once

#include <cstdint>

#include "platform/kernel/critical_section.h"
#include "vorn32/shipment_record.h"

namespace vorn {

class RatingEngine;
struct Rating;

// Rates the caller's 2160-byte record in place, with a Rating made for the
// request. cityCandidates is the caller's buffer for ambiguous cities or
// tariffs (may be null). ratingLock, when given, is held around the rating
// proper (the copy in and the logs stay outside it).
void RateShipmentCore(RatingEngine& engine, std::uint8_t* record, void* cityCandidates,
                      platform::CriticalSection* ratingLock);

// The same with a Rating the caller made for the request (a new one, which
// holds the caller's buffer), which keeps the rating's work afterwards.
void RateShipmentCore(RatingEngine& engine, Rating& rating, std::uint8_t* record,
                      platform::CriticalSection* ratingLock);

// The rating steps on the engine's copy of the record, with the rating's
// state in rating; 0 or the failure's code, the answer written on success.
std::int16_t RateRequest(RatingEngine& engine, Rating& rating, ShipmentRecord& record);

}  // namespace vorn
