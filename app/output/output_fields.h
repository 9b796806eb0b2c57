// The fields of the RatingContext that the printouts and the shipment export
// read (and the few they write), by what they mean to the output. The
// layout is Ratekit32's (ratekit/rating_context.h); fields it leaves
// unnamed are named here, each checked against the block it lies in.
#pragma once

#include "ratekit/rating_context.h"
#include "shell/rating_context_fields.h"

namespace qiv::output_fields {

namespace rc = ratekit::context;
namespace def = ratekit::rating_defaults;
namespace point = ratekit::shipment_point;
namespace lines = ratekit::shipment_lines;
namespace totals = ratekit::rating_totals;
namespace profile = ratekit::profile_record;
using platform::FieldSpan;

// The print and export settings of the RatingDefaultsImage.
inline constexpr FieldSpan kPrintOutput{def::kPrintOutput.offset, 5};  // "FILE" or "PRTR" and a NUL
inline constexpr FieldSpan kPrintFileName = def::kPrintFileName;       // NUL-terminated, 30 characters at most
inline constexpr FieldSpan kPrintMode = def::kPrintMode;               // 'A', 'S' or 'O'
inline constexpr FieldSpan kPrintFileAnswer = def::kPrintFileAnswer;   // 'A', 'R', 'N' or ' '
inline constexpr FieldSpan kExportFileName = def::kExportFileName;
inline constexpr FieldSpan kCommaSeparated = def::kCommaSeparatedExport;  // short
inline constexpr FieldSpan kExportMode = def::kExportMode;
inline constexpr FieldSpan kExportFileAnswer = def::kExportFileAnswer;
static_assert(kPrintOutput.end() == kPrintFileName.offset);

// The shipment and its route.
inline constexpr FieldSpan kShipmentId = rc::kShipmentId;
inline constexpr FieldSpan kShipmentIdPrompt = def::kShipmentIdPrompt;  // short
constexpr FieldSpan Code(int end) { return point::Of(static_cast<std::size_t>(end), point::kCode); }
constexpr FieldSpan State(int end) { return point::Of(static_cast<std::size_t>(end), point::kState); }
constexpr FieldSpan City(int end) { return point::Of(static_cast<std::size_t>(end), point::kCity); }
// The direct or indirect service label of each end (24 characters and a NUL).
inline constexpr FieldSpan kPointServiceLabels[] = {fields::kOriginServiceLabel, fields::kDestinationServiceLabel};
inline constexpr FieldSpan kBasePointRecords[] = {rc::kOriginBasePointRecord, rc::kDestinationBasePointRecord};
// '*' when the end's code is a P.O. box or unassigned.
inline constexpr FieldSpan kPostOfficeBoxFlags[] = {{15955, 1}, {15956, 1}};
// The terminal code of the service guide's details of each end.
inline constexpr FieldSpan kTerminalCodes[] = {{rc::kOriginTerminal.offset + 51, 6},
                                               {rc::kDestinationTerminal.offset + 51, 6}};
inline constexpr FieldSpan kServiceDays{54276, 4};
static_assert(kPointServiceLabels[0].end() <= kPointServiceLabels[1].offset &&
              kPointServiceLabels[1].end() <= rc::kTableNames.offset);
static_assert(kPostOfficeBoxFlags[0].offset > rc::kUnused15954.offset &&
              kPostOfficeBoxFlags[1].end() == rc::kUnused15954.end());
static_assert(kTerminalCodes[0].offset == 89766 && kTerminalCodes[1].offset == 90212);
static_assert(kServiceDays.offset == rc::kServiceTerminal1.offset);

// The rate base: its number (at most 8 characters), the kind letter that is
// its sixth character, and the title the tariff-basis table gave it.
inline constexpr FieldSpan kRateBaseNumber = rc::kRateBaseNumber;
inline constexpr FieldSpan kRateBaseLetter{rc::kRateBaseNumber.offset + 5, 1};
inline constexpr FieldSpan kRateBaseTitle{15538, 15};
static_assert(kRateBaseTitle.offset >= rc::kUnused15528.offset && kRateBaseTitle.end() <= rc::kUnused15528.end());
// 'Y': the single-shipment letter is printed for rate bases of kind 'C' too.
inline constexpr FieldSpan kSingleShipmentOnClassBases = def::At(49, 1);
static_assert(kSingleShipmentOnClassBases.offset == 53241);
inline constexpr FieldSpan kSingleShipmentLetter = rc::kMethodFlagLetter;  // 'Y', 'N', ...
inline constexpr FieldSpan kIntrastateLetter = rc::kIntrastate;

// The profile and the discounts.
inline constexpr FieldSpan kProfileName = profile::Current(profile::kName);
inline constexpr FieldSpan kProfileZipDiscounts = profile::Current(profile::kZipPairDiscountsInUse);      // short
inline constexpr FieldSpan kProfileClassDiscounts = profile::Current(profile::kClassBandDiscountsInUse);  // short
static_assert(kProfileZipDiscounts.offset == 71971 && kProfileClassDiscounts.offset == 71969);
inline constexpr FieldSpan kDiscountSource = rc::kDiscountSource;  // 'P', 'C' or 'Z'
inline constexpr FieldSpan kDiscountKind = def::kDiscountKind;     // 'R' rates, 'C' charges
// The discount floats: index 0 the floor, 1 the MC discount, 2.. the breaks.
constexpr FieldSpan DiscountFloat(std::size_t i) { return {rc::kFloor.offset + 4 * i, 4}; }
inline constexpr std::size_t kDiscountFloats = 2 + rc::kDiscountBreaks;
static_assert(DiscountFloat(kDiscountFloats - 1).end() == rc::kBreakDiscounts.end());
inline constexpr FieldSpan kTypedDiscountText = rc::kTypedDiscountText;
inline constexpr FieldSpan kTypedMcDiscountText = rc::kTypedMcDiscountText;
inline constexpr FieldSpan kTypedFloorText = rc::kTypedFloorText;
inline constexpr FieldSpan kNoDiscountLane = rc::kNoDiscountLane;  // int
// The rating defaults' switches (shorts).
inline constexpr FieldSpan kDiscountPrompt = fields::kDiscountPrompt;
inline constexpr FieldSpan kMcDiscountPrompt = fields::kMcDiscountPrompt;
inline constexpr FieldSpan kFloorPrompt = fields::kFloorPrompt;
inline constexpr FieldSpan kAccessorialPrompt = fields::kAccessorialPrompt;
inline constexpr FieldSpan kDiscountsInUse = fields::kDiscountsInUse;
inline constexpr FieldSpan kBasePointDisplay = fields::kBasePointDisplay;
// The accessorial total the rating screen writes ("%6.2f").
inline constexpr FieldSpan kAccessorialTotal = fields::kAccessorialTotalText;
// The single-shipment floor (float) and the floor the export reports (float,
// written by the export).
inline constexpr FieldSpan kSingleShipmentFloor = def::At(278, 4);
inline constexpr FieldSpan kExportedDiscount{12626, 4};
static_assert(kSingleShipmentFloor.offset == 53470);
static_assert(kExportedDiscount.offset >= rc::kUnused12614.offset && kExportedDiscount.end() <= rc::kUnused12614.end());

// Options.
inline constexpr FieldSpan kMexicoFlag = rc::kMexicoFlag;                                        // int: a Mexican lane
inline constexpr FieldSpan kServiceGuideInUse = rc::kServiceGuideInUse;                          // int
inline constexpr FieldSpan kZpsLoaded = rc::kZpsLoaded;                                          // int
inline constexpr FieldSpan kIntrastatePrompt = rc::kIntrastateQuestionInUse;                     // int
inline constexpr FieldSpan kSpanishMexicoOption = rc::kMexicoFilesLoaded;                        // int
inline constexpr FieldSpan kThreeDigitZip = ratekit::tariff_settings::kBseOrThreeDigitExport;    // 'Y'
inline constexpr FieldSpan kWeightsInKilograms = ratekit::mexico_defaults::kWeightsInKilograms;  // 'Y'
inline constexpr FieldSpan kConstantClassInUse = def::kConstantClassInUse;                       // short
inline constexpr FieldSpan kConstantClass = def::kSecondConstantClass;  // the class the printout shows
static_assert(kThreeDigitZip.offset == 53118 && kConstantClassInUse.offset == 53371 && kConstantClass.offset == 53373);

// The class and weight-break tables and the rate tables (ints, cents; row
// = class index x the stride + break).
inline constexpr FieldSpan kClassCount = rc::kClassCount;
inline constexpr FieldSpan kBreakCount = rc::kBreakCount;
inline constexpr FieldSpan kRateStride = rc::kRateTableStride;
inline constexpr FieldSpan kUsRates{rc::UsRateItem(4).offset, rc::kUsRateTable.end() - rc::UsRateItem(4).offset};
inline constexpr FieldSpan kMexicoRates = rc::kMexicoRateTable;
inline constexpr FieldSpan kCombinedRates = rc::kCombinedRateTable;
static_assert(kUsRates.offset == 12709 && kMexicoRates.offset == 13425 && kCombinedRates.offset == 14141);

}  // namespace qiv::output_fields
