// A row dragged by its handle in Edit mode.
#include <algorithm>
#include <cmath>

#include "UIKit/UITableView.h"

namespace {

// Within this far of the top or bottom of what shows, a held row scrolls the table, by up to
// the fastest step each tick.
constexpr CGFloat kAutoscrollBand = 44;
constexpr CGFloat kFastestStep = 8;
constexpr std::chrono::milliseconds kAutoscrollTick{16};

}  // namespace

bool UITableView::beginDrag(CGPoint point) {
  for (const auto& row : rows_) {
    const auto& handle = row.cell->reorderControl();
    if (!handle) continue;
    const CGPoint inHandle = handle->convertPointToView(CGPoint{0, 0}, this);
    const CGRect box{inHandle, handle->frame().size};
    if (!CGRectContainsPoint(box, point)) continue;
    drag_ = Drag{row.path, 0, 0, point.y - row.cell->frame().origin.y, 0, std::nullopt};
    const auto rows = sectionRows();
    drag_->rows = rows.size();
    drag_->sectionTop = rows.front()->cell->frame().origin.y;
    addSubview(row.cell);  // above the others as it passes them
    return true;
  }
  return false;
}

std::vector<UITableView::Row*> UITableView::sectionRows() {
  std::vector<Row*> rows;
  for (auto& row : rows_) {
    if (row.path.section == drag_->path.section) rows.push_back(&row);
  }
  return rows;
}

std::size_t UITableView::dropSlot() const {
  const auto held = cellForRowAtIndexPath(drag_->path);
  const CGFloat middle = held->frame().origin.y + UITableViewCell::kHeight / 2 - drag_->sectionTop;
  const auto slot = static_cast<long>(std::floor(middle / UITableViewCell::kHeight));
  return static_cast<std::size_t>(std::clamp<long>(slot, 0, static_cast<long>(drag_->rows) - 1));
}

void UITableView::dragTo(CGPoint point) {
  drag_->finger = point.y - contentOffset().y;
  placeHeld(point.y);
  keepScrolling();
}

// The held row follows the finger within its section; the others close up around its slot.
void UITableView::placeHeld(CGFloat fingerY) {
  const auto rows = sectionRows();
  const CGFloat lowest = drag_->sectionTop + UITableViewCell::kHeight * CGFloat(rows.size() - 1);
  const CGFloat top = std::clamp(fingerY - drag_->grip, drag_->sectionTop, lowest);
  const auto held = cellForRowAtIndexPath(drag_->path);
  CGRect frame = held->frame();
  frame.origin.y = top;
  held->setFrame(frame);
  const std::size_t slot = dropSlot();
  std::size_t next = 0;
  for (Row* row : rows) {
    if (row->path == drag_->path) continue;
    if (next == slot) ++next;
    CGRect placed = row->cell->frame();
    placed.origin.y = drag_->sectionTop + UITableViewCell::kHeight * CGFloat(next++);
    row->cell->setFrame(placed);
  }
}

CGFloat UITableView::autoscrollStep() const {
  const CGFloat top = contentInset().top + kAutoscrollBand;
  const CGFloat bottom = frame().size.height - contentInset().bottom - kAutoscrollBand;
  const CGFloat depth = drag_->finger < top      ? drag_->finger - top
                        : drag_->finger > bottom ? drag_->finger - bottom
                                                 : 0;
  return kFastestStep * std::clamp<CGFloat>(depth / kAutoscrollBand, -1, 1);
}

void UITableView::keepScrolling() {
  if (drag_->autoscroll || autoscrollStep() == 0) return;
  const std::weak_ptr<UIView> weak = shared_from_this();
  drag_->autoscroll = CFRunLoop::main().addRepeatingTimer(kAutoscrollTick, [weak] {
    const auto table = std::static_pointer_cast<UITableView>(weak.lock());
    return table && table->drag_ && table->autoscroll();
  });
}

// One tick: the content moves under the finger, and the held row with the finger.
bool UITableView::autoscroll() {
  const CGFloat step = autoscrollStep();
  if (step == 0 || !scrollBy(CGPoint{0, step})) {
    drag_->autoscroll.reset();
    return false;
  }
  placeHeld(contentOffset().y + drag_->finger);
  return true;
}

void UITableView::endDrag() {
  if (drag_->autoscroll) CFRunLoop::main().cancelTimer(*drag_->autoscroll);
  const NSIndexPath from = drag_->path;
  const NSIndexPath to{from.section, static_cast<NSInteger>(dropSlot())};
  drag_.reset();
  // Kept alive: the data source may build the table again from inside.
  const auto self = shared_from_this();
  if (const auto source = dataSource_.lock(); source && !(from == to)) {
    source->moveRowAtIndexPath(from, to);
  }
  reloadData();
}
