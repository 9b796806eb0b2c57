// The toolbar with its image lists and its tool tips: clicks that send
// commands and leave the focus alone, check buttons, disabled, hidden and
// separator buttons, its size on its parent's width, the hot item, images
// replaced at run time and indexes outside the list (drawn, in pixels),
// and the tip that shows once the mouse has rested on a button, its text
// asked of the owner.
#include "platform/ui/controls/toolbar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/cairo/image_surface.h"
#include "platform/ui/controls/edit.h"
#include "platform/ui/controls/tool_tip.h"
#include "platform/ui/focus.h"
#include "platform/ui/image_list.h"
#include "platform/ui/paint.h"
#include "platform/ui/style_painter.h"
#include "recording_window.h"

namespace platform::ui {
namespace {

using testing::CreateRecorder;
namespace tb = toolbar;

constexpr int kPrint = 32792;
constexpr int kDiscounts = 32779;
constexpr int kRates = 32771;
constexpr int kCalculator = 32777;
constexpr int kHelp = 32787;

constexpr ColorRef kRed = Rgb(200, 0, 0);
constexpr ColorRef kGreen = Rgb(0, 160, 0);
constexpr ColorRef kBlue = Rgb(0, 0, 200);
constexpr ColorRef kYellow = Rgb(220, 220, 0);

Image Solid(ColorRef color, int side = 16) {
  Image image;
  image.width = image.height = side;
  image.pixels.assign(static_cast<std::size_t>(side * side),
                      0xFF000000u | (RedOf(color) << 16) | (GreenOf(color) << 8) | BlueOf(color));
  return image;
}

ColorRef Sys(SystemColor color) { return GetSystemColor(color); }

// A parent with a focused field and a flat toolbar with tips: Print,
// a separator, Discounts (a check button), Rates (disabled), Calculator
// (hidden) and Help; images red, green, blue, yellow.
class Toolbars : public testing::WindowSystemTest {
 protected:
  void SetUp() override {
    WindowSystemTest::SetUp();
    parent_ = CreateRecorder("parent", nullptr, style::Popup | style::Visible, {100, 100, 500, 300});
    WindowCreation field;
    field.className = edit::kClassName;
    field.style = style::Child | style::Visible | style::TabStop;
    field.rect = {10, 100, 100, 120};
    field.parent = parent_;
    field.id = 10;
    field_ = CreateWindow(field);
    SetFocus(field_);
    bar_ = makeToolbar(tb::Flat | tb::ToolTips);
    images_ = CreateImageList({16, 16}, 4, 4);
    for (ColorRef color : {kRed, kGreen, kBlue, kYellow}) AddImage(images_, Solid(color));
    const tb::Button buttons[] = {
        {0, kPrint, tb::state::Enabled, tb::button_style::Button},
        {0, 0, tb::state::Enabled, tb::button_style::Separator},
        {1, kDiscounts, tb::state::Enabled, tb::button_style::Check | tb::button_style::AutoSize},
        {2, kRates, 0, tb::button_style::Button},
        {2, kCalculator, tb::state::Enabled | tb::state::Hidden, tb::button_style::Button},
        {3, kHelp, tb::state::Enabled, tb::button_style::Button},
    };
    ASSERT_EQ(send(tb::AddButtons, std::size(buttons), reinterpret_cast<LParam>(buttons)), 1);
    send(tb::SetImageList, 0, HandleToParam(images_));
    log().on("parent", msg::Notify, [this](WindowHandle, WParam, LParam lParam) {
      auto* ask = reinterpret_cast<tool_tip::ToolTipText*>(lParam);
      asked_.push_back(ask->header.id);
      if (ask->header.id == kPrint) ask->text = "&Print Shipment";
      return LResult{0};
    });
    run();
    log().clear();
  }
  void TearDown() override {
    WindowSystemTest::TearDown();
    DestroyImageList(images_);
  }
  WindowHandle makeToolbar(StyleBits style) {
    WindowCreation creation;
    creation.className = tb::kClassName;
    creation.style = style::Child | style::Visible | style;
    creation.parent = parent_;
    creation.id = 3024;
    return CreateWindow(creation);
  }
  LResult send(MessageId message, WParam wParam = 0, LParam lParam = 0) {
    return SendMessage(bar_, message, wParam, lParam);
  }
  Rect rectOf(int command) {
    Rect rect;
    send(tb::GetItemRect, static_cast<WParam>(send(tb::CommandToIndex, command)), reinterpret_cast<LParam>(&rect));
    return rect;
  }
  Point centreOf(int command) {
    const Rect rect = rectOf(command);
    return {rect.left + rect.width() / 2, rect.top + rect.height() / 2};
  }
  std::vector<int> commands() const {
    std::vector<int> found;
    for (const auto& entry : testing::MessageLog::Get().entries())
      if (entry.window == "parent" && entry.message == msg::Command)
        found.push_back(static_cast<int>(LowWord(entry.wParam)));
    return found;
  }
  // The toolbar painted on an image.
  std::unique_ptr<cairo::ImageSurface> render() {
    const Rect rect = WindowRect(bar_);
    auto image = std::make_unique<cairo::ImageSurface>(Size{rect.width(), rect.height()});
    PaintWindowTree(bar_, *image);
    return image;
  }
  ColorRef pixelAtCentreOf(const cairo::ImageSurface& image, int command) {
    const Point centre = centreOf(command);
    return image.pixel(centre.x, centre.y);
  }
  WindowHandle tip() { return HandleFromParam<WindowHandle>(send(tb::GetToolTips)); }
  void hover(Point clientPoint) {
    InjectMouseMove(ClientToScreen(bar_, clientPoint));
    run();
  }
  void wait(unsigned ms) {
    backend_.advanceClock(ms);
    run();
  }

