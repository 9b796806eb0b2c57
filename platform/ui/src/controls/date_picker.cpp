// The "DatePicker" class.
#include "platform/ui/controls/date_picker.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "control.h"
#include "date_format.h"
#include "month_calendar_internal.h"
#include "platform/ui/backend.h"
#include "platform/ui/controls/month_calendar.h"
#include "platform/ui/focus.h"
#include "platform/ui/font.h"
#include "platform/ui/gdi.h"
#include "platform/ui/metrics.h"
#include "platform/ui/style_painter.h"

namespace platform::ui::detail {

namespace {

// The text's inset from the field's sunken edge.
constexpr int kTextInset = 2;

int PowerOfTen(int exponent) {
  int value = 1;
  while (exponent-- > 0) value *= 10;
  return value;
}

class DatePicker final : public Control {
 protected:
  LResult onCreate() override {
    setFormat(date_picker::kDefaultFormat);
    date_ = ClampDate(Today(), least_, most_);
    return defaultProcedure();
  }
  void onDestroy() override {
    if (IsWindow(calendar_)) DestroyWindow(calendar_);
    defaultProcedure();
  }
  void onEnable(bool enabled) override {
    if (!enabled) closeUp(false);
  }

  // ---- the dialog manager: the open calendar takes every key
  LResult onGetDialogCode(const Message*) override {
    return calendar_ != nullptr ? dialog_code::WantMessage : (dialog_code::WantArrows | dialog_code::WantChars);
  }

  // ---- focus, keys, the mouse
  void onSetFocus(const FocusEvent&) override {
    if (field_ < 0) field_ = firstField();
    NotifyParentOf(window(), notify_code::SetFocus);
  }
  void onKillFocus(const FocusEvent&) override;
  void onKeyDown(const KeyEvent& event) override;
  // Alt with Down or Up opens and closes the calendar.
  void onSysKeyDown(const KeyEvent& event) override;
  void onChar(const CharEvent& event) override;
  void onLeftButtonDown(const MouseEvent& event) override;

  std::optional<LResult> onControlMessage(MessageId message, WParam wParam, LParam lParam) override;

  void paint(const ControlPaint& paint) override;
  bool changesLook(MessageId message) const override {
    return message == date_picker::SetDate || message == date_picker::SetRange || message == date_picker::SetFormat ||
           message == msg::Notify;
  }

 private:
  bool inRange(const CalendarDate& date) const { return IsValidDate(date) && !(date < least_) && !(most_ < date); }
  void setFormat(std::string_view format);
  int firstField() const;
  int lastField() const;
  int nextField(int from, int step) const;
  void selectField(int index);
  // The date with the field set to the number (the day cut to the month's
  // length when the month or year changes); nothing when impossible.
  std::optional<CalendarDate> withField(const DateElement& element, int number) const;
  bool accepts(const DateElement& element, int number) const {
    const auto date = withField(element, number);
    return date && inRange(*date);
  }
  void typeDigit(int digit);
  void step(int delta);
  // Where each element's text starts and ends, in client coordinates.
  std::vector<std::pair<int, int>> elementSpans(DcHandle dc) const;
  Rect buttonRect() const;

  void drop();
  void closeUp(bool take);
  bool calendarKey(VirtualKey code);

