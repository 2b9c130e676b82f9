#include "screen/SceneSnapshot.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "UIKit/UIScreen.h"
#include "UIKit/UIView.h"
#include "screen/DrawnLook.h"
#include "screen/ScreenPoint.h"
#include "screen/ViewVisitor.h"

namespace {

CGRect unite(CGRect a, CGRect b) {
  if (a.size.width <= 0 || a.size.height <= 0) return b;
  const double left = std::min(a.origin.x, b.origin.x);
  const double top = std::min(a.origin.y, b.origin.y);
  const double right = std::max(a.origin.x + a.size.width, b.origin.x + b.size.width);
  const double bottom = std::max(a.origin.y + a.size.height, b.origin.y + b.size.height);
  return CGRectMake(left, top, right - left, bottom - top);
}

}  // namespace

SceneSnapshot SceneSnapshot::take() {
  struct Recorder : ViewVisitor {
    bool enter(const UIView& view, const ViewKind& kind, int) override {
      if (!DrawnLook::drawn(view)) return false;
      // Two opposite corners: in a turned window the view lies turned on the screen.
      const CGPoint near = view.boundsOrigin();
      const CGSize size = view.frame().size;
      const CGPoint a = screen_point::of(view, near);
      const CGPoint b = screen_point::of(view, CGPoint{near.x + size.width, near.y + size.height});
      open.push_back(records.size());
      records.push_back(Record{&view,
                               CGRectMake(std::min(a.x, b.x), std::min(a.y, b.y),
                                          std::abs(b.x - a.x), std::abs(b.y - a.y)),
                               DrawnLook::of(view, kind)});
      return true;
    }
    void leave(const UIView&, const ViewKind&, int) override {
      const std::size_t done = open.back();
      open.pop_back();
      if (!open.empty()) {
        auto& holder = records[open.back()].area;
        holder = unite(holder, records[done].area);
      }
    }
    std::vector<Record> records;
    std::vector<std::size_t> open;  // the views entered and not yet left
  };
  Recorder recorder;
  recorder.walkScreen();
  SceneSnapshot snapshot;
  snapshot.screen_ = UIScreen::mainScreen().bounds().size;
  snapshot.records_ = std::move(recorder.records);
  return snapshot;
}

std::vector<CGRect> SceneSnapshot::changes(const SceneSnapshot& before,
                                           const SceneSnapshot& after) {
  if (before.screen_ != after.screen_) {
    return {CGRectMake(0, 0, after.screen_.width, after.screen_.height)};
  }
  if (before.records_ == after.records_) return {};
  std::map<const void*, const Record*> earlier;
  for (const auto& record : before.records_) earlier.emplace(record.view, &record);
  std::vector<CGRect> areas;
  for (const auto& record : after.records_) {
    const auto was = earlier.find(record.view);
    if (was != earlier.end() && *was->second == record) {
      earlier.erase(was);
      continue;
    }
    areas.push_back(record.area);
    if (was != earlier.end()) {
      areas.push_back(was->second->area);
      earlier.erase(was);
    }
  }
  for (const auto& [view, gone] : earlier) areas.push_back(gone->area);
  return areas;
}
