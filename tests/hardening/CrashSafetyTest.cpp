#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "Foundation/PropertyListFile.h"
#include "hardening/BadFiles.h"
#include "support/DevicePaths.h"
#include "support/PlistFixture.h"
#include "support/TempDeviceRoot.h"

namespace {

using device_paths::kList;

// A process killed at any moment while it rewrites the category list leaves the old file or
// the new one, whole: never a part of either.
TEST(CrashSafetyTest, KilledWritersLeaveAWholeFile) {
  TempDeviceRoot root;
  const auto versionA = PropertyListFile::parse(categoryListOf(3000, 3000));
  const auto versionB = PropertyListFile::parse(categoryListOf(2000, 2000));
  ASSERT_TRUE(versionA && versionB);
  ASSERT_TRUE(PropertyListFile::write(*versionA, kList));
  std::mt19937 random(42);
  for (int round = 0; round < 25; ++round) {
    const pid_t writer = fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
      for (int i = 0;; ++i) PropertyListFile::write(i % 2 ? *versionA : *versionB, kList);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 30000));
    kill(writer, SIGKILL);
    waitpid(writer, nullptr, 0);
    const auto survived = PropertyListFile::parse(root.readBytes(kList));
    ASSERT_TRUE(survived) << "round " << round << ": the file is whole";
    EXPECT_TRUE(*survived == *versionA || *survived == *versionB) << "round " << round;
  }
}

}  // namespace
