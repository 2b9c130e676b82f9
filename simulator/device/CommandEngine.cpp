#include "device/CommandEngine.h"

#include <algorithm>
#include <chrono>

#include "Activator/LAActivator.h"
#include "Celestial/AVSystemController.h"
#include "Celestial/AudioHardware.h"
#include "CoreFoundation/CFRunLoop.h"
#include "Settings/SettingsApp.h"
#include "SpringBoard/SpringBoard.h"
#include "SpringBoard/VolumeButtons.h"
#include "SpringBoard/VolumeControl.h"
#include "UIKit/UIAccessibility.h"
#include "UIKit/UIAccessibilitySettings.h"
#include "UIKit/UIApplication.h"
#include "UIKit/UIScreen.h"
#include "UIKit/UIScreenSetup.h"
#include "UIKit/UITextField.h"
#include "common/DisplayText.h"
#include "common/Shortest.h"
#include "device/PrefsTool.h"
#include "screen/Keyboard.h"
#include "screen/ScreenRenderer.h"
#include "screen/TextScreen.h"
#include "screen/ViewDump.h"

struct CommandEngine::Command {
  const char* name;
  const char* usage;
  const char* summary;
  Result<std::string> (CommandEngine::*run)(const Args&);
  std::size_t minArgs;
  std::size_t maxArgs;
};

namespace {

using arguments::number;

constexpr double kLongestWait = 60;
constexpr std::size_t kAnyNumber = SIZE_MAX;

Result<NSInteger> categoryNumber(const std::string& text) {
  const auto n = number<NSInteger>(text);
  if (!n || *n < 0) return fail("a category number is a whole number from 0");
  return *n;
}

}  // namespace

CommandEngine::CommandEngine() : tweak_(TweakState::lookUp()), finger_(tweak_) {
}

