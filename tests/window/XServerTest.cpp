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

bool installed(const char* program) {
  return std::filesystem::exists(std::string("/usr/bin/") + program);
}

// An X server of our own, on the display it picked.
class Xvfb {
 public:
  Xvfb()
      : server_({"/usr/bin/Xvfb", "-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten",
                 "tcp"}) {
    if (server_.waitForOutput("\n"))
      display_ = ":" + server_.output().substr(0, server_.output().find('\n'));
  }
  ~Xvfb() {
    if (!display_.empty()) kill(server_.pid(), SIGTERM);
  }
  const std::string& display() const { return display_; }

 private:
  RunningProgram server_;
  std::string display_;
};

class XServerTest : public ::testing::Test {
 protected:
  ProgramRun xdotool(std::vector<std::string> args) const {
    args.insert(args.begin(), "/usr/bin/xdotool");
    return runProgram(args, "", {{"DISPLAY", display}});
  }
  std::string display;
  TempDeviceRoot root;
};

TEST_F(XServerTest, APersonHoldsUpDragsAFingerAndTypesCommandsBeside) {
  if (!installed("Xvfb") || !installed("xdotool")) GTEST_SKIP() << "no Xvfb or xdotool here";
  Xvfb server;
  if (server.display().empty()) GTEST_SKIP() << "Xvfb cannot start here";
  display = server.display();
  RunningProgram sim({ORBELLE_SIM, "--window", "--scale", "2", "--root", root.path().string()},
                     {{"DISPLAY", display}});
  ASSERT_TRUE(sim.waitForOutput("\n")) << "the window line";
  int width = 0, height = 0;
  double screenX = 0, screenY = 0, scale = 0;
  ASSERT_EQ(std::sscanf(sim.output().c_str(), "window %dx%d screen %lf,%lf scale %lf", &width,
                        &height, &screenX, &screenY, &scale),
            5)
      << sim.output();
  const auto found = xdotool({"search", "--sync", "--name", "Orbelle 2"});
  const std::string window = found.out.substr(0, found.out.find('\n'));
  ASSERT_FALSE(window.empty()) << found.err;
  const auto geometry = xdotool({"getwindowgeometry", "--shell", window}).out;
  int x = 0, y = 0;
  ASSERT_EQ(std::sscanf(geometry.c_str(), "WINDOW=%*d\nX=%d\nY=%d", &x, &y), 2) << geometry;
  xdotool({"windowfocus", "--sync", window});

  xdotool({"keydown", "Up"});
  std::this_thread::sleep_for(milliseconds(700));
  xdotool({"keyup", "Up"});
  // The first slider of the five-row panel: its thumb travels from x 81 to 294 of the screen
  // (the panel at 25, the slider 20 in, its track between the speakers, half a thumb in),
  // at y 238.5.
  const auto at = [&](double percent) {
    const double pointX = 81 + percent / 100 * 213;
    return std::vector<std::string>{std::to_string(int(x + screenX + pointX * scale)),
                                    std::to_string(int(y + screenY + 238.5 * scale))};
  };
  const auto move = [&](double percent) {
    auto args = at(percent);
    args.insert(args.begin(), "mousemove");
    xdotool(args);
  };
  move(50);
  xdotool({"mousedown", "1"});
  for (const double percent : {40.0, 30.0, 20.0}) move(percent);
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
