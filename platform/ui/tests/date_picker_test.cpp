// The date picker: its formats, editing field by field with the keys
// (refusals included), the drop-down calendar opened and closed by keys
// and clicks with the close-up notice, its focus and key notices, its date
// and range, and today from the backend's clock.
#include "platform/ui/controls/date_picker.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/controls/month_calendar.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/metrics.h"
#include "platform/ui/notify.h"
#include "platform/ui/paint.h"
#include "platform/ui/recording_surface.h"
#include "recording_window.h"

namespace platform::ui {
namespace {

constexpr int kDates = 130;
constexpr int kPicker = 501;
constexpr int kBefore = 502;
constexpr int kAfter = 503;
constexpr CalendarDate kToday{2026, 3, 5};  // a Thursday; March 2026 begins on a Sunday

class DatePickers : public testing::OpenDialogTest<> {
 protected:
  DatePickers() : OpenDialogTest(kDates) { backend_.setToday(kToday); }

  WindowHandle picker() { return item(kPicker); }
  LResult send(MessageId message, WParam wParam = 0, LParam lParam = 0) {
    return SendMessage(picker(), message, wParam, lParam);
  }
  CalendarDate date() {
    CalendarDate date;
    send(date_picker::GetDate, 0, reinterpret_cast<LParam>(&date));
    return date;
  }
  bool setDate(const CalendarDate& date) { return send(date_picker::SetDate, 0, reinterpret_cast<LParam>(&date)) != 0; }
  bool setRange(const CalendarDate& least, const CalendarDate& most) {
    const CalendarDate range[] = {least, most};
    return send(date_picker::SetRange, 0, reinterpret_cast<LParam>(range)) != 0;
  }
  void setFormat(const char* format) { send(date_picker::SetFormat, 0, reinterpret_cast<LParam>(format)); }
  WindowHandle calendar() { return reinterpret_cast<WindowHandle>(send(date_picker::GetCalendar)); }
  // The picker's text as painted.
  std::string shown() {
    RecordingSurface surface({200, 40});
    PaintWindowTree(picker(), surface);
    std::string text;
    for (const DrawCall& call : surface.texts()) text += call.text;
    return text;
  }
  void clickButton() {
    const Rect client = ClientRect(picker());
    InjectClick(picker(), {client.right - 10, client.height() / 2});
    run();
  }
  // A click on a day of the dropped calendar (the headless font's cells
  // are 22 by 16 pixels from 4, 43; the grid starts on the Sunday on or
  // before the month's first).
  void clickCalendarCell(int index) {
    InjectClick(calendar(), {4 + (index % 7) * 22 + 11, 43 + (index / 7) * 16 + 8});
    run();
  }
  std::vector<unsigned> codes() { return dialog_.codesFrom(kPicker); }
};

TEST_F(DatePickers, ShowTheirFormats) {
  struct Case {
    const char* format;
    const char* shown;
  };
  const Case cases[] = {
      {"MM'/'dd'/'yyy", "03/05/2026"},
      {nullptr, "3/5/2026"},  // the default
      {"dddd, MMMM d, yyyy", "Thursday, March 5, 2026"},
      {"ddd MMM dd yy", "Thu Mar 05 26"},
      {"'Date:' d'.'M'.'y", "Date: 5.3.6"},
      {"'it''s' dd''", "it's 05'"},
      {"dd 'unclosed MM", "05 unclosed MM"},
      {"ddddd MMMMM yyyyy", "Thursday March 2026"},
  };
  for (const Case& c : cases) {
    setFormat(c.format);
    EXPECT_EQ(shown(), c.shown) << (c.format ? c.format : "(default)");
  }
}

// Keys in the format "MM'/'dd'/'yyy" (the month selected first) from a
// start date, within the whole calendar or a range.
TEST_F(DatePickers, AreEditedFieldByFieldWithTheKeysAndRefuseImpossibleDates) {
  struct Range {
    CalendarDate least = kFirstDate;
    CalendarDate most = kLastDate;
  };
  const Range year2026{{2026, 1, 1}, {2026, 12, 31}};
  struct Case {
    const char* name;
    CalendarDate start;
    std::vector<VirtualKey> keys;
    CalendarDate expected;
    int beeps;
    Range range;
  };
  const Case cases[] = {
      {"month, day and year typed in turn", kToday, {'1', '2', '2', '5', '2', '0', '2', '7'}, {2027, 12, 25}, 0, {}},
      {"a month that takes no second digit moves on", kToday, {'4', '1', '7'}, {2026, 4, 17}, 0, {}},
      {"a thirteenth month is refused", kToday, {'1', '3'}, {2026, 1, 5}, 1, {}},
      {"the thirty-first of April is refused", {2026, 4, 5}, {key::Right, '3', '1'}, {2026, 4, 3}, 1, {}},
      {"a year beginning with 0 is refused", kToday, {key::End, '0'}, kToday, 1, {}},
      {"a typed month cuts the day", {2026, 1, 31}, {'2'}, {2026, 2, 28}, 0, {}},
      {"Up on the day wraps within the month", {2026, 3, 31}, {key::Right, key::Up}, {2026, 3, 1}, 0, {}},
      {"Down on the month cuts the day", {2026, 3, 31}, {key::Down}, {2026, 2, 28}, 0, {}},
      {"Down on January wraps to December", {2026, 1, 15}, {key::Down}, {2026, 12, 15}, 0, {}},
      {"a year up from a leap day", {2024, 2, 29}, {key::End, key::Up}, {2025, 2, 28}, 0, {}},
      {"Home goes back to the first field", kToday, {key::End, key::Home, key::Up}, {2026, 4, 5}, 0, {}},
      {"Left stops at the first field", kToday, {key::Left, key::Up}, {2026, 4, 5}, 0, {}},
      {"Right stops at the last field", kToday, {key::Right, key::Right, key::Right, key::Up}, {2027, 3, 5}, 0, {}},
      {"a partly typed field is dropped on leaving it",
       kToday,
       {key::End, '1', '9', key::Home, key::End, key::Up},
       {2027, 3, 5},
       0,
       {}},
      {"a year up past the range", kToday, {key::End, key::Up}, kToday, 1, year2026},
      {"a typed year past the range, then one within it",
       kToday,
       {key::End, '2', '0', '2', '7', '6'},
       kToday,
       1,
       year2026},
      {"a month down before the range", kToday, {key::Down}, kToday, 1, {{2026, 3, 1}, {2026, 12, 31}}},
      {"a typed day before the range",
       kToday,
       {key::Right, '0', '3', '6'},
       {2026, 3, 6},
       1,
       {{2026, 3, 4}, {2026, 3, 31}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    setFormat("MM'/'dd'/'yyy");
    ASSERT_TRUE(setRange(c.range.least, c.range.most));
    ASSERT_TRUE(setDate(c.start));
    SetFocus(item(kBefore));
    SetFocus(picker());  // the first field selected
    backend_.clearBeeps();
    for (VirtualKey key : c.keys) press(key);
    EXPECT_EQ(date(), c.expected);
    EXPECT_EQ(backend_.beeps().size(), static_cast<std::size_t>(c.beeps));
  }
}

TEST_F(DatePickers, DropACalendarThatKeysAndClicksCloseWithTheCloseUpNotice) {
  struct Case {
    const char* name;
    std::function<void()> open;
    std::function<void()> act;
    CalendarDate expected;
  };
  const auto key = [this](VirtualKey code, unsigned modifiers = modifier::None) {
    return [this, code, modifiers] { press(code, modifiers); };
  };
  const auto keys = [](std::vector<std::function<void()>> steps) {
    return [steps] {
      for (const auto& step : steps) step();
    };
  };
  const Case cases[] = {
      {"F4, two days on, Enter takes the day",
       key(key::F4),
       keys({key(key::Right), key(key::Right), key(key::Enter)}),
       {2026, 3, 7}},
      {"Alt+Down, a week on, Alt+Up takes the day",
       key(key::Down, modifier::Alt),
       keys({key(key::Down), key(key::Up, modifier::Alt)}),
       {2026, 3, 12}},
      {"a month on with PageDown, F4 takes the day",
       key(key::F4),
       keys({key(key::PageDown), key(key::F4)}),
       {2026, 4, 5}},
      {"Esc closes without taking the day", key(key::F4), keys({key(key::Left), key(key::Escape)}), kToday},
      {"the button opens, a click on the 20th takes it",
       [this] { clickButton(); },
       [this] { clickCalendarCell(19); },
       {2026, 3, 20}},
      {"a click on a day of the next month takes it", key(key::F4), [this] { clickCalendarCell(31); }, {2026, 4, 1}},
      {"a click elsewhere closes without taking the day", key(key::F4),
       keys({key(key::Right),
             [this] {
               // Right of the calendar, which hangs over the fields below.
               InjectClick(dialog_.handle(), {ClientRect(dialog_.handle()).right - 5, 5});
               run();
             }}),
       kToday},
      {"losing the focus closes without taking the day", key(key::F4),
       keys({key(key::Right), [this] { SetFocus(item(kAfter)); }}), kToday},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(setDate(kToday));
    SetFocus(picker());
    std::vector<CalendarDate> closedWith;
    dialog_.messageMap().onMessage(msg::Notify, [&](const Message& m) {
      if (NotifyHeaderOf(m.lParam).code == date_picker::CloseUp) closedWith.push_back(date());
      return LResult{0};
    });
    dialog_.clear();
    c.open();
    ASSERT_NE(calendar(), nullptr);
    CalendarDate selected;
    SendMessage(calendar(), month_calendar::GetSelection, 0, reinterpret_cast<LParam>(&selected));
    EXPECT_EQ(selected, kToday);
    c.act();
    EXPECT_EQ(calendar(), nullptr);
    EXPECT_EQ(date(), c.expected);
    // One close-up, after the date was taken.
    EXPECT_EQ(closedWith, std::vector<CalendarDate>{c.expected});
    dialog_.messageMap() = {};
  }
}

TEST_F(DatePickers, SelectTheFieldClickedOn) {
  setFormat("MM'/'dd'/'yyy");
  // The text starts 4 pixels in; 6-pixel characters: "03" "/" "05" "/" "2026".
  struct Case {
    int x;
    CalendarDate afterUp;
  };
  const Case cases[] = {{8, {2026, 4, 5}}, {28, {2026, 3, 6}}, {50, {2027, 3, 5}}, {20, {2027, 3, 5}}};
  for (const Case& c : cases) {
    setDate(kToday);
    InjectClick(picker(), {c.x, ClientRect(picker()).height() / 2});
    run();
    press(key::Up);
    EXPECT_EQ(date(), c.afterUp) << c.x;  // a click on a separator keeps the field (the year)
  }
}

TEST_F(DatePickers, TellTheirParentOfFocusAndKeys) {
  std::vector<date_picker::KeyDownNotice> keys;
  std::vector<std::string> fields;
  dialog_.messageMap().onMessage(msg::Notify, [&](const Message& m) {
    if (NotifyHeaderOf(m.lParam).code == date_picker::KeyDown) {
      keys.push_back(*reinterpret_cast<const date_picker::KeyDownNotice*>(m.lParam));
      fields.emplace_back(keys.back().field);
    }
    return LResult{0};
  });
  setFormat("MM'/'dd'/'yyy");
  SetFocus(item(kBefore));
  dialog_.clear();
  press(key::Tab);
  ASSERT_EQ(GetFocus(), picker());
  press(key::Right);
  press(key::Up);
  press(key::Tab);
  EXPECT_EQ(GetFocus(), item(kAfter));
  EXPECT_EQ(codes(), (std::vector<unsigned>{notify_code::SetFocus, date_picker::KeyDown, date_picker::KeyDown,
                                            notify_code::KillFocus}));
  // Each key is told before the picker acts on it.
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_EQ(keys[1].key, key::Up);
  EXPECT_EQ(fields, (std::vector<std::string>{"MM", "dd"}));
  EXPECT_EQ(keys[1].date, kToday);
  EXPECT_EQ(date(), (CalendarDate{2026, 3, 6}));
}

TEST_F(DatePickers, HoldTheirDateValidAndWithinTheirRange) {
  EXPECT_EQ(date(), kToday);  // today, from the backend's clock
  EXPECT_FALSE(setDate({2026, 2, 29}));
  EXPECT_FALSE(setDate({1600, 12, 31}));
  EXPECT_TRUE(setDate({2024, 2, 29}));
  EXPECT_TRUE(setRange({2025, 1, 1}, {2025, 6, 30}));
  EXPECT_EQ(date(), (CalendarDate{2025, 1, 1}));  // held within the new range
  EXPECT_FALSE(setDate({2025, 7, 1}));
  CalendarDate range[2];
  send(date_picker::GetRange, 0, reinterpret_cast<LParam>(range));
  EXPECT_EQ(range[1], (CalendarDate{2025, 6, 30}));
  EXPECT_FALSE(setRange({2025, 6, 30}, {2025, 1, 1}));
  EXPECT_FALSE(setRange({2025, 2, 30}, {2025, 3, 1}));
  EXPECT_TRUE(send(date_picker::SetRange, 0, 0));  // the whole calendar again
  EXPECT_TRUE(setDate({9999, 12, 31}));
  // A picker made on another day shows that day.
  backend_.setToday({2031, 7, 4});
  WindowCreation creation;
  creation.className = date_picker::kClassName;
  creation.style = style::Child | style::Visible;
  creation.rect = {0, 0, 100, 20};
  creation.parent = dialog_.handle();
  CalendarDate made;
  SendMessage(CreateWindow(creation), date_picker::GetDate, 0, reinterpret_cast<LParam>(&made));
  EXPECT_EQ(made, (CalendarDate{2031, 7, 4}));
}

TEST(CalendarDates, CountDaysWeekdaysAndMonthsAcrossTheCalendar) {
  struct Case {
    CalendarDate date;
    int days;
    CalendarDate later;
    int weekday;
  };
  const Case cases[] = {
      {{1601, 1, 1}, 0, {1601, 1, 1}, 1},    // a Monday
      {{2000, 2, 28}, 1, {2000, 2, 29}, 1},  // 2000 is a leap year
      {{1900, 2, 28}, 1, {1900, 3, 1}, 3},   // 1900 is not
      {{2026, 12, 31}, 1, {2027, 1, 1}, 4},   {{2026, 3, 5}, -64, {2025, 12, 31}, 4},
      {{9999, 12, 30}, 5, {9999, 12, 31}, 4},  // held at the last day
      {{1601, 1, 2}, -10, {1601, 1, 1}, 2},    // and at the first
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AddDays(c.date, c.days), c.later) << c.date.year << "-" << c.date.month << "-" << c.date.day;
    EXPECT_EQ(DayOfWeek(c.date), c.weekday) << c.date.year << "-" << c.date.month << "-" << c.date.day;
  }
  EXPECT_EQ(AddMonths({2026, 1, 31}, 1), (CalendarDate{2026, 2, 28}));
  EXPECT_EQ(AddMonths({2026, 1, 31}, -13), (CalendarDate{2024, 12, 31}));
  EXPECT_EQ(AddMonths({9999, 11, 5}, 3), kLastDate);
}

}  // namespace
}  // namespace platform::ui
