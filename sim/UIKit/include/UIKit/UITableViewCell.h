#pragma once

#include <memory>

#include "UIKit/UIImageView.h"
#include "UIKit/UILabel.h"
#include "UIKit/UIView.h"

enum UITableViewCellAccessoryType : long {
  UITableViewCellAccessoryNone = 0,
  UITableViewCellAccessoryDisclosureIndicator = 1,
  UITableViewCellAccessoryCheckmark = 3,
};

enum UITableViewCellStyle : long {
  UITableViewCellStyleValue1 = 1,    // the detail as a value at the right
  UITableViewCellStyleSubtitle = 3,  // the detail in small grey text under the title
};

// A row of a table: a title at the left, a detail (a value at the right, or a subtitle under the
// title), and at the right edge an accessory: a chevron, a check mark, or a view of its own such
// as a switch. Grey while a finger is on it. A handle of three grey bars may stand in place of
// the accessory, for dragging the row.
class UITableViewCell : public UIView {
 public:
  // Accessibility as UIKit answers for it: one element, its labels read together, the value
  // of a switch in it after them, a button where it can be chosen.
  bool isAccessibilityElement() const override;
  std::string accessibilityLabel() const override;
  std::string accessibilityValue() const override;
  UIAccessibilityTraits accessibilityTraits() const override;
  bool accessibilityActivate() override;
  explicit UITableViewCell(UITableViewCellStyle style);
  static constexpr CGFloat kHeight = 44;
  static constexpr CGFloat kMargin = 15;
  static constexpr CGFloat kAccessoryWidth = 20;
  static constexpr CGFloat kImageSide = 29;

  UITableViewCell();
  const char* className() const override { return "UITableViewCell"; }

  const std::shared_ptr<UILabel>& textLabel() const { return textLabel_; }
  const std::shared_ptr<UILabel>& detailTextLabel() const { return detailTextLabel_; }
  // An image at the left of the title, made on first use; the title moves right of it while
  // it has an image.
  const std::shared_ptr<UIImageView>& imageView();

  UITableViewCellAccessoryType accessoryType() const { return accessoryType_; }
  void setAccessoryType(UITableViewCellAccessoryType type);
  // Shown in place of the accessory type's mark, at the right edge, centred on the row.
  const std::shared_ptr<UIView>& accessoryView() const { return accessoryView_; }
  void setAccessoryView(std::shared_ptr<UIView> view);

  // While its table edits: the handle it is dragged by, in place of the accessory.
  bool showsReorderControl() const { return reorderControl_ != nullptr; }
  void setShowsReorderControl(bool shows);
  const std::shared_ptr<UIView>& reorderControl() const { return reorderControl_; }

  // A hairline along the bottom, from under the title to the right edge, between this row and
  // the next of its section; the table sets it.
  bool showsSeparator() const { return showsSeparator_; }
  void setShowsSeparator(bool shows) { showsSeparator_ = shows; }

  bool isHighlighted() const { return highlighted_; }
  void setHighlighted(bool highlighted);

  void layoutSubviews() override;

 private:
  UITableViewCellStyle style_ = UITableViewCellStyleValue1;
  std::shared_ptr<UILabel> textLabel_;
  std::shared_ptr<UILabel> detailTextLabel_;
  std::shared_ptr<UIImageView> imageView_;
  std::shared_ptr<UIView> accessoryView_;
  std::shared_ptr<UIView> reorderControl_;
  UITableViewCellAccessoryType accessoryType_ = UITableViewCellAccessoryNone;
  bool highlighted_ = false;
  bool showsSeparator_ = false;
};
