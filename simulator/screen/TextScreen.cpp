#include "screen/TextScreen.h"

#include <cmath>

#include "Foundation/Overloaded.h"
#include "SpringBoard/SpringBoard.h"
#include "SpringBoard/VolumeControl.h"
#include "UIKit/UIButton.h"
#include "UIKit/UILabel.h"
#include "UIKit/UIScreen.h"
#include "UIKit/UIScrollView.h"
#include "UIKit/UISegmentedControl.h"
#include "UIKit/UISlider.h"
#include "UIKit/UISwitch.h"
#include "UIKit/UITableViewCell.h"
#include "UIKit/UITextField.h"
#include "UIKit/UIWindow.h"
#include "common/DisplayText.h"
#include "common/Shortest.h"
#include "orbelle2/RowTags.h"
#include "screen/DrawnLook.h"
#include "screen/FontMetrics.h"
#include "screen/RemoteWindow.h"
#include "screen/ScreenPoint.h"
#include "screen/ViewVisitor.h"

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
    if (view.className() == std::string_view(VolumeControl::kHUDViewClass)) insideHUD_ = true;
    return true;
  }
  void leave(const UIView& view, const ViewKind&, int) override {
    if (view.className() == std::string_view(VolumeControl::kHUDViewClass)) insideHUD_ = false;
  }
  std::string out;

 private:
  bool insideHUD_ = false;
};

// The app in front, a line a row: a table row as its title, its detail and its accessory
// ("[on]", "[off]", ">", a check mark, "=" for a drag handle, a field as "[text_]", segments as
// "[One|*Two]" with the selected one starred), a field over a row's hidden title in its place, a
// button as "[title]", any other label as its text.
class AppText : public ViewVisitor {
 public:
  bool enter(const UIView& view, const ViewKind& kind, int) override {
    if (!DrawnLook::drawn(view)) return false;
    if (const auto* app = dynamic_cast<const RemoteWindow*>(&view)) {
      if (const auto source = app->source()) out += source->text();
      return false;
    }
    if (const auto* const* window = std::get_if<const UIWindow*>(&kind)) {
      return !SpringBoard::shared().isSystemWindow(**window);
    }
    if (!seen(view)) return true;
    if (const auto* const* cell = std::get_if<const UITableViewCell*>(&kind)) {
      out += "  | " + row(**cell) + "\n";
      return false;
    }
    if (const auto* button = dynamic_cast<const UIButton*>(&view);
        button && button->titleLabel() && !button->titleLabel()->text().value_or("").empty()) {
      out += "  [" + printable(button->titleLabel()->text()) + "]\n";
      return false;
    }
    if (const auto* const* label = std::get_if<const UILabel*>(&kind)) {
      if (!printable((*label)->text()).empty()) out += "  " + printable((*label)->text()) + "\n";
    }
    return true;
  }
  std::string out;

 private:
  static std::string printable(const std::optional<std::string>& text) {
    return display_text::printable(text.value_or(""));
  }
  // A row's title or detail as it is seen: cut at the tail where it does not fit.
  static std::string shown(const UILabel& label) {
    if (!label.text()) return "";
    return display_text::printable(label.displayedText(FontMetrics::measure()));
  }
  static std::string fieldText(const UITextField& field) {
    return "[" + display_text::printable(field.displayedText()) + "_]";
  }
  static std::string segmentsText(const UISegmentedControl& segments) {
    std::string text = "[";
    for (NSInteger at = 0; at < segments.numberOfSegments(); ++at) {
      if (at > 0) text += "|";
      if (at == segments.selectedSegmentIndex()) text += "*";
      text += display_text::printable(segments.titleForSegmentAtIndex(at));
    }
    return text + "]";
  }
  static std::string row(const UITableViewCell& cell) {
    std::string line = shown(*cell.textLabel());
    for (const auto& subview : cell.subviews()) {
      const auto* field = dynamic_cast<const UITextField*>(subview.get());
      if (field && !field->isHidden() && cell.textLabel()->isHidden()) line = fieldText(*field);
    }
    const std::string detail = shown(*cell.detailTextLabel());
    if (!detail.empty()) line += " (" + detail + ")";
    if (const auto* field = dynamic_cast<const UITextField*>(cell.accessoryView().get())) {
      return line + "  " + fieldText(*field);
    }
    if (const auto* segments =
            dynamic_cast<const UISegmentedControl*>(cell.accessoryView().get())) {
      return line + "  " + segmentsText(*segments);
    }
    if (cell.showsReorderControl()) return line + "  =";
    if (const auto* toggle = dynamic_cast<const UISwitch*>(cell.accessoryView().get())) {
      return line + (toggle->isOn() ? "  [on]" : "  [off]");
    }
    if (cell.accessoryType() == UITableViewCellAccessoryDisclosureIndicator) return line + "  >";
    if (cell.accessoryType() == UITableViewCellAccessoryCheckmark) return line + "  \u2713";
    return line;
  }
};

bool shown(const UIView& view) {
  for (const auto& window : UIScreen::mainScreen().windows()) {
    if (view.superview() && window->isAncestorOf(view)) return true;
  }
  return false;
}

}  // namespace

std::string drawAppAsText() {
  AppText text;
  text.walkScreen();
  return text.out;
}

std::string drawScreenAsText(const UIView* panel) {
  const CGRect screen = UIScreen::mainScreen().bounds();
  std::string out =
      "screen " + shortest(screen.size.width) + "x" + shortest(screen.size.height) + "\n";
  if (panel && shown(*panel)) {
    // The panel as it is seen: itself, or what holds the scroll view its rows scroll in, the
    // outermost view under the window's root view.
    const auto scroller = std::dynamic_pointer_cast<const UIScrollView>(panel->superview());
    std::shared_ptr<const UIView> seen = panel->shared_from_this();
    while (seen->superview() && seen->superview()->superview() &&
           seen->superview()->superview()->superview()) {
      seen = seen->superview();
    }
    const CGRect f = seen->frame();
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
  AppText text;
  text.walkScreen();
  // After the walk: an app whose process ended while it was asked is in front no more.
  const auto& springBoard = SpringBoard::shared();
  if (!springBoard.isDisplayOn()) return out + "  (display dark)\n";
  if (springBoard.lockState() == SBLockState::LockScreen) return out + "  lock screen\n" + hud.out;
  const std::string app = springBoard.frontApplication();
  if (app.empty()) return out + "  home screen\n" + hud.out;
  return out + "  " + app + "\n" + text.out + hud.out;
}
