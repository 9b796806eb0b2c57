// The resources as their text formats describe them (each format is
// described at the top of its parser's source), and what the registry
// makes of them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/accelerator.h"
#include "platform/ui/image.h"
#include "platform/ui/resource.h"

namespace platform::ui::detail {

// menu_resource.cpp
struct MenuEntry {
  enum class Kind { Item, Separator, Popup };
  Kind kind = Kind::Item;
  int command = 0;
  std::string text;
  unsigned flags = 0;              // menu_flag::Checked, Grayed, Disabled
  std::vector<MenuEntry> entries;  // a pop-up's
};
struct MenuResource {
  ResourceId id = 0;
  std::vector<MenuEntry> entries;
};
std::optional<MenuResource> ParseMenuResource(std::string_view text, ResourceError& error);
// A new menu with the entries (a menu bar's pop-ups, or a pop-up's items).
MenuHandle BuildMenu(const std::vector<MenuEntry>& entries);

// accelerator_resource.cpp
struct AcceleratorResource {
  ResourceId id = 0;
  std::vector<Accelerator> entries;
};
std::optional<AcceleratorResource> ParseAcceleratorResource(std::string_view text, ResourceError& error);

// data_resource.cpp
struct DataResource {
  ResourceId id = 0;
  std::vector<std::uint8_t> bytes;
};
std::optional<DataResource> ParseDataResource(std::string_view text, ResourceError& error);

// image_resource.cpp: an icon (one image per size) or a bitmap (one image).
struct ImageResource {
  ResourceId id = 0;
  std::vector<Image> images;
};
std::optional<ImageResource> ParseImageResource(ResourceKind kind, std::string_view text, ResourceError& error);

}  // namespace platform::ui::detail
