#pragma once

#include <optional>

#include "CoreGraphics/CGGeometry.h"

// The scale the device is drawn at: chosen to fit the display's room, or to fill a window a
// person resized. Scales other than the whole ones go in hundredths, so that they print short.
namespace window_fit {

inline constexpr double kSmallestScale = 0.25;
inline constexpr double kLargestScale = 4;

// The largest scale, in hundredths and within the bounds above, at which the device as it
// stands fits `room` (window pixels); the smallest scale when none does.
double largestFitting(CGSize room);

// With no request: 2 when the device fits `room` at 2, else 1 when it fits at 1, else the
// largest that fits. A requested scale that does not fit is lowered to the largest that does.
double forDisplay(std::optional<double> requested, CGSize room);

}  // namespace window_fit
