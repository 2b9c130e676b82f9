#include "window/DeviceWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "Celestial/AVSystemController.h"
#include "SpringBoard/VolumeButtons.h"
#include "SpringBoard/VolumeControl.h"
#include "UIKit/UISlider.h"
#include "device/CommandEngine.h"
#include "device/TweakState.h"
#include "support/FreshSpringBoard.h"
#include "support/Png.h"
#include "support/TempDeviceRoot.h"

namespace {

using std::chrono::milliseconds;

// The window on SDL's offscreen driver, with events put into SDL's queue as a person's would; its
// keys' commands run on an engine of its own. What it says and what they answer is kept.
class Hand {
 public:
  Hand() {
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    auto opened = DeviceWindow::open(
        1.0, "test", [this](const std::string& line) { said.push_back(line); },
        [this](const std::string& command) {
          const auto answer = engine.execute(command);
          said.push_back(answer ? *answer : "error: " + answer.error());
        });
    if (!opened) ADD_FAILURE() << opened.error();
    window = std::move(*opened);
    window->setCursor([this] { return engine.voiceOverCursor(); });
  }
  void key(SDL_Keycode code, bool down) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.keysym.sym = code;
    push(event);
  }
  void mouse(Uint32 type, CGPoint screenPoint, Uint32 buttons = SDL_BUTTON_LMASK) {
    const auto [x, y] = at(screenPoint);
    SDL_Event event{};
    if (type == SDL_MOUSEMOTION) {
      event.motion = SDL_MouseMotionEvent{type, 0, 0, 0, buttons, x, y, 0, 0};
    } else {
      event.button = SDL_MouseButtonEvent{type, 0, 0, 0, SDL_BUTTON_LEFT, 0, 1, 0, x, y};
    }
    push(event);
  }
  // Time passes with the window running.
  void wait(milliseconds time) {
    const auto until = std::chrono::steady_clock::now() + time;
    do {
      window->step(milliseconds(5));
    } while (std::chrono::steady_clock::now() < until);
  }
  // The window's pixel at a point of the screen.
  std::uint32_t pixel(CGPoint screenPoint) const {
    const SDL_Surface* surface = window->surface();
    const auto [x, y] = at(screenPoint);
    const auto* row = static_cast<const unsigned char*>(surface->pixels) + y * surface->pitch;
    return reinterpret_cast<const std::uint32_t*>(row)[x];
  }
  int brightness(CGPoint screenPoint) const { return Png::brightness(pixel(screenPoint)); }

  CommandEngine engine;
  std::unique_ptr<DeviceWindow> window;
  std::vector<std::string> said;

 private:
  // The window pixel that shows a screen point (the offscreen display may not have room for
  // scale 1).
  std::pair<int, int> at(CGPoint screenPoint) const {
    const CGPoint origin = window->outline().screenOrigin();
    const double scale = window->outline().scale();
    return {int(origin.x + screenPoint.x * scale), int(origin.y + screenPoint.y * scale)};
  }
  void push(SDL_Event event) {
    SDL_PushEvent(&event);
    window->step(milliseconds(0));
  }
};

class DeviceWindowTest : public ::testing::Test {
 protected:
  DeviceSetup device() const { return {root.path().string()}; }
  TempDeviceRoot root;
};

constexpr CGPoint kInsideThePanel{40, 200};  // away from its labels and sliders

TEST_F(DeviceWindowTest, AHeldUpOpensThePanelAndADragMovesTheFill) {
  inFreshProcess(device(), [] {
    Hand hand;
    ASSERT_TRUE(hand.window);
    hand.wait(milliseconds(20));
    const int wallpaper = hand.brightness(kInsideThePanel);
    hand.key(SDLK_UP, true);
    hand.wait(VolumeButtons::kShortHold / 2);
    EXPECT_FALSE(TweakState::lookUp().popupShown()) << "not held long enough yet";
    hand.wait(VolumeButtons::kShortHold);
    hand.key(SDLK_UP, false);
    ASSERT_TRUE(TweakState::lookUp().popupShown());
    EXPECT_LT(hand.brightness(kInsideThePanel), wallpaper / 2) << "the dark panel shows";

    const auto slider = TweakState::lookUp().slider(0);
    const auto at = [&](float percent) {
      return slider->convertPointToView(slider->pointForValue(percent), nullptr);
    };
    const CGPoint onTrack = at(35);
    const auto red = [](std::uint32_t pixel) {
      return int((pixel >> 16) & 0xff) - int((pixel >> 8) & 0xff);
    };
    EXPECT_GT(red(hand.pixel(onTrack)), 100) << "filled up to 50: the red minimum track";
    hand.mouse(SDL_MOUSEBUTTONDOWN, at(50));
    for (const float percent : {40.0f, 30.0f, 20.0f}) hand.mouse(SDL_MOUSEMOTION, at(percent));
    hand.mouse(SDL_MOUSEBUTTONUP, at(20));
    EXPECT_NEAR(slider->value(), 20, 1);
    EXPECT_LT(red(hand.pixel(onTrack)), 20) << "now past the fill: the white maximum track";

    hand.mouse(SDL_MOUSEBUTTONDOWN, CGPoint{-20, -20});  // on the body, off the screen
    hand.mouse(SDL_MOUSEBUTTONUP, CGPoint{-20, -20});
    EXPECT_TRUE(TweakState::lookUp().popupShown()) << "only the screen takes touches";
  });
}

