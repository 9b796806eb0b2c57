#include "messages/message_boxes.h"

#include <cstdio>
#include <cstring>
#include <utility>

#include "messages/error_text.h"

namespace ratekit {
namespace {

struct Callbacks {
  RatekitShowBox show = nullptr;
  RatekitQuit quit = nullptr;
  void* hostContext = nullptr;
  std::optional<int> recordedQuit;
};

Callbacks& Installed() {
  static Callbacks callbacks;
  return callbacks;
}

const char* KindName(RatekitBoxKind kind) {
  switch (kind) {
    case RATEKIT_BOX_ERROR: return "error";
    case RATEKIT_BOX_QUESTION: return "question";
    case RATEKIT_BOX_WARNING: break;
  }
  return "warning";
}

}  // namespace

std::string BoxText(const char* text, std::int32_t number) {
  std::string shown = text != nullptr ? std::string(text, strnlen(text, kBoxTextLimit)) : std::string();
  if (shown.empty()) shown = ErrorText(number);
  if (shown.size() > kBoxTextLimit) shown.resize(kBoxTextLimit);
  return shown;
}

int ShowBox(RatekitBoxKind kind, std::string_view caption, std::string_view text, void* owner) {
  const Callbacks& c = Installed();
  if (c.show != nullptr) {
    const std::string captionText(caption), boxText(text);
    return c.show(c.hostContext, kind, captionText.c_str(), boxText.c_str(), owner);
  }
  std::fprintf(stderr, "[%s] %.*s: %.*s\n", KindName(kind), static_cast<int>(caption.size()), caption.data(),
               static_cast<int>(text.size()), text.data());
  return kind == RATEKIT_BOX_QUESTION ? RATEKIT_ANSWER_YES : RATEKIT_ANSWER_OK;
}

void RequestQuit(int code) {
  Callbacks& c = Installed();
  if (c.quit != nullptr) {
    c.quit(c.hostContext, code);
  } else {
    c.recordedQuit = code;
  }
}

void InstallMessageBoxes(RatekitShowBox show, RatekitQuit quit, void* hostContext) {
  Callbacks& c = Installed();
  c.show = show;
  c.quit = quit;
  c.hostContext = hostContext;
}

std::optional<int> TakeRecordedQuit() { return std::exchange(Installed().recordedQuit, std::nullopt); }

}  // namespace ratekit
