#include "ScreenRenderer.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <vector>

#include "Foundation/Overloaded.h"
#include "RoundedRectangle.h"
#include "UIKit/UILabel.h"
#include "UIKit/UIScreen.h"
#include "UIKit/UISlider.h"
#include "UIKit/UIVisualEffectView.h"
#include "UIKit/UIWindow.h"
#include "ViewVisitor.h"

namespace {

constexpr double kScale = 2.0;  // pixels per point

struct SurfaceDeleter {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
struct ContextDeleter {
  void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};
using Context = std::unique_ptr<cairo_t, ContextDeleter>;

class Renderer : public ViewVisitor {
 public:
  explicit Renderer(CGSize screen)
      : size_(screen),
        surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, int(screen.width * kScale),
                                            int(screen.height * kScale))),
        cr_(cairo_create(surface_.get())) {
    cairo_scale(cr_.get(), kScale, kScale);
  }

  Result<> write(const std::filesystem::path& file) {
    cairo_surface_flush(surface_.get());
    if (cairo_surface_write_to_png(surface_.get(), file.c_str()) != CAIRO_STATUS_SUCCESS) {
      return fail("cannot write " + file.string());
    }
    return Ok{};
  }

  void drawHomeScreen();

  // Each view in its superview's place, faded by its own alpha and every one above it.
  bool enter(const UIView& view, const ViewKind& kind, int depth) override;
  void leave(const UIView& view, const ViewKind& kind, int depth) override;

 private:
  void drawBackground(const UIView& view, double alpha);
  void drawBorder(const UIView& view, double alpha);
  void drawLabel(const UILabel& label, double alpha);
  void drawSlider(const UISlider& slider, double alpha);
  void drawBlur(const UIView& view, double alpha);
  void drawImage(const UIImage& image, CGRect into, double alpha);
  cairo_surface_t* decoded(const UIImage& image);
  void roundedRect(CGRect r, double radius);
  void setColor(const UIColor& c, double alpha) {
    cairo_set_source_rgba(cr_.get(), c.red(), c.green(), c.blue(), c.alpha() * alpha);
  }

  CGSize size_;
  Surface surface_;
  Context cr_;
  std::map<std::string, Surface> images_;  // decoded once per screenshot
  std::vector<double> alphas_;             // of the views entered and not yet left
};

void Renderer::roundedRect(CGRect r, double radius) {
  roundedRectangle(cr_.get(), r.origin.x, r.origin.y, r.size.width, r.size.height, radius);
}

void Renderer::drawHomeScreen() {
  cairo_t* cr = cr_.get();
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, size_.width, size_.height);
  cairo_pattern_add_color_stop_rgb(sky, 0, 0.16, 0.35, 0.62);
  cairo_pattern_add_color_stop_rgb(sky, 0.55, 0.42, 0.27, 0.58);
  cairo_pattern_add_color_stop_rgb(sky, 1, 0.93, 0.55, 0.42);
  cairo_set_source(cr, sky);
  cairo_paint(cr);
  cairo_pattern_destroy(sky);

  static constexpr double kIconColors[][3] = {
      {0.30, 0.85, 0.39}, {0.20, 0.60, 1.00}, {1.00, 0.80, 0.00}, {1.00, 0.23, 0.19},
      {0.35, 0.34, 0.84}, {1.00, 0.58, 0.00}, {0.56, 0.56, 0.58}, {0.00, 0.78, 0.75},
  };
  const double icon = 60, columns = 4;
  const double gap = (size_.width - columns * icon) / (columns + 1);
  const int rows = std::max(1, int((size_.height - 140) / (icon + 28)) - 1);
  int n = 0;
  for (int row = 0; row < rows; ++row) {
    for (int col = 0; col < int(columns); ++col, ++n) {
      const double* c = kIconColors[n % 8];
      cairo_set_source_rgb(cr, c[0], c[1], c[2]);
      roundedRect(CGRectMake(gap + col * (icon + gap), 40 + row * (icon + 28), icon, icon), 13);
      cairo_fill(cr);
    }
  }
  cairo_set_source_rgba(cr, 1, 1, 1, 0.25);
  roundedRect(CGRectMake(8, size_.height - 96, size_.width - 16, 88), 20);
  cairo_fill(cr);
  for (int col = 0; col < int(columns); ++col) {
    const double* c = kIconColors[(col + 3) % 8];
    cairo_set_source_rgb(cr, c[0], c[1], c[2]);
    roundedRect(CGRectMake(gap + col * (icon + gap), size_.height - 82, icon, icon), 13);
    cairo_fill(cr);
  }
}

