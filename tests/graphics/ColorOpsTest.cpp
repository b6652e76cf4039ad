#include <gtest/gtest.h>

#include <cmath>

#include "BitmapFixture.h"
#include "graphics/ColorOps.h"

TEST(GrayscaleBitmap, LuminanceRoundedToNearestKeepsAlpha) {
  const struct {
    TacPixel Start, Expected;
  } cases[] = {
      {0x80FF0000, 0x804C4C4C},  // 0.299 x 255 = 76.245
      {0xFF00FF00, 0xFF969696},  // 149.685
      {0x000000FF, 0x001D1D1D},  // 29.07
      {0x12FFFFFF, 0x12FFFFFF},
      {0xFF010101, 0xFF010101},
  };
  for (const auto& c : cases) {
    auto bitmap = Filled(1, 1, c.Start);
    GrayscaleBitmap(*bitmap);
    EXPECT_EQ(bitmap->Pixel(0, 0), c.Expected) << std::hex << c.Start;
  }
}

TEST(GrayscaleBitmap, EveryColourRoundsAsTheFloatingPointFormulaDoes) {
  TacWorkBitmap bitmap(256, 256);
  for (uint32_t r = 0; r < 256; ++r) {
    for (int32_t g = 0; g < 256; ++g)
      for (int32_t b = 0; b < 256; ++b) bitmap.SetPixel(b, g, MakePixel(r, static_cast<uint32_t>(g), static_cast<uint32_t>(b), 0));
    GrayscaleBitmap(bitmap);
    for (int32_t g = 0; g < 256; ++g)
      for (int32_t b = 0; b < 256; ++b) {
        const auto expected = static_cast<uint32_t>(std::nearbyint(0.299 * r + 0.587 * g + 0.114 * b));
        ASSERT_EQ(Red(bitmap.Pixel(b, g)), expected) << r << "," << g << "," << b;
      }
  }
}

TEST(GrayscaleBitmap, KeyedFormSkipsKeyPixels) {
  auto bitmap = Filled(2, 1, KeyPixel);
  GrayscaleBitmap(*bitmap, clFuchsia);
  EXPECT_EQ(bitmap->Pixel(0, 0), KeyPixel);
  GrayscaleBitmap(*bitmap);
  EXPECT_EQ(bitmap->Pixel(0, 0), 0x00696969u);  // 76.245 + 29.07 = 105.3
}

TEST(SaturationTransform, MovesChannelsTowardOrAwayFromGrey) {
  const struct {
    TacPixel Start;
    int32_t S;
    TacPixel Expected;
  } cases[] = {
      {0xFFFF0000, -255, 0xFF4B4B4B},  // grey 76; (0 x c + 255 x 76) div 256 = 75
      {0x80FF0000, 0, 0x80FF0000},
      {0xFF808080, 100, 0xFF7F7F7F},   // grey stays grey, one step darker
      {0xFF8040C0, -229, 0xFF645E6B},  // the default disabled look; grey 98
      {0xFF00FF00, 255, 0xFF00FF00},   // limited to 0..65535 before the division
  };
  for (const auto& c : cases) {
    TacPixel p = c.Start;
    SaturationTransform(p, c.S);
    EXPECT_EQ(p, c.Expected) << std::hex << c.Start << std::dec << " S " << c.S;
  }
}

TEST(TransformPixels, PassesEveryNonKeyPixelAndTheParameter) {
  auto bitmap = Filled(3, 1, 0x01000000);
  bitmap->SetPixel(1, 0, KeyPixel);
  auto addParameter = [](TacPixel& p, int32_t parameter) { p += static_cast<uint32_t>(parameter); };
  TransformPixels(bitmap.get(), addParameter, 5, clFuchsia);
  EXPECT_EQ(bitmap->Pixel(0, 0), 0x01000005u);
  EXPECT_EQ(bitmap->Pixel(1, 0), KeyPixel);
  TransformPixels(bitmap.get(), addParameter, 1, clNotSet);
  EXPECT_EQ(bitmap->Pixel(1, 0), KeyPixel + 1);
  TransformPixels(nullptr, addParameter, 1, clNotSet);  // nothing to do, no fault
}
