// The start-up's steps that fit the screen to what is installed and to the
// settings: weight units, the commands of missing programs and documents,
// the language items, the banner, the window icon, the option fields and
// the menu items by option.
#include <cstdio>

#include "language/dialog_language.h"
#include "platform/kernel/file.h"
#include "platform/kernel/module_loader.h"
#include "platform/kernel/path.h"
#include "platform/ui/controls/combo_box.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/controls/static_control.h"
#include "platform/ui/controls/toolbar.h"
#include "platform/ui/dialog.h"
#include "platform/ui/font.h"
#include "platform/ui/gdi.h"
#include "platform/ui/menu.h"
#include "platform/ui/metrics.h"
#include "platform/ui/window.h"
#include "screen/line_list_columns.h"
#include "screen/rating_dialog.h"
#include "screen/toolbar_buttons.h"
#include "shell/command_line.h"
#include "shell/data_files.h"
#include "shell/icon_file.h"

namespace qiv {

using namespace platform::ui;

namespace {

bool IsYes(char c) { return c == 'Y'; }

}  // namespace

void RatingDialog::adaptToOptions() {
  showWeightUnits();          // 19
  checkMaintenanceProgram();  // 20
  showBasePointStatics();     // 21
  checkLicenseDocument();     // 22
  readPriceSheetName();       // 23
  if (session().languageTable)
    ApplyDialogLanguage(dialogId(), handle(), session().language, *session().languageTable, handle());  // 24
  adaptTerminalInformation();                                                                           // 25
  showLanguageItems();                                                                                  // 26
  createBanner();                                                                                       // 27
  increaseFactor_ = HasIncreaseFactorSwitch(session().environment.commandLine);
}

void RatingDialog::showWeightUnits() {
  const RatingContext& context = *session().context;
  if (context.intAt(fields::kMexicoOption) != 0) {
    const bool kilograms = IsYes(context.charAt(fields::kWeightsInKilograms));
    ShowWindow(item(screen_id::Pounds), kilograms ? ShowCommand::Hide : ShowCommand::Show);
    ShowWindow(item(screen_id::Kilograms), kilograms ? ShowCommand::Show : ShowCommand::Hide);
    return;
  }
  ShowWindow(item(screen_id::Pounds), ShowCommand::Hide);
  ShowWindow(item(screen_id::Kilograms), ShowCommand::Hide);
  commands_.remove(command::English);
  commands_.remove(command::Spanish);
}

void RatingDialog::checkMaintenanceProgram() {
  if (!DataFilePresent(session(), "VornMaintenance.exe")) commands_.remove(command::Maintenance);
  if (!IsYes(session().context->charAt(fields::kCityChoiceAllowed)))
    session().context->setInt(fields::kCityChoiceOption, 0);
}

void RatingDialog::showBasePointStatics() {
  const bool shown = session().context->shortAt(fields::kBasePointDisplay) != 0;
  for (int id : screen_id::kBasePointStatics) ShowWindow(item(id), shown ? ShowCommand::Show : ShowCommand::Hide);
}

void RatingDialog::checkLicenseDocument() {
  // A Spanish screen without the Spanish licence shows the English one.
  const bool spanish = session().language == Language::Spanish && DataFilePresent(session(), "SLICENSE.RTF");
  if (!spanish && !DataFilePresent(session(), "LICENSE.RTF"))
    DeleteMenuItem(menu_, command::LicenseAgreement, MenuLookup::ByCommand);
}

void RatingDialog::readPriceSheetName() {
  RatingContext& context = *session().context;
  const char option = context.charAt(fields::kPriceSheetOption);
  if (option == 'Y' || option == 'P') {
    const std::optional<std::string> name = FirstLine(session().dataFile("PSNAME.FIL"), 12);
    if (name && !name->empty())
      context.setTerminatedText(fields::kPriceSheetProgram, *name);
    else
      context.setChar(fields::kPriceSheetOption, 'N');
  }
  if (context.charAt(fields::kPriceSheetOption) == 'N') commands_.remove(command::PriceSheet);
}

void RatingDialog::adaptTerminalInformation() {
  const RatingContext& context = *session().context;
  if (session().serviceGuideInUse() && IsYes(context.charAt(fields::kTerminalInformationOption)))
    commands_.enable(command::TerminalInformation, false);
  else
    commands_.remove(command::TerminalInformation);
  if (!IsYes(context.charAt(fields::kTerminalsShown))) {
    ShowWindow(item(screen_id::OriginTerminalLabel), ShowCommand::Hide);
    ShowWindow(item(screen_id::DestinationTerminalLabel), ShowCommand::Hide);
  }
  if (!IsYes(context.charAt(fields::kServiceDaysShown))) ShowWindow(item(screen_id::ServiceDays), ShowCommand::Hide);
  showServiceLabels();
}

void RatingDialog::showLanguageItems() {
  const bool spanish = session().language == Language::Spanish;
  CheckMenuItem(menu_, spanish ? command::Spanish : command::English, MenuLookup::ByCommand, true);
  commands_.setImage(toolbar_image::Language, spanish ? toolbar_image::kSpanish : toolbar_image::kEnglish);
  commands_.check(command::English, !spanish);
  commands_.enable(command::English, true);
}

void RatingDialog::createBanner() {
  bannerBitmap_ = LoadBitmapFile(platform::ResolvePath(session().dataFile("HEADLINE.bmp")));
  if (bannerBitmap_ == nullptr) return;
  WindowCreation creation;
  creation.className = static_control::kClassName;
  creation.text = "Banner";
  creation.style = style::Child | style::Visible | static_control::Bitmap | static_control::CenterImage;
  creation.parent = handle();
  creation.id = screen_id::CreatedWindow;
  banner_ = CreateWindow(creation);
  SendMessage(banner_, static_control::SetImage, 0, HandleToParam(bannerBitmap_));
  placeBanner();
}

void RatingDialog::presenceTests() {
  RatingContext& context = *session().context;
  const bool mexico = context.intAt(fields::kMexicoOption) != 0;
  if (DataFilePresent(session(), "Routeview.EXE"))
    mapMode_ = 1;
  else if (DataFilePresent(session(), "MAP.BMP"))
    mapMode_ = 2;
  else
    commands_.remove(command::ServiceMap);
  const std::pair<const char*, int> webFiles[] = {{"WEB.FIL", command::Website},
                                                  {"WEBFUEL.FIL", command::FuelSurchargeWebsite},
                                                  {"WEB1.FIL", command::CarrierWebsite1},
                                                  {"WEB2.FIL", command::CarrierWebsite2},
                                                  {"WEB3.FIL", command::CarrierWebsite3}};
  for (const auto& [file, command] : webFiles)
    if (!DataFilePresent(session(), file)) commands_.remove(command);
  const bool waybill = DataFilePresent(session(), "Waybill32.EXE");
  context.setChar(fields::kBillOfLadingPresent, waybill ? 'Y' : 'N');
  if (!waybill) commands_.remove(command::BillOfLading);
  if (!(mexico && DataFilePresent(session(), "Portlist.EXE"))) commands_.remove(command::BorderCrossingPoints);
  if (!(mexico && IsYes(context.charAt(fields::kShipmentDetailOption)))) commands_.remove(command::ShipmentDetail);
  if (!IsYes(context.charAt(fields::kTariffDisplayOption))) commands_.remove(command::TariffDisplay);
  // A program built without the settings dialog offers no Settings command.
  if (!session().environment.settingsDialog) commands_.remove(command::Settings);
}

void RatingDialog::loadWindowIcon() {
  windowIcon_ = LoadSettingsIcon(session(), {32, 32});
  smallWindowIcon_ = LoadSettingsIcon(session(), {16, 16});
  if (windowIcon_ != nullptr) SendMessage(handle(), msg::SetIcon, icon_size::Big, HandleToParam(windowIcon_));
  if (smallWindowIcon_ != nullptr)
    SendMessage(handle(), msg::SetIcon, icon_size::Small, HandleToParam(smallWindowIcon_));
}

void RatingDialog::setUpFields() {
  setUpOptionFields();  // 32
  readRulesDocumentName();
  adaptMenuToOptions();
  setupOriginCombo();
  attachRouteFields();
  createTabStopSentinel();
  layoutResultStatics();
  attachLineFields();
  // 33: the line list.
  const WindowHandle lines = item(screen_id::LineList);
  SendMessage(lines, list_box::SetTabStops, line_list::kTabStops.size(),
              reinterpret_cast<LParam>(line_list::kTabStops.data()));
  SendMessage(lines, msg::SetFont, reinterpret_cast<WParam>(session().screenFonts[ScreenFont::LineList]), 1);
  alignLineHeadings();
  RatingContext& context = *session().context;
  context.view().setText(fields::kAccessorialTotalText, "     0.00", '\0');
  for (std::size_t line = 0; line < ratekit::shipment_lines::kLines; ++line) {
    context.view().fill(ratekit::shipment_lines::RateText(line), '\0');
    context.view().fill(ratekit::shipment_lines::ChargeText(line), '\0');
  }
  setRouteCountryMasks();  // 34
}

void RatingDialog::alignLineHeadings() {
  // Each heading right-aligned over the end of its column of the line list
  // (from a character before the column, the class's from the list's
  // edge): the list's tab stops are quarters of its font's average
  // character width.
  const WindowHandle lines = item(screen_id::LineList);
  const int charWidth = MeasureFont(session().screenFonts[ScreenFont::LineList]).averageCharWidth;
  const int left = WindowRectInParent(lines).left + GetSystemMetric(SystemMetric::ClientEdgeWidth);
  const int headings[] = {screen_id::ClassHeading, screen_id::WeightHeading, screen_id::RateHeading,
                          screen_id::ChargeHeading};
  static_assert(std::size(headings) == line_list::kColumns);
  auto column = [&](std::size_t i) { return left + line_list::kTabStops[i] * charWidth / 4; };
  for (std::size_t i = 0; i < line_list::kColumns; ++i) {
    const WindowHandle heading = item(headings[i]);
    const Rect place = WindowRectInParent(heading);
    const int from = i == 0 ? WindowRectInParent(lines).left : column(i) - charWidth;
    const int to = column(i) + static_cast<int>(line_list::kWidths[i]) * charWidth;
    MoveWindow(heading, Rect{from, place.top, to, place.bottom});
  }
  // The class and weight fields under their columns, the weight unit after them.
  const std::pair<int, std::size_t> fields[] = {{screen_id::ClassField, 0}, {screen_id::WeightField, 1}};
  for (const auto& [id, i] : fields) {
    const Rect place = WindowRectInParent(item(id));
    MoveWindow(item(id), Rect::FromSize(column(i), place.top, column(i + 1) - column(i) - 4, place.height()));
  }
  for (int unit : {screen_id::Pounds, screen_id::Kilograms}) {
    const Rect place = WindowRectInParent(item(unit));
    MoveWindow(item(unit), Rect::FromSize(column(2), place.top, place.width(), place.height()));
  }
}

void RatingDialog::setUpOptionFields() {
  const RatingContext& context = *session().context;
  const bool discountsShown =
      context.shortAt(fields::kDiscountsInUse) != 0 && context.intAt(fields::kNoDiscountLane) == 0;
  const bool surcharges = context.shortAt(fields::kProfileSurchargePrompt) != 0;
  const bool accessorial =
      context.charAt(fields::kAccessorialFile) == 'N' && context.shortAt(fields::kAccessorialPrompt) != 0;
  struct Field {
    int id;
    int label;
    int limit;
    bool shown;
  };
  const Field optionFields[] = {
      {screen_id::Scac, screen_id::ScacLabel, 4, true},
      {screen_id::IntrastateNotice, 0, 23, false},
      {screen_id::McDiscount, screen_id::McDiscountLabel, 5,
       discountsShown && context.shortAt(fields::kMcDiscountPrompt) != 0},
      {screen_id::Discount, screen_id::DiscountLabel, 5,
       discountsShown && context.shortAt(fields::kDiscountPrompt) != 0},
      {screen_id::Floor, screen_id::FloorLabel, 6, discountsShown && context.shortAt(fields::kFloorPrompt) != 0},
      {screen_id::LtlSurcharge, screen_id::LtlSurchargeLabel, 5, surcharges},
      {screen_id::TlSurcharge, screen_id::TlSurchargeLabel, 5, surcharges},
      {screen_id::Accessorial, screen_id::AccessorialLabel, 7, accessorial},
      {screen_id::ShipmentId, screen_id::ShipmentIdLabel, 9, context.shortAt(fields::kShipmentIdPrompt) != 0},
      {screen_id::SingleShipment, screen_id::SingleShipmentLabel, 1, false},
  };
  for (const Field& field : optionFields) {
    SendDialogItemMessage(handle(), field.id, edit::LimitText, static_cast<WParam>(field.limit));
    const ShowCommand show = field.shown ? ShowCommand::Show : ShowCommand::Hide;
    ShowWindow(item(field.id), show);
    if (field.label != 0) ShowWindow(item(field.label), show);
  }
  SetDialogItemText(handle(), screen_id::IntrastateNotice, "");
  SetDialogItemText(handle(), screen_id::SingleShipment, "N");
  ShowWindow(item(screen_id::SingleTariff), ShowCommand::Hide);
}

void RatingDialog::readRulesDocumentName() {
  const std::optional<std::string> name = FirstLine(session().tariffBasePath() + ".rul", 19);
  rulesDocument_ = name.value_or(std::string());
}

void RatingDialog::adaptMenuToOptions() {
  RatingContext& context = *session().context;
  CheckMenuItem(menu_, command::UseDiscounts, MenuLookup::ByCommand, false);
  commands_.setImage(toolbar_image::UseDiscounts, toolbar_image::kDiscountsOff);
  commands_.check(command::UseDiscounts, false);
  discountsInUse_ = false;
  context.setInt(fields::kDiscountsWithdrawn, 0);
  if (context.charAt(fields::kAccessorialFile) == 'N')
    commands_.remove(command::AccessorialTotals);
  else
    commands_.showButton(command::AccessorialTotals, true);
  const char rules = context.charAt(fields::kRulesOption);
  if (rules == 'N' || (rules == 'P' && rulesDocument_.empty())) commands_.remove(command::Rules);
  divisionOfRevenue_ = false;
  if (context.charAt(fields::kDivisionOfRevenueOption) == 'N') commands_.remove(command::DivisionOfRevenue);
  const std::pair<FieldSpan, int> lookups[] = {{fields::kUsCityLookupOption, command::UsCityLookup},
                                               {fields::kCanadianCityLookupOption, command::CanadianCityLookup}};
  for (const auto& [option, command] : lookups) {
    if (context.charAt(option) == 'N')
      commands_.remove(command);
    else
      commands_.enable(command, true);
  }
  const std::pair<FieldSpan, int> yesOptions[] = {{fields::kMexicanCityLookupOption, command::MexicanCityLookup},
                                                  {fields::kConversionCalculatorOption, command::ConversionCalculator}};
  for (const auto& [option, command] : yesOptions) {
    if (IsYes(context.charAt(option)))
      commands_.enable(command, true);
    else
      commands_.remove(command);
  }
}

void RatingDialog::finishStartUp() {
  // 35.
  clearFlag_ = true;
  autoClear_ = false;
  onAutoClear();
  commands_.enable(command::DisplayRates, false);
  commands_.enable(command::ShipmentDetail, false);
  originWindow_ = originIsCombo_ ? item(screen_id::OriginCombo) : item(screen_id::OriginField);
  destinationWindow_ = item(screen_id::DestinationField);
  SendDialogItemMessage(handle(), screen_id::TariffList, combo_box::SetCurrentSelection, 0);
  // 36.
  fillProfileCombo(session().context->shortAt(fields::kCurrentProfileIndex));
  onProfileSelected();
  setFocusToOrigin();
  SendUpdateStatus(session());
  // The toolbar may have grown with its pictures: the banner goes below it.
  if (commands_.toolbar() != nullptr) SendMessage(commands_.toolbar(), toolbar::AutoSize);
  placeBanner();
  fillTariffList();
  applySelectedTariff();
}

}  // namespace qiv
