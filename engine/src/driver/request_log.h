// The text-log blocks of a rating: the request before it is rated and the
// answer after. Values are the record's bytes as they stand, cut at the
// lengths the log gives.
#pragma once

#include "logs/text_log.h"
#include "vorn32/shipment_record.h"

namespace vorn {

// "BeforeHeader", one "BeforeDetail" per detail line (as many as the count
// at byte 80 says, at most 20), "wDiscnt", "iDiscnt" and "Enddll".
void LogRequest(TextDebugLog& log, const ShipmentRecord& record);

// "AfterHeader" and one "AfterDetail" per detail line.
void LogAnswer(TextDebugLog& log, const ShipmentRecord& record);

}  // namespace vorn
