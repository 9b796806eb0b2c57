// Lanebook32, the service guide as the rating engine calls it: eight
// functions of a status and a record (engine_form.h). Each thread that
// initialises has the data of its folder until it terminates; the data
// itself is shared by every thread that reads the same file.
#include <algorithm>
#include <cstring>
#include <span>

#include "data/loaded_guides.h"
#include "data/statuses.h"
#include "exports/export.h"
#include "lanebook/engine_form.h"
#include "platform/kernel/fixed_format.h"
#include "platform/kernel/module_loader.h"
#include "platform/kernel/path.h"
#include "platform/kernel/thread_slot.h"
#include "service/service_lookup.h"

namespace lanebook {
namespace {

namespace ef = engine_form;

// The calling thread's data.
struct ThreadGuide {
  SharedGuide data;
};

void DetachThread(void* value) { delete static_cast<ThreadGuide*>(value); }

// The key lives as long as the library; when the library goes (or the
// process ends), the calling thread's data goes with it, as at its end.
struct ThreadKey {
  platform::ThreadSlotKey key{DetachThread};
  ~ThreadKey() {
    if (void* value = key.get()) {
      key.set(nullptr);
      DetachThread(value);
    }
  }
};

platform::ThreadSlotKey& Threads() {
  static ThreadKey threads;
  return threads.key;
}

ThreadGuide* CurrentThread() { return static_cast<ThreadGuide*>(Threads().get()); }

// Gives the calling thread the data (a thread that has some keeps it when
// the new data cannot be read).
int OpenForThread(const std::string& folder) {
  std::variant<SharedGuide, int> loaded = LoadGuide(folder);
  if (const int* refused = std::get_if<int>(&loaded)) return *refused;
  ThreadGuide* thread = CurrentThread();
  if (thread == nullptr) {
    auto made = std::make_unique<ThreadGuide>();
    if (!Threads().set(made.get())) return code::kGuideInitialiseFailed;
    thread = made.release();
  }
  thread->data = std::move(std::get<SharedGuide>(loaded));
  return code::kServiceGuideDone;
}

// The calling thread's data while it serves, or the status that says why not.
std::variant<const GuideData*, int> ThreadData() {
  const ThreadGuide* thread = CurrentThread();
  if (thread == nullptr || !thread->data) return code::kGuideInitialiseFailed;
  if (const int expired = CheckNotExpired(*thread->data)) return expired;
  return thread->data.get();
}

// Four digits, exactly the field's width.
std::uint8_t Answer(char* statusField, int status) {
  platform::FormatZeroPadded(std::span<char>(statusField, ef::kStatusSize), status);
  return status == code::kServiceGuideDone ? 1 : 0;
}

// A folder as a record holds it: up to its first NUL, without trailing
// blanks; empty: the library's own folder.
std::string FolderIn(const char* field, std::size_t width) {
  std::string folder(platform::TrimTrailingBlanks(platform::UntilNul(std::string_view(field, width))));
  if (folder.empty())
    folder = platform::DriveAndDirectory(platform::ModulePathOf(reinterpret_cast<const void*>(&Threads)));
  return folder;
}

std::optional<CarrierMode> ModeOf(char letter) {
  switch (letter) {
    case 'A': return CarrierMode::Any;
    case 'L': return CarrierMode::Ltl;
    case 'T': return CarrierMode::Tl;
    default: return std::nullopt;
  }
}

// A record that opens with its capacity: its bytes, when it holds at least
// the fixed part.
std::optional<std::span<char>> Sized(char* record, std::size_t fixedPart) {
  const auto capacity = platform::LoadLittleEndian<std::int32_t>(reinterpret_cast<const std::uint8_t*>(record));
  if (capacity < 0 || static_cast<std::size_t>(capacity) < fixedPart) return std::nullopt;
  return std::span<char>(record, static_cast<std::size_t>(capacity));
}

// Writes a list: the entries that fit the capacity, their count and the
// count the guide holds. write(i, entry) fills entry i.
template <class Write>
void WriteList(std::span<char> record, std::size_t entriesAt, std::size_t entrySize, std::size_t total, Write&& write) {
  const std::size_t room = (record.size() - entriesAt) / entrySize;
  const std::size_t written = std::min(room, total);
  for (std::size_t i = 0; i < written; ++i) write(i, record.subspan(entriesAt + i * entrySize, entrySize));
  auto* bytes = reinterpret_cast<std::uint8_t*>(record.data());
  platform::StoreLittleEndian<std::int32_t>(bytes + ef::list::kCount.offset, static_cast<std::int32_t>(written));
  platform::StoreLittleEndian<std::int32_t>(bytes + ef::list::kTotal.offset, static_cast<std::int32_t>(total));
}

void Put(std::span<char> entry, platform::FieldSpan field, std::string_view text) {
  platform::FormatLeftAligned(entry.subspan(field.offset, field.width), text);
}

std::string_view TypeField(const std::string& type) { return type == "LTL" ? "LTL" : "TL "; }

// The list calls: null pointers answer false and write nothing, a record
// too small for its fixed part only gets the status; otherwise the counts
// and the entry area are cleared before body (the record) answers.
template <class Body>
std::uint8_t ListCall(char* status, char* record, std::size_t entriesAt, Body&& body) {
  if (status == nullptr || record == nullptr) return 0;
  return Guarded<std::uint8_t>(0, [&] {
    const std::optional<std::span<char>> sized = Sized(record, entriesAt);
    if (!sized) return Answer(status, code::kInvalidServiceGuideCall);
    std::memset(record + ef::list::kCount.offset, 0, ef::list::kCount.width + ef::list::kTotal.width);
    std::memset(record + entriesAt, 0, sized->size() - entriesAt);
    return Answer(status, body(*sized));
  });
}

// The calls of a fixed record: as ListCall, the out field cleared first.
template <class Body>
std::uint8_t FixedCall(char* status, char* record, std::size_t size, platform::FieldSpan out, Body&& body) {
  if (status == nullptr || record == nullptr) return 0;
  return Guarded<std::uint8_t>(0, [&] {
    if (!Sized(record, size)) return Answer(status, code::kInvalidServiceGuideCall);
    std::memset(record + out.offset, 0, out.width);
    return Answer(status, body());
  });
}

}  // namespace
}  // namespace lanebook

