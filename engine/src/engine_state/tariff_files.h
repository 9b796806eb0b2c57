// A tariff's lettered files: NAME.<letter><suffix> in the engine's data
// path, where NAME is the current tariff's name (the request's name for the
// point-service file of a bureau tariff) and the suffix comes from the
// letter's field of the current EFCREC.TBL record (a field that begins with
// a letter stands for columns 12-13):
//   17-18 A L   27-28 I J   29-30 M R Z   31-32 T
//   33-34 B K P Q Y O H D X N   35-36 E   37-38 C F
//   12-13 (the record's sequence) U V and letters of no field
// One handle is kept per letter between ratings (the data folder keeps the
// handles of other tariffs too, see datafiles/data_folder.h); each opener
// answers 0 when the file is open (already or now), else the letter's
// engine code.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "datafiles/data_folder.h"
#include "effective/current_tariff.h"
#include "formats/rate_file.h"
#include "logs/binary_log.h"
#include "platform/kernel/file.h"

namespace vorn {

class RatingEngine;

// The columns of the EFCREC.TBL record that hold a letter's suffix.
platform::FieldSpan SuffixFieldOf(char letter);

// The two-character suffix a letter's file uses for a tariff.
std::string TariffFileSuffix(const CurrentTariff& tariff, char letter);

// The code an opener answers when the letter's file does not open.
std::int16_t OpenErrorOf(char letter);

class TariffFiles {
 public:
  // Opens the letter's file of the current tariff (0 or the letter's code).
  // The N, O and H files are closed first; an open F file is rewound
  // (reread); the I and J files share one handle, reopened for the other
  // letter only. The D file falls back to suffix "99" and may be missing
  // (answer 0, no file); the R file's index is read at open. requestedName
  // is the tariff name the request gives, which names a bureau tariff's D
  // file.
  std::int16_t open(RatingEngine& engine, char letter, std::string_view requestedName = {});
  // The letter's file of the current tariff on a handle of its own, for a
  // letter whose slot may hold the file of another role (the lane
  // percentage tables .Q, .J and .X); nothing when it does not open.
  std::shared_ptr<platform::File> openApart(RatingEngine& engine, char letter);
  // At the start of a rating: lets go of the handles the data folder no
  // longer vouches for (it changed since they were opened).
  void beginRating();
  platform::File* file(char letter);
  bool isOpen(char letter) const;
  void close(char letter);
  void closeAll();
  // When the current tariff differs from the one last seen: closes the E, F,
  // I/J, M, P/Q/Y, O, R, T, B and K files and remembers the tariff.
  void closeOnTariffChange(const CurrentTariff& current);

  // The matrix letter open ('I' or 'J', or 0).
  char matrixLetter() const { return matrixLetter_; }
  const std::vector<RateIndexEntry>& rateIndex() const { return rateIndex_; }
  // The F file's text, read when it was opened.
  const std::string& factorText() const { return factorText_; }

 private:
  static std::size_t slot(char letter);
  std::shared_ptr<platform::File> openTariffFile(RatingEngine& engine, char letter, const std::string& suffix,
                                                 std::string_view requestedName);

  std::array<std::shared_ptr<platform::File>, 26> files_;
  // Where each was opened, and that folder's generation then.
  std::array<DataFolder*, 26> folders_{};
  std::array<std::uint64_t, 26> generations_{};
  char matrixLetter_ = 0;
  std::vector<RateIndexEntry> rateIndex_;
  std::string factorText_;
  std::optional<CurrentTariff> lastSeen_;
};

}  // namespace vorn
