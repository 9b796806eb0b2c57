// Dialog templates: what a dialog is made of (its id, caption, font, size
// and style, and per control: class, id, text, style bits and rectangle,
// in dialog units), and the registry the program's templates are found in
// by id.
//
// Templates are written one per file in the text format below (".dlg") and
// compiled into the program at build time: qiv_add_dialog_templates (in
// platform/ui/cmake/DialogTemplates.cmake) runs the template compiler over
// the files, which checks them with ParseDialogTemplate and writes a C++
// source that registers each template when the program starts.
//
// The format, line by line ('#' starts a comment line, blank lines are
// skipped, words are separated by blanks, texts are in double quotes with
// \" \\ \n and \t escapes, numbers are decimal or 0x hexadecimal):
//
//   dialog <id>                       first, once
//   caption "<text>"
//   font <points> "<face>"            default 8 "MS Sans Serif"
//   position <x> <y>                  default 0 0 (from the owner's client area)
//   size <width> <height>             of the client area; required
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
  std::vector<ControlTemplate> controls;
  friend bool operator==(const DialogTemplate&, const DialogTemplate&) = default;
};

struct TemplateError {
  int line = 0;  // 1-based; 0 for the file as a whole
  std::string message;
};

// Parses one template file; nullopt (and the first error) when the text is
// not a valid template.
std::optional<DialogTemplate> ParseDialogTemplate(std::string_view text, TemplateError& error);

// Adds the template to the registry; false (and nothing changed) when a
// template with its id is there already.
bool RegisterDialogTemplate(DialogTemplate dialogTemplate);
// The registered template, or null.
const DialogTemplate* FindDialogTemplate(int id);

}  // namespace platform::ui