TEST_F(DeviceWindowTest, APressShowsTheHUDUntilItsTimeIsUp) {
  inFreshProcess(device(), [] {
    VolumeControl::sharedVolumeControl().setHUDDuration(milliseconds(150));
    Hand hand;
    ASSERT_TRUE(hand.window);
    hand.wait(milliseconds(20));
    const CGPoint middle{187, 320};  // inside the HUD, on its dark face
    const int wallpaper = hand.brightness(middle);
    hand.key(SDLK_DOWN, true);
    hand.key(SDLK_DOWN, false);
    EXPECT_TRUE(VolumeControl::sharedVolumeControl().isHUDVisible());
    EXPECT_LT(hand.brightness(middle), wallpaper / 2);
    hand.wait(milliseconds(300));
    EXPECT_EQ(hand.brightness(middle), wallpaper) << "faded, drawn again without it";
  });
}

// A fingertip shows where the finger is while the button is down; motion with the button up
// means its release went astray, and lifts it. The HUD fades before it goes.
TEST_F(DeviceWindowTest, APersonSeesTheFingerTheKeysAndTheHUDFading) {
  inFreshProcess(device(), [] {
    Hand hand;
    ASSERT_TRUE(hand.window);
    hand.wait(milliseconds(20));
    const CGPoint point{100, 400};
    const auto bare = hand.pixel(point);
    hand.mouse(SDL_MOUSEBUTTONDOWN, point);
    hand.wait(milliseconds(20));
    EXPECT_NE(hand.pixel(point), bare) << "the fingertip";
    hand.mouse(SDL_MOUSEMOTION, {120, 400}, 0);
    hand.wait(milliseconds(20));
    EXPECT_EQ(hand.pixel(point), bare) << "lifted by motion with no button down";

    hand.key(SDLK_F1, true);
    EXPECT_TRUE(hand.window->showsKeys());
    hand.key(SDLK_SLASH, true);
    EXPECT_FALSE(hand.window->showsKeys());
    EXPECT_EQ(hand.said.back(), "keys hidden");

    VolumeControl::sharedVolumeControl().setHUDDuration(milliseconds(600));
    hand.key(SDLK_DOWN, true);
    hand.key(SDLK_DOWN, false);
    EXPECT_EQ(hand.said.back(), "press down");
    double faintest = 1;
    for (int step = 0; step < 300 && VolumeControl::sharedVolumeControl().isHUDVisible(); ++step) {
      faintest = std::min(faintest, VolumeControl::sharedVolumeControl().hudWindow()->alpha());
      hand.wait(milliseconds(10));
    }
    EXPECT_FALSE(VolumeControl::sharedVolumeControl().isHUDVisible()) << "gone within 3 s";
    EXPECT_LT(faintest, 0.5) << "faded out before it went";

    // Each key answers as its command does, since it runs it.
    const std::pair<SDL_Keycode, std::string> answers[] = {
        {SDLK_t, "reduce transparency on"},
        {SDLK_t, "reduce transparency off"},
        {SDLK_p, "buttons change Audio/Video"},
        {SDLK_r, "landscape 667x375"},
        {SDLK_r, "portrait 375x667"},
        {SDLK_j,
         "headphones in\nAlarm Headphone\nAudio/Video Headphone\nPhoneCall Headphone\n"
         "Ringtone Headphone\nVideoConference Headphone"},
        {SDLK_h, "home screen"},
    };
    for (const auto& [code, answer] : answers) {
      const auto before = hand.said.size();
      hand.key(code, true);
      hand.key(code, false);
      ASSERT_GT(hand.said.size(), before);
      EXPECT_EQ(hand.said[before], answer) << "then, after a turn, the window's new size";
    }
    EXPECT_TRUE(hand.engine.execute("headphones")->starts_with("headphones out\n"));
    EXPECT_GT(faintest, 0) << "and never drawn at nothing";
  });
}

