#include "CommandEngine.h"

#include <charconv>
#include <chrono>
#include <cmath>

#include "Activator/LAActivator.h"
#include "Celestial/AVSystemController.h"
#include "CoreFoundation/CFRunLoop.h"
#include "PreferencesEditor.h"
#include "ScreenRenderer.h"
#include "Shortest.h"
#include "SpringBoard/SpringBoard.h"
#include "SpringBoard/VolumeControl.h"
#include "TextScreen.h"
#include "UIKit/UIAccessibility.h"
#include "UIKit/UIApplication.h"
#include "UIKit/UILabel.h"
#include "UIKit/UIScreen.h"
#include "UIKit/UISlider.h"
#include "ViewDump.h"

struct CommandEngine::Command {
  const char* name;
  const char* usage;
  const char* summary;
  Result (CommandEngine::*run)(const Args&);
  std::size_t minArgs;
  std::size_t maxArgs;
};

namespace {

using Result = CommandEngine::Result;

Result fail(const std::string& why) {
  return {false, "error: " + why};
}
Result done(std::string output) {
  return {true, std::move(output)};
}

// Words separated by blanks; "double quotes" keep blanks, with \" and \\ inside; an unquoted
// "#" starts a comment.
std::optional<std::vector<std::string>> split(const std::string& line) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false, quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c == '\\' && i + 1 < line.size()) {
        word += line[++i];
      } else if (c == '"') {
        quoted = false;
      } else {
        word += c;
      }
    } else if (c == '"') {
      quoted = inWord = true;
    } else if (c == '#' && !inWord) {
      break;
    } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (quoted) return std::nullopt;
  if (inWord) words.push_back(std::move(word));
  return words;
}

template <class Number>
std::optional<Number> parseNumber(const std::string& text) {
  Number value{};
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end || text.empty()) return std::nullopt;
  if constexpr (std::is_floating_point_v<Number>) {
    if (!std::isfinite(value)) return std::nullopt;
  }
  return value;
}

std::optional<bool> onOff(const std::string& word) {
  if (word == "on") return true;
  if (word == "off") return false;
  return std::nullopt;
}

// Where a point of `view` is on the screen: through its window, wherever that stands.
CGPoint screenPoint(const UIView& view, CGPoint local) {
  CGPoint point = view.convertPointToView(local, nullptr);
  std::shared_ptr<const UIView> top = view.superview();
  while (top && top->superview()) top = top->superview();
  if (top) point = CGPoint{point.x + top->frame().origin.x, point.y + top->frame().origin.y};
  return point;
}

std::string describeView(const UIView* view) {
  return view ? std::string(view->className()) + " tag=" + std::to_string(view->tag()) : "nothing";
}

}  // namespace

CommandEngine::CommandEngine() : tweak_(TweakState::lookUp()) {
}

