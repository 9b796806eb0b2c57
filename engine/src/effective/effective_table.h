// The effective table: EFCREC.TBL loaded into memory, the exported 17-byte
// view of it, and the switch of the current tariff. Several processes may
// share one data set, and a program that writes the file owns the
// machine-wide mutex "VornEffectiveMutexObject" meanwhile, so every read of
// the file happens while nobody else owns it: reads hold it shared, and do
// not wait for one another. A caller may own that mutex across several calls
// (its reads then happen under its ownership), and may be told when the file
// has changed.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "datafiles/data_folder.h"
#include "effective/current_tariff.h"
#include "effective/effective_record.h"
#include "logs/binary_log.h"
#include "platform/kernel/file.h"
#include "platform/kernel/named_mutex.h"
#include "vorn32/effective_entry.h"

namespace vorn {

// The caller's function told of changes: function(context, 512-byte record
// {i32 reason at 0, i16 value 1 at 4, zeros}).
using NotifyFunction = void (*)(void* context, void* notifyRecord);

namespace notify_reason {
inline constexpr std::int32_t kRecordsReread = 0;  // re-read while switching tariff
inline constexpr std::int32_t kTableReloaded = 6;  // reloaded for a size or entry request
}  // namespace notify_reason

class EffectiveTable {
 public:
  static constexpr std::size_t kCapacity = 5000;
  static constexpr std::chrono::milliseconds kMutexWait{3'600'000};
  static constexpr const char* kMutexName = "VornEffectiveMutexObject";
  static constexpr const char* kFileName = "EFCREC.TBL";

  // EFCREC.TBL is opened through the engine's data folders.
  EffectiveTable(const BinaryDebugLog& log, DataFolders& folders);
  EffectiveTable(const EffectiveTable&) = delete;
  EffectiveTable& operator=(const EffectiveTable&) = delete;

  // The folder that holds EFCREC.TBL (with a trailing separator, or empty
  // for the current directory).
  void setFolder(std::string folder) { folder_ = std::move(folder); }
  const std::string& folder() const { return folder_; }

  // Forgets the records and the exported view.
  void clear();
  // Reads the file once: 0, 203 (cannot open) or 209 (cannot read); a table
  // that holds records is left unchanged.
  std::int16_t loadEffectiveTable();
  // Reloads the table when the file changed since the exported view was
  // built (the first look always counts as a change), telling the notify
  // function. The number of exported entries, or nothing when the file
  // cannot be opened or read (the table is then left as it was).
  std::optional<std::size_t> refreshEffectiveTable();

  std::span<const EffectiveRecord> records() const { return records_; }
  std::span<const EffectiveEntry> entries() const { return entries_; }
  // Set when the file held more records than the table's capacity.
  bool overflowed() const { return overflowed_; }

  // Makes record number position the current tariff: 0; 209 when its record
  // cannot be read; 397 or 398 when its rating version is older than 4.00 or
  // newer than the engine's; 203 when the file cannot be opened.
  std::int16_t loadTariffForEntry(std::size_t position, CurrentTariff& current, int engineVersion);

  // The mutex protocol of the lock exports.
  bool waitEffectiveMutex();
  bool releaseEffectiveMutex();

  void setNotify(void* context, NotifyFunction function) {
    notifyContext_ = context;
    notifyFunction_ = function;
  }

 private:
  class FileSession;
  struct Reading {
    std::int16_t code = 0;
    std::vector<EffectiveRecord> records;
    bool overflowed = false;
  };
  // Reads every record from the start of the file, sorted; the table is
  // changed only by take(), so a failed read leaves it as it was.
  Reading readEffectiveRecords(platform::File& file) const;
  void take(Reading&& reading, const std::optional<platform::FileStamp>& stamp);
  // Builds the exported entries from the records and sorts them.
  void sortEffectiveTable();
  void notify(std::int32_t reason) const;

  const BinaryDebugLog& log_;
  DataFolders& folders_;
  std::string folder_;
  platform::NamedMutex mutex_;
  std::vector<EffectiveRecord> records_;
  std::vector<EffectiveEntry> entries_;
  bool overflowed_ = false;
  std::optional<platform::FileStamp> recordsStamp_;  // file state the records were read from
  std::optional<platform::FileStamp> entriesStamp_;  // file state the exported view was built from
  void* notifyContext_ = nullptr;
  NotifyFunction notifyFunction_ = nullptr;
};

}  // namespace vorn
