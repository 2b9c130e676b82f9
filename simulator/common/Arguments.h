#pragma once

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "CoreGraphics/CGGeometry.h"
#include "common/Result.h"

// Reading what a person types: the words of a command line and the numbers among them.
namespace arguments {

using Words = std::vector<std::string>;

// Words separated by blanks; "double quotes" keep blanks, with \" and \\ inside; an unquoted
// "#" starts a comment. An unclosed quote fails.
Result<Words> split(const std::string& line);

// The whole text as a number of that type: no sign or blank around it that the type does not
// take, and for real numbers a finite value.
template <class Number>
Result<Number> number(std::string_view text) {
  Number value{};
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  bool finite = true;
  if constexpr (std::is_floating_point_v<Number>) finite = std::isfinite(value);
  if (text.empty() || error != std::errc() || stop != end || !finite) {
    return fail("\"" + std::string(text) + "\" is not " +
                (std::is_floating_point_v<Number> ? "a number" : "a whole number"));
  }
  return value;
}

// "on" or "off".
Result<bool> onOff(std::string_view word);

// "WxH" in points, from `smallest` to 10000 each.
Result<CGSize> screenSize(std::string_view text, CGSize smallest);

}  // namespace arguments
