#include "device/VoiceOver.h"

#include <algorithm>
#include <cmath>

#include "CoreFoundation/CFRunLoop.h"
#include "SimDevice/ProcessRestart.h"
#include "UIKit/UIAccessibilitySettings.h"
#include "accessibility/AccessibilityTree.h"
#include "apps/AppChannel.h"
#include "common/Arguments.h"
#include "device/ScreenElements.h"
#include "screen/RemoteWindow.h"

namespace tree = accessibility_tree;
using accessibility_actions::Action;

VoiceOver::VoiceOver()
    // The elements it points at are SpringBoard's process's, gone when it starts again.
    : forgetOnRestart_(ProcessRestart::whileHeld([this] {
        cursor_.reset();
        cameFrom_.clear();
      })) {
  UIAccessibilitySetListener([this](UIAccessibilityNotifications notification,
                                    const std::shared_ptr<UIView>& element,
                                    const std::string& announcement) {
    if (notification == UIAccessibilityAnnouncementNotification) return spoken(announcement);
    const auto first = element ? tree::firstIn(element) : nullptr;
    changed(notification == UIAccessibilityScreenChangedNotification,
            first ? std::optional(AccessibilityNode::of(first)) : std::nullopt, element != nullptr);
  });
  RemoteWindow::setAccessibilityListener([this](const std::string& news) { heardFromApp(news); });
}

VoiceOver::~VoiceOver() {
  UIAccessibilitySetListener(nullptr);
  RemoteWindow::setAccessibilityListener(nullptr);
}

// The app's news: "screen ID" or "layout ID" (0: none), "announce TEXT".
void VoiceOver::heardFromApp(const std::string& news) {
  if (!running()) return;
  const auto words = app_channel::words(news, 2);
  const std::string rest = words.size() > 1 ? words[1] : std::string();
  if (words[0] == app_channel::kAnnounce) {
    spoken(rest);
    return;
  }
  const bool screen = words[0] == app_channel::kScreen;
  if (!screen && words[0] != app_channel::kLayout) return;
  const auto all = screen_elements::all();
  const auto id = arguments::number<std::uint64_t>(rest);
  const auto found = std::find_if(all.begin(), all.end(), [&](const AccessibilityNode& each) {
    return id && *id != 0 && each.remote == *id;
  });
  changed(screen, found != all.end() ? std::optional(*found) : std::nullopt, id && *id != 0);
}

// What a process posted, the element it named (`named`) found as `first`: a layout change reads
// only the element it names.
void VoiceOver::changed(bool screen, const std::optional<AccessibilityNode>& first, bool named) {
  if (screen) return screenChanged(first, named);
  if (first) heard_.push_back(say(*first));
}

// A change into something new (an alert, the popup, a page: the post names where) remembers
// where the cursor was; a change that names nothing goes back there when it is on the screen
// again, as VoiceOver does when an alert or a page goes, else to the screen's first element.
void VoiceOver::screenChanged(const std::optional<AccessibilityNode>& first, bool named) {
  const auto all = screen_elements::all();
  std::optional<AccessibilityNode> to = first;
  if (named) {
    if (cursor_) cameFrom_.push_back(*cursor_);
    if (cameFrom_.size() > kRemembered) cameFrom_.erase(cameFrom_.begin());
  } else {
    while (!to && !cameFrom_.empty()) {
      to = match(all, cameFrom_.back(), true);
      cameFrom_.pop_back();
    }
  }
  if (!to) to = screen_elements::first(all);
  if (to) heard_.push_back(say(*to));
}

void VoiceOver::spoken(const std::string& text) {
  heard_.push_back(text);
  speaker_.speak(text);
}

std::string VoiceOver::turn(bool on) {
  UIAccessibilitySetVoiceOverRunning(on);
  if (!on) {
    cursor_.reset();
    cameFrom_.clear();
    speaker_.stop();
    return "voiceover off";
  }
  std::string out = "voiceover on";
  // The host's audio device, where it has one, unless a voice was chosen.
  if (!speaker_.chosen()) {
    const auto opened = speaker_.toAudio();
    out += " (" + (opened ? *opened : "speech: printed only; " + opened.error()) + ")";
  }
  if (const auto first = screen_elements::first(screen_elements::all())) out += "\n" + say(*first);
  return out;
}

bool VoiceOver::running() const {
  return UIAccessibilityIsVoiceOverRunning();
}

std::vector<std::string> VoiceOver::takeHeard() {
  auto heard = std::exchange(heard_, {});
  // Speech that could not be made or written is said once, where the words are printed.
  if (const auto error = speaker_.takeError(); !error.empty()) {
    heard.push_back("(speech: " + error + ")");
  }
  return heard;
}

// The cursor comes to it: where it lives, it is brought into view, and read as it is then.
std::string VoiceOver::say(const AccessibilityNode& element) {
  cursor_ = element;
  const auto focused = screen_elements::perform(element, Action::Focus);
  const std::string text = focused ? *focused : element.spoken();
  speaker_.speak(text);
  return text;
}

std::optional<AccessibilityNode> VoiceOver::cursorNode() {
  if (!running()) return std::nullopt;
  return find(screen_elements::all());
}

