#include "logs/text_log.h"

#include <atomic>
#include <sys/types.h>

#include "platform/kernel/path.h"

namespace vorn {

std::string TextDebugLog::PathIn(std::string_view dataPath) {
  return platform::ResolvePath(platform::WithTrailingSeparator(std::string(dataPath)) + "vorn.dbg");
}

namespace {
std::atomic<int> gSizeLimitMegabytes{20};
}  // namespace

void TextDebugLog::SetSizeLimit(int megabytes) { gSizeLimitMegabytes = megabytes < 1 ? 1 : megabytes; }

int TextDebugLog::SizeLimit() { return gSizeLimitMegabytes; }

TextDebugLog TextDebugLog::Open(std::string_view dataPath) {
  const int limitMegabytes = SizeLimit();
  TextDebugLog log;
  const std::string path = PathIn(dataPath);
  log.file_.reset(std::fopen(path.c_str(), "ab"));
  if (!log.file_) return log;
  std::fseek(log.file_.get(), 0, SEEK_END);
  const off_t size = ::ftello(log.file_.get());
  if (size > 0 && size / 1048576 >= limitMegabytes) {
    log.file_.reset();
    std::remove(path.c_str());
    log.file_.reset(std::fopen(path.c_str(), "a+b"));
  }
  return log;
}

TextDebugLog& TextDebugLog::operator<<(std::string_view text) {
  if (file_) std::fwrite(text.data(), 1, text.size(), file_.get());
  return *this;
}

TextDebugLog& TextDebugLog::tag(std::string_view name) {
  *this << "\r\n" << name << "=";
  return *this;
}

}  // namespace vorn
