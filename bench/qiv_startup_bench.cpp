// The program's start-up: from the start to the ready rating screen (then
// closed with Cancel), headless, on one level without a splash: on a data
// set with the stand-in Ratekit32, and on a copy of the sample data set
// (its splash left out) with the real libraries.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "platform/testing/temp_directory.h"
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
  // A copy of the sample set without its splash, with a current directory.
  platform::testing::TempDirectory root;
  std::filesystem::copy(QIV_DATA_DIR, root / "ZQDATA", std::filesystem::copy_options::recursive);
  std::filesystem::remove(root / "ZQDATA" / "Splash.bmp");
  std::filesystem::create_directories(root / "RELEASE");
  std::filesystem::create_directories(root / "WORK");
  for (auto _ : state) {
    qiv::testing::ScreenDriver driver(true);
    driver.cancelScreen();
    qiv::QivEnvironment environment;
    environment.programPath = (root / "RELEASE" / "qiv").string();
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(root / "WORK");
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
