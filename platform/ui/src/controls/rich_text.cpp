// The "RichText" class.
#include "platform/ui/controls/rich_text.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "control.h"
#include "platform/ui/focus.h"
#include "platform/ui/font.h"
#include "platform/ui/gdi.h"
#include "platform/ui/keys.h"
#include "platform/ui/metrics.h"
#include "platform/ui/scroll_bar.h"
#include "rich_text_document.h"
#include "rich_text_layout.h"

namespace platform::ui::detail {

namespace {

// The text's distance from the left and right edges.
constexpr int kMargin = 2;
constexpr std::size_t kStreamChunk = 4096;

class RichText final : public Control {
 protected:
  LResult onNcCreate(const WindowCreation*) override {
    ownsScrollBar_ = (style() & style::VScroll) != 0;
    return defaultProcedure();
  }
  LResult onCreate() override {
    layOut();
    return 0;
  }
  void onDestroy() override {
    forgetFonts();
    defaultProcedure();
  }
  void onSize(Size) override { layOut(); }
  void onSetFont(FontHandle font) override {
    Control::onSetFont(font);
    forgetFonts();
    layOut();
  }

  // ---- text: the window's text is the plain text shown
  LResult onSetText(const char* text) override;

  // ---- the keys and the mouse scroll it
  LResult onGetDialogCode(const Message*) override { return dialog_code::WantArrows; }
  void onKeyDown(const KeyEvent& event) override;
  void onLeftButtonDown(const MouseEvent&) override {
    if (GetFocus() != window()) SetFocus(window());
  }
  void onVScroll(unsigned request, int position) override;

  std::optional<LResult> onControlMessage(MessageId message, WParam wParam, LParam lParam) override;

  void paint(const ControlPaint& paint) override;
  bool changesLook(MessageId message) const override {
    return message == rich_text::StreamIn || message == rich_text::SetBackgroundColor || message == msg::MouseWheel;
  }
  void invalidate() override {
    Control::invalidate();
    // The frame holds the scroll bar.
    if (style() & style::VScroll) InvalidateWhereWindowIs(window());
  }

 private:
  // The view's font, or the default one when it has none (or the program
  // deleted the one it gave).
  FontHandle baseFont() const { return FontSpecOf(font()) ? font() : DefaultGuiFont(); }
  FontHandle fontFor(const CharacterFormat& format);
  void forgetFonts();
  // The size of the view's font, for plain text.
  CharacterFormat plainFormat() const;
  void setDocument(RichTextDocument document);
  LResult streamIn(WParam format, rich_text::Stream* stream);

  void layOut();
  int lineCount() const { return static_cast<int>(lines_.size()); }
  // The last line that can be the top one: from it on, the rest fills the
  // view.
  int highestTop() const;
  void scrollTo(int top);
  // The first line after a page down from the top line (at least one
  // line on).
  int pageBelow() const;
  int pageAbove() const;

