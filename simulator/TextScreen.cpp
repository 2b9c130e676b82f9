#include "TextScreen.h"

#include <cmath>

#include "Shortest.h"
#include "UIKit/UILabel.h"
#include "UIKit/UIScreen.h"
#include "UIKit/UISlider.h"
#include "UIKit/UIWindow.h"

namespace {

constexpr int kBarWidth = 30;

std::string bar(const UISlider& slider) {
  const float span = slider.maximumValue() - slider.minimumValue();
  const float fraction = span > 0 ? (slider.value() - slider.minimumValue()) / span : 0;
  const int filled = static_cast<int>(std::lround(fraction * kBarWidth));
  return "[" + std::string(static_cast<std::size_t>(filled), '#') +
         std::string(static_cast<std::size_t>(kBarWidth - filled), '-') + "] " +
         shortest(std::round(slider.value() * 10) / 10) +
         (slider.isHighlighted() ? " (touched)" : "");
}

std::string row(const UIView& rowView) {
  std::string out;
  for (const auto& child : rowView.subviews()) {
    if (const auto* label = dynamic_cast<const UILabel*>(child.get())) {
      out += "  | " + label->text().value_or("") + "\n";
    } else if (const auto* slider = dynamic_cast<const UISlider*>(child.get())) {
      out += "  | " + bar(*slider) + "  #" + std::to_string(slider->tag() - 2000) + "\n";
    }
  }
  return out;
}

bool shown(const UIView& view) {
  for (const auto& window : UIScreen::mainScreen().windows()) {
    if (view.superview() && window->isAncestorOf(view)) return true;
  }
  return false;
}

}  // namespace

std::string drawScreenAsText(const UIView* panel) {
  const CGRect screen = UIScreen::mainScreen().bounds();
  std::string out =
      "screen " + shortest(screen.size.width) + "x" + shortest(screen.size.height) + "\n";
  if (panel && shown(*panel)) {
    const CGRect f = panel->frame();
    out += "  +-- mixer " + shortest(f.size.width) + "x" + shortest(f.size.height) + " at (" +
           shortest(f.origin.x) + "," + shortest(f.origin.y) + ") " + std::string(10, '-') + "\n";
    for (const auto& rowView : panel->subviews()) out += row(*rowView);
    if (panel->subviews().empty()) out += "  | (no categories shown)\n";
    out += "  +" + std::string(40, '-') + "\n";
    return out;
  }
  out += "  home screen\n";
  for (const auto& window : UIScreen::mainScreen().windows()) {
    if (window->subviews().empty()) continue;
    const auto& hud = window->subviews().front();
    if (std::string(hud->className()) != "SBVolumeHUDView") continue;
    for (const auto& child : hud->subviews()) {
      if (const auto* title = dynamic_cast<const UILabel*>(child.get())) {
        out += "  volume HUD: " + title->text().value_or("") + "\n";
      }
    }
  }
  return out;
}
