#include <gtest/gtest.h>

#include "BitmapFixture.h"
#include "graphics/PixelFill.h"

TEST(MixColors, ArithmeticUsesTheComplement255) {
  const struct {
    TColor A, B;
    int32_t Weight;
    TColor Expected;
  } cases[] = {
      {clWhite, clWhite, 128, 0x00FEFEFE},          // a colour mixed with itself loses a step
      {clWhite, clBlack, 255, 0x00FEFEFE},          // weight 255 is not the pure first colour
      {0x00102030, clWhite, 0, 0x00FEFEFE},         // weight 0 is B's channels times 255 div 256
      {0x00FF0000, 0x000000FF, 128, 0x007F007E},    // (128 x 255) div 256 and (127 x 255) div 256
      {0x7F000000, 0x01FFFFFF, 0, 0x7FFEFEFE},      // byte 3 comes from A
      {0x00646464, 0x00C8C8C8, 100 * 255 / 100, 0x00636363},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MixColors(c.A, c.B, c.Weight), c.Expected) << std::hex << c.A << " " << c.B << " w" << std::dec << c.Weight;
}

TEST(FillPixels, FillsTheRectWithTheColourAndAlphaOnly) {
  auto bitmap = Filled(6, 5, 0);
  FillPixels(*bitmap, Rect(1, 2, 4, 4), 0x00332211, 200);
  for (int32_t y = 0; y < 5; ++y)
    for (int32_t x = 0; x < 6; ++x)
      EXPECT_EQ(bitmap->Pixel(x, y), Rect(1, 2, 4, 4).Contains(x, y) ? 0xC8112233u : 0u) << x << "," << y;
}

TEST(FillFrame, PaintsTheFourStripsAroundInner) {
  auto bitmap = Filled(6, 6, 0);
  FillFrame(*bitmap, Rect(0, 0, 6, 6), Rect(2, 1, 5, 4), 255, clWhite);
  const char* expected[] = {"######", "##...#", "##...#", "##...#", "######", "######"};
  for (int32_t y = 0; y < 6; ++y)
    for (int32_t x = 0; x < 6; ++x)
      EXPECT_EQ(bitmap->Pixel(x, y) != 0, expected[y][x] == '#') << x << "," << y;
}

TEST(FillBorderStrips, StripsLieInsideTheRect) {
  auto bitmap = Filled(7, 7, 0);
  FillBorderStrips(*bitmap, Rect(1, 1, 6, 6), 1, 2, 1, 1, clRed);
  const char* expected[] = {".......", ".#####.", ".#####.", ".#...#.", ".#...#.", ".#####.", "......."};
  for (int32_t y = 0; y < 7; ++y)
    for (int32_t x = 0; x < 7; ++x)
      EXPECT_EQ(bitmap->Pixel(x, y), expected[y][x] == '#' ? 0xFFFF0000u : 0u) << x << "," << y;
}

TEST(TintRect, PullsColourTowardTheTintAndKeepsAlpha) {
  const struct {
    TacPixel Start;
    int32_t Weight;
    TColor Tint;
    TacPixel Expected;
  } cases[] = {
      {0x80FFFFFF, 128, clBlack, 0x807F7F7F},
      {0x10000000, 0, clWhite, 0x10FEFEFE},
      {0xFF204060, 255, 0x00FFFFFF, 0xFF1F3F5F},  // keeping everything still loses a step
      {0xFF000000, 100, 0x000000FF, 0xFF9A0000},  // only red is pulled: 155 x 255 div 256
  };
  for (const auto& c : cases) {
    auto bitmap = Filled(3, 3, c.Start);
    TintRect(*bitmap, Rect(1, 1, 1, 1), c.Weight, c.Tint);  // inclusive: exactly pixel (1, 1)
    EXPECT_EQ(bitmap->Pixel(1, 1), c.Expected) << std::hex << c.Start;
    EXPECT_EQ(CountOther(*bitmap, c.Start), c.Start == c.Expected ? 0 : 1);
  }
}

TEST(TintRect, ResolvesSystemColours) {
  auto previous = SetSysColorQuery([](int) -> uint32_t { return 0x00FFFFFF; });
  auto bitmap = Filled(1, 1, 0xFF000000);
  TintRect(*bitmap, Rect(0, 0, 0, 0), 0, clBtnFace);
  EXPECT_EQ(bitmap->Pixel(0, 0), 0xFFFEFEFEu);
  SetSysColorQuery(previous);
}

TEST(TintBitmap, SkipsKeyPixelsOnly) {
  auto bitmap = Filled(2, 1, KeyPixel);
  bitmap->SetPixel(1, 0, 0xFFFF00FF);  // the key colour, but opaque
  TintBitmap(*bitmap, 0, clBlack);
  EXPECT_EQ(bitmap->Pixel(0, 0), KeyPixel);
  EXPECT_EQ(bitmap->Pixel(1, 0), 0xFF000000u);
}
