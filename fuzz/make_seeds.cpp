// Writes the fuzzers' seed corpora: the seed requests as 2160-byte records
// for the record fuzzer, and for the data-file fuzzer each file of the data
// set behind the byte that picks it, as it stands and cut to half its length
// (a whole file alone rates as the unchanged set does, so the cut one gives
// the fuzzer a start of its own in each file).
//   fuzz_make_seeds <record seed dir> <data-file seed dir>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fuzz_inputs.h"

namespace fs = std::filesystem;

namespace {

void Write(const fs::path& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: fuzz_make_seeds <record seed dir> <data-file seed dir>\n");
    return 2;
  }
  const fs::path records = argv[1];
  const fs::path dataFiles = argv[2];
  fs::create_directories(records);
  fs::create_directories(dataFiles);

  const std::vector<std::string> requests = vorn::fuzz::SeedRequests();
  for (std::size_t i = 0; i < requests.size(); ++i) Write(records / ("request-" + std::to_string(i)), requests[i]);

  const fs::path source = vorn::fuzz::FuzzDataDirectory();
  const std::vector<std::string> names = vorn::fuzz::FileNames(source);
  for (std::size_t i = 0; i < names.size(); ++i) {
    std::ifstream in(source / names[i], std::ios::binary);
    const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string pick(1, static_cast<char>(i));
    Write(dataFiles / names[i], pick + content);
    Write(dataFiles / (names[i] + ".half"), pick + content.substr(0, content.size() / 2));
  }
  return 0;
}
