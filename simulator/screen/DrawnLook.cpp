#include "screen/DrawnLook.h"

#include "Foundation/Overloaded.h"
#include "UIKit/UIImageView.h"
#include "UIKit/UILabel.h"
#include "UIKit/UIScrollView.h"
#include "UIKit/UISlider.h"
#include "UIKit/UISwitch.h"
#include "UIKit/UITableViewCell.h"
#include "screen/FontMetrics.h"

namespace {

constexpr UIColor kStandardMinimumTrack(0, 0.48, 1, 1);
constexpr UIColor kStandardMaximumTrack(0.72, 0.72, 0.74, 1);

std::optional<DrawnLook::Image> lookOf(const UISlider::Image& image) {
  if (!image) return std::nullopt;
  return DrawnLook::Image{image};
}

DrawnLook::Text textOf(const UILabel& label) {
  return DrawnLook::Text{label.displayedText(FontMetrics::measure()), label.font(),
                         label.textColor(), label.textAlignment()};
}

DrawnLook::Slider sliderOf(const UISlider& slider) {
  const CGRect track = slider.trackRect();
  const double thumbX = slider.pointForValue(slider.value()).x;
  return DrawnLook::Slider{
      lookOf(slider.minimumValueImage()),
      lookOf(slider.maximumValueImage()),
      {lookOf(slider.currentMinimumTrackImage()),
       slider.minimumTrackTintColor().value_or(kStandardMinimumTrack), track.origin.x, thumbX},
      {lookOf(slider.currentMaximumTrackImage()),
       slider.maximumTrackTintColor().value_or(kStandardMaximumTrack), thumbX,
       track.origin.x + track.size.width},
      lookOf(slider.currentThumbImage()),
      slider.thumbTintColor().value_or(UIColor::whiteColor()),
      thumbX,
  };
}

}  // namespace

bool DrawnLook::Image::operator==(const Image& other) const {
  return image->filePath() == other.image->filePath() && image->scale() == other.image->scale() &&
         image->size() == other.image->size() && image->capInsets() == other.image->capInsets();
}

bool DrawnLook::drawn(const UIView& view) {
  return !view.isHidden() && view.alpha() > 0;
}

DrawnLook DrawnLook::of(const UIView& view, const ViewKind& kind) {
  const auto& layer = view.layer();
  DrawnLook look;
  look.size = view.frame().size;
  look.boundsOrigin = view.boundsOrigin();
  look.clipsToBounds = view.clipsToBounds();
  look.alpha = view.alpha();
  look.group = view.alpha() < 1 && !view.subviews().empty();
  look.blur = std::holds_alternative<const UIVisualEffectView*>(kind);
  look.background = view.backgroundColor();
  look.cornerRadius = layer.cornerRadius();
  look.borderWidth = layer.borderWidth();
  look.borderColor = layer.borderColor();
  std::visit(Overloaded{
                 [&](const UILabel* label) { look.text = textOf(*label); },
                 [&](const UISlider* control) { look.slider = sliderOf(*control); },
                 [&](const UITableViewCell* cell) {
                   look.accessory =
                       cell->accessoryView() ? 0L : static_cast<long>(cell->accessoryType());
                 },
                 [&](const UISwitch* flip) {
                   look.toggle = Switch{flip->isOn(), flip->onTintColor()};
                 },
                 [&](const UIImageView* picture) { look.image = lookOf(picture->image()); },
                 [&](const UIScrollView* scroller) {
                   if (const auto shown = scroller->verticalScrollIndicator()) {
                     look.indicator = shown->rect;
                     look.indicatorAlpha = shown->alpha;
                   }
                 },
                 [](const auto*) {},
             },
             kind);
  return look;
}
