#include "screen/TextScreen.h"

#include <cmath>

#include "Foundation/Overloaded.h"
#include "UIKit/UILabel.h"
#include "UIKit/UIScreen.h"
#include "UIKit/UIScrollView.h"
#include "UIKit/UISlider.h"
#include "UIKit/UIWindow.h"
#include "common/DisplayText.h"
#include "common/Shortest.h"
#include "mixer/RowTags.h"
#include "screen/FontMetrics.h"
#include "screen/ScreenPoint.h"
#include "screen/ViewVisitor.h"

namespace {

constexpr int kBarWidth = 30;
constexpr char kHUDClass[] = "SBVolumeHUDView";

std::string bar(const UISlider& slider) {
  const float span = slider.maximumValue() - slider.minimumValue();
  const float fraction = span > 0 ? (slider.value() - slider.minimumValue()) / span : 0;
  const int filled = static_cast<int>(std::lround(fraction * kBarWidth));
  return "[" + std::string(static_cast<std::size_t>(filled), '#') +
         std::string(static_cast<std::size_t>(kBarWidth - filled), '-') + "] " +
         shortest(std::round(slider.value() * 10) / 10) +
         (slider.isHighlighted() ? " (touched)" : "");
}

bool seen(const UIView& view) {
  const CGSize size = view.bounds().size;
  return screen_point::visible(view, CGPoint{size.width / 2, size.height / 2});
}

// Each row of the panel that can be seen: its label's line as the label shows it, then its
// slider as a bar with its category number.
class Rows : public ViewVisitor {
 public:
  bool enter(const UIView& view, const ViewKind& kind, int) override {
    if (std::holds_alternative<const UIView*>(kind) || !seen(view)) return true;
    std::visit(Overloaded{
                   [&](const UILabel* label) {
                     out += "  | " +
                            display_text::printable(label->displayedText(FontMetrics::measure())) +
                            "\n";
                   },
                   [&](const UISlider* slider) {
                     out += "  | " + bar(*slider) + "  #" +
                            std::to_string(row_tags::categoryForSlider(slider->tag())) + "\n";
                   },
                   [](const auto*) {},
               },
               kind);
    return true;
  }
  std::string out;
};

// The title of the volume HUD wherever it shows.
class HUDTitles : public ViewVisitor {
 public:
  bool enter(const UIView& view, const ViewKind& kind, int) override {
    if (const auto* title = std::get_if<const UILabel*>(&kind); title && insideHUD_) {
      out += "  volume HUD: " + display_text::printable((*title)->text().value_or("")) + "\n";
    }
    if (view.className() == std::string_view(kHUDClass)) insideHUD_ = true;
    return true;
  }
  void leave(const UIView& view, const ViewKind&, int) override {
    if (view.className() == std::string_view(kHUDClass)) insideHUD_ = false;
  }
  std::string out;

 private:
  bool insideHUD_ = false;
};

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
    // The panel as it is seen: itself, or the scroll view its rows scroll in.
    const auto scroller = std::dynamic_pointer_cast<const UIScrollView>(panel->superview());
    const CGRect f = scroller ? scroller->frame() : panel->frame();
    out += "  +-- mixer " + shortest(f.size.width) + "x" + shortest(f.size.height) + " at (" +
           shortest(f.origin.x) + "," + shortest(f.origin.y) + ") ";
    out += scroller ? "scrolled " + shortest(scroller->contentOffset().y) + " of " +
                          shortest(scroller->maximumContentOffset().y) + " ---\n"
                    : std::string(10, '-') + "\n";
    Rows rows;
    rows.walk(*panel);
    out += rows.out.empty() ? "  | (no categories shown)\n" : rows.out;
    out += "  +" + std::string(40, '-') + "\n";
    return out;
  }
  HUDTitles hud;
  hud.walkScreen();
  return out + "  home screen\n" + hud.out;
}
