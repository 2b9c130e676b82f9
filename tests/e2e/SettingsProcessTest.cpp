#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>

#include "support/Processes.h"
#include "support/ProgramRun.h"
#include "support/TempDeviceRoot.h"

namespace {

// Settings is a process of its own, as on a phone: it dies alone, SpringBoard says so in one
// line and goes on (the tweak, the popup), and the next launch starts it again. Home keeps it
// where it was.
TEST(SettingsProcessTest, SettingsDiesAloneAndTheNextLaunchStartsItAgain) {
  TempDeviceRoot root;
  RunningProgram sim({ORBELLE_SIM, "--root", root.path().string()});
  sim.send("launch Settings");
  sim.send("tap 187 165");
  sim.send("home");
  sim.send("launch Settings");
  sim.send("show");
  ASSERT_TRUE(sim.waitForOutput("| Skin (Default iOS)  >")) << "back on the page it was left on";
  const auto settings = processes::childNamed(sim.pid(), "Preferences");
  ASSERT_TRUE(settings) << "ps shows Settings apart from the simulator";
  ASSERT_EQ(kill(*settings, SIGKILL), 0);
  sim.send("wait 0.3");
  sim.send("state");
  sim.send("hold up");
  sim.send("state");
  ASSERT_TRUE(sim.waitForOutput("popupWindow=shown"));
  EXPECT_FALSE(processes::childNamed(sim.pid(), "Preferences")) << "no second Settings yet";
  sim.send("tap 5 5");
  sim.send("launch Settings");
  sim.send("show");
  const auto run = sim.finish();
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("The Settings app (pid " + std::to_string(*settings) +
                         ") quit: killed by signal 9"),
            std::string::npos)
      << run.err;
  const auto relaunched = run.out.rfind("screen 375x667");
  ASSERT_NE(relaunched, std::string::npos);
  EXPECT_NE(run.out.find("| Orbelle 2  >", relaunched), std::string::npos)
      << "started again, on its first page: " << run.out;
}

// Settings ends cleanly with the simulator, its pages' observers going after the notification
// centre they left.
TEST(SettingsProcessTest, SettingsEndsCleanlyWithItsPagesObserving) {
  TempDeviceRoot root;
  const auto run =
      runProgram({ORBELLE_SIM, "--root", root.path().string(), "--script", "-"},
                 "launch Settings\ntap 187 165\nswipe 187 600 187 300\ntap 187 451\ntap 100 121\n"
                 "type Bad\x01\nkey return\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("Category Not Renamed"), std::string::npos) << run.err;
  for (const char* fault : {"double free", "AddressSanitizer", "runtime error", "Aborted"}) {
    EXPECT_EQ(run.err.find(fault), std::string::npos) << run.err;
  }
}

// An app that stops answering is ended after a bounded wait, and said so; one whose program is
// missing does not start, and the launch says so.
TEST(SettingsProcessTest, AnAppThatDoesNotAnswerIsEndedAndOneMissingIsSaid) {
  TempDeviceRoot root;
  RunningProgram sim({ORBELLE_SIM, "--root", root.path().string()});
  sim.send("launch Settings");
  sim.send("state");
  ASSERT_TRUE(sim.waitForOutput("popupWindow=nil"));
  const auto settings = processes::childNamed(sim.pid(), "Preferences");
  ASSERT_TRUE(settings);
  ASSERT_EQ(kill(*settings, SIGSTOP), 0);
  sim.send("show");
  sim.send("state");
  const auto run = sim.finish();
  EXPECT_NE(run.err.find("The Settings app (pid " + std::to_string(*settings) +
                         ") quit: no answer in 4000 ms"),
            std::string::npos)
      << run.err;
  EXPECT_NE(run.out.find("home screen"), std::string::npos) << run.out;

  const auto missing =
      runProgram({ORBELLE_SIM, "--root", root.path().string(), "--script", "-"},
                 "launch Settings\nstate\n", {{"ORBELLE2_APP", "/nonexistent/orbelle2-app"}});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.out.find("error: Settings did not start (see the log)"), std::string::npos)
      << missing.out;
  EXPECT_NE(missing.err.find("cannot start /nonexistent/orbelle2-app"), std::string::npos)
      << missing.err;
}

}  // namespace
