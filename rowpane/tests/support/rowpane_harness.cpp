#include "support/rowpane_harness.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/ui/controls/list_box.h"
#include "platform/ui/scroll_bar.h"

namespace rowpane::testing {

namespace ui = platform::ui;
namespace lb = platform::ui::list_box;

namespace {

constexpr const char* kParentClass = "RowpaneTestParent";
Parent* g_parent = nullptr;

LResult ParentProcedure(WindowHandle window, MessageId message, WParam wParam, LParam lParam) {
  if (g_parent != nullptr && message >= RPBN_FINDSTRING && message <= RPBN_FREEALL)
    return g_parent->answer(message, wParam, lParam);
  if (g_parent != nullptr && message == ui::msg::Command) g_parent->notices.push_back({message, wParam, lParam});
  return ui::DefaultWindowProcedure(window, message, wParam, lParam);
}

}  // namespace

const platform::Module& LoadRowpaneLibrary() {
  static platform::Module module = platform::Module::Load(std::string(ROWPANE_DATA_DIR) + "/" + kLibraryName);
  if (!module.isLoaded()) {
    std::fprintf(stderr, "cannot load Rowpane32: %s\n", platform::Module::lastError().c_str());
    std::abort();
  }
  return module;
}

std::string TextOf(int index) {
  char text[16];
  std::snprintf(text, sizeof text, "ROW%06d", index);
  return text;
}

Parent::Parent(ParentOptions options) : options_(options) {
  LoadRowpaneLibrary();
  texts_.reserve(static_cast<std::size_t>(options_.rows));
  for (int i = 0; i < options_.rows; ++i) texts_.push_back(TextOf(i));
  if (ui::FindWindowClass(kParentClass) == nullptr) ui::RegisterWindowClass({kParentClass, &ParentProcedure, 0, 0});
  g_parent = this;
  ui::WindowCreation creation;
  creation.className = kParentClass;
  creation.text = "Rows";
  creation.style = ui::style::Popup | ui::style::Visible;
  creation.rect = {0, 0, 400, 300};
  window_ = ui::CreateWindow(creation);
}

Parent::~Parent() {
  ui::DestroyWindow(window_);
  g_parent = nullptr;
}

WindowHandle Parent::createControl(ui::StyleBits ownStyle, int height, bool initialize, int width) {
  ui::WindowCreation creation;
  creation.className = kClassName;
  creation.style = ui::style::Child | ui::style::Visible | ui::style::VScroll | ownStyle;
  creation.rect = ui::Rect::FromSize(10, 10, width, height);
  creation.parent = window_;
  creation.id = 4321;
  control_ = ui::CreateWindow(creation);
  if (control_ != nullptr && initialize) ui::SendMessage(control_, RPB_INITIALIZE);
  return control_;
}

WindowHandle Parent::inner() const { return ui::ChildWithId(control_, kInnerListId); }

int Parent::rows() const { return static_cast<int>(ui::SendMessage(inner(), lb::GetCount)); }

std::string Parent::shownText(int line) const {
  char buffer[64] = {};
  if (ui::SendMessage(inner(), lb::GetText, static_cast<WParam>(line), reinterpret_cast<LParam>(buffer)) < 0)
    return "?";
  return buffer;
}

std::vector<std::string> Parent::shownTexts() const {
  std::vector<std::string> texts;
  for (int line = 0; line < rows(); ++line) texts.push_back(shownText(line));
  return texts;
}

int Parent::selectedLine() const { return static_cast<int>(ui::SendMessage(inner(), lb::GetCurrentSelection)); }

LResult Parent::send(MessageId message, WParam wParam, LParam lParam) const {
  return ui::SendMessage(control_, message, wParam, lParam);
}

std::vector<LParam> Parent::freedItems() const {
  std::vector<LParam> items;
  for (const Notice& notice : notices)
    if (notice.message == RPBN_FREEITEM) items.push_back(notice.lParam);
  return items;
}

int Parent::freeAllCount() const {
  return static_cast<int>(
      std::count_if(notices.begin(), notices.end(), [](const Notice& n) { return n.message == RPBN_FREEALL; }));
}

std::optional<int> Parent::named(const ItemRequest& request) const {
  const bool dataMode = ui::SendMessage(control_, RPB_GETCOUNT) < 0 || (ui::WindowStyle(control_) & style::DataMode);
  int index = request.index;
  if (dataMode) {
    if ((request.data - 7) % 10 != 0) return std::nullopt;
    index = (request.data - 7) / 10;
  }
  if (index < 0 || index >= options_.rows) return std::nullopt;
  return index;
}

void Parent::fill(ItemRequest& request, int index) {
  request.status = 0;
  request.index = index;
  request.data = DataOf(index);
  request.text = options_.nullTexts ? nullptr : texts_[static_cast<std::size_t>(index)].data();
}

LResult Parent::answer(MessageId message, WParam wParam, LParam lParam) {
  if (message == RPBN_FREEITEM || message == RPBN_FREEALL) {
    notices.push_back({message, wParam, lParam});
    return 0;
  }
  requests.push_back(message);
  if (!options_.answers) return 0;
  auto& request = *reinterpret_cast<ItemRequest*>(lParam);
  request.status = 1;
  const int n = options_.rows;
  auto answerRow = [&](std::optional<int> index) -> LResult {
    if (index && *index >= 0 && *index < n) fill(request, *index);
    return 0;
  };
  switch (message) {
    case RPBN_GETCOUNT:
      if (!options_.countKnown) return 0;
      request.status = 0;
      request.index = options_.countAnswer != -3 ? options_.countAnswer : n;
      return 0;
    case RPBN_FIRST: return answerRow(0);
    case RPBN_LAST: return answerRow(n - 1);
    case RPBN_NEXT: {
      const auto at = named(request);
      return answerRow(at ? std::optional<int>(*at + 1) : std::nullopt);
    }
    case RPBN_PREV: {
      const auto at = named(request);
      return answerRow(at ? std::optional<int>(*at - 1) : std::nullopt);
    }
    case RPBN_GOTO:
    case RPBN_GETITEMDATA:
    case RPBN_GETTEXT: return answerRow(named(request));
    case RPBN_GETTEXTLEN: {
      const auto at = named(request);
      return at ? static_cast<LResult>(texts_[static_cast<std::size_t>(*at)].size()) : -1;
    }
    case RPBN_THUMBPOS: return answerRow(static_cast<int>(static_cast<long long>(request.data) * (n - 1) / 100));
    case RPBN_FINDSTRING:
    case RPBN_FINDSTRINGEXACT: {
      const std::string wanted = request.search;
      const auto at = std::lower_bound(texts_.begin(), texts_.end(), wanted);
      if (at == texts_.end()) return 0;
      if (message == RPBN_FINDSTRINGEXACT ? *at != wanted : at->compare(0, wanted.size(), wanted) != 0) return 0;
      return answerRow(static_cast<int>(at - texts_.begin()));
    }
    default: return 0;
  }
}

Thumb ThumbOf(WindowHandle inner) {
  const ui::ScrollInfo info = ui::GetScrollInfo(inner, ui::ScrollBar::Vertical);
  const bool visible = (ui::WindowStyle(inner) & ui::style::VScroll) != 0;
  return {visible, info.enabled, info.position};
}

}  // namespace rowpane::testing