const std::vector<CommandEngine::Command>& CommandEngine::commands() {
  static const std::vector<Command> table{
      {"event", "event NAME [MODE]", "Activator fires NAME (by default in the device's mode)",
       &CommandEngine::event, 1, 2},
      {"hold", "hold up|down", "a short hold of a volume button", &CommandEngine::hold, 1, 1},
      {"press", "press up|down|side", "a short press of a volume button or the side button",
       &CommandEngine::press, 1, 1},
      {"lock", "lock", "locks the device, its display dark", &CommandEngine::lock, 0, 0},
      {"wake", "wake", "the display lights on the lock screen", &CommandEngine::wake, 0, 0},
      {"unlock", "unlock", "from the lock screen to where the device was (Home, or a swipe up)",
       &CommandEngine::unlock, 0, 0},
      {"tap", "tap X Y", "a tap at a screen point", &CommandEngine::tap, 2, 2},
      {"swipe", "swipe X1 Y1 X2 Y2", "a finger drawn from one point to another",
       &CommandEngine::swipe, 4, 4},
      {"touch", "touch N", "a finger down on the slider of category N", &CommandEngine::touch, 1,
       1},
      {"move", "move N PERCENT", "the finger on slider N moves to PERCENT", &CommandEngine::move, 2,
       2},
      {"release", "release N", "the finger on slider N is lifted", &CommandEngine::release, 1, 1},
      {"drag", "drag N PERCENT", "touch, move in steps, release", &CommandEngine::drag, 2, 2},
      {"set", "set CATEGORY VOLUME", "another app sets a volume (0.0 to 1.0)", &CommandEngine::set,
       2, 2},
      {"route", "route CATEGORY NAME", "the audio route of a category changes",
       &CommandEngine::route, 2, 2},
      {"play", "play [on|off]", "media playing or not (no word: the other)", &CommandEngine::play,
       0, 1},
      {"headphones", "headphones [in|out]", "wired headphones plugged in or out",
       &CommandEngine::headphones, 0, 1},
      {"bluetooth", "bluetooth [on|off]", "a Bluetooth device connected or not",
       &CommandEngine::bluetooth, 0, 1},
      {"hud", "hud CATEGORY", "may SpringBoard show its volume HUD?", &CommandEngine::hud, 1, 1},
      {"prefs", "prefs KEY VALUE",
       "write a preference and announce it (VALUE: the rest of the line)", &CommandEngine::prefs, 2,
       kAnyNumber},
      {"reduce-transparency", "reduce-transparency [on|off]", "the accessibility setting",
       &CommandEngine::reduceTransparency, 0, 1},
      {"rotate", "rotate [portrait|landscape|landscape-right|upside-down]",
       "turn the device (no word: upright or on its side)", &CommandEngine::rotate, 0, 1},
      {"volumes", "volumes", "every category: volume and route", &CommandEngine::volumes, 0, 0},
      {"state", "state", "the popup's state; unlocked, lock screen or locked",
       &CommandEngine::state, 0, 0},
      {"dump", "dump [all]", "the windows and their views (all: the status bar too)",
       &CommandEngine::dump, 0, 1},
      {"clock", "clock H:MM|now", "the status bar's time: pinned, or the host's",
       &CommandEngine::clock, 1, 1},
      {"launch", "launch NAME", "opens an app by its name (Settings)", &CommandEngine::launch, 1,
       1},
      {"home", "home", "the Home button: back to the home screen", &CommandEngine::home, 0, 0},
      {"type", "type TEXT", "types into the text field with the focus", &CommandEngine::type, 1,
       kAnyNumber},
      {"key", "key return|escape|backspace", "one key to the text field with the focus",
       &CommandEngine::key, 1, 1},
      {"show", "show", "the screen drawn as text", &CommandEngine::show, 0, 0},
      {"screenshot", "screenshot [FILE]",
       "the screen as a PNG (no file: a new one in the user's screenshot folder)",
       &CommandEngine::screenshot, 0, 1},
      {"install", "install FILE.deb", "installs a package as dpkg does (respring to load it)",
       &CommandEngine::install, 1, 1},
      {"remove", "remove PACKAGE", "removes a package's files; its preference files stay",
       &CommandEngine::remove, 1, 1},
      {"voiceover", "voiceover [on|off] | voiceover speech [audio|files DIR|silent]",
       "VoiceOver on or off (no word: the other way); where its speech goes",
       &CommandEngine::voiceover, 0, 3},
      {"vo", "vo next|previous|activate|increment|decrement|escape|read|touch X Y",
       "a VoiceOver gesture: answers what it spoke", &CommandEngine::vo, 1, 3},
      {"ax", "ax [audit]", "the accessibility elements in reading order; what a review flags",
       &CommandEngine::ax, 0, 1},
      {"respring", "respring", "SpringBoard starts again: the tweaks load anew, Settings ends",
       &CommandEngine::respring, 0, 0},
      {"wait", "wait SECONDS", "let time pass (timers run, the HUD fades)", &CommandEngine::wait, 1,
       1},
      {"help", "help", "this list", &CommandEngine::helpCommand, 0, 0},
      {"quit", "quit", "end the session, closing the window", &CommandEngine::quit, 0, 0},
      {"exit", "exit", "the same as quit", &CommandEngine::quit, 0, 0},
  };
  return table;
}

std::string CommandEngine::help() {
  std::string out;
  for (const auto& command : commands()) {
    std::string usage = command.usage;
    usage.resize(std::max<std::size_t>(usage.size() + 2, 34), ' ');
    out += "  " + usage + command.summary + "\n";
  }
  return out;
}

Result<std::string> CommandEngine::execute(const std::string& line) {
  const auto words = arguments::split(line);
  if (!words) return words.failure();
  if (words->empty()) return std::string();
  const auto& name = words->front();
  const Args args(words->begin() + 1, words->end());
  const auto& table = commands();
  const auto command = std::find_if(table.begin(), table.end(),
                                    [&](const Command& known) { return name == known.name; });
  if (command == table.end()) return fail("unknown command \"" + name + "\" (try help)");
  if (args.size() < command->minArgs || args.size() > command->maxArgs) {
    return fail(std::string("usage: ") + command->usage);
  }
  running_ = &*command;
  auto result = (this->*command->run)(args);
  CFRunLoop::main().runUntilIdle();
  if (const auto heard = heardByVoiceOver(); !heard.empty() && result) {
    return result->empty() ? heard.substr(1) : *result + heard;
  }
  return result;
}

Failure CommandEngine::usage() const {
  return fail(std::string("usage: ") + running_->usage);
}

