#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "UIKit/UIFont.h"
#include "UIKit/UIView.h"

enum NSTextAlignment : long {
  NSTextAlignmentLeft = 0,
  NSTextAlignmentCenter = 1,
  NSTextAlignmentRight = 2,
};

// A line of text, laid at the left, the middle or the right of the label. Labels take no
// touches: a tap on one goes to the view behind it.
class UILabel : public UIView {
 public:
  // How wide a text is when drawn in a font: the measure of whoever draws the label.
  using TextWidth = std::function<CGFloat(std::string_view text, const UIFont& font)>;

  explicit UILabel(CGRect frame = {});
  const char* className() const override { return "UILabel"; }

  const std::optional<std::string>& text() const { return text_; }
  void setText(std::optional<std::string> text) { text_ = std::move(text); }

  const UIColor& textColor() const { return textColor_; }
  void setTextColor(UIColor color) { textColor_ = color; }

  NSTextAlignment textAlignment() const { return alignment_; }
  void setTextAlignment(NSTextAlignment alignment) { alignment_ = alignment; }

  const UIFont& font() const { return font_; }
  void setFont(UIFont font) { font_ = std::move(font); }

  // The line the label shows, with the framework's default line break, truncating the tail:
  // the whole text when it fits the label's width, else the longest start of it (in whole
  // characters) that fits with "…" after it. The text itself stays whole.
  std::string displayedText(const TextWidth& widthOf) const;

 private:
  std::optional<std::string> text_;
  UIColor textColor_ = UIColor::blackColor();
  NSTextAlignment alignment_ = NSTextAlignmentLeft;
  UIFont font_ = UIFont::systemFontOfSize(17);
};
