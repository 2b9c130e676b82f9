#pragma once

#include <memory>
#include <string>
#include <vector>

#include "UIKit/UIView.h"

// The screen's accessibility elements as VoiceOver and the platform's inspector find them in
// SpringBoard's windows: front window first; within a container, its own order where it gives
// one, else top to bottom, then leading to trailing; hidden views, views whose elements are
// hidden, and everything a modal view hides (its siblings and every window under its own)
// left out. An element's subviews are not read. A dark display has none.
namespace accessibility_tree {

std::vector<std::shared_ptr<UIView>> elements();
// The first element at or in `view`; null when it holds none.
std::shared_ptr<UIView> firstIn(const std::shared_ptr<UIView>& view);
// The part of its frame that shows: cut by every clipping view it lies in.
CGRect visibleFrame(const UIView& element);
// What VoiceOver says of it: its label, value, then its traits' words, comma-separated.
std::string spoken(const UIView& element);
// "label | value | traits | frame=(x,y,w,h)", as `ax` lists it.
std::string described(const UIView& element);
// What a reviewer would flag: an element without a label, a control smaller than 44 by 44
// points, elements that overlap.
std::vector<std::string> audit(const std::vector<std::shared_ptr<UIView>>& elements);

}  // namespace accessibility_tree
