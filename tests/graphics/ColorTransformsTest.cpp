#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "graphics/ColorTransforms.h"

namespace {
// The hue in whole degrees, as the transform computes it.
int HueOf(TacPixel p) {
  const double r = Red(p), g = Green(p), b = Blue(p);
  const double v = std::max({r, g, b}), delta = v - std::min({r, g, b});
  double h = r == v ? (g - b) * 60 / delta : g == v ? 120 + (b - r) * 60 / delta : 240 + (r - g) * 60 / delta;
  if (h < 0) h += 360;
  return static_cast<int>(h);
}
}  // namespace

TEST(BrightnessTransform, ScalesEachChannelByItsOwnValueAndKeepsAlpha) {
  const struct {
    TacPixel Start;
    int32_t B;
    TacPixel Expected;
  } cases[] = {
      {0x80C86400, 100, 0x80FF8B00},    // 200 + 78 limited to 255, 100 + 39 = 139, 0 stays
      {0x80C86400, -100, 0x807A3D00},   // 200 - 78 = 122, 100 - 39 = 61
      {0x12345678, 0, 0x12345678},
      {0xFF010101, 256, 0xFF020202},    // the step grows with the channel
      {0xFF808080, -300, 0xFF000000},   // at least 0
      {0xFF010101, INT32_MAX, 0xFFFFFFFF},
      {0xFF808080, INT32_MIN, 0xFF000000},
  };
  for (const auto& c : cases) {
    TacPixel p = c.Start;
    BrightnessTransform(p, c.B);
    EXPECT_EQ(p, c.Expected) << std::hex << c.Start << std::dec << " B " << c.B;
  }
}

TEST(HueTransform, RotatesHueKeepingValueSaturationAndAlpha) {
  const struct {
    TacPixel Start;
    int32_t D;
    TacPixel Expected;
  } cases[] = {
      {0x7FFF0000, 120, 0x7F00FF00},  // pure red to pure green
      {0x7FFF0000, 240, 0x7F0000FF},
      {0x7FFF0000, -120, 0x7F0000FF},
      {0x7FFF0000, 360, 0x7FFF0000},
      {0x7FFF0000, 0, 0x7FFF0000},
      {0x7FFF0000, 720 + 60, 0x7FFFFF00},
      {0x80808080, 90, 0x80808080},   // grey has no hue
      {0x00000000, 90, 0x00000000},
  };
  for (const auto& c : cases) {
    TacPixel p = c.Start;
    HueTransform(p, c.D);
    EXPECT_EQ(p, c.Expected) << std::hex << c.Start << std::dec << " D " << c.D;
  }
}

TEST(HueTransform, NegativeOffsetsWrapBelowZero) {
  TacPixel p = MakePixel(240, 40, 0, 0x55);  // hue 10
  ASSERT_EQ(HueOf(p), 10);
  HueTransform(p, -30);
  EXPECT_EQ(HueOf(p), 340);
  EXPECT_EQ(Red(p), 240u);  // the value stays the maximum
  EXPECT_EQ(Green(p), 0u);  // and full saturation keeps the minimum at 0
  EXPECT_EQ(Alpha(p), 0x55u);

  // Extreme offsets neither overflow nor leave the colour wheel.
  for (const int32_t d : {INT32_MIN, INT32_MAX}) {
    TacPixel q = MakePixel(240, 40, 0, 0xFF);
    HueTransform(q, d);
    EXPECT_EQ(std::max({Red(q), Green(q), Blue(q)}), 240u) << d;
  }
}

TEST(ToneTransform, ShadesOfTheToneByTheBrightestChannel) {
  const struct {
    TacPixel Start;
    TColor Tone;
    TacPixel Expected;
  } cases[] = {
      {0x40FF0000, 0x0000FF, 0x40FE0000},  // red tone (TColor: red low) on full value: 255 x 255 div 256
      {0x40204080, 0x804020, 0x40102040},  // value 128: 32, 64 and 128 of the tone, halved
      {0xFF000000, 0xFFFFFF, 0xFF000000},
  };
  for (const auto& c : cases) {
    TacPixel p = c.Start;
    ToneTransform(p, c.Tone);
    EXPECT_EQ(p, c.Expected) << std::hex << c.Start << " tone " << c.Tone;
  }
}

