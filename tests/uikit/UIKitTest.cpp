#include <gtest/gtest.h>

#include <cmath>

#include "UIKit/UIButton.h"
#include "UIKit/UIImage.h"
#include "UIKit/UILabel.h"
#include "UIKit/UISlider.h"
#include "support/Finger.h"
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

TEST(UIViewTree, TagLookupsFollowChangesToTheTree) {
  const auto root = view(0, 0, 100, 100);
  const auto a = view(0, 0, 10, 10, 5);
  const auto b = view(0, 0, 10, 10, 6);
  root->addSubview(a);
  root->addSubview(b);
  EXPECT_EQ(root->viewWithTag(6), b);
  b->setTag(7);
  EXPECT_EQ(root->viewWithTag(6), nullptr) << "a re-tagged view is found by its new tag";
  EXPECT_EQ(root->viewWithTag(7), b);
  const auto deep = view(0, 0, 1, 1, 7);
  a->addSubview(deep);
  EXPECT_EQ(root->viewWithTag(7), deep) << "added deeper but earlier depth first";
  deep->removeFromSuperview();
  EXPECT_EQ(root->viewWithTag(7), b);
  EXPECT_EQ(a->viewWithTag(7), nullptr);
  b->removeFromSuperview();
  EXPECT_EQ(root->viewWithTag(7), nullptr);
}

TEST(UIViewTree, AddingMovesRemovingReleases) {
  const auto first = view(0, 0, 10, 10);
  const auto second = view(0, 0, 10, 10);
  auto child = view(0, 0, 1, 1);
  const std::weak_ptr<UIView> watch = child;
  first->addSubview(child);
  second->addSubview(child);
  EXPECT_TRUE(first->subviews().empty());
  EXPECT_EQ(child->superview(), second);
  child.reset();
  ASSERT_FALSE(watch.expired()) << "the superview owns it";
  watch.lock()->removeFromSuperview();
  EXPECT_TRUE(watch.expired());
  second->addSubview(first);
  first->addSubview(second);
  EXPECT_TRUE(first->subviews().empty()) << "no cycles: a view cannot take its ancestor";
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
  front->setAlpha(0.01);
  EXPECT_EQ(root->hitTest({20, 20}), back) << "alpha 0.01 takes no touches";
  front->setAlpha(0.02);
  inner->setHidden(true);
  EXPECT_EQ(root->hitTest({20, 20}), front);
  const auto label = std::make_shared<UILabel>(CGRectMake(0, 0, 50, 50));
  front->addSubview(label);
  EXPECT_EQ(root->hitTest({20, 20}), front) << "labels let touches through";
}

TEST(UIViewTree, AutoresizingFollowsTheMask) {
  const auto parent = view(0, 0, 400, 600);
  const auto fill = view(0, 0, 400, 600);
  fill->setAutoresizingMask(UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight);
  const auto centred = view(25, 155, 350, 290);
  centred->setAutoresizingMask(45);
  const auto fixed = view(10, 10, 20, 20);
  parent->addSubview(fill);
  parent->addSubview(centred);
  parent->addSubview(fixed);
  parent->setFrame(CGRectMake(0, 0, 600, 400));
  EXPECT_EQ(fill->frame(), CGRectMake(0, 0, 600, 400));
  EXPECT_EQ(centred->frame(), CGRectMake(125, 55, 350, 290)) << "stays centred";
  EXPECT_EQ(fixed->frame(), CGRectMake(10, 10, 20, 20));
}

TEST(UIViewTree, PointsConvertBetweenViews) {
  const auto root = view(0, 0, 100, 100);
  const auto a = view(10, 20, 50, 50);
  const auto b = view(5, 5, 10, 10);
  root->addSubview(a);
  a->addSubview(b);
  EXPECT_EQ(b->convertPointToView({1, 2}, root.get()), (CGPoint{16, 27}));
  EXPECT_EQ(b->convertPointToView({1, 2}, a.get()), (CGPoint{6, 7}));
  EXPECT_EQ(root->convertPointToView({16, 27}, b.get()), (CGPoint{1, 2}));
}

