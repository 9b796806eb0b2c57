// The commands of the rating screen that this part of the program carries:
// Auto Clear, the language switch, About, the licence text, help contents
// and Exit with its close path.
#include "dialogs/about_dialog.h"
#include "dialogs/license_text_dialog.h"
#include "language/dialog_language.h"
#include "language/help_requests.h"
#include "language/show_message.h"
#include "platform/ui/dialog.h"
#include "platform/ui/menu.h"
#include "platform/ui/window.h"
#include "screen/rating_dialog.h"
#include "screen/toolbar_buttons.h"

namespace qiv {

using namespace platform::ui;

namespace {
constexpr std::int32_t kExitQuestion = 156;
constexpr std::int32_t kProgramStillRunning = 130;
}  // namespace

void RatingDialog::onAutoClear() {
  if (autoClear_) {
    autoClear_ = false;
    commands_.check(command::AutoClear, false);
    commands_.setImage(toolbar_image::AutoClear, toolbar_image::kAutoClearOff);
    return;
  }
  autoClear_ = true;
  clearScreen();
  commands_.check(command::AutoClear, true);
  commands_.setImage(toolbar_image::AutoClear, toolbar_image::kAutoClearOn);
}

void RatingDialog::onToggleLanguage() {
  // Either command switches to the other language.
  const Language language = OtherLanguage(session().language);
  session().language = language;
  if (session().languageTable) ApplyDialogLanguage(dialogId(), handle(), language, *session().languageTable, handle());
  const bool english = language == Language::English;
  CheckMenuItem(menu_, command::English, MenuLookup::ByCommand, english);
  CheckMenuItem(menu_, command::Spanish, MenuLookup::ByCommand, !english);
  commands_.setImage(toolbar_image::Language, english ? toolbar_image::kEnglish : toolbar_image::kSpanish);
  commands_.check(command::English, english);
  if (IsWindowVisible(item(screen_id::SingleShipment))) {
    const char letter = session().context->charAt(ratekit::context::kMethodFlagLetter);
    const std::string shown(1, !english && letter == 'Y' ? 'S' : letter);
    SetDialogItemText(handle(), screen_id::SingleShipment, shown);
  }
  refreshCityTexts();
  showDiscountStatus();
  SendUpdateStatus(session());
  showServiceLabels();
}

void RatingDialog::onAbout() {
  AboutDialog about(session(), handle());
  about.doModal();
}

void RatingDialog::onLicenseAgreement() {
  LicenseTextDialog licence(session(), handle());
  licence.doModal();
}

void RatingDialog::onContents() { ShowHelpContents(session(), handle()); }

LResult RatingDialog::onHelp(const HelpInfo& info) {
  ShowHelpForId(session(), info.controlId, handle());
  // Help asked for a menu item leaves the screen behind the help.
  if (info.source == HelpInfo::Source::MenuItem && session().helpTranTable.contextOf(info.controlId))
    SetWindowPosition(handle(), InsertAtBottom, {}, position::NoMove | position::NoSize | position::NoActivate);
  return 1;
}

void RatingDialog::onExitCommand() { SendMessage(handle(), msg::Close); }

void RatingDialog::onClose() {
  RatingContext& context = *session().context;
  if (isChildProgramRunning()) {
    context.setLastErrorCode(kProgramStillRunning);
    ShowMessage(session(), handle(), MessageType::Warning);
    setFocusToOrigin();
    return;
  }
  context.setLastErrorCode(kExitQuestion);
  if (ShowMessage(session(), handle(), MessageType::Question) == 0) {
    setFocusToOrigin();
    return;
  }
  writeSettingsImages(true);
  releaseLibraries();
  endDialog(1);
}

bool RatingDialog::writeSettingsImages(bool withAccessorials) {
  // A settings file that cannot be written is reported and the others are
  // still written; Ratekit32 replaces each file whole or leaves it as it was.
  RatingContext& context = *session().context;
  const RatekitBindings& bind = session().bindings;
  bool written = true;
  auto write = [&](int (*writer)(void*)) {
    if (writer == nullptr || writer(context.data()) != 0) return;
    ShowMessage(session(), handle(), MessageType::Warning);
    written = false;
  };
  if (context.intAt(fields::kMexicoOption) != 0) {
    context.setChar(fields::kSpanishAtStart, session().language == Language::Spanish ? 'Y' : 'N');
    write(bind.WriteMexicoDefFile);
  }
  write(bind.WriteDefFile);
  if (withAccessorials && context.charAt(fields::kAccessorialFile) == 'Y') write(bind.WriteAccFile);
  return written;
}

}  // namespace qiv