Result<std::string> CommandEngine::event(const Args& args) {
  if (args.size() == 1 && !SpringBoard::shared().isDisplayOn()) {
    return fail("the display is dark: Activator sends no event (give a MODE to fire one anyway)");
  }
  const std::string mode = args.size() > 1 ? args[1] : SpringBoard::shared().eventMode();
  const auto& modes = LAActivator::availableEventModes();
  if (std::find(modes.begin(), modes.end(), mode) == modes.end()) {
    std::string known;
    for (const auto& each : modes) known += (known.empty() ? "" : ", ") + each;
    return fail("unknown mode \"" + mode + "\" (" + known + ")");
  }
  const auto fired = LAEvent::eventWithName(args[0], mode);
  return std::string(LASharedActivator->sendEventToListener(*fired) ? "handled" : "unhandled");
}

Result<VolumeButton> CommandEngine::volumeButton(const std::string& name) const {
  if (name != "up" && name != "down") return usage();
  const auto button = name == "up" ? VolumeButton::Up : VolumeButton::Down;
  if (VolumeButtons::shared().isDown(button)) return fail("the " + name + " button is held down");
  return button;
}

std::string CommandEngine::describeStep(const std::string& category, float volume, bool hud) {
  return category + " " + shortest(volume) + (hud ? " hud=shown" : " hud=hidden");
}

Result<std::string> CommandEngine::hold(const Args& args) {
  const auto button = volumeButton(args[0]);
  if (!button) return button.failure();
  const auto hold = SpringBoard::shared().holdVolumeButton(*button);
  if (hold.handled) return std::string("handled");
  if (!hold.step) return std::string("unhandled");
  // No listener took it: the button stepped the volume once, as a press would.
  return "unhandled " + describeStep(hold.step->category, hold.step->volume, hold.step->hudShown);
}

Result<std::string> CommandEngine::press(const Args& args) {
  if (args[0] == "side") {
    SpringBoard::shared().pressSideButton();
    return lockState();
  }
  const auto button = volumeButton(args[0]);
  if (!button) return button.failure();
  auto& buttons = VolumeButtons::shared();
  buttons.down(*button);
  const auto pressed = buttons.up(*button);
  if (!pressed) return fail("the " + args[0] + " button made no press");
  return describeStep(pressed->category, pressed->volume, pressed->hudShown);
}

Result<std::string> CommandEngine::tap(const Args& args) {
  const auto x = number<double>(args[0]);
  const auto y = number<double>(args[1]);
  if (!x || !y) return fail("tap takes two numbers");
  if (auto lit = displayLit(); !lit) return lit.failure();
  return finger_.tap(CGPoint{*x, *y});
}

Result<std::string> CommandEngine::swipe(const Args& args) {
  double at[4];
  for (std::size_t i = 0; i < 4; ++i) {
    const auto coordinate = number<double>(args[i]);
    if (!coordinate) return fail("swipe takes four numbers");
    at[i] = *coordinate;
  }
  if (auto lit = displayLit(); !lit) return lit.failure();
  return finger_.swipe(CGPoint{at[0], at[1]}, CGPoint{at[2], at[3]});
}

Result<std::string> CommandEngine::touch(const Args& args) {
  const auto n = categoryNumber(args[0]);
  if (!n) return n.failure();
  if (auto lit = displayLit(); !lit) return lit.failure();
  return finger_.touch(*n);
}

Result<std::string> CommandEngine::move(const Args& args) {
  return slide(args, "move", &FingerSession::move);
}

Result<std::string> CommandEngine::release(const Args& args) {
  const auto n = categoryNumber(args[0]);
  if (!n) return n.failure();
  return finger_.release(*n);
}

Result<std::string> CommandEngine::drag(const Args& args) {
  return slide(args, "drag", &FingerSession::drag);
}

Result<std::string> CommandEngine::slide(const Args& args, const char* command, SlideTo slideTo) {
  const auto n = categoryNumber(args[0]);
  if (!n) return n.failure();
  const auto percent = number<float>(args[1]);
  if (!percent) return fail(std::string(command) + " takes a percentage");
  if (auto lit = displayLit(); !lit) return lit.failure();
  return (finger_.*slideTo)(*n, *percent);
}

Result<std::string> CommandEngine::set(const Args& args) {
  const auto volume = number<float>(args[1]);
  if (!volume || *volume < 0 || *volume > 1) return fail("a volume is a number from 0.0 to 1.0");
  if (auto known = knownCategory(args[0]); !known) return known.failure();
  const auto controller = AVSystemController::sharedAVSystemController();
  controller->setVolumeTo(*volume, args[0]);
  float now = 0;
  controller->getVolume(now, args[0]);
  return args[0] + " " + shortest(now);
}

