#include <gtest/gtest.h>

#include "Celestial/AudioHardware.h"
#include "support/PanelFixture.h"

namespace {

namespace fx = plist_fixture;

class VolumeReadoutTest : public PanelFixture {};

TEST_F(VolumeReadoutTest, LabelsCarryTitleRouteAndRoundedPercentage) {
  controller->setVolumeTo(0.25f, "Audio/Video");
  controller->setVolumeTo(0.125f, "HeadsetBT");
  build();
  EXPECT_EQ(text(0), "Ringtone: 50%");
  EXPECT_EQ(text(1), "Audio/Video (Speaker): 25%");
  EXPECT_EQ(text(2), "BT Headset: 12%") << "12.5 rounds to even";
  EXPECT_EQ(text(4), "Phone Call (Receiver): 75%");
  EXPECT_EQ(slider(1)->value(), 25.0f);
}

TEST_F(VolumeReadoutTest, TitlesAreDataNotFormatsAndAMissingRouteLeavesTheNameAlone) {
  writeList(fx::array({fx::entry("Ringtone", "%@ %n %s %%", true),
                       fx::entry("Audio/Video", "100% loud", true),
                       fx::entry("PhoneCall", "Call", true)}));
  AudioHardware::setRoute("Audio/Video", "%d%n");
  AudioHardware::setRoute("PhoneCall", std::nullopt);
  build();
  EXPECT_EQ(text(0), "%@ %n %s %%: 50%");
  EXPECT_EQ(text(1), "100% loud (%d%n): 38%") << "the volume of a route new to it";
  EXPECT_EQ(text(2), "Call: 38%");
}

TEST_F(VolumeReadoutTest, UnknownCategoryShowsUnknownAndAnimatesToZero) {
  writeList(fx::array({fx::entry("Siren", "Siren", true), fx::entry("Ringtone", "Ring", true)}));
  build();
  EXPECT_EQ(text(0), "Siren: unknown");
  EXPECT_EQ(slider(0)->value(), 0.0f);
  EXPECT_EQ(text(1), "Ring: 50%") << "the other rows are still filled";
}

TEST_F(VolumeReadoutTest, HiddenCategoriesAreNeverReadButAnUpdateStillFormsTheirTitle) {
  writeList(
      fx::array({fx::entry("Ringtone", "Ring", true), fx::entry("Audio/Video", "Media", false),
                 fx::entry("PhoneCall", "Call", true)}));
  build();
  EXPECT_EQ(recorder->calls,
            (std::vector<std::string>{"get Ringtone", "get PhoneCall", "route PhoneCall"}))
      << "the route is asked after the volume";
  recorder->calls.clear();
  panel->updateSliderAndLabelForCategoryNum(1, 0.3f);
  EXPECT_EQ(recorder->calls, std::vector<std::string>{"route Audio/Video"})
      << "an update of a hidden row still forms its title";
}

TEST_F(VolumeReadoutTest, DragWritesOnlyItsOwnCategoryLabelFirst) {
  writePrefs(fx::dict({{"bindRingerAndAV", plist_new_bool(1)}}));
  build();
  recorder->calls.clear();
  drag(1, 37.4f);
  EXPECT_EQ(text(1), "Audio/Video (Speaker): 37%");
  EXPECT_NEAR(volume("Audio/Video"), 0.374f, 1e-4);
  EXPECT_EQ(volume("Ringtone"), 0.5f) << "the binding never writes the partner";
  for (const auto& call : recorder->calls) {
    EXPECT_FALSE(call.starts_with("set Ringtone")) << call;
  }
  ASSERT_GE(recorder->calls.size(), 2u);
  EXPECT_EQ(recorder->calls[0], "route Audio/Video") << "label before volume";
  EXPECT_TRUE(recorder->calls[1].starts_with("set Audio/Video"));
  EXPECT_FALSE(slider(1)->isHighlighted());
}

TEST_F(VolumeReadoutTest, UpdateRewritesTheLabelButLeavesAnEqualSliderAlone) {
  build();
  slider(0)->setValue(40.0f, true);
  panel->updateSliderAndLabelForCategoryNum(0, 0.4f);
  EXPECT_TRUE(slider(0)->lastSetWasAnimated()) << "an equal value is not set again";
  EXPECT_EQ(text(0), "Ringtone: 40%");
  panel->updateSliderAndLabelForCategoryNum(0, 0.375f);
  EXPECT_EQ(slider(0)->value(), 37.5f);
  EXPECT_FALSE(slider(0)->lastSetWasAnimated());
  EXPECT_EQ(text(0), "Ringtone: 38%") << "37.5 rounds to even";
}

TEST_F(VolumeReadoutTest, IndexesOutsideTheListChangeNothing) {
  build();
  const auto before = recorder->calls.size();
  panel->updateSliderAndLabelForCategoryNum(5, 0.9f);
  panel->updateSliderAndLabelForCategoryNum(-1, 0.9f);
  auto stray = std::make_shared<UISlider>(CGRectMake(0, 0, 100, 30));
  stray->setTag(2099);
  stray->setMaximumValue(100);
  stray->setValue(30);
  panel->sliderValueChanged(*stray);
  stray->setTag(7);
  panel->sliderValueChanged(*stray);
  EXPECT_EQ(recorder->calls.size(), before);
  EXPECT_EQ(text(0), "Ringtone: 50%");
}

TEST_F(VolumeReadoutTest, RowsBeyondAThousandWorkLikeTheFirst) {
  // Label 1000 + 1000 carries the tag of the first row's slider (2000 + 0).
  auto list = fx::array({});
  for (int i = 0; i <= 1001; ++i) {
    plist_array_append_item(list.get(), i == 1000 ? fx::entry("Audio/Video", "Media", true)
                                                  : fx::entry("Ringtone", "Row", true));
  }
  writeList(list);
  build(300, 50 * 1002 + 40);
  EXPECT_EQ(text(1000), "Media (Speaker): 50%");
  EXPECT_EQ(text(0), "Row: 50%");
  post("Audio/Video", 0.2);
  EXPECT_EQ(text(1000), "Media (Speaker): 20%");
  EXPECT_EQ(slider(1000)->value(), 20.0f);
  slider(1000)->setValue(70);  // far below the screen: moved as a finger would
  slider(1000)->sendActionsForControlEvents(UIControlEventValueChanged);
  EXPECT_EQ(volume("Audio/Video"), 0.7f);
  EXPECT_EQ(text(0), "Row: 50%");
}

}  // namespace
