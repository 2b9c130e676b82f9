#include <gtest/gtest.h>

#include "support/PanelFixture.h"

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

}  // namespace
