#include "apps/AppHost.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstring>

#include "CoreFoundation/CFRunLoop.h"
#include "Settings/SettingsApp.h"
#include "UIKit/UIApplication.h"
#include "UIKit/UIScreen.h"
#include "UIKit/UIScreenSetup.h"
#include "UIKit/UITextField.h"
#include "UIKit/UITouches.h"
#include "UIKit/UIWindow.h"
#include "apps/AppChannel.h"
#include "apps/Packets.h"
#include "common/Arguments.h"
#include "common/Shortest.h"
#include "screen/Keyboard.h"
#include "screen/LabelledTarget.h"
#include "screen/TextScreen.h"
#include "screen/ViewDump.h"

namespace {

bool editing() {
  return UIApplication::sharedApplication().focusedField() != nullptr;
}

Result<CGPoint> pointIn(const std::vector<std::string>& words, std::size_t at) {
  if (words.size() < at + 2) return fail("a point takes two numbers");
  const auto x = arguments::number<double>(words[at]);
  const auto y = arguments::number<double>(words[at + 1]);
  if (!x || !y) return fail("a point takes two numbers");
  return CGPoint{*x, *y};
}

// Whether a window of the app hides all under it: shown whole, on an opaque ground across the
// screen. SpringBoard then copies the frame rather than blends it.
bool coversTheScreen() {
  const CGRect screen = UIScreen::mainScreen().bounds();
  for (const auto& window : UIScreen::mainScreen().windows()) {
    const auto ground = window->backgroundColor();
    const CGRect f = window->frame();
    // Laid out for the screen as it stands, or upright on a turned screen: it covers it.
    const bool covers =
        f.origin.x == 0 && f.origin.y == 0 &&
        ((f.size.width == screen.size.width && f.size.height == screen.size.height) ||
         (f.size.width == screen.size.height && f.size.height == screen.size.width));
    if (window->alpha() >= 1 && ground && ground->alpha() >= 1 && covers) {
      return true;
    }
  }
  return false;
}

}  // namespace

AppHost::AppHost(Options options)
    : options_(options), accessibility_([this](const std::string& news) {
        tell(std::string(app_channel::kAccessibility) + " " + news);
      }) {
}

AppHost::~AppHost() {
  if (pixels_) munmap(pixels_, bytes_);
  if (buffer_ >= 0) close(buffer_);
}

Result<> AppHost::prepare() {
  bytes_ = app_channel::frameBytes(UIScreen::mainScreen().bounds().size, options_.largestScale);
  buffer_ = memfd_create("frame", MFD_CLOEXEC);
  if (buffer_ < 0 || ftruncate(buffer_, static_cast<off_t>(bytes_)) != 0) {
    return fail(std::string("cannot make the frame buffer: ") + std::strerror(errno));
  }
  void* mapped = mmap(nullptr, bytes_, PROT_READ | PROT_WRITE, MAP_SHARED, buffer_, 0);
  if (mapped == MAP_FAILED) {
    return fail(std::string("cannot map the frame buffer: ") + std::strerror(errno));
  }
  pixels_ = mapped;
  return Ok{};
}

void AppHost::run() {
  CFRunLoop::main().addSource(options_.questions, [this] { question(); });
  while (!done_) {
    answered_ = 0;
    const int handled = CFRunLoop::main().runFor(std::chrono::seconds(1), true);
    // Something other than a question ran: a change the app made by itself.
    if (handled > answered_) {
      ++generation_;
      tell();
    }
  }
}

void AppHost::tell(const std::string& news) {
  [[maybe_unused]] const auto told =
      packets::send(options_.news, app_channel::answer({true, generation_, editing(), news}));
}

void AppHost::question() {
  ++answered_;
  auto got = packets::receive(options_.questions, std::chrono::milliseconds(0));
  if (!got) {
    if (got.error() == "closed") done_ = true;
    return;
  }
  if (got->fd >= 0) close(got->fd);
  bool changed = false;
  const auto said = answer(got->message, changed);
  if (changed) ++generation_;
  const app_channel::Answer reply{said.ok(), generation_, editing(), said ? *said : said.error()};
  const bool hello = got->message == app_channel::kHello;
  if (!packets::send(options_.questions, app_channel::answer(reply), hello ? buffer_ : -1)) {
    done_ = true;
  }
}

