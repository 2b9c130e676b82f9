#include "screen/ViewDump.h"

#include <cstdio>
#include <optional>

#include "Foundation/Overloaded.h"
#include "SpringBoard/SpringBoard.h"
#include "UIKit/UIImageView.h"
#include "UIKit/UILabel.h"
#include "UIKit/UIScreen.h"
#include "UIKit/UIScrollView.h"
#include "UIKit/UISlider.h"
#include "UIKit/UISwitch.h"
#include "UIKit/UITableViewCell.h"
#include "UIKit/UITextField.h"
#include "UIKit/UIVisualEffectView.h"
#include "UIKit/UIWindow.h"
#include "common/DisplayText.h"
#include "common/Shortest.h"
#include "screen/RemoteWindow.h"
#include "screen/ViewVisitor.h"

namespace {

std::string color(CGFloat r, CGFloat g, CGFloat b, CGFloat a) {
  return "(" + shortest(r) + "," + shortest(g) + "," + shortest(b) + "," + shortest(a) + ")";
}
std::string color(const UIColor& c) {
  return color(c.red(), c.green(), c.blue(), c.alpha());
}

std::string image(const char* name, const UISlider::Image& picture) {
  return picture ? std::string(" ") + name + "=" + picture->fileName() : std::string();
}

std::string tint(const char* name, const std::optional<UIColor>& value) {
  return value ? std::string(" ") + name + "=" + color(*value) : std::string();
}

std::string sliderDetails(const UISlider& s) {
  return " value=" + shortest(s.value()) + " highlighted=" + (s.isHighlighted() ? "1" : "0") +
         image("thumb", s.thumbImageForState(UIControlStateNormal)) +
         image("thumb.highlighted", s.thumbImageForState(UIControlStateHighlighted)) +
         image("minValue", s.minimumValueImage()) + image("maxValue", s.maximumValueImage()) +
         image("minTrack", s.minimumTrackImageForState(UIControlStateNormal)) +
         image("maxTrack", s.maximumTrackImageForState(UIControlStateNormal)) +
         image("maxTrack.highlighted", s.maximumTrackImageForState(UIControlStateHighlighted)) +
         tint("thumbTint", s.thumbTintColor()) + tint("minTrackTint", s.minimumTrackTintColor()) +
         tint("maxTrackTint", s.maximumTrackTintColor());
}

std::string frame(const UIView& view) {
  const CGRect f = view.frame();
  return "frame=(" + shortest(f.origin.x) + "," + shortest(f.origin.y) + "," +
         shortest(f.size.width) + "," + shortest(f.size.height) + ")";
}

std::string layerDetails(const UIView& view) {
  std::string out;
  if (const auto& layer = view.layer(); layer.borderWidth() > 0 && layer.borderColor()) {
    const auto& c = *layer.borderColor();
    out += " border=" + shortest(layer.borderWidth()) + color(c.red, c.green, c.blue, c.alpha);
  }
  if (view.layer().cornerRadius() > 0) {
    out += " cornerRadius=" + shortest(view.layer().cornerRadius());
  }
  if (view.alpha() != 1.0) out += " alpha=" + shortest(view.alpha());
  if (view.isHidden()) out += " hidden=1";
  return out;
}

// What a view's line adds after its class, frame and tag.
std::string details(const UIView& view, const ViewKind& kind) {
  return std::visit(
      Overloaded{
          [](const UIWindow* window) {
            return " level=" + shortest(window->windowLevel()) +
                   " alpha=" + shortest(window->alpha()) +
                   " hidden=" + (window->isHidden() ? "1" : "0");
          },
          [&](const UILabel* label) {
            return " text=" +
                   (label->text() ? display_text::quoted(*label->text()) : std::string("null")) +
                   " color=" + color(label->textColor()) + layerDetails(view);
          },
          [&](const UISlider* slider) { return sliderDetails(*slider) + layerDetails(view); },
          [&](const UITableViewCell* cell) {
            static constexpr const char* kMarks[] = {"", " accessory=disclosure", "",
                                                     " accessory=checkmark"};
            const auto type = static_cast<std::size_t>(cell->accessoryType());
            return std::string(type < std::size(kMarks) ? kMarks[type] : "") +
                   (cell->isHighlighted() ? " highlighted=1" : "") + layerDetails(view);
          },
          [&](const UITextField* field) {
            return " text=" + display_text::quoted(field->text()) + layerDetails(view);
          },
          [&](const UISwitch* toggle) {
            return std::string(" on=") + (toggle->isOn() ? "1" : "0") + layerDetails(view);
          },
          [&](const UIScrollView* scroller) {
            const CGSize size = scroller->contentSize();
            const CGPoint offset = scroller->contentOffset();
            return " contentSize=(" + shortest(size.width) + "," + shortest(size.height) +
                   ") contentOffset=(" + shortest(offset.x) + "," + shortest(offset.y) + ")" +
                   layerDetails(view);
          },
          [&](const UIVisualEffectView* blur) {
            return (blur->effect() ? " blurStyle=" + std::to_string(blur->effect()->style())
                                   : std::string()) +
                   layerDetails(view);
          },
          [&](const UIImageView* picture) {
            return image("image", picture->image()) + layerDetails(view);
          },
          [&](const UIView*) { return layerDetails(view); },
      },
      kind);
}

class Dump : public ViewVisitor {
 public:
  explicit Dump(bool everything) : everything_(everything) {}
  bool enter(const UIView& view, const ViewKind& kind, int depth) override {
    const auto* const* window = std::get_if<const UIWindow*>(&kind);
    if (!everything_ && window && SpringBoard::shared().isSystemWindow(**window)) return false;
    if (const auto* app = dynamic_cast<const RemoteWindow*>(&view)) {
      // The app's own windows, as its process tells them, in this window's place.
      if (const auto source = app->source()) out += source->dump(everything_);
      return false;
    }
    out += std::string(static_cast<std::size_t>(depth) * 2, ' ') + describeView(view, kind) + "\n";
    return true;
  }
  std::string out;

 private:
  bool everything_;
};

}  // namespace

std::string describeView(const UIView& view, const ViewKind& kind) {
  return std::string(view.className()) + " " + frame(view) + " tag=" + std::to_string(view.tag()) +
         details(view, kind);
}

std::string dumpScreen(bool everything) {
  Dump dump(everything);
  dump.walkScreen();
  return dump.out;
}
