#pragma once

#include <memory>
#include <string>

#include "CoreGraphics/CGGeometry.h"
#include "Foundation/NSObjCRuntime.h"
#include "common/Result.h"
#include "device/TweakState.h"

class UISlider;
class UIView;

// The one finger the commands put on the screen, through UIKit's hit-testing and touch
// delivery: a tap or a swipe between points, or a touch on the slider of a category of the open
// panel, where it can be seen, that then moves and is lifted. Each answers what it touched.
class FingerSession {
 public:
  explicit FingerSession(TweakState tweak) : tweak_(tweak) {}

  Result<std::string> tap(CGPoint point);
  // Down at `from`, moved in steps of at most 10 points to `to`, lifted.
  Result<std::string> swipe(CGPoint from, CGPoint to);
  Result<std::string> touch(NSInteger category);
  Result<std::string> move(NSInteger category, float percent);
  Result<std::string> release(NSInteger category);
  // Touches the slider, moves it to `percent` in even steps and lifts the finger.
  Result<std::string> drag(NSInteger category, float percent);

  // "UISlider tag=2001", "UIButton tag=0", "nothing".
  static std::string describe(const UIView* view);

 private:
  // The slider of the category on the open panel.
  Result<std::shared_ptr<UISlider>> slider(NSInteger category) const;
  Result<std::shared_ptr<UISlider>> touchedSlider(NSInteger category) const;
  // Fails while a finger rests on a slider: one finger at a time.
  Result<Ok> noFingerDown() const;
  void moveTo(float percent);
  std::string describeSlider(const UISlider& slider) const;

  TweakState tweak_;
  std::shared_ptr<UISlider> touched_;
  NSInteger touchedCategory_ = 0;
  CGPoint point_{};
};
