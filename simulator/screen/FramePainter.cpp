#include "screen/FramePainter.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "RoundedRectangle.h"
#include "UIKit/UILabel.h"
#include "UIKit/UIScreen.h"
#include "UIKit/UISlider.h"
#include "UIKit/UITableViewCell.h"
#include "UIKit/UITextField.h"
#include "UIKit/UIVisualEffectView.h"
#include "UIKit/UIWindow.h"
#include "screen/FontMetrics.h"
#include "screen/RemoteWindow.h"
#include "screen/ScreenRenderer.h"

namespace {

constexpr double kStandardTrackHeight = 3;
constexpr double kStandardThumbRadius = 13.5;
constexpr UIColor kDarkBlurTint(0.11, 0.11, 0.12, 0.55);
constexpr UIColor kCaretColor = UIColor::systemBlueColor();
constexpr UIColor kSeparatorColor = UIColor::separatorColor();
constexpr double kHairline = 0.5;
constexpr UIColor kSelectionColor(0.7, 0.84, 1, 1);

// The visible windows under `window`, back to front.
std::vector<std::shared_ptr<UIWindow>> windowsBelow(const UIWindow* window) {
  std::vector<std::shared_ptr<UIWindow>> below;
  for (auto& shown : UIScreen::mainScreen().windows()) {
    if (shown.get() == window) break;
    below.push_back(std::move(shown));
  }
  return below;
}

}  // namespace

double FramePainter::ownAlpha(const DrawnLook& look) {
  return look.group ? 1.0 : look.alpha;
}

void FramePainter::roundedRect(CGRect r, double radius) {
  roundedRectangle(cr_, r.origin.x, r.origin.y, r.size.width, r.size.height, radius);
}

void FramePainter::setColor(const UIColor& c, double alpha) {
  cairo_set_source_rgba(cr_, c.red(), c.green(), c.blue(), c.alpha() * alpha);
}

bool FramePainter::enter(const UIView& view, const ViewKind& kind, int) {
  if (!DrawnLook::drawn(view)) return false;
  if (const auto* const* window = std::get_if<const UIWindow*>(&kind)) window_ = *window;
  const DrawnLook& look = open_.emplace_back(DrawnLook::of(view, kind));
  cairo_save(cr_);
  if (const auto* const* window = std::get_if<const UIWindow*>(&kind)) turnOntoScreen(**window);
  cairo_translate(cr_, view.frame().origin.x, view.frame().origin.y);
  if (look.group) cairo_push_group(cr_);
  const double alpha = ownAlpha(look);
  if (look.blur) drawBlur(view, look.size, alpha);
  drawBackground(look, alpha);
  if (look.remote) drawRemote(view, alpha);
  if (look.selectionWidth > 0) drawSelection(look.selectionWidth, look.size, alpha);
  if (look.text) drawText(*look.text, look.size, alpha);
  if (look.caretX) drawCaret(*look.caretX, look.text->font, look.size, alpha);
  if (look.slider) drawSlider(*look.slider, look.size, alpha);
  if (look.toggle) drawSwitch(*look.toggle, look.size, alpha);
  if (look.accessory) drawAccessory(look.accessory, look.size, alpha);
  if (look.separatorFrom) drawSeparator(*look.separatorFrom, look.size, alpha);
  if (look.image) {
    drawImage(*look.image->image, CGRectMake(0, 0, look.size.width, look.size.height), alpha);
  }
  cairo_save(cr_);
  if (look.clipsToBounds) {
    roundedRect(CGRectMake(0, 0, look.size.width, look.size.height), look.cornerRadius);
    cairo_clip(cr_);
  }
  cairo_translate(cr_, -look.boundsOrigin.x, -look.boundsOrigin.y);
  return true;
}

void FramePainter::leave(const UIView&, const ViewKind&, int) {
  const DrawnLook look = std::move(open_.back());
  open_.pop_back();
  cairo_restore(cr_);
  if (look.indicator) drawIndicator(*look.indicator, look.indicatorAlpha * ownAlpha(look));
  drawBorder(look, ownAlpha(look));
  if (look.group) {
    cairo_pop_group_to_source(cr_);
    cairo_paint_with_alpha(cr_, look.alpha);
  }
  cairo_restore(cr_);
}

