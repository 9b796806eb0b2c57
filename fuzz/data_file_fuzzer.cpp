// Fuzzes the reading of the data files: the first input byte picks one file
// of the fuzz data set (by its place in the sorted list of names), the rest
// of the input replaces that file's contents in a private copy of the set.
// The engine is then initialised on the copy, answers its tables and rates
// one sample shipment of each tariff, and is ended again; and the
// rating-function library opens the sample levels on the copy (the main
// level with the engine's road, the engine-less level with the other) and
// uses their tables and profiles.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fuzz_inputs.h"
#include "level_startup.h"
#include "platform/testing/temp_directory.h"
#include "vorn32/vorn32.h"

namespace {

namespace fs = std::filesystem;

std::string ReadWholeFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteWholeFile(const fs::path& path, const char* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(data, static_cast<std::streamsize>(size));
}

// The private copy of the data set; only the file an input replaced differs
// from the original, and it is put back before another file is replaced.
struct DataCopy {
  platform::testing::TempDirectory dir;
  platform::testing::TempDirectory startup;  // the library's start-up directory
  std::vector<std::string> names;
  std::vector<std::string> originals;
  std::vector<std::string> requests;
  std::size_t replaced = 0;
  bool anyReplaced = false;

  DataCopy() {
    const fs::path source = vorn::fuzz::FuzzDataDirectory();
    names = vorn::fuzz::FileNames(source);
    for (const std::string& name : names) {
      originals.push_back(ReadWholeFile(source / name));
      WriteWholeFile(dir / name, originals.back().data(), originals.back().size());
    }
    // The first sample shipment of each tariff (bytes 11 to 18 name it).
    for (const std::string& request : vorn::fuzz::SampleRequests()) {
      const auto sameTariff = [&](const std::string& r) { return r.compare(11, 8, request, 11, 8) == 0; };
      if (std::none_of(requests.begin(), requests.end(), sameTariff)) requests.push_back(request);
    }
  }

  void replace(std::size_t index, const char* data, std::size_t size) {
    if (anyReplaced && replaced != index)
      WriteWholeFile(dir / names[replaced], originals[replaced].data(), originals[replaced].size());
    WriteWholeFile(dir / names[index], data, size);
    replaced = index;
    anyReplaced = true;
  }
};

DataCopy* copy = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  copy = new DataCopy;
  if (copy->names.empty()) {
    std::fprintf(stderr, "no data files in %s\n", vorn::fuzz::FuzzDataDirectory().c_str());
    std::exit(1);
  }
  std::atexit([] { delete copy; });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  copy->replace(data[0] % copy->names.size(), reinterpret_cast<const char*>(data + 1), size - 1);
  if (Vorn_InitializeVorn(copy->dir.withSeparator().c_str()) != 0) return 0;
  char tables[VORN_TARIFF_TABLES_SIZE];
  Vorn_GetTables(tables);
  char state[3] = {};
  Vorn_GetState(state, "10001");
  Vorn_GetState(state, "K1A0B1");
  char entry[VORN_EFFECTIVE_ENTRY_SIZE];
  for (int i = 0, n = Vorn_GetEffectiveTableSize(); i < n; ++i) Vorn_GetEffectiveTable(entry, i);
  for (const std::string& request : copy->requests) vorn::fuzz::RateWithCandidates(request);
  Vorn_EndVorn();
  ratekit::fuzz::OpenAndUseLevel(copy->dir.path(), copy->startup.path(), "SAMPLE01", true);
  ratekit::fuzz::OpenAndUseLevel(copy->dir.path(), copy->startup.path(), "SAMPLE03", false);
  return 0;
}
