// Virtual keys of SDL key events under layouts other than the U.S. one.
#include "key_map.h"

#include <gtest/gtest.h>

namespace platform::ui::sdl {
namespace {

TEST(KeyMap, TheLayoutsKeyCodeNamesTheKeyElseItsPlaceDoes) {
  struct Case {
    const char* what;
    SDL_Keycode code;
    SDL_Scancode place;
    std::optional<VirtualKey> expected;
  };
  const Case cases[] = {
      {"a letter", SDLK_a, SDL_SCANCODE_A, VirtualKey{'A'}},
      {"a French A, where the U.S. Q is", SDLK_a, SDL_SCANCODE_Q, VirtualKey{'A'}},
      {"a Spanish n with tilde", 0xF1, SDL_SCANCODE_SEMICOLON, key::Semicolon},
      {"a c with cedilla", 0xE7, SDL_SCANCODE_BACKSLASH, key::Backslash},
      {"a dead key (no key code)", SDLK_SCANCODE_MASK, SDL_SCANCODE_LEFTBRACKET, key::LeftBracket},
      {"the key beside the left Shift", SDLK_LESS, SDL_SCANCODE_NONUSBACKSLASH, key::AngleBracket},
      {"a digit on the number row", SDLK_0, SDL_SCANCODE_0, VirtualKey{'0'}},
      {"a French digit key without its digit", 0xE0, SDL_SCANCODE_0, VirtualKey{'0'}},
      {"AltGr, as the right Alt", SDLK_RALT, SDL_SCANCODE_RALT, key::Alt},
      {"a key the model has none for", SDLK_F24, SDL_SCANCODE_F24, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(VirtualKeyFor(c.code, c.place), c.expected);
  }
}

TEST(KeyMap, EveryKeyTheBackendPutsOnTheQueueComesBackAsItself) {
  for (VirtualKey key = 1; key < 0xFF; ++key) {
    const auto code = KeycodeFor(key);
    if (!code) continue;
    EXPECT_EQ(VirtualKeyFor(*code), key) << key;
  }
}

}  // namespace
}  // namespace platform::ui::sdl
