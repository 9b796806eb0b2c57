// LanebookApp, the service guide as Ratekit32 calls it: six functions over
// one 1209-byte exchange block and a handle (app_form.h). A handle is a
// small positive number naming one opened guide; its data is shared with
// every other handle and thread that reads the same file.
#include <array>
#include <cstring>
#include <mutex>
#include <string>

#include "data/loaded_guides.h"
#include "data/statuses.h"
#include "exports/export.h"
#include "lanebook/app_form.h"
#include "platform/kernel/fixed_format.h"
#include "service/service_lookup.h"

namespace lanebook {
namespace {

namespace af = app_form;

struct Session {
  bool open = false;
  SharedGuide data;
};

// The open guides; handle h is session h - 1.
class Sessions {
 public:
  static constexpr std::int32_t kHandles = 32;

  std::int32_t open() {
    std::lock_guard lock(mutex_);
    for (std::size_t i = 0; i < sessions_.size(); ++i)
      if (!sessions_[i].open) {
        sessions_[i] = Session{true, nullptr};
        return static_cast<std::int32_t>(i + 1);
      }
    return 0;
  }
  bool close(std::int32_t handle) {
    std::lock_guard lock(mutex_);
    Session* s = find(handle);
    if (s == nullptr) return false;
    *s = Session{};
    return true;
  }
  bool setData(std::int32_t handle, SharedGuide data) {
    std::lock_guard lock(mutex_);
    Session* s = find(handle);
    if (s == nullptr) return false;
    s->data = std::move(data);
    return true;
  }
  // The handle's data (kept alive by the copy), or the status that says why
  // there is none.
  std::variant<SharedGuide, int> data(std::int32_t handle) {
    std::lock_guard lock(mutex_);
    const Session* s = find(handle);
    if (s == nullptr || !s->data) return code::kGuideInitialiseFailed;
    if (const int expired = CheckNotExpired(*s->data)) return expired;
    return s->data;
  }

 private:
  Session* find(std::int32_t handle) {
    if (handle < 1 || handle > kHandles || !sessions_[static_cast<std::size_t>(handle - 1)].open) return nullptr;
    return &sessions_[static_cast<std::size_t>(handle - 1)];
  }
  std::mutex mutex_;
  std::array<Session, kHandles> sessions_{};
};

Sessions& Guides() {
  static Sessions sessions;
  return sessions;
}

// The status in its digits, NUL-padded; true for the success given.
std::uint8_t Answer(af::BlockView& block, int status, int success = code::kServiceGuideDone) {
  block.setText(af::kStatus, std::to_string(status), '\0');
  return status == success ? 1 : 0;
}

// A short decimal text, NUL-padded.
void PutNumber(af::BlockView& block, platform::FieldSpan field, int value) {
  block.setText(field, std::to_string(value), '\0');
}

std::optional<CarrierMode> ModeOf(std::string_view serviceType) {
  const std::string type = TrimmedCode(serviceType);
  if (type == "LTL") return CarrierMode::Ltl;
  if (type == "TL") return CarrierMode::Tl;
  return std::nullopt;
}

// Runs a call on the block with the handle's data; the status field is
// cleared first.
template <class Body>
std::uint8_t WithGuide(char* bytes, std::int32_t handle, Body&& body) {
  if (bytes == nullptr) return 0;
  return Guarded<std::uint8_t>(0, [&] {
    af::BlockView block(bytes);
    block.fill(af::kStatus, '\0');
    std::variant<SharedGuide, int> guide = Guides().data(handle);
    if (const int* refused = std::get_if<int>(&guide)) return Answer(block, *refused);
    return body(block, *std::get<SharedGuide>(guide));
  });
}

}  // namespace
}  // namespace lanebook

using namespace lanebook;

LANEBOOK_EXPORT std::int32_t Lanebook_Initialize(char* bytes) {
  if (bytes == nullptr) return 0;
  return Guarded<std::int32_t>(0, [&] {
    af::BlockView block(bytes);
    const std::int32_t handle = Guides().open();
    Answer(block, handle != 0 ? code::kServiceGuideDone : code::kGuideInitialiseFailed);
    return handle;
  });
}

