#include "core/class_break_index.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/kernel/fixed_format.h"

namespace vorn {

int BreakIndex(const ClassBreakWork& work, std::int32_t weight) {
  const int count = std::clamp<int>(work.breakCount, 0, static_cast<int>(kMaxBreaks));
  if (count == 0) return -1;
  if (weight <= work.breakWeights[0]) return 0;
  int found = -1;
  for (int b = 0; b < count; ++b)
    if (work.breakWeights[static_cast<std::size_t>(b)] <= weight) found = b;
  return found;
}

namespace {

// Whether a NUL-padded code field holds text (which holds no NUL), without
// measuring the field first: this runs for every class at every break.
template <std::size_t N>
bool FieldHolds(const std::array<char, N>& field, std::string_view text) {
  if (text.size() > N || std::memcmp(field.data(), text.data(), text.size()) != 0) return false;
  return text.size() == N || field[text.size()] == '\0';
}

}  // namespace

int ClassIndex(const ClassBreakWork& work, std::string_view classText) {
  classText = platform::UntilNul(classText);
  const int count = std::clamp<int>(work.classCount, 0, static_cast<int>(kMaxClasses));
  if (count == 0) return -1;
  if (FieldHolds(work.classCodes[0], "FAK") || (count == 1 && classText == "FAK")) return 0;
  for (int c = 0; c < count; ++c)
    if (FieldHolds(work.classCodes[static_cast<std::size_t>(c)], classText)) return c;
  return -1;
}

}  // namespace vorn
