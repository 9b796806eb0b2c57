// SDL key codes as the model's virtual keys.
#pragma once

#include <SDL2/SDL_keycode.h>
#include <SDL2/SDL_scancode.h>
#include <optional>

#include "platform/ui/keys.h"

namespace platform::ui::sdl {

// Nothing for a key the model has no virtual key for.
std::optional<VirtualKey> VirtualKeyFor(SDL_Keycode code);
// The virtual key of a key event: by its key code, which follows the
// desktop's layout; a key whose code names none (a letter the U.S. layout
// lacks, such as the Spanish n with tilde, or a dead key) by its place on
// the keyboard, named as the U.S. layout names that place.
std::optional<VirtualKey> VirtualKeyFor(SDL_Keycode code, SDL_Scancode place);
// The key code that gives the virtual key (the left one of a pair).
std::optional<SDL_Keycode> KeycodeFor(VirtualKey key);

}  // namespace platform::ui::sdl
