#include "language/help_requests.h"

#include "platform/ui/message_box.h"
#include "shell/qiv_session.h"

namespace qiv {
namespace {

bool Report(const platform::desktop::DesktopResult& result, platform::ui::WindowHandle owner) {
  if (result.ok()) return true;
  platform::ui::MessageBox(owner, kHelpNotShownText, "Help", platform::ui::message_box::IconExclamation);
  return false;
}

std::string Trimmed(std::string text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\0')) text.pop_back();
  return text;
}

}  // namespace

std::string CurrentHelpFile(const QivSession& session) {
  if (!session.context) return {};
  const FieldSpan field = session.language == Language::Spanish ? fields::kSpanishHelpFile : fields::kEnglishHelpFile;
  const std::string name = Trimmed(session.context->textAt(field));
  return name.empty() ? std::string() : session.dataDirectory() + name;
}

bool ShowHelpContext(const QivSession& session, const std::string& helpFile, std::uint32_t context,
                     platform::ui::WindowHandle owner) {
  if (session.environment.help == nullptr) return false;
  return Report(session.environment.help->showContext(helpFile, context), owner);
}

bool ShowHelpContents(const QivSession& session, platform::ui::WindowHandle owner) {
  if (session.environment.help == nullptr) return false;
  return Report(session.environment.help->showContents(CurrentHelpFile(session)), owner);
}

int ShowHelpForId(const QivSession& session, int id, platform::ui::WindowHandle owner) {
  if (const std::optional<std::uint32_t> context = session.helpTranTable.contextOf(id))
    ShowHelpContext(session, CurrentHelpFile(session), *context, owner);
  else
    ShowHelpContents(session, owner);
  return 1;
}

}  // namespace qiv
