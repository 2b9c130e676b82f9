#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "UIKit/UIView.h"

// A view that sends actions to targets when control events happen. Targets are held weakly,
// as UIKit does not retain them; an action whose target is gone is not sent.
class UIControl : public UIView {
 public:
  using UIView::UIView;
  const char* className() const override { return "UIControl"; }

  bool isHighlighted() const { return highlighted_; }
  void setHighlighted(bool highlighted) { highlighted_ = highlighted; }
  unsigned state() const { return highlighted_ ? UIControlStateHighlighted : UIControlStateNormal; }
  // A disabled control draws dimmed and takes no touch: a finger on it reaches what lies under
  // it, as a disabled control's does on a phone.
  bool isEnabled() const { return enabled_; }
  void setEnabled(bool enabled) { enabled_ = enabled; }
  std::shared_ptr<UIView> hitTest(CGPoint point) override;

  // Target-action: `action` is a member of T taking nothing or the sender.
  template <class T>
  void addTarget(const std::shared_ptr<T>& target, void (T::*action)(), unsigned events) {
    T* raw = target.get();
    addAction(
        target, [raw, action](UIControl&) { (raw->*action)(); }, events);
  }
  template <class T, class Sender>
  void addTarget(const std::shared_ptr<T>& target, void (T::*action)(Sender&), unsigned events) {
    T* raw = target.get();
    addAction(
        target,
        [raw, action](UIControl& sender) {
          if (auto* typed = dynamic_cast<Sender*>(&sender)) (raw->*action)(*typed);
        },
        events);
  }

  // Sends the actions registered for any of `events`, in the order they were added.
  void sendActionsForControlEvents(unsigned events);

  // How many live targets listen to `events`; for dumps and tests.
  std::size_t actionCount(unsigned events) const;

  // How far outside its bounds a finger still counts as inside the control, in points.
  static constexpr CGFloat kTouchSlop = 70;
  // Whether `point` (in the control's coordinates) is within its bounds and the slop around.
  bool isWithinTouchSlop(CGPoint point) const;
  // Whether the finger tracked now is inside, slop included.
  bool isTouchInside() const { return touchInside_; }

  // Asked when a finger goes down on the control, before it is given the touch: a control that
  // answers false lets the touch go on to the scroll view it lies in, if any.
  virtual bool beginTrackingWithTouch(CGPoint) { return true; }

  // Down: highlighted, touch-down. Moves: drag-inside or drag-outside, with drag-enter and
  // drag-exit as the finger crosses the slop's edge, the highlight following it. Up:
  // touch-up-inside or touch-up-outside. Cancelled: touch-cancel. The highlight goes at the end.
  void touchesBegan(CGPoint point) override;
  void touchesMoved(CGPoint point) override;
  void touchesEnded(CGPoint point) override;
  void touchesCancelled() override;

 protected:
  // Whether the highlight follows the finger in and out of the slop (a slider's thumb stays
  // highlighted for as long as it is held, wherever the finger goes).
  virtual bool highlightFollowsTouch() const { return true; }

 private:
  struct Action {
    std::weak_ptr<const void> target;
    std::function<void(UIControl&)> invoke;
    unsigned events;
  };
  void addAction(std::weak_ptr<const void> target, std::function<void(UIControl&)> invoke,
                 unsigned events);

  bool highlighted_ = false;
  bool enabled_ = true;
  bool touchInside_ = false;
  std::vector<Action> actions_;
};
