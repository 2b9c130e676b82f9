#include "screen/HomeScreen.h"

#include <algorithm>

#include "RoundedRectangle.h"

namespace {

constexpr double kIconColors[][3] = {
    {0.30, 0.85, 0.39}, {0.20, 0.60, 1.00}, {1.00, 0.80, 0.00}, {1.00, 0.23, 0.19},
    {0.35, 0.34, 0.84}, {1.00, 0.58, 0.00}, {0.56, 0.56, 0.58}, {0.00, 0.78, 0.75},
};
constexpr double kIcon = 60;
constexpr double kIconRadius = 13;
constexpr int kColumns = 4;

void icon(cairo_t* cr, int color, double x, double y) {
  const double* c = kIconColors[color % 8];
  cairo_set_source_rgb(cr, c[0], c[1], c[2]);
  roundedRectangle(cr, x, y, kIcon, kIcon, kIconRadius);
  cairo_fill(cr);
}

}  // namespace

void drawHomeScreen(cairo_t* cr, CGSize size) {
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, size.width, size.height);
  cairo_pattern_add_color_stop_rgb(sky, 0, 0.16, 0.35, 0.62);
  cairo_pattern_add_color_stop_rgb(sky, 0.55, 0.42, 0.27, 0.58);
  cairo_pattern_add_color_stop_rgb(sky, 1, 0.93, 0.55, 0.42);
  cairo_set_source(cr, sky);
  cairo_paint(cr);
  cairo_pattern_destroy(sky);

  const double gap = (size.width - kColumns * kIcon) / (kColumns + 1);
  const int rows = std::max(1, int((size.height - 140) / (kIcon + 28)) - 1);
  for (int row = 0; row < rows; ++row) {
    for (int col = 0; col < kColumns; ++col) {
      icon(cr, row * kColumns + col, gap + col * (kIcon + gap), 40 + row * (kIcon + 28));
    }
  }
  cairo_set_source_rgba(cr, 1, 1, 1, 0.25);
  roundedRectangle(cr, 8, size.height - 96, size.width - 16, 88, 20);
  cairo_fill(cr);
  for (int col = 0; col < kColumns; ++col) {
    icon(cr, col + 3, gap + col * (kIcon + gap), size.height - 82);
  }
}
