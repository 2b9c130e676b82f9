#include "Foundation/PlistValue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(PlistValueTruth, StringsFollowFoundationsTextRules) {
  for (const char* yes : {"YES", "yes", "Y", "true", "T", "t", "1", "9", "  1", "\t+1", "-1",
                          "0001", "007", "yellow", "12abc"}) {
    EXPECT_EQ(PlistValue(yes).boolValue(), true) << '"' << yes << '"';
  }
  for (const char* no :
       {"", "NO", "no", "false", "0", "000", "  0", "+0", "abc", "0.5", ".5", "N", "f", " "}) {
    EXPECT_EQ(PlistValue(no).boolValue(), false) << '"' << no << '"';
  }
}

TEST(PlistValueInteger, StringsGiveTheirLeadingDecimalNumber) {
  EXPECT_EQ(PlistValue("42").integerValue(), 42);
  EXPECT_EQ(PlistValue("  -7 apples").integerValue(), -7);
  EXPECT_EQ(PlistValue("+5").integerValue(), 5);
  EXPECT_EQ(PlistValue("3.9").integerValue(), 3);
  EXPECT_EQ(PlistValue("abc").integerValue(), 0);
  EXPECT_EQ(PlistValue("").integerValue(), 0);
  EXPECT_EQ(PlistValue("- 4").integerValue(), 0);
}

TEST(PlistValueInteger, SaturatesInsteadOfOverflowing) {
  constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
  constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
  EXPECT_EQ(PlistValue("99999999999999999999999").integerValue(), kMax);
  EXPECT_EQ(PlistValue("-99999999999999999999999").integerValue(), kMin);
  EXPECT_EQ(PlistValue("9223372036854775807").integerValue(), kMax);
  EXPECT_EQ(PlistValue("-9223372036854775808").integerValue(), kMin);
  EXPECT_EQ(PlistValue(1e300).integerValue(), kMax);
  EXPECT_EQ(PlistValue(-1e300).integerValue(), kMin);
  EXPECT_EQ(PlistValue(std::nan("")).integerValue(), 0);
}

TEST(PlistValueFloat, StringsAndNumbers) {
  EXPECT_FLOAT_EQ(*PlistValue("0.37").floatValue(), 0.37f);
  EXPECT_FLOAT_EQ(*PlistValue("  -1.5e1xyz").floatValue(), -15.0f);
  EXPECT_FLOAT_EQ(*PlistValue(".5").floatValue(), 0.5f);
  EXPECT_EQ(*PlistValue("nope").floatValue(), 0.0f);
  EXPECT_EQ(*PlistValue("1e").floatValue(), 1.0f);
  EXPECT_EQ(*PlistValue("1e999").floatValue(), HUGE_VALF);
  EXPECT_EQ(*PlistValue("-1e999").floatValue(), -HUGE_VALF);
  EXPECT_EQ(*PlistValue("1e-999").floatValue(), 0.0f);
  EXPECT_EQ(*PlistValue(1e300).floatValue(), HUGE_VALF);
  EXPECT_EQ(*PlistValue(3).floatValue(), 3.0f);
}

}  // namespace
