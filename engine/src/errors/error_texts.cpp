#include "errors/error_texts.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string>

#include "errors/engine_codes.h"
#include "platform/kernel/fixed_format.h"

namespace vorn {
namespace {

// Each entry names its code (errors/engine_codes.h), so that every number
// is written once.
constexpr std::array<ErrorTextEntry, kErrorTextCount> kTable{{
    // Tariff data files.
    {"OPNTDA", code::kCantOpenStateTable, "Can't Open Tar    TDA"},
    {"OPNTDS", code::kCantOpenSelectionTable, "Can't Open Tar Select TDS"},
    {"OPNTDX", code::kCantOpenExceptions, "Can't Open Tar Except TDX"},
    {"OPNTDZ", code::kCantOpenZipRanges, "Can't Open Tar Zip Cd TDZ"},
    {"OPNTDT", code::kCantOpenTariffTable, "Can't Open Tar Table TDT"},
    {"OPNTDN", code::kCantOpenExceptionNames, "Can't Open Except Nm TDN"},
    {"REDTDS", code::kCantReadSelectionTable, "Can't Read Tar Select TDS"},
    {"REDTDX", code::kCantReadExceptions, "Can't Read Tar Except TDX"},
    {"REDTDZ", code::kCantReadZipRanges, "Can't Read Tar Zip Cd TDZ"},
    {"REDTDT", code::kCantReadTariffTable, "Can't Read Tar Table TDT"},
    {"REDTDN", code::kCantReadExceptionNames, "Can't Read Except Nm TDN"},
    {"SRCTDS", code::kSelectionSearchFailed, "Srch Failed      TDS"},
    {"SRCTDX", code::kExceptionSearchFailed, "Srch Failed      TDX"},
    {"NOZIPTDZ", code::kZipNotInRanges, "ZIP Code Not Found in TDZ"},
    {"GETTDT", code::kTariffTableRowNotFound, "Get Failed      TDT"},
    {"GETTDN", code::kExceptionNameNotFound, "Get Failed      TDN"},
    {"BADOZIP", code::kInvalidOriginZip, "Invalid Origin Zip Code "},
    {"BADDZIP", code::kInvalidDestinationZip, "Invalid Destin Zip Code "},
    {"BADZCMB", code::kInvalidZipCombination, "Invalid Zip Combination "},
    {"MEMTDA", code::kStateTableNotAllocated, "Memory allocation err:TDA"},
    {"OUTSCOPE", code::kOutOfScope, "Out of scope- selected tariff"},
    {"NOVERREC", code::kNoVersionForShipDate, "No Version Rec - Ship Dte"},
    // Cities and tariff choice.
    {"NOCITY", code::kCityMustBeSpecified, "City/St Must Be Specified"},
    {"CTYBUILT", code::kCityFileBuilt, "CTY File Has Been Built "},
    {"NOTARIFF", code::kTariffMustBeSpecified, "Tariff Must Be Specified"},
    {"TRFBUILT", code::kTariffFileBuilt, "TRF File Has Been Built "},
    {"OPNCTY", code::kCantOpenCandidatesFile, "Can't Open CTY or TRF FL "},
    {"WRTCTY", code::kCandidatesNotWritten, "Write Err - CTY or TRF FL"},
    {"OPNTDV", code::kCantOpenVersionList, "Open error      TDV"},
    {"REDTDV", code::kCantReadVersionList, "Read error      TDV"},
    // Package rating.
    {"LSEEK", code::kSeekError, "LSEEK Error       "},
    {"BADTIER", code::kInvalidTier, "Invalid Tier"},
    {"BADPKG", code::kInvalidPackageCode, "Invalid Package Code"},
    {"BADDROP", code::kInvalidDropCode, "Invalid Drop/Pick Code"},
    {"PKGWGT0", code::kPackageWeightZero, "Package Weight zero"},
    {"PRCLIMIT", code::kPricingExceedsLimits, "Pricing exceeds API limits"},
    // Tariff files and tables.
    {"MAXFILES", code::kTooManyFilesOpen, "Too Many Files Open   "},
    {"NOTARFLS", code::kTariffFilesNotFound, "Tariff Files Not Found  "},
    {"MEMERR", code::kMemoryError, "Memory error       "},
    {"BADEFCTY", code::kInvalidTariffType, "EFCREC.TBL Has Inval Type"},
    {"OPNEFC", code::kCantOpenEffectiveFile, "Can't Open EFCREC.TBL FL "},
    {"OPNFCT", code::kCantOpenFactorFile, "Can't Open Tar Factor FL "},
    {"OPNZIPRB", code::kCantOpenZipPairs, "Can't Open Tar ZIP/RBN FL"},
    {"OPNPNT", code::kCantOpenPointFile, "Can't Open Tar Point File"},
    {"OPNRTEIX", code::kCantOpenMatrix, "Can't Open Tar Rte FL Idx"},
    {"OPNRATE", code::kCantOpenRateFile, "Can't Open Tar Rate File "},
    {"REDEFC", code::kCantReadEffectiveFile, "Can't Open EFCREC.TBL FL "},
    {"REDFCT", code::kCantReadFactorFile, "Can't Read Tar Factor FL "},
    {"REDPNT", code::kCantReadPointFile, "Can't Read Tar Point File"},
    {"REDRTEIX", code::kCantReadMatrix, "Can't Read Tar Rte FL Idx"},
    {"REDRATE", code::kCantReadRateFile, "Can't Read Tar Rate File "},
    {"EFCFULL", code::kEffectiveFileFull, "EFCREC.TBL Is Full    "},
    {"ORGNOTAR", code::kOriginNotInTariff, "Origin Not in Tariff   "},
    {"DSTNOTAR", code::kDestinationNotInTariff, "Destin Not in Tariff   "},
    {"CMBNOTAR", code::kCombinationNotInTariff, "Combination Not in Tariff"},
    {"OPNWTTYP", code::kCantOpenWeightTypes, "Can't Open Wt Type  FL "},
    {"OPNEXP", code::kCantOpenCityFile, "Can't Open EXP    FL "},
    {"OPNLEBAS", code::kCantOpenLightBase, "Can't Open Lite E Base  "},
    {"OPNLEMAT", code::kCantOpenLightMatrix, "Can't Open Lite E Matrix "},
    {"BADRBNO", code::kInvalidRateBasisNumber, "Invalid RBNO       "},
    {"MAXHCITY", code::kTooManyCityAddOns, "Too many HCITY Entries  "},
    {"OPNMIN", code::kCantOpenMinimums, "Can't Open MIN    FL "},
    {"REDMIN", code::kCantReadMinimums, "Can't Read MIN    FL "},
    {"OPNEXCP", code::kCantOpenExceptionFile, "Can't Open Exception FL "},
    {"OPNLADJL", code::kCantOpenLaneList, "Can't Open Lane Adj  L??"},
    {"OPNLADJA", code::kCantOpenLaneAdjustments, "Can't Open Lane Adj  A??"},
    {"REDLADJL", code::kCantReadLaneList, "Read error Lane Adj  L??"},
    {"REDLADJA", code::kCantReadLaneAdjustments, "Read error Lane Adj  A??"},
    {"LADJBIG", code::kLaneAdjustmentTooBig, "Lane Adj too big     "},
    {"MAXLAHIT", code::kTooManyLaneAdjustments, "More than max LA hits  "},
    {"NOBORDER", code::kBorderCrossingNotFound, "Border Crossing Rec NF"},
    {"OPNTTP", code::kCantOpenTariffTypes, "Can't Open VORN.TTP   "},
    {"MAXWGT", code::kWeightOverMaximum, "Weight over Max of 999999"},
    {"OPNRBA", code::kCantOpenCityAddOns, "Can't Open RBA      "},
    {"OPNRBNAD", code::kCantOpenRateBasisAddOns, "Can't Open RBNO Addons  "},
    {"NOEFFDLL", code::kEffectiveVersionLibraryNotFound, "Effective Ver DLL not found"},
    {"EFFPROC", code::kEffectiveVersionEntryNotFound, "Effective Ver GetProcAddr"},
    {"OPNCCLS", code::kCantOpenClassFactors, "Can't Open C Cls Factors "},
    {"OPNBCP", code::kCantOpenNFile, "Can't Open BCP file"},
    {"BADMINI", code::kLightTableCodeBad, "Vornmini tbl num bad     "},
    {"OPNQXBB", code::kCantOpenQxbBase, "Can't Open QXB E Base  "},
    {"OPNQXBM", code::kCantOpenQxbMatrix, "Can't Open QXB E Matix "},
    {"NOQXBPCT", code::kQxbPercentNotFound, "Perc QXB Not Found  "},
    {"REDPRXCP", code::kCantReadPrecedence, "Read error Prec, XCP "},
    {"MCOMAX", code::kMinimumChargeOverMaximum, "MCO MC(s) > 999.99"},
    {"OPNGLAOB", code::kCantOpenGlobalLaneOriginBase, "Can't Open GblLa OrgBase"},
    {"OPNGLADB", code::kCantOpenGlobalLaneDestinationBase, "Can't Open GblLa DstBase"},
    // Request and package checks.
    {"BADTRFCL", code::kInvalidTariffThisCall, "Invalid tariff this call"},
    {"BADPKSRV", code::kInvalidPackageService, "Invalid Package/Service "},
    {"BADSVDRP", code::kInvalidServiceDropoff, "Invalid Service/Dropoff"},
    {"WGTLIMIT", code::kWeightLimitExceeded, "Weight Limit Exceeded"},
    {"DIMSRV", code::kDimensionalServiceError, "DIM Service Error"},
    {"BADWGTIN", code::kInvalidInternalWeight, "Wgt Invalid - Internal "},
    {"LTRPKGS", code::kLetterWithPackages, "LTR and Packages > 1 "},
    {"PKG150", code::kPackageOver150Pounds, "Package > 150 lbs "},
    {"PKGCOUNT", code::kBadPackageCount, "No. Packages > 99 or 0 "},
    {"BADSRVCD", code::kInvalidServiceCode, "Invalid Service Code "},
    {"BADHDRCD", code::kBadHeaderRecordCode, "Hdr Rec Cd Not Eq '01'  "},
    {"BADRECLN", code::kBadRecordLength, "Input Rec Length Invalid "},
    {"BADDTLCT", code::kBadDetailCount, "Hdr Detail Cnt Invalid  "},
    {"DTLCTMAX", code::kDetailCountOverMaximum, "Hdr Detail Cnt > "},
    {"INTRAMX", code::kIntraMexico, "Intra Mexico not available"},
    {"MXNOZIP", code::kMexicanTariffNoMexicanZip, "MX tariff, no MX zip"},
    {"MXNOTSEL", code::kMexicanTariffNotSelected, "MX tariff not selected"},
    {"MXMINCHG", code::kTooManyMexicanMinimums, "Too many MX Min charges"},
    {"MXTRF8", code::kMexicanTariffNotEightCharacters, "MX tariff not 8 char"},
    {"BADDTLCD", code::kBadDetailRecordCode, "Dtl Rec Cd Not '02'   "},
    {"DTLCTHI", code::kDetailCountTooHigh, "Hdr Detail Cnt Too High "},
    {"PKGVER", code::kPackageVersionError, "Package Version Error"},
    {"NOTRFDT", code::kTariffNotFoundForShipDate, "TarName+Ship Dt Not Found"},
    {"BADTRF", code::kInvalidTariff, "Invalid Tariff Specified "},
    {"BADSHPDT", code::kInvalidShipDate, "Invalid Shipment Date  "},
    {"TRFOLD", code::kTariffTooOld, "Tariff too old"},
    {"TRFNEW", code::kTariffTooNew, "Tariff too new"},
    {"NOADJNO", code::kAdjustmentNumberNotFound, "Adjno NF in .A"},
    {"BADCLS", code::kInvalidClassBase, "Inval Class - Dtl Rec #"},
    {"BADWGT", code::kInvalidWeightBase, "Inval Weight - Dtl Rec #"},
    // Client and server.
    {"WINSOCK", code::kSocketError, "Winsock error see log"},
    {"SRVTIME", code::kServerTimeout, "Timeout waiting for server"},
    {"PROTMISM", code::kProtocolMismatch, "Client/Server prot mismatch"},
    {"PKTSIZE", code::kPacketSizeMismatch, "packet size > bytes received"},
    {"BADRESP", code::kUnknownResponse, "Unknown response received"},
    // Service guide.
    {"DLNOINIT", code::kServiceGuideNotInitialised, "Dockline not Init"},
    {"DLPROC", code::kServiceGuideEntryNotFound, "GetProc SetCarrierDataPath"},
    {"BADDLCAL", code::kInvalidServiceGuideCall, "Invalid Dockline Call"},
    {"BADQKST", code::kInvalidServiceGuideStatus, "Invalid QK RecordStatus"},
    {"NOTUSED", code::kGuideInitialiseFailed, "QK DLL Initialize failed"},
    {"NOTUSED", code::kGuideDataExpired, "QK data has expired"},
    {"NOTUSED", code::kGuideDataOrVersionError, "QK data or version error"},
    {"NOTUSED", code::kGuideInvalidScacCarrierType, "QK Invalid SCAC/Carrier Type"},
    {"NOTUSED", code::kGuideInvalidCarrierType, "QK Invalid Carrier Type"},
    {"NOTUSED", code::kGuideCantOpenCarrierList, "QK open failed CarrList"},
    {"NOTUSED", code::kGuideCantReadCarrierList, "QK read failed CarrList"},
    {"NOTUSED", code::kGuideCantOpenServiceZips, "QK open failed ServZips"},
    {"NOTUSED", code::kGuideCantReadServiceZips, "QK read failed ServZips"},
    {"NOTUSED", code::kGuideCantOpenServiceTerminals, "QK open failed ServTerm"},
    {"NOTUSED", code::kGuideCantReadServiceTerminals, "QK read failed ServTerm"},
    {"NOTUSED", code::kGuideCantOpenServiceMatrix, "QK open failed ServMatx"},
    {"NOTUSED", code::kGuideCantReadServiceMatrix, "QK read failed ServMatx"},
    {"NOTUSED", code::kGuideCantOpenServiceCarriers, "QK open failed ServCarr"},
    {"NOTUSED", code::kGuideCantReadServiceCarriers, "QK read failed ServCarr"},
    {"NOTUSED", code::kGuideCantOpenTypeList, "QK open failed TypeList"},
    {"NOTUSED", code::kGuideCantReadTypeList, "QK read failed TypeList"},
    {"NOTUSED", code::kGuideCantOpenCarriers, "QK open failed Carriers"},
    {"NOTUSED", code::kGuideCantReadCarriers, "QK read failed Carriers"},
    {"NOTUSED", code::kGuideCantOpenLibraryData, "QK open failed DLLData.dat"},
    {"NOTUSED", code::kGuideCantReadLibraryData, "QK read failed DLLData.dat"},
    {"NOTUSED", code::kGuideCantAllocateAvailableCarriers, "QK alloc failed AvailCarrier"},
    {"NOTUSED", code::kGuideCantAllocateTypeList, "QK alloc failed TypeList"},
    {"NOTUSED", code::kGuideCantAllocateCarrierList, "QK alloc failed CarrierList"},
    {"NOTUSED", code::kGuideCantAllocateLibraryData, "QK alloc failed DllData"},
    {"NOTUSED", code::kGuideCantAllocateServiceCarriers, "QK alloc failed ServCarrier"},
    {"NOTUSED", code::kGuideZipNotServiced, "QK SCAC - zip not serviced"},
    {"NOTUSED", code::kGuideNoTerminalToTerminal, "QK No term to term this SCAC"},
    {"NOTUSED", code::kGuideCarrierUnavailable, "QK SCAC unavailable"},
    {"NOTUSED", code::kGuideZipPairNotServiced, "QK SCAC zip comb not serviced"},
    {"NOTUSED", code::kGuideOriginNotServiced, "QK SCAC org zip not serviced"},
    {"NOTUSED", code::kGuideDestinationNotServiced, "QK SCAC dst zip not serviced"},
    // Others.
    {"IGNORED", code::kFlaggedIgnored, "Flagged as Ignore/Delete "},
    {"COMMERR", code::kCommunicationError, "Communication Error"},
}};

constexpr bool EveryEntryFits() {
  return std::all_of(kTable.begin(), kTable.end(), [](const ErrorTextEntry& e) {
    return !e.name.empty() && e.name.size() <= kErrorNameWidth && e.text.size() <= kErrorTextWidth;
  });
}
static_assert(EveryEntryFits(), "an error entry is missing, or its name or text is wider than its field");

// The service guide's codes from 1010 to 1105 are the rows without a step
// of their own.
constexpr bool UnusedRowsAreMarked() {
  return std::all_of(kTable.begin(), kTable.end(), [](const ErrorTextEntry& e) {
    return (e.code >= static_cast<std::uint32_t>(code::kGuideInitialiseFailed) &&
            e.code <= static_cast<std::uint32_t>(code::kGuideDestinationNotServiced)) == (e.name == "NOTUSED");
  });
}
static_assert(UnusedRowsAreMarked());

// The detail-line codes: the entry of base stands for base + 1 to base + 98.
struct LineCodeRange {
  std::int16_t base;
  std::int16_t last;
};
constexpr std::array<LineCodeRange, 2> kLineCodeRanges{{{code::kInvalidClassBase, code::kInvalidClassBase + 98},
                                                        {code::kInvalidWeightBase, code::kInvalidWeightBase + 98}}};

}  // namespace

std::span<const ErrorTextEntry> ErrorTextTable() { return kTable; }

std::string ErrorText(std::int16_t code) {
  if (code <= 0) return {};
  for (const ErrorTextEntry& entry : kTable) {
    if (entry.code == static_cast<std::uint32_t>(code)) return std::string(entry.text);
    for (const LineCodeRange& range : kLineCodeRanges)
      if (entry.code == static_cast<std::uint32_t>(range.base) && code > range.base && code <= range.last)
        return std::string(entry.text) + "-" + platform::ZeroPadded(code - range.base, 2);
  }
  return {};
}

char* FillErrorStringBuffer(char* buffer) {
  if (buffer == nullptr) return nullptr;
  const std::span<char, kErrorStringBufferSize> field(buffer, kErrorStringBufferSize);
  // Four characters hold at most "9999" or "-999", so every code read fits
  // the 16-bit lookup.
  platform::FieldScanner scanner(platform::UntilNul({field.data(), kErrorStringCodeWidth}));
  const std::optional<std::int32_t> code = scanner.number(kErrorStringCodeWidth);
  const std::string text = code ? ErrorText(static_cast<std::int16_t>(*code)) : std::string();
  platform::FormatLeftAligned(field.subspan(kErrorStringCodeWidth), text, '\0');
  return buffer;
}

}  // namespace vorn
