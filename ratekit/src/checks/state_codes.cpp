#include "checks/state_codes.h"

#include <array>

#include "context/context_fields.h"
#include "engine/engine_connection.h"
#include "messages/message_numbers.h"
#include "platform/kernel/digits.h"
#include "platform/kernel/fixed_format.h"
#include "tables/record_tables.h"

namespace ratekit {
namespace {

constexpr std::size_t kPrefixWidth = 3;
constexpr std::size_t kMexicanCodeLength = 6;
constexpr std::string_view kOutOfScopeState = "YY", kUnknownState = "XX";
constexpr platform::FieldSpan kLowPrefix{2, 3}, kHighPrefix{5, 3};  // after the state (2)

std::string_view Field(std::string_view r, platform::FieldSpan f) { return r.substr(f.offset, f.width); }

std::array<char, kPrefixWidth> Prefix(std::string_view code) {
  std::array<char, kPrefixWidth> prefix{};
  code.substr(0, std::min(code.size(), kPrefixWidth)).copy(prefix.data(), kPrefixWidth);
  return prefix;
}

}  // namespace

int ProvinceIndex(const RatingContextView& record, std::string_view prefix) {
  const std::array<char, kPrefixWidth> key = Prefix(prefix);
  const std::string_view p(key.data(), key.size());
  const std::string_view records = TableRecords(record, kProvinceTable);
  std::size_t low = 0, high = records.size() / kProvinceTable.recordSize;
  while (low < high) {
    const std::size_t mid = low + (high - low) / 2;
    const std::string_view r = records.substr(mid * kProvinceTable.recordSize, kProvinceTable.recordSize);
    if (Field(r, kHighPrefix).compare(p) < 0) {
      low = mid + 1;
    } else if (Field(r, kLowPrefix).compare(p) <= 0) {
      return static_cast<int>(mid);
    } else {
      high = mid;
    }
  }
  return -1;
}

int StateOfCode(RatingContextView& record, std::string_view code, char* state2, char* flag1, char* flag2) {
  code = code.substr(0, std::min(code.find('\0'), shipment_point::kCode.width));
  std::array<char, 2> state{};
  std::array<char, 2> flags{};
  bool stateGiven = false, flagsGiven = false;
  const bool engineDecides = record.charAt(tariff_settings::kStateLookup.offset) != 'N' &&
                             record.charAt(context::ZipStateEntry(1).offset) == '\0';
  if (engineDecides) {
    const std::string zip(code);
    std::array<char, 3> answer{};
    stateGiven = EngineStateOfCode(zip.c_str(), answer.data()) == 1;
    if (stateGiven) std::copy(answer.begin(), answer.begin() + 2, state.begin());
  } else if (code.size() == kMexicanCodeLength && code[kMexicanCodeLength - 1] == 'M') {
    state = {'M', 'X'};
    stateGiven = true;
  } else if (!code.empty() && platform::IsDecimalDigit(code[0])) {
    const std::size_t v = platform::LeadingDigits(code.substr(0, std::min(code.size(), kPrefixWidth))).value;
    const std::string_view entry = record.text(context::ZipStateEntry(v));
    std::copy(entry.begin(), entry.begin() + 2, state.begin());
    std::copy(entry.begin() + 2, entry.end(), flags.begin());
    stateGiven = flagsGiven = true;
  } else if (const int index = ProvinceIndex(record, code); index >= 0) {
    const std::string_view r =
        TableRecords(record, kProvinceTable).substr(static_cast<std::size_t>(index) * kProvinceTable.recordSize);
    std::copy_n(r.begin(), 2, state.begin());
    stateGiven = true;
  }
  if (stateGiven && state2 != nullptr) std::copy(state.begin(), state.end(), state2);
  if (flagsGiven && flag1 != nullptr) *flag1 = flags[0];
  if (flagsGiven && flag2 != nullptr) *flag2 = flags[1];
  const std::string_view given(state.data(), state.size());
  if (given == kOutOfScopeState) {
    SetLastError(record, message::kOutOfScope);
    return 0;
  }
  if (given == kUnknownState || state[0] == '\0' || Prefix(code) == std::array<char, 3>{'0', '0', '0'}) {
    SetLastError(record, message::kNone);
    return 0;
  }
  return 1;
}

}  // namespace ratekit
