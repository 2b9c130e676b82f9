#include "window/WindowCanvas.h"

#include <algorithm>
#include <utility>

#include "RoundedRectangle.h"
#include "common/Shortest.h"
#include "screen/CairoHandles.h"
#include "window/KeyHelp.h"
#include "window/WindowFit.h"

namespace {

constexpr double kFingerRadius = 16;  // points

// Window pixels as Cairo can draw into them; none for a layout it cannot.
std::optional<cairo_format_t> cairoFormat(const SDL_Surface* surface) {
  switch (surface->format->format) {
    case SDL_PIXELFORMAT_RGB888:
      return CAIRO_FORMAT_RGB24;
    case SDL_PIXELFORMAT_ARGB8888:
      return CAIRO_FORMAT_ARGB32;
    default:
      return std::nullopt;
  }
}

}  // namespace

WindowCanvas::WindowCanvas(SDL_Window* window, double scale, Say say)
    : window_(window),
      say_(std::move(say)),
      scale_(scale),
      outline_(DeviceOutline::now(scale)),
      renderer_(scale) {
}

bool WindowCanvas::drawsInto(const SDL_Surface* surface) {
  return cairoFormat(surface).has_value();
}

void WindowCanvas::toggleKeys() {
  showKeys_ = !showKeys_;
  stale_ = true;
  say_(showKeys_ ? "keys shown" : "keys hidden");
}

std::string WindowCanvas::describe() const {
  const CGPoint origin = outline_.screenOrigin();
  return "window " + std::to_string(outline_.width()) + "x" + std::to_string(outline_.height()) +
         " screen " + shortest(origin.x) + "," + shortest(origin.y) + " scale " + shortest(scale_);
}

void WindowCanvas::layOut(double scale, CGSize window) {
  if (scale != scale_) renderer_ = ScreenRenderer(scale);
  scale_ = scale;
  outline_ = DeviceOutline::now(scale, window);
  stale_ = true;
  say_(describe());
}

void WindowCanvas::followTheScreen() {
  const DeviceOutline natural = DeviceOutline::now(scale_);
  const DeviceOutline placed =
      DeviceOutline::now(scale_, CGSize{double(outline_.width()), double(outline_.height())});
  if (placed.screenOrigin() == outline_.screenOrigin() && placed.width() == outline_.width() &&
      placed.height() == outline_.height()) {
    return;
  }
  // Turned: the window takes the device's new shape at the same scale.
  SDL_SetWindowSize(window_, natural.width(), natural.height());
  layOut(scale_, {});
}

void WindowCanvas::fillWindow(int width, int height) {
  if (width == outline_.width() && height == outline_.height()) return;
  // Without a window manager nothing holds the window to its least size: it goes back to it,
  // and is laid out when the server says it has.
  const auto smallest = DeviceOutline::now(window_fit::kSmallestScale);
  if (width < smallest.width() || height < smallest.height()) {
    SDL_SetWindowSize(window_, std::max(width, smallest.width()),
                      std::max(height, smallest.height()));
    return;
  }
  const CGSize room{double(width), double(height)};
  layOut(window_fit::largestFitting(room), room);
}

std::vector<VolumeButton> WindowCanvas::buttonsDown() const {
  std::vector<VolumeButton> down;
  for (const auto button : {VolumeButton::Up, VolumeButton::Down}) {
    if (VolumeButtons::shared().isDown(button)) down.push_back(button);
  }
  return down;
}

std::optional<CGRect> WindowCanvas::fingerArea(const std::optional<CGPoint>& finger) const {
  if (!finger) return std::nullopt;
  const double reach = kFingerRadius + 1;
  return CGRectMake(finger->x - reach, finger->y - reach, 2 * reach, 2 * reach);
}

// VoiceOver's cursor stands this far out from its element, this thick.
constexpr double kCursorOutset = 2;
constexpr double kCursorLine = 3;

std::optional<CGRect> WindowCanvas::cursorArea(const std::optional<CGRect>& cursor) {
  if (!cursor) return std::nullopt;
  const double reach = kCursorOutset + kCursorLine + 1;
  return CGRectMake(cursor->origin.x - reach, cursor->origin.y - reach,
                    cursor->size.width + 2 * reach, cursor->size.height + 2 * reach);
}

// Kept inside the screen, so that the whole of it shows around an element that fills the screen
// (the popup's close button) or touches its edge (a handle).
std::optional<CGRect> WindowCanvas::onScreen(const std::optional<CGRect>& cursor) const {
  if (!cursor) return std::nullopt;
  const CGRect screen = outline_.screenRect();
  const double reach = kCursorOutset + kCursorLine;
  const CGRect room = CGRectMake(reach, reach, screen.size.width / scale_ - 2 * reach,
                                 screen.size.height / scale_ - 2 * reach);
  const CGRect kept = CGRectIntersection(*cursor, room);
  if (CGRectIsEmpty(kept)) return std::nullopt;
  return kept;
}