Result<Ok> CommandEngine::knownCategory(const std::string& name) {
  const auto known = AudioHardware::knownCategories();
  if (std::find(known.begin(), known.end(), name) != known.end()) return Ok{};
  std::string names;
  for (const auto& category : known) names += (names.empty() ? "" : ", ") + category;
  return fail("unknown category " + display_text::quoted(name) + " (known: " + names + ")");
}

Result<std::string> CommandEngine::route(const Args& args) {
  if (auto known = knownCategory(args[0]); !known) return known.failure();
  AudioHardware::setRoute(args[0], args[1]);
  return args[0] + " " + args[1];
}

Result<bool> CommandEngine::switchTo(const Args& args, bool now, const char* on,
                                     const char* off) const {
  if (args.empty()) return !now;
  if (args[0] == on) return true;
  if (args[0] == off) return false;
  return usage();
}

Result<std::string> CommandEngine::play(const Args& args) {
  auto& volume = VolumeControl::sharedVolumeControl();
  const auto playing = switchTo(args, volume.isMediaPlaying());
  if (!playing) return playing.failure();
  volume.setMediaPlaying(*playing);
  return "buttons change " + volume.activeCategory();
}

Result<std::string> CommandEngine::headphones(const Args& args) {
  const auto in = switchTo(args, plugs_.headphonesIn(), "in", "out");
  if (!in) return in.failure();
  return lines(plugs_.setHeadphones(*in));
}

Result<std::string> CommandEngine::bluetooth(const Args& args) {
  const auto on = switchTo(args, plugs_.bluetoothOn());
  if (!on) return on.failure();
  return lines(plugs_.setBluetooth(*on));
}

std::string CommandEngine::lines(const std::vector<std::string>& each) {
  std::string out;
  for (const auto& line : each) out += (out.empty() ? "" : "\n") + line;
  return out;
}

Result<std::string> CommandEngine::hud(const Args& args) {
  if (auto known = knownCategory(args[0]); !known) return known.failure();
  const bool shown = VolumeControl::sharedVolumeControl().isHUDDisplayableForCategory(args[0]);
  return std::string(shown ? "yes" : "no");
}

Result<std::string> CommandEngine::prefs(const Args& args) {
  // The value is the rest of the line, as `type` takes its text: prefs selectedSkin Cream Round.
  std::string value;
  for (std::size_t i = 1; i < args.size(); ++i) value += (i > 1 ? " " : "") + args[i];
  // A program's arguments end at a NUL: what would be stored is not what was asked for.
  if (value.find('\0') != std::string::npos) {
    return fail(args[0] + " cannot hold a NUL character");
  }
  return prefs_tool::run({"set", args[0], value});
}

Result<std::string> CommandEngine::reduceTransparency(const Args& args) {
  const auto enabled = switchTo(args, UIAccessibilityIsReduceTransparencyEnabled());
  if (!enabled) return enabled.failure();
  UIAccessibilitySetReduceTransparencyEnabled(*enabled);
  return std::string("reduce transparency ") + (*enabled ? "on" : "off");
}

Result<std::string> CommandEngine::rotate(const Args& args) {
  static const std::pair<const char*, UIInterfaceOrientation> kOrientations[] = {
      {"portrait", UIInterfaceOrientationPortrait},
      {"landscape", UIInterfaceOrientationLandscapeLeft},
      {"landscape-right", UIInterfaceOrientationLandscapeRight},
      {"upside-down", UIInterfaceOrientationPortraitUpsideDown},
  };
  const bool upright = UIScreen::mainScreen().orientation() == UIInterfaceOrientationPortrait;
  const std::string wanted = !args.empty() ? args[0] : upright ? "landscape" : "portrait";
  for (const auto& [name, orientation] : kOrientations) {
    if (wanted != name) continue;
    UIScreenSetup::setOrientation(orientation);
    const CGRect bounds = UIScreen::mainScreen().bounds();
    return wanted + " " + shortest(bounds.size.width) + "x" + shortest(bounds.size.height);
  }
  return usage();
}

