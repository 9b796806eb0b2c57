// The "PropertySheet" class.
#include "platform/ui/controls/property_sheet.h"

#include <algorithm>
#include <optional>

#include "control.h"
#include "platform/ui/controls/tab_control.h"
#include "platform/ui/dialog.h"
#include "platform/ui/focus.h"
#include "platform/ui/gdi.h"
#include "platform/ui/keys.h"
#include "platform/ui/notify.h"

namespace platform::ui::detail {

namespace {

// What a page of the sheet keeps: its template (copied, so that the
// program's need not outlive the sheet) and, once made, its window.
struct SheetPage {
  DialogTemplate dialogTemplate;
  Window* object = nullptr;
  WindowHandle window = nullptr;
};

// The template's dialog as a page: a hidden, disabled child control
// parent without a frame, at the top-left corner. Disabled while it is
// made, so that its initialisation cannot take the focus.
DialogTemplate PageTemplate(DialogTemplate dialogTemplate) {
  constexpr StyleBits kFrame = style::Popup | style::Caption | style::ThickFrame | style::SystemMenu | style::Visible |
                               dialog_style::ModalFrame | dialog_style::Center;
  dialogTemplate.style = (dialogTemplate.style & ~kFrame) | style::Child | style::Disabled | dialog_style::Control;
  dialogTemplate.exStyle = (dialogTemplate.exStyle & ~exstyle::DialogModalFrame) | exstyle::ControlParent;
  dialogTemplate.rect = Rect::FromSize(0, 0, dialogTemplate.rect.width(), dialogTemplate.rect.height());
  return dialogTemplate;
}

class PropertySheet final : public Control {
 protected:
  LResult onNcCreate(const WindowCreation* creation) override;
  LResult onCreate() override;
  void onSetFont(FontHandle font) override {
    Control::onSetFont(font);
    SendMessage(tab_, msg::SetFont, message().wParam, message().lParam);
    layOut();
  }
  // Given the focus itself, the sheet passes it to its tab control.
  void onSetFocus(const FocusEvent&) override { SetFocus(tab_); }
  // Ctrl+Tab from anywhere inside comes here (dialog.h) and goes on to
  // the tab control, which changes the page.
  LResult onGetDialogCode(const Message* asked) override {
    if (asked != nullptr && asked->message == msg::KeyDown && asked->wParam == key::Tab && IsKeyDown(key::Control))
      return dialog_code::WantMessage;
    return defaultProcedure();
  }
  void onKeyDown(const KeyEvent& event) override {
    if (event.key == key::Tab && IsKeyDown(key::Control))
      forwardTo(tab_);
    else
      defaultProcedure();
  }

  std::optional<LResult> onControlMessage(MessageId message, WParam wParam, LParam lParam) override;

  void paint(const ControlPaint& paint) override { FillRect(paint.dc, paint.client, paint.background); }

 private:
  int count() const { return static_cast<int>(pages_.size()); }
  LResult tabNotice(const NotifyHeader& header);
  // Makes the page's window if need be; null when it cannot be made.
  WindowHandle pageWindow(int index);
  // Asks the page; true when it agrees.
  bool agrees(WindowHandle page, unsigned code);
  // Sets the page current once the old one agreed to go: the new one is
  // asked, then shown (see property_sheet.h).
  bool enter(int index);
  bool changeTo(int index);
  // The sheet as large as its largest page needs, the tab control filling
  // it, the pages in its display area.
  void layOut();
  Rect displayArea() const;

