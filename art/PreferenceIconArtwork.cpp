// Draws the icon of the tweak's entry in the Settings app into the package tree, in the
// preferences bundle: preference-icon-artwork PACKAGE_ROOT
#include <cairo.h>

#include "PngArtwork.h"
#include "RoundedRectangle.h"
#include "orbelle2/PreferencePageNames.h"

namespace {

// A red rounded square, as Settings shows its entries, holding three mixer faders: white
// tracks, each with a knob at another height.
void mixer(cairo_t* cr, double w, double h) {
  roundedRectangle(cr, 0, 0, w, h, w * 0.22);
  cairo_set_source_rgb(cr, 0.9, 0.22, 0.21);
  cairo_fill(cr);
  cairo_set_source_rgb(cr, 1, 1, 1);
  const double knobs[] = {0.62, 0.35, 0.5};
  for (int i = 0; i < 3; ++i) {
    const double x = w * (0.28 + 0.22 * i);
    cairo_set_line_width(cr, w * 0.06);
    cairo_move_to(cr, x, h * 0.2);
    cairo_line_to(cr, x, h * 0.8);
    cairo_stroke(cr);
    roundedRectangle(cr, x - w * 0.09, h * knobs[i] - h * 0.06, w * 0.18, h * 0.12, w * 0.03);
    cairo_fill(cr);
  }
}

}  // namespace

int main(int argc, char** argv) {
  namespace page = preference_page;
  return png_artwork::drawTool(argc, argv, "preference-icon-artwork", "PACKAGE_ROOT",
                               page::kBundleFolder,
                               {{page::kIconName, page::kIconSide, page::kIconSide, mixer}});
}
