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
#include "fields/class_edit.h"
#include "fields/field_screen.h"
#include "fields/screen_fields.h"
#include "fields/weight_edit.h"
#include "output/print_writer.h"
#include "platform/ui/notify.h"
#include "programs/child_programs.h"
#include "screen/command_items.h"
#include "screen/result_tables.h"
#include "screen/route_fields.h"
#include "screen/screen_ids.h"
#include "shell/ratekit_host.h"

namespace qiv {

class RatingDialog : public QivDialog, public FieldScreen {
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

  // The route (route_entry.cpp): the origin's check, and the destination's
  // check that completes the route and rates it.
  bool validateOrigin(const std::string& text);
  bool verifyOriginFromCombo(const std::string& text);
  bool verifyDestinationAndRate(const std::string& text);

  // What the result display shows, for the printouts and the detail dialog.
  const ResultTables& resultTables() const { return results_; }
  const std::string& ratingSign() const { return ratingSign_; }
  double finalTotal() const { return finalTotal_; }

  // The screen as its fields see it.
  void recordFocusedField(platform::ui::WindowHandle field) override { focusedField_ = field; }
  void recordMouseActivation(platform::ui::WindowHandle previous, platform::ui::WindowHandle field) override;
  void updateCityLookup() override;
  void setLastWeightCharacter(char character) override { lastWeightCharacter_ = character; }
  bool clearFlag() const override { return clearFlag_; }
  int lineListCount() const override;
  void setReRate(bool reRate) override { reRate_ = reRate; }
  void setLineEntry(bool entering) override { lineEntry_ = entering; }
  void displayRates() override;
  CClassEdit& classField() override { return classField_; }
  CWeightEdit& weightField() override { return weightField_; }
  bool focusForwardPending() const override { return focusForwardWindow_ != nullptr; }
  void followFocusForward() override;
  platform::ui::FontHandle fieldFont() const override;
  platform::ui::ColorRef fieldBackground() const override { return windowColor_; }
  platform::ui::ColorRef dialogBackground() const override { return faceColor_; }

 protected:
  bool onInitDialog() override;
  platform::ui::LResult windowProcedure(const platform::ui::Message& message) override;
  void onOK() override;
  void onCancel() override;
  void onClose() override;
  void onDestroy() override;
  void onSize(platform::ui::Size size) override;
  platform::ui::LResult onHelp(const platform::ui::HelpInfo& info) override;
  // The click-away handling (click_away.cpp).
  platform::ui::LResult onMouseActivate(const platform::ui::MouseActivateEvent& event) override;

 private:
  // Start-up (startup.cpp): each step answers false when it ended the start-up.
  bool startUp();
  bool allocateContext();
  void loadResources();
  void buildToolbar();
  bool createScreenFonts();
  void registerMessages();
  bool setDataDirectory();
  bool loadLanguage();
  bool loadRatingLibraries();
  bool bindLibraries();
  bool bindEngineAndGuide();
  void loadSplashBitmap();
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
  void alignLineHeadings();

  // The commands of this screen (commands.cpp).
  void onAutoClear();
  void onToggleLanguage();
  void onAbout();
  void onLicenseAgreement();
  void onContents();
  void onExitCommand();
  void onPrintShipment();
  void onPrintSetup();
  void onExportShipment();
  void onExportSetup();
  void onSettings();
  void onUseDiscounts();
  void onDivisionOfRevenue();
  void onTerminalInformation();
  void onTariffDisplay();
  void onShipmentDetail();
  void onDisplayRates();
  void onCityLookup(int command);
  // The View pop-up opens: the map's item as its update handler says.
  void updateViewMenu();

  // The started programs (program_commands.cpp).
  void runWaitedFor(const platform::desktop::ProgramRequest& request);
  void onBillOfLading();
  void onBorderCrossingPoints();
  void onMaintenance();
  void onPriceSheet();
  void startPriceSheetProgram();
  void onCalculator();
  bool serviceMapAvailable() const;
  void onServiceMap();
  void onRules();
  void openWebLink(std::string_view file);
  std::string originEntryText() const;

  // The status bar (status_bar.cpp).
  void createStatusBar();
  platform::ui::LResult onUpdateStatus(platform::ui::WParam pane, platform::ui::LParam item);
  void setStatusText(int pane, const std::string& text);
  int focusedControlId() const;
  // The control under the mouse cursor (the screen's direct child), and its id.
  platform::ui::WindowHandle childAtCursor() const;
  int controlIdAtCursor() const;
  // A control's id; the origin list's for its own edit box.
  int controlIdOf(platform::ui::WindowHandle window) const;
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
  bool isChildProgramRunning();

