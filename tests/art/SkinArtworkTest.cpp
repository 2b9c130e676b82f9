#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/DevicePaths.h"
#include "support/Png.h"

namespace {

const std::filesystem::path kFolder = std::filesystem::path(ORBELLE_PACKAGE_DIR) /
                                      std::filesystem::path(device_paths::kSkins).relative_path();

Png art(const std::string& file) {
  return readPng(kFolder / file);
}

TEST(SkinArtworkTest, EveryPlainImageHasItsTwiceAndThriceDenseTwinsBeside) {
  int plain = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kFolder)) {
    const std::string stem = entry.path().stem().string();
    if (stem.ends_with("@2x") || stem.ends_with("@3x")) continue;
    ++plain;
    const Png single = art(stem + ".png");
    for (const int density : {2, 3}) {
      const Png twin = art(stem + "@" + std::to_string(density) + "x.png");
      EXPECT_EQ(twin.width, density * single.width) << stem << " @" << density;
      EXPECT_EQ(twin.height, density * single.height) << stem << " @" << density;
    }
  }
  EXPECT_EQ(plain, 13) << "the plain names among the seventeen files";
}

TEST(SkinArtworkTest, PressedTracksStillReadWithTheRemainderDarkerThanTheFill) {
  for (const auto& [fill, remainder, pressed] :
       {std::tuple{"left_track_cream2@2x.png", "right_track_cream@2x.png",
                   "right_track_cream_highlighted.png"},
        std::tuple{"left_track_metal@2x.png", "right_track_metal@2x.png",
                   "right_track_metal_highlighted.png"}}) {
    const int filled = art(fill).centreBrightness();
    EXPECT_LT(art(remainder).centreBrightness(), filled) << remainder;
    EXPECT_LT(art(pressed).centreBrightness(), filled) << pressed;
  }
}

}  // namespace
