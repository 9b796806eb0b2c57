// Fuzzes the rating exports with arbitrary request records over the sample
// data set: the engine is initialised once, then every input is rated as a
// 2160-byte record, with and without a city-candidates buffer.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz_inputs.h"
#include "vorn32/vorn32.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const std::string dataPath = vorn::fuzz::FuzzDataDirectory().string() + "/";
  if (const int result = Vorn_InitializeVorn(dataPath.c_str()); result != 0) {
    std::fprintf(stderr, "the engine does not initialise on %s: %d\n", dataPath.c_str(), result);
    std::exit(1);
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string record = vorn::fuzz::RecordFromInput(data, size);
  vorn::fuzz::RateWithCandidates(record);
  vorn::fuzz::RateWithoutCandidates(record);
  return 0;
}
