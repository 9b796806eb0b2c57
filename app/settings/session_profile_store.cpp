#include "settings/session_profile_store.h"

#include <algorithm>
#include <string>

#include "dialogs/question_dialog.h"
#include "platform/ui/dialog_object.h"

namespace qiv::settings {
namespace {

constexpr std::size_t kRangeLineSize = 12;
constexpr std::size_t kPrefixRecordSize = 8;  // state 2, lowest prefix 3, highest prefix 3
constexpr std::int32_t kReplaceQuestion = 217;

std::span<const std::uint8_t> Records(const QivSession& session, FieldSpan slot, FieldSpan count, std::size_t size) {
  const std::span<const std::uint8_t> buffer = session.slotBuffer(slot);
  const std::size_t n = static_cast<std::size_t>(std::max(0, session.context->intAt(count)));
  return buffer.first(std::min(buffer.size() / size, n) * size);
}

}  // namespace

TariffRanges SessionTariffRanges(const QivSession& session) {
  TariffRanges tariff;
  const std::span<const std::uint8_t> lines =
      Records(session, ratekit::context::kZipRangeTable, ratekit::context::kZipRangeCount, kRangeLineSize);
  for (std::size_t i = 0; i < lines.size(); i += kRangeLineSize) {
    const std::string_view line(reinterpret_cast<const char*>(lines.data() + i), kRangeLineSize);
    tariff.master.push_back({MakeRangeCode(line.substr(0, 5)), MakeRangeCode(line.substr(5, 5))});
  }
  tariff.usablePrefix = [&session](std::string_view prefix) {
    if (session.bindings.GetZipcIndex == nullptr) return false;
    const std::string key(prefix);
    const int index = session.bindings.GetZipcIndex(session.context->data(), key.c_str());
    const std::span<const std::uint8_t> records =
        Records(session, ratekit::context::kSccTable, ratekit::context::kSccRecordCount, kPrefixRecordSize);
    if (index < 0 || static_cast<std::size_t>(index) >= records.size() / kPrefixRecordSize) return false;
    const std::string_view state(reinterpret_cast<const char*>(records.data()) + index * kPrefixRecordSize, 2);
    return state != "YY" && state != "XX";
  };
  return tariff;
}

ProfileStore SessionProfileStore(QivSession& session, platform::ui::WindowHandle owner) {
  ProfileStore store{.context = session.context->view(), .tariff = SessionTariffRanges(session)};
  store.postalTableEmpty = session.context->intAt(ratekit::context::kSccRecordCount) <= 0;
  store.replaceExisting = [&session, owner](std::string_view storedName) {
    QuestionDialog question(session, owner, std::string(storedName) + " " + session.text(kReplaceQuestion),
                            std::string(), kReplaceQuestion);
    return question.doModal() != platform::ui::command_id::Cancel;
  };
  return store;
}

}  // namespace qiv::settings
