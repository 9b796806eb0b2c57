#include "guide/consult_service_guide.h"

#include "engine_state/rating_engine.h"
#include "guide/lane_service.h"
#include "guide/service_guide_library.h"

namespace vorn {
namespace {

char PointLetter(char given, char answered, char found) {
  if (given == 'D' || given == 'I') return given;
  return answered != '\0' ? answered : found;
}

}  // namespace

void ConsultServiceGuide(RatingEngine& engine, ShipmentRecord& record) {
  // Another thread's failed initialisation turns the guide off for all.
  if (TheServiceGuide().letter() != 'Y') return;
  const ServiceGuideAnswer answer =
      AskServiceGuide({record.text(shipment::kCarrierCode), record.charAt(shipment::kServiceGuideMode.offset),
                       record.text(shipment::kOriginCode), record.text(shipment::kDestinationCode)});
  engine.serviceGuideStatus = answer.status;
  if (!answer.done()) {
    record.setText(shipment::kServiceGuideAnswer, "  ");
    return;
  }
  if (answer.service != std::array<char, 2>{'\0', '\0'})
    record.setText(shipment::kServiceGuideAnswer, std::string_view(answer.service.data(), 2));
  ParsedRequest& r = engine.work.request;
  r.originPointLetter =
      PointLetter(record.charAt(shipment::kOriginPointLetter.offset), answer.originLetter, r.originPointLetter);
  r.destinationPointLetter = PointLetter(record.charAt(shipment::kDestinationPointLetter.offset),
                                         answer.destinationLetter, r.destinationPointLetter);
  if (!(r.originPointLetter == 'D' && r.destinationPointLetter == 'D')) {
    DiscountState& d = engine.work.discounts;
    d.applied.tag = {'D', '%'};
    d.applied.percent = d.indirect.percent;
    d.applied.endOfBreaks = d.indirect.endOfBreaks;
  }
}

}  // namespace vorn
