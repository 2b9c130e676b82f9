// Draws every slider-skin image the skins name into their folder of a package tree:
// skin-artwork PACKAGE_ROOT
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "PngArtwork.h"
#include "RoundedRectangle.h"
#include "orbelle2/ImageSkin.h"

namespace {

struct Rgb {
  double r, g, b;
};

constexpr Rgb rgb(ImageSkin::Rgb8 color) {
  return {color.red / 255.0, color.green / 255.0, color.blue / 255.0};
}

constexpr Rgb kCream = rgb(ImageSkin::kCreamText);
constexpr Rgb kCreamDark{120 / 255.0, 96 / 255.0, 66 / 255.0};
constexpr Rgb kMetal = rgb(ImageSkin::kMetalText);
constexpr Rgb kMetalDark{70 / 255.0, 72 / 255.0, 76 / 255.0};
constexpr Rgb kWhite{1, 1, 1};

using png_artwork::Painter;

Painter roundThumb(Rgb face, Rgb rim, double glow) {
  return [=](cairo_t* cr, double w, double h) {
    const double radius = std::min(w, h) / 2 - 2;
    cairo_pattern_t* shade =
        cairo_pattern_create_radial(w * 0.4, h * 0.35, 1, w / 2, h / 2, radius);
    cairo_pattern_add_color_stop_rgb(shade, 0, std::min(1.0, face.r + glow),
                                     std::min(1.0, face.g + glow), std::min(1.0, face.b + glow));
    cairo_pattern_add_color_stop_rgb(shade, 1, face.r * 0.85, face.g * 0.85, face.b * 0.85);
    cairo_arc(cr, w / 2, h / 2, radius, 0, 2 * M_PI);
    cairo_set_source(cr, shade);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(shade);
    cairo_set_source_rgba(cr, rim.r, rim.g, rim.b, 0.8);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  };
}

Painter rectThumb(Rgb face, Rgb rim, double glow) {
  return [=](cairo_t* cr, double w, double h) {
    roundedRectangle(cr, 2, 2, w - 4, h - 4, 3);
    cairo_set_source_rgb(cr, std::min(1.0, face.r + glow), std::min(1.0, face.g + glow),
                         std::min(1.0, face.b + glow));
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, rim.r, rim.g, rim.b);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    for (double y : {h / 2 - 4, h / 2, h / 2 + 4}) {  // grip lines
      cairo_move_to(cr, w * 0.3, y);
      cairo_line_to(cr, w * 0.7, y);
    }
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  };
}

Painter speaker(Rgb color, int waves) {
  return [=](cairo_t* cr, double w, double h) {
    cairo_set_source_rgb(cr, color.r, color.g, color.b);
    cairo_move_to(cr, w * 0.1, h * 0.38);
    cairo_line_to(cr, w * 0.3, h * 0.38);
    cairo_line_to(cr, w * 0.5, h * 0.15);
    cairo_line_to(cr, w * 0.5, h * 0.85);
    cairo_line_to(cr, w * 0.3, h * 0.62);
    cairo_line_to(cr, w * 0.1, h * 0.62);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_set_line_width(cr, 1.4);
    for (int i = 1; i <= waves; ++i) {
      cairo_arc(cr, w * 0.5, h / 2, w * 0.13 * i, -M_PI / 4, M_PI / 4);
      cairo_stroke(cr);
    }
  };
}

Painter track(Rgb fill, Rgb edge) {
  return [=](cairo_t* cr, double w, double h) {
    roundedRectangle(cr, 0.5, 0.5, w - 1, h - 1, (h - 1) / 2);
    cairo_set_source_rgb(cr, fill.r, fill.g, fill.b);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, edge.r, edge.g, edge.b);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  };
}

}  // namespace

int main(int argc, char** argv) {
  // Pressed, the remainder of the track lightens a little but stays darker than the fill.
  const Rgb pressedCreamRemainder{150 / 255.0, 124 / 255.0, 92 / 255.0};
  using namespace skins;
  // Sizes are pixels of the named file: "@2x" files hold two pixels per point.
  const std::vector<png_artwork::Artwork> artwork = {
      {kThumbDefault, 28, 28, roundThumb(kWhite, {0.6, 0.6, 0.6}, 0)},
      {kSpeakerQuiet, 18, 18, speaker({0.85, 0.85, 0.85}, 1)},
      {kSpeakerLoud, 18, 18, speaker({0.85, 0.85, 0.85}, 3)},
      {kThumbCream, 28, 28, roundThumb(kCream, kCreamDark, 0)},
      {kThumbCreamActive, 28, 28, roundThumb(kCream, kCreamDark, 0.15)},
      {kThumbCreamRect, 16, 28, rectThumb(kCream, kCreamDark, 0)},
      {kThumbCreamRectActive, 16, 28, rectThumb(kCream, kCreamDark, 0.12)},
      {kSpeakerQuietCream, 18, 18, speaker(kCream, 1)},
      {kSpeakerLoudCream, 18, 18, speaker(kCream, 3)},
      {kLeftTrackCream, 40, 12, track(kCream, kCreamDark)},
      {kRightTrackCream, 40, 12, track(kCreamDark, kCreamDark)},
      {kRightTrackCreamHighlighted, 20, 6, track(pressedCreamRemainder, kCreamDark)},
      {kThumbMetal, 28, 28, roundThumb(kMetal, kMetalDark, 0.1)},
      {kThumbMetalActive, 28, 28, roundThumb(kMetal, kMetalDark, 0.3)},
      {kLeftTrackMetal, 40, 12, track(kMetal, kMetalDark)},
      {kRightTrackMetal, 40, 12, track(kMetalDark, {0.2, 0.2, 0.2})},
      {kRightTrackMetalHighlighted, 20, 6, track({0.45, 0.47, 0.5}, {0.2, 0.2, 0.2})},
  };
  for (const std::string_view file : kImageFiles) {
    const bool drawn =
        std::any_of(artwork.begin(), artwork.end(),
                    [&](const png_artwork::Artwork& art) { return art.file == file; });
    if (!drawn) {
      std::fprintf(stderr, "skin-artwork: no artwork for %.*s\n", int(file.size()), file.data());
      return 1;
    }
  }
  return png_artwork::drawTool(argc, argv, "skin-artwork", "PACKAGE_ROOT", kFolder, artwork);
}
