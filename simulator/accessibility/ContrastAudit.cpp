#include "accessibility/ContrastAudit.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "UIKit/UILabel.h"
#include "UIKit/UIScreen.h"
#include "accessibility/AccessibilityNode.h"
#include "accessibility/AccessibilityTree.h"
#include "common/DisplayText.h"
#include "screen/ScreenRenderer.h"

namespace contrast_audit {

namespace {

struct Shown {
  std::shared_ptr<UILabel> label;
  CGFloat opacity = 1;  // of the label and every view it lies in
};

void collect(const std::shared_ptr<UIView>& view, CGFloat opacity, std::vector<Shown>& out) {
  if (view->isHidden() || view->alpha() < 0.01) return;
  opacity *= view->alpha();
  if (auto label = std::dynamic_pointer_cast<UILabel>(view);
      label && !label->text().value_or("").empty()) {
    out.push_back({std::move(label), opacity});
  }
  // Nothing a modal view hides is read, nor judged.
  if (const auto modal = accessibility_tree::modalSubview(*view)) {
    return collect(modal, opacity, out);
  }
  for (const auto& sub : view->subviews()) collect(sub, opacity, out);
}

double linear(CGFloat channel) {
  return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const UIColor& c) {
  return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

// The mean colour of `area` (points) of an ARGB32 surface drawn at one pixel a point, each
// pixel laid over black.
UIColor meanUnder(cairo_surface_t* surface, CGRect area) {
  cairo_surface_flush(surface);
  const int width = cairo_image_surface_get_width(surface);
  const int height = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int x0 = std::clamp(static_cast<int>(std::floor(area.origin.x)), 0, width);
  const int y0 = std::clamp(static_cast<int>(std::floor(area.origin.y)), 0, height);
  const int x1 = std::clamp(static_cast<int>(std::ceil(area.origin.x + area.size.width)), 0, width);
  const int y1 =
      std::clamp(static_cast<int>(std::ceil(area.origin.y + area.size.height)), 0, height);
  double r = 0, g = 0, b = 0;
  long count = 0;
  for (int y = y0; y < y1; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
    for (int x = x0; x < x1; ++x, ++count) {
      // Premultiplied: over black, the channels are the colour as it shows.
      r += ((row[x] >> 16) & 0xff) / 255.0;
      g += ((row[x] >> 8) & 0xff) / 255.0;
      b += (row[x] & 0xff) / 255.0;
    }
  }
  if (count == 0) return UIColor::blackColor();
  return UIColor(r / count, g / count, b / count, 1);
}

UIColor over(const UIColor& top, CGFloat opacity, const UIColor& under) {
  const CGFloat a = top.alpha() * opacity;
  return UIColor(top.red() * a + under.red() * (1 - a), top.green() * a + under.green() * (1 - a),
                 top.blue() * a + under.blue() * (1 - a), 1);
}

// Cut, not rounded, to a tenth: 4.47 is shown as 4.4, below 4.5.
std::string ratioText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f:1", std::floor(value * 10) / 10);
  return text;
}

}  // namespace

double ratio(const UIColor& a, const UIColor& b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::vector<std::string> audit(const std::vector<std::shared_ptr<UIWindow>>& windows,
                               bool wholeScreen) {
  std::vector<Shown> shown;
  for (const auto& window : windows) collect(window, 1, shown);
  if (shown.empty()) return {};
  const CGSize size = UIScreen::mainScreen().bounds().size;
  const CairoSurface under(cairo_image_surface_create(
      CAIRO_FORMAT_ARGB32, static_cast<int>(size.width), static_cast<int>(size.height)));
  // The screen as it is without the text, for the one moment of drawing it.
  for (const auto& each : shown) each.label->setHidden(true);
  ScreenRenderer renderer(1);
  if (wholeScreen) {
    renderer.draw(under.get());
  } else {
    renderer.drawWindows(under.get());
  }
  for (const auto& each : shown) each.label->setHidden(false);
  std::vector<std::string> flagged;
  for (const auto& [label, opacity] : shown) {
    // Only what shows on the screen has anything drawn under it.
    const CGRect area = CGRectIntersection(accessibility_tree::visibleFrame(*label),
                                           UIScreen::mainScreen().bounds());
    if (CGRectIsEmpty(area)) continue;
    const UIColor ground = meanUnder(under.get(), area);
    const double measured = ratio(over(label->textColor(), opacity, ground), ground);
    if (measured >= kLeast) continue;
    flagged.push_back("contrast " + ratioText(measured) + " below " + ratioText(kLeast) + ": " +
                      display_text::quoted(*label->text()) + " " + accessibilityFrameText(area));
  }
  return flagged;
}

}  // namespace contrast_audit
