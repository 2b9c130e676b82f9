#include "window/DeviceOutline.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

#include "RoundedRectangle.h"
#include "SimDevice/DeviceModel.h"
#include "device/ModelScreens.h"

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
constexpr double kPressedDepth = 2;  // how far a held button still stands out
constexpr double kHomeRadius = 22;

// The middle of the bezel at the body's bottom end, wherever the turn has put that end.
CGPoint homeCentre(CGRect body, CGRect screen, UIInterfaceOrientation orientation) {
  const CGPoint middle{screen.origin.x + screen.size.width / 2,
                       screen.origin.y + screen.size.height / 2};
  switch (orientation) {
    case UIInterfaceOrientationLandscapeLeft:  // the bottom end is at the left
      return CGPoint{(body.origin.x + screen.origin.x) / 2, middle.y};
    case UIInterfaceOrientationLandscapeRight:
      return CGPoint{(screen.origin.x + screen.size.width + body.origin.x + body.size.width) / 2,
                     middle.y};
    case UIInterfaceOrientationPortraitUpsideDown:
      return CGPoint{middle.x, (body.origin.y + screen.origin.y) / 2};
    default:
      return CGPoint{middle.x,
                     (screen.origin.y + screen.size.height + body.origin.y + body.size.height) / 2};
  }
}

// In whole pixels, moved by `offset`: the screen's corner lands on a pixel's, so that window
// pixels and screen points map alike everywhere.
CGRect scaled(CGRect r, double scale, CGPoint offset) {
  const double x0 = std::round(r.origin.x * scale), y0 = std::round(r.origin.y * scale);
  const double x1 = std::round((r.origin.x + r.size.width) * scale);
  const double y1 = std::round((r.origin.y + r.size.height) * scale);
  return CGRectMake(offset.x + x0, offset.y + y0, x1 - x0, y1 - y0);
}

// The button at the same place along the body as `button`, on the side across from it.
CGRect acrossTheBody(CGRect button, CGRect body, UIInterfaceOrientation orientation) {
  const bool upright = orientation == UIInterfaceOrientationPortrait ||
                       orientation == UIInterfaceOrientationPortraitUpsideDown;
  if (upright) {
    button.origin.x = 2 * body.origin.x + body.size.width - button.origin.x - button.size.width;
  } else {
    button.origin.y = 2 * body.origin.y + body.size.height - button.origin.y - button.size.height;
  }
  return button;
}

// The turn that faces the other side where this one faces it.
UIInterfaceOrientation opposite(UIInterfaceOrientation orientation) {
  switch (orientation) {
    case UIInterfaceOrientationLandscapeLeft:
      return UIInterfaceOrientationLandscapeRight;
    case UIInterfaceOrientationLandscapeRight:
      return UIInterfaceOrientationLandscapeLeft;
    case UIInterfaceOrientationPortraitUpsideDown:
      return UIInterfaceOrientationPortrait;
    default:
      return UIInterfaceOrientationPortraitUpsideDown;
  }
}

}  // namespace

DeviceOutline DeviceOutline::now(double scale, CGSize window) {
  const auto& screen = UIScreen::mainScreen();
  const auto model = model_screens::of(DeviceModel::identifier());
  return DeviceOutline(screen.bounds().size, screen.orientation(), scale, window,
                       model && model->homeButton);
}

