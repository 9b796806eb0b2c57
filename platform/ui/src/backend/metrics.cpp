#include "platform/ui/metrics.h"

#include "platform/ui/backend.h"

namespace platform::ui {

int HeadlessSystemMetric(SystemMetric metric) {
  switch (metric) {
    case SystemMetric::ScreenWidth: return 1024;
    case SystemMetric::ScreenHeight: return 768;
    case SystemMetric::FullScreenClientWidth: return 1024;
    case SystemMetric::FullScreenClientHeight: return 750;
    case SystemMetric::ScreenDpi: return 96;
    case SystemMetric::ScreenPlanes: return 1;
    case SystemMetric::ScreenBitsPerPixel: return 24;
    case SystemMetric::CaptionHeight: return 18;
    case SystemMetric::MenuBarHeight: return 19;
    case SystemMetric::BorderWidth: return 1;
    case SystemMetric::DialogFrameWidth: return 3;
    case SystemMetric::ThickFrameWidth: return 4;
    case SystemMetric::ClientEdgeWidth: return 2;
    case SystemMetric::StaticEdgeWidth: return 1;
    case SystemMetric::VerticalScrollWidth: return 16;
    case SystemMetric::HorizontalScrollHeight: return 16;
    case SystemMetric::DoubleClickTime: return 500;
    case SystemMetric::DoubleClickDistance: return 4;
  }
  return 0;
}

int HeadlessSystemMetricAtDpi(SystemMetric metric, int dpi) {
  switch (metric) {
    case SystemMetric::ScreenDpi: return dpi;
    case SystemMetric::CaptionHeight:
    case SystemMetric::MenuBarHeight:
    case SystemMetric::VerticalScrollWidth:
    case SystemMetric::HorizontalScrollHeight: return MulDiv(HeadlessSystemMetric(metric), dpi, 96);
    default: return HeadlessSystemMetric(metric);
  }
}

int GetSystemMetric(SystemMetric metric) { return CurrentBackend().systemMetric(metric); }

}  // namespace platform::ui
