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

// The files and label colour of one image skin, applied in the order the skins are defined:
// label colour, thumbs (normal, highlighted), value images, track images.
struct ImageSkin {
  UIColor text;
  const char* thumb;
  const char* thumbActive;
  const char* quietSpeaker;
  const char* loudSpeaker;
  const char* minimumTrack;
  const char* maximumTrack;
  const char* maximumTrackHighlighted;
};

constexpr ImageSkin kCreamRound{kCreamText,
                                "thumb_cream.png",
                                "thumb_cream_active.png",
                                "speaker_quiet_cream.png",
                                "speaker_loud_cream.png",
                                "left_track_cream2@2x.png",
                                "right_track_cream@2x.png",
                                "right_track_cream_highlighted.png"};
constexpr ImageSkin kCreamRect{kCreamText,
                               "thumb_cream_rect.png",
                               "thumb_cream_rect_active.png",
                               "speaker_quiet_cream.png",
                               "speaker_loud_cream.png",
                               "left_track_cream2@2x.png",
                               "right_track_cream@2x.png",
                               "right_track_cream_highlighted.png"};
constexpr ImageSkin kMetal{kMetalText,
                           "thumb_metal.png",
                           "thumb_metal_active.png",
                           "speaker_quiet.png",
                           "speaker_loud.png",
                           "left_track_metal@2x.png",
                           "right_track_metal@2x.png",
                           "right_track_metal_highlighted.png"};

void applyImageSkin(const ImageSkin& skin, UILabel& label, UISlider& slider) {
  label.setTextColor(skin.text);
  slider.setThumbImage(skinImage(skin.thumb), UIControlStateNormal);
  slider.setThumbImage(skinImage(skin.thumbActive), UIControlStateHighlighted);
  slider.setMinimumValueImage(skinImage(skin.quietSpeaker));
  slider.setMaximumValueImage(skinImage(skin.loudSpeaker));
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
    applyImageSkin(selectedSkin_ == "Cream Round" ? kCreamRound : kCreamRect, label, slider);
  } else if (selectedSkin_.starts_with("Metal")) {
    applyImageSkin(kMetal, label, slider);
  }
}
