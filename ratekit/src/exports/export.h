// Marks the functions Ratekit32 exports (the version script keeps every
// other symbol local).
#pragma once

#define RATEKIT_EXPORT extern "C" __attribute__((visibility("default")))
