// Draws SpringBoard's status bar glyphs into a system tree, as the device's system has them:
// status-bar-artwork SYSTEM_ROOT
#include <cairo.h>

#include <cmath>
#include <utility>

#include "PngArtwork.h"
#include "SpringBoard/StatusBarImages.h"

namespace {

using png_artwork::Painter;

void white(cairo_t* cr) {
  cairo_set_source_rgb(cr, 1, 1, 1);
}

void play(cairo_t* cr, double w, double h) {
  cairo_move_to(cr, w * 0.22, h * 0.15);
  cairo_line_to(cr, w * 0.85, h * 0.5);
  cairo_line_to(cr, w * 0.22, h * 0.85);
  cairo_close_path(cr);
  white(cr);
  cairo_fill(cr);
}

// A band over the head and a cup at each ear.
void headphones(cairo_t* cr, double w, double h) {
  white(cr);
  cairo_set_line_width(cr, w * 0.11);
  cairo_arc(cr, w / 2, h * 0.55, w * 0.36, M_PI, 2 * M_PI);
  cairo_stroke(cr);
  for (const double x : {w * 0.08, w * 0.7}) {
    cairo_rectangle(cr, x, h * 0.52, w * 0.22, h * 0.38);
    cairo_fill(cr);
  }
}

// The rune-like mark: a stem with two arrowheads to its right, crossed back to the left.
void bluetooth(cairo_t* cr, double w, double h) {
  white(cr);
  cairo_set_line_width(cr, w * 0.1);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  cairo_move_to(cr, w * 0.25, h * 0.3);
  cairo_line_to(cr, w * 0.72, h * 0.7);
  cairo_line_to(cr, w * 0.5, h * 0.9);
  cairo_line_to(cr, w * 0.5, h * 0.1);
  cairo_line_to(cr, w * 0.72, h * 0.3);
  cairo_line_to(cr, w * 0.25, h * 0.7);
  cairo_stroke(cr);
}

// A shackle over a body.
void padlock(cairo_t* cr, double w, double h) {
  white(cr);
  cairo_set_line_width(cr, w * 0.12);
  cairo_arc(cr, w / 2, h * 0.42, w * 0.22, M_PI, 2 * M_PI);
  cairo_line_to(cr, w * 0.72, h * 0.5);
  cairo_move_to(cr, w * 0.28, h * 0.42);
  cairo_line_to(cr, w * 0.28, h * 0.5);
  cairo_stroke(cr);
  cairo_rectangle(cr, w * 0.18, h * 0.48, w * 0.64, h * 0.44);
  cairo_fill(cr);
}

}  // namespace

int main(int argc, char** argv) {
  namespace images = status_bar_images;
  const auto glyph = [](const char* file, png_artwork::Painter paint) {
    return png_artwork::Artwork{file, images::kWidth, images::kHeight, std::move(paint)};
  };
  return png_artwork::drawTool(
      argc, argv, "status-bar-artwork", "SYSTEM_ROOT", images::kFolder,
      {glyph(images::kPlay, play), glyph(images::kHeadphones, headphones),
       glyph(images::kBluetooth, bluetooth), glyph(images::kPadlock, padlock)});
}
