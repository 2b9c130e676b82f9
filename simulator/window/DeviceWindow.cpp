#include "window/DeviceWindow.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <iostream>

#include "CoreFoundation/CFRunLoop.h"
#include "SimDevice/FolderHandle.h"
#include "SpringBoard/VolumeButtons.h"
#include "UIKit/UIAccessibility.h"
#include "UIKit/UIApplication.h"
#include "common/Report.h"
#include "common/Shortest.h"
#include "common/UserFolder.h"
#include "screen/CairoHandles.h"

namespace {

constexpr char kScreenshotFolder[] = "orbelle2-screenshots";

DeviceOutline outlineNow(double scale) {
  const auto& screen = UIScreen::mainScreen();
  return DeviceOutline(screen.bounds().size, screen.orientation(), scale);
}

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

Result<std::unique_ptr<DeviceWindow>> DeviceWindow::open(double scale, const std::string& title) {
  // Cairo draws every pixel: the window needs the video driver's plain framebuffer, not one
  // behind an OpenGL renderer (which would load the GL stack for nothing).
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    return fail(std::string("cannot open a window: ") + SDL_GetError());
  }
  const DeviceOutline outline = outlineNow(scale);
  SDL_Window* window =
      SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                       outline.width(), outline.height(), SDL_WINDOW_SHOWN);
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
  return std::unique_ptr<DeviceWindow>(new DeviceWindow(window, scale));
}

DeviceWindow::DeviceWindow(SDL_Window* window, double scale)
    : window_(window), scale_(scale), outline_(outlineNow(scale)), renderer_(scale) {
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
  // Only events, timers, notifications and commands change the screen: a window left alone
  // looks at nothing.
  if (open_ && (happened || stale_)) {
    resizeToTheScreen();
    redraw(stale_);
  }
  return open_;
}

void DeviceWindow::handle(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT:
      open_ = false;
      break;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) open_ = false;
      if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
          event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        stale_ = true;
      }
      break;
    case SDL_KEYDOWN:
      key(event.key, true);
      break;
    case SDL_KEYUP:
      key(event.key, false);
      break;
    case SDL_MOUSEBUTTONDOWN:
      if (event.button.button == SDL_BUTTON_LEFT)
        mouseDown(CGPoint{double(event.button.x), double(event.button.y)});
      break;
    case SDL_MOUSEMOTION:
      if (event.motion.state & SDL_BUTTON_LMASK) {
        mouseMoved(CGPoint{double(event.motion.x), double(event.motion.y)});
      }
      break;
    case SDL_MOUSEBUTTONUP:
      if (event.button.button == SDL_BUTTON_LEFT)
        mouseUp(CGPoint{double(event.button.x), double(event.button.y)});
      break;
    default:
      break;
  }
}

void DeviceWindow::key(const SDL_KeyboardEvent& event, bool down) {
  if (event.repeat) return;  // the keyboard's repeat is not another press
  auto& buttons = VolumeButtons::shared();
  const auto volume = [&](VolumeButton button) {
    if (down) {
      buttons.down(button);
    } else {
      [[maybe_unused]] const auto pressed = buttons.up(button);
    }
  };
  switch (event.keysym.sym) {
    case SDLK_UP:
      return volume(VolumeButton::Up);
    case SDLK_DOWN:
      return volume(VolumeButton::Down);
    default:
      break;
  }
  if (!down) return;
  switch (event.keysym.sym) {
    case SDLK_r:
      return rotate();
    case SDLK_t:
      return UIAccessibilitySetReduceTransparencyEnabled(
          !UIAccessibilityIsReduceTransparencyEnabled());
    case SDLK_p: {
      auto& control = VolumeControl::sharedVolumeControl();
      return control.setMediaPlaying(!control.isMediaPlaying());
    }
    case SDLK_s:
      return saveScreenshot();
    case SDLK_q:
    case SDLK_ESCAPE:
      open_ = false;
      return;
    default:
      return;
  }
}

void DeviceWindow::mouseDown(CGPoint pixel) {
  if (const auto button = outline_.buttonAt(pixel)) {
    clickedButton_ = button;
    VolumeButtons::shared().down(*button);
    return;
  }
  const auto point = outline_.screenPointAt(pixel);
  if (!point) return;  // off the screen: nothing there takes a touch
  finger_ = point;
  UIApplication::sharedApplication().touchDown(*point);
}

