#include "window/DeviceWindow.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "CoreFoundation/CFRunLoop.h"
#include "common/Shortest.h"
#include "screen/Keyboard.h"
#include "window/WindowFit.h"

namespace {

// The display to show the window on, as the environment names it. Left to itself SDL would try
// every driver it has and settle for one that shows nothing, and a person would see no window.
Result<Ok> chooseVideoDriver() {
  const auto set = [](const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
  };
  if (set("SDL_VIDEODRIVER")) return Ok{};  // asked for by name, whatever it shows
  if (set("DISPLAY")) {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
  } else if (set("WAYLAND_DISPLAY")) {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "wayland");
  } else {
    return fail(
        "cannot open a window: no display (DISPLAY and WAYLAND_DISPLAY are unset; "
        "SDL_VIDEODRIVER picks another driver)");
  }
  return Ok{};
}

// The video driver chosen and started.
Result<Ok> reachDisplay() {
  if (auto chosen = chooseVideoDriver(); !chosen) return chosen.failure();
  X11Watch::handleErrors();
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    const char* display = std::getenv("DISPLAY");
    return fail(std::string("cannot open a window: ") + SDL_GetError() +
                (display ? std::string(" (DISPLAY=") + display + ")" : std::string()));
  }
  return Ok{};
}

// The room the display has for a window, in pixels; none known: any.
CGSize displayRoom() {
  SDL_Rect usable;
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0 || usable.w <= 0 || usable.h <= 0) {
    return CGSize{1e6, 1e6};
  }
  return CGSize{double(usable.w), double(usable.h)};
}

double scaleForDisplay(std::optional<double> requested, const DeviceWindow::Say& say) {
  const CGSize room = displayRoom();
  const double scale = window_fit::forDisplay(requested, room);
  if (requested && scale != *requested) {
    say("note: at scale " + shortest(*requested) + " the window would not fit the display's " +
        shortest(room.width) + "x" + shortest(room.height) + " pixels; scale " + shortest(scale));
  }
  return scale;
}

}  // namespace

Result<std::unique_ptr<DeviceWindow>> DeviceWindow::open(std::optional<double> requested,
                                                         const std::string& title, Say say,
                                                         Run run) {
  // Cairo draws every pixel: the window needs the video driver's plain framebuffer, not one
  // behind an OpenGL renderer (which would load the GL stack for nothing).
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (auto reached = reachDisplay(); !reached) return reached.failure();
  const double scale = scaleForDisplay(requested, say);
  const DeviceOutline outline = DeviceOutline::now(scale);
  SDL_Window* window =
      SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                       outline.width(), outline.height(), SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE);
  if (window == nullptr) {
    const std::string why = SDL_GetError();
    SDL_Quit();
    return fail("cannot open a window: " + why);
  }
  if (SDL_Surface* surface = SDL_GetWindowSurface(window);
      !surface || !WindowCanvas::drawsInto(surface)) {
    SDL_DestroyWindow(window);
    SDL_Quit();
    return fail("cannot draw into the window's pixels");
  }
  const auto smallest = DeviceOutline::now(window_fit::kSmallestScale);
  SDL_SetWindowMinimumSize(window, smallest.width(), smallest.height());
  auto opened = std::unique_ptr<DeviceWindow>(
      new DeviceWindow(window, scale, std::move(say), std::move(run)));
  if (opened->x11_) opened->x11_->setTitle(title);
  opened->say_(opened->describe());
  opened->say_("press ? for keys");
  return opened;
}

Result<Ok> DeviceWindow::checkDisplay() {
  if (auto reached = reachDisplay(); !reached) return reached.failure();
  SDL_Quit();
  return Ok{};
}

DeviceWindow::DeviceWindow(SDL_Window* window, double scale, Say say, Run run)
    : window_(window),
      say_(say),
      canvas_(window, scale, say),
      input_(canvas_, std::move(say), std::move(run)),
      x11_(X11Watch::of(window)) {
}

DeviceWindow::~DeviceWindow() {
  SDL_DestroyWindow(window_);
  SDL_Quit();
}

bool DeviceWindow::step(std::chrono::milliseconds longest) {
  auto wait = longest;
  if (const auto due = CFRunLoop::main().nextTimerDue()) {
    const auto untilDue =
        std::chrono::ceil<std::chrono::milliseconds>(*due - CFRunLoop::Clock::now());
    wait = std::clamp(untilDue, std::chrono::milliseconds(0), longest);
  }
  SDL_Event event;
  bool happened = SDL_WaitEventTimeout(&event, static_cast<int>(wait.count())) != 0;
  if (happened) {
    handle(event);
    while (open_ && SDL_PollEvent(&event)) handle(event);
  }
  happened = CFRunLoop::main().runUntilIdle() > 0 || happened;
  if (x11_ && x11_->lost(nullptr)) open_ = false;
  // Only events, timers, notifications and commands change the screen: a window left alone
  // looks at nothing.
  if (open_ && (happened || canvas_.stale() || std::exchange(look_, false))) {
    canvas_.followTheScreen();
    canvas_.redraw(input_.hand(), cursor_ ? cursor_() : std::nullopt);
  }
  return open_;
}

void DeviceWindow::handle(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT:
      open_ = false;
      break;
    case SDL_WINDOWEVENT:
      windowEvent(event.window);
      break;
    case SDL_SYSWMEVENT:
      if (x11_ && x11_->lost(event.syswm.msg)) open_ = false;
      if (const auto pointer = x11_ ? x11_->pointer(*event.syswm.msg) : std::nullopt) {
        input_.pointerChanged(*pointer);
      }
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      input_.key(event.key, event.type == SDL_KEYDOWN);
      break;
    case SDL_TEXTINPUT:
      if (keyboard::editing()) [[maybe_unused]]
        const auto typed = keyboard::type(event.text.text);
      break;
    case SDL_MOUSEBUTTONDOWN:
      if (event.button.button == SDL_BUTTON_LEFT && !x11_) {
        input_.mouseDown(CGPoint{double(event.button.x), double(event.button.y)});
      }
      break;
    case SDL_MOUSEMOTION:
      if (x11_) break;
      input_.mouseMoved(CGPoint{double(event.motion.x), double(event.motion.y)},
                        (event.motion.state & SDL_BUTTON_LMASK) != 0);
      break;
    case SDL_MOUSEBUTTONUP:
      if (event.button.button == SDL_BUTTON_LEFT && !x11_) {
        input_.mouseUp(CGPoint{double(event.button.x), double(event.button.y)});
      }
      break;
    case SDL_MOUSEWHEEL:
      input_.wheel(event.wheel);
      break;
    default:
      break;
  }
}

void DeviceWindow::windowEvent(const SDL_WindowEvent& event) {
  switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE:
      open_ = false;
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      input_.lift();
      break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      canvas_.fillWindow(event.data1, event.data2);
      canvas_.invalidate();
      break;
    case SDL_WINDOWEVENT_EXPOSED:
      canvas_.invalidate();
      break;
    default:
      break;
  }
}
