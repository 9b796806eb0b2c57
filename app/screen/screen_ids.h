// The rating screen (dialog 537, menu 3024, accelerators 558): its control
// ids and its commands. Language texts (the control's label, 40000 + the
// id its status text), help topics and the templates are keyed by them.
#pragma once

namespace qiv {

namespace screen_id {
inline constexpr int Dialog = 537;
inline constexpr int Menu = 3024;
inline constexpr int Accelerators = 558;
inline constexpr int Toolbar = 3024;
inline constexpr int StatusBar = 502;
inline constexpr int CreatedWindow = 0xFFFF;  // the banner and the sentinels

// Route.
inline constexpr int OriginField = 1000;
inline constexpr int OriginComboEdit = 1001;
inline constexpr int DestinationField = 1002;
inline constexpr int OriginState = 1003;
inline constexpr int DestinationState = 1004;
inline constexpr int OriginCombo = 1018;
inline constexpr int DestinationService = 1082;
inline constexpr int OriginService = 4360;
inline constexpr int OriginTerminal = 4363;
inline constexpr int DestinationTerminal = 4371;
inline constexpr int OriginCity = 4372;
inline constexpr int DestinationCity = 4373;
inline constexpr int OriginLabel = 4421;
inline constexpr int DestinationLabel = 4422;
inline constexpr int OriginTerminalLabel = 4423;
inline constexpr int DestinationTerminalLabel = 4424;
inline constexpr int ServiceDays = 4802;
inline constexpr int OriginBaseLabel = 4928;
inline constexpr int DestinationBaseLabel = 4929;
inline constexpr int OriginBaseDescription = 4930;
inline constexpr int DestinationBaseDescription = 4931;
inline constexpr int OriginBasePoint = 4932;
inline constexpr int DestinationBasePoint = 4933;
inline constexpr int PostOfficeBoxNotice = 4935;
inline constexpr int IntrastateNotice = 1076;

// Shipment entry.
inline constexpr int TariffLabel = 4340;
inline constexpr int DateLabel = 4341;
inline constexpr int ScacLabel = 4342;
inline constexpr int Scac = 4343;
inline constexpr int SingleTariff = 4361;
inline constexpr int DatePicker = 4362;
inline constexpr int TariffList = 1081;
inline constexpr int ProfileLabel = 1084;
inline constexpr int ProfileCombo = 4731;
inline constexpr int ClassField = 3307;
inline constexpr int WeightField = 3308;
inline constexpr int ClassHeading = 4417;
inline constexpr int WeightHeading = 4418;
inline constexpr int RateHeading = 4419;
inline constexpr int ChargeHeading = 4420;
inline constexpr int LineList = 4557;
inline constexpr int Pounds = 4894;
inline constexpr int Kilograms = 4895;

// Options of the shipment, each with its label.
inline constexpr int ShipmentId = 1009;
inline constexpr int ShipmentIdLabel = 4367;
inline constexpr int Discount = 1013;
inline constexpr int DiscountLabel = 4364;
inline constexpr int Floor = 1014;
inline constexpr int FloorLabel = 4365;
inline constexpr int McDiscount = 4412;
inline constexpr int McDiscountLabel = 4413;
inline constexpr int LtlSurcharge = 1015;
inline constexpr int LtlSurchargeLabel = 4414;
inline constexpr int TlSurcharge = 1017;
inline constexpr int TlSurchargeLabel = 4415;
inline constexpr int Accessorial = 1029;
inline constexpr int AccessorialLabel = 4366;
inline constexpr int SingleShipment = 1075;
inline constexpr int SingleShipmentLabel = 4368;

// Results: labels, values and rules.
inline constexpr int TotalChargesLabel = 4570;
inline constexpr int AccessorialChargesLabel = 4571;
inline constexpr int FuelSurchargeLabel = 4572;
inline constexpr int NetChargeLabel = 4573;
inline constexpr int DiscountResultLabel = 4574;
inline constexpr int MinimumChargeLabel = 4575;
inline constexpr int BilledWeightLabel = 4576;
inline constexpr int DeficitWeightLabel = 4577;
inline constexpr int CurrencyExchangeLabel = 4578;
inline constexpr int CoastalFeeLabel = 4581;
inline constexpr int TotalWeightLabel = 4584;
inline constexpr int GrossChargeLabel = 4585;
inline constexpr int FloorResultLabel = 4586;
inline constexpr int PercentDiscountLabel = 4587;
inline constexpr int IvaTaxLabel = 4589;
inline constexpr int InsuranceLabel = 4590;
inline constexpr int TotalChargesValue = 4558;
inline constexpr int AccessorialChargesValue = 4559;
inline constexpr int FuelSurchargeValue = 4560;
inline constexpr int NetChargeValue = 4561;
inline constexpr int DiscountValue = 4562;
inline constexpr int ChargeValue = 4563;
inline constexpr int WeightValue = 4564;
inline constexpr int DeficitWeightValue = 4565;
inline constexpr int DeficitRateValue = 4566;
inline constexpr int DeficitChargeValue = 4567;
inline constexpr int CurrencyExchangeValue = 4568;
inline constexpr int IvaTaxValue = 4569;
inline constexpr int CoastalFeeValue = 4583;
inline constexpr int InsuranceValue = 4588;
inline constexpr int NetRule = 4579;
inline constexpr int TotalRule = 4580;
inline constexpr int TotalDoubleRule = 4582;

// The result labels and values that start hidden, and the values that keep
// the default text colour.
inline constexpr int kResultLabels[] = {4570, 4571, 4572, 4573, 4574, 4575, 4576, 4577,
                                        4578, 4581, 4584, 4585, 4586, 4587, 4589, 4590};
inline constexpr int kResultValues[] = {4558, 4559, 4560, 4561, 4562, 4563, 4564,
                                        4565, 4566, 4567, 4568, 4569, 4583, 4588};
inline constexpr int kResultRules[] = {4579, 4580, 4582};
inline constexpr int kBasePointStatics[] = {4928, 4929, 4930, 4932, 4933, 4931};
}  // namespace screen_id

namespace command {
// Run.
inline constexpr int PrintShipment = 32792;
inline constexpr int PrintSetup = 32794;
inline constexpr int ExportShipment = 32793;
inline constexpr int ExportSetup = 32770;
inline constexpr int PriceSheet = 32774;
inline constexpr int BillOfLading = 32773;
inline constexpr int Rules = 32789;
inline constexpr int Maintenance = 32799;
inline constexpr int Exit = 32775;
// Options.
inline constexpr int RatingPrompts = 32776;
inline constexpr int Settings = 32832;
inline constexpr int UseDiscounts = 32779;
inline constexpr int Calculator = 32777;
inline constexpr int TariffDisplay = 32828;
inline constexpr int AutoClear = 32788;
inline constexpr int DivisionOfRevenue = 32790;
inline constexpr int ConversionCalculator = 32829;
inline constexpr int English = 32836;
inline constexpr int Spanish = 32837;
inline constexpr int BorderCrossingPoints = 32838;
// View.
inline constexpr int ShipmentDetail = 32840;
inline constexpr int DisplayRates = 32771;
inline constexpr int LicenseAgreement = 32834;
inline constexpr int AccessorialTotals = 32791;
inline constexpr int UsCityLookup = 32795;
inline constexpr int CanadianCityLookup = 32796;
inline constexpr int MexicanCityLookup = 32815;
inline constexpr int TerminalInformation = 32816;
inline constexpr int ServiceMap = 32800;
// Help.
inline constexpr int Contents = 32787;
inline constexpr int About = 32839;
inline constexpr int Website = 32805;
inline constexpr int CarrierWebsite1 = 32842;
inline constexpr int CarrierWebsite2 = 32844;
inline constexpr int CarrierWebsite3 = 32845;
inline constexpr int FuelSurchargeWebsite = 32841;
// The accessorials, which have no menu item.
inline constexpr int Accessorials = 549;
}  // namespace command

// Status texts are the language texts of 40000 + a control or command id.
inline constexpr int kStatusTextBase = 40000;

}  // namespace qiv
