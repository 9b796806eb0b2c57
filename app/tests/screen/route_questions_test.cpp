// The route's questions with the stand-in Ratekit32: two points in one
// state with the intrastate prompt ask question 155; No keeps interstate
// rates. A tariff whose name begins "TQVM" rates without base points.
#include <gtest/gtest.h>

#include <algorithm>

#include "dialogs/qiv_dialog.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/input.h"
#include "platform/ui/window.h"
#include "qiv_data_set.h"
#include "screen/screen_ids.h"
#include "screen_probe.h"
#include "shell/qiv_session.h"

namespace qiv {
namespace {

using namespace platform::ui;

TEST(RouteQuestions, OneStateAsksForIntrastateRatesAndATqvmTariffNeedsNoBasePoints) {
  struct Case {
    bool yes;
    const char* notice;
    char answer;
  };
  for (const Case& c : {Case{false, "Not Using Interstate Rates", 'N'}, Case{true, "Using Intrastate Rates", 'Y'}}) {
    SCOPED_TRACE(c.notice);
    testing::QivDataSet data;
    data.standIn = "effective TQVM0001 20240101\n";
    data.write("TESTBASE.TBL", std::string("TITLE", 5) + std::string(11, '\0'));
    testing::QivRun run(data);
    run.driver.answerQuestions({c.yes});
    testing::StandInCalls().clear();
    run.driver.onScreen([](WindowHandle screen) {
      QivDialog::SessionOf(screen)->context->setInt(ratekit::context::kIntrastateQuestionInUse, 1);
      SetFocus(DialogItem(screen, screen_id::OriginField));
      InjectText("10001\t10002\t");
    });
    run.driver.onScreen([&](WindowHandle screen) {
      const RatingContext& context = *QivDialog::SessionOf(screen)->context;
      EXPECT_TRUE(testing::IsShown(screen, screen_id::IntrastateNotice));
      EXPECT_EQ(DialogItemText(screen, screen_id::IntrastateNotice), c.notice);
      EXPECT_EQ(context.charAt(ratekit::context::kIntrastate), c.answer);
      EXPECT_EQ(context.lastErrorCode(), 155);
      for (int id : {screen_id::OriginBaseDescription, screen_id::OriginBasePoint,
                     screen_id::DestinationBaseDescription, screen_id::DestinationBasePoint})
        EXPECT_EQ(DialogItemText(screen, id), "") << id;
      EXPECT_EQ(WindowId(GetFocus()), screen_id::ClassField);
    });
    run.driver.cancelScreen();
    EXPECT_EQ(run.run(), 0) << run.diagnostics.str();
    ASSERT_EQ(run.driver.boxes().size(), 1u);
    EXPECT_TRUE(run.driver.boxes()[0].question);
    const auto& calls = testing::StandInCalls();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "RateShipment"), 1);
  }
}

}  // namespace
}  // namespace qiv