// A window laid out for another orientation than the screen's shows turned about the screen's
// middle, upright to the device as it was.
void FramePainter::turnOntoScreen(const UIWindow& window) {
  const CGSize screen = UIScreen::mainScreen().bounds().size;
  const int turns = window.quarterTurnsOnScreen();
  if (turns == 0) return;
  const double x = turns == 3 ? 0 : screen.width;
  const double y = turns == 1 ? 0 : screen.height;
  cairo_translate(cr_, x, y);
  cairo_rotate(cr_, turns * M_PI / 2);
}

// The frame the app's process drew at this renderer's scale, pixel for pixel.
void FramePainter::drawRemote(const UIView& view, double alpha) {
  const auto source = static_cast<const RemoteWindow&>(view).source();
  cairo_surface_t* frame = source ? source->frame(renderer_.scale()) : nullptr;
  if (!frame) return;
  cairo_save(cr_);
  cairo_scale(cr_, 1 / renderer_.scale(), 1 / renderer_.scale());
  cairo_set_source_surface(cr_, frame, 0, 0);
  if (cairo_image_surface_get_format(frame) == CAIRO_FORMAT_RGB24 && alpha >= 1) {
    cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);  // it hides all under it
  }
  cairo_paint_with_alpha(cr_, alpha);
  cairo_restore(cr_);
}

void FramePainter::drawBackground(const DrawnLook& look, double alpha) {
  // A clear colour draws nothing, however large the view (a window across the screen).
  if (!look.background || look.background->alpha() * alpha <= 0) return;
  setColor(*look.background, alpha);
  roundedRect(CGRectMake(0, 0, look.size.width, look.size.height), look.cornerRadius);
  cairo_fill(cr_);
}

void FramePainter::drawBorder(const DrawnLook& look, double alpha) {
  if (look.borderWidth <= 0 || !look.borderColor) return;
  const auto& c = *look.borderColor;
  cairo_set_source_rgba(cr_, c.red, c.green, c.blue, c.alpha * alpha);
  const double inset = look.borderWidth / 2;  // the layer strokes inside its bounds
  roundedRect(CGRectMake(inset, inset, look.size.width - 2 * inset, look.size.height - 2 * inset),
              std::max(0.0, look.cornerRadius - inset));
  cairo_set_line_width(cr_, look.borderWidth);
  cairo_stroke(cr_);
}

// Dark with a light edge, so that it shows on light content and dark alike.
void FramePainter::drawIndicator(CGRect rect, double alpha) {
  roundedRect(rect, rect.size.width / 2);
  cairo_set_source_rgba(cr_, 0.5, 0.5, 0.52, 0.9 * alpha);
  cairo_fill_preserve(cr_);
  cairo_set_source_rgba(cr_, 1, 1, 1, 0.35 * alpha);
  cairo_set_line_width(cr_, 0.5);
  cairo_stroke(cr_);
}

// The lines as a block centred on the label's height, each laid by the label's alignment.
void FramePainter::drawText(const DrawnLook::Text& text, CGSize size, double alpha) {
  if (text.lines.empty() || (text.lines.size() == 1 && text.lines[0].empty())) return;
  cairo_save(cr_);
  cairo_rectangle(cr_, 0, 0, size.width, size.height);
  cairo_clip(cr_);
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  cairo_clip_extents(cr_, &x1, &y1, &x2, &y2);
  if (x2 <= x1 || y2 <= y1) return cairo_restore(cr_);  // nothing of it is to be drawn
  const auto font = FontMetrics::heights(text.font);
  setColor(text.color, alpha);
  const double step = text.lines.size() == 1 ? font.line : text.lineHeight;
  cairo_translate(cr_, text.inset, 0);
  size.width -= 2 * text.inset;
  double top = (size.height - step * static_cast<double>(text.lines.size())) / 2;
  for (const auto& line : text.lines) {
    double x = 0;
    if (text.alignment != NSTextAlignmentLeft) {
      const double room = size.width - FontMetrics::width(line, text.font);
      x = text.alignment == NSTextAlignmentRight ? room : room / 2;
    }
    FontMetrics::draw(cr_, line, text.font, x, top + (step - font.line) / 2 + font.ascent);
    top += step;
  }
  cairo_restore(cr_);
}

