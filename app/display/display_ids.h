// The display dialogs and their controls. Language texts and help topics
// are keyed by these numbers.
#pragma once

namespace qiv::display_id {

inline constexpr int RateResults = 541;
inline constexpr int TariffDisplay = 3105;
inline constexpr int TerminalInfo = 3131;
inline constexpr int ShipmentDetail = 3137;

// Rates dialog.
inline constexpr int RatesView = 4544;
inline constexpr int AlternationView = 4545;
inline constexpr int DiscountsYes = 4546;
inline constexpr int DiscountsNo = 4547;
inline constexpr int DiscountsLabel = 4553;
inline constexpr int Combined = 4914;
inline constexpr int UsOnly = 4551;
inline constexpr int MexicoOnly = 4552;
inline constexpr int TableLabel = 4913;
inline constexpr int Print = 4213;
inline constexpr int RatesOk = 2155;
inline constexpr int OriginText = 2135;
inline constexpr int DestinationText = 2137;
inline constexpr int OriginPoint = 4542;
inline constexpr int DestinationPoint = 4543;
inline constexpr int OriginLabel = 2134;
inline constexpr int DestinationLabel = 2136;
inline constexpr int ClassHeading = 4214;
inline constexpr int FirstBreakHeading = 2108;
inline constexpr int BreakHeadings = 9;
inline constexpr int RatesList = 1020;
inline constexpr int ChargesList = 4548;
inline constexpr int OptionsGroup = 4550;

// Shipment detail.
inline constexpr int UsTotals = 4916;
inline constexpr int MexicanTotals = 4917;
inline constexpr int CombinedTotals = 4919;
inline constexpr int DetailOk = 4898;

// Tariff display.
inline constexpr int TariffText = 4583;
inline constexpr int TariffOk = 4881;

// Terminal information: the origin's controls; the destination's are
// given beside them in the dialog.
inline constexpr int TerminalOk = 4893;

}  // namespace qiv::display_id