  WindowHandle parent_ = nullptr;
  WindowHandle field_ = nullptr;
  WindowHandle bar_ = nullptr;
  ImageListHandle images_ = nullptr;
  std::vector<int> asked_;
};

// ---- clicks

TEST_F(Toolbars, ClicksSendTheCommandAndLeaveTheFocusWhereItWas) {
  const Rect print = rectOf(kPrint);
  const Rect discounts = rectOf(kDiscounts);
  struct Case {
    const char* what;
    Point at;
    std::vector<int> sent;
  };
  const Case cases[] = {
      {"an enabled button", centreOf(kPrint), {kPrint}},
      {"a check button", centreOf(kDiscounts), {kDiscounts}},
      {"a disabled button", centreOf(kRates), {}},
      {"the separator", {print.right + 2, print.top + 5}, {}},
      {"the bare toolbar", {discounts.left, 1}, {}},
      // Help stands where the hidden Calculator would be.
      {"the place after the disabled button", {rectOf(kRates).right + 5, print.top + 5}, {kHelp}},
  };
  for (const Case& c : cases) {
    log().clear();
    InjectClick(bar_, c.at);
    run();
    EXPECT_EQ(commands(), c.sent) << c.what;
    EXPECT_EQ(GetFocus(), field_) << c.what;
  }
  // The command comes as a menu item's does, from the toolbar.
  log().clear();
  InjectClick(bar_, centreOf(kHelp));
  run();
  for (const auto& entry : log().entries()) {
    if (entry.message != msg::Command) continue;
    EXPECT_EQ(entry.wParam, CommandParam(kHelp, 0));
    EXPECT_EQ(entry.lParam, HandleToParam(bar_));
  }
}

TEST_F(Toolbars, ACheckButtonTogglesOnEachClickAndAPressDraggedOffSendsNothing) {
  EXPECT_EQ(send(tb::IsButtonChecked, kDiscounts), 0);
  InjectClick(bar_, centreOf(kDiscounts));
  run();
  EXPECT_EQ(send(tb::IsButtonChecked, kDiscounts), 1);
  InjectClick(bar_, centreOf(kDiscounts));
  run();
  EXPECT_EQ(send(tb::IsButtonChecked, kDiscounts), 0);
  EXPECT_EQ(commands(), (std::vector<int>{kDiscounts, kDiscounts}));
  // Pressed, then released over another button: nothing, no toggle.
  log().clear();
  InjectMouseButton(MouseButton::Left, true, ClientToScreen(bar_, centreOf(kDiscounts)));
  InjectMouseMove(ClientToScreen(bar_, centreOf(kHelp)));
  InjectMouseButton(MouseButton::Left, false, ClientToScreen(bar_, centreOf(kHelp)));
  run();
  EXPECT_TRUE(commands().empty());
  EXPECT_EQ(send(tb::IsButtonChecked, kDiscounts), 0);
  EXPECT_EQ(GetCapture(), nullptr);
}

// ---- state and layout

TEST_F(Toolbars, HiddenButtonsTakeNoRoomAndMessagesForMissingCommandsAnswerFalse) {
  const Size button{16 + tb::kButtonPadding, 16 + tb::kButtonPadding};
  const int top = tb::kDividerHeight + tb::kMargin;
  EXPECT_EQ(rectOf(kPrint), Rect::FromSize(tb::kMargin, top, button.width, button.height));
  EXPECT_EQ(rectOf(kDiscounts).left, rectOf(kPrint).right + tb::kSeparatorWidth);
  EXPECT_EQ(rectOf(kHelp).left, rectOf(kRates).right);  // the hidden Calculator takes nothing
  Rect hidden;
  EXPECT_EQ(send(tb::GetItemRect, static_cast<WParam>(send(tb::CommandToIndex, kCalculator)),
                 reinterpret_cast<LParam>(&hidden)),
            0);
  // Shown again, it takes its place back.
  send(tb::HideButton, kCalculator, 0);
  EXPECT_EQ(rectOf(kHelp).left, rectOf(kRates).right + button.width);
  // Enabling mirrors graying; a command no button has answers false or -1.
  EXPECT_EQ(send(tb::EnableButton, kRates, 1), 1);
  EXPECT_EQ(send(tb::IsButtonEnabled, kRates), 1);
  EXPECT_EQ(send(tb::EnableButton, 12345, 1), 0);
  EXPECT_EQ(send(tb::IsButtonEnabled, 12345), 0);
  EXPECT_EQ(send(tb::GetState, 12345), -1);
  EXPECT_EQ(send(tb::CommandToIndex, 12345), -1);
  EXPECT_EQ(send(tb::AddButtons, 0, 0), 0);
  EXPECT_EQ(send(tb::ButtonCount), 6);
}

TEST_F(Toolbars, ItSizesItselfOnItsParentsWidthAndTakesNoCaption) {
  const int height = tb::kDividerHeight + 2 * tb::kMargin + 16 + tb::kButtonPadding;
  EXPECT_EQ(WindowRectInParent(bar_), (Rect{0, 0, 400, height}));
  MoveWindow(parent_, {100, 100, 700, 300});
  EXPECT_EQ(WindowRectInParent(bar_).width(), 400);  // until it is asked
  send(tb::AutoSize);
  EXPECT_EQ(WindowRectInParent(bar_), (Rect{0, 0, 600, height}));
  // Asked again on every paint of its parent, it changes nothing and asks
  // for no paint.
  UpdateWindow(parent_);
  send(tb::AutoSize);
  EXPECT_FALSE(TreeNeedsPainting(parent_));
  // Made with a border and a dialog frame, as the rating screen's is: the
  // frame without a caption around the same client area.
  DestroyWindow(bar_);
  bar_ = makeToolbar(style::Border | style::DialogFrame | tb::Flat);
  EXPECT_EQ(WindowStyle(bar_) & style::Caption, style::DialogFrame);
  EXPECT_EQ(ClientRect(bar_).height(), height);
  EXPECT_EQ(WindowRectInParent(bar_).height(), height + 6);
}

TEST_F(Toolbars, TheButtonUnderTheMouseIsHotUntilTheMouseLeaves) {
  hover(centreOf(kPrint));
  EXPECT_EQ(send(tb::GetHotItem), send(tb::CommandToIndex, kPrint));
  hover(centreOf(kRates));  // disabled: never hot
  EXPECT_EQ(send(tb::GetHotItem), -1);
  hover(centreOf(kHelp));
  EXPECT_EQ(send(tb::GetHotItem), send(tb::CommandToIndex, kHelp));
  InjectMouseMove(ClientToScreen(parent_, {200, 150}));
  run();
  EXPECT_EQ(send(tb::GetHotItem), -1);
}

// ---- images

TEST_F(Toolbars, ImagesShowOnTheirButtonsAndAReplacedImageShowsOnceTheListIsSetAgain) {
  auto image = render();
  EXPECT_EQ(pixelAtCentreOf(*image, kPrint), kRed);
  EXPECT_EQ(pixelAtCentreOf(*image, kDiscounts), kGreen);
  EXPECT_EQ(pixelAtCentreOf(*image, kHelp), kYellow);
  ASSERT_TRUE(ReplaceImage(images_, 0, Solid(kBlue)));
  send(tb::SetImageList, 0, HandleToParam(images_));
  image = render();
  EXPECT_EQ(pixelAtCentreOf(*image, kPrint), kBlue);
  // A checked button's image moves one pixel down and right.
  send(tb::CheckButton, kDiscounts, 1);
  image = render();
  const Rect discounts = rectOf(kDiscounts);
  EXPECT_EQ(image->pixel(discounts.left + 3, discounts.top + 3), Sys(SystemColor::Light));
  EXPECT_EQ(image->pixel(discounts.left + 4, discounts.top + 4), kGreen);
}

TEST_F(Toolbars, ADisabledButtonShowsTheDisabledListsImageOrItsOwnGreyedOut) {
  // Without a disabled list: the blue image's ink in the shadow colour.
  auto image = render();
  EXPECT_EQ(pixelAtCentreOf(*image, kRates), Sys(SystemColor::ButtonShadow));
  const ImageListHandle disabled = CreateImageList({16, 16}, 4, 4);
  for (int i = 0; i < 3; ++i) AddImage(disabled, Solid(Rgb(150, 150, 150)));
  send(tb::SetDisabledImageList, 0, HandleToParam(disabled));
  image = render();
  EXPECT_EQ(pixelAtCentreOf(*image, kRates), Rgb(150, 150, 150));
  DestroyImageList(disabled);
}

TEST_F(Toolbars, ImageIndexesOutsideTheListDrawTheBareButton) {
  for (const int index : {-5, 4, 1000000}) {
    SCOPED_TRACE(index);
    DestroyWindow(bar_);
    bar_ = makeToolbar(tb::Flat);
    const tb::Button button{index, kPrint, tb::state::Enabled, tb::button_style::Button};
    send(tb::AddButtons, 1, reinterpret_cast<LParam>(&button));
    send(tb::SetImageList, 0, HandleToParam(images_));
    EXPECT_EQ(pixelAtCentreOf(*render(), kPrint), Sys(SystemColor::ButtonFace));
    send(tb::EnableButton, kPrint, 0);
    EXPECT_EQ(pixelAtCentreOf(*render(), kPrint), Sys(SystemColor::ButtonFace));
  }
}

TEST(ImageLists, GrowByTheirStepAndRefuseWhatIsOutsideThem) {
  const ImageListHandle list = CreateImageList({16, 16}, 2, 3);
  EXPECT_EQ(ImageCapacity(list), 2);
  std::vector<int> capacities;
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(AddImage(list, Solid(kRed)), i);
    capacities.push_back(ImageCapacity(list));
  }
  EXPECT_EQ(capacities, (std::vector<int>{2, 2, 5, 5, 5, 8}));
  EXPECT_EQ(ImageCount(list), 6);
  // Outside the list, or nothing to put in: refused, the list unchanged.
  EXPECT_FALSE(ReplaceImage(list, 6, Solid(kBlue)));
  EXPECT_FALSE(ReplaceImage(list, -1, Solid(kBlue)));
  EXPECT_FALSE(ReplaceImage(list, 0, Image{}));
  EXPECT_EQ(AddImage(list, Image{}), -1);
  EXPECT_EQ(ListImage(list, 6), nullptr);
  EXPECT_EQ(ListImage(list, 0)->at(0, 0), 0xFFC80000u);
  EXPECT_FALSE(DrawListImage(nullptr, list, 6, {0, 0}));
  // Another size is scaled to the list's: a 32-pixel image of four
  // quarters keeps them.
  Image quarters = Solid(kRed, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 16; x < 32; ++x) quarters.pixels[static_cast<std::size_t>(y * 32 + x)] = 0xFF0000C8u;
  ASSERT_TRUE(ReplaceImage(list, 1, quarters));
  const Image* scaled = ListImage(list, 1);
  ASSERT_NE(scaled, nullptr);
  EXPECT_EQ(scaled->size(), (Size{16, 16}));
  EXPECT_EQ(scaled->at(7, 3), 0xFFC80000u);
  EXPECT_EQ(scaled->at(8, 3), 0xFF0000C8u);
  // A destroyed list, and sizes that make none.
  EXPECT_TRUE(DestroyImageList(list));
  EXPECT_EQ(ImageCount(list), -1);
  EXPECT_EQ(AddImage(list, Solid(kRed)), -1);
  EXPECT_EQ(CreateImageList({0, 16}, 1, 1), nullptr);
}

// ---- tool tips

TEST_F(Toolbars, ATipShowsOnceTheMouseHasRestedForTheDelayWithTheTextItsOwnerGives) {
  ASSERT_NE(tip(), nullptr);
  EXPECT_EQ(OwnerWindow(tip()), parent_);
  hover(centreOf(kPrint));
  wait(tool_tip::kInitialDelay - 1);
  EXPECT_FALSE(IsWindowVisible(tip()));
  // A move on the button: the delay starts again.
  hover({centreOf(kPrint).x + 1, centreOf(kPrint).y});
  wait(tool_tip::kInitialDelay - 1);
  EXPECT_FALSE(IsWindowVisible(tip()));
  EXPECT_TRUE(asked_.empty());
  wait(1);
  ASSERT_TRUE(IsWindowVisible(tip()));
  EXPECT_EQ(asked_, (std::vector<int>{kPrint}));
  EXPECT_EQ(WindowText(tip()), "Print Shipment");  // '&' taken out
  // Below the cursor, never active, the focus where it was.
  const Point cursor = ClientToScreen(bar_, {centreOf(kPrint).x + 1, centreOf(kPrint).y});
  EXPECT_EQ(WindowRect(tip()).left, cursor.x);
  EXPECT_EQ(WindowRect(tip()).top, cursor.y + tool_tip::kCursorHeight);
  EXPECT_EQ(GetActiveWindow(), parent_);
  EXPECT_EQ(GetFocus(), field_);
}

TEST_F(Toolbars, TheTipHidesWhenTheMouseLeavesOrPressesAndStaysHiddenAfterAPress) {
  const auto shown = [&](Point at) {
    hover(at);
    wait(tool_tip::kInitialDelay);
    return IsWindowVisible(tip());
  };
  struct Case {
    const char* what;
    std::function<void()> act;
  };
  const Case cases[] = {
      {"onto the separator",
       [&] {
         hover({rectOf(kPrint).right + 2, centreOf(kPrint).y});
       }},
      {"onto another button", [&] { hover(centreOf(kHelp)); }},
      {"off the toolbar",
       [&] {
         InjectMouseMove(ClientToScreen(parent_, {200, 150}));
         run();
       }},
      {"a press",
       [&] {
         InjectMouseButton(MouseButton::Left, true, ClientToScreen(bar_, centreOf(kPrint)));
         run();
       }},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(shown(centreOf(kPrint))) << c.what;
    c.act();
    EXPECT_FALSE(IsWindowVisible(tip())) << c.what;
    InjectMouseButton(MouseButton::Left, false, CursorPosition());
    hover({0, 0});
  }
  // After a click the tip stays away while the mouse stays on the button.
  ASSERT_TRUE(shown(centreOf(kPrint)));
  InjectClick(bar_, centreOf(kPrint));
  run();
  wait(2 * tool_tip::kInitialDelay);
  hover({centreOf(kPrint).x - 1, centreOf(kPrint).y});
  wait(2 * tool_tip::kInitialDelay);
  EXPECT_FALSE(IsWindowVisible(tip()));
  // Over another button it comes back (an empty answer shows none).
  asked_.clear();
  EXPECT_FALSE(shown(centreOf(kHelp)));
  EXPECT_EQ(asked_, (std::vector<int>{kHelp}));
}

TEST_F(Toolbars, AnOwnersAnswerInTheBufferIsCutToItsSizeAndTheTipsToolsFollowTheButtons) {
  log().on("parent", msg::Notify, [](WindowHandle, WParam, LParam lParam) {
    auto* ask = reinterpret_cast<tool_tip::ToolTipText*>(lParam);
    std::fill(std::begin(ask->buffer), std::end(ask->buffer), 'x');  // no terminating zero given
    return LResult{0};
  });
  hover(centreOf(kHelp));
  wait(tool_tip::kInitialDelay);
  ASSERT_TRUE(IsWindowVisible(tip()));
  EXPECT_EQ(WindowText(tip()), std::string(79, 'x'));
  // One tool per command: Print, Discounts, Rates, Calculator, Help.
  EXPECT_EQ(SendMessage(tip(), tool_tip::GetToolCount), 5);
  tool_tip::Tool again{bar_, kHelp, {0, 0, 1, 1}, tool_tip::kTextCallback};
  EXPECT_EQ(SendMessage(tip(), tool_tip::AddTool, 0, reinterpret_cast<LParam>(&again)), 0);
  // Deleting the tool under the mouse hides its tip.
  SendMessage(tip(), tool_tip::DeleteTool, 0, reinterpret_cast<LParam>(&again));
  EXPECT_FALSE(IsWindowVisible(tip()));
  EXPECT_EQ(SendMessage(tip(), tool_tip::GetToolCount), 4);
  // The tip goes with the toolbar.
  const WindowHandle gone = tip();
  DestroyWindow(bar_);
  EXPECT_FALSE(IsWindow(gone));
}

}  // namespace
}  // namespace platform::ui
