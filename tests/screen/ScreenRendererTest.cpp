#include "screen/ScreenRenderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "UIKit/UIApplication.h"
#include "UIKit/UILabel.h"
#include "UIKit/UIScreen.h"
#include "UIKit/UIScrollView.h"
#include "UIKit/UISwitch.h"
#include "UIKit/UITouches.h"
#include "UIKit/UIVisualEffectView.h"
#include "UIKit/UIWindow.h"
#include "screen/CairoHandles.h"
#include "screen/FontMetrics.h"
#include "screen/RemoteWindow.h"
#include "screen/SceneSnapshot.h"
#include "screen/ViewDump.h"

namespace {

class ScreenRendererTest : public ::testing::Test {
 protected:
  // The pixel at a point of the screen as it stands, one pixel a point.
  std::uint32_t pixelAt(int x, int y) {
    const CGSize size = UIScreen::mainScreen().bounds().size;
    const CairoSurface frame(
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, int(size.width), int(size.height)));
    renderer.draw(frame.get());
    const auto* row =
        cairo_image_surface_get_data(frame.get()) + y * cairo_image_surface_get_stride(frame.get());
    return reinterpret_cast<const std::uint32_t*>(row)[x];
  }
  static int channel(std::uint32_t pixel, int shift) { return int((pixel >> shift) & 0xff); }

  static std::shared_ptr<UIView> filled(CGRect frame, UIColor color) {
    auto view = std::make_shared<UIView>(frame);
    view->setBackgroundColor(color);
    return view;
  }

  ScreenRenderer renderer{1};
};

// Names in the scripts a device draws: each in a font that has it, emoji in colour, Arabic
// from right to left.
TEST_F(ScreenRendererTest, EveryScriptIsDrawnInAFontThatHasIt) {
  const UIFont font = UIFont::systemFontOfSize(30);
  for (const char* sample : {"\U0001F34E", "\u4E2D\u6587", "\u65E5\u672C\u8A9E",
                             "\u0627\u0644\u0639\u0631\u0628\u064A\u0629"}) {
    EXPECT_EQ(FontMetrics::missingGlyphs(sample, font), 0) << sample;
  }
  const auto window = std::make_shared<UIWindow>();
  window->addSubview(filled(window->bounds(), UIColor::blackColor()));
  const auto label = std::make_shared<UILabel>(CGRectMake(10, 10, 300, 40));
  label->setFont(font);
  label->setTextColor(UIColor::whiteColor());
  window->addSubview(label);
  window->makeKeyAndVisible();

  label->setText("\U0001F34E");  // a red apple
  bool red = false;
  for (int x = 10; x < 60 && !red; ++x) {
    for (int y = 10; y < 50 && !red; ++y) {
      const auto pixel = pixelAt(x, y);
      red = channel(pixel, 16) > 180 && channel(pixel, 8) < 90 && channel(pixel, 0) < 90;
    }
  }
  EXPECT_TRUE(red) << "the emoji's own colours";

  // Where the ink of a line lies, on average: set right to left, the word read first lies right.
  const auto inkMiddle = [&](const std::string& text) {
    label->setText(text);
    const CGSize size = UIScreen::mainScreen().bounds().size;
    const CairoSurface frame(
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, int(size.width), int(size.height)));
    renderer.draw(frame.get());
    const auto* data = cairo_image_surface_get_data(frame.get());
    const int stride = cairo_image_surface_get_stride(frame.get());
    double ink = 0, moment = 0;
    for (int y = 10; y < 50; ++y) {
      const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
      for (int x = 10; x < 310; ++x) {
        ink += channel(row[x], 8);
        moment += channel(row[x], 8) * x;
      }
    }
    return ink > 0 ? moment / ink : 0;
  };
  const std::string wide = "\u0645\u0645\u0645\u0645\u0645", thin = "\u0627";
  EXPECT_GT(inkMiddle(wide + " " + thin), inkMiddle(thin + " " + wide))
      << "the wide word, read first, lies to the right";
}

