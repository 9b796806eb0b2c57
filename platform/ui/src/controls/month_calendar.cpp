// The "MonthCalendar" class.
#include "platform/ui/controls/month_calendar.h"

#include <algorithm>
#include <string>

#include "control.h"
#include "month_calendar_internal.h"
#include "platform/ui/backend.h"
#include "platform/ui/focus.h"
#include "platform/ui/font.h"
#include "platform/ui/gdi.h"
#include "platform/ui/keys.h"
#include "platform/ui/style_painter.h"

namespace platform::ui::detail {

namespace {

constexpr int kMargin = 4;
constexpr int kWeeks = 6;

// Where the parts lie, from the font: cells three characters wide, the
// whole centred in the client area.
struct CalendarLayout {
  Size cell;
  Rect title;
  Rect previous;
  Rect next;
  Rect weekdays;
  Rect grid;
  Rect todayLine;
  Size whole;

  Rect cellRect(int index) const {
    return Rect::FromSize(grid.left + (index % 7) * cell.width, grid.top + (index / 7) * cell.height, cell.width,
                          cell.height);
  }
};

CalendarLayout LayoutFor(FontHandle font, const Rect& client) {
  const FontMetrics metrics = MeasureFont(font);
  CalendarLayout layout;
  layout.cell = {3 * metrics.averageCharWidth + 4, metrics.height + 3};
  const int titleHeight = metrics.height + 8;
  const int rowHeight = metrics.height + 2;
  const int todayHeight = metrics.height + 6;
  const int width = 7 * layout.cell.width;
  layout.whole = {width + 2 * kMargin,
                  2 * kMargin + titleHeight + 2 + rowHeight + 1 + kWeeks * layout.cell.height + 2 + todayHeight};
  const int left = client.left + std::max(0, (client.width() - layout.whole.width) / 2) + kMargin;
  int top = client.top + std::max(0, (client.height() - layout.whole.height) / 2) + kMargin;
  layout.title = Rect::FromSize(left, top, width, titleHeight);
  const int button = titleHeight - 4;
  layout.previous = Rect::FromSize(left + 2, top + 2, button, button);
  layout.next = Rect::FromSize(left + width - 2 - button, top + 2, button, button);
  top += titleHeight + 2;
  layout.weekdays = Rect::FromSize(left, top, width, rowHeight);
  top += rowHeight + 1;
  layout.grid = Rect::FromSize(left, top, width, kWeeks * layout.cell.height);
  top += layout.grid.height() + 2;
  layout.todayLine = Rect::FromSize(left, top, width, todayHeight);
  return layout;
}

// The day in the grid's first cell: the Sunday on or before the first.
CalendarDate FirstShownDay(int year, int month) {
  const CalendarDate first{year, month, 1};
  return AddDays(first, -DayOfWeek(first));
}

std::string ShortDateText(const CalendarDate& date) {
  return std::to_string(date.month) + "/" + std::to_string(date.day) + "/" + std::to_string(date.year);
}

class MonthCalendar final : public Control {
 public:
  void attachToPicker(WindowHandle picker) { picker_ = picker; }

 protected:
  LResult onCreate() override {
    selection_ = ClampDate(Today(), least_, most_);
    showMonthOf(selection_);
    return defaultProcedure();
  }
  LResult onGetDialogCode(const Message*) override { return dialog_code::WantArrows; }
  LResult onMouseActivate(const MouseActivateEvent&) override {
    return picker_ != nullptr ? mouse_activate::NoActivate : defaultProcedure();
  }
  void onKeyDown(const KeyEvent& event) override;
  void onLeftButtonDown(const MouseEvent& event) override;

  std::optional<LResult> onControlMessage(MessageId message, WParam wParam, LParam lParam) override;

  void paint(const ControlPaint& paint) override;
  bool changesLook(MessageId message) const override {
    return message == month_calendar::SetSelection || message == month_calendar::SetRange;
  }

