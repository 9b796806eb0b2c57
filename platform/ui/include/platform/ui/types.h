// The basic types of the window system: handles, message parameters and
// geometry. Message parameters and results are pointer-sized, so that a
// pointer or a handle travels in any of them.
#pragma once

#include <cstdint>

namespace platform::ui {

// Handles are opaque serial numbers, never reused within a process, so that
// a stale handle is recognised instead of reaching a freed window.
struct WindowTag;
struct MenuTag;
struct FontTag;
struct AcceleratorTag;
struct DcTag;
struct PenTag;
struct BrushTag;
struct BitmapTag;
using WindowHandle = WindowTag*;
using MenuHandle = MenuTag*;
using FontHandle = FontTag*;
using AcceleratorHandle = AcceleratorTag*;
using DcHandle = DcTag*;
using PenHandle = PenTag*;
using BrushHandle = BrushTag*;
using BitmapHandle = BitmapTag*;  // bitmaps and icons alike

using MessageId = std::uint32_t;
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

static_assert(sizeof(WParam) == sizeof(void*) && sizeof(LParam) == sizeof(void*) && sizeof(LResult) == sizeof(void*));

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// A rectangle with exclusive right and bottom edges.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool isEmpty() const { return right <= left || bottom <= top; }
  bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  Rect offsetBy(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  Rect inflatedBy(int dx, int dy) const { return {left - dx, top - dy, right + dx, bottom + dy}; }
  // The common part (empty when none).
  Rect intersectedWith(const Rect& other) const;
  // The smallest rectangle holding both (an empty one counts as nothing).
  Rect unitedWith(const Rect& other) const;
  static Rect FromSize(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Two 16-bit halves packed into the low 32 bits of a parameter.
constexpr std::uintptr_t MakeLong(unsigned low, unsigned high) {
  return (static_cast<std::uintptr_t>(high & 0xFFFFu) << 16) | (low & 0xFFFFu);
}
constexpr unsigned LowWord(std::uintptr_t value) { return static_cast<unsigned>(value & 0xFFFFu); }
constexpr unsigned HighWord(std::uintptr_t value) { return static_cast<unsigned>((value >> 16) & 0xFFFFu); }

// A point packed as two signed 16-bit coordinates (mouse messages).
constexpr LParam PointToParam(Point p) {
  return static_cast<LParam>(MakeLong(static_cast<unsigned>(p.x), static_cast<unsigned>(p.y)));
}
constexpr Point PointFromParam(LParam value) {
  const auto bits = static_cast<std::uintptr_t>(value);
  return {static_cast<std::int16_t>(LowWord(bits)), static_cast<std::int16_t>(HighWord(bits))};
}

template <class Handle>
LParam HandleToParam(Handle handle) {
  return reinterpret_cast<LParam>(handle);
}
template <class Handle>
Handle HandleFromParam(std::intptr_t value) {
  return reinterpret_cast<Handle>(value);
}

// number * numerator / denominator, rounded half away from zero; -1 when
// the denominator is 0 or the result does not fit an int.
int MulDiv(int number, int numerator, int denominator);

}  // namespace platform::ui
