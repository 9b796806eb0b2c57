// The commands that hand the user over to other programs: the bill of
// lading, the border-crossing points and the data maintenance (waited for,
// the screen hidden meanwhile), the price sheet (kept track of), the
// calculator and the map (started and forgotten), the rules document or
// help, and the web addresses of the data directory's address files.
#include <algorithm>

#include "dialogs/bitmap_view_dialog.h"
#include "dialogs/list_items.h"
#include "dialogs/notices.h"
#include "dialogs/pdf_document.h"
#include "language/help_requests.h"
#include "language/show_message.h"
#include "platform/kernel/file.h"
#include "platform/kernel/path.h"
#include "platform/kernel/replace_file.h"
#include "platform/ui/controls/combo_box.h"
#include "platform/ui/dialog.h"
#include "platform/ui/window.h"
#include "programs/program_request.h"
#include "screen/rating_dialog.h"
#include "shell/command_line.h"
#include "shell/data_files.h"

namespace qiv {

using namespace platform::ui;

namespace {

constexpr std::int32_t kAllSlotsBusy = 144;
constexpr std::int32_t kPriceSheetNotStarted = 145;
constexpr std::int32_t kBorderCrossingWhileRunning = 148;
constexpr std::int32_t kNoMapPicture = 115;
constexpr std::int32_t kAddressNotOpened = 120;
constexpr std::int32_t kNoAddressFile = 292;
constexpr std::size_t kAddressLimit = 259;
constexpr FieldSpan kNetChargeText{54716, 10};
constexpr FieldSpan kOriginCode = ratekit::shipment_point::Of(0, ratekit::shipment_point::kCode);

std::string TrimmedRight(std::string text) {
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

}  // namespace

void RatingDialog::runWaitedFor(const platform::desktop::ProgramRequest& request) {
  ShowWindow(handle(), ShowCommand::Hide);
  // A program that does not start is not reported: the screen comes back.
  if (platform::desktop::Programs* programs = session().environment.programs) programs->runAndWait(request);
  ShowWindow(handle(), ShowCommand::Show);
  setFocusToOrigin();
}

void RatingDialog::onBillOfLading() {
  const RatingContext& context = *session().context;
  // The command's accelerator stays when the program is missing: the
  // notice says the option is not installed.
  if (context.charAt(fields::kBillOfLadingPresent) != 'Y') {
    BillOfLadingDialog notice(session(), handle());
    notice.doModal();
    return;
  }
  runWaitedFor(DataProgramRequest(session(), "Waybill32.EXE " + context.textAt(kNetChargeText)));
}

void RatingDialog::onBorderCrossingPoints() {
  RatingContext& context = *session().context;
  if (context.intAt(fields::kMexicoOption) == 0) return;
  if (isChildProgramRunning()) {
    context.setLastErrorCode(kBorderCrossingWhileRunning);
    ShowMessage(session(), handle(), MessageType::Warning);
    return;
  }
  const std::string line = "Portlist.EXE " + session().tariffBaseName() +
                           (session().language == Language::Spanish ? " Y " : " N ") +
                           (context.charAt(fields::kCanadianCodesFlag) == 'Y' ? "N" : "Y");
  runWaitedFor(DataProgramRequest(session(), line));
}

void RatingDialog::onMaintenance() {
  runWaitedFor(DataProgramRequest(session(), "VornMaintenance.exe"));
  // The tariffs may have changed: the engine starts again on them, the
  // tariff list is filled anew and the tariff the user had stays chosen.
  RatingContext& context = *session().context;
  const RatekitBindings& bind = session().bindings;
  const WindowHandle list = item(screen_id::TariffList);
  const LResult selected = SendMessage(list, combo_box::GetCurrentSelection);
  const std::string current = selected >= 0 ? ComboLine(list, static_cast<int>(selected)) : std::string();
  bind.EndZQdll(context.data());
  if (bind.InitializeZQdll(context.data()) == 0) ShowMessage(session(), handle(), MessageType::Fatal);
  pointChanged_ = true;
  clearScreen();
  fillTariffList();
  const LResult found =
      SendMessage(list, combo_box::FindStringExact, static_cast<WParam>(-1), reinterpret_cast<LParam>(current.c_str()));
  tariffIndex_ = current.empty() || found < 0 ? 0 : static_cast<int>(found);
  SendMessage(list, combo_box::SetCurrentSelection, static_cast<WParam>(tariffIndex_));
  applySelectedTariff();
  showTariffBasis();
}

void RatingDialog::onPriceSheet() {
  RatingContext& context = *session().context;
  const char option = context.charAt(fields::kPriceSheetOption);
  if (option != 'Y' && option != 'P') {
    PriceSheetDialog notice(session(), handle());
    notice.doModal();
    return;
  }
  startPriceSheetProgram();
}

void RatingDialog::startPriceSheetProgram() {
  RatingContext& context = *session().context;
  const std::optional<std::size_t> slot = children_.freeSlot();
  if (!slot) {
    context.setLastErrorCode(kAllSlotsBusy);
    ShowMessage(session(), handle(), MessageType::Warning);
    return;
  }
  const std::string line = context.textAt(fields::kPriceSheetProgram) + " " + session().tariffBaseName() + " " +
                           (HasPriceSheetSwitch(session().environment.commandLine) ? "Y" : "N") + " " +
                           TrimmedRight(context.textAt(fields::kTariffName)) + " " +
                           context.textAt(fields::kShipmentDate) + " " +
                           (session().language == Language::Spanish ? "S" : "E");
  // The program reads the settings the screen has now; a save that failed
  // has been reported and starts nothing.
  if (!writeSettingsImages(false)) return;
  int error = 0;
  std::unique_ptr<platform::desktop::StartedProgram> program;
  if (platform::desktop::Programs* programs = session().environment.programs)
    program = programs->start(DataProgramRequest(session(), line, true), error);
  if (program == nullptr) {
    context.setLastErrorCode(kPriceSheetNotStarted);
    ShowMessage(session(), handle(), MessageType::Warning);
  }
  children_.keep(*slot, std::move(program));
}

std::string RatingDialog::originEntryText() const {
  if (!originIsCombo_) return DialogItemText(handle(), screen_id::OriginField);
  const WindowHandle combo = item(screen_id::OriginCombo);
  const LResult selected = SendMessage(combo, combo_box::GetCurrentSelection);
  return selected >= 0 ? ComboLine(combo, static_cast<int>(selected)) : std::string();
}

bool RatingDialog::isChildProgramRunning() { return children_.anyRunning(); }

void RatingDialog::onCalculator() {
  if (platform::desktop::Calculator* calculator = session().environment.calculator) calculator->start();
}

bool RatingDialog::serviceMapAvailable() const {
  if (mapMode_ != 1) return true;
  return platform::File::OpenReadOnly(platform::ResolvePath(session().tariffBasePath() + ".MAP")).has_value();
}

void RatingDialog::onServiceMap() {
  if (!serviceMapAvailable()) return;
  RatingContext& context = *session().context;
  if (mapMode_ != 1) {
    if (!DataFilePresent(session(), "MAP.BMP")) {
      context.setLastErrorCode(kNoMapPicture);
      ShowMessage(session(), handle(), MessageType::Warning);
      return;
    }
    BitmapViewDialog map(session(), DataFileOnDisk(session(), "MAP.BMP"), handle());
    map.doModal();
    return;
  }
  std::string lines = session().dataDirectory() + "\r\n" + session().tariffBaseName() + "\r\n";
  const std::string origin = context.textAt(kOriginCode);
  if (!originEntryText().empty() && origin.size() > 4) lines += origin.substr(0, 5) + "\r\n";
  if (!platform::ReplaceFile("Routeview.FIL", lines, {.mode = {.exact = 0600}}).ok()) return;
  if (platform::desktop::Programs* programs = session().environment.programs)
    programs->startAndForget(DataProgramRequest(session(), "Routeview.EXE Routeview.FIL"));
}

void RatingDialog::onRules() {
  RatingContext& context = *session().context;
  if (context.shortAt(fields::kNoticeSuppressed) == 0) {
    NoticeDialog notice(session(), handle());
    if (notice.doModal() == command_id::Cancel) return;
  }
  if (context.charAt(fields::kRulesOption) != 'P') {
    ShowHelpContext(session(), CurrentHelpFile(session()), 1, handle());
    return;
  }
  OpenPdfDocument(session(), session().dataFile(rulesDocument_), handle());
}

void RatingDialog::openWebLink(std::string_view file) {
  RatingContext& context = *session().context;
  const std::optional<std::string> address = FirstLine(DataFileOnDisk(session(), file), kAddressLimit);
  if (!address) {
    context.setLastErrorCode(kNoAddressFile);
    ShowMessage(session(), handle(), MessageType::Warning);
    return;
  }
  // An empty address, or one that would read as an option, is no address.
  platform::desktop::Opener* opener = session().environment.opener;
  if (address->empty() || address->front() == '-' || opener == nullptr || !opener->openAddress(*address).ok()) {
    context.setLastErrorCode(kAddressNotOpened);
    ShowMessage(session(), handle(), MessageType::Warning);
  }
}

}  // namespace qiv
