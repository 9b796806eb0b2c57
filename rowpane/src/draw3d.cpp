// The 3-D frame drawing shared by the controls of the library.
#include "draw3d.h"

#include <array>

#include "platform/ui/metrics.h"

namespace rowpane::draw3d {

namespace {

using platform::ui::SystemColor;

// The system colours of the table, in table order.
constexpr std::array<SystemColor, kColorCount> kSystemColors{
    SystemColor::ButtonHighlight, SystemColor::ButtonFace, SystemColor::ButtonShadow, SystemColor::ButtonText,
    SystemColor::Window,          SystemColor::WindowText, SystemColor::GrayText,     SystemColor::WindowFrame};

constexpr ColorRef kMidGrey = platform::ui::Rgb(128, 128, 128);

struct Shared {
  std::array<ColorRef, kColorCount> colors{};
  std::array<BrushHandle, 3> brushes{};  // colours 0, 1 and 2
  bool on = false;
  int count = 0;
};

Shared& Table() {
  static Shared shared;
  return shared;
}

void DeleteObjectNull(BrushHandle& brush) {
  if (brush != nullptr) platform::ui::DeleteBrush(brush);
  brush = nullptr;
}

void DeleteObjects() {
  for (BrushHandle& brush : Table().brushes) DeleteObjectNull(brush);
}

bool InternalDraw3dColorChange(bool force) {
  Shared& table = Table();
  if (!table.on) return false;
  std::array<ColorRef, kColorCount> colors{};
  for (int i = 0; i < kColorCount; ++i)
    colors[static_cast<std::size_t>(i)] = platform::ui::GetSystemColor(kSystemColors[static_cast<std::size_t>(i)]);
  // Grey text must differ from the face it is drawn on.
  if (colors[GrayText] == 0 || colors[GrayText] == colors[ButtonFace]) colors[GrayText] = kMidGrey;
  if (colors[GrayText] == colors[ButtonFace]) colors[GrayText] = 0;
  if (!force && colors == table.colors) return true;
  std::array<BrushHandle, 3> brushes{};
  for (std::size_t i = 0; i < brushes.size(); ++i) {
    brushes[i] = platform::ui::CreateSolidBrush(colors[i]);
    if (brushes[i] == nullptr) {
      for (BrushHandle& made : brushes) DeleteObjectNull(made);
      return false;
    }
  }
  DeleteObjects();
  table.colors = colors;
  table.brushes = brushes;
  return true;
}

bool FInit3dDialogs() {
  using platform::ui::GetSystemMetric;
  using platform::ui::SystemMetric;
  const int colorBits = GetSystemMetric(SystemMetric::ScreenPlanes) * GetSystemMetric(SystemMetric::ScreenBitsPerPixel);
  const bool ega =
      GetSystemMetric(SystemMetric::ScreenWidth) == 640 && GetSystemMetric(SystemMetric::ScreenHeight) == 350;
  Table().on = colorBits > 3 && !ega;
  if (Table().on && !InternalDraw3dColorChange(true)) Table().on = false;
  return Table().on;
}

void End3dDialogs() {
  DeleteObjects();
  Table().on = false;
}

// One-pixel rectangle filled in the colour, as opaque empty text.
void FillEdge(DcHandle dc, const Rect& rect, ColorRef color) {
  const ColorRef previous = platform::ui::SetBackgroundColor(dc, color);
  platform::ui::ExtTextOut(dc, rect.left, rect.top, platform::ui::text_out::Opaque, rect, "");
  platform::ui::SetBackgroundColor(dc, previous);
}

}  // namespace

void Draw3dRegister() {
  if (Table().count++ == 0) FInit3dDialogs();
}

void Draw3dUnregister() {
  if (Table().count == 0) return;
  if (--Table().count == 0) End3dDialogs();
}

bool Is3dOn() { return Table().on; }
int RegistrationCount() { return Table().count; }
ColorRef ColorOf(Color color) { return Table().colors[static_cast<std::size_t>(color)]; }

void Draw3dRec(DcHandle dc, const Rect& rect, ColorRef a, ColorRef b, unsigned flags) {
  if (rect.isEmpty()) return;
  if (flags & edge::Left) FillEdge(dc, {rect.left, rect.top, rect.left + 1, rect.bottom}, a);
  if (flags & edge::Top) FillEdge(dc, {rect.left, rect.top, rect.right, rect.top + 1}, a);
  if (flags & edge::Right) FillEdge(dc, {rect.right - 1, rect.top, rect.right, rect.bottom}, b);
  if (flags & edge::Bottom) {
    const int right = (flags & edge::ShortBottom) ? rect.right - 2 : rect.right;
    FillEdge(dc, {rect.left, rect.bottom - 1, right, rect.bottom}, b);
  }
}

void Draw3dInsetRect(DcHandle dc, const Rect& rect, unsigned flags) {
  if (!Table().on) return;
  const unsigned edges = flags & edge::All;
  Draw3dRec(dc, rect, ColorOf(WindowFrame), ColorOf(ButtonFace), edges);
  Draw3dRec(dc, rect.inflatedBy(1, 1), ColorOf(ButtonShadow), ColorOf(ButtonHighlight), edges);
}

BrushHandle Draw3dCtlColor(DcHandle dc) {
  if (!Table().on) return nullptr;
  platform::ui::SetTextColor(dc, ColorOf(ButtonText));
  platform::ui::SetBackgroundColor(dc, ColorOf(ButtonFace));
  return Table().brushes[ButtonFace];
}

bool Draw3dColorChange() { return InternalDraw3dColorChange(false); }

}  // namespace rowpane::draw3d
