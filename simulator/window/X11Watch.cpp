#include "window/X11Watch.h"

#include <SDL_syswm.h>
#include <unistd.h>

#include <cstdlib>

#include <utility>

namespace {

XErrorHandler earlierHandler = nullptr;
Window watched = 0;
bool refused = false;  // the server answered a request on the watched window with an error

// Errors about the watched window mean it is gone; any other goes to the handler before.
int onXError(Display* display, XErrorEvent* error) {
  if (watched != 0 && error->resourceid == watched) {
    refused = true;
    return 0;
  }
  return earlierHandler ? earlierHandler(display, error) : 0;
}

// The server closed the connection (`xdotool windowkill`, a window manager's kill, the server's
// end): Xlib cannot go on, and would end the program with exit status 1 once this returns. The
// window is gone as if closed, so the session ends as a closed window ends it.
int onConnectionLost(Display*) {
  static constexpr char kSaid[] = "the X server closed the window; the session ends\n";
  [[maybe_unused]] const auto written = ::write(STDERR_FILENO, kSaid, sizeof kSaid - 1);
  std::exit(0);
}

}  // namespace

void X11Watch::handleErrors() {
  const XErrorHandler before = XSetErrorHandler(&onXError);
  if (before != &onXError) earlierHandler = before;
  XSetIOErrorHandler(&onConnectionLost);
}

std::optional<X11Watch> X11Watch::of(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return std::nullopt;
  SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
  watched = info.info.x11.window;
  refused = false;
  return X11Watch(info.info.x11.display, info.info.x11.window);
}

std::optional<X11Watch::Pointer> X11Watch::pointer(const SDL_SysWMmsg& message) {
  using Change = Pointer::Change;
  if (message.subsystem != SDL_SYSWM_X11) return std::nullopt;
  const XEvent& event = message.msg.x11.event;
  auto* display = static_cast<Display*>(display_);
  if (event.xany.window != window_) return std::nullopt;
  switch (event.type) {
    case MotionNotify:
      return Pointer{Change::Motion, CGPoint{double(event.xmotion.x), double(event.xmotion.y)},
                     (event.xmotion.state & Button1Mask) != 0};
    case ButtonPress:
      if (event.xbutton.button != Button1) return std::nullopt;
      return Pointer{Change::Press, CGPoint{double(event.xbutton.x), double(event.xbutton.y)},
                     true};
    case ButtonRelease:
      if (event.xbutton.button != Button1) return std::nullopt;
      if (std::exchange(holding_, false)) XUngrabPointer(display, CurrentTime);
      return Pointer{Change::Release, CGPoint{double(event.xbutton.x), double(event.xbutton.y)},
                     false};
    case EnterNotify:
      // SDL has just let go of the pointer (and so of the press's grab): held again, the
      // release comes here wherever it happens.
      if ((event.xcrossing.state & Button1Mask) != 0) {
        constexpr unsigned kEvents = ButtonReleaseMask | PointerMotionMask | ButtonMotionMask;
        holding_ = XGrabPointer(display, window_, False, kEvents, GrabModeAsync, GrabModeAsync,
                                None, None, CurrentTime) == GrabSuccess;
      }
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

bool X11Watch::lost(const SDL_SysWMmsg* message) const {
  if (refused) return true;
  if (!message || message->subsystem != SDL_SYSWM_X11) return false;
  const XEvent& event = message->msg.x11.event;
  return event.type == DestroyNotify && event.xdestroywindow.window == window_;
}

void X11Watch::setTitle(const std::string& title) const {
  auto* display = static_cast<Display*>(display_);
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  const auto* bytes = reinterpret_cast<const unsigned char*>(title.data());
  for (const char* property : {"_NET_WM_NAME", "WM_NAME"}) {
    XChangeProperty(display, window_, XInternAtom(display, property, False), utf8, 8,
                    PropModeReplace, bytes, int(title.size()));
  }
  XFlush(display);
}
