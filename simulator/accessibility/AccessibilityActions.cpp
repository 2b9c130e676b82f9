#include "accessibility/AccessibilityActions.h"

#include <algorithm>

#include "UIKit/UINavigationController.h"
#include "UIKit/UIScrollView.h"
#include "UIKit/UITouches.h"
#include "UIKit/UIWindow.h"
#include "accessibility/AccessibilityNode.h"

namespace accessibility_actions {

namespace {

constexpr std::pair<Action, const char*> kNames[] = {
    {Action::Focus, "focus"},         {Action::Activate, "activate"},
    {Action::Increment, "increment"}, {Action::Decrement, "decrement"},
    {Action::Escape, "escape"},
};

// As VoiceOver does, the scroll view the element lies in brings it into view: clear of the
// bars its content is inset under, never past its ends.
void scrollIntoView(const UIView& element) {
  for (auto up = element.superview(); up; up = up->superview()) {
    auto* scroller = dynamic_cast<UIScrollView*>(up.get());
    if (!scroller) continue;
    const CGPoint top = element.convertPointToView(CGPoint{0, 0}, scroller);
    const CGFloat height = element.frame().size.height;
    const CGRect shown = scroller->bounds();
    const UIEdgeInsets inset = scroller->contentInset();
    const CGFloat shownTop = shown.origin.y + inset.top;
    const CGFloat shownBottom = shown.origin.y + shown.size.height - inset.bottom;
    CGPoint offset = scroller->contentOffset();
    if (top.y < shownTop) offset.y = top.y - inset.top;
    if (top.y + height > shownBottom) {
      offset.y = top.y + height - shown.size.height + inset.bottom;
    }
    const CGFloat least = scroller->minimumContentOffset().y;
    offset.y = std::clamp<CGFloat>(offset.y, least,
                                   std::max<CGFloat>(least, scroller->maximumContentOffset().y));
    if (offset.y != scroller->contentOffset().y) scroller->setContentOffset(offset);
    return;
  }
}

// The controller whose view `view` is, among those its window holds: the root, what each
// presents, and each navigation controller's stack.
std::shared_ptr<UIViewController> controllerOf(const UIView& view, const UIWindow& window) {
  std::vector<std::shared_ptr<UIViewController>> pending{window.rootViewController()};
  while (!pending.empty()) {
    auto controller = std::move(pending.back());
    pending.pop_back();
    if (!controller) continue;
    if (controller->view().get() == &view) return controller;
    pending.push_back(controller->presentedViewController());
    if (const auto* navigation = dynamic_cast<UINavigationController*>(controller.get())) {
      for (const auto& page : navigation->viewControllers()) pending.push_back(page);
    }
  }
  return nullptr;
}

bool escape(const std::shared_ptr<UIView>& element) {
  std::shared_ptr<UIView> root = element;
  while (const auto up = root->superview()) root = up;
  const auto* window = dynamic_cast<UIWindow*>(root.get());
  for (auto view = element; view; view = view->superview()) {
    if (view->accessibilityPerformEscape()) return true;
    const auto controller = window ? controllerOf(*view, *window) : nullptr;
    if (controller && controller->accessibilityPerformEscape()) return true;
  }
  return false;
}

Result<std::string> adjust(UIView& element, void (UIView::*change)()) {
  if (!(element.accessibilityTraits() & UIAccessibilityTraitAdjustable)) {
    return fail("the element is not adjustable");
  }
  (element.*change)();
  return element.accessibilityValue();
}

}  // namespace

const char* name(Action action) {
  for (const auto& [each, word] : kNames) {
    if (each == action) return word;
  }
  return "";
}

std::optional<Action> named(const std::string& word) {
  for (const auto& [each, known] : kNames) {
    if (word == known) return each;
  }
  return std::nullopt;
}

Result<std::string> perform(const std::shared_ptr<UIView>& element, Action action) {
  switch (action) {
    case Action::Focus:
      scrollIntoView(*element);
      return AccessibilityNode::of(element).spoken();
    case Action::Activate:
      if (!element->accessibilityActivate()) {
        UITouches::shared().tap(element->accessibilityActivationPoint());
      }
      return std::string();
    case Action::Increment:
      return adjust(*element, &UIView::accessibilityIncrement);
    case Action::Decrement:
      return adjust(*element, &UIView::accessibilityDecrement);
    case Action::Escape:
      if (escape(element)) return std::string();
      return fail("nothing here answers the escape gesture");
  }
  return fail("no such action");
}

}  // namespace accessibility_actions
