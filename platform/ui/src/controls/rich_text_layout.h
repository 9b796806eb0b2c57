// The rich-text view's document broken into lines for a width: words
// wrap at blanks (a word wider than the line is broken where it must),
// tabs go to the next half inch, line breaks and paragraphs start new
// lines. Each line is as high as its tallest font, and its text pieces
// stand on one baseline.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/types.h"
#include "rich_text_document.h"

namespace platform::ui::detail {

struct TextPiece {
  std::string text;
  FontHandle font = nullptr;
  int x = 0;
  int top = 0;  // from the line's top, so that the baselines meet
};

struct TextLine {
  int top = 0;  // from the document's top
  int height = 0;
  std::vector<TextPiece> pieces;
};

// The document in lines between the margins left and right; fontOf gives
// the font of a format (it must outlive the lines).
std::vector<TextLine> LayOutDocument(const RichTextDocument& document, int left, int right,
                                     const std::function<FontHandle(const CharacterFormat&)>& fontOf);

}  // namespace platform::ui::detail
