#include "dialogs/bitmap_view_dialog.h"

#include "dialogs/dialog_ids.h"
#include "platform/kernel/path.h"
#include "platform/ui/dialog.h"
#include "platform/ui/gdi.h"
#include "platform/ui/metrics.h"
#include "platform/ui/paint.h"
#include "platform/ui/window.h"

namespace qiv {

using namespace platform::ui;

BitmapViewDialog::BitmapViewDialog(QivSession& session, std::string path, WindowHandle parent)
    : QivDialog(session, dialog_id::BitmapView, parent), path_(std::move(path)) {
  messageMap().onMessage(msg::Paint, [this](const Message&) { return onPaint(); });
}

BitmapViewDialog::~BitmapViewDialog() {
  if (bitmap_ != nullptr) DeleteBitmap(bitmap_);
}

bool BitmapViewDialog::onInitDialog() {
  Dialog::onInitDialog();
  bitmap_ = LoadBitmapFile(platform::ResolvePath(path_));
  if (bitmap_ == nullptr) {
    endDialog(command_id::Ok);
    return true;
  }
  const Size size = BitmapSize(bitmap_);
  const int x = (GetSystemMetric(SystemMetric::ScreenWidth) - size.width) / 2;
  const int y = (GetSystemMetric(SystemMetric::ScreenHeight) - size.height) / 2;
  MoveWindow(handle(), Rect::FromSize(x, y, size.width, size.height));
  return true;
}

void BitmapViewDialog::onLeftButtonUp(const MouseEvent&) { endDialog(command_id::Ok); }

LResult BitmapViewDialog::onPaint() {
  PaintInfo paint;
  const DcHandle dc = BeginPaint(handle(), paint);
  FillRect(dc, ClientRect(handle()), WhiteBrush());
  if (bitmap_ != nullptr) DrawBitmap(dc, bitmap_, {0, 0});
  EndPaint(handle(), paint);
  return 0;
}

}  // namespace qiv
