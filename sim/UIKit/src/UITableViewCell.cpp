#include "UIKit/UITableViewCell.h"

#include <algorithm>

namespace {
const UIColor kDetailColor{0.56, 0.56, 0.58, 1};
const UIColor kHighlightColor{0.85, 0.85, 0.85, 1};
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

void UITableViewCell::setHighlighted(bool highlighted) {
  highlighted_ = highlighted;
  setBackgroundColor(highlighted ? kHighlightColor : UIColor::whiteColor());
}

// Title and value share the row between the margins; the accessory takes the right edge.
void UITableViewCell::layoutSubviews() {
  const CGSize size = frame().size;
  CGFloat right = size.width - kMargin;
  if (accessoryView_) {
    const CGSize accessory = accessoryView_->frame().size;
    right -= accessory.width;
    accessoryView_->setFrame(
        CGRectMake(right, (size.height - accessory.height) / 2, accessory.width, accessory.height));
    right -= 8;
  } else if (accessoryType_ != UITableViewCellAccessoryNone) {
    right -= kAccessoryWidth;
  }
  const CGFloat width = std::max<CGFloat>(0, right - kMargin);
  if (style_ == UITableViewCellStyleSubtitle) {
    textLabel_->setFrame(CGRectMake(kMargin, 4, width, size.height * 0.55 - 4));
    detailTextLabel_->setFrame(CGRectMake(kMargin, size.height * 0.55, width, size.height * 0.4));
    return;
  }
  // A value takes the right part of the row; without one the title has it all.
  const bool valued = detailTextLabel_->text() && !detailTextLabel_->text()->empty();
  const CGFloat titleWidth = valued ? width * 0.6 : width;
  textLabel_->setFrame(CGRectMake(kMargin, 0, titleWidth, size.height));
  detailTextLabel_->setFrame(CGRectMake(kMargin + titleWidth, 0, width - titleWidth, size.height));
}
