#pragma once

#include <algorithm>
#include <limits>

// Points, sizes and rectangles in points, as CoreGraphics has them on 64-bit devices.
using CGFloat = double;

struct CGPoint {
  CGFloat x = 0;
  CGFloat y = 0;
  bool operator==(const CGPoint&) const = default;
};

struct CGSize {
  CGFloat width = 0;
  CGFloat height = 0;
  bool operator==(const CGSize&) const = default;
};

struct CGRect {
  CGPoint origin;
  CGSize size;
  bool operator==(const CGRect&) const = default;
};

inline CGRect CGRectMake(CGFloat x, CGFloat y, CGFloat width, CGFloat height) {
  return CGRect{{x, y}, {width, height}};
}

// What two rectangles share; CGRectNull (at infinity, of no size) when they share nothing.
inline const CGRect CGRectNull{
    {std::numeric_limits<CGFloat>::infinity(), std::numeric_limits<CGFloat>::infinity()}, {0, 0}};

inline bool CGRectIsEmpty(const CGRect& rect) {
  return rect.size.width <= 0 || rect.size.height <= 0;
}

inline CGRect CGRectIntersection(const CGRect& a, const CGRect& b) {
  const CGFloat x0 = std::max(a.origin.x, b.origin.x);
  const CGFloat y0 = std::max(a.origin.y, b.origin.y);
  const CGFloat x1 = std::min(a.origin.x + a.size.width, b.origin.x + b.size.width);
  const CGFloat y1 = std::min(a.origin.y + a.size.height, b.origin.y + b.size.height);
  if (x1 <= x0 || y1 <= y0) return CGRectNull;
  return CGRect{{x0, y0}, {x1 - x0, y1 - y0}};
}

inline bool CGRectContainsPoint(const CGRect& rect, CGPoint point) {
  return point.x >= rect.origin.x && point.x < rect.origin.x + rect.size.width &&
         point.y >= rect.origin.y && point.y < rect.origin.y + rect.size.height;
}
