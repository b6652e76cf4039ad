#include <gtest/gtest.h>

#include <climits>

#include "base/StrUtils.h"

namespace {

struct IntCase {
  const char* text;
  bool ok;
  int32_t value;
};

TEST(StrUtils, TryStrToIntAcceptsDecimalAndBothHexForms) {
  const IntCase cases[] = {
      {"0", true, 0},
      {"16777215", true, 16777215},
      {"-18031", true, -18031},
      {"+7", true, 7},
      {"$FF00FF", true, 0xFF00FF},
      {"0x1fffffff", true, 0x1FFFFFFF},
      {"0XFF", true, 255},
      {"$FFFFFFFF", true, -1},
      {"-$10", true, -16},
      {"2147483647", true, INT_MAX},
      {"-2147483648", true, INT_MIN},
      {"2147483648", false, 0},
      {"$100000000", false, 0},
      {"", false, 0},
      {"-", false, 0},
      {"$", false, 0},
      {"0x", false, 0},
      {"12a", false, 0},
      {" 12", false, 0},
      {"1.5", false, 0},
      {"99999999999999999999999", false, 0},
  };
  for (const IntCase& c : cases) {
    int32_t v = 12345;
    EXPECT_EQ(TryStrToInt(c.text, v), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(v, c.value) << c.text;
    }
  }
}

TEST(StrUtils, TryStrToInt64TakesTheSameFormsWithSixtyFourBits) {
  const struct {
    const char* text;
    bool ok;
    int64_t value;
  } cases[] = {
      {"-723724", true, -723724},
      {"4294243572", true, 4294243572},
      {"$FFFFFFFFFFFFFFFF", true, -1},
      {"0x1FFF4F4F4", true, 0x1FFF4F4F4},
      {"9223372036854775807", true, INT64_MAX},
      {"-9223372036854775808", true, INT64_MIN},
      {"9223372036854775808", false, 0},
      {"$10000000000000000", false, 0},
      {"12abc", false, 0},
      {"", false, 0},
  };
  for (const auto& c : cases) {
    int64_t v = 12345;
    EXPECT_EQ(TryStrToInt64(c.text, v), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(v, c.value) << c.text;
    }
  }
}

TEST(StrUtils, TryStrToFloatUsesDotWhateverTheLocale) {
  double v = 0;
  EXPECT_TRUE(TryStrToFloat("15.0", v));
  EXPECT_DOUBLE_EQ(v, 15.0);
  EXPECT_TRUE(TryStrToFloat("-0.25", v));
  EXPECT_DOUBLE_EQ(v, -0.25);
  EXPECT_FALSE(TryStrToFloat("15,0", v));
  EXPECT_FALSE(TryStrToFloat("", v));
  EXPECT_FALSE(TryStrToFloat("1.5x", v));
}

TEST(StrUtils, MulDivRoundedRoundsHalfAwayFromZeroAndReportsOverflow) {
  struct {
    int32_t a, b, c, result;
  } const cases[] = {
      {5, 120, 96, 6},     {3, 144, 96, 5},      {1, 120, 96, 1}, {2, 120, 96, 3},
      {-3, 144, 96, -5},   {7, -1, 2, -4},       {10, 0, 96, 0},  {1, 1, 0, -1},
      {INT_MAX, 2, 1, -1}, {INT_MAX, 2, 2, INT_MAX},
  };
  for (const auto& c : cases) EXPECT_EQ(MulDivRounded(c.a, c.b, c.c), c.result) << c.a << "*" << c.b << "/" << c.c;
}

TEST(StrUtils, TrimRemovesBlanksAndControlCharacters) {
  EXPECT_EQ(Trim(" \t\x01 [EDIT]\r\x1f "), "[EDIT]");
  EXPECT_EQ(TrimLeft("  a b "), "a b ");
  EXPECT_EQ(TrimRight("  a b \t"), "  a b");
  EXPECT_EQ(Trim(" \t "), "");
}

TEST(StrUtils, CaseInsensitiveComparisonIsAscii) {
  EXPECT_TRUE(SameText("Options.dat", "OPTIONS.DAT"));
  EXPECT_FALSE(SameText("Options.dat", "OPTIONS.DA"));
  EXPECT_TRUE(EndsText(".asz", "Orvale.ASZ"));
  EXPECT_TRUE(StartsText(".\\", ".\\Skins"));
  EXPECT_EQ(UpperCase("master copy.png"), "MASTER COPY.PNG");
}

}  // namespace
