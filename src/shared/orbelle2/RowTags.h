#pragma once

#include "Foundation/NSObjCRuntime.h"

// How the panel's rows show in the view tree, for the panel and for every tool that looks at the
// tree: the panel is an "OrbelleView"; the label of category number n (the entry's position in
// the whole list) has tag 1000 + n, its slider 2000 + n. Past a thousand entries a label's tag
// equals a slider's, so a tool tells them apart by class as well.
namespace row_tags {
inline constexpr char kPanelClass[] = "OrbelleView";
inline constexpr NSInteger kLabelBase = 1000;
inline constexpr NSInteger kSliderBase = 2000;

constexpr NSInteger label(NSInteger num) {
  return kLabelBase + num;
}
constexpr NSInteger slider(NSInteger num) {
  return kSliderBase + num;
}
// The category number a row slider's tag stands for.
constexpr NSInteger categoryForSlider(NSInteger tag) {
  return tag - kSliderBase;
}
}  // namespace row_tags
