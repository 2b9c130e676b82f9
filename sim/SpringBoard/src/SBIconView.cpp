#include "SBIconView.h"

#include <chrono>

#include "CoreFoundation/CFRunLoop.h"

namespace {
constexpr CGFloat kIconRadius = 13;
constexpr auto kAfterglow = std::chrono::milliseconds(150);
const UIColor kShade{0, 0, 0, 0.35};
}  // namespace

SBIconView::SBIconView(std::string name, UIColor color, bool labelled, std::function<void()> tapped)
    : UIView(CGRectMake(0, 0, kIconSide, kIconSide + (labelled ? kLabelHeight + 4 : 0))),
      name_(std::move(name)),
      image_(std::make_shared<UIImageView>(nullptr)),
      shade_(std::make_shared<UIView>(CGRectMake(0, 0, kIconSide, kIconSide))),
      tapped_(std::move(tapped)) {
  // VoiceOver reads the icon as one button by its app's name, its name under it included.
  setIsAccessibilityElement(true);
  setAccessibilityLabel(name_);
  setAccessibilityTraits(UIAccessibilityTraitButton);
  image_->setFrame(CGRectMake(0, 0, kIconSide, kIconSide));
  image_->setBackgroundColor(color);
  image_->layer().setCornerRadius(kIconRadius);
  addSubview(image_);
  shade_->setBackgroundColor(kShade);
  shade_->layer().setCornerRadius(kIconRadius);
  shade_->setHidden(true);
  shade_->setUserInteractionEnabled(false);
  addSubview(shade_);
  if (!labelled) return;
  // Wider than the icon, as names are, and centred under it.
  auto label = std::make_shared<UILabel>(
      CGRectMake(-kIconSide / 4, kIconSide + 4, kIconSide * 1.5, kLabelHeight));
  label->setText(name_);
  label->setFont(UIFont::systemFontOfSize(12));
  label->setTextColor(UIColor::whiteColor());
  label->setTextAlignment(NSTextAlignmentCenter);
  addSubview(label);
}

void SBIconView::setImage(std::shared_ptr<const UIImage> image) {
  if (!image) return;  // the square of its colour stays
  image_->setImage(std::move(image));
  image_->setBackgroundColor(std::nullopt);
}

void SBIconView::touchesBegan(CGPoint) {
  shade_->setHidden(false);
}

void SBIconView::touchesEnded(CGPoint point) {
  const std::weak_ptr<UIView> shade = shade_;
  CFRunLoop::main().addTimer(kAfterglow, [shade] {
    if (const auto view = shade.lock()) view->setHidden(true);
  });
  if (pointInside(point) && tapped_) tapped_();
}

void SBIconView::touchesCancelled() {
  shade_->setHidden(true);
}