  std::vector<SheetPage> pages_;
  int startPage_ = 0;
  int current_ = -1;
  WindowHandle tab_ = nullptr;
};

LResult PropertySheet::onNcCreate(const WindowCreation* creation) {
  const auto* sheet = creation ? static_cast<const property_sheet::Sheet*>(creation->createParam) : nullptr;
  if (sheet == nullptr || sheet->pages.empty()) return 0;
  for (const property_sheet::Page& page : sheet->pages) {
    const DialogTemplate* found = page.dialogTemplate ? page.dialogTemplate : FindDialogTemplate(page.templateId);
    if (found == nullptr) return 0;
    pages_.push_back({PageTemplate(*found), page.object, nullptr});
    if (!page.title.empty()) pages_.back().dialogTemplate.caption = page.title;
  }
  startPage_ = std::clamp(sheet->startPage, 0, count() - 1);
  record().exStyle |= exstyle::ControlParent;
  return defaultProcedure();
}

LResult PropertySheet::onCreate() {
  const auto* sheet =
      static_cast<const property_sheet::Sheet*>(reinterpret_cast<const WindowCreation*>(message().lParam)->createParam);
  WindowCreation tab;
  tab.className = tab_control::kClassName;
  tab.style = style::Child | style::Visible | style::TabStop | sheet->tabStyle;
  tab.parent = window();
  tab.id = property_sheet::kTabControlId;
  tab_ = CreateWindow(tab);
  if (tab_ == nullptr) return -1;
  for (const SheetPage& page : pages_) {
    const tab_control::Item item{page.dialogTemplate.caption, 0};
    SendMessage(tab_, tab_control::InsertItem, static_cast<WParam>(count()), reinterpret_cast<LParam>(&item));
  }
  const WindowHandle parent = ParentWindow(window());
  const auto parentFont = static_cast<WParam>(SendMessage(parent, msg::GetFont));
  if (parentFont != 0) {
    Control::onSetFont(reinterpret_cast<FontHandle>(parentFont));
    SendMessage(tab_, msg::SetFont, parentFont);
  }
  layOut();
  // The start page, whatever its answer.
  SendMessage(tab_, tab_control::SetCurrentSelection, static_cast<WParam>(startPage_));
  const WindowHandle page = pageWindow(startPage_);
  if (page == nullptr || !alive()) return -1;
  current_ = startPage_;
  agrees(page, property_sheet::SetActive);
  if (alive() && IsWindow(page)) ShowWindow(page, ShowCommand::ShowNoActivate);
  return 0;
}

Rect PropertySheet::displayArea() const {
  Rect area = ClientRect(tab_);
  SendMessage(tab_, tab_control::AdjustRect, 0, reinterpret_cast<LParam>(&area));
  return area;
}

void PropertySheet::layOut() {
  Size largest;
  for (const SheetPage& page : pages_) {
    const Rect pixels = DialogUnitsToPixels(TemplateBaseUnits(page.dialogTemplate), page.dialogTemplate.rect);
    largest = {std::max(largest.width, pixels.width()), std::max(largest.height, pixels.height())};
  }
  Rect outer = Rect::FromSize(0, 0, largest.width, largest.height);
  SendMessage(tab_, tab_control::AdjustRect, 1, reinterpret_cast<LParam>(&outer));
  const Size client{outer.width(), outer.height()};
  MoveWindow(tab_, Rect::FromSize(0, 0, client.width, client.height));
  const Rect now = WindowRectInParent(window());
  const Rect inner = ClientRect(window());
  SetWindowPosition(window(), nullptr,
                    Rect::FromSize(now.left, now.top, now.width() - inner.width() + client.width,
                                   now.height() - inner.height() + client.height),
                    position::NoMove | position::NoZOrder | position::NoActivate);
  const Rect area = displayArea();
  for (const SheetPage& page : pages_)
    if (page.window != nullptr) MoveWindow(page.window, area);
}

WindowHandle PropertySheet::pageWindow(int index) {
  SheetPage& page = pages_[static_cast<std::size_t>(index)];
  if (page.window != nullptr) return page.window;
  const WindowHandle made = CreateDialogWindow(page.dialogTemplate, window(), page.object);
  if (!alive() || made == nullptr) return nullptr;
  pages_[static_cast<std::size_t>(index)].window = made;
  MoveWindow(made, displayArea());
  // In front of the tab control, so that it paints after the panel around
  // it; its controls come before the tab control in the tab order.
  SetWindowPosition(made, InsertAtTop, {}, position::NoMove | position::NoSize | position::NoActivate);
  EnableWindow(made, true);
  return made;
}

bool PropertySheet::agrees(WindowHandle page, unsigned code) {
  NotifyHeader header;
  return SendNotify(page, window(), code, header) == 0;
}

bool PropertySheet::enter(int index) {
  const int old = current_;
  const WindowHandle oldPage = old >= 0 ? pages_[static_cast<std::size_t>(old)].window : nullptr;
  const WindowHandle page = pageWindow(index);
  if (page == nullptr || !alive()) return false;
  if (!agrees(page, property_sheet::SetActive)) {
    if (!alive()) return false;
    if (oldPage != nullptr) agrees(oldPage, property_sheet::SetActive);
    if (alive()) SendMessage(tab_, tab_control::SetCurrentSelection, static_cast<WParam>(old));
    return false;
  }
  if (!alive()) return false;
  current_ = index;
  SendMessage(tab_, tab_control::SetCurrentSelection, static_cast<WParam>(index));
  const bool focusInOld = oldPage != nullptr && IsDescendant(oldPage, GetFocus());
  ShowWindow(page, ShowCommand::ShowNoActivate);
  if (focusInOld) {
    const WindowHandle first = NextDialogTabItem(page, nullptr, false);
    if (first != nullptr && IsDescendant(page, first))
      SetDialogFocus(first);
    else
      SetFocus(tab_);
  }
  if (oldPage != nullptr && oldPage != page && IsWindow(oldPage)) ShowWindow(oldPage, ShowCommand::Hide);
  return true;
}

bool PropertySheet::changeTo(int index) {
  if (index < 0 || index >= count()) return false;
  if (index == current_) return true;
  const WindowHandle oldPage = current_ >= 0 ? pages_[static_cast<std::size_t>(current_)].window : nullptr;
  if (oldPage != nullptr && (!agrees(oldPage, property_sheet::KillActive) || !alive())) return false;
  return enter(index);
}

LResult PropertySheet::tabNotice(const NotifyHeader& header) {
  switch (header.code) {
    case tab_control::SelectionChanging: {
      const WindowHandle oldPage = current_ >= 0 ? pages_[static_cast<std::size_t>(current_)].window : nullptr;
      return oldPage != nullptr && !agrees(oldPage, property_sheet::KillActive) ? 1 : 0;
    }
    case tab_control::SelectionChange: {
      const auto index = static_cast<int>(SendMessage(tab_, tab_control::GetCurrentSelection));
      if (index >= 0 && index != current_) enter(index);
      return 0;
    }
    default: return 0;
  }
}

std::optional<LResult> PropertySheet::onControlMessage(MessageId message, WParam wParam, LParam lParam) {
  const auto index = static_cast<int>(static_cast<LParam>(wParam));
  switch (message) {
    case msg::Notify:
      if (lParam != 0 && NotifyHeaderOf(lParam).from == tab_) return tabNotice(NotifyHeaderOf(lParam));
      return defaultProcedure();
    case property_sheet::SetCurrentPage: return changeTo(index) ? 1 : 0;
    case property_sheet::GetCurrentPage: return current_;
    case property_sheet::GetPageWindow:
      return index >= 0 && index < count() ? HandleToParam(pages_[static_cast<std::size_t>(index)].window) : 0;
    case property_sheet::GetPageCount: return count();
    case property_sheet::GetTabControl: return HandleToParam(tab_);
    default: return std::nullopt;
  }
}

}  // namespace

}  // namespace platform::ui::detail

namespace platform::ui::property_sheet {

const ControlDescriptor kDescriptor{
    .className = kClassName,
    .procedure = &detail::Control::ProcedureOf<detail::PropertySheet>,
    .classStyle = 0,
    .templateKinds = {},
    .styleWords = {},
};

WindowHandle Create(const Sheet& sheet) {
  if (!IsWindow(sheet.parent)) return nullptr;
  WindowCreation creation;
  creation.className = kClassName;
  creation.text = sheet.caption;
  creation.style = sheet.style | style::Child;
  creation.exStyle = sheet.exStyle;
  creation.rect = Rect::FromSize(sheet.position.x, sheet.position.y, 0, 0);
  creation.parent = sheet.parent;
  creation.id = sheet.id;
  creation.createParam = const_cast<Sheet*>(&sheet);
  return CreateWindow(creation);
}

}  // namespace platform::ui::property_sheet