using namespace lanebook;

LANEBOOK_EXPORT std::uint8_t Lanebook_Initialize(char* statusArea, char* record) {
  if (statusArea == nullptr || record == nullptr) return 0;
  return Guarded<std::uint8_t>(0, [&] {
    return Answer(statusArea,
                  OpenForThread(FolderIn(record + ef::kInitialiseFolder.offset, ef::kInitialiseFolder.width)));
  });
}

LANEBOOK_EXPORT std::uint8_t Lanebook_Terminate() {
  if (ThreadGuide* thread = CurrentThread()) thread->data.reset();
  return 1;
}

LANEBOOK_EXPORT std::uint8_t Lanebook_GetServGuideData(char* control, char* data) {
  if (control == nullptr || data == nullptr) return 0;
  return Guarded<std::uint8_t>(0, [&] {
    std::memset(data + ef::data::kAnswer.offset, 0, ef::data::kAnswer.width);
    if (std::string_view(control + ef::control::kRequestCode.offset, ef::control::kRequestCode.width) != "UNQ")
      return Answer(control, code::kInvalidServiceGuideCall);
    const std::variant<const GuideData*, int> guide = ThreadData();
    if (const int* refused = std::get_if<int>(&guide)) return Answer(control, *refused);
    const std::optional<CarrierMode> mode = ModeOf(control[ef::control::kMode.offset]);
    if (!mode) return Answer(control, code::kGuideInvalidCarrierType);
    const std::variant<LaneService, int> service =
        AskLaneService(*std::get<const GuideData*>(guide),
                       std::string_view(control + ef::control::kCarrier.offset, ef::control::kCarrier.width), *mode,
                       std::string_view(data + ef::data::kOrigin.offset, ef::data::kOrigin.width),
                       std::string_view(data + ef::data::kDestination.offset, ef::data::kDestination.width));
    if (const int* refused = std::get_if<int>(&service)) return Answer(control, *refused);
    const LaneService& s = std::get<LaneService>(service);
    data[ef::data::kOriginLetter.offset] = s.originLetter;
    data[ef::data::kDestinationLetter.offset] = s.destinationLetter;
    platform::FormatZeroPadded(std::span<char>(data + ef::data::kDays.offset, ef::data::kDays.width), s.days);
    return Answer(control, code::kServiceGuideDone);
  });
}

