// Rates the sample shipments a given number of rounds on one thread through
// the engine library loaded by name, for counting what a rating asks of the
// kernel: bench/count-syscalls.sh runs it under strace with 0 rounds and with
// many, and divides the difference by the ratings made.
//   build/bench/rating_syscalls ROUNDS
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "engine_binding.h"
#include "sample_shipment.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: rating_syscalls ROUNDS\n";
    return 2;
  }
  const long rounds = std::strtol(argv[1], nullptr, 10);
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(QIV_SAMPLE_SHIPMENTS))
    if (entry.path().extension() == ".shipment") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  std::vector<rate_tool::ShipmentBytes> requests;
  for (const auto& file : files) requests.push_back(rate_tool::LoadSampleShipment(file.string()));

  const rate_tool::RatingEngineLibrary library(
      rate_tool::WithSeparator(std::filesystem::path(VORN32_LIBRARY).parent_path()));
  const VornHandle handle = library.start(QIV_DATA_DIR);
  long refused = 0;
  for (long round = 0; round < rounds; ++round) {
    for (rate_tool::ShipmentBytes record : requests) {
      library.rate(handle, record);
      if (std::string_view(record.data() + 3, 4) != "    ") ++refused;
    }
  }
  library.end(handle);
  std::cout << rounds * static_cast<long>(requests.size()) << " ratings, " << refused << " refused\n";
  return refused == 0 ? 0 : 1;
}
