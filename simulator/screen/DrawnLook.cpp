#include "screen/DrawnLook.h"

#include <algorithm>

#include "Foundation/Overloaded.h"
#include "Foundation/UTF8Text.h"
#include "UIKit/UIImageView.h"
#include "UIKit/UILabel.h"
#include "UIKit/UIScrollView.h"
#include "UIKit/UISlider.h"
#include "UIKit/UISwitch.h"
#include "UIKit/UITableViewCell.h"
#include "UIKit/UITextField.h"
#include "screen/FontMetrics.h"
#include "screen/RemoteWindow.h"

namespace {

constexpr UIColor kStandardMinimumTrack = UIColor::systemBlueColor();
constexpr UIColor kStandardMaximumTrack(0.72, 0.72, 0.74, 1);
constexpr UIColor kPlaceholderColor = UIColor::separatorColor();
constexpr double kCaretRoom = 3;  // kept free after a focused field's text

std::optional<DrawnLook::Image> lookOf(const UISlider::Image& image) {
  if (!image) return std::nullopt;
  return DrawnLook::Image{image};
}

DrawnLook::Text textOf(const UILabel& label) {
  return DrawnLook::Text{label.displayedLines(FontMetrics::measure()), label.lineHeight(),
                         label.font(), label.textColor(), label.textAlignment()};
}

// What of a focused field's text fits before its caret: the end, where the typing is.
std::string tailThatFits(const UITextField& field, double room) {
  std::string text = field.displayedText();
  while (!text.empty() && FontMetrics::width(text, field.font()) > room) {
    text.erase(0, utf8_text::nextCharacter(text, 0));
  }
  return text;
}

// A field: the text inside its insets, or its placeholder in grey while it has none; while it
// has the focus, the end of a text too long for it, and after that the caret, or the text on the
// selection's blue while it is all selected.
void lookOfField(const UITextField& field, DrawnLook& look) {
  const double room = field.frame().size.width - 2 * UITextField::kInset;
  const bool focused = field.isFirstResponder();
  const bool empty = field.text().empty();
  const std::string typed =
      focused ? tailThatFits(field, room - kCaretRoom) : field.displayedText();
  UILabel line(CGRectMake(0, 0, room, 0));
  line.setText(empty ? field.placeholder() : typed);
  line.setFont(field.font());
  look.text = DrawnLook::Text{
      line.displayedLines(FontMetrics::measure()),       line.lineHeight(),   field.font(),
      empty ? kPlaceholderColor : UIColor::blackColor(), NSTextAlignmentLeft, UITextField::kInset};
  if (!focused) return;
  const double end = std::min(FontMetrics::width(typed, field.font()) + 1, room);
  if (field.isAllSelected()) {
    look.selectionWidth = end;
  } else {
    look.caretX = UITextField::kInset + end;
  }
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
  // A disabled control is drawn at half strength, as the platform dims it.
  const auto* asControl = dynamic_cast<const UIControl*>(&view);
  look.alpha = view.alpha() * (asControl && !asControl->isEnabled() ? 0.5 : 1.0);
  look.group = look.alpha < 1 && !view.subviews().empty();
  look.blur = std::holds_alternative<const UIVisualEffectView*>(kind);
  look.background = view.backgroundColor();
  look.cornerRadius = layer.cornerRadius();
  look.borderWidth = layer.borderWidth();
  look.borderColor = layer.borderColor();
  if (const auto* app = dynamic_cast<const RemoteWindow*>(&view)) {
    if (const auto source = app->source()) look.remote = source->generation();
  }
  std::visit(Overloaded{
                 [&](const UILabel* label) { look.text = textOf(*label); },
                 [&](const UISlider* control) { look.slider = sliderOf(*control); },
                 [&](const UITableViewCell* cell) {
                   const bool replaced = cell->accessoryView() || cell->showsReorderControl();
                   look.accessory = replaced ? 0L : static_cast<long>(cell->accessoryType());
                   if (cell->showsSeparator()) {
                     look.separatorFrom = cell->textLabel()->frame().origin.x;
                   }
                 },
                 [&](const UITextField* field) { lookOfField(*field, look); },
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
