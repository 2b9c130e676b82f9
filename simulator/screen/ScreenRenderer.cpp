#include "screen/ScreenRenderer.h"

#include "UIKit/UIImage.h"
#include "UIKit/UIScreen.h"
#include "UIKit/UIWindow.h"
#include "screen/BoxBlur.h"
#include "screen/FramePainter.h"
#include "screen/HomeScreen.h"

namespace {

constexpr double kBlurRadius = 6;  // points

CairoSurface imageSurface(int width, int height) {
  return CairoSurface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
}

bool sameRegion(const cairo_rectangle_int_t& a, const cairo_rectangle_int_t& b) {
  return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

}  // namespace

ScreenRenderer::ScreenRenderer(double scale) : scale_(scale) {
}

cairo_surface_t* ScreenRenderer::homeScreen(CGSize size) {
  if (home_ && size == homeSize_) return home_.get();
  home_ = imageSurface(int(size.width * scale_), int(size.height * scale_));
  const CairoContext cr(cairo_create(home_.get()));
  cairo_scale(cr.get(), scale_, scale_);
  drawHomeScreen(cr.get(), size);
  homeSize_ = size;
  return home_.get();
}

void ScreenRenderer::draw(cairo_surface_t* target) {
  const CairoContext cr(cairo_create(target));
  cairo_set_source_surface(cr.get(), homeScreen(UIScreen::mainScreen().bounds().size), 0, 0);
  cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
  cairo_paint(cr.get());
  cairo_set_operator(cr.get(), CAIRO_OPERATOR_OVER);
  cairo_scale(cr.get(), scale_, scale_);
  FramePainter painter(*this, cr.get(), target);
  painter.walkScreen();
  cairo_surface_flush(target);
}

Result<> ScreenRenderer::writePng(const std::filesystem::path& file) {
  const CGSize size = UIScreen::mainScreen().bounds().size;
  const auto target = imageSurface(int(size.width * scale_), int(size.height * scale_));
  draw(target.get());
  if (cairo_surface_write_to_png(target.get(), file.c_str()) != CAIRO_STATUS_SUCCESS) {
    return fail("cannot write " + file.string());
  }
  return Ok{};
}

cairo_surface_t* ScreenRenderer::decoded(const UIImage& image) {
  auto& slot = images_[image.filePath().string()];
  if (!slot) slot.reset(cairo_image_surface_create_from_png(image.filePath().c_str()));
  return cairo_surface_status(slot.get()) == CAIRO_STATUS_SUCCESS ? slot.get() : nullptr;
}

cairo_surface_t* ScreenRenderer::blurredBackdrop(const UIView& blurView, cairo_surface_t* screen,
                                                 cairo_rectangle_int_t region,
                                                 const std::vector<const UIWindow*>& windowsBelow) {
  if (backdrop_.pixels && backdrop_.blurView.lock().get() == &blurView &&
      sameRegion(backdrop_.region, region) && backdrop_.windowsBelow == windowsBelow) {
    return backdrop_.pixels.get();
  }
  auto pixels = imageSurface(region.width, region.height);
  const CairoContext copy(cairo_create(pixels.get()));
  cairo_set_source_surface(copy.get(), screen, -region.x, -region.y);
  cairo_set_operator(copy.get(), CAIRO_OPERATOR_SOURCE);
  cairo_paint(copy.get());
  boxBlur(pixels.get(), int(kBlurRadius * scale_));
  backdrop_ = Backdrop{blurView.weak_from_this(), region, windowsBelow, std::move(pixels)};
  return backdrop_.pixels.get();
}

Result<> renderScreenshot(const std::filesystem::path& file) {
  return ScreenRenderer(UIScreen::mainScreen().scale()).writePng(file);
}
