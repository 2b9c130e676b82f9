#include "screen/AccessibilityTree.h"

#include <algorithm>

#include "SpringBoard/SpringBoard.h"
#include "UIKit/UIScreen.h"
#include "UIKit/UIWindow.h"
#include "common/Shortest.h"
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
  std::vector<std::shared_ptr<UIView>> subviews = view.subviews();
  const auto modal = std::find_if(subviews.rbegin(), subviews.rend(), [](const auto& s) {
    return seen(*s) && s->accessibilityViewIsModal();
  });
  if (modal != subviews.rend()) return {*modal};
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

std::string traitWords(UIAccessibilityTraits traits) {
  static const std::pair<UIAccessibilityTraits, const char*> kWords[] = {
      {UIAccessibilityTraitSelected, "selected"},     {UIAccessibilityTraitButton, "button"},
      {UIAccessibilityTraitHeader, "heading"},        {UIAccessibilityTraitImage, "image"},
      {UIAccessibilityTraitAdjustable, "adjustable"}, {UIAccessibilityTraitNotEnabled, "dimmed"},
  };
  std::string words;
  for (const auto& [trait, word] : kWords) {
    if (traits & trait) words += (words.empty() ? "" : ", ") + std::string(word);
  }
  return words;
}

std::string frameText(CGRect f) {
  return "frame=(" + shortest(f.origin.x) + "," + shortest(f.origin.y) + "," +
         shortest(f.size.width) + "," + shortest(f.size.height) + ")";
}

bool overlap(CGRect a, CGRect b) {
  return a.origin.x < b.origin.x + b.size.width && b.origin.x < a.origin.x + a.size.width &&
         a.origin.y < b.origin.y + b.size.height && b.origin.y < a.origin.y + a.size.height;
}

}  // namespace

std::vector<std::shared_ptr<UIView>> elements() {
  std::vector<std::shared_ptr<UIView>> out;
  if (!SpringBoard::shared().isDisplayOn()) return out;
  auto windows = UIScreen::mainScreen().windows();
  for (auto window = windows.rbegin(); window != windows.rend(); ++window) {
    // An app in front covers SpringBoard's windows under it; its own elements are its
    // process's, not read here yet.
    if (std::dynamic_pointer_cast<RemoteWindow>(*window)) break;
    collect(*window, out);
    if (holdsModal(**window)) break;  // nothing under a modal view is read
  }
  return out;
}

std::shared_ptr<UIView> firstIn(const std::shared_ptr<UIView>& view) {
  std::vector<std::shared_ptr<UIView>> found;
  collect(view, found);
  return found.empty() ? nullptr : found.front();
}

CGRect visibleFrame(const UIView& element) {
  CGRect seenArea = element.accessibilityFrame();
  for (auto up = element.superview(); up; up = up->superview()) {
    if (!up->clipsToBounds()) continue;
    const CGRect clip = up->accessibilityFrame();
    const CGFloat x0 = std::max(seenArea.origin.x, clip.origin.x);
    const CGFloat y0 = std::max(seenArea.origin.y, clip.origin.y);
    const CGFloat x1 =
        std::min(seenArea.origin.x + seenArea.size.width, clip.origin.x + clip.size.width);
    const CGFloat y1 =
        std::min(seenArea.origin.y + seenArea.size.height, clip.origin.y + clip.size.height);
    seenArea = CGRectMake(x0, y0, std::max<CGFloat>(0, x1 - x0), std::max<CGFloat>(0, y1 - y0));
  }
  return seenArea;
}

std::string spoken(const UIView& element) {
  std::string said = element.accessibilityLabel();
  for (const auto& part :
       {element.accessibilityValue(), traitWords(element.accessibilityTraits())}) {
    if (!part.empty()) said += (said.empty() ? "" : ", ") + part;
  }
  return said;
}

std::string described(const UIView& element) {
  return element.accessibilityLabel() + " | " + element.accessibilityValue() + " | " +
         traitWords(element.accessibilityTraits()) + " | " +
         frameText(element.accessibilityFrame());
}

std::vector<std::string> audit(const std::vector<std::shared_ptr<UIView>>& found) {
  std::vector<std::string> flagged;
  const auto named = [](const UIView& e) {
    return std::string(e.className()) + " " + frameText(e.accessibilityFrame());
  };
  for (std::size_t i = 0; i < found.size(); ++i) {
    const UIView& element = *found[i];
    const CGRect area = element.accessibilityFrame();
    if (element.accessibilityLabel().empty()) flagged.push_back("no label: " + named(element));
    const auto traits = element.accessibilityTraits();
    if ((traits & (UIAccessibilityTraitButton | UIAccessibilityTraitAdjustable)) &&
        (area.size.width < kSmallestControl || area.size.height < kSmallestControl)) {
      flagged.push_back("smaller than 44x44: " + element.accessibilityLabel() + " " +
                        frameText(area));
    }
    for (std::size_t j = i + 1; j < found.size(); ++j) {
      if (overlap(area, found[j]->accessibilityFrame())) {
        flagged.push_back("overlap: " + element.accessibilityLabel() + " and " +
                          found[j]->accessibilityLabel());
      }
    }
  }
  return flagged;
}

}  // namespace accessibility_tree
