#include "host/HostFixture.h"

namespace {

namespace fx = plist_fixture;

class PopupWindowTest : public HostFixture {};

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

TEST_F(PopupWindowTest, PanelWidthFollowsTheScreen) {
  struct Case {
    CGFloat screen;
    CGFloat width;
    CGFloat x;
  };
  for (const Case c :
       {Case{320, 270, 25}, Case{375, 325, 25}, Case{400, 350, 25}, Case{768, 350, 209}}) {
    inFreshProcess(device({c.screen, 1024}), [c] {
      openPopup();
      EXPECT_EQ(panel()->frame().size.width, c.width) << c.screen;
      EXPECT_EQ(panel()->frame().origin.x, c.x) << c.screen;
      EXPECT_EQ(panel()->widgetWidth(), float(c.width));
    });
  }
}

TEST_F(PopupWindowTest, PanelHeightFollowsTheVisibleRows) {
  for (const int rows : {0, 5, 6}) {
    writeListOf(rows);
    inFreshProcess(device(), [rows] {
      openPopup();
      const CGFloat height = 50.0 * rows + 40;
      EXPECT_EQ(panel()->frame().size.height, height) << rows;
      EXPECT_EQ(panel()->frame().origin.y, (667 - height) / 2) << rows;
      EXPECT_EQ(panel()->subviews().size(), std::size_t(rows));
      EXPECT_FALSE(window()->isHidden()) << "shown even without rows";
    });
  }
}

TEST_F(PopupWindowTest, BlurNeedsThePreferenceAndNoReducedTransparency) {
  struct Case {
    bool blurPreference;
    bool reduceTransparency;
    bool blurred;
  };
  for (const Case c :
       {Case{true, false, true}, Case{true, true, false}, Case{false, false, false}}) {
    writePrefs(fx::dict({{"enableBackgroundBlur", plist_new_bool(c.blurPreference)}}));
    inFreshProcess(device(), [c] {
      UIAccessibilitySetReduceTransparencyEnabled(c.reduceTransparency);
      openPopup();
      const auto rootView = window()->rootViewController()->view();
      const bool hasBlur =
          std::dynamic_pointer_cast<UIVisualEffectView>(rootView->subviews()[0]) != nullptr;
      EXPECT_EQ(hasBlur, c.blurred);
      EXPECT_EQ(rootView->subviews().size(), c.blurred ? 3u : 2u);
      EXPECT_EQ(rootView->backgroundColor().has_value(), c.blurred)
          << "the background is only set with the blur";
    });
  }
}

TEST_F(PopupWindowTest, TapOnThePanelKeepsItTapOutsideCloses) {
  inFreshProcess(device(), [] {
    openPopup();
    auto& app = UIApplication::sharedApplication();
    const auto panelFrame = panel()->frame();
    const auto hitPanel = app.tap({panelFrame.origin.x + 5, panelFrame.origin.y + 5});
    EXPECT_EQ(hitPanel, panel());
    EXPECT_TRUE(window());
    const auto hitRow = app.tap({panelFrame.origin.x + 10, panelFrame.origin.y + 20});
    EXPECT_STREQ(hitRow->className(), "UIView") << "a row, through its label";
    EXPECT_TRUE(window());

    const std::weak_ptr<UIWindow> closed = window();
    const auto hitOutside = app.tap({5, 5});
    EXPECT_STREQ(hitOutside->className(), "UIButton");
    EXPECT_FALSE(window());
    EXPECT_TRUE(closed.expired()) << "the window is dropped";
    EXPECT_TRUE(UIScreen::mainScreen().windows().empty());
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
    EXPECT_EQ(windowsAtLevel(2002), 1);
    EXPECT_EQ(UIScreen::mainScreen().windows().back(), window());
  });
}

TEST_F(PopupWindowTest, RotationKeepsThePanelCentred) {
  inFreshProcess(device({375, 667}), [] {
    openPopup();
    UIScreen::mainScreen().setOrientation(UIInterfaceOrientationLandscapeLeft);
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
    UIScreen::mainScreen().setOrientation(UIInterfaceOrientationPortraitUpsideDown);
    EXPECT_EQ(window()->frame(), CGRectMake(0, 0, 375, 667)) << "upside down is allowed too";
  });
}

}  // namespace
