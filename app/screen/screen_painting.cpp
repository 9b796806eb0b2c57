// The rating screen's look: labels in dark blue on the button face (the
// result values keep the default text colour), the toolbar sized and the
// banner placed below it on every paint, the window icon drawn when the
// screen is minimised.
#include <algorithm>

#include "platform/ui/controls/toolbar.h"
#include "platform/ui/gdi.h"
#include "platform/ui/paint.h"
#include "platform/ui/window.h"
#include "screen/rating_dialog.h"

namespace qiv {

using namespace platform::ui;

namespace {
constexpr ColorRef kLabelColor = 0x8A4225;
constexpr int kBannerHeight = 61;

bool IsResultValue(int id) {
  return std::find(std::begin(screen_id::kResultValues), std::end(screen_id::kResultValues), id) !=
         std::end(screen_id::kResultValues);
}
}  // namespace

LResult RatingDialog::onControlColor(const Message& message) {
  if (message.message != msg::CtlColorStatic) return defaultProcedure();
  const auto dc = reinterpret_cast<DcHandle>(message.wParam);
  const auto control = reinterpret_cast<WindowHandle>(message.lParam);
  if (!IsResultValue(WindowId(control))) SetTextColor(dc, kLabelColor);
  SetBackgroundColor(dc, faceColor_);
  return reinterpret_cast<LResult>(faceBrush_);
}

void RatingDialog::placeBanner() {
  if (banner_ == nullptr) return;
  const WindowHandle toolbar = commands_.toolbar();
  const int top =
      toolbar != nullptr && (WindowStyle(toolbar) & style::Visible) ? WindowRectInParent(toolbar).bottom : 0;
  const Rect wanted = Rect::FromSize(0, top, WindowRect(handle()).width(), kBannerHeight);
  if (WindowRectInParent(banner_) != wanted) {
    MoveWindow(banner_, wanted);
    InvalidateRect(banner_);
  }
}

LResult RatingDialog::onPaint() {
  if (IsMinimized(handle())) {
    PaintInfo paint;
    const DcHandle dc = BeginPaint(handle(), paint);
    if (windowIcon_ != nullptr) {
      const Rect client = ClientRect(handle());
      const Size size = BitmapSize(windowIcon_);
      DrawBitmap(dc, windowIcon_, {(client.width() - size.width + 1) / 2, (client.height() - size.height + 1) / 2});
    }
    EndPaint(handle(), paint);
    return 0;
  }
  if (commands_.toolbar() != nullptr) SendMessage(commands_.toolbar(), toolbar::AutoSize);
  placeBanner();
  return defaultProcedure();
}

}  // namespace qiv
