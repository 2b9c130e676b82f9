#pragma once

#include <optional>
#include <string>

#include "UIKit/UIFont.h"
#include "UIKit/UIView.h"

// A line of text. Labels take no touches: a tap on one goes to the view behind it.
class UILabel : public UIView {
 public:
  explicit UILabel(CGRect frame = {});
  const char* className() const override { return "UILabel"; }

  const std::optional<std::string>& text() const { return text_; }
  void setText(std::optional<std::string> text) { text_ = std::move(text); }

  const UIColor& textColor() const { return textColor_; }
  void setTextColor(UIColor color) { textColor_ = color; }

  const UIFont& font() const { return font_; }
  void setFont(UIFont font) { font_ = std::move(font); }

 private:
  std::optional<std::string> text_;
  UIColor textColor_ = UIColor::blackColor();
  UIFont font_ = UIFont::systemFontOfSize(17);
};
