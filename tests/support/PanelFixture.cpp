#include "support/PanelFixture.h"

#include "CoreFoundation/CFRunLoop.h"

#include "Celestial/AudioHardware.h"
#include "Foundation/NSNotificationCenter.h"
#include "UIKit/UIApplication.h"
#include "UIKit/UITouches.h"

void PanelFixture::SetUp() {
  installPackage(device_paths::kSkins);
  AudioHardware::reset();
  recorder = RecordingVolumeController::install();
}

void PanelFixture::TearDown() {
  DeviceModel::setIdentifier(savedModel);
  window.reset();
  panel.reset();
  recorder->uninstall();
  AudioHardware::reset();
}

void PanelFixture::expectDefaults(const OrbelleView& view) {
  EXPECT_FALSE(view.enableDebugLogging());
  EXPECT_FALSE(view.bindRingerAndAVVolumes());
  EXPECT_TRUE(view.displayPercentage());
  EXPECT_EQ(view.selectedSkin(), "Default iOS");
  EXPECT_EQ(view.thumbTintColor(), UIColor::whiteColor());
  EXPECT_EQ(view.textColor(), UIColor::whiteColor());
  EXPECT_EQ(view.minimumTrackTintColor(), UIColor::redColor());
  EXPECT_EQ(view.maximumTrackTintColor(), UIColor::whiteColor());
}

std::shared_ptr<OrbelleView> PanelFixture::build(CGFloat width, CGFloat height) {
  panel = OrbelleView::initWithFrame(CGRectMake(25, 188.5, width, height));
  window = std::make_shared<UIWindow>();
  window->addSubview(panel);
  window->makeKeyAndVisible();
  return panel;
}

std::shared_ptr<UILabel> PanelFixture::label(NSInteger num) const {
  return panel->labelFor(num);
}

std::shared_ptr<UISlider> PanelFixture::slider(NSInteger num) const {
  return panel->sliderFor(num);
}

std::string PanelFixture::text(NSInteger num) const {
  const auto found = label(num);
  if (!found) return "<no label>";
  return found->text().value_or("<nil>");
}

float PanelFixture::volume(const char* category) const {
  float value = -1;
  controller->getVolume(value, category);
  return value;
}

void PanelFixture::post(const char* category, double value) const {
  NSNotificationCenter::defaultCenter().postNotificationName(
      AVSystemController_EffectiveVolumeDidChangeNotification, controller.get(),
      {{AVSystemController_EffectiveVolumeNotificationParameter_Category, category},
       {AVSystemController_EffectiveVolumeNotificationParameter_Volume, value}});
}

void PanelFixture::setVolumeTo(float volume, const char* category) const {
  controller->setVolumeTo(volume, category);
  settle();
}

void PanelFixture::setRoute(const char* category, std::optional<std::string> route) const {
  AudioHardware::setRoute(category, std::move(route));
  settle();
}

void PanelFixture::settle() {
  CFRunLoop::main().runUntilIdle();
}

std::shared_ptr<OrbelleView> PanelFixture::loaded(bool list) const {
  auto view = std::make_shared<OrbelleView>(CGRectMake(0, 0, 300, 290));
  view->loadSettings();
  if (list) view->loadCategories();
  return view;
}

CGPoint PanelFixture::thumbAt(NSInteger num, float percent) const {
  const auto target = slider(num);
  return target ? target->convertPointToView(target->pointForValue(percent), nullptr) : CGPoint{};
}

void PanelFixture::drag(NSInteger num, float percent, int steps) {
  const auto target = slider(num);
  ASSERT_TRUE(target) << "no slider for category " << num;
  auto& touches = UITouches::shared();
  const float start = target->value();
  ASSERT_EQ(touches.touchDown(thumbAt(num, start)), target);
  for (int step = 1; step <= steps; ++step) {
    touches.touchMoved(thumbAt(num, start + (percent - start) * static_cast<float>(step) / steps));
  }
  touches.touchUp(thumbAt(num, percent));
}
