// The RatingContext: the one working record of the rating screen, 91,240
// bytes, packed (integers, shorts and floats at any offset, little-endian),
// allocated and zeroed by the program and lent by pointer to Ratekit32.
// Several blocks are byte images of settings files, so the layout is a file
// format: every field is named here once, with its offset and width, and
// the blocks cover the record from 0 to 91,240 in order (gaps named as such).
//
// Texts are fixed width, not terminated inside their width unless said.
// Where a text is written with a C-style format, the field is the room up
// to the next field: the text and its terminator fit there.
//
// The 21 slots the original kept pointers, streams and module handles in
// hold 32-bit tokens of Ratekit32's token table (0 = none), see
// kTokenSlots; the 13 descriptor slots hold low-level file descriptors (-1
// closed; never 0, 1 or 2).
//
// Overlaps of the original layout, settled here:
//   - the .TBL names keep 25 slots of 16 bytes (15554..15953); 26 would run
//     over the effective-table slots at 15957 and 15961;
//   - the combined rate table has the 708 bytes up to the .ZF1 data offset
//     (14141..14848), room for 177 rates (18 classes x 9 breaks need 162);
//   - the engine's version texts fill 69 bytes from 57579 (20 + 3 + 5 + 3 +
//     5 + 33), not only the 20 of their first text;
//   - the last value of a ZIP-pair discount (12670) is the discount of
//     break 8: one float under two names.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/kernel/byte_record.h"

