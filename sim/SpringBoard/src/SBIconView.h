#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "SpringBoard/SpringBoard.h"
#include "UIKit/UIImageView.h"
#include "UIKit/UILabel.h"
#include "UIKit/UIView.h"

// An app's icon on the home screen: its image (or, for an app with none, a plain rounded square
// of its colour) and, unless it stands in the dock, its name under it. It darkens while a
// finger is on it and for a moment after a tap, and a tap on it opens its app.
class SBIconView : public UIView {
 public:
  static constexpr CGFloat kIconSide = 60;
  static constexpr CGFloat kLabelHeight = 16;

  SBIconView(std::string name, UIColor color, bool labelled, std::function<void()> tapped);
  const char* className() const override { return kIconViewClass; }

  const std::string& name() const { return name_; }
  void setImage(std::shared_ptr<const UIImage> image);
  bool isHighlighted() const { return !shade_->isHidden(); }

  void touchesBegan(CGPoint point) override;
  void touchesEnded(CGPoint point) override;
  void touchesCancelled() override;

 private:
  std::string name_;
  std::shared_ptr<UIImageView> image_;
  std::shared_ptr<UIView> shade_;
  std::function<void()> tapped_;
};
