// The edit field's painting (see edit_painting.h).
#include "edit_painting.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "control.h"
#include "platform/ui/focus.h"
#include "platform/ui/gdi.h"

namespace platform::ui::detail {

namespace {

std::string ShownText(const EditView& view) { return view.password ? std::string(view.text->size(), '*') : *view.text; }

int LineHeight(const EditView& view) { return std::max(1, MeasureFont(view.font).height); }

int SingleLineTop(WindowHandle window, const EditView& view) {
  return std::max(0, (ClientRect(window).height() - LineHeight(view)) / 2);
}

// Where each line starts (after a '\n'), and where it ends (before its
// '\r' or '\n').
std::vector<int> LineStarts(const std::string& text) {
  std::vector<int> starts{0};
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] == '\n') starts.push_back(static_cast<int>(i) + 1);
  return starts;
}

int LineEnd(const std::string& text, int at) {
  while (at < static_cast<int>(text.size()) && text[static_cast<std::size_t>(at)] != '\n' &&
         text[static_cast<std::size_t>(at)] != '\r')
    ++at;
  return at;
}

// One run of text with the selected part highlighted.
void PaintRun(const ControlPaint& paint, std::string_view text, int offset, int y, const EditView& view,
              bool showSelection) {
  const int from = std::clamp(view.selectionStart - offset, 0, static_cast<int>(text.size()));
  const int to = std::clamp(view.selectionEnd - offset, 0, static_cast<int>(text.size()));
  SetBackgroundMode(paint.dc, BackgroundMode::Transparent);
  SetTextColor(paint.dc, paint.enabled ? TextColorOf(paint.dc) : GetSystemColor(SystemColor::GrayText));
  TextOut(paint.dc, 0, y, text);
  if (!showSelection || from >= to) return;
  const int left = GetTextExtent(paint.dc, text.substr(0, static_cast<std::size_t>(from))).width;
  const std::string_view part = text.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
  const ColorRef color = SetTextColor(paint.dc, GetSystemColor(SystemColor::HighlightText));
  SetBackgroundColor(paint.dc, GetSystemColor(SystemColor::Highlight));
  SetBackgroundMode(paint.dc, BackgroundMode::Opaque);
  TextOut(paint.dc, left, y, part);
  SetTextColor(paint.dc, color);
}

}  // namespace

void PaintEditField(const ControlPaint& paint, WindowHandle window, const EditView& view) {
  FillRect(paint.dc, paint.client, paint.background);
  const std::string shown = ShownText(view);
  const bool showSelection = GetFocus() == window || view.keepSelection;
  if (!view.multiLine) {
    const int first = std::min(view.firstVisible, static_cast<int>(shown.size()));
    PaintRun(paint, std::string_view(shown).substr(static_cast<std::size_t>(first)), first, SingleLineTop(window, view),
             view, showSelection);
  } else {
    const std::vector<int> starts = LineStarts(shown);
    const int lineHeight = LineHeight(view);
    for (std::size_t line = static_cast<std::size_t>(std::max(0, view.firstVisible)); line < starts.size(); ++line) {
      const int y = (static_cast<int>(line) - view.firstVisible) * lineHeight;
      if (y >= paint.client.bottom) break;
      const int start = starts[line];
      const int end = LineEnd(shown, start);
      PaintRun(paint,
               std::string_view(shown).substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start)),
               start, y, view, showSelection);
    }
  }
}

Point EditCaretPoint(WindowHandle window, const EditView& view) {
  const std::string shown = ShownText(view);
  auto width = [&](int from, int to) {
    return MeasureTextWidth(view.font,
                            std::string_view(shown).substr(static_cast<std::size_t>(from),
                                                           static_cast<std::size_t>(std::max(0, to - from))));
  };
  if (!view.multiLine) return {width(view.firstVisible, view.caret), SingleLineTop(window, view)};
  const std::vector<int> starts = LineStarts(shown);
  const int line = static_cast<int>(std::upper_bound(starts.begin(), starts.end(), view.caret) - starts.begin()) - 1;
  return {width(starts[static_cast<std::size_t>(line)], view.caret), (line - view.firstVisible) * LineHeight(view)};
}

}  // namespace platform::ui::detail
