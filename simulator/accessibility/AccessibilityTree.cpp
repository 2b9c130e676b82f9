#include "accessibility/AccessibilityTree.h"

#include <algorithm>

#include "UIKit/UIScreen.h"
#include "UIKit/UIWindow.h"
#include "screen/RemoteWindow.h"

namespace accessibility_tree {

namespace {

constexpr CGFloat kSmallestControl = 44;

bool seen(const UIView& view) {
  return !view.isHidden() && view.alpha() >= 0.01 && !view.accessibilityElementsHidden();
}

void collect(const std::shared_ptr<UIView>& view, std::vector<std::shared_ptr<UIView>>& out);

// A container's children in reading order: its own order, else its subviews by position; a
// modal subview hides the others.
std::vector<std::shared_ptr<UIView>> children(const UIView& view) {
  if (!view.accessibilityElements().empty()) {
    std::vector<std::shared_ptr<UIView>> own;
    for (const auto& each : view.accessibilityElements()) {
      if (auto held = each.lock()) own.push_back(std::move(held));
    }
    return own;
  }
  if (auto modal = modalSubview(view)) return {std::move(modal)};
  std::vector<std::shared_ptr<UIView>> subviews = view.subviews();
  // By where they stand in the window's own points: a window that stays upright on a turned
  // screen reads as it stands.
  std::stable_sort(subviews.begin(), subviews.end(), [](const auto& a, const auto& b) {
    const CGPoint pa = a->convertPointToView(CGPoint{0, 0}, nullptr);
    const CGPoint pb = b->convertPointToView(CGPoint{0, 0}, nullptr);
    return pa.y != pb.y ? pa.y < pb.y : pa.x < pb.x;
  });
  return subviews;
}

void collect(const std::shared_ptr<UIView>& view, std::vector<std::shared_ptr<UIView>>& out) {
  if (!view || !seen(*view)) return;
  if (view->isAccessibilityElement()) {
    out.push_back(view);
    return;
  }
  for (const auto& child : children(*view)) collect(child, out);
}

bool holdsModal(const UIView& view) {
  if (!seen(view)) return false;
  if (view.accessibilityViewIsModal()) return true;
  return std::any_of(view.subviews().begin(), view.subviews().end(),
                     [](const auto& s) { return holdsModal(*s); });
}

bool overlap(CGRect a, CGRect b) {
  return !CGRectIsEmpty(CGRectIntersection(a, b));
}

}  // namespace

std::shared_ptr<UIView> modalSubview(const UIView& view) {
  const auto& subviews = view.subviews();
  const auto modal = std::find_if(subviews.rbegin(), subviews.rend(), [](const auto& s) {
    return seen(*s) && s->accessibilityViewIsModal();
  });
  return modal != subviews.rend() ? *modal : nullptr;
}

Reading read() {
  Reading reading;
  auto windows = UIScreen::mainScreen().windows();
  for (auto window = windows.rbegin(); window != windows.rend(); ++window) {
    if (!seen(**window)) continue;
    // An app in front covers the windows under it; its elements are its process's.
    if (auto app = std::dynamic_pointer_cast<RemoteWindow>(*window)) {
      reading.app = std::move(app);
      break;
    }
    reading.windows.push_back(*window);
    collect(*window, reading.elements);
    if (holdsModal(**window)) break;  // nothing under a modal view is read
  }
  return reading;
}

std::shared_ptr<UIView> firstIn(const std::shared_ptr<UIView>& view) {
  std::vector<std::shared_ptr<UIView>> found;
  collect(view, found);
  return found.empty() ? nullptr : found.front();
}

CGRect visibleFrame(const UIView& element) {
  CGRect seenArea = element.accessibilityFrame();
  for (auto up = element.superview(); up; up = up->superview()) {
    if (up->clipsToBounds()) seenArea = CGRectIntersection(seenArea, up->accessibilityFrame());
  }
  return seenArea;
}

std::vector<std::string> audit(const std::vector<AccessibilityNode>& found) {
  std::vector<std::string> flagged;
  for (std::size_t i = 0; i < found.size(); ++i) {
    const auto& element = found[i];
    const CGRect area = element.frame;
    if (element.label.empty()) {
      flagged.push_back("no label: " + element.className + " " + accessibilityFrameText(area));
    }
    if ((element.traits & (UIAccessibilityTraitButton | UIAccessibilityTraitAdjustable)) &&
        (area.size.width < kSmallestControl || area.size.height < kSmallestControl)) {
      flagged.push_back("smaller than 44x44: " + element.label + " " +
                        accessibilityFrameText(area));
    }
    for (std::size_t j = i + 1; j < found.size(); ++j) {
      if (overlap(area, found[j].frame)) {
        flagged.push_back("overlap: " + element.label + " and " + found[j].label);
      }
    }
  }
  return flagged;
}

}  // namespace accessibility_tree