LANEBOOK_EXPORT std::uint8_t Lanebook_GetCarrierTypes(char* status, char* record) {
  return ListCall(status, record, ef::carrier_types::kEntriesAt, [&](std::span<char> r) -> int {
    const std::variant<const GuideData*, int> guide = ThreadData();
    if (const int* refused = std::get_if<int>(&guide)) return *refused;
    std::vector<std::string_view> types;
    for (std::string_view type : {"LTL", "TL"})
      for (const Carrier& c : std::get<const GuideData*>(guide)->carriers)
        if (c.type == type) {
          types.push_back(TypeField(c.type));
          break;
        }
    WriteList(r, ef::carrier_types::kEntriesAt, ef::carrier_types::kEntrySize, types.size(),
              [&](std::size_t i, std::span<char> entry) {
                Put(entry, {0, 3}, types[i]);
              });
    return code::kServiceGuideDone;
  });
}

LANEBOOK_EXPORT std::uint8_t Lanebook_GetCarriers(char* status, char* record) {
  namespace c = ef::carriers;
  return ListCall(status, record, c::kEntriesAt, [&](std::span<char> r) -> int {
    const std::variant<const GuideData*, int> guide = ThreadData();
    if (const int* refused = std::get_if<int>(&guide)) return *refused;
    const std::string wanted = TrimmedCode(std::string_view(r.data() + c::kTypeWanted.offset, c::kTypeWanted.width));
    if (!wanted.empty() && wanted != "LTL" && wanted != "TL") return code::kGuideInvalidCarrierType;
    std::vector<const Carrier*> listed;
    for (const Carrier& carrier : std::get<const GuideData*>(guide)->carriers)
      if (wanted.empty() || carrier.type == wanted) listed.push_back(&carrier);
    WriteList(r, c::kEntriesAt, c::kEntrySize, listed.size(), [&](std::size_t i, std::span<char> entry) {
      Put(entry, c::kCode, listed[i]->code);
      Put(entry, c::kType, TypeField(listed[i]->type));
      Put(entry, c::kName, listed[i]->name);
    });
    return code::kServiceGuideDone;
  });
}

LANEBOOK_EXPORT std::uint8_t Lanebook_GetTerminals(char* status, char* record) {
  namespace t = ef::terminals;
  return ListCall(status, record, t::kEntriesAt, [&](std::span<char> r) -> int {
    const std::variant<const GuideData*, int> guide = ThreadData();
    if (const int* refused = std::get_if<int>(&guide)) return *refused;
    const GuideData& data = *std::get<const GuideData*>(guide);
    const std::string carrier = TrimmedCode(std::string_view(r.data() + t::kCarrier.offset, t::kCarrier.width));
    if (data.carrier(carrier) == nullptr) return code::kGuideInvalidScacCarrierType;
    const std::vector<const Terminal*> listed = data.terminalsOf(carrier);
    WriteList(r, t::kEntriesAt, t::kEntrySize, listed.size(), [&](std::size_t i, std::span<char> entry) {
      Put(entry, t::kCode, listed[i]->code);
      std::memcpy(entry.data() + t::kDetails.offset, listed[i]->details.data(), t::kDetails.width);
    });
    return code::kServiceGuideDone;
  });
}

LANEBOOK_EXPORT std::uint8_t Lanebook_GetTermToTermDays(char* status, char* record) {
  namespace d = ef::term_to_term;
  return FixedCall(status, record, d::kSize, d::kDays, [&]() -> int {
    const std::variant<const GuideData*, int> guide = ThreadData();
    if (const int* refused = std::get_if<int>(&guide)) return *refused;
    const GuideData& data = *std::get<const GuideData*>(guide);
    auto field = [&](platform::FieldSpan f) { return TrimmedCode(std::string_view(record + f.offset, f.width)); };
    const std::string carrier = field(d::kCarrier);
    if (data.carrier(carrier) == nullptr) return code::kGuideInvalidScacCarrierType;
    const std::optional<int> days =
        data.daysBetween(carrier, field(d::kOriginTerminal), field(d::kDestinationTerminal));
    if (!days) return code::kGuideNoTerminalToTerminal;
    platform::FormatZeroPadded(std::span<char>(record + d::kDays.offset, d::kDays.width), *days);
    return code::kServiceGuideDone;
  });
}

LANEBOOK_EXPORT std::uint8_t Lanebook_SetCarrierDataPath(char* status, char* record) {
  namespace p = ef::data_path;
  return FixedCall(status, record, p::kSize, {p::kSize, 0},
                   [&] { return OpenForThread(FolderIn(record + p::kFolder.offset, p::kFolder.width)); });
}
