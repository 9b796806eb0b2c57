// The program's resources: each file's kind, checking and registering
// their texts, and finding them by kind and id.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "platform/ui/dialog_template.h"
#include "platform/ui/gdi.h"
#include "platform/ui/menu.h"
#include "resources/resource_formats.h"
#include "resources/resource_text.h"

namespace platform::ui {

namespace {

struct KindName {
  ResourceKind kind;
  const char* extension;
  const char* word;
};
constexpr KindName kKinds[] = {
    {ResourceKind::Dialog, ".dlg", "dialog"},
    {ResourceKind::Menu, ".menu", "menu"},
    {ResourceKind::Accelerators, ".accel", "accelerators"},
    {ResourceKind::Data, ".data", "data"},
    {ResourceKind::Icon, ".icon", "icon"},
    {ResourceKind::Bitmap, ".bitmap", "bitmap"},
};

struct Registry {
  std::map<ResourceId, detail::MenuResource> menus;
  std::map<ResourceId, detail::AcceleratorResource> accelerators;
  std::map<ResourceId, detail::DataResource> data;
  std::map<ResourceId, detail::ImageResource> icons;
  std::map<ResourceId, detail::ImageResource> bitmaps;
};

Registry& Resources() {
  static auto* registry = new Registry();  // lives to the end of the process
  return *registry;
}

template <class Parsed>
const Parsed* Find(const std::map<ResourceId, Parsed>& resources, const ResourceId& id) {
  auto it = resources.find(id);
  return it == resources.end() ? nullptr : &it->second;
}

bool Taken(ResourceKind kind, const ResourceId& id, std::string_view text, ResourceError& error) {
  error.line = detail::FirstLineNumber(text);
  error.message = std::string(ResourceKindWord(kind)) + " " + id.text() + " is defined twice";
  return false;
}

template <class Parsed>
bool Store(std::map<ResourceId, Parsed>& resources, std::optional<Parsed> parsed, ResourceKind kind,
           std::string_view text, ResourceError& error) {
  if (!parsed) return false;
  const ResourceId id = parsed->id;
  if (!resources.emplace(id, std::move(*parsed)).second) return Taken(kind, id, text, error);
  return true;
}

}  // namespace

std::optional<ResourceKind> ResourceKindOfFile(std::string_view path) {
  for (const KindName& k : kKinds) {
    const std::string_view extension = k.extension;
    if (path.size() > extension.size() && path.substr(path.size() - extension.size()) == extension) return k.kind;
  }
  return std::nullopt;
}

std::string_view ResourceKindWord(ResourceKind kind) {
  for (const KindName& k : kKinds)
    if (k.kind == kind) return k.word;
  return {};
}

ResourceId::ResourceId(std::string_view name) : name_(name) {
  for (char& c : name_) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

std::string ResourceId::text() const { return isName() ? name_ : std::to_string(number_); }

std::optional<ResourceHeader> CheckResource(ResourceKind kind, std::string_view text, ResourceError& error) {
  // A text file holds no NUL, and the compiled-in text would end at one.
  if (const std::size_t nul = text.find('\0'); nul != std::string_view::npos) {
    error.line = static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(nul), '\n')) + 1;
    error.message = "a NUL character";
    return std::nullopt;
  }
  std::optional<ResourceId> id;
  std::vector<ResourceReference> references;
  switch (kind) {
    case ResourceKind::Dialog:
      if (auto parsed = ParseDialogTemplate(text, error)) {
        id = parsed->id;
        if (parsed->menu)
          references.push_back({ResourceKind::Menu, *parsed->menu, detail::LineOfKeyword(text, "menu")});
      }
      break;
    case ResourceKind::Menu:
      if (auto parsed = detail::ParseMenuResource(text, error)) id = parsed->id;
      break;
    case ResourceKind::Accelerators:
      if (auto parsed = detail::ParseAcceleratorResource(text, error)) id = parsed->id;
      break;
    case ResourceKind::Data:
      if (auto parsed = detail::ParseDataResource(text, error)) id = parsed->id;
      break;
    case ResourceKind::Icon:
    case ResourceKind::Bitmap:
      if (auto parsed = detail::ParseImageResource(kind, text, error)) id = parsed->id;
      break;
  }
  if (!id) return std::nullopt;
  return ResourceHeader{*id, detail::FirstLineNumber(text), std::move(references)};
}

bool RegisterResource(ResourceKind kind, std::string_view text, ResourceError& error) {
  Registry& r = Resources();
  switch (kind) {
    case ResourceKind::Dialog: {
      auto parsed = ParseDialogTemplate(text, error);
      if (!parsed) return false;
      const int id = parsed->id;
      return RegisterDialogTemplate(std::move(*parsed)) || Taken(kind, id, text, error);
    }
    case ResourceKind::Menu: return Store(r.menus, detail::ParseMenuResource(text, error), kind, text, error);
    case ResourceKind::Accelerators:
      return Store(r.accelerators, detail::ParseAcceleratorResource(text, error), kind, text, error);
    case ResourceKind::Data: return Store(r.data, detail::ParseDataResource(text, error), kind, text, error);
    case ResourceKind::Icon: return Store(r.icons, detail::ParseImageResource(kind, text, error), kind, text, error);
    case ResourceKind::Bitmap:
      return Store(r.bitmaps, detail::ParseImageResource(kind, text, error), kind, text, error);
  }
  return false;
}

void RegisterCompiledResources(std::initializer_list<CompiledResource> files) {
  for (const CompiledResource& file : files) {
    ResourceError error;
    const auto kind = ResourceKindOfFile(file.file);
    if (!kind) error.message = "not a resource file";
    if (!kind || !RegisterResource(*kind, file.text, error)) {
      std::fprintf(stderr, "%s:%d: %s\n", file.file, error.line, error.message.c_str());
      std::abort();
    }
  }
}

MenuHandle LoadMenuResource(const ResourceId& id) {
  const detail::MenuResource* menu = Find(Resources().menus, id);
  return menu ? detail::BuildMenu(menu->entries) : nullptr;
}

AcceleratorHandle LoadAcceleratorResource(const ResourceId& id) {
  const detail::AcceleratorResource* table = Find(Resources().accelerators, id);
  return table ? CreateAcceleratorTable(table->entries) : nullptr;
}

BitmapHandle LoadIconResource(const ResourceId& id, Size wanted) {
  const detail::ImageResource* icon = Find(Resources().icons, id);
  if (icon == nullptr) return nullptr;
  std::vector<int> sides;
  for (const Image& image : icon->images) sides.push_back(image.width);
  return CreateBitmap(icon->images[static_cast<std::size_t>(ClosestIconImage(sides, wanted.width))]);
}

BitmapHandle LoadBitmapResource(const ResourceId& id) {
  const detail::ImageResource* bitmap = Find(Resources().bitmaps, id);
  return bitmap ? CreateBitmap(bitmap->images.front()) : nullptr;
}

std::span<const std::uint8_t> FindDataResource(const ResourceId& id) {
  const detail::DataResource* data = Find(Resources().data, id);
  return data ? std::span<const std::uint8_t>(data->bytes) : std::span<const std::uint8_t>();
}

}  // namespace platform::ui
