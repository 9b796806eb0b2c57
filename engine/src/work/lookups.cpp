#include "work/lookups.h"

#include <algorithm>

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

int ClassIndex(const ClassBreakWork& work, std::string_view classText) {
  classText = platform::UntilNul(classText);
  auto codeAt = [&](std::size_t i) {
    return platform::UntilNul(std::string_view(work.classCodes[i].data(), work.classCodes[i].size()));
  };
  const int count = std::clamp<int>(work.classCount, 0, static_cast<int>(kMaxClasses));
  if (count == 0) return -1;
  if (codeAt(0) == "FAK" || (count == 1 && classText == "FAK")) return 0;
  for (int c = 0; c < count; ++c)
    if (codeAt(static_cast<std::size_t>(c)) == classText) return c;
  return -1;
}

}  // namespace vorn
