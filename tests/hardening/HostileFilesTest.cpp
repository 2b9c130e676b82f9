// The two programs among files someone else planted: links, a root in use, a claim never let
// go, writes the reader would refuse, FIFOs and devices where files belong.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "support/DevicePaths.h"
#include "support/FileSizeLimit.h"
#include "support/PlistFixture.h"
#include "support/ProgramRun.h"
#include "support/TempDeviceRoot.h"

namespace {

namespace fs = std::filesystem;
namespace fx = plist_fixture;
using device_paths::kList;
using device_paths::kPrefs;

// Holds a lock file's flock for the test, as another process of the device would.
class HeldLock {
 public:
  explicit HeldLock(const fs::path& file) : fd_(::open(file.c_str(), O_RDWR | O_CREAT, 0644)) {
    const std::string pid = std::to_string(::getpid());
    EXPECT_EQ(::flock(fd_, LOCK_EX), 0);
    EXPECT_EQ(::write(fd_, pid.data(), pid.size()), static_cast<ssize_t>(pid.size()));
  }
  ~HeldLock() { ::close(fd_); }

 private:
  int fd_;
};

class HostileFilesTest : public ::testing::Test {
 protected:
  // The device root the programs use; the temporary folder's other files are "outside" it.
  fs::path device() const { return root.path() / "device"; }
  std::string devicePath(const std::string& path) const { return "/device" + path; }
  ProgramRun sim(const std::string& script) { return runSim(device().string(), script); }
  ProgramRun prefs(const std::vector<std::string>& args) {
    return runPrefs(device().string(), args);
  }
  TempDeviceRoot root;
};

TEST_F(HostileFilesTest, LinksInTheDemoFolderAreRefusedNamedAndNeverFollowed) {
  root.writeBytes("/V/keep.txt", "keep");
  ASSERT_EQ(sim("prefs textColor 3\n").status, 0);
  const std::string settings = root.readBytes(devicePath(kPrefs));
  struct Plant {
    const char* link;  // in the demo folder
    fs::path target;
    const char* record;
  };
  for (const auto& plant :
       {Plant{"link", root.path() / "V", "link/keep.txt\n"}, Plant{"device", device(), ""},
        Plant{".orbelle2-demo", root.path() / "V/keep.txt", nullptr},
        Plant{"screenshots", root.path() / "V", ""}}) {
    const auto demo = root.path() / ("demo-" + std::string(plant.link));
    fs::create_directories(demo);
    fs::create_directory_symlink(plant.target, demo / plant.link);
    if (plant.record)
      root.writeBytes("/" + demo.filename().string() + "/.orbelle2-demo", plant.record);
    const auto run = runProgram({ORBELLE_SIM, "demo", "--out", demo.string()});
    EXPECT_EQ(run.status, 1) << plant.link;
    EXPECT_TRUE(contains(run.err, (demo / plant.link).string() + " is a link")) << run.err;
  }
  EXPECT_EQ(root.readBytes("/V/keep.txt"), "keep");
  EXPECT_EQ(fs::directory_iterator(root.path() / "V")->path().filename(), "keep.txt");
  EXPECT_EQ(root.readBytes(devicePath(kPrefs)), settings);

  const auto tmp = root.path() / "tmp";
  fs::create_directories(tmp);
  fs::create_directory_symlink(root.path() / "V",
                               tmp / ("orbelle2-demo-" + std::to_string(getuid())));
  const auto shared =
      runProgram({ORBELLE_SIM, "demo"}, "", {{"TMPDIR", tmp.string()}, {"XDG_RUNTIME_DIR", ""}});
  EXPECT_EQ(shared.status, 1);
  EXPECT_TRUE(contains(shared.err, "is a link; it is left alone")) << shared.err;
}

TEST_F(HostileFilesTest, LinksInTheDeviceRootAreRefusedNamedAndNeverFollowed) {
  ASSERT_EQ(sim("").status, 0);
  root.writeBytes("/secret", "secret");
  const auto filter = device() / "Library/MobileSubstrate/DynamicLibraries/Orbelle2.plist";
  fs::remove(filter);
  fs::create_symlink(root.path() / "secret", filter);
  const auto boot = sim("state\n");
  EXPECT_EQ(boot.status, 1);
  EXPECT_TRUE(contains(boot.err, filter.string() + " is a link, which is not followed"))
      << boot.err;

  const auto lock = device() / "var/mobile/Library/Preferences/.com.zentrik.orbelle2.plist.lock";
  fs::create_directories(lock.parent_path());
  fs::create_symlink(root.path() / "made-through-a-link", lock);
  const auto set = prefs({"set", "textColor", "2"});
  EXPECT_EQ(set.status, 1);
  EXPECT_TRUE(contains(set.err, lock.string() + " is a link")) << set.err;
  EXPECT_FALSE(fs::exists(root.path() / "made-through-a-link"));

  fs::remove_all(device() / "var/mobile");
  fs::create_directory_symlink(root.path(), device() / "var/mobile");
  EXPECT_EQ(prefs({"set", "textColor", "2"}).status, 1);
  EXPECT_FALSE(fs::exists(root.path() / "Library")) << "nothing written through a linked folder";
  EXPECT_EQ(root.readBytes("/secret"), "secret");
}

TEST_F(HostileFilesTest, OneSimulatorPerRootAndOneDemoPerFolder) {
  RunningProgram first({ORBELLE_SIM, "--root", device().string()});
  first.send("hold up");
  ASSERT_TRUE(first.waitForOutput("handled"));
  for (int other = 0; other < 3; ++other) {
    const auto turnedAway = sim("state\n");
    EXPECT_EQ(turnedAway.status, 1);
    EXPECT_TRUE(contains(turnedAway.err, "error: device root " + device().string() +
                                             " is in use by another orbelle2-sim (pid " +
                                             std::to_string(first.pid()) + ")"))
        << turnedAway.err;
  }
  EXPECT_EQ(prefs({"set", "textColor", "4"}).status, 0) << "the preferences stay welcome";
  first.send("state");
  ASSERT_TRUE(first.waitForOutput("popupWindow=shown"));
  EXPECT_EQ(first.finish().status, 0);

  const auto demo = root.path() / "demo";
  const auto runDemo = [&] { return runProgram({ORBELLE_SIM, "demo", "--out", demo.string()}); };
  ASSERT_EQ(runDemo().status, 0);
  {
    HeldLock otherDemo(demo / ".orbelle2-demo.lock");
    const auto run = runDemo();
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(contains(run.err, "demo folder " + demo.string() + " is in use")) << run.err;
  }
  RunningProgram onTheDemosDevice({ORBELLE_SIM, "--root", (demo / "device").string()});
  onTheDemosDevice.send("state");
  ASSERT_TRUE(onTheDemosDevice.waitForOutput("popupWindow"));
  const auto run = runDemo();
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(contains(run.err, "device root " + (demo / "device").string() + " is in use"))
      << run.err;
  ::kill(onTheDemosDevice.pid(), SIGKILL);  // leaves its notification registration behind
  onTheDemosDevice.finish();
  EXPECT_EQ(runDemo().status, 0) << "what a killed run left in the demo's device is the demo's";
}

TEST_F(HostileFilesTest, AClaimNeverLetGoEndsInAnErrorAndThePanelStillOpens) {
  const auto folder = device() / "var/mobile/Library/Preferences";
  fs::create_directories(folder);
  HeldLock settings(folder / ".com.zentrik.orbelle2.plist.lock");
  HeldLock list(folder / ".com.zentrik.orbelle2.categories.plist.lock");
  const std::string held = (folder / ".com.zentrik.orbelle2.plist.lock").string() +
                           " is held by another process (waited 3 s)";
  const auto set = prefs({"set", "textColor", "2"});
  EXPECT_EQ(set.status, 1);
  EXPECT_TRUE(contains(set.err, "cannot write the preferences file: " + held)) << set.err;
  const auto run = sim("prefs textColor 2\nhold up\nstate\n");
  EXPECT_TRUE(contains(run.out, "error: cannot write the preferences file: " + held)) << run.out;
  EXPECT_TRUE(contains(run.out, "handled\npopupWindow=shown")) << "the commands after it ran";
  EXPECT_TRUE(contains(run.err, "OB: the initial category list is not saved: ")) << run.err;
  EXPECT_FALSE(fs::exists(device() / kList));

  // In Settings the binding's switch (334,545) tells why in an alert, and goes back; the file
  // a person wrote before keeps every byte.
  const std::string before = fx::xml(fx::dict({{"textColor", plist_new_uint(3)}}));
  root.writeBytes(devicePath(kPrefs), before);
  const auto flipped = sim("launch Settings\ntap 187 165\ntap 334 545\ndump\n");
  EXPECT_TRUE(contains(flipped.out, "text=\"Link Ringer and Media Not Changed\"")) << flipped.out;
  EXPECT_TRUE(contains(flipped.out, held)) << "the alert says why";
  EXPECT_TRUE(contains(flipped.out, "UISwitch frame=(309,6.5,51,31) tag=0 on=0")) << "back off";
  EXPECT_TRUE(contains(flipped.out, "text=\"OK\"")) << flipped.out;
  EXPECT_EQ(root.readBytes(devicePath(kPrefs)), before);
}

TEST_F(HostileFilesTest, WhatTheReaderWouldRefuseIsNeverWritten) {
  const std::string head = "<plist version=\"1.0\"><dict><key>selectedSkin</key><string>";
  const std::string tail = "</string></dict></plist>";
  const std::string large = head + std::string(33554422 - head.size() - tail.size(), 'a') + tail;
  root.writeBytes(devicePath(kPrefs), large);
  const auto over = prefs({"set", "textColor", "5"});
  EXPECT_EQ(over.status, 1);
  EXPECT_TRUE(contains(over.err, "over the 33554432 a property list may hold")) << over.err;
  EXPECT_TRUE(root.readBytes(devicePath(kPrefs)) == large) << "the old file is kept";
  fs::remove(device() / (kPrefs + 1));

  const auto nul = sim(std::string("prefs selectedSkin \"ab\0cd\"\n", 28));
  EXPECT_TRUE(contains(nul.out, "error: selectedSkin cannot hold a NUL character")) << nul.out;
  ASSERT_EQ(sim("hold up\n").status, 0);
  const std::string list = root.readBytes(devicePath(kList));
  EXPECT_TRUE(contains(prefs({"rename", "0", ""}).err, "cannot be empty"));
  for (const char* name : {"a\nb", "\xff\xfe", "a\x1b[31m"}) {
    EXPECT_TRUE(contains(prefs({"rename", "1", name}).err, "cannot hold a control character"));
  }
  EXPECT_EQ(root.readBytes(devicePath(kList)), list);
  const auto script =
      runProgram({ORBELLE_SIM, "--root", device().string(), "--script", "/dev/zero"});
  EXPECT_EQ(script.status, 1);
  EXPECT_TRUE(contains(script.out, "error: a line longer than 65536 bytes")) << script.out;

  const auto shot = root.path() / "shot.png";
  root.writeBytes("/shot.png", "an older screenshot");
  {
    FileSizeLimit full(4096);
    EXPECT_EQ(sim("screenshot " + shot.string() + "\n").status, 1);
  }
  EXPECT_EQ(root.readBytes("/shot.png"), "an older screenshot");
}

TEST_F(HostileFilesTest, AnnouncingNeverWaitsOnWhatIsNoReader) {
  const auto registry = device() / "var/run/notifyd";
  fs::create_directories(registry);
  ASSERT_EQ(::mkfifo((registry / "fifo").c_str(), 0644), 0);
  fs::create_symlink("/dev/zero", registry / "zero");
  root.writeBytes("/outside", "untouched");
  fs::create_symlink(root.path() / "outside", registry / "link");
  const auto set = prefs({"set", "selectedSkin", "Metal"});
  EXPECT_EQ(set.status, 0) << set.err;
  EXPECT_EQ(set.out, "selectedSkin=\"Metal\"\n");
  EXPECT_EQ(root.readBytes("/outside"), "untouched");
}

}  // namespace
