#include "NumericText.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace numeric_text {
namespace {

std::string_view skipSpaces(std::string_view text) {
  const auto start = text.find_first_not_of(" \t");
  return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

std::size_t countDigits(std::string_view text, std::size_t from) {
  std::size_t end = from;
  while (end < text.size() && isDigit(text[end])) ++end;
  return end - from;
}

// Length of the decimal number at the start of `text`: sign, digits, fraction, exponent.
std::size_t decimalPrefixLength(std::string_view text) {
  std::size_t pos = 0;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
  const std::size_t whole = countDigits(text, pos);
  pos += whole;
  std::size_t fraction = 0;
  if (pos < text.size() && text[pos] == '.') {
    fraction = countDigits(text, pos + 1);
    if (whole + fraction > 0) pos += 1 + fraction;
  }
  if (whole + fraction == 0) return 0;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    std::size_t exp = pos + 1;
    if (exp < text.size() && (text[exp] == '+' || text[exp] == '-')) ++exp;
    const std::size_t expDigits = countDigits(text, exp);
    if (expDigits > 0) pos = exp + expDigits;
  }
  return pos;
}

}  // namespace

bool boolValue(std::string_view text) {
  text = skipSpaces(text);
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
  while (!text.empty() && text.front() == '0') text.remove_prefix(1);
  if (text.empty()) return false;
  const char first = text.front();
  return first == 'Y' || first == 'y' || first == 'T' || first == 't' ||
         (first >= '1' && first <= '9');
}

std::int64_t integerValue(std::string_view text) {
  text = skipSpaces(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
  // Accumulate towards the negative side, which has room for the minimum.
  std::int64_t value = 0;
  for (const char c : text) {
    if (!isDigit(c)) break;
    const int digit = c - '0';
    if (value < (std::numeric_limits<std::int64_t>::min() + digit) / 10) {
      return negative ? std::numeric_limits<std::int64_t>::min() : kMax;
    }
    value = value * 10 - digit;
  }
  if (negative) return value;
  return value == std::numeric_limits<std::int64_t>::min() ? kMax : -value;
}

float floatValue(std::string_view text) {
  text = skipSpaces(text);
  const std::size_t length = decimalPrefixLength(text);
  if (length == 0) return 0.0f;
  std::string_view number = text.substr(0, length);
  bool negative = false;
  if (number.front() == '+' || number.front() == '-') {
    negative = number.front() == '-';
    number.remove_prefix(1);
  }
  double value = 0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // from_chars leaves the value alone: tell overflow from underflow by the exponent's sign.
    const auto e = number.find_first_of("eE");
    const bool tiny = e != std::string_view::npos && e + 1 < number.size() && number[e + 1] == '-';
    value = tiny ? 0.0 : HUGE_VAL;
  }
  const float single = narrowToFloat(value);
  return negative ? -single : single;
}

float narrowToFloat(double number) {
  constexpr double kMax = std::numeric_limits<float>::max();
  if (number > kMax) return std::numeric_limits<float>::infinity();
  if (number < -kMax) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(number);
}

}  // namespace numeric_text