TEST_F(ScreenRendererTest, AWindowsAlphaFadesItWholeNotEachViewInIt) {
  const auto behind = pixelAt(50, 50);
  const auto window = std::make_shared<UIWindow>();
  window->setAlpha(0.5);
  window->addSubview(filled(CGRectMake(0, 0, 100, 100), UIColor::redColor()));
  window->addSubview(filled(CGRectMake(25, 25, 50, 50), UIColor::whiteColor()));
  window->makeKeyAndVisible();
  const auto seen = pixelAt(50, 50);
  for (const int shift : {16, 8, 0}) {
    EXPECT_NEAR(channel(seen, shift), (255 + channel(behind, shift)) / 2.0, 1.5)
        << "white over what lies behind the window, no red from under the white";
  }
}

// An app's window drawn by its process: the screen shows its frame, and a blur over it is made
// again once the app's frame changes, however long the blur view stays.
TEST_F(ScreenRendererTest, ABlurOverAnAppsWindowFollowsTheAppsFrame) {
  struct App : RemoteWindow::Source {
    cairo_surface_t* frame(double) override {
      const CGSize size = UIScreen::mainScreen().bounds().size;
      drawn.reset(
          cairo_image_surface_create(CAIRO_FORMAT_RGB24, int(size.width), int(size.height)));
      const CairoContext cr(cairo_create(drawn.get()));
      cairo_set_source_rgb(cr.get(), red ? 1 : 0, 0, red ? 0 : 1);
      cairo_paint(cr.get());
      return drawn.get();
    }
    std::uint64_t generation() override { return red ? 1 : 2; }
    void touch(RemoteWindow::Phase, CGPoint) override {}
    std::string touchedView() override { return "nothing"; }
    bool scroll(CGPoint, CGPoint) override { return false; }
    bool editing() override { return false; }
    Result<std::string> type(const std::string&) override { return fail("none"); }
    Result<std::string> key(const std::string&) override { return fail("none"); }
    std::string dump(bool) override { return ""; }
    std::string text() override { return ""; }
    Result<labelled_target::Target> target(const std::string&, labelled_target::Part) override {
      return fail("none");
    }
    Result<std::string> accessibility(const std::string&) override { return fail("none"); }
    bool red = true;
    CairoSurface drawn;
  };
  const auto app = std::make_shared<App>();
  const auto appWindow = std::make_shared<RemoteWindow>(app);
  appWindow->setFrame(UIScreen::mainScreen().bounds());
  appWindow->makeKeyAndVisible();
  EXPECT_EQ(channel(pixelAt(50, 50), 16), 255) << "the app's red frame";
  const auto over = std::make_shared<UIWindow>();
  over->setWindowLevel(UIWindowLevelAlert);
  over->addSubview(
      std::make_shared<UIVisualEffectView>(UIBlurEffect::effectWithStyle(UIBlurEffectStyleDark)));
  over->subviews().front()->setFrame(CGRectMake(0, 0, 100, 100));
  over->makeKeyAndVisible();
  const auto blurredRed = pixelAt(50, 50);
  EXPECT_GT(channel(blurredRed, 16), channel(blurredRed, 0)) << "red under the blur";
  app->red = false;
  const auto blurredBlue = pixelAt(50, 50);
  EXPECT_GT(channel(blurredBlue, 0), channel(blurredBlue, 16)) << "blue under it now";
}

// A switch, as a person sees it and as the dump tells it: a tap flips it (value-changed once),
// and it shows green with the knob at the right while on, white with the knob at the left while
// off.
TEST_F(ScreenRendererTest, ASwitchFlipsUnderAFingerAndShowsItsState) {
  const auto toggle = std::make_shared<UISwitch>(CGRectMake(100, 100, 10, 10));
  const auto window = std::make_shared<UIWindow>();
  window->addSubview(toggle);
  window->makeKeyAndVisible();
  struct Flips {
    int count = 0;
    void flipped() { ++count; }
  };
  const auto flips = std::make_shared<Flips>();
  toggle->addTarget(flips, &Flips::flipped, UIControlEventValueChanged);
  EXPECT_EQ(describeView(*toggle, kindOf(*toggle)), "UISwitch frame=(100,100,51,31) tag=0 on=0");
  EXPECT_EQ(channel(pixelAt(140, 115), 8), 255) << "off: the track is white";

  UITouches::shared().tap({140, 115});
  EXPECT_TRUE(toggle->isOn());
  EXPECT_EQ(flips->count, 1);
  const auto track = pixelAt(108, 115);
  EXPECT_GT(channel(track, 8), 2 * channel(track, 16)) << "on: green at the left";
  EXPECT_EQ(channel(pixelAt(135, 115), 16), 255) << "and the white knob at the right";
  toggle->setOn(false);
  EXPECT_EQ(flips->count, 1) << "a change from code sends nothing";
}

