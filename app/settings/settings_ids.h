// The ids of the Settings dialog, its sheet and its pages, and the numbers
// of the messages and texts they use. Language texts and help topics are
// keyed by these numbers.
#pragma once

#include <array>
#include <cstdint>

namespace qiv::settings_id {

inline constexpr int Dialog = 3109;
inline constexpr int SheetCaption = 2403;  // language text of the sheet's caption
inline constexpr int OptionPage = 2404;    // page templates; also their tabs' texts
inline constexpr int DiscountPage = 2405;
inline constexpr int FakPage = 2406;
inline constexpr int Sheet = 2403;  // the sheet's window id
inline constexpr int TabControl = 12320;

// Settings dialog.
inline constexpr int AddSetting = 3;
inline constexpr int DeleteSetting = 4;
inline constexpr int ProfileCombo = 4611;
inline constexpr int Save = 4725;
inline constexpr int Cancel = 4726;
inline constexpr int AddingLabel = 4727;
inline constexpr int SettingsLabel = 4728;
inline constexpr int NewNameLabel = 4729;
inline constexpr int NewName = 4730;
inline constexpr int CopyFromLabel = 4731;

// Option page.
inline constexpr int PromptSurcharge = 4790;
inline constexpr int ConstantSurcharge = 4648;
inline constexpr int LtlFactor = 4649;
inline constexpr int LtlCaption = 4650;
inline constexpr int TlFactor = 4549;
inline constexpr int TlCaption = 4652;
inline constexpr int UseConstantClass = 4659;
inline constexpr int ConstantClass = 4657;
inline constexpr int ClassCaption = 4653;
inline constexpr int ClassDescription = 4658;
inline constexpr int DescriptionCaption = 4654;
inline constexpr int ConstantZipGroup = 4660;
inline constexpr int UseOriginZip = 4662;
inline constexpr int OriginZip = 4664;
inline constexpr int UseDestinationZip = 4663;
inline constexpr int DestinationZip = 4665;
inline constexpr int MexicoPromptGroup = 4661;
inline constexpr int IvaPrompt = 4666;
inline constexpr int InsurancePrompt = 4706;

// FAK page: the switch, the reset button, the 18 class edits and labels.
inline constexpr int UseFakTiers = 4632;
inline constexpr int ResetClasses = 4769;
inline constexpr std::array<int, 18> kFakEdits{4612, 4613, 4617, 4619, 4635, 4636, 4637, 4638, 4639,
                                               4640, 4641, 4642, 4643, 4644, 4645, 4646, 4647, 4651};
inline constexpr std::array<int, 18> kFakLabels{4614, 4615, 4616, 4618, 4620, 4621, 4622, 4623, 4624,
                                                4625, 4626, 4627, 4628, 4629, 4630, 4631, 4633, 4634};

// Discount page: overview.
inline constexpr int Rates = 4723;
inline constexpr int Charges = 4724;
inline constexpr int AppliesToGroup = 4782;
inline constexpr int UseBreakDiscounts = 4667;
inline constexpr int UseClassDiscounts = 4668;
inline constexpr int UseZipDiscounts = 4669;
inline constexpr int ZipDiscountGroup = 4715;
inline constexpr int EditPercentages = 4693;
inline constexpr int EditRanges = 4707;
// Percentage view: the heading, the labels of breaks 1-9, 10 and 11, the two
// columns of edits.
inline constexpr int PercentHeading = 4704;
inline constexpr int SecondColumnHeading = 4716;
inline constexpr std::array<int, 11> kBreakLabels{4670, 4671, 4672, 4673, 4674, 4675, 4676, 4677, 4678, 4679, 4680};
inline constexpr std::array<int, 11> kFirstColumn{4681, 4682, 4683, 4684, 4685, 4686, 4687, 4688, 4689, 4690, 4691};
inline constexpr std::array<int, 11> kSecondColumn{4705, 4694, 4695, 4696, 4697, 4698, 4699, 4700, 4701, 4702, 4703};
// Range view.
inline constexpr int OriginLabel = 4783;
inline constexpr int DestinationLabel = 4784;
inline constexpr int OriginFrom = 4709;
inline constexpr int OriginTo = 4710;
inline constexpr int DestinationFrom = 4711;
inline constexpr int DestinationTo = 4712;
inline constexpr int OriginStates = 4793;
inline constexpr int DestinationStates = 4794;
inline constexpr int OriginZips = 4799;
inline constexpr int OriginIsState = 4800;
inline constexpr int DestinationZips = 4801;
inline constexpr int DestinationIsState = 4803;
inline constexpr int EntryList = 4708;
inline constexpr int AddEntry = 4733;
inline constexpr int DeleteEntry = 4735;
inline constexpr int Close = 4717;
inline constexpr int CancelView = 4718;

}  // namespace qiv::settings_id

namespace qiv::settings_text {

inline constexpr std::int32_t kUpdateLabel = 54;  // Close while an entry is edited
inline constexpr std::int32_t kEleventhRow = 259;
inline constexpr std::int32_t kNoProfileChosen = 127;
inline constexpr std::int32_t kEmptyNewName = 128;
inline constexpr std::int32_t kSaveFailed = 129;
inline constexpr std::int32_t kDefaultNotDeleted = 139;
inline constexpr std::int32_t kSavedClose = 153;
inline constexpr std::int32_t kReplaceEntry = 154;
inline constexpr std::int32_t kDeleteQuestion = 218;
inline constexpr std::int32_t kClassRefused = 105;
inline constexpr std::int32_t kNotWholePrefix = 107;
inline constexpr std::int32_t kFactorRefused = 108;
inline constexpr std::int32_t kBoundRefused = 112;
inline constexpr std::int32_t kTooManyEntries = 122;
inline constexpr std::int32_t kStateMissing = 138;
inline constexpr std::int32_t kOriginNotLetters = 142;
inline constexpr std::int32_t kDestinationNotLetters = 143;
inline constexpr std::int32_t kDestinationSwap = 157;
inline constexpr std::int32_t kOriginSwap = 158;
inline constexpr std::int32_t kNoStateList = 176;
inline constexpr std::int32_t kNoProvinceList = 219;

// Help keys and status texts of the tab control, by page.
inline constexpr std::array<int, 3> kTabHelpKeys{21, 22, 23};

}  // namespace qiv::settings_text
