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
            "voiceover on\n"
            "9:41\n"
            "handled\n"
            "VoiceOver: Ringtone, 50%, adjustable\n"
            "Audio/Video (Speaker), 50%, adjustable\n"
            "BT Headset, 50%, adjustable\n"
            "BT Headphones, 50%, adjustable\n"
            "Phone Call (Receiver), 75%, adjustable\n"
            "Close the mixer, button\n"
            "error: no element there\n"  // past the last

            "Audio/Video (Speaker), 50%, adjustable\n"
            "60%\n"
            "Alarm 0.5 Speaker\n"
            "Audio/Video 0.6 Speaker\n"
            "HeadphonesBT 0.5 BluetoothA2DPOutput\n"
            "HeadsetBT 0.5 BluetoothHFP\n"
            "PhoneCall 0.75 Receiver\n"
            "Ringtone 0.5 Speaker\n"
            "VideoConference 0.75 Speaker\n"
            "9:41\n"
            "popupWindow=nil popupView=set enableBackgroundBlur=YES\n"
            "unlocked\n")
      << run.err;
}

TEST_F(VoiceOverTest, TheInspectorListsThePanelAndItsAuditSaysWhatAReviewerFlags) {
  const auto run = sim("hold up\nax\nax audit\n");
  EXPECT_NE(run.out.find("Ringtone | 50% | adjustable | frame=(45,223.5,285,30)\n"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("Close the mixer |  | button | frame=(0,0,375,667)\n"), std::string::npos);
  EXPECT_EQ(run.out.find("Ringtone: 50%"), std::string::npos) << "the label is no stop of its own";
  EXPECT_NE(run.out.find("smaller than 44x44: Ringtone frame=(45,223.5,285,30)\n"),
            std::string::npos);
  EXPECT_EQ(run.out.find("no label"), std::string::npos) << run.out;
}

}  // namespace
