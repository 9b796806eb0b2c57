// The rating screen (dialog 537): the one window of the program. Its
// initialisation is the whole start-up of the system (startup.cpp, in the
// order of its steps); closing it in any way runs ReleaseLibraries, which
// frees everything the start-up made, whatever step it reached.
//
// The members below are the start-up's and shutdown's, the command layer's
// (menu, toolbar, status bar, toggles) and the colours; the route, the
// line fields and the result display add theirs.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "dialogs/qiv_dialog.h"
#include "dialogs/splash_dialog.h"
#include "screen/command_items.h"
#include "screen/screen_ids.h"
#include "shell/ratekit_host.h"

namespace qiv {

class RatingDialog : public QivDialog {
 public:
  explicit RatingDialog(QivSession& session);
  ~RatingDialog() override;

  // The start-up ended the dialog (code 2): the program ends with code 2
  // whatever the dialog's end code says.
  bool startupFailed() const { return startupFailed_; }
  // Runs ReleaseLibraries unless it has run (safe at any point).
  void releaseLibraries();
  bool librariesReleased() const { return released_; }

  bool preTranslateMessage(platform::ui::Message& message) override;

  // Flags the commands and the start-up keep.
  bool priceSheetFlag() const { return priceSheetFlag_; }
  bool increaseFactorFlag() const { return increaseFactor_; }
  int mapMode() const { return mapMode_; }
  const std::string& rulesDocument() const { return rulesDocument_; }

 protected:
  bool onInitDialog() override;
  platform::ui::LResult windowProcedure(const platform::ui::Message& message) override;
  void onOK() override;
  void onCancel() override;
  void onClose() override;
  void onDestroy() override;
  void onSize(platform::ui::Size size) override;
  platform::ui::LResult onHelp(const platform::ui::HelpInfo& info) override;

 private:
  // Start-up (startup.cpp): each step answers false when it ended the start-up.
  bool startUp();
  bool allocateContext();
  void loadResources();
  void buildToolbar();
  bool createFonts();
  void registerMessages();
  bool setDirectories();
  bool loadLanguage();
  bool loadLibraries();
  bool bindLibraries();
  bool bindEngineAndGuide();
  void showSplash();
  bool chooseLevel();
  bool readSettingsAndFiles();
  void adaptToOptions();
  bool openDspFile();
  void presenceTests();
  void loadWindowIcon();
  bool startEngine();
  void setUpFields();
  void finishStartUp();
  void failStartUp(std::string_view silentReason = {});
  void showFatalBox(const std::string& text, const std::string& caption);

  // Steps 19 to 32 by option (screen_options.cpp).
  void showWeightUnits();
  void checkMaintenanceProgram();
  void showBasePointStatics();
  void checkLicenseDocument();
  void readPriceSheetName();
  void adaptTerminalInformation();
  void showLanguageItems();
  void createBanner();
  void readRulesDocumentName();
  void adaptMenuToOptions();
  void setUpOptionFields();
  void alignLineHeadings(std::span<const int> tabStops);

  // The commands of this screen (commands.cpp).
  void onAutoClear();
  void onToggleLanguage();
  void onAbout();
  // The Settings command, until the commands layer carries it.
  void onSettings();
  void onLicenseAgreement();
  void onContents();
  void onExitCommand();

  // The status bar (status_bar.cpp).
  void createStatusBar();
  platform::ui::LResult onUpdateStatus(platform::ui::WParam pane, platform::ui::LParam item);
  void setStatusText(int pane, const std::string& text);
  int focusedControlId() const;
  void showDiscountStatus();
  // The toolbar's tips (status_bar.cpp).
  platform::ui::LResult onNotify(const platform::ui::Message& message);

  // Painting and colours (screen_painting.cpp).
  platform::ui::LResult onControlColor(const platform::ui::Message& message);
  platform::ui::LResult onPaint();
  void placeBanner();

  // Lists of the screen (screen_lists.cpp).
  void fillTariffList();
  bool fillProfileCombo(int index);

  // Places the route, line fields and result display fill (later_parts.cpp).
  void showServiceLabels();
  void setupOriginCombo();
  void attachRouteFields();
  void createTabStopSentinel();
  void layoutResultStatics();
  void attachLineFields();
  void setRouteCountryMasks();
  void clearScreen();
  void applySelectedTariff();
  void onProfileSelected();
  void setFocusToOrigin();
  platform::ui::LResult onSpecialChar(platform::ui::WParam code);
  bool childProgramRunning() const;

  // The menu state the pre-translation keeps (pre_translate.cpp).
  void updateCommandStates();
  void checkTypedOrigin();
  void closeAfterConfirming();

  // Shutdown (release.cpp).
  void writeSettingsImages();

  bool startupFailed_ = false;
  bool released_ = false;
  bool priceSheetFlag_ = false;
  bool increaseFactor_ = false;
  bool originIsCombo_ = false;
  int mapMode_ = 0;
  int stateTablesLoaded_ = 0;
  bool clearFlag_ = true;
  bool autoClear_ = false;
  bool divisionOfRevenue_ = false;
  bool discountsInUse_ = false;
  bool discountRequest_ = false;
  int lineCount_ = 0;
  std::array<int, 100> childProcesses_{};
  std::array<char, 1792> discountText_{};
  std::string rulesDocument_;
  std::string statusText_;

  platform::ui::AcceleratorHandle accelerators_ = nullptr;
  platform::ui::MenuHandle menu_ = nullptr;
  CommandItems commands_;
  platform::ui::WindowHandle statusBar_ = nullptr;
  platform::ui::FontHandle statusFont_ = nullptr;
  platform::ui::WindowHandle banner_ = nullptr;
  platform::ui::BitmapHandle bannerBitmap_ = nullptr;
  platform::ui::BitmapHandle windowIcon_ = nullptr;
  platform::ui::BitmapHandle smallWindowIcon_ = nullptr;
  platform::ui::BrushHandle faceBrush_ = nullptr;
  platform::ui::BrushHandle windowBrush_ = nullptr;
  platform::ui::ColorRef faceColor_ = 0;
  platform::ui::ColorRef windowColor_ = 0;
  platform::ui::WindowHandle tabStopSentinel_ = nullptr;
  platform::ui::WindowHandle originWindow_ = nullptr;
  platform::ui::WindowHandle destinationWindow_ = nullptr;
  RatekitHostConnection host_;
};

}  // namespace qiv
