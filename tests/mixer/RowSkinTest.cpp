#include <gtest/gtest.h>

#include <filesystem>

#include "SimDevice/DeviceRoot.h"
#include "support/PanelFixture.h"

namespace {

namespace fx = plist_fixture;

std::string fileOf(const UISlider::Image& image) {
  return image ? image->fileName() : "none";
}

// The slider's images in the order a skin sets them: thumb (normal, highlighted), minimum and
// maximum value, minimum track (normal, highlighted), maximum track (normal, highlighted).
std::vector<std::string> images(const UISlider& s) {
  return {fileOf(s.thumbImageForState(UIControlStateNormal)),
          fileOf(s.thumbImageForState(UIControlStateHighlighted)),
          fileOf(s.minimumValueImage()),
          fileOf(s.maximumValueImage()),
          fileOf(s.minimumTrackImageForState(UIControlStateNormal)),
          fileOf(s.minimumTrackImageForState(UIControlStateHighlighted)),
          fileOf(s.maximumTrackImageForState(UIControlStateNormal)),
          fileOf(s.maximumTrackImageForState(UIControlStateHighlighted))};
}

class RowSkinTest : public PanelFixture {
 protected:
  void buildWithSkin(const char* skin,
                     std::initializer_list<std::pair<const char*, plist_t>> extra = {}) {
    auto prefs = fx::dict(extra);
    plist_dict_set_item(prefs.get(), "selectedSkin", plist_new_string(skin));
    writePrefs(prefs);
    build();
  }
};

TEST_F(RowSkinTest, FreshRowShowsZeroAndJustTheName) {
  build();
  const auto row = panel->singleCategoryView(7, CGRectMake(0, 0, 300, 50), "Fresh");
  EXPECT_EQ(std::dynamic_pointer_cast<UILabel>(row->viewWithTag(1007))->text(), "Fresh");
  EXPECT_EQ(std::dynamic_pointer_cast<UISlider>(row->viewWithTag(2007))->value(), 0.0f);
  EXPECT_EQ(row->superview(), nullptr) << "the caller adds the row";
}

TEST_F(RowSkinTest, DefaultIosUsesTheColorsAndNoTrackImages) {
  buildWithSkin("Default iOS", {{"textColor", plist_new_uint(1)},
                                {"minimumTrackTintColor", plist_new_uint(5)},
                                {"thumbTintColor", plist_new_uint(6)}});
  const auto s = slider(0);
  EXPECT_EQ(label(0)->textColor(), UIColor::blackColor());
  EXPECT_EQ(images(*s),
            (std::vector<std::string>{"thumb_default.png", "none", "speaker_quiet.png",
                                      "speaker_loud.png", "none", "none", "none", "none"}));
  EXPECT_EQ(s->thumbTintColor(), UIColor::yellowColor());
  EXPECT_EQ(s->minimumTrackTintColor(), UIColor::blueColor());
  EXPECT_EQ(s->maximumTrackTintColor(), UIColor::whiteColor());
}

TEST_F(RowSkinTest, CreamSkinsPickRoundOrRectangularThumbs) {
  struct Case {
    const char* skin;
    const char* normal;
    const char* active;
  };
  for (const Case c : {Case{"Cream Round", "thumb_cream.png", "thumb_cream_active.png"},
                       Case{"Cream", "thumb_cream_rect.png", "thumb_cream_rect_active.png"},
                       Case{"CreamRound", "thumb_cream_rect.png", "thumb_cream_rect_active.png"}}) {
    buildWithSkin(c.skin, {{"thumbTintColor", plist_new_uint(5)}});
    const auto s = slider(1);
    EXPECT_EQ(images(*s), (std::vector<std::string>{
                              c.normal, c.active, "speaker_quiet_cream.png",
                              "speaker_loud_cream.png", "left_track_cream2@2x.png", "none",
                              "right_track_cream@2x.png", "right_track_cream_highlighted.png"}))
        << c.skin;
    EXPECT_EQ(s->maximumTrackImageForState(UIControlStateNormal)->capInsets(),
              UIEdgeInsetsMake(0, 9, 0, 9));
    EXPECT_FALSE(s->thumbTintColor()) << "image skins set no tints";
    EXPECT_EQ(label(1)->textColor(), UIColor(214 / 255.0, 192 / 255.0, 159 / 255.0, 1));
  }
}

TEST_F(RowSkinTest, MetalIsAPrefixAndIgnoresTheColorSettings) {
  for (const char* skin : {"Metal", "Metal Brushed"}) {
    buildWithSkin(skin, {{"thumbTintColor", plist_new_uint(0)}, {"textColor", plist_new_uint(4)}});
    const auto s = slider(0);
    EXPECT_EQ(images(*s), (std::vector<std::string>{
                              "thumb_metal.png", "thumb_metal_active.png", "speaker_quiet.png",
                              "speaker_loud.png", "left_track_metal@2x.png", "none",
                              "right_track_metal@2x.png", "right_track_metal_highlighted.png"}))
        << skin;
    EXPECT_EQ(s->minimumTrackImageForState(UIControlStateNormal)->capInsets(),
              UIEdgeInsetsMake(0, 9, 0, 9));
    EXPECT_FALSE(s->thumbTintColor());
    EXPECT_EQ(label(0)->textColor(), UIColor(184 / 255.0, 184 / 255.0, 184 / 255.0, 1));
  }
}

TEST_F(RowSkinTest, UnknownSkinsGetThePlainRow) {
  for (const char* skin : {"Default iOS 7", "default iOS", "Glass", ""}) {
    buildWithSkin(skin, {{"textColor", plist_new_uint(4)}});
    const auto s = slider(0);
    EXPECT_EQ(label(0)->textColor(), UIColor::blackColor()) << "the toolkit's default";
    EXPECT_FALSE(s->thumbImageForState(UIControlStateNormal)) << skin;
    EXPECT_FALSE(s->minimumValueImage());
    EXPECT_FALSE(s->thumbTintColor());
    EXPECT_FALSE(s->minimumTrackTintColor());
  }
}

TEST_F(RowSkinTest, MissingOrBrokenImagesLeaveTheStandardLook) {
  const auto folder = DeviceRoot::resolve(device_paths::kSkins);
  std::filesystem::remove(folder / "thumb_metal.png");
  std::filesystem::remove(folder / "thumb_metal@2x.png");
  root.writeBytes(std::string(device_paths::kSkins) + "right_track_metal@2x.png", "not a png");
  buildWithSkin("Metal");
  EXPECT_FALSE(slider(0)->thumbImageForState(UIControlStateNormal));
  EXPECT_FALSE(slider(0)->maximumTrackImageForState(UIControlStateNormal));
  EXPECT_TRUE(slider(0)->thumbImageForState(UIControlStateHighlighted));

  std::filesystem::remove_all(folder);
  buildWithSkin("Cream");
  EXPECT_EQ(panel->subviews().size(), 5u);
  EXPECT_FALSE(slider(0)->minimumValueImage());
  EXPECT_EQ(text(0), "Ringtone: 50%");
}

}  // namespace