namespace ratekit {

inline constexpr std::size_t kRatingContextSize = 91240;
using RatingContextView = platform::ByteRecordView<kRatingContextSize>;

namespace context {
using platform::FieldSpan;

// Low-level file descriptors of the tariff's data files (-1 closed).
inline constexpr FieldSpan kZf1File{0, 4};
inline constexpr FieldSpan kZf2File{4, 4};
inline constexpr FieldSpan kZfmFile{8, 4};
inline constexpr FieldSpan kAdjFile{12, 4};
inline constexpr FieldSpan kUnused16{16, 12};
inline constexpr FieldSpan kFacFile{28, 4};
inline constexpr FieldSpan kRtcProbe{32, 4};  // .RTC or .RCL, closed at once
inline constexpr FieldSpan kFccFile{36, 4};
inline constexpr FieldSpan kRteProbe{40, 4};  // .RTE or .RTL, closed at once
inline constexpr FieldSpan kZpsFile{44, 4};
inline constexpr FieldSpan kBseFile{48, 4};
inline constexpr FieldSpan kBscFile{52, 4};
inline constexpr FieldSpan kUnused56{56, 4};
inline constexpr FieldSpan kBsvFile{60, 4};
inline constexpr FieldSpan kUnused64{64, 4};
inline constexpr FieldSpan kDspFile{68, 4};  // the program's; 0 when closed
// Tokens.
inline constexpr FieldSpan kLabStream{72, 4};
inline constexpr FieldSpan kLamStream{76, 4};
inline constexpr FieldSpan kMchTable{80, 4};
inline constexpr FieldSpan kLaTable{84, 4};
inline constexpr FieldSpan kRbaTable{88, 4};
inline constexpr FieldSpan kLmcTable{92, 4};
inline constexpr FieldSpan kLcaTable{96, 4};
inline constexpr FieldSpan kCozTable{100, 4};
inline constexpr FieldSpan kCozCount{104, 4};
inline constexpr FieldSpan kUnused108{108, 90};
// Counts of the loaded tables.
inline constexpr FieldSpan kZf1IndexCount{198, 4};
inline constexpr FieldSpan kZf2IndexCount{202, 4};
inline constexpr FieldSpan kZfmIndexCount{206, 4};
inline constexpr FieldSpan kLabBlockCount{210, 4};
inline constexpr FieldSpan kLamLineCount{214, 4};
inline constexpr FieldSpan kAdjRecordCount{218, 4};
inline constexpr FieldSpan kZmcRecordCount{222, 4};
inline constexpr FieldSpan kZipRangeCount{226, 4};
inline constexpr FieldSpan kSccRecordCount{230, 4};
inline constexpr FieldSpan kLevelCount{234, 4};
inline constexpr FieldSpan kAccessorialCount{238, 4};
inline constexpr FieldSpan kDiscountEntryCount{242, 4};
inline constexpr FieldSpan kLastErrorCode{246, 4};  // the single failure channel
inline constexpr FieldSpan kUnused250{250, 4};
inline constexpr FieldSpan kAccessorialTable{254, 12300};  // 100 AccessorialEntry
inline constexpr FieldSpan kLevelTable{12554, 4};          // token
inline constexpr FieldSpan kTariffDataVersion{12558, 4};
inline constexpr FieldSpan kUnused12562{12562, 4};
inline constexpr FieldSpan kCanadaFlag{12566, 4};
inline constexpr FieldSpan kMexicoFlag{12570, 4};
inline constexpr FieldSpan kZpsLoaded{12574, 4};
inline constexpr FieldSpan kBsvLoaded{12578, 4};
inline constexpr FieldSpan kZpsNotNeeded{12582, 4};
inline constexpr FieldSpan kTrmPresent{12586, 4};
inline constexpr FieldSpan kSrvPresent{12590, 4};
inline constexpr FieldSpan kIntrastateQuestionInUse{12594, 4};
inline constexpr FieldSpan kFakAllowed{12598, 4};
inline constexpr FieldSpan kUnused12602{12602, 8};
inline constexpr FieldSpan kNoDiscountLane{12610, 4};
inline constexpr FieldSpan kUnused12614{12614, 16};     // the result display's minimum and floor values
inline constexpr FieldSpan kBreakDiscounts{12630, 44};  // 11 floats, see BreakDiscount()
inline constexpr FieldSpan kTypedDiscountText{12674, 6};
inline constexpr FieldSpan kTypedMcDiscountText{12680, 6};
inline constexpr FieldSpan kTypedFloorText{12686, 7};
// Rate tables, integer cents, class by break.
inline constexpr FieldSpan kUsRateTable{12693, 700};  // the engine's rate block; rates from item 4 (12709)
inline constexpr FieldSpan kUnused13393{13393, 32};
inline constexpr FieldSpan kMexicoRateTable{13425, 716};
inline constexpr FieldSpan kCombinedRateTable{14141, 708};
// Engine-less tables.
inline constexpr FieldSpan kZf1DataOffsetAndLength{14849, 8};
inline constexpr FieldSpan kZf2DataOffsetAndLength{14857, 8};
inline constexpr FieldSpan kZfmDataOffsetAndLength{14865, 8};
inline constexpr FieldSpan kTableRecordCounts{14873, 16};  // ".LA ", .RBA, .LMC, .LCA
inline constexpr FieldSpan kUnused14889{14889, 4};
// Directories and names.
inline constexpr FieldSpan kStartupDirectory{14893, 260};
inline constexpr FieldSpan kDataDirectory{15153, 260};  // ends in a separator
inline constexpr FieldSpan kTariffBaseName{15413, 8};
inline constexpr FieldSpan kUnused15421{15421, 5};
inline constexpr FieldSpan kMethodFlagLetter{15426, 1};  // sent in request byte 177
inline constexpr FieldSpan kUnused15427{15427, 1};
inline constexpr FieldSpan kDirectServiceLabel{15428, 15};
inline constexpr FieldSpan kIndirectServiceLabel{15443, 15};
inline constexpr FieldSpan kThirdServiceLabel{15458, 15};
inline constexpr FieldSpan kFourthServiceLabel{15473, 15};
inline constexpr FieldSpan kOriginServiceLabel{15488, 15};
inline constexpr FieldSpan kUnused15503{15503, 10};
inline constexpr FieldSpan kDestinationServiceLabel{15513, 15};
inline constexpr FieldSpan kUnused15528{15528, 26};
inline constexpr FieldSpan kTableNames{15554, 400};  // 25 x (15 characters + NUL)
inline constexpr FieldSpan kUnused15954{15954, 3};
inline constexpr FieldSpan kEffectiveTableCopy{15957, 4};     // token: 17-byte entries
inline constexpr FieldSpan kCurrentEffectiveEntry{15961, 4};  // token: a position in the copy
inline constexpr FieldSpan kRawWeightRecords{15965, 189};     // 9 x 21
inline constexpr FieldSpan kEngineInUse{16154, 4};
inline constexpr FieldSpan kServiceGuideInUse{16158, 4};
inline constexpr FieldSpan kZipRangeTable{16162, 4};  // token: 12-byte .ZP6 lines
// Index arrays of the engine-less ZIP files.
inline constexpr FieldSpan kZf1Keys{16166, 5600};     // 2800 x u16
inline constexpr FieldSpan kZfmKeys{21766, 5600};     // 2800 x u16
inline constexpr FieldSpan kZf2Keys{27366, 4200};     // 2100 x u16
inline constexpr FieldSpan kZf1Entries{31566, 8400};  // 2800 x 3 bytes
inline constexpr FieldSpan kZfmEntries{39966, 8400};  // 2800 x 3 bytes
inline constexpr FieldSpan kZf2IndexBlock{48366, 4};  // token: 6n bytes
inline constexpr FieldSpan kUnused48370{48370, 4};
inline constexpr FieldSpan kRtlUsed{48374, 4};
inline constexpr FieldSpan kRtlInsteadOfRte{48378, 4};
inline constexpr FieldSpan kRclInsteadOfRtc{48382, 4};
inline constexpr FieldSpan kRclInsteadOfRtc2{48386, 4};
inline constexpr FieldSpan kEngineModule{48390, 4};        // token (LibraryHandles)
inline constexpr FieldSpan kRatekitModule{48394, 4};       // token
inline constexpr FieldSpan kServiceGuideModule{48398, 4};  // token
inline constexpr FieldSpan kClassAndWeightTablesFilled{48402, 4};
inline constexpr FieldSpan kUnused48406{48406, 8};
inline constexpr FieldSpan kEffectiveEntriesKept{48414, 4};
inline constexpr FieldSpan kEffectiveEntriesSkipped{48418, 4};  // named "Bureau"
inline constexpr FieldSpan kUnused48422{48422, 264};
inline constexpr FieldSpan kTariffName{48686, 8};
inline constexpr FieldSpan kUnused48694{48694, 1};
inline constexpr FieldSpan kShipmentDate{48695, 10};  // "MM-DD-YYYY"
inline constexpr FieldSpan kUnused48705{48705, 10};
inline constexpr FieldSpan kEngineMessagesOff{48715, 4};
inline constexpr FieldSpan kZipStateTable{48719, 4000};  // entry v at 48719 + 4v, see ZipStateEntry()
inline constexpr FieldSpan kPriceSheetProgram{52719, 13};
inline constexpr FieldSpan kUnused52732{52732, 8};
inline constexpr FieldSpan kRateTableStride{52740, 4};  // break count of the rate tables' rows
inline constexpr FieldSpan kUnused52744{52744, 8};
inline constexpr FieldSpan kDiscountsWithdrawn{52752, 4};
// The program's language tables: an int it sets to 0 once they are read,
// then the tokens of the keys, the English texts and the Spanish texts.
inline constexpr FieldSpan kLanguageState{52756, 4};
inline constexpr FieldSpan kLanguageKeys{52760, 4};
inline constexpr FieldSpan kLanguageEnglish{52764, 4};
inline constexpr FieldSpan kLanguageSpanish{52768, 4};
inline constexpr FieldSpan kMexicoFilesLoaded{52772, 4};
inline constexpr FieldSpan kUnused52776{52776, 56};
inline constexpr FieldSpan kLastTotalWeightText{52832, 7};
inline constexpr FieldSpan kCheckQivCanResult{52839, 4};
inline constexpr FieldSpan kOriginBasePoint{52843, 5};
inline constexpr FieldSpan kDestinationBasePoint{52848, 5};
inline constexpr FieldSpan kUnused52853{52853, 54};
inline constexpr FieldSpan kLaneTariffTablesLoaded{52907, 1};  // 'Y' .CBS and .CMT loaded, else 'N'
inline constexpr FieldSpan kUnused52908{52908, 1};
// Settings images, see the namespaces below.
inline constexpr FieldSpan kTariffSettingsImage{52909, 283};  // .SET
inline constexpr FieldSpan kRatingDefaultsImage{53192, 346};  // .DEF
inline constexpr FieldSpan kDiscountFileImage{53538, 605};    // .DIS
// The shipment.
inline constexpr FieldSpan kShipmentId{54143, 9};
inline constexpr FieldSpan kUnused54152{54152, 1};
inline constexpr FieldSpan kOriginPoint{54153, 44};       // ShipmentPoint
inline constexpr FieldSpan kDestinationPoint{54197, 44};  // ShipmentPoint
inline constexpr FieldSpan kRateBaseNumber{54241, 9};     // at most 8 characters and a NUL
inline constexpr FieldSpan kUnused54250{54250, 7};
inline constexpr FieldSpan kIntrastate{54257, 1};
inline constexpr FieldSpan kServiceGuideCodes{54258, 22};
inline constexpr FieldSpan kShipmentLines{54280, 320};
inline constexpr FieldSpan kRatingTotals{54600, 177};
inline constexpr FieldSpan kOriginBasePointRecord{54777, 9};
inline constexpr FieldSpan kDestinationBasePointRecord{54786, 9};
inline constexpr FieldSpan kDiscountSource{54795, 1};  // 'P', 'C' or 'Z'
inline constexpr FieldSpan kUnused54796{54796, 1};
inline constexpr FieldSpan kClassCodes{54797, 120};  // 20 x 6, see ClassCode()
inline constexpr FieldSpan kClassCount{54917, 4};
inline constexpr FieldSpan kBreakLabels{54921, 220};      // 20 x 11, "XXX" = not in use
inline constexpr FieldSpan kBreakUpperBounds{55141, 80};  // 20 ints, pounds
inline constexpr FieldSpan kBreakLowerBounds{55221, 80};  // 20 ints
inline constexpr FieldSpan kBreakCount{55301, 4};
inline constexpr FieldSpan kChargeLists{55305, 2274};  // 6 x 379
inline constexpr FieldSpan kEngineVersionStrings{57579, 69};
inline constexpr FieldSpan kSccTable{57648, 4};  // token: 8-byte records
inline constexpr FieldSpan kUnused57652{57652, 68};
// Engine-less file images.
inline constexpr FieldSpan kFacImage{57720, 802};
inline constexpr FieldSpan kFccImage{58522, 1352};
inline constexpr FieldSpan kBseLongHeader{59874, 1996};  // version above 21
inline constexpr FieldSpan kBseShortHeader{61870, 1044};
inline constexpr FieldSpan kBscImage1{62914, 16};
inline constexpr FieldSpan kBscImage2{62930, 30};
inline constexpr FieldSpan kBscImage3{62960, 50};
inline constexpr FieldSpan kBseData{63010, 336};
inline constexpr FieldSpan kLabLine{63346, 72};
inline constexpr FieldSpan kLabBlockIndex{63418, 4725};  // 525 x {key 5, file position 4}
inline constexpr FieldSpan kLamLine{68143, 11};
inline constexpr FieldSpan kLamLines{68154, 1980};  // 220 x {6 + 3 characters}
inline constexpr FieldSpan kAdjRecord{70134, 347};
inline constexpr FieldSpan kAdjKeys{70481, 1200};  // 400 x 3
inline constexpr FieldSpan kZpsHeader{71681, 4};   // token: 628 bytes
inline constexpr FieldSpan kBsvHeader{71685, 75};
inline constexpr FieldSpan kUnused71760{71760, 58};
inline constexpr FieldSpan kCurrentProfile{71818, 17897};  // ProfileRecord
inline constexpr FieldSpan kOriginTerminal{89715, 446};
inline constexpr FieldSpan kDestinationTerminal{90161, 446};
inline constexpr FieldSpan kMexicoDefaultsImage{90607, 350};  // .MEF
inline constexpr FieldSpan kMexicoSettingsImage{90957, 283};  // .MET

inline constexpr std::array kAllBlocks{kZf1File,
                                       kZf2File,
                                       kZfmFile,
                                       kAdjFile,
                                       kUnused16,
                                       kFacFile,
                                       kRtcProbe,
                                       kFccFile,
                                       kRteProbe,
                                       kZpsFile,
                                       kBseFile,
                                       kBscFile,
                                       kUnused56,
                                       kBsvFile,
                                       kUnused64,
                                       kDspFile,
                                       kLabStream,
                                       kLamStream,
                                       kMchTable,
                                       kLaTable,
                                       kRbaTable,
                                       kLmcTable,
                                       kLcaTable,
                                       kCozTable,
                                       kCozCount,
                                       kUnused108,
                                       kZf1IndexCount,
                                       kZf2IndexCount,
                                       kZfmIndexCount,
                                       kLabBlockCount,
                                       kLamLineCount,
                                       kAdjRecordCount,
                                       kZmcRecordCount,
                                       kZipRangeCount,
                                       kSccRecordCount,
                                       kLevelCount,
                                       kAccessorialCount,
                                       kDiscountEntryCount,
                                       kLastErrorCode,
                                       kUnused250,
                                       kAccessorialTable,
                                       kLevelTable,
                                       kTariffDataVersion,
                                       kUnused12562,
                                       kCanadaFlag,
                                       kMexicoFlag,
                                       kZpsLoaded,
                                       kBsvLoaded,
                                       kZpsNotNeeded,
                                       kTrmPresent,
                                       kSrvPresent,
                                       kIntrastateQuestionInUse,
                                       kFakAllowed,
                                       kUnused12602,
                                       kNoDiscountLane,
                                       kUnused12614,
                                       kBreakDiscounts,
                                       kTypedDiscountText,
                                       kTypedMcDiscountText,
                                       kTypedFloorText,
                                       kUsRateTable,
                                       kUnused13393,
                                       kMexicoRateTable,
                                       kCombinedRateTable,
                                       kZf1DataOffsetAndLength,
                                       kZf2DataOffsetAndLength,
                                       kZfmDataOffsetAndLength,
                                       kTableRecordCounts,
                                       kUnused14889,
                                       kStartupDirectory,
                                       kDataDirectory,
                                       kTariffBaseName,
                                       kUnused15421,
                                       kMethodFlagLetter,
                                       kUnused15427,
                                       kDirectServiceLabel,
                                       kIndirectServiceLabel,
                                       kThirdServiceLabel,
                                       kFourthServiceLabel,
                                       kOriginServiceLabel,
                                       kUnused15503,
                                       kDestinationServiceLabel,
                                       kUnused15528,
                                       kTableNames,
                                       kUnused15954,
                                       kEffectiveTableCopy,
                                       kCurrentEffectiveEntry,
                                       kRawWeightRecords,
                                       kEngineInUse,
                                       kServiceGuideInUse,
                                       kZipRangeTable,
                                       kZf1Keys,
                                       kZfmKeys,
                                       kZf2Keys,
                                       kZf1Entries,
                                       kZfmEntries,
                                       kZf2IndexBlock,
                                       kUnused48370,
                                       kRtlUsed,
                                       kRtlInsteadOfRte,
                                       kRclInsteadOfRtc,
                                       kRclInsteadOfRtc2,
                                       kEngineModule,
                                       kRatekitModule,
                                       kServiceGuideModule,
                                       kClassAndWeightTablesFilled,
                                       kUnused48406,
                                       kEffectiveEntriesKept,
                                       kEffectiveEntriesSkipped,
                                       kUnused48422,
                                       kTariffName,
                                       kUnused48694,
                                       kShipmentDate,
                                       kUnused48705,
                                       kEngineMessagesOff,
                                       kZipStateTable,
                                       kPriceSheetProgram,
                                       kUnused52732,
                                       kRateTableStride,
                                       kUnused52744,
                                       kDiscountsWithdrawn,
                                       kLanguageState,
                                       kLanguageKeys,
                                       kLanguageEnglish,
                                       kLanguageSpanish,
                                       kMexicoFilesLoaded,
                                       kUnused52776,
                                       kLastTotalWeightText,
                                       kCheckQivCanResult,
                                       kOriginBasePoint,
                                       kDestinationBasePoint,
                                       kUnused52853,
                                       kLaneTariffTablesLoaded,
                                       kUnused52908,
                                       kTariffSettingsImage,
                                       kRatingDefaultsImage,
                                       kDiscountFileImage,
                                       kShipmentId,
                                       kUnused54152,
                                       kOriginPoint,
                                       kDestinationPoint,
                                       kRateBaseNumber,
                                       kUnused54250,
                                       kIntrastate,
                                       kServiceGuideCodes,
                                       kShipmentLines,
                                       kRatingTotals,
                                       kOriginBasePointRecord,
                                       kDestinationBasePointRecord,
                                       kDiscountSource,
                                       kUnused54796,
                                       kClassCodes,
                                       kClassCount,
                                       kBreakLabels,
                                       kBreakUpperBounds,
                                       kBreakLowerBounds,
                                       kBreakCount,
                                       kChargeLists,
                                       kEngineVersionStrings,
                                       kSccTable,
                                       kUnused57652,
                                       kFacImage,
                                       kFccImage,
                                       kBseLongHeader,
                                       kBseShortHeader,
                                       kBscImage1,
                                       kBscImage2,
                                       kBscImage3,
                                       kBseData,
                                       kLabLine,
                                       kLabBlockIndex,
                                       kLamLine,
                                       kLamLines,
                                       kAdjRecord,
                                       kAdjKeys,
                                       kZpsHeader,
                                       kBsvHeader,
                                       kUnused71760,
                                       kCurrentProfile,
                                       kOriginTerminal,
                                       kDestinationTerminal,
                                       kMexicoDefaultsImage,
                                       kMexicoSettingsImage};
static_assert(platform::FieldsAreContiguous(kAllBlocks, kRatingContextSize));

// The slots that hold tokens, and what each token stands for.
enum class TokenKind : std::uint8_t { Buffer, Stream, Module, Position };
struct TokenSlot {
  FieldSpan span;
  TokenKind kind;
};
inline constexpr std::array kTokenSlots{
    TokenSlot{kLabStream, TokenKind::Stream},
    TokenSlot{kLamStream, TokenKind::Stream},
    TokenSlot{kMchTable, TokenKind::Buffer},
    TokenSlot{kLaTable, TokenKind::Buffer},
    TokenSlot{kRbaTable, TokenKind::Buffer},
    TokenSlot{kLmcTable, TokenKind::Buffer},
    TokenSlot{kLcaTable, TokenKind::Buffer},
    TokenSlot{kCozTable, TokenKind::Buffer},
    TokenSlot{kLevelTable, TokenKind::Buffer},
    TokenSlot{kEffectiveTableCopy, TokenKind::Buffer},
    TokenSlot{kCurrentEffectiveEntry, TokenKind::Position},
    TokenSlot{kZipRangeTable, TokenKind::Buffer},
    TokenSlot{kZf2IndexBlock, TokenKind::Buffer},
    TokenSlot{kEngineModule, TokenKind::Module},
    TokenSlot{kRatekitModule, TokenKind::Module},
    TokenSlot{kServiceGuideModule, TokenKind::Module},
    TokenSlot{kLanguageKeys, TokenKind::Buffer},
    TokenSlot{kLanguageEnglish, TokenKind::Buffer},
    TokenSlot{kLanguageSpanish, TokenKind::Buffer},
    TokenSlot{kSccTable, TokenKind::Buffer},
    TokenSlot{kZpsHeader, TokenKind::Buffer},
};
static_assert(kTokenSlots.size() == 21);

// The slots that hold file descriptors.
inline constexpr std::array kDescriptorSlots{kZf1File,  kZf2File, kZfmFile, kAdjFile, kFacFile, kRtcProbe, kFccFile,
                                             kRteProbe, kZpsFile, kBseFile, kBscFile, kBsvFile, kDspFile};

// BreakDiscounts: floats, the floor first, then the MC discount, then the
// discount of each of the nine weight breaks.
inline constexpr FieldSpan kFloor{12630, 4};
inline constexpr FieldSpan kMcDiscount{12634, 4};
inline constexpr std::size_t kDiscountBreaks = 9;
constexpr FieldSpan BreakDiscount(std::size_t i) { return {12638 + 4 * i, 4}; }
// The float sent as discount field i of the request: 0 the MC discount, 1..9 breaks 0..8.
constexpr FieldSpan SentDiscount(std::size_t i) { return {kMcDiscount.offset + 4 * i, 4}; }
inline constexpr FieldSpan kZipPairLastValue{12670, 4};
static_assert(kZipPairLastValue.offset == BreakDiscount(8).offset);
static_assert(BreakDiscount(kDiscountBreaks - 1).end() == kBreakDiscounts.end());

// The U.S. rate table: 175 ints, the applied minimum charge first, rates from item 4.
inline constexpr std::size_t kRateTableItems = 175;
constexpr FieldSpan UsRateItem(std::size_t q) { return {kUsRateTable.offset + 4 * q, 4}; }
static_assert(UsRateItem(kRateTableItems - 1).end() == kUsRateTable.end());

inline constexpr std::size_t kTableNameCount = 25;
constexpr FieldSpan TableName(std::size_t i) { return {kTableNames.offset + 16 * i, 16}; }
static_assert(TableName(kTableNameCount - 1).end() == kTableNames.end());

constexpr FieldSpan ZipStateEntry(std::size_t prefix) { return {kZipStateTable.offset + 4 * prefix, 4}; }
static_assert(ZipStateEntry(999).end() == kZipStateTable.end());

inline constexpr std::size_t kClassSlots = 20;
constexpr FieldSpan ClassCode(std::size_t i) { return {kClassCodes.offset + 6 * i, 6}; }
static_assert(ClassCode(kClassSlots - 1).end() == kClassCount.offset);

inline constexpr std::size_t kBreakSlots = 20;
constexpr FieldSpan BreakLabel(std::size_t i) { return {kBreakLabels.offset + 11 * i, 11}; }
constexpr FieldSpan BreakUpperBound(std::size_t i) { return {kBreakUpperBounds.offset + 4 * i, 4}; }
constexpr FieldSpan BreakLowerBound(std::size_t i) { return {kBreakLowerBounds.offset + 4 * i, 4}; }
static_assert(BreakLabel(kBreakSlots - 1).end() == kBreakUpperBounds.offset);
static_assert(BreakUpperBound(kBreakSlots - 1).end() == kBreakLowerBounds.offset);
static_assert(BreakLowerBound(kBreakSlots - 1).end() == kBreakCount.offset);

// The six texts of the engine's version, each in its room.
inline constexpr std::array kVersionStrings{FieldSpan{57579, 20}, FieldSpan{57599, 3}, FieldSpan{57602, 5},
                                            FieldSpan{57607, 3},  FieldSpan{57610, 5}, FieldSpan{57615, 33}};
static_assert(platform::FieldsAreContiguous(std::array{FieldSpan{0, kEngineVersionStrings.offset}, kVersionStrings[0],
                                                       kVersionStrings[1], kVersionStrings[2], kVersionStrings[3],
                                                       kVersionStrings[4], kVersionStrings[5]},
                                            kEngineVersionStrings.end()));

// ServiceGuideCodes: days, code and three terminal codes, each in its room.
inline constexpr FieldSpan kServiceDays{54258, 5};
inline constexpr FieldSpan kServiceCode{54263, 5};
inline constexpr FieldSpan kServiceTerminal2{54268, 4};
inline constexpr FieldSpan kServiceTerminal3{54272, 4};
inline constexpr FieldSpan kServiceTerminal1{54276, 4};
static_assert(kServiceTerminal1.end() == kServiceGuideCodes.end());

// The record counts of the engine-less tables ".LA ", .RBA, .LMC and .LCA.
inline constexpr FieldSpan kLaRecordCount{14873, 4};
inline constexpr FieldSpan kRbaRecordCount{14877, 4};
inline constexpr FieldSpan kLmcRecordCount{14881, 4};
inline constexpr FieldSpan kLcaRecordCount{14885, 4};
static_assert(platform::FieldsAreContiguous(std::array{FieldSpan{0, kTableRecordCounts.offset}, kLaRecordCount,
                                                       kRbaRecordCount, kLmcRecordCount, kLcaRecordCount},
                                            kTableRecordCounts.end()));

// The ZIP-prefix state table as its file holds it: entries 1..999 (entry 0
// is never loaded).
inline constexpr FieldSpan kZipStateEntries{ZipStateEntry(1).offset, 3996};
static_assert(kZipStateEntries.end() == kZipStateTable.end());

// The .BSV header's four labels with their flag bytes, and the byte that
// says the .ZPS file is not used (header bytes 1..60 and 68).
constexpr FieldSpan BsvHeaderLabel(std::size_t i) { return {kBsvHeader.offset + 1 + 15 * i, 15}; }
inline constexpr FieldSpan kBsvZpsNotUsed{kBsvHeader.offset + 68, 1};
static_assert(BsvHeaderLabel(3).end() <= kBsvHeader.end() && kBsvZpsNotUsed.end() <= kBsvHeader.end());
inline constexpr std::array kServiceLabels{kDirectServiceLabel, kIndirectServiceLabel, kThirdServiceLabel,
                                           kFourthServiceLabel};
// The service label of each shipment point (0 origin, 1 destination).
inline constexpr std::array kPointServiceLabels{kOriginServiceLabel, kDestinationServiceLabel};
// The class-by-break rate tables: U.S., Mexico and combined.
inline constexpr std::array kClassRateTables{kUsRateTable, kMexicoRateTable, kCombinedRateTable};

// The .LAB block index: key 5 and file position (int) of block i.
inline constexpr std::size_t kLabBlocks = 525;
constexpr FieldSpan LabBlockKey(std::size_t i) { return {kLabBlockIndex.offset + 9 * i, 5}; }
constexpr FieldSpan LabBlockPosition(std::size_t i) { return {kLabBlockIndex.offset + 9 * i + 5, 4}; }
static_assert(LabBlockPosition(kLabBlocks - 1).end() == kLabBlockIndex.end());
// The .LAM lines: 6 + 3 characters each.
inline constexpr std::size_t kLamLineRoom = 220;
constexpr FieldSpan LamLine(std::size_t i) { return {kLamLines.offset + 9 * i, 9}; }
static_assert(LamLine(kLamLineRoom - 1).end() == kLamLines.end());
// The .ADJ keys: the first 3 bytes of each record.
inline constexpr std::size_t kAdjRecordRoom = 400;
constexpr FieldSpan AdjKey(std::size_t i) { return {kAdjKeys.offset + 3 * i, 3}; }
static_assert(AdjKey(kAdjRecordRoom - 1).end() == kAdjKeys.end());
// The raw .WGT records.
inline constexpr std::size_t kWeightRecordSize = 21;
constexpr FieldSpan RawWeightRecord(std::size_t i) {
  return {kRawWeightRecords.offset + kWeightRecordSize * i, kWeightRecordSize};
}
static_assert(RawWeightRecord(8).end() == kRawWeightRecords.end());

// Library handles.
inline constexpr FieldSpan kLibraryHandles{48390, 12};
static_assert(kServiceGuideModule.end() == kLibraryHandles.end());

}  // namespace context

// ShipmentPoint: origin at 54153, destination at 54197.
namespace shipment_point {
using platform::FieldSpan;
inline constexpr std::size_t kSize = 44;
inline constexpr FieldSpan kCode{0, 7};  // ZIP, postal or Mexican code, NUL-padded
inline constexpr FieldSpan kState{7, 2};
inline constexpr FieldSpan kAfterState{9, 1};
inline constexpr FieldSpan kStateBlanked{7, 3};  // blanked together with the state
inline constexpr FieldSpan kCity{10, 31};
inline constexpr FieldSpan kServiceLetter{41, 1};  // 'D' direct, 'I' indirect
inline constexpr FieldSpan kStateFlag{42, 1};
inline constexpr FieldSpan kTerritoryLetter{43, 1};
inline constexpr std::array kAllFields{kCode, kState, kAfterState, kCity, kServiceLetter, kStateFlag, kTerritoryLetter};
static_assert(platform::FieldsAreContiguous(kAllFields, kSize));
static_assert(context::kOriginPoint.width == kSize && context::kDestinationPoint.width == kSize);
// A field of the origin (0) or destination (1) point.
constexpr FieldSpan Of(std::size_t point, FieldSpan field) {
  return {(point == 0 ? context::kOriginPoint : context::kDestinationPoint).offset + field.offset, field.width};
}
}  // namespace shipment_point

// ShipmentLines: eight lines as parallel arrays.
namespace shipment_lines {
using platform::FieldSpan;
inline constexpr std::size_t kLines = 8;
constexpr FieldSpan ClassCode(std::size_t i) { return {54280 + 5 * i, 5}; }
constexpr FieldSpan ClassIndex(std::size_t i) { return {54320 + 4 * i, 4}; }
constexpr FieldSpan ClassFlag(std::size_t i) { return {54352 + 2 * i, 2}; }  // '*' = class map used
constexpr FieldSpan WeightText(std::size_t i) { return {54368 + 7 * i, 7}; }
constexpr FieldSpan BreakIndex(std::size_t i) { return {54424 + 4 * i, 4}; }
constexpr FieldSpan RateText(std::size_t i) { return {54456 + 8 * i, 8}; }      // "%7.2f"
constexpr FieldSpan ChargeText(std::size_t i) { return {54520 + 10 * i, 10}; }  // "%9.2f"
static_assert(ClassCode(0).offset == context::kShipmentLines.offset);
static_assert(ClassCode(kLines - 1).end() == ClassIndex(0).offset);
static_assert(ClassIndex(kLines - 1).end() == ClassFlag(0).offset);
static_assert(ClassFlag(kLines - 1).end() == WeightText(0).offset);
static_assert(WeightText(kLines - 1).end() == BreakIndex(0).offset);
static_assert(BreakIndex(kLines - 1).end() == RateText(0).offset);
static_assert(RateText(kLines - 1).end() == ChargeText(0).offset);
static_assert(ChargeText(kLines - 1).end() == context::kShipmentLines.end());
}  // namespace shipment_lines

// RatingTotals: texts written from the engine's answer; each field is the
// room of its text and terminator.
namespace rating_totals {
using platform::FieldSpan;
inline constexpr FieldSpan kUnused54600{54600, 5};
inline constexpr FieldSpan kDeficitWeight{54605, 7};   // "%6.0d"
inline constexpr FieldSpan kDeficitRate{54612, 8};     // "%7.2f"
inline constexpr FieldSpan kDeficitCharge{54620, 10};  // "%9.2f"
inline constexpr FieldSpan kActualWeight{54630, 7};    // "%6.0d", the six-digit figure of request byte 101
inline constexpr FieldSpan kTotalWeight{54637, 7};     // "%6.0d"
inline constexpr FieldSpan kTotalCharge{54644, 15};    // "%11.2f"
inline constexpr FieldSpan kDiscountPercent{54659, 5};
inline constexpr FieldSpan kUnused54664{54664, 1};
inline constexpr FieldSpan kDiscountAmount{54665, 9};
inline constexpr FieldSpan kUnused54674{54674, 16};      // the result display's
inline constexpr FieldSpan kSurchargeAmount{54690, 10};  // "%9.2f"
inline constexpr FieldSpan kMcDiscountText{54700, 6};
inline constexpr FieldSpan kUnused54706{54706, 10};
inline constexpr FieldSpan kNetCharge{54716, 9};
inline constexpr FieldSpan kUnused54725{54725, 21};       // the result display's
inline constexpr FieldSpan kHeaderAmountsSum{54746, 10};  // "%07.2f"
inline constexpr FieldSpan kFloorText{54756, 7};
inline constexpr FieldSpan kUnused54763{54763, 10};
inline constexpr FieldSpan kSurchargeBreak{54773, 4};  // int
static_assert(platform::FieldsAreContiguous(std::array{FieldSpan{0, context::kRatingTotals.offset},
                                                       kUnused54600,
                                                       kDeficitWeight,
                                                       kDeficitRate,
                                                       kDeficitCharge,
                                                       kActualWeight,
                                                       kTotalWeight,
                                                       kTotalCharge,
                                                       kDiscountPercent,
                                                       kUnused54664,
                                                       kDiscountAmount,
                                                       kUnused54674,
                                                       kSurchargeAmount,
                                                       kMcDiscountText,
                                                       kUnused54706,
                                                       kNetCharge,
                                                       kUnused54725,
                                                       kHeaderAmountsSum,
                                                       kFloorText,
                                                       kUnused54763,
                                                       kSurchargeBreak},
                                            context::kRatingTotals.end()));
}  // namespace rating_totals

// ChargeLists: six lists of 379 bytes from 55305; list k at 55305 + 379k.
namespace charge_list {
using platform::FieldSpan;
inline constexpr std::size_t kLists = 6;
inline constexpr std::size_t kSize = 379;
inline constexpr std::size_t kEntries = 15;
inline constexpr FieldSpan kNumbers{0, 60};    // 15 ints, shown in the labels
inline constexpr FieldSpan kCharges{60, 60};   // 15 ints, cents
inline constexpr FieldSpan kFlags{120, 30};    // 15 x 2, '*' = raised to the floor
inline constexpr FieldSpan kLabels{150, 225};  // 15 x 15
inline constexpr FieldSpan kCount{375, 4};
inline constexpr std::array kAllFields{kNumbers, kCharges, kFlags, kLabels, kCount};
static_assert(platform::FieldsAreContiguous(kAllFields, kSize));
static_assert(kLists * kSize == context::kChargeLists.width);
constexpr std::size_t Start(std::size_t list) { return context::kChargeLists.offset + kSize * list; }
constexpr FieldSpan Whole(std::size_t list) { return {Start(list), kSize}; }
constexpr FieldSpan Number(std::size_t list, std::size_t i) { return {Start(list) + kNumbers.offset + 4 * i, 4}; }
constexpr FieldSpan Charge(std::size_t list, std::size_t i) { return {Start(list) + kCharges.offset + 4 * i, 4}; }
constexpr FieldSpan Flag(std::size_t list, std::size_t i) { return {Start(list) + kFlags.offset + 2 * i, 2}; }
constexpr FieldSpan Label(std::size_t list, std::size_t i) { return {Start(list) + kLabels.offset + 15 * i, 15}; }
constexpr FieldSpan Count(std::size_t list) { return {Start(list) + kCount.offset, 4}; }
}  // namespace charge_list

// TariffSettingsImage (.SET): byte n of the image is byte 52909 + n of the
// record. Flags hold 'Y' or 'N'; bytes not named are carried unchanged.
namespace tariff_settings {
using platform::FieldSpan;
inline constexpr std::size_t kSize = 283;
constexpr FieldSpan At(std::size_t imageOffset, std::size_t width) {
  return {context::kTariffSettingsImage.offset + imageOffset, width};
}
inline constexpr FieldSpan kVersion = At(4, 5);    // its digits, concatenated
inline constexpr FieldSpan kZipMode = At(163, 1);  // '3', '5' or '6'
inline constexpr FieldSpan kLoadEnginelessText = At(168, 1);
inline constexpr FieldSpan kTariffDisplay = At(172, 1);
inline constexpr FieldSpan kPriceSheet = At(174, 1);
inline constexpr FieldSpan kEnglishHelpFile = At(176, 13);
inline constexpr FieldSpan kLoadAccessorials = At(197, 1);
inline constexpr FieldSpan kNoEnginelessData = At(199, 1);
inline constexpr FieldSpan kFlag201 = At(201, 1);
inline constexpr FieldSpan kLoadLca = At(203, 1);
inline constexpr FieldSpan kFlag205 = At(205, 1);
inline constexpr FieldSpan kNoPostalCodes = At(207, 1);
inline constexpr FieldSpan kBseOrThreeDigitExport = At(209, 1);
inline constexpr FieldSpan kCityLookup1 = At(211, 1);
inline constexpr FieldSpan kCityLookup2 = At(213, 1);
inline constexpr FieldSpan kStateLookup = At(215, 1);  // through the engine unless 'N'; '2' one effective entry
inline constexpr FieldSpan kDensityCalculator = At(230, 1);
inline constexpr FieldSpan kSurchargeBeforeDiscount = At(234, 1);
inline constexpr FieldSpan kFakPage = At(236, 1);
inline constexpr FieldSpan kIconFile = At(240, 13);
inline constexpr FieldSpan kMexicoOptions = At(253, 1);
inline constexpr FieldSpan kServiceGuideCarrier = At(255, 5);
inline constexpr FieldSpan kLtlService = At(260, 1);  // '1' LTL, else TL
inline constexpr FieldSpan kServiceDaysMenu = At(268, 1);
inline constexpr FieldSpan kTerminalsMenu = At(270, 1);
inline constexpr FieldSpan kTerminalInformationMenu = At(272, 1);
// The flags that opening the file set turns into 'N' unless they are 'Y'.
inline constexpr std::array kYesNoFlags{kLoadAccessorials, kNoEnginelessData,      kFlag201,     kLoadLca,    kFlag205,
                                        kNoPostalCodes,    kBseOrThreeDigitExport, kCityLookup1, kCityLookup2};
static_assert(kTerminalInformationMenu.end() <= context::kTariffSettingsImage.end());
}  // namespace tariff_settings

// RatingDefaultsImage (.DEF): byte n of the image is byte 53192 + n.
namespace rating_defaults {
using platform::FieldSpan;
inline constexpr std::size_t kSize = 346;
constexpr FieldSpan At(std::size_t imageOffset, std::size_t width) {
  return {context::kRatingDefaultsImage.offset + imageOffset, width};
}
inline constexpr FieldSpan kShipmentIdPrompt = At(0, 2);
inline constexpr FieldSpan kClassBandSwitch6 = At(6, 2);
inline constexpr FieldSpan kClassBandSwitch8 = At(8, 2);
inline constexpr FieldSpan kFactorInUse = At(10, 2);
inline constexpr FieldSpan kSurchargeInUse = At(12, 2);
inline constexpr FieldSpan kCurrencyExchange = At(14, 2);
inline constexpr FieldSpan kDiscountsInUse = At(16, 2);
inline constexpr FieldSpan kExchangeRate = At(18, 4);  // float
inline constexpr FieldSpan kDiscountKind = At(31, 1);  // 'R' rates, 'C' charges
inline constexpr FieldSpan kClassBandLetter = At(33, 1);
inline constexpr FieldSpan kFactor = At(35, 4);               // float, sent x 10000
inline constexpr FieldSpan kLtlSurchargePercent = At(41, 4);  // float
inline constexpr FieldSpan kIncreaseFactor = At(45, 4);       // float
inline constexpr FieldSpan kPrintOutput = At(75, 4);          // "FILE" or "PRTR"
inline constexpr FieldSpan kPrintFileName = At(80, 31);
inline constexpr FieldSpan kPrintMode = At(111, 1);
inline constexpr FieldSpan kPrintFileAnswer = At(112, 1);
inline constexpr FieldSpan kExportFileName = At(115, 31);
inline constexpr FieldSpan kCommaSeparatedExport = At(146, 2);
inline constexpr FieldSpan kExportMode = At(148, 1);
inline constexpr FieldSpan kExportFileAnswer = At(149, 1);
inline constexpr FieldSpan kConstantOriginZip = At(150, 7);
inline constexpr FieldSpan kOriginCodeList = At(157, 2);
inline constexpr FieldSpan kConstantOriginZipInUse = At(159, 2);
inline constexpr FieldSpan kConstantDestinationZip = At(161, 7);
inline constexpr FieldSpan kConstantDestinationZipInUse = At(170, 2);
inline constexpr FieldSpan kConstantClass = At(172, 5);
inline constexpr FieldSpan kConstantClassInUse = At(179, 2);
inline constexpr FieldSpan kSecondConstantClass = At(181, 5);
inline constexpr FieldSpan kClassBandSwitch252 = At(252, 2);
inline constexpr FieldSpan kZipPairDiscounts = At(254, 2);
inline constexpr FieldSpan kTlSurchargePercent = At(256, 4);  // float
inline constexpr FieldSpan kInitialised = At(260, 2);
inline constexpr FieldSpan kTlFromBreak = At(262, 4);  // number text
inline constexpr FieldSpan kCurrentProfileIndex = At(266, 2);
inline constexpr FieldSpan kBreaksToHide = At(268, 8);  // number text
inline constexpr FieldSpan kBasePointDisplay = At(276, 1);
static_assert(kBasePointDisplay.end() <= context::kRatingDefaultsImage.end());
}  // namespace rating_defaults

// DiscountFileImage (.DIS): byte n of the image is byte 53538 + n.
namespace discount_file {
using platform::FieldSpan;
inline constexpr std::size_t kSize = 605;
constexpr FieldSpan At(std::size_t imageOffset, std::size_t width) {
  return {context::kDiscountFileImage.offset + imageOffset, width};
}
inline constexpr FieldSpan kClassBandState = At(0, 2);
inline constexpr FieldSpan kScheme = At(88, 1);  // '2'..'5'
inline constexpr std::size_t kEntries = 9;
// Entry i (25 bytes, in use while its first byte is neither blank nor NUL),
// with a weight number at entry byte 11; the label of break i+1 that the
// discount page shows is entry i's bytes 3 on (label 0 at image byte 90).
constexpr FieldSpan Entry(std::size_t i) { return At(112 + 25 * i, 25); }
constexpr FieldSpan BreakLabel(std::size_t i) { return At(90 + 25 * i, 22); }
inline constexpr std::size_t kEntryWeightOffset = 11;
inline constexpr std::size_t kBands = 4;
inline constexpr std::size_t kBandSize = 67;
constexpr FieldSpan Band(std::size_t b) { return At(337 + kBandSize * b, kBandSize); }
constexpr FieldSpan BandBreakText(std::size_t b, std::size_t i) { return {Band(b).offset + 6 * i, 6}; }
constexpr FieldSpan BandMcDiscountText(std::size_t b) { return {Band(b).offset + 54, 6}; }
constexpr FieldSpan BandFloorText(std::size_t b) { return {Band(b).offset + 60, 7}; }
static_assert(Entry(kEntries - 1).end() == Band(0).offset);
static_assert(BandFloorText(0).end() == Band(1).offset);
static_assert(Band(kBands - 1).end() == context::kDiscountFileImage.end());
}  // namespace discount_file

// MexicoDefaultsImage (.MEF) and MexicoSettingsImage (.MET).
namespace mexico_defaults {
using platform::FieldSpan;
inline constexpr std::size_t kSize = 350;
inline constexpr FieldSpan kWeightsInKilograms{context::kMexicoDefaultsImage.offset + 0, 1};
inline constexpr FieldSpan kSpanishAtStart{context::kMexicoDefaultsImage.offset + 2, 1};
}  // namespace mexico_defaults
namespace mexico_settings {
using platform::FieldSpan;
inline constexpr std::size_t kSize = 283;
inline constexpr FieldSpan kShipmentDetailFlag{context::kMexicoSettingsImage.offset + 4, 1};
inline constexpr FieldSpan kTaxPromptOff{context::kMexicoSettingsImage.offset + 6, 1};
inline constexpr FieldSpan kInsurancePromptOff{context::kMexicoSettingsImage.offset + 8, 1};
inline constexpr FieldSpan kSpanishHelpFile{context::kMexicoSettingsImage.offset + 18, 13};
}  // namespace mexico_settings

// AccessorialEntry: 123 bytes; entry i of the AccessorialTable at 254 + 123i.
namespace accessorial_entry {
using platform::FieldSpan;
inline constexpr std::size_t kSize = 123;
inline constexpr std::size_t kTableEntries = 100;
inline constexpr FieldSpan kSelection{0, 1};  // '*' chosen, blank not, 't' heading
inline constexpr FieldSpan kGroupFlag{1, 1};
inline constexpr FieldSpan kCode{2, 5};
inline constexpr FieldSpan kDescription{7, 50};
inline constexpr FieldSpan kKind{57, 1};
inline constexpr FieldSpan kRate{58, 4};  // floats from here to 89
inline constexpr FieldSpan kUnitAmount{62, 4};
inline constexpr FieldSpan kMinimumCharge{66, 4};
inline constexpr FieldSpan kMaximumCharge{70, 4};
inline constexpr FieldSpan kSecondRate{74, 4};
inline constexpr FieldSpan kThirdRate{78, 4};
inline constexpr FieldSpan kEnteredValue{82, 4};
inline constexpr FieldSpan kComputedCharge{86, 4};
inline constexpr FieldSpan kUnitLabel{90, 30};
inline constexpr FieldSpan kReserved{120, 3};
inline constexpr std::array kAllFields{kSelection, kGroupFlag,    kCode,           kDescription,   kKind,
                                       kRate,      kUnitAmount,   kMinimumCharge,  kMaximumCharge, kSecondRate,
                                       kThirdRate, kEnteredValue, kComputedCharge, kUnitLabel,     kReserved};
static_assert(platform::FieldsAreContiguous(kAllFields, kSize));
static_assert(kTableEntries * kSize == context::kAccessorialTable.width);
constexpr FieldSpan Entry(std::size_t i) { return {context::kAccessorialTable.offset + kSize * i, kSize}; }
}  // namespace accessorial_entry

// ProfileRecord: 17,897 bytes, the record of PROFILE.FIL; the current one
// at 71818.
namespace profile_record {
using platform::FieldSpan;
inline constexpr std::size_t kSize = 17897;
inline constexpr FieldSpan kName{0, 31};
inline constexpr FieldSpan kClassMapInUse{31, 4};
inline constexpr FieldSpan kClassMap{35, 72};  // 18 x 4
inline constexpr FieldSpan kConstantSurchargeInUse{107, 2};
inline constexpr FieldSpan kLtlSurchargePercent{109, 4};
inline constexpr FieldSpan kTlSurchargePercent{113, 4};
inline constexpr FieldSpan kConstantClassInUse{117, 2};
inline constexpr FieldSpan kConstantClass{119, 5};
inline constexpr FieldSpan kSecondConstantClass{124, 5};
inline constexpr FieldSpan kConstantOriginZipInUse{129, 2};
inline constexpr FieldSpan kConstantOriginZip{131, 7};
inline constexpr FieldSpan kConstantDestinationZipInUse{138, 2};
inline constexpr FieldSpan kConstantDestinationZip{140, 7};
inline constexpr FieldSpan kDiscountKind{147, 1};
inline constexpr FieldSpan kUnused148{148, 1};
inline constexpr FieldSpan kTypedDiscountInUse{149, 2};
inline constexpr FieldSpan kClassBandDiscountsInUse{151, 2};
inline constexpr FieldSpan kZipPairDiscountsInUse{153, 2};
inline constexpr FieldSpan kBand0{155, 44};  // 9 break discounts, MC discount, floor
inline constexpr FieldSpan kBand1{199, 44};
inline constexpr FieldSpan kZipDiscounts{243, 17550};  // 150 ZipDiscountEntry
inline constexpr FieldSpan kZipDiscountCount{17793, 4};
inline constexpr FieldSpan kPromptedSurchargeInUse{17797, 2};
inline constexpr FieldSpan kPromptedLtlPercent{17799, 4};
inline constexpr FieldSpan kPromptedTlPercent{17803, 4};
inline constexpr FieldSpan kPromptSwitch1{17807, 2};
inline constexpr FieldSpan kPromptSwitch2{17809, 2};
inline constexpr FieldSpan kUnread{17811, 86};
inline constexpr std::array kAllFields{kName,
                                       kClassMapInUse,
                                       kClassMap,
                                       kConstantSurchargeInUse,
                                       kLtlSurchargePercent,
                                       kTlSurchargePercent,
                                       kConstantClassInUse,
                                       kConstantClass,
                                       kSecondConstantClass,
                                       kConstantOriginZipInUse,
                                       kConstantOriginZip,
                                       kConstantDestinationZipInUse,
                                       kConstantDestinationZip,
                                       kDiscountKind,
                                       kUnused148,
                                       kTypedDiscountInUse,
                                       kClassBandDiscountsInUse,
                                       kZipPairDiscountsInUse,
                                       kBand0,
                                       kBand1,
                                       kZipDiscounts,
                                       kZipDiscountCount,
                                       kPromptedSurchargeInUse,
                                       kPromptedLtlPercent,
                                       kPromptedTlPercent,
                                       kPromptSwitch1,
                                       kPromptSwitch2,
                                       kUnread};
static_assert(platform::FieldsAreContiguous(kAllFields, kSize));
static_assert(context::kCurrentProfile.width == kSize);
// A field of the CurrentProfile in the RatingContext.
constexpr FieldSpan Current(FieldSpan field) { return {context::kCurrentProfile.offset + field.offset, field.width}; }
}  // namespace profile_record

// ZipDiscountEntry: 117 bytes, 150 in a ProfileRecord from its byte 243.
namespace zip_discount_entry {
using platform::FieldSpan;
inline constexpr std::size_t kSize = 117;
inline constexpr std::size_t kPerProfile = 150;
inline constexpr FieldSpan kOriginFrom{0, 7};  // blanks: the origin is a state
inline constexpr FieldSpan kOriginTo{7, 7};
inline constexpr FieldSpan kDestinationFrom{14, 7};
inline constexpr FieldSpan kDestinationTo{21, 7};
inline constexpr FieldSpan kValues{28, 80};  // 10 x 8
inline constexpr FieldSpan kFloor{108, 9};
inline constexpr std::array kAllFields{kOriginFrom, kOriginTo, kDestinationFrom, kDestinationTo, kValues, kFloor};
static_assert(platform::FieldsAreContiguous(kAllFields, kSize));
static_assert(kPerProfile * kSize == profile_record::kZipDiscounts.width);
}  // namespace zip_discount_entry

// TerminalDetails: origin at 89715, destination at 90161, 446 bytes each.
namespace terminal_details {
using platform::FieldSpan;
inline constexpr std::size_t kSize = 446;
inline constexpr std::array kFields{FieldSpan{0, 51},   FieldSpan{51, 6},   FieldSpan{57, 51},   FieldSpan{108, 51},
                                    FieldSpan{159, 31}, FieldSpan{190, 3},  FieldSpan{193, 11},  FieldSpan{204, 13},
                                    FieldSpan{217, 13}, FieldSpan{230, 13}, FieldSpan{243, 101}, FieldSpan{344, 51},
                                    FieldSpan{395, 51}};
static_assert(platform::FieldsAreContiguous(kFields, kSize));
static_assert(context::kOriginTerminal.width == kSize && context::kDestinationTerminal.width == kSize);
}  // namespace terminal_details

}  // namespace ratekit