  std::string format_;
  std::vector<DateElement> elements_;
  CalendarDate date_;
  CalendarDate least_ = kFirstDate;
  CalendarDate most_ = kLastDate;
  int field_ = -1;                   // the selected element
  std::string typed_;                // digits typed into the selected field so far
  bool typedShown_ = false;          // the field shows the digits: they do not stand alone yet
  WindowHandle calendar_ = nullptr;  // while dropped
};

// ---- the format and its fields

void DatePicker::setFormat(std::string_view format) {
  format_ = std::string(format);
  elements_ = ParseDateFormat(format_);
  typed_.clear();
  typedShown_ = false;
  field_ = GetFocus() == window() ? firstField() : -1;
}

int DatePicker::firstField() const { return nextField(-1, 1); }
int DatePicker::lastField() const { return nextField(static_cast<int>(elements_.size()), -1); }

int DatePicker::nextField(int from, int step) const {
  for (int i = from + step; i >= 0 && i < static_cast<int>(elements_.size()); i += step)
    if (IsDateField(elements_[static_cast<std::size_t>(i)].part)) return i;
  return -1;
}

void DatePicker::selectField(int index) {
  typed_.clear();
  typedShown_ = false;
  if (index >= 0) field_ = index;
  invalidate();
}

std::optional<CalendarDate> DatePicker::withField(const DateElement& element, int number) const {
  CalendarDate date = date_;
  switch (element.part) {
    case DatePart::Day: date.day = number; break;
    case DatePart::Month:
    case DatePart::MonthName:
      if (number < 1 || number > 12) return std::nullopt;
      date.month = number;
      break;
    case DatePart::ShortYear: {
      const int unit = PowerOfTen(static_cast<int>(element.text.size()));
      date.year = date_.year - date_.year % unit + number;
      break;
    }
    case DatePart::Year: date.year = number; break;
    default: return std::nullopt;
  }
  if (element.part != DatePart::Day && date.year >= kFirstDate.year && date.year <= kLastDate.year)
    date.day = std::min(date.day, DaysInMonth(date.year, date.month));
  if (!IsValidDate(date)) return std::nullopt;
  return date;
}

// A digit goes on the digits typed so far. It is refused when no number
// they could begin is allowed; the number is taken as soon as it is
// allowed (a day or month at once, a year when all its digits are in);
// the next field follows when no digit could be added.
void DatePicker::typeDigit(int digit) {
  if (field_ < 0) return;
  const DateElement& element = elements_[static_cast<std::size_t>(field_)];
  const int digits = FieldDigits(element);
  const std::string next = typed_ + static_cast<char>('0' + digit);
  const int count = static_cast<int>(next.size());
  const int prefix = std::stoi(next);
  bool canGrow = false;
  if (count < digits) {
    const int scale = PowerOfTen(digits - count);
    for (int number = prefix * scale; number < (prefix + 1) * scale && !canGrow; ++number)
      canGrow = accepts(element, number);
  }
  const bool standsAlone =
      (count == digits || (element.part != DatePart::Year && element.part != DatePart::ShortYear)) &&
      accepts(element, prefix);
  if (!canGrow && !standsAlone) {
    MessageBeep(0);
    return;
  }
  if (standsAlone) date_ = *withField(element, prefix);
  if (canGrow) {
    typed_ = next;
    typedShown_ = !standsAlone;
    invalidate();
    return;
  }
  const int after = nextField(field_, 1);
  selectField(after >= 0 ? after : field_);
}

void DatePicker::step(int delta) {
  if (field_ < 0) return;
  const DateElement& element = elements_[static_cast<std::size_t>(field_)];
  std::optional<CalendarDate> date;
  switch (element.part) {
    case DatePart::Day: {
      const int length = DaysInMonth(date_.year, date_.month);
      date = withField(element, (date_.day - 1 + delta + length) % length + 1);
      break;
    }
    case DatePart::Month:
    case DatePart::MonthName: date = withField(element, (date_.month - 1 + delta + 12) % 12 + 1); break;
    default: {
      CalendarDate moved = date_;
      moved.year += delta;
      if (moved.year >= kFirstDate.year && moved.year <= kLastDate.year) {
        moved.day = std::min(moved.day, DaysInMonth(moved.year, moved.month));
        date = moved;
      }
      break;
    }
  }
  if (!date || !inRange(*date)) {
    MessageBeep(0);
    return;
  }
  date_ = *date;
  selectField(field_);
}

// ---- focus, keys, the mouse

void DatePicker::onKillFocus(const FocusEvent&) {
  const WindowHandle focus = GetFocus();
  if (focus == window() || (calendar_ != nullptr && focus == calendar_)) return;
  closeUp(false);
  if (!alive()) return;
  selectField(-1);
  NotifyParentOf(window(), notify_code::KillFocus);
}

bool DatePicker::calendarKey(VirtualKey code) {
  switch (code) {
    case key::Enter:
    case key::F4: closeUp(true); return true;
    case key::Escape: closeUp(false); return true;
    case key::Left:
    case key::Right:
    case key::Up:
    case key::Down:
    case key::PageUp:
    case key::PageDown:
    case key::Home:
    case key::End: SendMessage(calendar_, msg::KeyDown, code); return true;
    default: return false;
  }
}

void DatePicker::onKeyDown(const KeyEvent& event) {
  date_picker::KeyDownNotice notice;
  notice.key = event.key;
  notice.field = field_ >= 0 ? std::string_view(elements_[static_cast<std::size_t>(field_)].text) : std::string_view();
  notice.date = date_;
  NotifyParentOf(window(), date_picker::KeyDown, notice.header);
  if (!alive()) return;
  if (calendar_ != nullptr) {
    if (!calendarKey(event.key)) defaultProcedure();
    return;
  }
  switch (event.key) {
    case key::F4: drop(); break;
    case key::Left: selectField(nextField(field_, -1)); break;
    case key::Right: selectField(nextField(field_, 1)); break;
    case key::Home: selectField(firstField()); break;
    case key::End: selectField(lastField()); break;
    case key::Up: step(1); break;
    case key::Down: step(-1); break;
    default: defaultProcedure(); break;
  }
}

void DatePicker::onSysKeyDown(const KeyEvent& event) {
  if (event.key != key::Down && event.key != key::Up) {
    defaultProcedure();
    return;
  }
  if (calendar_ != nullptr)
    closeUp(true);
  else
    drop();
}

void DatePicker::onChar(const CharEvent& event) {
  if (calendar_ != nullptr) return;
  if (event.character >= '0' && event.character <= '9') typeDigit(static_cast<int>(event.character - '0'));
}

void DatePicker::onLeftButtonDown(const MouseEvent& event) {
  if (GetFocus() != window()) {
    SetFocus(window());
    if (!alive() || GetFocus() != window()) return;
  }
  if (buttonRect().contains(event.point)) {
    drop();
    return;
  }
  const DcHandle dc = GetDC(window());
  SelectFont(dc, font() ? font() : DefaultGuiFont());
  const auto spans = elementSpans(dc);
  ReleaseDC(window(), dc);
  for (std::size_t i = 0; i < spans.size(); ++i)
    if (IsDateField(elements_[i].part) && event.point.x >= spans[i].first && event.point.x < spans[i].second)
      selectField(static_cast<int>(i));
}

// ---- the calendar

void DatePicker::drop() {
  if (calendar_ != nullptr) return;
  WindowCreation creation;
  creation.className = month_calendar::kClassName;
  creation.style = style::Popup | style::Border;
  creation.parent = window();
  calendar_ = CreateWindow(creation);
  if (calendar_ == nullptr || !alive()) return;
  AttachCalendarToPicker(calendar_, window());
  SendMessage(calendar_, msg::SetFont, reinterpret_cast<WParam>(font()));
  const CalendarDate range[] = {least_, most_};
  SendMessage(calendar_, month_calendar::SetRange, 0, reinterpret_cast<LParam>(range));
  SendMessage(calendar_, month_calendar::SetSelection, 0, reinterpret_cast<LParam>(&date_));
  const auto size = static_cast<WParam>(SendMessage(calendar_, month_calendar::GetMinimumSize));
  const Rect field = WindowRect(window());
  SetWindowPosition(
      calendar_, InsertAtTop,
      Rect::FromSize(field.left, field.bottom, static_cast<int>(LowWord(size)), static_cast<int>(HighWord(size))),
      position::NoActivate);
  ShowWindow(calendar_, ShowCommand::ShowNoActivate);
  SetCapture(calendar_);
  selectField(field_);
}

void DatePicker::closeUp(bool take) {
  if (calendar_ == nullptr) return;
  const WindowHandle calendar = std::exchange(calendar_, nullptr);
  if (take) {
    CalendarDate chosen = date_;
    SendMessage(calendar, month_calendar::GetSelection, 0, reinterpret_cast<LParam>(&chosen));
    if (inRange(chosen)) date_ = chosen;
  }
  if (GetCapture() == calendar) ReleaseCapture();
  DestroyWindow(calendar);
  invalidate();
  if (alive()) NotifyParentOf(window(), date_picker::CloseUp);
}

// ---- the messages

std::optional<LResult> DatePicker::onControlMessage(MessageId message, WParam, LParam lParam) {
  switch (message) {
    case msg::Notify: {
      // From the dropped calendar: a day chosen, or a press elsewhere.
      if (lParam == 0 || calendar_ == nullptr || NotifyHeaderOf(lParam).from != calendar_) return 0;
      const unsigned code = NotifyHeaderOf(lParam).code;
      if (code == month_calendar::Select) closeUp(true);
      if (code == kCalendarCancelled) closeUp(false);
      return 0;
    }
    case date_picker::GetDate:
      if (lParam != 0) *reinterpret_cast<CalendarDate*>(lParam) = date_;
      return 0;
    case date_picker::SetDate: {
      if (lParam == 0 || !inRange(*reinterpret_cast<const CalendarDate*>(lParam))) return 0;
      date_ = *reinterpret_cast<const CalendarDate*>(lParam);
      selectField(field_);
      return 1;
    }
    case date_picker::GetRange:
      if (lParam != 0) {
        auto* range = reinterpret_cast<CalendarDate*>(lParam);
        range[0] = least_;
        range[1] = most_;
      }
      return 1;
    case date_picker::SetRange: {
      const auto* range = reinterpret_cast<const CalendarDate*>(lParam);
      const CalendarDate least = range ? range[0] : kFirstDate;
      const CalendarDate most = range ? range[1] : kLastDate;
      if (!IsValidDate(least) || !IsValidDate(most) || most < least) return 0;
      least_ = least;
      most_ = most;
      date_ = ClampDate(date_, least_, most_);
      selectField(field_);
      return 1;
    }
    case date_picker::SetFormat:
      setFormat(lParam != 0 ? std::string_view(reinterpret_cast<const char*>(lParam)) : date_picker::kDefaultFormat);
      return 1;
    case date_picker::GetCalendar: return HandleToParam(calendar_);
    default: return std::nullopt;
  }
}

// ---- painting

Rect DatePicker::buttonRect() const {
  const Rect client = ClientRect(window());
  const int width = GetSystemMetric(SystemMetric::VerticalScrollWidth);
  return {client.right - 2 - width, client.top + 2, client.right - 2, client.bottom - 2};
}

std::vector<std::pair<int, int>> DatePicker::elementSpans(DcHandle dc) const {
  std::vector<std::pair<int, int>> spans;
  int x = kTextInset + 2;
  for (std::size_t i = 0; i < elements_.size(); ++i) {
    const std::string text = static_cast<int>(i) == field_ && typedShown_ ? typed_ : ElementText(elements_[i], date_);
    const int width = GetTextExtent(dc, text).width;
    spans.emplace_back(x, x + width);
    x += width;
  }
  return spans;
}

// A sunken field with the date, its selected field highlighted while the
// picker has the focus, and the drop button at the right.
void DatePicker::paint(const ControlPaint& paint) {
  const Rect inside = StylePainter::PaintEdge(paint.dc, paint.client, StylePainter::Edge::Sunken);
  FillRect(paint.dc, inside, paint.background);
  StylePainter::PaintArrowButton(paint.dc, buttonRect(), StylePainter::Arrow::Down, calendar_ != nullptr,
                                 paint.enabled);
  const bool focused = GetFocus() == window();
  const int height = GetTextMetrics(paint.dc).height;
  const int top = inside.top + (inside.height() - height) / 2;
  IntersectClip(paint.dc, {inside.left, inside.top, buttonRect().left, inside.bottom});
  SetBackgroundMode(paint.dc, BackgroundMode::Transparent);
  const ColorRef text = paint.enabled ? TextColorOf(paint.dc) : GetSystemColor(SystemColor::GrayText);
  const auto spans = elementSpans(paint.dc);
  for (std::size_t i = 0; i < elements_.size(); ++i) {
    const bool selected = focused && static_cast<int>(i) == field_;
    const std::string shown = selected && typedShown_ ? typed_ : ElementText(elements_[i], date_);
    if (selected)
      FillSolidRect(paint.dc, {spans[i].first, top, spans[i].second, top + height},
                    GetSystemColor(SystemColor::Highlight));
    SetTextColor(paint.dc, selected ? GetSystemColor(SystemColor::HighlightText) : text);
    TextOut(paint.dc, spans[i].first, top, shown);
  }
}

MessageId DatePickerControlColor(StyleBits style, bool enabled) {
  return enabled && !(style & style::Disabled) ? msg::CtlColorEdit : msg::CtlColorStatic;
}

}  // namespace

}  // namespace platform::ui::detail

namespace platform::ui::date_picker {

const ControlDescriptor kDescriptor{
    .className = kClassName,
    .procedure = &detail::Control::ProcedureOf<detail::DatePicker>,
    .classStyle = class_style::DoubleClicks,
    .templateKinds = kTemplateKinds,
    .styleWords = {},
    .controlColor = &detail::DatePickerControlColor,
};

}  // namespace platform::ui::date_picker
