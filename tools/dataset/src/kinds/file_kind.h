// A kind of data file: its block keyword, the settings its block header
// takes, the files it writes, how its items become records and back, how a
// file splits into records, and the builder's checks. Adding a kind is one
// class like these and one line in the registry.
//
// Most kinds write one file, one record per item; they derive from
// RecordFileKind (kinds/record_file_kind.h). A kind that writes two files
// (TDN.IDX with TDN.IDA) or whose items are not records (the factor file)
// implements FileKind itself.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dataset/data_set.h"
#include "description/block_reader.h"
#include "description/field_list.h"

namespace dataset {

// A block's settings: the key=value fields of its header, completed from
// the files around it (a tariff file's suffix from EFCREC.TBL, the row width
// of TDT.BIN from TDS.SEQ), in the order of the kind's settingKeys().
using Settings = FieldList;

// The value of a setting, or null.
const std::string* FindSetting(const Settings& settings, std::string_view key);

// Sets key to value, replacing an earlier value.
void PutSetting(Settings& settings, std::string_view key, std::string value);

// The files beside the one at hand: the other files of a description, or
// the other files of a file's directory.
class Neighbours {
 public:
  virtual ~Neighbours() = default;
  // The content of the file of that name (matched without regard to case), or nothing.
  virtual std::optional<std::string> content(std::string_view fileName) const = 0;
};

// Neighbours of a file that stands alone.
class NoNeighbours final : public Neighbours {
 public:
  std::optional<std::string> content(std::string_view) const override { return std::nullopt; }
};

// A problem found by a kind's checks: in one record, or in the whole file.
struct KindProblem {
  std::optional<std::size_t> record;
  std::string message;
  std::size_t file = 0;  // which of the block's files (index into fileNames())
};
using KindProblems = std::vector<KindProblem>;

// One of a block's files as the checks see it.
struct FileRecords {
  std::string_view content;
  std::vector<std::string_view> records;
};

// An item line: its keyword and fields.
struct ItemLine {
  std::string keyword;
  FieldList fields;
};

class FileKind {
 public:
  virtual ~FileKind() = default;

  // The block keyword, e.g. "efcrec".
  virtual std::string_view keyword() const = 0;

  // The header fields the block takes besides the word "raw", in the order
  // a decoded header shows them.
  virtual std::span<const std::string_view> settingKeys() const { return {}; }

  // The settings a file's name implies when it names a file of this kind
  // ("TSTFRT01.F01" gives tariff=TSTFRT01 suffix=01); nothing otherwise.
  virtual std::optional<Settings> recognise(std::string_view fileName) const = 0;

  // True when settle() reads neighbours; a description builds such blocks
  // after the others.
  virtual bool readsNeighbours() const { return false; }

  // The settings completed from the neighbours and checked. Throws FieldError.
  virtual Settings settle(Settings given, const Neighbours& neighbours) const;

  // The files the block writes, the main one first. Throws FieldError when
  // the settings do not name them.
  virtual std::vector<std::string> fileNames(const Settings& settings) const = 0;

  // Each file's records (in fileNames() order) from the block's items.
  // Throws DescriptionError with the line of the item at fault.
  virtual std::vector<std::vector<DataRecord>> build(std::span<const ItemText> items,
                                                     const Settings& settings) const = 0;

  // The records of one of the files (index into fileNames()); a short last
  // piece is a record too. Nothing when the kind cannot tell where records
  // end (a tariff file of a layout not known here).
  virtual std::optional<std::vector<std::string_view>> splitRecords(std::size_t file, std::string_view content,
                                                                    const Settings& settings) const = 0;

  // Appends what the builder refuses in the block's files (in fileNames()
  // order; a file that is not there is empty).
  virtual void check(std::span<const FileRecords> files, const Settings& settings, KindProblems& problems) const = 0;

