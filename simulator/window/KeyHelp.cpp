#include "window/KeyHelp.h"

#include <algorithm>

#include "RoundedRectangle.h"
#include "window/WindowKeys.h"

namespace key_help {

namespace {

constexpr double kTextSize = 13;      // points, at scale 1
constexpr double kSmallestText = 11;  // pixels: readable however small the window

}  // namespace

std::string text() {
  std::string out;
  for (const auto& entry : window_keys::all()) {
    std::string keys = entry.keys;
    keys.resize(std::max<std::size_t>(keys.size() + 2, 14), ' ');
    out += "  " + keys + entry.does + "\n";
  }
  return out;
}

void draw(cairo_t* cr, CGRect area, double scale) {
  const double size = std::max(kSmallestText, kTextSize * scale);
  const double line = size * 1.5;
  const double pad = size;
  cairo_save(cr);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
  double keysWidth = 0, doesWidth = 0;
  for (const auto& entry : window_keys::all()) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr, entry.keys, &extents);
    keysWidth = std::max(keysWidth, extents.x_advance);
    cairo_text_extents(cr, entry.does, &extents);
    doesWidth = std::max(doesWidth, extents.x_advance);
  }
  const double width = std::min(area.size.width, keysWidth + doesWidth + 3 * pad);
  const double height = std::min(area.size.height, window_keys::all().size() * line + 2 * pad);
  const double x = area.origin.x + (area.size.width - width) / 2;
  const double y = area.origin.y + (area.size.height - height) / 2;
  roundedRectangle(cr, x, y, width, height, pad);
  cairo_set_source_rgba(cr, 0.05, 0.05, 0.06, 0.88);
  cairo_fill(cr);
  cairo_rectangle(cr, x, y, width, height);
  cairo_clip(cr);
  double baseline = y + pad + size;
  for (const auto& entry : window_keys::all()) {
    cairo_set_source_rgb(cr, 1, 0.84, 0.35);
    cairo_move_to(cr, x + pad, baseline);
    cairo_show_text(cr, entry.keys);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_move_to(cr, x + 2 * pad + keysWidth, baseline);
    cairo_show_text(cr, entry.does);
    baseline += line;
  }
  cairo_restore(cr);
}

}  // namespace key_help
