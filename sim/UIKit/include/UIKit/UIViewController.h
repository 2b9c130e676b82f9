#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "Foundation/NSObjCRuntime.h"
#include "UIKit/UIView.h"

enum UIInterfaceOrientationMask : NSUInteger {
  UIInterfaceOrientationMaskPortrait = 1 << 1,
  UIInterfaceOrientationMaskPortraitUpsideDown = 1 << 2,
  UIInterfaceOrientationMaskLandscapeRight = 1 << 3,
  UIInterfaceOrientationMaskLandscapeLeft = 1 << 4,
  UIInterfaceOrientationMaskAll = 30,
  UIInterfaceOrientationMaskAllButUpsideDown = 26,
};

class UINavigationController;

// A button of a navigation bar: its title, and what a tap on it does.
struct UIBarButtonItem {
  std::string title;
  std::function<void()> action;
};

// Owns a view and answers the rotation questions for the window it is the root of. It may
// present another controller over its window, as an alert is presented, and owns it until it
// is dismissed. Controllers are reference-counted: make them with std::make_shared (or their
// own `make`).
class UIViewController : public std::enable_shared_from_this<UIViewController> {
 public:
  UIViewController() = default;
  UIViewController(const UIViewController&) = delete;
  UIViewController& operator=(const UIViewController&) = delete;
  virtual ~UIViewController();

  // Made on first use (a plain view the size of the screen) unless one was set.
  const std::shared_ptr<UIView>& view();
  void setView(std::shared_ptr<UIView> view) { view_ = std::move(view); }

  // What a navigation bar shows for the controller.
  const std::string& title() const { return title_; }
  void setTitle(std::string title) { title_ = std::move(title); }

  virtual NSUInteger supportedInterfaceOrientations() const;
  virtual bool shouldAutorotate() const;
  virtual bool shouldAutorotateToInterfaceOrientation(NSInteger orientation) const;

  // After its window's views were laid out anew (its size changed, as when the device turns).
  virtual void viewDidLayoutSubviews();
  // Before its view comes on screen (its navigation controller shows it at the top).
  virtual void viewWillAppear() {}
  // The escape gesture reaches a view's controller after the view: true where it was done.
  virtual bool accessibilityPerformEscape() { return false; }
  // Before its view leaves the screen (its navigation controller pops it or covers it).
  virtual void viewWillDisappear() {}

  // Asks every window again whether it turns to the device's orientation, as after what it
  // answers has changed.
  static void attemptRotationToDeviceOrientation();
  // Whether the controller lets its window turn to `orientation`.
  bool allowsRotationTo(NSInteger orientation) const;

  // Lays `controller`'s view over this one's window, across the whole of it; a text field there
  // loses the focus. Refused (and logged) while this one's view is in no window, or while it
  // presents another.
  void presentViewController(std::shared_ptr<UIViewController> controller);
  // Takes away what this controller presents, or, called on the presented one, itself.
  void dismissViewController();
  const std::shared_ptr<UIViewController>& presentedViewController() const { return presented_; }
  std::shared_ptr<UIViewController> presentingViewController() const { return presenting_.lock(); }

  // The navigation controller whose stack holds this one; null for none.
  std::shared_ptr<UINavigationController> navigationController() const {
    return navigationController_.lock();
  }
  void setNavigationController(std::weak_ptr<UINavigationController> navigation) {
    navigationController_ = std::move(navigation);
  }
  // The button at the right of the navigation bar while this one is at the top.
  const std::optional<UIBarButtonItem>& rightBarButtonItem() const { return rightBarButton_; }
  void setRightBarButtonItem(std::optional<UIBarButtonItem> item);

  // Whether the controller shows its content for editing, and an item that switches it,
  // titled "Edit" or "Done" as it stands.
  bool isEditing() const { return editing_; }
  virtual void setEditing(bool editing);
  UIBarButtonItem editButtonItem();

 protected:
  template <class Self>
  std::shared_ptr<Self> sharedAs() {
    return std::static_pointer_cast<Self>(shared_from_this());
  }

 private:
  std::shared_ptr<UIView> view_;
  std::string title_;
  std::shared_ptr<UIViewController> presented_;
  std::weak_ptr<UIViewController> presenting_;
  std::weak_ptr<UINavigationController> navigationController_;
  std::optional<UIBarButtonItem> rightBarButton_;
  bool editing_ = false;
};
