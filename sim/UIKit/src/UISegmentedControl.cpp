#include "UIKit/UISegmentedControl.h"

#include <cmath>

#include "UIKit/UIColor.h"

namespace {
constexpr CGFloat kOutline = 1;
}

UISegmentedControl::UISegmentedControl(std::vector<std::string> titles, CGRect frame)
    : UIControl(frame), titles_(std::move(titles)) {
  setBackgroundColor(UIColor::systemBlueColor());
  for (const auto& title : titles_) {
    auto segment = std::make_shared<UILabel>();
    segment->setText(title);
    segment->setFont(UIFont::systemFontOfSize(13));
    segment->setTextAlignment(NSTextAlignmentCenter);
    segment->setUserInteractionEnabled(false);
    addSubview(segment);
    segments_.push_back(std::move(segment));
  }
  restyle();
  layoutSubviews();
}

const std::string& UISegmentedControl::titleForSegmentAtIndex(NSInteger segment) const {
  static const std::string kNone;
  return segment >= 0 && segment < numberOfSegments() ? titles_[static_cast<std::size_t>(segment)]
                                                      : kNone;
}

void UISegmentedControl::setSelectedSegmentIndex(NSInteger segment) {
  if (segment < kNoSegment || segment >= numberOfSegments()) return;
  selected_ = segment;
  restyle();
}

NSInteger UISegmentedControl::segmentAtPoint(CGPoint point) const {
  const CGSize size = bounds().size;
  if (titles_.empty() || point.x < 0 || point.y < 0 || point.x >= size.width ||
      point.y >= size.height) {
    return kNoSegment;
  }
  return static_cast<NSInteger>(std::floor(point.x / (size.width / titles_.size())));
}

void UISegmentedControl::touchesEnded(CGPoint point) {
  const NSInteger chosen = segmentAtPoint(point);
  if (chosen != kNoSegment && chosen != selected_) {
    setSelectedSegmentIndex(chosen);
    sendActionsForControlEvents(UIControlEventValueChanged);
  }
  UIControl::touchesEnded(point);
}

// Each segment sits inside the outline, a hairline of the blue ground between neighbours.
void UISegmentedControl::layoutSubviews() {
  const CGSize size = bounds().size;
  if (segments_.empty()) return;
  const CGFloat width = size.width / static_cast<CGFloat>(segments_.size());
  for (std::size_t i = 0; i < segments_.size(); ++i) {
    const CGFloat left = static_cast<CGFloat>(i) * width + (i == 0 ? kOutline : kOutline / 2);
    const CGFloat right =
        static_cast<CGFloat>(i + 1) * width - (i + 1 == segments_.size() ? kOutline : kOutline / 2);
    segments_[i]->setFrame(CGRectMake(left, kOutline, right - left, size.height - 2 * kOutline));
  }
}

void UISegmentedControl::restyle() {
  for (std::size_t i = 0; i < segments_.size(); ++i) {
    const bool chosen = static_cast<NSInteger>(i) == selected_;
    segments_[i]->setBackgroundColor(chosen ? UIColor::systemBlueColor() : UIColor::whiteColor());
    segments_[i]->setTextColor(chosen ? UIColor::whiteColor() : UIColor::systemBlueColor());
  }
}