bool Renderer::enter(const UIView& view, const ViewKind& kind, int) {
  if (view.isHidden()) return false;
  const double alpha = (alphas_.empty() ? 1.0 : alphas_.back()) * view.alpha();
  if (alpha <= 0) return false;
  alphas_.push_back(alpha);
  cairo_save(cr_.get());
  cairo_translate(cr_.get(), view.frame().origin.x, view.frame().origin.y);
  if (std::holds_alternative<const UIVisualEffectView*>(kind)) drawBlur(view, alpha);
  drawBackground(view, alpha);
  std::visit(Overloaded{
                 [&](const UILabel* label) { drawLabel(*label, alpha); },
                 [&](const UISlider* slider) { drawSlider(*slider, alpha); },
                 [](const auto*) {},
             },
             kind);
  return true;
}

void Renderer::leave(const UIView& view, const ViewKind&, int) {
  drawBorder(view, alphas_.back());
  cairo_restore(cr_.get());
  alphas_.pop_back();
}

void Renderer::drawBackground(const UIView& view, double alpha) {
  if (!view.backgroundColor()) return;
  setColor(*view.backgroundColor(), alpha);
  roundedRect(view.bounds(), view.layer().cornerRadius());
  cairo_fill(cr_.get());
}

void Renderer::drawBorder(const UIView& view, double alpha) {
  const auto& layer = view.layer();
  if (layer.borderWidth() <= 0 || !layer.borderColor()) return;
  const auto& c = *layer.borderColor();
  cairo_set_source_rgba(cr_.get(), c.red, c.green, c.blue, c.alpha * alpha);
  const double inset = layer.borderWidth() / 2;  // the layer strokes inside its bounds
  const CGRect b = view.bounds();
  roundedRect(CGRectMake(inset, inset, b.size.width - 2 * inset, b.size.height - 2 * inset),
              std::max(0.0, layer.cornerRadius() - inset));
  cairo_set_line_width(cr_.get(), layer.borderWidth());
  cairo_stroke(cr_.get());
}

void Renderer::drawLabel(const UILabel& label, double alpha) {
  if (!label.text() || label.text()->empty()) return;
  cairo_t* cr = cr_.get();
  const CGRect b = label.bounds();
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, b.size.width, b.size.height);
  cairo_clip(cr);
  cairo_select_font_face(cr, "Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, label.font().pointSize());
  cairo_font_extents_t font;
  cairo_font_extents(cr, &font);
  setColor(label.textColor(), alpha);
  cairo_move_to(cr, 0, (b.size.height - font.height) / 2 + font.ascent);
  cairo_show_text(cr, label.text()->c_str());
  cairo_restore(cr);
}

cairo_surface_t* Renderer::decoded(const UIImage& image) {
  auto& slot = images_[image.filePath().string()];
  if (!slot) slot.reset(cairo_image_surface_create_from_png(image.filePath().c_str()));
  return cairo_surface_status(slot.get()) == CAIRO_STATUS_SUCCESS ? slot.get() : nullptr;
}

// Draws `image` into `into`; a resizable image keeps its left and right caps and stretches the
// middle, any other image is scaled whole.
void Renderer::drawImage(const UIImage& image, CGRect into, double alpha) {
  cairo_surface_t* pixels = decoded(image);
  if (!pixels || into.size.width <= 0 || into.size.height <= 0) return;
  cairo_t* cr = cr_.get();
  const CGSize size = image.size();
  const double left =
      image.capInsets() ? std::min(image.capInsets()->left, into.size.width / 2) : 0;
  const double right =
      image.capInsets() ? std::min(image.capInsets()->right, into.size.width / 2) : 0;
  struct Part {
    double srcX, srcW, dstX, dstW;
  };
  const std::vector<Part> parts =
      image.capInsets()
          ? std::vector<Part>{{0, left, 0, left},
                              {left, size.width - left - right, left,
                               into.size.width - left - right},
                              {size.width - right, right, into.size.width - right, right}}
          : std::vector<Part>{{0, size.width, 0, into.size.width}};
  for (const auto& part : parts) {
    if (part.srcW <= 0 || part.dstW <= 0) continue;
    cairo_save(cr);
    cairo_rectangle(cr, into.origin.x + part.dstX, into.origin.y, part.dstW, into.size.height);
    cairo_clip(cr);
    cairo_translate(cr, into.origin.x + part.dstX, into.origin.y);
    cairo_scale(cr, part.dstW / part.srcW / image.scale(),
                into.size.height / size.height / image.scale());
    cairo_set_source_surface(cr, pixels, -part.srcX * image.scale(), 0);
    cairo_paint_with_alpha(cr, alpha);
    cairo_restore(cr);
  }
}

