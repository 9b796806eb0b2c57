// The start-up splash (dialog 553): the bitmap Splash.bmp, the window sized
// to it and centred in the screen's work area (a coordinate below 0 is 0),
// in front, closing itself with IDOK after 2000 ms (timer 503) when it
// closes by itself at all (the map mode is 0, as it always is at start-up).
// The time runs from the splash's opening: painting it again does not
// start the wait anew.
#pragma once

#include "dialogs/qiv_dialog.h"

namespace qiv {

class SplashDialog : public QivDialog {
 public:
  static constexpr unsigned kTimerId = 503;
  static constexpr unsigned kShowMilliseconds = 2000;

  SplashDialog(QivSession& session, platform::ui::BitmapHandle bitmap, bool closesByItself);

 protected:
  bool onInitDialog() override;
  void onTimer(const platform::ui::TimerEvent& event) override;

 private:
  platform::ui::LResult onPaint();
  platform::ui::BitmapHandle bitmap_;
  bool closesByItself_;
};

}  // namespace qiv
