#include <gtest/gtest.h>

#include <string>

#include "support/PanelFixture.h"

namespace {

namespace fx = plist_fixture;

class MixerSettingsTest : public PanelFixture {
 protected:
  std::shared_ptr<OrbelleView> load() const { return loaded(); }
  std::shared_ptr<OrbelleView> loadWith(const fx::Node& prefs) {
    writePrefs(prefs);
    return load();
  }
};

TEST_F(MixerSettingsTest, StoredValuesAreReadInEveryEncoding) {
  const auto prefs = fx::dict({{"enableDebugLogging", plist_new_bool(1)},
                               {"bindRingerAndAV", plist_new_bool(1)},
                               {"displayPercentage", plist_new_bool(0)},
                               {"selectedSkin", plist_new_string("%@ %n skin")},
                               {"thumbTintColor", plist_new_uint(5)},
                               {"textColor", plist_new_uint(1)},
                               {"minimumTrackTintColor", plist_new_uint(4)},
                               {"maximumTrackTintColor", plist_new_uint(9)},
                               {"unrelatedKey", plist_new_string("ignored")}});
  for (const auto& [encoding, bytes] : fx::everyEncoding(prefs)) {
    SCOPED_TRACE(encoding);
    root.writeBytes(kPrefs, bytes);
    const auto view = load();
    EXPECT_TRUE(view->enableDebugLogging());
    EXPECT_TRUE(view->bindRingerAndAVVolumes());
    EXPECT_FALSE(view->displayPercentage()) << "an explicit false is kept";
    EXPECT_EQ(view->selectedSkin(), "%@ %n skin") << "kept exactly as stored";
    EXPECT_EQ(view->thumbTintColor(), UIColor::blueColor());
    EXPECT_EQ(view->textColor(), UIColor::blackColor());
    EXPECT_EQ(view->minimumTrackTintColor(), UIColor::greenColor());
    EXPECT_EQ(view->maximumTrackTintColor(), UIColor::brownColor());
  }
}

TEST_F(MixerSettingsTest, ColorTableAndItsAsymmetry) {
  // The entries no other test reads back.
  const auto view = loadWith(fx::dict({{"textColor", plist_new_uint(2)},
                                       {"thumbTintColor", plist_new_uint(7)},
                                       {"maximumTrackTintColor", plist_new_uint(8)}}));
  EXPECT_EQ(view->textColor(), UIColor(0.5, 0.5, 0.5, 1));
  EXPECT_EQ(view->thumbTintColor(), UIColor(1, 0.5, 0, 1));
  EXPECT_EQ(view->maximumTrackTintColor(), UIColor(0.5, 0, 0.5, 1));
  const auto outOfRange = loadWith(fx::dict({{"minimumTrackTintColor", plist_new_uint(12)},
                                             {"textColor", plist_new_uint(uint64_t(-1))},
                                             {"thumbTintColor", plist_new_uint(3)}}));
  EXPECT_EQ(outOfRange->minimumTrackTintColor(), UIColor::whiteColor())
      << "present but out of range is white, though absent is red";
  EXPECT_EQ(outOfRange->textColor(), UIColor::whiteColor());
  EXPECT_EQ(outOfRange->thumbTintColor(), UIColor::whiteColor());
}

TEST_F(MixerSettingsTest, StringAndNumberFormsConvertAsFoundationDoes) {
  const auto view = loadWith(fx::dict({{"enableDebugLogging", plist_new_string("YES")},
                                       {"bindRingerAndAV", plist_new_uint(uint64_t(-2))},
                                       {"displayPercentage", plist_new_string("0")},
                                       {"textColor", plist_new_string(" 5 ")},
                                       {"thumbTintColor", plist_new_real(1.9)},
                                       {"maximumTrackTintColor", plist_new_bool(1)},
                                       {"minimumTrackTintColor", plist_new_string("blue")}}));
  EXPECT_TRUE(view->enableDebugLogging());
  EXPECT_TRUE(view->bindRingerAndAVVolumes());
  EXPECT_FALSE(view->displayPercentage());
  EXPECT_EQ(view->textColor(), UIColor::blueColor()) << "a numeric string gives its number";
  EXPECT_EQ(view->thumbTintColor(), UIColor::blackColor()) << "1.9 truncates to 1";
  EXPECT_EQ(view->maximumTrackTintColor(), UIColor::blackColor()) << "YES counts as 1";
  EXPECT_EQ(view->minimumTrackTintColor(), UIColor::redColor()) << "no number in it: index 0";
}

TEST_F(MixerSettingsTest, ReloadingReplacesEveryValue) {
  const auto view = loadWith(fx::dict(
      {{"selectedSkin", plist_new_string("Metal")}, {"displayPercentage", plist_new_bool(0)}}));
  std::filesystem::remove(root.prepare(kPrefs));
  view->loadSettings();
  expectDefaults(*view);
}

}  // namespace
