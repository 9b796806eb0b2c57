// Ratings per second: a fixed mix of the sample shipments rated against the
// sample data set through the engine library loaded by name, on 1 and 8
// threads, with UseCriticalSection 1 (ratings take turns) and 0 (threads
// rate at the same time). Each thread has its own engine and walks the mix
// from its own starting point, so no two consecutive ratings of a thread
// share a request. Every answer is compared with the answer of a
// single-threaded rating of the same shipment; a difference ends the run
// with an error.
//   build/bench/rating_throughput_bench [--benchmark_... options]
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "engine_binding.h"
#include "platform/testing/temp_directory.h"
#include "sample_shipment.h"

namespace {

using rate_tool::RatingEngineLibrary;
using rate_tool::ShipmentBytes;

struct Mix {
  std::vector<std::string> names;
  std::vector<ShipmentBytes> requests;
  std::vector<ShipmentBytes> answers;  // the single-threaded answers
};

Mix LoadMix() {
  Mix mix;
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(QIV_SAMPLE_SHIPMENTS))
    if (entry.path().extension() == ".shipment") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  for (const auto& file : files) {
    mix.names.push_back(file.filename().string());
    mix.requests.push_back(rate_tool::LoadSampleShipment(file.string()));
  }
  return mix;
}

// A private copy of the engine library with its settings file beside it.
class EngineCopy {
 public:
  explicit EngineCopy(int useCriticalSection) {
    std::filesystem::copy_file(VORN32_LIBRARY, dir_ / "VORN32.so");
    dir_.write("kqDll.ini", "[Options]\r\nUseCriticalSection=" + std::to_string(useCriticalSection) + "\r\n");
    library_ = std::make_unique<RatingEngineLibrary>(dir_.withSeparator());
  }
  const RatingEngineLibrary& library() const { return *library_; }

 private:
  platform::testing::TempDirectory dir_;
  std::unique_ptr<RatingEngineLibrary> library_;
};

// Rates every shipment of the mix once on this thread.
std::vector<ShipmentBytes> RateOnce(const RatingEngineLibrary& library, const Mix& mix) {
  const VornHandle handle = library.start(QIV_DATA_DIR);
  std::vector<ShipmentBytes> answers;
  for (ShipmentBytes record : mix.requests) {
    library.rate(handle, record);
    answers.push_back(record);
  }
  library.end(handle);
  return answers;
}

void RateTheMix(benchmark::State& state, const RatingEngineLibrary& library, const Mix& mix) {
  const VornHandle handle = library.start(QIV_DATA_DIR);
  std::size_t next = static_cast<std::size_t>(state.thread_index()) % mix.requests.size();
  bool same = true;
  for (auto _ : state) {
    ShipmentBytes record = mix.requests[next];
    library.rate(handle, record);
    same = same && std::memcmp(record.data(), mix.answers[next].data(), record.size()) == 0;
    benchmark::DoNotOptimize(record);
    next = next + 1 == mix.requests.size() ? 0 : next + 1;
  }
  library.end(handle);
  if (!same) state.SkipWithError("an answer differs from the single-threaded answer");
  state.counters["ratings_per_second"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  static Mix mix = LoadMix();
  static const EngineCopy serialised(1), concurrent(0);
  mix.answers = RateOnce(serialised.library(), mix);
  for (std::size_t i = 0; i < mix.answers.size(); ++i) {
    if (std::string_view(mix.answers[i].data() + 3, 4) != "    ") {
      std::cerr << mix.names[i] << " is not rated: " << std::string_view(mix.answers[i].data() + 3, 4) << '\n';
      return 1;
    }
  }
  if (RateOnce(concurrent.library(), mix) != mix.answers) {
    std::cerr << "the two engine copies answer differently\n";
    return 1;
  }
  benchmark::RegisterBenchmark("Rating/UseCriticalSection:1",
                               [](benchmark::State& s) { RateTheMix(s, serialised.library(), mix); })
      ->Threads(1)
      ->Threads(8)
      ->UseRealTime();
  benchmark::RegisterBenchmark("Rating/UseCriticalSection:0",
                               [](benchmark::State& s) { RateTheMix(s, concurrent.library(), mix); })
      ->Threads(1)
      ->Threads(8)
      ->UseRealTime();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
