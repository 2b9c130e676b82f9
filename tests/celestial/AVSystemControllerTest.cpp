#include "Celestial/AVSystemController.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "Foundation/NSNotificationCenter.h"

namespace {

class AVSystemControllerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    controller->reset();
    NSNotificationCenter::defaultCenter().addObserver(
        token, [this](const NSNotification& note) { posted.push_back(note); },
        AVSystemController_EffectiveVolumeDidChangeNotification, nullptr);
  }
  void TearDown() override {
    NSNotificationCenter::defaultCenter().removeObserver(token.get());
    controller->reset();
  }

  std::shared_ptr<AVSystemController> controller = AVSystemController::sharedAVSystemController();
  std::shared_ptr<int> token = std::make_shared<int>(0);
  std::vector<NSNotification> posted;
};

TEST_F(AVSystemControllerTest, SetVolumePostsCategoryAndVolume) {
  ASSERT_TRUE(controller->setVolumeTo(0.37f, "Audio/Video"));
  ASSERT_EQ(posted.size(), 1u);
  const auto& note = posted[0];
  EXPECT_EQ(note.name, "AVSystemController_EffectiveVolumeDidChangeNotification");
  EXPECT_EQ(note.object, controller.get());
  EXPECT_EQ(note.userInfo.at("AVSystemController_EffectiveVolumeNotificationParameter_Category"),
            PlistValue("Audio/Video"));
  EXPECT_EQ(note.userInfo.at("AVSystemController_EffectiveVolumeNotificationParameter_Volume")
                .floatValue(),
            0.37f);
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
  ASSERT_EQ(posted.size(), 2u) << "refused changes post nothing";
  EXPECT_EQ(posted[0].userInfo.at(AVSystemController_EffectiveVolumeNotificationParameter_Volume),
            PlistValue(1.0));
}

}  // namespace
