#include <gtest/gtest.h>

#include "base/Exception.h"
#include "graphics/Gradient.h"

namespace {
TsGradArray Parse(std::string_view text) {
  TsGradArray points;
  ParseGradient(text, points);
  return points;
}
}  // namespace

TEST(ParseGradient, ShortOrUnknownTextsGiveNoPoints) {
  for (std::string_view text : {"", "N/A", "1;2;", "1;2;3;4;5;6;7;8;9;x", "1;2;3;4;5;6;7;8;9;c", "0;0;0;0"})
    EXPECT_TRUE(Parse(text).empty()) << text;
}

TEST(ParseGradient, ClassicLayoutReadsGroupsOfFive) {
  const TsGradArray points = Parse("16777215;16579836;97;0;0;16579836;16579836;0;0;0");
  ASSERT_EQ(points.size(), 2u);
  EXPECT_EQ(points[0], (TsGradPoint{0, 0, 0xFFFFFFFF, 0}));
  EXPECT_EQ(points[1], (TsGradPoint{1, 0, 0xFFFCFCFC, 100}));
}

TEST(ParseGradient, ClassicPercentsAccumulateLimitedAndAlphaFlagsAreCleared) {
  // Segment percents 150 (limited to 100), -5 (limited to 0) and 30; modes with flag 16.
  const TsGradArray points = Parse(";;1;x;150;17;x;;2;x;-5;16;x;3;x;30;0;x;4;x;0;0;0");
  ASSERT_EQ(points.size(), 4u);
  const uint8_t percents[] = {0, 100, 100, 100};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(points[i].Index, i);
    EXPECT_EQ(points[i].Percent, percents[i]);
    EXPECT_EQ(points[i].Mode & gmPointAlpha, 0);
    EXPECT_EQ(points[i].Color >> 24, 0xFFu);
  }
  EXPECT_EQ(points[0].Mode, 1);
}

TEST(ParseGradient, ClassicFourCornerGradientIsPaddedToFivePoints) {
  const TsGradArray points = Parse("255;0;40;2;0;65280;0;60;0;0");
  ASSERT_EQ(points.size(), 5u);
  for (size_t i = 2; i < 5; ++i) {
    EXPECT_EQ(points[i].Color, points[1].Color);
    EXPECT_EQ(points[i].Index, i);
  }
  EXPECT_EQ(points[1].Percent, 40);
  EXPECT_EQ(points[4].Percent, 100);
}

TEST(ParseGradient, CountedLayoutReadsTheNumberOfPointsFromTheLetter) {
  const TsGradArray points = Parse("100;0;1;200;150;1;300;20;1;C");
  ASSERT_EQ(points.size(), 3u);
  EXPECT_EQ(points[0], (TsGradPoint{0, 1, 100, 0}));
  EXPECT_EQ(points[1], (TsGradPoint{1, 1, 200, 100}));
  EXPECT_EQ(points[2], (TsGradPoint{2, 1, 300, 100}));  // the last point always ends at 100
}

TEST(ParseGradient, CountedPointWithAlphaMakesTheGradientAnOverlay) {
  const TsGradArray points = Parse("2147483903;0;0;16777215;100;16;B");
  ASSERT_EQ(points.size(), 2u);
  EXPECT_EQ(points[0].Mode, gmAlphaOverlay);
  EXPECT_EQ(points[1].Mode, gmPointAlpha);
  EXPECT_EQ(points[0].Color, 0x800000FFu);  // read as 64 bits, kept as 32
}

TEST(ParseGradient, FieldsThatAreNotIntegersRaise) {
  for (std::string_view text : {"abc;0;1;B;x;y;B", "1;0;1;2;0;B2;C", "1;0;1;C", "1;99999999999;0;2;0;1;B",
                                "12;0;x;0;0;13;0;0;0;0"})
    EXPECT_THROW(Parse(text), Exception) << text;
}
