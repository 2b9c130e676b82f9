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
