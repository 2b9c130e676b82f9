#include "UIKit/UIButton.h"

namespace {
constexpr UIColor kTintColor = UIColor::systemBlueColor();
constexpr CGFloat kDimmed = 0.3;
}  // namespace

std::shared_ptr<UIButton> UIButton::buttonWithType(UIButtonType type) {
  auto button = std::make_shared<UIButton>();
  button->type_ = type;
  return button;
}

void UIButton::setTitle(std::string title) {
  if (!titleLabel_) {
    titleLabel_ = std::make_shared<UILabel>(bounds());
    titleLabel_->setTextAlignment(NSTextAlignmentCenter);
    titleLabel_->setTextColor(kTintColor);
    addSubview(titleLabel_);
  }
  titleLabel_->setText(std::move(title));
}

void UIButton::setTitleColor(UIColor color) {
  if (!titleLabel_) setTitle(std::string());
  titleLabel_->setTextColor(color);
}

void UIButton::layoutSubviews() {
  if (titleLabel_) titleLabel_->setFrame(bounds());
}

void UIButton::dimWhileHighlighted() {
  if (titleLabel_ && type_ == UIButtonTypeSystem) {
    titleLabel_->setAlpha(isHighlighted() ? kDimmed : 1);
  }
}

void UIButton::touchesBegan(CGPoint point) {
  UIControl::touchesBegan(point);
  dimWhileHighlighted();
}

void UIButton::touchesMoved(CGPoint point) {
  UIControl::touchesMoved(point);
  dimWhileHighlighted();
}

void UIButton::touchesEnded(CGPoint point) {
  UIControl::touchesEnded(point);
  dimWhileHighlighted();
}

void UIButton::touchesCancelled() {
  UIControl::touchesCancelled();
  dimWhileHighlighted();
}
