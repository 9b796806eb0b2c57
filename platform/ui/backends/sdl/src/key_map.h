// SDL key codes as the model's virtual keys.
#pragma once

#include <SDL2/SDL_keycode.h>

#include <optional>

#include "platform/ui/keys.h"

namespace platform::ui::sdl {

// Nothing for a key the model has no virtual key for.
std::optional<VirtualKey> VirtualKeyFor(SDL_Keycode code);
// The key code that gives the virtual key (the left one of a pair).
std::optional<SDL_Keycode> KeycodeFor(VirtualKey key);

}  // namespace platform::ui::sdl
