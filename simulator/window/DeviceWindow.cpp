#include "window/DeviceWindow.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "CoreFoundation/CFRunLoop.h"
#include "SpringBoard/VolumeButtons.h"
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

// The display to show the window on, as the environment names it. Left to itself SDL would try
// every driver it has and settle for one that shows nothing, and a person would see no window.
Result<Ok> chooseVideoDriver() {
  const auto set = [](const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
  };
  if (set("SDL_VIDEODRIVER")) return Ok{};  // asked for by name, whatever it shows
  if (set("DISPLAY")) {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
  } else if (set("WAYLAND_DISPLAY")) {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "wayland");
  } else {
    return fail(
        "cannot open a window: no display (DISPLAY and WAYLAND_DISPLAY are unset; "
        "SDL_VIDEODRIVER picks another driver)");
  }
  return Ok{};
}

// The video driver chosen and started.
Result<Ok> reachDisplay() {
  if (auto chosen = chooseVideoDriver(); !chosen) return chosen.failure();
  X11Watch::handleErrors();
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    const char* display = std::getenv("DISPLAY");
    return fail(std::string("cannot open a window: ") + SDL_GetError() +
                (display ? std::string(" (DISPLAY=") + display + ")" : std::string()));
  }
  return Ok{};
}

// The room the display has for a window, in pixels; none known: any.
CGSize displayRoom() {
  SDL_Rect usable;
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0 || usable.w <= 0 || usable.h <= 0) {
    return CGSize{1e6, 1e6};
  }
  return CGSize{double(usable.w), double(usable.h)};
}

double scaleForDisplay(std::optional<double> requested, const DeviceWindow::Say& say) {
  const CGSize room = displayRoom();
  const double scale = window_fit::forDisplay(requested, room);
  if (requested && scale != *requested) {
    say("note: at scale " + shortest(*requested) + " the window would not fit the display's " +
        shortest(room.width) + "x" + shortest(room.height) + " pixels; scale " + shortest(scale));
  }
  return scale;
}

}  // namespace

Result<std::unique_ptr<DeviceWindow>> DeviceWindow::open(std::optional<double> requested,
                                                         const std::string& title, Say say,
                                                         Run run) {
  // Cairo draws every pixel: the window needs the video driver's plain framebuffer, not one
  // behind an OpenGL renderer (which would load the GL stack for nothing).
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (auto reached = reachDisplay(); !reached) return reached.failure();
  const double scale = scaleForDisplay(requested, say);
  const DeviceOutline outline = DeviceOutline::now(scale);
  SDL_Window* window =
      SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                       outline.width(), outline.height(), SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE);
  if (window == nullptr) {
    const std::string why = SDL_GetError();
    SDL_Quit();
    return fail("cannot open a window: " + why);
  }
  if (SDL_Surface* surface = SDL_GetWindowSurface(window); !surface || !cairoFormat(surface)) {
    SDL_DestroyWindow(window);
    SDL_Quit();
    return fail("cannot draw into the window's pixels");
  }
  const auto smallest = DeviceOutline::now(window_fit::kSmallestScale);
  SDL_SetWindowMinimumSize(window, smallest.width(), smallest.height());
  auto opened = std::unique_ptr<DeviceWindow>(
      new DeviceWindow(window, scale, std::move(say), std::move(run)));
  if (opened->x11_) opened->x11_->setTitle(title);
  opened->say_(opened->describe());
  opened->say_("press ? for keys");
  return opened;
}

Result<Ok> DeviceWindow::checkDisplay() {
  if (auto reached = reachDisplay(); !reached) return reached.failure();
  SDL_Quit();
  return Ok{};
}

DeviceWindow::DeviceWindow(SDL_Window* window, double scale, Say say, Run run)
    : window_(window),
      say_(std::move(say)),
      run_(std::move(run)),
      scale_(scale),
      outline_(DeviceOutline::now(scale)),
      renderer_(scale),
      x11_(X11Watch::of(window)) {
}

DeviceWindow::~DeviceWindow() {
  SDL_DestroyWindow(window_);
  SDL_Quit();
}

std::string DeviceWindow::describe() const {
  const CGPoint origin = outline_.screenOrigin();
  return "window " + std::to_string(outline_.width()) + "x" + std::to_string(outline_.height()) +
         " screen " + shortest(origin.x) + "," + shortest(origin.y) + " scale " + shortest(scale_);
}