  RichTextDocument document_{1};
  std::vector<TextLine> lines_;
  int top_ = 0;
  std::optional<ColorRef> background_;  // nothing: the window colour
  std::vector<std::pair<CharacterFormat, FontHandle>> fonts_;
  bool ownsScrollBar_ = false;  // created with style::VScroll
  bool layingOut_ = false;
};

// ---- fonts

int ScreenDpi() { return std::max(1, GetSystemMetric(SystemMetric::ScreenDpi)); }

FontHandle RichText::fontFor(const CharacterFormat& format) {
  for (const auto& [known, font] : fonts_)
    if (known == format) return font;
  FontSpec spec = *FontSpecOf(baseFont());
  spec.height = -MulDiv(format.halfPoints, ScreenDpi(), 144);
  spec.weight = format.bold ? 700 : 400;
  spec.italic = format.italic;
  spec.underline = format.underline;
  const FontHandle font = CreateFont(spec);
  fonts_.emplace_back(format, font);
  return font;
}

void RichText::forgetFonts() {
  for (const auto& entry : fonts_) DeleteFont(entry.second);
  fonts_.clear();
}

CharacterFormat RichText::plainFormat() const {
  CharacterFormat format;
  const FontSpec& spec = *FontSpecOf(baseFont());
  const int pixels =
      spec.height < 0 ? -spec.height : MeasureFont(baseFont()).height - MeasureFont(baseFont()).internalLeading;
  format.halfPoints = std::clamp(MulDiv(pixels, 144, ScreenDpi()), kSmallestHalfPoints, kLargestHalfPoints);
  format.bold = spec.weight >= 700;
  format.italic = spec.italic;
  return format;
}

// ---- text

void RichText::setDocument(RichTextDocument document) {
  document_ = std::move(document);
  record().text = PlainTextOf(document_);
  top_ = 0;
  layOut();
  invalidate();
}

LResult RichText::onSetText(const char* text) {
  const std::string_view value = text ? text : "";
  if (value.starts_with("{\\rtf"))
    setDocument(ReadRtf(value));
  else
    setDocument(ReadPlainText(value, plainFormat()));
  return 1;
}

LResult RichText::streamIn(WParam format, rich_text::Stream* stream) {
  if (stream == nullptr || !stream->read) return 0;
  stream->failed = false;
  std::string bytes;
  std::vector<char> chunk(kStreamChunk);
  while (bytes.size() < rich_text::kLongestStream) {
    const std::size_t wanted = std::min(kStreamChunk, rich_text::kLongestStream - bytes.size());
    const std::ptrdiff_t got = stream->read(std::span<char>(chunk.data(), wanted));
    if (got < 0) {
      stream->failed = true;
      break;
    }
    if (got == 0) break;
    bytes.append(chunk.data(), std::min(static_cast<std::size_t>(got), wanted));
  }
  if (!alive()) return 0;
  setDocument(format == rich_text::FormatRtf ? ReadRtf(bytes) : ReadPlainText(bytes, plainFormat()));
  return static_cast<LResult>(bytes.size());
}

// ---- lines and scrolling

void RichText::layOut() {
  if (layingOut_) return;
  layingOut_ = true;
  const auto fontOf = [this](const CharacterFormat& format) { return fontFor(format); };
  const Rect client = ClientRect(window());
  const int bar = GetSystemMetric(SystemMetric::VerticalScrollWidth);
  const int fullWidth = client.width() + ((style() & style::VScroll) ? bar : 0);
  lines_ = LayOutDocument(document_, kMargin, fullWidth - kMargin, fontOf);
  const int height = lines_.empty() ? 0 : lines_.back().top + lines_.back().height;
  const bool needed = ownsScrollBar_ && height > client.height();
  if (needed) lines_ = LayOutDocument(document_, kMargin, fullWidth - bar - kMargin, fontOf);
  if (ownsScrollBar_) ShowScrollBar(window(), ScrollBar::Vertical, needed);
  layingOut_ = false;
  scrollTo(top_);
}

int RichText::highestTop() const {
  const int height = ClientRect(window()).height();
  int top = lineCount();
  int used = 0;
  while (top > 0 && used + lines_[static_cast<std::size_t>(top - 1)].height <= height)
    used += lines_[static_cast<std::size_t>(--top)].height;
  return std::min(top, std::max(0, lineCount() - 1));
}

void RichText::scrollTo(int top) {
  top_ = std::clamp(top, 0, highestTop());
  if (!ownsScrollBar_) return;
  // The range reaches as far as the highest top line shows: whole lines
  // may leave a gap below the last one.
  const int page = ClientRect(window()).height();
  const int height = lines_.empty() ? 0 : lines_.back().top + lines_.back().height;
  const int reach = lines_.empty() ? 0 : std::max(height, lines_[static_cast<std::size_t>(highestTop())].top + page);
  SetScrollRange(window(), ScrollBar::Vertical, 0, std::max(0, reach - 1));
  SetScrollPage(window(), ScrollBar::Vertical, page);
  SetScrollPosition(window(), ScrollBar::Vertical, lines_.empty() ? 0 : lines_[static_cast<std::size_t>(top_)].top);
  invalidate();
}

int RichText::pageBelow() const {
  const int height = ClientRect(window()).height();
  int line = top_;
  int used = 0;
  while (line < lineCount() && used + lines_[static_cast<std::size_t>(line)].height <= height)
    used += lines_[static_cast<std::size_t>(line++)].height;
  return std::max(top_ + 1, line);
}

int RichText::pageAbove() const {
  const int height = ClientRect(window()).height();
  int line = top_;
  int used = 0;
  while (line > 0 && used + lines_[static_cast<std::size_t>(line - 1)].height <= height)
    used += lines_[static_cast<std::size_t>(--line)].height;
  return std::min(top_ - 1, line);
}

void RichText::onKeyDown(const KeyEvent& event) {
  switch (event.key) {
    case key::Up: scrollTo(top_ - 1); break;
    case key::Down: scrollTo(top_ + 1); break;
    case key::PageUp: scrollTo(pageAbove()); break;
    case key::PageDown: scrollTo(pageBelow()); break;
    case key::Home: scrollTo(0); break;
    case key::End: scrollTo(lineCount()); break;
    default: defaultProcedure(); break;
  }
}

void RichText::onVScroll(unsigned request, int position) {
  switch (request) {
    case scroll::LineUp: scrollTo(top_ - 1); break;
    case scroll::LineDown: scrollTo(top_ + 1); break;
    case scroll::PageUp: scrollTo(pageAbove()); break;
    case scroll::PageDown: scrollTo(pageBelow()); break;
    case scroll::Top: scrollTo(0); break;
    case scroll::Bottom: scrollTo(lineCount()); break;
    case scroll::ThumbPosition:
    case scroll::ThumbTrack: {
      // The line the position falls in.
      int line = 0;
      while (line + 1 < lineCount() && lines_[static_cast<std::size_t>(line + 1)].top <= position) ++line;
      scrollTo(line);
      break;
    }
    default: break;
  }
}

std::optional<LResult> RichText::onControlMessage(MessageId message, WParam wParam, LParam lParam) {
  switch (message) {
    case msg::MouseWheel: {
      const int delta = static_cast<std::int16_t>(HighWord(wParam));
      scrollTo(top_ - delta * rich_text::kWheelLines / kWheelDelta);
      return 0;
    }
    case rich_text::SetBackgroundColor: {
      const ColorRef previous = background_.value_or(GetSystemColor(SystemColor::Window));
      if (wParam != 0)
        background_.reset();
      else
        background_ = static_cast<ColorRef>(lParam);
      return static_cast<LResult>(previous);
    }
    case rich_text::StreamIn: return streamIn(wParam, reinterpret_cast<rich_text::Stream*>(lParam));
    case rich_text::GetFirstVisibleLine: return top_;
    case rich_text::GetLineCount: return lineCount();
    default: return std::nullopt;
  }
}

// ---- painting

void RichText::paint(const ControlPaint& paint) {
  FillSolidRect(paint.dc, paint.client, background_.value_or(GetSystemColor(SystemColor::Window)));
  if (lines_.empty()) return;
  SetBackgroundMode(paint.dc, BackgroundMode::Transparent);
  SetTextColor(paint.dc, GetSystemColor(paint.enabled ? SystemColor::WindowText : SystemColor::GrayText));
  const int origin = lines_[static_cast<std::size_t>(top_)].top;
  for (int index = top_; index < lineCount(); ++index) {
    const TextLine& line = lines_[static_cast<std::size_t>(index)];
    const int y = line.top - origin;
    if (y >= paint.client.bottom) break;
    for (const TextPiece& piece : line.pieces) {
      SelectFont(paint.dc, piece.font);
      TextOut(paint.dc, piece.x, y + piece.top, piece.text);
    }
  }
}

}  // namespace

}  // namespace platform::ui::detail

namespace platform::ui::rich_text {

const ControlDescriptor kDescriptor{
    .className = kClassName,
    .procedure = &detail::Control::ProcedureOf<detail::RichText>,
    .classStyle = 0,
    .templateKinds = kTemplateKinds,
    .styleWords = {},
};

}  // namespace platform::ui::rich_text
