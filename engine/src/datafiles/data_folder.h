// One folder of data files as the engine reads it: which names it holds and
// the files opened in it, looked at again once per rating.
//
// Freshness: nothing a file contains is kept from one rating to the next;
// what is kept is which names the folder holds and open handles. At the
// start of every rating the folder is asked for its stamp (device, inode,
// modification and change times) once. Creating, removing or renaming an
// entry changes those times, so when the stamp is the one the names were
// read with, the names are still the folder's and every kept handle still
// belongs to its name: a file replaced by rename or removed changes the
// folder; a file rewritten in place keeps its inode and is read anew. On
// file systems whose time stamps are coarse, a change made in the same tick
// as the last one would keep the stamp: names and handles are therefore
// kept past a rating only once the folder's times lie more than two seconds
// in the past (platform::IsSettled); a folder changed more recently is read
// again and its files reopened at every rating.
//
// At most 32 handles are kept per folder and engine past a rating, and an
// open that fails first closes the handles no one holds and tries again, so
// that many engines cannot run the process out of descriptors.
//
// Within a rating each file opened here is read once: a small file whole,
// a larger one measured once (platform::File::holdContents); the copy is
// dropped when the rating ends.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/kernel/file.h"
#include "platform/kernel/path.h"

namespace vorn {

class DataFolder {
 public:
  // Files up to this size are read whole once per rating.
  static constexpr std::size_t kHeldFileLimit = 64 * 1024;

  explicit DataFolder(std::string folder);

  const std::string& path() const { return folder_; }

  // Starts a rating: the folder's stamp is taken (one look) and what no
  // longer describes the folder is forgotten.
  void beginRating();
  // Ends a rating: copies of file contents are dropped, and the names and
  // handles of a folder that is not settled are forgotten.
  void endRating();
  // Looks at the folder again within a rating, for a file read under a lock
  // that its writer held while the rating began: what the writer did
  // meanwhile (a file replaced by rename) is seen.
  void lookAgain();

  // The folder's entry for name without regard to case (trailing blanks of
  // the name are not part of it); nothing when the folder has none.
  std::optional<std::string> find(std::string_view name);
  // The file of that name, opened or kept open, its contents held for the
  // rating; null when the folder has no such file or it does not open. A
  // holder of the handle must let it go when generation() has changed.
  std::shared_ptr<platform::File> open(std::string_view name);
  // Holds a file's contents for the rating in progress (nothing out of one).
  void hold(platform::File& file) const;

  // Forgets the names and closes every handle.
  void forget();
  // Counts the times handles were forgotten, so that holders of handles
  // know when theirs are gone.
  std::uint64_t generation() const { return generation_; }

 private:
  // Reads the names again unless the stamp taken for this rating (or, out
  // of a rating, now) is the one they were read with.
  bool refresh();
  // Closes the handles no one else holds (when an open fails, the process
  // may be out of descriptors); whether any was closed.
  bool closeUnusedHandles();

  std::string folder_;  // native, with a trailing separator
  bool inRating_ = false;
  bool lookedAt_ = false;  // the stamp was taken in this rating
  std::optional<platform::FolderStamp> stamp_;
  bool settled_ = false;
  std::optional<std::unordered_map<std::string, std::string>> names_;
  std::unordered_map<std::string, std::shared_ptr<platform::File>> handles_;
  std::uint64_t generation_ = 0;
};

// The folders of one engine, by path: the data path and the path of the
// effective table are often the same folder.
class DataFolders {
 public:
  DataFolder& at(std::string_view folder);
  void beginRating();
  void endRating();
  void forget();

 private:
  std::unordered_map<std::string, std::unique_ptr<DataFolder>> folders_;  // by native path
  std::unordered_map<std::string, DataFolder*> byGivenName_;              // by the path as callers give it
  bool inRating_ = false;
};

}  // namespace vorn