bool DeviceWindow::step(std::chrono::milliseconds longest) {
  auto wait = longest;
  if (const auto due = CFRunLoop::main().nextTimerDue()) {
    const auto untilDue =
        std::chrono::ceil<std::chrono::milliseconds>(*due - CFRunLoop::Clock::now());
    wait = std::clamp(untilDue, std::chrono::milliseconds(0), longest);
  }
  SDL_Event event;
  bool happened = SDL_WaitEventTimeout(&event, static_cast<int>(wait.count())) != 0;
  if (happened) {
    handle(event);
    while (open_ && SDL_PollEvent(&event)) handle(event);
  }
  happened = CFRunLoop::main().runUntilIdle() > 0 || happened;
  if (x11_ && x11_->lost(nullptr)) open_ = false;
  // Only events, timers, notifications and commands change the screen: a window left alone
  // looks at nothing.
  if (open_ && (happened || stale_ || std::exchange(look_, false))) {
    followTheScreen();
    redraw(stale_);
  }
  return open_;
}

void DeviceWindow::layOut(double scale, CGSize window) {
  if (scale != scale_) renderer_ = ScreenRenderer(scale);
  scale_ = scale;
  outline_ = DeviceOutline::now(scale, window);
  stale_ = true;
  say_(describe());
}

void DeviceWindow::followTheScreen() {
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

void DeviceWindow::fillWindow(int width, int height) {
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

std::vector<VolumeButton> DeviceWindow::buttonsDown() const {
  std::vector<VolumeButton> down;
  for (const auto button : {VolumeButton::Up, VolumeButton::Down}) {
    if (VolumeButtons::shared().isDown(button)) down.push_back(button);
  }
  return down;
}

std::optional<CGRect> DeviceWindow::fingerArea(const std::optional<CGPoint>& finger) const {
  if (!finger) return std::nullopt;
  const double reach = kFingerRadius + 1;
  return CGRectMake(finger->x - reach, finger->y - reach, 2 * reach, 2 * reach);
}

void DeviceWindow::redraw(bool everything) {
  SceneSnapshot now = SceneSnapshot::take();
  auto areas = SceneSnapshot::changes(shown_, now);
  shown_ = std::move(now);
  const auto pressed = buttonsDown();
  everything = everything || showKeys_ || pressed != buttonsShown_ || homeHeld_ != homeShown_;
  if (finger_ != fingerShown_ || (finger_ && !areas.empty())) {
    for (const auto& finger : {fingerShown_, finger_}) {
      if (const auto area = fingerArea(finger)) areas.push_back(*area);
    }
  }
  if (!everything && areas.empty()) return;
  SDL_Surface* surface = SDL_GetWindowSurface(window_);
  const auto format = surface ? cairoFormat(surface) : std::nullopt;
  if (!format) return;
  if (surface->w < outline_.width() || surface->h < outline_.height()) {
    return fillWindow(surface->w, surface->h);  // drawn at the next step
  }
  auto* pixels = static_cast<unsigned char*>(surface->pixels);
  const CairoSurface whole(
      cairo_image_surface_create_for_data(pixels, *format, surface->w, surface->h, surface->pitch));
  if (everything) {
    const CairoContext cr(cairo_create(whole.get()));
    outline_.draw(cr.get(), pressed, homeHeld_);
    areas.clear();
  }
  const CGRect onScreen = outline_.screenRect();
  const CairoSurface screen(cairo_image_surface_create_for_data(
      pixels + int(onScreen.origin.y) * surface->pitch + int(onScreen.origin.x) * 4, *format,
      int(onScreen.size.width), int(onScreen.size.height), surface->pitch));
  renderer_.draw(screen.get(), areas);
  drawFinger(surface, *format);
  if (showKeys_) {
    const CairoContext cr(cairo_create(whole.get()));
    key_help::draw(cr.get(), CGRectMake(0, 0, outline_.width(), outline_.height()), scale_);
  }
  buttonsShown_ = pressed;
  homeShown_ = homeHeld_;
  fingerShown_ = finger_;
  if (areas.empty()) {
    SDL_UpdateWindowSurface(window_);
  } else if (const auto rects = windowRects(areas); !rects.empty()) {
    SDL_UpdateWindowSurfaceRects(window_, rects.data(), int(rects.size()));
  }
  stale_ = false;
}

// A translucent fingertip where the finger touches, so that a person sees what the device
// feels.
void DeviceWindow::drawFinger(SDL_Surface* surface, cairo_format_t format) const {
  if (!finger_) return;
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
  cairo_arc(cr.get(), finger_->x, finger_->y, kFingerRadius, 0, 2 * M_PI);
  cairo_set_source_rgba(cr.get(), 1, 1, 1, 0.35);
  cairo_fill_preserve(cr.get());
  cairo_set_source_rgba(cr.get(), 0.2, 0.2, 0.22, 0.5);
  cairo_set_line_width(cr.get(), 1);
  cairo_stroke(cr.get());
}

std::vector<SDL_Rect> DeviceWindow::windowRects(const std::vector<CGRect>& areas) const {
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
