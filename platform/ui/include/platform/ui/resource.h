// Resources: dialog templates, menus, accelerator tables, raw data blocks,
// icons and bitmaps, written as text files of our own (one resource per
// file, the kind named by the file's extension) and compiled into the
// program at build time.
//
// qiv_add_resources (platform/ui/cmake/Resources.cmake) runs the resource
// compiler over a target's files: it checks each one with CheckResource
// (and that the resources one needs are among them), fails the build with
// "<file>:<line>: error: <message>" for the first fault, and writes a C++ source that registers the files' texts when
// the program starts. The program then finds each resource by kind and id.
//
// Every format is line by line: '#' as the first non-blank character
// starts a comment line, blank lines are skipped, words are separated by
// blanks, texts are in double quotes with \" \\ \n and \t escapes and
// are taken byte for byte (the program's texts are Windows-1252), numbers
// are decimal or 0x hexadecimal. The first line names the resource:
//
//   .dlg     dialog <number>         dialog_template.h
//   .menu    menu <id>               src/resources/menu_resource.cpp
//   .accel   accelerators <id>       src/resources/accelerator_resource.cpp
//   .data    data <id>               src/resources/data_resource.cpp
//   .icon    icon <id>               src/resources/image_resource.cpp
//   .bitmap  bitmap <id>
//
// An id is a number (1 to 65535) or a name (a letter, then letters, digits
// and '_'), as "HELPTRAN"; names are matched without regard to case.
#pragma once

#include <compare>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/types.h"

namespace platform::ui {

enum class ResourceKind { Dialog, Menu, Accelerators, Data, Icon, Bitmap };

// The kind a file holds, by its extension; nothing for another file.
std::optional<ResourceKind> ResourceKindOfFile(std::string_view path);
// The kind's first word ("menu", "accelerators", ...).
std::string_view ResourceKindWord(ResourceKind kind);

// A resource's id: a number or an upper-cased name.
class ResourceId {
 public:
  ResourceId(int number) : number_(number) {}  // NOLINT(google-explicit-constructor): ids read as numbers
  ResourceId(std::string_view name);           // NOLINT(google-explicit-constructor)
  ResourceId(const char* name) : ResourceId(std::string_view(name)) {}  // NOLINT(google-explicit-constructor)

  bool isName() const { return !name_.empty(); }
  int number() const { return number_; }  // 0 for a name
  const std::string& name() const { return name_; }
  std::string text() const;  // "3024", "HELPTRAN"

  friend auto operator<=>(const ResourceId&, const ResourceId&) = default;
  friend bool operator==(const ResourceId&, const ResourceId&) = default;

 private:
  int number_ = 0;
  std::string name_;
};

// The first fault of a resource text.
struct ResourceError {
  int line = 0;  // 1-based; 0 for the file as a whole
  std::string message;
};

// Another resource a resource needs (a dialog's menu bar).
struct ResourceReference {
  ResourceKind kind;
  ResourceId id;
  int line = 0;  // of the line that names it
};

// What a valid resource text names.
struct ResourceHeader {
  ResourceId id = 0;
  int line = 0;  // of the line that names it
  std::vector<ResourceReference> references;
};

// Checks a resource text of the kind; its id and what it needs, or nothing
// and the first error.
std::optional<ResourceHeader> CheckResource(ResourceKind kind, std::string_view text, ResourceError& error);

// Adds the resource the text describes to the program's resources; false
// (with the error) when the text is not valid or a resource of its kind
// has its id already.
bool RegisterResource(ResourceKind kind, std::string_view text, ResourceError& error);

// A file compiled in by the resource compiler.
struct CompiledResource {
  const char* file;  // its name: the extension gives the kind
  const char* text;
};
// Registers the files; one the compiler let through but the program
// cannot register (a resource of a library linked in has the same id)
// ends the program with "<file>:<line>: <message>" on standard error.
void RegisterCompiledResources(std::initializer_list<CompiledResource> files);

// Finding them. Each Load call makes a new object that the caller owns
// (DestroyMenu, DestroyAcceleratorTable, DeleteBitmap); null when the
// program has no such resource.
MenuHandle LoadMenuResource(const ResourceId& id);
AcceleratorHandle LoadAcceleratorResource(const ResourceId& id);
// The icon's image closest to the size wanted (the exact size, else the
// smallest larger one, else the largest), as a bitmap.
BitmapHandle LoadIconResource(const ResourceId& id, Size wanted);
BitmapHandle LoadBitmapResource(const ResourceId& id);
// The bytes of a raw data block; they stay in place for the life of the
// process. Empty when there is no such block (a block is never empty).
std::span<const std::uint8_t> FindDataResource(const ResourceId& id);

}  // namespace platform::ui
