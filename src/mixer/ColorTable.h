#pragma once

#include <cstdint>
#include <string_view>

#include "UIKit/UIColor.h"

// The colour a stored colour index stands for: 0 to 9 by the table, any other index white.
UIColor colorForIndex(std::int64_t index);
// The table's name for an index ("red", "black", ...); empty outside the table.
std::string_view colorNameForIndex(std::int64_t index);

// The indexes the absent colour keys stand for.
namespace colour_index {
inline constexpr std::int64_t kRed = 0;
inline constexpr std::int64_t kWhite = 3;
inline constexpr std::int64_t kCount = 10;
}  // namespace colour_index
