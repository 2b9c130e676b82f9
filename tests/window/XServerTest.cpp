#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

#include "support/ProgramRun.h"
#include "support/TempDeviceRoot.h"

namespace {

using std::chrono::milliseconds;

// An X server of our own, on the display it picked; none where it cannot start.
class Xvfb {
 public:
  Xvfb()
      : server_({"/usr/bin/Xvfb", "-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten",
                 "tcp"}) {
    if (std::filesystem::exists("/usr/bin/Xvfb") && server_.waitForOutput("\n")) {
      display = ":" + server_.output().substr(0, server_.output().find('\n'));
    }
  }
  ~Xvfb() {
    if (server_.pid() > 0) kill(server_.pid(), SIGTERM);
  }
  std::string display;

 private:
  RunningProgram server_;
};

TEST(XServerTest, APersonHoldsUpDragsAFingerAndTypesCommandsBeside) {
  Xvfb server;
  if (server.display.empty() || !std::filesystem::exists("/usr/bin/xdotool")) {
    // The scripts install both: a missing one is a fault of the machine, never a pass.
    GTEST_FAIL() << "no X server can start here, or there is no xdotool";
  }
  const auto xdotool = [&](std::vector<std::string> args) {
    args.insert(args.begin(), "/usr/bin/xdotool");
    return runProgram(args, "", {{"DISPLAY", server.display}}).out;
  };
  TempDeviceRoot root;
  RunningProgram sim({ORBELLE_SIM, "--window", "--scale", "2", "--root", root.path().string()},
                     {{"DISPLAY", server.display}});
  ASSERT_TRUE(sim.waitForOutput("\n")) << "the window line";
  double screenX = 0, screenY = 0, scale = 0;
  ASSERT_EQ(std::sscanf(sim.output().c_str(), "window %*dx%*d screen %lf,%lf scale %lf", &screenX,
                        &screenY, &scale),
            3)
      << sim.output();
  const std::string found = xdotool({"search", "--sync", "--name", "Orbelle 2"});
  const std::string window = found.substr(0, found.find('\n'));
  int x = 0, y = 0;
  ASSERT_EQ(std::sscanf(xdotool({"getwindowgeometry", "--shell", window}).c_str(),
                        "WINDOW=%*d\nX=%d\nY=%d", &x, &y),
            2);
  xdotool({"windowfocus", "--sync", window});

  xdotool({"keydown", "Up"});
  std::this_thread::sleep_for(milliseconds(700));
  xdotool({"keyup", "Up"});
  // The first slider of the five-row panel: its thumb travels from x 81 to 294 of the screen
  // (the panel at 25, the slider 20 in, its track between the speakers, half a thumb in),
  // at y 238.5.
  const auto moveTo = [&](double percent) {
    xdotool({"mousemove", std::to_string(int(x + screenX + (81 + percent / 100 * 213) * scale)),
             std::to_string(int(y + screenY + 238.5 * scale))});
  };
  moveTo(50);
  xdotool({"mousedown", "1"});
  for (const double percent : {40.0, 30.0, 20.0}) moveTo(percent);
  xdotool({"mouseup", "1"});
  std::this_thread::sleep_for(milliseconds(200));
  sim.send("volumes");
  sim.send("quit");
  const auto run = sim.finish();
  EXPECT_EQ(run.status, 0) << run.err;
  const auto ringtone = run.out.find("Ringtone ");
  ASSERT_NE(ringtone, std::string::npos) << run.out;
  EXPECT_NEAR(std::stod(run.out.substr(ringtone + 9)), 0.2, 0.02) << "dragged from 0.5";
}

}  // namespace
