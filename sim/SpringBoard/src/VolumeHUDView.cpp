#include "VolumeHUDView.h"

#include <cmath>
#include <memory>

#include "SpringBoard/SpringBoard.h"
#include "UIKit/UILabel.h"

namespace {
constexpr int kSteps = 16;
constexpr NSInteger kTitleTag = 1;
constexpr NSInteger kFirstStepTag = 100;

// SpringBoard's names for the categories its buttons change.
std::string titleFor(const std::string& category) {
  if (category == "Audio/Video") return "Volume";
  if (category == "Ringtone") return "Ringer";
  return category;
}

}  // namespace

VolumeHUDView::VolumeHUDView(CGRect frame) : UIControl(frame) {
  setBackgroundColor(UIColor(0.15, 0.15, 0.15, 0.85));
  layer().setCornerRadius(12);
  const CGFloat width = frame.size.width;
  auto title = std::make_shared<UILabel>(CGRectMake(10, 16, width - 20, 20));
  title->setTag(kTitleTag);
  title->setTextColor(UIColor::whiteColor());
  title->setFont(UIFont::systemFontOfSize(15));
  addSubview(title);
  const CGFloat stepWidth = (width - 30) / kSteps;
  for (int step = 0; step < kSteps; ++step) {
    auto bar = std::make_shared<UIView>(
        CGRectMake(15 + step * stepWidth, frame.size.height - 30, stepWidth - 2, 8));
    bar->setTag(kFirstStepTag + step);
    bar->setUserInteractionEnabled(false);
    addSubview(bar);
  }
}

void VolumeHUDView::show(const std::string& category, float volume) {
  if (auto title = std::dynamic_pointer_cast<UILabel>(viewWithTag(kTitleTag))) {
    title->setText(titleFor(category));
  }
  const int lit = static_cast<int>(std::lround(volume * kSteps));
  for (int step = 0; step < kSteps; ++step) {
    if (auto bar = viewWithTag(kFirstStepTag + step)) {
      bar->setBackgroundColor(step < lit ? UIColor::whiteColor() : UIColor(1, 1, 1, 0.25));
    }
  }
}

void VolumeHUDView::touchesBegan(CGPoint point) {
  UIControl::touchesBegan(point);
  SpringBoard::shared().sendActivatorEvent(kVolumeDisplayTapEvent);
}
