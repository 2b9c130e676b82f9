#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CoreGraphics/CGGeometry.h"
#include "accessibility/AccessibilityActions.h"
#include "accessibility/AccessibilityNode.h"
#include "common/Result.h"
#include "speech/Speaker.h"

// VoiceOver on the device: a cursor over the screen's accessibility elements in reading order
// (screen_elements: SpringBoard's and the app's in front), moved and used by a person's
// gestures, each answered by what it speaks. While it runs, what a process posts reaches it: a
// screen change moves the cursor to the element it names (or the first in it; the first on the
// screen for none) and speaks it; an announcement is spoken. What it spoke of its own accord
// waits in `heard` for the next answer. What it says is printed and spoken (Speaker).
class VoiceOver {
 public:
  VoiceOver();
  ~VoiceOver();
  VoiceOver(const VoiceOver&) = delete;
  VoiceOver& operator=(const VoiceOver&) = delete;

  std::string turn(bool on);
  bool running() const;
  // The gestures: a swipe right or left, a double tap, a swipe up or down on an adjustable
  // element, the two-finger scrub, a finger on the screen; `read` says the element again.
  Result<std::string> next();
  Result<std::string> previous();
  Result<std::string> activate();
  Result<std::string> increment();
  Result<std::string> decrement();
  Result<std::string> escape();
  Result<std::string> touch(CGPoint point);
  Result<std::string> read();
  // What it spoke of its own accord since it was last asked, one line each.
  std::vector<std::string> takeHeard();

  Speaker& speaker() { return speaker_; }
  // The element under the cursor as it stands now, for the window to draw; none when off.
  std::optional<AccessibilityNode> cursorNode();

 private:
  Result<AccessibilityNode> cursor();
  // The cursor's element among `all`, the screen's elements as just read.
  Result<AccessibilityNode> cursorIn(const std::vector<AccessibilityNode>& all);
  // The cursor's element in `all`, or the one that takes its place (match).
  std::optional<AccessibilityNode> find(const std::vector<AccessibilityNode>& all) const;
  static std::optional<AccessibilityNode> match(const std::vector<AccessibilityNode>& all,
                                                const AccessibilityNode& wanted, bool nearby);
  Result<std::string> step(int by);
  Result<std::string> act(accessibility_actions::Action action);
  std::string say(const AccessibilityNode& element);
  void spoken(const std::string& text);
  void changed(bool screen, const std::optional<AccessibilityNode>& first, bool named);
  void screenChanged(const std::optional<AccessibilityNode>& first, bool named);
  void heardFromApp(const std::string& news);

  // How far from where an element stood another may take its place, in points.
  static constexpr CGFloat kNearby = 44;
  // Where the cursor was before each change into something new, the latest last.
  static constexpr std::size_t kRemembered = 16;

  std::optional<AccessibilityNode> cursor_;
  std::vector<AccessibilityNode> cameFrom_;
  std::vector<std::string> heard_;
  Speaker speaker_;
  std::shared_ptr<void> forgetOnRestart_;
};
