// The rating screen's initialisation: the start-up of the system, step by
// step. A step that fails ends the screen with code 2, after its message
// where it has one and after ReleaseLibraries; a step that ends it without
// a message writes one line on standard error instead.
#include <array>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

#include "dialogs/level_of_rates_dialog.h"
#include "dialogs/splash_dialog.h"
#include "language/dialog_language.h"
#include "language/show_message.h"
#include "platform/kernel/path.h"
#include "platform/ui/accelerator.h"
#include "platform/ui/backend.h"
#include "platform/ui/color.h"
#include "platform/ui/controls/date_picker.h"
#include "platform/ui/dialog.h"
#include "platform/ui/gdi.h"
#include "platform/ui/menu.h"
#include "platform/ui/message_box.h"
#include "platform/ui/resource.h"
#include "platform/ui/window.h"
#include "screen/rating_dialog.h"
#include "shell/command_line.h"
#include "shell/data_directory.h"

namespace qiv {

using namespace platform::ui;

namespace {

constexpr const char* kSpecialChar = "SpecialChar";
constexpr const char* kUpdateStatus = "UpdateStatus";
constexpr std::int32_t kServiceGuideNotStarted = 524;

// The labels and entry fields that take screen font 4.
constexpr int kLabelFontControls[] = {
    screen_id::OriginField,  screen_id::DestinationField,  screen_id::OriginLabel,    screen_id::DestinationLabel,
    screen_id::DatePicker,   screen_id::DateLabel,         screen_id::ScacLabel,      screen_id::Scac,
    screen_id::TariffLabel,  screen_id::ProfileLabel,      screen_id::ClassField,     screen_id::WeightField,
    screen_id::ShipmentId,   screen_id::ShipmentIdLabel,   screen_id::Discount,       screen_id::DiscountLabel,
    screen_id::Floor,        screen_id::FloorLabel,        screen_id::McDiscount,     screen_id::McDiscountLabel,
    screen_id::LtlSurcharge, screen_id::LtlSurchargeLabel, screen_id::TlSurcharge,    screen_id::TlSurchargeLabel,
    screen_id::Accessorial,  screen_id::AccessorialLabel,  screen_id::SingleShipment, screen_id::SingleShipmentLabel};

std::string CurrentDirectory() {
  std::array<char, PATH_MAX> buffer{};
  if (::getcwd(buffer.data(), buffer.size()) == nullptr) return {};
  return buffer.data();
}

}  // namespace

bool RatingDialog::onInitDialog() {
  Dialog::onInitDialog();
  session().mainWindow = handle();
  SetApplicationMainWindow(handle());
  startUp();
  return false;
}

void RatingDialog::failStartUp(std::string_view silentReason) {
  if (!silentReason.empty()) session().reportSilentEnd(silentReason);
  startupFailed_ = true;
  releaseLibraries();
  endDialog(2);
}

void RatingDialog::showFatalBox(const std::string& text, const std::string& caption) {
  MessageBox(handle(), text, caption, message_box::IconHand);
}

bool RatingDialog::startUp() {
  // Step 1.
  priceSheetFlag_ = HasPriceSheetSwitch(session().environment.commandLine);
  if (!allocateContext()) return false;    // 2
  loadResources();                         // 3
  buildToolbar();                          // 4-6
  if (!createScreenFonts()) return false;  // 7
  lineCount_ = 0;                          // 8
  clearFlag_ = true;
  discountsInUse_ = discountRequest_ = false;
  faceColor_ = GetSystemColor(SystemColor::ButtonFace);
  windowColor_ = GetSystemColor(SystemColor::Window);
  faceBrush_ = CreateSolidBrush(faceColor_);
  windowBrush_ = CreateSolidBrush(windowColor_);
  registerMessages();     // 9
  discountText_.fill(0);  // 10
  session().context->clear();
  if (!setDataDirectory()) return false;      // 11
  if (!loadLanguage()) return false;          // 12
  if (!loadRatingLibraries()) return false;   // 13
  if (!bindLibraries()) return false;         // 14
  if (!bindEngineAndGuide()) return false;    // 15
  loadSplashBitmap();                         // 16
  if (!chooseLevel()) return false;           // 17
  if (!readSettingsAndFiles()) return false;  // 18
  adaptToOptions();                           // 19-27
  if (!openDspFile()) return false;           // 28
  presenceTests();                            // 29
  loadWindowIcon();                           // 30
  if (!startEngine()) return false;           // 31
  setUpFields();                              // 32-34
  finishStartUp();                            // 35-36
  return true;
}

bool RatingDialog::allocateContext() {
  session().context = session().environment.allocateContext();
  if (session().context) return true;
  showFatalBox("Error allocating Ratekitdll.", "FATAL");
  startupFailed_ = true;
  endDialog(2);
  return false;
}

void RatingDialog::loadResources() {
  menu_ = GetMenu(handle());
  commands_.setMenu(menu_);
  accelerators_ = LoadAcceleratorResource(screen_id::Accelerators);
  session().helpTranTable = HelpTranTable::FromResource();
}

void RatingDialog::buildToolbar() {
  commands_.buildImageLists();
  if (!commands_.createToolbar(handle())) {
    MessageBox(handle(), "Failed to create Toolbar.", "Error", message_box::Ok);
    return;
  }
  SetMenu(handle(), menu_);
}

bool RatingDialog::createScreenFonts() {
  if (!session().screenFonts.create(session().environment.createFont)) {
    failStartUp("the screen's fonts cannot be made");
    return false;
  }
  const FontHandle labels = session().screenFonts[ScreenFont::Labels];
  for (int id : kLabelFontControls)
    SendDialogItemMessage(handle(), id, msg::SetFont, reinterpret_cast<WParam>(labels), 0);
  const WindowHandle picker = item(screen_id::DatePicker);
  SendMessage(picker, date_picker::SetFormat, 0, reinterpret_cast<LParam>("MM'/'dd'/'yyy"));
  CalendarDate date;
  SendMessage(picker, date_picker::GetDate, 0, reinterpret_cast<LParam>(&date));
  std::array<char, 16> shipmentDate{};
  std::snprintf(shipmentDate.data(), shipmentDate.size(), "%02d-%02d-%04d", date.month, date.day, date.year);
  session().context->view().setText(fields::kShipmentDate, shipmentDate.data());
  setDialogFont();
  return true;
}

void RatingDialog::registerMessages() {
  session().specialCharMessage = RegisterWindowMessage(kSpecialChar);
  session().updateStatusMessage = RegisterWindowMessage(kUpdateStatus);
}

bool RatingDialog::setDataDirectory() {
  RatingContext& context = *session().context;
  const std::optional<std::string> dataDirectory = DataDirectoryOf(session().environment.programPath);
  const std::string startup = platform::WithTrailingSeparator(CurrentDirectory());
  if (!dataDirectory || dataDirectory->size() >= fields::kDataDirectory.width ||
      startup.size() >= fields::kStartupDirectory.width) {
    failStartUp("the program's or the current directory's path is too long");
    return false;
  }
  context.setTerminatedText(fields::kDataDirectory, *dataDirectory);
  context.setTerminatedText(fields::kStartupDirectory, startup);
  return true;
}

bool RatingDialog::loadLanguage() {
  session().language = Language::English;
  session().languageTable = LanguageTable::LoadLanguageFile(session().dataDirectory());
  if (!session().languageTable) {
    showFatalBox("Error reading LNG file.", "FATAL ERROR");
    failStartUp();
    return false;
  }
  session().context->setInt(fields::kLanguageState, 0);
  return true;
}

bool RatingDialog::loadRatingLibraries() {
  RatingContext& context = *session().context;
  context.setInt(fields::kServiceGuideInUse, 0);
  const std::optional<LibraryNames> names = ReadLibNameFile(session().dataDirectory());
  if (!names) {
    MessageBeep(static_cast<int>(message_box::IconExclamation));
    showFatalBox("FATAL Error opening LIB file.", "");
    MessageBeep(static_cast<int>(message_box::IconExclamation));
    showFatalBox("FATAL Error opening Lib file.", "");
    failStartUp();
    return false;
  }
  context.setInt(fields::kEngineInUse, names->engineInUse ? 1 : 0);
  context.setInt(fields::kServiceGuideInUse, names->serviceGuide ? 1 : 0);
  const RatingLibraries::Failure failure = session().libraries.load(*names, session().dataDirectory());
  if (failure != RatingLibraries::Failure::None) {
    MessageBeep(static_cast<int>(message_box::IconExclamation));
    showFatalBox(RatingLibraries::FailureText(failure), "");
    failStartUp();
    return false;
  }
  return true;
}

bool RatingDialog::bindLibraries() {
  RatingContext& context = *session().context;
  const BindingResult result =
      BindLibraryExports(session().bindings, session().engineInUse(), session().serviceGuideInUse(),
                         &platform::SymbolOfModule, session().libraries.functionLibrary.nativeHandle());
  if (result.lastMessage != 0) context.setLastErrorCode(result.lastMessage);
  if (!result.bound) {
    showFatalBox(session().text(context.lastErrorCode(), kMessageTextLimit), session().text(123, kMessageCaptionLimit));
    failStartUp();
    return false;
  }
  host_.connect(session());
  return true;
}

bool RatingDialog::bindEngineAndGuide() {
  void* context = session().context->data();
  const RatekitBindings& bind = session().bindings;
  if ((session().engineInUse() && bind.GetZQAddresses(context, handle()) == 0) ||
      (session().serviceGuideInUse() && bind.GetJYAddresses(context, handle()) == 0)) {
    ShowMessage(session(), handle(), MessageType::Fatal);
    failStartUp();
    return false;
  }
  return true;
}

void RatingDialog::loadSplashBitmap() {
  mapMode_ = 0;
  const BitmapHandle bitmap = LoadBitmapFile(platform::ResolvePath(session().dataFile("Splash.bmp")));
  if (bitmap == nullptr) return;
  SplashDialog splash(session(), bitmap, mapMode_ == 0);
  splash.doModal();
  DeleteBitmap(bitmap);
}

bool RatingDialog::chooseLevel() {
  LevelOfRatesDialog levels(session());
  if (levels.doModal() != command_id::Ok) {
    failStartUp("no level of rates was chosen");
    return false;
  }
  return true;
}

bool RatingDialog::readSettingsAndFiles() {
  RatingContext& context = *session().context;
  const RatekitBindings& bind = session().bindings;
  bool read = bind.ReadDefFile(context.data()) != 0 && bind.OpenAllFiles(context.data(), &stateTablesLoaded_) != 0;
  if (read) {
    if (context.intAt(fields::kMexicoOption) != 0 && context.charAt(fields::kSpanishAtStart) == 'Y')
      session().language = Language::Spanish;
    read = bind.ReadProfileFile(context.data()) != 0 && bind.ReadDiscFile(context.data()) != 0;
  }
  if (read) return true;
  ShowMessage(session(), handle(), MessageType::Fatal);
  failStartUp();
  return false;
}

bool RatingDialog::openDspFile() {
  const std::string path = session().tariffBasePath() + ".DSP";
  const int descriptor = ::open(platform::ResolvePath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) {
    failStartUp("the level's display file " + session().tariffBaseName() + ".DSP cannot be opened");
    return false;
  }
  session().context->setInt(fields::kDspFile, descriptor);
  return true;
}

bool RatingDialog::startEngine() {
  RatingContext& context = *session().context;
  const RatekitBindings& bind = session().bindings;
  context.setInt(fields::kZipStateTableFirst, 0);
  if (bind.InitializeZQdll(context.data()) == 0) {
    ShowMessage(session(), handle(), MessageType::Fatal);
    failStartUp();
    return false;
  }
  if (bind.InitializeJYdll(context.data()) == 0) {
    context.setLastErrorCode(kServiceGuideNotStarted);
    ShowMessage(session(), handle(), MessageType::Fatal);
    failStartUp();
    return false;
  }
  return true;
}

}  // namespace qiv
