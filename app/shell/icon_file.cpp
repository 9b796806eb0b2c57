#include "shell/icon_file.h"

#include "platform/kernel/path.h"
#include "platform/ui/gdi.h"
#include "shell/qiv_session.h"

namespace qiv {

std::string IconFileName(const QivSession& session) {
  if (!session.context) return {};
  std::string name = session.context->textAt(fields::kIconFileRoom);
  while (!name.empty() && name.back() == ' ') name.pop_back();
  return name;
}

std::optional<std::string> IconFilePath(const QivSession& session) {
  const std::string name = IconFileName(session);
  if (name.empty()) return std::nullopt;
  if (std::optional<std::string> inData = platform::FindExistingPath(session.dataFile(name))) return inData;
  return name;
}

platform::ui::BitmapHandle LoadSettingsIcon(const QivSession& session, platform::ui::Size size) {
  const std::optional<std::string> path = IconFilePath(session);
  return path ? platform::ui::LoadIconFile(platform::ResolvePath(*path), size) : nullptr;
}

}  // namespace qiv
