#include "guide/consult_service_guide.h"

#include "guide/lane_service.h"
#include "guide/service_guide_library.h"
#include "rating/rating.h"

namespace vorn {
namespace {

char PointLetter(char given, char answered, char found) {
  if (given == 'D' || given == 'I') return given;
  return answered != '\0' ? answered : found;
}

std::string_view View(const std::array<char, 6>& code) { return std::string_view(code.data(), code.size()); }

}  // namespace

void ConsultServiceGuide(RatingEngine&, Rating& rating) {
  // Another thread's failed initialisation turns the guide off for all.
  if (TheServiceGuide().letter() != 'Y') return;
  ParsedRequest& r = rating.request;
  const ServiceGuideAnswer answer = AskServiceGuide({std::string_view(r.carrierCode.data(), r.carrierCode.size()),
                                                     r.serviceGuideMode, View(r.originCode), View(r.destinationCode)});
  rating.answer.serviceGuideStatus = answer.status;
  if (!answer.done()) {
    rating.answer.serviceGuideAnswer = std::array<char, 2>{' ', ' '};
    return;
  }
  if (answer.service != std::array<char, 2>{'\0', '\0'}) rating.answer.serviceGuideAnswer = answer.service;
  r.originPointLetter = PointLetter(r.givenOriginPointLetter, answer.originLetter, r.originPointLetter);
  r.destinationPointLetter =
      PointLetter(r.givenDestinationPointLetter, answer.destinationLetter, r.destinationPointLetter);
  if (!(r.originPointLetter == 'D' && r.destinationPointLetter == 'D')) {
    DiscountState& d = rating.discounts;
    d.applied.tag = {'D', '%'};
    d.applied.percent = d.indirect.percent;
    d.applied.endOfBreaks = d.indirect.endOfBreaks;
  }
}

}  // namespace vorn
