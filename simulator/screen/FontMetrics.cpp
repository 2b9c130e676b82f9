#include "screen/FontMetrics.h"

#include <pango/pangocairo.h>

#include <memory>
#include <string>
#include <unordered_map>

#include "Foundation/UTF8Text.h"
#include "screen/CairoHandles.h"

namespace {

constexpr std::size_t kLinesKept = 2048;

template <class T>
struct GObjectFree {
  void operator()(T* object) const { g_object_unref(object); }
};
using Layout = std::unique_ptr<PangoLayout, GObjectFree<PangoLayout>>;

// Advances as the font has them: no hinting to the pixel grid, and neither kerning nor
// ligatures, which the labels' cuts have never counted on. Shaping that a script needs (Arabic's
// joined forms) is not a ligature feature and stays.
PangoContext* context() {
  static PangoContext* made = [] {
    PangoFontMap* fonts = pango_cairo_font_map_get_default();
    PangoContext* context = pango_font_map_create_context(fonts);
    const std::unique_ptr<cairo_font_options_t, decltype(&cairo_font_options_destroy)> options(
        cairo_font_options_create(), &cairo_font_options_destroy);
    cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options.get(), CAIRO_HINT_STYLE_NONE);
    pango_cairo_context_set_font_options(context, options.get());
    pango_context_set_round_glyph_positions(context, FALSE);
    return context;
  }();
  return made;
}

Layout layout(std::string_view text, const UIFont& font) {
  Layout line(pango_layout_new(context()));
  const std::unique_ptr<PangoFontDescription, decltype(&pango_font_description_free)> face(
      pango_font_description_new(), &pango_font_description_free);
  pango_font_description_set_family(face.get(), FontMetrics::kSystemFontFamily);
  pango_font_description_set_weight(face.get(),
                                    font.isBold() ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_absolute_size(face.get(), font.pointSize() * PANGO_SCALE);
  pango_layout_set_font_description(line.get(), face.get());
  PangoAttrList* attributes = pango_attr_list_new();
  pango_attr_list_insert(attributes, pango_attr_font_features_new("kern 0, liga 0, clig 0"));
  pango_layout_set_attributes(line.get(), attributes);
  pango_attr_list_unref(attributes);
  pango_layout_set_single_paragraph_mode(line.get(), TRUE);
  pango_layout_set_text(line.get(), text.data(), static_cast<int>(text.size()));
  return line;
}

// The line laid out, kept: every frame compares each label with the last frame's, cut to its
// width, and draws the ones that changed, so the same few hundred texts come again and again,
// and laying one out costs microseconds.
PangoLayout* laidOut(std::string_view text, const UIFont& font) {
  static std::unordered_map<std::string, Layout> kept;
  std::string key(text);
  key += '\0';
  key += std::to_string(font.pointSize());
  key += font.isBold() ? 'b' : 'r';
  if (const auto found = kept.find(key); found != kept.end()) return found->second.get();
  if (kept.size() >= kLinesKept) kept.clear();
  return (kept[std::move(key)] = layout(text, font)).get();
}

// Whether every character is one the system font has and sets left to right (Latin, Greek,
// Cyrillic, the common punctuation): such a line is drawn by cairo directly with the font's own
// advances, as all text once was, so that it cuts where it always has, and at a fraction of a
// layout's cost. Any other line is Pango's.
bool isPlainLatin(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const auto [point, length] = utf8_text::decode(text, at);
    const bool drawn = point < 0x0250 || (point >= 0x0370 && point <= 0x04FF) ||
                       (point >= 0x2010 && point <= 0x2027) ||
                       (point >= 0x2030 && point <= 0x205E) || point == 0x20AC;
    if (!drawn) return false;
    at += length;
  }
  return true;
}

// Selects the system font at the font's size on `cr`, with advances as the font has them.
void selectSystemFont(cairo_t* cr, const UIFont& font) {
  cairo_select_font_face(cr, FontMetrics::kSystemFontFamily, CAIRO_FONT_SLANT_NORMAL,
                         font.isBold() ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, font.pointSize());
  const std::unique_ptr<cairo_font_options_t, decltype(&cairo_font_options_destroy)> options(
      cairo_font_options_create(), &cairo_font_options_destroy);
  cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cr, options.get());
}

cairo_t* measuringContext() {
  static const CairoSurface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1));
  static const CairoContext cr(cairo_create(surface.get()));
  return cr.get();
}

}  // namespace

FontMetrics::Heights FontMetrics::heights(const UIFont& font) {
  // The system font's own: the lines of every script keep the place the Latin ones have.
  cairo_t* cr = measuringContext();
  selectSystemFont(cr, font);
  cairo_font_extents_t extents;
  cairo_font_extents(cr, &extents);
  return Heights{extents.ascent, extents.height};
}

CGFloat FontMetrics::width(std::string_view text, const UIFont& font) {
  if (text.empty()) return 0;
  if (isPlainLatin(text)) {
    cairo_t* cr = measuringContext();
    selectSystemFont(cr, font);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, std::string(text).c_str(), &extents);
    return extents.x_advance;
  }
  PangoRectangle logical;
  pango_layout_get_extents(laidOut(text, font), nullptr, &logical);
  return static_cast<CGFloat>(logical.width) / PANGO_SCALE;
}

int FontMetrics::missingGlyphs(std::string_view text, const UIFont& font) {
  return pango_layout_get_unknown_glyphs_count(laidOut(text, font));
}

void FontMetrics::draw(cairo_t* cr, std::string_view text, const UIFont& font, double x,
                       double baseline) {
  if (isPlainLatin(text)) {
    selectSystemFont(cr, font);
    cairo_move_to(cr, x, baseline);
    cairo_show_text(cr, std::string(text).c_str());
    return;
  }
  PangoLayout* line = laidOut(text, font);
  cairo_move_to(cr, x,
                baseline - static_cast<double>(pango_layout_get_baseline(line)) / PANGO_SCALE);
  pango_cairo_show_layout(cr, line);
}
