#include <gtest/gtest.h>

#include "Foundation/NSNotificationCenter.h"
#include "Foundation/ProcessSetup.h"
#include "support/PanelFixture.h"

namespace {

namespace fx = plist_fixture;

class PanelAssemblyTest : public PanelFixture {};

TEST_F(PanelAssemblyTest, HiddenEntriesKeepTheirNumbersAndUseNoSpaceInALayoutFixedAtBuild) {
  writeList(fx::array({fx::entry("Ringtone", "Ring", true), fx::entry("HeadsetBT", "BT", false),
                       fx::entry("Audio/Video", "Media", true)}));
  build();
  ASSERT_EQ(panel->subviews().size(), 2u);
  EXPECT_EQ(panel->subviews()[0]->frame(), CGRectMake(0, 15, 300, 50));
  const auto row = panel->subviews()[1];
  EXPECT_EQ(row->frame(), CGRectMake(0, 65, 300, 50));
  EXPECT_EQ(row->subviews(), (std::vector<std::shared_ptr<UIView>>{label(2), slider(2)}))
      << "a row holds its label, then its slider";
  EXPECT_FALSE(row->backgroundColor());
  EXPECT_EQ(label(2)->tag(), 1002) << "tags from the category number, not the row's place";
  EXPECT_EQ(slider(2)->tag(), 2002);
  EXPECT_EQ(label(0)->superview(), panel->subviews()[0]);
  EXPECT_FALSE(panel->viewWithTag(1001));
  EXPECT_FALSE(panel->viewWithTag(2001));
  panel->setFrame(CGRectMake(0, 0, 500, 400));
  EXPECT_EQ(panel->subviews()[0]->frame(), CGRectMake(0, 15, 300, 50)) << "laid out once, built";
}

TEST_F(PanelAssemblyTest, DebugBuildLogsInOrder) {
  writePrefs(fx::dict({{"enableDebugLogging", plist_new_bool(1)}}));
  writeList(fx::array({fx::entry("Ringtone", "Ring", true), fx::entry("PhoneCall", "Call", false),
                       fx::entry("Audio/Video", "Media", true)}));
  build();
  EXPECT_EQ(log.messages(),
            (std::vector<std::string>{"OB: loadFullViewWithResourcesBundle", "OB: got 3 categories",
                                      "OB: width=300.000000", "OB: updating category Ringtone",
                                      "OB: updating category Audio/Video"}));
}

TEST_F(PanelAssemblyTest, AllHiddenOrEmptyListGivesNoRowsButStillListens) {
  for (const bool empty : {false, true}) {
    writeList(empty ? fx::array({}) : fx::array({fx::entry("Ringtone", "Ring", false)}));
    build();
    EXPECT_TRUE(panel->subviews().empty());
    EXPECT_EQ(ProcessSetup::observationCount(panel.get()), 1u);
  }
}

TEST_F(PanelAssemblyTest, EntryWithoutPrettyNameStillGetsARow) {
  writeList(fx::array(
      {fx::dict({{"categoryName", plist_new_string("Ringtone")}, {"visible", plist_new_bool(1)}})
           .release()}));
  build();
  ASSERT_TRUE(label(0));
  EXPECT_EQ(text(0), "Ringtone: 50%") << "the category name stands in for the display name";
}

TEST_F(PanelAssemblyTest, RemoveAllStripsRowsAndStopsListening) {
  writePrefs(fx::dict({{"enableDebugLogging", plist_new_bool(1)}}));
  build();
  const auto ringtoneLabel = label(0);
  log.clear();
  panel->removeAll();
  EXPECT_TRUE(panel->subviews().empty());
  EXPECT_EQ(log.messages(), std::vector<std::string>{"OB: removing volume observer..."});
  controller->setVolumeTo(0.9f, "Ringtone");
  EXPECT_EQ(ringtoneLabel->text(), "Ringtone: 50%");
  post("Alarm", 0.1);
  EXPECT_EQ(log.messages().size(), 1u) << "a torn-down panel hears nothing, not even a miss";
  panel->removeAll();
  EXPECT_TRUE(panel->subviews().empty());
  EXPECT_EQ(panel->categories().size(), 5u) << "settings and list stay";
}

TEST_F(PanelAssemblyTest, EachBuildReadsTheFilesAfresh) {
  build();
  EXPECT_EQ(text(4), "Phone Call (Receiver): 75%");
  writeList(
      fx::array({fx::entry("PhoneCall", "Calls", true), fx::entry("Ringtone", "Ring", true)}));
  writePrefs(fx::dict({{"displayPercentage", plist_new_bool(0)}}));
  build();
  EXPECT_EQ(text(0), "Calls (Receiver)");
  EXPECT_EQ(slider(0)->value(), 75.0f) << "the slider shows the volume without a percentage";
  EXPECT_EQ(text(1), "Ring");
  EXPECT_EQ(panel->subviews()[0]->frame().origin.y, 15);
}

}  // namespace
