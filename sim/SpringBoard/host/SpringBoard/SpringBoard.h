#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Activator/LAEvent.h"
#include "SpringBoard/VolumeButtons.h"
#include "Substrate/MobileLoader.h"
#include "UIKit/UIViewController.h"

class SBIconController;
class UIWindow;
class StatusBar;

// An app the home screen can open: its name under its icon, the icon's image (a device path;
// empty for none), and how it comes to the front and goes.
struct SBApplication {
  std::string displayName;
  std::string iconPath;
  std::function<void()> launch;
  std::function<void()> close;
  // The orientations its Info.plist lists: the status bar takes them while it is in front.
  NSUInteger supportedInterfaceOrientations = UIInterfaceOrientationMaskAll;
};

inline constexpr char kVolumeUpHoldShortEvent[] = "libactivator.volume.up.hold.short";
inline constexpr char kVolumeDownHoldShortEvent[] = "libactivator.volume.down.hold.short";
inline constexpr char kVolumeDisplayTapEvent[] = "libactivator.volume.display-tap";
inline constexpr char kIconViewClass[] = "SBIconView";

// The home-screen process: its identity, the tweaks it loads at launch, and the hardware
// events it turns into Activator events.
class SpringBoard {
 public:
  static constexpr char kBundleIdentifier[] = "com.apple.springboard";

  static SpringBoard& shared();

  // Takes SpringBoard's identity, registers its classes with the runtime, puts up the home
  // screen and the status bar, then loads the tweaks whose filters name it. Once per process.
  MobileLoader::Result boot();

  // Puts an app on the home screen, its icon's tap opening it.
  void installApplication(SBApplication application);
  // Brings the named app to the front (Activator's mode becomes "application"); false when
  // there is no such app.
  bool launchApplication(const std::string& name);
  // The Home button: the app in front goes, and the home screen shows.
  void pressHomeButton();
  // The app's process ended: if it was in front, the home screen shows.
  void applicationDidExit(const std::string& name);
  // The app in front; empty on the home screen.
  const std::string& frontApplication() const { return front_; }
  // The orientations of the app in front, as its Info.plist lists them; nothing on the home
  // screen.
  std::optional<NSUInteger> frontApplicationOrientations() const;
  const std::vector<SBApplication>& applications() const { return applications_; }

  // The mode Activator events carry ("springboard", "lockscreen" or "application").
  const std::string& eventMode() const { return eventMode_; }
  void setEventMode(std::string mode) { eventMode_ = std::move(mode); }

  // Fires an Activator event in the current mode; answers whether a listener handled it.
  bool sendActivatorEvent(const std::string& name);
  // The button goes down, is held for the short hold without waiting for it, and comes up:
  // answers what its hold did.
  VolumeButtons::Hold holdVolumeButton(VolumeButton button);
  // Answers whether a listener took the hold.
  bool holdVolumeUp() { return holdVolumeButton(VolumeButton::Up).handled; }

  // Whether `window` is one SpringBoard keeps for itself: the home screen under the apps, or
  // the status bar over them.
  bool isSystemWindow(const UIWindow& window) const;

  // The status bar's time: pinned to a text, or (nothing) the host's clock.
  void setStatusBarTime(std::optional<std::string> time);
  std::string statusBarTime() const;

 private:
  bool booted_ = false;
  std::shared_ptr<StatusBar> statusBar_;
  std::shared_ptr<SBIconController> homeScreen_;
  std::vector<SBApplication> applications_;
  std::string front_;
  std::string eventMode_ = LAEventModeSpringBoard;
};
