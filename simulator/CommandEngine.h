#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CoreGraphics/CGGeometry.h"
#include "Foundation/NSObjCRuntime.h"
#include "TweakState.h"

class UISlider;
class UIView;

// Runs the simulator's commands, one line at a time, against the booted device: hardware
// buttons, Activator events, touches, the audio controller, preferences, the screen.
class CommandEngine {
 public:
  struct Result {
    bool ok = true;
    std::string output;  // lines for standard output; a failure is one "error: ..." line
  };

  CommandEngine();

  // Blank lines and "#" comments do nothing. Afterwards the run loop handles what is ready
  // (notifications, timers), as a device would between two touches.
  Result execute(const std::string& line);
  static std::string help();

 private:
  using Args = std::vector<std::string>;
  struct Command;
  static const std::vector<Command>& commands();

  Result event(const Args& args);
  Result hold(const Args& args);
  Result press(const Args& args);
  Result tap(const Args& args);
  Result touch(const Args& args);
  Result move(const Args& args);
  Result release(const Args& args);
  Result drag(const Args& args);
  Result set(const Args& args);
  Result route(const Args& args);
  Result play(const Args& args);
  Result hud(const Args& args);
  Result prefs(const Args& args);
  Result reduceTransparency(const Args& args);
  Result rotate(const Args& args);
  Result volumes(const Args& args);
  Result state(const Args& args);
  Result dump(const Args& args);
  Result show(const Args& args);
  Result screenshot(const Args& args);
  Result wait(const Args& args);
  Result helpCommand(const Args& args);

  // The slider of category `number` on the open popup, or why there is none.
  std::shared_ptr<UISlider> slider(const std::string& number, std::string& error) const;
  std::string describeSlider(const UISlider& slider) const;
  Result moveFingerTo(UISlider& slider, float percent);

  TweakState tweak_;
  std::shared_ptr<UISlider> touched_;  // the slider a finger is on
  CGPoint finger_{};
};
