#include "output/output_settings.h"

#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/kernel/file.h"
#include "platform/kernel/path.h"
#include "shell/qiv_session.h"

namespace qiv {

void SettingsCopy::save(const RatingContext& context) {
  static_assert(kPrintSettings.width <= std::tuple_size_v<decltype(bytes_)>);
  static_assert(kExportSettings.width <= std::tuple_size_v<decltype(bytes_)>);
  const std::string_view bytes = context.view().text(span_);
  std::memcpy(bytes_.data(), bytes.data(), bytes.size());
}

void SettingsCopy::restore(RatingContext& context) const {
  context.view().setText(span_, std::string_view(bytes_.data(), span_.width));
}

std::string ForcedOutputName(const QivSession& session, std::string_view typed, std::string_view extension) {
  // Ratekit32 works on a name of up to 259 characters in place.
  std::array<char, 264> buffer{};
  typed = typed.substr(0, std::min<std::size_t>(typed.size(), 259));
  std::memcpy(buffer.data(), typed.data(), typed.size());
  if (session.bindings.ForceFileNameExtension != nullptr)
    session.bindings.ForceFileNameExtension(buffer.data(), std::string(extension).c_str());
  std::string name(buffer.data(), ::strnlen(buffer.data(), buffer.size() - 1));
  for (char& c : name)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  // The forced name ends in the extension: the part before it is cut.
  if (name.size() > kOutputNameLimit && extension.size() < kOutputNameLimit && name.size() >= extension.size())
    name = name.substr(0, kOutputNameLimit - extension.size()) + name.substr(name.size() - extension.size());
  return name;
}

bool OutputFileExists(std::string_view name) { return platform::File::OpenReadOnly(name).has_value(); }

bool DeleteOutputFile(std::string_view name) {
  const std::optional<std::string> existing = platform::FindExistingPath(name);
  if (!existing) return true;
  std::error_code error;
  std::filesystem::remove(*existing, error);
  return !platform::FindExistingPath(name).has_value();
}

bool PrintFileExists(RatingContext& context, std::string_view name) {
  if (OutputFileExists(name)) return true;
  context.setChar(output_fields::kPrintFileAnswer, 'N');
  return false;
}

std::string NameLeftInField(std::string_view typed, std::string_view stored) {
  if (typed.empty() || typed.front() == ' ') return std::string(stored);
  return std::string(typed);
}

}  // namespace qiv
