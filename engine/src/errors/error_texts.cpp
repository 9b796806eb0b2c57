#include "errors/error_texts.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string>

#include "platform/kernel/fixed_format.h"

namespace vorn {
namespace {

constexpr std::array<ErrorTextEntry, kErrorTextCount> kTable{{
    // Tariff data files.
    {"OPNTDA", 101, "Can't Open Tar    TDA"},
    {"OPNTDS", 102, "Can't Open Tar Select TDS"},
    {"OPNTDX", 103, "Can't Open Tar Except TDX"},
    {"OPNTDZ", 104, "Can't Open Tar Zip Cd TDZ"},
    {"OPNTDT", 105, "Can't Open Tar Table TDT"},
    {"OPNTDN", 106, "Can't Open Except Nm TDN"},
    {"REDTDS", 107, "Can't Read Tar Select TDS"},
    {"REDTDX", 108, "Can't Read Tar Except TDX"},
    {"REDTDZ", 109, "Can't Read Tar Zip Cd TDZ"},
    {"REDTDT", 110, "Can't Read Tar Table TDT"},
    {"REDTDN", 111, "Can't Read Except Nm TDN"},
    {"SRCTDS", 112, "Srch Failed      TDS"},
    {"SRCTDX", 113, "Srch Failed      TDX"},
    {"NOZIPTDZ", 114, "ZIP Code Not Found in TDZ"},
    {"GETTDT", 115, "Get Failed      TDT"},
    {"GETTDN", 116, "Get Failed      TDN"},
    {"BADOZIP", 117, "Invalid Origin Zip Code "},
    {"BADDZIP", 118, "Invalid Destin Zip Code "},
    {"BADZCMB", 119, "Invalid Zip Combination "},
    {"MEMTDA", 120, "Memory allocation err:TDA"},
    {"OUTSCOPE", 121, "Out of scope- selected tariff"},
    {"NOVERREC", 122, "No Version Rec - Ship Dte"},
    // Cities and tariff choice.
    {"NOCITY", 123, "City/St Must Be Specified"},
    {"CTYBUILT", 124, "CTY File Has Been Built "},
    {"NOTARIFF", 125, "Tariff Must Be Specified"},
    {"TRFBUILT", 126, "TRF File Has Been Built "},
    {"OPNCTY", 128, "Can't Open CTY or TRF FL "},
    {"WRTCTY", 129, "Write Err - CTY or TRF FL"},
    {"OPNTDV", 130, "Open error      TDV"},
    {"REDTDV", 131, "Read error      TDV"},
    // Package rating.
    {"LSEEK", 140, "LSEEK Error       "},
    {"BADTIER", 141, "Invalid Tier"},
    {"BADPKG", 142, "Invalid Package Code"},
    {"BADDROP", 143, "Invalid Drop/Pick Code"},
    {"PKGWGT0", 144, "Package Weight zero"},
    {"PRCLIMIT", 145, "Pricing exceeds API limits"},
    // Tariff files and tables.
    {"MAXFILES", 199, "Too Many Files Open   "},
    {"NOTARFLS", 200, "Tariff Files Not Found  "},
    {"MEMERR", 201, "Memory error       "},
    {"BADEFCTY", 202, "EFCREC.TBL Has Inval Type"},
    {"OPNEFC", 203, "Can't Open EFCREC.TBL FL "},
    {"OPNFCT", 204, "Can't Open Tar Factor FL "},
    {"OPNZIPRB", 205, "Can't Open Tar ZIP/RBN FL"},
    {"OPNPNT", 206, "Can't Open Tar Point File"},
    {"OPNRTEIX", 207, "Can't Open Tar Rte FL Idx"},
    {"OPNRATE", 208, "Can't Open Tar Rate File "},
    {"REDEFC", 209, "Can't Open EFCREC.TBL FL "},
    {"REDFCT", 210, "Can't Read Tar Factor FL "},
    {"REDPNT", 212, "Can't Read Tar Point File"},
    {"REDRTEIX", 213, "Can't Read Tar Rte FL Idx"},
    {"REDRATE", 214, "Can't Read Tar Rate File "},
    {"EFCFULL", 215, "EFCREC.TBL Is Full    "},
    {"ORGNOTAR", 216, "Origin Not in Tariff   "},
    {"DSTNOTAR", 217, "Destin Not in Tariff   "},
    {"CMBNOTAR", 218, "Combination Not in Tariff"},
    {"OPNWTTYP", 219, "Can't Open Wt Type  FL "},
    {"OPNEXP", 220, "Can't Open EXP    FL "},
    {"OPNLEBAS", 221, "Can't Open Lite E Base  "},
    {"OPNLEMAT", 222, "Can't Open Lite E Matrix "},
    {"BADRBNO", 223, "Invalid RBNO       "},
    {"MAXHCITY", 224, "Too many HCITY Entries  "},
    {"OPNMIN", 225, "Can't Open MIN    FL "},
    {"REDMIN", 226, "Can't Read MIN    FL "},
    {"OPNEXCP", 229, "Can't Open Exception FL "},
    {"OPNLADJL", 230, "Can't Open Lane Adj  L??"},
    {"OPNLADJA", 231, "Can't Open Lane Adj  A??"},
    {"REDLADJL", 232, "Read error Lane Adj  L??"},
    {"REDLADJA", 233, "Read error Lane Adj  A??"},
    {"LADJBIG", 234, "Lane Adj too big     "},
    {"MAXLAHIT", 235, "More than max LA hits  "},
    {"NOBORDER", 236, "Border Crossing Rec NF"},
    {"OPNTTP", 240, "Can't Open VORN.TTP   "},
    {"MAXWGT", 241, "Weight over Max of 999999"},
    {"OPNRBA", 250, "Can't Open RBA      "},
    {"OPNRBNAD", 260, "Can't Open RBNO Addons  "},
    {"NOEFFDLL", 261, "Effective Ver DLL not found"},
    {"EFFPROC", 262, "Effective Ver GetProcAddr"},
    {"OPNCCLS", 270, "Can't Open C Cls Factors "},
    {"OPNBCP", 271, "Can't Open BCP file"},
    {"BADMINI", 272, "Vornmini tbl num bad     "},
    {"OPNQXBB", 273, "Can't Open QXB E Base  "},
    {"OPNQXBM", 274, "Can't Open QXB E Matix "},
    {"NOQXBPCT", 275, "Perc QXB Not Found  "},
    {"REDPRXCP", 276, "Read error Prec, XCP "},
    {"MCOMAX", 277, "MCO MC(s) > 999.99"},
    {"OPNGLAOB", 278, "Can't Open GblLa OrgBase"},
    {"OPNGLADB", 279, "Can't Open GblLa DstBase"},
    // Request and package checks.
    {"BADTRFCL", 370, "Invalid tariff this call"},
    {"BADPKSRV", 371, "Invalid Package/Service "},
    {"BADSVDRP", 372, "Invalid Service/Dropoff"},
    {"WGTLIMIT", 373, "Weight Limit Exceeded"},
    {"DIMSRV", 374, "DIM Service Error"},
    {"BADWGTIN", 375, "Wgt Invalid - Internal "},
    {"LTRPKGS", 376, "LTR and Packages > 1 "},
    {"PKG150", 377, "Package > 150 lbs "},
    {"PKGCOUNT", 378, "No. Packages > 99 or 0 "},
    {"BADSRVCD", 379, "Invalid Service Code "},
    {"BADHDRCD", 380, "Hdr Rec Cd Not Eq '01'  "},
    {"BADRECLN", 381, "Input Rec Length Invalid "},
    {"BADDTLCT", 382, "Hdr Detail Cnt Invalid  "},
    {"DTLCTMAX", 383, "Hdr Detail Cnt > "},
    {"INTRAMX", 384, "Intra Mexico not available"},
    {"MXNOZIP", 385, "MX tariff, no MX zip"},
    {"MXNOTSEL", 386, "MX tariff not selected"},
    {"MXMINCHG", 387, "Too many MX Min charges"},
    {"MXTRF8", 388, "MX tariff not 8 char"},
    {"BADDTLCD", 390, "Dtl Rec Cd Not '02'   "},
    {"DTLCTHI", 391, "Hdr Detail Cnt Too High "},
    {"PKGVER", 392, "Package Version Error"},
    {"NOTRFDT", 394, "TarName+Ship Dt Not Found"},
    {"BADTRF", 395, "Invalid Tariff Specified "},
    {"BADSHPDT", 396, "Invalid Shipment Date  "},
    {"TRFOLD", 397, "Tariff too old"},
    {"TRFNEW", 398, "Tariff too new"},
    {"NOADJNO", 399, "Adjno NF in .A"},
    {"BADCLS", 400, "Inval Class - Dtl Rec #"},
    {"BADWGT", 500, "Inval Weight - Dtl Rec #"},
    // Client and server.
    {"WINSOCK", 600, "Winsock error see log"},
    {"SRVTIME", 601, "Timeout waiting for server"},
    {"PROTMISM", 602, "Client/Server prot mismatch"},
    {"PKTSIZE", 603, "packet size > bytes received"},
    {"BADRESP", 604, "Unknown response received"},
    // Service guide.
    {"DLNOINIT", 700, "Dockline not Init"},
    {"DLPROC", 701, "GetProc SetCarrierDataPath"},
    {"BADDLCAL", 702, "Invalid Dockline Call"},
    {"BADQKST", 703, "Invalid QK RecordStatus"},
    {"NOTUSED", 1010, "QK DLL Initialize failed"},
    {"NOTUSED", 1011, "QK data has expired"},
    {"NOTUSED", 1012, "QK data or version error"},
    {"NOTUSED", 1013, "QK Invalid SCAC/Carrier Type"},
    {"NOTUSED", 1015, "QK Invalid Carrier Type"},
    {"NOTUSED", 1031, "QK open failed CarrList"},
    {"NOTUSED", 1032, "QK read failed CarrList"},
    {"NOTUSED", 1033, "QK open failed ServZips"},
    {"NOTUSED", 1034, "QK read failed ServZips"},
    {"NOTUSED", 1035, "QK open failed ServTerm"},
    {"NOTUSED", 1036, "QK read failed ServTerm"},
    {"NOTUSED", 1037, "QK open failed ServMatx"},
    {"NOTUSED", 1038, "QK read failed ServMatx"},
    {"NOTUSED", 1039, "QK open failed ServCarr"},
    {"NOTUSED", 1040, "QK read failed ServCarr"},
    {"NOTUSED", 1041, "QK open failed TypeList"},
    {"NOTUSED", 1042, "QK read failed TypeList"},
    {"NOTUSED", 1043, "QK open failed Carriers"},
    {"NOTUSED", 1044, "QK read failed Carriers"},
    {"NOTUSED", 1045, "QK open failed DLLData.dat"},
    {"NOTUSED", 1046, "QK read failed DLLData.dat"},
    {"NOTUSED", 1047, "QK alloc failed AvailCarrier"},
    {"NOTUSED", 1048, "QK alloc failed TypeList"},
    {"NOTUSED", 1049, "QK alloc failed CarrierList"},
    {"NOTUSED", 1050, "QK alloc failed DllData"},
    {"NOTUSED", 1051, "QK alloc failed ServCarrier"},
    {"NOTUSED", 1100, "QK SCAC - zip not serviced"},
    {"NOTUSED", 1101, "QK No term to term this SCAC"},
    {"NOTUSED", 1102, "QK SCAC unavailable"},
    {"NOTUSED", 1103, "QK SCAC zip comb not serviced"},
    {"NOTUSED", 1104, "QK SCAC org zip not serviced"},
    {"NOTUSED", 1105, "QK SCAC dst zip not serviced"},
    // Others.
    {"IGNORED", 9999, "Flagged as Ignore/Delete "},
    {"COMMERR", 9990, "Communication Error"},
}};

constexpr bool EveryEntryFits() {
  return std::all_of(kTable.begin(), kTable.end(), [](const ErrorTextEntry& e) {
    return !e.name.empty() && e.name.size() <= kErrorNameWidth && e.text.size() <= kErrorTextWidth;
  });
}
static_assert(EveryEntryFits(), "an error entry is missing, or its name or text is wider than its field");

// The service guide's codes 1010 to 1105 are the rows without a step of
// their own.
constexpr bool UnusedRowsAreMarked() {
  return std::all_of(kTable.begin(), kTable.end(), [](const ErrorTextEntry& e) {
    return (e.code >= 1010 && e.code <= 1105) == (e.name == "NOTUSED");
  });
}
static_assert(UnusedRowsAreMarked());

// The detail-line codes: the entry of base stands for base + 1 to base + 98.
struct LineCodeRange {
  std::int16_t base;
  std::int16_t last;
};
constexpr std::array<LineCodeRange, 2> kLineCodeRanges{{{400, 498}, {500, 598}}};

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
