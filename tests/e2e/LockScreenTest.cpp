#include <gtest/gtest.h>

#include <string>

#include "Foundation/PropertyListFile.h"
#include "support/DevicePaths.h"
#include "support/Png.h"
#include "support/ProgramRun.h"
#include "support/TempDeviceRoot.h"

namespace {

class LockScreenTest : public ::testing::Test {
 protected:
  ProgramRun sim(const std::string& script, const std::vector<std::string>& options = {}) {
    return runSim(root.path().string(), script, options);
  }
  static bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
  }
  TempDeviceRoot root;
};

TEST_F(LockScreenTest, TheSideButtonDarkensWakesAndThePopupOpensOverTheLockScreen) {
  const auto shot = root.path() / "dark.png";
  const auto run =
      sim("press side\n"
          "show\n"
          "event libactivator.volume.up.hold.short\n"
          "hold up\n"
          "tap 5 5\n"
          "screenshot " +
          shot.string() +
          "\n"
          "press side\n"
          "event libactivator.volume.up.hold.short\n"
          "press up\n"
          "tap 5 5\n"
          "state\n"
          "dump all\n"
          "home\n");
  ASSERT_EQ(run.status, 1) << "the tap on the dark display fails\n" << run.err;
  EXPECT_TRUE(contains(run.out,
                       "locked\n"
                       "screen 375x667\n  (display dark)\n"
                       "error: the display is dark: Activator sends no event"))
      << run.out;
  EXPECT_TRUE(contains(run.out, "\nunhandled Ringtone 0.5625 hud=hidden\n"))
      << "dark: no listener and no HUD, the volume still steps\n"
      << run.out;
  EXPECT_TRUE(contains(run.out, "error: the display is dark")) << run.out;
  const auto dark = readPng(shot);
  ASSERT_GT(dark.width, 0);
  EXPECT_EQ(Png::brightness(dark.at(dark.width / 2, dark.height / 3)), 0);
  EXPECT_EQ(Png::brightness(dark.at(10, 10)), 0) << "the status bar is dark too";
  EXPECT_TRUE(contains(run.out,
                       "lock screen\n"
                       "handled\n"
                       "Ringtone 0.625 hud=hidden\n"
                       "UIButton tag=0\n"
                       "popupWindow=nil popupView=set enableBackgroundBlur=YES\n"
                       "lock screen\n"))
      << "the event carries the lock screen's mode, the tap closes the popup and the lock "
         "screen stays\n"
      << run.out;
  EXPECT_TRUE(contains(run.out, "SBCoverSheetWindow frame=(0,0,375,667)")) << run.out;
  EXPECT_TRUE(contains(run.out, "text=\"Press home to unlock\"")) << run.out;
  EXPECT_TRUE(contains(run.out, "image=StatusBarLock.png\n")) << "the padlock shows";
  EXPECT_TRUE(run.out.ends_with("home screen\n")) << "the Home button unlocks";
}

TEST_F(LockScreenTest, AFingerDrawnUpFromTheEdgeUnlocksANotchedPhoneBackToItsApp) {
  const auto run =
      sim("launch Settings\n"
          "lock\n"
          "launch Settings\n"
          "wake\n"
          "swipe 187 600 187 300\n"
          "state\n"
          "dump all\n"
          "swipe 187 810 187 500\n"
          "state\n"
          "home\n",
          {"--device", "iPhone10,3"});
  EXPECT_TRUE(contains(run.out, "error: the device is locked")) << run.out;
  EXPECT_TRUE(
      run.out.starts_with("Settings\nlocked\nerror: the device is locked (locked): unlock "
                          "it first\nlock screen\n"))
      << run.out;
  EXPECT_TRUE(contains(run.out,
                       "popupWindow=nil popupView=nil enableBackgroundBlur=YES\nlock "
                       "screen\n"))
      << "a swipe that starts above the edge does nothing\n"
      << run.out;
  EXPECT_FALSE(contains(run.out, "Press home")) << "no Home button, no such line";
  EXPECT_TRUE(contains(run.out, "UIView frame=(120.5,799,134,5)")) << "the home indicator";
  EXPECT_TRUE(
      run.out.ends_with("popupWindow=nil popupView=nil enableBackgroundBlur=YES\n"
                        "unlocked\n"
                        "home screen\n"))
      << "unlocked into Settings, which the Home button then closes\n"
      << run.out;
  const auto back = sim("lock\nwake\nunlock\n", {"--device", "iPhone10,3"});
  EXPECT_EQ(back.out, "locked\nlock screen\nhome screen\n") << back.err;
}

TEST_F(LockScreenTest, ARespringLoadsTheTweakAgainAndKeepsFilesAndAssignments) {
  // A tweak that stayed loaded would keep its popup state, and the respring would fail.
  const auto run =
      sim("hold up\n"
          "set Ringtone 0.25\n"
          "respring\n"
          "state\n"
          "volumes\n"
          "hold up\n"
          "state\n",
          {});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(contains(run.out,
                       "respring: 1 tweak loaded\n"
                       "popupWindow=nil popupView=nil enableBackgroundBlur=YES\n"))
      << run.out;
  EXPECT_TRUE(contains(run.out, "Ringtone 0.25 Speaker\n")) << "the media server's volumes stay";
  EXPECT_TRUE(contains(run.out, "handled\npopupWindow=shown")) << run.out;
  const auto settings = PropertyListFile::readDictionary(device_paths::kActivatorSettings);
  ASSERT_TRUE(settings);
  EXPECT_EQ(settings->count("LAEventListener(springboard)-libactivator.volume.up.hold.short"), 1u);
}

}  // namespace
