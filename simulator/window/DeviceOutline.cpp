#include "window/DeviceOutline.h"

#include <algorithm>

#include "RoundedRectangle.h"

namespace {

// In points, for the device held upright.
constexpr double kMargin = 12;     // from the window's edge to the body
constexpr double kBezelSide = 22;  // from the body's long side to the screen
constexpr double kBezelEnd = 72;   // from the body's short side to the screen
constexpr double kBodyRadius = 44;
constexpr double kButtonDepth = 5;  // how far a button stands out of the body
constexpr double kButtonLength = 56;
constexpr double kFirstButtonAt = 120;  // from the body's top end, along its side
constexpr double kButtonGap = 14;

CGRect scaled(CGRect r, double scale) {
  return CGRectMake(r.origin.x * scale, r.origin.y * scale, r.size.width * scale,
                    r.size.height * scale);
}

}  // namespace

DeviceOutline::DeviceOutline(CGSize screen, UIInterfaceOrientation orientation, double scale)
    : scale_(scale) {
  const bool upright = orientation == UIInterfaceOrientationPortrait ||
                       orientation == UIInterfaceOrientationPortraitUpsideDown;
  const double acrossBezel = upright ? kBezelSide : kBezelEnd;
  const double alongBezel = upright ? kBezelEnd : kBezelSide;
  const CGRect body =
      CGRectMake(kMargin, kMargin, screen.width + 2 * acrossBezel, screen.height + 2 * alongBezel);
  const CGRect window =
      CGRectMake(0, 0, body.size.width + 2 * kMargin, body.size.height + 2 * kMargin);
  const CGRect shown = CGRectMake(body.origin.x + acrossBezel, body.origin.y + alongBezel,
                                  screen.width, screen.height);
  // The buttons sit on the left side held upright; turned, that side faces elsewhere.
  const auto button = [&](int index) {
    const double along = kFirstButtonAt + index * (kButtonLength + kButtonGap);
    switch (orientation) {
      case UIInterfaceOrientationLandscapeLeft:  // the left side is up
        return CGRectMake(body.origin.x + body.size.width - along - kButtonLength,
                          body.origin.y - kButtonDepth, kButtonLength, kButtonDepth);
      case UIInterfaceOrientationLandscapeRight:  // the left side is down
        return CGRectMake(body.origin.x + along, body.origin.y + body.size.height, kButtonLength,
                          kButtonDepth);
      case UIInterfaceOrientationPortraitUpsideDown:
        return CGRectMake(body.origin.x + body.size.width,
                          body.origin.y + body.size.height - along - kButtonLength, kButtonDepth,
                          kButtonLength);
      default:
        return CGRectMake(body.origin.x - kButtonDepth, body.origin.y + along, kButtonDepth,
                          kButtonLength);
    }
  };
  window_ = scaled(window, scale);
  body_ = scaled(body, scale);
  screen_ = scaled(shown, scale);
  up_ = scaled(button(0), scale);
  down_ = scaled(button(1), scale);
}

std::optional<CGPoint> DeviceOutline::screenPointAt(CGPoint pixel) const {
  if (!CGRectContainsPoint(screen_, pixel)) return std::nullopt;
  return nearestScreenPoint(pixel);
}

CGPoint DeviceOutline::nearestScreenPoint(CGPoint pixel) const {
  const double x = std::clamp(pixel.x, screen_.origin.x, screen_.origin.x + screen_.size.width - 1);
  const double y =
      std::clamp(pixel.y, screen_.origin.y, screen_.origin.y + screen_.size.height - 1);
  return CGPoint{(x - screen_.origin.x) / scale_, (y - screen_.origin.y) / scale_};
}

std::optional<VolumeButton> DeviceOutline::buttonAt(CGPoint pixel) const {
  // A little room around each button, as a finger would have.
  const auto near = [&](CGRect button) {
    const double slack = 4 * scale_;
    return CGRectContainsPoint(
        CGRectMake(button.origin.x - slack, button.origin.y - slack, button.size.width + 2 * slack,
                   button.size.height + 2 * slack),
        pixel);
  };
  if (near(up_)) return VolumeButton::Up;
  if (near(down_)) return VolumeButton::Down;
  return std::nullopt;
}

void DeviceOutline::draw(cairo_t* cr) const {
  cairo_set_source_rgb(cr, 0.93, 0.93, 0.94);
  cairo_paint(cr);
  for (const CGRect& button : {up_, down_}) {
    cairo_set_source_rgb(cr, 0.32, 0.33, 0.35);
    roundedRectangle(cr, button.origin.x, button.origin.y, button.size.width, button.size.height,
                     2 * scale_);
    cairo_fill(cr);
  }
  cairo_set_source_rgb(cr, 0.11, 0.11, 0.12);
  roundedRectangle(cr, body_.origin.x, body_.origin.y, body_.size.width, body_.size.height,
                   kBodyRadius * scale_);
  cairo_fill(cr);
}
