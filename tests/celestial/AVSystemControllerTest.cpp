#include "Celestial/AVSystemController.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <string>
#include <vector>

#include "Foundation/NSNotificationCenter.h"
#include "SimDevice/DeviceModel.h"
#include "System/sysctl.h"

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

TEST_F(AVSystemControllerTest, OneInstancePerProcess) {
  EXPECT_EQ(AVSystemController::sharedAVSystemController(), controller);
}

TEST_F(AVSystemControllerTest, KnowsTheListsCategoriesAndMore) {
  for (const char* category : {"Ringtone", "Audio/Video", "HeadsetBT", "HeadphonesBT", "PhoneCall",
                               "VideoConference", "Alarm"}) {
    float volume = -1;
    EXPECT_TRUE(controller->getVolume(volume, category)) << category;
    EXPECT_GE(volume, 0.0f);
    EXPECT_LE(volume, 1.0f);
  }
  float untouched = -1;
  EXPECT_FALSE(controller->getVolume(untouched, "Siren"));
  EXPECT_EQ(untouched, -1) << "an unknown category leaves the out value alone";
  EXPECT_FALSE(controller->routeForCategory("Siren"));
}

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
  float ringtone = 0;
  float phone = 1;
  controller->getVolume(ringtone, "Ringtone");
  controller->getVolume(phone, "PhoneCall");
  EXPECT_EQ(ringtone, 1.0f);
  EXPECT_EQ(phone, 0.0f);
  ASSERT_EQ(posted.size(), 2u);
  EXPECT_EQ(posted[0].userInfo.at(AVSystemController_EffectiveVolumeNotificationParameter_Volume),
            PlistValue(1.0));

  EXPECT_FALSE(controller->setVolumeTo(std::nanf(""), "Ringtone"));
  EXPECT_FALSE(controller->setVolumeTo(0.5f, "Siren"));
  controller->getVolume(ringtone, "Ringtone");
  EXPECT_EQ(ringtone, 1.0f);
  EXPECT_EQ(posted.size(), 2u) << "refused changes post nothing";
}

TEST_F(AVSystemControllerTest, RoutesArePerCategoryAndSettable) {
  EXPECT_EQ(controller->routeForCategory("Audio/Video"), "Speaker");
  EXPECT_TRUE(controller->setRoute("Audio/Video", "Headphones"));
  EXPECT_EQ(controller->routeForCategory("Audio/Video"), "Headphones");
  EXPECT_NE(controller->routeForCategory("PhoneCall"), "Headphones");
  EXPECT_TRUE(controller->setRoute("PhoneCall", std::nullopt));
  EXPECT_EQ(controller->routeForCategory("PhoneCall"), std::nullopt);
  EXPECT_FALSE(controller->setRoute("Siren", "Speaker"));
}

class MachineModelTest : public ::testing::Test {
 protected:
  void TearDown() override { DeviceModel::setIdentifier(saved); }
  std::string saved = DeviceModel::identifier();
};

TEST_F(MachineModelTest, LengthThenBufferProtocol) {
  DeviceModel::setIdentifier("iPad7,5");
  std::size_t length = 0;
  ASSERT_EQ(sysctlbyname("hw.machine", nullptr, &length, nullptr, 0), 0);
  EXPECT_EQ(length, 8u) << "the length counts the terminating NUL";
  std::vector<char> buffer(length, 'x');
  ASSERT_EQ(sysctlbyname("hw.machine", buffer.data(), &length, nullptr, 0), 0);
  EXPECT_STREQ(buffer.data(), "iPad7,5");
}

TEST_F(MachineModelTest, ShortBuffersUnknownNamesAndWritesFail) {
  DeviceModel::setIdentifier("iPod9,1");
  char small[4];
  std::size_t length = sizeof small;
  errno = 0;
  EXPECT_EQ(sysctlbyname("hw.machine", small, &length, nullptr, 0), -1);
  EXPECT_EQ(errno, ENOMEM);
  EXPECT_EQ(sysctlbyname("hw.model", nullptr, &length, nullptr, 0), -1);
  EXPECT_EQ(errno, ENOENT);
  EXPECT_EQ(sysctlbyname("hw.machine", nullptr, &length, "x", 1), -1);
  EXPECT_EQ(errno, EPERM);
}

}  // namespace
