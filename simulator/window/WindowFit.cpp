#include "window/WindowFit.h"

#include <algorithm>
#include <cmath>

#include "window/DeviceOutline.h"

namespace window_fit {

namespace {

bool fits(double scale, CGSize room) {
  const auto outline = DeviceOutline::now(scale);
  return outline.width() <= room.width && outline.height() <= room.height;
}

}  // namespace

double largestFitting(CGSize room) {
  const auto atOne = DeviceOutline::now(1);
  const double ratio = std::min(room.width / atOne.width(), room.height / atOne.height());
  double scale = std::clamp(std::floor(ratio * 100) / 100, kSmallestScale, kLargestScale);
  // The outline rounds to whole pixels: step down until it truly fits.
  while (scale > kSmallestScale && !fits(scale, room)) {
    scale = std::max(kSmallestScale, (std::round(scale * 100) - 1) / 100);
  }
  return scale;
}

double forDisplay(std::optional<double> requested, CGSize room) {
  if (requested) return fits(*requested, room) ? *requested : largestFitting(room);
  for (const double whole : {2.0, 1.0}) {
    if (fits(whole, room)) return whole;
  }
  return largestFitting(room);
}

}  // namespace window_fit