LANEBOOK_EXPORT std::uint8_t Lanebook_Set_JYDataPath(char* bytes, const char* folder, std::int32_t handle) {
  if (bytes == nullptr || folder == nullptr) return 0;
  return Guarded<std::uint8_t>(0, [&] {
    af::BlockView block(bytes);
    block.fill(af::kStatus, '\0');
    std::variant<SharedGuide, int> loaded = LoadGuide(folder);
    if (const int* refused = std::get_if<int>(&loaded)) return Answer(block, *refused);
    if (!Guides().setData(handle, std::move(std::get<SharedGuide>(loaded))))
      return Answer(block, code::kGuideInitialiseFailed);
    return Answer(block, code::kServiceGuideDone);
  });
}

LANEBOOK_EXPORT std::uint8_t Lanebook_GetServGuideData(char* bytes, std::int32_t handle) {
  if (bytes != nullptr) af::BlockView(bytes).fill(af::kServiceAnswer, '\0');
  return WithGuide(bytes, handle, [](af::BlockView& block, const GuideData& data) {
    const std::optional<CarrierMode> mode = ModeOf(block.text(af::kServiceType));
    if (!mode) return Answer(block, code::kGuideInvalidCarrierType);
    const std::variant<LaneService, int> service = AskLaneService(
        data, block.text(af::kCarrier), *mode, block.text(af::kOriginCode), block.text(af::kDestinationCode));
    if (const int* refused = std::get_if<int>(&service)) return Answer(block, *refused);
    const LaneService& s = std::get<LaneService>(service);
    PutNumber(block, af::kDays, s.days);
    block.setText(af::kCarrierAnswered, TrimmedCode(block.text(af::kCarrier)), '\0');
    block.setChar(af::kOriginLetter.offset, s.originLetter);
    block.setChar(af::kDestinationLetter.offset, s.destinationLetter);
    PutNumber(block, af::kDaysText, s.days);
    block.setText(af::kOriginTerminal, s.originTerminal, '\0');
    block.setText(af::kDestinationTerminal, s.destinationTerminal, '\0');
    return Answer(block, code::kServiceGuideDone);
  });
}

LANEBOOK_EXPORT std::uint8_t Lanebook_GetTerminalDetail(char* bytes, std::int32_t handle) {
  if (bytes != nullptr)
    for (const platform::FieldSpan& field : af::kTerminalFields) af::BlockView(bytes).fill(field, '\0');
  return WithGuide(bytes, handle, [](af::BlockView& block, const GuideData& data) {
    const std::variant<const Terminal*, int> found =
        TerminalServing(data, block.text(af::kCarrier), block.text(af::kTerminalAsked));
    if (const int* refused = std::get_if<int>(&found)) return Answer(block, *refused, status::kTerminalFound);
    const Terminal& terminal = *std::get<const Terminal*>(found);
    std::size_t at = 0;
    for (const platform::FieldSpan& field : af::kTerminalFields) {
      std::memcpy(block.chars() + field.offset, terminal.details.data() + at, field.width);
      at += field.width;
    }
    return Answer(block, status::kTerminalFound, status::kTerminalFound);
  });
}

LANEBOOK_EXPORT std::uint8_t Lanebook_GetTermToTermDays(char* bytes, std::int32_t handle) {
  if (bytes != nullptr) {
    af::BlockView(bytes).fill(af::kDays, '\0');
    af::BlockView(bytes).fill(af::kDaysText, '\0');
  }
  return WithGuide(bytes, handle, [](af::BlockView& block, const GuideData& data) {
    const std::string carrier = TrimmedCode(block.text(af::kCarrier));
    if (data.carrier(carrier) == nullptr) return Answer(block, code::kGuideInvalidScacCarrierType);
    const std::optional<int> days = data.daysBetween(carrier, TrimmedCode(block.text(af::kOriginTerminal)),
                                                     TrimmedCode(block.text(af::kDestinationTerminal)));
    if (!days) return Answer(block, code::kGuideNoTerminalToTerminal);
    PutNumber(block, af::kDays, *days);
    PutNumber(block, af::kDaysText, *days);
    return Answer(block, code::kServiceGuideDone);
  });
}

LANEBOOK_EXPORT std::uint8_t Lanebook_Terminate(std::int32_t handle) {
  return Guarded<std::uint8_t>(0, [&] { return Guides().close(handle) ? 1 : 0; });
}
