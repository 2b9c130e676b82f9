#pragma once

#include <cairo.h>

#include <string_view>

#include "UIKit/UILabel.h"

// Text as the screen draws it: laid out by Pango (HarfBuzz shapes it, fontconfig finds a font for
// every script the system font lacks: emoji, Chinese and Japanese, Arabic set right to left),
// in the system font's stand-in at the label font's point size, with advances that do not
// depend on the pixels of the surface. Screenshots draw with it and every label's line is
// measured with it, so truncation is the same in a screenshot and in `show`.
class FontMetrics {
 public:
  // Free, packaged by Debian, and metric-compatible with Helvetica and Arial: the closest such
  // font to the device's system font, where DejaVu Sans runs about a tenth wider.
  static constexpr char kSystemFontFamily[] = "Liberation Sans";

  // The font's own heights: above the baseline, and from one line to the next.
  struct Heights {
    double ascent;
    double line;
  };
  static Heights heights(const UIFont& font);
  static CGFloat width(std::string_view text, const UIFont& font);
  // Draws one line with its baseline's start at (x, baseline) of `cr`, in its source colour.
  static void draw(cairo_t* cr, std::string_view text, const UIFont& font, double x,
                   double baseline);
  // How many characters of `text` no installed font has (drawn as boxes).
  static int missingGlyphs(std::string_view text, const UIFont& font);
  // `width` in the form a label asks for it.
  static UILabel::TextWidth measure() { return &FontMetrics::width; }
};
