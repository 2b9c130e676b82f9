#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "UIKit/UIScrollView.h"
#include "UIKit/UITableViewCell.h"

struct NSIndexPath {
  NSInteger section = 0;
  NSInteger row = 0;
  bool operator==(const NSIndexPath&) const = default;
};

// What a table shows, asked for again on every reloadData.
class UITableViewDataSource {
 public:
  virtual ~UITableViewDataSource() = default;
  virtual NSInteger numberOfSections() { return 1; }
  virtual NSInteger numberOfRowsInSection(NSInteger section) = 0;
  virtual std::shared_ptr<UITableViewCell> cellForRowAtIndexPath(NSIndexPath path) = 0;
  virtual std::optional<std::string> titleForHeaderInSection(NSInteger) { return std::nullopt; }
  virtual std::optional<std::string> titleForFooterInSection(NSInteger) { return std::nullopt; }
  // Whether a row shows a handle to drag it by while the table is editing.
  virtual bool canMoveRowAtIndexPath(NSIndexPath) { return false; }
  // A row was dragged from one place to another within its section, `to` counted in the
  // section as it is after the move. The table builds its rows again after this.
  virtual void moveRowAtIndexPath(NSIndexPath, NSIndexPath) {}
};

// What a table tells of a row a finger chose, and asks of its rows' heights and its footers.
class UITableViewDelegate {
 public:
  virtual ~UITableViewDelegate() = default;
  virtual void didSelectRowAtIndexPath(NSIndexPath path) = 0;
  virtual CGFloat heightForRowAtIndexPath(NSIndexPath) { return UITableViewCell::kHeight; }
  // A view of the delegate's own in place of the footer's title; null for the title. A label
  // is as tall as its text at the table's width.
  virtual std::shared_ptr<UIView> viewForFooterInSection(NSInteger) { return nullptr; }
};

// A grouped table, as a preferences page is: sections of rows on a light grey ground, each
// section with its header above (small capitals) and its footer below. Its rows scroll like any
// content; a finger lifted on a row where it went down, without scrolling, selects it: the row
// shows grey while the finger is on it and stays grey, selected, once the delegate hears of it,
// until it is deselected or the rows are built again. Both the data source and
// the delegate are held weakly, as UIKit holds them. While it is editing, each row that can move
// shows a handle at its right edge in place of its accessory: a finger on a handle drags the
// row up and down its section, the others making room, and on release the data source hears
// where it went.
class UITableView : public UIScrollView {
 public:
  static constexpr CGFloat kSectionGap = 35;

  explicit UITableView(CGRect frame = {});
  const char* className() const override { return "UITableView"; }

  void setDataSource(std::weak_ptr<UITableViewDataSource> source) {
    dataSource_ = std::move(source);
  }
  void setDelegate(std::weak_ptr<UITableViewDelegate> delegate) { delegate_ = std::move(delegate); }

  // Builds every row again from the data source, and lays them out.
  void reloadData();
  bool isEditing() const { return editing_; }
  void setEditing(bool editing);
  // The row shown at a path; null for none.
  std::shared_ptr<UITableViewCell> cellForRowAtIndexPath(NSIndexPath path) const;
  std::optional<NSIndexPath> indexPathForRowAtPoint(CGPoint point) const;  // content points
  const std::optional<NSIndexPath>& indexPathForSelectedRow() const { return selected_; }
  void selectRowAtIndexPath(std::optional<NSIndexPath> path);
  void deselectRowAtIndexPath(NSIndexPath path);
  // The footer's text, as the table draws it under a section.
  static std::shared_ptr<UILabel> footerLabel(const std::string& text);

  void touchesBegan(CGPoint point) override;
  void touchesMoved(CGPoint point) override;
  void touchesEnded(CGPoint point) override;
  void touchesCancelled() override;
  void layoutSubviews() override;

 private:
  struct Row {
    NSIndexPath path;
    std::shared_ptr<UITableViewCell> cell;
  };
  void layOut();
  // Lays the section's footer, if any, under `top`; answers the room it takes.
  CGFloat layOutFooter(NSInteger section, CGFloat top, CGFloat width);
  void unhighlight();
  void showHandles();
  bool beginDrag(CGPoint point);
  void dragTo(CGPoint point);
  // The held row with the finger at `fingerY` of the content.
  void placeHeld(CGFloat fingerY);
  // Held near the top or bottom of what shows, the table scrolls on under the still finger, the
  // faster the nearer the edge, as UIKit's does: a row can be taken past the visible part.
  CGFloat autoscrollStep() const;
  void keepScrolling();
  bool autoscroll();
  void endDrag();
  // The rows of the dragged row's section, and the slot the dragged one would drop into now.
  std::vector<Row*> sectionRows();
  std::size_t dropSlot() const;

  std::weak_ptr<UITableViewDataSource> dataSource_;
  std::weak_ptr<UITableViewDelegate> delegate_;
  std::vector<Row> rows_;
  std::vector<std::shared_ptr<UIView>> headers_;  // a section's header and footer, in order
  std::optional<NSIndexPath> touchedRow_;
  std::optional<NSIndexPath> selected_;
  CGPoint touchDown_{};
  bool editing_ = false;
  unsigned reloads_ = 0;
  // A row held by its handle: where it is in its section, the first row's top, how far below
  // the row's top the finger holds it, and where the finger is in the table's frame.
  struct Drag {
    NSIndexPath path;
    CGFloat sectionTop = 0;
    std::size_t rows = 0;
    CGFloat grip = 0;
    CGFloat finger = 0;
    std::optional<CFRunLoop::TimerId> autoscroll;
  };
  std::optional<Drag> drag_;
};
