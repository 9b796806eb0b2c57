// The fields of the RatingContext that the program's shell and screen read
// and write, by what they mean to the screen. The layout is Ratekit32's
// (ratekit/rating_context.h); the fields it does not name are named here,
// each as a byte of the settings image it lies in.
#pragma once

#include <cstdint>
#include <memory>

#include "ratekit/rating_context.h"

namespace qiv {

using ratekit::RatingContextView;
using FieldSpan = platform::FieldSpan;

namespace fields {
namespace rc = ratekit::context;
namespace set = ratekit::tariff_settings;
namespace def = ratekit::rating_defaults;

inline constexpr FieldSpan kLastErrorCode = rc::kLastErrorCode;
inline constexpr FieldSpan kDspFile = rc::kDspFile;
inline constexpr FieldSpan kStartupDirectory = rc::kStartupDirectory;
inline constexpr FieldSpan kDataDirectory = rc::kDataDirectory;
inline constexpr FieldSpan kTariffBaseName = rc::kTariffBaseName;
inline constexpr FieldSpan kLevelCount = rc::kLevelCount;
inline constexpr FieldSpan kLevelTable = rc::kLevelTable;
inline constexpr FieldSpan kEngineInUse = rc::kEngineInUse;
inline constexpr FieldSpan kServiceGuideInUse = rc::kServiceGuideInUse;
inline constexpr FieldSpan kEngineModule = rc::kEngineModule;
inline constexpr FieldSpan kRatekitModule = rc::kRatekitModule;
inline constexpr FieldSpan kServiceGuideModule = rc::kServiceGuideModule;
inline constexpr FieldSpan kShipmentDate = rc::kShipmentDate;
inline constexpr FieldSpan kShipmentId = rc::kShipmentId;
inline constexpr FieldSpan kEffectiveTableCopy = rc::kEffectiveTableCopy;
inline constexpr FieldSpan kEffectiveCount = rc::kEffectiveEntriesKept;
inline constexpr FieldSpan kBureauCount = rc::kEffectiveEntriesSkipped;
inline constexpr FieldSpan kZipStateTableFirst = rc::ZipStateEntry(0);  // cleared before the engine starts
inline constexpr FieldSpan kPriceSheetProgram = rc::kPriceSheetProgram;
inline constexpr FieldSpan kLanguageState = rc::kLanguageState;
inline constexpr FieldSpan kLanguageKeys = rc::kLanguageKeys;
inline constexpr FieldSpan kLanguageEnglish = rc::kLanguageEnglish;
inline constexpr FieldSpan kLanguageSpanish = rc::kLanguageSpanish;
inline constexpr FieldSpan kMexicoOption = rc::kMexicoFilesLoaded;  // int: the .MEF and .MET files read
inline constexpr FieldSpan kFakAllowed = rc::kFakAllowed;
inline constexpr FieldSpan kDiscountsWithdrawn = rc::kDiscountsWithdrawn;
inline constexpr FieldSpan kNoDiscountLane = rc::kNoDiscountLane;
inline constexpr FieldSpan kAccessorialTotalText{54680, 10};
inline constexpr FieldSpan kFloorText = ratekit::rating_totals::kFloorText;
inline constexpr FieldSpan kRateBaseNumber = rc::kRateBaseNumber;

// .SET bytes (TariffSettingsImage); flags are 'Y' or 'N'.
inline constexpr FieldSpan kZipMode = set::kZipMode;  // '3', '5' or '6'
inline constexpr FieldSpan kTariffDisplayOption = set::kTariffDisplay;
inline constexpr FieldSpan kPriceSheetOption = set::kPriceSheet;  // 'Y' or 'P': a price-sheet program
inline constexpr FieldSpan kEnglishHelpFile = set::kEnglishHelpFile;
inline constexpr FieldSpan kRulesOption = set::At(191, 1);  // 'N' none, 'P' a document
inline constexpr FieldSpan kBillOfLadingPresent = set::At(195, 1);
inline constexpr FieldSpan kAccessorialFile = set::kLoadAccessorials;
inline constexpr FieldSpan kDivisionOfRevenueOption = set::kFlag205;
inline constexpr FieldSpan kCanadianCodesFlag = set::kNoPostalCodes;
inline constexpr FieldSpan kUsCityLookupOption = set::kCityLookup1;
inline constexpr FieldSpan kCanadianCityLookupOption = set::kCityLookup2;
inline constexpr FieldSpan kConversionCalculatorOption = set::kDensityCalculator;
inline constexpr FieldSpan kMexicanCityLookupOption = set::At(232, 1);
inline constexpr FieldSpan kIconFile = set::kIconFile;  // at most 19 characters
inline constexpr FieldSpan kIconFileRoom = set::At(240, 19);
inline constexpr FieldSpan kCityChoiceAllowed = set::At(266, 1);
inline constexpr FieldSpan kServiceDaysShown = set::kServiceDaysMenu;
inline constexpr FieldSpan kTerminalsShown = set::kTerminalsMenu;
inline constexpr FieldSpan kTerminalInformationOption = set::kTerminalInformationMenu;

// .DEF bytes (RatingDefaultsImage); switches are 16-bit shorts.
inline constexpr FieldSpan kShipmentIdPrompt = def::kShipmentIdPrompt;
inline constexpr FieldSpan kAccessorialPrompt = def::At(2, 2);
inline constexpr FieldSpan kDiscountPrompt = def::At(6, 2);
inline constexpr FieldSpan kFloorPrompt = def::At(8, 2);
inline constexpr FieldSpan kDiscountsInUse = def::kDiscountsInUse;
inline constexpr FieldSpan kDiscountKindLetter = def::At(33, 1);
inline constexpr FieldSpan kMcDiscountPrompt = def::At(252, 2);
inline constexpr FieldSpan kMcFloorPrompt = def::At(254, 2);
inline constexpr FieldSpan kNoticeSuppressed = def::At(270, 2);  // the notice's "do not show again"
inline constexpr FieldSpan kCurrentProfileIndex = def::kCurrentProfileIndex;
inline constexpr FieldSpan kCityChoiceOption = def::At(272, 4);  // int
inline constexpr FieldSpan kBasePointDisplay = def::At(276, 2);

// .MEF and .MET bytes.
inline constexpr FieldSpan kWeightsInKilograms = ratekit::mexico_defaults::kWeightsInKilograms;
inline constexpr FieldSpan kSpanishAtStart = ratekit::mexico_defaults::kSpanishAtStart;
inline constexpr FieldSpan kShipmentDetailOption = ratekit::mexico_settings::kShipmentDetailFlag;
inline constexpr FieldSpan kSpanishHelpFile = ratekit::mexico_settings::kSpanishHelpFile;

// The current profile's surcharge prompt (a short).
inline constexpr FieldSpan kProfileSurchargePrompt =
    ratekit::profile_record::Current(ratekit::profile_record::kPromptedSurchargeInUse);

static_assert(kRulesOption.offset == 53100 && kBillOfLadingPresent.offset == 53104);
static_assert(kAccessorialFile.offset == 53106 && kDivisionOfRevenueOption.offset == 53114);
static_assert(kCanadianCodesFlag.offset == 53116 && kUsCityLookupOption.offset == 53120);
static_assert(kCanadianCityLookupOption.offset == 53122 && kConversionCalculatorOption.offset == 53139);
static_assert(kMexicanCityLookupOption.offset == 53141 && kIconFile.offset == 53149);
static_assert(kCityChoiceAllowed.offset == 53175 && kServiceDaysShown.offset == 53177);
static_assert(kTerminalsShown.offset == 53179 && kTerminalInformationOption.offset == 53181);
static_assert(kPriceSheetOption.offset == 53083 && kEnglishHelpFile.offset == 53085);
static_assert(kTariffDisplayOption.offset == 53081 && kZipMode.offset == 53072);
static_assert(kAccessorialPrompt.offset == 53194 && kDiscountPrompt.offset == 53198);
static_assert(kFloorPrompt.offset == 53200 && kDiscountsInUse.offset == 53208);
static_assert(kDiscountKindLetter.offset == 53225 && kMcDiscountPrompt.offset == 53444);
static_assert(kMcFloorPrompt.offset == 53446 && kNoticeSuppressed.offset == 53462);
static_assert(kCurrentProfileIndex.offset == 53458 && kCityChoiceOption.offset == 53464);
static_assert(kBasePointDisplay.offset == 53468 && kProfileSurchargePrompt.offset == 89615);
static_assert(kSpanishAtStart.offset == 90609 && kShipmentDetailOption.offset == 90961);
static_assert(kSpanishHelpFile.offset == 90975 && kMexicoOption.offset == 52772);
static_assert(kAccessorialTotalText.end() <= ratekit::rating_totals::kSurchargeAmount.offset);

// The shipment lines' constant class (a .DEF setting a profile may set).
inline constexpr FieldSpan kConstantClass = def::kConstantClass;             // 5 characters
inline constexpr FieldSpan kConstantClassInUse = def::kConstantClassInUse;   // short
inline constexpr FieldSpan kConstantClassLabel = def::kSecondConstantClass;  // shown in its place
// The constant origin and destination (profile or settings).
inline constexpr FieldSpan kConstantOriginZip = def::kConstantOriginZip;
inline constexpr FieldSpan kOriginCodeList = def::kOriginCodeList;
inline constexpr FieldSpan kConstantOriginInUse = def::kConstantOriginZipInUse;
inline constexpr FieldSpan kConstantDestinationZip = def::kConstantDestinationZip;
inline constexpr FieldSpan kConstantDestinationInUse = def::kConstantDestinationZipInUse;
// The route: the data-set kind of the lane, the P.O.-box flags (the last
// lookup's, the origin's, the destination's: '*' a P.O. box or unassigned
// ZIP), a city chosen in a lookup and waiting to be shown.
inline constexpr FieldSpan kDataSetKind{15422, 1};
inline constexpr FieldSpan kLookupPoBoxFlag{15954, 1};
inline constexpr FieldSpan kOriginPoBoxFlag{15955, 1};
inline constexpr FieldSpan kDestinationPoBoxFlag{15956, 1};
inline constexpr FieldSpan kPendingCityFlag{52853, 4};
inline constexpr FieldSpan kPendingCityText{52857, 50};
inline constexpr FieldSpan kOriginBaseLabel = rc::kOriginBasePointRecord;            // 9
inline constexpr FieldSpan kDestinationBaseLabel = rc::kDestinationBasePointRecord;  // 9
inline constexpr FieldSpan kOriginTerminalName{89766, 51};
inline constexpr FieldSpan kDestinationTerminalName{90212, 51};
// The screen's service labels: 24 characters and a NUL each, Ratekit32's
// 15-character label and the room it leaves unused after it.
inline constexpr FieldSpan kOriginServiceLabel{rc::kOriginServiceLabel.offset, 25};
inline constexpr FieldSpan kDestinationServiceLabel{rc::kDestinationServiceLabel.offset, 25};
static_assert(kOriginServiceLabel.end() == rc::kUnused15503.end() &&
              kDestinationServiceLabel.end() <= rc::kUnused15528.end());
inline constexpr FieldSpan kSingleShipmentLetter = rc::kMethodFlagLetter;
inline constexpr FieldSpan kSingleShipmentSpare = rc::kUnused15427;
// The tariff chosen: the bureau switch, a second switch the choice clears,
// the titles of the rate bases (.TBL) and the one shown.
inline constexpr FieldSpan kBureauTariffChosen{48406, 4};
inline constexpr FieldSpan kTariffChoiceSwitch{48410, 4};
inline constexpr FieldSpan kRateBaseTitle{15538, 15};
inline constexpr FieldSpan kCoastalFee{14889, 4};  // int, cents
// The result display's minimum and floor amounts (floats): the minimum
// charge's U.S. and Mexican amounts, the minimum in cents, the floor that
// applies.
inline constexpr FieldSpan kMinimumUsAmount{12614, 4};
inline constexpr FieldSpan kMinimumMexicanAmount{12618, 4};
inline constexpr FieldSpan kMinimumCents{12622, 4};
inline constexpr FieldSpan kFloorApplied{12626, 4};
// .DEF and .SET settings of the result display.
inline constexpr FieldSpan kSurchargeInUse = def::kSurchargeInUse;           // short
inline constexpr FieldSpan kCurrencyExchangeInUse = def::kCurrencyExchange;  // short
inline constexpr FieldSpan kExchangeRate = def::kExchangeRate;               // float
inline constexpr FieldSpan kDiscountMode = def::kDiscountKind;               // 'R' rates, 'C' charges
inline constexpr FieldSpan kLtlSurchargePercent = def::kLtlSurchargePercent;
inline constexpr FieldSpan kTlSurchargePercent = def::kTlSurchargePercent;
inline constexpr FieldSpan kTlFromBreak = def::kTlFromBreak;                     // number text
inline constexpr FieldSpan kSingleShipmentFloor = def::At(278, 4);               // float
inline constexpr FieldSpan kSurchargeOnMinimum = set::kSurchargeBeforeDiscount;  // 'Y': on the undiscounted minimum
inline constexpr FieldSpan kStateLookupOption = set::kStateLookup;  // 'Y' also shows the single tariff's text
// The current profile's switches.
namespace profile = ratekit::profile_record;
inline constexpr FieldSpan kProfileLtlPercent = profile::Current(profile::kPromptedLtlPercent);
inline constexpr FieldSpan kProfileTlPercent = profile::Current(profile::kPromptedTlPercent);
inline constexpr FieldSpan kProfileConstantSurcharge = profile::Current(profile::kConstantSurchargeInUse);
inline constexpr FieldSpan kProfileConstantLtlPercent = profile::Current(profile::kLtlSurchargePercent);
inline constexpr FieldSpan kProfileConstantTlPercent = profile::Current(profile::kTlSurchargePercent);
inline constexpr FieldSpan kIvaTaxPrompt = profile::Current(profile::kPromptSwitch1);
inline constexpr FieldSpan kInsurancePrompt = profile::Current(profile::kPromptSwitch2);

static_assert(kConstantClass.offset == 53364 && kConstantClassInUse.offset == 53371 &&
              kConstantClassLabel.offset == 53373);
static_assert(kConstantOriginZip.offset == 53342 && kConstantOriginInUse.offset == 53351 &&
              kOriginCodeList.offset == 53349);
static_assert(kConstantDestinationZip.offset == 53353 && kConstantDestinationInUse.offset == 53362);
static_assert(kOriginBaseLabel.offset == 54777 && kDestinationBaseLabel.offset == 54786);
static_assert(kSurchargeInUse.offset == 53204 && kCurrencyExchangeInUse.offset == 53206 &&
              kExchangeRate.offset == 53210);
static_assert(kDiscountMode.offset == 53223 && kLtlSurchargePercent.offset == 53233 &&
              kTlSurchargePercent.offset == 53448);
static_assert(kTlFromBreak.offset == 53454 && kSingleShipmentFloor.offset == 53470 &&
              kSurchargeOnMinimum.offset == 53143);
static_assert(kStateLookupOption.offset == 53124 && kProfileLtlPercent.offset == 89617 &&
              kProfileTlPercent.offset == 89621);
static_assert(kProfileConstantSurcharge.offset == 71925 && kProfileConstantLtlPercent.offset == 71927);
static_assert(kProfileConstantTlPercent.offset == 71931 && kIvaTaxPrompt.offset == 89625 &&
              kInsurancePrompt.offset == 89627);
static_assert(kRateBaseTitle.end() <= ratekit::context::kTableNames.offset);

// The route and the result display's other inputs.
inline constexpr FieldSpan kCanadaFlag = rc::kCanadaFlag;
inline constexpr FieldSpan kMexicanLane = rc::kMexicoFlag;                 // int
inline constexpr FieldSpan kCanadianPointAnswer = rc::kCheckQivCanResult;  // int
inline constexpr FieldSpan kLaneTariffTablesLoaded = rc::kLaneTariffTablesLoaded;
inline constexpr FieldSpan kTariffName = rc::kTariffName;
// The base of the percentage accessorials: the shipment's total weight
// text as the rating left it.
inline constexpr FieldSpan kAccessorialBaseText = rc::kLastTotalWeightText;
inline constexpr FieldSpan kMcDiscountPercent = rc::kMcDiscount;  // float
// The rate base's kind letter: the sixth character of its number.
inline constexpr FieldSpan kRateBaseKindLetter{rc::kRateBaseNumber.offset + 5, 1};
inline constexpr FieldSpan kProfileFloor = rc::kFloor;  // float
static_assert(kAccessorialBaseText.offset == 52832 && kMexicanLane.offset == 12570 &&
              kCanadianPointAnswer.offset == 52839);
static_assert(kMcDiscountPercent.offset == 12634 && kProfileFloor.offset == 12630 && kTariffName.offset == 48686);
}  // namespace fields

// The RatingContext the program allocates: 91,240 zeroed bytes.
class RatingContext {
 public:
  static constexpr std::size_t kSize = ratekit::kRatingContextSize;
  // Null when the bytes cannot be allocated.
  static std::unique_ptr<RatingContext> Allocate();

