#pragma once

#include <cairo.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "CoreGraphics/CGGeometry.h"
#include "UIKit/UIColor.h"
#include "common/Result.h"
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
  // With `areas` (in points) only those are drawn anew and the rest of `target` is kept.
  void draw(cairo_surface_t* target, const std::vector<CGRect>& areas = {});
  // The process's windows alone over a clear ground, as an app's process draws its frame.
  void drawWindows(cairo_surface_t* target);
  // The screen as the bytes of a PNG file.
  Result<std::string> png();

  // For the painter of a frame.
  cairo_surface_t* decoded(const UIImage& image);
  // What lies behind `blurView` in `region` (pixels of the screen): the home screen and the
  // windows below the blur view's, blurred and tinted with `tint`. Made once while the view, the
  // region and those windows stay the same, for every frame of an opening of the popup.
  cairo_surface_t* blurredBackdrop(const UIView& blurView, cairo_rectangle_int_t region,
                                   const std::vector<std::shared_ptr<UIWindow>>& windowsBelow,
                                   const UIColor& tint);

 private:
  cairo_surface_t* homeScreen(CGSize size);
  // An app's window whose frame is opaque across the screen.
  bool hidesAllUnder(const UIWindow& window);
  static std::uint64_t generationOf(const UIWindow& window);
  // The home screen and `windows` into `target`, within `areas` when there are any.
  void paint(cairo_surface_t* target, const std::vector<std::shared_ptr<UIWindow>>& windows,
             const std::vector<CGRect>& areas, bool withHome);

  struct Backdrop {
    std::weak_ptr<const UIView> blurView;
    cairo_rectangle_int_t region{};
    std::vector<std::weak_ptr<UIWindow>> windowsBelow;
    std::vector<std::uint64_t> generations;  // of the windows below, as they were drawn
    CairoSurface pixels;
  };
  bool holds(const Backdrop& backdrop, const UIView& blurView, cairo_rectangle_int_t region,
             const std::vector<std::shared_ptr<UIWindow>>& windowsBelow) const;

  double scale_;
  CGSize homeSize_{};
  CairoSurface home_;
  std::map<std::string, CairoSurface> images_;
  std::shared_ptr<Backdrop> backdrop_;
  std::shared_ptr<void> forgetViews_;
};

// A PNG of the screen at the device's scale, as bytes.
Result<std::string> screenshotPng();
// Writes one to `file`: a temporary file beside it, renamed over it, so that a failed write
// leaves the old file whole.
Result<> renderScreenshot(const std::filesystem::path& file);
// The screen as a PNG under the next free name in the user's own screenshot folder
// (orbelle2-screenshots, see UserFolder): an existing file is never replaced.
Result<std::filesystem::path> saveNewScreenshot();
