#include "settings/discount_entries.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"

namespace qiv::settings {
namespace {

constexpr std::size_t kTenthAt = 28, kFirstAt = 36, kValueRoom = 8, kEleventhAt = 108, kEleventhRoom = 9;
constexpr double kBreakLimit = 99.99, kEleventhLimit = 999.99;
constexpr int kBreakTooLarge = 118, kEleventhTooLarge = 119;

bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::pair<std::size_t, std::size_t> ValueRoom(int k) {
  if (k == 11) return {kEleventhAt, kEleventhRoom};
  if (k == 10) return {kTenthAt, kValueRoom};
  return {kFirstAt + kValueRoom * static_cast<std::size_t>(k - 1), kValueRoom};
}

// The 20 characters of the four 5-character bounds.
std::string SortKey(const DiscountEntry& entry) {
  // Bounds written padded with NULs and with blanks compare alike.
  std::string key;
  for (int b = 0; b < 4; ++b) key.append(entry.data() + b * kBoundRoom, 5);
  std::replace(key.begin(), key.end(), '\0', ' ');
  return key;
}

}  // namespace

std::string ShownPercent(double value, bool eleventh) { return platform::DecimalText(value, eleventh ? 6 : 5, 2); }

std::string StoredPercent(double value) {
  std::string text = platform::DecimalText(value, 5, 2, platform::Padding::Zeros);
  for (char& c : text) {
    if (c != '0' && c != ' ') break;
    c = ' ';
  }
  return text;
}

CheckedPercent CheckPercent(std::string_view typed, bool eleventh) {
  const double value = platform::LeadingDecimalValue(typed);
  const double limit = eleventh ? kEleventhLimit : kBreakLimit;
  // A discount below zero would raise the charge: refused like one too large.
  const bool refused = (eleventh ? value > limit : value >= limit) || value < 0;
  if (refused) return {0, "0.00", eleventh ? kEleventhTooLarge : kBreakTooLarge};
  if (value == 0) return {0, "0.00", 0};
  return {value, ShownPercent(value, eleventh), 0};
}

bool CheckCanadianPrefix(std::string_view text) {
  text = Trimmed(text);
  if (text.size() != 3 || !IsLetter(text[0]) || !IsDigit(text[1]) || !IsLetter(text[2])) return false;
  const char first = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  const char third = static_cast<char>(std::toupper(static_cast<unsigned char>(text[2])));
  return std::string_view("DFIOQUWZ").find(first) == std::string_view::npos &&
         std::string_view("DFIOQU").find(third) == std::string_view::npos;
}

bool CheckRangeBound(std::string_view text, char zipMode) {
  if (!text.empty() && IsLetter(text[0])) return CheckCanadianPrefix(text);
  if (text.empty()) return true;
  // A range's keys are 5 characters: in mode '6' too a ZIP bound has 5.
  if (zipMode == '3') return text.size() == 3;
  return text.size() == 5;
}

EntryGroup GroupOf(const DiscountEntry& entry) {
  const bool originState = entry[0] == ' ';
  const bool destinationState = entry[2 * kBoundRoom] == ' ';
  return static_cast<EntryGroup>((originState ? 2 : 0) + (destinationState ? 1 : 0));
}

DiscountEntry MakeEntry(std::string_view originFrom, std::string_view originTo, std::string_view destinationFrom,
                        std::string_view destinationTo) {
  DiscountEntry entry{};
  const std::string_view bounds[] = {originFrom, originTo, destinationFrom, destinationTo};
  for (int b = 0; b < 4; ++b) {
    const std::string_view text = bounds[b].substr(0, kBoundRoom - 1);
    std::memcpy(entry.data() + b * kBoundRoom, text.data(), text.size());
  }
  return entry;
}

std::string BoundOf(const DiscountEntry& entry, int bound) {
  return std::string(platform::UntilNul(std::string_view(entry.data() + bound * kBoundRoom, kBoundRoom)));
}

std::string ValueOf(const DiscountEntry& entry, int k) {
  const auto [at, room] = ValueRoom(k);
  return std::string(platform::UntilNul(std::string_view(entry.data() + at, room)));
}

void SetValue(DiscountEntry& entry, int k, double value) {
  const auto [at, room] = ValueRoom(k);
  const std::string text = StoredPercent(value).substr(0, room - 1);
  std::fill_n(entry.data() + at, room, '\0');
  std::memcpy(entry.data() + at, text.data(), text.size());
}

Placement PlaceEntry(std::span<const DiscountEntry> entries, const DiscountEntry& entry) {
  const EntryGroup group = GroupOf(entry);
  const std::string key = SortKey(entry);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const EntryGroup other = GroupOf(entries[i]);
    if (other == EntryGroup::ZipZip) continue;  // a new ZIP-to-ZIP entry goes after them all
    if (other > group) return {Placement::Kind::Insert, i};
    if (other < group) continue;
    const std::string otherKey = SortKey(entries[i]);
    if (otherKey == key) return {Placement::Kind::Equal, i};
    if (otherKey > key) return {Placement::Kind::Insert, i};
  }
  if (BoundOf(entry, 1).empty()) return {};
  return {Placement::Kind::Insert, entries.size()};
}

std::string TypedBound(const DiscountEntry& entry, int bound) {
  const std::string text(Trimmed(BoundOf(entry, bound).substr(0, 5)));
  return !text.empty() && IsLetter(text[0]) ? text.substr(0, 3) : text;
}

std::string EntryLine(const DiscountEntry& entry) {
  std::string line;
  for (int b = 0; b < 4; ++b) {
    std::string bound = BoundOf(entry, b).substr(0, 5);
    const bool blank = bound.find_first_not_of(' ') == std::string::npos;
    if (!blank) bound = std::string(Trimmed(bound));
    if (!bound.empty() && IsLetter(bound[0]) && bound.size() > 3) bound = bound.substr(0, 3) + "  ";
    if (b > 0) line += '\t';
    line += bound;
  }
  return line;
}

}  // namespace qiv::settings
