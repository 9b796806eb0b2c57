// The route entry of the rating screen: the origin's and the destination's
// checks in their order, the data-set kind and base points of the lane,
// the rating that a valid destination starts, the "SpecialChar" protocol
// by which the fields tell the screen of their keys, and the focus order
// of the entry fields with its sentinels.
#include <algorithm>
#include <cctype>
#include <utility>

#include "dialogs/list_items.h"
#include "dialogs/mexican_city_list_dialog.h"
#include "language/show_message.h"
#include "platform/ui/controls/combo_box.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/keys.h"
#include "platform/ui/message_box.h"
#include "platform/ui/window.h"
#include "route/base_point_files.h"
#include "screen/rating_dialog.h"

namespace qiv {

using namespace platform::ui;
namespace point = ratekit::shipment_point;

namespace {

constexpr std::int32_t kInvalidOrigin = 101, kInvalidDestination = 102, kNoDataSetKind = 103, kShortCanadianCode = 107,
                       kIntrastateQuestion = 155;
constexpr std::size_t kZipRangeSize = 12;
constexpr int kMaxLines = 8;
constexpr FieldSpan kIntrastatePrompt = ratekit::context::kIntrastateQuestionInUse;
constexpr FieldSpan kIntrastateAnswer = ratekit::context::kIntrastate;
constexpr FieldSpan kBasePoints[] = {ratekit::context::kOriginBasePoint, ratekit::context::kDestinationBasePoint};
constexpr FieldSpan kBaseLabels[] = {fields::kOriginBaseLabel, fields::kDestinationBaseLabel};
constexpr FieldSpan kPoBoxFlags[] = {fields::kOriginPoBoxFlag, fields::kDestinationPoBoxFlag};

bool IsMexicanCode(const std::string& text) { return text.size() == 6 && (text.back() == 'M' || text.back() == 'm'); }
bool IsNumeric(const std::string& text) {
  return !text.empty() && std::isdigit(static_cast<unsigned char>(text[0])) != 0;
}

std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

}  // namespace

// ---- the checks of the route

bool RatingDialog::canadianShortCodeCheck(const std::string& code, WindowHandle field) {
  if (code.empty() || IsNumeric(code)) return true;
  const RatingContext& context = *session().context;
  const std::int32_t count = context.intAt(ratekit::context::kZipRangeCount);
  const std::span<const std::uint8_t> table = session().slotBuffer(ratekit::context::kZipRangeTable);
  const std::string trimmed = Trimmed(code);
  const std::size_t n = std::min<std::size_t>(trimmed.size(), 5);
  const std::string_view key = std::string_view(trimmed).substr(0, n);
  for (std::size_t i = 0; i < static_cast<std::size_t>(std::max(count, 0)) && (i + 1) * kZipRangeSize <= table.size();
       ++i) {
    const std::string_view low(reinterpret_cast<const char*>(table.data()) + i * kZipRangeSize, 5);
    const std::string_view high(reinterpret_cast<const char*>(table.data()) + i * kZipRangeSize + 5, 5);
    if (key < low.substr(0, n) || key > high.substr(0, n)) continue;
    if ((low.substr(3) == "0A" && high.substr(3) == "9Z") || trimmed.size() > 4) return true;
    session().context->setLastErrorCode(kShortCanadianCode);
    ShowMessage(session(), handle(), MessageType::Warning);
    SetFocus(field);
    return false;
  }
  return true;
}

bool RatingDialog::findState(std::size_t end, std::int32_t failure, WindowHandle field) {
  RatingContext& context = *session().context;
  context.view().fill(point::Of(end, point::kState), '\0');
  char* base = static_cast<char*>(context.data());
  if (session().bindings.GetStateCode(context.data(), context.textAt(point::Of(end, point::kCode)).c_str(),
                                      base + point::Of(end, point::kState).offset,
                                      base + point::Of(end, point::kStateFlag).offset,
                                      base + point::Of(end, point::kTerritoryLetter).offset) == 0) {
    context.view().setText(point::Of(end, point::kState), "  ");
    if (context.lastErrorCode() == 0) context.setLastErrorCode(failure);
    ShowMessage(session(), handle(), MessageType::Warning);
    SetFocus(field);
    return false;
  }
  SetDialogItemText(handle(), end == 0 ? screen_id::OriginState : screen_id::DestinationState,
                    context.textAt(point::Of(end, point::kState)));
  return true;
}

bool RatingDialog::validateOrigin(const std::string& text) {
  RatingContext& context = *session().context;
  const RatekitBindings& bind = session().bindings;
  if (IsWindowVisible(item(screen_id::DatePicker)) && IsKeyDown(key::Tab) && IsKeyDown(key::Shift)) return true;
  originMexican_ = IsMexicanCode(text);
  context.setTerminatedText(point::Of(0, point::kCode), text);
  if (!canadianShortCodeCheck(text, originField_.handle())) return false;
  if (originMexican_) {
    if (!cityChosen_) {
      const Rect below = WindowRect(item(screen_id::OriginCity));
      MexicanCityListDialog list(session(), handle(), text, {below.left, below.bottom},
                                 MexicanCityListDialog::Mode::MexicanPoint);
      list.doModal();
      originCity_ = list.result();
      originNoCity_ = list.noCityFound();
    }
    SetDialogItemText(handle(), screen_id::OriginCity, originCity_);
    ShowWindow(item(screen_id::OriginService), ShowCommand::Hide);
    cityChosen_ = false;
  } else if (bind.VerOrigZip(context.data()) == 0) {
    ShowMessage(session(), handle(), MessageType::Warning);
    SendMessage(handle(), session().specialCharMessage, 27, 0);
    originField_.setValid(false);
    return false;
  } else {
    originCity_.clear();
    SetDialogItemText(handle(), screen_id::OriginCity, "");
    ShowWindow(item(screen_id::OriginService), ShowCommand::Show);
  }
  if (!findState(0, kInvalidOrigin, originWindow_ != nullptr ? originWindow_ : originField_.handle())) return false;
  originField_.setValid(true);
  if (context.shortAt(fields::kConstantDestinationInUse) != 0)
    return verifyDestinationAndRate(context.textAt(fields::kConstantDestinationZip));
  if (context.intAt(fields::kCityChoiceOption) != 0 && IsNumeric(text)) {
    const std::string pending = context.textAt(fields::kPendingCityText);
    if (!pending.empty()) {
      SetDialogItemText(handle(), screen_id::OriginCity, pending);
      context.view().fill(fields::kPendingCityText, '\0');
    } else if (!(context.shortAt(fields::kConstantOriginInUse) != 0 && context.intAt(fields::kPendingCityFlag) != 0)) {
      if (context.shortAt(fields::kConstantOriginInUse) != 0) context.setInt(fields::kPendingCityFlag, 1);
      const Rect below = WindowRect(item(screen_id::OriginCity));
      MexicanCityListDialog list(session(), handle(), text, {below.left, below.bottom},
                                 MexicanCityListDialog::Mode::UsZip);
      list.doModal();
      originCity_ = list.result();
      SetDialogItemText(handle(), screen_id::OriginCity, originCity_);
    }
  }
  return true;
}

bool RatingDialog::verifyOriginFromCombo(const std::string& text) {
  RatingContext& context = *session().context;
  context.setTerminatedText(point::Of(0, point::kCode), text);
  if (!canadianShortCodeCheck(text, originCombo_.handle())) return false;
  if (session().bindings.VerOrigZip(context.data()) == 0) {
    ShowMessage(session(), handle(), MessageType::Warning);
    SendMessage(handle(), session().specialCharMessage, 27, 0);
    return false;
  }
  // The point's state, as a typed origin's: the territory check and the
  // intrastate question compare it.
  if (!findState(0, kInvalidOrigin, originCombo_.handle())) return false;
  if (context.shortAt(fields::kConstantDestinationInUse) != 0)
    return verifyDestinationAndRate(context.textAt(fields::kConstantDestinationZip));
  return true;
}

bool RatingDialog::verifyDestinationAndRate(const std::string& text) {
  RatingContext& context = *session().context;
  const RatekitBindings& bind = session().bindings;
  // The origin first.
  if (originIsCombo_) {
    const std::string selected = originCombo_.selectedText();
    if (selected.empty()) {
      context.view().setText(point::Of(0, point::kState), "  ");
      context.setLastErrorCode(kInvalidOrigin);
      ShowMessage(session(), handle(), MessageType::Warning);
      SetFocus(originCombo_.handle());
      return false;
    }
    context.setTerminatedText(point::Of(0, point::kCode), selected);
    if (!findState(0, kInvalidOrigin, originCombo_.handle())) return false;
  } else if (context.shortAt(fields::kConstantOriginInUse) != 0 &&
             !validateOrigin(context.textAt(fields::kConstantOriginZip))) {
    return false;
  }
  destinationMexican_ = IsMexicanCode(text);
  context.setTerminatedText(point::Of(1, point::kCode), text);
  auto refuse = [&] {
    destinationField_.setValid(false);
    ShowMessage(session(), handle(), MessageType::Warning);
    SendMessage(handle(), session().specialCharMessage, 27, 0);
    return false;
  };
  if (destinationMexican_) {
    const Rect below = WindowRect(item(screen_id::DestinationCity));
    MexicanCityListDialog list(session(), handle(), text, {below.left, below.bottom},
                               MexicanCityListDialog::Mode::MexicanPoint);
    list.doModal();
    destinationCity_ = list.result();
    destinationNoCity_ = list.noCityFound();
    SetDialogItemText(handle(), screen_id::DestinationCity, destinationCity_);
    ShowWindow(item(screen_id::DestinationService), ShowCommand::Hide);
  } else {
    if (!canadianShortCodeCheck(text, destinationField_.handle())) return false;
    if (bind.VerDestZip(context.data()) == 0) return refuse();
    destinationCity_.clear();
    SetDialogItemText(handle(), screen_id::DestinationCity, "");
    ShowWindow(item(screen_id::DestinationService), ShowCommand::Show);
  }
  if (!findState(1, kInvalidDestination, destinationField_.handle())) return false;
  if (bind.VerTerritory(context.data()) == 0) return refuse();

  // Intrastate rates, when asked and both ends lie in one state.
  const bool sameState = context.textAt(point::Of(0, point::kState)) == context.textAt(point::Of(1, point::kState));
  if (context.intAt(kIntrastatePrompt) == 0 || !sameState) {
    ShowWindow(item(screen_id::IntrastateNotice), ShowCommand::Hide);
    context.setChar(kIntrastateAnswer, 'N');
  } else {
    context.setLastErrorCode(kIntrastateQuestion);
    const bool yes = ShowMessage(session(), handle(), MessageType::Question) == 1;
    SetDialogItemText(handle(), screen_id::IntrastateNotice,
                      yes ? "Using Intrastate Rates" : "Not Using Interstate Rates");
    context.setChar(kIntrastateAnswer, yes ? 'Y' : 'N');
    ShowWindow(item(screen_id::IntrastateNotice), ShowCommand::Show);
  }

  for (FieldSpan flag : kPoBoxFlags) context.setChar(flag, ' ');
  if (context.charAt(fields::kLaneTariffTablesLoaded) == 'Y') {
    bind.GetZQBse(context.data());
    bind.GetZQTariffName(context.data());
  }
  if (context.textAt(fields::kTariffName).rfind("TQVM", 0) != 0) {
    if (!findDataSetKind()) {
      if (released_) return false;
      SetFocus(originWindow_ != nullptr ? originWindow_ : originField_.handle());
      context.setLastErrorCode(kNoDataSetKind);
      ShowMessage(session(), handle(), MessageType::Warning);
      return false;
    }
    if (!findBasePoints()) {
      if (!released_) SetFocus(originWindow_ != nullptr ? originWindow_ : originField_.handle());
      return false;
    }
  } else {
    for (std::size_t end = 0; end < 2; ++end) {
      context.view().fill(kBasePoints[end], '\0');
      context.view().fill(kBaseLabels[end], '\0');
      context.view().fill(point::Of(end, point::kCity), '\0');
    }
  }

  if (bind.RateShipment(context.data(), 0, handle()) == kRatingFailed) {
    reportRatingFailure();
    return false;
  }
  showTariffBasis();
  if (released_) return false;  // a missing file ended the program
  showSurchargeStatics();
  displayRates();
  const auto letter = [&](std::size_t end) { return context.charAt(point::Of(end, point::kServiceLetter)); };
  if (letter(0) == 'D' || letter(0) == 'I' || letter(1) == 'D' || letter(1) == 'I') {
    showServiceLabels();
  } else {
    context.view().fill(fields::kOriginServiceLabel, '\0');
    context.view().fill(fields::kDestinationServiceLabel, '\0');
  }
  showRouteStatics();
  showPoBoxNotice();
  const bool terminals = context.charAt(fields::kTerminalsShown) == 'Y';
  if (terminals) {
    SetDialogItemText(handle(), screen_id::OriginTerminal, context.textAt(fields::kOriginTerminalName));
    SetDialogItemText(handle(), screen_id::DestinationTerminal, context.textAt(fields::kDestinationTerminalName));
  } else {
    ShowWindow(item(screen_id::OriginTerminalLabel), ShowCommand::Hide);
    ShowWindow(item(screen_id::DestinationTerminalLabel), ShowCommand::Hide);
  }
  destinationField_.setValid(true);
  if (context.intAt(fields::kCityChoiceOption) != 0 && IsNumeric(text)) {
    const Rect below = WindowRect(item(screen_id::DestinationCity));
    MexicanCityListDialog list(session(), handle(), text, {below.left, below.bottom},
                               MexicanCityListDialog::Mode::UsZip);
    list.doModal();
    destinationCity_ = list.result();
    SetDialogItemText(handle(), screen_id::DestinationCity, destinationCity_);
  }
  return true;
}

void RatingDialog::showRouteStatics() {
  const RatingContext& context = *session().context;
  SetDialogItemText(handle(), screen_id::OriginBaseDescription, context.textAt(point::Of(0, point::kCity)));
  SetDialogItemText(handle(), screen_id::OriginBasePoint, context.textAt(fields::kOriginBaseLabel));
  SetDialogItemText(handle(), screen_id::DestinationBaseDescription, context.textAt(point::Of(1, point::kCity)));
  SetDialogItemText(handle(), screen_id::DestinationBasePoint, context.textAt(fields::kDestinationBaseLabel));
}

void RatingDialog::showPoBoxNotice() {
  const RatingContext& context = *session().context;
  const bool origin = context.charAt(fields::kOriginPoBoxFlag) == '*';
  const bool destination = context.charAt(fields::kDestinationPoBoxFlag) == '*';
  const char* notice = "";
  if (origin && destination)
    notice = "Origin and Destination Zip Codes are P.O. Boxes or unassigned Zip Codes.";
  else if (origin)
    notice = "Origin Zip Code is a P.O. Box or unassigned Zip Code.";
  else if (destination)
    notice = "Destination Zip Code is a P.O. Box or unassigned Zip Code.";
  SetDialogItemText(handle(), screen_id::PostOfficeBoxNotice, notice);
}

// ---- the base-point files

void RatingDialog::endForMissingFile(const std::string& extension) {
  // The program cannot rate without the file: it says which before it ends.
  showFatalBox("Cannot open " + session().tariffBaseName() + extension + ".", "FATAL");
  startupFailed_ = true;
  releaseLibraries();
  endDialog(2);
}

bool RatingDialog::findDataSetKind() {
  RatingContext& context = *session().context;
  const std::string basePath = session().tariffBasePath();
  const std::string origin = context.textAt(point::Of(0, point::kCode));
  const std::string destination = context.textAt(point::Of(1, point::kCode));
  base_points::DataSetKind found;
  if (context.intAt(fields::kCanadaFlag) != 0) {
    context.setInt(fields::kCanadianPointAnswer, session().bindings.CheckQIVCAN(context.data()));
    if (context.intAt(fields::kCanadianPointAnswer) == 0) return true;
    const bool originUs = IsNumeric(origin);
    found = base_points::FindCanadianDataSetKind(basePath, originUs ? origin : destination,
                                                 originUs ? destination : origin);
    if (found.status == base_points::Lookup::FileMissing) {
      endForMissingFile(".BUU, .BUC or .CNT");
      return false;
    }
  } else {
    found = base_points::FindUsDataSetKind(basePath, origin, destination);
    if (found.status == base_points::Lookup::FileMissing) {
      endForMissingFile(".BSU or .UST");
      return false;
    }
  }
  context.setChar(fields::kDataSetKind, found.kind);
  return found.status == base_points::Lookup::Found;
}

bool RatingDialog::findBasePoints() {
  RatingContext& context = *session().context;
  if (context.intAt(fields::kCanadaFlag) != 0)
    context.setInt(fields::kCanadianPointAnswer, session().bindings.CheckQIVCAN(context.data()));
  for (std::size_t end = 0; end < 2; ++end) {
    context.view().fill(kBasePoints[end], '\0');
    context.view().fill(kBaseLabels[end], '\0');
    context.view().fill(point::Of(end, point::kCity), '\0');
  }
  if (context.intAt(fields::kCanadaFlag) != 0 && context.intAt(fields::kCanadianPointAnswer) == 0) {
    for (std::size_t end = 0; end < 2; ++end) {
      context.setTerminatedText(kBaseLabels[end], context.textAt(point::Of(end, point::kCode)));
      std::string description(31, ' ');
      const std::string_view state = context.view().text(point::Of(end, point::kStateBlanked));
      for (std::size_t i = 0; i < state.size(); ++i) description[i] = state[i];
      context.view().setText(point::Of(end, point::kCity), description);
    }
    return true;
  }
  const char kind = context.charAt(fields::kDataSetKind);
  const std::string basePath = session().tariffBasePath();
  const bool names = context.shortAt(fields::kBasePointDisplay) != 0;
  bool found = true;
  for (std::size_t end = 0; end < 2; ++end) {
    context.setChar(fields::kLookupPoBoxFlag, ' ');
    const base_points::BasePoint bp =
        base_points::ReadBaseIndex(basePath, kind, context.textAt(point::Of(end, point::kCode)));
    if (bp.status == base_points::Lookup::FileMissing) {
      endForMissingFile(".BSE");
      return false;
    }
    if (bp.status != base_points::Lookup::Found) {
      found = false;
      continue;
    }
    context.setTerminatedText(kBasePoints[end], bp.text);
    context.setChar(fields::kLookupPoBoxFlag, bp.poBox);
    context.setChar(kPoBoxFlags[end], bp.poBox);
    if (!names) continue;
    if (const auto name = base_points::ReadBasePointName(context.intAt(fields::kDspFile), kind, bp.text)) {
      context.setTerminatedText(kBaseLabels[end], name->label);
      context.setTerminatedText(point::Of(end, point::kCity), name->description);
    }
  }
  if (!found) MessageBox(handle(), "Org/Dst Zip Unassigned by P.O.", "Warning", message_box::IconExclamation);
  return found;
}

// ---- what the fields tell the screen

bool RatingDialog::routeValid() {
  const bool origin = originIsCombo_
                          ? SendDialogItemMessage(handle(), screen_id::OriginCombo, combo_box::GetCurrentSelection) >= 0
                          : originField_.isValid();
  return origin && destinationField_.isValid();
}

LResult RatingDialog::onSpecialChar(WParam code) {
  if (!session().context) return 0;
  RatingContext& context = *session().context;
  lastSpecialChar_ = static_cast<unsigned>(code);
  const bool constantOrigin = context.shortAt(fields::kConstantOriginInUse) != 0;
  const bool constantDestination = context.shortAt(fields::kConstantDestinationInUse) != 0;
  if (code == 27) {
    SetFocus(constantOrigin ? destinationField_.handle()
                            : (originWindow_ != nullptr ? originWindow_ : originField_.handle()));
    keyHandled_ = false;
    reRate_ = false;
    clearFlag_ = true;
    clearScreen();
    if (!constantOrigin) {
      if (originIsCombo_)
        originCombo_.selectWholeText();
      else
        originField_.setText("");
    }
    if (!constantDestination) destinationField_.setText("");
    if (!originIsCombo_) originField_.setValid(false);
    destinationField_.setValid(false);
    tariffBasis_.clear();
    showTariffBasis();
    destroyFocusForwardWindow();
    return 0;
  }
  const WindowHandle focus = GetFocus();
  const bool onRoute = focus != nullptr && (focus == originField_.handle() || focus == destinationField_.handle() ||
                                            (originIsCombo_ && controlIdOf(focus) == screen_id::OriginCombo));
  if (keyHandled_ || !onRoute) return 0;
  keyHandled_ = true;
  // Enter or Tab leave the destination only once its check has rated the
  // route and shown the results: rating again would clear them.
  if ((code == 13 || code == 9) && focus == destinationField_.handle()) return 0;
  clearFlag_ = true;
  clearScreen();
  if (code == 13 || code == 9) {
    if (!routeValid()) return 0;
    if (session().bindings.RateShipment(context.data(), 0, handle()) == kRatingFailed) {
      reportRatingFailure();
      return 0;
    }
    showTariffBasis();
    if (released_) return 0;
    showServiceLabels();
    showSurchargeStatics();
  } else {
    reRate_ = false;
    destroyFocusForwardWindow();
    tariffBasis_.clear();
    showTariffBasis();
    if (released_) return 0;
    const bool typed = code < 0x80 && std::isalnum(static_cast<int>(code)) != 0;
    if (typed && focus == originField_.handle()) originField_.setValid(false);
    if (typed && focus == destinationField_.handle()) destinationField_.setValid(false);
    if (!routeValid()) return 0;
  }
  SetDialogItemText(handle(), screen_id::OriginState, context.textAt(point::Of(0, point::kState)));
  SetDialogItemText(handle(), screen_id::DestinationState, context.textAt(point::Of(1, point::kState)));
  SetDialogItemText(handle(), screen_id::OriginCity, originCity_);
  SetDialogItemText(handle(), screen_id::DestinationCity, destinationCity_);
  showRouteStatics();
  return 0;
}

// ---- the focus order

int RatingDialog::lineListCount() const {
  return static_cast<int>(SendDialogItemMessage(handle(), screen_id::LineList, list_box::GetCount));
}

WindowHandle RatingDialog::nextTabItem(WindowHandle field, bool backward) {
  if (focusForwardWindow_ != nullptr) {
    const WindowHandle partner = focusForwardWindow_->partner;
    destroyFocusForwardWindow();
    return partner;
  }
  const int lines = lineListCount();
  const WindowHandle classWindow = classField_.handle(), weightWindow = weightField_.handle();
  if (field == classWindow && lines < kMaxLines && IsWindowEnabled(weightWindow)) return weightWindow;
  if (field == weightWindow && lines < kMaxLines) {
    if (IsWindowEnabled(classWindow)) return classWindow;
    RatingContext& context = *session().context;
    if (context.shortAt(fields::kConstantClassInUse) != 0) {
      std::string constant = Trimmed(context.textAt(fields::kConstantClassLabel));
      if (constant.empty()) constant = Trimmed(context.textAt(fields::kConstantClass));
      classField_.setText(constant);
      if (IsWindowEnabled(weightWindow)) return weightWindow;
    }
  }
  if (field == classWindow || field == weightWindow) {
    EnableWindow(classWindow, false);
    EnableWindow(weightWindow, false);
    return entryEndSentinel_.handle();
  }
  // The sentinel follows the destination in the tab order.
  if (field == destinationField_.handle() && !backward) return tabStopSentinel_.handle();
  return NextDialogTabItem(handle(), field, backward);
}

void RatingDialog::onTabStopSentinelFocus() {
  if (!routeValid()) {
    SendMessage(handle(), session().specialCharMessage, 27, 0);
    return;
  }
  if (session().context->shortAt(fields::kConstantClassInUse) != 0) {
    EnableWindow(weightField_.handle(), true);
    EnableWindow(classField_.handle(), false);
  } else {
    EnableWindow(classField_.handle(), true);
  }
  if (tabStopSentinel_.partner != nullptr) {
    SetFocus(std::exchange(tabStopSentinel_.partner, nullptr));
    return;
  }
  // Past the sentinel: the line entry, as its first field.
  const bool backward = IsKeyDown(key::Tab) && IsKeyDown(key::Shift);
  if (!backward) {
    SetFocus(IsWindowEnabled(classField_.handle()) ? classField_.handle() : weightField_.handle());
    return;
  }
  if (const WindowHandle next = nextTabItem(tabStopSentinel_.handle(), true)) SetFocus(next);
}

void RatingDialog::onEntryEndSentinelFocus() { runAfterEntryChain(); }

void RatingDialog::destroyFocusForwardWindow() { focusForwardWindow_.reset(); }

void RatingDialog::followFocusForward() {
  if (focusForwardWindow_ == nullptr) return;
  const WindowHandle partner = focusForwardWindow_->partner;
  destroyFocusForwardWindow();
  if (partner != nullptr) SetFocus(partner);
}

void RatingDialog::recordMouseActivation(WindowHandle previous, WindowHandle) { previousFocus_ = previous; }

void RatingDialog::updateCityLookup() {
  const bool route =
      focusedField_ != nullptr && (focusedField_ == originWindow_ || focusedField_ == destinationWindow_);
  for (int lookup : {command::UsCityLookup, command::CanadianCityLookup, command::MexicanCityLookup})
    commands_.enable(lookup, route);
}

FontHandle RatingDialog::fieldFont() const { return session().screenFonts[ScreenFont::Labels]; }

}  // namespace qiv