TEST(ColorVariants, WorkOnTColorChannelOrderAndKeepTheHighByte) {
  EXPECT_EQ(HueColor(clRed, 120), clLime);
  EXPECT_EQ(HueColor(clRed, 240), clBlue);
  EXPECT_EQ(HueColor(static_cast<TColor>(0xFF0000FFu), 120), static_cast<TColor>(0xFF00FF00u));
  EXPECT_EQ(SaturationColor(clRed, -255), 0x4B4B4B);  // grey 76 of red, not of blue (29)
  EXPECT_EQ(SaturationColor(clBlue, -255), 0x1C1C1C);
  EXPECT_EQ(BrightnessColor(0x0064C8, 100), 0x008BFF);  // red 200, green 100
  EXPECT_EQ(BrightnessColor(static_cast<TColor>(0xFFF4F4F4u), -100), static_cast<TColor>(0xFF959595u));
}

TEST(SaturationParameter, PercentToTheTransformRange) {
  const struct {
    int32_t Percent, Expected;
  } cases[] = {{-100, -255}, {100, 255}, {50, 127}, {-50, -127}, {0, 0}, {1, 2}, {400, 255}, {INT32_MIN, -255}};
  for (const auto& c : cases) EXPECT_EQ(SaturationParameter(c.Percent), c.Expected) << c.Percent;
}

TEST(BitmapForms, GiveTransformPixelsResultsRowByRow) {
  // Varied colours with runs of repeats, alphas and key pixels.
  TacWorkBitmap source(97, 3);
  uint32_t seed = 17;
  for (int32_t y = 0; y < source.Height(); ++y)
    for (int32_t x = 0; x < source.Width(); ++x) {
      if (x % 5 != 0) seed = seed * 1664525u + 1013904223u;
      source.SetPixel(x, y, x % 11 == 3 ? KeyPixel : seed ^ (static_cast<uint32_t>(x) << 24));
    }
  const auto copy = [&] {
    auto c = std::make_unique<TacWorkBitmap>(source.Width(), source.Height());
    c->Assign(source);
    return c;
  };
  for (const int32_t d : {-30, 1, 120, 359, 100000}) {
    auto fast = copy(), plain = copy();
    HueBitmap(*fast, d, clFuchsia);
    TransformPixels(plain.get(), HueTransform, d, clFuchsia);
    for (int32_t y = 0; y < source.Height(); ++y)
      for (int32_t x = 0; x < source.Width(); ++x) ASSERT_EQ(fast->Pixel(x, y), plain->Pixel(x, y)) << "hue " << d;
  }
  for (const int32_t b : {-300, -100, -1, 1, 100, INT32_MAX}) {
    auto fast = copy(), plain = copy();
    BrightenBitmap(*fast, b, clFuchsia, 2);
    TransformPixels(plain.get(), BrightnessTransform, b, clFuchsia);
    for (int32_t y = 0; y < source.Height(); ++y)
      for (int32_t x = 0; x < source.Width(); ++x)
        ASSERT_EQ(fast->Pixel(x, y), y < 2 ? plain->Pixel(x, y) : source.Pixel(x, y)) << "brightness " << b;
  }
  auto unkeyed = copy(), plain = copy();
  HueBitmap(*unkeyed, 90, clNone);
  TransformPixels(plain.get(), HueTransform, 90, clNone);
  EXPECT_EQ(unkeyed->Pixel(3, 0), plain->Pixel(3, 0));  // the key pixel changes too
  EXPECT_NE(unkeyed->Pixel(3, 0), KeyPixel);
}
