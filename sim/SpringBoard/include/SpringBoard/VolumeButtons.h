#pragma once

#include <array>
#include <chrono>
#include <optional>

#include "CoreFoundation/CFRunLoop.h"
#include "SpringBoard/VolumeControl.h"

// The hardware volume buttons as SpringBoard sees them go down and come up. A button held down
// for the short hold fires Activator's short-hold event of that button; one released sooner, or
// one whose hold no listener took, is a press.
class VolumeButtons {
 public:
  static constexpr std::chrono::milliseconds kShortHold{400};

  static VolumeButtons& shared();

  // Goes down; the main run loop calls `held` once the short hold has passed with it still down.
  void down(VolumeButton button);
  // The short hold has passed with the button down: its event fires. Answers whether a listener
  // handled it; nothing when the button is not down or has fired its hold already.
  std::optional<bool> held(VolumeButton button);
  // Comes up: the press it made; nothing when its hold was handled or it was not down.
  std::optional<VolumeControl::Press> up(VolumeButton button);

  bool isDown(VolumeButton button) const { return state(button).down; }

 private:
  struct State {
    bool down = false;
    bool holdFired = false;
    bool holdHandled = false;
    std::optional<CFRunLoop::TimerId> timer;
  };
  State& state(VolumeButton button) { return states_[static_cast<std::size_t>(button)]; }
  const State& state(VolumeButton button) const {
    return states_[static_cast<std::size_t>(button)];
  }

  std::array<State, 2> states_;
};
