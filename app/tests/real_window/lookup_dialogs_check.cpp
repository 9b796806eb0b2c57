// The city lookups in real windows on a desktop (under xvfb-run), over the
// sample set's city files: the U.S. lookup after a state and a city are
// typed, after PgDn and after End, the Mexican and the Canadian lookups; a
// screenshot of each kept in the artifacts folder.
//
//   lookup_dialogs_check <artifacts>      exit code 0 when all holds
#include <cstdio>
#include <filesystem>
#include <string>

#include "checking_backend.h"
#include "lookups/canadian_city_lookup_dialog.h"
#include "lookups/city_pane_lookup_dialog.h"
#include "platform/testing/temp_directory.h"
#include "platform/ui/controls/list_box.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/keys.h"
#include "platform/ui/window.h"
#include "real_window_check.h"
#include "rowpane/rowpane.h"
#include "shell/qiv_session.h"
#include "shell/rating_context_fields.h"

namespace {

using namespace platform::ui;
using namespace platform::ui::real_window;
using namespace qiv::real_window;

// A key pressed on the desktop for the dialog, and the list's selection
// moved by it.
bool PressAndAwaitMove(CheckingBackend& backend, WindowHandle dialog, WindowHandle pane, VirtualKey key) {
  const LResult before = SendMessage(pane, rowpane::RPB_GETCURSEL);
  if (!backend.queueKeyEvent(dialog, key, true) || !backend.queueKeyEvent(dialog, key, false))
    return Failed("the key could not be sent");
  return Await(
      backend, [&] { return SendMessage(pane, rowpane::RPB_GETCURSEL) != before; }, "the list's selection to move");
}

}  // namespace

int main(int argc, char** argv) {
  DesktopCheck check(argc, argv);
  if (check.startFailure() != 0) return check.startFailure();
  CheckingBackend& backend = check.backend();
  const std::string& artifacts = check.artifacts();
  const platform::testing::TempDirectory& root = check.root();

  // A session as the start-up leaves it for these dialogs: the sample set's
  // data directory (a copy) with its level, texts and Rowpane32.
  qiv::QivSession session(qiv::QivEnvironment{});
  session.context = qiv::RatingContext::Allocate();
  session.context->setTerminatedText(qiv::fields::kDataDirectory, (root / "ZQDATA").string() + "/");
  session.context->view().setText(qiv::fields::kTariffBaseName, "SAMPLE01");
  session.languageTable = qiv::LanguageTable::LoadLanguageFile(session.dataDirectory());
  session.applicationFont = CreateFont(qiv::ApplicationFontSpec());

  backend.then(
      [&](WindowHandle dialog) {
        SetDialogItemText(dialog, 4348, "TX");
        SetDialogItemText(dialog, 4349, "SAN");
        const WindowHandle pane = DialogItem(dialog, 0x10FE);
        if (SendMessage(pane, rowpane::RPB_GETCURSEL) < 0) return Failed("TX SAN selected no city");
        if (!Photograph(backend, dialog, artifacts, "qiv-us-city-lookup", {4, 4})) return false;
        SetFocus(pane);
        if (!PressAndAwaitMove(backend, dialog, pane, key::PageDown)) return false;
        if (!Photograph(backend, dialog, artifacts, "qiv-us-city-lookup-page-down", {4, 4})) return false;
        if (!PressAndAwaitMove(backend, dialog, pane, key::End)) return false;
        if (!Photograph(backend, dialog, artifacts, "qiv-us-city-lookup-end", {4, 4})) return false;
        PostMessage(dialog, msg::Command, CommandParam(command_id::Cancel, 0));
        return true;
      },
      "U.S. City Lookup");
  backend.then(
      [&](WindowHandle dialog) {
        SetDialogItemText(dialog, 4555, "SAN");
        if (!Photograph(backend, dialog, artifacts, "qiv-mexican-city-lookup", {4, 4})) return false;
        PostMessage(dialog, msg::Command, CommandParam(command_id::Cancel, 0));
        return true;
      },
      "Mexican City Lookup");
  backend.then(
      [&](WindowHandle dialog) {
        SetDialogItemText(dialog, 4351, "ON");
        SetDialogItemText(dialog, 4352, "OTTAWA");
        if (SendDialogItemMessage(dialog, 4353, list_box::GetCurrentSelection) < 0)
          return Failed("OTTAWA selected no row");
        if (!Photograph(backend, dialog, artifacts, "qiv-canadian-city-lookup", {4, 4})) return false;
        PostMessage(dialog, msg::Command, CommandParam(command_id::Cancel, 0));
        return true;
      },
      "Canadian City Lookup");

  const LResult us = qiv::RunUsCityLookup(session, nullptr).end;
  const LResult mexican = qiv::RunMexicanCityLookup(session, nullptr).end;
  const LResult canadian = qiv::RunCanadianCityLookup(session, nullptr).end;
  session.libraries.rowpane.release();
  DeleteFont(session.applicationFont);
  if (backend.failed()) return 1;
  if (us != command_id::Cancel || mexican != command_id::Cancel || canadian != command_id::Cancel)
    return Fail("a lookup ended otherwise than by Cancel");
  std::printf("lookup dialogs check: the three lookups shown and photographed\n");
  return 0;
}
