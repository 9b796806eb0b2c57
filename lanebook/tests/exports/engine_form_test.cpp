// Lanebook32 loaded by name as the engine loads it: each thread's data from
// its initialisation, the service of a lane in the engine's two records,
// the lists and days of the other calls, and nothing written outside a
// record or for null pointers.
#include "lanebook/engine_form.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <thread>

#include "platform/kernel/module_loader.h"
#include "support/guide_folder.h"

namespace lanebook {
namespace {

namespace ef = engine_form;
using testing::GuideFolder;

struct EngineForm {
  ef::GetCarrierTypesFunction getCarrierTypes;
  ef::GetServGuideDataFunction getServGuideData;
  ef::GetTerminalsFunction getTerminals;
  ef::GetTermToTermDaysFunction getTermToTermDays;
  ef::GetCarriersFunction getCarriers;
  ef::InitializeFunction initialize;
  ef::TerminateFunction terminate;
  ef::SetCarrierDataPathFunction setCarrierDataPath;
};

// A copy of the library in the folder of the test guide (so that a blank
// folder names it), bound by name.
class Library {
 public:
  Library() {
    std::filesystem::copy_file(LANEBOOK32_LIBRARY, guide_ / "Lanebook32.so");
    module_ = platform::Module::Load((guide_ / "Lanebook32.dll").string());
    f_ = {module_.function<ef::GetCarrierTypesFunction>("Lanebook_GetCarrierTypes"),
          module_.function<ef::GetServGuideDataFunction>("Lanebook_GetServGuideData"),
          module_.function<ef::GetTerminalsFunction>("Lanebook_GetTerminals"),
          module_.function<ef::GetTermToTermDaysFunction>("Lanebook_GetTermToTermDays"),
          module_.function<ef::GetCarriersFunction>("Lanebook_GetCarriers"),
          module_.function<ef::InitializeFunction>("Lanebook_Initialize"),
          module_.function<ef::TerminateFunction>("Lanebook_Terminate"),
          module_.function<ef::SetCarrierDataPathFunction>("Lanebook_SetCarrierDataPath")};
    EXPECT_NE(f_.setCarrierDataPath, nullptr);
  }
  const EngineForm* operator->() const { return &f_; }
  const GuideFolder& guide() const { return guide_; }

  // Lanebook_Initialize on folder (blank: the library's own); the status.
  std::string initialise(std::string_view folder = {}) const {
    char status[ef::kStatusAreaSize] = {};
    char record[ef::kInitialiseRecordSize] = {};
    folder.copy(record + ef::kInitialiseFolder.offset, ef::kInitialiseFolder.width);
    const bool done = f_.initialize(status, record) != 0;
    EXPECT_EQ(done, std::string_view(status, 4) == "1001");
    return std::string(status, 4);
  }

