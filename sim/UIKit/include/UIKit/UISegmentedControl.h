#pragma once

#include <memory>
#include <string>
#include <vector>

#include "UIKit/UIControl.h"
#include "UIKit/UILabel.h"

// A row of segments of equal width in a blue outline, each with its title; the selected one is
// filled with blue and its title white. A finger lifted on a segment other than the selected one
// selects it and sends value-changed.
class UISegmentedControl : public UIControl {
 public:
  static constexpr NSInteger kNoSegment = -1;
  static constexpr CGFloat kHeight = 29;

  explicit UISegmentedControl(std::vector<std::string> titles, CGRect frame = {});
  const char* className() const override { return "UISegmentedControl"; }

  NSInteger numberOfSegments() const { return static_cast<NSInteger>(titles_.size()); }
  const std::string& titleForSegmentAtIndex(NSInteger segment) const;
  NSInteger selectedSegmentIndex() const { return selected_; }
  // kNoSegment, or one of the segments; anything else is ignored.
  void setSelectedSegmentIndex(NSInteger segment);
  // The segment under a point in the control's coordinates; kNoSegment outside.
  NSInteger segmentAtPoint(CGPoint point) const;

  void touchesEnded(CGPoint point) override;
  void layoutSubviews() override;

 private:
  void restyle();

  std::vector<std::string> titles_;
  std::vector<std::shared_ptr<UILabel>> segments_;
  NSInteger selected_ = kNoSegment;
};
