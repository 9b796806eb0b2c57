// The rich-text view: a licence text in RTF streamed in and drawn with its
// paragraphs, bold, italic and sizes; broken and truncated RTF read
// without harm; word wrapping; scrolling by keys, the wheel and the scroll
// bar; the stream's failures and limit; the background colour.
#include "platform/ui/controls/rich_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/paint.h"
#include "platform/ui/recording_surface.h"
#include "platform/ui/scroll_bar.h"
#include "recording_window.h"

namespace platform::ui {
namespace {

constexpr int kLicence = 131;
constexpr int kView = 601;

// A licence text as a word processor writes it.
constexpr std::string_view kLicenceRtf =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman Times New Roman;}}\r\n"
    "{\\colortbl ;\\red0\\green0\\blue128;}\r\n"
    "{\\*\\generator Msftedit 5.41.21.2510;}\\viewkind4\\uc1\\pard\\qc\\b\\f0\\fs28 LICENCE "
    "AGREEMENT\\b0\\fs20\\par\r\n"
    "\\pard\\par\r\n"
    "Read this agreement \\i before\\i0  you use the program.\\par\r\n"
    "Caf\\'e9 \\endash  {\\b Section 1.}\\tab Terms\\line continued here.\\par\r\n"
    "}\r\n";
constexpr std::string_view kLicenceText =
    "LICENCE AGREEMENT\r\n\r\nRead this agreement before you use the program.\r\n"
    "Caf\xE9 \x96 Section 1.\tTerms\vcontinued here.";

// A reader over the text, so many bytes a call.
rich_text::Stream StreamOf(std::string_view text, std::size_t chunk = 7) {
  auto at = std::make_shared<std::size_t>(0);
  return {[text, chunk, at](std::span<char> buffer) {
            const std::size_t count = std::min({chunk, buffer.size(), text.size() - *at});
            std::copy_n(text.data() + *at, count, buffer.data());
            *at += count;
            return static_cast<std::ptrdiff_t>(count);
          },
          false};
}

class RichTextView : public testing::OpenDialogTest<> {
 protected:
  RichTextView() : OpenDialogTest(kLicence) {}
  WindowHandle view() { return item(kView); }
  LResult send(MessageId message, WParam wParam = 0, LParam lParam = 0) {
    return SendMessage(view(), message, wParam, lParam);
  }
  LResult stream(std::string_view text, WParam format = rich_text::FormatRtf) {
    rich_text::Stream input = StreamOf(text);
    return send(rich_text::StreamIn, format, reinterpret_cast<LParam>(&input));
  }
  // Painting draws in the dialog's coordinates; this is where the view's
  // client area lies in them.
  Point clientOrigin() {
    const Point corner = ClientToScreen(view(), {0, 0});
    const Rect dialog = WindowRect(dialog_.handle());
    return {corner.x - dialog.left, corner.y - dialog.top};
  }
  std::vector<DrawCall> drawnTexts() {
    RecordingSurface surface({600, 400});
    PaintWindowTree(view(), surface);
    return surface.texts();
  }
  const DrawCall* drawn(const std::vector<DrawCall>& texts, std::string_view text) {
    for (const DrawCall& call : texts)
      if (call.text == text) return &call;
    ADD_FAILURE() << "not drawn: " << text;
    return nullptr;
  }
  int firstLine() { return static_cast<int>(send(rich_text::GetFirstVisibleLine)); }
};

TEST_F(RichTextView, ShowsALicenceTextWithItsParagraphsBoldItalicAndSizes) {
  EXPECT_EQ(stream(kLicenceRtf), static_cast<LResult>(kLicenceRtf.size()));
  EXPECT_EQ(WindowText(view()), kLicenceText);
  const std::vector<DrawCall> texts = drawnTexts();
  const DrawCall* heading = drawn(texts, "LICENCE");
  const DrawCall* read = drawn(texts, "Read");
  const DrawCall* before = drawn(texts, "before");
  const DrawCall* section = drawn(texts, "Section");
  const DrawCall* cafe = drawn(texts, "Caf\xE9");
  const DrawCall* continued = drawn(texts, "continued");
  ASSERT_TRUE(heading && read && before && section && cafe && continued);
  // The heading: bold, 14 points (19 pixels at 96 dpi); the body 10 points.
  EXPECT_EQ(heading->font.weight, 700);
  EXPECT_EQ(heading->font.height, -19);
  EXPECT_EQ(read->font.weight, 400);
  EXPECT_EQ(read->font.height, -13);
  EXPECT_FALSE(read->font.italic);
  EXPECT_TRUE(before->font.italic);
  EXPECT_EQ(section->font.weight, 700);
  EXPECT_EQ(heading->font.face, "MS Sans Serif");  // the view's face, the text's sizes
  // Paragraphs, the empty one included, and the line break each start a
  // line lower.
  EXPECT_LT(heading->from.y, read->from.y - 13);
  EXPECT_LT(read->from.y, cafe->from.y);
  EXPECT_EQ(cafe->from.y, section->from.y);
  EXPECT_LT(cafe->from.y, continued->from.y);
  EXPECT_EQ(read->from.x, continued->from.x);
  // The tab goes to the next stop, every half inch from the margin.
  const DrawCall* terms = drawn(texts, "Terms");
  EXPECT_GT(terms->from.x, section->from.x);
  EXPECT_EQ((terms->from.x - read->from.x) % 48, 0);
}