struct Counter {
  int count = 0;
  void hit() { ++count; }
  void slid(UISlider& slider) { values.push_back(slider.value()); }
  std::vector<float> values;
};

TEST(UIControls, SliderTracksTheFingerAndSendsWhileContinuous) {
  const auto root = view(0, 0, 300, 100);
  const auto slider = std::make_shared<UISlider>(CGRectMake(20, 20, 260, 30));
  slider->setMaximumValue(100);
  root->addSubview(slider);
  const auto counter = std::make_shared<Counter>();
  slider->addTarget(counter, &Counter::slid, UIControlEventValueChanged);

  Finger finger(root);
  ASSERT_EQ(finger.down(finger.inRoot(*slider, slider->pointForValue(0))), slider);
  EXPECT_TRUE(slider->isHighlighted());
  EXPECT_TRUE(counter->values.empty()) << "touching down moves nothing";
  finger.moveTo(finger.inRoot(*slider, slider->pointForValue(25)));
  finger.moveTo({1000, 35});
  EXPECT_NEAR(counter->values.at(0), 25.0f, 1e-3);
  EXPECT_EQ(counter->values.at(1), 100.0f) << "clamped at the track's end";
  finger.up();
  EXPECT_FALSE(slider->isHighlighted());
  EXPECT_EQ(counter->values.size(), 2u);

  slider->setContinuous(false);
  finger.down(finger.inRoot(*slider, slider->pointForValue(100)));
  finger.moveTo(finger.inRoot(*slider, slider->pointForValue(60)));
  EXPECT_EQ(counter->values.size(), 2u);
  finger.up();
  ASSERT_EQ(counter->values.size(), 3u);
  EXPECT_NEAR(counter->values.back(), 60.0f, 1e-3);
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
  const auto root = view(0, 0, 100, 100);
  const auto button = UIButton::buttonWithType(UIButtonTypeCustom);
  button->setFrame(CGRectMake(0, 0, 50, 50));
  root->addSubview(button);
  auto counter = std::make_shared<Counter>();
  button->addTarget(counter, &Counter::hit, UIControlEventTouchUpInside);
  Finger finger(root);
  finger.tap({10, 10});
  EXPECT_EQ(counter->count, 1);
  finger.down({10, 10});
  finger.moveTo({80, 80});
  finger.up();
  EXPECT_EQ(counter->count, 1) << "lifted outside";
  counter.reset();
  finger.tap({10, 10});  // a target that is gone gets nothing, and nothing breaks
}

TEST(UIImages, LoadedFromDevicePathsWithScaleAndCaps) {
  TempDeviceRoot root;
  installPackage("Library/Application Support/Orbelle 2");
  const auto thumb =
      UIImage::imageWithContentsOfFile("/Library/Application Support/Orbelle 2/thumb_default.png");
  ASSERT_TRUE(thumb);
  EXPECT_EQ(thumb->size(), (CGSize{28, 28}));
  EXPECT_EQ(thumb->scale(), 1);
  const auto track = UIImage::imageWithContentsOfFile(
      "/Library/Application Support/Orbelle 2/left_track_metal@2x.png");
  ASSERT_TRUE(track);
  EXPECT_EQ(track->size(), (CGSize{20, 6}));
  const auto stretchy = track->resizableImageWithCapInsets(UIEdgeInsetsMake(0, 9, 0, 9));
  EXPECT_EQ(stretchy->capInsets(), UIEdgeInsetsMake(0, 9, 0, 9));
  EXPECT_FALSE(track->capInsets()) << "the original is unchanged";

  EXPECT_FALSE(UIImage::imageWithContentsOfFile("/img/missing.png"));
  root.writeBytes("/img/fake.png", "\x89PNG but not really");
  EXPECT_FALSE(UIImage::imageWithContentsOfFile("/img/fake.png"));
}

}  // namespace
