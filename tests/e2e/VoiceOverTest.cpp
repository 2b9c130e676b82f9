#include <gtest/gtest.h>

#include <string>

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

}  // namespace
