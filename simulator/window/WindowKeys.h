#pragma once

#include <SDL.h>

#include <vector>

// The window's keys and mouse actions: what a person presses, what it does, and the command it
// runs. The one table that the keys overlay, the usage and the window's dispatch read, so that a
// key says what its command says.
struct WindowKey {
  enum class Action {
    Command,        // runs `command` through the command engine, as typed at the prompt
    VolumeButtons,  // the hardware buttons: down and up as the key goes
    Gesture,        // a VoiceOver gesture: `command`, only while VoiceOver runs
    ShowKeys,       // the overlay of this table, the window's own
    Described,      // done elsewhere (the mouse, the wheel, typing): listed only
  };
  std::vector<SDL_Keycode> codes;
  const char* keys;  // as the overlay names them
  const char* does;
  Action action;
  const char* command = nullptr;
};

namespace window_keys {

// The side button's key, which a click on the drawn button also stands for.
inline constexpr SDL_Keycode kSideButton = SDLK_l;

const std::vector<WindowKey>& all();
// The entry a key belongs to; null for a key the window does not use.
const WindowKey* of(SDL_Keycode code);

}  // namespace window_keys
