// Draws SpringBoard's status bar glyphs into a system tree, as the device's system has them:
// status-bar-artwork SYSTEM_ROOT
#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <filesystem>

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

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: status-bar-artwork SYSTEM_ROOT\n");
    return 2;
  }
  namespace images = status_bar_images;
  const std::filesystem::path out =
      std::filesystem::path(argv[1]) / std::filesystem::path(images::kFolder).relative_path();
  std::filesystem::create_directories(out);
  const std::pair<const char*, Painter> glyphs[] = {
      {images::kPlay, play}, {images::kHeadphones, headphones}, {images::kBluetooth, bluetooth}};
  for (const auto& [file, paint] : glyphs) {
    if (!png_artwork::drawAll(out / file, images::kWidth, images::kHeight, paint)) {
      std::fprintf(stderr, "status-bar-artwork: cannot write %s\n", (out / file).c_str());
      return 1;
    }
  }
  return 0;
}