  // The item lines that build these contents again (one content per file,
  // in fileNames() order), each line ending in a line feed.
  virtual std::string describe(std::span<const std::string_view> contents, const Settings& settings) const = 0;
};

// The kind with that block keyword, or null.
const FileKind* FindKindByKeyword(std::string_view keyword);

// The kind that a file name belongs to, with the settings the name implies.
struct RecognisedFile {
  const FileKind* kind;
  Settings settings;
};
std::optional<RecognisedFile> RecogniseFileName(std::string_view fileName);

// Every kind, in the registry's order.
std::span<const FileKind* const> FileKinds();

// "efcrec, tda, tds, ...": the block keywords, for messages.
std::string FileKindList();

// True when two names are equal without regard to case.
bool SameName(std::string_view a, std::string_view b);

// The kinds, one each.
const FileKind& EfcrecFileKind();
const FileKind& TdaFileKind();
const FileKind& TdsFileKind();
const FileKind& TdvFileKind();
const FileKind& TdzFileKind();
const FileKind& TdtFileKind();
const FileKind& TdxFileKind();
const FileKind& TdnFileKind();
const FileKind& FactorFileKind();
const FileKind& PointServiceFileKind();
const FileKind& LetteredFileKind();
// The rate data of a tariff (kinds/rates/).
const FileKind& RatesFileKind();
const FileKind& MatrixFileKind();
const FileKind& PointsFileKind();
const FileKind& ZonesFileKind();
const FileKind& ClassFactorsFileKind();
const FileKind& ZipPairsFileKind();
const FileKind& RateBasisAddOnsFileKind();
const FileKind& MinimumsFileKind();
const FileKind& LightBaseFileKind();
const FileKind& LightMatrixFileKind();
const FileKind& PointPairLanesFileKind();
const FileKind& PointAdjustmentsFileKind();
const FileKind& ZipSlotLanesFileKind();
const FileKind& LanePairAdjustmentsFileKind();
const FileKind& PackageCodesFileKind();
// The zone-pair lane lists and their adjustment records (kinds/rates/zone_lane_kinds.cpp).
const FileKind& ZonePairLanesFileKind();
const FileKind& CellAdjustmentsFileKind();
const FileKind& OperatorAdjustmentsFileKind();
const FileKind& RangeLanesFileKind();
// The lane percentage tables (kinds/rates/percent_table_kinds.cpp).
const FileKind& PercentBasesFileKind();
const FileKind& PercentMatrixFileKind();
const FileKind& PercentExceptionsFileKind();
// The global lane list of letter G (kinds/rates/global_lane_kinds.cpp).
const FileKind& GlobalLanesFileKind();
const FileKind& BaseKeysFileKind();
const FileKind& ListAdjustmentsFileKind();
// The files of a level read by the rating-function library (kinds/level/lane_file_kinds.cpp).
const FileKind& NoDiscountStatesFileKind();
const FileKind& CanadianLanesFileKind();
const FileKind& BaseCodesFileKind();
const FileKind& LaneTariffsFileKind();
// The settings images (kinds/level/image_kinds.cpp), lists, tables and profiles of a level (kinds/level/).
const FileKind& TariffSettingsFileKind();
const FileKind& RatingDefaultsFileKind();
const FileKind& DiscountImageFileKind();
const FileKind& MexicoDefaultsFileKind();
const FileKind& MexicoSettingsFileKind();
const FileKind& LevelListFileKind();
const FileKind& OriginCodesFileKind();
const FileKind& AccessorialsFileKind();
const FileKind& ClassesFileKind();
const FileKind& WeightBreaksFileKind();
const FileKind& TableNamesFileKind();
const FileKind& ProvincePrefixesFileKind();
const FileKind& ZipStatesFileKind();
const FileKind& ZipRangesFileKind();
const FileKind& ServiceRangesFileKind();
const FileKind& PostalServicesFileKind();
const FileKind& EnginelessTableFileKind();
const FileKind& ZipIndexFileKind();
const FileKind& BasePointBlockFileKind();
const FileKind& ProfilesFileKind();
const FileKind& StateListFileKind();
const FileKind& ProvinceListFileKind();
const FileKind& OptionRecordsFileKind();
// The city files of a tariff (kinds/city_kinds.cpp).
const FileKind& CityPointsFileKind();
const FileKind& CityAddOnsFileKind();
// The files of the rating screen (kinds/language_kind.cpp, library_names_kind.cpp,
// about_kind.cpp) and those of its levels (kinds/level/city_list_kinds.cpp,
// base_point_names_kind.cpp); the Mexico images are settings images above.
const FileKind& LanguageFileKind();
const FileKind& LibraryNamesFileKind();
const FileKind& AboutFileKind();
const FileKind& UsCitiesFileKind();
const FileKind& CanadianCitiesFileKind();
const FileKind& MexicanCitiesFileKind();
const FileKind& BasePointNamesFileKind();
// The service guide's data, DLLData.dat (kinds/service_guide_kind.cpp).
const FileKind& ServiceGuideFileKind();
const FileKind& BasePointsFileKind();
const FileKind& BaseZonesFileKind();
const FileKind& BorderUsZonesFileKind();
const FileKind& BorderCanadianZonesFileKind();
const FileKind& ZoneKindsFileKind();
const FileKind& BorderZoneKindsFileKind();
const FileKind& CoastalZipsFileKind();
const FileKind& CoastalFeesFileKind();

}  // namespace dataset