DeviceOutline::DeviceOutline(CGSize screen, UIInterfaceOrientation orientation, double scale,
                             CGSize window, bool homeButton)
    : scale_(scale) {
  const bool upright = orientation == UIInterfaceOrientationPortrait ||
                       orientation == UIInterfaceOrientationPortraitUpsideDown;
  const double acrossBezel = upright ? kBezelSide : kBezelEnd;
  const double alongBezel = upright ? kBezelEnd : kBezelSide;
  const CGRect body =
      CGRectMake(kMargin, kMargin, screen.width + 2 * acrossBezel, screen.height + 2 * alongBezel);
  const CGRect natural =
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
  const CGRect fitted = scaled(natural, scale, {});
  const CGSize size{std::max(fitted.size.width, std::floor(window.width)),
                    std::max(fitted.size.height, std::floor(window.height))};
  const CGPoint offset{std::floor((size.width - fitted.size.width) / 2),
                       std::floor((size.height - fitted.size.height) / 2)};
  window_ = CGRectMake(0, 0, size.width, size.height);
  body_ = scaled(body, scale, offset);
  screen_ = scaled(shown, scale, offset);
  up_ = scaled(button(0), scale, offset);
  down_ = scaled(button(1), scale, offset);
  side_ = scaled(acrossTheBody(button(0), body, orientation), scale, offset);
  if (homeButton) {
    const CGPoint centre = homeCentre(body, shown, orientation);
    home_ = scaled(CGRectMake(centre.x - kHomeRadius, centre.y - kHomeRadius, 2 * kHomeRadius,
                              2 * kHomeRadius),
                   scale, offset);
  }
  orientation_ = orientation;
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

// A little room around a button, as a finger would have.
bool DeviceOutline::near(CGRect button, CGPoint pixel) const {
  const double slack = 4 * scale_;
  return CGRectContainsPoint(
      CGRectMake(button.origin.x - slack, button.origin.y - slack, button.size.width + 2 * slack,
                 button.size.height + 2 * slack),
      pixel);
}

std::optional<VolumeButton> DeviceOutline::buttonAt(CGPoint pixel) const {
  if (near(up_, pixel)) return VolumeButton::Up;
  if (near(down_, pixel)) return VolumeButton::Down;
  return std::nullopt;
}

bool DeviceOutline::isSideButtonAt(CGPoint pixel) const {
  return near(side_, pixel);
}

bool DeviceOutline::isHomeButtonAt(CGPoint pixel) const {
  if (!home_) return false;
  const double r = home_->size.width / 2;
  return std::hypot(pixel.x - (home_->origin.x + r), pixel.y - (home_->origin.y + r)) <= r;
}

// A held button sinks into the body, leaving a lighter edge standing out. The side button sits
// on the side across from the others, so it sinks the other way.
CGRect DeviceOutline::pushedIn(CGRect button, bool acrossTheBody) const {
  const double sink = std::round((kButtonDepth - kPressedDepth) * scale_);
  switch (acrossTheBody ? opposite(orientation_) : orientation_) {
    case UIInterfaceOrientationLandscapeLeft:
      return CGRectMake(button.origin.x, button.origin.y + sink, button.size.width,
                        button.size.height - sink);
    case UIInterfaceOrientationLandscapeRight:
      return CGRectMake(button.origin.x, button.origin.y, button.size.width,
                        button.size.height - sink);
    case UIInterfaceOrientationPortraitUpsideDown:
      return CGRectMake(button.origin.x, button.origin.y, button.size.width - sink,
                        button.size.height);
    default:
      return CGRectMake(button.origin.x + sink, button.origin.y, button.size.width - sink,
                        button.size.height);
  }
}

void DeviceOutline::draw(cairo_t* cr, const std::vector<VolumeButton>& pressed, bool homeHeld,
                         bool sideHeld) const {
  cairo_set_source_rgb(cr, 0.93, 0.93, 0.94);
  cairo_paint(cr);
  const auto isPressed = [&](VolumeButton which) {
    return std::find(pressed.begin(), pressed.end(), which) != pressed.end();
  };
  for (const auto& [held, rect, across] : {std::tuple{isPressed(VolumeButton::Up), up_, false},
                                           {isPressed(VolumeButton::Down), down_, false},
                                           {sideHeld, side_, true}}) {
    const CGRect button = held ? pushedIn(rect, across) : rect;
    if (held) {
      cairo_set_source_rgb(cr, 0.55, 0.57, 0.6);
    } else {
      cairo_set_source_rgb(cr, 0.32, 0.33, 0.35);
    }
    roundedRectangle(cr, button.origin.x, button.origin.y, button.size.width, button.size.height,
                     2 * scale_);
    cairo_fill(cr);
  }
  cairo_set_source_rgb(cr, 0.11, 0.11, 0.12);
  roundedRectangle(cr, body_.origin.x, body_.origin.y, body_.size.width, body_.size.height,
                   kBodyRadius * scale_);
  cairo_fill(cr);
  if (home_) drawHomeButton(cr, homeHeld);
}

// A dark disc in a grey ring, lit a little while held.
void DeviceOutline::drawHomeButton(cairo_t* cr, bool held) const {
  const double r = home_->size.width / 2;
  const double cx = home_->origin.x + r, cy = home_->origin.y + r;
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_set_source_rgb(cr, 0.36, 0.37, 0.4);
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, r - 1.5 * scale_, 0, 2 * M_PI);
  if (held) {
    cairo_set_source_rgb(cr, 0.22, 0.22, 0.24);
  } else {
    cairo_set_source_rgb(cr, 0.08, 0.08, 0.09);
  }
  cairo_fill(cr);
}
