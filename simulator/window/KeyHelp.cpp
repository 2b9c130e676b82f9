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

namespace {

struct Widths {
  double keys = 0;
  double does = 0;
};

// The widest key and the widest text of the entries [from, to), at the context's font size.
Widths widest(cairo_t* cr, std::size_t from, std::size_t to) {
  Widths widths;
  const auto& all = window_keys::all();
  for (std::size_t i = from; i < to; ++i) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr, all[i].keys, &extents);
    widths.keys = std::max(widths.keys, extents.x_advance);
    cairo_text_extents(cr, all[i].does, &extents);
    widths.does = std::max(widths.does, extents.x_advance);
  }
  return widths;
}

}  // namespace

// In one column, or two where one would not fit the window (a turned phone's); the text made
// smaller to fit, down to what stays readable.
void draw(cairo_t* cr, CGRect area, double scale) {
  const auto& all = window_keys::all();
  const std::size_t count = all.size();
  double size = std::max(kSmallestText, kTextSize * scale);
  cairo_save(cr);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
  const Widths one = widest(cr, 0, count);
  // How much smaller the text is to be for that many columns to fit the window (1: as it is).
  const auto fits = [&](std::size_t columns, const Widths& widths) {
    const std::size_t rows = (count + columns - 1) / columns;
    const double width = double(columns) * (widths.keys + widths.does + 3 * size);
    const double height = double(rows) * size * 1.5 + 2 * size;
    return std::min({1.0, area.size.width / width, area.size.height / height});
  };
  const Widths left = widest(cr, 0, (count + 1) / 2), right = widest(cr, (count + 1) / 2, count);
  const Widths two{std::max(left.keys, right.keys), std::max(left.does, right.does)};
  const std::size_t columns = fits(1, one) >= fits(2, two) ? 1 : 2;
  const Widths widths = columns == 1 ? one : two;
  const double shrink = std::max(kSmallestText / size, fits(columns, widths));
  size *= shrink;
  cairo_set_font_size(cr, size);
  const double line = size * 1.5, pad = size;
  const double keysWidth = widths.keys * shrink, columnWidth = keysWidth + widths.does * shrink;
  const std::size_t rows = (count + columns - 1) / columns;
  const double width = std::min(area.size.width, double(columns) * (columnWidth + 3 * pad));
  const double height = std::min(area.size.height, double(rows) * line + 2 * pad);
  const double x = area.origin.x + (area.size.width - width) / 2;
  const double y = area.origin.y + (area.size.height - height) / 2;
  roundedRectangle(cr, x, y, width, height, pad);
  cairo_set_source_rgba(cr, 0.05, 0.05, 0.06, 0.96);
  cairo_fill(cr);
  cairo_rectangle(cr, x, y, width, height);
  cairo_clip(cr);
  for (std::size_t i = 0; i < count; ++i) {
    const double left0 = x + pad + double(i / rows) * (columnWidth + 3 * pad);
    const double baseline = y + pad + size + double(i % rows) * line;
    cairo_set_source_rgb(cr, 1, 0.84, 0.35);
    cairo_move_to(cr, left0, baseline);
    cairo_show_text(cr, all[i].keys);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_move_to(cr, left0 + pad + keysWidth, baseline);
    cairo_show_text(cr, all[i].does);
  }
  cairo_restore(cr);
}

}  // namespace key_help
