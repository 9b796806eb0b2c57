// The program's start-up: from the start to the ready rating screen (then
// closed with Cancel), headless, on one level without a splash: on a data
// set with the stand-in Ratekit32, and on the sample data set with the
// real libraries.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "qiv_data_set.h"
#include "shell/qiv_program.h"

namespace {

void RunToReadyScreen(benchmark::State& state, qiv::testing::QivDataSet& data) {
  for (auto _ : state) {
    qiv::testing::QivRun run(data, true);
    run.driver.cancelScreen();
    if (run.run() != 0) {
      state.SkipWithError(("the program did not start: " + run.diagnostics.str()).c_str());
      return;
    }
  }
}

void StartupOnATestDataSet(benchmark::State& state) {
  qiv::testing::QivDataSet data;
  data.standIn = "effective TSTFRT01 20240101\n";
  RunToReadyScreen(state, data);
}
BENCHMARK(StartupOnATestDataSet)->Unit(benchmark::kMillisecond);

void StartupOnTheSampleDataSet(benchmark::State& state) {
  for (auto _ : state) {
    const std::filesystem::path work = std::filesystem::temp_directory_path() / "qiv_startup_bench";
    std::filesystem::create_directories(work);
    qiv::testing::ScreenDriver driver(true);
    driver.cancelScreen();
    std::ostringstream diagnostics;
    qiv::QivEnvironment environment;
    environment.programPath = std::string(QIV_RELEASE_DIR) + "/qiv";
    environment.diagnostics = &diagnostics;
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(work);
    const int code = qiv::RunQiv(environment);
    std::filesystem::current_path(before);
    if (code != 0 || !driver.boxes().empty()) {
      state.SkipWithError("the program did not start on the sample data set");
      return;
    }
  }
}
BENCHMARK(StartupOnTheSampleDataSet)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
