#include "guide/lane_service.h"

#include <algorithm>
#include <cstring>

#include "errors/engine_codes.h"
#include "guide/service_guide_library.h"
#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"

namespace vorn {
namespace {

namespace ef = lanebook::engine_form;

void Put(char* record, platform::FieldSpan field, std::string_view text) {
  std::memcpy(record + field.offset, text.data(), std::min(text.size(), field.width));
}

}  // namespace

ServiceGuideAnswer AskServiceGuide(const ServiceGuideQuestion& q) {
  std::array<char, ef::control::kSize> control{};
  std::array<char, ef::data::kSize> data{};
  Put(control.data(), ef::control::kRequestCode, "UNQ");
  Put(control.data(), ef::control::kCarrier, q.carrier);
  control[ef::control::kMode.offset] = q.mode == ' ' || q.mode == '\0' ? 'A' : q.mode;
  Put(data.data(), ef::data::kOrigin, q.origin);
  Put(data.data(), ef::data::kDestination, q.destination);
  TheServiceGuide().functions().getServGuideData(control.data(), data.data());

  ServiceGuideAnswer answer;
  const std::string_view status(control.data() + ef::control::kStatus.offset, ef::control::kStatus.width);
  if (platform::ParseDigits(status))
    std::copy(status.begin(), status.end(), answer.status.begin());
  else
    platform::FormatZeroPadded(answer.status, code::kInvalidServiceGuideStatus);
  std::memcpy(answer.service.data(), data.data() + ef::data::kDays.offset, answer.service.size());
  answer.originLetter = data[ef::data::kOriginLetter.offset];
  answer.destinationLetter = data[ef::data::kDestinationLetter.offset];
  return answer;
}

}  // namespace vorn
