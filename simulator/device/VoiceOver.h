#pragma once

#include <memory>
#include <string>
#include <vector>

#include "CoreGraphics/CGGeometry.h"
#include "UIKit/UIView.h"
#include "common/Result.h"

// VoiceOver on the device: a cursor over the accessibility elements in reading order
// (accessibility_tree), moved and used by a person's gestures, each answered by what it speaks.
// While it runs, what the app posts reaches it: a screen change moves the cursor to the element
// it names (or the first in it; the first on the screen for none) and speaks it; an
// announcement is spoken. What it spoke of its own accord waits in `heard` for the next answer.
// What it speaks is printed here; it is not yet sent to a speech engine.
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

 private:
  Result<std::shared_ptr<UIView>> cursor();
  Result<std::string> step(int by);
  Result<std::string> adjust(void (UIView::*change)());
  std::string say(const std::shared_ptr<UIView>& element);
  static void scrollIntoView(const UIView& element);

  std::weak_ptr<UIView> cursor_;
  std::vector<std::string> heard_;
  std::shared_ptr<void> forgetOnRestart_;
};
