#include "mixer/ColorTable.h"

#include <array>

UIColor colorForIndex(std::int64_t index) {
  static constexpr std::array kTable = {
      UIColor::redColor(),    UIColor::blackColor(), UIColor::grayColor(),   UIColor::whiteColor(),
      UIColor::greenColor(),  UIColor::blueColor(),  UIColor::yellowColor(), UIColor::orangeColor(),
      UIColor::purpleColor(), UIColor::brownColor(),
  };
  if (index < 0 || index >= static_cast<std::int64_t>(kTable.size())) return UIColor::whiteColor();
  return kTable[static_cast<std::size_t>(index)];
}
