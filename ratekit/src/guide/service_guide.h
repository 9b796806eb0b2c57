// The bridge to the service-guide library the program loaded (its module
// token at byte 48398): six of its functions bound by name, the guide
// opened on the data directory, and the service, days and terminals of the
// current lane asked of it through one 1209-byte exchange block
// (lanebook/app_form.h). Every export does nothing and answers 1 while the
// RatingContext says the guide is not in use.
//
// Where the functions are not bound (GetJYAddresses failed or never ran),
// the bridge answers as a closed guide instead of calling through nothing:
// InitializeJYdll 0, GetService 0 with 533, GetTerminals 1 with 533,
// EndJYdll 1.
#pragma once

#include <cstdint>

#include "ratekit/rating_context.h"

namespace ratekit {

// GetJYAddresses: 0 when all six names are bound, else the number of the
// first missing one (525 for the first two, then 526..529).
std::int32_t BindServiceGuide(RatingContextView& record);

// InitializeJYdll: opens the guide on the data directory. 1 when it is
// open (or not in use); 0, with no number, when the guide refuses, or when
// the data directory is longer than the 255 characters the guide takes.
int OpenServiceGuide(RatingContextView& record);

// GetService: the days, terminal codes and point letters of the current
// lane (a letter the guide leaves empty is 'I'); 0 with 533 when the guide
// answers a status from 1010 to 1099.
int AskServiceOfLane(RatingContextView& record);

// GetTerminals: both points' terminal details; always 1, LastErrorCode -1
// when both were found, else 533.
int AskTerminals(RatingContextView& record);

// EndJYdll: closes the guide; 1 when it closed or nothing was open, 0 when
// the guide's terminate failed.
int CloseServiceGuide(RatingContextView& record);

}  // namespace ratekit
