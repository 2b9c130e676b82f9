#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "CoreFoundation/CFRunLoop.h"
#include "objc/runtime.h"

class UIWindow;

enum class VolumeButton { Up, Down };

// Posted (object: the volume control) when media starts or stops playing.
inline constexpr char kMediaPlayingDidChangeNotification[] = "SBMediaNowPlayingChangedNotification";

// SpringBoard's volume control: the hardware volume buttons and the volume HUD. Registered
// with the runtime as the class "VolumeControl", whose method `_HUDIsDisplayableForCategory:`
// (receiver, selector, const std::string* category; answers bool) decides each time whether
// the HUD may show. Tweaks may replace that method; the buttons always ask through the runtime.
class VolumeControl : public objc_object {
 public:
  static constexpr float kStep = 1.0f / 16.0f;
  // The class of the HUD's view, as SpringBoard names it.
  static constexpr char kHUDViewClass[] = "SBVolumeHUDView";

  static VolumeControl& sharedVolumeControl();

  struct Press {
    std::string category;
    float volume;
    bool hudShown;
  };
  // One short press: the active category moves one step, then the HUD shows if allowed.
  Press pressButton(VolumeButton button);

  // Asks `_HUDIsDisplayableForCategory:` through the runtime, as SpringBoard does.
  bool isHUDDisplayableForCategory(const std::string& category);

  // SpringBoard's own answer (YES unless told otherwise) and how often it was asked.
  void setOwnHUDAnswer(bool displayable) { ownAnswer_ = displayable; }
  int ownHUDQueries() const { return ownQueries_; }

  // Media playing: the buttons change "Audio/Video", otherwise "Ringtone".
  // A change is posted as kMediaPlayingDidChangeNotification.
  void setMediaPlaying(bool playing);
  bool isMediaPlaying() const { return mediaPlaying_; }
  std::string activeCategory() const;

  // The HUD's window while it exists (shown, fading out over the end of hudDuration, then
  // hidden).
  const std::shared_ptr<UIWindow>& hudWindow() const { return hud_; }
  bool isHUDVisible() const;
  // Takes the HUD off the screen at once, as when something else takes the button.
  void dismissHUD();
  void setHUDDuration(std::chrono::milliseconds duration) { hudDuration_ = duration; }

 private:
  VolumeControl();
  static bool ownHUDIsDisplayable(id self, SEL selector, const std::string* category);
  void registerOwnMethod();
  void showHUD(const std::string& category, float volume);
  void stopHUDTimer();

  bool ownAnswer_ = true;
  int ownQueries_ = 0;
  bool mediaPlaying_ = false;
  std::shared_ptr<UIWindow> hud_;
  std::optional<CFRunLoop::TimerId> hideTimer_;
  std::chrono::milliseconds hudDuration_{1500};
};