  // The route (route_entry.cpp).
  bool canadianShortCodeCheck(const std::string& code, platform::ui::WindowHandle field);
  // The state of a route end (0 origin, 1 destination); not found: the
  // failure's message and the focus to the field.
  bool findState(std::size_t end, std::int32_t failure, platform::ui::WindowHandle field);
  bool findDataSetKind();
  bool findBasePoints();
  void endForMissingFile(const std::string& extension);
  bool routeValid();
  void showRouteStatics();
  void showPoBoxNotice();
  platform::ui::WindowHandle nextTabItem(platform::ui::WindowHandle field, bool backward);
  void onTabStopSentinelFocus();
  void onEntryEndSentinelFocus();
  void destroyFocusForwardWindow();

  // The after-entry chain and the rating dialogs' commands (after_entry_chain.cpp).
  void mapRatingDialogCommands();
  void runAfterEntryChain();
  void onRatingPrompts();
  void onAccessorials();
  bool inAfterEntryChain_ = false;

  // The click away from the focused field (click_away.cpp): the answer to
  // the mouse's activation of the screen, to let the click through or eat it.
  platform::ui::LResult onClickAway();
  bool validateFocused(platform::ui::WindowHandle focus);
  bool validateRoute();
  void reachViaSentinel(platform::ui::WindowHandle target);
  platform::ui::LResult leaveRouteFor(platform::ui::WindowHandle target);
  platform::ui::WindowHandle lineEntryField();
  platform::ui::LResult backToRoute(platform::ui::WindowHandle focus, platform::ui::WindowHandle clicked);
  platform::ui::LResult clickAwayFromOrigin(platform::ui::WindowHandle clicked, int clickedId);
  platform::ui::LResult clickAwayFromDestination(platform::ui::WindowHandle clicked, int clickedId);
  platform::ui::LResult clickAwayFromOption(platform::ui::WindowHandle focus, platform::ui::WindowHandle clicked,
                                            int clickedId);
  platform::ui::LResult clickAwayFromLine(platform::ui::WindowHandle focus, platform::ui::WindowHandle clicked,
                                          int clickedId);
  void createFocusForwardWindow(platform::ui::WindowHandle clicked, platform::ui::WindowHandle previous);

  // The entry's notices (entry_notices.cpp).
  void mapEntryNotices();
  bool onEntryNotice(const platform::ui::NotifyHeader& header);
  void takePickedDate(bool take);
  void refreshQuietly();
  void onTariffCloseUp();
  void onScacKillFocus();
  void onLineDoubleClick();
  void onOriginPointChosen();
  void onShipmentIdKillFocus();
  void updateEntryCommands();
  void updateDiscountState();
  void initOriginFromDefault();

  // The result display (result_display.cpp).
  bool collectShipmentLines();
  void fillLineList();
  void clearResultStatics();
  void reportRatingFailure();
  void showTariffBasis();
  void showSurchargeStatics();
  void setUpSurcharges();
  void refreshCityTexts();

  // The menu state the pre-translation keeps (pre_translate.cpp).
  void updateCommandStates();
  void checkTypedOrigin();
  void closeAfterConfirming();

  // Shutdown (release.cpp).
  // false when a settings file could not be written (reported).
  bool writeSettingsImages(bool withAccessorials);

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
  bool pointChanged_ = false;
  ChildPrograms children_;
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
  platform::ui::WindowHandle originWindow_ = nullptr;
  platform::ui::WindowHandle destinationWindow_ = nullptr;
  RatekitHostConnection host_;

  // The fields and the route's and line entry's state.
  OriginZipField originField_;
  OriginPointCombo originCombo_;
  DestinationZipField destinationField_;
  CClassEdit classField_;
  CWeightEdit weightField_;
  DiscountField discountField_;
  McDiscountField mcDiscountField_;
  FloorField floorField_;
  LtlSurchargeField ltlSurchargeField_;
  TlSurchargeField tlSurchargeField_;
  AccessorialAmountField accessorialField_;
  SingleShipmentField singleShipmentField_;
  FocusSentinel tabStopSentinel_;
  FocusSentinel entryEndSentinel_;
  std::unique_ptr<FocusSentinel> focusForwardWindow_;
  platform::ui::WindowHandle focusedField_ = nullptr;
  platform::ui::WindowHandle previousFocus_ = nullptr;
  bool keyHandled_ = true;
  bool reRate_ = false;
  // Set while the shipment is being rated: a box shown by the rating gives
  // the focus back to a field that would rate again inside it.
  bool rating_ = false;
  bool lineEntry_ = false;
  bool originMexican_ = false;
  bool destinationMexican_ = false;
  bool cityChosen_ = false;
  bool originNoCity_ = false;
  bool destinationNoCity_ = false;
  unsigned lastSpecialChar_ = 0;
  int tariffIndex_ = 0;
  bool classTariff_ = false;
  char lastWeightCharacter_ = 0;
  std::string originCity_;
  std::string destinationCity_;
  std::string tariffBasis_;
  std::string ivaTaxText_;
  std::string insuranceText_;

  // The printer of the program run (print and rate-block printouts).
  PrintWriter printWriter_;

  // The result display's.
  ResultTables results_;
  std::string ratingSign_ = "  ";
  double finalTotal_ = 0;
};

}  // namespace qiv
