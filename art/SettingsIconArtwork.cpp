// Draws the Settings app's icon into the system tree a simulated device boots with:
// settings-icon-artwork SYSTEM_ROOT
#include <cairo.h>

#include <cmath>

#include "PngArtwork.h"
#include "RoundedRectangle.h"
#include "Settings/SettingsIcon.h"

namespace {

constexpr int kTeeth = 12;

// A wheel of square teeth round a rim: traced tooth by tooth, out and back in.
void cog(cairo_t* cr, double cx, double cy, double inner, double outer) {
  const double step = 2 * M_PI / kTeeth;
  for (int tooth = 0; tooth < kTeeth; ++tooth) {
    const double a = step * tooth;
    const auto at = [&](double radius, double angle) {
      cairo_line_to(cr, cx + radius * std::cos(angle), cy + radius * std::sin(angle));
    };
    at(inner, a);
    at(outer, a + step * 0.15);
    at(outer, a + step * 0.5);
    at(inner, a + step * 0.65);
  }
  cairo_close_path(cr);
}

// A grey rounded square holding a dark cog with a light hub, as the platform's icon has.
void gear(cairo_t* cr, double w, double h) {
  cairo_pattern_t* ground = cairo_pattern_create_linear(0, 0, 0, h);
  cairo_pattern_add_color_stop_rgb(ground, 0, 0.62, 0.63, 0.66);
  cairo_pattern_add_color_stop_rgb(ground, 1, 0.42, 0.43, 0.46);
  roundedRectangle(cr, 0, 0, w, h, w * 0.22);
  cairo_set_source(cr, ground);
  cairo_fill(cr);
  cairo_pattern_destroy(ground);
  const double cx = w / 2, cy = h / 2;
  cog(cr, cx, cy, w * 0.33, w * 0.42);
  cairo_set_source_rgb(cr, 0.2, 0.2, 0.22);
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, w * 0.25, 0, 2 * M_PI);
  cairo_set_source_rgb(cr, 0.78, 0.79, 0.81);
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, w * 0.1, 0, 2 * M_PI);
  cairo_set_source_rgb(cr, 0.3, 0.3, 0.32);
  cairo_fill(cr);
}

}  // namespace

int main(int argc, char** argv) {
  return png_artwork::drawTool(
      argc, argv, "settings-icon-artwork", "SYSTEM_ROOT", settings_icon::kFolder,
      {{settings_icon::kFile, settings_icon::kSide, settings_icon::kSide, gear}});
}
