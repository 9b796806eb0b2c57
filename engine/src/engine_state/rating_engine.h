// The engine of one calling thread: what lives across its ratings (paths and
// settings, the data folders and the tariff's files, the effective table and
// the current tariff, the tables loaded, the logs). One exists per thread
// that calls the library; nothing in it is shared between threads. A
// rating's own state is the Rating the driver makes for it
// (rating/rating.h).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "datafiles/data_folder.h"
#include "effective/current_tariff.h"
#include "effective/effective_table.h"
#include "engine_state/fetch_state.h"
#include "engine_state/rating_steps.h"
#include "engine_state/tariff_files.h"
#include "formats/factor_file.h"
#include "formats/lettered_code_table.h"
#include "formats/parameter_table.h"
#include "formats/tda.h"
#include "formats/tds.h"
#include "logs/binary_log.h"
#include "rating/class_break_work.h"
#include "request/request_key.h"

namespace vorn {

class RatingEngine {
 public:
  RatingEngine();
  virtual ~RatingEngine();
  RatingEngine(const RatingEngine&) = delete;
  RatingEngine& operator=(const RatingEngine&) = delete;

  // Paths. The data path holds the lettered tariff files and the text log;
  // the effective path, fixed at initialisation, holds EFCREC.TBL and the
  // tariff-directory files. Both end with a separator or are empty.
  std::string dataPath;
  std::string effectivePath;

  char serviceGuideLetter = 'N';
  char debugFlag = 'N';  // text log on when 'Y'
  BinaryDebugLog binaryLog;

  std::uint32_t callCounter = 0;
  std::string revisionText;

  ParameterTable parameters;
  LetteredCodeTable letteredCodes;
  std::array<std::array<char, 5>, 9> breakLabels{};
  std::array<std::array<char, 4>, 3> coreCodeTexts{};

  // The folders the engine reads its files from (data path, effective path).
  DataFolders folders;
  EffectiveTable effective;
  CurrentTariff currentTariff;
  StateTable states;         // TDA.SEQ
  SelectionTable selection;  // TDS.SEQ

  // What is kept from the last rating: its request's key and its
  // class-and-break work, used again by a rating with the same key.
  std::optional<RequestKey> lastRequestKey;
  ClassBreakWork savedCore;

  // The tariff's lettered files and what its factor file holds.
  TariffFiles files;
  TariffFactors factors;
  FetchState fetch;  // the tier switch of the rate fetch
  // The light-edition table code in use: the last base lookup's, which the
  // factor file's NCITY lines are matched with.
  std::array<char, 2> lightEditionCode{};
  // The steps the driver runs; the engine's own unless a test gives others.
  RatingSteps* steps = &EngineRatingSteps();

  // Loads the effective table and the tariff-directory tables that live as
  // long as the engine: 0 or the first error (203, 209, 102, 101).
  std::int16_t initializeEffectiveTable();
  // Forgets the effective table and the current tariff.
  void endEffectiveTable();
};

}  // namespace vorn
