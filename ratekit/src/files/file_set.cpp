#include "files/file_set.h"

#include <array>

#include "context/context_fields.h"
#include "context/descriptor_slots.h"
#include "context/token_table.h"
#include "files/accessorial_file.h"
#include "files/data_set_files.h"
#include "files/settings_images.h"
#include "messages/message_numbers.h"
#include "platform/kernel/file.h"
#include "tables/class_weight_files.h"
#include "tables/engineless_files.h"
#include "tables/lane_tariff_tables.h"
#include "tables/service_files.h"
#include "tables/state_tables.h"
#include "tables/text_tables.h"
#include "tables/zip_index_files.h"

namespace ratekit {
namespace {

using Failure = std::optional<std::int32_t>;

constexpr std::size_t kZmcRecordSize = 40;

bool Yes(const RatingContextView& record, platform::FieldSpan flag) { return record.charAt(flag.offset) == 'Y'; }

void ClearServiceFlags(RatingContextView& record) {
  for (const platform::FieldSpan flag :
       {context::kZpsLoaded, context::kBsvLoaded, context::kZpsNotNeeded, context::kTrmPresent, context::kSrvPresent})
    SetIntField(record, flag, 0);
}

bool Present(const RatingContextView& record, std::string_view extension) {
  return FindDataSetFile(record, extension).has_value();
}

// Opens the first of two files that is there into the probe slot and
// closes it again: 0 neither, 1 the first, 2 the second.
int Probe(RatingContextView& record, platform::FieldSpan slot, std::string_view first, std::string_view second) {
  int found = 0;
  if (auto path = FindDataSetFile(record, first)) found = OpenDescriptorSlot(record, slot, *path) >= 0 ? 1 : 0;
  if (found == 0)
    if (auto path = FindDataSetFile(record, second)) found = OpenDescriptorSlot(record, slot, *path) >= 0 ? 2 : 0;
  CloseDescriptorSlot(record, slot);
  return found;
}

// Step 8: the point-service files the checks search.
Failure OpenServiceFiles(RatingContextView& record) {
  ClearServiceFlags(record);
  if (!AllocateZpsHeader(record)) return message::kServiceRangeFile.read;
  if (auto failure = OpenServiceRanges(record)) return failure;
  bool opened = false;
  return OpenPostalServices(record, opened);
}

// Step 9: every table of a tariff rated without the engine.
Failure OpenEnginelessFiles(RatingContextView& record) {
  for (auto load : {&LoadMch, &LoadClassTable, &LoadWeightBreaks})
    if (auto failure = load(record)) return failure;
  if (IntField(record, context::kMexicoFilesLoaded) != 0)
    if (auto failure = LoadZfm(record)) return failure;
  if (!Yes(record, tariff_settings::kNoPostalCodes)) {
    if (auto failure = LoadZf2(record)) return failure;
    if (Probe(record, context::kRtcProbe, ".RTC", ".RCL") == 2) {
      SetIntField(record, context::kRclInsteadOfRtc, 1);
      SetIntField(record, context::kRclInsteadOfRtc2, 1);
    }
    if (auto failure = LoadBsc(record)) return failure;
  }
  for (auto load : {&LoadFac, &LoadFcc})
    if (auto failure = load(record)) return failure;
  if (!Yes(record, tariff_settings::kNoEnginelessData)) {
    if (record.charAt(tariff_settings::kBseOrThreeDigitExport.offset) == 'N')
      if (auto failure = LoadBse(record)) return failure;
    for (auto load : {&LoadZf1, &LoadLa, &LoadRba, &LoadLmc})
      if (auto failure = load(record)) return failure;
    if (Yes(record, tariff_settings::kLoadLca))
      if (auto failure = LoadLca(record)) return failure;
  }
  if (Yes(record, tariff_settings::kLoadEnginelessText))
    for (auto load : {&LoadLab, &LoadLam, &LoadAdj})
      if (auto failure = load(record)) return failure;
  ClearServiceFlags(record);
  bool bsvOpened = false;
  if (auto failure = OpenPostalServices(record, bsvOpened)) return failure;
  if (bsvOpened) {
    SetIntField(record, context::kTrmPresent, Present(record, ".TRM") ? 1 : 0);
    SetIntField(record, context::kSrvPresent, Present(record, ".SRV") ? 1 : 0);
  }
  if (!AllocateZpsHeader(record)) return message::kServiceRangeFile.read;
  if (IntField(record, context::kZpsNotNeeded) == 0)
    if (auto failure = OpenServiceRanges(record)) return failure;
  if (auto failure = LoadTableNames(record)) return failure;
  switch (Probe(record, context::kRteProbe, ".RTE", ".RTL")) {
    case 0: return message::kRateProbeFile.open;
    case 2:
      SetIntField(record, context::kRtlUsed, 1);
      SetIntField(record, context::kRtlInsteadOfRte, 1);
      break;
    default: break;
  }
  const FileContent zmc = ReadWholeFile(FindDataSetFile(record, ".ZMC"));
  SetIntField(record, context::kZmcRecordCount,
              zmc.outcome == ReadOutcome::Read ? static_cast<std::int32_t>(zmc.bytes.size() / kZmcRecordSize) : 0);
  return std::nullopt;
}

}  // namespace

std::optional<std::int32_t> OpenFileSet(RatingContextView& record, std::int32_t* stateTablesLoaded) {
  auto stateTables = [&] {
    if (stateTablesLoaded != nullptr) *stateTablesLoaded = 1;
  };
  if (auto failure = ReadTariffSettings(record)) return failure;
  ReadMexicoImages(record);
  if (Yes(record, tariff_settings::kLoadAccessorials))
    if (auto failure = ReadAccessorials(record)) return failure;
  if (auto failure = LoadProvinceTable(record)) {
    if (!Yes(record, tariff_settings::kNoPostalCodes)) return failure;
    SetLastError(record, *failure);
  } else {
    stateTables();
    record.setChar(tariff_settings::kNoPostalCodes.offset, 'N');
  }
  if (auto failure = LoadZipStates(record)) {
    SetLastError(record, *failure);
  } else {
    stateTables();
  }
  if (!Yes(record, tariff_settings::kNoPostalCodes))
    if (auto failure = LoadTariffZipRanges(record)) return failure;
  if (IntField(record, context::kEngineInUse) != 0) {
    if (auto failure = OpenServiceFiles(record)) return failure;
  } else if (auto failure = OpenEnginelessFiles(record)) {
    return failure;
  }
  SetIntField(record, context::kRtlUsed, 0);
  LoadLaneTariffTables(record);
  return std::nullopt;
}

void CloseFileSet(RatingContextView& record) {
  FreeLaneTariffTables();
  for (const platform::FieldSpan slot :
       {context::kCozTable, context::kSccTable, context::kZpsHeader, context::kEffectiveTableCopy,
        context::kCurrentEffectiveEntry, context::kLevelTable, context::kZipRangeTable, context::kLaTable,
        context::kRbaTable, context::kLmcTable, context::kLcaTable, context::kMchTable, context::kZf2IndexBlock,
        context::kLabStream, context::kLamStream})
    ClearSlot(record, slot);
  for (const platform::FieldSpan slot : {context::kZf1File, context::kZf2File, context::kZfmFile, context::kBseFile,
                                         context::kBscFile, context::kFacFile, context::kFccFile, context::kAdjFile,
                                         context::kZpsFile, context::kBsvFile, context::kRtcProbe, context::kRteProbe})
    CloseDescriptorSlot(record, slot);
  CloseProgramDescriptor(record, context::kDspFile, 0);
}

}  // namespace ratekit
