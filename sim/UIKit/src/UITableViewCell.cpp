#include "UIKit/UITableViewCell.h"

#include <algorithm>
#include <cmath>

namespace {
const UIColor kDetailColor{0.56, 0.56, 0.58, 1};
const UIColor kHighlightColor{0.85, 0.85, 0.85, 1};
constexpr UIColor kHandleColor = UIColor::separatorColor();
constexpr CGFloat kHandleWidth = 44;

// Three bars across the middle of a square a row high.
class UITableViewCellReorderControl : public UIView {
 public:
  UITableViewCellReorderControl()
      : UIView(CGRectMake(0, 0, kHandleWidth, UITableViewCell::kHeight)) {
    for (int bar = 0; bar < 3; ++bar) {
      auto line = std::make_shared<UIView>(CGRectMake(12, 15 + bar * 6, 20, 2));
      line->setBackgroundColor(kHandleColor);
      line->setUserInteractionEnabled(false);
      addSubview(line);
    }
  }
  const char* className() const override { return "UITableViewCellReorderControl"; }

  // VoiceOver reads the handle after its row: "Reorder" and the row's label. A person drags it
  // after a double tap and hold, as a finger drags it.
  bool isAccessibilityElement() const override { return true; }
  std::string accessibilityLabel() const override {
    const auto cell = superview();
    return "Reorder " + (cell ? cell->accessibilityLabel() : std::string());
  }
  UIAccessibilityTraits accessibilityTraits() const override { return UIAccessibilityTraitButton; }
};

}  // namespace

UITableViewCell::UITableViewCell() : UITableViewCell(UITableViewCellStyleValue1) {
}

UITableViewCell::UITableViewCell(UITableViewCellStyle style)
    : style_(style),
      textLabel_(std::make_shared<UILabel>()),
      detailTextLabel_(std::make_shared<UILabel>()) {
  setBackgroundColor(UIColor::whiteColor());
  detailTextLabel_->setTextColor(kDetailColor);
  if (style_ == UITableViewCellStyleSubtitle) {
    detailTextLabel_->setFont(UIFont::systemFontOfSize(12));
  } else {
    detailTextLabel_->setTextAlignment(NSTextAlignmentRight);
  }
  addSubview(textLabel_);
  addSubview(detailTextLabel_);
}

void UITableViewCell::setAccessoryType(UITableViewCellAccessoryType type) {
  accessoryType_ = type;
  layoutSubviews();
}

void UITableViewCell::setAccessoryView(std::shared_ptr<UIView> view) {
  if (accessoryView_) accessoryView_->removeFromSuperview();
  accessoryView_ = std::move(view);
  if (accessoryView_) addSubview(accessoryView_);
  layoutSubviews();
}

const std::shared_ptr<UIImageView>& UITableViewCell::imageView() {
  if (!imageView_) {
    imageView_ = std::make_shared<UIImageView>(nullptr);
    addSubview(imageView_);
  }
  return imageView_;
}

void UITableViewCell::setShowsReorderControl(bool shows) {
  if (shows == showsReorderControl()) return;
  // A row that orders its parts for VoiceOver reads its handle last.
  auto order = accessibilityElements();
  if (shows) {
    reorderControl_ = std::make_shared<UITableViewCellReorderControl>();
    addSubview(reorderControl_);
    if (!order.empty()) order.push_back(reorderControl_);
  } else {
    std::erase_if(order, [&](const auto& each) { return each.lock() == reorderControl_; });
    reorderControl_->removeFromSuperview();
    reorderControl_.reset();
  }
  setAccessibilityElements(std::move(order));
  if (accessoryView_) accessoryView_->setHidden(shows);
  layoutSubviews();
}

void UITableViewCell::setHighlighted(bool highlighted) {
  highlighted_ = highlighted;
  setBackgroundColor(highlighted ? kHighlightColor : UIColor::whiteColor());
}

// Title and value share the row between the margins; the accessory takes the right edge.
void UITableViewCell::layoutSubviews() {
  const CGSize size = frame().size;
  CGFloat right = size.width - kMargin;
  if (reorderControl_) {
    right = size.width - kHandleWidth;
    reorderControl_->setFrame(
        CGRectMake(right, (size.height - kHeight) / 2, kHandleWidth, kHeight));
  } else if (accessoryView_) {
    const CGSize accessory = accessoryView_->frame().size;
    right -= accessory.width;
    accessoryView_->setFrame(
        CGRectMake(right, (size.height - accessory.height) / 2, accessory.width, accessory.height));
    right -= 8;
  } else if (accessoryType_ != UITableViewCellAccessoryNone) {
    right -= kAccessoryWidth;
  }
  CGFloat left = kMargin;
  if (imageView_ && imageView_->image()) {
    imageView_->setFrame(
        CGRectMake(kMargin, (size.height - kImageSide) / 2, kImageSide, kImageSide));
    left += kImageSide + kMargin;
  }
  const CGFloat width = std::max<CGFloat>(0, right - left);
  if (style_ == UITableViewCellStyleSubtitle) {
    const CGFloat split = std::round(size.height * 0.55);
    textLabel_->setFrame(CGRectMake(left, 4, width, split - 4));
    detailTextLabel_->setFrame(CGRectMake(left, split, width, size.height - split - 4));
    return;
  }
  // A value takes the right part of the row; without one the title has it all.
  const bool valued = detailTextLabel_->text() && !detailTextLabel_->text()->empty();
  const CGFloat titleWidth = valued ? width * 0.6 : width;
  textLabel_->setFrame(CGRectMake(left, 0, titleWidth, size.height));
  detailTextLabel_->setFrame(CGRectMake(left + titleWidth, 0, width - titleWidth, size.height));
}