  void* data() { return bytes_; }
  RatingContextView view() { return RatingContextView(bytes_); }
  const RatingContextView view() const { return RatingContextView(const_cast<std::uint8_t*>(bytes_)); }
  void clear();

  std::int32_t intAt(FieldSpan field) const { return view().integerAt<std::int32_t>(field.offset); }
  void setInt(FieldSpan field, std::int32_t value) { view().setInteger<std::int32_t>(field.offset, value); }
  std::int16_t shortAt(FieldSpan field) const { return view().integerAt<std::int16_t>(field.offset); }
  void setShort(FieldSpan field, std::int16_t value) { view().setInteger<std::int16_t>(field.offset, value); }
  float floatAt(FieldSpan field) const { return view().floatAt(field.offset); }
  void setFloat(FieldSpan field, float value) { view().setFloat(field.offset, value); }
  char charAt(FieldSpan field) const { return view().charAt(field.offset); }
  void setChar(FieldSpan field, char c) { view().setChar(field.offset, c); }
  // A text field up to its first NUL.
  std::string textAt(FieldSpan field) const;
  // Writes the text and NULs after it (cut to leave room for one NUL).
  void setTerminatedText(FieldSpan field, std::string_view text);

  std::int32_t lastErrorCode() const { return intAt(fields::kLastErrorCode); }
  void setLastErrorCode(std::int32_t code) { setInt(fields::kLastErrorCode, code); }

 private:
  RatingContext() = default;
  alignas(8) std::uint8_t bytes_[kSize];
};

}  // namespace qiv
