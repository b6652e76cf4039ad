#include <gtest/gtest.h>

#include <cmath>

#include "graphics/ShadowTemplate.h"
#include "graphics/WorkBitmap.h"

namespace {

constexpr TColor kOpaqueBlack = static_cast<TColor>(0xFF000000u);

double Distance(int x, int y, int cx, int cy) { return std::hypot(x - cx, y - cy); }

TEST(ShadowTemplate, SizeGrowsWithRadiusExtrasAndOffset) {
  const struct {
    int32_t radius, offsetY, extraWidth, extraHeight, width, height;
  } cases[] = {{10, 0, 0, 0, 21, 21}, {10, 2, 0, 0, 21, 23}, {4, 0, 30, 12, 39, 21}, {0, 0, 0, 0, 1, 1},
               {-5, -1, -7, -7, 1, 1}};
  for (const auto& c : cases) {
    const auto t = MakeShadowTemplate(kOpaqueBlack, c.radius, c.offsetY, false, false, 0, c.extraWidth, c.extraHeight);
    EXPECT_EQ(t->Width(), c.width) << c.radius;
    EXPECT_EQ(t->Height(), c.height) << c.radius;
  }
}

TEST(ShadowTemplate, BlurDecidesWhereFullOpacityEnds) {
  const uint32_t full = 255u * 255u / 256u;
  // Blur 0 fades across the whole radius: only the centre is at full opacity.
  const auto soft = MakeShadowTemplate(kOpaqueBlack, 10, 0, false, false, 0, 0, 0);
  EXPECT_EQ(Alpha(soft->Pixel(10, 10)), full);
  EXPECT_LT(Alpha(soft->Pixel(11, 10)), full);
  // Blur 3: full opacity up to distance 7 from the centre, fading beyond.
  const auto hard = MakeShadowTemplate(kOpaqueBlack, 10, 0, false, false, 3, 0, 0);
  for (int y = 0; y < 21; ++y)
    for (int x = 0; x < 21; ++x) {
      const double e = Distance(x, y, 10, 10);
      const uint32_t a = Alpha(hard->Pixel(x, y));
      if (e <= 7) {
        EXPECT_EQ(a, full) << x << "," << y;
      } else if (e > 10) {
        EXPECT_EQ(hard->Pixel(x, y), 0u) << x << "," << y;
      }
    }
  EXPECT_EQ(Alpha(hard->Pixel(18, 10)), 170u * 255u / 256u);  // distance 8: (11 - 8) x (1 - 1/3) / 3 x 255
}

TEST(ShadowTemplate, ShapeIsSymmetricAndStretchedThroughItsCentre) {
  const auto t = MakeShadowTemplate(kOpaqueBlack, 6, 0, false, false, 0, 5, 3);
  for (int y = 0; y < t->Height(); ++y)
    for (int x = 0; x < t->Width(); ++x) {
      EXPECT_EQ(t->Pixel(x, y), t->Pixel(t->Width() - 1 - x, y));
      EXPECT_EQ(t->Pixel(x, y), t->Pixel(x, t->Height() - 1 - y));
    }
  for (int x = 6; x <= 11; ++x) EXPECT_EQ(t->Pixel(x, 0), t->Pixel(6, 0));
}

TEST(ShadowTemplate, FlavoursAndOpacity) {
  const auto clear = MakeShadowTemplate(0x00123456, 5, 0, false, false, 0, 0, 0);
  for (int y = 0; y < clear->Height(); ++y)
    for (int x = 0; x < clear->Width(); ++x) EXPECT_EQ(Alpha(clear->Pixel(x, y)), 0u);

  const auto mask = MakeShadowTemplate(0, 5, 2, false, true, 2, 0, 0);
  EXPECT_EQ(mask->Pixel(0, 0), 0xFFFFFFFFu);  // the offset rows and the outside are white
  EXPECT_EQ(mask->Pixel(0, 2), 0xFFFFFFFFu);
  EXPECT_EQ(mask->Pixel(5, 7), 0xFF000000u);  // the inside is black
  const TacPixel edge = mask->Pixel(5, 3);
  EXPECT_EQ(Alpha(edge), 255u);
  EXPECT_GT(Red(edge), 0u);
  EXPECT_EQ(Red(edge), Green(edge));

  const auto colour = MakeShadowTemplate(static_cast<TColor>(0x800000FFu), 3, 0, false, false, 0, 0, 0);
  EXPECT_EQ(colour->Pixel(3, 3), MakePixel(255, 0, 0, 128u * 255u / 256u));
}

}  // namespace
