#include <gtest/gtest.h>

#include <string>

#include "Foundation/PropertyListFile.h"
#include "support/PlistFixture.h"
#include "support/ProgramRun.h"
#include "support/TempDeviceRoot.h"

namespace {

namespace fx = plist_fixture;
constexpr char kPrefs[] = "/var/mobile/Library/Preferences/com.zentrik.orbelle2.plist";
constexpr char kList[] = "/var/mobile/Library/Preferences/com.zentrik.orbelle2.categories.plist";

class PrefsToolTest : public ::testing::Test {
 protected:
  ProgramRun prefs(std::vector<std::string> args) {
    args.insert(args.begin(), {ORBELLE_PREFS, "--root", root.path().string()});
    return runProgram(args);
  }
  void writeList() {
    root.writeBytes(kList, fx::xml(fx::array({fx::entry("Ringtone", "Ringtone", true),
                                              fx::entry("Audio/Video", "Audio/Video", true),
                                              fx::entry("PhoneCall", "Phone Call", true)})));
  }
  TempDeviceRoot root;
};

TEST_F(PrefsToolTest, SetGetUnsetWithTypesOfTheBundle) {
  EXPECT_EQ(prefs({"set", "bindRingerAndAV", "true"}).out, "bindRingerAndAV=true\n");
  EXPECT_EQ(prefs({"set", "textColor", "5"}).status, 0);
  EXPECT_EQ(prefs({"set", "selectedSkin", "Cream Round"}).status, 0);
  const auto stored = PropertyListFile::readDictionary(kPrefs);
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->at("bindRingerAndAV"), PlistValue(true));
  EXPECT_EQ(stored->at("textColor"), PlistValue(5));
  EXPECT_EQ(stored->at("selectedSkin"), PlistValue("Cream Round"));
  EXPECT_EQ(prefs({"get", "selectedSkin"}).out, "\"Cream Round\"\n");
  EXPECT_EQ(prefs({"unset", "textColor"}).status, 0);
  EXPECT_EQ(prefs({"get", "textColor"}).status, 1);
}

TEST_F(PrefsToolTest, BadInputChangesNothing) {
  prefs({"set", "displayPercentage", "false"});
  const std::string before = root.readBytes(kPrefs);
  struct Case {
    std::vector<std::string> args;
    const char* error;
  };
  for (const auto& c : {Case{{"set", "displayPercentage", "maybe"}, "takes true or false"},
                        Case{{"set", "textColor", "12"}, "colour number from 0 to 9"},
                        Case{{"set", "textColor", "red"}, "colour number from 0 to 9"},
                        Case{{"set", "volumeOfTheSea", "1"}, "unknown key volumeOfTheSea"},
                        Case{{"unset", "selectedSkin"}, "no key selectedSkin"}}) {
    const auto run = prefs(c.args);
    EXPECT_EQ(run.status, 1) << c.args[1];
    EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
  }
  EXPECT_EQ(root.readBytes(kPrefs), before);
  EXPECT_EQ(prefs({"frobnicate"}).status, 2);
}

TEST_F(PrefsToolTest, UnreadableFilesAreNeverOverwritten) {
  root.writeBytes(kPrefs, "not a plist");
  root.writeBytes(kList, "not a list either");
  EXPECT_EQ(prefs({"set", "bindRingerAndAV", "true"}).status, 1);
  EXPECT_EQ(prefs({"hide", "0"}).status, 1);
  EXPECT_EQ(root.readBytes(kPrefs), "not a plist");
  EXPECT_EQ(root.readBytes(kList), "not a list either");
}

TEST_F(PrefsToolTest, CategoryListEdits) {
  EXPECT_EQ(prefs({"categories"}).status, 1) << "no list yet";
  writeList();
  EXPECT_EQ(prefs({"hide", "1"}).status, 0);
  EXPECT_EQ(prefs({"rename", "2", "Calls"}).status, 0);
  EXPECT_EQ(prefs({"move", "2", "0"}).status, 0);
  EXPECT_EQ(prefs({"categories"}).out,
            "0  PhoneCall  \"Calls\"  shown\n"
            "1  Ringtone  \"Ringtone\"  shown\n"
            "2  Audio/Video  \"Audio/Video\"  hidden\n");
  const std::string before = root.readBytes(kList);
  EXPECT_EQ(prefs({"show", "3"}).status, 1);
  EXPECT_EQ(prefs({"move", "0", "-1"}).status, 1);
  EXPECT_EQ(root.readBytes(kList), before);
  EXPECT_EQ(prefs({"reset"}).status, 0);
  EXPECT_FALSE(root.exists(kList));
}

TEST_F(PrefsToolTest, ARunningSimulatorHearsTheChange) {
  RunningProgram sim({ORBELLE_SIM, "--root", root.path().string()});
  sim.send("state");
  ASSERT_TRUE(sim.waitForOutput("enableBackgroundBlur=YES"));
  ASSERT_EQ(prefs({"set", "enableBackgroundBlur", "false"}).status, 0);
  sim.send("wait 0.2");
  sim.send("state");
  const auto run = sim.finish();
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("enableBackgroundBlur=NO"), std::string::npos) << run.out;
}

}  // namespace
