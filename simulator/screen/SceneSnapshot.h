#pragma once

#include <string>
#include <vector>

#include "CoreGraphics/CGGeometry.h"
#include "screen/DrawnLook.h"

// What the screen shows, view by view: where each visible view and everything it holds lies
// on the screen, and how the view itself looks, as the painter reads it (DrawnLook). Two snapshots
// tell which parts of the screen differ, so that a frame redraws only those.
class SceneSnapshot {
 public:
  static SceneSnapshot take();

  // The areas of the screen, in points, that `after` shows otherwise than `before`: every view
  // that came, went, moved or changed its looks, with all it holds; the whole screen when the
  // screen itself turned or changed size. None when nothing changed.
  static std::vector<CGRect> changes(const SceneSnapshot& before, const SceneSnapshot& after);

 private:
  struct Record {
    const void* view;
    CGRect area;
    DrawnLook look;
    bool operator==(const Record&) const = default;
  };
  CGSize screen_{};
  std::vector<Record> records_;
};
