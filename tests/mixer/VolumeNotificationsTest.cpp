#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "Foundation/NSNotificationCenter.h"
#include "UIKit/UIApplication.h"
#include "UIKit/UITouches.h"
#include "support/PanelFixture.h"

namespace {

namespace fx = plist_fixture;

class VolumeNotificationsTest : public PanelFixture {
 protected:
  void buildBound(bool bound, bool debug = false) {
    writePrefs(fx::dict({{"bindRingerAndAV", plist_new_bool(bound)},
                         {"enableDebugLogging", plist_new_bool(debug)}}));
    build();
    log.clear();
    recorder->calls.clear();
  }
  bool askedRoute(const char* category) const {
    return std::find(recorder->calls.begin(), recorder->calls.end(),
                     std::string("route ") + category) != recorder->calls.end();
  }
};

TEST_F(VolumeNotificationsTest, BoundOnTheLoudspeakerEachFollowsTheOther) {
  buildBound(true);
  setVolumeTo(0.4f, "Audio/Video");
  EXPECT_EQ(text(0), "Ringtone: 40%");
  EXPECT_EQ(text(1), "Audio/Video (Speaker): 40%");
  setVolumeTo(0.7f, "Ringtone");
  EXPECT_EQ(slider(1)->value(), 70.0f);
  EXPECT_EQ(slider(0)->value(), 70.0f);
  EXPECT_EQ(volume("Audio/Video"), 0.4f) << "only the rows follow, not the volumes";
  setRoute("Audio/Video", "SpeakerAndMic");
  setVolumeTo(0.2f, "Audio/Video");
  EXPECT_EQ(text(0), "Ringtone: 20%") << "a route beginning with Speaker is the loudspeaker";
  for (const std::optional<std::string>& route :
       {std::optional<std::string>("speaker"), std::optional<std::string>()}) {
    setRoute("Audio/Video", route);
    setVolumeTo(0.6f, "Audio/Video");
    EXPECT_EQ(text(0), "Ringtone: 20%") << "case-sensitive, and no route is not the loudspeaker";
  }
}

TEST_F(VolumeNotificationsTest, PartnerRowIsUpdatedBeforeTheOwnRow) {
  writeList(
      fx::array({fx::entry("Ringtone", "Ring", true), fx::entry("Audio/Video", "Media", false)}));
  buildBound(true, true);
  setVolumeTo(0.3f, "Audio/Video");
  EXPECT_EQ(log.messages(),
            (std::vector<std::string>{
                "OB: A/V route is Speaker, updating ringtone slider as well",
                "OB: category Audio/Video not visible, no slider to update for that category"}));
  EXPECT_EQ(text(0), "Ring: 30%") << "the hidden row's partner still follows";
}

TEST_F(VolumeNotificationsTest, BoundOffTheLoudspeakerEachKeepsToItself) {
  setRoute("Audio/Video", "Headphones");
  buildBound(true, true);
  setVolumeTo(0.4f, "Audio/Video");
  setVolumeTo(0.9f, "Ringtone");
  EXPECT_EQ(text(0), "Ringtone: 90%");
  EXPECT_EQ(text(1), "Audio/Video (Headphones): 40%");
  EXPECT_EQ(log.messages(),
            (std::vector<std::string>{"OB: A/V route is not Speaker, not updating ringtone slider",
                                      "OB: A/V route is not Speaker, not updating A/V slider"}));
}

TEST_F(VolumeNotificationsTest, DraggedSliderIsLeftAloneWhileItsPartnerFollows) {
  buildBound(true, true);
  auto& touches = UITouches::shared();
  touches.touchDown(thumbAt(1, 50));
  for (const float percent : {45.0f, 41.0f, 37.0f}) {
    touches.touchMoved(thumbAt(1, percent));
    settle();
    EXPECT_EQ(text(0), "Ringtone: " + std::to_string(int(percent)) + "%");
    EXPECT_EQ(text(1), "Audio/Video (Speaker): " + std::to_string(int(percent)) + "%");
  }
  EXPECT_EQ(log.messages().back(),
            "OB: mixer is initiating volume change event for category Audio/Video, do not update "
            "GUI");
  // An outside change during the drag leaves the dragged row as the finger has it.
  setVolumeTo(0.9f, "Audio/Video");
  EXPECT_EQ(text(1), "Audio/Video (Speaker): 37%");
  EXPECT_EQ(text(0), "Ringtone: 90%");
  touches.touchUp(thumbAt(1, 37));
  setVolumeTo(0.8f, "Audio/Video");
  EXPECT_EQ(text(1), "Audio/Video (Speaker): 80%") << "followed again once the finger is up";
  // A quick drag, lifted before the controller answers any of it: the answers, late, leave
  // the thumb where the finger left it.
  touches.touchDown(thumbAt(1, 80));
  touches.touchMoved(thumbAt(1, 60));
  touches.touchMoved(thumbAt(1, 30));
  touches.touchUp(thumbAt(1, 30));
  settle();
  EXPECT_EQ(text(1), "Audio/Video (Speaker): 30%");
  EXPECT_NEAR(slider(1)->value(), 30, 0.01);
}

TEST_F(VolumeNotificationsTest, PhoneCallNeverConsultsTheMediaRoute) {
  for (const bool bound : {false, true}) {
    buildBound(bound);
    setVolumeTo(0.2f, "PhoneCall");
    EXPECT_FALSE(askedRoute("Audio/Video"));
    EXPECT_EQ(text(4), "Phone Call (Receiver): 20%");
  }
}

TEST_F(VolumeNotificationsTest, UnmatchedCategoriesAreLoggedEvenQuietly) {
  buildBound(false);
  setVolumeTo(0.3f, "Alarm");
  EXPECT_EQ(log.messages(), std::vector<std::string>{
                                "OB: unable to match category Alarm to OB categories list, GUI "
                                "not updated!"});
  writeList(fx::array({}));
  buildBound(false);
  post("Ringtone", 0.1);
  EXPECT_EQ(log.messages().size(), 1u) << "an empty list matches nothing";
}

TEST_F(VolumeNotificationsTest, HiddenCategoryChangesNoView) {
  writeList(fx::array({fx::entry("Ringtone", "Ring", true), fx::entry("HeadsetBT", "BT", false)}));
  buildBound(false, true);
  setVolumeTo(0.1f, "HeadsetBT");
  EXPECT_EQ(text(0), "Ring: 50%");
  EXPECT_EQ(log.messages(), std::vector<std::string>{"OB: category HeadsetBT not visible, no "
                                                     "slider to update for that category"});
}

TEST_F(VolumeNotificationsTest, DuplicateNamesUpdateTheFirstRowAndAMissingPartnerNothing) {
  writeList(fx::array({fx::entry("Ringtone", "First", true), fx::entry("Ringtone", "Second", true),
                       fx::entry("HeadsetBT", "BT", true)}));
  buildBound(true);
  setVolumeTo(0.65f, "Ringtone");
  EXPECT_EQ(text(0), "First: 65%");
  EXPECT_EQ(text(1), "Second: 50%");
  EXPECT_EQ(text(2), "BT: 50%");
}

TEST_F(VolumeNotificationsTest, MalformedPayloadsFallBack) {
  buildBound(false);
  const auto tell = [](PlistValue::Dictionary userInfo) {
    NSNotificationCenter::defaultCenter().postNotificationName(
        AVSystemController_EffectiveVolumeDidChangeNotification, nullptr, std::move(userInfo));
  };
  constexpr auto kCategory = AVSystemController_EffectiveVolumeNotificationParameter_Category;
  tell({{kCategory, "Ringtone"}});
  EXPECT_EQ(text(0), "Ringtone: 0%") << "a missing volume reads as 0";
  for (const PlistValue& bad : {PlistValue("loud"), PlistValue(std::nan("")), PlistValue(1e300)}) {
    post("Ringtone", 0.5);
    tell({{kCategory, "Ringtone"},
          {AVSystemController_EffectiveVolumeNotificationParameter_Volume, bad}});
    EXPECT_EQ(text(0), "Ringtone: 0%");
  }
  tell({{kCategory, 42}});
  EXPECT_EQ(log.messages().back(),
            "OB: unable to match category (null) to OB categories list, GUI not updated!");
}

}  // namespace