 private:
  CalendarLayout layout() const { return LayoutFor(font() ? font() : DefaultGuiFont(), ClientRect(window())); }
  void showMonthOf(const CalendarDate& date) {
    shownYear_ = date.year;
    shownMonth_ = date.month;
  }
  bool inRange(const CalendarDate& date) const { return !(date < least_) && !(most_ < date); }
  // The user's selection; false (a beep) for a day outside the range.
  bool select(const CalendarDate& date, bool chosen);
  void notify(unsigned code);

  CalendarDate selection_;
  CalendarDate least_ = kFirstDate;
  CalendarDate most_ = kLastDate;
  int shownYear_ = kFirstDate.year;
  int shownMonth_ = 1;
  WindowHandle picker_ = nullptr;  // the date picker this is the drop-down of
};

void MonthCalendar::notify(unsigned code) {
  month_calendar::Notice notice;
  notice.date = selection_;
  const WindowHandle to = picker_ != nullptr ? picker_ : ParentWindow(window());
  if (to != nullptr) SendNotify(to, window(), code, notice.header);
}

bool MonthCalendar::select(const CalendarDate& date, bool chosen) {
  if (!IsValidDate(date) || !inRange(date)) {
    MessageBeep(0);
    return false;
  }
  const bool changed = date != selection_;
  selection_ = date;
  showMonthOf(date);
  invalidate();
  if (changed) notify(month_calendar::SelectionChange);
  if (chosen && alive()) notify(month_calendar::Select);
  return true;
}

void MonthCalendar::onKeyDown(const KeyEvent& event) {
  CalendarDate to = selection_;
  switch (event.key) {
    case key::Left: to = AddDays(selection_, -1); break;
    case key::Right: to = AddDays(selection_, 1); break;
    case key::Up: to = AddDays(selection_, -7); break;
    case key::Down: to = AddDays(selection_, 7); break;
    case key::PageUp: to = AddMonths(selection_, -1); break;
    case key::PageDown: to = AddMonths(selection_, 1); break;
    case key::Home: to.day = 1; break;
    case key::End: to.day = DaysInMonth(to.year, to.month); break;
    default: defaultProcedure(); return;
  }
  if (to != selection_) select(to, false);
}

void MonthCalendar::onLeftButtonDown(const MouseEvent& event) {
  if (picker_ != nullptr && !ClientRect(window()).contains(event.point)) {
    NotifyHeader header;
    SendNotify(picker_, window(), kCalendarCancelled, header);
    return;
  }
  if (picker_ == nullptr && GetFocus() != window()) {
    SetFocus(window());
    if (!alive()) return;
  }
  const CalendarLayout parts = layout();
  const CalendarDate shown{shownYear_, shownMonth_, 1};
  if (parts.previous.contains(event.point) || parts.next.contains(event.point)) {
    const CalendarDate month = AddMonths(shown, parts.previous.contains(event.point) ? -1 : 1);
    showMonthOf(month);
    invalidate();
    return;
  }
  if (parts.todayLine.contains(event.point)) {
    select(Today(), true);
    return;
  }
  if (!parts.grid.contains(event.point)) return;
  const int column = (event.point.x - parts.grid.left) / parts.cell.width;
  const int row = (event.point.y - parts.grid.top) / parts.cell.height;
  select(AddDays(FirstShownDay(shownYear_, shownMonth_), row * 7 + column), true);
}

std::optional<LResult> MonthCalendar::onControlMessage(MessageId message, WParam, LParam lParam) {
  switch (message) {
    case month_calendar::GetSelection:
      if (lParam != 0) *reinterpret_cast<CalendarDate*>(lParam) = selection_;
      return 1;
    case month_calendar::SetSelection: {
      if (lParam == 0) return 0;
      const CalendarDate date = *reinterpret_cast<const CalendarDate*>(lParam);
      if (!IsValidDate(date) || !inRange(date)) return 0;
      selection_ = date;
      showMonthOf(date);
      return 1;
    }
    case month_calendar::SetRange: {
      const auto* range = reinterpret_cast<const CalendarDate*>(lParam);
      least_ = range ? range[0] : kFirstDate;
      most_ = range ? range[1] : kLastDate;
      if (!IsValidDate(least_) || !IsValidDate(most_) || most_ < least_) {
        least_ = kFirstDate;
        most_ = kLastDate;
        return 0;
      }
      selection_ = ClampDate(selection_, least_, most_);
      showMonthOf(selection_);
      return 1;
    }
    case month_calendar::GetMinimumSize: {
      const Size whole = layout().whole;
      const Rect outer = WindowRect(window());
      const Rect inner = ClientRect(window());
      return static_cast<LResult>(MakeLong(static_cast<unsigned>(whole.width + outer.width() - inner.width()),
                                           static_cast<unsigned>(whole.height + outer.height() - inner.height())));
    }
    case month_calendar::GetShownMonth:
      return static_cast<LResult>(MakeLong(static_cast<unsigned>(shownMonth_), static_cast<unsigned>(shownYear_)));
    default: return std::nullopt;
  }
}

void MonthCalendar::paint(const ControlPaint& paint) {
  FillSolidRect(paint.dc, paint.client, GetSystemColor(SystemColor::Window));
  const CalendarLayout parts = layout();
  const std::string title =
      std::string(month_calendar::kMonthNames[shownMonth_ - 1]) + " " + std::to_string(shownYear_);
  StylePainter::PaintCalendarTitle(paint.dc, parts.title, title, parts.previous, parts.next);

  SetBackgroundMode(paint.dc, BackgroundMode::Transparent);
  SetTextColor(paint.dc, GetSystemColor(SystemColor::WindowText));
  for (int day = 0; day < 7; ++day) {
    Rect place{parts.cellRect(day).left, parts.weekdays.top, parts.cellRect(day).right, parts.weekdays.bottom};
    DrawText(paint.dc, std::string(month_calendar::kDayNames[day]).substr(0, 2), place,
             draw_text::SingleLine | draw_text::Center | draw_text::VerticalCenter);
  }
  FillSolidRect(paint.dc, {parts.weekdays.left, parts.weekdays.bottom, parts.weekdays.right, parts.weekdays.bottom + 1},
                GetSystemColor(SystemColor::ButtonShadow));

  const CalendarDate today = Today();
  const bool focused = GetFocus() == window() || (picker_ != nullptr && GetFocus() == picker_);
  CalendarDate day = FirstShownDay(shownYear_, shownMonth_);
  for (int index = 0; index < 7 * kWeeks; ++index, day = AddDays(day, 1)) {
    StylePainter::CalendarDay look;
    look.selected = day == selection_;
    look.focused = focused;
    look.dim = day.month != shownMonth_ || !inRange(day);
    look.today = day == today;
    StylePainter::PaintCalendarDay(paint.dc, parts.cellRect(index), std::to_string(day.day), look);
  }

  FillSolidRect(paint.dc,
                {parts.todayLine.left, parts.todayLine.top - 2, parts.todayLine.right, parts.todayLine.top - 1},
                GetSystemColor(SystemColor::ButtonShadow));
  SetTextColor(paint.dc, GetSystemColor(SystemColor::WindowText));
  Rect place = parts.todayLine;
  DrawText(paint.dc, "Today: " + ShortDateText(today), place,
           draw_text::SingleLine | draw_text::Center | draw_text::VerticalCenter);
}

}  // namespace

void AttachCalendarToPicker(WindowHandle calendar, WindowHandle picker) {
  if (auto* state = StateOf<MonthCalendar>(calendar)) state->attachToPicker(picker);
}

}  // namespace platform::ui::detail

namespace platform::ui::month_calendar {

const ControlDescriptor kDescriptor{
    .className = kClassName,
    .procedure = &detail::Control::ProcedureOf<detail::MonthCalendar>,
    .classStyle = 0,
    .templateKinds = kTemplateKinds,
    .styleWords = {},
};

}  // namespace platform::ui::month_calendar