void FramePainter::drawSelection(double width, CGSize size, double alpha) {
  setColor(kSelectionColor, alpha);
  cairo_rectangle(cr_, UITextField::kInset, 4, width, size.height - 8);
  cairo_fill(cr_);
}

// A bar of the tint colour after the text, nearly the font's height.
void FramePainter::drawCaret(double x, const UIFont& font, CGSize size, double alpha) {
  const double height = font.pointSize() * 1.15;
  setColor(kCaretColor, alpha);
  cairo_rectangle(cr_, x, (size.height - height) / 2, 2, height);
  cairo_fill(cr_);
}

// A resizable image keeps its left and right caps and stretches the middle; any other image is
// scaled whole. Pixels are laid at the image's own density.
void FramePainter::drawImage(const UIImage& image, CGRect into, double alpha) {
  cairo_surface_t* pixels = renderer_.decoded(image);
  if (!pixels || into.size.width <= 0 || into.size.height <= 0) return;
  const CGSize size = image.size();
  const auto& caps = image.capInsets();
  const double left = caps ? std::min(caps->left, into.size.width / 2) : 0;
  const double right = caps ? std::min(caps->right, into.size.width / 2) : 0;
  struct Part {
    double srcX, srcW, dstX, dstW;
  };
  const std::vector<Part> parts =
      caps ? std::vector<Part>{{0, left, 0, left},
                               {left, size.width - left - right, left,
                                into.size.width - left - right},
                               {size.width - right, right, into.size.width - right, right}}
           : std::vector<Part>{{0, size.width, 0, into.size.width}};
  for (const auto& part : parts) {
    if (part.srcW <= 0 || part.dstW <= 0) continue;
    cairo_save(cr_);
    cairo_rectangle(cr_, into.origin.x + part.dstX, into.origin.y, part.dstW, into.size.height);
    cairo_clip(cr_);
    cairo_translate(cr_, into.origin.x + part.dstX, into.origin.y);
    cairo_scale(cr_, part.dstW / part.srcW / image.scale(),
                into.size.height / size.height / image.scale());
    cairo_set_source_surface(cr_, pixels, -part.srcX * image.scale(), 0);
    cairo_paint_with_alpha(cr_, alpha);
    cairo_restore(cr_);
  }
}

void FramePainter::drawTrack(const DrawnLook::Track& track, double midY, double alpha) {
  if (track.to <= track.from) return;
  const double height = track.image ? track.image->image->size().height : kStandardTrackHeight;
  const CGRect part = CGRectMake(track.from, midY - height / 2, track.to - track.from, height);
  if (track.image) return drawImage(*track.image->image, part, alpha);
  setColor(track.color, alpha);
  roundedRect(part, kStandardTrackHeight / 2);
  cairo_fill(cr_);
}

// The platform's plain switch: a pill in the on-tint, or white edged in light grey, and a white
// knob with a faint edge at the end the value says.
void FramePainter::drawSwitch(const DrawnLook::Switch& toggle, CGSize box, double alpha) {
  const double radius = box.height / 2;
  roundedRect(CGRectMake(0.5, 0.5, box.width - 1, box.height - 1), radius - 0.5);
  if (toggle.on) {
    setColor(toggle.onTint, alpha);
    cairo_fill(cr_);
  } else {
    setColor(UIColor::whiteColor(), alpha);
    cairo_fill_preserve(cr_);
    setColor(UIColor(0.88, 0.88, 0.88, 1), alpha);
    cairo_set_line_width(cr_, 1.5);
    cairo_stroke(cr_);
  }
  const double knobX = toggle.on ? box.width - radius : radius;
  cairo_arc(cr_, knobX, radius, radius - 2, 0, 2 * M_PI);
  setColor(UIColor::whiteColor(), alpha);
  cairo_fill_preserve(cr_);
  setColor(UIColor(0, 0, 0, 0.12), alpha);
  cairo_set_line_width(cr_, 0.75);
  cairo_stroke(cr_);
}

