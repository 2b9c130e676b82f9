#include "device/FingerSession.h"

#include <algorithm>
#include <cmath>

#include "CoreFoundation/CFRunLoop.h"
#include "UIKit/UIApplication.h"
#include "UIKit/UILabel.h"
#include "UIKit/UIScreen.h"
#include "UIKit/UISlider.h"
#include "UIKit/UITouches.h"
#include "common/Shortest.h"
#include "orbelle2/RowTags.h"
#include "screen/RemoteWindow.h"
#include "screen/ScreenPoint.h"

namespace {

constexpr int kDragSteps = 5;
constexpr CGFloat kLongestSwipeStep = 10;

}  // namespace

std::string FingerSession::describe(const UIView* view) {
  // An app's window: the view the app's process gave the finger to.
  if (const auto* app = dynamic_cast<const RemoteWindow*>(view)) {
    const auto source = app->source();
    return source ? source->touchedView() : "nothing";
  }
  return view ? std::string(view->className()) + " tag=" + std::to_string(view->tag()) : "nothing";
}

Result<Ok> FingerSession::noFingerDown() const {
  if (touched_) return fail("a finger is already on slider " + std::to_string(touchedCategory_));
  return Ok{};
}

Result<std::shared_ptr<UISlider>> FingerSession::slider(NSInteger category) const {
  if (!tweak_.popupShown()) return fail("no popup is open");
  auto found = tweak_.slider(category);
  if (!found) return fail("no slider for category " + std::to_string(category));
  return found;
}

Result<std::shared_ptr<UISlider>> FingerSession::touchedSlider(NSInteger category) const {
  auto target = slider(category);
  if (target && *target != touched_) {
    return fail("no finger is on slider " + std::to_string(category) + " (touch it first)");
  }
  return target;
}

std::string FingerSession::describeSlider(const UISlider& s) const {
  std::string text = describe(&s) + " value=" + significant(s.value());
  const auto label = tweak_.label(row_tags::categoryForSlider(s.tag()));
  if (label) text += " label=\"" + label->text().value_or("") + "\"";
  return text;
}

Result<std::string> FingerSession::tap(CGPoint point) {
  if (auto ready = noFingerDown(); !ready) return ready.failure();
  return describe(UITouches::shared().tap(point).get());
}

// A finger cannot leave the glass: the ends are taken to the screen's nearest points, which also
// bounds the steps a swipe takes.
Result<std::string> FingerSession::swipe(CGPoint from, CGPoint to) {
  if (auto ready = noFingerDown(); !ready) return ready.failure();
  const CGSize screen = UIScreen::mainScreen().bounds().size;
  const auto onScreen = [&](CGPoint p) {
    return CGPoint{std::clamp(p.x, 0.0, screen.width), std::clamp(p.y, 0.0, screen.height)};
  };
  from = onScreen(from);
  to = onScreen(to);
  auto& touches = UITouches::shared();
  touches.touchDown(from);
  const CGFloat distance = std::hypot(to.x - from.x, to.y - from.y);
  const int steps = std::max(1, static_cast<int>(std::ceil(distance / kLongestSwipeStep)));
  for (int step = 1; step <= steps; ++step) {
    const CGFloat along = static_cast<CGFloat>(step) / steps;
    touches.touchMoved(CGPoint{from.x + (to.x - from.x) * along, from.y + (to.y - from.y) * along});
  }
  const auto taken = touches.touchedView();  // a scroll view may have taken it from a control
  touches.touchUp(to);
  return describe(taken.get());
}

Result<std::string> FingerSession::touch(NSInteger category) {
  if (auto ready = noFingerDown(); !ready) return ready.failure();
  const auto target = slider(category);
  if (!target) return target.failure();
  const CGPoint thumb = (*target)->pointForValue((*target)->value());
  if (!screen_point::visible(**target, thumb)) {
    return fail("slider " + std::to_string(category) + " is not on screen");
  }
  point_ = screen_point::of(**target, thumb);
  const auto landed = UITouches::shared().touchDown(point_);
  if (landed != *target) {
    UITouches::shared().touchUp(point_);
    return fail("the finger landed on " + describe(landed.get()) + ", not on slider " +
                std::to_string(category));
  }
  touched_ = *target;
  touchedCategory_ = category;
  return describeSlider(*touched_);
}

void FingerSession::moveTo(float percent) {
  point_ = screen_point::of(*touched_, touched_->pointForValue(percent));
  UITouches::shared().touchMoved(point_);
  CFRunLoop::main().runUntilIdle();
}

Result<std::string> FingerSession::move(NSInteger category, float percent) {
  if (auto target = touchedSlider(category); !target) return target.failure();
  moveTo(percent);
  return describeSlider(*touched_);
}

Result<std::string> FingerSession::release(NSInteger category) {
  if (!touched_ || touchedCategory_ != category) {
    return fail("no finger is on slider " + std::to_string(category));
  }
  UITouches::shared().touchUp(point_);
  const auto lifted = std::move(touched_);
  return describeSlider(*lifted);
}

Result<std::string> FingerSession::drag(NSInteger category, float percent) {
  if (auto touched = touch(category); !touched) return touched;
  const float start = touched_->value();
  for (int step = 1; step <= kDragSteps; ++step) {
    moveTo(start + (percent - start) * static_cast<float>(step) / kDragSteps);
  }
  return release(category);
}
