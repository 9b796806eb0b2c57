// Window classes, creation and destruction, properties, the tree and
// placement.
#include "platform/ui/window.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/ui/focus.h"
#include "platform/ui/messages.h"
#include "platform/ui/paint.h"
#include "windows/window_system.h"

namespace platform::ui {

using detail::ClassRecord;
using detail::Find;
using detail::WindowRecord;
using detail::WindowSystem;

// ---- classes

bool RegisterWindowClass(const WindowClass& windowClass) {
  WindowSystem& system = WindowSystem::Get();
  if (windowClass.name.empty() || windowClass.procedure == nullptr || windowClass.extraBytes < 0) return false;
  if (system.findClass(windowClass.name) != nullptr) return false;
  auto record = std::make_unique<ClassRecord>();
  record->windowClass = windowClass;
  system.classes.push_back(std::move(record));
  return true;
}

bool UnregisterWindowClass(std::string_view name) {
  WindowSystem& system = WindowSystem::Get();
  for (auto it = system.classes.begin(); it != system.classes.end(); ++it) {
    if (!detail::EqualsIgnoringCase((*it)->windowClass.name, name)) continue;
    if ((*it)->liveWindows > 0) return false;
    system.classes.erase(it);
    return true;
  }
  return false;
}

const WindowClass* FindWindowClass(std::string_view name) {
  ClassRecord* record = WindowSystem::Get().findClass(name);
  return record ? &record->windowClass : nullptr;
}

std::string WindowClassName(WindowHandle window) {
  WindowRecord* record = Find(window);
  return record ? record->windowClass->windowClass.name : std::string();
}

bool IsWindowOfClass(WindowHandle window, std::string_view className) {
  WindowRecord* record = Find(window);
  return record && detail::EqualsIgnoringCase(record->windowClass->windowClass.name, className);
}

// ---- creation and destruction

namespace {

void Unlink(WindowRecord& record) {
  WindowSystem& system = WindowSystem::Get();
  std::vector<WindowHandle>* siblings = &system.topLevel;
  if (record.parent != nullptr) {
    WindowRecord* parent = Find(record.parent);
    if (parent == nullptr) return;
    siblings = &parent->children;
  }
  siblings->erase(std::remove(siblings->begin(), siblings->end(), record.handle), siblings->end());
}

std::vector<WindowHandle>* SiblingsOf(const WindowRecord& record) {
  if (record.parent == nullptr) return &WindowSystem::Get().topLevel;
  WindowRecord* parent = Find(record.parent);
  return parent ? &parent->children : nullptr;
}

void FreeRecord(WindowHandle window) {
  WindowSystem& system = WindowSystem::Get();
  auto it = system.windows.find(reinterpret_cast<std::uintptr_t>(window));
  if (it == system.windows.end()) return;
  WindowRecord& record = *it->second;
  Unlink(record);
  record.windowClass->liveWindows--;
  if (record.menu != nullptr) detail::DestroyMenuOfWindow(record.menu);
  system.windows.erase(it);
}

void MarkDestroying(WindowHandle window) {
  WindowRecord* record = Find(window);
  if (record == nullptr) return;
  record->destroying = true;
  for (WindowHandle child : record->children) MarkDestroying(child);
}

void SendDestroyMessages(WindowHandle window) {
  SendMessage(window, msg::Destroy);
  WindowRecord* record = Find(window);
  if (record == nullptr) return;
  const std::vector<WindowHandle> children = record->children;
  for (WindowHandle child : children) SendDestroyMessages(child);
  SendMessage(window, msg::NcDestroy);
  record = Find(window);
  if (record == nullptr) return;
  if (record->object != nullptr) detail::DetachObjectAtDestruction(record->object);
  FreeRecord(window);
}

}  // namespace

WindowHandle CreateWindow(const WindowCreation& creation) {
  WindowSystem& system = WindowSystem::Get();
  Window* object = system.objectForNextWindow;
  system.objectForNextWindow = nullptr;
  ClassRecord* windowClass = system.findClass(creation.className);
  if (windowClass == nullptr) return nullptr;
  const bool child = (creation.style & style::Child) != 0;
  WindowRecord* parent = Find(creation.parent);
  if (child && (parent == nullptr || parent->destroying)) return nullptr;
  if (!child && creation.parent != nullptr && parent == nullptr) return nullptr;

  auto owned = std::make_unique<WindowRecord>();
  WindowRecord& record = *owned;
  record.handle = reinterpret_cast<WindowHandle>(system.nextHandle++);
  record.windowClass = windowClass;
  record.procedure = windowClass->windowClass.procedure;
  record.style = creation.style & ~style::Visible;
  record.exStyle = creation.exStyle;
  record.rect = creation.rect;
  record.extraBytes.assign(static_cast<std::size_t>(windowClass->windowClass.extraBytes), 0);
  if (child) {
    record.parent = creation.parent;
    record.id = creation.id;
    parent->children.push_back(record.handle);
  } else {
    record.owner = creation.parent ? TopLevelWindow(creation.parent) : nullptr;
    record.menu = creation.menu;
    system.topLevel.insert(system.topLevel.begin(), record.handle);
  }
  windowClass->liveWindows++;
  const WindowHandle handle = record.handle;
  system.windows.emplace(reinterpret_cast<std::uintptr_t>(handle), std::move(owned));
  if (object != nullptr) detail::AttachObjectAtCreation(object, handle);

  LParam creationParam = reinterpret_cast<LParam>(&creation);
  if (SendMessage(handle, msg::NcCreate, 0, creationParam) == 0) {
    if (IsWindow(handle)) {
      MarkDestroying(handle);
      SendMessage(handle, msg::NcDestroy);
      if (WindowRecord* failed = Find(handle); failed && failed->object)
        detail::DetachObjectAtDestruction(failed->object);
      FreeRecord(handle);
    }
    return nullptr;
  }
  if (!IsWindow(handle)) return nullptr;
  if (SendMessage(handle, msg::Create, 0, creationParam) == -1) {
    DestroyWindow(handle);
    return nullptr;
  }
  if (!IsWindow(handle)) return nullptr;
  const Size client = detail::ClientSizeOf(handle);
  SendMessage(handle, msg::Size, size_type::Restored, static_cast<LParam>(MakeLong(client.width, client.height)));
  const Rect placed = WindowRectInParent(handle);
  SendMessage(handle, msg::Move, 0, PointToParam({placed.left, placed.top}));
  if ((creation.style & style::Visible) != 0 && IsWindow(handle)) ShowWindow(handle, ShowCommand::Show);
  return IsWindow(handle) ? handle : nullptr;
}

bool DestroyWindow(WindowHandle window) {
  WindowSystem& system = WindowSystem::Get();
  WindowRecord* record = Find(window);
  if (record == nullptr || record->destroying) return false;
  // Owned top-level windows go first.
  if (record->parent == nullptr) {
    const std::vector<WindowHandle> topLevel = system.topLevel;
    for (WindowHandle other : topLevel) {
      WindowRecord* otherRecord = Find(other);
      if (otherRecord && otherRecord->owner == window) DestroyWindow(other);
    }
    record = Find(window);
    if (record == nullptr || record->destroying) return false;
  }
  detail::InvalidateWhereWindowIs(window);
  MarkDestroying(window);
  detail::MoveFocusOutOf(window);
  if (system.capture && (system.capture == window || IsDescendant(window, system.capture))) ReleaseCapture();
  if (system.active == window) detail::ActivateAfterLosing(window);
  if (WindowRecord* shown = Find(window); shown && (shown->style & style::Visible)) {
    shown->style &= ~style::Visible;
    SendMessage(window, msg::ShowWindow, 0, 0);
  }
  detail::ForgetWindow(window);
  detail::ForgetCaretOwner(window);
  SendDestroyMessages(window);
  return true;
}

bool IsWindow(WindowHandle window) { return Find(window) != nullptr; }

// ---- messages

LResult SendMessage(WindowHandle window, MessageId message, WParam wParam, LParam lParam) {
  WindowRecord* record = Find(window);
  if (record == nullptr) return 0;
  WindowProcedure procedure = record->procedure;
  return procedure(window, message, wParam, lParam);
}

LResult CallWindowProcedure(WindowProcedure procedure, WindowHandle window, MessageId message, WParam wParam,
                            LParam lParam) {
  if (procedure == nullptr || !IsWindow(window)) return 0;
  return procedure(window, message, wParam, lParam);
}

WindowProcedure WindowProcedureOf(WindowHandle window) {
  WindowRecord* record = Find(window);
  return record ? record->procedure : nullptr;
}

WindowProcedure SubclassWindow(WindowHandle window, WindowProcedure procedure) {
  WindowRecord* record = Find(window);
  if (record == nullptr || procedure == nullptr) return nullptr;
  return std::exchange(record->procedure, procedure);
}

// ---- properties

int WindowId(WindowHandle window) {
  WindowRecord* record = Find(window);
  return record ? record->id : 0;
}

void SetWindowId(WindowHandle window, int id) {
  if (WindowRecord* record = Find(window)) record->id = id;
}

StyleBits WindowStyle(WindowHandle window) {
  WindowRecord* record = Find(window);
  return record ? record->style : 0;
}

void SetWindowStyle(WindowHandle window, StyleBits bits) {
  if (WindowRecord* record = Find(window)) record->style = bits;
}

StyleBits WindowExStyle(WindowHandle window) {
  WindowRecord* record = Find(window);
  return record ? record->exStyle : 0;
}

void SetWindowExStyle(WindowHandle window, StyleBits bits) {
  if (WindowRecord* record = Find(window)) record->exStyle = bits;
}

std::string WindowText(WindowHandle window) {
  if (!IsWindow(window)) return {};
  const LResult length = SendMessage(window, msg::GetTextLength);
  if (length <= 0) return {};
  std::string buffer(static_cast<std::size_t>(length) + 1, '\0');
  const LResult copied = SendMessage(window, msg::GetText, buffer.size(), reinterpret_cast<LParam>(buffer.data()));
  buffer.resize(static_cast<std::size_t>(std::clamp<LResult>(copied, 0, length)));
  return buffer;
}

bool SetWindowText(WindowHandle window, std::string_view text) {
  if (!IsWindow(window)) return false;
  const std::string terminated(text);
  return SendMessage(window, msg::SetText, 0, reinterpret_cast<LParam>(terminated.c_str())) > 0;
}

LParam WindowExtra(WindowHandle window, int offset) {
  WindowRecord* record = Find(window);
  if (record == nullptr || offset < 0 || static_cast<std::size_t>(offset) + sizeof(LParam) > record->extraBytes.size())
    return 0;
  LParam value;
  std::memcpy(&value, record->extraBytes.data() + offset, sizeof value);
  return value;
}

LParam SetWindowExtra(WindowHandle window, int offset, LParam value) {
  WindowRecord* record = Find(window);
  if (record == nullptr || offset < 0 || static_cast<std::size_t>(offset) + sizeof(LParam) > record->extraBytes.size())
    return 0;
  LParam previous;
  std::memcpy(&previous, record->extraBytes.data() + offset, sizeof previous);
  std::memcpy(record->extraBytes.data() + offset, &value, sizeof value);
  return previous;
}

// ---- the tree

WindowHandle ParentWindow(WindowHandle window) {
  WindowRecord* record = Find(window);
  return record ? record->parent : nullptr;
}

WindowHandle OwnerWindow(WindowHandle window) {
  WindowRecord* record = Find(window);
  return record ? record->owner : nullptr;
}

WindowHandle TopLevelWindow(WindowHandle window) {
  WindowRecord* record = Find(window);
  while (record != nullptr && record->parent != nullptr) {
    WindowRecord* parent = Find(record->parent);
    if (parent == nullptr) break;
    record = parent;
  }
  return record ? record->handle : nullptr;
}

bool IsDescendant(WindowHandle ancestor, WindowHandle window) {
  if (ancestor == nullptr) return false;
  for (WindowHandle at = ParentWindow(window); at != nullptr; at = ParentWindow(at))
    if (at == ancestor) return true;
  return false;
}

WindowHandle RelatedWindow(WindowHandle window, Relation relation) {
  WindowRecord* record = Find(window);
  if (record == nullptr) return nullptr;
  if (relation == Relation::FirstChild) return record->children.empty() ? nullptr : record->children.front();
  if (relation == Relation::LastChild) return record->children.empty() ? nullptr : record->children.back();
  const std::vector<WindowHandle>* siblings = SiblingsOf(*record);
  if (siblings == nullptr || siblings->empty()) return nullptr;
  if (relation == Relation::First) return siblings->front();
  if (relation == Relation::Last) return siblings->back();
  auto it = std::find(siblings->begin(), siblings->end(), window);
  if (it == siblings->end()) return nullptr;
  if (relation == Relation::Next) return std::next(it) == siblings->end() ? nullptr : *std::next(it);
  return it == siblings->begin() ? nullptr : *std::prev(it);
}

std::vector<WindowHandle> ChildWindows(WindowHandle parent) {
  if (parent == nullptr) return WindowSystem::Get().topLevel;
  WindowRecord* record = Find(parent);
  return record ? record->children : std::vector<WindowHandle>{};
}

WindowHandle ChildWithId(WindowHandle parent, int id) {
  WindowRecord* record = Find(parent);
  if (record == nullptr) return nullptr;
  for (WindowHandle child : record->children)
    if (WindowRecord* childRecord = Find(child); childRecord && childRecord->id == id) return child;
  return nullptr;
}

// ---- placement

Rect WindowRectInParent(WindowHandle window) {
  WindowRecord* record = Find(window);
  return record ? record->rect : Rect{};
}

Rect WindowRect(WindowHandle window) {
  WindowRecord* record = Find(window);
  if (record == nullptr) return {};
  if (record->parent == nullptr) return record->rect;
  const Point origin = ClientToScreen(record->parent, {0, 0});
  return record->rect.offsetBy(origin.x, origin.y);
}

Rect ClientRect(WindowHandle window) {
  const Size size = detail::ClientSizeOf(window);
  return {0, 0, size.width, size.height};
}

Point ClientToScreen(WindowHandle window, Point point) {
  WindowRecord* record = Find(window);
  if (record == nullptr) return point;
  const detail::FrameInsets insets = detail::ComputeFrameInsets(*record);
  const Rect outer = WindowRect(window);
  return {point.x + outer.left + insets.left, point.y + outer.top + insets.top};
}

Point ScreenToClient(WindowHandle window, Point point) {
  const Point origin = ClientToScreen(window, {0, 0});
  return {point.x - origin.x, point.y - origin.y};
}

bool MoveWindow(WindowHandle window, Rect rectInParent) {
  return SetWindowPosition(window, nullptr, rectInParent, position::NoZOrder | position::NoActivate);
}

bool SetWindowPosition(WindowHandle window, WindowHandle insertAfter, Rect rectInParent, unsigned flags) {
  WindowRecord* record = Find(window);
  if (record == nullptr) return false;
  if ((flags & position::NoZOrder) == 0 && insertAfter != window) {
    std::vector<WindowHandle>* siblings = SiblingsOf(*record);
    if (siblings != nullptr) {
      const bool validAfter = insertAfter == InsertAtTop || insertAfter == InsertAtBottom ||
                              std::find(siblings->begin(), siblings->end(), insertAfter) != siblings->end();
      if (validAfter) {
        siblings->erase(std::remove(siblings->begin(), siblings->end(), window), siblings->end());
        if (insertAfter == InsertAtTop) {
          siblings->insert(siblings->begin(), window);
        } else if (insertAfter == InsertAtBottom) {
          siblings->push_back(window);
        } else {
          auto at = std::find(siblings->begin(), siblings->end(), insertAfter);
          siblings->insert(std::next(at), window);
        }
      }
    }
  }
  const Rect before = record->rect;
  Rect after = before;
  if ((flags & position::NoMove) == 0)
    after = after.offsetBy(rectInParent.left - before.left, rectInParent.top - before.top);
  if ((flags & position::NoSize) == 0) {
    after.right = after.left + std::max(0, rectInParent.width());
    after.bottom = after.top + std::max(0, rectInParent.height());
  }
  if (after != before) {
    const Size clientBefore = detail::ClientSizeOf(window);
    detail::InvalidateWhereWindowIs(window);
    record->rect = after;
    detail::InvalidateWhereWindowIs(window);
    if (after.left != before.left || after.top != before.top)
      SendMessage(window, msg::Move, 0, PointToParam({after.left, after.top}));
    detail::NotifyClientSizeChange(window, clientBefore);
  }
  if (flags & position::ShowWindow)
    ShowWindow(window, (flags & position::NoActivate) ? ShowCommand::ShowNotActive : ShowCommand::Show);
  else if (flags & position::HideWindow)
    ShowWindow(window, ShowCommand::Hide);
  return true;
}

// ---- state

bool ShowWindow(WindowHandle window, ShowCommand command) {
  WindowRecord* record = Find(window);
  if (record == nullptr) return false;
  const bool wasVisible = (record->style & style::Visible) != 0;
  const bool show = command != ShowCommand::Hide;
  const bool topLevel = record->parent == nullptr;
  if (topLevel) {
    if (command == ShowCommand::ShowMinimized || command == ShowCommand::Minimize) {
      record->style = (record->style | style::Minimize) & ~style::Maximize;
    } else if (command == ShowCommand::ShowMaximized) {
      record->style = (record->style | style::Maximize) & ~style::Minimize;
    } else if (command == ShowCommand::Restore || command == ShowCommand::ShowNormal) {
      record->style &= ~(style::Minimize | style::Maximize);
    }
  }
  if (show != wasVisible) {
    detail::InvalidateWhereWindowIs(window);
    if (show) {
      record->style |= style::Visible;
    } else {
      // (the bit first, so that the focus cannot come straight back)
      record->style &= ~style::Visible;
      detail::MoveFocusOutOf(window);
    }
    if (!IsWindow(window)) return wasVisible;
    SendMessage(window, msg::ShowWindow, show ? 1 : 0, 0);
    if (!show && topLevel && WindowSystem::Get().active == window) detail::ActivateAfterLosing(window);
  }
  const bool activate = command != ShowCommand::Hide && command != ShowCommand::ShowNoActivate &&
                        command != ShowCommand::ShowNotActive && command != ShowCommand::Minimize;
  if (topLevel && activate && IsWindow(window) && IsWindowEnabled(window)) SetActiveWindow(window);
  return wasVisible;
}

bool IsWindowVisible(WindowHandle window) {
  for (WindowRecord* record = Find(window); record != nullptr; record = Find(record->parent)) {
    if ((record->style & style::Visible) == 0) return false;
    if (record->parent == nullptr) return true;
  }
  return false;
}

bool IsMinimized(WindowHandle window) { return (WindowStyle(window) & style::Minimize) != 0; }

bool IsWindowEnabled(WindowHandle window) {
  WindowRecord* record = Find(window);
  return record && (record->style & style::Disabled) == 0;
}

bool IsWindowUsable(WindowHandle window) {
  for (WindowRecord* record = Find(window); record != nullptr; record = Find(record->parent)) {
    if (record->style & style::Disabled) return false;
    if (record->parent == nullptr) return true;
  }
  return false;
}

bool EnableWindow(WindowHandle window, bool enable) {
  WindowRecord* record = Find(window);
  if (record == nullptr) return false;
  const bool wasDisabled = (record->style & style::Disabled) != 0;
  if (wasDisabled == !enable) return wasDisabled;
  if (!enable) {
    SendMessage(window, msg::CancelMode);
    record = Find(window);
    if (record == nullptr) return wasDisabled;
    record->style |= style::Disabled;
    detail::MoveFocusOutOf(window);
    WindowSystem& system = WindowSystem::Get();
    if (system.capture && (system.capture == window || IsDescendant(window, system.capture))) ReleaseCapture();
    if (!IsWindow(window)) return wasDisabled;
  } else {
    record->style &= ~style::Disabled;
  }
  InvalidateRect(window);
  SendMessage(window, msg::Enable, enable ? 1 : 0, 0);
  return wasDisabled;
}

bool IsRedrawEnabled(WindowHandle window) {
  WindowRecord* record = Find(window);
  return record && record->redraw;
}

}  // namespace platform::ui
