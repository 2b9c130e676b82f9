#pragma once

#include <cairo.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "CoreGraphics/CGGeometry.h"
#include "Result.h"
#include "screen/CairoHandles.h"

class UIImage;
class UIView;
class UIWindow;

// Draws the simulated screen, the home screen then every visible window back to front, at a
// number of pixels per point. It keeps what does not change from one frame to the next: the
// home screen, each image file decoded, and the blurred backdrop behind a blur view, which
// stays the same as long as that blur view and the windows under it do.
class ScreenRenderer {
 public:
  explicit ScreenRenderer(double scale);

  double scale() const { return scale_; }
  // The screen as it stands, into `target`: an image surface the screen's size in pixels.
  void draw(cairo_surface_t* target);
  Result<> writePng(const std::filesystem::path& file);

  // For the painter of a frame.
  cairo_surface_t* decoded(const UIImage& image);
  // `region` of `screen` (in its pixels) blurred, as it stands behind `blurView` over
  // `windowsBelow`; computed once while those stay the same.
  cairo_surface_t* blurredBackdrop(const UIView& blurView, cairo_surface_t* screen,
                                   cairo_rectangle_int_t region,
                                   const std::vector<const UIWindow*>& windowsBelow);

 private:
  cairo_surface_t* homeScreen(CGSize size);

  struct Backdrop {
    std::weak_ptr<const UIView> blurView;
    cairo_rectangle_int_t region{};
    std::vector<const UIWindow*> windowsBelow;
    CairoSurface pixels;
  };

  double scale_;
  CGSize homeSize_{};
  CairoSurface home_;
  std::map<std::string, CairoSurface> images_;
  Backdrop backdrop_;
};

// A PNG of the screen at the device's scale.
Result<> renderScreenshot(const std::filesystem::path& file);
