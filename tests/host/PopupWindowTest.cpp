#include "UIKit/UIScreenSetup.h"
#include "UIKit/UITouches.h"
#include "host/HostFixture.h"

namespace {

namespace fx = plist_fixture;

class PopupWindowTest : public HostFixture {};

// The screen's windows but SpringBoard's status bar.
std::vector<std::shared_ptr<UIWindow>> windowsAboveTheStatusBar() {
  auto windows = UIScreen::mainScreen().windows();
  std::erase_if(windows, [](const auto& w) { return w->windowLevel() <= UIWindowLevelStatusBar; });
  return windows;
}

TEST_F(PopupWindowTest, EventBuildsTheTreeBackToFrontAndShowsItOnTop) {
  inFreshProcess(device(), [] {
    ASSERT_FALSE(window());
    ASSERT_TRUE(openPopup()) << "the event is marked handled";
    EXPECT_EQ(UIScreen::mainScreen().windows().back(), window());
    const auto rootView = window()->rootViewController()->view();
    ASSERT_EQ(window()->subviews(), std::vector<std::shared_ptr<UIView>>{rootView});
    ASSERT_EQ(rootView->subviews().size(), 3u) << "blur, close button, panel";
    EXPECT_TRUE(std::dynamic_pointer_cast<UIVisualEffectView>(rootView->subviews()[0]));
    const auto button = std::dynamic_pointer_cast<UIButton>(rootView->subviews()[1]);
    ASSERT_TRUE(button);
    EXPECT_EQ(button->actionCount(UIControlEventTouchUpInside), 1u);
    EXPECT_EQ(rootView->subviews()[2], panel());
    EXPECT_EQ(panel()->subviews().size(), 5u);
  });
}

TEST_F(PopupWindowTest, APanelWithoutRowsIsStillShown) {
  writeList(fx::array({fx::entry("PhoneCall", "Hidden", false)}));
  inFreshProcess(device(), [] {
    openPopup();
    EXPECT_EQ(panel()->frame(), CGRectMake(25, 313.5, 325, 40));
    EXPECT_TRUE(panel()->subviews().empty());
    EXPECT_FALSE(window()->isHidden());
  });
}

TEST_F(PopupWindowTest, TapOnThePanelKeepsItTapOutsideCloses) {
  inFreshProcess(device(), [] {
    openPopup();
    auto& touches = UITouches::shared();
    const auto panelFrame = panel()->frame();
    const auto hitPanel = touches.tap({panelFrame.origin.x + 5, panelFrame.origin.y + 5});
    EXPECT_EQ(hitPanel, panel());
    EXPECT_TRUE(window());
    const auto hitRow = touches.tap({panelFrame.origin.x + 10, panelFrame.origin.y + 20});
    EXPECT_STREQ(hitRow->className(), "UIView") << "a row, through its label";
    EXPECT_TRUE(window());

    const std::weak_ptr<UIWindow> closed = window();
    const auto hitOutside = touches.tap({5, 5});
    EXPECT_STREQ(hitOutside->className(), "UIButton");
    EXPECT_FALSE(window());
    EXPECT_TRUE(closed.expired()) << "the window is dropped";
    EXPECT_TRUE(windowsAboveTheStatusBar().empty());
    ASSERT_TRUE(panel()) << "the panel stays referenced until the next event";
    EXPECT_FALSE(panel()->superview());
  });
}

TEST_F(PopupWindowTest, SecondEventLeavesOnePopupWindow) {
  inFreshProcess(device(), [] {
    openPopup();
    const std::weak_ptr<UIWindow> first = window();
    const std::weak_ptr<OrbelleView> firstPanel = panel();
    openPopup();
    EXPECT_TRUE(first.expired());
    EXPECT_TRUE(firstPanel.expired());
    EXPECT_EQ(windowsAboveTheStatusBar(), std::vector<std::shared_ptr<UIWindow>>{window()})
        << "one popup window, on the screen";
  });
}

TEST_F(PopupWindowTest, RotationKeepsThePanelCentred) {
  inFreshProcess(device(), [] {
    openPopup();
    UIScreenSetup::setOrientation(UIInterfaceOrientationLandscapeLeft);
    EXPECT_EQ(window()->frame(), CGRectMake(0, 0, 667, 375));
    const auto frame = panel()->frame();
    EXPECT_EQ(frame.size.width, 325) << "the panel keeps its size";
    EXPECT_EQ(frame.origin.x + frame.size.width / 2, 667 / 2.0);
    EXPECT_EQ(frame.origin.y + frame.size.height / 2, 375 / 2.0);
    for (const auto& layer : window()->rootViewController()->view()->subviews()) {
      if (layer != panel()) {
        EXPECT_EQ(layer->frame(), CGRectMake(0, 0, 667, 375)) << "blur and button stretch";
      }
    }
    UIScreenSetup::setOrientation(UIInterfaceOrientationPortraitUpsideDown);
    EXPECT_EQ(window()->frame(), CGRectMake(0, 0, 375, 667)) << "upside down is allowed too";
  });
}

}  // namespace
