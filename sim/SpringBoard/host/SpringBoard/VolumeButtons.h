#pragma once

#include <array>
#include <chrono>
#include <optional>

#include "CoreFoundation/CFRunLoop.h"
#include "SpringBoard/VolumeControl.h"

// The hardware volume buttons as SpringBoard sees them go down and come up. A button released
// before the short hold is a press. One held down for the short hold fires Activator's
// short-hold event of that button: a listener that takes it has the whole of it (and a volume
// HUD already up goes away); when none does, the button steps the volume then, and again every
// kRepeat for as long as it stays down, as SpringBoard repeats.
class VolumeButtons {
 public:
  static constexpr std::chrono::milliseconds kShortHold{400};
  static constexpr std::chrono::milliseconds kRepeat{150};

  static VolumeButtons& shared();

  // Goes down; the main run loop calls `held` once the short hold has passed with it still down.
  void down(VolumeButton button);
  // What a hold did: taken by a listener, or the step the button made when none took it.
  struct Hold {
    bool handled;
    std::optional<VolumeControl::Press> step;
  };
  // The short hold has passed with the button down: its event fires, and, unless a listener
  // handled it, the volume steps and goes on stepping while the button stays down. Nothing
  // when the button is not down or has fired its hold already.
  std::optional<Hold> held(VolumeButton button);
  // Comes up: the press it made; nothing when its hold fired or it was not down.
  std::optional<VolumeControl::Press> up(VolumeButton button);

  bool isDown(VolumeButton button) const { return state(button).down; }

 private:
  struct State {
    bool down = false;
    bool holdFired = false;
    std::optional<CFRunLoop::TimerId> timer;  // the hold, then the repeats
  };
  State& state(VolumeButton button) { return states_[static_cast<std::size_t>(button)]; }
  const State& state(VolumeButton button) const {
    return states_[static_cast<std::size_t>(button)];
  }

  void cancelTimer(State& pressed);

  std::array<State, 2> states_;
};
