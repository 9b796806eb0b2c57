#include "formats/parameter_table.h"

#include <bit>
#include <cstring>

#include "platform/kernel/fixed_format.h"

namespace vorn {
namespace {

struct InitialEntry {
  std::string_view name;
  char type;
};

constexpr InitialEntry kInitial[ParameterTable::kEntries] = {
    {"MC_ADDON", 'F'}, {"SS_MC_ADDON", 'F'}, {"QIV_MC", 'B'}, {"LA_PCT", 'C'}, {"ONE_LA", 'B'},       {"BRKS", 'C'},
    {"BRK2", 'C'},     {"HCITY", 'L'},       {"NCITY", 'C'},  {"RADJF", 'F'},  {"NO_RBN_ADDON", 'B'},
};

}  // namespace

ParameterTable::ParameterTable() {
  for (std::size_t i = 0; i < kEntries; ++i) {
    bytes_.setText({i * kEntrySize, kNameWidth}, kInitial[i].name, '\0');
    bytes_.setChar(i * kEntrySize + kTypeOffset, kInitial[i].type);
  }
  // The values the factor file leaves alone start as zero bytes; these are set.
  setFloat(kMcAddon, 0.0f);
  setInteger(kOneLa, 0);
  setChars(kNcity, std::string_view("\0\0\0\0", 4));
  setFloat(kRadjf, 1.0f);
  setInteger(kNoRbnAddon, 0);
}

std::optional<std::size_t> ParameterTable::find(std::string_view wanted) const {
  for (std::size_t i = 0; i < kEntries; ++i)
    if (name(i) == wanted) return i;
  return std::nullopt;
}

std::string_view ParameterTable::name(std::size_t index) const {
  return platform::UntilNul(bytes_.text({index * kEntrySize, kNameWidth}));
}

float ParameterTable::floatValue(std::size_t index) const {
  return std::bit_cast<float>(bytes_.integerAt<std::uint32_t>(valueOffset(index)));
}

void ParameterTable::setFloat(std::size_t index, float value) {
  bytes_.setInteger<std::uint32_t>(valueOffset(index), std::bit_cast<std::uint32_t>(value));
}

std::int32_t ParameterTable::integerValue(std::size_t index) const {
  return type(index) == 'I' ? bytes_.integerAt<std::int16_t>(valueOffset(index))
                            : bytes_.integerAt<std::int32_t>(valueOffset(index));
}

void ParameterTable::setInteger(std::size_t index, std::int32_t value) {
  if (type(index) == 'I')
    bytes_.setInteger<std::int16_t>(valueOffset(index), static_cast<std::int16_t>(value));
  else
    bytes_.setInteger<std::int32_t>(valueOffset(index), value);
}

std::string_view ParameterTable::charsValue(std::size_t index) const { return bytes_.text({valueOffset(index), 4}); }

void ParameterTable::setChars(std::size_t index, std::string_view value) {
  bytes_.setText({valueOffset(index), 4}, value, '\0');
}

}  // namespace vorn
