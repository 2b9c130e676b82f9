#include "prefs/PreferencePage.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "Foundation/PropertyListFile.h"
#include "UIKit/UIImage.h"
#include "orbelle2/PreferenceFiles.h"
#include "support/PanelFixture.h"

namespace {

class PreferencePageTest : public PanelFixture {
 protected:
  void SetUp() override {
    PanelFixture::SetUp();
    installPackage("/Library/PreferenceLoader/");
    installPackage("/Library/PreferenceBundles/");
  }
  static std::string text(const PlistValue::Dictionary& cell, const char* key) {
    const auto found = cell.find(key);
    return found != cell.end() && found->second.asString() ? *found->second.asString() : "";
  }
};

// Settings finds the entry, and the entry the bundle with its icon.
TEST_F(PreferencePageTest, TheLoaderEntryLinksToTheBundleWithItsIcon) {
  const auto entry = PropertyListFile::readDictionary(preference_page::kLoaderEntry);
  ASSERT_TRUE(entry);
  const auto* link = entry->at("entry").asDictionary();
  ASSERT_TRUE(link);
  EXPECT_EQ(text(*link, "cell"), "PSLinkCell");
  EXPECT_EQ(text(*link, "bundle"), "Orbelle2Prefs");
  EXPECT_EQ(text(*link, "label"), "Orbelle 2");
  EXPECT_EQ(link->at("isController"), PlistValue(true));
  const auto icon = UIImage::imageWithContentsOfFile(std::string(preference_page::kBundleFolder) +
                                                     text(*link, "icon"));
  ASSERT_TRUE(icon);
  EXPECT_EQ(icon->size(), (CGSize{29, 29}));
  const auto info = PropertyListFile::readDictionary(preference_page::infoPlistPath());
  ASSERT_TRUE(info);
  EXPECT_EQ(text(*info, "CFBundleExecutable"), text(*link, "bundle"));
  EXPECT_EQ(text(*info, "NSPrincipalClass"), "OB2RootListController");
}

// Every key of the preferences file once, writing where the tweak reads and announcing it, and
// each default what the tweak takes when the key is absent: a file of the page's defaults
// gives the panel the settings of no file at all.
TEST_F(PreferencePageTest, ThePageNamesEveryKeyOnceWithTheTweaksOwnFallback) {
  const auto page = PropertyListFile::readDictionary(preference_page::rootPlistPath());
  ASSERT_TRUE(page);
  EXPECT_EQ(text(*page, "title"), "Orbelle 2");
  const auto* items = page->at("items").asArray();
  ASSERT_TRUE(items);
  std::multiset<std::string> keys;
  PlistValue::Dictionary defaults;
  std::string editor;
  for (const auto& item : *items) {
    const auto& cell = *item.asDictionary();
    if (text(cell, "cell") == "PSLinkCell") editor = text(cell, "detail");
    if (!cell.contains("key")) continue;
    keys.insert(text(cell, "key"));
    defaults.insert_or_assign(text(cell, "key"), cell.at("default"));
    EXPECT_EQ(text(cell, "defaults"), "com.zentrik.orbelle2");
    EXPECT_EQ(text(cell, "PostNotification"), "com.zentrik.orbelle2.preferencesChanged");
    if (text(cell, "cell") == "PSLinkListCell") {
      EXPECT_EQ(text(cell, "detail"), "PSListItemsController");
      EXPECT_EQ(cell.at("validValues").asArray()->size(), cell.at("validTitles").asArray()->size());
    }
  }
  EXPECT_EQ(keys, (std::multiset<std::string>{"enableDebugLogging", "bindRingerAndAV",
                                              "displayPercentage", "selectedSkin", "thumbTintColor",
                                              "textColor", "minimumTrackTintColor",
                                              "maximumTrackTintColor", "enableBackgroundBlur"}));
  EXPECT_EQ(editor, "OB2CategoryListController");
  EXPECT_EQ(defaults.at("enableBackgroundBlur"), PlistValue(true))
      << "the tweak blurs when the file says nothing";

  ASSERT_TRUE(PropertyListFile::write(PlistValue(defaults), kPreferencesPath));
  expectDefaults(*loaded());
}

}  // namespace