 private:
  GuideFolder guide_;
  platform::Module module_;
  EngineForm f_{};
};

struct Lane {
  std::string control;  // 12 bytes
  std::string data;     // 80 bytes: the codes, the rest 'x' to see what is written
  std::string status() const { return control.substr(0, 4); }
  std::string answer() const { return data.substr(72, 5); }
};

Lane Ask(const Library& lib, std::string_view control, std::string_view origin, std::string_view destination) {
  Lane lane{std::string(control), std::string(80, 'x')};
  lane.data.replace(0, 6, std::string(origin) + std::string(6 - origin.size(), ' '));
  lane.data.replace(6, 6, std::string(destination) + std::string(6 - destination.size(), ' '));
  lib->getServGuideData(lane.control.data(), lane.data.data());
  return lane;
}

TEST(EngineForm, ServiceOfALaneInTheEnginesRecords) {
  Library lib;
  EXPECT_EQ(lib.initialise(), "1001");
  // (The lookups themselves are the data's: guide_file_test.cpp.)
  const struct {
    std::string_view control, origin, destination, status, answer;
  } cases[] = {
      {"    UNQAAA A", "10001", "60601", "1001",
       std::string_view("DD\0"
                        "02",
                        5)},
      {"    UNQAAA L", "12345", "K1A0B1", "1001",
       std::string_view("II\0"
                        "03",
                        5)},
      {"    XYZAAA A", "10001", "60601", "0702", std::string_view("\0\0\0\0\0", 5)},
      {"    UNQAAA Q", "10001", "60601", "1015", std::string_view("\0\0\0\0\0", 5)},
      {"    UNQAAA A", "10001", "75201", "1105", std::string_view("\0\0\0\0\0", 5)},
  };
  for (const auto& c : cases) {
    const Lane lane = Ask(lib, c.control, c.origin, c.destination);
    EXPECT_EQ(lane.status(), c.status) << c.control << " " << c.origin;
    EXPECT_EQ(lane.answer(), c.answer) << c.control << " " << c.origin;
    // Exactly four status digits: the request code behind them stands.
    EXPECT_EQ(lane.control.substr(4), std::string(c.control.substr(4))) << c.control;
    EXPECT_EQ(lane.data.substr(12, 60) + lane.data.substr(77), std::string(63, 'x')) << c.control;
  }
}

TEST(EngineForm, EachThreadAnswersFromItsOwnInitialisation) {
  Library lib;
  EXPECT_EQ(Ask(lib, "    UNQAAA A", "10001", "60601").status(), "1010");
  EXPECT_EQ(lib.initialise(lib.guide().path().string() + "/missing"), "1045");
  EXPECT_EQ(lib.initialise(lib.guide().withSeparator()), "1001");
  std::string otherThread;
  std::thread([&] { otherThread = Ask(lib, "    UNQAAA A", "10001", "60601").status(); }).join();
  EXPECT_EQ(otherThread, "1010");
  EXPECT_EQ(Ask(lib, "    UNQAAA A", "10001", "60601").status(), "1001");

  // A data-path switch to a folder without data keeps the thread's data;
  // one to another guide changes it.
  std::string record(ef::data_path::kSize, '\0');
  record[0] = static_cast<char>(ef::data_path::kSize & 0xFF);
  record[1] = static_cast<char>(ef::data_path::kSize >> 8);
  record.replace(ef::data_path::kFolder.offset, 4, "/nul");
  char status[4];
  EXPECT_EQ(lib->setCarrierDataPath(status, record.data()), 0);
  EXPECT_EQ(std::string_view(status, 4), "1045");
  EXPECT_EQ(Ask(lib, "    UNQAAA A", "10001", "60601").status(), "1001");
  const GuideFolder other(R"(
service-guide
  header
  carrier code=OTH
  terminal carrier=OTH code=T01
  range carrier=OTH terminal=T01
  days carrier=OTH
)");
  record.replace(ef::data_path::kFolder.offset, other.path().string().size(), other.path().string());
  EXPECT_EQ(lib->setCarrierDataPath(status, record.data()), 1);
  EXPECT_EQ(Ask(lib, "    UNQAAA A", "10001", "60601").status(), "1013");
  EXPECT_EQ(Ask(lib, "    UNQOTH A", "10001", "60601").status(), "1001");

  EXPECT_EQ(lib->terminate(), 1);
  EXPECT_EQ(Ask(lib, "    UNQOTH A", "10001", "60601").status(), "1010");
}

// A list record of capacity bytes, followed by guard bytes the call must
// not touch.
struct ListRecord {
  std::string bytes;
  std::size_t capacity;
  ListRecord(std::size_t capacity, std::string_view in, std::size_t inAt)
      : bytes(capacity + 16, '#'), capacity(capacity) {
    std::memset(bytes.data(), 'x', capacity);
    bytes[0] = static_cast<char>(capacity & 0xFF);
    bytes[1] = static_cast<char>(capacity >> 8);
    bytes[2] = bytes[3] = 0;
    bytes.replace(inAt, in.size(), in);
  }
  std::int32_t count(std::size_t at) const {
    return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
  }
  std::string entry(std::size_t entriesAt, std::size_t size, std::size_t i) const {
    return bytes.substr(entriesAt + i * size, size);
  }
  bool guardIntact() const { return bytes.substr(capacity) == std::string(16, '#'); }
};

TEST(EngineForm, ListsAsManyAsTheCallersCapacityHolds) {
  Library lib;
  ASSERT_EQ(lib.initialise(), "1001");
  namespace c = ef::carriers;
  namespace t = ef::terminals;
  const struct {
    ef::GetCarriersFunction call;
    std::size_t capacity;
    std::string_view in;
    std::size_t inAt, entriesAt, entrySize;
    std::string_view status;
    int written, total;
    std::string_view first;  // the first entry's start
  } cases[] = {
      {lib->getCarriers, c::kEntriesAt + c::kEntrySize, "   ", 12, c::kEntriesAt, c::kEntrySize, "1001", 1, 2,
       "AAA  LTLAAA LINES  "},
      {lib->getCarriers, c::kEntriesAt + 3 * c::kEntrySize, "TL ", 12, c::kEntriesAt, c::kEntrySize, "1001", 1, 1,
       "TLX  TL TL EXPRESS"},
      {lib->getCarriers, c::kEntriesAt + c::kEntrySize, "XX ", 12, c::kEntriesAt, c::kEntrySize, "1015", 0, 0, ""},
      {lib->getCarriers, 11, "", 12, 12, 1, "0702", -1, -1, ""},
      {lib->getTerminals, t::kEntriesAt + 2 * t::kEntrySize + 5, "AAA  ", 12, t::kEntriesAt, t::kEntrySize, "1001", 2,
       3, "CHICHICAGO TERMINAL"},
      {lib->getTerminals, t::kEntriesAt, "ZZZ  ", 12, t::kEntriesAt, t::kEntrySize, "1013", 0, 0, ""},
      {lib->getCarrierTypes, 12 + 2 * 3, "", 12, 12, 3, "1001", 2, 2, "LTL"},
  };
  for (const auto& k : cases) {
    ListRecord record(k.capacity, k.in, k.inAt);
    const std::string before = record.bytes;
    char status[5] = "????";
    EXPECT_EQ(k.call(status, record.bytes.data()), k.status == "1001" ? 1 : 0) << k.in;
    EXPECT_EQ(std::string_view(status, 4), k.status) << k.in;
    EXPECT_TRUE(record.guardIntact()) << k.in;
    if (k.written < 0) {
      EXPECT_EQ(record.bytes, before);  // refused: the record stands
      continue;
    }
    EXPECT_EQ(record.count(4), k.written) << k.in;
    EXPECT_EQ(record.count(8), k.total) << k.in;
    if (k.written > 0) {
      EXPECT_TRUE(record.entry(k.entriesAt, k.entrySize, 0).starts_with(k.first)) << k.in;
    }
    // Beyond the entries written, the record is cleared.
    const std::size_t used = k.entriesAt + static_cast<std::size_t>(k.written) * k.entrySize;
    EXPECT_EQ(record.bytes.substr(used, k.capacity - used), std::string(k.capacity - used, '\0')) << k.in;
  }
  // The terminal's details follow its code as the guide holds them.
  ListRecord terminals(t::kEntriesAt + 3 * t::kEntrySize, "AAA  ", 12);
  char status[4];
  lib->getTerminals(status, terminals.bytes.data());
  const std::string nyc = terminals.entry(t::kEntriesAt, t::kEntrySize, 1);
  EXPECT_EQ(nyc.substr(0, 3 + 17), "NYCNEW YORK TERMINAL");
  EXPECT_EQ(nyc.substr(3 + 204, 13), "2125550100   ");

  // Days between two terminals: NYC to CHI from the days of CHI to NYC.
  for (const auto& [in, expected] : {std::pair<std::string_view, std::string_view>{"AAA  NYCCHI", "100102"},
                                     {"AAA  CHITOR", std::string_view("1101\0\0", 6)}}) {
    ListRecord days(ef::term_to_term::kSize, in, 4);
    lib->getTermToTermDays(status, days.bytes.data());
    EXPECT_EQ(std::string(status, 4) + days.bytes.substr(15, 2), expected) << in;
    EXPECT_TRUE(days.guardIntact());
  }
}

TEST(EngineForm, NullPointersAnswerFalseAndWriteNothing) {
  Library lib;
  char status[ef::kStatusAreaSize] = "????";
  char record[ef::kInitialiseRecordSize] = {};
  EXPECT_EQ(lib->initialize(nullptr, record), 0);
  EXPECT_EQ(lib->initialize(status, nullptr), 0);
  for (auto f : {lib->getCarrierTypes, lib->getServGuideData, lib->getTerminals, lib->getTermToTermDays,
                 lib->getCarriers, lib->setCarrierDataPath}) {
    EXPECT_EQ(f(nullptr, record), 0);
    EXPECT_EQ(f(status, nullptr), 0);
  }
  EXPECT_EQ(std::string_view(status, 4), "????");
  EXPECT_EQ(lib->terminate(), 1);  // a thread never initialised ends quietly
}

}  // namespace
}  // namespace lanebook
