#include "mixer/ColorTable.h"

#include <array>

namespace {

constexpr std::array<UIColor, color_index::kCount> kTable{
    UIColor::redColor(),    UIColor::blackColor(), UIColor::grayColor(),   UIColor::whiteColor(),
    UIColor::greenColor(),  UIColor::blueColor(),  UIColor::yellowColor(), UIColor::orangeColor(),
    UIColor::purpleColor(), UIColor::brownColor(),
};
static_assert(kTable[color_index::kRed] == UIColor::redColor());
static_assert(kTable[color_index::kWhite] == UIColor::whiteColor());

bool inTable(std::int64_t index) {
  return index >= 0 && index < color_index::kCount;
}

}  // namespace

UIColor colorForIndex(std::int64_t index) {
  return inTable(index) ? kTable[static_cast<std::size_t>(index)] : UIColor::whiteColor();
}