void DeviceWindow::mouseMoved(CGPoint pixel) {
  const auto point = outline_.screenPointAt(pixel);
  if (!finger_ || !point) return;
  finger_ = point;
  UIApplication::sharedApplication().touchMoved(*point);
}

void DeviceWindow::mouseUp(CGPoint pixel) {
  if (clickedButton_) {
    [[maybe_unused]] const auto pressed = VolumeButtons::shared().up(*clickedButton_);
    clickedButton_.reset();
    return;
  }
  if (!finger_) return;
  // Lifted off the screen, the finger leaves it where it last was on it.
  const auto point = outline_.screenPointAt(pixel).value_or(*finger_);
  finger_.reset();
  UIApplication::sharedApplication().touchUp(point);
}

void DeviceWindow::rotate() {
  auto& screen = UIScreen::mainScreen();
  screen.setOrientation(screen.orientation() == UIInterfaceOrientationPortrait
                            ? UIInterfaceOrientationLandscapeLeft
                            : UIInterfaceOrientationPortrait);
}

void DeviceWindow::resizeToTheScreen() {
  const DeviceOutline now = outlineNow(scale_);
  if (now.width() == outline_.width() && now.height() == outline_.height() &&
      now.screenOrigin() == outline_.screenOrigin()) {
    return;
  }
  outline_ = now;
  SDL_SetWindowSize(window_, outline_.width(), outline_.height());
  stale_ = true;
}

void DeviceWindow::saveScreenshot() {
  const auto saved = saveNewScreenshot();
  report(std::cout, saved ? Result<std::string>("screenshot " + saved->string()) : saved.failure());
}

// Under the next free name in the user's own folder: an existing file is never replaced.
Result<std::filesystem::path> DeviceWindow::saveNewScreenshot() {
  const auto folderPath = UserFolder::make(kScreenshotFolder);
  if (!folderPath) return folderPath.failure();
  const auto bytes = screenshotPng();
  if (!bytes) return bytes.failure();
  FileError error;
  const auto folder = FolderHandle::open(*folderPath, {}, false, error);
  const auto temp = folder ? folder->createUnique(".screenshot.", *bytes, error) : std::nullopt;
  if (!temp) return fail("cannot write the screenshot: " + error.describe());
  for (;;) {
    const std::string name = "orbelle2-screenshot-" + std::to_string(++screenshots_) + ".png";
    if (folder->renameNew(*temp, name, error)) return folder->path() / name;
    if (error.code != EEXIST) break;
  }
  FileError ignored;
  folder->remove(*temp, ignored);
  return fail("cannot write the screenshot: " + error.describe());
}

void DeviceWindow::redraw(bool everything) {
  SceneSnapshot now = SceneSnapshot::take();
  auto areas = SceneSnapshot::changes(shown_, now);
  shown_ = std::move(now);
  if (!everything && areas.empty()) return;
  SDL_Surface* surface = SDL_GetWindowSurface(window_);
  const auto format = surface ? cairoFormat(surface) : std::nullopt;
  if (!format || surface->w < outline_.width() || surface->h < outline_.height()) return;
  auto* pixels = static_cast<unsigned char*>(surface->pixels);
  if (everything) {
    const CairoSurface whole(cairo_image_surface_create_for_data(pixels, *format, surface->w,
                                                                 surface->h, surface->pitch));
    const CairoContext cr(cairo_create(whole.get()));
    outline_.draw(cr.get());
    areas.clear();
  }
  const CGPoint origin = outline_.screenOrigin();
  const CGSize size = UIScreen::mainScreen().bounds().size;
  const CairoSurface screen(cairo_image_surface_create_for_data(
      pixels + int(origin.y) * surface->pitch + int(origin.x) * 4, *format,
      int(size.width * scale_), int(size.height * scale_), surface->pitch));
  renderer_.draw(screen.get(), areas);
  if (areas.empty()) {
    SDL_UpdateWindowSurface(window_);
  } else if (const auto rects = windowRects(areas); !rects.empty()) {
    SDL_UpdateWindowSurfaceRects(window_, rects.data(), int(rects.size()));
  }
  stale_ = false;
}

std::vector<SDL_Rect> DeviceWindow::windowRects(const std::vector<CGRect>& areas) const {
  const CGPoint origin = outline_.screenOrigin();
  const CGSize size = UIScreen::mainScreen().bounds().size;
  const int right = int(size.width * scale_), bottom = int(size.height * scale_);
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
