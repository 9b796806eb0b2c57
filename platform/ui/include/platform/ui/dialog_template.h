// Dialog templates: what a dialog is made of (its id, caption, font, size
// and style, and per control: class, id, text, style bits and rectangle,
// in dialog units), and the registry the program's templates are found in
// by id.
//
// Templates are resources (resource.h), written one per file in the text
// format below (".dlg") and compiled into the program at build time with
// the other resources; the resource compiler checks them with
// ParseDialogTemplate.
//
// The format, line by line (the rules of every resource text, resource.h):
//
//   dialog <id>                       first, once
//   menu <id>                         the menu bar (a menu resource) of a top-level dialog
//   caption "<text>"
//   font <points> "<face>"            default 8 "MS Sans Serif"
//   position <x> <y>                  default 0 0 (from the owner's client area)
//   size <width> <height>             of the client area (below the menu bar); required
//   style <word>...                   default popup caption sysmenu modalframe
//   exstyle <word>...
//   <kind> <id> "<text>" <x> <y> <width> <height> [<word>...]
//   control "<class>" <id> "<text>" <x> <y> <width> <height> [<word>...]
//
// The controls come in tab order (which is their z-order). A kind is a
// keyword of a built-in control, which gives the control's class and the
// style it starts from (every control is child and visible): each
// control's header lists its keywords (kTemplateKinds: edit, static,
// button, defbutton, checkbox, radio, groupbox, combobox, listbox, ...);
// "control" names any class and starts from tabstop. The style words of a
// control are the window words and its class's own (the header's
// kStyleWords). A style word adds its bits; a type word (pushbutton,
// dropdown, center, ...) replaces the control's type; "-word" takes the
// bits away again ("-tabstop", "-visible"); a number adds itself. An
// extended-style word (clientedge, staticedge, ...) sets the control's
// extended style.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/resource.h"
#include "platform/ui/styles.h"
#include "platform/ui/types.h"

namespace platform::ui {

struct ControlTemplate {
  std::string className;
  int id = 0;
  std::string text;
  StyleBits style = 0;
  StyleBits exStyle = 0;
  Rect rect;  // dialog units
  friend bool operator==(const ControlTemplate&, const ControlTemplate&) = default;
};

struct DialogTemplate {
  int id = 0;
  std::string caption;
  int fontPoints = 8;
  std::string fontFace = "MS Sans Serif";
  StyleBits style = 0;
  StyleBits exStyle = 0;
  Rect rect;  // dialog units: the position and the client area's size
  std::optional<ResourceId> menu;
  std::vector<ControlTemplate> controls;
  friend bool operator==(const DialogTemplate&, const DialogTemplate&) = default;
};

// Parses one template file; nullopt (and the first error) when the text is
// not a valid template.
std::optional<DialogTemplate> ParseDialogTemplate(std::string_view text, ResourceError& error);

// Adds the template to the registry; false (and nothing changed) when a
// template with its id is there already.
bool RegisterDialogTemplate(DialogTemplate dialogTemplate);
// The registered template, or null.
const DialogTemplate* FindDialogTemplate(int id);

}  // namespace platform::ui
