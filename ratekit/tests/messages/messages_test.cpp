// Ratekit32's error texts and message boxes.
#include <gtest/gtest.h>

#include <string>

#include "messages/error_text.h"
#include "messages/message_boxes.h"
#include "ratekit/ratekit32.h"
#include "support/test_context.h"

namespace ratekit {
namespace {

using testing::BoxRecorder;

TEST(ErrorText, HasItsOwnTextsAndADefault) {
  EXPECT_EQ(ErrorTextCount(), 113u);
  const struct {
    std::int32_t number;
    std::string_view text;
  } cases[] = {
      {101, "Invalid Origin ZIP Code."},
      {117, "Failed to create printer device fonts.\nPrint not performed."},
      {118, "Discount Cannot Exceed 99.99"},
      {140, "Error reading EFCREC.TBL"},
      {534, "Error reading MCA file."},
      {133, "Error occurred."},  // stored, but without a text of its own
      {-1, "Error occurred."},
      {0, "Error occurred."},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorText(c.number), c.text) << c.number;
}

TEST(MessageBoxes, ShowTheTextOrTheNumbersTextThroughTheProgram) {
  BoxRecorder boxes(RATEKIT_ANSWER_NO);
  int owner = 0;
  const std::string long180(180, 'x');
  EXPECT_EQ(warning("", "Caption", 106, &owner), RATEKIT_ANSWER_NO);
  EXPECT_EQ(warning(nullptr, nullptr, 118, nullptr), RATEKIT_ANSWER_NO);
  EXPECT_EQ(warning("100%s%d%n", "C", 106, nullptr), RATEKIT_ANSWER_NO);  // never a format
  EXPECT_EQ(question(long180.c_str(), "Q", 0, &owner), 0);                // No
  fatal("", "FATAL", 175);
  ASSERT_EQ(boxes.boxes().size(), 5u);
  EXPECT_EQ(boxes.boxes()[0].kind, RATEKIT_BOX_WARNING);
  EXPECT_EQ(boxes.boxes()[0].text, "Invalid Weight.");
  EXPECT_EQ(boxes.boxes()[0].caption, "Caption");
  EXPECT_EQ(boxes.boxes()[0].owner, &owner);
  EXPECT_EQ(boxes.boxes()[1].text, "Discount Cannot Exceed 99.99");
  EXPECT_EQ(boxes.boxes()[1].caption, "");
  EXPECT_EQ(boxes.boxes()[2].text, "100%s%d%n");
  EXPECT_EQ(boxes.boxes()[3].kind, RATEKIT_BOX_QUESTION);
  EXPECT_EQ(boxes.boxes()[3].text, std::string(179, 'x'));
  EXPECT_EQ(boxes.boxes()[4].kind, RATEKIT_BOX_ERROR);
  EXPECT_EQ(boxes.boxes()[4].text, "Error opening LIB file.");
  EXPECT_EQ(boxes.boxes()[4].owner, nullptr);
  EXPECT_EQ(boxes.quits(), std::vector<int>{175});
}

TEST(MessageBoxes, QuestionIsYesUnlessAnsweredNo) {
  for (int answer : {int{RATEKIT_ANSWER_YES}, int{RATEKIT_ANSWER_OK}, int{RATEKIT_ANSWER_CANCEL}, 0}) {
    BoxRecorder boxes(answer);
    EXPECT_EQ(question("Sure?", "Q", 0, nullptr), 1) << answer;
  }
}

TEST(MessageBoxes, WithoutTheProgramGoToStandardErrorAndOnlyRecordAQuit) {
  const RatekitHost& host = *RatekitHostInterface();
  int code = 0;
  EXPECT_EQ(host.takeRecordedQuit(&code), 0);
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(warning("Look out", "Careful", 0, nullptr), RATEKIT_ANSWER_OK);
  EXPECT_EQ(question("", "Sure?", 101, nullptr), 1);
  fatal("Goodbye", "FATAL", 2);
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("Careful: Look out"), std::string::npos) << err;
  EXPECT_NE(err.find("Sure?: Invalid Origin ZIP Code."), std::string::npos) << err;
  EXPECT_NE(err.find("FATAL: Goodbye"), std::string::npos) << err;
  EXPECT_EQ(host.takeRecordedQuit(&code), 1);
  EXPECT_EQ(code, 2);
  EXPECT_EQ(host.takeRecordedQuit(&code), 0);
}

}  // namespace
}  // namespace ratekit