void Renderer::drawSlider(const UISlider& slider, double alpha) {
  cairo_t* cr = cr_.get();
  const CGRect b = slider.bounds();
  const double midY = b.size.height / 2;
  if (const auto& image = slider.minimumValueImage()) {
    drawImage(
        *image,
        CGRectMake(0, midY - image->size().height / 2, image->size().width, image->size().height),
        alpha);
  }
  if (const auto& image = slider.maximumValueImage()) {
    drawImage(*image,
              CGRectMake(b.size.width - image->size().width, midY - image->size().height / 2,
                         image->size().width, image->size().height),
              alpha);
  }
  const CGRect track = slider.trackRect();
  const double thumbX = slider.pointForValue(slider.value()).x;
  const auto drawTrack = [&](const UISlider::Image& image, const std::optional<UIColor>& tint,
                             UIColor standard, double from, double to) {
    if (to <= from) return;
    const double height = image ? image->size().height : 3;
    const CGRect part = CGRectMake(from, midY - height / 2, to - from, height);
    if (image) return drawImage(*image, part, alpha);
    setColor(tint.value_or(standard), alpha);
    roundedRect(part, 1.5);
    cairo_fill(cr);
  };
  drawTrack(slider.currentMinimumTrackImage(), slider.minimumTrackTintColor(),
            UIColor(0, 0.48, 1, 1), track.origin.x, thumbX);
  drawTrack(slider.currentMaximumTrackImage(), slider.maximumTrackTintColor(),
            UIColor(0.72, 0.72, 0.74, 1), thumbX, track.origin.x + track.size.width);
  if (const auto thumb = slider.currentThumbImage()) {
    const CGSize size = thumb->size();
    drawImage(*thumb,
              CGRectMake(thumbX - size.width / 2, midY - size.height / 2, size.width, size.height),
              alpha);
    return;
  }
  cairo_set_source_rgba(cr, 0, 0, 0, 0.25 * alpha);
  cairo_arc(cr, thumbX, midY + 1, 14, 0, 2 * M_PI);
  cairo_fill(cr);
  setColor(slider.thumbTintColor().value_or(UIColor::whiteColor()), alpha);
  cairo_arc(cr, thumbX, midY, 13.5, 0, 2 * M_PI);
  cairo_fill(cr);
}

// Blurs what is already drawn under the view (a few box passes over its pixels), then lays
// the dark style's tint over it.
void Renderer::drawBlur(const UIView& view, double alpha) {
  cairo_t* cr = cr_.get();
  double x = 0, y = 0, w = view.bounds().size.width, h = view.bounds().size.height;
  cairo_user_to_device(cr, &x, &y);
  cairo_user_to_device_distance(cr, &w, &h);
  const int width = cairo_image_surface_get_width(surface_.get());
  const int height = cairo_image_surface_get_height(surface_.get());
  const int x0 = std::clamp(int(x), 0, width), y0 = std::clamp(int(y), 0, height);
  const int x1 = std::clamp(int(x + w), 0, width), y1 = std::clamp(int(y + h), 0, height);
  if (x1 <= x0 || y1 <= y0) return;

  cairo_surface_flush(surface_.get());
  const int stride = cairo_image_surface_get_stride(surface_.get());
  unsigned char* data = cairo_image_surface_get_data(surface_.get());
  const int radius = 12;
  std::vector<unsigned char> line;
  // A sliding-window average over `count` pixels `step` bytes apart, each channel alone.
  const auto boxPass = [&](int count, int step, unsigned char* start) {
    const auto at = [step](int i, int channel) {
      return std::size_t(i) * std::size_t(step) + std::size_t(channel);
    };
    line.assign(start, start + at(count, 0));
    for (int channel = 0; channel < 4; ++channel) {
      int sum = 0, n = 0;
      for (int k = 0; k <= std::min(radius, count - 1); ++k, ++n) sum += line[at(k, channel)];
      for (int i = 0; i < count; ++i) {
        start[at(i, channel)] = static_cast<unsigned char>(sum / n);
        if (i + radius + 1 < count) sum += line[at(i + radius + 1, channel)], ++n;
        if (i - radius >= 0) sum -= line[at(i - radius, channel)], --n;
      }
    }
  };
  for (int pass = 0; pass < 2; ++pass) {
    for (int row = y0; row < y1; ++row) boxPass(x1 - x0, 4, data + row * stride + x0 * 4);
    std::vector<unsigned char> column(std::size_t(y1 - y0) * 4);
    for (int col = x0; col < x1; ++col) {
      for (int row = y0; row < y1; ++row) {
        std::copy_n(data + row * stride + col * 4, 4, column.data() + std::size_t(row - y0) * 4);
      }
      boxPass(y1 - y0, 4, column.data());
      for (int row = y0; row < y1; ++row) {
        std::copy_n(column.data() + std::size_t(row - y0) * 4, 4, data + row * stride + col * 4);
      }
    }
  }
  cairo_surface_mark_dirty(surface_.get());
  cairo_set_source_rgba(cr, 0.11, 0.11, 0.12, 0.55 * alpha);
  cairo_rectangle(cr, 0, 0, view.bounds().size.width, view.bounds().size.height);
  cairo_fill(cr);
}

}  // namespace

Result<> renderScreenshot(const std::filesystem::path& file) {
  Renderer renderer(UIScreen::mainScreen().bounds().size);
  renderer.drawHomeScreen();
  renderer.walkScreen();
  return renderer.write(file);
}