TEST_F(RichTextView, ReadsBrokenRtfWithoutHarm) {
  const std::string longWord(1000, 'x');
  const std::string longNumber(1000, '9');
  struct Case {
    const char* name;
    std::string rtf;
    const char* text;  // null: anything, but no harm
  };
  const Case cases[] = {
      {"unbalanced braces", "{\\rtf1 one}} two}{{{three", "one twothree"},
      {"a control word of 1,000 letters", "{\\rtf1 a \\" + longWord + " b}", "a b"},
      {"numbers of 1,000 digits",
       "{\\rtf1\\fs" + longNumber + " big\\b" + longNumber + " \\fs-" + longNumber + " bold}", "bigbold"},
      {"a binary run longer than the file", "{\\rtf1 x\\bin99999999999 yz}", "x"},
      {"a backslash at the end", "{\\rtf1 end\\", "end"},
      {"a code-page byte cut off", "{\\rtf1 caf\\'e", "caf"},
      {"groups nested 100,000 deep", std::string(100000, '{') + "deep", "deep"},
      {"a destination never closed", "{\\rtf1 seen{\\*\\unknown hidden", "seen"},
      {"NUL and control bytes", std::string("{\\rtf1 a") + '\0' + "b\x01" + "c}", "abc"},
      {"nothing at all", "", ""},
      {"every byte value",
       [] {
         std::string all;
         for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
         return all;
       }(),
       nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(stream(c.rtf), static_cast<LResult>(c.rtf.size()));
    if (c.text != nullptr) {
      EXPECT_EQ(WindowText(view()), c.text);
    }
    for (const DrawCall& call : drawnTexts()) EXPECT_LE(-call.font.height, 96);  // sizes held to 72 points
  }
}

TEST_F(RichTextView, ShowsTheTextBeforeTheCutOfATruncatedFile) {
  for (std::size_t cut = 0; cut <= kLicenceRtf.size(); ++cut) {
    stream(kLicenceRtf.substr(0, cut));
    const std::string text = WindowText(view());
    ASSERT_TRUE(std::string_view(kLicenceText).starts_with(text)) << "cut at " << cut << ": " << text;
    drawnTexts();
  }
}

TEST_F(RichTextView, WrapsWordsWithinItsWidth) {
  const std::string words =
      "The carrier rates every shipment by the tariff in force on the day it ships, "
      "and an overlongwordthatcannotfitononelineatallnomatterwhat is broken.";
  SetWindowText(view(), words);
  const int right = clientOrigin().x + ClientRect(view()).width();
  std::set<int> lines;
  std::string joined;
  for (const DrawCall& call : drawnTexts()) {
    EXPECT_LE(call.from.x + static_cast<int>(call.text.size()) * 6, right) << call.text;  // 6-pixel characters
    lines.insert(call.from.y);
    joined += call.text;
  }
  EXPECT_GT(lines.size(), 3u);
  std::string unspaced = words;
  unspaced.erase(std::remove(unspaced.begin(), unspaced.end(), ' '), unspaced.end());
  EXPECT_EQ(joined, unspaced);  // every character shown once, in order
}

TEST_F(RichTextView, ScrollsByKeysTheWheelAndTheScrollBar) {
  std::string lines;
  for (int i = 1; i <= 40; ++i) lines += "Line " + std::to_string(i) + "\r\n";
  stream(lines.substr(0, lines.size() - 2), rich_text::FormatText);
  EXPECT_EQ(send(rich_text::GetLineCount), 40);
  const int visible = ClientRect(view()).height() / 13;  // 13-pixel lines
  const int last = 40 - visible;
  const ScrollInfo bar = GetScrollInfo(view(), ScrollBar::Vertical);
  EXPECT_TRUE(bar.visible);
  EXPECT_GE(bar.maximum, 40 * 13 - 1);
  EXPECT_EQ(bar.page, ClientRect(view()).height());
  SetFocus(view());
  const Point inside = ClientToScreen(view(), {10, 10});
  struct Step {
    const char* name;
    std::function<void()> act;
    int first;
  };
  const Step steps[] = {
      {"Down", [this] { press(key::Down); }, 1},
      {"PageDown", [this] { press(key::PageDown); }, 1 + visible},
      {"PageUp", [this] { press(key::PageUp); }, 1},
      {"Up past the top",
       [this] {
         press(key::Up);
         press(key::Up);
       },
       0},
      {"End", [this] { press(key::End); }, last},
      {"Home", [this] { press(key::Home); }, 0},
      {"the wheel a notch towards the user",
       [&] {
         InjectMouseWheel(inside, -kWheelDelta);
         run();
       },
       3},
      {"the wheel two notches away",
       [&] {
         InjectMouseWheel(inside, 2 * kWheelDelta);
         run();
       },
       0},
      {"the thumb dragged into line 21",
       [this] { SendMessage(view(), msg::VScroll, MakeLong(scroll::ThumbTrack, 20 * 13 + 5)); }, 20},
      {"the bar's lower arrow", [this] { SendMessage(view(), msg::VScroll, scroll::LineDown); }, 21},
      {"the bar below the thumb", [this] { SendMessage(view(), msg::VScroll, scroll::PageDown); },
       std::min(21 + visible, last)},
      {"the bar's bottom", [this] { SendMessage(view(), msg::VScroll, scroll::Bottom); }, last},
  };
  for (const Step& step : steps) {
    step.act();
    EXPECT_EQ(firstLine(), step.first) << step.name;
    EXPECT_EQ(GetScrollInfo(view(), ScrollBar::Vertical).position, step.first * 13) << step.name;
  }
  // The first visible line is drawn at the top, the last at the bottom.
  const std::vector<DrawCall> texts = drawnTexts();
  ASSERT_GE(texts.size(), 2u);
  EXPECT_EQ(texts[1].text, std::to_string(last + 1));
  EXPECT_EQ(texts.back().text, "40");
  // A text that fits needs no bar, and gives the width back.
  const int narrow = ClientRect(view()).width();
  stream("{\\rtf1 short}");
  EXPECT_FALSE(GetScrollInfo(view(), ScrollBar::Vertical).visible);
  EXPECT_GT(ClientRect(view()).width(), narrow);
  EXPECT_EQ(firstLine(), 0);
}

TEST_F(RichTextView, StreamsInChunksUpToItsLimitAndKeepsWhatCameBeforeAFailure) {
  // A reader that fails after a while: what came is shown, the stream says so.
  int calls = 0;
  rich_text::Stream failing{[&calls](std::span<char> buffer) -> std::ptrdiff_t {
                              if (++calls > 2) return -1;
                              std::fill_n(buffer.data(), 3, 'a');
                              return 3;
                            },
                            false};
  EXPECT_EQ(send(rich_text::StreamIn, rich_text::FormatText, reinterpret_cast<LParam>(&failing)), 6);
  EXPECT_TRUE(failing.failed);
  EXPECT_EQ(WindowText(view()), "aaaaaa");
  // An endless reader is read up to the limit.
  rich_text::Stream endless{[](std::span<char> buffer) {
                              std::fill(buffer.begin(), buffer.end(), 'x');
                              return static_cast<std::ptrdiff_t>(buffer.size());
                            },
                            false};
  EXPECT_EQ(send(rich_text::StreamIn, rich_text::FormatText, reinterpret_cast<LParam>(&endless)),
            static_cast<LResult>(rich_text::kLongestStream));
  EXPECT_FALSE(endless.failed);
  EXPECT_EQ(WindowText(view()).size(), rich_text::kLongestStream);
  // No reader, no change.
  rich_text::Stream none;
  EXPECT_EQ(send(rich_text::StreamIn, rich_text::FormatRtf, reinterpret_cast<LParam>(&none)), 0);
  EXPECT_EQ(send(rich_text::StreamIn, rich_text::FormatRtf, 0), 0);
}

TEST_F(RichTextView, PaintsOnTheBackgroundColourItIsGiven) {
  const auto background = [this] {
    RecordingSurface surface({600, 400});
    PaintWindowTree(view(), surface);
    const Point corner = clientOrigin();
    for (const DrawCall& call : surface.calls())
      if (call.kind == DrawCall::Kind::Fill && call.rect.left == corner.x && call.rect.top == corner.y)
        return call.color;
    return ColorRef{1};
  };
  EXPECT_EQ(background(), GetSystemColor(SystemColor::Window));
  const ColorRef face = GetSystemColor(SystemColor::ButtonFace);
  EXPECT_EQ(send(rich_text::SetBackgroundColor, 0, static_cast<LParam>(face)),
            static_cast<LResult>(GetSystemColor(SystemColor::Window)));
  EXPECT_EQ(background(), face);
  EXPECT_EQ(send(rich_text::SetBackgroundColor, 1, 0), static_cast<LResult>(face));
  EXPECT_EQ(background(), GetSystemColor(SystemColor::Window));
}

}  // namespace
}  // namespace platform::ui