// The element under the cursor where it is still on the screen. An app that built its view
// again has another element in its place: as VoiceOver does, the cursor stays on the one that
// reads the same. Else it goes to the first there.
Result<AccessibilityNode> VoiceOver::cursor() {
  return cursorIn(screen_elements::all());
}

Result<AccessibilityNode> VoiceOver::cursorIn(const std::vector<AccessibilityNode>& all) {
  if (!running()) return fail("VoiceOver is off (voiceover on)");
  if (all.empty()) return fail("nothing on the screen to read");
  if (const auto at = find(all)) {
    cursor_ = *at;
    return *at;
  }
  cursor_ = screen_elements::first(all);
  return *cursor_;
}

std::optional<AccessibilityNode> VoiceOver::find(const std::vector<AccessibilityNode>& all) const {
  if (!cursor_) return std::nullopt;
  return match(all, *cursor_, true);
}

// The element itself; else one that reads the same (an app built its view again); else, when
// `nearby` may do, from the same process, the one nearest where it stood (a field gone back into
// its row's name).
std::optional<AccessibilityNode> VoiceOver::match(const std::vector<AccessibilityNode>& all,
                                                  const AccessibilityNode& wanted, bool nearby) {
  auto at = std::find_if(all.begin(), all.end(),
                         [&](const AccessibilityNode& each) { return each.same(wanted); });
  if (at == all.end()) {
    at = std::find_if(all.begin(), all.end(), [&](const AccessibilityNode& each) {
      return each.label == wanted.label && each.className == wanted.className;
    });
  }
  if (at != all.end()) return *at;
  if (!nearby) return std::nullopt;
  const auto distance = [&](const AccessibilityNode& each) {
    const auto middle = [](CGRect r) {
      return CGPoint{r.origin.x + r.size.width / 2, r.origin.y + r.size.height / 2};
    };
    const CGPoint a = middle(each.frame), b = middle(wanted.frame);
    return std::hypot(a.x - b.x, a.y - b.y);
  };
  std::optional<AccessibilityNode> nearest;
  for (const auto& each : all) {
    if ((each.remote != 0) != (wanted.remote != 0)) continue;
    if (distance(each) > kNearby) continue;
    if (!nearest || distance(each) < distance(*nearest)) nearest = each;
  }
  return nearest;
}

Result<std::string> VoiceOver::step(int by) {
  const auto all = screen_elements::all();
  const auto at = cursorIn(all);
  if (!at) return at.failure();
  const auto index = std::find_if(all.begin(), all.end(),
                                  [&](const AccessibilityNode& each) { return each.same(*at); }) -
                     all.begin();
  const auto next = index + by;
  // At either end the cursor stays, as VoiceOver's boundary sound says.
  if (next < 0 || next >= static_cast<long>(all.size())) {
    return std::string(by > 0 ? "(the last element)" : "(the first element)");
  }
  return say(all[static_cast<std::size_t>(next)]);
}

Result<std::string> VoiceOver::next() {
  return step(1);
}

Result<std::string> VoiceOver::previous() {
  return step(-1);
}

Result<std::string> VoiceOver::read() {
  const auto at = cursor();
  if (!at) return at.failure();
  return say(*at);
}

Result<std::string> VoiceOver::act(Action action) {
  const auto at = cursor();
  if (!at) return at.failure();
  const auto heardBefore = heard_.size();
  auto done = screen_elements::perform(*at, action);
  if (!done) return done;
  // What the action made the app post is heard now, before the answer.
  CFRunLoop::main().runUntilIdle();
  if (action == Action::Increment || action == Action::Decrement) {
    // A row moved by its handle is built again: its value is the new element's.
    if (done->empty()) {
      if (const auto moved = cursorNode()) *done = moved->value;
    }
    speaker_.speak(*done);
    return done;
  }
  // A screen or layout change said where the cursor went. Else, still there (a switch turned,
  // say): read again.
  if (heard_.size() > heardBefore) return std::string();
  if (const auto still = match(screen_elements::all(), *at, false)) return say(*still);
  return std::string();
}

// The element's own activation, or a touch at its activation point.
Result<std::string> VoiceOver::activate() {
  return act(Action::Activate);
}

Result<std::string> VoiceOver::increment() {
  return act(Action::Increment);
}

Result<std::string> VoiceOver::decrement() {
  return act(Action::Decrement);
}

// From the element up its chain, controllers too: an alert's Cancel, a page's Back.
Result<std::string> VoiceOver::escape() {
  return act(Action::Escape);
}

// The smallest element under the finger: a row's slider before a button behind it.
Result<std::string> VoiceOver::touch(CGPoint point) {
  if (!running()) return fail("VoiceOver is off (voiceover on)");
  std::optional<AccessibilityNode> found;
  for (const auto& element : screen_elements::all()) {
    const CGRect f = element.visible;
    if (!CGRectContainsPoint(f, point)) continue;
    const CGRect best = found ? found->visible : CGRect{};
    if (!found || f.size.width * f.size.height < best.size.width * best.size.height) {
      found = element;
    }
  }
  if (!found) return fail("no element there");
  return say(*found);
}
