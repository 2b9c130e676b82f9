#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "SpringBoard/VolumeControl.h"
#include "common/Arguments.h"
#include "common/Result.h"
#include "device/FingerSession.h"
#include "device/RoutePlugs.h"
#include "device/TweakState.h"
#include "device/VoiceOver.h"

// Runs the simulator's commands, one line at a time, against the booted device: hardware
// buttons, Activator events, touches, the audio controller, preferences, the screen.
class CommandEngine {
 public:
  CommandEngine();

  // The lines the command prints (empty for blank lines and "#" comments), or why it could not
  // be done. Afterwards the run loop handles what is ready (notifications, timers), as a device
  // would between two touches.
  Result<std::string> execute(const std::string& line);
  static std::string help();
  // After `quit` (or `exit`): the session is to end.
  bool quitRequested() const { return quit_; }
  // How `wait` lets time pass: by default it runs the main run loop for that long; a window
  // takes the time instead, drawing its frames meanwhile.
  using Waiter = std::function<void(std::chrono::milliseconds)>;
  void setWaiter(Waiter waiter) { waiter_ = std::move(waiter); }
  // Where the window draws VoiceOver's cursor: its element's frame on the screen, while it runs.
  std::optional<CGRect> voiceOverCursor();
  // What VoiceOver spoke of its own accord since it was last asked: "\nVoiceOver: " and the
  // words, for each.
  std::string heardByVoiceOver();

 private:
  using Args = arguments::Words;
  struct Command;
  static const std::vector<Command>& commands();
  // "usage: " and the running command's usage, as the command table has it.
  Failure usage() const;

  Result<std::string> event(const Args& args);
  // "up" or "down", a button not held down already.
  Result<VolumeButton> volumeButton(const std::string& name) const;
  // "CATEGORY VOLUME hud=shown|hidden": what a step of a button did.
  static std::string describeStep(const std::string& category, float volume, bool hud);
  Result<std::string> hold(const Args& args);
  Result<std::string> press(const Args& args);
  Result<std::string> tap(const Args& args);
  Result<std::string> swipe(const Args& args);
  Result<std::string> touch(const Args& args);
  Result<std::string> move(const Args& args);
  Result<std::string> release(const Args& args);
  Result<std::string> drag(const Args& args);
  // "N PERCENT" checked, then the finger on slider N goes there as `slideTo` has it.
  using SlideTo = Result<std::string> (FingerSession::*)(NSInteger, float);
  Result<std::string> slide(const Args& args, const char* command, SlideTo slideTo);
  Result<std::string> set(const Args& args);
  Result<std::string> route(const Args& args);
  // A switch set as the words say (`on` or `off`, or the command's own pair), or the other way
  // from `now` when they say nothing.
  Result<bool> switchTo(const Args& args, bool now, const char* on = "on",
                        const char* off = "off") const;
  static std::string lines(const std::vector<std::string>& each);
  Result<std::string> play(const Args& args);
  Result<std::string> headphones(const Args& args);
  Result<std::string> bluetooth(const Args& args);
  // A category the audio controller knows; why not, with the ones it knows.
  static Result<Ok> knownCategory(const std::string& name);
  Result<std::string> hud(const Args& args);
  Result<std::string> prefs(const Args& args);
  Result<std::string> reduceTransparency(const Args& args);
  Result<std::string> rotate(const Args& args);
  Result<std::string> volumes(const Args& args);
  Result<std::string> state(const Args& args);
  Result<std::string> dump(const Args& args);
  Result<std::string> clock(const Args& args);
  Result<std::string> launch(const Args& args);
  Result<std::string> home(const Args& args);
  Result<std::string> type(const Args& args);
  Result<std::string> key(const Args& args);
  Result<std::string> show(const Args& args);
  // The side button and the lock screen; each answers the lock state it leaves.
  Result<std::string> lock(const Args& args);
  Result<std::string> wake(const Args& args);
  Result<std::string> unlock(const Args& args);
  static std::string lockState();
  // SpringBoard starts again; the tweak's state is looked up anew, and a finger is let go.
  Result<std::string> respring(const Args& args);
  // Packages: a .deb installed as dpkg does, or a package's files removed.
  Result<std::string> install(const Args& args);
  // VoiceOver: on or off, its gestures, the inspector's list and audit.
  Result<std::string> voiceover(const Args& args);
  Result<std::string> speech(const Args& args);
  Result<std::string> vo(const Args& args);
  Result<std::string> ax(const Args& args);
  Result<std::string> remove(const Args& args);
  // Why a finger cannot touch the screen now: its display is dark.
  static Result<Ok> displayLit();
  Result<std::string> screenshot(const Args& args);
  Result<std::string> wait(const Args& args);
  Result<std::string> helpCommand(const Args& args);
  Result<std::string> quit(const Args& args);

  TweakState tweak_;
  FingerSession finger_;
  RoutePlugs plugs_;
  VoiceOver voiceOver_;
  Waiter waiter_;
  bool quit_ = false;
  const Command* running_ = nullptr;  // the command being run
};
