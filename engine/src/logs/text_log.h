// The text debug log vorn.dbg in the engine's data path: blocks of tagged
// values, each tag beginning with CR LF, appended by each logging call to a
// file opened for that block and closed after it. At each open the file is
// started anew when it has reached the size limit.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace vorn {

class TextDebugLog {
 public:
  // Opens vorn.dbg in dataPath for appending; when it holds at least the
  // size limit's megabytes (and is not empty) it is deleted and started
  // empty. Returns an unopened log when the file cannot be opened.
  static TextDebugLog Open(std::string_view dataPath);

  // The size limit in megabytes, one for the process (at least 1; 20 until
  // an initialisation reads another).
  static void SetSizeLimit(int megabytes);
  static int SizeLimit();

  bool isOpen() const { return file_ != nullptr; }
  // Writes text as it stands (no line-end translation).
  TextDebugLog& operator<<(std::string_view text);
  // "\r\n" + tag + "=": the start of a tagged value.
  TextDebugLog& tag(std::string_view name);

  // The file's path for a data path.
  static std::string PathIn(std::string_view dataPath);

 private:
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::unique_ptr<std::FILE, Closer> file_;
};

}  // namespace vorn
