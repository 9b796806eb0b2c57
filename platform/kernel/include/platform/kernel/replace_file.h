// The one way files the system writes are replaced: whole or not at all.
//
// The new contents go to a temporary file beside the target (a unique name,
// created exclusively, never inherited by a child process), written whole,
// flushed to disk, renamed over the target, and the folder flushed. On a
// failure before the rename, the temporary file is removed and the target is
// left exactly as it was. Names are matched without regard to case: a target
// that exists under another spelling is replaced in its own spelling, else
// the file is created in the spelling given.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace platform {

// The permissions of a file written by these helpers.
struct NewFileMode {
  // Exactly these permission bits (0600, say), whatever the umask. Nothing:
  // 0666 less the process's umask, what any program creating a file gets.
  std::optional<unsigned> exact = std::nullopt;
};

// Failures a test injects into a replacement: the step fails with EIO
// without being attempted.
struct ReplaceFaults {
  int failingWrite = 0;  // the n-th write of the contents (1 for the first); 0: none
  bool failFlush = false;
  bool failRename = false;
  bool failFolderFlush = false;
};

struct ReplaceOptions {
  NewFileMode mode = {};
  ReplaceFaults faults = {};
};

// The steps of a replacement, in their order.
enum class ReplaceStep {
  None,         // no step failed
  Create,       // the folder or the target takes no new file, or the temporary file could not be made
  Write,        // the contents could not be written whole
  Flush,        // the contents could not be flushed to disk
  Rename,       // the temporary file could not take the target's place
  FolderFlush,  // the folder could not be flushed: the target HAS been replaced,
                // but the replacement may not survive a crash
};

class ContentWriter;

struct ReplaceResult {
  ReplaceStep failedStep = ReplaceStep::None;
  int error = 0;     // errno of the failed step
  std::string path;  // the target: its existing spelling, else the one given
  bool ok() const { return failedStep == ReplaceStep::None; }
};

// Replaces (or creates) the file at path with what produce writes.
//
// A folder or an existing target that may not be written fails at the
// create step with EACCES; "may not be written" is judged by the mode bits
// too (a mode without any write bit is read-only, also for root).
ReplaceResult ReplaceFile(std::string_view path, const std::function<void(ContentWriter&)>& produce,
                          const ReplaceOptions& options = {});
// The same with the whole contents at hand (one write).
ReplaceResult ReplaceFile(std::string_view path, std::span<const std::uint8_t> contents,
                          const ReplaceOptions& options = {});
ReplaceResult ReplaceFile(std::string_view path, std::string_view contents, const ReplaceOptions& options = {});

// Takes the new contents of a file being replaced, in as many writes as its
// producer likes.
class ContentWriter {
 public:
  // Appends data whole. False when this or an earlier write failed; later
  // writes are then ignored and the replacement fails at its write step.
  bool write(std::span<const std::uint8_t> data);
  bool write(std::string_view text);

 private:
  friend ReplaceResult ReplaceFile(std::string_view, const std::function<void(ContentWriter&)>&, const ReplaceOptions&);
  ContentWriter(int fd, int failingWrite) : fd_(fd), failingWrite_(failingWrite) {}
  int fd_;
  int failingWrite_;
  int writes_ = 0;
  int error_ = 0;
};

}  // namespace platform
