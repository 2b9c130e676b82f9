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

  // Asked when a finger goes down on the control, before it is given the touch: a control that
  // answers false lets the touch go on to the scroll view it lies in, if any.
  virtual bool beginTrackingWithTouch(CGPoint) { return true; }

  void touchesBegan(CGPoint point) override;
  void touchesEnded(CGPoint point) override;

 private:
  struct Action {
    std::weak_ptr<const void> target;
    std::function<void(UIControl&)> invoke;
    unsigned events;
  };
  void addAction(std::weak_ptr<const void> target, std::function<void(UIControl&)> invoke,
                 unsigned events);

  bool highlighted_ = false;
  std::vector<Action> actions_;
};
