#include "screen/LabelledTarget.h"

#include <memory>
#include <string_view>

#include "SpringBoard/SpringBoard.h"
#include "UIKit/UIControl.h"
#include "UIKit/UILabel.h"
#include "UIKit/UIScreen.h"
#include "UIKit/UITableViewCell.h"
#include "screen/DrawnLook.h"
#include "screen/RemoteWindow.h"
#include "screen/ScreenPoint.h"
#include "screen/ViewVisitor.h"

namespace labelled_target {

namespace {

// The frontmost label with the text: one of this process, or the place an app's process found.
class LastShown : public ViewVisitor {
 public:
  LastShown(const std::string& text, Part part) : text_(text), part_(part) {}
  bool enter(const UIView& view, const ViewKind& kind, int) override {
    if (!DrawnLook::drawn(view)) return false;
    if (const auto* app = dynamic_cast<const RemoteWindow*>(&view)) {
      const auto source = app->source();
      if (auto there = source ? source->target(text_, part_) : fail("")) {
        remote = std::move(there);
        found = nullptr;
      }
      return false;
    }
    const auto* const* label = std::get_if<const UILabel*>(&kind);
    if (label && (*label)->text() == text_) {
      found = *label;
      remote.reset();
    }
    return true;
  }
  const UILabel* found = nullptr;
  std::optional<Result<Target>> remote;

 private:
  const std::string& text_;
  Part part_;
};

Target middle(const UIView& view) {
  const CGSize size = view.frame().size;
  const CGPoint local{size.width / 2, size.height / 2};
  const CGPoint point = screen_point::of(view, local);
  if (screen_point::visible(view, local)) return Target{point, std::nullopt};
  return Target{point, point.y - UIScreen::mainScreen().bounds().size.height / 2};
}

// The row, icon or control the label belongs to.
const UIView* holder(const UIView& label) {
  for (auto above = label.superview(); above; above = above->superview()) {
    if (dynamic_cast<const UITableViewCell*>(above.get()) ||
        dynamic_cast<const UIControl*>(above.get()) ||
        std::string_view(above->className()) == kIconViewClass) {
      return above.get();
    }
  }
  return &label;
}

}  // namespace

Result<Target> find(const std::string& text, Part part) {
  LastShown search(text, part);
  search.walkScreen();
  if (search.remote) return *search.remote;
  if (!search.found) return fail("no label \"" + text + "\" on the screen");
  const UIView* target = holder(*search.found);
  if (part == Part::Whole) return middle(*target);
  const auto* cell = dynamic_cast<const UITableViewCell*>(target);
  if (!cell || !cell->accessoryView()) return fail("\"" + text + "\" has no switch of its own");
  return middle(*cell->accessoryView());
}

}  // namespace labelled_target
