#include "formats/lettered_code_table.h"

#include <algorithm>

namespace vorn {
namespace {

struct DefaultEntry {
  char letter;
  std::string_view code;
  std::string_view number;
  char flag;
};

constexpr DefaultEntry kDefaults[LetteredCodeTable::kDefaultEntries] = {
    {'A', "00", "001", 'N'}, {'A', "01", "001", 'Y'}, {'A', "9", "001", 'N'}, {'B', "", "002", 'N'},
    {'C', "", "003", 'N'},   {'D', "", "004", 'N'},   {'E', "1", "005", 'N'}, {'E', "2", "006", 'N'},
    {'E', "3", "007", 'N'},  {'E', "4", "008", 'N'},  {'E', "9", "008", 'N'}, {'F', "0", "009", 'Y'},
    {'F', "5", "010", 'Y'},  {'F', "9", "010", 'Y'},  {'G', "", "011", 'N'},  {'H', "", "012", 'N'},
    {'J', "1", "013", 'N'},  {'J', "2", "014", 'N'},  {'J', "3", "015", 'N'}, {'J', "9", "015", 'N'},
    {'K', "0", "016", 'N'},  {'K', "5", "017", 'N'},  {'K', "6", "018", 'N'}, {'K', "9", "018", 'N'},
    {'X', "", "000", 'X'},
};

}  // namespace

LetteredCodeTable::LetteredCodeTable() {
  for (std::size_t i = 0; i < kDefaultEntries; ++i) {
    const std::size_t base = i * kEntrySize;
    bytes_.setChar(base + kLetter.offset, kDefaults[i].letter);
    bytes_.setText({base + kCode.offset, kCode.width}, kDefaults[i].code, ' ');
    bytes_.setText({base + kNumber.offset, kNumber.width}, kDefaults[i].number);
    bytes_.setChar(base + kFlag.offset, kDefaults[i].flag);
  }
}

void LetteredCodeTable::load(std::span<const std::uint8_t> entries) {
  bytes_.assign(entries.first(std::min(entries.size(), kEntries * kEntrySize)));
}

}  // namespace vorn
