#include "screen/ScreenRenderer.h"

#include <cmath>

#include "SimDevice/FolderHandle.h"
#include "SimDevice/ProcessRestart.h"
#include "UIKit/UIImage.h"
#include "UIKit/UIScreen.h"
#include "UIKit/UIWindow.h"
#include "common/UserFolder.h"
#include "screen/BoxBlur.h"
#include "screen/FramePainter.h"
#include "screen/RemoteWindow.h"
#include "screen/Wallpaper.h"

namespace {

constexpr double kBlurRadius = 6;  // points
constexpr mode_t kScreenshotMode = 0644;

CairoSurface imageSurface(int width, int height) {
  return CairoSurface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
}

bool sameRegion(const cairo_rectangle_int_t& a, const cairo_rectangle_int_t& b) {
  return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

}  // namespace

ScreenRenderer::ScreenRenderer(double scale)
    : scale_(scale),
      backdrop_(std::make_shared<Backdrop>()),
      // The views it points at go with SpringBoard's process when it starts again.
      forgetViews_(ProcessRestart::whileHeld([weak = std::weak_ptr<Backdrop>(backdrop_)] {
        if (const auto backdrop = weak.lock()) *backdrop = Backdrop();
      })) {
}

cairo_surface_t* ScreenRenderer::homeScreen(CGSize size) {
  if (home_ && size == homeSize_) return home_.get();
  home_ = imageSurface(int(size.width * scale_), int(size.height * scale_));
  const CairoContext cr(cairo_create(home_.get()));
  cairo_scale(cr.get(), scale_, scale_);
  drawWallpaper(cr.get(), size);
  homeSize_ = size;
  return home_.get();
}

void ScreenRenderer::paint(cairo_surface_t* target,
                           const std::vector<std::shared_ptr<UIWindow>>& windows,
                           const std::vector<CGRect>& areas, bool withHome) {
  const CairoContext cr(cairo_create(target));
  // Whole pixels: a clip through a pixel would lay what is drawn over what was there before.
  for (const auto& area : areas) {
    const double left = std::floor(area.origin.x * scale_);
    const double top = std::floor(area.origin.y * scale_);
    cairo_rectangle(cr.get(), left, top,
                    std::ceil((area.origin.x + area.size.width) * scale_) - left,
                    std::ceil((area.origin.y + area.size.height) * scale_) - top);
  }
  if (!areas.empty()) cairo_clip(cr.get());
  // An app's opaque frame across the screen hides the home screen and the windows under it.
  auto first = windows.begin();
  for (auto it = windows.begin(); it != windows.end(); ++it) {
    if (!hidesAllUnder(**it)) continue;
    first = it;
    withHome = false;
  }
  if (withHome) {
    cairo_set_source_surface(cr.get(), homeScreen(UIScreen::mainScreen().bounds().size), 0, 0);
  } else {
    cairo_set_source_rgba(cr.get(), 0, 0, 0, 0);
  }
  cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
  cairo_paint(cr.get());
  cairo_set_operator(cr.get(), CAIRO_OPERATOR_OVER);
  cairo_scale(cr.get(), scale_, scale_);
  FramePainter painter(*this, cr.get());
  for (auto it = first; it != windows.end(); ++it) painter.walk(**it);
  cairo_surface_flush(target);
}

// An app's window changes with its process's generation; SpringBoard's own windows below a blur
// view stay as they are while the popup is up.
std::uint64_t ScreenRenderer::generationOf(const UIWindow& window) {
  const auto* app = dynamic_cast<const RemoteWindow*>(&window);
  const auto source = app ? app->source() : nullptr;
  return source ? source->generation() : 0;
}

bool ScreenRenderer::hidesAllUnder(const UIWindow& window) {
  const auto* app = dynamic_cast<const RemoteWindow*>(&window);
  const auto source = app ? app->source() : nullptr;
  cairo_surface_t* frame = source && app->alpha() >= 1 ? source->frame(scale_) : nullptr;
  return frame && cairo_image_surface_get_format(frame) == CAIRO_FORMAT_RGB24;
}

void ScreenRenderer::draw(cairo_surface_t* target, const std::vector<CGRect>& areas) {
  UIScreen::mainScreen().layoutWindows();
  paint(target, UIScreen::mainScreen().windows(), areas, true);
}

void ScreenRenderer::drawWindows(cairo_surface_t* target) {
  UIScreen::mainScreen().layoutWindows();
  paint(target, UIScreen::mainScreen().windows(), {}, false);
}

Result<std::string> ScreenRenderer::png() {
  const CGSize size = UIScreen::mainScreen().bounds().size;
  const auto target = imageSurface(int(size.width * scale_), int(size.height * scale_));
  draw(target.get());
  std::string bytes;
  const auto append = [](void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
  };
  const cairo_status_t status = cairo_surface_write_to_png_stream(target.get(), append, &bytes);
  if (status != CAIRO_STATUS_SUCCESS) {
    return fail(std::string("cannot make a PNG of the screen: ") + cairo_status_to_string(status));
  }
  return bytes;
}

cairo_surface_t* ScreenRenderer::decoded(const UIImage& image) {
  auto& slot = images_[image.filePath().string()];
  if (!slot) slot.reset(cairo_image_surface_create_from_png(image.filePath().c_str()));
  return cairo_surface_status(slot.get()) == CAIRO_STATUS_SUCCESS ? slot.get() : nullptr;
}

bool ScreenRenderer::holds(const Backdrop& backdrop, const UIView& blurView,
                           cairo_rectangle_int_t region,
                           const std::vector<std::shared_ptr<UIWindow>>& windowsBelow) const {
  if (!backdrop.pixels || backdrop.blurView.lock().get() != &blurView ||
      !sameRegion(backdrop.region, region) || backdrop.windowsBelow.size() != windowsBelow.size()) {
    return false;
  }
  for (std::size_t i = 0; i < windowsBelow.size(); ++i) {
    if (backdrop.windowsBelow[i].lock() != windowsBelow[i]) return false;
    if (backdrop.generations[i] != generationOf(*windowsBelow[i])) return false;
  }
  return true;
}

cairo_surface_t* ScreenRenderer::blurredBackdrop(
    const UIView& blurView, cairo_rectangle_int_t region,
    const std::vector<std::shared_ptr<UIWindow>>& windowsBelow, const UIColor& tint) {
  if (holds(*backdrop_, blurView, region, windowsBelow)) return backdrop_->pixels.get();
  const CGSize size = UIScreen::mainScreen().bounds().size;
  const auto behind = imageSurface(int(size.width * scale_), int(size.height * scale_));
  paint(behind.get(), windowsBelow, {}, true);
  // Opaque, as the home screen under it is: laid on a frame, it is copied rather than blended.
  CairoSurface pixels(cairo_image_surface_create(CAIRO_FORMAT_RGB24, region.width, region.height));
  const CairoContext cr(cairo_create(pixels.get()));
  cairo_set_source_surface(cr.get(), behind.get(), -region.x, -region.y);
  cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
  cairo_paint(cr.get());
  boxBlur(pixels.get(), int(kBlurRadius * scale_));
  cairo_set_operator(cr.get(), CAIRO_OPERATOR_OVER);
  cairo_set_source_rgba(cr.get(), tint.red(), tint.green(), tint.blue(), tint.alpha());
  cairo_paint(cr.get());
  Backdrop made{blurView.weak_from_this(), region, {}, {}, std::move(pixels)};
  for (const auto& window : windowsBelow) {
    made.windowsBelow.push_back(window);
    made.generations.push_back(generationOf(*window));
  }
  *backdrop_ = std::move(made);
  return backdrop_->pixels.get();
}

Result<std::string> screenshotPng() {
  return ScreenRenderer(UIScreen::mainScreen().scale()).png();
}

Result<> renderScreenshot(const std::filesystem::path& file) {
  const auto bytes = screenshotPng();
  if (!bytes) return bytes.failure();
  const auto folderPath =
      file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
  FileError error;
  const auto folder = FolderHandle::open(folderPath, {}, false, error);
  if (!folder || !folder->replace(file.filename().string(), *bytes, kScreenshotMode, error)) {
    return fail("cannot write the screenshot: " + error.describe());
  }
  return Ok{};
}

Result<std::filesystem::path> saveNewScreenshot() {
  static constexpr char kScreenshotFolder[] = "orbelle2-screenshots";
  static int screenshots = 0;  // the number of the last name tried
  const auto folderPath = UserFolder::make(kScreenshotFolder);
  if (!folderPath) return folderPath.failure();
  const auto bytes = screenshotPng();
  if (!bytes) return bytes.failure();
  FileError error;
  const auto folder = FolderHandle::open(*folderPath, {}, false, error);
  const auto temp = folder ? folder->createUnique(".screenshot.", *bytes, error) : std::nullopt;
  if (!temp) return fail("cannot write the screenshot: " + error.describe());
  for (;;) {
    const std::string name = "orbelle2-screenshot-" + std::to_string(++screenshots) + ".png";
    if (folder->renameNew(*temp, name, error)) return folder->path() / name;
    if (error.code != EEXIST) break;
  }
  FileError ignored;
  folder->remove(*temp, ignored);
  return fail("cannot write the screenshot: " + error.describe());
}
