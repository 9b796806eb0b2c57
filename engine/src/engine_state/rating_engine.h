// The engine of one calling thread: its paths and settings, its tables, the
// current tariff and the state the rating steps share. One exists per thread
// that calls the library; nothing in it is shared between threads.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "datafiles/data_folder.h"
#include "effective/current_tariff.h"
#include "effective/effective_table.h"
#include "engine_state/rating_steps.h"
#include "engine_state/tariff_files.h"
#include "formats/factor_file.h"
#include "formats/lettered_code_table.h"
#include "formats/parameter_table.h"
#include "formats/tda.h"
#include "formats/tds.h"
#include "logs/binary_log.h"
#include "rating/fetch_work.h"
#include "rating/method_work.h"
#include "rating/rate_file_work.h"
#include "rating/shipment_work.h"
#include "rating/tariff_table_work.h"
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
  BinaryLog binaryLog;

  std::uint32_t callCounter = 0;
  void* cityCandidates = nullptr;  // the caller's buffer for the rating in progress
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

  // The rating in progress and what is kept from the last one.
  ShipmentWork work;
  std::array<char, 4> serviceGuideStatus{' ', ' ', ' ', ' '};
  std::optional<RequestKey> lastRequestKey;
  ClassBreakWork savedCore;

  // The tariff's lettered files and what its factor file holds.
  TariffFiles files;
  TariffFactors factors;
  // What the rate-file lookups and the tariff tables found for the shipment.
  RateFileWork rates;
  TariffTableWork tables;
  MethodWork methods;  // what the tariff method left beside the rate record
  FetchWork fetch;     // the minimum record area and the tier switch of the rate fetch
  std::array<char, 2>
      lightEditionCode{};  // the light-edition table code in use  // the class-and-break work of the last rating
  // The record being rated (during a rating only).
  ShipmentRecord* ratingRecord = nullptr;
  // The steps the driver runs; the engine's own unless a test gives others.
  RatingSteps* steps = &EngineRatingSteps();

  // Loads the effective table and the tariff-directory tables that live as
  // long as the engine: 0 or the first error (203, 209, 102, 101).
  std::int16_t initialiseEffectiveTable();
  // Forgets the effective table and the current tariff.
  void endEffectiveTable();
};

}  // namespace vorn
