#include <gtest/gtest.h>

#include <string>

#include "Foundation/PropertyListFile.h"
#include "support/DevicePaths.h"
#include "support/ProgramRun.h"
#include "support/TempDeviceRoot.h"

namespace {

// Activator's pages in Settings: its entry (the first, by label), "Anywhere" (its first row),
// the volume buttons' events (rows at y 141, 185, 229), and an event's listeners (the first row
// at y 148, each 58 points tall: Orbelle 2's, then SpringBoard's Home Button and Sleep Button).
// The back button is at the bar's left.
constexpr char kAnywhere[] = "launch Settings\ntap 187 121\ntap 187 121\n";
constexpr char kBack[] = "tap 40 42\n";
constexpr char kFirstListener[] = "tap 187 148\n";

class ActivatorSettingsTest : public ::testing::Test {
 protected:
  ProgramRun sim(const std::string& script) { return runSim(root.path().string(), script); }
  static bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
  }
  static std::string event(const char* row) { return std::string("tap 187 ") + row + "\n"; }
  TempDeviceRoot root;
};

TEST_F(ActivatorSettingsTest, ThePopupMovesToTheVolumeDownHoldAtOnce) {
  const auto run = sim(std::string(kAnywhere) + event("141") + "show\n" + kBack + event("185") +
                       kFirstListener + "show\nhome\nhold down\nstate\n");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  const std::string others =
      "  | Home Button (Press the Home button)\n"
      "  | Sleep Button (Press the sleep/wake button)\n";
  EXPECT_TRUE(contains(run.out,
                       "  ANYWHERE\n"
                       "  | Orbelle 2 popup (Pop-up Orbelle 2 controls)  \u2713\n" +
                           others + "  Volume Up Short Hold\n"))
      << "the default is checked, the description under the title\n"
      << run.out;
  EXPECT_TRUE(contains(run.out, "  | Orbelle 2 popup (Pop-up Orbelle 2 controls)  \u2713\n" +
                                    others + "  Volume Down Short Hold\n"))
      << run.out;
  EXPECT_TRUE(contains(run.out, "home screen\nhandled\npopupWindow=shown")) << run.out;

  // Another listener tapped takes the event over: the check moves, and the hold locks.
  const auto moved = sim(std::string(kAnywhere) + event("185") +
                         "tap 187 264\nshow\nhome\n"
                         "hold down\nstate\n");
  EXPECT_TRUE(contains(moved.out,
                       "  | Orbelle 2 popup (Pop-up Orbelle 2 controls)\n"
                       "  | Home Button (Press the Home button)\n"
                       "  | Sleep Button (Press the sleep/wake button)  \u2713\n"))
      << moved.out;
  EXPECT_TRUE(
      moved.out.ends_with("home screen\nhandled\n"
                          "popupWindow=nil popupView=nil enableBackgroundBlur=YES\n"
                          "locked\n"))
      << moved.out;
}

TEST_F(ActivatorSettingsTest, DefaultsRemovedInSettingsStayRemovedAfterARespring) {
  const auto removed = sim(std::string(kAnywhere) + event("141") + kFirstListener + kBack +
                           event("229") + kFirstListener +
                           "show\nhome\nrespring\nhold up\n"
                           "event libactivator.volume.display-tap\n");
  ASSERT_EQ(removed.status, 0) << removed.out << removed.err;
  EXPECT_TRUE(contains(removed.out,
                       "  | Orbelle 2 popup (Pop-up Orbelle 2 controls)\n"
                       "  | Home Button (Press the Home button)\n"
                       "  | Sleep Button (Press the sleep/wake button)\n"
                       "  Volume Display Tap\n"))
      << "unchecked\n"
      << removed.out;
  EXPECT_TRUE(
      removed.out.ends_with("respring: 1 tweak loaded\n"
                            "unhandled Ringtone 0.5625 hud=shown\n"
                            "unhandled\n"))
      << "the tweak, loaded again, assigns nothing\n"
      << removed.out;
  const auto settings = PropertyListFile::readDictionary(device_paths::kActivatorSettings);
  ASSERT_TRUE(settings);
  for (const auto& [key, value] : *settings) {
    EXPECT_FALSE(key.starts_with("LAEventListener(")) << key;
  }
  EXPECT_EQ(settings->count("LAHasSeenListener-com.zentrik.orbelle2"), 1u);
}

}  // namespace