const std::vector<CommandEngine::Command>& CommandEngine::commands() {
  static const std::vector<Command> table{
      {"event", "event NAME [MODE]", "Activator fires NAME (mode springboard by default)",
       &CommandEngine::event, 1, 2},
      {"hold", "hold up", "a short hold of volume-up", &CommandEngine::hold, 1, 1},
      {"press", "press up|down", "a short press of a volume button", &CommandEngine::press, 1, 1},
      {"tap", "tap X Y", "a tap at a screen point", &CommandEngine::tap, 2, 2},
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
      {"play", "play on|off", "media playing or not", &CommandEngine::play, 1, 1},
      {"hud", "hud CATEGORY", "may SpringBoard show its volume HUD?", &CommandEngine::hud, 1, 1},
      {"prefs", "prefs KEY VALUE", "write a preference and announce it", &CommandEngine::prefs, 2,
       2},
      {"reduce-transparency", "reduce-transparency on|off", "the accessibility setting",
       &CommandEngine::reduceTransparency, 1, 1},
      {"rotate", "rotate portrait|landscape|landscape-right|upside-down", "turn the device",
       &CommandEngine::rotate, 1, 1},
      {"volumes", "volumes", "every category: volume and route", &CommandEngine::volumes, 0, 0},
      {"state", "state", "the popup's state", &CommandEngine::state, 0, 0},
      {"dump", "dump", "the windows and their views", &CommandEngine::dump, 0, 0},
      {"show", "show", "the screen drawn as text", &CommandEngine::show, 0, 0},
      {"screenshot", "screenshot FILE", "the screen as a PNG", &CommandEngine::screenshot, 1, 1},
      {"wait", "wait SECONDS", "let time pass (timers run, the HUD fades)", &CommandEngine::wait, 1,
       1},
      {"help", "help", "this list", &CommandEngine::helpCommand, 0, 0},
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

Result CommandEngine::execute(const std::string& line) {
  const auto words = split(line);
  if (!words) return fail("unclosed quote");
  if (words->empty()) return done("");
  const auto& name = words->front();
  const Args args(words->begin() + 1, words->end());
  for (const auto& command : commands()) {
    if (name != command.name) continue;
    if (args.size() < command.minArgs || args.size() > command.maxArgs) {
      return fail(std::string("usage: ") + command.usage);
    }
    auto result = (this->*command.run)(args);
    CFRunLoop::main().runUntilIdle();
    return result;
  }
  return fail("unknown command \"" + name + "\" (try help)");
}

Result CommandEngine::event(const Args& args) {
  const std::string mode = args.size() > 1 ? args[1] : std::string(LAEventModeSpringBoard);
  const auto& modes = LAActivator::availableEventModes();
  if (std::find(modes.begin(), modes.end(), mode) == modes.end()) {
    return fail("unknown mode \"" + mode + "\" (springboard, lockscreen, application)");
  }
  const auto fired = LAEvent::eventWithName(args[0], mode);
  return done(LASharedActivator->sendEventToListener(*fired) ? "handled" : "unhandled");
}

Result CommandEngine::hold(const Args& args) {
  if (args[0] != "up") return fail("only volume-up has a hold event");
  return done(SpringBoard::shared().holdVolumeUp() ? "handled" : "unhandled");
}

Result CommandEngine::press(const Args& args) {
  if (args[0] != "up" && args[0] != "down") return fail("usage: press up|down");
  const auto pressed = VolumeControl::sharedVolumeControl().pressButton(
      args[0] == "up" ? VolumeButton::Up : VolumeButton::Down);
  return done(pressed.category + " " + shortest(pressed.volume) +
              (pressed.hudShown ? " hud=shown" : " hud=hidden"));
}

Result CommandEngine::tap(const Args& args) {
  const auto x = parseNumber<double>(args[0]);
  const auto y = parseNumber<double>(args[1]);
  if (!x || !y) return fail("tap takes two numbers");
  if (touched_)
    return fail("a finger is already on slider " + std::to_string(touched_->tag() - 2000));
  return done(describeView(UIApplication::sharedApplication().tap(CGPoint{*x, *y}).get()));
}

std::shared_ptr<UISlider> CommandEngine::slider(const std::string& number,
                                                std::string& error) const {
  const auto n = parseNumber<NSInteger>(number);
  if (!n || *n < 0) {
    error = "a category number is a whole number from 0";
    return nullptr;
  }
  if (!tweak_.popupShown()) {
    error = "no popup is open";
    return nullptr;
  }
  const auto& panel = *tweak_.popupView;
  auto found = panel ? std::dynamic_pointer_cast<UISlider>(panel->viewWithTag(2000 + *n)) : nullptr;
  if (!found) error = "no slider for category " + number;
  return found;
}

std::string CommandEngine::describeSlider(const UISlider& s) const {
  std::string text = describeView(&s) + " value=" + shortest(s.value());
  const auto& panel = *tweak_.popupView;
  if (auto label = panel ? std::dynamic_pointer_cast<UILabel>(panel->viewWithTag(s.tag() - 1000))
                         : nullptr) {
    text += " label=\"" + label->text().value_or("") + "\"";
  }
  return text;
}

Result CommandEngine::touch(const Args& args) {
  if (touched_)
    return fail("a finger is already on slider " + std::to_string(touched_->tag() - 2000));
  std::string error;
  const auto target = slider(args[0], error);
  if (!target) return fail(error);
  finger_ = screenPoint(*target, target->pointForValue(target->value()));
  const auto landed = UIApplication::sharedApplication().touchDown(finger_);
  if (landed != target) {
    UIApplication::sharedApplication().touchUp(finger_);
    return fail("the finger landed on " + describeView(landed.get()) + ", not on slider " +
                args[0]);
  }
  touched_ = target;
  return done(describeSlider(*target));
}

Result CommandEngine::moveFingerTo(UISlider& target, float percent) {
  finger_ = screenPoint(target, target.pointForValue(percent));
  UIApplication::sharedApplication().touchMoved(finger_);
  CFRunLoop::main().runUntilIdle();
  return done(describeSlider(target));
}

Result CommandEngine::move(const Args& args) {
  std::string error;
  const auto target = slider(args[0], error);
  if (!target) return fail(error);
  if (target != touched_) return fail("no finger is on slider " + args[0] + " (touch it first)");
  const auto percent = parseNumber<float>(args[1]);
  if (!percent) return fail("move takes a percentage");
  return moveFingerTo(*target, *percent);
}

Result CommandEngine::release(const Args& args) {
  if (!touched_ || std::to_string(touched_->tag() - 2000) != args[0]) {
    return fail("no finger is on slider " + args[0]);
  }
  UIApplication::sharedApplication().touchUp(finger_);
  const auto lifted = std::move(touched_);
  touched_.reset();
  return done(describeSlider(*lifted));
}

Result CommandEngine::drag(const Args& args) {
  const auto percent = parseNumber<float>(args[1]);
  if (!percent) return fail("drag takes a percentage");
  if (auto touched = touch({args[0]}); !touched.ok) return touched;
  const float start = touched_->value();
  constexpr int kSteps = 5;
  for (int step = 1; step <= kSteps; ++step) {
    moveFingerTo(*touched_, start + (*percent - start) * static_cast<float>(step) / kSteps);
  }
  return release({args[0]});
}

Result CommandEngine::set(const Args& args) {
  const auto volume = parseNumber<float>(args[1]);
  if (!volume) return fail("a volume is a number from 0.0 to 1.0");
  const auto controller = AVSystemController::sharedAVSystemController();
  if (!controller->setVolumeTo(*volume, args[0])) return fail("unknown category " + args[0]);
  float now = 0;
  controller->getVolume(now, args[0]);
  return done(args[0] + " " + shortest(now));
}

Result CommandEngine::route(const Args& args) {
  if (!AVSystemController::sharedAVSystemController()->setRoute(args[0], args[1])) {
    return fail("unknown category " + args[0]);
  }
  return done(args[0] + " " + args[1]);
}

Result CommandEngine::play(const Args& args) {
  const auto playing = onOff(args[0]);
  if (!playing) return fail("usage: play on|off");
  auto& volume = VolumeControl::sharedVolumeControl();
  volume.setMediaPlaying(*playing);
  return done("buttons change " + volume.activeCategory());
}

Result CommandEngine::hud(const Args& args) {
  return done(VolumeControl::sharedVolumeControl().isHUDDisplayableForCategory(args[0]) ? "yes"
                                                                                        : "no");
}

Result CommandEngine::prefs(const Args& args) {
  const auto outcome =
      PreferencesEditor::setPreference(args[0], PreferencesEditor::parseValue(args[1]));
  return outcome.ok ? done(outcome.message) : fail(outcome.message);
}

Result CommandEngine::reduceTransparency(const Args& args) {
  const auto enabled = onOff(args[0]);
  if (!enabled) return fail("usage: reduce-transparency on|off");
  UIAccessibilitySetReduceTransparencyEnabled(*enabled);
  return done(std::string("reduce transparency ") + (*enabled ? "on" : "off"));
}

Result CommandEngine::rotate(const Args& args) {
  static const std::pair<const char*, UIInterfaceOrientation> kOrientations[] = {
      {"portrait", UIInterfaceOrientationPortrait},
      {"landscape", UIInterfaceOrientationLandscapeLeft},
      {"landscape-right", UIInterfaceOrientationLandscapeRight},
      {"upside-down", UIInterfaceOrientationPortraitUpsideDown},
  };
  for (const auto& [name, orientation] : kOrientations) {
    if (args[0] != name) continue;
    UIScreen::mainScreen().setOrientation(orientation);
    const CGRect bounds = UIScreen::mainScreen().bounds();
    return done(args[0] + " " + shortest(bounds.size.width) + "x" + shortest(bounds.size.height));
  }
  return fail("usage: rotate portrait|landscape|landscape-right|upside-down");
}

Result CommandEngine::volumes(const Args&) {
  const auto controller = AVSystemController::sharedAVSystemController();
  std::string out;
  for (const auto& category : controller->knownCategories()) {
    float volume = 0;
    controller->getVolume(volume, category);
    out += category + " " + shortest(volume) + " " +
           controller->routeForCategory(category).value_or("-") + "\n";
  }
  if (!out.empty()) out.pop_back();
  return done(out);
}

Result CommandEngine::state(const Args&) {
  if (!tweak_.loaded()) return fail("the tweak is not loaded");
  return done(tweak_.describe());
}

Result CommandEngine::dump(const Args&) {
  std::string out = dumpScreen();
  if (!out.empty()) out.pop_back();
  return done(out.empty() ? "(no window on screen)" : out);
}

Result CommandEngine::show(const Args&) {
  const UIView* panel = tweak_.loaded() && *tweak_.popupView ? tweak_.popupView->get() : nullptr;
  std::string out = drawScreenAsText(panel);
  out.pop_back();
  return done(out);
}

Result CommandEngine::screenshot(const Args& args) {
  if (const auto failure = renderScreenshot(args[0])) return fail(*failure);
  return done("wrote " + args[0]);
}

Result CommandEngine::wait(const Args& args) {
  const auto seconds = parseNumber<double>(args[0]);
  if (!seconds || *seconds < 0 || *seconds > 60) return fail("wait takes 0 to 60 seconds");
  CFRunLoop::main().runFor(std::chrono::milliseconds(static_cast<long>(*seconds * 1000)));
  return done("");
}

Result CommandEngine::helpCommand(const Args&) {
  std::string out = help();
  out.pop_back();
  return done(out);
}
