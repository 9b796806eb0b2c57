// The message boxes and small utilities the program calls.
#include <array>
#include <cstring>
#include <string>

#include "exports/export.h"
#include "messages/message_boxes.h"
#include "ratekit/ratekit32.h"
#include "utilities/text_utilities.h"

using namespace ratekit;

namespace {

std::string_view Caption(const char* caption) { return caption == nullptr ? std::string_view() : caption; }

}  // namespace

RATEKIT_EXPORT void fatal(const char* text, const char* caption, int code) {
  ShowBox(RATEKIT_BOX_ERROR, Caption(caption), BoxText(text, code), nullptr);
  RequestQuit(code);
}

RATEKIT_EXPORT int warning(const char* text, const char* caption, int code, void* owner) {
  return ShowBox(RATEKIT_BOX_WARNING, Caption(caption), BoxText(text, code), owner);
}

RATEKIT_EXPORT int question(const char* text, const char* caption, int code, void* owner) {
  return ShowBox(RATEKIT_BOX_QUESTION, Caption(caption), BoxText(text, code), owner) == RATEKIT_ANSWER_NO ? 0 : 1;
}

RATEKIT_EXPORT double rndoff(float x, int n) { return RoundHalfUp51(x, n); }

RATEKIT_EXPORT char* strtrim(char* s) {
  if (s != nullptr) TrimTrailingSpace(s);
  return s;
}

RATEKIT_EXPORT char* strltrim(char* s) {
  if (s != nullptr) TrimLeadingSpace(s);
  return s;
}

RATEKIT_EXPORT char* ForceFileNameExtension(char* name, const char* ext) {
  if (name == nullptr) return name;
  const std::string result =
      WithForcedExtension(std::string_view(name, strnlen(name, kMaxFileName)),
                          ext == nullptr ? std::string_view() : std::string_view(ext, strnlen(ext, 4)));
  std::memcpy(name, result.c_str(), result.size() + 1);
  return name;
}

RATEKIT_EXPORT const char* SplitPath(const char* path) {
  static std::array<char, kMaxFileName + 1> result;
  const std::string split =
      path == nullptr ? std::string() : FileNameOfPath(std::string_view(path, strnlen(path, kMaxFileName)));
  const std::size_t n = std::min(split.size(), kMaxFileName);
  std::memcpy(result.data(), split.data(), n);
  result[n] = '\0';
  return result.data();
}
