#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CoreGraphics/CGGeometry.h"
#include "Foundation/NSObjCRuntime.h"
#include "QuartzCore/CALayer.h"
#include "UIKit/UIAccessibility.h"
#include "UIKit/UIColor.h"
#include "UIKit/UIGeometry.h"

// A rectangle of the view tree. Views are reference-counted: create them with
// std::make_shared; a superview owns its subviews, a subview knows its superview weakly.
class UIView : public std::enable_shared_from_this<UIView> {
 public:
  explicit UIView(CGRect frame = {});
  UIView(const UIView&) = delete;
  UIView& operator=(const UIView&) = delete;
  virtual ~UIView();

  // The class name a view dump shows.
  virtual const char* className() const { return "UIView"; }

  CGRect frame() const { return frame_; }
  // A change of size resizes the subviews by their autoresizing masks, then lays the view out.
  void setFrame(CGRect frame);
  // The view's own coordinates: its size, from the origin its content is seen at (a scroll
  // view's content offset; zero for other views).
  CGRect bounds() const { return CGRect{boundsOrigin(), frame_.size}; }
  virtual CGPoint boundsOrigin() const { return CGPoint{0, 0}; }
  // Whether subviews are cut off at the view's bounds when drawn.
  virtual bool clipsToBounds() const { return false; }

  NSInteger tag() const { return tag_; }
  void setTag(NSInteger tag) { tag_ = tag; }

  const std::optional<UIColor>& backgroundColor() const { return backgroundColor_; }
  void setBackgroundColor(std::optional<UIColor> color) { backgroundColor_ = color; }

  CGFloat alpha() const { return alpha_; }
  void setAlpha(CGFloat alpha) { alpha_ = alpha; }

  bool isHidden() const { return hidden_; }
  virtual void setHidden(bool hidden) { hidden_ = hidden; }

  void setUserInteractionEnabled(bool enabled) { userInteractionEnabled_ = enabled; }

  unsigned autoresizingMask() const { return autoresizingMask_; }
  void setAutoresizingMask(unsigned mask) { autoresizingMask_ = mask; }

  CALayer& layer() { return layer_; }
  const CALayer& layer() const { return layer_; }

  std::shared_ptr<UIView> superview() const { return superview_.lock(); }
  const std::vector<std::shared_ptr<UIView>>& subviews() const { return subviews_; }

  // Adds `view` on top of the others, taking it from its former superview first.
  void addSubview(const std::shared_ptr<UIView>& view);
  void removeFromSuperview();

  // Depth first: this view, then each subview's tree in order. Null when none has the tag.
  // Each lookup walks the tree, as the framework's does.
  std::shared_ptr<UIView> viewWithTag(NSInteger tag);

  // True for the view itself and for every view above it in the tree.
  bool isAncestorOf(const UIView& view) const;

  // The deepest view that takes touches at `point` (in this view's coordinates): subviews
  // front to back before the view itself; hidden, transparent (alpha below 0.01) and
  // non-interactive views and their trees take none.
  virtual std::shared_ptr<UIView> hitTest(CGPoint point);
  bool pointInside(CGPoint point) const;

  // `point` in this view's coordinates, in those of `view` (null: the root of the tree).
  CGPoint convertPointToView(CGPoint point, const UIView* view) const;
  // How far in from each edge the view's content keeps clear of what its window's screen
  // covers (the status bar, a notch, the home indicator): the window's safe area where the
  // view reaches into it, nothing for a view in no window.
  UIEdgeInsets safeAreaInsets() const;

  // Called after a change of size has resized the subviews.
  // Lays out the subviews. UIKit calls it in a layout pass (before the run loop waits, before a
  // touch is delivered or the screen is drawn) for each view marked since the last: one new in
  // its window, one whose size changed, one asked for with setNeedsLayout. Never inside setFrame.
  virtual void layoutSubviews();
  void setNeedsLayout();
  // The pass over this view and those under it, now.
  void layoutIfNeeded();

