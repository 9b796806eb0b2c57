#include "effective/effective_table.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

#include "effective/rating_versions.h"
#include "errors/engine_error.h"
#include "formats/efcrec.h"
#include "platform/kernel/fixed_format.h"
#include "platform/kernel/path.h"

namespace vorn {
namespace {

// Reads the next record: its bytes, or nothing at the end of the file (fewer
// than 75 bytes left; a last record may lack its LF). A read error, or a
// record that does not end its line where a 76-byte record must (a file of
// another record length), is 209.
struct RecordRead {
  std::int16_t code = code::kSuccess;
  std::optional<efcrec::Record> record;
  bool complete = false;  // all 76 bytes were read
};

// From the current position, or at offset when one is given.
RecordRead ReadRecord(platform::File& file, std::optional<std::int64_t> offset = std::nullopt) {
  std::array<std::uint8_t, efcrec::kRecordSize> bytes{};
  const std::ptrdiff_t n = offset ? file.readAt(*offset, bytes) : file.read(bytes);
  if (n < 0) return {code::kCantReadEffectiveFile, std::nullopt};
  if (n < static_cast<std::ptrdiff_t>(efcrec::kRecordSize) - 1) return {};
  const bool complete = n == static_cast<std::ptrdiff_t>(efcrec::kRecordSize);
  const bool framed = bytes[74] == '\r' && (!complete || bytes[75] == '\n');
  if (!framed) return {code::kCantReadEffectiveFile, std::nullopt};
  efcrec::Record record(std::span<const std::uint8_t>(bytes.data(), static_cast<std::size_t>(n)));
  DetermineRatingVersion(record);
  return {code::kSuccess, record, complete};
}

EffectiveRecord MakeEffectiveRecord(const efcrec::Record& r, std::uint16_t fileIndex) {
  EffectiveRecord e;
  e.fileIndex = fileIndex;
  e.kind = static_cast<std::uint16_t>(platform::FieldToInteger(r.text(efcrec::kKind)));
  e.date = DateKeyFromDigits(r.text(efcrec::kDate)).value_or(DateKey{});
  std::memcpy(e.name.data(), r.chars() + efcrec::kName.offset, e.name.size());
  e.flag45 = r.charAt(efcrec::kFlag45.offset);
  e.country = r.charAt(efcrec::kCountry.offset);
  e.letter = IsUnlistedName(e.nameView()) ? 'S' : r.charAt(efcrec::kLetter.offset);
  e.tariffType = r.charAt(efcrec::kTariffType.offset);
  return e;
}

// Kind (signed), then date, then name; records that compare equal keep their
// file order.
bool RecordOrder(const EffectiveRecord& a, const EffectiveRecord& b) {
  if (a.kind != b.kind) return static_cast<std::int16_t>(a.kind) < static_cast<std::int16_t>(b.kind);
  if (a.date != b.date) return a.date < b.date;
  return std::memcmp(a.name.data(), b.name.data(), a.name.size()) < 0;
}

EffectiveEntry MakeEntry(std::string_view name, std::string_view date, char kind) {
  EffectiveEntry entry;
  entry.setText(effective_entry::kName, name);
  entry.setText(effective_entry::kDate, date);
  entry.setChar(effective_entry::kKind.offset, kind);
  return entry;
}

// Time stamps are coarse: a write in the same tick as the last one keeps the
// file's stamp. An equal stamp therefore shows an unchanged file only once
// it is settled (its times lie more than two seconds in the past); a file
// written more recently is read again.
bool ShowsNoChange(const std::optional<platform::FileStamp>& seen, const platform::FileStamp& now) {
  return seen && *seen == now && platform::IsSettled(now);
}

bool HasEntry(const std::vector<EffectiveEntry>& entries, std::size_t nameLength, std::string_view name,
              std::string_view date) {
  return std::any_of(entries.begin(), entries.end(), [&](const EffectiveEntry& e) {
    return e.text(effective_entry::kName).substr(0, nameLength) == name.substr(0, nameLength) &&
           e.text(effective_entry::kDate) == date;
  });
}

}  // namespace

// Holds the mutex and the file for one operation, read from its start;
// lets go of the file (its handle stays with the data folder, nothing of its
// contents is kept) and releases the mutex on every path out of it. Reading
// needs only that nobody owns the mutex: it is held shared, so that readers
// do not wait for one another; when it is owned (by the calling thread, or
// by another that may be writing the file) the session owns it in turn, and
// looks at the folder again once it does, since its owner may have replaced
// the file since the rating looked.
class EffectiveTable::FileSession {
 public:
  explicit FileSession(EffectiveTable& table) : table_(table) {
    shared_ = table_.mutex_.holdShared();
    owned_ = !shared_ && platform::IsOwned(table_.mutex_.wait(kMutexWait));
    if (!shared_ && !owned_) return;  // a wait that timed out cannot safely read
    DataFolder& folder = table_.folders_.at(table_.folder_);
    if (owned_) folder.lookAgain();
    file_ = folder.open(kFileName);
    if (!file_) return;
    file_->seek(0);
    stamp_ = file_->stamp();
    table_.log_.fileOpened(file_->path());
  }
  ~FileSession() { closeEffectiveFile(); }
  FileSession(const FileSession&) = delete;
  FileSession& operator=(const FileSession&) = delete;

