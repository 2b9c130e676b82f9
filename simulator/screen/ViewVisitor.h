#pragma once

#include <variant>

class UIView;
class UIWindow;
class UILabel;
class UISlider;
class UIScrollView;
class UIVisualEffectView;
class UIImageView;
class UISwitch;
class UITableViewCell;
class UITextField;

// The kinds of view the simulator draws and describes each in its own way, told apart once.
using ViewKind = std::variant<const UIWindow*, const UILabel*, const UISlider*, const UISwitch*,
                              const UITextField*, const UITableViewCell*, const UIScrollView*,
                              const UIVisualEffectView*, const UIImageView*, const UIView*>;
ViewKind kindOf(const UIView& view);

// Something that looks at a view tree depth first: each view on the way down, with its kind and
// depth (the root is 0), and again on the way back up once its subviews are done.
class ViewVisitor {
 public:
  virtual ~ViewVisitor() = default;
  // False leaves the view's subviews out, and `leave` is not called for it.
  virtual bool enter(const UIView& view, const ViewKind& kind, int depth) = 0;
  virtual void leave(const UIView& view, const ViewKind& kind, int depth);

  // `root` and every view below it.
  void walk(const UIView& root, int depth = 0);
  // Every visible window of the screen, back to front, each with its tree.
  void walkScreen();
};