// A row's mark at its right edge: a grey chevron that leads on, or a blue check mark.
void FramePainter::drawSeparator(double from, CGSize box, double alpha) {
  setColor(kSeparatorColor, alpha);
  cairo_rectangle(cr_, from, box.height - kHairline, box.width - from, kHairline);
  cairo_fill(cr_);
}

void FramePainter::drawAccessory(long type, CGSize box, double alpha) {
  const double x = box.width - UITableViewCell::kMargin - UITableViewCell::kAccessoryWidth / 2;
  const double y = box.height / 2;
  cairo_save(cr_);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
  if (type == UITableViewCellAccessoryCheckmark) {
    cairo_move_to(cr_, x - 6, y);
    cairo_line_to(cr_, x - 2, y + 4.5);
    cairo_line_to(cr_, x + 6, y - 5.5);
    setColor(UIColor::systemBlueColor(), alpha);
    cairo_set_line_width(cr_, 2.2);
  } else {
    cairo_move_to(cr_, x + 1, y - 6);
    cairo_line_to(cr_, x + 6, y);
    cairo_line_to(cr_, x + 1, y + 6);
    setColor(UIColor::separatorColor(), alpha);
    cairo_set_line_width(cr_, 2);
  }
  cairo_stroke(cr_);
  cairo_restore(cr_);
}

void FramePainter::drawSlider(const DrawnLook::Slider& slider, CGSize box, double alpha) {
  const double midY = box.height / 2;
  const auto besideTrack = [&](const UIImage& image, double x) {
    const CGSize size = image.size();
    drawImage(image, CGRectMake(x, midY - size.height / 2, size.width, size.height), alpha);
  };
  if (const auto& image = slider.minimumValueImage) besideTrack(*image->image, 0);
  if (const auto& image = slider.maximumValueImage) {
    besideTrack(*image->image, box.width - image->image->size().width);
  }
  drawTrack(slider.minimum, midY, alpha);
  drawTrack(slider.maximum, midY, alpha);
  if (const auto& thumb = slider.thumb) {
    const CGSize size = thumb->image->size();
    drawImage(
        *thumb->image,
        CGRectMake(slider.thumbX - size.width / 2, midY - size.height / 2, size.width, size.height),
        alpha);
    return;
  }
  cairo_set_source_rgba(cr_, 0, 0, 0, 0.25 * alpha);
  cairo_arc(cr_, slider.thumbX, midY + 1, kStandardThumbRadius + 0.5, 0, 2 * M_PI);
  cairo_fill(cr_);
  setColor(slider.thumbColor, alpha);
  cairo_arc(cr_, slider.thumbX, midY, kStandardThumbRadius, 0, 2 * M_PI);
  cairo_fill(cr_);
}

// What lies behind the view, blurred and tinted in the dark style: the same for every frame
// while it stays the same.
void FramePainter::drawBlur(const UIView& view, CGSize size, double alpha) {
  const CGSize screen = UIScreen::mainScreen().bounds().size;
  const double scale = renderer_.scale();
  double x = 0, y = 0, w = size.width, h = size.height;
  cairo_user_to_device(cr_, &x, &y);
  cairo_user_to_device_distance(cr_, &w, &h);
  // In a turned window the far corner may lie left of or above the near one.
  const double left = std::min(x, x + w), top = std::min(y, y + h);
  const double right = std::max(x, x + w), bottom = std::max(y, y + h);
  const int width = int(screen.width * scale), height = int(screen.height * scale);
  const int x0 = std::clamp(int(left), 0, width), y0 = std::clamp(int(top), 0, height);
  const int x1 = std::clamp(int(right), 0, width), y1 = std::clamp(int(bottom), 0, height);
  if (x1 <= x0 || y1 <= y0) return;
  cairo_surface_t* blurred = renderer_.blurredBackdrop(
      view, cairo_rectangle_int_t{x0, y0, x1 - x0, y1 - y0}, windowsBelow(window_), kDarkBlurTint);
  cairo_save(cr_);
  cairo_identity_matrix(cr_);
  cairo_set_source_surface(cr_, blurred, x0, y0);
  cairo_paint_with_alpha(cr_, alpha);
  cairo_restore(cr_);
}
