// Rectangle arithmetic.
#include <algorithm>

#include "platform/ui/types.h"

namespace platform::ui {

Rect Rect::intersectedWith(const Rect& other) const {
  Rect r{std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
         std::min(bottom, other.bottom)};
  return r.isEmpty() ? Rect{} : r;
}

Rect Rect::unitedWith(const Rect& other) const {
  if (isEmpty()) return other;
  if (other.isEmpty()) return *this;
  return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
          std::max(bottom, other.bottom)};
}

}  // namespace platform::ui
