#include "screen/FontMetrics.h"

#include <memory>
#include <string>

namespace {

struct Canvas {
  Canvas()
      : surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1)), cr(cairo_create(surface)) {}
  ~Canvas() {
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  cairo_surface_t* surface;
  cairo_t* cr;
};

}  // namespace

void FontMetrics::select(cairo_t* cr, const UIFont& font) {
  cairo_select_font_face(cr, kSystemFontFamily, CAIRO_FONT_SLANT_NORMAL,
                         font.isBold() ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, font.pointSize());
  const std::unique_ptr<cairo_font_options_t, decltype(&cairo_font_options_destroy)> options(
      cairo_font_options_create(), &cairo_font_options_destroy);
  cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cr, options.get());
}

CGFloat FontMetrics::width(std::string_view text, const UIFont& font) {
  static Canvas canvas;
  select(canvas.cr, font);
  cairo_text_extents_t extents;
  cairo_text_extents(canvas.cr, std::string(text).c_str(), &extents);
  return extents.x_advance;
}
