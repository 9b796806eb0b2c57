#include "rating/answer_text.h"

#include "platform/kernel/digits.h"

namespace ratekit {
namespace {

// Cents the engine's fields can hold: nine digits with the point.
constexpr std::uint64_t kCentsLimit = 9'999'999'999;

}  // namespace

std::int64_t AnswerCents(std::string_view field) {
  const std::size_t start = std::min(field.size(), field.find_first_not_of(' '));
  return static_cast<std::int64_t>(platform::LeadingDecimal(field.substr(start), 2, kCentsLimit).value);
}

std::int64_t AnswerWhole(std::string_view field) { return platform::LeadingInteger(field, kCentsLimit).value; }

bool PutFieldText(RatingContextView& record, platform::FieldSpan field, const std::string& text) {
  if (text.size() > field.width) return false;
  record.setText(field, text, '\0');
  return true;
}

}  // namespace ratekit
