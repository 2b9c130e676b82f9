#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "UIKit/UIFont.h"
#include "UIKit/UIView.h"

enum NSTextAlignment : long {
  NSTextAlignmentLeft = 0,
  NSTextAlignmentCenter = 1,
  NSTextAlignmentRight = 2,
};

// Text laid at the left, the middle or the right of the label: one line, or, when it may take
// more, as many as its words need, broken between words. Labels take no touches: a tap on one
// goes to the view behind it.
class UILabel : public UIView {
 public:
  // Accessibility as UIKit answers for it.
  bool isAccessibilityElement() const override;
  std::string accessibilityLabel() const override;
  UIAccessibilityTraits accessibilityTraits() const override;
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

  // 1 (the default) shows one line; 0, as many lines as the text needs.
  NSInteger numberOfLines() const { return numberOfLines_; }
  void setNumberOfLines(NSInteger lines) { numberOfLines_ = lines; }
  // The lines the label shows: the text broken between words to the label's width (a word
  // wider than that gets a line of its own, cut), or, for a one-line label, its displayed text.
  std::vector<std::string> displayedLines(const TextWidth& widthOf) const;
  CGFloat lineHeight() const;
  // The height the lines take at `width`, measured by the system's measure.
  CGFloat heightForWidth(CGFloat width) const;

  // The measure text is laid out by, as the system's fonts give it: the drawer's once it has
  // set one, else an estimate of half the point size a byte.
  static const TextWidth& systemMeasure();

 private:
  friend class UIScreenSetup;  // the host's, whose renderer draws the text
  static void setSystemMeasure(TextWidth measure);

  std::optional<std::string> text_;
  UIColor textColor_ = UIColor::blackColor();
  NSTextAlignment alignment_ = NSTextAlignmentLeft;
  NSInteger numberOfLines_ = 1;
  UIFont font_ = UIFont::systemFontOfSize(17);
};
