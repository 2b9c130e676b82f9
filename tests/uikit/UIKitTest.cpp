#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>

#include "CoreFoundation/CFRunLoop.h"

#include "UIKit/UIApplication.h"
#include "UIKit/UIButton.h"
#include "UIKit/UIImage.h"
#include "UIKit/UILabel.h"
#include "UIKit/UIScreen.h"
#include "UIKit/UIScrollView.h"
#include "UIKit/UISlider.h"
#include "UIKit/UIWindow.h"
#include "support/DevicePaths.h"
#include "support/TempDeviceRoot.h"

namespace {

std::shared_ptr<UIView> view(CGFloat x, CGFloat y, CGFloat w, CGFloat h, NSInteger tag = 0) {
  auto v = std::make_shared<UIView>(CGRectMake(x, y, w, h));
  v->setTag(tag);
  return v;
}

TEST(UIViewTree, ViewWithTagSearchesSelfThenSubtreesInOrder) {
  const auto root = view(0, 0, 100, 100, 1);
  const auto a = view(0, 0, 10, 10, 2);
  const auto aChild = view(0, 0, 5, 5, 3);
  const auto b = view(0, 0, 10, 10, 3);
  root->addSubview(a);
  a->addSubview(aChild);
  root->addSubview(b);
  EXPECT_EQ(root->viewWithTag(1), root);
  EXPECT_EQ(root->viewWithTag(3), aChild) << "depth first: a's tree before b";
  EXPECT_EQ(b->viewWithTag(2), nullptr);
}

TEST(UIViewTree, HitTestPrefersFrontmostDeepestVisibleInteractiveView) {
  const auto root = view(0, 0, 100, 100);
  const auto back = view(0, 0, 100, 100, 1);
  const auto front = view(10, 10, 50, 50, 2);
  const auto inner = view(5, 5, 10, 10, 3);
  root->addSubview(back);
  root->addSubview(front);
  front->addSubview(inner);
  EXPECT_EQ(root->hitTest({20, 20}), inner);
  EXPECT_EQ(root->hitTest({30, 30}), front);
  EXPECT_EQ(root->hitTest({80, 80}), back);
  EXPECT_EQ(root->hitTest({150, 5}), nullptr);
  inner->setHidden(true);
  EXPECT_EQ(root->hitTest({20, 20}), front);
  const auto label = std::make_shared<UILabel>(CGRectMake(0, 0, 50, 50));
  front->addSubview(label);
  EXPECT_EQ(root->hitTest({20, 20}), front) << "labels let touches through";
}

struct Counter {
  int count = 0;
  void hit() { ++count; }
  void slid(UISlider& slider) { values.push_back(slider.value()); }
  std::vector<float> values;
};

// A window on the screen holding `content`, so that touches reach it as they reach any view.
std::shared_ptr<UIWindow> onScreen(const std::shared_ptr<UIView>& content) {
  auto window = std::make_shared<UIWindow>();
  window->addSubview(content);
  window->makeKeyAndVisible();
  return window;
}

TEST(UIControls, SliderFollowsTheFingerAndSendsEachMove) {
  const auto slider = std::make_shared<UISlider>(CGRectMake(20, 20, 260, 30));
  slider->setMaximumValue(100);
  const auto window = onScreen(slider);
  const auto counter = std::make_shared<Counter>();
  slider->addTarget(counter, &Counter::slid, UIControlEventValueChanged);
  const auto at = [&](float value) {
    return slider->convertPointToView(slider->pointForValue(value), nullptr);
  };

  auto& app = UIApplication::sharedApplication();
  ASSERT_EQ(app.touchDown(at(0)), slider);
  EXPECT_TRUE(slider->isHighlighted());
  EXPECT_TRUE(counter->values.empty()) << "touching down moves nothing";
  app.touchMoved(at(25));
  app.touchMoved({1000, 35});
  EXPECT_NEAR(counter->values.at(0), 25.0f, 1e-3);
  EXPECT_EQ(counter->values.at(1), 100.0f) << "clamped at the track's end";
  app.touchUp({1000, 35});
  EXPECT_FALSE(slider->isHighlighted());
  EXPECT_EQ(counter->values.size(), 2u);
}

// In a scroll view taller than its bounds, as the mixer's rows are: the slider takes only a
// finger that lands on its thumb (or near it); one on its track scrolls the content instead.
TEST(UIControls, ASliderTracksFromItsThumbAndLeavesItsTrackToTheScrollView) {
  const auto scroller = std::make_shared<UIScrollView>(CGRectMake(0, 0, 300, 200));
  scroller->setContentSize({300, 600});
  const auto slider = std::make_shared<UISlider>(CGRectMake(20, 100, 260, 30));
  slider->setMaximumValue(100);
  slider->setValue(50);
  scroller->addSubview(slider);
  const auto window = onScreen(scroller);
  const CGPoint thumb = slider->convertPointToView(slider->pointForValue(50), nullptr);
  auto& app = UIApplication::sharedApplication();

  ASSERT_EQ(app.touchDown({thumb.x - 80, thumb.y}), scroller) << "on the track";
  app.touchMoved({thumb.x - 78, thumb.y});
  app.touchMoved({thumb.x - 78, thumb.y - 60});
  app.touchUp({thumb.x - 78, thumb.y - 60});
  EXPECT_EQ(slider->value(), 50) << "a track never moves the slider";
  EXPECT_EQ(scroller->contentOffset().y, 60) << "it scrolled";
  ASSERT_TRUE(scroller->verticalScrollIndicator()) << "the indicator shows while it scrolls";
  CFRunLoop::main().runFor(std::chrono::milliseconds(1200));
  EXPECT_FALSE(scroller->verticalScrollIndicator()) << "and fades after";

  const CGPoint moved = slider->convertPointToView(slider->pointForValue(50), nullptr);
  const CGPoint nearThumb{moved.x + 14 + UISlider::kThumbSlop - 1, moved.y};
  ASSERT_EQ(app.touchDown(nearThumb), slider) << "within the slop around the thumb";
  app.touchMoved({nearThumb.x, nearThumb.y + 40});
  EXPECT_EQ(slider->value(), 50) << "straight down: the thumb keeps the finger's offset";
  app.touchMoved(
      {nearThumb.x + slider->pointForValue(75).x - slider->pointForValue(50).x, nearThumb.y});
  app.touchUp(nearThumb);
  EXPECT_NEAR(slider->value(), 75, 0.01);
  EXPECT_EQ(scroller->contentOffset().y, 60) << "the slider's finger scrolls nothing";
}

TEST(UIControls, SliderValueIsClampedAndNanIgnored) {
  UISlider slider;
  slider.setMaximumValue(100);
  slider.setValue(150, true);
  EXPECT_EQ(slider.value(), 100.0f);
  EXPECT_TRUE(slider.lastSetWasAnimated());
  slider.setValue(-3);
  EXPECT_EQ(slider.value(), 0.0f);
  slider.setValue(std::nanf(""));
  EXPECT_EQ(slider.value(), 0.0f);
}

TEST(UIControls, ButtonSendsTouchUpInsideOnlyInside) {
  const auto button = UIButton::buttonWithType(UIButtonTypeCustom);
  button->setFrame(CGRectMake(0, 0, 50, 50));
  const auto window = onScreen(button);
  auto counter = std::make_shared<Counter>();
  button->addTarget(counter, &Counter::hit, UIControlEventTouchUpInside);
  auto& app = UIApplication::sharedApplication();
  app.tap({10, 10});
  EXPECT_EQ(counter->count, 1);
  app.touchDown({10, 10});
  app.touchMoved({80, 80});
  app.touchUp({80, 80});
  EXPECT_EQ(counter->count, 1) << "lifted outside";
}

TEST(UILabelLine, CutAtTheTailInWholeCharactersWhileTheTextStaysWhole) {
  UILabel label(CGRectMake(0, 0, 55, 15));
  const auto tenPointsACharacter = [](std::string_view text, const UIFont&) {
    return 10.0 * static_cast<double>(std::count_if(text.begin(), text.end(),
                                                    [](char c) { return (c & 0xC0) != 0x80; }));
  };
  label.setText("abcde");
  EXPECT_EQ(label.displayedText(tenPointsACharacter), "abcde") << "fits";
  label.setText("abcdefgh");
  EXPECT_EQ(label.displayedText(tenPointsACharacter), "abcd\u2026");
  EXPECT_EQ(label.text(), "abcdefgh");
  label.setText("\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9");
  EXPECT_EQ(label.displayedText(tenPointsACharacter), "\u00e9\u00e9\u00e9\u00e9\u2026");
}

TEST(UIImages, TheScreensDensityPicksTheFileAndCapsMakeANewImage) {
  TempDeviceRoot root;
  installPackage(device_paths::kSkins);
  const std::string folder = device_paths::kSkins;
  const auto thumb = UIImage::imageWithContentsOfFile(folder + "thumb_default.png");
  ASSERT_TRUE(thumb);
  EXPECT_EQ(thumb->filePath().filename(), "thumb_default@2x.png") << "a screen of scale 2";
  EXPECT_EQ(thumb->fileName(), "thumb_default.png") << "the name asked for";
  EXPECT_EQ(thumb->scale(), 2);
  EXPECT_EQ(thumb->size(), (CGSize{28, 28}));
  root.writeBytes(folder + "speaker_loud@2x.png", "not a png");
  EXPECT_EQ(UIImage::imageWithContentsOfFile(folder + "speaker_loud.png")->scale(), 1)
      << "a broken @2x file leaves the plain one";

  const auto track = UIImage::imageWithContentsOfFile(folder + "left_track_metal@2x.png");
  ASSERT_TRUE(track);
  EXPECT_EQ(track->scale(), 2) << "named @2x";
  EXPECT_EQ(track->size(), (CGSize{20, 6}));
  const auto stretchy = track->resizableImageWithCapInsets(UIEdgeInsetsMake(0, 9, 0, 9));
  EXPECT_EQ(stretchy->capInsets(), UIEdgeInsetsMake(0, 9, 0, 9));
  EXPECT_FALSE(track->capInsets()) << "the original is unchanged";

  UIScreen::mainScreen().setScale(1);
  EXPECT_EQ(UIImage::imageWithContentsOfFile(folder + "thumb_default.png")->scale(), 1);
  UIScreen::mainScreen().setScale(2);
}

}  // namespace
