#include "apps/AppProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>

#include "CoreFoundation/CFRunLoop.h"
#include "Foundation/NSLog.h"
#include "SimDevice/DeviceModel.h"
#include "SimDevice/DeviceRoot.h"
#include "SpringBoard/SpringBoard.h"
#include "UIKit/UIAccessibility.h"
#include "UIKit/UIApplication.h"
#include "apps/AppChannel.h"
#include "apps/Packets.h"
#include "common/ProgramFolder.h"
#include "common/Shortest.h"

extern char** environ;

namespace {

using namespace app_channel;

constexpr char kEnded[] = "its process ended";
constexpr double kLargestScale = 3;  // the densest screen a renderer draws at
constexpr char kAppProgram[] = "orbelle2-app";

// orbelle2-app beside the program running, unless $ORBELLE2_APP names another.
std::string appProgram() {
  if (const char* named = std::getenv("ORBELLE2_APP"); named && *named) return named;
  return (programFolder() / kAppProgram).string();
}

constexpr std::chrono::milliseconds kEndingGrace{1000};

// Waits up to `grace` for the process to end by itself and answers its wait status; one still
// there then is killed (nothing answered), as the system ends a hung app.
std::optional<int> reap(pid_t pid, std::chrono::milliseconds grace) {
  int status = 0;
  const auto until = std::chrono::steady_clock::now() + grace;
  for (;;) {
    if (waitpid(pid, &status, WNOHANG) == pid) return status;
    if (std::chrono::steady_clock::now() >= until) break;
    usleep(10000);
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  return std::nullopt;
}

std::string howItEnded(int status) {
  if (WIFSIGNALED(status)) {
    return "killed by signal " + std::to_string(WTERMSIG(status)) + " (" +
           strsignal(WTERMSIG(status)) + ")";
  }
  return "exited with status " + std::to_string(WEXITSTATUS(status));
}

std::string point(CGPoint at) {
  return shortest(at.x) + " " + shortest(at.y);
}

}  // namespace

std::shared_ptr<AppProcess> AppProcess::make(std::string name) {
  return std::shared_ptr<AppProcess>(new AppProcess(std::move(name)));
}

AppProcess::~AppProcess() {
  end();
}

// The app's channels close, and it ends with them.
void AppProcess::end() {
  if (news_ >= 0) CFRunLoop::main().removeSource(news_);
  if (questions_ >= 0) close(questions_);
  if (news_ >= 0) close(news_);
  questions_ = news_ = -1;
  unmapFrame();
  if (pid_ > 0) [[maybe_unused]]
    const auto ended = reap(pid_, kEndingGrace);
  pid_ = 0;
  window_.reset();
  editing_ = false;
}

Result<> AppProcess::start() {
  auto questions = packets::pair();
  if (!questions) return questions.failure();
  auto news = packets::pair();
  if (!news) {
    close(questions->first);
    close(questions->second);
    return news.failure();
  }
  const auto& screen = UIScreen::mainScreen();
  const CGSize portrait = screen.orientation() == UIInterfaceOrientationPortrait ||
                                  screen.orientation() == UIInterfaceOrientationPortraitUpsideDown
                              ? screen.bounds().size
                              : CGSize{screen.bounds().size.height, screen.bounds().size.width};
  const std::string program = appProgram();
  std::vector<std::string> words{
      program,        name_,
      "--root",       DeviceRoot::path().string(),
      "--device",     DeviceModel::identifier(),
      "--points",     shortest(portrait.width) + "x" + shortest(portrait.height),
      "--scale",      shortest(std::max(kLargestScale, screen.scale())),
      "--status-bar", shortest(screen.statusBarHeight()),
      "--questions",  std::to_string(questions->second),
      "--news",       std::to_string(news->second),
  };
  std::vector<char*> argv;
  for (auto& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  // The child's ends are the only descriptors it keeps.
  for (const int end : {questions->second, news->second}) fcntl(end, F_SETFD, 0);
  pid_t child = 0;
  const int spawned = posix_spawn(&child, program.c_str(), nullptr, nullptr, argv.data(), environ);
  close(questions->second);
  close(news->second);
  if (spawned != 0) {
    close(questions->first);
    close(news->first);
    return fail("cannot start " + program + ": " + std::strerror(spawned));
  }
  pid_ = child;
  questions_ = questions->first;
  news_ = news->first;
  const std::weak_ptr<AppProcess> weak = weak_from_this();
  CFRunLoop::main().addSource(news_, [weak] {
    if (const auto app = weak.lock()) app->heard();
  });
  orientation_.reset();
  voiceOver_.reset();
  if (auto hello = ask(question(kHello)); !hello)
    return fail(name_ + " did not start: " + hello.error());
  window_ = std::make_shared<RemoteWindow>(weak);
  window_->setFrame(screen.bounds());
  return Ok{};
}

Result<> AppProcess::launch() {
  if (!running()) {
    if (auto started = start(); !started) return started;
  }
  if (auto shown = ask(question(kShow)); !shown) return shown.failure();
  window_->makeKeyAndVisible();
  UIApplication::sharedApplication().setStatusBarStyle(UIStatusBarStyleDefault);
  return Ok{};
}

void AppProcess::background() {
  if (window_) window_->setHidden(true);
  UIApplication::sharedApplication().setStatusBarStyle(UIStatusBarStyleLightContent);
  if (running()) [[maybe_unused]]
    const auto hidden = ask(question(kHide));
}

Result<std::string> AppProcess::ask(const std::string& request) {
  if (!running()) return fail("the " + name_ + " app is not running");
  // The device's turn first, once, so that the app answers on the screen as it stands.
  const auto turned = UIScreen::mainScreen().orientation();
  if (request != kHello && orientation_ != turned) {
    orientation_ = turned;
    if (auto told = ask(question(kOrientation, std::to_string(turned))); !told) return told;
  }
  // VoiceOver's state too, as every process on a phone hears it.
  if (const bool running = UIAccessibilityIsVoiceOverRunning();
      request != kHello && voiceOver_ != running) {
    voiceOver_ = running;
    const std::string words = std::string(kVoiceOver) + (running ? " on" : " off");
    if (auto told = ask(question(kAccessibility, words)); !told) return told;
  }
  if (auto sent = packets::send(questions_, request); !sent) {
    exited(kEnded);  // the other end is gone
    return fail("the " + name_ + " app is gone");
  }
  auto got = packets::receive(questions_, kAnswerWait);
  if (!got) {
    exited(got.error() == "closed" ? kEnded : got.error());
    return fail("the " + name_ + " app is gone");
  }
  if (got->fd >= 0) mapFrame(got->fd);
  const auto answer = app_channel::parse(got->message);
  if (!answer) return answer.failure();
  generation_ = answer->generation;
  editing_ = answer->editing;
  if (!answer->ok) return fail(answer->text);
  // What the app posted to VoiceOver because of it reaches SpringBoard with the answer: the
  // app's answer to the next question comes after its posts.
  if (UIAccessibilityIsVoiceOverRunning() && changesTheApp(request)) {
    if (auto synced = ask(question(kAccessibility, kSync)); !synced) return synced;
  }
  return answer->text;
}

// What the app changed by itself; the channel's end is the process's.
void AppProcess::heard() {
  auto got = packets::receive(news_, std::chrono::milliseconds(0));
  if (!got) {
    if (got.error() == "closed") exited(kEnded);
    return;
  }
  if (got->fd >= 0) close(got->fd);
  const auto answer = app_channel::parse(got->message);
  if (!answer) return;
  // News sent before the latest answer arrives after it: only what is newer counts.
  if (answer->generation > generation_) {
    generation_ = answer->generation;
    editing_ = answer->editing;
  }
  const std::string toVoiceOver = std::string(kAccessibility) + " ";
  if (answer->text.rfind(toVoiceOver, 0) == 0) {
    RemoteWindow::heardFromApp(answer->text.substr(toVoiceOver.size()));
  }
}

void AppProcess::exited(const std::string& why) {
  if (!running()) return;
  const pid_t gone = pid_;
  pid_ = 0;
  CFRunLoop::main().removeSource(news_);
  close(questions_);
  close(news_);
  questions_ = news_ = -1;
  // One that does not answer is ended here; one whose channel closed has a moment to end, and
  // says how it did.
  const auto status = reap(gone, why == kEnded ? kEndingGrace : std::chrono::milliseconds(0));
  const std::string how = status ? howItEnded(*status) : why;
  unmapFrame();
  if (window_) window_->setHidden(true);
  window_.reset();
  editing_ = false;
  NSLog("The " + name_ + " app (pid " + std::to_string(gone) + ") quit: " + how);
  SpringBoard::shared().applicationDidExit(name_);
  UIApplication::sharedApplication().setStatusBarStyle(UIStatusBarStyleLightContent);
}

void AppProcess::mapFrame(int fd) {
  unmapFrame();
  const auto& screen = UIScreen::mainScreen();
  const CGSize size = screen.bounds().size;
  bytes_ = app_channel::frameBytes(size, std::max(kLargestScale, screen.scale()));
  void* mapped = mmap(nullptr, bytes_, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  close(fd);
  pixels_ = mapped == MAP_FAILED ? nullptr : mapped;
}

void AppProcess::unmapFrame() {
  frame_.reset();
  if (pixels_) munmap(pixels_, bytes_);
  pixels_ = nullptr;
}

cairo_surface_t* AppProcess::frame(double scale) {
  const CGSize size = UIScreen::mainScreen().bounds().size;
  if (frame_ && frameScale_ == scale && frameGeneration_ == generation_ && frameSize_ == size) {
    return frame_.get();
  }
  frame_.reset();
  const auto drawn = ask(question(kRender, shortest(scale)));
  if (!drawn || !pixels_) return nullptr;
  const auto parts = app_channel::words(*drawn, 4);
  int width = 0, height = 0, stride = 0;
  if (parts.size() != 4 || std::sscanf(drawn->c_str(), "%d %d %d", &width, &height, &stride) != 3 ||
      width <= 0 || height <= 0 || stride < width * 4 ||
      static_cast<std::size_t>(stride) * static_cast<std::size_t>(height) > bytes_) {
    return nullptr;
  }
  // An opaque frame is the same pixels read without their alpha: copied, not blended.
  const auto format = parts[3] == kOpaque ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32;
  frame_.reset(cairo_image_surface_create_for_data(static_cast<unsigned char*>(pixels_), format,
                                                   width, height, stride));
  frameScale_ = scale;
  frameGeneration_ = generation_;
  frameSize_ = size;
  return frame_.get();
}

std::uint64_t AppProcess::generation() {
  return generation_;
}

void AppProcess::touch(RemoteWindow::Phase phase, CGPoint screenPoint) {
  const auto touched = ask(
      question(kTouch, std::string(kPhases[static_cast<int>(phase)]) + " " + point(screenPoint)));
  if (phase == RemoteWindow::Phase::Down) touched_ = touched ? *touched : "nothing";
}

bool AppProcess::scroll(CGPoint screenPoint, CGPoint distance) {
  const auto scrolled = ask(question(kScroll, point(screenPoint) + " " + point(distance)));
  return scrolled && *scrolled == kYes;
}

bool AppProcess::editing() {
  return running() && editing_;
}

Result<std::string> AppProcess::type(const std::string& text) {
  return ask(question(kType, text));
}

Result<std::string> AppProcess::key(const std::string& name) {
  return ask(question(kKey, name));
}

std::string AppProcess::dump(bool everything) {
  const auto told = ask(question(kDump, everything ? kAll : ""));
  return told ? *told : std::string();
}

std::string AppProcess::text() {
  const auto told = ask(question(kText));
  return told ? *told : std::string();
}

Result<labelled_target::Target> AppProcess::target(const std::string& text,
                                                   labelled_target::Part part) {
  const auto found = ask(question(
      kTarget,
      std::string(part == labelled_target::Part::Whole ? kWhole : kAccessory) + " " + text));
  if (!found) return found.failure();
  double x = 0, y = 0, scroll = 0;
  const int read = std::sscanf(found->c_str(), "%lf %lf %lf", &x, &y, &scroll);
  if (read < 2) return fail("the " + name_ + " app answered no place");
  return labelled_target::Target{CGPoint{x, y},
                                 read == 3 ? std::optional<double>(scroll) : std::nullopt};
}

Result<std::string> AppProcess::accessibility(const std::string& request) {
  return ask(question(kAccessibility, request));
}
