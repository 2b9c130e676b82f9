#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "Foundation/PropertyListFile.h"
#include "mixer/CategoryEntry.h"
#include "support/DevicePaths.h"
#include "support/PlistFixture.h"
#include "support/Processes.h"
#include "support/ProgramRun.h"
#include "support/TempDeviceRoot.h"

namespace {

namespace fx = plist_fixture;
using device_paths::kList;
using device_paths::kPrefs;

class PrefsToolTest : public ::testing::Test {
 protected:
  ProgramRun prefs(const std::vector<std::string>& args) {
    return runPrefs(root.path().string(), args);
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

TEST_F(PrefsToolTest, BadCommandsAreRefusedBeforeAnyDeviceIsLookedAt) {
  prefs({"set", "displayPercentage", "false"});
  const std::string before = root.readBytes(kPrefs);
  struct Case {
    std::vector<std::string> args;
    const char* error;
  };
  for (const auto& c :
       {Case{{"set", "displayPercentage", "maybe"}, "takes true or false"},
        Case{{"set", "textColor", "12"}, "colour number from 0 to 9"},
        Case{{"set", "textColor", "red"}, "colour number from 0 to 9"},
        Case{{"set", "selectedSkin", "metal"},
             "selectedSkin takes one of \"Default iOS\", \"Cream\", \"Cream Round\", \"Metal\""},
        Case{{"set", "selectedSkin", ""}, "selectedSkin takes one of"},
        Case{{"set", "volumeOfTheSea", "1"}, "unknown key \"volumeOfTheSea\"; the keys are"},
        Case{{"get", "volumeOfTheSea"}, "unknown key \"volumeOfTheSea\""},
        Case{{"hide", "abc"}, "no category number \"abc\""},
        Case{{"move", "1", "x"}, "no category number \"x\""},
        Case{{"rename", "1", " "}, "cannot be empty"},
        Case{{"set", "a\033]0;PWNED\007", "1"}, "unknown key \"a\\u001b]0;PWNED\\u0007\""},
        Case{{"frobnicate"}, "unknown command \"frobnicate\""}}) {
    for (const auto& where : {root.path().string(), root.path().string() + "/nowhere"}) {
      const auto run = runPrefs(where, c.args);
      EXPECT_EQ(run.status, 2) << c.args[0];
      EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
      EXPECT_EQ(run.err.find('\033'), std::string::npos) << "escaped, never sent raw";
    }
  }
  EXPECT_EQ(root.readBytes(kPrefs), before);
  const auto absent = prefs({"unset", "selectedSkin"});
  EXPECT_EQ(absent.status, 1) << "well formed, but nothing to take out";
  EXPECT_NE(absent.err.find("no key selectedSkin"), std::string::npos) << absent.err;
}

TEST_F(PrefsToolTest, AFolderOthersShareIsNoDeviceToEitherProgram) {
  for (const auto mode :
       {std::filesystem::perms::others_write, std::filesystem::perms::group_write}) {
    const auto shared = root.path() / "shared";
    std::filesystem::create_directory(shared);
    std::filesystem::permissions(shared, std::filesystem::perms::owner_all | mode);
    const auto run = runPrefs(shared.string(), {"set", "textColor", "1"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("is writable by other users; it is left alone"), std::string::npos)
        << run.err;
    const auto sim = runSim(shared.string(), "volumes\n");
    EXPECT_EQ(sim.status, 1);
    EXPECT_NE(sim.err.find("cannot use that device root: " + shared.string() + " is writable"),
              std::string::npos)
        << sim.err;
    EXPECT_TRUE(std::filesystem::is_empty(shared)) << "nothing made in it";
    std::filesystem::remove(shared);
  }
}

TEST_F(PrefsToolTest, UnreadableFilesAreNeverOverwritten) {
  root.writeBytes(kPrefs, "not a plist");
  root.writeBytes(kList, "not a list either");
  EXPECT_EQ(prefs({"set", "bindRingerAndAV", "true"}).status, 1);
  EXPECT_EQ(prefs({"hide", "0"}).status, 1);
  EXPECT_EQ(root.readBytes(kPrefs), "not a plist");
  EXPECT_EQ(root.readBytes(kList), "not a list either");
  // A reset keeps it, aside, as the panel would.
  const auto reset = prefs({"reset"});
  EXPECT_TRUE(contains(reset.out, "unreadable category list moved to")) << reset.out << reset.err;
  EXPECT_FALSE(root.exists(kList));
  EXPECT_EQ(root.readBytes(device_paths::kKeptList), "not a list either");
}

TEST_F(PrefsToolTest, CategoryListEdits) {
  EXPECT_EQ(prefs({"categories"}).status, 1) << "no list yet";
  root.writeBytes(kList, fx::xml(fx::array({fx::entry("Ringtone", "Ringtone", true),
                                            fx::entry("Audio/Video", "Audio/Video", true),
                                            fx::entry("PhoneCall", "Phone Call", true)})));
  EXPECT_EQ(prefs({"hide", "1"}).status, 0);
  EXPECT_EQ(prefs({"rename", "2", "Calls"}).status, 0);
  EXPECT_EQ(prefs({"move", "2", "0"}).status, 0);
  EXPECT_EQ(prefs({"categories"}).out,
            "0  PhoneCall  \"Calls\"  shown\n"
            "1  Ringtone  \"Ringtone\"  shown\n"
            "2  Audio/Video  \"Audio/Video\"  hidden\n");
  const std::string before = root.readBytes(kList);
  EXPECT_EQ(prefs({"show", "3"}).status, 1);
  EXPECT_EQ(prefs({"move", "0", "-1"}).status, 2) << "not a category number";
  EXPECT_EQ(root.readBytes(kList), before);
  EXPECT_EQ(prefs({"reset"}).out,
            "category list removed; the panel makes the initial one at its next opening\n");
  EXPECT_FALSE(root.exists(kList));
  EXPECT_EQ(prefs({"reset"}).out, "no category list to remove\n");
  const std::string at = root.path().string();
  EXPECT_EQ(prefs({"files"}).out,
            "preferences " + at + kPrefs + "\ncategories " + at + kList + "\n");
}

// The tweak and the page shown in Settings both follow a change made in a shell: the page's
// switch flips with no input.
TEST_F(PrefsToolTest, ARunningSimulatorHearsTheChange) {
  RunningProgram sim({ORBELLE_SIM, "--root", root.path().string()});
  sim.send("launch Settings");
  sim.send("tap 187 165");
  sim.send("state");
  ASSERT_TRUE(sim.waitForOutput("enableBackgroundBlur=YES"));
  const auto settings = processes::childNamed(sim.pid(), "Preferences");
  ASSERT_TRUE(settings) << "Settings runs in a process of its own";
  EXPECT_EQ(processes::loadedCopies(*settings, "/Orbelle2Prefs"), 1u)
      << "the bundle the app's program links is the one Settings opens, not a second copy";
  ASSERT_EQ(prefs({"set", "enableBackgroundBlur", "false"}).status, 0);
  ASSERT_EQ(prefs({"set", "displayPercentage", "false"}).status, 0);
  sim.send("wait 0.2");
  sim.send("state");
  sim.send("dump");
  const auto run = sim.finish();
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("enableBackgroundBlur=NO"), std::string::npos) << run.out;
  const auto row = run.out.find("text=\"Show Percentages\"");
  ASSERT_NE(row, std::string::npos) << run.out;
  const auto toggle = run.out.find("UISwitch", row);
  EXPECT_EQ(run.out.substr(toggle, run.out.find('\n', toggle) - toggle),
            "UISwitch frame=(309,6.5,51,31) tag=0 on=0");
}

// Writers in separate processes at once, as the preferences bundle and a shell might be: each
// change waits for the others and none is lost.
TEST_F(PrefsToolTest, ConcurrentWritersLoseNothing) {
  const auto allAtOnce = [&](const std::vector<std::vector<std::string>>& commands) {
    std::vector<std::unique_ptr<RunningProgram>> writers;
    for (auto argv : commands) {
      argv.insert(argv.begin(), {ORBELLE_PREFS, "--root", root.path().string()});
      writers.push_back(std::make_unique<RunningProgram>(argv));
    }
    for (auto& writer : writers) EXPECT_EQ(writer->finish().status, 0);
  };
  const std::vector<std::vector<std::string>> nineKeys = {{"set", "enableDebugLogging", "true"},
                                                          {"set", "bindRingerAndAV", "true"},
                                                          {"set", "displayPercentage", "false"},
                                                          {"set", "enableBackgroundBlur", "false"},
                                                          {"set", "selectedSkin", "Metal"},
                                                          {"set", "thumbTintColor", "1"},
                                                          {"set", "textColor", "2"},
                                                          {"set", "minimumTrackTintColor", "4"},
                                                          {"set", "maximumTrackTintColor", "5"}};
  for (int round = 0; round < 3; ++round) {
    std::filesystem::remove(root.prepare(kPrefs));
    allAtOnce(nineKeys);
    EXPECT_EQ(PropertyListFile::readDictionary(kPrefs).value_or(PlistValue::Dictionary()).size(),
              9u)
        << round;
  }
  auto list = fx::array({});
  std::vector<std::vector<std::string>> renames;
  for (int i = 0; i < 30; ++i) {
    plist_array_append_item(list.get(), fx::entry("Ringtone", "Ringtone", true));
    renames.push_back({"rename", std::to_string(i), "Row " + std::to_string(i)});
  }
  root.writeBytes(kList, fx::xml(list));
  allAtOnce(renames);
  const auto stored = PropertyListFile::readArray(kList).value_or(PlistValue::Array());
  for (std::size_t i = 0; i < 30; ++i) {
    const std::string* name = CategoryEntry(stored.at(i)).prettyCategoryName();
    EXPECT_EQ(name ? *name : "", "Row " + std::to_string(i));
  }
}

}  // namespace
