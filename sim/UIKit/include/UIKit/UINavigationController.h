#pragma once

#include <memory>
#include <vector>

#include "UIKit/UIButton.h"
#include "UIKit/UILabel.h"
#include "UIKit/UIViewController.h"

// A stack of view controllers under a navigation bar: the bar shows the top one's title, its
// right bar button if it has one, and, below the root, a back button named after the one
// beneath, which pops the top one. The top one's view fills the rest of the navigation
// controller's view.
class UINavigationController : public UIViewController {
 public:
  static constexpr CGFloat kBarHeight = 44;

  // Made through `make`, so that the back button can reach it.
  static std::shared_ptr<UINavigationController> make(std::shared_ptr<UIViewController> root);

  const std::vector<std::shared_ptr<UIViewController>>& viewControllers() const { return stack_; }
  const std::shared_ptr<UIViewController>& topViewController() const { return stack_.back(); }

  void pushViewController(std::shared_ptr<UIViewController> controller);
  // The top one goes, unless it is the root; answers the one that went.
  std::shared_ptr<UIViewController> popViewController();

  // The bar's parts, for those who look at it.
  const std::shared_ptr<UILabel>& titleLabel() const { return title_; }
  const std::shared_ptr<UIButton>& backButton() const { return back_; }
  const std::shared_ptr<UIButton>& rightButton() const { return right_; }
  // Shows the top one's title and buttons as they are now.
  void updateBar();
  std::string backTitle() const;

  void viewDidLayoutSubviews() override;
  bool accessibilityPerformEscape() override;

 private:
  UINavigationController() = default;
  void showTop();
  void placeBarElements();
  void popBack();
  void tapRight();

  std::vector<std::shared_ptr<UIViewController>> stack_;
  std::shared_ptr<UIView> bar_;
  std::shared_ptr<UILabel> title_;
  std::shared_ptr<UIButton> back_;
  std::shared_ptr<UILabel> backTitle_;
  std::shared_ptr<UIButton> right_;
};