void WindowCanvas::redraw(const Hand& hand, const std::optional<CGRect>& wanted) {
  const auto cursor = onScreen(wanted);
  bool everything = stale_;
  SceneSnapshot now = SceneSnapshot::take();
  auto areas = SceneSnapshot::changes(shown_, now);
  shown_ = std::move(now);
  const auto pressed = buttonsDown();
  everything = everything || showKeys_ || pressed != buttonsShown_ || hand.homeHeld != homeShown_ ||
               hand.sideHeld != sideShown_;
  if (hand.finger != fingerShown_ || (hand.finger && !areas.empty())) {
    for (const auto& finger : {fingerShown_, hand.finger}) {
      if (const auto area = fingerArea(finger)) areas.push_back(*area);
    }
  }
  if (cursor != cursorShown_ || (cursor && !areas.empty())) {
    for (const auto& each : {cursorShown_, cursor}) {
      if (const auto area = cursorArea(each)) areas.push_back(*area);
    }
  }
  if (!everything && areas.empty()) return;
  SDL_Surface* surface = SDL_GetWindowSurface(window_);
  const auto format = surface ? cairoFormat(surface) : std::nullopt;
  if (!format) return;
  if (surface->w < outline_.width() || surface->h < outline_.height()) {
    return fillWindow(surface->w, surface->h);  // drawn at the next frame
  }
  auto* pixels = static_cast<unsigned char*>(surface->pixels);
  const CairoSurface whole(
      cairo_image_surface_create_for_data(pixels, *format, surface->w, surface->h, surface->pitch));
  if (everything) {
    const CairoContext cr(cairo_create(whole.get()));
    outline_.draw(cr.get(), pressed, hand.homeHeld, hand.sideHeld);
    areas.clear();
  }
  const CGRect onScreen = outline_.screenRect();
  const CairoSurface screen(cairo_image_surface_create_for_data(
      pixels + int(onScreen.origin.y) * surface->pitch + int(onScreen.origin.x) * 4, *format,
      int(onScreen.size.width), int(onScreen.size.height), surface->pitch));
  renderer_.draw(screen.get(), areas);
  drawCursor(surface, *format, cursor);
  drawFinger(surface, *format, hand.finger);
  if (showKeys_) {
    const CairoContext cr(cairo_create(whole.get()));
    key_help::draw(cr.get(), CGRectMake(0, 0, outline_.width(), outline_.height()), scale_);
  }
  buttonsShown_ = pressed;
  homeShown_ = hand.homeHeld;
  sideShown_ = hand.sideHeld;
  fingerShown_ = hand.finger;
  cursorShown_ = cursor;
  if (areas.empty()) {
    SDL_UpdateWindowSurface(window_);
  } else if (const auto rects = windowRects(areas); !rects.empty()) {
    SDL_UpdateWindowSurfaceRects(window_, rects.data(), int(rects.size()));
  }
  stale_ = false;
}

// Draws over the screen's rectangle of the window, in the screen's points.
void WindowCanvas::drawOnScreen(SDL_Surface* surface, cairo_format_t format,
                                const std::function<void(cairo_t*)>& draw) const {
  const CairoSurface whole(
      cairo_image_surface_create_for_data(static_cast<unsigned char*>(surface->pixels), format,
                                          surface->w, surface->h, surface->pitch));
  const CairoContext cr(cairo_create(whole.get()));
  const CGRect onScreen = outline_.screenRect();
  cairo_rectangle(cr.get(), onScreen.origin.x, onScreen.origin.y, onScreen.size.width,
                  onScreen.size.height);
  cairo_clip(cr.get());
  cairo_translate(cr.get(), onScreen.origin.x, onScreen.origin.y);
  cairo_scale(cr.get(), scale_, scale_);
  draw(cr.get());
}

// A translucent fingertip where the finger touches, so that a person sees what the device
// feels.
void WindowCanvas::drawFinger(SDL_Surface* surface, cairo_format_t format,
                              const std::optional<CGPoint>& finger) const {
  if (!finger) return;
  drawOnScreen(surface, format, [&](cairo_t* cr) {
    cairo_arc(cr, finger->x, finger->y, kFingerRadius, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
    cairo_fill_preserve(cr);
    cairo_set_source_rgba(cr, 0.2, 0.2, 0.22, 0.5);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  });
}

// VoiceOver's cursor as it draws it: a black rounded rectangle around the element, edged in
// white so that it shows on black too.
void WindowCanvas::drawCursor(SDL_Surface* surface, cairo_format_t format,
                              const std::optional<CGRect>& cursor) const {
  if (!cursor) return;
  drawOnScreen(surface, format, [&](cairo_t* cr) {
    const double inset = kCursorOutset + kCursorLine / 2;
    const double w = cursor->size.width + 2 * inset, h = cursor->size.height + 2 * inset;
    roundedRectangle(cr, cursor->origin.x - inset, cursor->origin.y - inset, w, h, 8);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_set_line_width(cr, kCursorLine + 2);
    cairo_stroke_preserve(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_line_width(cr, kCursorLine);
    cairo_stroke(cr);
  });
}

std::vector<SDL_Rect> WindowCanvas::windowRects(const std::vector<CGRect>& areas) const {
  const CGRect onScreen = outline_.screenRect();
  const CGPoint origin = onScreen.origin;
  const int right = int(onScreen.size.width), bottom = int(onScreen.size.height);
  std::vector<SDL_Rect> rects;
  for (const auto& area : areas) {
    // Rounded outward, and a pixel more on each side for the edges antialiasing touches.
    const int x0 = std::max(0, int(area.origin.x * scale_) - 1);
    const int y0 = std::max(0, int(area.origin.y * scale_) - 1);
    const int x1 = std::min(right, int((area.origin.x + area.size.width) * scale_) + 2);
    const int y1 = std::min(bottom, int((area.origin.y + area.size.height) * scale_) + 2);
    if (x1 > x0 && y1 > y0) {
      rects.push_back(SDL_Rect{int(origin.x) + x0, int(origin.y) + y0, x1 - x0, y1 - y0});
    }
  }
  return rects;
}
