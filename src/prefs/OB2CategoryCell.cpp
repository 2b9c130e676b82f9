#include "prefs/OB2CategoryCell.h"

OB2CategoryCell::OB2CategoryCell(const std::string& name, const std::string& category,
                                 std::shared_ptr<UISwitch> visible, std::size_t place,
                                 std::size_t count, Move move)
    : UITableViewCell(UITableViewCellStyleSubtitle),
      category_(category),
      place_(place),
      count_(count),
      move_(std::move(move)) {
  textLabel()->setText(name);
  detailTextLabel()->setText(category);
  setAccessibilityLabel(name);
  textLabel()->setAccessibilityValue("category " + category);
  visible->setAccessibilityLabel("Show " + name);
  setAccessoryView(visible);
  setAccessibilityElements({textLabel(), visible});
}

// The name to the switch (or the handle), the switch to the row's end, all of its height.
void OB2CategoryCell::layoutSubviews() {
  UITableViewCell::layoutSubviews();
  const CGSize size = frame().size;
  const auto& control = showsReorderControl() ? reorderControl() : accessoryView();
  const CGFloat split = control ? control->frame().origin.x : size.width;
  // A double tap renames the entry, but not while the list is edited.
  textLabel()->setAccessibilityTraits(showsReorderControl() ? UIAccessibilityTraitNone
                                                            : UIAccessibilityTraitButton);
  textLabel()->setAccessibilityFrameInContainerSpace(CGRectMake(0, 0, split, size.height));
  if (accessoryView() && !showsReorderControl()) {
    accessoryView()->setAccessibilityFrameInContainerSpace(
        CGRectMake(split, 0, size.width - split, size.height));
  }
}

void OB2CategoryCell::readFieldForName(const std::shared_ptr<UIView>& field) {
  field->setAccessibilityLabel("Name for category " + detailTextLabel()->text().value_or(""));
  field->setAccessibilityFrameInContainerSpace(
      CGRectMake(0, 0, accessoryView() ? accessoryView()->frame().origin.x : frame().size.width,
                 frame().size.height));
  auto order = accessibilityElements();
  if (!order.empty()) order.front() = field;
  setAccessibilityElements(std::move(order));
}

bool OB2CategoryCell::isAccessibilityElement() const {
  return showsReorderControl();
}

// Its place while it is in the table; a row the table built again has no more to say.
std::string OB2CategoryCell::accessibilityValue() const {
  if (!showsReorderControl() || !superview()) return std::string();
  return "category " + category_ + ", row " + std::to_string(place_ + 1) + " of " +
         std::to_string(count_);
}

UIAccessibilityTraits OB2CategoryCell::accessibilityTraits() const {
  return showsReorderControl() ? UIAccessibilityTraitAdjustable : UIAccessibilityTraitNone;
}

void OB2CategoryCell::accessibilityIncrement() {
  if (showsReorderControl() && place_ > 0 && move_) move_(-1);
}

void OB2CategoryCell::accessibilityDecrement() {
  if (showsReorderControl() && place_ + 1 < count_ && move_) move_(1);
}
