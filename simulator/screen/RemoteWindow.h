#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "UIKit/UIWindow.h"
#include "common/Result.h"
#include "screen/LabelledTarget.h"

// A window whose content another process draws, as an app's windows are on a phone: the screen
// shows the frame its source drew last, touches on it go to the source, and what describes the
// screen (the dump, the text screen, a label's place) asks the source for the app's part.
class RemoteWindow : public UIWindow {
 public:
  enum class Phase { Down, Move, Up, Cancel };

  class Source {
   public:
    virtual ~Source() = default;
    // The app's windows drawn at `scale` over a clear ground, the screen's size; null when there
    // is nothing to show.
    virtual cairo_surface_t* frame(double scale) = 0;
    // Changes whenever the app's windows may look otherwise.
    virtual std::uint64_t generation() = 0;
    virtual void touch(Phase phase, CGPoint screenPoint) = 0;
    // What took the latest finger to go down: "CLASS tag=N", or "nothing".
    virtual std::string touchedView() = 0;
    virtual bool scroll(CGPoint screenPoint, CGPoint distance) = 0;
    // Whether a text field of the app has the focus, and keys for it.
    virtual bool editing() = 0;
    virtual Result<std::string> type(const std::string& text) = 0;
    virtual Result<std::string> key(const std::string& name) = 0;
    // The app's windows as the dump and the text screen tell them, and where a label is.
    virtual std::string dump(bool everything) = 0;
    virtual std::string text() = 0;
    virtual Result<labelled_target::Target> target(const std::string& text,
                                                   labelled_target::Part part) = 0;
    // A question of VoiceOver's to the app's accessibility runtime (AccessibilityServer).
    virtual Result<std::string> accessibility(const std::string& question) = 0;
  };

  // What an app's process posted to VoiceOver (AccessibilityServer's news), as its source heard
  // it; the device's VoiceOver listens while it runs.
  using AccessibilityListener = std::function<void(const std::string& news)>;
  static void setAccessibilityListener(AccessibilityListener listener);
  static void heardFromApp(const std::string& news);

  explicit RemoteWindow(std::weak_ptr<Source> source);
  const char* className() const override { return "RemoteWindow"; }
  std::shared_ptr<Source> source() const { return source_.lock(); }

  void touchesBegan(CGPoint point) override;
  void touchesMoved(CGPoint point) override;
  void touchesEnded(CGPoint point) override;
  void touchesCancelled() override;

  // The app's window in front on the screen, if one shows: where keys go while it edits.
  static std::shared_ptr<RemoteWindow> front();
  // A wheel or touchpad at a screen point over an app's window: answers whether it scrolled.
  static bool scrollAt(CGPoint screenPoint, CGPoint distance);

 private:
  void forward(Phase phase, CGPoint point);

  std::weak_ptr<Source> source_;
  CGPoint last_{};
};
