// A session as the start-up leaves it, made directly for the tests of the
// dialogs and messages: the RatingContext with the data set's directories
// and level, the language texts, the stand-in Ratekit32 loaded and bound
// with its host connection, the fonts and the help topics.
#pragma once

#include "qiv_data_set.h"
#include "shell/qiv_session.h"
#include "shell/ratekit_host.h"

namespace qiv::testing {

class TestSession {
 public:
  explicit TestSession(QivDataSet& data, Language language = Language::English);
  ~TestSession();

  QivSession session;
  platform::desktop::RecordingHelp help;
  platform::desktop::RecordingOpener opener;

 private:
  RatekitHostConnection host_;
};

}  // namespace qiv::testing
