// The rating screen's work when the destination field is left with Tab on
// a shipment of two lines: the route checked, the base points found, the
// shipment rated, the results set and the screen repainted. Headless, on a
// copy of the sample data set with the real libraries.
#include <benchmark/benchmark.h>

#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/input.h"
#include "platform/ui/keys.h"
#include "platform/ui/messages.h"
#include "platform/ui/paint.h"
#include "platform/ui/window.h"
#include "sample_copy.h"
#include "screen/screen_ids.h"
#include "screen_probe.h"

namespace {

using namespace platform::ui;

void LeavingTheDestinationRatesAndRepaints(benchmark::State& state) {
  qiv::testing::SampleCopy sample;
  qiv::testing::ScreenDriver driver(true);
  driver.chooseLevels();
  driver.onScreen([](WindowHandle screen) {
    // The "Default" profile: no discounts, the rating tool's total.
    qiv::testing::ChooseProfile(screen, "Default");
    SetFocus(DialogItem(screen, qiv::screen_id::OriginField));
    InjectText("10001\t60601\t85\t1200\t125\t350\t");
  });
  bool rated = true;
  driver.onScreen([&](WindowHandle screen) {
    const WindowHandle destination = DialogItem(screen, qiv::screen_id::DestinationField);
    for (auto _ : state) {
      SetFocus(destination);
      SendMessage(destination, msg::KeyDown, key::Tab);
      UpdateWindow(screen);
      rated = rated && DialogItemText(screen, qiv::screen_id::TotalChargesValue) == "$748.81";
    }
  });
  driver.cancelScreen();
  if (sample.run(driver) != 0 || !rated || !driver.boxes().empty())
    state.SkipWithError("the shipment was not rated on the sample data set");
}
BENCHMARK(LeavingTheDestinationRatesAndRepaints)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
