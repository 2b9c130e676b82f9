#include <string>

#include "UIKit/UIFont.h"
#include "UIKit/UIImage.h"
#include "UIKit/UILabel.h"
#include "UIKit/UISlider.h"
#include "mixer/OrbelleView.h"

namespace {

constexpr char kSkinFolder[] = "/Library/Application Support/Orbelle 2/";
constexpr UIEdgeInsets kTrackCaps{0, 9, 0, 9};
constexpr UIColor kCreamText(214 / 255.0, 192 / 255.0, 159 / 255.0, 1.0);
constexpr UIColor kMetalText(184 / 255.0, 184 / 255.0, 184 / 255.0, 1.0);

// Each row loads its images anew; nothing is cached between rows.
UISlider::Image skinImage(const char* file) {
  return UIImage::imageWithContentsOfFile(std::string(kSkinFolder) + file);
}

UISlider::Image trackImage(const char* file) {
  const auto image = skinImage(file);
  return image ? image->resizableImageWithCapInsets(kTrackCaps) : nullptr;
}

void applyCreamSkin(const std::string& skin, UILabel& label, UISlider& slider) {
  label.setTextColor(kCreamText);
  const bool round = skin == "Cream Round";
  slider.setThumbImage(skinImage(round ? "thumb_cream.png" : "thumb_cream_rect.png"),
                       UIControlStateNormal);
  slider.setThumbImage(skinImage(round ? "thumb_cream_active.png" : "thumb_cream_rect_active.png"),
                       UIControlStateHighlighted);
  slider.setMinimumValueImage(skinImage("speaker_quiet_cream.png"));
  slider.setMaximumValueImage(skinImage("speaker_loud_cream.png"));
  slider.setMinimumTrackImage(trackImage("left_track_cream2@2x.png"), UIControlStateNormal);
  slider.setMaximumTrackImage(trackImage("right_track_cream@2x.png"), UIControlStateNormal);
  slider.setMaximumTrackImage(trackImage("right_track_cream_highlighted.png"),
                              UIControlStateHighlighted);
}

void applyMetalSkin(UILabel& label, UISlider& slider) {
  label.setTextColor(kMetalText);
  slider.setThumbImage(skinImage("thumb_metal.png"), UIControlStateNormal);
  slider.setThumbImage(skinImage("thumb_metal_active.png"), UIControlStateHighlighted);
  slider.setMinimumValueImage(skinImage("speaker_quiet.png"));
  slider.setMaximumValueImage(skinImage("speaker_loud.png"));
  slider.setMinimumTrackImage(trackImage("left_track_metal@2x.png"), UIControlStateNormal);
  slider.setMaximumTrackImage(trackImage("right_track_metal@2x.png"), UIControlStateNormal);
  slider.setMaximumTrackImage(trackImage("right_track_metal_highlighted.png"),
                              UIControlStateHighlighted);
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
  label->setTag(kLabelTagBase + num);

  auto slider = std::make_shared<UISlider>(CGRectMake(20, 20, width - 40, 30));
  slider->addTarget(std::static_pointer_cast<OrbelleView>(shared_from_this()),
                    &OrbelleView::sliderValueChanged, UIControlEventValueChanged);
  slider->setMinimumValue(0.0f);
  slider->setMaximumValue(100.0f);
  slider->setValue(0.0f);
  slider->setContinuous(true);
  slider->setTag(kSliderTagBase + num);

  applySkin(*label, *slider);
  row->addSubview(label);
  row->addSubview(slider);
  return row;
}

void OrbelleView::applySkin(UILabel& label, UISlider& slider) const {
  if (selectedSkin_ == "Default iOS") {
    if (textColor_) label.setTextColor(*textColor_);
    slider.setThumbImage(skinImage("thumb_default.png"), UIControlStateNormal);
    slider.setMinimumValueImage(skinImage("speaker_quiet.png"));
    slider.setMaximumValueImage(skinImage("speaker_loud.png"));
    slider.setThumbTintColor(thumbTintColor_);
    slider.setMinimumTrackTintColor(minimumTrackTintColor_);
    slider.setMaximumTrackTintColor(maximumTrackTintColor_);
  } else if (selectedSkin_.starts_with("Cream")) {
    applyCreamSkin(selectedSkin_, label, slider);
  } else if (selectedSkin_.starts_with("Metal")) {
    applyMetalSkin(label, slider);
  }
}
