#include "kinds/file_kind.h"

namespace dataset {

std::span<const FileKind* const> FileKinds() {
  // The kinds of fixed file names come before the tariff files, whose name
  // pattern (NAME.<letter><suffix>) also fits names such as TDA.SEQ.
  static const FileKind* const kinds[] = {&EfcrecFileKind(),
                                          &TdaFileKind(),
                                          &TdsFileKind(),
                                          &TdvFileKind(),
                                          &TdzFileKind(),
                                          &TdtFileKind(),
                                          &TdxFileKind(),
                                          &TdnFileKind(),
                                          &ServiceGuideFileKind(),
                                          &FactorFileKind(),
                                          &PointServiceFileKind(),
                                          &RatesFileKind(),
                                          &MatrixFileKind(),
                                          &PointsFileKind(),
                                          &ZonesFileKind(),
                                          &ClassFactorsFileKind(),
                                          &ZipPairsFileKind(),
                                          &RateBasisAddOnsFileKind(),
                                          &LightBaseFileKind(),
                                          &LightMatrixFileKind(),
                                          &MinimumsFileKind(),
                                          &CityPointsFileKind(),
                                          &CityAddOnsFileKind(),
                                          &PointPairLanesFileKind(),
                                          &PointAdjustmentsFileKind(),
                                          &ZipSlotLanesFileKind(),
                                          &LanePairAdjustmentsFileKind(),
                                          &PackageCodesFileKind(),
                                          &ZonePairLanesFileKind(),
                                          &CellAdjustmentsFileKind(),
                                          &OperatorAdjustmentsFileKind(),
                                          &RangeLanesFileKind(),
                                          &PercentBasesFileKind(),
                                          &PercentMatrixFileKind(),
                                          &PercentExceptionsFileKind(),
                                          &GlobalLanesFileKind(),
                                          &BaseKeysFileKind(),
                                          &ListAdjustmentsFileKind(),
                                          &NoDiscountStatesFileKind(),
                                          &CanadianLanesFileKind(),
                                          &BaseCodesFileKind(),
                                          &LaneTariffsFileKind(),
                                          &TariffSettingsFileKind(),
                                          &RatingDefaultsFileKind(),
                                          &DiscountImageFileKind(),
                                          &MexicoDefaultsFileKind(),
                                          &MexicoSettingsFileKind(),
                                          &LevelListFileKind(),
                                          &OriginCodesFileKind(),
                                          &AccessorialsFileKind(),
                                          &ClassesFileKind(),
                                          &WeightBreaksFileKind(),
                                          &TableNamesFileKind(),
                                          &ProvincePrefixesFileKind(),
                                          &ZipStatesFileKind(),
                                          &ZipRangesFileKind(),
                                          &ServiceRangesFileKind(),
                                          &PostalServicesFileKind(),
                                          &EnginelessTableFileKind(),
                                          &ZipIndexFileKind(),
                                          &BasePointBlockFileKind(),
                                          &ProfilesFileKind(),
                                          &StateListFileKind(),
                                          &ProvinceListFileKind(),
                                          &OptionRecordsFileKind(),
                                          &LanguageFileKind(),
                                          &LibraryNamesFileKind(),
                                          &AboutFileKind(),
                                          &UsCitiesFileKind(),
                                          &CanadianCitiesFileKind(),
                                          &MexicanCitiesFileKind(),
                                          &BasePointNamesFileKind(),
                                          &BasePointsFileKind(),
                                          &BaseZonesFileKind(),
                                          &BorderUsZonesFileKind(),
                                          &BorderCanadianZonesFileKind(),
                                          &ZoneKindsFileKind(),
                                          &BorderZoneKindsFileKind(),
                                          &CoastalZipsFileKind(),
                                          &CoastalFeesFileKind(),
                                          &LetteredFileKind()};
  return kinds;
}

std::string FileKindList() {
  std::string list;
  for (const FileKind* kind : FileKinds()) {
    if (!list.empty()) list += ", ";
    list += kind->keyword();
  }
  return list;
}

const FileKind* FindKindByKeyword(std::string_view keyword) {
  for (const FileKind* kind : FileKinds()) {
    if (SameName(keyword, kind->keyword())) return kind;
  }
  return nullptr;
}

std::optional<RecognisedFile> RecogniseFileName(std::string_view fileName) {
  for (const FileKind* kind : FileKinds()) {
    if (std::optional<Settings> settings = kind->recognise(fileName)) return RecognisedFile{kind, std::move(*settings)};
  }
  return std::nullopt;
}

}  // namespace dataset
