#include "settings/postal_codes.h"

#include <algorithm>

namespace qiv::settings {
namespace {

struct Position {
  int low;
  int high;
  bool skipsUnusedLetters;
};
// Letter, digit, letter, digit, letter.
constexpr std::array<Position, 5> kPositions{
    {{'A', 'Z', false}, {'0', '9', false}, {'A', 'Z', true}, {'0', '9', false}, {'A', 'Z', true}}};
constexpr std::string_view kUnusedLetters = "DFIOQU";

bool Allowed(int c, const Position& p) {
  if (c < p.low || c > p.high) return false;
  return !p.skipsUnusedLetters || kUnusedLetters.find(static_cast<char>(c)) == std::string_view::npos;
}

int Extreme(const Position& p, bool lowest) {
  int c = lowest ? p.low : p.high;
  while (!Allowed(c, p)) c += lowest ? 1 : -1;
  return c;
}

// Steps the character at position `last` one place up or down, carrying
// into the positions before it; false past either end of the code space. A
// character outside its position's alphabet steps to the nearest one in
// the direction of the step, so every step moves the code in byte order.
bool StepAt(RangeCode& code, int last, bool up) {
  for (int i = last; i >= 0; --i) {
    const Position& p = kPositions[static_cast<std::size_t>(i)];
    for (int c = static_cast<unsigned char>(code[static_cast<std::size_t>(i)]);;) {
      c += up ? 1 : -1;
      if (up ? c > p.high : c < p.low) break;
      if (Allowed(c, p)) {
        code[static_cast<std::size_t>(i)] = static_cast<char>(c);
        return true;
      }
    }
    code[static_cast<std::size_t>(i)] = static_cast<char>(Extreme(p, up));
  }
  return false;
}

void SetSuffix(RangeCode& code, std::string_view suffix) { std::copy(suffix.begin(), suffix.end(), code.begin() + 3); }

}  // namespace

RangeCode MakeRangeCode(std::string_view text) {
  RangeCode code;
  code.fill(' ');
  std::copy_n(text.begin(), std::min(text.size(), code.size()), code.begin());
  return code;
}

std::string_view PrefixOf(const RangeCode& code) { return {code.data(), 3}; }
std::string_view SuffixOf(const RangeCode& code) { return {code.data() + 3, 2}; }

bool SpansWholePrefix(const RangeCode& code) {
  return SuffixOf(code) == kWholePrefixFrom || SuffixOf(code) == kWholePrefixTo;
}

std::optional<RangeCode> StepPrefix(RangeCode code, bool up) {
  if (!StepAt(code, 2, up)) return std::nullopt;
  return code;
}

std::optional<RangeCode> StepToUsablePrefix(RangeCode code, bool up, const UsablePrefix& usable) {
  std::optional<RangeCode> stepped = code;
  do {
    stepped = StepPrefix(*stepped, up);
  } while (stepped && !usable(PrefixOf(*stepped)));
  return stepped;
}

namespace {

std::optional<RangeCode> Neighbour(const RangeCode& code, bool up, const UsablePrefix& usable) {
  RangeCode next = code;
  const std::string_view wholeSuffix = up ? kWholePrefixFrom : kWholePrefixTo;
  if (SpansWholePrefix(code)) {
    if (!StepAt(next, 2, up)) return std::nullopt;
    SetSuffix(next, wholeSuffix);
  } else if (!StepAt(next, 4, up)) {
    return std::nullopt;
  }
  if (usable(PrefixOf(next))) return next;
  std::optional<RangeCode> stepped = StepToUsablePrefix(next, up, usable);
  if (stepped) SetSuffix(*stepped, wholeSuffix);
  return stepped;
}

}  // namespace

std::optional<RangeCode> CodeAfter(const RangeCode& code, const UsablePrefix& usable) {
  return Neighbour(code, true, usable);
}

std::optional<RangeCode> CodeBefore(const RangeCode& code, const UsablePrefix& usable) {
  return Neighbour(code, false, usable);
}

}  // namespace qiv::settings
