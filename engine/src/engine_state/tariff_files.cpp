#include "engine_state/tariff_files.h"

#include <cctype>
#include <cstring>

#include "engine_state/rating_engine.h"
#include "errors/engine_error.h"
#include "platform/kernel/byte_record.h"
#include "platform/kernel/fixed_format.h"
#include "platform/kernel/path.h"

namespace vorn {
namespace {

bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

}  // namespace

platform::FieldSpan SuffixFieldOf(char letter) {
  switch (letter) {
    case 'A':
    case 'L': return {17, 2};
    case 'I':
    case 'J': return {27, 2};
    case 'M':
    case 'R':
    case 'Z': return {29, 2};
    case 'T': return {31, 2};
    case 'E': return {35, 2};
    case 'C':
    case 'F': return {37, 2};
    case 'B':
    case 'K':
    case 'P':
    case 'Q':
    case 'Y':
    case 'O':
    case 'H':
    case 'D':
    case 'X':
    case 'N': return {33, 2};
    // U and V (and any other letter) have no field of their own: the
    // record's sequence, its default file-name suffix, stands in.
    default: return {12, 2};
  }
}

std::string TariffFileSuffix(const CurrentTariff& t, char letter) {
  const platform::FieldSpan field = SuffixFieldOf(letter);
  const char* at = field.offset == 12   ? t.sequence.data()
                   : field.offset == 17 ? t.laneDigitsAndName.data()
                                        : t.suffixes.data() + (field.offset - 27);
  std::string suffix(at, 2);
  if (IsLetter(suffix[0])) suffix = std::string(t.sequence.data(), 2);
  return suffix;
}

std::int16_t OpenErrorOf(char letter) {
  switch (letter) {
    case 'A': return code::kCantOpenLaneAdjustments;
    case 'B': return code::kCantOpenLightBase;
    case 'K': return code::kCantOpenLightMatrix;
    case 'C': return code::kCantOpenClassFactors;
    case 'E': return code::kCantOpenCityFile;
    case 'F': return code::kCantOpenFactorFile;
    case 'H': return code::kCantOpenRateBasisAddOns;
    case 'I':
    case 'J': return code::kCantOpenMatrix;
    case 'L': return code::kCantOpenLaneList;
    case 'M': return code::kCantOpenMinimums;
    case 'N': return code::kCantOpenNFile;
    case 'O': return code::kCantOpenCityAddOns;
    case 'P':
    case 'Q':
    case 'Y': return code::kCantOpenPointFile;
    case 'R': return code::kCantOpenRateFile;
    case 'T': return code::kCantOpenWeightTypes;
    case 'X': return code::kCantOpenXFile;
    case 'Z': return code::kCantOpenZipPairs;
    default: return code::kTariffFilesNotFound;
  }
}

std::size_t TariffFiles::slot(char letter) { return static_cast<std::size_t>(letter - 'A') % 26; }

std::shared_ptr<platform::File> TariffFiles::openTariffFile(RatingEngine& engine, char letter,
                                                            const std::string& suffix, std::string_view requestedName) {
  std::string name(platform::TrimTrailingBlanks(engine.currentTariff.name()));
  if (letter == 'D' && engine.currentTariff.tariffType == 'Y') name = requestedName;
  name = name.substr(0, 8);
  DataFolder& folder = engine.folders.at(engine.dataPath);
  std::shared_ptr<platform::File> file = folder.open(name + "." + letter + suffix);
  if (file) engine.binaryLog.fileOpened(file->path());
  const std::size_t s = slot(letter == 'J' ? 'I' : letter);
  folders_[s] = &folder;
  generations_[s] = folder.generation();
  return file;
}

std::shared_ptr<platform::File> TariffFiles::openApart(RatingEngine& engine, char letter) {
  const std::string name(platform::TrimTrailingBlanks(engine.currentTariff.name()).substr(0, 8));
  std::shared_ptr<platform::File> file =
      engine.folders.at(engine.dataPath).open(name + "." + letter + TariffFileSuffix(engine.currentTariff, letter));
  if (file) engine.binaryLog.fileOpened(file->path());
  return file;
}

void TariffFiles::beginRating() {
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    const std::size_t s = slot(letter);
    if (files_[s] && folders_[s] != nullptr && generations_[s] != folders_[s]->generation()) {
      close(letter);
      lastSeen_.reset();
    }
  }
}

std::int16_t TariffFiles::open(RatingEngine& engine, char letter, std::string_view requestedName) {
  if (letter < 'A' || letter > 'Z') return code::kTariffFilesNotFound;
  const bool matrix = letter == 'I' || letter == 'J';
  std::shared_ptr<platform::File>& handle = files_[slot(matrix ? 'I' : letter)];
  if (letter == 'N' || letter == 'O' || letter == 'H') handle.reset();
  if (matrix && handle && matrixLetter_ != letter) handle.reset();
  if (handle && letter != 'F') return 0;
  handle.reset();

  const std::string suffix = TariffFileSuffix(engine.currentTariff, letter);
  std::shared_ptr<platform::File> file = openTariffFile(engine, letter, suffix, requestedName);
  if (!file && letter == 'D') file = openTariffFile(engine, letter, "99", requestedName);
  if (!file) return letter == 'D' ? 0 : OpenErrorOf(letter);

  if (letter == 'R') rateIndex_ = ReadRateIndex(*file);
  if (letter == 'F') {
    std::string text;
    std::uint8_t chunk[8192];
    for (std::int64_t at = 0;;) {
      const std::ptrdiff_t n = file->readAt(at, chunk);
      if (n < 0) return code::kCantReadFactorFile;
      if (n == 0) break;
      text.append(reinterpret_cast<const char*>(chunk), static_cast<std::size_t>(n));
      at += n;
    }
    factorText_ = std::move(text);
  }
  if (matrix) matrixLetter_ = letter;
  handle = std::move(file);
  return 0;
}

platform::File* TariffFiles::file(char letter) {
  if (letter < 'A' || letter > 'Z') return nullptr;
  const bool matrix = letter == 'I' || letter == 'J';
  if (matrix && matrixLetter_ != letter) return nullptr;
  const std::shared_ptr<platform::File>& handle = files_[slot(matrix ? 'I' : letter)];
  if (!handle) return nullptr;
  if (DataFolder* folder = folders_[slot(matrix ? 'I' : letter)]) folder->hold(*handle);
  return handle.get();
}

bool TariffFiles::isOpen(char letter) const {
  if (letter < 'A' || letter > 'Z') return false;
  if (letter == 'J') return matrixLetter_ == 'J' && files_[slot('I')] != nullptr;
  if (letter == 'I') return matrixLetter_ == 'I' && files_[slot('I')] != nullptr;
  return files_[slot(letter)] != nullptr;
}

void TariffFiles::close(char letter) {
  if (letter < 'A' || letter > 'Z') return;
  const bool matrix = letter == 'I' || letter == 'J';
  files_[slot(matrix ? 'I' : letter)].reset();
  if (matrix) matrixLetter_ = 0;
  if (letter == 'F') factorText_.clear();
  if (letter == 'R') rateIndex_.clear();
}

void TariffFiles::closeAll() {
  for (char letter = 'A'; letter <= 'Z'; ++letter) close(letter);
  lastSeen_.reset();
}

void TariffFiles::closeOnTariffChange(const CurrentTariff& current) {
  if (lastSeen_ && *lastSeen_ == current) return;
  for (char letter : {'E', 'F', 'I', 'M', 'P', 'Q', 'Y', 'O', 'R', 'T', 'B', 'K'}) close(letter);
  lastSeen_ = current;
}

}  // namespace vorn
