#include "window/WindowKeys.h"

#include <algorithm>

namespace window_keys {

const std::vector<WindowKey>& all() {
  using Action = WindowKey::Action;
  static const std::vector<WindowKey> keys{
      {{}, "mouse", "a finger on the screen", Action::Described},
      {{}, "wheel", "scrolls what is under it", Action::Described},
      {{SDLK_UP, SDLK_DOWN},
       "Up, Down",
       "volume buttons (hold Up: the mixer)",
       Action::VolumeButtons},
      {{}, "click them", "the same, on the drawn volume buttons", Action::Described},
      {{SDLK_r}, "R", "turn the device", Action::Command, "rotate"},
      {{SDLK_t}, "T", "Reduce Transparency on or off", Action::Command, "reduce-transparency"},
      {{SDLK_p}, "P", "media playing or not", Action::Command, "play"},
      {{SDLK_j}, "J", "wired headphones in or out", Action::Command, "headphones"},
      {{SDLK_b}, "B", "Bluetooth on or off", Action::Command, "bluetooth"},
      {{SDLK_s}, "S", "save a screenshot", Action::Command, "screenshot"},
      {{SDLK_h, SDLK_HOME},
       "H or Home",
       "the Home button (or click the drawn one)",
       Action::Command,
       "home"},
      {{kSideButton},
       "L",
       "the side button: lock, or wake (or click it)",
       Action::Command,
       "press side"},
      {{SDLK_F5}, "F5", "respring", Action::Command, "respring"},
      {{SDLK_v}, "V", "VoiceOver on or off", Action::Command, "voiceover"},
      {{}, "with VoiceOver", "a click finds; these keys gesture:", Action::Described},
      {{SDLK_RIGHT}, "Right", "swipe right: the next element", Action::Gesture, "vo next"},
      {{SDLK_LEFT}, "Left", "swipe left: the one before", Action::Gesture, "vo previous"},
      {{SDLK_RETURN, SDLK_SPACE},
       "Return or Space",
       "double tap: activate it",
       Action::Gesture,
       "vo activate"},
      {{SDLK_PAGEUP}, "Page Up", "swipe up: raise it", Action::Gesture, "vo increment"},
      {{SDLK_PAGEDOWN}, "Page Down", "swipe down: lower it", Action::Gesture, "vo decrement"},
      {{SDLK_BACKSPACE},
       "Backspace",
       "two-finger scrub: back, cancel, close",
       Action::Gesture,
       "vo escape"},
      {{}, "typing", "into a text field with the focus", Action::Described},
      // "?" is the shifted slash on most layouts.
      {{SDLK_SLASH, SDLK_QUESTION, SDLK_F1},
       "? or F1",
       "show or hide these keys",
       Action::ShowKeys},
      {{SDLK_q, SDLK_ESCAPE}, "Q or Esc", "quit", Action::Command, "quit"},
  };
  return keys;
}

const WindowKey* of(SDL_Keycode code) {
  for (const auto& key : all()) {
    if (std::find(key.codes.begin(), key.codes.end(), code) != key.codes.end()) return &key;
  }
  return nullptr;
}

}  // namespace window_keys
