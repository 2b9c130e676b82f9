#pragma once

#include <charconv>
#include <string>

// A number in the shortest text that reads back to the same value: 300, 188.5, 0.9.
template <class Number>
std::string shortest(Number value) {
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

// A float as far as its digits mean something (six significant ones): a slider at 30 reads 30,
// not the 30.000002 that the nearest float holds.
inline std::string significant(float value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
  return std::string(text, result.ptr);
}
