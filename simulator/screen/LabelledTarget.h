#pragma once

#include <optional>
#include <string>

#include "CoreGraphics/CGGeometry.h"

#include "common/Result.h"

class UIView;

// Where a finger goes to reach what a label on the screen names, as a person reads the screen:
// the middle of the table row or home-screen icon the label is in (or of the row's own
// accessory, such as its switch), else of the label's button or the label itself. The frontmost
// shown label with exactly that text counts.
namespace labelled_target {

enum class Part { Whole, Accessory };

struct Target {
  CGPoint point;
  // Scrolled out of sight (off the screen, or cut off by the scroll view it is in): how far its
  // scroll view's content is to move up (negative: down) to bring it to the screen's middle.
  std::optional<double> scrollBy;
};

Result<Target> find(const std::string& text, Part part = Part::Whole);

}  // namespace labelled_target
