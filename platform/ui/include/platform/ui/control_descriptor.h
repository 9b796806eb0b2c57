// What the window system knows of a standard control class, in one place:
// the window class it registers, the keywords and style words dialog
// templates name it with, and the control-colour message it asks its
// parent for its colours with (paint.h). Each control's header declares
// its descriptor (kDescriptor) and its source defines it; the class
// registry, the template format and painting read the descriptors and
// name no control.
#pragma once

#include <span>
#include <string_view>

#include "platform/ui/messages.h"
#include "platform/ui/styles.h"
#include "platform/ui/types.h"
#include "platform/ui/window.h"

namespace platform::ui {

// A style word of the template format (dialog_template.h): it adds its
// bits, or, as a type word (typeMask non-zero), replaces the bits under
// the mask with its own.
struct StyleWord {
  const char* word;
  StyleBits bits;
  StyleBits typeMask = 0;
};

// A template keyword that makes a control of the class, and the style the
// control starts from (beyond child and visible, which every control has).
struct TemplateKind {
  const char* keyword;
  StyleBits style;
};

// The control-colour message a control with the style sends its parent.
using ControlColorRule = MessageId (*)(StyleBits style, bool enabled);
// The rule of a control that always sends the one message.
template <MessageId message>
MessageId FixedControlColor(StyleBits, bool) {
  return message;
}

struct ControlDescriptor {
  const char* className;
  WindowProcedure procedure;
  StyleBits classStyle = 0;  // class_style bits
  std::span<const TemplateKind> templateKinds;
  std::span<const StyleWord> styleWords;  // beyond the window style words
  ControlColorRule controlColor = FixedControlColor<msg::CtlColorStatic>;
};

// The built-in controls, in the order they are registered when the window
// system starts.
std::span<const ControlDescriptor* const> BuiltInControls();
// The built-in control of the class (the name matched without regard to
// case), or null.
const ControlDescriptor* FindBuiltInControl(std::string_view className);

}  // namespace platform::ui
