#include "Celestial/AVSystemController.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "Celestial/AudioHardware.h"
#include "CoreFoundation/CFRunLoop.h"
#include "Foundation/NSNotificationCenter.h"

namespace {

class AVSystemControllerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AudioHardware::reset();
    NSNotificationCenter::defaultCenter().addObserver(
        token, [this](const NSNotification& note) { posted.push_back(note); },
        AVSystemController_EffectiveVolumeDidChangeNotification, nullptr);
  }
  void TearDown() override {
    NSNotificationCenter::defaultCenter().removeObserver(token.get());
    AudioHardware::reset();
  }

  std::shared_ptr<AVSystemController> controller = AVSystemController::sharedAVSystemController();
  std::shared_ptr<int> token = std::make_shared<int>(0);
  std::vector<NSNotification> posted;
};

TEST_F(AVSystemControllerTest, SetVolumePostsCategoryVolumeAndReasonOnALaterTurn) {
  ASSERT_TRUE(controller->setVolumeTo(0.37f, "Audio/Video"));
  EXPECT_TRUE(posted.empty()) << "the media server answers later";
  CFRunLoop::main().runUntilIdle();
  ASSERT_EQ(posted.size(), 1u);
  const auto& note = posted[0];
  EXPECT_EQ(note.name, "AVSystemController_EffectiveVolumeDidChangeNotification");
  EXPECT_EQ(note.object, controller.get());
  EXPECT_EQ(note.userInfo.at("AVSystemController_EffectiveVolumeNotificationParameter_Category"),
            PlistValue("Audio/Video"));
  EXPECT_EQ(note.userInfo.at("AVSystemController_EffectiveVolumeNotificationParameter_Volume")
                .floatValue(),
            0.37f);
  EXPECT_EQ(
      note.userInfo.at(AVSystemController_EffectiveVolumeNotificationParameter_VolumeChangeReason),
      PlistValue("ExplicitVolumeChange"));
  float volume = 0;
  controller->getVolume(volume, "Audio/Video");
  EXPECT_EQ(volume, 0.37f);
}

TEST_F(AVSystemControllerTest, VolumesAreClampedAndNanRefused) {
  controller->setVolumeTo(1.7f, "Ringtone");
  controller->setVolumeTo(-0.2f, "PhoneCall");
  float ringtone = 0, phone = 1;
  controller->getVolume(phone, "PhoneCall");
  EXPECT_EQ(phone, 0.0f);
  EXPECT_FALSE(controller->setVolumeTo(std::nanf(""), "Ringtone"));
  EXPECT_FALSE(controller->setVolumeTo(0.5f, "Siren"));
  controller->getVolume(ringtone, "Ringtone");
  EXPECT_EQ(ringtone, 1.0f);
  CFRunLoop::main().runUntilIdle();
  ASSERT_EQ(posted.size(), 2u) << "refused changes post nothing";
  EXPECT_EQ(posted[0].userInfo.at(AVSystemController_EffectiveVolumeNotificationParameter_Volume),
            PlistValue(1.0));
}

// Each route keeps its own volume; moving to a route posts the volume change only when the
// volume in effect changes, and the route change every time. A reset drops what was not posted
// yet.
TEST_F(AVSystemControllerTest, EachRouteKeepsItsVolume) {
  std::vector<std::string> rerouted;
  const auto routeToken = std::make_shared<int>(0);
  NSNotificationCenter::defaultCenter().addObserver(
      routeToken,
      [&](const NSNotification& note) {
        rerouted.push_back(
            *note.userInfo.at(AVSystemController_EffectiveVolumeNotificationParameter_Category)
                 .asString());
      },
      AVSystemController_ActiveAudioRouteDidChangeNotification, nullptr);
  const auto volume = [&] {
    float value = -1;
    controller->getVolume(value, "Audio/Video");
    return value;
  };
  AudioHardware::setRoute("Audio/Video", "Headphone");
  EXPECT_EQ(volume(), AudioHardware::kFirstVolumeOnNewRoute);
  controller->setVolumeTo(0.8f, "Audio/Video");
  AudioHardware::setRoute("Audio/Video", "Speaker");
  EXPECT_EQ(volume(), 0.5f) << "the loudspeaker's own";
  AudioHardware::setRoute("Audio/Video", "Headphone");
  EXPECT_EQ(volume(), 0.8f);
  controller->setVolumeTo(0.5f, "Audio/Video");
  AudioHardware::setRoute("Audio/Video", "Speaker");
  CFRunLoop::main().runUntilIdle();
  std::vector<std::string> seen;
  for (const auto& note : posted) {
    const auto& info = note.userInfo;
    seen.push_back(
        *info.at(AVSystemController_EffectiveVolumeNotificationParameter_VolumeChangeReason)
             .asString() +
        " " +
        std::to_string(
            *info.at(AVSystemController_EffectiveVolumeNotificationParameter_Volume).floatValue()));
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"RouteChange 0.375000", "ExplicitVolumeChange 0.800000",
                                            "RouteChange 0.500000", "RouteChange 0.800000",
                                            "ExplicitVolumeChange 0.500000"}))
      << "the last route change kept the volume, and posted nothing";
  EXPECT_EQ(rerouted, std::vector<std::string>(4, "Audio/Video")) << "but its route change";
  NSNotificationCenter::defaultCenter().removeObserver(routeToken.get());

  posted.clear();
  controller->setVolumeTo(0.1f, "Ringtone");
  AudioHardware::reset();
  CFRunLoop::main().runUntilIdle();
  EXPECT_TRUE(posted.empty());
}

}  // namespace
