#pragma once

#include <cstdint>
#include <string_view>

// NSString's reading of numbers out of text: leading spaces and tabs are skipped, the longest
// decimal prefix counts, anything after it is ignored.
namespace numeric_text {

bool boolValue(std::string_view text);
std::int64_t integerValue(std::string_view text);  // 0 without digits; saturates on overflow
float floatValue(std::string_view text);           // 0 without digits; +-HUGE_VALF on overflow

// A double as a float; beyond float's range it becomes an infinity, as the hardware gives.
float narrowToFloat(double number);

}  // namespace numeric_text
