// The rating screen's toolbar: 29 buttons, button i showing image i of the
// normal image list (icon resource `normalIcon`) and, disabled, image i of
// the second list (`disabledIcon`); four are check buttons. Images 7 (Use
// Discounts), 10 (Auto Clear), 11 (Division of Revenue) and 13 (the
// language) change with their command's state.
#pragma once

#include <array>

#include "screen/screen_ids.h"

namespace qiv {

struct ToolbarButton {
  int command;
  int normalIcon;
  int disabledIcon;
  bool check;
};

inline constexpr std::array<ToolbarButton, 29> kToolbarButtons{{
    {command::PrintShipment, 3073, 3073, false},
    {command::ExportShipment, 3074, 3074, false},
    {command::PriceSheet, 3067, 3067, false},
    {command::BillOfLading, 3072, 3072, false},
    {command::Rules, 3069, 3069, false},
    {command::Maintenance, 3079, 3079, false},
    {command::Settings, 3117, 3117, false},
    {command::UseDiscounts, 3062, 3115, true},
    {command::Calculator, 3056, 3056, false},
    {command::TariffDisplay, 3104, 3104, false},
    {command::AutoClear, 3058, 3058, true},
    {command::DivisionOfRevenue, 3063, 3063, true},
    {command::ConversionCalculator, 3060, 3135, false},
    {command::English, 3134, 3060, true},
    {command::BorderCrossingPoints, 3133, 3133, false},
    {command::ShipmentDetail, 3138, 3139, false},
    {command::DisplayRates, 3068, 3102, false},
    {command::AccessorialTotals, 3054, 3141, false},
    {command::UsCityLookup, 3071, 3099, false},
    {command::CanadianCityLookup, 3057, 3101, false},
    {command::MexicanCityLookup, 3080, 3100, false},
    {command::TerminalInformation, 3070, 3132, false},
    {command::ServiceMap, 3066, 3066, false},
    {command::Website, 3055, 3055, false},
    {command::FuelSurchargeWebsite, 3151, 3151, false},
    {command::Contents, 3065, 3065, false},
    {command::CarrierWebsite1, 3160, 3160, false},
    {command::CarrierWebsite2, 3159, 3159, false},
    {command::CarrierWebsite3, 3161, 3161, false},
}};

// The images that change, and their icons.
namespace toolbar_image {
inline constexpr int UseDiscounts = 7;
inline constexpr int AutoClear = 10;
inline constexpr int DivisionOfRevenue = 11;
inline constexpr int Language = 13;
inline constexpr int kDiscountsOff = 3062;
inline constexpr int kDiscountsOn = 3061;
inline constexpr int kDiscountsWithdrawn = 3115;
inline constexpr int kAutoClearOff = 3058;
inline constexpr int kAutoClearOn = 3059;
inline constexpr int kDivisionOff = 3063;  // on: 3064
inline constexpr int kEnglish = 3134;
inline constexpr int kSpanish = 3135;
}  // namespace toolbar_image

}  // namespace qiv
