#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "Foundation/PropertyListFile.h"
#include "hardening/BadFiles.h"
#include "orbelle2/PreferenceKeys.h"
#include "support/PanelFixture.h"

namespace {

namespace fx = plist_fixture;
constexpr auto& kKept = device_paths::kKeptList;

class BadInputTest : public PanelFixture {};

TEST_F(BadInputTest, UnreadableCategoryListsAreReplacedAndKeptAside) {
  for (const auto& bad : badFileCatalogue()) {
    SCOPED_TRACE(bad.name);
    root.writeBytes(kList, bad.bytes);
    build();
    const auto read = PropertyListFile::readArray(kList);
    ASSERT_TRUE(read) << "the list file is readable afterwards";
    if (bad.reads == BadFile::Reads::Array) {
      EXPECT_TRUE(root.readBytes(kList) == bad.bytes) << "a readable list is used as it is";
      EXPECT_EQ(panel->subviews().size(), 1u);
      continue;
    }
    EXPECT_EQ(read->size(), 5u);
    EXPECT_EQ(panel->subviews().size(), 5u);
    EXPECT_TRUE(root.readBytes(kKept) == bad.bytes) << "the user's bytes are kept, exactly";
  }
}

// A folder where the unreadable list would be kept is nobody's to remove: the list stays as it
// is, unread, and the panel opens on the initial list all the same.
TEST_F(BadInputTest, AFolderWhereTheListWouldBeKeptLeavesTheListAlone) {
  root.writeBytes(kList, "not a list");
  std::filesystem::create_directories(root.path() / std::string(kKept).substr(1) / "someone's");
  build();
  EXPECT_EQ(panel->subviews().size(), 5u);
  EXPECT_EQ(root.readBytes(kList), "not a list");
  EXPECT_TRUE(
      std::filesystem::is_directory(root.path() / std::string(kKept).substr(1) / "someone's"));
}

TEST_F(BadInputTest, BadPreferenceFilesGiveDefaultsOrPerKeyFallbacks) {
  for (const auto& bad : badFileCatalogue()) {
    SCOPED_TRACE(bad.name);
    root.writeBytes(kPrefs, bad.bytes);
    build();
    EXPECT_EQ(panel->subviews().size(), 5u);
    if (bad.reads == BadFile::Reads::Dictionary) continue;  // per-key fallbacks, checked apart
    expectDefaults(*panel);
    EXPECT_TRUE(root.readBytes(kPrefs) == bad.bytes) << "the preferences file is never written";
  }
}

TEST_F(BadInputTest, WrongTypesUnderEveryKeyFallBack) {
  for (const auto make :
       {+[] { return plist_new_array(); }, +[] { return plist_new_dict(); },
        +[] { return plist_new_data("\x01\x02", 2); }, +[] { return plist_new_date(1000, 0); }}) {
    auto prefs = fx::dict({});
    for (const auto& key : preference_keys::kAll) {
      const std::string name(std::visit([](const auto& known) { return known.name; }, key));
      plist_dict_set_item(prefs.get(), name.c_str(), make());
    }
    writePrefs(prefs);
    build();
    expectDefaults(*panel);
  }
}

TEST_F(BadInputTest, StrangeEntriesAreUsedAsReadWithoutHarm) {
  writeList(fx::array({
      plist_new_string("not a dictionary"),
      plist_new_uint(3),
      fx::array({fx::entry("Ringtone", "Nested", true)}).release(),
      fx::dict({{"categoryName", plist_new_uint(5)}, {"visible", plist_new_string("YES")}})
          .release(),
      fx::dict({{"categoryName", plist_new_string("Ringtone")},
                {"prettyCategoryName", plist_new_data("xy", 2)},
                {"visible", plist_new_date(5, 0)}})
          .release(),
      fx::dict({{"categoryName", plist_new_string("Audio/Video")},
                {"prettyCategoryName", plist_new_string(std::string(100000, 'x').c_str())},
                {"visible", plist_new_real(0.5)}})
          .release(),
  }));
  build();
  EXPECT_EQ(panel->categories().size(), 6u);
  ASSERT_EQ(panel->subviews().size(), 2u) << "entries 3 and 5 are visible";
  EXPECT_EQ(text(3), ": unknown") << "no name and no category to ask about";
  EXPECT_EQ(text(5).size(), 100000u + std::string(" (Speaker): 50%").size());
  post("Ringtone", 0.3);
  post("Audio/Video", 0.3);
  EXPECT_FLOAT_EQ(slider(5)->value(), 30.0f);
}

// Inputs the fuzzers found to crash something once: each still gets its fallback.
TEST_F(BadInputTest, FuzzerFindingsStayFixed) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(ORBELLE_REGRESSIONS)) {
    SCOPED_TRACE(entry.path().filename().string());
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    root.writeBytes(kPrefs, bytes);
    root.writeBytes(kList, bytes);
    build();
    EXPECT_EQ(panel->subviews().size(), 5u);
    EXPECT_EQ(panel->selectedSkin(), "Default iOS");
    ++files;
  }
  EXPECT_GT(files, 0);
}

}  // namespace
