#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "Foundation/NSFileCoordinator.h"
#include "Foundation/PropertyListFile.h"
#include "mixer/CategoryEntry.h"
#include "support/PanelFixture.h"

namespace {

namespace fx = plist_fixture;
constexpr auto& kKept = device_paths::kKeptList;
constexpr char kCreating[] = "OB: creating initial category config file...";

struct Row {
  std::string name;
  std::string pretty;
  bool visible;
  bool operator==(const Row&) const = default;
};

std::vector<Row> rows(const PlistValue::Array& list) {
  std::vector<Row> result;
  for (const auto& item : list) {
    const CategoryEntry entry(item);
    result.push_back({entry.categoryName() ? *entry.categoryName() : "<none>",
                      entry.prettyCategoryName() ? *entry.prettyCategoryName() : "<none>",
                      entry.visible()});
  }
  return result;
}

std::vector<Row> initialList(const char* last, const char* lastPretty) {
  return {{"Ringtone", "Ringtone", true},
          {"Audio/Video", "Audio/Video", true},
          {"HeadsetBT", "BT Headset", true},
          {"HeadphonesBT", "BT Headphones", true},
          {last, lastPretty, true}};
}

class CategoryListTest : public PanelFixture {
 protected:
  std::shared_ptr<OrbelleView> load() const { return loaded(true); }
  std::vector<Row> fileRows() const {
    const auto list = PropertyListFile::readArray(kList);
    return list ? rows(*list) : std::vector<Row>{};
  }
  void enableDebugLogging() { writePrefs(fx::dict({{"enableDebugLogging", plist_new_bool(1)}})); }
};

TEST_F(CategoryListTest, NoFileOnAPhoneCreatesTheInitialListWithPhoneCall) {
  DeviceModel::setIdentifier("iPhone10,4");
  const auto view = load();
  EXPECT_EQ(rows(view->categories()), initialList("PhoneCall", "Phone Call"));
  EXPECT_EQ(fileRows(), initialList("PhoneCall", "Phone Call"));
  EXPECT_TRUE(root.readBytes(kList).starts_with("<?xml")) << "written as an XML plist";
  EXPECT_EQ(log.messages(), std::vector<std::string>{kCreating}) << "logged without debug on";
  EXPECT_FALSE(root.exists(kKept)) << "nothing to keep aside when there was no file";
}

TEST_F(CategoryListTest, TheModelsPrefixDecidesTheLastInitialEntry) {
  for (const auto& [model, last] : {std::pair{"iPad7,5", "VideoConference"},
                                    {"iPod9,1", "VideoConference"},
                                    {"ipad7,5", "PhoneCall"},
                                    {"iPa", "PhoneCall"},
                                    {"", "PhoneCall"}}) {
    std::filesystem::remove(root.prepare(kList));
    DeviceModel::setIdentifier(model);
    EXPECT_EQ(rows(load()->categories()).back().name, last) << model;
  }
}

TEST_F(CategoryListTest, DebugLoggingCountsZeroBeforeCreating) {
  enableDebugLogging();
  load();
  EXPECT_EQ(log.messages(), (std::vector<std::string>{"OB: got 0 categories", kCreating}));
}

TEST_F(CategoryListTest, ExistingListIsUsedAsReadAndLeftAlone) {
  const auto node =
      fx::array({fx::entry("PhoneCall", "Appels \u260E", true),
                 fx::entry("Ringtone", "Ring", false), fx::entry("Audio/Video", "Media", true)});
  for (const auto& [encoding, bytes] : fx::everyEncoding(node)) {
    SCOPED_TRACE(encoding);
    root.writeBytes(kList, bytes);
    enableDebugLogging();
    log.clear();
    const auto view = load();
    EXPECT_EQ(rows(view->categories()), (std::vector<Row>{{"PhoneCall", "Appels \u260E", true},
                                                          {"Ringtone", "Ring", false},
                                                          {"Audio/Video", "Media", true}}));
    EXPECT_EQ(root.readBytes(kList), bytes) << "the program never rewrites a readable list";
    EXPECT_EQ(log.messages(), std::vector<std::string>{"OB: got 3 categories"});
    EXPECT_FALSE(root.exists(kKept));
  }
}

TEST_F(CategoryListTest, AListThatCannotBeReadAtAllIsNotReplaced) {
  std::filesystem::create_directories(root.prepare(kList));
  const auto view = load();
  EXPECT_EQ(rows(view->categories()), initialList("PhoneCall", "Phone Call"));
  EXPECT_TRUE(std::filesystem::is_directory(root.prepare(kList)));
  EXPECT_FALSE(root.exists(kKept));
}

TEST_F(CategoryListTest, AListWrittenWhileThePanelWaitedForTheFileStands) {
  int locked[2];
  ASSERT_EQ(pipe(locked), 0);
  const pid_t bundle = fork();
  ASSERT_GE(bundle, 0);
  if (bundle == 0) {  // the preferences bundle, writing the list under its claim
    NSFileCoordinator().coordinateWritingItemAtPath(kList, [&] {
      [[maybe_unused]] const auto told = write(locked[1], "x", 1);
      usleep(100000);
      root.writeBytes(kList, fx::xml(fx::array({fx::entry("Ringtone", "Theirs", true)})));
    });
    _exit(0);
  }
  char byte;
  ASSERT_EQ(read(locked[0], &byte, 1), 1);
  load();
  waitpid(bundle, nullptr, 0);
  EXPECT_EQ(fileRows(), (std::vector<Row>{{"Ringtone", "Theirs", true}}));
  EXPECT_FALSE(root.exists(kKept));
}

}  // namespace