TEST_F(DeviceWindowTest, SSavesUnderANewNameAndReplacesNothing) {
  const auto run = root.path() / "run";
  root.writeBytes("/run/orbelle2-screenshots/orbelle2-screenshot-1.png", "an earlier run's");
  inFreshProcess(device(), [&] {
    setenv("XDG_RUNTIME_DIR", run.c_str(), 1);
    Hand hand;
    ASSERT_TRUE(hand.window);
    hand.key(SDLK_s, true);
    hand.key(SDLK_s, false);
  });
  EXPECT_EQ(root.readBytes("/run/orbelle2-screenshots/orbelle2-screenshot-1.png"),
            "an earlier run's");
  EXPECT_EQ(readPng(run / "orbelle2-screenshots/orbelle2-screenshot-2.png").width, 750);
}

// While VoiceOver runs the keys are its gestures and a click finds what is under the finger;
// the window draws its cursor, a black rectangle edged in white, around the element it is on,
// and it follows the cursor.
TEST_F(DeviceWindowTest, VoiceOversKeysMoveItsCursorAndTheWindowDrawsIt) {
  inFreshProcess(device(), [] {
    Hand hand;
    ASSERT_TRUE(hand.window);
    ASSERT_TRUE(hand.engine.execute("voiceover speech silent"));
    const auto press = [&](SDL_Keycode code) {
      const auto before = hand.said.size();
      hand.key(code, true);
      hand.key(code, false);
      hand.wait(milliseconds(20));
      return hand.said.size() > before ? hand.said.back() : std::string("(nothing)");
    };
    EXPECT_EQ(press(SDLK_RIGHT), "(nothing)") << "no gesture while VoiceOver is off";
    EXPECT_EQ(press(SDLK_v), "voiceover on\nMessages, button");
    ASSERT_TRUE(hand.engine.execute("hold up"));
    hand.engine.heardByVoiceOver();
    hand.window->look();
    hand.wait(milliseconds(20));
    const auto first = hand.engine.voiceOverCursor();
    ASSERT_TRUE(first) << "on the first row";
    const auto edge = [](const CGRect& around) {
      return CGPoint{around.origin.x + around.size.width / 2, around.origin.y - 3.5};
    };
    const auto black = [&](CGPoint point) { return (hand.pixel(point) & 0xffffff) == 0; };
    EXPECT_TRUE(black(edge(*first))) << "the cursor's top edge";

    EXPECT_EQ(press(SDLK_RIGHT), "Audio/Video (Speaker), 50%, adjustable");
    const auto second = hand.engine.voiceOverCursor();
    ASSERT_TRUE(second);
    EXPECT_GT(second->origin.y, first->origin.y);
    EXPECT_TRUE(black(edge(*second))) << "drawn where it went";
    EXPECT_FALSE(black(edge(*first))) << "and gone from where it was";
    EXPECT_EQ(press(SDLK_PAGEUP), "60%");
    EXPECT_EQ(press(SDLK_LEFT), "Ringtone, 50%, adjustable");

    hand.mouse(SDL_MOUSEBUTTONDOWN, CGPoint{187, 430});
    hand.mouse(SDL_MOUSEBUTTONUP, CGPoint{187, 430});
    EXPECT_EQ(hand.said.back(), "Phone Call (Receiver), 75%, adjustable") << "found, not moved";
    float phoneCall = 0;
    ASSERT_TRUE(AVSystemController::sharedAVSystemController()->getVolume(phoneCall, "PhoneCall"));
    EXPECT_FLOAT_EQ(phoneCall, 0.75f);
    // The close button fills the screen: its cursor is kept inside it, all of it showing.
    ASSERT_TRUE(hand.engine.execute("vo touch 187 20"));
    hand.window->look();
    hand.wait(milliseconds(20));
    EXPECT_TRUE(black(CGPoint{187, 1.5})) << "along the screen's top edge";
    press(SDLK_BACKSPACE);
    EXPECT_FALSE(TweakState::lookUp().popupShown()) << "the escape gesture closed it";
    EXPECT_EQ(press(SDLK_v), "voiceover off");
    EXPECT_FALSE(hand.engine.voiceOverCursor());
  });
}

}  // namespace
