// Breaking the rich-text document into lines (see rich_text_layout.h).
#include "rich_text_layout.h"

#include <algorithm>
#include <string_view>

#include "platform/ui/font.h"
#include "platform/ui/metrics.h"

namespace platform::ui::detail {

namespace {

class LineBreaker {
 public:
  LineBreaker(int left, int right) : left_(left), right_(std::max(left + 1, right)), x_(left) {
    // Tab stops every half inch.
    tab_ = std::max(1, GetSystemMetric(SystemMetric::ScreenDpi) / 2);
  }

  void run(const TextRun& run, FontHandle font) {
    const std::string& text = run.text;
    std::size_t at = 0;
    while (at < text.size()) {
      const char c = text[at];
      if (c == '\n') {
        use(font);
        endLine(false);
        ++at;
      } else if (c == '\t') {
        use(font);
        x_ = left_ + ((x_ - left_) / tab_ + 1) * tab_;
        ++at;
      } else if (c == ' ') {
        std::size_t end = at;
        while (end < text.size() && text[end] == ' ') ++end;
        // Blanks at a wrap vanish into it.
        if (!wrapped_ || !line_.pieces.empty() || x_ != left_) {
          use(font);
          x_ += MeasureTextWidth(font, text.substr(at, end - at));
        }
        at = end;
      } else {
        std::size_t end = at;
        while (end < text.size() && text[end] != ' ' && text[end] != '\t' && text[end] != '\n') ++end;
        word(std::string_view(text).substr(at, end - at), font);
        at = end;
      }
    }
  }

  // The paragraph's end: its last line, even an empty one.
  std::vector<TextLine> finishParagraph(FontHandle font) {
    if (line_.pieces.empty() && tallest_ == 0) use(font);
    endLine(false);
    return std::move(lines_);
  }

 private:
  // A word goes on the line, or on a new one; a word wider than a whole
  // line is broken where it must be: on each line the longest part that
  // fits, at least one character. A character is at least a pixel wide,
  // so a word longer than the line's pixels is never measured whole.
  void word(std::string_view text, FontHandle font) {
    const std::size_t most = static_cast<std::size_t>(right_ - left_);
    const auto fitsFrom = [&](int x, std::string_view part) {
      return part.size() <= most && x + MeasureTextWidth(font, part) <= right_;
    };
    while (!text.empty()) {
      if (fitsFrom(x_, text)) {
        add(text, font);
        return;
      }
      if (x_ > left_) {
        endLine(true);
        continue;
      }
      std::size_t fits = 1;
      std::size_t over = std::min(text.size(), most + 1);
      while (over - fits > 1) {
        const std::size_t middle = fits + (over - fits) / 2;
        if (fitsFrom(x_, text.substr(0, middle)))
          fits = middle;
        else
          over = middle;
      }
      add(text.substr(0, fits), font);
      text.remove_prefix(fits);
      if (!text.empty()) endLine(true);
    }
  }

  void add(std::string_view text, FontHandle font) {
    use(font);
    line_.pieces.push_back({std::string(text), font, x_, 0});
    x_ += MeasureTextWidth(font, text);
  }

  // The font takes part in the line's height and baseline.
  void use(FontHandle font) {
    const FontMetrics metrics = MeasureFont(font);
    tallest_ = std::max(tallest_, metrics.height);
    ascent_ = std::max(ascent_, metrics.ascent);
    descent_ = std::max(descent_, metrics.height - metrics.ascent);
  }

  void endLine(bool wrapped) {
    line_.height = std::max(tallest_, ascent_ + descent_);
    for (TextPiece& piece : line_.pieces) piece.top = ascent_ - MeasureFont(piece.font).ascent;
    lines_.push_back(std::move(line_));
    line_ = {};
    x_ = left_;
    tallest_ = ascent_ = descent_ = 0;
    wrapped_ = wrapped;
  }

  int left_;
  int right_;
  int tab_ = 48;
  int x_;
  TextLine line_;
  int tallest_ = 0;
  int ascent_ = 0;
  int descent_ = 0;
  bool wrapped_ = false;  // the line began at a wrap
  std::vector<TextLine> lines_;
};

}  // namespace

std::vector<TextLine> LayOutDocument(const RichTextDocument& document, int left, int right,
                                     const std::function<FontHandle(const CharacterFormat&)>& fontOf) {
  std::vector<TextLine> lines;
  int top = 0;
  for (const Paragraph& paragraph : document) {
    LineBreaker breaker(left, right);
    for (const TextRun& run : paragraph.runs) breaker.run(run, fontOf(run.format));
    for (TextLine& line : breaker.finishParagraph(fontOf(paragraph.end))) {
      line.top = top;
      top += line.height;
      lines.push_back(std::move(line));
    }
  }
  return lines;
}

}  // namespace platform::ui::detail
