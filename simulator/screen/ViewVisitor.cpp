#include "screen/ViewVisitor.h"

#include "UIKit/UIImageView.h"
#include "UIKit/UILabel.h"
#include "UIKit/UIScreen.h"
#include "UIKit/UIScrollView.h"
#include "UIKit/UISlider.h"
#include "UIKit/UISwitch.h"
#include "UIKit/UITableViewCell.h"
#include "UIKit/UITextField.h"
#include "UIKit/UIVisualEffectView.h"
#include "UIKit/UIWindow.h"

ViewKind kindOf(const UIView& view) {
  if (const auto* window = dynamic_cast<const UIWindow*>(&view)) return window;
  if (const auto* label = dynamic_cast<const UILabel*>(&view)) return label;
  if (const auto* slider = dynamic_cast<const UISlider*>(&view)) return slider;
  if (const auto* toggle = dynamic_cast<const UISwitch*>(&view)) return toggle;
  if (const auto* field = dynamic_cast<const UITextField*>(&view)) return field;
  if (const auto* cell = dynamic_cast<const UITableViewCell*>(&view)) return cell;
  if (const auto* scroller = dynamic_cast<const UIScrollView*>(&view)) return scroller;
  if (const auto* blur = dynamic_cast<const UIVisualEffectView*>(&view)) return blur;
  if (const auto* picture = dynamic_cast<const UIImageView*>(&view)) return picture;
  return &view;
}

void ViewVisitor::leave(const UIView&, const ViewKind&, int) {
}

void ViewVisitor::walk(const UIView& root, int depth) {
  const ViewKind kind = kindOf(root);
  if (!enter(root, kind, depth)) return;
  for (const auto& subview : root.subviews()) walk(*subview, depth + 1);
  leave(root, kind, depth);
}

void ViewVisitor::walkScreen() {
  // What is described is what would be drawn: laid out first, as a frame is.
  UIScreen::mainScreen().layoutWindows();
  for (const auto& window : UIScreen::mainScreen().windows()) walk(*window);
}
