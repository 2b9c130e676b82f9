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
class SBLockScreenController;
class UIWindow;
class StatusBar;

// An app the home screen can open: its name under its icon, the icon's image (a device path;
// empty for none), and how it comes to the front and goes.
struct SBApplication {
  std::string displayName;
  std::string iconPath;
  std::function<void()> launch;
  std::function<void()> close;
  // Ends it, as SpringBoard's own end does.
  std::function<void()> quit;
  // The orientations its Info.plist lists: the status bar takes them while it is in front.
  NSUInteger supportedInterfaceOrientations = UIInterfaceOrientationMaskAll;
};

inline constexpr char kVolumeUpHoldShortEvent[] = "libactivator.volume.up.hold.short";
inline constexpr char kVolumeDownHoldShortEvent[] = "libactivator.volume.down.hold.short";
inline constexpr char kVolumeDisplayTapEvent[] = "libactivator.volume.display-tap";
inline constexpr char kIconViewClass[] = "SBIconView";
// Posted to the Darwin centre whenever the device locks or unlocks, as SpringBoard does.
inline constexpr char kLockStateNotification[] = "com.apple.springboard.lockstate";

// Where the device is: in use, showing its lock screen, or locked with the display dark.
enum class SBLockState { Unlocked, LockScreen, Dark };

// The home-screen process: its identity, the tweaks it loads at launch, and the hardware
// events it turns into Activator events.
class SpringBoard {
 public:
  static constexpr char kBundleIdentifier[] = "com.apple.springboard";

  static SpringBoard& shared();

  // Takes SpringBoard's identity, registers its classes with the runtime, puts up the home
  // screen and the status bar, then loads the tweaks whose filters name it. Once per process.
  MobileLoader::Result boot();
  // SpringBoard ends and starts again on the same device: its apps end, everything the process
  // held goes (the tweaks unloaded, their state with them), and it boots again, loading the
  // tweaks anew, on the lock screen. The files, the volumes and the device's turn stay. What
  // the boot loaded, and
  // in `failed` also a tweak that could not be unloaded (its state then stays).
  MobileLoader::Result respring();

  // Puts an app on the home screen, its icon's tap opening it.
  void installApplication(SBApplication application);
  // Brings the named app to the front (Activator's mode becomes "application"); false when
  // there is no such app, or while locked.
  bool launchApplication(const std::string& name);
  // The Home button: the app in front goes, and the home screen shows. While locked it wakes
  // the display, and on the lock screen it unlocks (on a model without the button, the home
  // gesture it stands for does).
  void pressHomeButton();
  // The app's process ended: if it was in front, the home screen shows.
  void applicationDidExit(const std::string& name);
  // The app in front; empty on the home screen.
  const std::string& frontApplication() const { return front_; }
  // The orientations of the app in front, as its Info.plist lists them; nothing on the home
  // screen.
  std::optional<NSUInteger> frontApplicationOrientations() const;
  const std::vector<SBApplication>& applications() const { return applications_; }

  // The mode Activator events carry: "lockscreen" while locked, "application" while an app is
  // in front, else "springboard".
  std::string eventMode() const;

  // The hardware: whether the model has a Home button under its screen (the host sets it);
  // without one, a finger drawn up from the lock screen's bottom edge unlocks.
  void setHasHomeButton(bool has) { homeButton_ = has; }
  bool hasHomeButton() const { return homeButton_; }
  SBLockState lockState() const { return lockState_; }
  bool isDisplayOn() const { return lockState_ != SBLockState::Dark; }
  // The side (sleep/wake) button: locks the device, its display going dark; or, while dark,
  // wakes it to the lock screen.
  void pressSideButton();
  // Locks with the display dark: the app in front goes to the background, to come back on
  // unlock. Nothing while locked already.
  void lock();
  // The display lights on the lock screen. Nothing unless dark.
  void wake();
  // From the lock screen back to the home screen or the app that was in front; false unless the
  // lock screen shows. No passcode.
  bool unlock();

  // Fires an Activator event in the current mode; answers whether a listener handled it. With
  // the display dark no event is sent: Activator's events come from what a person sees.
  bool sendActivatorEvent(const std::string& name);
  // The button goes down, is held for the short hold without waiting for it, and comes up:
  // answers what its hold did.
  VolumeButtons::Hold holdVolumeButton(VolumeButton button);
  // Answers whether a listener took the hold.
  bool holdVolumeUp() { return holdVolumeButton(VolumeButton::Up).handled; }

  // Whether `window` is one SpringBoard keeps for itself: the home screen under the apps, the
  // status bar over them, the lock screen, the dark display.
  bool isSystemWindow(const UIWindow& window) const;

  // The status bar's time: pinned to a text, or (nothing) the host's clock.
  void setStatusBarTime(std::optional<std::string> time);
  std::string statusBarTime() const;

 private:
  // Tells the status bar (its padlock) and the Darwin centre.
  void screenChanged();
  void lockStateChanged();
  // What a new process would not have: all but the apps installed and the hardware.
  void forget();
  void putUpWindows();

  bool booted_ = false;
  std::shared_ptr<StatusBar> statusBar_;
  std::shared_ptr<SBIconController> homeScreen_;
  std::shared_ptr<SBLockScreenController> lockScreen_;
  std::vector<SBApplication> applications_;
  std::string front_;
  std::string inBackgroundWhileLocked_;
  bool homeButton_ = true;
  std::optional<std::string> pinnedTime_;
  SBLockState lockState_ = SBLockState::Unlocked;
};
