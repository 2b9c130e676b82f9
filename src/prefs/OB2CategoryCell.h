#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "UIKit/UISwitch.h"
#include "UIKit/UITableViewCell.h"

// A row of the category editor: the entry's name over its category, and the switch that shows
// it in the panel. VoiceOver reads it in parts, as a double tap can only do one thing: the name
// with its category, which a double tap renames; then the switch, named for the entry. Each
// part takes the row's whole height and its share of the width, where a finger finds it. While
// the list is edited the row is one adjustable element, its place its value: a swipe up or down
// moves it a place, which a person who cannot see the handle cannot do by dragging it.
class OB2CategoryCell : public UITableViewCell {
 public:
  // `move` moves the entry a place up (-1) or down (+1).
  using Move = std::function<void(int by)>;
  OB2CategoryCell(const std::string& name, const std::string& category,
                  std::shared_ptr<UISwitch> visible, std::size_t place, std::size_t count,
                  Move move);
  void layoutSubviews() override;
  // While the name is typed, the field reads in its place.
  void readFieldForName(const std::shared_ptr<UIView>& field);

  bool isAccessibilityElement() const override;
  std::string accessibilityValue() const override;
  UIAccessibilityTraits accessibilityTraits() const override;
  void accessibilityIncrement() override;
  void accessibilityDecrement() override;

 private:
  std::string category_;
  std::size_t place_;
  std::size_t count_;
  Move move_;
};
