#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "Foundation/PropertyListFile.h"

#include "support/PanelFixture.h"
#include "support/TempDeviceRoot.h"

namespace {

class UnwritableDeviceTest : public PanelFixture {};

TEST_F(UnwritableDeviceTest, BlockedPreferencesFolderStillGivesAPanel) {
  root.writeBytes("/var/mobile/Library/Preferences", "a file where the folder belongs");
  for (int opening = 0; opening < 2; ++opening) {
    build();
    EXPECT_EQ(panel->subviews().size(), 5u);
    EXPECT_EQ(text(0), "Ringtone: 50%");
  }
  const std::string notSaved =
      "OB: the initial category list is not saved: " + root.path().string() +
      "/var/mobile/Library/Preferences: " + "Not a directory";
  EXPECT_EQ(log.messages(),
            (std::vector<std::string>{"OB: creating initial category config file...", notSaved,
                                      "OB: creating initial category config file...", notSaved}))
      << "the list is not claimed as written, says why, and is created again next time";
}

// A write into a root the writer may not change, as a user other than its owner (the tests
// may run as root, who may change anything): the reason given is the permission.
TEST(ReadOnlyDeviceTest, AWriteSaysItWasRefusedPermission) {
  TempDeviceRoot root;
  std::filesystem::permissions(
      root.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                       std::filesystem::perms::others_read | std::filesystem::perms::others_exec);
  int answer[2];
  ASSERT_EQ(pipe(answer), 0);
  const pid_t child = fork();
  if (child == 0) {
    constexpr uid_t kNobody = 65534;
    if (getuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) _exit(2);
    NSError error;
    PropertyListFile::write(PlistValue(1), "/var/mobile/Library/Preferences/a.plist", &error);
    const std::string& why = error.localizedDescription;
    _exit(write(answer[1], why.data(), why.size()) == ssize_t(why.size()) ? 0 : 3);
  }
  close(answer[1]);
  char text[512] = {};
  const auto got = read(answer[0], text, sizeof text - 1);
  close(answer[0]);
  int status = 0;
  waitpid(child, &status, 0);
  std::filesystem::permissions(root.path(), std::filesystem::perms::owner_all);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_EQ(std::string(text, std::size_t(std::max<ssize_t>(got, 0))),
            root.path().string() + "/var: Permission denied");
}

}  // namespace
