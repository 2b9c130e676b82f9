#include <string>

#include "UIKit/UIFont.h"
#include "UIKit/UIImage.h"
#include "UIKit/UILabel.h"
#include "UIKit/UISlider.h"
#include "mixer/OrbelleView.h"
#include "orbelle2/ImageSkin.h"

namespace {

constexpr UIEdgeInsets kTrackCaps{0, skins::kTrackCapInset, 0, skins::kTrackCapInset};

// Each row loads its images anew; nothing is cached between rows.
UISlider::Image skinImage(const char* file) {
  return UIImage::imageWithContentsOfFile(std::string(skins::kFolder) + file);
}

UISlider::Image trackImage(const char* file) {
  const auto image = skinImage(file);
  return image ? image->resizableImageWithCapInsets(kTrackCaps) : nullptr;
}

constexpr UIColor labelColor(ImageSkin::Rgb8 rgb) {
  return UIColor(rgb.red / 255.0, rgb.green / 255.0, rgb.blue / 255.0, 1.0);
}

void applyImageSkin(const ImageSkin& skin, UILabel& label, UISlider& slider) {
  label.setTextColor(labelColor(skin.text));
  slider.setThumbImage(skinImage(skin.thumb), UIControlStateNormal);
  slider.setThumbImage(skinImage(skin.thumbHighlighted), UIControlStateHighlighted);
  slider.setMinimumValueImage(skinImage(skin.minimumValue));
  slider.setMaximumValueImage(skinImage(skin.maximumValue));
  slider.setMinimumTrackImage(trackImage(skin.minimumTrack), UIControlStateNormal);
  slider.setMaximumTrackImage(trackImage(skin.maximumTrack), UIControlStateNormal);
  slider.setMaximumTrackImage(trackImage(skin.maximumTrackHighlighted), UIControlStateHighlighted);
}

}  // namespace

std::shared_ptr<UIView> OrbelleView::singleCategoryView(NSInteger num, CGRect frame,
                                                        const std::optional<std::string>& name) {
  const CGFloat width = frame.size.width;
  auto row = std::make_shared<UIView>(frame);

  auto label = std::make_shared<UILabel>(CGRectMake(20, 5, width - 20, 15));
  label->setText(name);
  label->setBackgroundColor(UIColor::clearColor());
  label->setFont(UIFont::systemFontOfSize(12.0));
  label->setTag(labelTag(num));
  label->setIsAccessibilityElement(false);  // the row's slider carries its title

  auto slider = std::make_shared<UISlider>(CGRectMake(20, 20, width - 40, 30));
  slider->addTarget(std::static_pointer_cast<OrbelleView>(shared_from_this()),
                    &OrbelleView::sliderValueChanged, UIControlEventValueChanged);
  slider->setMinimumValue(0.0f);
  slider->setMaximumValue(100.0f);
  slider->setValue(0.0f);
  slider->setContinuous(true);
  slider->setTag(sliderTag(num));
  // VoiceOver's finger finds the row anywhere on it, its title too.
  slider->setAccessibilityFrameInContainerSpace(CGRectMake(0, 0, width, frame.size.height));

  applySkin(*label, *slider);
  row->addSubview(label);
  row->addSubview(slider);
  rows_[num] = RowControls{label, slider};
  return row;
}

void OrbelleView::applySkin(UILabel& label, UISlider& slider) const {
  if (selectedSkin_ == skins::kDefaultIos) {
    label.setTextColor(textColor_);
    const auto& plain = skins::kDefaultIosSkin;
    slider.setThumbImage(skinImage(plain.thumb), UIControlStateNormal);
    slider.setMinimumValueImage(skinImage(plain.minimumValue));
    slider.setMaximumValueImage(skinImage(plain.maximumValue));
    slider.setThumbTintColor(thumbTintColor_);
    slider.setMinimumTrackTintColor(minimumTrackTintColor_);
    slider.setMaximumTrackTintColor(maximumTrackTintColor_);
  } else if (selectedSkin_.starts_with(skins::kCreamPrefix)) {
    applyImageSkin(selectedSkin_ == skins::kCreamRound ? skins::kCreamRoundSkin : skins::kCreamSkin,
                   label, slider);
  } else if (selectedSkin_.starts_with(skins::kMetalPrefix)) {
    applyImageSkin(skins::kMetalSkin, label, slider);
  }
}
