#include "prefs/PreferenceWriter.h"

#include <gtest/gtest.h>

#include "orbelle2/PreferenceFiles.h"
#include "prefs/CategoryListEditor.h"
#include "support/PlistFixture.h"
#include "support/TempDeviceRoot.h"

namespace {

namespace fx = plist_fixture;

// The bundle takes typed values, as its cells give them: a value of another type than the
// key's is refused with why, and the file stays as it was.
TEST(PreferenceWriterTest, AValueOfTheWrongTypeIsRefusedAndTheFileKept) {
  TempDeviceRoot root;
  ASSERT_TRUE(PreferenceWriter::set("selectedSkin", PlistValue("Metal")));
  const std::string before = root.readBytes(kPreferencesPath);
  for (const auto& [key, value, why] :
       {std::tuple{"displayPercentage", PlistValue(1), "displayPercentage takes true or false"},
        std::tuple{"textColor", PlistValue(10), "textColor takes a colour number from 0 to 9"},
        std::tuple{"textColor", PlistValue(true), "textColor takes a colour number from 0 to 9"},
        std::tuple{"selectedSkin", PlistValue(true), "selectedSkin takes text"},
        std::tuple{"volume", PlistValue(true), "unknown key volume"}}) {
    NSError error;
    EXPECT_FALSE(PreferenceWriter::set(key, value, &error));
    EXPECT_EQ(error.localizedDescription, why);
  }
  EXPECT_EQ(root.readBytes(kPreferencesPath), before);
  EXPECT_TRUE(PreferenceWriter::set("textColor", PlistValue(9)));
  EXPECT_EQ(PreferenceWriter::read()->at("textColor"), PlistValue(9));
}

// The editor's moves count the destination in the list without the entry moved.
TEST(PreferenceWriterTest, TheEditorMovesHidesAndRenamesByPlace) {
  TempDeviceRoot root;
  root.writeBytes(kCategoriesPath, fx::xml(fx::array({fx::entry("Ringtone", "A", true),
                                                      fx::entry("Audio/Video", "B", true),
                                                      fx::entry("PhoneCall", "C", true)})));
  ASSERT_TRUE(CategoryListEditor::move(0, 2));
  ASSERT_TRUE(CategoryListEditor::setVisible(0, false));
  NSError error;
  EXPECT_FALSE(CategoryListEditor::rename(1, "two\nlines", &error));
  EXPECT_FALSE(CategoryListEditor::setVisible(3, true, &error));
  EXPECT_EQ(error.localizedDescription, "no category number 3");
  const auto list = CategoryListEditor::read();
  ASSERT_TRUE(list);
  const auto name = [&](std::size_t at) {
    return *(*list)[at].objectForKey("prettyCategoryName")->asString();
  };
  EXPECT_EQ(name(0) + name(1) + name(2), "BCA");
  EXPECT_EQ(*(*list)[0].objectForKey("visible"), PlistValue(false));
}

}  // namespace
