#include <gtest/gtest.h>

#include <vector>

#include "BitmapFixture.h"
#include "graphics/Gradient.h"

namespace {
TsGradArray Points(std::string_view text) {
  TsGradArray points;
  ParseGradient(text, points);
  return points;
}

// Classic two-point gradients from black to white.
const char* kVertical = "0;0;100;0;0;16777215;0;0;0;0";
const char* kHorizontal = "0;0;100;1;0;16777215;0;0;0;0";

std::vector<uint32_t> Column(const TacWorkBitmap& bitmap, int32_t x) {
  std::vector<uint32_t> values;
  for (int32_t y = 0; y < bitmap.Height(); ++y) values.push_back(Red(bitmap.Pixel(x, y)));
  return values;
}
std::vector<uint32_t> Row(const TacWorkBitmap& bitmap, int32_t y) {
  std::vector<uint32_t> values;
  for (int32_t x = 0; x < bitmap.Width(); ++x) values.push_back(Red(bitmap.Pixel(x, y)));
  return values;
}
}  // namespace

TEST(PaintGradient, VerticalRowsStopOneStepShortOfTheEndColour) {
  auto bitmap = NewWorkBitmap(3, 10);
  PaintGradient(*bitmap, bitmap->BoundsRect(), Points(kVertical), 0);
  EXPECT_EQ(Column(*bitmap, 2), (std::vector<uint32_t>{0, 26, 51, 76, 102, 128, 153, 178, 204, 230}));
  EXPECT_EQ(Alpha(bitmap->Pixel(0, 9)), 255u);
}

TEST(PaintGradient, HorizontalColumnsReachTheEndColour) {
  auto bitmap = NewWorkBitmap(11, 3);
  PaintGradient(*bitmap, bitmap->BoundsRect(), Points(kHorizontal), 0);
  const std::vector<uint32_t> expected = {0, 26, 51, 76, 102, 128, 153, 178, 204, 230, 255};
  for (int32_t y = 0; y < 3; ++y) EXPECT_EQ(Row(*bitmap, y), expected);
}

TEST(PaintGradient, SegmentsFollowThePercents) {
  // Red to green at 30 %, green to blue over the rest; rows of 20.
  auto bitmap = NewWorkBitmap(1, 20);
  PaintGradient(*bitmap, bitmap->BoundsRect(), Points("255;0;30;0;0;65280;0;70;0;0;16711680;0;0;0;0"), 0);
  EXPECT_EQ(bitmap->Pixel(0, 0), 0xFFFF0000u);
  EXPECT_EQ(bitmap->Pixel(0, 6), 0xFF00FF00u);  // the second segment starts at row 30 % of 20
  EXPECT_EQ(Blue(bitmap->Pixel(0, 19)), 237u);   // 13 x 255 / 14, still short of blue
}

TEST(PaintGradient, EqualColoursFillAndRectIsCutToTheBitmap) {
  auto bitmap = Filled(4, 4, 0);
  PaintGradient(*bitmap, Rect(-3, 2, 99, 99), Points("255;0;50;0;0;255;0;0;0;0"), 0);
  EXPECT_EQ(CountOther(*bitmap, 0), 8);
  EXPECT_EQ(bitmap->Pixel(3, 3), 0xFFFF0000u);
}

TEST(PaintGradient, NothingIsPaintedForDirectionThreeEmptyListsOrEmptyRects) {
  auto bitmap = Filled(4, 4, 0);
  PaintGradient(*bitmap, bitmap->BoundsRect(), Points("255;0;50;3;0;65280;0;0;0;0"), 0);
  PaintGradient(*bitmap, bitmap->BoundsRect(), {}, 0);
  PaintGradient(*bitmap, Rect(3, 3, 1, 1), Points(kVertical), 0);
  PaintGradient(*bitmap, Rect(4, 0, 8, 4), Points(kHorizontal), 0);
  EXPECT_EQ(CountOther(*bitmap, 0), 0);
}

TEST(PaintGradient, FourCornersMeetAtTheCentre) {
  // Top-left red, centre white, top-right green, bottom-right blue, bottom-left black.
  auto bitmap = NewWorkBitmap(9, 9);
  PaintGradient(*bitmap, bitmap->BoundsRect(), Points("255;0;2;16777215;0;2;65280;0;2;16711680;0;2;0;100;2;E"), 0);
  EXPECT_EQ(bitmap->Pixel(0, 0), 0xFFFF0000u);
  EXPECT_EQ(bitmap->Pixel(4, 4), 0xFFFFFFFFu);
  // The top edge runs from red at x 0 to green at x 9 (the exclusive right edge).
  const TacPixel top = bitmap->Pixel(4, 0);
  EXPECT_NEAR(Red(top), 255 * 5 / 9, 1);
  EXPECT_NEAR(Green(top), 255 * 4 / 9, 1);
  EXPECT_EQ(Blue(top), 0u);
  EXPECT_LT(Red(bitmap->Pixel(0, 8)), 40u);
}

