#include "dialogs/license_text_dialog.h"

#include <cstring>

#include "dialogs/dialog_ids.h"
#include "platform/kernel/file.h"
#include "platform/kernel/path.h"
#include "platform/ui/color.h"
#include "platform/ui/controls/rich_text.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"

namespace qiv {

using namespace platform::ui;

LicenseTextDialog::LicenseTextDialog(QivSession& session, WindowHandle parent)
    : QivDialog(session, dialog_id::LicenseText, parent) {}

std::string LicenseTextDialog::DocumentPath(const QivSession& session) {
  if (session.language == Language::Spanish)
    if (std::optional<std::string> spanish = platform::FindExistingPath(session.dataFile("SLICENSE.RTF")))
      return *spanish;
  return platform::FindExistingPath(session.dataFile("LICENSE.RTF")).value_or(std::string());
}

bool LicenseTextDialog::onInitDialog() {
  Dialog::onInitDialog();
  applyLanguage();
  const WindowHandle view = item(control_id::LicenseText);
  const std::vector<std::uint8_t> document =
      platform::ReadWholeFile(DocumentPath(session())).value_or(std::vector<std::uint8_t>{});
  std::size_t at = 0;
  rich_text::Stream stream;
  stream.read = [&](std::span<char> buffer) -> std::ptrdiff_t {
    const std::size_t n = std::min(buffer.size(), document.size() - at);
    std::memcpy(buffer.data(), document.data() + at, n);
    at += n;
    return static_cast<std::ptrdiff_t>(n);
  };
  SendMessage(view, rich_text::StreamIn, rich_text::FormatRtf, reinterpret_cast<LParam>(&stream));
  SendMessage(view, rich_text::SetBackgroundColor, 0, static_cast<LParam>(GetSystemColor(SystemColor::ButtonFace)));
  SetFocus(view);
  return false;
}

}  // namespace qiv
