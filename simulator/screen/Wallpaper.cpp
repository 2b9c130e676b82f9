#include "screen/Wallpaper.h"

void drawWallpaper(cairo_t* cr, CGSize size) {
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, size.width, size.height);
  cairo_pattern_add_color_stop_rgb(sky, 0, 0.16, 0.35, 0.62);
  cairo_pattern_add_color_stop_rgb(sky, 0.55, 0.42, 0.27, 0.58);
  cairo_pattern_add_color_stop_rgb(sky, 1, 0.93, 0.55, 0.42);
  cairo_set_source(cr, sky);
  cairo_paint(cr);
  cairo_pattern_destroy(sky);
}
