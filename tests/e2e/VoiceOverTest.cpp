#include <gtest/gtest.h>

#include <string>

#include "Foundation/PropertyListFile.h"
#include "support/DevicePaths.h"
#include "support/ProgramRun.h"
#include "support/TempDeviceRoot.h"

namespace {

class VoiceOverTest : public ::testing::Test {
 protected:
  ProgramRun sim(const std::string& script) { return runSim(root.path().string(), script); }
  TempDeviceRoot root;
};

// With VoiceOver on, the popup speaks its first row as it opens; each row is one stop, its
// slider read with the row's title and value, then the way out; nothing behind the panel.
TEST_F(VoiceOverTest, ThePanelReadsARowAStopAndTheEscapeGestureClosesIt) {
  const auto run =
      sim("clock 9:41\n"
          "voiceover speech silent\n"
          "voiceover on\n"
          "hold up\n"
          "vo next\nvo next\nvo next\nvo next\nvo next\nvo next\n"
          "vo touch 187 290\n"
          "vo increment\n"
          "volumes\n"
          "vo escape\n"
          "state\n");
  EXPECT_EQ(run.out,
            "clock 9:41\n"
            "speech: printed only\n"
            "voiceover on\n"
            "Messages, button\n"
            "handled\n"
            "VoiceOver: Ringtone, 50%, adjustable\n"
            "Audio/Video (Speaker), 50%, adjustable\n"
            "BT Headset, 50%, adjustable\n"
            "BT Headphones, 50%, adjustable\n"
            "Phone Call (Receiver), 75%, adjustable\n"
            "Close the mixer, button\n"
            "(the last element)\n"
            "Audio/Video (Speaker), 50%, adjustable\n"
            "60%\n"
            "Alarm 0.5 Speaker\n"
            "Audio/Video 0.6 Speaker\n"
            "HeadphonesBT 0.5 BluetoothA2DPOutput\n"
            "HeadsetBT 0.5 BluetoothHFP\n"
            "PhoneCall 0.75 Receiver\n"
            "Ringtone 0.5 Speaker\n"
            "VideoConference 0.75 Speaker\n"
            "VoiceOver: Messages, button\n"
            "popupWindow=nil popupView=set enableBackgroundBlur=YES\n"
            "unlocked\n")
      << run.err;
}

TEST_F(VoiceOverTest, TheInspectorListsThePanelAndItsAuditSaysWhatAReviewerFlags) {
  const auto run = sim("hold up\nax\nax audit\n");
  EXPECT_NE(run.out.find("Ringtone | 50% | adjustable | frame=(25,203.5,325,50)\n"),
            std::string::npos)
      << "the slider is found anywhere on its row\n"
      << run.out;
  EXPECT_NE(run.out.find("Close the mixer |  | button | frame=(0,0,375,667)\n"), std::string::npos);
  EXPECT_EQ(run.out.find("Ringtone: 50%"), std::string::npos) << "the label is no stop of its own";
  EXPECT_EQ(run.out.find("smaller than 44x44"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("overlap: Ringtone and Close the mixer\n"), std::string::npos);
  EXPECT_EQ(run.out.find("no label"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("contrast"), std::string::npos) << "white on the dark panel" << run.out;

  // Black text, which a person may choose, on the dark panel: read off the screen as drawn.
  const auto dark = sim("prefs textColor 1\nhold up\nax audit\n");
  EXPECT_NE(
      dark.out.find("contrast 1.0:1 below 4.5:1: \"Ringtone: 50%\" frame=(45,208.5,305,15)\n"),
      std::string::npos)
      << dark.out;
}

// A double tap on the close button closes the popup, though the panel covers its middle; an
// app in front hides SpringBoard's windows under it.
TEST_F(VoiceOverTest, TheCloseButtonClosesAndAnAppHidesTheHomeScreen) {
  const auto run = sim(
      "clock 9:41\nvoiceover speech silent\nvoiceover on\nhold up\nvo previous\nvo touch 187 20\n"
      "vo activate\nstate\nax\nlaunch Settings\nax\n");
  EXPECT_NE(run.out.find("(the first element)\nClose the mixer, button\nVoiceOver: Messages, "
                         "button\npopupWindow=nil"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("Messages |  | button | frame="), std::string::npos)
      << "the home screen's icons, each one button" << run.out;
  EXPECT_TRUE(
      run.out.ends_with("Settings\nVoiceOver: Settings, heading\n"
                        "9:41 |  |  | frame=(16,0,80,20)\n"
                        "Settings |  | heading | frame=(156,20,62,44)\n"
                        "Activator |  | button | frame=(0,99,375,44)\n"
                        "Orbelle 2 |  | button | frame=(0,143,375,44)\n"))
      << "the app's own elements, asked of its process" << run.out;
}

// Settings is a process of its own: VoiceOver reads its pages through the app's channel. A page
// opens at its title; the tweak's page reads each switch with its title and state and turns it on
// a double tap; the category editor reads each entry's name and category, then its switch,
// renames it in a field VoiceOver goes to (the escape gesture puts the name back, Return saves
// it, and the cursor stays on the row), reads a row as one adjustable element in Edit mode and
// moves it with a swipe; Reset asks in an alert the escape gesture cancels, back on the Reset row;
// the escape gesture goes back a page, to the row that opened it.
TEST_F(VoiceOverTest, TheTweaksPageAndTheCategoryEditorReadEveryControlWithItsState) {
  std::string script =
      "clock 9:41\nvoiceover speech silent\nvoiceover on\nlaunch Settings\n"
      "vo touch 187 165\nvo activate\n";
  const auto next = [&](int times) {
    for (int i = 0; i < times; ++i) script += "vo next\n";
  };
  next(10);
  script += "vo activate\n";
  next(5);
  script += "vo activate\n";
  next(3);
  script +=
      "vo activate\nvo previous\nvo activate\nkey escape\n"
      "vo activate\ntype Bells\nvo escape\n"
      "vo activate\ntype Chimes\nkey return\nvo read\n"
      "vo touch 340 40\nvo activate\nvo touch 353 121\nvo decrement\n"
      "vo touch 340 40\nvo activate\nvo touch 187 420\nvo activate\n"
      "vo next\nvo next\nvo next\nvo escape\nvo escape\n";
  const auto run = sim(script);
  const auto at = run.out.find("PANEL, heading\n");
  ASSERT_NE(at, std::string::npos) << run.out << run.err;
  EXPECT_EQ(run.out.substr(at),
            "PANEL, heading\n"
            "Show Percentages, on, button\n"
            "Show Percentages, off, button\n"
            "Link Ringer and Media, off, button\n"
            "Blur the Background, on, button\n"
            "The ringtone and media rows follow each other while sound plays through the "
            "speaker.\n"
            "CATEGORIES, heading\n"
            "Categories, button\n"
            "VoiceOver: Categories, heading\n"
            "Edit, button\n"
            "Ringtone, category Ringtone, button\n"
            "Show Ringtone, on, button\n"
            "Show Ringtone, off, button\n"
            "Ringtone, category Ringtone, button\n"
            "VoiceOver: Name for category Ringtone, Ringtone, text field, is editing\n"
            "escape\n"
            "VoiceOver: Ringtone, category Ringtone, button\n"
            "VoiceOver: Name for category Ringtone, Ringtone, text field, is editing\n"
            "text \"Bells\"\n"
            "VoiceOver: Ringtone, category Ringtone, button\n"
            "VoiceOver: Name for category Ringtone, Ringtone, text field, is editing\n"
            "text \"Chimes\"\n"
            "return\n"
            "Chimes, category Ringtone, button\n"
            "Edit, button\n"
            "Done, button\n"
            "Chimes, category Ringtone, row 1 of 5, adjustable\n"
            "category Ringtone, row 2 of 5\n"
            "Done, button\n"
            "Edit, button\n"
            "Reset to defaults, button\n"
            "VoiceOver: Reset the category list?\n"
            "Every name, order and switch goes back to the first list. This cannot be undone.\n"
            "Cancel, button\n"
            "Reset, button\n"
            "VoiceOver: Reset to defaults, button\n"
            "VoiceOver: Categories, button\n")
      << run.err;
  const auto prefs = PropertyListFile::readDictionary(device_paths::kPrefs);
  ASSERT_TRUE(prefs);
  EXPECT_EQ(prefs->at("displayPercentage"), PlistValue(false)) << "the switch turned";
  const auto list = PropertyListFile::readArray(device_paths::kList);
  ASSERT_TRUE(list && list->size() > 2);
  const auto& moved = (*list)[1];
  EXPECT_EQ(*moved.objectForKey("categoryName"), PlistValue("Ringtone")) << "a place down";
  EXPECT_EQ(*moved.objectForKey("prettyCategoryName"), PlistValue("Chimes")) << "renamed once";
  EXPECT_EQ(*moved.objectForKey("visible"), PlistValue(false)) << "hidden by its switch";
}

}  // namespace
