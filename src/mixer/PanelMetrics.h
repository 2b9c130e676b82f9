#pragma once

// The panel's measures in points, for the panel that lays out its rows and the popup that sizes
// and places it: rows 50 high, the first 15 below the panel's top, the panel 40 taller than its
// rows; at most 350 wide, leaving at least 25 on each side of the window; centred in it.
namespace panel_metrics {
inline constexpr float kRowHeight = 50.0f;
inline constexpr float kTopMargin = 15.0f;
inline constexpr float kHeightBesideRows = 40.0f;
inline constexpr float kMaxWidth = 350.0f;
inline constexpr float kSideMargin = 25.0f;

constexpr float height(float rows) {
  return kRowHeight * rows + kHeightBesideRows;
}
constexpr float width(float windowWidth) {
  return windowWidth - 2 * kSideMargin < kMaxWidth ? windowWidth - 2 * kSideMargin : kMaxWidth;
}
// Where an extent starts to be centred in the window's, computed in single precision as the
// popup always has.
constexpr float centred(float windowExtent, float extent) {
  return (windowExtent - extent) / 2.0f;
}
}  // namespace panel_metrics
