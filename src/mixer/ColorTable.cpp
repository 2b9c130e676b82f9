#include "mixer/ColorTable.h"

#include <array>

namespace {

struct NamedColor {
  std::string_view name;
  UIColor color;
};

constexpr std::array<NamedColor, colour_index::kCount> kTable{{
    {"red", UIColor::redColor()},
    {"black", UIColor::blackColor()},
    {"gray", UIColor::grayColor()},
    {"white", UIColor::whiteColor()},
    {"green", UIColor::greenColor()},
    {"blue", UIColor::blueColor()},
    {"yellow", UIColor::yellowColor()},
    {"orange", UIColor::orangeColor()},
    {"purple", UIColor::purpleColor()},
    {"brown", UIColor::brownColor()},
}};
static_assert(kTable[colour_index::kRed].color == UIColor::redColor());
static_assert(kTable[colour_index::kWhite].color == UIColor::whiteColor());

bool inTable(std::int64_t index) {
  return index >= 0 && index < colour_index::kCount;
}

}  // namespace

UIColor colorForIndex(std::int64_t index) {
  return inTable(index) ? kTable[static_cast<std::size_t>(index)].color : UIColor::whiteColor();
}

std::string_view colorNameForIndex(std::int64_t index) {
  return inTable(index) ? kTable[static_cast<std::size_t>(index)].name : std::string_view();
}
