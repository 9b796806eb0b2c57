// What the input fields ask of the rating screen: wherever a field lives
// (the rating screen or a dialog over it), it tells the screen which field
// has the keys and the focus, and the screen's class and weight fields
// reach its line entry and result display through it. A field of a
// program whose screen is not up finds no screen and does without.
#pragma once

#include "platform/ui/color.h"
#include "platform/ui/types.h"

namespace qiv {

class CClassEdit;
class CWeightEdit;

class FieldScreen {
 public:
  virtual ~FieldScreen() = default;

  // The field that took a key or the focus is recorded as the focused one.
  virtual void recordFocusedField(platform::ui::WindowHandle field) = 0;
  // A click is about to go to the field; previous had the focus.
  virtual void recordMouseActivation(platform::ui::WindowHandle previous, platform::ui::WindowHandle field) = 0;
  // The City Lookup commands enabled only while the recorded field is the
  // origin or the destination.
  virtual void updateCityLookup() = 0;
  // The last character typed into the weight field.
  virtual void setLastWeightCharacter(char character) = 0;

  // The line entry, for the class and weight fields.
  virtual bool clearFlag() const = 0;
  virtual int lineListCount() const = 0;
  virtual void setReRate(bool reRate) = 0;
  virtual void setLineEntry(bool entering) = 0;
  // The result display (DisplayRates).
  virtual void displayRates() = 0;
  virtual CClassEdit& classField() = 0;
  virtual CWeightEdit& weightField() = 0;
  // A focus-forward window waits for the next click.
  virtual bool focusForwardPending() const = 0;
  // Gives the focus to the forward window's partner and forgets the window.
  virtual void followFocusForward() = 0;

  // What the self-painting fields paint with: the screen font and the
  // field (enabled) and dialog (disabled) backgrounds.
  virtual platform::ui::FontHandle fieldFont() const = 0;
  virtual platform::ui::ColorRef fieldBackground() const = 0;
  virtual platform::ui::ColorRef dialogBackground() const = 0;
};

}  // namespace qiv