Result<std::string> CommandEngine::volumes(const Args&) {
  const auto controller = AVSystemController::sharedAVSystemController();
  std::string out;
  for (const auto& name : AudioHardware::knownCategories()) {
    float volume = 0;
    controller->getVolume(volume, name);
    out += name + " " + shortest(volume) + " " + controller->routeForCategory(name).value_or("-") +
           "\n";
  }
  if (!out.empty()) out.pop_back();
  return out;
}

Result<std::string> CommandEngine::state(const Args&) {
  if (!tweak_.loaded()) return fail("the tweak is not loaded");
  return tweak_.describe() + "\n" + lockState();
}

Result<std::string> CommandEngine::dump(const Args& args) {
  if (!args.empty() && args[0] != "all") return usage();
  std::string out = dumpScreen(!args.empty());
  if (!out.empty()) out.pop_back();
  return out.empty() ? std::string("(no window on screen)") : out;
}

Result<std::string> CommandEngine::launch(const Args& args) {
  auto& springBoard = SpringBoard::shared();
  if (springBoard.lockState() != SBLockState::Unlocked) {
    return fail("the device is locked (" + lockState() + "): unlock it first");
  }
  if (!springBoard.launchApplication(args[0])) {
    std::string known;
    for (const auto& app : springBoard.applications()) {
      known += (known.empty() ? "" : ", ") + app.displayName;
    }
    return fail("no app named \"" + args[0] + "\" (" + known + ")");
  }
  if (springBoard.frontApplication() != args[0])
    return fail(args[0] + " did not start (see the log)");
  return args[0];
}

Result<std::string> CommandEngine::home(const Args&) {
  auto& springBoard = SpringBoard::shared();
  const bool wasLocked = springBoard.lockState() != SBLockState::Unlocked;
  springBoard.pressHomeButton();
  if (springBoard.lockState() != SBLockState::Unlocked) return lockState();
  if (wasLocked && !springBoard.frontApplication().empty()) return springBoard.frontApplication();
  return std::string("home screen");
}

Result<std::string> CommandEngine::type(const Args& args) {
  std::string typed;
  for (const auto& word : args) typed += (typed.empty() ? "" : " ") + word;
  return keyboard::type(typed);
}

Result<std::string> CommandEngine::key(const Args& args) {
  const auto done = keyboard::key(args[0]);
  if (!done && done.error().starts_with("key takes")) return usage();
  return done;
}

Result<std::string> CommandEngine::clock(const Args& args) {
  auto& springBoard = SpringBoard::shared();
  if (args[0] == "now") {
    springBoard.setStatusBarTime(std::nullopt);
    return "clock " + springBoard.statusBarTime();
  }
  const std::string& time = args[0];
  const auto colon = time.find(':');
  const bool digits = std::all_of(time.begin(), time.end(),
                                  [](char c) { return c == ':' || (c >= '0' && c <= '9'); });
  if (!digits || (colon != 1 && colon != 2) || time.size() != colon + 3 ||
      time.find(':', colon + 1) != std::string::npos || std::stoi(time.substr(0, colon)) > 23 ||
      std::stoi(time.substr(colon + 1)) > 59) {
    return fail("clock takes a time from 0:00 to 23:59, or now");
  }
  springBoard.setStatusBarTime(args[0]);
  return "clock " + springBoard.statusBarTime();
}

Result<std::string> CommandEngine::show(const Args&) {
  std::string out = drawScreenAsText(tweak_.shownPanel().get());
  out.pop_back();
  return out;
}

Result<std::string> CommandEngine::screenshot(const Args& args) {
  if (args.empty()) {
    const auto saved = saveNewScreenshot();
    if (!saved) return saved.failure();
    return "wrote " + saved->string();
  }
  if (auto written = renderScreenshot(args[0]); !written) return written.failure();
  return "wrote " + args[0];
}

Result<std::string> CommandEngine::wait(const Args& args) {
  const auto seconds = number<double>(args[0]);
  if (!seconds || *seconds < 0 || *seconds > kLongestWait)
    return fail("wait takes 0 to 60 seconds");
  const auto time = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::duration<double>(*seconds));
  if (waiter_) {
    waiter_(time);
  } else {
    CFRunLoop::main().runFor(time);
  }
  return std::string();
}

Result<std::string> CommandEngine::quit(const Args&) {
  quit_ = true;
  return std::string();
}

Result<std::string> CommandEngine::helpCommand(const Args&) {
  std::string out = help();
  out.pop_back();
  return out;
}