TEST_F(ScreenRendererTest, AScrollViewShowsItsContentFromItsOffsetWithinItsBounds) {
  const auto behind = pixelAt(50, 150);
  const auto window = std::make_shared<UIWindow>();
  const auto scroller = std::make_shared<UIScrollView>(CGRectMake(0, 0, 100, 100));
  scroller->addSubview(filled(CGRectMake(0, 0, 100, 300), UIColor::blackColor()));
  scroller->addSubview(filled(CGRectMake(0, 150, 100, 10), UIColor::whiteColor()));
  scroller->setContentOffset(CGPoint{0, 100});
  window->addSubview(scroller);
  window->makeKeyAndVisible();
  EXPECT_EQ(pixelAt(50, 55) & 0xffffff, 0xffffffu) << "content at 150, seen from 100";
  EXPECT_EQ(pixelAt(50, 150), behind) << "cut off below the bounds";
}

TEST_F(ScreenRendererTest, DrawingWhatChangedGivesTheWholeFramesPixels) {
  ScreenRenderer sharp(2);
  const CGSize size = UIScreen::mainScreen().bounds().size;
  const auto frame = [&] {
    return CairoSurface(
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, int(size.width * 2), int(size.height * 2)));
  };
  const auto window = std::make_shared<UIWindow>();
  window->setAlpha(0.9);
  const auto changing = filled(CGRectMake(10.25, 20.5, 100.5, 30.75), UIColor::redColor());
  window->addSubview(filled(CGRectMake(0, 0, 200, 200), UIColor::blackColor()));
  window->addSubview(changing);
  window->makeKeyAndVisible();
  const auto kept = frame();
  sharp.draw(kept.get());
  const SceneSnapshot before = SceneSnapshot::take();
  changing->setBackgroundColor(UIColor::greenColor());
  const auto colorOnly = SceneSnapshot::changes(before, SceneSnapshot::take());
  ASSERT_FALSE(colorOnly.empty()) << "what the dump does not print is compared too";
  for (const CGRect area : colorOnly) EXPECT_EQ(area, changing->frame());
  changing->setFrame(CGRectMake(40.5, 60.25, 90, 20.5));
  const auto areas = SceneSnapshot::changes(before, SceneSnapshot::take());
  ASSERT_FALSE(areas.empty());
  sharp.draw(kept.get(), areas);
  const auto whole = frame();
  sharp.draw(whole.get());
  // Colour only: the fourth byte of an opaque pixel holds nothing.
  const auto* keptPixels =
      reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(kept.get()));
  const auto* wholePixels =
      reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(whole.get()));
  int differing = 0;
  for (std::size_t i = 0; i < std::size_t(size.width * 2 * size.height * 2); ++i) {
    differing += (keptPixels[i] & 0xffffff) != (wholePixels[i] & 0xffffff);
  }
  EXPECT_EQ(differing, 0);
}

}  // namespace

namespace {

// Labels are measured with the system font's stand-in, Liberation Sans, Helvetica's widths:
// "Ringtone" at 17 points is 8198/2048 of an em (DejaVu Sans, the usual fallback, would make it
// 79 points). The scripts install the font; without it this fails.
TEST(FontMetricsTest, LabelsAreMeasuredWithHelveticasWidths) {
  EXPECT_NEAR(FontMetrics::width("Ringtone", UIFont::systemFontOfSize(17)), 17.0 * 8198 / 2048,
              0.05);
}

}  // namespace
