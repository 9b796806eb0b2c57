// The rating dialogs opened from the rating screen and its after-entry
// chain: their ids and their controls' (language texts and help topics are
// keyed by them).
#pragma once

namespace qiv::rating_dialog_id {

inline constexpr int RatingPrompts = 539;
inline constexpr int Accessorials = 549;
inline constexpr int RevenueDivision = 550;
inline constexpr int AccessorialTotals = 554;
inline constexpr int MexicanPrompts = 3140;

}  // namespace qiv::rating_dialog_id

namespace qiv::prompts_id {
inline constexpr int PromptAccessorial = 1011;
inline constexpr int SetAccessorial = 2154;
inline constexpr int Factor = 1005;
inline constexpr int FactorField = 1033;
inline constexpr int ShipmentId = 1006;
inline constexpr int Kilograms = 1007;
inline constexpr int Currency = 2157;
inline constexpr int RateField = 2156;
inline constexpr int IncreaseLabel = 4596;
inline constexpr int IncreaseField = 2158;
inline constexpr int DisableLabel = 4770;
inline constexpr int DisableFrame = 4771;
inline constexpr int DisableFirst = 2146;  // 2146, 2147, 2148
inline constexpr int DisableLast = 2148;
inline constexpr int BasePoints = 4934;
inline constexpr int CitySelection = 4936;
inline constexpr int Ok = 4863;
inline constexpr int Cancel = 4864;
}  // namespace qiv::prompts_id

namespace qiv::accessorials_id {
inline constexpr int Check = 2160;     // + row
inline constexpr int Description = 6;  // + row
inline constexpr int Unit = 2175;      // + row
inline constexpr int Value = 2190;     // + row
inline constexpr int PageNumber = 4346;
inline constexpr int PageCount = 4345;
inline constexpr int Next = 2206;
inline constexpr int Previous = 2208;
inline constexpr int Ok = 4777;
inline constexpr int Cancel = 4920;
inline constexpr int HelpContext = 26;  // of every row's controls
}  // namespace qiv::accessorials_id

namespace qiv::totals_id {
inline constexpr int List = 4344;
inline constexpr int Close = 4912;
}  // namespace qiv::totals_id

namespace qiv::division_id {
inline constexpr int OriginMiles = 2139;
inline constexpr int BridgeMiles = 2140;
inline constexpr int DestinationMiles = 2141;
inline constexpr int OriginShare = 2142;
inline constexpr int BridgeShare = 2143;
inline constexpr int DestinationShare = 2144;
inline constexpr int Calculate = 2145;
inline constexpr int Close = 4836;
}  // namespace qiv::division_id

namespace qiv::mexican_id {
inline constexpr int IvaTax = 4908;
inline constexpr int Insurance = 4909;
inline constexpr int InsuranceLabel = 4910;
inline constexpr int IvaTaxLabel = 4911;
inline constexpr int Ok = 4905;
inline constexpr int Cancel = 4906;
}  // namespace qiv::mexican_id
