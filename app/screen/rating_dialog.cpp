#include "screen/rating_dialog.h"

#include "calculator/conversion_density_dialog.h"
#include "platform/ui/accelerator.h"
#include "platform/ui/dialog.h"
#include "platform/ui/gdi.h"
#include "platform/ui/menu.h"
#include "platform/ui/window.h"

namespace qiv {

using namespace platform::ui;

RatingDialog::RatingDialog(QivSession& session)
    : QivDialog(session, screen_id::Dialog, nullptr),
      originField_(session, *this),
      originCombo_(session, *this),
      destinationField_(session, *this),
      classField_(session),
      weightField_(session),
      discountField_(session),
      mcDiscountField_(session),
      floorField_(session),
      ltlSurchargeField_(session),
      tlSurchargeField_(session),
      accessorialField_(session),
      singleShipmentField_(session),
      tabStopSentinel_([this] { onTabStopSentinelFocus(); }),
      entryEndSentinel_([this] { onEntryEndSentinelFocus(); }),
      printWriter_(session) {
  session.fieldScreen = this;
  MessageMap& map = messageMap();
  map.onMessage(msg::Create, [this](const Message&) {
    const LResult result = defaultProcedure();
    if (result != -1) createStatusBar();
    return result;
  });
  map.onMessage(msg::Paint, [this](const Message&) { return onPaint(); });
  map.onMessage(msg::Notify, [this](const Message& message) { return onNotify(message); });
  for (MessageId colour :
       {msg::CtlColorStatic, msg::CtlColorEdit, msg::CtlColorButton, msg::CtlColorListBox, msg::CtlColorDialog})
    map.onMessage(colour, [this](const Message& message) { return onControlColor(message); });
  map.onCommand(command::AutoClear, [this] { onAutoClear(); });
  map.onCommand(command::English, [this] { onToggleLanguage(); });
  map.onCommand(command::Spanish, [this] { onToggleLanguage(); });
  map.onCommand(command::About, [this] { onAbout(); });
  map.onCommand(command::Settings, [this] { onSettings(); });
  map.onCommand(command::LicenseAgreement, [this] { onLicenseAgreement(); });
  map.onCommand(command::Contents, [this] { onContents(); });
  map.onCommand(command::Exit, [this] { onExitCommand(); });
  map.onCommand(command::ConversionCalculator, [this] { RunConversionDensityCalculator(this->session(), handle()); });
  mapRatingDialogCommands();
  map.onCommand(command::PrintShipment, [this] { onPrintShipment(); });
  map.onCommand(command::PrintSetup, [this] { onPrintSetup(); });
  map.onCommand(command::ExportShipment, [this] { onExportShipment(); });
  map.onCommand(command::ExportSetup, [this] { onExportSetup(); });
  map.onCommand(command::PriceSheet, [this] { onPriceSheet(); });
  map.onCommand(command::BillOfLading, [this] { onBillOfLading(); });
  map.onCommand(command::Rules, [this] { onRules(); });
  map.onCommand(command::Maintenance, [this] { onMaintenance(); });
  map.onCommand(command::Settings, [this] { onSettings(); });
  map.onCommand(command::UseDiscounts, [this] { onUseDiscounts(); });
  map.onCommand(command::Calculator, [this] { onCalculator(); });
  map.onCommand(command::DivisionOfRevenue, [this] { onDivisionOfRevenue(); });
  map.onCommand(command::BorderCrossingPoints, [this] { onBorderCrossingPoints(); });
  map.onCommand(command::TerminalInformation, [this] { onTerminalInformation(); });
  map.onCommand(command::TariffDisplay, [this] { onTariffDisplay(); });
  map.onCommand(command::ShipmentDetail, [this] { onShipmentDetail(); });
  map.onCommand(command::DisplayRates, [this] { onDisplayRates(); });
  for (int lookup : {command::UsCityLookup, command::CanadianCityLookup, command::MexicanCityLookup})
    map.onCommand(lookup, [this, lookup] { onCityLookup(lookup); });
  map.onCommand(command::ServiceMap, [this] { onServiceMap(); });
  map.onMessage(msg::InitMenuPopup, [this](const Message& message) {
    const auto popup = reinterpret_cast<MenuHandle>(message.wParam);
    if (MenuItemExists(popup, command::ServiceMap, MenuLookup::ByCommand)) updateViewMenu();
    return defaultProcedure();
  });
  const std::pair<int, const char*> webLinks[] = {{command::Website, "WEB.FIL"},
                                                  {command::FuelSurchargeWebsite, "WEBFUEL.FIL"},
                                                  {command::CarrierWebsite1, "WEB1.FIL"},
                                                  {command::CarrierWebsite2, "WEB2.FIL"},
                                                  {command::CarrierWebsite3, "WEB3.FIL"}};
  for (const auto& [command, file] : webLinks) map.onCommand(command, [this, file = file] { openWebLink(file); });
  map.onMessage(msg::Char, [this](const Message&) {
    if (this->session().context) updateEntryCommands();
    return defaultProcedure();
  });
  mapEntryNotices();
}

RatingDialog::~RatingDialog() {
  if (session().fieldScreen == this) session().fieldScreen = nullptr;
  releaseLibraries();
  commands_.destroy();
  for (BitmapHandle bitmap : {bannerBitmap_, windowIcon_, smallWindowIcon_})
    if (bitmap != nullptr) DeleteBitmap(bitmap);
  for (BrushHandle brush : {faceBrush_, windowBrush_})
    if (brush != nullptr) DeleteBrush(brush);
  if (statusFont_ != nullptr) DeleteFont(statusFont_);
  if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
}

LResult RatingDialog::windowProcedure(const Message& message) {
  // The two registered messages have their numbers only once registered.
  if (message.message != 0 && message.message == session().updateStatusMessage)
    return onUpdateStatus(message.wParam, message.lParam);
  if (message.message != 0 && message.message == session().specialCharMessage) return onSpecialChar(message.wParam);
  if (message.message == kNextFieldMessage)
    return reinterpret_cast<LResult>(nextTabItem(reinterpret_cast<WindowHandle>(message.lParam), message.wParam != 0));
  return QivDialog::windowProcedure(message);
}

void RatingDialog::onOK() {
  releaseLibraries();
  endDialog(command_id::Ok);
}

void RatingDialog::onCancel() {
  releaseLibraries();
  endDialog(command_id::Cancel);
}

void RatingDialog::onDestroy() {
  // The printer context chosen while the screen was up goes with it.
  printWriter_.attachPrinter(nullptr);
  session().mainWindow = nullptr;
  defaultProcedure();
}

}  // namespace qiv