  // UIAccessibility: how VoiceOver reads the view. What is not set is UIKit's own answer for
  // the kind of view: a view that draws nothing and has no label is no element.
  virtual bool isAccessibilityElement() const;
  void setIsAccessibilityElement(bool element) { ax_.element = element; }
  // Whether the app said, for a kind of view whose answer depends on it.
  bool isElementSet() const { return ax_.element.has_value(); }
  virtual std::string accessibilityLabel() const;
  void setAccessibilityLabel(std::optional<std::string> label) { ax_.label = std::move(label); }
  virtual std::string accessibilityValue() const;
  void setAccessibilityValue(std::optional<std::string> value) { ax_.value = std::move(value); }
  const std::string& accessibilityHint() const { return ax_.hint; }
  void setAccessibilityHint(std::string hint) { ax_.hint = std::move(hint); }
  virtual UIAccessibilityTraits accessibilityTraits() const;
  void setAccessibilityTraits(UIAccessibilityTraits traits) { ax_.traits = traits; }
  // In the screen's points: the frame in container space where one is set (in the
  // superview's coordinates, following it as it moves), else the view's own; the activation
  // point is where one is set (screen points), else the frame's middle.
  CGRect accessibilityFrame() const;
  void setAccessibilityFrameInContainerSpace(std::optional<CGRect> frame) {
    ax_.frameInContainer = frame;
  }
  CGPoint accessibilityActivationPoint() const;
  void setAccessibilityActivationPoint(std::optional<CGPoint> point) {
    ax_.activationPoint = point;
  }
  bool accessibilityElementsHidden() const { return ax_.elementsHidden; }
  void setAccessibilityElementsHidden(bool hidden) { ax_.elementsHidden = hidden; }
  // A modal view hides its siblings (and theirs) from VoiceOver.
  bool accessibilityViewIsModal() const { return ax_.modal; }
  void setAccessibilityViewIsModal(bool modal) { ax_.modal = modal; }
  // Its elements in an order of its own, in place of its subviews' reading order.
  const std::vector<std::weak_ptr<UIView>>& accessibilityElements() const { return ax_.order; }
  void setAccessibilityElements(std::vector<std::weak_ptr<UIView>> order) {
    ax_.order = std::move(order);
  }
  virtual void accessibilityIncrement() {}
  virtual void accessibilityDecrement() {}
  // True when it did the activation itself; false lets VoiceOver touch its activation point.
  virtual bool accessibilityActivate() { return false; }
  // The escape gesture, from the element up its chain; true where it was done.
  virtual bool accessibilityPerformEscape() { return false; }

  // Touches delivered to the view that hitTest chose, in its coordinates.
  virtual void touchesBegan(CGPoint point);
  virtual void touchesMoved(CGPoint point);
  virtual void touchesEnded(CGPoint point);
  // The touch was taken away (a scroll view began to scroll under it): it will not end here.
  virtual void touchesCancelled();

 private:
  struct Accessibility {
    std::optional<bool> element;
    std::optional<std::string> label;
    std::optional<std::string> value;
    std::string hint;
    std::optional<UIAccessibilityTraits> traits;
    std::optional<CGRect> frameInContainer;
    std::optional<CGPoint> activationPoint;
    bool elementsHidden = false;
    bool modal = false;
    std::vector<std::weak_ptr<UIView>> order;
  };
  Accessibility ax_;
  CGPoint originInRoot() const;
  void adoptSubviews();
  void resizeWithOldSuperviewSize(CGSize oldSize);

  CGRect frame_;
  NSInteger tag_ = 0;
  std::optional<UIColor> backgroundColor_;
  CGFloat alpha_ = 1.0;
  bool hidden_ = false;
  bool needsLayout_ = true;
  // A view under this one awaits the pass: a pass walks only the branches that do, so a finger's
  // move costs nothing when nothing changed size.
  bool layoutBelow_ = true;
  void noteLayoutBelow();
  bool userInteractionEnabled_ = true;
  unsigned autoresizingMask_ = UIViewAutoresizingNone;
  CALayer layer_;
  std::weak_ptr<UIView> superview_;
  std::vector<std::shared_ptr<UIView>> subviews_;
};
