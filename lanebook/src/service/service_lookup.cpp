#include "service/service_lookup.h"

#include "data/statuses.h"

namespace lanebook {
namespace {

bool ModeAllows(CarrierMode mode, const Carrier& carrier) {
  switch (mode) {
    case CarrierMode::Ltl: return carrier.type == "LTL";
    case CarrierMode::Tl: return carrier.type == "TL";
    case CarrierMode::Any: return true;
  }
  return false;
}

const ServedRange* RangeOf(const GuideData& data, std::string_view carrier, std::string_view code) {
  const std::optional<std::string> key = PointKey(code);
  return key ? data.rangeHolding(carrier, *key) : nullptr;
}

}  // namespace

std::variant<LaneService, int> AskLaneService(const GuideData& data, std::string_view carrierCode, CarrierMode mode,
                                              std::string_view origin, std::string_view destination) {
  const std::string code = TrimmedCode(carrierCode);
  const Carrier* carrier = data.carrier(code);
  if (carrier == nullptr) return code::kGuideInvalidScacCarrierType;
  if (!ModeAllows(mode, *carrier)) return code::kGuideCarrierUnavailable;
  const ServedRange* from = RangeOf(data, code, origin);
  const ServedRange* to = RangeOf(data, code, destination);
  if (from == nullptr && to == nullptr) return code::kGuideZipPairNotServiced;
  if (from == nullptr) return code::kGuideOriginNotServiced;
  if (to == nullptr) return code::kGuideDestinationNotServiced;
  const std::optional<int> days = data.daysBetween(code, from->terminal, to->terminal);
  if (!days) return code::kGuideNoTerminalToTerminal;
  return LaneService{from->letter, to->letter, from->terminal, to->terminal, *days};
}

std::variant<const Terminal*, int> TerminalServing(const GuideData& data, std::string_view carrierCode,
                                                   std::string_view code) {
  const std::string carrier = TrimmedCode(carrierCode);
  if (data.carrier(carrier) == nullptr) return code::kGuideInvalidScacCarrierType;
  const std::string asked = TrimmedCode(code);
  if (asked.size() == 3)
    if (const Terminal* terminal = data.terminal(carrier, asked)) return terminal;
  if (const ServedRange* range = RangeOf(data, carrier, asked)) return data.terminal(carrier, range->terminal);
  return code::kGuideZipNotServiced;
}

}  // namespace lanebook
