#include "dialogs/splash_dialog.h"

#include <algorithm>

#include "dialogs/dialog_ids.h"
#include "platform/ui/dialog.h"
#include "platform/ui/gdi.h"
#include "platform/ui/metrics.h"
#include "platform/ui/paint.h"
#include "platform/ui/window.h"

namespace qiv {

using namespace platform::ui;

SplashDialog::SplashDialog(QivSession& session, BitmapHandle bitmap, bool closesByItself)
    : QivDialog(session, dialog_id::Splash, nullptr), bitmap_(bitmap), closesByItself_(closesByItself) {
  messageMap().onMessage(msg::Paint, [this](const Message&) { return onPaint(); });
}

bool SplashDialog::onInitDialog() {
  Dialog::onInitDialog();
  const Size size = BitmapSize(bitmap_);
  const int x = std::max(0, (GetSystemMetric(SystemMetric::FullScreenClientWidth) - size.width) / 2);
  const int y = std::max(0, (GetSystemMetric(SystemMetric::FullScreenClientHeight) - size.height) / 2);
  SetWindowPosition(handle(), InsertAtTop, Rect::FromSize(x, y, size.width, size.height), position::ShowWindow);
  if (closesByItself_) SetTimer(handle(), kTimerId, kShowMilliseconds);
  return true;
}

void SplashDialog::onTimer(const TimerEvent& event) {
  if (event.id != kTimerId) {
    defaultProcedure();
    return;
  }
  KillTimer(handle(), kTimerId);
  endDialog(command_id::Ok);
}

LResult SplashDialog::onPaint() {
  PaintInfo paint;
  const DcHandle dc = BeginPaint(handle(), paint);
  DrawBitmap(dc, bitmap_, {0, 0});
  EndPaint(handle(), paint);
  return 0;
}

}  // namespace qiv
