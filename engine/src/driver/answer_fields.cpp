#include "driver/answer_fields.h"

#include <cmath>
#include <string>

#include "platform/kernel/fixed_format.h"

namespace vorn {

bool WriteWholeNumber(std::span<char> field, std::int64_t value) {
  return value >= 0 && platform::FormatZeroPadded(field, value);
}

bool WriteCents(std::span<char> field, std::int64_t cents, bool zeroPadded) {
  if (cents < 0 || field.size() < 4) return false;
  std::string text(field.size(), ' ');
  std::span<char> whole(text.data(), field.size() - 3);
  const bool fits =
      zeroPadded ? platform::FormatZeroPadded(whole, cents / 100) : platform::FormatRightAligned(whole, cents / 100);
  if (!fits) return false;
  text[field.size() - 3] = '.';
  platform::FormatZeroPadded(std::span<char>(text.data() + field.size() - 2, 2), cents % 100);
  std::copy(text.begin(), text.end(), field.begin());
  return true;
}

bool WritePercent(std::span<char> field, double percent) {
  if (!(percent >= 0)) return false;
  return WriteCents(field, static_cast<std::int64_t>(std::llround(percent * 100.0)), true);
}

}  // namespace vorn
