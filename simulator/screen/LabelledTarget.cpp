#include "screen/LabelledTarget.h"

#include <memory>
#include <string_view>

#include "SpringBoard/SpringBoard.h"
#include "UIKit/UIControl.h"
#include "UIKit/UILabel.h"
#include "UIKit/UIScreen.h"
#include "UIKit/UITableViewCell.h"
#include "screen/DrawnLook.h"
#include "screen/ScreenPoint.h"
#include "screen/ViewVisitor.h"

namespace labelled_target {

namespace {

class LastShown : public ViewVisitor {
 public:
  explicit LastShown(const std::string& text) : text_(text) {}
  bool enter(const UIView& view, const ViewKind& kind, int) override {
    if (!DrawnLook::drawn(view)) return false;
    const auto* const* label = std::get_if<const UILabel*>(&kind);
    if (label && (*label)->text() == text_) found = *label;
    return true;
  }
  const UILabel* found = nullptr;

 private:
  const std::string& text_;
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
  LastShown search(text);
  search.walkScreen();
  if (!search.found) return fail("no label \"" + text + "\" on the screen");
  const UIView* target = holder(*search.found);
  if (part == Part::Whole) return middle(*target);
  const auto* cell = dynamic_cast<const UITableViewCell*>(target);
  if (!cell || !cell->accessoryView()) return fail("\"" + text + "\" has no switch of its own");
  return middle(*cell->accessoryView());
}

}  // namespace labelled_target