TEST(PaintGradient, AlphaSegmentsComposeOverWhatIsThere) {
  // Transparent red to opaque red over a blue background.
  auto bitmap = Filled(2, 5, 0xFF0000FF);
  PaintGradient(*bitmap, bitmap->BoundsRect(), Points("255;0;16;4278190335;100;16;B"), 0);
  EXPECT_EQ(bitmap->Pixel(1, 4), 0xFFFF0000u);  // the last row is the end colour
  EXPECT_EQ(Alpha(bitmap->Pixel(1, 0)), 255u);  // composing never lowers alpha
  EXPECT_GT(Blue(bitmap->Pixel(1, 0)), Blue(bitmap->Pixel(1, 3)));
  EXPECT_GT(Red(bitmap->Pixel(1, 0)), 0u);  // the seam row above the first row is not drawn, the first row is
}

TEST(PaintTextureGradient, TextureAnchoredAtTheOriginMixedWithTheGradient) {
  // A 2 x 1 texture of white and black inside a larger bitmap.
  auto texture = Filled(4, 2, 0xFF123456);
  texture->SetPixel(1, 1, 0xFFFFFFFF);
  texture->SetPixel(2, 1, 0xFF000000);
  auto bitmap = Filled(6, 5, 0);
  PaintTextureGradient(*bitmap, Rect(1, 1, 6, 5), Points(kHorizontal), 200, 128, Rect(1, 1, 3, 2), *texture);
  EXPECT_EQ(bitmap->Pixel(0, 0), 0u);
  // Column 2 is even (white texture pixel); the gradient there is 255 / 4 = 63.75, rounded to 64.
  EXPECT_EQ(bitmap->Pixel(2, 3), 0xC89F9F9Fu);  // (128 x 255 + 128 x 64) div 256
  // Column 3 is odd (black texture pixel); the gradient is 127.5, rounded half to even.
  EXPECT_EQ(bitmap->Pixel(3, 1), 0xC8404040u);
  EXPECT_EQ(bitmap->Pixel(3, 4), bitmap->Pixel(3, 1));
}

TEST(PaintTextureGradient, VerticalGradientIncludesEachSegmentsEndRow) {
  auto texture = Filled(1, 1, 0xFF000000);
  auto bitmap = NewWorkBitmap(1, 11);
  PaintTextureGradient(*bitmap, bitmap->BoundsRect(), Points(kVertical), 255, 0, Rect(0, 0, 1, 1), *texture);
  // Texture weight 0 leaves (256 x g) div 256 = g; rows 0..10 of a 11-row segment.
  EXPECT_EQ(Column(*bitmap, 0), (std::vector<uint32_t>{0, 23, 46, 70, 93, 116, 139, 162, 185, 209, 232}));
}

TEST(PaintTextureGradient, TextureRowsFollowTheBitmapRowsBelowAnOffsetTop) {
  // Five texture rows of blue 0, 10, 20, 30, 40; full texture weight shows the texture alone.
  auto texture = NewWorkBitmap(2, 5);
  for (int32_t y = 0; y < 5; ++y) texture->SetPixel(1, y, 0xFF000000u | static_cast<uint32_t>(y * 10));
  auto bitmap = NewWorkBitmap(3, 12);
  PaintTextureGradient(*bitmap, Rect(0, 3, 3, 12), Points(kHorizontal), 255, 256, Rect(1, 0, 2, 5), *texture);
  for (int32_t y = 3; y < 12; ++y) EXPECT_EQ(Blue(bitmap->Pixel(2, y)), static_cast<uint32_t>(y % 5 * 10)) << y;
  PaintTextureGradient(*bitmap, Rect(0, 3, 3, 6), Points(kVertical), 255, 256, Rect(1, 0, 2, 5), *texture);
  for (int32_t y = 3; y < 6; ++y) EXPECT_EQ(Blue(bitmap->Pixel(0, y)), static_cast<uint32_t>(y % 5 * 10)) << y;
}
