#include "context/context_fields.h"

#include "platform/kernel/fixed_format.h"

namespace ratekit {

std::string DataDirectory(const RatingContextView& record) {
  return std::string(platform::UntilNul(record.text(context::kDataDirectory)));
}

std::string DataSetFilePath(const RatingContextView& record, std::string_view extension) {
  const std::string_view base = platform::TrimTrailingBlanks(platform::UntilNul(record.text(context::kTariffBaseName)));
  return DataDirectory(record) + std::string(base) + std::string(extension);
}

}  // namespace ratekit
