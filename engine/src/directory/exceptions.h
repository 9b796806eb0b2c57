// The exception passes over TDX.TBL, which drop tariff slots that do not
// serve a lane, and the exception names of a point from TDN.IDX/TDN.IDA.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/tdn.h"
#include "formats/tdx.h"
#include "logs/binary_log.h"
#include "platform/kernel/file.h"
#include "rating/setup_work.h"

namespace vorn {

class RatingEngine;
struct Rating;

// TDX.TBL open for the exception passes; the record last read is current.
class ExceptionTable {
 public:
  // 0, or 103 when TDX.TBL does not open.
  std::int16_t openExceptionTable(std::string_view folder, const BinaryDebugLog& log);
  void closeExceptionTable();
  // Makes the lowest record of (kind, origin code, destination code)
  // current: 0, or 113 when there is none.
  std::int16_t getExceptionRecord(std::int16_t kind, std::int16_t origin, std::int16_t destination);
  // Makes the following record current: 0, or 113 at the end of the file
  // (a short record there included).
  std::int16_t nextExceptionRecord();
  const ExceptionRecord& current() const { return current_; }

 private:
  std::int16_t readCurrent();
  std::optional<platform::File> file_;
  std::int64_t index_ = 0;
  ExceptionRecord current_;
};

// The state-pair pass: for each active slot the searches (kind, 0, 0),
// (kind, origin region, 0), (kind, 0, destination region) and (kind, origin
// region, destination region), each hit's groups applied, then the run of
// (kind, 99, 99). Answers 103 when TDX.TBL does not open.
std::int16_t ApplyStatePairExceptions(std::string_view folder, const BinaryDebugLog& log, SetupWork& setup);

// The general pass: the run of (kind, 98, 98) of each active slot. 103 when
// TDX.TBL does not open.
std::int16_t ApplyGeneralExceptions(std::string_view folder, const BinaryDebugLog& log, SetupWork& setup);

struct ExceptionName {
  std::array<std::uint8_t, 5> key{};  // the index record's packed ZIP and kind
  std::string name;                   // 19 characters, blank-padded
};

// The exception names of a code for the active slots' kinds (and their
// alternate kinds) at the chosen version; names of 1 or 2 characters are
// not taken. At most capacity names; none when either file is missing.
std::vector<ExceptionName> ReadExceptionNames(std::string_view folder, const BinaryDebugLog& log,
                                              const SetupWork& setup, std::string_view code, std::size_t capacity);

// The exception-name choice of one end of the lane (origin or destination)
// when several tariff slots are in use.
void ChooseExceptionName(RatingEngine& engine, Rating& rating, bool origin);

}  // namespace vorn
