#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include "CoreGraphics/CGGeometry.h"
#include "support/DevicePaths.h"
#include "support/PlistFixture.h"
#include "support/ProgramRun.h"
#include "support/TempDeviceRoot.h"

namespace {

using std::chrono::milliseconds;

// An X server of our own, on the display it picked.
class Xvfb {
 public:
  explicit Xvfb(const std::string& size = "1280x1024")
      : server_({"/usr/bin/Xvfb", "-displayfd", "1", "-screen", "0", size + "x24", "-nolisten",
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

// The simulator's window on a server of its own, and a person's hands on it through xdotool.
class Desk : public ::testing::Test {
 protected:
  void start(const std::vector<std::string>& options, const std::string& serverSize = "1280x1024") {
    server = std::make_unique<Xvfb>(serverSize);
    // The scripts install both: a missing one is a fault of the machine, never a pass.
    ASSERT_FALSE(server->display.empty()) << "no X server can start here";
    ASSERT_TRUE(std::filesystem::exists("/usr/bin/xdotool")) << "no xdotool";
    std::vector<std::string> argv{ORBELLE_SIM, "--window", "--root", root.path().string()};
    argv.insert(argv.end(), options.begin(), options.end());
    sim = std::make_unique<RunningProgram>(argv, environment());
    ASSERT_TRUE(sim->waitForOutput("press ? for keys\n")) << sim->output();
    ASSERT_TRUE(readWindowLine(sim->output())) << sim->output();
    const std::string found = xdotool({"search", "--sync", "--name", "Orbelle 2"});
    window = found.substr(0, found.find('\n'));
    ASSERT_EQ(std::sscanf(xdotool({"getwindowgeometry", "--shell", window}).c_str(),
                          "WINDOW=%*d\nX=%d\nY=%d", &windowX, &windowY),
              2);
  }
  std::map<std::string, std::string> environment() const {
    return {{"DISPLAY", server->display}, {"XDG_RUNTIME_DIR", root.path().string()}};
  }
  // The last "window ..." line of `output`.
  bool readWindowLine(const std::string& output) {
    const auto line = output.rfind("window ");
    return line != std::string::npos &&
           std::sscanf(output.c_str() + line, "window %*dx%*d screen %lf,%lf scale %lf", &screenX,
                       &screenY, &scale) == 3;
  }
  std::string xdotool(std::vector<std::string> args) const {
    args.insert(args.begin(), "/usr/bin/xdotool");
    return runProgram(args, "", {{"DISPLAY", server->display}}).out;
  }
  // A second simulator's window at the desktop's corner, as a window that holds the keyboard
  // beside ours would be (a terminal's); answers its id, empty when it did not come up.
  std::string openAnotherWindow(const TempDeviceRoot& otherRoot,
                                std::unique_ptr<RunningProgram>& other) const {
    other = std::make_unique<RunningProgram>(
        std::vector<std::string>{ORBELLE_SIM, "--window", "--scale", "0.25", "--root",
                                 otherRoot.path().string()},
        environment());
    if (!other->waitForOutput("press ? for keys")) return {};
    const std::string found = xdotool({"search", "--sync", "--name", otherRoot.path().string()});
    const std::string id = found.substr(0, found.find('\n'));
    xdotool({"windowmove", "--sync", id, "0", "0"});
    return id;
  }
  // The pointer over a point of the simulated screen.
  void pointAt(CGPoint point) const {
    xdotool({"mousemove", std::to_string(int(windowX + screenX + point.x * scale)),
             std::to_string(int(windowY + screenY + point.y * scale))});
  }
  void drag(const std::vector<CGPoint>& path) const {
    pointAt(path.front());
    xdotool({"mousedown", "1"});
    for (const auto& point : path) pointAt(point);
    xdotool({"mouseup", "1"});
  }
  // Sends a command, then `state`, and answers all that came back once `state` has answered.
  std::string ask(const std::string& command) const {
    const auto before = sim->output().size();
    sim->send(command);
    sim->send("state");
    // `state` answers two lines: the popup's, then the lock state.
    const auto answered = [&] {
      const std::string out = sim->output();
      const auto at = out.find("popupWindow=", before);
      const auto first = at == std::string::npos ? at : out.find('\n', at);
      return first != std::string::npos && out.find('\n', first + 1) != std::string::npos;
    };
    for (int i = 0; i < 500 && !answered(); ++i) std::this_thread::sleep_for(milliseconds(10));
    return sim->output().substr(before);
  }
  double scrolled() const {
    const std::string dump = ask("dump");
    const auto at = dump.find("contentOffset=(0,");
    return at == std::string::npos ? -1 : std::stod(dump.substr(at + 17));
  }
  void settle() const { std::this_thread::sleep_for(milliseconds(250)); }
  // Whether the window shows black at a point of the simulated screen, as the X server has its
  // pixels (through xwd), within a second.
  bool blackAt(CGPoint point) const {
    for (int tries = 0; tries < 50; ++tries) {
      if (xwdPixel(point) == 0) return true;
      std::this_thread::sleep_for(milliseconds(20));
    }
    return false;
  }
  // 0xRRGGBB, or 0xFFFFFFFF when xwd gave no picture.
  std::uint32_t xwdPixel(CGPoint point) const {
    const std::string grab =
        runProgram({"/usr/bin/xwd", "-silent", "-id", window}, "", {{"DISPLAY", server->display}})
            .out;
    const auto word = [&](std::size_t index) {
      std::uint32_t value = 0;
      for (std::size_t i = 0; i < 4; ++i) value = value << 8 | std::uint8_t(grab[index * 4 + i]);
      return value;
    };
    if (grab.size() < 100 || word(11) != 32) return 0xFFFFFFFF;  // 32 bits a pixel
    const std::size_t x = std::size_t(screenX + point.x * scale);
    const std::size_t y = std::size_t(screenY + point.y * scale);
    const std::size_t at = word(0) + word(19) * 12 + y * word(12) + x * 4;
    if (at + 3 >= grab.size()) return 0xFFFFFFFF;
    // Least significant byte first: blue, green, red.
    return std::uint32_t(std::uint8_t(grab[at])) | std::uint32_t(std::uint8_t(grab[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(grab[at + 2])) << 16;
  }

  TempDeviceRoot root;
  std::unique_ptr<Xvfb> server;
  std::unique_ptr<RunningProgram> sim;
  std::string window;
  int windowX = 0, windowY = 0;
  double screenX = 0, screenY = 0, scale = 0;
};

// The first slider of the five-row panel: its thumb travels from x 81 to 294 of the screen
// (the panel at 25, the slider 20 in, its track between the speakers, half a thumb in), at
// y 238.5.
CGPoint firstSliderAt(double percent) {
  return CGPoint{81 + percent / 100 * 213, 238.5};
}

double volumeOf(const std::string& volumes, const std::string& category) {
  const auto at = volumes.find(category + " ");
  return at == std::string::npos ? -1 : std::stod(volumes.substr(at + category.size() + 1));
}

TEST_F(Desk, APersonHoldsUpDragsAThumbAndUsesTheKeys) {
  start({});
  EXPECT_EQ(xdotool({"getwindowname", window}),
            "Orbelle 2 \u2014 iPhone10,4 \u2014 " + root.path().string() + "\n")
      << "the title as UTF-8";
  xdotool({"windowfocus", "--sync", window});
  xdotool({"keydown", "Up"});
  std::this_thread::sleep_for(milliseconds(700));
  xdotool({"keyup", "Up"});
  std::vector<CGPoint> path;
  for (const double percent : {50.0, 40.0, 30.0, 20.0}) path.push_back(firstSliderAt(percent));
  drag(path);
  settle();
  EXPECT_NEAR(volumeOf(ask("volumes"), "Ringtone"), 0.2, 0.02) << "dragged from 0.5";

  for (const char* key : {"question", "j", "b", "p", "t"}) xdotool({"key", key});
  const std::string said = ask("show");
  for (const char* line : {"keys shown", "headphones in", "Ringtone Headphone", "bluetooth on",
                           "Audio/Video BluetoothA2DPOutput", "buttons change Audio/Video",
                           "reduce transparency on"}) {
    EXPECT_TRUE(contains(sim->output(), std::string(line) + "\n")) << line;
  }
  // The labels follow a route whose volume differs (the headphones' own), as on a device; the
  // Bluetooth route that took over at the same volume posts no change.
  EXPECT_TRUE(contains(said, "Audio/Video (Headphone): 38%")) << said;
  xdotool({"key", "b"});
  xdotool({"key", "j"});
  settle();
  EXPECT_TRUE(contains(ask("volumes"), "Audio/Video 0.5 Speaker\n")) << "unplugged, back again";
  sim->send("quit");
  EXPECT_EQ(sim->finish().status, 0);
}

// L and the drawn side button lock and wake; the popup opens over the lock screen; F5
// resprings with the window left where it was.
TEST_F(Desk, APersonLocksWakesOpensThePopupAndResprings) {
  start({});
  xdotool({"windowfocus", "--sync", window});
  xdotool({"key", "l"});
  ASSERT_TRUE(sim->waitForOutput("locked\n")) << sim->output();
  // The side button stands out of the body's right side, level with volume-up on the left.
  pointAt(CGPoint{399.5, 76});
  xdotool({"click", "1"});
  ASSERT_TRUE(sim->waitForOutput("lock screen\n")) << sim->output();
  xdotool({"keydown", "Up"});
  std::this_thread::sleep_for(milliseconds(700));
  xdotool({"keyup", "Up"});
  EXPECT_TRUE(contains(ask("dump all"), "SBCoverSheetWindow")) << "under the popup";
  EXPECT_TRUE(contains(ask(""),
                       "popupWindow=shown popupView=set enableBackgroundBlur=YES\n"
                       "lock screen\n"));
  xdotool({"key", "F5"});
  ASSERT_TRUE(sim->waitForOutput("respring: 1 tweak loaded\n")) << sim->output();
  EXPECT_TRUE(contains(ask(""),
                       "popupWindow=nil popupView=nil enableBackgroundBlur=YES\n"
                       "lock screen\n"))
      << sim->output();
  EXPECT_EQ(xdotool({"getwindowname", window}).empty(), false) << "the same window";
  xdotool({"key", "h"});
  EXPECT_TRUE(contains(ask(""), "unlocked\n"));
  sim->send("quit");
  const auto ended = sim->finish();
  EXPECT_EQ(ended.status, 0) << ended.err;
}

// VoiceOver at the window: V turns it on, the popup opens on its first row, the arrows move the
// cursor, which the window draws and which follows, Page Up raises the row, Backspace closes.
TEST_F(Desk, APersonWorksThePanelWithVoiceOversKeys) {
  start({});
  ASSERT_TRUE(std::filesystem::exists("/usr/bin/xwd")) << "no xwd (x11-apps)";
  sim->send("voiceover speech silent");
  ASSERT_TRUE(sim->waitForOutput("speech: printed only\n")) << sim->output();
  xdotool({"windowfocus", "--sync", window});
  xdotool({"key", "v"});
  ASSERT_TRUE(sim->waitForOutput("voiceover on\n")) << sim->output();
  xdotool({"keydown", "Up"});
  std::this_thread::sleep_for(milliseconds(700));
  xdotool({"keyup", "Up"});
  ASSERT_TRUE(sim->waitForOutput("VoiceOver: Ringtone, 50%, adjustable\n")) << sim->output();
  // The rows stand 50 points apart from 203.5; the cursor's line runs 3.5 points above a row.
  const CGPoint firstRow{187, 200}, secondRow{187, 250};
  EXPECT_TRUE(blackAt(firstRow)) << "the cursor on the first row";
  xdotool({"key", "Right"});
  ASSERT_TRUE(sim->waitForOutput("Audio/Video (Speaker), 50%, adjustable\n")) << sim->output();
  EXPECT_TRUE(blackAt(secondRow)) << "drawn where it went";
  EXPECT_NE(xwdPixel(firstRow), 0u) << "and gone from where it was";
  xdotool({"key", "Prior"});
  ASSERT_TRUE(sim->waitForOutput("60%\n")) << sim->output();
  xdotool({"key", "BackSpace"});
  EXPECT_TRUE(contains(ask(""), "popupWindow=nil")) << sim->output();
  sim->send("quit");
  const auto ended = sim->finish();
  EXPECT_EQ(ended.status, 0) << ended.err;
}

// A finger lifts when the button does, wherever that happens: with another window holding the
// keyboard, a drag that leaves the window still drives the slider, held to the screen's edge,
// and the release out there ends it.
TEST_F(Desk, AFingerReleasedOutsideTheWindowLifts) {
  start({});
  TempDeviceRoot otherRoot;
  std::unique_ptr<RunningProgram> other;
  const std::string otherWindow = openAnotherWindow(otherRoot, other);
  ASSERT_FALSE(otherWindow.empty()) << "no second window";
  xdotool({"windowfocus", "--sync", otherWindow});
  ask("hold up");

  pointAt(firstSliderAt(50));
  xdotool({"mousedown", "1"});
  pointAt(firstSliderAt(70));
  xdotool({"mousemove", "1270", std::to_string(int(windowY + screenY + 238 * scale))});
  xdotool({"mouseup", "1"});
  settle();
  EXPECT_NEAR(volumeOf(ask("volumes"), "Ringtone"), 1.0, 0.01) << "followed to the edge";
  for (const double percent : {10.0, 30.0, 60.0}) pointAt(firstSliderAt(percent));
  settle();
  EXPECT_NEAR(volumeOf(ask("volumes"), "Ringtone"), 1.0, 0.01) << "hovering moves nothing";
  pointAt(CGPoint{12, 40});
  xdotool({"click", "1"});
  settle();
  EXPECT_TRUE(contains(ask("volumes"), "popupWindow=nil")) << "a click outside closes it";
  sim->send("quit");
  EXPECT_EQ(sim->finish().status, 0);
  xdotool({"windowkill", otherWindow});
  const auto killed = other->finish();
  EXPECT_EQ(killed.status, 0) << "its connection cut by the server: a clean end";
  EXPECT_EQ(killed.err, "the X server closed the window; the session ends\n");
}

// Out through the window's left side and back, then up past its top edge and released there,
// with the keyboard focus in another window: the release still lifts the finger.
TEST_F(Desk, AFingerThatLeftAndCameBackLiftsWhereverItIsReleased) {
  start({"--scale", "1"});
  TempDeviceRoot otherRoot;
  std::unique_ptr<RunningProgram> other;
  const std::string otherWindow = openAnotherWindow(otherRoot, other);
  ASSERT_FALSE(otherWindow.empty()) << "no second window";
  xdotool({"windowmove", "--sync", window, "400", "200"});
  windowX = 400;
  windowY = 200;
  xdotool({"windowfocus", "--sync", otherWindow});
  ask("hold up");

  pointAt(firstSliderAt(50));
  xdotool({"mousedown", "1"});
  pointAt(firstSliderAt(60));
  const std::string sliderY = std::to_string(int(windowY + screenY + 238.5 * scale));
  xdotool({"mousemove", "300", sliderY});
  pointAt(firstSliderAt(40));
  xdotool({"mousemove", std::to_string(int(windowX + screenX + 150 * scale)), "100"});
  xdotool({"mouseup", "1"});
  settle();
  const double released = volumeOf(ask("volumes"), "Ringtone");
  for (const double percent : {10.0, 90.0}) pointAt(firstSliderAt(percent));
  settle();
  EXPECT_NEAR(volumeOf(ask("volumes"), "Ringtone"), released, 0.01) << "hovering moves nothing";
  pointAt(CGPoint{12, 40});
  xdotool({"click", "1"});
  settle();
  EXPECT_TRUE(contains(ask("volumes"), "popupWindow=nil")) << "a click outside closes it";
  sim->send("quit");
  other->send("quit");
  EXPECT_EQ(sim->finish().status, 0);
}

// A tall panel scrolls under a finger that goes down on a track, under the wheel, and under a
// finger that goes down on a thumb and moves straight down; no volume changes on the way.
TEST_F(Desk, ATallPanelScrollsFromItsTracksThumbsAndUnderTheWheel) {
  const char* categories[] = {"Ringtone", "Audio/Video", "HeadsetBT", "HeadphonesBT", "PhoneCall"};
  plist_fixture::Node list(plist_new_array());
  for (int i = 0; i < 20; ++i) {
    plist_array_append_item(list.get(),
                            plist_fixture::entry(categories[i % 5], categories[i % 5], true));
  }
  root.writeBytes(device_paths::kList, plist_fixture::xml(list));
  start({});
  ask("hold up");
  const std::string before = ask("volumes");
  // Row 7's track, left of its thumb (the panel at y 20, the row at 365 in it, the slider
  // 20 below, 30 high), drawn upwards by 250 points.
  drag({{100, 420}, {100, 400}, {101, 300}, {100, 170}});
  settle();
  EXPECT_NEAR(scrolled(), 250, 2) << ask("dump");
  pointAt(CGPoint{187, 300});
  xdotool({"click", "--repeat", "2", "5"});  // the wheel, turned towards the person
  settle();
  EXPECT_NEAR(scrolled(), 310, 2) << "30 points a notch";
  // Row 8's thumb (at the middle, 50%), now at y 160, drawn straight down by 100 points: the
  // panel takes the finger from the slider.
  drag({{187, 160}, {187, 175}, {188, 220}, {187, 260}});
  settle();
  EXPECT_NEAR(scrolled(), 210, 2) << ask("dump");
  EXPECT_EQ(ask("volumes"), before) << "scrolling set no volume";
  sim->send("quit");
  EXPECT_EQ(sim->finish().status, 0);
}

TEST_F(Desk, TheWindowFitsTheDisplayAndFillsItsNewSize) {
  start({"--scale", "2"}, "1280x800");
  EXPECT_TRUE(contains(sim->output(), "note: at scale 2 the window would not fit"));
  EXPECT_LT(scale, 1) << "443x835 at 1 is too tall for 800";
  const auto lines = sim->output().size();
  xdotool({"windowsize", "--sync", window, "600", "500"});
  settle();
  ASSERT_TRUE(readWindowLine(sim->output().substr(lines))) << sim->output();
  EXPECT_TRUE(contains(sim->output().substr(lines), "window 600x500 ")) << sim->output();
  EXPECT_NEAR(scale, 500.0 / 835, 0.02) << "the device fills the new height";
  const auto turned = sim->output().size();
  sim->send("rotate landscape");
  settle();
  int width = 0, height = 0;
  const std::string after = sim->output().substr(turned);
  ASSERT_TRUE(contains(after, "window ")) << sim->output();
  ASSERT_EQ(std::sscanf(after.c_str() + after.find("window "), "window %dx%d", &width, &height), 2)
      << after;
  EXPECT_GT(width, height) << "the window turns with the device, at the scale it had";
  xdotool({"windowclose", window});
  EXPECT_EQ(sim->finish().status, 0) << "closed from outside: a clean end";
}

// Settings at the window: the gear on the home screen, the entry, the editor's link scrolled
// into view by the wheel, a name renamed at the keyboard (keys that would otherwise turn the
// device or quit go into the field), and the drawn Home button back to the home screen.
TEST_F(Desk, APersonRenamesACategoryInSettingsAndPressesHome) {
  start({});
  xdotool({"windowfocus", "--sync", window});
  for (const CGPoint point : {CGPoint{318, 80}, CGPoint{187, 165}}) {
    pointAt(point);
    xdotool({"click", "1"});
    settle();
  }
  pointAt(CGPoint{187, 400});
  for (int notch = 0; notch < 12; ++notch) xdotool({"click", "5"});
  settle();
  EXPECT_GT(scrolled(), 100) << "the wheel scrolls the page";
  const std::string page = ask("dump");
  const auto link = page.find("text=\"Categories\"");
  ASSERT_NE(link, std::string::npos) << page;
  EXPECT_TRUE(contains(ask("tap 187 451"), "UITableView")) << "the link, scrolled into view";
  pointAt(CGPoint{100, 165});
  xdotool({"click", "1"});
  settle();
  xdotool({"type", "--delay", "20", "Rq"});
  xdotool({"key", "BackSpace", "Return"});
  settle();
  const std::string list = root.readBytes(device_paths::kList);
  EXPECT_TRUE(contains(list, "<string>R</string>")) << list;
  EXPECT_TRUE(contains(ask("dump"), "UIWindow frame=(0,0,375,667)"))
      << "R typed, not a turn of the device";
  EXPECT_FALSE(contains(sim->output(), "rotate landscape"));

  // The Home button sits in the bezel under the screen, 36 points below its edge.
  xdotool({"mousemove", std::to_string(int(windowX + screenX + 187.5 * scale)),
           std::to_string(int(windowY + screenY + (667 + 36) * scale))});
  xdotool({"click", "1"});
  settle();
  EXPECT_TRUE(contains(sim->output(), "home screen\n")) << sim->output();
  EXPECT_EQ(ask("dump").find("Categories"), std::string::npos) << "Settings closed";
  sim->send("quit");
  EXPECT_EQ(sim->finish().status, 0);
}

TEST_F(Desk, ScriptsAndTheDemoPlayInTheWindow) {
  server = std::make_unique<Xvfb>();
  ASSERT_FALSE(server->display.empty());
  const auto script = root.path() / "script";
  std::FILE* file = std::fopen(script.c_str(), "w");
  std::fputs("hold up\nwait 0.3\ntouch 0\nmove 0 80\nrelease 0\nvolumes\n", file);
  std::fclose(file);
  auto run = runProgram(
      {ORBELLE_SIM, "--window", "--root", root.path().string(), "--script", script.string()}, "",
      environment());
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(contains(run.out, "Ringtone 0.8 Speaker")) << run.out;
  std::FILE* failing = std::fopen(script.c_str(), "a");
  std::fputs("bogus\n", failing);
  std::fclose(failing);
  run = runProgram(
      {ORBELLE_SIM, "--window", "--root", root.path().string(), "--script", script.string()}, "",
      environment());
  EXPECT_EQ(run.status, 1) << "a script's failure is the run's";

  // The demo, watched up to its second step, then its window closed.
  const auto demo = root.path() / "demo";
  RunningProgram watched({ORBELLE_SIM, "demo", "--window", "--out", demo.string()}, environment());
  ASSERT_TRUE(watched.waitForOutput("\n2. The user opens Settings")) << watched.output();
  EXPECT_TRUE(contains(watched.output(), "press ? for keys")) << "played in a window";
  EXPECT_FALSE(contains(watched.output(), "\n3. ")) << "paced for a person watching";
  const std::string found = xdotool({"search", "--sync", "--name", "Orbelle 2"});
  xdotool({"windowclose", found.substr(0, found.find('\n'))});
  EXPECT_EQ(watched.finish().status, 0);
  EXPECT_TRUE(std::filesystem::exists(demo / "screenshots/01-home.png"));
}

}  // namespace
