#pragma once

#include <cairo.h>

#include <string_view>

#include "UIKit/UILabel.h"

// Text as the screen draws it: the system font's stand-in at the label font's point size, with
// advances that do not depend on the pixels of the surface. Screenshots draw with it and every
// label's line is measured with it, so truncation is the same in a screenshot and in `show`.
class FontMetrics {
 public:
  // Free, packaged by Debian, and metric-compatible with Helvetica and Arial: the closest such
  // font to the device's system font, where DejaVu Sans runs about a tenth wider.
  static constexpr char kSystemFontFamily[] = "Liberation Sans";

  // Selects the face and size on `cr` for drawing.
  static void select(cairo_t* cr, const UIFont& font);
  static CGFloat width(std::string_view text, const UIFont& font);
  // `width` in the form a label asks for it.
  static UILabel::TextWidth measure() { return &FontMetrics::width; }
};
