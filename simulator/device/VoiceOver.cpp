#include "device/VoiceOver.h"

#include <algorithm>

#include "SimDevice/ProcessRestart.h"
#include "UIKit/UIAccessibilitySettings.h"
#include "UIKit/UIScrollView.h"
#include "UIKit/UITouches.h"
#include "UIKit/UIWindow.h"
#include "screen/AccessibilityTree.h"

namespace tree = accessibility_tree;

VoiceOver::VoiceOver()
    // The elements it points at are SpringBoard's process's, gone when it starts again.
    : forgetOnRestart_(ProcessRestart::whileHeld([this] { cursor_.reset(); })) {
  UIAccessibilitySetListener([this](UIAccessibilityNotifications notification,
                                    const std::shared_ptr<UIView>& element,
                                    const std::string& announcement) {
    if (notification == UIAccessibilityAnnouncementNotification) {
      heard_.push_back(announcement);
      return;
    }
    if (notification != UIAccessibilityScreenChangedNotification) return;
    auto first = element ? tree::firstIn(element) : nullptr;
    if (!first) {
      const auto all = tree::elements();
      if (!all.empty()) first = all.front();
    }
    if (first) heard_.push_back(say(first));
  });
}

VoiceOver::~VoiceOver() {
  UIAccessibilitySetListener(nullptr);
}

std::string VoiceOver::turn(bool on) {
  UIAccessibilitySetVoiceOverRunning(on);
  if (!on) {
    cursor_.reset();
    return "voiceover off";
  }
  const auto all = tree::elements();
  return all.empty() ? "voiceover on" : "voiceover on\n" + say(all.front());
}

bool VoiceOver::running() const {
  return UIAccessibilityIsVoiceOverRunning();
}

std::vector<std::string> VoiceOver::takeHeard() {
  return std::exchange(heard_, {});
}

std::string VoiceOver::say(const std::shared_ptr<UIView>& element) {
  cursor_ = element;
  scrollIntoView(*element);
  return tree::spoken(*element);
}

// As VoiceOver does, the scroll view the element lies in brings it into view.
void VoiceOver::scrollIntoView(const UIView& element) {
  for (auto up = element.superview(); up; up = up->superview()) {
    auto* scroller = dynamic_cast<UIScrollView*>(up.get());
    if (!scroller) continue;
    const CGPoint top = element.convertPointToView(CGPoint{0, 0}, scroller);
    const CGFloat height = element.frame().size.height;
    const CGRect shown = scroller->bounds();
    CGPoint offset = scroller->contentOffset();
    if (top.y < shown.origin.y) offset.y = top.y;
    if (top.y + height > shown.origin.y + shown.size.height) {
      offset.y = top.y + height - shown.size.height;
    }
    const CGPoint most = scroller->maximumContentOffset();
    offset.y = std::clamp<CGFloat>(offset.y, 0, std::max<CGFloat>(0, most.y));
    scroller->setContentOffset(offset);
    return;
  }
}

// The element under the cursor, where it is still on the screen; else the first there.
Result<std::shared_ptr<UIView>> VoiceOver::cursor() {
  if (!running()) return fail("VoiceOver is off (voiceover on)");
  const auto all = tree::elements();
  if (all.empty()) return fail("nothing on the screen to read");
  const auto at = cursor_.lock();
  if (at && std::find(all.begin(), all.end(), at) != all.end()) return at;
  cursor_ = all.front();
  return all.front();
}

Result<std::string> VoiceOver::step(int by) {
  const auto at = cursor();
  if (!at) return at.failure();
  const auto all = tree::elements();
  const auto index = std::find(all.begin(), all.end(), *at) - all.begin();
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

// The element's own activation, or a touch at its activation point.
Result<std::string> VoiceOver::activate() {
  const auto at = cursor();
  if (!at) return at.failure();
  if (!(*at)->accessibilityActivate())
    UITouches::shared().tap((*at)->accessibilityActivationPoint());
  const auto still = cursor();
  return still ? say(*still) : std::string("activated");
}

Result<std::string> VoiceOver::increment() {
  return adjust(&UIView::accessibilityIncrement);
}

Result<std::string> VoiceOver::decrement() {
  return adjust(&UIView::accessibilityDecrement);
}

// A swipe up or down on an adjustable element: the new value is spoken.
Result<std::string> VoiceOver::adjust(void (UIView::*change)()) {
  const auto at = cursor();
  if (!at) return at.failure();
  if (!((*at)->accessibilityTraits() & UIAccessibilityTraitAdjustable)) {
    return fail("the element is not adjustable");
  }
  ((**at).*change)();
  return (*at)->accessibilityValue();
}

// From the element up its chain, a window's root view asking its controller too.
Result<std::string> VoiceOver::escape() {
  const auto at = cursor();
  if (!at) return at.failure();
  for (auto view = *at; view; view = view->superview()) {
    if (view->accessibilityPerformEscape()) {
      const auto now = cursor();
      return now ? say(*now) : std::string("escaped");
    }
    const auto window = std::dynamic_pointer_cast<UIWindow>(view->superview());
    const auto& controller = window ? window->rootViewController() : nullptr;
    if (controller && controller->view() == view && controller->accessibilityPerformEscape()) {
      const auto now = cursor();
      return now ? say(*now) : std::string("escaped");
    }
  }
  return fail("nothing here answers the escape gesture");
}

// The smallest element under the finger: a row's slider before a button behind it.
Result<std::string> VoiceOver::touch(CGPoint point) {
  if (!running()) return fail("VoiceOver is off (voiceover on)");
  std::shared_ptr<UIView> found;
  for (const auto& element : tree::elements()) {
    const CGRect f = tree::visibleFrame(*element);
    if (!CGRectContainsPoint(f, point)) continue;
    const CGRect best = found ? tree::visibleFrame(*found) : CGRect{};
    if (!found || f.size.width * f.size.height < best.size.width * best.size.height) {
      found = element;
    }
  }
  if (!found) return fail("no element there");
  return say(found);
}
