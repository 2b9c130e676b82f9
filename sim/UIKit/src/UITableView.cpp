#include "UIKit/UITableView.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <utility>

namespace {

const UIColor kGroundColor{0.94, 0.94, 0.96, 1};
const UIColor kNoteColor{0.43, 0.43, 0.45, 1};
constexpr CGFloat kHeaderGap = 55;  // above a section with a header
constexpr CGFloat kNoteHeight = 18;
constexpr CGFloat kFooterHeight = 30;
constexpr CGFloat kTapSlop = 10;  // a finger that moves further scrolls rather than selects

std::shared_ptr<UILabel> note(const std::string& text, CGRect frame) {
  auto label = std::make_shared<UILabel>(frame);
  label->setText(text);
  label->setFont(UIFont::systemFontOfSize(13));
  label->setTextColor(kNoteColor);
  return label;
}

std::string capitals(std::string text) {
  for (auto& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

UITableView::UITableView(CGRect frame) : UIScrollView(frame) {
  setBackgroundColor(kGroundColor);
}

void UITableView::reloadData() {
  // Taken out first: a field leaving with its row ends its editing, and what that runs may
  // build the rows again.
  const auto rows = std::exchange(rows_, {});
  const auto notes = std::exchange(headers_, {});
  const unsigned reload = ++reloads_;
  for (const auto& row : rows) row.cell->removeFromSuperview();
  for (const auto& label : notes) label->removeFromSuperview();
  if (reload != reloads_) return;  // built again meanwhile
  touchedRow_.reset();
  selected_.reset();
  if (const auto source = dataSource_.lock()) {
    for (NSInteger section = 0; section < source->numberOfSections(); ++section) {
      for (NSInteger row = 0; row < source->numberOfRowsInSection(section); ++row) {
        if (auto cell = source->cellForRowAtIndexPath({section, row})) {
          rows_.push_back(Row{{section, row}, std::move(cell)});
        }
      }
    }
  }
  drag_.reset();
  showHandles();
  layOut();
}

void UITableView::setEditing(bool editing) {
  editing_ = editing;
  unhighlight();
  selectRowAtIndexPath(std::nullopt);
  drag_.reset();
  showHandles();
  layOut();
}

void UITableView::showHandles() {
  const auto source = dataSource_.lock();
  for (const auto& row : rows_) {
    row.cell->setShowsReorderControl(editing_ && source && source->canMoveRowAtIndexPath(row.path));
  }
}

// Sections top to bottom: the gap (with the header in it), the rows, the footer.
void UITableView::layOut() {
  const auto source = dataSource_.lock();
  const auto delegate = delegate_.lock();
  const CGFloat width = frame().size.width;
  CGFloat y = 0;
  auto row = rows_.begin();
  const NSInteger sections = source ? source->numberOfSections() : 0;
  for (NSInteger section = 0; section < sections; ++section) {
    const auto header = source->titleForHeaderInSection(section);
    y += header ? kHeaderGap : kSectionGap;
    if (header) {
      headers_.push_back(
          note(capitals(*header),
               CGRectMake(UITableViewCell::kMargin, y - kNoteHeight - 6, width - 30, kNoteHeight)));
      headers_.back()->setAccessibilityTraits(UIAccessibilityTraitHeader);
      addSubview(headers_.back());
    }
    for (; row != rows_.end() && row->path.section == section; ++row) {
      const auto next = std::next(row);
      row->cell->setShowsSeparator(next != rows_.end() && next->path.section == section);
      const CGFloat height =
          delegate ? delegate->heightForRowAtIndexPath(row->path) : UITableViewCell::kHeight;
      row->cell->setFrame(CGRectMake(0, y, width, height));
      row->cell->layoutSubviews();
      addSubview(row->cell);
      y += height;
    }
    y += layOutFooter(section, y, width);
  }
  setContentSize(CGSize{width, y + kSectionGap});
}

std::shared_ptr<UILabel> UITableView::footerLabel(const std::string& text) {
  auto label = note(text, {});
  label->setNumberOfLines(0);
  return label;
}

CGFloat UITableView::layOutFooter(NSInteger section, CGFloat top, CGFloat width) {
  const auto source = dataSource_.lock();
  const auto delegate = delegate_.lock();
  std::shared_ptr<UIView> footer = delegate ? delegate->viewForFooterInSection(section) : nullptr;
  if (!footer) {
    const auto title = source->titleForFooterInSection(section);
    if (!title) return 0;
    footer = footerLabel(*title);
  }
  const auto* label = dynamic_cast<const UILabel*>(footer.get());
  const CGFloat height = std::max(
      kNoteHeight, label ? label->heightForWidth(width - 30) : footer->frame().size.height);
  footer->setFrame(CGRectMake(UITableViewCell::kMargin, top + 6, width - 30, height));
  headers_.push_back(std::move(footer));
  addSubview(headers_.back());
  return height + kFooterHeight - kNoteHeight;
}

void UITableView::layoutSubviews() {
  for (const auto& label : headers_) label->removeFromSuperview();
  headers_.clear();
  layOut();  // its new content size brings the offset back within it
}

std::shared_ptr<UITableViewCell> UITableView::cellForRowAtIndexPath(NSIndexPath path) const {
  for (const auto& row : rows_) {
    if (row.path == path) return row.cell;
  }
  return nullptr;
}

std::optional<NSIndexPath> UITableView::indexPathForRowAtPoint(CGPoint point) const {
  for (const auto& row : rows_) {
    if (CGRectContainsPoint(row.cell->frame(), point)) return row.path;
  }
  return std::nullopt;
}

void UITableView::touchesBegan(CGPoint point) {
  if (editing_ && beginDrag(point)) return;
  UIScrollView::touchesBegan(point);
  touchDown_ = CGPoint{point.x - contentOffset().x, point.y - contentOffset().y};
  touchedRow_ = indexPathForRowAtPoint(point);
  if (touchedRow_) cellForRowAtIndexPath(*touchedRow_)->setHighlighted(true);
}

void UITableView::touchesMoved(CGPoint point) {
  if (drag_) return dragTo(point);
  UIScrollView::touchesMoved(point);
  const CGPoint now{point.x - contentOffset().x, point.y - contentOffset().y};
  if (std::hypot(now.x - touchDown_.x, now.y - touchDown_.y) > kTapSlop) unhighlight();
}

void UITableView::touchesEnded(CGPoint point) {
  if (drag_) {
    dragTo(point);
    return endDrag();
  }
  const auto chosen = touchedRow_;
  touchedRow_.reset();
  if (!chosen) return;
  selectRowAtIndexPath(chosen);
  if (const auto delegate = delegate_.lock()) delegate->didSelectRowAtIndexPath(*chosen);
}

void UITableView::selectRowAtIndexPath(std::optional<NSIndexPath> path) {
  if (selected_) {
    if (const auto cell = cellForRowAtIndexPath(*selected_)) cell->setHighlighted(false);
  }
  selected_ = path;
  if (selected_) {
    if (const auto cell = cellForRowAtIndexPath(*selected_)) cell->setHighlighted(true);
  }
}

void UITableView::deselectRowAtIndexPath(NSIndexPath path) {
  if (selected_ == path) selectRowAtIndexPath(std::nullopt);
}

void UITableView::touchesCancelled() {
  unhighlight();
  if (drag_) {
    drag_.reset();
    layoutSubviews();
  }
}

void UITableView::unhighlight() {
  if (touchedRow_ && touchedRow_ != selected_) {
    if (const auto cell = cellForRowAtIndexPath(*touchedRow_)) cell->setHighlighted(false);
  }
  touchedRow_.reset();
}