Result<std::string> AppHost::answer(const std::string& question, bool& changed) {
  using namespace app_channel;
  const auto words = app_channel::words(question, 2);
  const std::string& verb = words[0];
  const std::string rest = words.size() > 1 ? words[1] : std::string();
  auto& touches = UITouches::shared();
  changed = app_channel::changesTheApp(question);
  if (verb == kHello || verb == kState) return std::string();
  if (verb == kShow) {
    SettingsApp::shared().launch();
    return std::string();
  }
  if (verb == kHide) {
    SettingsApp::shared().close();
    return std::string();
  }
  if (verb == kOrientation) {
    const auto turned = arguments::number<long>(rest);
    if (!turned || *turned < UIInterfaceOrientationPortrait ||
        *turned > UIInterfaceOrientationLandscapeLeft) {
      return fail("no orientation " + rest);
    }
    UIScreenSetup::setOrientation(static_cast<UIInterfaceOrientation>(*turned));
    return std::string();
  }
  if (verb == kTouch) {
    const auto parts = app_channel::words(question, 4);
    const auto at = pointIn(parts, 2);
    if (parts.size() != 4 || !at) return fail("touch takes a phase and a point");
    if (parts[1] == kPhases[0]) {
      const auto taken = touches.touchDown(*at);
      return taken ? std::string(taken->className()) + " tag=" + std::to_string(taken->tag())
                   : std::string("nothing");
    }
    if (parts[1] == kPhases[1]) {
      touches.touchMoved(*at);
    } else {
      touches.touchUp(*at);  // lifted, or taken away: the finger is gone either way
    }
    return std::string();
  }
  if (verb == kScroll) {
    const auto parts = app_channel::words(question, 5);
    const auto at = pointIn(parts, 1);
    const auto by = pointIn(parts, 3);
    if (parts.size() != 5 || !at || !by) return fail("scroll takes a point and a distance");
    return std::string(touches.scrollAt(*at, *by) ? kYes : kNo);
  }
  if (verb == kType) return keyboard::type(rest);
  if (verb == kKey) return keyboard::key(rest);
  if (verb == kRender) {
    const auto scale = arguments::number<double>(rest);
    if (!scale || *scale <= 0 || *scale > options_.largestScale) return fail("no scale " + rest);
    return render(*scale);
  }
  if (verb == kAccessibility) return accessibility_.answer(rest);
  if (verb == kDump) return dumpScreen(rest == kAll);
  if (verb == kText) return drawAppAsText();
  if (verb == kTarget) {
    const auto parts = app_channel::words(question, 3);
    if (parts.size() != 3) return fail("target takes a part and a text");
    const auto found =
        labelled_target::find(parts[2], parts[1] == kAccessory ? labelled_target::Part::Accessory
                                                               : labelled_target::Part::Whole);
    if (!found) return found.failure();
    std::string place = shortest(found->point.x) + " " + shortest(found->point.y);
    if (found->scrollBy) place += " " + shortest(*found->scrollBy);
    return place;
  }
  changed = false;
  return fail("no question \"" + verb + "\"");
}

Result<std::string> AppHost::render(double scale) {
  const CGSize size = UIScreen::mainScreen().bounds().size;
  const int width = static_cast<int>(size.width * scale);
  const int height = static_cast<int>(size.height * scale);
  const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, width);
  if (static_cast<std::size_t>(stride) * static_cast<std::size_t>(height) > bytes_) {
    return fail("a frame at scale " + shortest(scale) + " is larger than the buffer");
  }
  const CairoSurface target(cairo_image_surface_create_for_data(
      static_cast<unsigned char*>(pixels_), CAIRO_FORMAT_ARGB32, width, height, stride));
  auto& renderer = renderers_[scale];
  if (!renderer) renderer = std::make_unique<ScreenRenderer>(scale);
  renderer->drawWindows(target.get());
  return std::to_string(width) + " " + std::to_string(height) + " " + std::to_string(stride) + " " +
         (coversTheScreen() ? app_channel::kOpaque : app_channel::kClear);
}
