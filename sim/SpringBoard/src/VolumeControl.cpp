#include "SpringBoard/VolumeControl.h"

#include <algorithm>

#include "Celestial/AVSystemController.h"
#include "Foundation/NSNotificationCenter.h"
#include "SimDevice/ProcessRestart.h"
#include "SpringBoard/SpringBoard.h"
#include "UIKit/UIScreen.h"
#include "UIKit/UIWindow.h"
#include "VolumeHUDView.h"

namespace {

constexpr char kClassName[] = "VolumeControl";
constexpr char kHUDSelector[] = "_HUDIsDisplayableForCategory:";
constexpr UIWindowLevel kHUDWindowLevel = 1060.0;
constexpr CGFloat kHUDSide = 160.0;
constexpr std::chrono::milliseconds kHUDFade{350};
constexpr std::chrono::milliseconds kHUDFadeStep{33};

}  // namespace

VolumeControl& VolumeControl::sharedVolumeControl() {
  static VolumeControl control;
  // A new process has SpringBoard's own method, unhooked, and no HUD. Whether media plays is
  // the media server's, which outlives SpringBoard.
  static const bool forgotten = (ProcessRestart::onRestart([] {
                                   control.stopHUDTimer();
                                   control.hud_.reset();
                                   control.registerOwnMethod();
                                 }),
                                 true);
  (void)forgotten;
  return control;
}

VolumeControl::VolumeControl() {
  isa = objc_registerClass(kClassName);
  registerOwnMethod();
}

void VolumeControl::registerOwnMethod() {
  class_replaceMethod(isa, sel_registerName(kHUDSelector),
                      reinterpret_cast<IMP>(&VolumeControl::ownHUDIsDisplayable));
}

bool VolumeControl::ownHUDIsDisplayable(id self, SEL, const std::string*) {
  auto* control = static_cast<VolumeControl*>(self);
  ++control->ownQueries_;
  return control->ownAnswer_;
}

bool VolumeControl::isHUDDisplayableForCategory(const std::string& category) {
  return objc_msgSend<bool, const std::string*>(this, sel_registerName(kHUDSelector), true,
                                                &category);
}

void VolumeControl::setMediaPlaying(bool playing) {
  if (playing == mediaPlaying_) return;
  mediaPlaying_ = playing;
  NSNotificationCenter::defaultCenter().postNotificationName(kMediaPlayingDidChangeNotification,
                                                             this);
}

std::string VolumeControl::activeCategory() const {
  return mediaPlaying_ ? "Audio/Video" : "Ringtone";
}

VolumeControl::Press VolumeControl::pressButton(VolumeButton button) {
  const auto controller = AVSystemController::sharedAVSystemController();
  const std::string category = activeCategory();
  float volume = 0;
  controller->getVolume(volume, category);
  const float step = button == VolumeButton::Up ? kStep : -kStep;
  controller->setVolumeTo(std::clamp(volume + step, 0.0f, 1.0f), category);
  controller->getVolume(volume, category);
  // With the display dark the volume changes and nothing is shown.
  const bool shown = SpringBoard::shared().isDisplayOn() && isHUDDisplayableForCategory(category);
  if (shown) showHUD(category, volume);
  return Press{category, volume, shown};
}

bool VolumeControl::isHUDVisible() const {
  return hud_ && !hud_->isHidden();
}

void VolumeControl::showHUD(const std::string& category, float volume) {
  if (!hud_) {
    hud_ = std::make_shared<UIWindow>();
    hud_->setWindowLevel(kHUDWindowLevel);
    hud_->setBackgroundColor(UIColor::clearColor());
  }
  const CGRect screen = UIScreen::mainScreen().bounds();
  hud_->setFrame(CGRectMake((screen.size.width - kHUDSide) / 2, (screen.size.height - kHUDSide) / 2,
                            kHUDSide, kHUDSide));
  if (hud_->subviews().empty()) {
    hud_->addSubview(std::make_shared<VolumeHUDView>(CGRectMake(0, 0, kHUDSide, kHUDSide)));
  }
  std::static_pointer_cast<VolumeHUDView>(hud_->subviews().front())->show(category, volume);
  hud_->setAlpha(1);
  hud_->makeKeyAndVisible();
  stopHUDTimer();
  // On screen whole for most of its time, then fading out over the rest, as SpringBoard's does.
  const auto fade = std::min(kHUDFade, hudDuration_);
  hideTimer_ = CFRunLoop::main().addTimer(hudDuration_ - fade, [this, fade] {
    const auto start = CFRunLoop::Clock::now();
    hideTimer_ = CFRunLoop::main().addRepeatingTimer(kHUDFadeStep, [this, fade, start] {
      const double gone = std::chrono::duration<double>(CFRunLoop::Clock::now() - start) / fade;
      if (gone < 1) {
        hud_->setAlpha(1 - gone);
        return true;
      }
      hideTimer_.reset();
      dismissHUD();
      return false;
    });
  });
}

void VolumeControl::stopHUDTimer() {
  if (hideTimer_) CFRunLoop::main().cancelTimer(*hideTimer_);
  hideTimer_.reset();
}

void VolumeControl::dismissHUD() {
  stopHUDTimer();
  if (hud_) hud_->setHidden(true);
}
