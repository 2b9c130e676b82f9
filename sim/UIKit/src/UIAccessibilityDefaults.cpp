// UIKit's own accessibility answers, as a person hears them on a phone, for each kind of view
// that has them; what an app sets on a view comes first.
#include <cmath>

#include "UIKit/UIButton.h"
#include "UIKit/UILabel.h"
#include "UIKit/UISlider.h"
#include "UIKit/UISwitch.h"
#include "UIKit/UITableViewCell.h"
#include "UIKit/UITextField.h"
#include "UIKit/UIWindow.h"

namespace {

// A control that takes no touch says so.
UIAccessibilityTraits enabledOr(const UIControl& control, UIAccessibilityTraits traits) {
  return control.isEnabled() ? traits : traits | UIAccessibilityTraitNotEnabled;
}

std::string text(const std::shared_ptr<UILabel>& label) {
  return label && !label->isHidden() ? label->text().value_or("") : std::string();
}

// A switch in the cell, where it has one in place of its accessory.
UISwitch* switchIn(const UITableViewCell& cell) {
  return dynamic_cast<UISwitch*>(cell.accessoryView().get());
}

// A slider's step under VoiceOver: a tenth of its range, sending value-changed.
void stepByATenth(UISlider& slider, int direction) {
  const float range = slider.maximumValue() - slider.minimumValue();
  slider.setValue(slider.value() + static_cast<float>(direction) * range / 10);
  slider.sendActionsForControlEvents(UIControlEventValueChanged);
}

}  // namespace

bool UIView::isAccessibilityElement() const {
  return ax_.element.value_or(false);
}

std::string UIView::accessibilityLabel() const {
  return ax_.label.value_or("");
}

std::string UIView::accessibilityValue() const {
  return ax_.value.value_or("");
}

UIAccessibilityTraits UIView::accessibilityTraits() const {
  return ax_.traits.value_or(UIAccessibilityTraitNone);
}

CGRect UIView::accessibilityFrame() const {
  const UIView* root = this;
  while (const auto up = root->superview()) root = up.get();
  const auto container = superview();
  const bool inContainer = ax_.frameInContainer && container;
  const CGPoint origin = inContainer
                             ? container->convertPointToView(ax_.frameInContainer->origin, root)
                             : convertPointToView(bounds().origin, root);
  const CGSize size = inContainer ? ax_.frameInContainer->size : frame().size;
  const auto* window = dynamic_cast<const UIWindow*>(root);
  if (!window) return CGRect{origin, size};
  const CGPoint a = window->convertPointToScreen(origin);
  const CGPoint b =
      window->convertPointToScreen(CGPoint{origin.x + size.width, origin.y + size.height});
  return CGRectMake(std::min(a.x, b.x), std::min(a.y, b.y), std::fabs(b.x - a.x),
                    std::fabs(b.y - a.y));
}

CGPoint UIView::accessibilityActivationPoint() const {
  if (ax_.activationPoint) return *ax_.activationPoint;
  const CGRect area = accessibilityFrame();
  return CGPoint{area.origin.x + area.size.width / 2, area.origin.y + area.size.height / 2};
}

// A label is read for its text.
bool UILabel::isAccessibilityElement() const {
  return UIView::isElementSet() ? UIView::isAccessibilityElement() : !accessibilityLabel().empty();
}

std::string UILabel::accessibilityLabel() const {
  const auto set = UIView::accessibilityLabel();
  return set.empty() ? text().value_or("") : set;
}

UIAccessibilityTraits UILabel::accessibilityTraits() const {
  return UIView::accessibilityTraits() | UIAccessibilityTraitStaticText;
}

// A button is read for its title.
bool UIButton::isAccessibilityElement() const {
  return !isElementSet() || UIView::isAccessibilityElement();
}

std::string UIButton::accessibilityLabel() const {
  const auto set = UIView::accessibilityLabel();
  return set.empty() ? text(titleLabel()) : set;
}

UIAccessibilityTraits UIButton::accessibilityTraits() const {
  return enabledOr(*this, UIView::accessibilityTraits() | UIAccessibilityTraitButton);
}

bool UISlider::isAccessibilityElement() const {
  return !isElementSet() || UIView::isAccessibilityElement();
}

std::string UISlider::accessibilityValue() const {
  const auto set = UIView::accessibilityValue();
  if (!set.empty()) return set;
  const float range = maximumValue() - minimumValue();
  const float share = range > 0 ? (value() - minimumValue()) / range : 0;
  return std::to_string(static_cast<int>(std::lround(share * 100))) + "%";
}

UIAccessibilityTraits UISlider::accessibilityTraits() const {
  return enabledOr(*this, UIView::accessibilityTraits() | UIAccessibilityTraitAdjustable);
}

void UISlider::accessibilityIncrement() {
  stepByATenth(*this, 1);
}

void UISlider::accessibilityDecrement() {
  stepByATenth(*this, -1);
}

bool UISwitch::isAccessibilityElement() const {
  return !isElementSet() || UIView::isAccessibilityElement();
}

std::string UISwitch::accessibilityValue() const {
  const auto set = UIView::accessibilityValue();
  return set.empty() ? (isOn() ? "on" : "off") : set;
}

UIAccessibilityTraits UISwitch::accessibilityTraits() const {
  return enabledOr(*this, UIView::accessibilityTraits() | UIAccessibilityTraitButton);
}

bool UITextField::isAccessibilityElement() const {
  return !isElementSet() || UIView::isAccessibilityElement();
}

std::string UITextField::accessibilityLabel() const {
  const auto set = UIView::accessibilityLabel();
  return set.empty() && text().empty() ? placeholder() : set;
}

std::string UITextField::accessibilityValue() const {
  const auto set = UIView::accessibilityValue();
  return set.empty() ? text() : set;
}

bool UITableViewCell::isAccessibilityElement() const {
  return !isElementSet() || UIView::isAccessibilityElement();
}

std::string UITableViewCell::accessibilityLabel() const {
  const auto set = UIView::accessibilityLabel();
  if (!set.empty()) return set;
  std::string label = text(textLabel());
  if (const auto detail = text(detailTextLabel()); !detail.empty()) {
    label += (label.empty() ? "" : ", ") + detail;
  }
  return label;
}

std::string UITableViewCell::accessibilityValue() const {
  const auto set = UIView::accessibilityValue();
  if (!set.empty()) return set;
  const auto* toggle = switchIn(*this);
  return toggle ? toggle->accessibilityValue() : std::string();
}

UIAccessibilityTraits UITableViewCell::accessibilityTraits() const {
  UIAccessibilityTraits traits = UIView::accessibilityTraits();
  if (accessoryType() == UITableViewCellAccessoryDisclosureIndicator || switchIn(*this)) {
    traits |= UIAccessibilityTraitButton;
  }
  if (accessoryType() == UITableViewCellAccessoryCheckmark) traits |= UIAccessibilityTraitSelected;
  return traits;
}

// A double tap on a row with a switch turns the switch, as a tap on the switch does.
bool UITableViewCell::accessibilityActivate() {
  auto* toggle = switchIn(*this);
  if (!toggle || toggle->isHidden() || !toggle->isEnabled()) return false;
  toggle->setOn(!toggle->isOn());
  toggle->sendActionsForControlEvents(UIControlEventValueChanged);
  return true;
}
