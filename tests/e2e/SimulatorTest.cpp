#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>

#include "Foundation/PropertyListFile.h"
#include "support/DevicePaths.h"
#include "support/PlistFixture.h"
#include "support/Png.h"
#include "support/ProgramRun.h"
#include "support/TempDeviceRoot.h"

namespace {

namespace fx = plist_fixture;
using device_paths::kList;

class SimulatorTest : public ::testing::Test {
 protected:
  ProgramRun sim(const std::string& script, const std::vector<std::string>& options = {}) {
    return runSim(root.path().string(), script, options);
  }
  TempDeviceRoot root;
};

TEST_F(SimulatorTest, ScriptOpensDragsAndClosesThePopup) {
  const auto run =
      sim("# a comment line\n"
          "state\n"
          "hold up\n"
          "state\n"
          "drag 1 30   # Audio/Video\n"
          "hud Ringtone\n"
          "tap 5 5\n"
          "state\n"
          "press up\n"
          "quit\n"
          "state\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "popupWindow=nil popupView=nil enableBackgroundBlur=YES\nunlocked\n"
            "handled\n"
            "popupWindow=shown popupView=set enableBackgroundBlur=YES\nunlocked\n"
            "UISlider tag=2001 value=30 label=\"Audio/Video (Speaker): 30%\"\n"
            "no\n"
            "UIButton tag=0\n"
            "popupWindow=nil popupView=set enableBackgroundBlur=YES\nunlocked\n"
            "Ringtone 0.5625 hud=shown\n")
      << "nothing after quit runs";
  EXPECT_TRUE(contains(run.err, "SpringBoard[")) << "log lines go to standard error";
  EXPECT_TRUE(contains(run.err, "OB: creating initial category config file..."));
}

TEST_F(SimulatorTest, DumpShowsTheTreeInTheDocumentedFormAndAfterATurn) {
  const auto run = sim("hold up\ndump\nreduce-transparency on\nhold up\nrotate landscape\ndump\n");
  ASSERT_EQ(run.status, 0) << run.err;
  for (const char* line : {
           "UIWindow frame=(0,0,375,667) tag=0 level=2002 alpha=0.9 hidden=0\n",
           "  UIView frame=(0,0,375,667) tag=0\n",
           "    UIVisualEffectView frame=(0,0,375,667) tag=0 blurStyle=2\n",
           "    UIButton frame=(0,0,375,667) tag=0 alpha=0.1\n",
           "    OrbelleView frame=(25,188.5,325,290) tag=0 border=2(1,1,1,0.5) cornerRadius=8\n",
           "      UIView frame=(0,15,325,50) tag=0\n",
           "        UILabel frame=(20,5,305,15) tag=1000 text=\"Ringtone: 50%\" color=(1,1,1,1)\n",
           "        UISlider frame=(20,20,285,30) tag=2000 value=50 highlighted=0 "
           "thumb=thumb_default.png minValue=speaker_quiet.png maxValue=speaker_loud.png "
           "thumbTint=(1,1,1,1) minTrackTint=(1,0,0,1) maxTrackTint=(1,1,1,1)\n",
       }) {
    EXPECT_TRUE(contains(run.out, line)) << line << "\nin:\n" << run.out;
  }
  const auto turned = run.out.substr(run.out.find("landscape 667x375\n"));
  EXPECT_TRUE(contains(turned, "UIWindow frame=(0,0,667,375)"));
  EXPECT_TRUE(contains(turned, "OrbelleView frame=(171,42.5,325,290)")) << turned;
  EXPECT_FALSE(contains(turned, "UIVisualEffectView")) << "Reduce Transparency: no blur";
}

TEST_F(SimulatorTest, LabelsAreEscapedInTheDump) {
  root.writeBytes(kList, fx::xml(fx::array({fx::entry("Ringtone", "Say \"hi\"\\\t%@", true)})));
  const auto run = sim("hold up\ndump\n");
  EXPECT_TRUE(contains(run.out, R"(text="Say \"hi\"\\\t%@: 50%")")) << run.out;
}

TEST_F(SimulatorTest, FailedCommandsSayWhyAndTheRunGoesOn) {
  const auto run =
      sim("frobnicate\ntouch 1\nhold up\nmove 1 50\ntouch 9\nset Siren 0.5\n"
          "prefs onlyakey\nprefs skin \"unclosed\nset Ringtone 2\nhud Bogus\n"
          "hold\033[2J\033]0;PWNED\007 up\nprefs selectedSkin metal\nvolumes\n");
  EXPECT_EQ(run.status, 1) << "a script with a failed command exits 1";
  const std::string expectedErrors[] = {
      "error: unknown command \"frobnicate\" (try help)\n",
      "error: no popup is open\n",
      "error: no finger is on slider 1 (touch it first)\n",
      "error: no slider for category 9\n",
      "error: unknown category \"Siren\" (known: Alarm, Audio/Video, ",
      "error: usage: prefs KEY VALUE\n",
      "error: unclosed quote\n",
      "error: a volume is a number from 0.0 to 1.0\n",
      "error: unknown category \"Bogus\" (known: ",
      "error: unknown command \"hold\\u001b[2J\\u001b]0;PWNED\\u0007\" (try help)\n",
      "error: selectedSkin takes one of \"Default iOS\", \"Cream\", \"Cream Round\", \"Metal\"\n",
  };
  for (const auto& line : expectedErrors) EXPECT_TRUE(contains(run.out, line)) << line;
  EXPECT_EQ(run.out.find('\033'), std::string::npos) << "no escape byte reaches the terminal";
  EXPECT_TRUE(contains(run.out, "Ringtone 0.5 Speaker\n")) << "Ringtone 2 was refused";
  EXPECT_TRUE(contains(run.out, "Ringtone 0.5 Speaker\n")) << "the last command still ran";
}

TEST_F(SimulatorTest, FreshRootGetsThePackageAndItsListFromTheFirstPanel) {
  EXPECT_EQ(sim("volumes\n").status, 0);
  EXPECT_TRUE(root.exists("/Library/MobileSubstrate/DynamicLibraries/Orbelle2.dylib"));
  EXPECT_TRUE(root.exists("/Library/MobileSubstrate/DynamicLibraries/Orbelle2.plist"));
  EXPECT_TRUE(root.exists("/Library/Application Support/Orbelle 2/thumb_metal_active.png"));
  EXPECT_FALSE(root.exists(kList)) << "no panel was built yet";
  EXPECT_TRUE(contains(sim("prefs selectedSkin Cream Round\n").out, "selectedSkin=\"Cream Round\""))
      << "the rest of the line is the value";
  const auto elsewhere = root.path() / "elsewhere";
  EXPECT_EQ(runSim(elsewhere.string(), "", {"--script", (root.path() / "none").string()}).status,
            1);
  EXPECT_FALSE(std::filesystem::exists(elsewhere)) << "no device made for a script not there";
  sim("hold up\n");
  ASSERT_TRUE(root.exists(kList));
  const std::string list = root.readBytes(kList);
  sim("prefs selectedSkin Metal\n");
  sim("hold up\n");
  EXPECT_EQ(root.readBytes(kList), list) << "a restart leaves the preference files alone";
}

TEST_F(SimulatorTest, TheModelDecidesScreenScaleAndList) {
  const auto ipad = sim("hold up\ndump\n", {"--device", "iPad7,5"});
  EXPECT_TRUE(contains(ipad.out, "UIWindow frame=(0,0,768,1024)"));
  EXPECT_TRUE(contains(ipad.out, "OrbelleView frame=(209,367,350,290)")) << ipad.out;
  EXPECT_TRUE(contains(ipad.out, "text=\"Video Conference (Speaker): 75%\""));
  std::filesystem::remove_all(root.path() / "var");
  const auto ipod = sim("hold up\ndump\n", {"--device", "iPod9,1", "--screen", "400x700"});
  EXPECT_TRUE(contains(ipod.out, "OrbelleView frame=(25,205,350,290)")) << ipod.out;
  EXPECT_TRUE(contains(ipod.out, "text=\"Video Conference (Speaker): 75%\""));

  const auto shot = root.path() / "x.png";
  const auto iphoneX =
      sim("hold up\ndump\nscreenshot " + shot.string() + "\n", {"--device", "iPhone10,3"});
  EXPECT_TRUE(contains(iphoneX.out, "UIWindow frame=(0,0,375,812)")) << iphoneX.out;
  const Png png = readPng(shot);
  EXPECT_EQ(png.width, 1125) << "three pixels a point";
  EXPECT_EQ(png.height, 2436);
  EXPECT_EQ(sim("", {"demo", "--script", "steps.txt"}).status, 2) << "the demo has its own steps";
  const auto tiny = sim("", {"--screen", "100x100"});
  EXPECT_EQ(tiny.status, 2);
  EXPECT_TRUE(contains(tiny.err, "from 320x568 (the smallest model's)")) << tiny.err;
  const auto unknown = sim("", {"--device", "iPhone99,9"});
  EXPECT_EQ(unknown.status, 2) << "refused as an option";
  EXPECT_TRUE(contains(unknown.err, "unknown model \"iPhone99,9\" (known: iPhone7,2,"))
      << unknown.err;
}

TEST_F(SimulatorTest, APanelTallerThanTheScreenScrollsAndEveryRowCanBeReached) {
  auto list = fx::array({});
  for (int i = 0; i < 20; ++i) {
    plist_array_append_item(list.get(), fx::entry(i == 19 ? "PhoneCall" : "Ringtone", "Row", true));
  }
  root.writeBytes(kList, fx::xml(list));
  // Swipes go down off the sliders, left of them, where the finger meets the panel itself.
  const auto run =
      sim("hold up\ndump\ndrag 19 30\nswipe 35 600 35 100\nshow\ndrag 19 30\nvolumes\n"
          "swipe 35 100 35 600\nswipe 187.5 120 187.5 180\ndrag 0 40\n");
  EXPECT_TRUE(contains(run.out,
                       "    UIView frame=(25,20,325,627) tag=0 border=2(1,1,1,0.5) cornerRadius=8\n"
                       "      UIScrollView frame=(0,2,325,623) tag=0 contentSize=(325,1036) "
                       "contentOffset=(0,0)\n"
                       "        OrbelleView frame=(0,-2,325,1040) tag=0\n"))
      << run.out;
  EXPECT_TRUE(contains(run.out, "error: slider 19 is not on screen\nUIScrollView tag=0\n"));
  EXPECT_TRUE(contains(run.out,
                       "+-- mixer 325x627 at (25,20) scrolled 413 of 413 ---\n  | Row: 50%\n"
                       "  | [###############---------------] 50  #8\n"))
      << "a swipe longer than the content stops at its end, and only rows in view show";
  EXPECT_TRUE(contains(run.out, "PhoneCall 0.3 Receiver\n"));
  EXPECT_TRUE(
      contains(run.out, "UIScrollView tag=0\nUISlider tag=2000 value=40 label=\"Row: 40%\""))
      << "a swipe down from row 1's thumb is the scroll view's, and moves no slider";

  // Scrolled 300 points, rows are half hidden at both ends: the border stays whole over them,
  // one colour along its top and bottom edges (two pixels a point, the edges 1 point in).
  const auto shot = root.path() / "scrolled.png";
  sim("hold up\nswipe 35 400 35 100\nscreenshot " + shot.string() + "\n");
  const Png png = readPng(shot);
  ASSERT_EQ(png.width, 750);
  for (const int y : {2 * 21, 2 * 646}) {
    int least = 765, most = 0;
    for (int x = 2 * 40; x < 2 * 335; ++x) {
      least = std::min(least, Png::brightness(png.at(x, y)));
      most = std::max(most, Png::brightness(png.at(x, y)));
    }
    EXPECT_LE(most - least, 12) << "the border at y " << y / 2 << " is crossed";
  }

  const auto rounded = sim("set Ringtone 0.49\nhold up\nshow\n");
  EXPECT_TRUE(contains(rounded.out, "| Row: 49%\n  | [###############---------------] 49"))
      << "14.7 of 30 marks round to 15: " << rounded.out;
}

TEST_F(SimulatorTest, ARotatedPanelIsPlacedAgainAndLongNamesAreCutAtTheTail) {
  auto list = fx::array({});
  for (int i = 0; i < 6; ++i)
    plist_array_append_item(list.get(), fx::entry("HeadsetBT", "BT", true));
  plist_array_append_item(
      list.get(),
      fx::entry("Ringtone", "A name far too long to fit on the panel's one line", true));
  root.writeBytes(kList, fx::xml(list));
  const auto run =
      sim("hold up\nrotate landscape\nshow\nswipe 155 250 155 100\ndrag 6 20\n"
          "rotate portrait\nshow\ndump\n",
          {"--device", "iPod9,1"});
  EXPECT_TRUE(contains(run.out, "  +-- mixer 270x280 at (149,20) scrolled 0 of 110 ---\n"))
      << run.out;
  EXPECT_TRUE(contains(run.out, "UISlider tag=2006 value=20")) << "reached by scrolling";
  EXPECT_TRUE(contains(run.out, "  +-- mixer 270x390 at (25,89) ----------\n  | BT: 50%\n"))
      << "fits again: unscrolled, from the first row";
  const std::string name = "A name far too long to fit on the panel's one line";
  const auto line = run.out.find("  | A name");
  ASSERT_NE(line, std::string::npos);
  const std::string shown = run.out.substr(line + 4, run.out.find('\n', line) - line - 4);
  EXPECT_TRUE(shown.ends_with("\u2026") && name.starts_with(shown.substr(0, shown.size() - 3)))
      << "cut at the tail: " << shown;
  EXPECT_TRUE(
      contains(run.out, "text=\"A name far too long to fit on the panel's one line: 20%\""));
}

// SpringBoard's own window: listed by `dump all` only, its time pinned by `clock`.
TEST_F(SimulatorTest, TheStatusBarShowsTheClockWhatPlaysAndWhereItGoes) {
  const auto run =
      sim("clock 9:41\ndump\nplay on\nroute Audio/Video Headphone\ndump all\nclock 24:00\n"
          "clock 9:5\nclock now\n");
  EXPECT_EQ(run.status, 1) << "two bad times";
  EXPECT_TRUE(contains(run.out, "clock 9:41\n(no window on screen)\n")) << run.out;
  for (const char* line : {
           "UIWindow frame=(0,0,375,667) tag=0 level=1000 alpha=1 hidden=0\n",
           "    UILabel frame=(16,0,80,20) tag=0 text=\"9:41\" color=(1,1,1,1)\n",
           "    UIImageView frame=(325,3,14,14) tag=0 image=StatusBarPlay.png\n",
           "    UIImageView frame=(345,3,14,14) tag=0 image=StatusBarHeadphones.png\n",
           "error: clock takes a time from 0:00 to 23:59, or now\n",
       }) {
    EXPECT_TRUE(contains(run.out, line)) << line << "\nin:\n" << run.out;
  }
  // Set while the device lies on its side, where an iPhone's bar stays upright: still on it.
  const auto turned = sim("rotate\nplay on\nrotate\ndump all\n");
  EXPECT_TRUE(contains(turned.out, "UIImageView frame=(345,3,14,14) tag=0 image=StatusBarPlay.png"))
      << turned.out;
}

TEST_F(SimulatorTest, AWindowWithoutADisplayOrATweakWithoutAPackageFailsClearly) {
  for (const auto& display :
       {std::map<std::string, std::string>{{"SDL_VIDEODRIVER", "x11"}, {"DISPLAY", ":4711"}},
        std::map<std::string, std::string>{
            {"SDL_VIDEODRIVER", ""}, {"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}}}) {
    const auto windowless =
        runProgram({ORBELLE_SIM, "--window", "--root", root.path().string()}, "", display);
    EXPECT_EQ(windowless.status, 1);
    EXPECT_TRUE(contains(windowless.err, "error: cannot open a window: ")) << windowless.err;
    const auto demo = root.path() / "demo";
    const auto story =
        runProgram({ORBELLE_SIM, "demo", "--window", "--out", demo.string()}, "", display);
    EXPECT_EQ(story.status, 1);
    EXPECT_EQ(story.out, "") << "it never began";
    EXPECT_FALSE(std::filesystem::exists(demo));
  }
  const auto run = runProgram({ORBELLE_SIM, "--root", root.path().string()}, "state\n",
                              {{"ORBELLE2_DEB", (root.path() / "nothing.deb").string()}});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(contains(run.err, "error: no tweak package at")) << run.err;
}

// The mixer set up as a user does it, in Settings: the entry (row at y 121), the binding's
// switch (334,545), the skin's list (y 141) and its fourth choice, Metal (y 253); then a hold of
// volume-up over Settings opens a Metal panel whose Ringtone row follows Audio/Video.
TEST_F(SimulatorTest, SettingsSetsUpTheMixerAsAPersonWould) {
  const auto run =
      sim("launch Settings\ntap 187 165\ntap 334 545\ntap 187 141\ntap 187 253\nhome\n"
          "launch Settings\nlaunch Mail\nhold up\ndump\ndrag 1 37\nshow\n");
  EXPECT_EQ(run.status, 1) << "Mail is no app here";
  EXPECT_TRUE(contains(run.out, "error: no app named \"Mail\" (Settings)")) << run.out;
  const auto prefs = PropertyListFile::readDictionary(device_paths::kPrefs);
  ASSERT_TRUE(prefs);
  EXPECT_EQ(prefs->at("selectedSkin"), PlistValue("Metal"));
  EXPECT_EQ(prefs->at("bindRingerAndAV"), PlistValue(true));
  EXPECT_TRUE(contains(run.out, "thumb=thumb_metal.png")) << run.out;
  EXPECT_TRUE(contains(run.out, "UILabel frame=(88,20,199,44) tag=0 text=\"Skin\""))
      << "launched again, Settings is back on the page it was left on";
  EXPECT_TRUE(contains(run.out, "  | Ringtone: 37%\n")) << run.out;
}

// The category editor, behind the page's last link (scrolled into view, at y 451). Before the
// panel has written a list it shows the one the panel starts with; hiding a row (its switch at
// x 334) and renaming another (a tap on its name, a name typed, Return) write the list, and
// the next panel shows both. An unreadable list shows why, with no rows to write over it.
TEST_F(SimulatorTest, TheCategoryEditorHidesAndRenamesAndLeavesAnUnreadableListAlone) {
  const std::string editor = "launch Settings\ntap 187 165\nswipe 187 600 187 300\ntap 187 451\n";
  const auto edited =
      sim(editor + "tap 334 121\ntap 100 165\ntype Tunes\nkey return\n" + "home\nhold up\nshow\n");
  EXPECT_FALSE(contains(edited.out, "| Ringtone:")) << edited.out;
  EXPECT_TRUE(contains(edited.out, "  | Tunes (Speaker): 50%\n")) << edited.out;
  const auto list = PropertyListFile::readArray(kList);
  ASSERT_TRUE(list);
  EXPECT_EQ(*(*list)[0].objectForKey("visible"), PlistValue(false));
  EXPECT_EQ(*(*list)[1].objectForKey("prettyCategoryName"), PlistValue("Tunes"));

  const auto cancelled = sim(editor + "tap 100 165\ntype Lost\nkey escape\nkey return\n");
  EXPECT_TRUE(contains(cancelled.out, "error: no text field has the focus")) << cancelled.out;
  EXPECT_EQ(*PropertyListFile::readArray(kList), *list) << "Escape keeps the old name";

  root.writeBytes(kList, "not a list");
  const auto unreadable = sim(editor + "dump\n");
  EXPECT_TRUE(contains(unreadable.out, "cannot be read as an array")) << unreadable.out;
  EXPECT_FALSE(contains(unreadable.out, "UISwitch")) << "nothing to write over a list";
  EXPECT_TRUE(contains(unreadable.out, "text=\"Reset to defaults\""));
  EXPECT_EQ(root.readBytes(kList), "not a list");
}

TEST_F(SimulatorTest, DemoNarratesAndNeverRemovesWhatItDidNotWrite) {
  const auto mine = root.path() / "mine";
  root.writeBytes("/mine/important.txt", "keep me");
  const auto refused = runProgram({ORBELLE_SIM, "demo", "--out", mine.string()});
  EXPECT_EQ(refused.status, 1);
  EXPECT_TRUE(contains(refused.err, "holds files the demo did not write")) << refused.err;
  EXPECT_EQ(root.readBytes("/mine/important.txt"), "keep me");
  EXPECT_FALSE(root.exists("/mine/screenshots"));

  const auto out = root.path() / "demo";
  const auto run = runProgram({ORBELLE_SIM, "demo", "--out", out.string()});
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_TRUE(contains(run.out, "A short hold of volume-up"));
  EXPECT_TRUE(contains(run.out, "UISlider tag=2001 value=37 label=\"Audio/Video (Speaker): 37%\""));
  EXPECT_TRUE(contains(run.out, "  | Ringtone: 37%")) << "the Ringtone row followed";
  EXPECT_TRUE(contains(run.out, "Screenshots: " + (out / "screenshots").string()));
  EXPECT_TRUE(contains(run.out, "UISwitch tag=4")) << "the phone call's row hidden in Settings";
  const auto prefs =
      PropertyListFile::readDictionary(std::string("/demo/device") + device_paths::kPrefs);
  ASSERT_TRUE(prefs) << "written in Settings";
  EXPECT_EQ(prefs->at("selectedSkin"), PlistValue("Metal"));
  EXPECT_EQ(prefs->at("bindRingerAndAV"), PlistValue(true));
  for (const char* shot : {"01-home", "02-settings", "03-categories", "04-popup-open",
                           "05-dragging", "06-closed", "07-hud-again"}) {
    EXPECT_EQ(readPng(out / "screenshots" / (std::string(shot) + ".png")).width, 750) << shot;
  }
  root.writeBytes("/demo/notes.txt", "mine");
  root.writeBytes("/demo/screenshots/my-own.png", "mine too");
  // Again on an iPad, whose list ends with the video conference rather than the phone call.
  const auto again =
      runProgram({ORBELLE_SIM, "demo", "--device", "iPad6,11", "--out", out.string()});
  EXPECT_EQ(again.status, 0) << again.out << again.err;
  EXPECT_TRUE(contains(again.out, "hides the last row, Video Conference")) << again.out;
  EXPECT_EQ(root.readBytes("/demo/notes.txt"), "mine") << "a rerun replaces only its own files";
  EXPECT_EQ(root.readBytes("/demo/screenshots/my-own.png"), "mine too");
}

}  // namespace

namespace {

// On a notched iPhone the status bar is 44 points tall and a navigation bar sits under it; a
// page's table runs under both, its content inset by their height.
TEST_F(SimulatorTest, ANotchedModelsBarsSitUnderItsTallerStatusBar) {
  const auto run = sim("launch Settings\ndump all\n", {"--device", "iPhone10,3"});
  EXPECT_TRUE(contains(run.out, "UILabel frame=(88,44,199,44) tag=0 text=\"Settings\"")) << run.out;
  EXPECT_TRUE(contains(run.out, "level=1000 alpha=1 hidden=0\n  UIView frame=(0,0,375,44)"));
  EXPECT_TRUE(contains(run.out,
                       "UITableView frame=(0,0,375,812) tag=0 contentSize=(375,158) "
                       "contentOffset=(0,-88)"))
      << "the page runs under the bars, inset by their height";

  auto list = fx::array({});
  for (int i = 0; i < 20; ++i)
    plist_array_append_item(list.get(), fx::entry("Ringtone", "R", true));
  root.writeBytes(kList, fx::xml(list));
  const auto tall = sim("hold up\nshow\nrotate landscape\nshow\n", {"--device", "iPhone10,3"});
  EXPECT_TRUE(contains(tall.out, "+-- mixer 325x734 at (25,44) scrolled 0 of 306 ---"))
      << "clear of the status bar and the home indicator: " << tall.out;
  EXPECT_TRUE(contains(tall.out, "+-- mixer 325x334 at (243.5,20) scrolled 0 of 706 ---"))
      << "on its side, clear of the home indicator and between the notch's sides";
}

}  // namespace

namespace {

// Which screens turn: the popup turns with the device; the home screen and the status bar of an
// iPhone that is not Plus-sized stay upright, and so does Settings, whose rows a tap still
// reaches where they show; a Plus-sized iPhone's home screen turns, and its status bar stands as
// the app in front may.
TEST_F(SimulatorTest, ThePopupTurnsWhileTheHomeScreenAndSettingsStayUpright) {
  const auto phone = sim("rotate landscape\nhold up\ndump all\n");
  EXPECT_TRUE(contains(phone.out, "SBHomeScreenWindow frame=(0,0,375,667)")) << phone.out;
  EXPECT_TRUE(contains(phone.out, "UIWindow frame=(0,0,667,375) tag=0 level=2002")) << phone.out;
  const auto settings = sim("launch Settings\nrotate landscape\ntap 482 121\nshow\n");
  EXPECT_TRUE(contains(settings.out, "| Skin (Default iOS)  >")) << settings.out;
  const auto launchedTurned = sim("rotate landscape\nlaunch Settings\ndump\n");
  EXPECT_TRUE(contains(launchedTurned.out, "UIWindow frame=(0,0,375,667) tag=0 level=0"))
      << "opened on a turned iPhone, Settings stands upright: " << launchedTurned.out;
  const auto plus = sim("rotate landscape\ndump all\nlaunch Settings\ndump all\nhome\ndump all\n",
                        {"--device", "iPhone10,5"});
  EXPECT_TRUE(contains(plus.out, "SBHomeScreenWindow frame=(0,0,736,414)")) << plus.out;
  const std::string statusBar = "tag=0 level=1000";
  const auto overSettings = plus.out.find("UIWindow frame=(0,0,414,736) " + statusBar);
  EXPECT_NE(overSettings, std::string::npos) << "upright over Settings: " << plus.out;
  EXPECT_NE(plus.out.find("UIWindow frame=(0,0,736,414) " + statusBar, overSettings),
            std::string::npos)
      << "turned again at home: " << plus.out;
}

}  // namespace