  bool isOpen() const { return file_ != nullptr && stamp_.has_value(); }
  platform::File& file() { return *file_; }
  // The file's stamp, taken once for the operation.
  const platform::FileStamp& stamp() const { return *stamp_; }

 private:
  EffectiveTable& table_;
  bool shared_ = false;
  bool owned_ = false;
  std::shared_ptr<platform::File> file_;
  std::optional<platform::FileStamp> stamp_;

  void closeEffectiveFile() {
    if (file_) file_->releaseContents();
    file_.reset();
    if (shared_) table_.mutex_.releaseShared();
    if (owned_) table_.mutex_.release();
  }
};

EffectiveTable::EffectiveTable(const BinaryDebugLog& log, DataFolders& folders)
    : log_(log), folders_(folders), mutex_(kMutexName) {}

void EffectiveTable::clear() {
  records_.clear();
  entries_.clear();
  overflowed_ = false;
  recordsStamp_.reset();
  entriesStamp_.reset();
}

EffectiveTable::Reading EffectiveTable::readEffectiveRecords(platform::File& file) const {
  Reading reading;
  RecordRead first = ReadRecord(file);
  if (first.code != code::kSuccess || !first.complete) {
    reading.code = code::kCantReadEffectiveFile;
    return reading;
  }
  reading.records.push_back(MakeEffectiveRecord(*first.record, 0));
  for (;;) {
    RecordRead next = ReadRecord(file);
    if (next.code != code::kSuccess) {
      reading.code = next.code;
      return reading;
    }
    if (!next.record) break;
    if (reading.records.size() == kCapacity) {
      reading.overflowed = true;  // further records are ignored
      continue;
    }
    reading.records.push_back(MakeEffectiveRecord(*next.record, static_cast<std::uint16_t>(reading.records.size())));
  }
  std::stable_sort(reading.records.begin(), reading.records.end(), RecordOrder);
  return reading;
}

void EffectiveTable::take(Reading&& reading, const std::optional<platform::FileStamp>& stamp) {
  records_ = std::move(reading.records);
  overflowed_ = reading.overflowed;
  recordsStamp_ = stamp;
}

std::int16_t EffectiveTable::loadEffectiveTable() {
  if (!records_.empty()) return code::kSuccess;
  FileSession session(*this);
  if (!session.isOpen()) return code::kCantOpenEffectiveFile;
  Reading reading = readEffectiveRecords(session.file());
  if (reading.code != code::kSuccess) return code::kCantReadEffectiveFile;
  take(std::move(reading), session.stamp());
  sortEffectiveTable();
  return code::kSuccess;
}

std::optional<std::size_t> EffectiveTable::refreshEffectiveTable() {
  FileSession session(*this);
  if (!session.isOpen()) return std::nullopt;
  const platform::FileStamp stamp = session.stamp();
  if (!ShowsNoChange(entriesStamp_, stamp)) {
    Reading reading = readEffectiveRecords(session.file());
    if (reading.code != code::kSuccess) return std::nullopt;
    const std::vector<EffectiveEntry> shown = entries_;
    take(std::move(reading), stamp);
    sortEffectiveTable();
    // A file read again only because its stamp is recent tells the caller
    // when what it shows has changed.
    const bool changed = !entriesStamp_ || *entriesStamp_ != stamp || entries_ != shown;
    entriesStamp_ = stamp;
    if (changed) notify(notify_reason::kTableReloaded);
  }
  return entries_.size();
}

void EffectiveTable::sortEffectiveTable() {
  entries_.clear();
  bool bureauListed = false;
  for (const EffectiveRecord& r : records_) {
    if (IsUnlistedName(r.nameView()) || r.letter == 'S') continue;
    const std::string date = DateKeyDigits(r.date);
    switch (r.letter) {
      case 'Y':
        if (!bureauListed) entries_.push_back(MakeEntry("Bureau", "", ' '));
        bureauListed = true;
        break;
      case 'N':
      case 'P':
        if (!HasEntry(entries_, 8, r.nameView(), date))
          entries_.push_back(MakeEntry(r.nameView(), date, r.country == 'Y' || r.country == 'I' ? 'I' : r.letter));
        break;
      case 'X':
        if (!HasEntry(entries_, 3, r.nameView(), date))
          entries_.push_back(MakeEntry(r.nameView().substr(0, 3), date, 'X'));
        break;
      default: break;
    }
  }
  std::stable_sort(entries_.begin(), entries_.end(), [](const EffectiveEntry& a, const EffectiveEntry& b) {
    return std::memcmp(a.data(), b.data(), effective_entry::kNameAndDate.width) < 0;
  });
}

std::int16_t EffectiveTable::loadTariffForEntry(std::size_t position, CurrentTariff& current, int engineVersion) {
  if (position < records_.size()) {
    const EffectiveRecord& wanted = records_[position];
    if (wanted.kind == current.kind && wanted.date == current.date && wanted.nameView() == current.name())
      return code::kSuccess;
  }
  FileSession session(*this);
  if (!session.isOpen()) return code::kCantOpenEffectiveFile;
  const platform::FileStamp stamp = session.stamp();
  if (!ShowsNoChange(recordsStamp_, stamp)) {
    Reading reading = readEffectiveRecords(session.file());
    if (reading.code != code::kSuccess) return code::kCantReadEffectiveFile;
    const bool changed = !recordsStamp_ || *recordsStamp_ != stamp || reading.records != records_;
    if (reading.records == records_)
      recordsStamp_ = stamp;  // the table stands as it is
    else
      take(std::move(reading), stamp);
    if (changed) notify(notify_reason::kRecordsReread);
  }
  if (position >= records_.size()) return code::kCantReadEffectiveFile;

  const std::int64_t offset = static_cast<std::int64_t>(records_[position].fileIndex) * efcrec::kRecordSize;
  RecordRead read = ReadRecord(session.file(), offset);
  if (read.code != code::kSuccess || !read.record) return code::kCantReadEffectiveFile;  // short read
  const efcrec::Record& record = *read.record;

  const std::string version(platform::TrimTrailingBlanks(record.text(efcrec::kVersion)));
  const int number = RatingVersionNumber(version);
  if (number > engineVersion) return code::kTariffTooNew;
  if (number < 400) return code::kTariffTooOld;
  current = CurrentTariffFromRecord(record);
  current.ratingVersion = std::strtof(version.c_str(), nullptr);
  return code::kSuccess;
}

bool EffectiveTable::waitEffectiveMutex() { return platform::IsOwned(mutex_.wait(kMutexWait)); }

bool EffectiveTable::releaseEffectiveMutex() { return mutex_.release(); }

void EffectiveTable::notify(std::int32_t reason) const {
  if (notifyFunction_ == nullptr) return;
  std::array<std::uint8_t, 512> record{};
  platform::StoreLittleEndian<std::int32_t>(record.data(), reason);
  platform::StoreLittleEndian<std::int16_t>(record.data() + 4, 1);
  notifyFunction_(notifyContext_, record.data());
}

CurrentTariff CurrentTariffFromRecord(const efcrec::Record& r) {
  CurrentTariff t;
  auto copy = [&](auto& target, platform::FieldSpan field) {
    std::memcpy(target.data(), r.chars() + field.offset, field.width);
  };
  t.format = r.charAt(efcrec::kFormat.offset);
  t.kind = static_cast<std::uint16_t>(platform::FieldToInteger(r.text(efcrec::kKind)));
  t.date = DateKeyFromDigits(r.text(efcrec::kDate)).value_or(DateKey{});
  copy(t.sequence, efcrec::kSequence);
  t.tariffType = r.charAt(efcrec::kTariffType.offset);
  t.baseType = r.charAt(efcrec::kBaseType.offset);
  t.laneLetter = r.charAt(efcrec::kLaneLetter.offset);
  copy(t.laneDigitsAndName, platform::FieldSpan{17, 10});
  copy(t.suffixes, efcrec::kSuffixes);
  t.flag44 = r.charAt(efcrec::kFlag44.offset);
  t.flag45 = r.charAt(efcrec::kFlag45.offset);
  t.flag46 = r.charAt(efcrec::kFlag46.offset);
  t.country = r.charAt(efcrec::kCountry.offset);
  t.letter = IsUnlistedName(r.text(efcrec::kName)) ? 'S' : r.charAt(efcrec::kLetter.offset);
  t.substituteType = r.charAt(efcrec::kSubstituteType.offset);
  copy(t.substituteSuffix, efcrec::kSubstituteSuffix);
  t.flag73 = r.charAt(efcrec::kFlag73.offset);
  t.flag68 = r.charAt(efcrec::kFlag68.offset);
  return t;
}

}  // namespace vorn
