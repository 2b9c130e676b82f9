#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The colours a stored colour index stands for, by name in the table's order: 0 to 9; any other
// index is white.
namespace color_index {
inline constexpr std::int64_t kRed = 0;
inline constexpr std::int64_t kWhite = 3;
inline constexpr std::int64_t kCount = 10;

inline constexpr std::array<std::string_view, kCount> kNames{
    "red", "black", "gray", "white", "green", "blue", "yellow", "orange", "purple", "brown"};
}  // namespace color_index
