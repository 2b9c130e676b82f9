#pragma once

#include <memory>
#include <string>

#include "UIKit/UISwitch.h"
#include "UIKit/UITableViewCell.h"

// A row of the category editor: the entry's name over its category, and the switch that shows
// it in the panel. VoiceOver reads it in parts, as a double tap can only do one thing: the name
// with its category, which a double tap renames; then the switch, named for the entry; then,
// while editing, the handle, which the platform names after the row. Each part takes the row's
// whole height and its share of the width, where a finger finds it.
class OB2CategoryCell : public UITableViewCell {
 public:
  OB2CategoryCell(const std::string& name, const std::string& category,
                  std::shared_ptr<UISwitch> visible);
  void layoutSubviews() override;
  // While the name is typed, the field reads in its place.
  void readFieldForName(const std::shared_ptr<UIView>& field);
};
