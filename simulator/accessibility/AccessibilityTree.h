#pragma once

#include <memory>
#include <string>
#include <vector>

#include "UIKit/UIView.h"
#include "UIKit/UIWindow.h"
#include "accessibility/AccessibilityNode.h"

class RemoteWindow;

// This process's accessibility elements as VoiceOver and the platform's inspector find them:
// front window first; within a container, its own order where it gives one, else top to bottom,
// then leading to trailing; hidden views, views whose elements are hidden, and everything a
// modal view hides (its siblings and every window under its own) left out. An element's
// subviews are not read.
namespace accessibility_tree {

struct Reading {
  std::vector<std::shared_ptr<UIView>> elements;
  std::vector<std::shared_ptr<UIWindow>> windows;  // those read, front first
  // The app's window the reading stopped at: its elements are its process's.
  std::shared_ptr<RemoteWindow> app;
};
Reading read();
// The last of the view's shown subviews that is modal, which hides the others; null for none.
std::shared_ptr<UIView> modalSubview(const UIView& view);
// The first element at or in `view`; null when it holds none.
std::shared_ptr<UIView> firstIn(const std::shared_ptr<UIView>& view);
// The part of its frame that shows: cut by every clipping view it lies in.
CGRect visibleFrame(const UIView& element);
// What a reviewer would flag: an element without a label, a control smaller than 44 by 44
// points, elements that overlap.
std::vector<std::string> audit(const std::vector<AccessibilityNode>& elements);

}  // namespace accessibility_tree
